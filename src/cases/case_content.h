#pragma once
// The practical cases that carry a text and a solution, as constant data.
#include <array>

#include "shared/lines.h"

namespace cases {

// Cases 1 to 5: the case text, and the solution as eight sections, each section's
// heading first and then its lines.
struct SectionCase {
    Lines text;
    std::array<Lines, 8> sections;
};

// Cases 6 to 9: the case text lines and the solution step lines ("【解题步骤】" first),
// stored without the line break that the loader puts before each of them.
struct LineCase {
    Lines text;
    Lines steps;
};

const SectionCase& case1Content();
const SectionCase& case2Content();
const SectionCase& case3Content();
const SectionCase& case4Content();
const SectionCase& case5Content();
const LineCase& case6Content();
const LineCase& case7Content();
const LineCase& case8Content();
const LineCase& case9Content();

// The case chooser's introduction: six paragraphs, one an entry.
const Lines& chooserIntroduction();

}  // namespace cases
