#pragma once
// The simulated exam's choice questions: forty sets of twenty records.
#include "bank/choice_record.h"

namespace bank {

using ExamSet = std::array<ChoiceRecord, 20>;

const ExamSet& examSet01();
const ExamSet& examSet02();
const ExamSet& examSet03();
const ExamSet& examSet04();
const ExamSet& examSet05();
const ExamSet& examSet06();
const ExamSet& examSet07();
const ExamSet& examSet08();
const ExamSet& examSet09();
const ExamSet& examSet10();
const ExamSet& examSet11();
const ExamSet& examSet12();
const ExamSet& examSet13();
const ExamSet& examSet14();
const ExamSet& examSet15();
const ExamSet& examSet16();
const ExamSet& examSet17();
const ExamSet& examSet18();
const ExamSet& examSet19();
const ExamSet& examSet20();
const ExamSet& examSet21();
const ExamSet& examSet22();
const ExamSet& examSet23();
const ExamSet& examSet24();
const ExamSet& examSet25();
const ExamSet& examSet26();
const ExamSet& examSet27();
const ExamSet& examSet28();
const ExamSet& examSet29();
const ExamSet& examSet30();
const ExamSet& examSet31();
const ExamSet& examSet32();
const ExamSet& examSet33();
const ExamSet& examSet34();
const ExamSet& examSet35();
const ExamSet& examSet36();
const ExamSet& examSet37();
const ExamSet& examSet38();
const ExamSet& examSet39();
const ExamSet& examSet40();

constexpr int kExamSetCount = 40;

// Set n, 1 to 40.
const ExamSet& examSet(int n);

}  // namespace bank
