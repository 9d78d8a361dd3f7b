#include "action_timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

#include "platform/forms.h"
#include "shared/module1.h"
#include "support/recording_platform.h"

namespace bench {

// Counts what painting a window takes: a pass that delivers none of it, with every
// shown window exposed, finds the screen up to date.
class ActionTimer::Watch : public QObject {
public:
    int work = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Paint:
                ++paints;
                ++work;
                break;
            case QEvent::UpdateRequest:
            case QEvent::UpdateLater:
            case QEvent::LayoutRequest:
            case QEvent::Expose:
            case QEvent::Show:
            case QEvent::PlatformSurface:
            case QEvent::DeferredDelete:
                ++work;
                break;
            default:
                break;
        }
        return false;
    }
};

namespace {

bool everyShownWindowExposed() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->windowHandle() == nullptr || !w->windowHandle()->isExposed())) return false;
    return true;
}

}  // namespace

ActionTimer::ActionTimer() : watch_(std::make_unique<Watch>()) { qApp->installEventFilter(watch_.get()); }

ActionTimer::~ActionTimer() { qApp->removeEventFilter(watch_.get()); }

int ActionTimer::settle(bool& settled) {
    QElapsedTimer deadline;
    deadline.start();
    const int paintsBefore = watch_->paints;
    int quietPasses = 0;
    settled = true;
    while (quietPasses < 2) {
        const int workBefore = watch_->work;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (watch_->work == workBefore && everyShownWindowExposed())
            ++quietPasses;
        else
            quietPasses = 0;
        if (deadline.elapsed() > 2000) {
            settled = false;
            break;
        }
    }
    return watch_->paints - paintsBefore;
}

void ActionTimer::act(const std::string& action, const std::function<void()>& event) {
    auto row = std::find_if(rows_.begin(), rows_.end(),
                            [&](const ActionRow& r) { return r.road == road_ && r.action == action; });
    if (row == rows_.end()) row = rows_.insert(rows_.end(), ActionRow{road_, action, {}, {}, 0});
    QElapsedTimer clock;
    clock.start();
    event();
    bool settled = false;
    const int paints = settle(settled);
    row->milliseconds.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    row->paints.push_back(paints);
    if (!settled) ++row->unsettled;
}

void ActionTimer::quietly(const std::function<void()>& event) {
    event();
    bool settled = false;
    settle(settled);
}

void resetTrainer() {
    forms::Registry::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Module1::reset();
    testing_support::recorder().clear();
}

}  // namespace bench
