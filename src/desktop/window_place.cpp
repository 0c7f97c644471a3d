#include "window_place.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/records/storage.h"

namespace quib::desktop {

namespace {

// A Wayland compositor places the windows itself: a program neither learns
// nor sets their position.
bool PlatformPlacesWindows() { return QGuiApplication::platformName().startsWith(QStringLiteral("wayland")); }

// Enough of the window on some screen to be seen and grabbed: its top edge
// (where the title bar is) inside the screen, and a good piece of it showing.
// Gives that screen's available area.
const QScreen* ScreenShowing(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const QRect shown = area.intersected(rect);
        if (shown.width() >= 120 && shown.height() >= 60 && rect.top() >= area.top()) return screen;
    }
    return nullptr;
}

// The whole file, when it is a regular file of at most the largest size;
// opened without waiting, so a named pipe or a device there holds nothing up.
bool ReadSmallFile(const QString& path, QByteArray& content) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxWindowPlaceFile;
    if (ok) {
        // One byte more than allowed: a file that grew meanwhile is refused too.
        content.resize(kMaxWindowPlaceFile + 1);
        qint64 got = 0;
        for (;;) {
            const ssize_t n =
                ::read(fd, content.data() + got, static_cast<std::size_t>(content.size() - got));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0 || (got += n) >= content.size()) {
                ok = n == 0;
                break;
            }
        }
        content.resize(got);
    }
    ::close(fd);
    return ok;
}

// A rectangle as the desktop's settings write it, "@Rect(x y width height)":
// one space between the numbers, each of one to six ASCII digits, x and y
// perhaps negative. Parsed by hand: a regular expression would load its
// library and compiler into every start for this one line.
std::optional<QRect> ParseRect(const QString& value) {
    const QString head = QStringLiteral("@Rect("), tail = QStringLiteral(")");
    if (!value.startsWith(head) || !value.endsWith(tail)) return std::nullopt;
    const QStringList parts = value.mid(head.size(), value.size() - head.size() - tail.size()).split(u' ');
    if (parts.size() != 4) return std::nullopt;
    std::array<int, 4> n{};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QStringView digits(parts[i]);
        if (i < 2 && digits.startsWith(u'-')) digits = digits.mid(1);
        if (digits.isEmpty() || digits.size() > 6) return std::nullopt;
        for (const QChar c : digits)
            if (c < u'0' || c > u'9') return std::nullopt;
        n[static_cast<std::size_t>(i)] = parts[i].toInt();
    }
    return QRect(n[0], n[1], n[2], n[3]);
}

}  // namespace

QString WindowPlaceFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Quib/window.conf");
}

// The file is in the form the desktop's settings use, so that a file written
// by earlier versions of the game is read as well.
WindowPlace ReadWindowPlace(const QString& path) {
    WindowPlace place;
    QByteArray content;
    if (!ReadSmallFile(path, content)) return place;
    bool inWindow = false;
    for (const QByteArray& raw : content.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inWindow = line == QStringLiteral("[window]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inWindow || equals < 0) continue;
        const QString key = line.left(equals).trimmed();
        const QString value = line.mid(equals + 1).trimmed();
        if (key == QStringLiteral("geometry")) {
            if (const std::optional<QRect> rect = ParseRect(value)) place.geometry = *rect;
        } else if (key == QStringLiteral("positioned")) {
            place.positioned = value == QStringLiteral("true");
        } else if (key == QStringLiteral("state")) {
            place.state = value;
        }
    }
    return place;
}

bool WriteWindowPlace(const QString& path, const WindowPlace& place) {
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    const QRect& g = place.geometry;
    const QString text =
        QStringLiteral("[window]\ngeometry=@Rect(%1 %2 %3 %4)\npositioned=%5\nstate=%6\n")
            .arg(g.x())
            .arg(g.y())
            .arg(g.width())
            .arg(g.height())
            .arg(place.positioned ? QStringLiteral("true") : QStringLiteral("false"), place.state);
    return records::WriteFileSafely(QFile::encodeName(path).toStdString(), text.toStdString(),
                                    records::FolderFlush::Skip);
}

WindowPlace CurrentWindowPlace(const QWidget& window) {
    return {window.normalGeometry(), !PlatformPlacesWindows(),
            window.isFullScreen()  ? QStringLiteral("fullscreen")
            : window.isMaximized() ? QStringLiteral("maximized")
                                   : QStringLiteral("normal")};
}

namespace {

// The whole window, its frame included as far as it is known (once the
// window is shown), on the available area of the screen: no larger than
// that area (nor smaller than the game allows), and, where the program
// places its windows, moved inside it.
void KeepOnScreen(QWidget& window, const QScreen* screen, bool positioned) {
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect frame = window.frameGeometry(), inner = window.geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                           frame.bottom() - inner.bottom());
    QRect rect = inner.marginsAdded(margins);
    rect.setSize(rect.size().boundedTo(area.size()).expandedTo(window.minimumSize().grownBy(margins)));
    if (positioned) {
        rect.moveLeft(std::max(area.left(), std::min(rect.left(), area.right() + 1 - rect.width())));
        rect.moveTop(std::max(area.top(), std::min(rect.top(), area.bottom() + 1 - rect.height())));
    }
    rect = rect.marginsRemoved(margins);
    if (rect == inner) return;
    if (positioned)
        window.setGeometry(rect);
    else
        window.resize(rect.size());
}

}  // namespace

void KeepOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    KeepOnScreen(window, screen, !PlatformPlacesWindows());
}

bool RestoreWindowPlace(QWidget& window, const WindowPlace& place) {
    const bool platformPlaces = PlatformPlacesWindows();
    QRect rect = place.geometry;
    const bool positioned = place.positioned && !platformPlaces;
    const QScreen* screen = positioned && rect.isValid() ? ScreenShowing(rect) : QGuiApplication::primaryScreen();
    if (!rect.isValid() || rect.width() < window.minimumWidth() || rect.height() < window.minimumHeight() ||
        !screen) {
        // The game's own size and place, on the screen all the same.
        KeepOnScreen(window, QGuiApplication::primaryScreen(), !platformPlaces);
        return false;
    }
    if (positioned)
        window.setGeometry(rect);
    else
        window.resize(rect.size());
    KeepOnScreen(window, screen, positioned);
    if (place.state == QStringLiteral("fullscreen"))
        window.setWindowState(window.windowState() | Qt::WindowFullScreen);
    else if (place.state == QStringLiteral("maximized"))
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    return true;
}

void RemoveCutOffWrites(const QString& path) {
    const std::string name = QFile::encodeName(QFileInfo(path).fileName()).toStdString();
    records::RemoveTemporaries(QFile::encodeName(QFileInfo(path).path()).toStdString(),
                               [&name](std::string_view n) { return n == name; });
}

}  // namespace quib::desktop
