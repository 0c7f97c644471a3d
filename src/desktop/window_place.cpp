#include "window_place.h"

#include <QGuiApplication>
#include <QScreen>

namespace quib::desktop {

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kPositioned = QStringLiteral("window/positioned");
const QString kState = QStringLiteral("window/state");

// A Wayland compositor places the windows itself: a program neither learns
// nor sets their position.
bool PlatformPlacesWindows() { return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")); }

// Enough of the window on some screen to be seen and grabbed: its top edge
// (where the title bar is) inside the screen, and a good piece of it showing.
bool ShownOnSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const QRect shown = area.intersected(rect);
        if (shown.width() >= 120 && shown.height() >= 60 && rect.top() >= area.top()) return true;
    }
    return false;
}

}  // namespace

void RememberWindowPlace(const QWidget& window, QSettings& settings) {
    settings.setValue(kGeometry, window.normalGeometry());
    settings.setValue(kPositioned, !PlatformPlacesWindows());
    settings.setValue(kState, window.isFullScreen()  ? QStringLiteral("fullscreen")
                              : window.isMaximized() ? QStringLiteral("maximized")
                                                     : QStringLiteral("normal"));
    settings.sync();
}

bool RestoreWindowPlace(QWidget& window, QSettings& settings) {
    const QRect rect = settings.value(kGeometry).toRect();
    if (!rect.isValid() || rect.width() < window.minimumWidth() || rect.height() < window.minimumHeight())
        return false;
    if (settings.value(kPositioned).toBool() && !PlatformPlacesWindows()) {
        if (!ShownOnSomeScreen(rect)) return false;
        window.setGeometry(rect);
    } else {
        window.resize(rect.size());
    }
    const QString state = settings.value(kState).toString();
    if (state == QStringLiteral("fullscreen"))
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
    else if (state == QStringLiteral("maximized"))
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

}  // namespace quib::desktop
