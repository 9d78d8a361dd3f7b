// The trainer's benchmark: start-up against a bare Qt window, each a fresh process, and
// every learner action on the roads, each timed to its windows painted.
//
//   ppt-bench [--starts N] [--roads N]
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <map>

#include "launch.h"
#include "navigation/form8.h"
#include "platform/look.h"
#include "report.h"
#include "roads.h"
#include "support/recording_platform.h"

namespace {

constexpr double kStartGoal = 1.10;
constexpr double kMemoryGoal = 1.15;
constexpr double kActionGoalMs = 16.0;

QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows and says so at every Show.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support raise()"))) return;
    if (standardHandler != nullptr) standardHandler(type, context, message);
}

std::string fontArgument(const QFont& f) {
    return (f.families().join(QChar('|')) + ';' + QString::number(f.pointSizeF()) + ';' +
            (f.underline() ? QStringLiteral("1") : QStringLiteral("0")))
        .toStdString();
}

// The bare window's arguments: the start window's client size, the application font,
// and each font the start window's controls use with the texts shown in it.
std::vector<std::string> bareWindowArguments() {
    const forms::Form& start = forms::form<Form8>();
    QWidget* area = forms::form<Form8>().area();
    std::vector<std::string> args = {std::to_string(area->width()), std::to_string(area->height()),
                                     fontArgument(QApplication::font())};
    std::map<std::string, std::string> textsByFont;
    for (QWidget* w : start.window()->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) text = button->text();
        if (text.isEmpty()) continue;
        std::string& texts = textsByFont[fontArgument(w->font())];
        if (!texts.empty()) texts += ' ';
        texts += text.toStdString();
    }
    for (const auto& [font, texts] : textsByFont) {
        args.push_back(font);
        args.push_back(texts);
    }
    forms::Registry::reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return args;
}

struct Side {
    std::string name;
    std::string program;
    std::vector<std::string> arguments;
    std::vector<double> firstPaint, painted, memory;
    std::string platform;
};

bool startUp(int runs) {
    const std::string folder = bench::ownFolder();
    Side bare{"bare Qt window", folder + "/bench-start-bare", bareWindowArguments(), {}, {}, {}, {}};
    Side trainer{"trainer (Form8)", folder + "/bench-start-trainer", {}, {}, {}, {}, {}};
    // One unrecorded start each, so that both meet warm file and font caches.
    for (Side* side : {&bare, &trainer})
        if (!bench::launch(side->program, side->arguments)) {
            std::fprintf(stderr, "%s did not report a paint\n", side->program.c_str());
            return false;
        }
    for (int i = 0; i < runs; ++i) {
        Side* order[2] = {&bare, &trainer};
        if (i % 2 == 1) std::swap(order[0], order[1]);  // interleaved, each first half of the time
        for (Side* side : order) {
            const auto run = bench::launch(side->program, side->arguments);
            if (!run) continue;
            side->platform = run->platform;
            side->firstPaint.push_back(run->firstPaintMs);
            side->painted.push_back(run->paintedMs);
            side->memory.push_back(run->peakResidentMb);
        }
    }
    std::printf("\nStart-up: launch to the first paint of the window, %d fresh processes each, platform %s\n\n", runs,
                trainer.platform.c_str());
    const auto b = bench::summarize(bare.firstPaint), t = bench::summarize(trainer.firstPaint);
    const auto bp = bench::summarize(bare.painted), tp = bench::summarize(trainer.painted);
    const auto bm = bench::summarize(bare.memory), tm = bench::summarize(trainer.memory);
    using bench::fixed;
    std::vector<std::vector<std::string>> rows;
    for (const auto& [side, first, done, mem] :
         {std::tuple{&bare, b, bp, bm}, std::tuple{&trainer, t, tp, tm}})
        rows.push_back({side->name, std::to_string(first.count), fixed(first.median, 1), fixed(done.median, 1),
                        fixed(first.max, 1), fixed(mem.median, 1), fixed(mem.max, 1)});
    const double startRatio = t.median / b.median, memoryRatio = tm.median / bm.median;
    rows.push_back({"trainer / bare", "", fixed(startRatio, 2) + "x", fixed(tp.median / bp.median, 2) + "x", "",
                    fixed(memoryRatio, 2) + "x", ""});
    const std::string startGoal = "<= " + fixed(kStartGoal, 2) + "x";
    rows.push_back({"goal", "", startGoal, startGoal, "", "<= " + fixed(kMemoryGoal, 2) + "x", ""});
    bench::printTable({"", "runs", "first paint ms", "painted ms", "max ms", "peak RSS MB", "max MB"}, rows);
    // The bare window lays its labels out, and so opens its font, before its first paint;
    // the start window places its controls and opens the font while painting. Only the
    // end of the paint cycle compares like with like.
    const double paintedRatio = tp.median / bp.median;
    auto verdict = [](double ratio, double goal) { return ratio <= goal ? "met" : "MISSED"; };
    std::printf("start-up goal: to the first paint %s (%.2fx), to the window painted %s (%.2fx); "
                "peak memory goal %s (%.2fx)\n",
                verdict(startRatio, kStartGoal), startRatio, verdict(paintedRatio, kStartGoal), paintedRatio,
                verdict(memoryRatio, kMemoryGoal), memoryRatio);
    return true;
}

void actions(int roads) {
    bench::ActionTimer timer;
    for (int i = 0; i < roads; ++i) {
        bench::studyRoad(timer);
        bench::caseRoad(timer);
        bench::examRoad(timer);
        bench::unitTestRoad(timer);
        bench::chapterExerciseRoad(timer);
        bench::databaseOperationRoad(timer);
        bench::referenceRoad(timer);
    }
    bench::resetTrainer();
    std::printf("\nActions: the event to every affected window painted, each road %d times, platform %s\n\n", roads,
                qPrintable(QGuiApplication::platformName()));
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> over;
    std::string road;
    using bench::fixed;
    for (const bench::ActionRow& r : timer.rows()) {
        if (r.road != road) {
            road = r.road;
            rows.push_back({"[" + road + "]"});
        }
        const auto s = bench::summarize(r.milliseconds);
        std::vector<double> paints(r.paints.begin(), r.paints.end());
        const bool met = s.p99 <= kActionGoalMs && r.unsettled == 0;
        rows.push_back({"  " + r.action, std::to_string(s.count), fixed(s.median, 2), fixed(s.p99, 2), fixed(s.max, 2),
                        fixed(bench::summarize(paints).median, 0), "<= " + fixed(kActionGoalMs, 0),
                        met ? "ok" : (r.unsettled ? "UNSETTLED" : "OVER")});
        if (!met) over.push_back(r.road + " / " + r.action);
    }
    bench::printTable({"road / action", "count", "median ms", "p99 ms", "max ms", "paints", "goal ms", ""}, rows);
    if (over.empty())
        std::printf("every action handled and painted within %.0f ms\n", kActionGoalMs);
    else
        for (const std::string& o : over) std::printf("over %.0f ms: %s\n", kActionGoalMs, o.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    int starts = 30, roads = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--starts") == 0) starts = std::atoi(argv[i + 1]);
        if (std::strcmp(argv[i], "--roads") == 0) roads = std::atoi(argv[i + 1]);
    }
    standardHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    forms::look::styleApplication();
    platform::install(&testing_support::recorder());
    if (starts > 0 && !startUp(starts)) return 1;
    if (roads > 0) actions(roads);
    return 0;
}
