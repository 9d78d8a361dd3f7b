// The floor under every action that opens a window: a plain Qt window of the start
// window's size, with a label, shown and painted on the same platform, then closed.
#include <QLabel>
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
}

}  // namespace bench
