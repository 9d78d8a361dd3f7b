// The yardstick for the trainer's start: a plain Qt Widgets window of the start window's
// client size, in the same style, with the application font and the start window's
// fonts, showing the start window's texts. Linked with Qt Widgets alone.
//
//   bench-start-bare WIDTH HEIGHT APPFONT [FONT TEXT]...
// where a font is "family|fallback;points;underline".
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>
#include <unistd.h>

#include "first_paint.h"

namespace {

QFont fontFrom(const QString& argument) {
    const QStringList parts = argument.split(QChar(';'));
    const QStringList families = parts.value(0).split(QChar('|'));
    QFont font(families.value(0));
    font.setFamilies(families);
    font.setPointSizeF(parts.value(1).toDouble());
    font.setWeight(QFont::Normal);
    font.setUnderline(parts.value(2) == QStringLiteral("1"));
    return font;
}

}  // namespace

int main(int argc, char** argv) {
    alarm(60);
    if (argc < 4) return 2;
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(fontFrom(QString::fromUtf8(argv[3])));
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    auto* layout = new QVBoxLayout(&window);
    for (int i = 4; i + 1 < argc; i += 2) {
        auto* label = new QLabel(QString::fromUtf8(argv[i + 1]), &window);
        label->setFont(fontFrom(QString::fromUtf8(argv[i])));
        layout->addWidget(label);
    }
    window.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    app.installEventFilter(new bench::FirstPaint([&window](QWidget* top) { return top == &window; }));
    window.show();
    return QApplication::exec();
}
