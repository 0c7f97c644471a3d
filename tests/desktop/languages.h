#pragma once
// The languages the game speaks, found from the catalogues in translations/
// (quib_<lang>.ts), so that a new language's files take part in every test
// over the languages without a further edit.

#include <QDir>
#include <QString>
#include <QStringList>

namespace quib::desktop::testing {

// "de", "fr", "pt_BR", …, in file-name order.
inline QStringList GameLanguages() {
    QStringList languages;
    const QDir folder(QStringLiteral(QUIB_TS_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("quib_*.ts")}, QDir::Files, QDir::Name))
        languages << name.mid(5).chopped(3);
    return languages;
}

}  // namespace quib::desktop::testing
