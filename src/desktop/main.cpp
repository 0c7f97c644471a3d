// Quib on the Linux desktop: the game's files lie beside the program or, when
// installed, in ../share/quib; the player's files in the folder "data" beside
// the program where it can be written, else in the desktop's per-user data
// location (see game_folders.h). One game per data folder.

#include <QApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <csignal>
#include <memory>
#include <cstdio>

#include "core/records/storage.h"
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

    const quib::desktop::GameFolders folders = quib::desktop::ChooseGameFolders(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    quib::desktop::InstallTranslations(folders.program + QStringLiteral("translations"));
    int status = 0;
    int endSignal = 0;
    quib::desktop::WindowPlace place;
    {
        quib::desktop::SingleInstance instance(folders.data);
        if (!instance.claim()) {
            if (instance.problem().isEmpty()) return 0;
            QMessageBox::critical(nullptr, QStringLiteral("Quib"), instance.problem());
            return 1;
        }
        {
            quib::desktop::QtPlatform platform;
            quib::desktop::MainWindow window(platform, folders.data.toStdString(),
                                             folders.program.toStdString());
            instance.setWindow(&window);
            // Every write of the game's files first makes sure that the data
            // folder is still the one this copy holds.
            window.session().storage =
                std::make_shared<quib::records::FolderStorage>(folders.data.toStdString(), instance.lock());
            // The window's place is the player's, not the game's: kept in the
            // desktop's per-user settings (~/.config/Quib/window.conf). What
            // a write of it cut off by a crash left there goes first.
            quib::desktop::RemoveCutOffWrites(quib::desktop::WindowPlaceFile());
            quib::desktop::RestoreWindowPlace(
                window, quib::desktop::ReadWindowPlace(quib::desktop::WindowPlaceFile()));
            window.show();
            quib::desktop::KeepOnScreen(window);
            quib::desktop::SessionEndWatcher sessionEnd(window);
            // A copy started while this one saves its files waits for the lock
            // rather than being told that the game runs.
            QObject::connect(&sessionEnd, &quib::desktop::SessionEndWatcher::ending, &instance,
                             &quib::desktop::SingleInstance::stopAnswering);
            if (!folders.writable)
                QTimer::singleShot(0, &window, [&window] {
                    window.run([](quib::Session& f) { quib::window::TellFilesNotKept(f, true, true); });
                });
            if (const QString moved = quib::desktop::MovedFilesNotice(folders); !moved.isEmpty())
                QTimer::singleShot(0, &window, [&platform, moved] {
                    std::fprintf(stderr, "%s\n", moved.toLocal8Bit().constData());
                    platform.ShowInfo(moved.toStdString());
                });
            status = app.exec();
            // Whatever ended the game, it is ending: see above.
            instance.stopAnswering();
            endSignal = sessionEnd.endSignal();
            place = quib::desktop::CurrentWindowPlace(window);
        }
        // The window is gone and with it the game's last writes: the next
        // game may start now, whatever becomes of the window's place.
        instance.release();
    }
    quib::desktop::WriteWindowPlace(quib::desktop::WindowPlaceFile(), place);
    // SIGQUIT asks for a core dump: it comes once the game is saved and the
    // lock and socket are gone.
    if (endSignal == SIGQUIT) {
        std::signal(SIGQUIT, SIG_DFL);
        std::raise(SIGQUIT);
    }
    return status;
}
