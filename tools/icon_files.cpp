// Build tool: writes the program's icon as PNG files into a hicolor icon theme tree, one file
// per size (OUT/hicolor/NxN/apps/ruliform.png), for installing.
#include "shell/ProgramIcon.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    for (int size : kProgramIconSizes) {
        TBitmap bmp;
        DrawProgramIcon(&bmp, size);
        QImage img(size, size, QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const TColor c = bmp.Canvas()->Pixel(x, y);
                img.setPixelColor(x, y,
                                  c == kProgramIconMaskColor
                                      ? QColor(0, 0, 0, 0)
                                      : QColor(GetRValue(c), GetGValue(c), GetBValue(c)));
            }
        const QString dir = QString("%1/hicolor/%2x%2/apps").arg(out).arg(size);
        if (!QDir().mkpath(dir) || !img.save(dir + "/ruliform.png")) {
            std::fprintf(stderr, "cannot write %s/ruliform.png\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
