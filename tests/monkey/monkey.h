#pragma once
// A seeded random learner: from one seed it does whatever a learner could do at that
// moment to the windows on the screen, checks after every event that the trainer is
// still sound, and can be replayed exactly from the seed.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/recording_platform.h"

namespace monkey {

// Which windows were reached and which of their controls were used, over every run.
struct Tally {
    std::map<std::string, std::set<std::string>> seen;        // window -> controls on screen
    std::map<std::string, std::map<std::string, long>> used;  // window -> control -> events
    std::map<std::string, long> eventsByWindow;
    long events = 0;
    long restarts = 0;
    long doorlessShown = 0;  // the windows no control opens are shown in turn

    void reach(const std::string& window) { seen[window]; }
    void note(const std::string& window, const std::string& control) { seen[window].insert(control); }
    void use(const std::string& window, const std::string& control);
    // Windows reached, and the controls seen on them but never used.
    std::string report() const;
};

class Monkey;

// Answers message boxes with any of their buttons and draws the program's random
// numbers from the monkey's engine, so that a seed decides the whole run.
class MonkeyPlatform : public testing_support::RecordingPlatform {
public:
    explicit MonkeyPlatform(Monkey& monkey) : monkey_(monkey) {}
    int messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
    void popupMenu(forms::Form& form, forms::Menu& menu) override;
    double random() override;
    int randomWholeNumber(int low, int high) override;

private:
    Monkey& monkey_;
};

class Monkey {
public:
    Monkey(std::uint64_t seed, Tally& tally);
    ~Monkey();
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // Runs up to this many events; stops at the first broken invariant.
    void run(long events);
    const std::optional<std::string>& failure() const { return failure_; }
    // The seed and the last events, for a failure message.
    std::string replayNote() const;

private:
    friend class MonkeyPlatform;
    struct Action;

    void start();
    void walkRoad();
    void step();
    void clickSomething();
    void typeSomething();
    void pressMouseInBox();
    void closeSomeWindow();
    void pressKey();
    void fireTimer();
    void advanceClock();
    void check();
    void checkExamClock();
    void checkResultRows();
    void checkShellCalls();
    void checkPlainTexts();
    void settle();

    std::string randomText();
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
    void log(std::string event);
    void fail(const std::string& what);

    std::uint64_t seed_;
    Tally& tally_;
    std::mt19937_64 engine_;
    MonkeyPlatform platform_;
    std::deque<std::string> lastEvents_;
    std::optional<std::string> failure_;
    long eventNumber_ = 0;
    long outsideTouches_ = 0;
    long eventsUntilRestart_ = 0;
    std::map<long, int> clockLeft_;  // exam toolbar window -> seconds it last showed
    // The event under way: what it acted on, and the question the choice window showed.
    const void* acted_ = nullptr;
    std::string actedWindow_, actedKind_;
    int itemBefore_ = 0;
    // The results table as the last event left it.
    long rowsWindow_ = 0;
    bool handedIn_ = false;
    std::vector<std::string> rows_;
};

}  // namespace monkey
