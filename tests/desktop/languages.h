#pragma once
// The languages the game speaks, found from the catalogues in translations/
// (quib_<lang>.ts), so that a new language's files take part in every test
// over the languages without a further edit.

#include <QDir>
#include <QString>
#include <QStringList>

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
