#include "platform/look.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>
#include <map>

namespace forms::look {

QColor colour(Colour code) {
    if (code & 0x80000000u) {
        // System colours, as the classic desktop scheme draws them.
        static const std::map<unsigned, QColor> system = {
            {0x00, QColor(200, 200, 200)},  // scroll bar
            {0x01, QColor(0, 0, 0)},        // desktop
            {0x02, QColor(153, 180, 209)},  // active caption
            {0x03, QColor(191, 205, 219)},  // inactive caption
            {0x04, QColor(240, 240, 240)},  // menu
            {0x05, QColor(255, 255, 255)},  // window background
            {0x06, QColor(100, 100, 100)},  // window frame
            {0x07, QColor(0, 0, 0)},        // menu text
            {0x08, QColor(0, 0, 0)},        // window text
            {0x09, QColor(0, 0, 0)},        // caption text
            {0x0A, QColor(180, 180, 180)},  // active border
            {0x0B, QColor(244, 247, 252)},  // inactive border
            {0x0C, QColor(171, 171, 171)},  // application workspace
            {0x0D, QColor(51, 153, 255)},   // highlight
            {0x0E, QColor(255, 255, 255)},  // highlight text
            {0x0F, QColor(240, 240, 240)},  // button face
            {0x10, QColor(160, 160, 160)},  // button shadow
            {0x11, QColor(109, 109, 109)},  // grey text
            {0x12, QColor(0, 0, 0)},        // button text
            {0x13, QColor(67, 78, 84)},     // inactive caption text
            {0x14, QColor(255, 255, 255)},  // button highlight
            {0x15, QColor(105, 105, 105)},  // button dark shadow
            {0x16, QColor(227, 227, 227)},  // button light
            {0x17, QColor(0, 0, 0)},        // tooltip text
            {0x18, QColor(255, 255, 225)},  // tooltip background
            {0x1A, QColor(0, 102, 204)},    // hot-tracked item
            {0x1B, QColor(185, 209, 234)},  // active caption gradient
            {0x1C, QColor(215, 228, 242)},  // inactive caption gradient
            {0x1D, QColor(51, 153, 255)},   // menu highlight
            {0x1E, QColor(240, 240, 240)},  // menu bar
        };
        auto it = system.find(code & 0xFFu);
        return it != system.end() ? it->second : QColor(240, 240, 240);
    }
    return QColor(static_cast<int>(code & 0xFF), static_cast<int>((code >> 8) & 0xFF),
                  static_cast<int>((code >> 16) & 0xFF));
}

QString family(const std::string& designName) {
    // Song becomes a Ming face of the same metrics (12-pixel lines at 9 points, half-width
    // Latin), so that captions fit the places they were laid out for; the medium Song
    // face becomes the heavier serif face, Hei the sans face, the calligraphic Wei face a Kai face.
    static const std::map<std::string, QString> families = {
        // clang-format off
        {"宋体", QStringLiteral("AR PL UMing CN")},
        {"新宋体", QStringLiteral("AR PL UMing CN")},
        {"华文中宋", QStringLiteral("Noto Serif CJK SC")},
        {"黑体", QStringLiteral("Noto Sans CJK SC")},
        {"微软雅黑", QStringLiteral("Noto Sans CJK SC")},
        {"华文新魏", QStringLiteral("AR PL UKai CN")},
        {"楷体", QStringLiteral("AR PL UKai CN")},
        // clang-format on
    };
    auto it = families.find(designName);
    return it != families.end() ? it->second : QString::fromStdString(designName);
}

QFont font(const Font& f) {
    QFont font(family(f.name));
    font.setFamilies({family(f.name), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSizeF(f.size);
    // Regular unless the design asks for bold: a stand-in face with only two weights
    // would turn any heavier request into bold.
    font.setWeight(f.bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(f.underline);
    return font;
}

void styleApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setFont(font(Font{}));
}

void paintBackground(QWidget* w, Colour back) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour(back));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void paintColours(QWidget* w, Colour back, Colour fore, bool fillBackground) {
    QPalette p = w->palette();
    const QColor b = colour(back);
    const QColor f = colour(fore);
    p.setColor(QPalette::Window, b);
    p.setColor(QPalette::Base, b);
    p.setColor(QPalette::WindowText, f);
    p.setColor(QPalette::Text, f);
    p.setColor(QPalette::ButtonText, f);
    w->setPalette(p);
    w->setAutoFillBackground(fillBackground);
}

void paintButton(QWidget* w, Colour back, Colour fore) {
    QPalette p = w->palette();
    p.setColor(QPalette::Button, colour(back));
    p.setColor(QPalette::ButtonText, colour(fore));
    w->setPalette(p);
}

}  // namespace forms::look
