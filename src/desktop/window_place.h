#pragma once
// The main window comes back as the player left it: its size, its position
// where the window system lets a program place its windows (not on Wayland),
// and whether it was maximised or full screen. Kept per user in the desktop's
// settings (~/.config/Quib/window.conf), never in the game's own files. A
// remembered place that no screen shows any more is forgotten, and the
// window opens at the game's own size and place.

#include <QSettings>
#include <QWidget>

namespace quib::desktop {

// Remembers the window's place; call it when the window closes.
void RememberWindowPlace(const QWidget& window, QSettings& settings);

// Gives the window its remembered place, before it is shown. Returns false
// (and leaves the window as it is) when nothing usable is remembered.
bool RestoreWindowPlace(QWidget& window, QSettings& settings);

}  // namespace quib::desktop
