#pragma once
// The chapter window's rows: which subject and chapter captions name which list of
// questions, whether a row also asks for the first exercise type, and the notice past
// its last question.
#include <span>
#include <string_view>

#include "bank/choice_record.h"

namespace exercises {

inline constexpr std::string_view kBasicsSubject = "计算机基础知识";
inline constexpr std::string_view kWordSubject = "利用Word 2010高效创建电子文档";

struct ChapterRow {
    std::string_view subject;
    std::string_view chapter;
    // The row matches only while the exercise-type list has its first entry selected:
    // for the browse and the verdict, and for the analysis.
    bool firstTypeOnly;
    bool firstTypeOnlyForAnalysis;
    std::string_view endNotice;
    std::span<const ChoiceRecord> (*records)();
};

// In lookup order.
std::span<const ChapterRow> chapterRows();

enum class Lookup { Browse, Analysis };

// The first row whose keys equal the captions exactly; null when none does.
const ChapterRow* findChapter(std::string_view subject, std::string_view chapter, int typeIndex, Lookup lookup);

// Question `number` of the row, or null when the number is none of its questions.
const ChoiceRecord* findQuestion(const ChapterRow& row, int number);

}  // namespace exercises
