#pragma once
// What both start-up children report: the monotonic time of the first paint in their
// window (of the window or of any widget in it: a client area that fills the window
// leaves the top level itself nothing to paint), and of the end of that paint cycle, then they leave at once so that the
// parent's clock and the peak resident set stop at the same point for both.
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>
#include <unistd.h>

namespace bench {

inline long long monotonicNanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

class FirstPaint : public QObject {
public:
    // `isWindow` tells the top-level widget whose first paint counts.
    explicit FirstPaint(std::function<bool(QWidget*)> isWindow) : isWindow_(std::move(isWindow)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = event->type() == QEvent::Paint && paint_ == 0 ? qobject_cast<QWidget*>(watched) : nullptr;
        if (widget != nullptr && isWindow_(widget->window())) {
            paint_ = monotonicNanoseconds();
            // Queued, so it runs once the paint of the window and its children is flushed.
            QMetaObject::invokeMethod(this, [this] { report(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() const {
        std::printf("%s %lld %lld\n", qPrintable(QGuiApplication::platformName()), paint_, monotonicNanoseconds());
        std::fflush(stdout);
        _exit(0);
    }

    std::function<bool(QWidget*)> isWindow_;
    long long paint_ = 0;
};

}  // namespace bench
