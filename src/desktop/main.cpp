// Quib on the Linux desktop: the game's files lie beside the program or, when
// installed, in ../share/quib; the player's files in the folder "data" beside
// the program where it can be written, else in the desktop's per-user data
// location (see game_folders.h). One game per data folder.

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <csignal>

#include "artwork.h"
#include "core/window/window.h"
#include "game_folders.h"
#include "main_window.h"
#include "qt_platform.h"
#include "session_end.h"
#include "single_instance.h"
#include "translations.h"
#include "window_place.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quib"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUIB_APP_ID));
    QApplication::setWindowIcon(quib::desktop::MakeAppIcon());

    const quib::desktop::GameFolders folders = quib::desktop::ChooseGameFolders(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    quib::desktop::InstallTranslations(folders.program + QStringLiteral("translations"));
    int status = 0;
    int endSignal = 0;
    {
        quib::desktop::SingleInstance instance(folders.data);
        if (!instance.claim()) return 0;

        quib::desktop::QtPlatform platform;
        quib::desktop::MainWindow window(platform, folders.data.toStdString(), folders.program.toStdString());
        instance.setWindow(&window);
        // The window's place is the player's, not the game's: kept in the
        // desktop's per-user settings (~/.config/Quib/window.conf).
        QSettings place(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quib"), QStringLiteral("window"));
        quib::desktop::RestoreWindowPlace(window, place);
        window.show();
        quib::desktop::SessionEndWatcher sessionEnd(window);
        if (!folders.writable)
            QTimer::singleShot(0, &window, [&window] {
                window.run([](quib::Form1& f) { quib::window::TellFilesNotKept(f, true, true); });
            });
        status = app.exec();
        endSignal = sessionEnd.endSignal();
        quib::desktop::RememberWindowPlace(window, place);
    }
    // SIGQUIT asks for a core dump: it comes once the game is saved and the
    // lock and socket are gone.
    if (endSignal == SIGQUIT) {
        std::signal(SIGQUIT, SIG_DFL);
        std::raise(SIGQUIT);
    }
    return status;
}
