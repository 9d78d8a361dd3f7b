#pragma once
// Times a learner's actions in this process: from the event to every affected window
// painted, that is the handler, then the posted events, layouts, exposures and paints
// of every top-level window, until a whole pass finds nothing left to do.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace bench {

struct ActionRow {
    std::string road;
    std::string action;
    std::vector<double> milliseconds;
    std::vector<int> paints;  // widgets painted, per run
    int unsettled = 0;        // runs whose windows were still not painted after two seconds
};

class ActionTimer {
public:
    ActionTimer();
    ~ActionTimer();

    // The road the following actions belong to.
    void road(const std::string& name) { road_ = name; }
    void act(const std::string& action, const std::function<void()>& event);
    // A step of the road's set-up, run and painted but not counted.
    void quietly(const std::function<void()>& event);
    const std::vector<ActionRow>& rows() const { return rows_; }

private:
    class Watch;
    // Returns the paints seen; false in `settled` when the deadline passed first.
    int settle(bool& settled);

    std::unique_ptr<Watch> watch_;
    std::string road_;
    std::vector<ActionRow> rows_;
};

// Back to no window loaded, the shared tables as at start, the recording platform empty.
void resetTrainer();

}  // namespace bench
