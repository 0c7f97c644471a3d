// Quib on the Linux desktop: the game's files lie beside the program, its
// records in the folder "data" there.

#include <QApplication>
#include <QDir>
#include <string>

#include "artwork.h"
#include "main_window.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quib"));
    QApplication::setWindowIcon(quib::desktop::MakeAppIcon());

    const QString programFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/");
    const QString dataFolder = programFolder + QStringLiteral("data/");
    QDir().mkpath(dataFolder);

    quib::desktop::QtPlatform platform;
    quib::desktop::MainWindow window(platform, dataFolder.toStdString(), programFolder.toStdString());
    window.show();
    return app.exec();
}
