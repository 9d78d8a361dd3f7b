// The seeded monkey over every window. CTest runs a short one; a long run takes its
// size from the environment:
//   PPT_MONKEY_SEEDS=200 PPT_MONKEY_EVENTS=5000 PPT_MONKEY_REPORT=1
//   build/sanitize/trainer-tests --gtest_filter='MonkeyTest.*'
#include "monkey/monkey.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/trainer_test.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

long fromEnvironment(const char* name, long fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::strtol(value, nullptr, 10) : fallback;
}

// A crash leaves no test failure behind; what the monkey was doing is printed instead.
const monkey::Monkey* running = nullptr;

#if defined(__SANITIZE_ADDRESS__)
void printLastEvents() {
    if (running != nullptr) std::fprintf(stderr, "\nmonkey at crash: %s\n", running->replayNote().c_str());
}
#endif

class MonkeyTest : public TrainerTest {};

TEST_F(MonkeyTest, RandomLearnerKeepsEveryWindowSound) {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(printLastEvents);
#endif
    const long firstSeed = fromEnvironment("PPT_MONKEY_FIRST_SEED", 1);
    const long seeds = fromEnvironment("PPT_MONKEY_SEEDS", 4);
    const long events = fromEnvironment("PPT_MONKEY_EVENTS", 2000);
    monkey::Tally tally;
    for (long seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        monkey::Monkey m(static_cast<std::uint64_t>(seed), tally);
        running = &m;
        m.run(events);
        running = nullptr;
        EXPECT_FALSE(m.failure().has_value()) << m.replayNote();
        if (m.failure()) break;
    }
    // Even a short run reaches the start window, the hub and beyond.
    EXPECT_GE(tally.seen.size(), 5u) << tally.report();
    if (fromEnvironment("PPT_MONKEY_REPORT", 0) != 0) std::printf("%s", tally.report().c_str());
}

}  // namespace
