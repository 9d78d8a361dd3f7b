// The floor under every action that opens a window: a plain Qt window of the start
// window's size, with a label, shown and painted on the same platform, then closed; and
// a plain Qt window built like the results table (its size, a picture behind, 23 labels,
// 69 line edits, two multi-line panes and a button), which is what Qt alone costs for
// the largest window the exam opens.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTextEdit>
#include <QWidget>

#include "roads.h"

namespace bench {

void referenceRoad(ActionTimer& t) {
    t.road("reference: bare Qt window");
    resetTrainer();
    QWidget* window = nullptr;
    t.act("shown", [&] {
        window = new QWidget;
        window->setAutoFillBackground(true);
        window->resize(457, 482);
        auto* label = new QLabel(QStringLiteral("公司网址：www.example.com"), window);
        label->move(80, 464);
        window->show();
    });
    t.act("hidden and deleted", [&] {
        window->hide();
        window->deleteLater();
    });

    QImage picture(910, 630, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(236, 240, 246));
    const QPixmap background = QPixmap::fromImage(picture);
    t.act("like the results table: shown", [&] {
        window = new QWidget;
        window->resize(915, 634);
        auto* back = new QLabel(window);
        back->setPixmap(background);
        back->setGeometry(0, 0, 910, 630);
        for (int k = 0; k < 23; ++k) {
            auto* number = new QLabel(QString::number(k + 1), window);
            number->setGeometry(8, 56 + 24 * k, 57, 17);
            for (int column = 0; column < 3; ++column) {
                auto* cell = new QLineEdit(window);
                cell->setFrame(false);
                cell->setGeometry(144 + 64 * column, 56 + 24 * k, 33, 12);
            }
        }
        (new QTextEdit(window))->setGeometry(392, 0, 513, 281);
        (new QTextEdit(window))->setGeometry(392, 280, 513, 305);
        (new QPushButton(QStringLiteral("退出"), window))->setGeometry(808, 592, 73, 25);
        window->show();
    });
    t.act("like the results table: hidden and deleted", [&] {
        window->hide();
        window->deleteLater();
    });
}

}  // namespace bench
