#pragma once
// Keeps a screen reader's calls on the accessibility bus from crashing the
// game (see accessibility_bus_guard.cpp for the fault it guards against).

namespace quib::desktop {

// Puts the guard in front of Qt's accessibility bridge now and whenever the
// bridge comes up later (a screen reader started after the game). Safe to
// call more than once and on a desktop without any accessibility bus.
void GuardAccessibilityBus();

}  // namespace quib::desktop
