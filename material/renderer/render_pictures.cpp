// Renders the material's SVG drawings to the JPEG and PNG files the exercises name,
// with Qt's SVG renderer and the fonts installed here, at a fixed size and quality so
// that the same drawing gives the same bytes.
//
//   material-renderer JOBS_FILE
//
// Each line of JOBS_FILE: SVG path, TAB, output path (.jpg or .png), TAB, width, TAB, height,
// and optionally TAB "grey" for a picture printed in shades of grey.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // texts in the drawings need the font database
    if (argc != 2) {
        std::fprintf(stderr, "usage: material-renderer JOBS_FILE\n");
        return 2;
    }
    QFile jobs(QString::fromLocal8Bit(argv[1]));
    if (!jobs.open(QIODevice::ReadOnly | QIODevice::Text)) return 2;
    QTextStream in(&jobs);
    int failures = 0;
    while (!in.atEnd()) {
        const QStringList job = in.readLine().split('\t');
        if (job.size() != 4 && job.size() != 5) continue;
        QSvgRenderer svg(job[0]);
        const QSize size(job[2].toInt(), job[3].toInt());
        const bool jpeg = job[1].endsWith(QStringLiteral(".jpg"), Qt::CaseInsensitive);
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        // A photograph has no transparency: JPEG pictures lie on white.
        image.fill(jpeg ? Qt::white : Qt::transparent);
        if (svg.isValid()) {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            svg.render(&painter, QRectF(QPointF(0, 0), size));
        }
        QImage out = jpeg ? image.convertToFormat(QImage::Format_RGB32) : image;
        if (job.size() == 5 && job[4] == QStringLiteral("grey")) out = out.convertToFormat(QImage::Format_Grayscale8);
        if (!svg.isValid() || !out.save(job[1], jpeg ? "JPG" : "PNG", jpeg ? 90 : -1)) {
            std::fprintf(stderr, "material-renderer: cannot render %s\n", qPrintable(job[0]));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
