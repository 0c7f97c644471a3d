#pragma once
// The player's language: the game's catalogues (translations/quib_<lang>.qm
// beside the program) and Qt's own for its standard buttons, chosen from the
// desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

namespace quib::desktop {

// The languages the desktop asks for, in the player's order, read as
// gettext reads them: the list in LANGUAGE ("fr:de"), then the locale of the
// messages (the first of LC_ALL, LC_MESSAGES and LANG that is set). Under
// the C locale (C or POSIX, or none set) the game is English whatever
// LANGUAGE says. env reads one environment variable.
QStringList DesktopLanguages(const std::function<QString(const char*)>& env);

// The catalogue ("de", "pt_BR") for the first of the wanted languages
// ("de_AT.UTF-8", "pt-BR", "pt") that one of the available catalogues
// speaks: the region's own catalogue first, then the language's, then a
// catalogue of the language for some region ("pt_BR" for "pt"). A language
// without a catalogue lets the search go on; English or C ends it. Empty for
// English.
QString ChooseCatalogue(const QStringList& wanted, const QStringList& available);

// Installs the game's catalogue (translations/quib_<name>.qm in folder) for
// the desktop's languages, or for the wanted ones, and Qt's own for its
// standard buttons. Returns the catalogue's name ("de"), or an empty text
// for English.
QString InstallTranslations(const QString& folder);
QString InstallTranslations(const QString& folder, const QStringList& wanted);

// The catalogue InstallTranslations installed, empty for English.
QString InstalledLanguage();

// Removes what InstallTranslations installed: the game speaks English again.
void RemoveTranslations();

// A core text through Qt's catalogues (see Platform::Translate).
std::string TranslateCoreText(const char* context, const char* text, const char* comment, int n);

// The file in the player's language beside the given one ("help.de.txt"
// for "help.txt"), or the given file when there is none.
QString LocalizedFile(const QString& path);

}  // namespace quib::desktop
