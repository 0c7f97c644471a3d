// Draws the game's icon into the files a desktop looks for, from the same
// painting code as the window icon:
//   quib_icons OUTPUT_FOLDER NAME
// writes OUTPUT_FOLDER/scalable/apps/NAME.svg and OUTPUT_FOLDER/SIZExSIZE/apps/NAME.png,
// the layout of an icon theme.

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "../artwork.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: quib_icons OUTPUT_FOLDER NAME\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    const QString svgFolder = out + QStringLiteral("/scalable/apps");
    QDir().mkpath(svgFolder);
    QSvgGenerator svg;
    svg.setFileName(svgFolder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    constexpr int kSvgSize = 256;
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Quib"));
    {
        QPainter p(&svg);
        quib::desktop::PaintAppIcon(p, kSvgSize);
    }

    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = out + QStringLiteral("/%1x%1/apps").arg(size);
        if (!QDir().mkpath(folder) ||
            !quib::desktop::AppIconImage(size).save(folder + QLatin1Char('/') + name + QStringLiteral(".png"))) {
            std::fprintf(stderr, "quib_icons: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
