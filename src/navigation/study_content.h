#pragma once
// The study chapters, the skill-practice exercises and the syllabus, as constant data.
#include <array>

#include "shared/lines.h"

namespace navigation {

struct Chapter {
    std::string_view title;  // as the study window lists it
    Lines outline;           // heading and item lines, in order
};

// The seven chapters, in list order (index 0 is "PowerPoint概述").
const std::array<Chapter, 7>& studyChapters();

struct PracticeExercise {
    std::string_view key;  // exercise key: "4" + chapter index + exercise number, e.g. "421"
    Lines task;            // task lines
    Lines steps;           // header and step lines
};

// The eleven exercises, in key order: 401, 411, 421, 431, 441, 451, 452, 461, 462, 463, 464.
const std::array<PracticeExercise, 11>& practiceExercises();

// The syllabus window's text, one line an entry.
const Lines& syllabusLines();

}  // namespace navigation
