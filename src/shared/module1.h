#pragma once
// The shared tables and counters that every window reads and writes directly.
#include <array>
#include <cstdint>

#include "shared/variant.h"

// One table of elements 0 to 70. An index outside that range never touches memory
// beyond the table: a read gives the empty value, a write is dropped.
class Table {
public:
    static constexpr int kFirst = 0;
    static constexpr int kLast = 70;

    Variant& operator[](int index);
    const Variant& operator[](int index) const;
    void clear();
    // How often any table was touched off its range since start; a window that does so
    // reads blanks where it expects data.
    static long touchesOutside() { return touchesOutside_; }

private:
    static inline long touchesOutside_ = 0;
    std::array<Variant, kLast + 1> elements_{};
    Variant outside_;  // handed out for indexes off the table, emptied at every such access
};

namespace Module1 {

extern Table QuestionStem;
extern Table OptionA;
extern Table OptionB;
extern Table OptionC;
extern Table OptionD;
extern Table ChosenAnswer;
extern Table CorrectAnswer;
extern Table Analysis;
extern Table PracticeTask;
extern Table PracticeSteps;

extern Variant CurrentItem;
extern Variant UnitQuestionCount;
extern Variant PracticeItemCount;
extern Variant LastChoice;
extern Variant AnsweredCount;
extern std::int16_t UnansweredCount;

// Back to the state at process start; the tests start each case from there.
void reset();

}  // namespace Module1
