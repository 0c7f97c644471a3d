#include "translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

namespace quib::desktop {

namespace {

struct Installed {
    QString language;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Installed& State() {
    static Installed installed;
    return installed;
}

}  // namespace

QString InstallTranslations(const QString& folder, const QLocale& locale) {
    RemoveTranslations();
    Installed& state = State();
    // uiLanguages lists the desktop's languages in the player's order, each
    // followed by its fall-backs ("de-AT", "de"); LANGUAGE=fr:de gives French.
    for (const QString& name : locale.uiLanguages()) {
        const QString language = QLocale(name).name().section(u'_', 0, 0);
        if (language == QLatin1String("en") || language == QLatin1String("C")) break;
        auto game = std::make_unique<QTranslator>();
        if (!game->load(QStringLiteral("quib_") + language, folder)) continue;
        QCoreApplication::installTranslator(game.get());
        state.translators.push_back(std::move(game));
        // Qt's own texts (the Yes and No of the exit question): qtbase_de
        // from Qt's translations folder, when installed.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            state.translators.push_back(std::move(qt));
        }
        state.language = language;
        break;
    }
    return state.language;
}

QString InstalledLanguage() { return State().language; }

void RemoveTranslations() {
    Installed& state = State();
    for (const auto& t : state.translators) QCoreApplication::removeTranslator(t.get());
    state.translators.clear();
    state.language.clear();
}

std::string TranslateCoreText(const char* context, const char* text, const char* comment, int n) {
    return QCoreApplication::translate(context, text, comment && *comment ? comment : nullptr, n)
        .toStdString();
}

QString LocalizedFile(const QString& path) {
    const QString language = InstalledLanguage();
    if (language.isEmpty()) return path;
    const QFileInfo info(path);
    const QString localized =
        info.path() + u'/' + info.completeBaseName() + u'.' + language + u'.' + info.suffix();
    return QFileInfo::exists(localized) ? localized : path;
}

}  // namespace quib::desktop
