#pragma once
// One multiple-choice question, as every bank of the trainer stores it. Each field
// stands exactly as stored, blanks included; a text of several lines carries CR LF
// between its lines.
#include <array>
#include <string_view>

struct ChoiceRecord {
    std::string_view stem;                    // the question, with the blank the answer fills
    std::array<std::string_view, 4> options;  // A to D, each with its own letter prefix
    std::string_view answer;                  // exactly one of "A", "B", "C", "D"
    std::string_view analysis;
};

// Writes a record into element `element` of the question tables, field by field in
// the order stem, options A to D, answer, analysis.
void writeRecord(int element, const ChoiceRecord& record);
