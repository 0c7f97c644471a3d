#pragma once
// The main window comes back as the player left it: its size, its position
// where the window system lets a program place its windows (not on Wayland),
// and whether it was maximised or full screen. Kept per user in the desktop's
// settings (~/.config/Quib/window.conf), never in the game's own files. A
// remembered place that no screen shows any more is forgotten, and the
// window opens at the game's own size and place. Either way the whole window
// lies on the screen's available area: a size larger than it shrinks to it,
// and a window hanging over its edge moves inside.
//
// The file gets the game files' guards: only a regular file of at most a few
// KiB is read, without ever waiting (a named pipe or a huge file there is
// ignored), and it is written by a safe replace that takes no lock, so
// nothing at or beside it can hold up the start or the end of the game.

#include <QRect>
#include <QString>
#include <QWidget>

namespace quib::desktop {

// What is remembered of the window's place.
struct WindowPlace {
    QRect geometry;           // the normal (not maximised) geometry; invalid when nothing is remembered
    bool positioned = false;  // the position was the program's to set and counts
    QString state;            // "normal", "maximized" or "fullscreen"
};

// The largest settings file that is read.
constexpr qint64 kMaxWindowPlaceFile = 4096;

// ~/.config/Quib/window.conf, following XDG_CONFIG_HOME.
QString WindowPlaceFile();

// The place kept in the file; nothing remembered when the file is missing,
// not a regular file, too large or unreadable.
WindowPlace ReadWindowPlace(const QString& path);

// Keeps the place in the file by a safe replace; false when it could not.
bool WriteWindowPlace(const QString& path, const WindowPlace& place);

// The window's place now; take it before the window closes for good.
WindowPlace CurrentWindowPlace(const QWidget& window);

// Gives the window its remembered place, before it is shown, on the screen
// as a whole. Returns false (and keeps the window's own size and place, on
// the screen) when nothing usable is remembered.
bool RestoreWindowPlace(QWidget& window, const WindowPlace& place);

// Once the window is shown and its frame known: the whole window, frame
// included, on the available area of its screen.
void KeepOnScreen(QWidget& window);

// Removes what a write of the file at path that a crash or a kill cut off
// left beside it (see records::RemoveTemporaries).
void RemoveCutOffWrites(const QString& path);

}  // namespace quib::desktop
