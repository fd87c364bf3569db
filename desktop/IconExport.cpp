// Writes the program's icon as PNG files for the desktop's icon theme:
// `tallyfold_icon_export FOLDER` creates FOLDER/NxN/tallyfold.png for every size.
#include "app/AppIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int size : AppIconSizes) {
        const QString sizeFolder = QStringLiteral("%1x%1").arg(size);
        if (!folder.mkpath(sizeFolder) || !appIconImage(size).save(folder.filePath(
                                              sizeFolder + QStringLiteral("/tallyfold.png"))))
            return 1;
    }
    return 0;
}
