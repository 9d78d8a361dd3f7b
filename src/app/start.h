#pragma once
// The trainer's start: the application set up as the learner's program runs it, and
// the start window shown. main() is this and nothing else, so that whatever measures
// the start measures the product's own path.
#include <functional>

class QApplication;

namespace app {

// Runs the trainer until it ends. `started`, when given, is called once the
// application exists and before the start window is built (a measuring harness
// watches the first paint from there).
int runTrainer(int argc, char** argv, const std::function<void(QApplication&)>& started = {});

}  // namespace app
