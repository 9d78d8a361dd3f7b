// Renders the trainer's pictures at build time, so that showing a window decodes a
// ready raster (its plain pixels) instead of parsing its SVG and opening the fonts of its texts.
//
//   picture-baker OUTPUT_FOLDER PICTURE.svg...
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

#include "platform/picture_render.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // the texts of the pictures need the font database
    if (argc < 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const QString svg = QString::fromLocal8Bit(argv[i]);
        const QImage image = forms::pictures::renderSvg(svg, 1.0);
        QFile raster(folder + '/' + QFileInfo(svg).completeBaseName() + QStringLiteral(".raster"));
        if (image.isNull() || !raster.open(QIODevice::WriteOnly) ||
            raster.write(forms::pictures::toRaster(image)) < 0) {
            std::fprintf(stderr, "picture-baker: cannot render %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
