#pragma once
// How a compiled-in picture becomes pixels: its SVG drawn at its own size from the top
// left, antialiased, on a transparent image. The build renders every picture this way
// ahead of time; the trainer renders them itself only where the screen's pixel ratio is
// not the one the build rendered for.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdint>
#include <cstring>

namespace forms::pictures {

inline QImage renderSvg(const QString& path, qreal devicePixelRatio) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    const QSize size = renderer.defaultSize();
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    renderer.render(&p, QRectF(QPointF(0, 0), size));
    return image;
}

// A rendered picture as the build stores it: its width and height, then its premultiplied
// pixels row by row. Plain pixels, because inflating a PNG would cost the start window
// more than the resource's own compression does.
inline QByteArray toRaster(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t size[2] = {static_cast<std::uint32_t>(pixels.width()),
                                   static_cast<std::uint32_t>(pixels.height())};
    QByteArray out(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y)
        out.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return out;
}

// The picture over a stored raster's own bytes, which must outlive it; a null image where
// the bytes cannot be read in place.
inline QImage viewRaster(const uchar* raster, qsizetype length) {
    std::uint32_t size[2] = {0, 0};
    if (length < static_cast<qsizetype>(sizeof size)) return {};
    std::memcpy(size, raster, sizeof size);
    const qsizetype row = static_cast<qsizetype>(size[0]) * 4;
    const uchar* pixels = raster + sizeof size;
    if (size[0] == 0 || size[1] == 0 || length != static_cast<qsizetype>(sizeof size) + row * size[1] ||
        reinterpret_cast<quintptr>(pixels) % 4 != 0)
        return {};
    return QImage(pixels, static_cast<int>(size[0]), static_cast<int>(size[1]), row,
                  QImage::Format_ARGB32_Premultiplied);
}

inline QImage fromRaster(const QByteArray& raster) {
    std::uint32_t size[2] = {0, 0};
    if (raster.size() < static_cast<qsizetype>(sizeof size)) return {};
    std::memcpy(size, raster.constData(), sizeof size);
    const qsizetype row = static_cast<qsizetype>(size[0]) * 4;
    if (size[0] == 0 || size[1] == 0 || raster.size() != static_cast<qsizetype>(sizeof size) + row * size[1]) return {};
    QImage image(static_cast<int>(size[0]), static_cast<int>(size[1]), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), raster.constData() + sizeof size + row * y, static_cast<std::size_t>(row));
    return image;
}

}  // namespace forms::pictures
