#pragma once
// The texts that the case window types into a new word-processor document.
#include <array>

#include "shared/lines.h"

namespace cases {

// The mock-exam sets "全真模拟试题（第1套）" to "（第6套）", set k at index k - 1, one
// entry a line; the document gets them joined by a line feed alone.
const std::array<Lines, 6>& mockExamDocuments();

// The practice notes of the case window, joined by a line feed alone.
extern const char* const kOfficePracticeNotes;

}  // namespace cases
