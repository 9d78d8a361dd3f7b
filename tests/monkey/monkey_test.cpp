// The seeded monkey over every window. CTest runs a short one; the long run of a
// million events is `bash scripts/monkey.sh`, which sets the size from the environment:
//   PPT_MONKEY_FIRST_SEED, PPT_MONKEY_SEEDS, PPT_MONKEY_EVENTS, PPT_MONKEY_REPORT=1
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

// Every window of the trainer, those that no control opens included.
const char* const kEveryWindow[] = {
    "Form1",  "Form2",  "Form3",  "Form4",  "Form6",  "Form7",  "Form8",  "Form9",  "Form10", "Form12",
    "Form13", "Form14", "Form15", "Form16", "Form17", "Form18", "Form19", "Form20", "Form21", "Form22",
    "Form24", "Form25", "Form26", "Form27", "Form31", "Form36", "Form38", "Form40", "Form42", "Form43",
    "Form44", "Form45", "Form46", "Form51", "Form58", "Form59", "Form60", "Form65", "Form66"};

// CTest's run: two halves of 10 seeds x 5,000 events, run side by side.
constexpr long kHalves = 2;
constexpr long kSeeds = 10;
constexpr long kEvents = 5000;

class MonkeyTest : public TrainerTest, public ::testing::WithParamInterface<long> {};

TEST_P(MonkeyTest, RandomLearnerKeepsEveryWindowSound) {
#if defined(__SANITIZE_ADDRESS__)
    __sanitizer_set_death_callback(printLastEvents);
#endif
    // A size from the environment is one run, in the first half.
    const bool sized = std::getenv("PPT_MONKEY_SEEDS") != nullptr || std::getenv("PPT_MONKEY_FIRST_SEED") != nullptr;
    if (sized && GetParam() > 0) GTEST_SKIP() << "the environment's run is the first half's";
    const long firstSeed = fromEnvironment("PPT_MONKEY_FIRST_SEED", 1 + GetParam() * kSeeds);
    const long seeds = fromEnvironment("PPT_MONKEY_SEEDS", kSeeds);
    const long events = fromEnvironment("PPT_MONKEY_EVENTS", kEvents);
    monkey::Tally tally;
    for (long seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        monkey::Monkey m(static_cast<std::uint64_t>(seed), tally);
        running = &m;
        m.run(events);
        running = nullptr;
        EXPECT_FALSE(m.failure().has_value()) << m.replayNote();
        if (m.failure()) break;
    }
    // A run of the usual size or longer shows every window at least once.
    if (seeds * events >= kSeeds * kEvents) {
        for (const char* window : kEveryWindow) EXPECT_EQ(tally.seen.count(window), 1u) << window << " never shown";
    }
    if (fromEnvironment("PPT_MONKEY_REPORT", 0) != 0) std::printf("%s", tally.report().c_str());
}

INSTANTIATE_TEST_SUITE_P(Halves, MonkeyTest, ::testing::Range(0L, kHalves));

}  // namespace
