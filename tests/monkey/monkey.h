#pragma once
// A seeded random learner: from one seed it does whatever a learner could do at that
// moment to the windows on the screen, checks after every event that the trainer is
// still sound, and can be replayed exactly from the seed.
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/recording_platform.h"

class QObject;
class QWidget;

namespace platform {
class LinuxPlatform;
}

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
// numbers from the monkey's engine, so that a seed decides the whole run. With the
// desktop's platform behind it, every call is recorded and then carried out there:
// message boxes and popup menus run their own loops, in which the monkey acts as a
// learner (and the window manager, and the timers) would, and programs are stand-ins.
class MonkeyPlatform : public testing_support::RecordingPlatform {
public:
    explicit MonkeyPlatform(Monkey& monkey);
    ~MonkeyPlatform() override;
    void useDesktop(platform::LinuxPlatform* desktop) { desktop_ = desktop; }
    bool onDesktop() const { return desktop_ != nullptr; }
    void newEvent() { actsInLoops_ = 0; }

    int messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
    void popupMenu(forms::Form& form, forms::Menu& menu) override;
    double random() override;
    int randomWholeNumber(int low, int high) override;
    void runCommandLine(const std::string& commandLine, int windowStyle) override;
    void shellExecute(const platform::ShellCall& call) override;
    void keepOnTop(forms::Form& form) override;
    void endProcess() override;
    bool folderExists(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool changeDirectory(const std::string& path) override;
    std::unique_ptr<platform::AutomationObject> createObject(const std::string& programmaticId) override;

private:
    int desktopMessageBox(const std::string& prompt, int style, const std::optional<std::string>& title);
    void desktopPopupMenu(forms::Form& form, forms::Menu& menu);
    // One act inside the innermost loop of ours that runs; armed again while one runs.
    void armLoopDriver();
    void actInsideLoop();
    void actOnPopup(QWidget& popup);
    void actOnBox(QWidget& box);
    void actLikeAnotherEvent();

    Monkey& monkey_;
    platform::LinuxPlatform* desktop_ = nullptr;
    QObject* driver_;          // context of the loop driver's timers; they die with it
    int actsInLoops_ = 0;      // within the current event, to bound it
};

// The desktop's platform for the monkey: stand-in programs on PATH, drive C in a folder
// of its own, office requests dropped; the environment is put back afterwards.
class DesktopStandIns {
public:
    DesktopStandIns();
    ~DesktopStandIns();
    DesktopStandIns(const DesktopStandIns&) = delete;
    DesktopStandIns& operator=(const DesktopStandIns&) = delete;
    platform::LinuxPlatform& platform() { return *platform_; }

private:
    std::string folder_, oldPath_, oldData_;
    std::unique_ptr<platform::LinuxPlatform> platform_;
};

class Monkey {
public:
    // One seed in ten (5, 15, 25, …) runs on the desktop's platform: its stand-in programs
    // make it the slowest under the sanitizers.
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
    void checkExamStart();
    void checkExamDoor();
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
    std::unique_ptr<DesktopStandIns> desktop_;
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
    bool examRanBefore_ = false;
    long examBarBefore_ = 0;  // the exam toolbar before the event, 0 when none
    // The results table as the last event left it.
    long rowsWindow_ = 0;
    bool handedIn_ = false;
    std::vector<std::string> rows_;
};

}  // namespace monkey
