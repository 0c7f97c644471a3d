#include "translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <string_view>
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

QStringList DesktopLanguages(const std::function<QString(const char*)>& env) {
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = env(name);
        if (!messages.isEmpty()) break;
    }
    // gettext ignores LANGUAGE under the C locale: so does the game.
    if (messages.isEmpty() || messages == QLatin1String("C") || messages == QLatin1String("POSIX")) return {};
    QStringList languages = env("LANGUAGE").split(u':', Qt::SkipEmptyParts);
    languages << messages;
    return languages;
}

QString ChooseCatalogue(const QStringList& wanted, const QStringList& available) {
    for (const QString& asked : wanted) {
        // "pt_BR.UTF-8@euro" and "pt-BR" name the language pt of the region BR.
        const QString name = asked.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
        const QString language = name.section(u'_', 0, 0);
        if (language.isEmpty()) continue;
        if (language == QLatin1String("en") || language == QLatin1String("C") ||
            language == QLatin1String("POSIX"))
            return {};
        if (available.contains(name)) return name;
        if (available.contains(language)) return language;
        for (const QString& catalogue : available)
            if (catalogue.startsWith(language + u'_')) return catalogue;
    }
    return {};
}

QString InstallTranslations(const QString& folder) {
    const QString language = qEnvironmentVariable("LANGUAGE"), all = qEnvironmentVariable("LC_ALL"),
                  messages = qEnvironmentVariable("LC_MESSAGES"), lang = qEnvironmentVariable("LANG");
    return InstallTranslations(folder, DesktopLanguages([&](const char* name) {
                                   const std::string_view n(name);
                                   return n == "LANGUAGE"      ? language
                                          : n == "LC_ALL"      ? all
                                          : n == "LC_MESSAGES" ? messages
                                          : n == "LANG"        ? lang
                                                               : QString();
                               }));
}

QString InstallTranslations(const QString& folder, const QStringList& wanted) {
    RemoveTranslations();
    Installed& state = State();
    QStringList available;
    for (const QString& file : QDir(folder).entryList({QStringLiteral("quib_*.qm")}, QDir::Files, QDir::Name))
        available << file.mid(5).chopped(3);
    const QString catalogue = ChooseCatalogue(wanted, available);
    if (catalogue.isEmpty()) return {};
    auto game = std::make_unique<QTranslator>();
    if (!game->load(QStringLiteral("quib_") + catalogue, folder)) return {};
    QCoreApplication::installTranslator(game.get());
    state.translators.push_back(std::move(game));
    // Qt's own texts (the Yes and No of the exit question): qtbase_de from
    // Qt's translations folder, when installed.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + catalogue, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        state.translators.push_back(std::move(qt));
    }
    state.language = catalogue;
    return catalogue;
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
