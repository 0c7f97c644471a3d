#pragma once
// The player's language: the game's catalogues (translations/quib_<lang>.qm
// beside the program) and Qt's own for its standard buttons, chosen from the
// desktop's languages as Qt reads them (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

#include <QLocale>
#include <QString>
#include <string>

namespace quib::desktop {

// Installs the catalogues of the first of the locale's languages that the
// game speaks; English, the game's own language, stops the search. Returns
// the language installed ("de"), or an empty text for English.
QString InstallTranslations(const QString& folder, const QLocale& locale = QLocale());

// The language InstallTranslations installed, empty for English.
QString InstalledLanguage();

// Removes what InstallTranslations installed: the game speaks English again.
void RemoveTranslations();

// A core text through Qt's catalogues (see Platform::Translate).
std::string TranslateCoreText(const char* context, const char* text, const char* comment, int n);

// The file in the player's language beside the given one ("help.de.txt"
// for "help.txt"), or the given file when there is none.
QString LocalizedFile(const QString& path);

}  // namespace quib::desktop
