// Quib on the Linux desktop: the game's files lie beside the program or, when
// installed, in ../share/quib; the player's files in the folder "data" beside
// the program where it can be written, else in the desktop's per-user data
// location (see game_folders.h). One game per data folder.

#include <QApplication>
#include <QStandardPaths>

#include "artwork.h"
#include "game_folders.h"
#include "main_window.h"
#include "qt_platform.h"
#include "session_end.h"
#include "single_instance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quib"));
    QGuiApplication::setDesktopFileName(QStringLiteral(QUIB_APP_ID));
    QApplication::setWindowIcon(quib::desktop::MakeAppIcon());

    const quib::desktop::GameFolders folders = quib::desktop::ChooseGameFolders(
        QCoreApplication::applicationDirPath(), QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    quib::desktop::SingleInstance instance(folders.data);
    if (!instance.claim()) return 0;

    quib::desktop::QtPlatform platform;
    quib::desktop::MainWindow window(platform, folders.data.toStdString(), folders.program.toStdString());
    instance.setWindow(&window);
    window.show();
    quib::desktop::SessionEndWatcher sessionEnd(window);
    return app.exec();
}
