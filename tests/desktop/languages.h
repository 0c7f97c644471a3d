#pragma once
// The languages the game speaks, found from the catalogues in translations/
// (quib_<lang>.ts), so that a new language's files take part in every test
// over the languages without a further edit.

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <vector>

#include "desktop/translations.h"
#include "support/fake_platform.h"

namespace quib::desktop::testing {

// "de", "fr", "pt_BR", …, in file-name order.
inline QStringList GameLanguages() {
    QStringList languages;
    const QDir folder(QStringLiteral(QUIB_TS_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("quib_*.ts")}, QDir::Files, QDir::Name))
        languages << name.mid(5).chopped(3);
    return languages;
}

// One translated text of translations/quib_<language>.ts: a message's
// translation, or one plural form of it.
struct CatalogueEntry {
    QString context, source, translation;
    bool numerus = false;
};

// Every translated text of a language's catalogue, in file order; a file
// that cannot be read or is not well-formed says so in *error.
inline std::vector<CatalogueEntry> ReadCatalogue(const QString& language, QString* error) {
    std::vector<CatalogueEntry> entries;
    QFile file(QStringLiteral(QUIB_TS_DIR "/quib_") + language + QStringLiteral(".ts"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.fileName() + QStringLiteral(" cannot be read");
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
        if (xml.name() == u"source") source = xml.readElementText();
        if ((xml.name() == u"translation" && !numerus) || xml.name() == u"numerusform")
            entries.push_back({context, source, xml.readElementText(), numerus});
    }
    *error = xml.hasError() ? file.fileName() + QStringLiteral(": ") + xml.errorString() : QString();
    return entries;
}

// The scripted platform, with the core's texts through Qt's catalogues as the
// real program has them.
struct TranslatingPlatform : quib::testing::FakePlatform {
    std::string Translated(const char* context, const char* text, const char* comment, int n) override {
        return TranslateCoreText(context, text, comment, n);
    }
};

// A caption without its menu letter's mark ("&Save" reads "Save").
inline QString Plain(QString text) {
    return text.replace(QLatin1String("&&"), QStringLiteral("\x01")).remove(u'&');
}

}  // namespace quib::desktop::testing
