#pragma once
// The menus' keyboard letters (Alt and the underlined letter) and their
// shortcuts, by the entries' object names. The captions stay the game's own;
// only the letter is marked.

#include <QKeySequence>
#include <QList>
#include <QString>

namespace quib::desktop {

// The caption with its letter marked ("&New Game"); unchanged when the entry
// has none.
QString WithMenuLetter(const QString& objectName, const QString& caption);

// The entry's shortcuts; none for most entries.
QList<QKeySequence> MenuShortcuts(const QString& objectName);

}  // namespace quib::desktop
