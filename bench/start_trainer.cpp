// The trainer's start, as ppt-trainer runs it, reporting its start window's first paint.
#include <QApplication>
#include <QWidget>
#include <typeinfo>
#include <unistd.h>

#include "app/start.h"
#include "first_paint.h"
#include "navigation/form8.h"

int main(int argc, char** argv) {
    alarm(60);  // a child that never paints must not hold the parent for ever
    return app::runTrainer(argc, argv, [](QApplication& application) {
        application.installEventFilter(new bench::FirstPaint([](QWidget* window) {
            const forms::Form* start = forms::Registry::find(typeid(Form8));
            return start != nullptr && window == start->window();
        }));
    });
}
