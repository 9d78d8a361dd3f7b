#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "navigation/study_content.h"

namespace {

using navigation::studyChapters;
using navigation::syllabusLines;

std::size_t leadingBlanks(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && line[n] == ' ') ++n;
    return n;
}

// Reads the number in front of `line` if it is `prefix`, ASCII digits and
// `suffix`, followed by some text that does not start with a blank.
std::optional<int> numberAfter(std::string_view line, std::string_view prefix, std::string_view suffix) {
    if (!line.starts_with(prefix)) return std::nullopt;
    line.remove_prefix(prefix.size());
    int value = 0;
    std::size_t digits = 0;
    while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
        value = value * 10 + (line[digits] - '0');
        ++digits;
    }
    if (digits == 0 || digits > 2) return std::nullopt;
    line.remove_prefix(digits);
    if (!line.starts_with(suffix)) return std::nullopt;
    line.remove_prefix(suffix.size());
    if (line.empty() || line.front() == ' ') return std::nullopt;
    return value;
}

// "   （7）..." in an outline.
std::optional<int> outlineItemNumber(std::string_view line) { return numberAfter(line, "   （", "）"); }

// "    4.文档中表格的制作与编辑。" in the syllabus.
std::optional<int> syllabusItemNumber(std::string_view line) { return numberAfter(line, "    ", "."); }

// Blanks, tabs and line breaks that would show in the text box as stray
// characters or spoil the CR LF join.
void expectCleanLine(std::string_view line, const std::string& where) {
    EXPECT_EQ(line.find('\r'), std::string_view::npos) << where << " holds a CR: \"" << line << '"';
    EXPECT_EQ(line.find('\n'), std::string_view::npos) << where << " holds a LF: \"" << line << '"';
    EXPECT_EQ(line.find('\t'), std::string_view::npos) << where << " holds a tab: \"" << line << '"';
    EXPECT_EQ(line.find("\u3000"), std::string_view::npos)
        << where << " holds a full-width blank: \"" << line << '"';
    if (!line.empty()) {
        EXPECT_NE(line.back(), ' ') << where << " ends with a blank: \"" << line << '"';
    }
}

struct HeadingShape {
    std::string_view text;
    int items;
};

struct ChapterShape {
    std::string_view title;
    std::size_t lineCount;
    std::vector<HeadingShape> headings;
};

const std::vector<ChapterShape>& expectedChapters() {
    static const std::vector<ChapterShape> shapes{
        {"PowerPoint概述", 4, {{"  考点一:演示文稿的基本概念", 3}}},
        {"演示文稿的基本操作",
         24,
         {{"  考点一:新建演示文稿", 0},
          {"  考点二:插入和删除幻灯片", 2},
          {"  考点三:编辑幻灯片的信息", 3},
          {"  考点四:编辑文本", 4},
          {"  考点五:复制和移动幻灯片", 2},
          {"  考点六:放映幻灯片", 7}}},
        {"演示文稿的视图模式",
         4,
         {{"  考点一:普通视图", 0},
          {"  考点二:幻灯片浏览视图", 0},
          {"  考点三:备注页视图", 0},
          {"  考点四:阅读视图", 0}}},
        {"演示文稿的外观设计",
         23,
         {{"  考点一:主题的设置", 3}, {"  考点二:背景的设置", 4}, {"  考点三:幻灯片母版制作", 13}}},
        {"幻灯片中的对象编辑",
         24,
         {{"  考点一:形状的使用", 0},
          {"  考点二:图片的使用", 0},
          {"  考点三:图表的使用", 0},
          {"  考点四:表格的使用", 3},
          {"  考点五:SmartArt图形的使用", 5},
          {"  考点六:音频及视频的使用", 5},
          {"  考点七:创建艺术字", 4}}},
        {"幻灯片交互效果设置",
         18,
         {{"  考点一:对象动画设置", 6}, {"  考点二:幻灯片切换效果", 3}, {"  考点三:幻灯片链接操作", 6}}},
        {"幻灯片的放映和输出",
         11,
         {{"  考点一:幻灯片放映设置", 3},
          {"  考点二:演示文稿的打包和输出", 3},
          {"  考点三:演示文稿的打印", 2}}},
    };
    return shapes;
}

bool isHeading(std::string_view line) { return line.starts_with("  考点"); }

std::string chapterName(std::size_t index) {
    return "chapter " + std::to_string(index) + " (" + std::string(studyChapters()[index].title) + ")";
}

// --- Study chapters -------------------------------------------------------

TEST(StudyChapters, TitlesInListOrder) {
    const auto& chapters = studyChapters();
    const auto& expected = expectedChapters();
    ASSERT_EQ(chapters.size(), expected.size());
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        EXPECT_EQ(chapters[i].title, expected[i].title) << "title at list index " << i;
    }
}

TEST(StudyChapters, OutlineLineCounts) {
    const auto& chapters = studyChapters();
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        EXPECT_EQ(chapters[i].outline.size(), expectedChapters()[i].lineCount) << chapterName(i);
    }
}

TEST(StudyChapters, EveryLineIsAHeadingOrAnItem) {
    const auto& chapters = studyChapters();
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        const Lines& outline = chapters[c].outline;
        ASSERT_FALSE(outline.empty()) << chapterName(c);
        EXPECT_TRUE(isHeading(outline.front())) << chapterName(c) << " must open with a heading, not \""
                                                << outline.front() << '"';
        for (std::size_t l = 0; l < outline.size(); ++l) {
            const std::string_view line = outline[l];
            const std::string where = chapterName(c) + " line " + std::to_string(l + 1);
            if (isHeading(line)) {
                EXPECT_EQ(leadingBlanks(line), 2u) << where << ": \"" << line << '"';
            } else {
                EXPECT_EQ(leadingBlanks(line), 3u) << where << ": \"" << line << '"';
                EXPECT_TRUE(outlineItemNumber(line).has_value())
                    << where << " is neither \"  考点…\" nor \"   （n）text\": \"" << line << '"';
            }
        }
    }
}

TEST(StudyChapters, HeadingsInOrderWithTheirItemCounts) {
    const auto& chapters = studyChapters();
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        std::vector<std::string_view> headings;
        std::vector<int> itemCounts;
        for (std::string_view line : chapters[c].outline) {
            if (isHeading(line)) {
                headings.push_back(line);
                itemCounts.push_back(0);
            } else if (!itemCounts.empty()) {
                ++itemCounts.back();
            }
        }
        const auto& expected = expectedChapters()[c].headings;
        ASSERT_EQ(headings.size(), expected.size()) << chapterName(c) << ": number of headings";
        for (std::size_t h = 0; h < expected.size(); ++h) {
            EXPECT_EQ(headings[h], expected[h].text) << chapterName(c) << " heading " << h + 1;
            EXPECT_EQ(itemCounts[h], expected[h].items)
                << chapterName(c) << ": items under \"" << expected[h].text << '"';
        }
    }
}

TEST(StudyChapters, ItemsNumberedFromOneUnderEachHeading) {
    const auto& chapters = studyChapters();
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        int expectedNumber = 0;
        std::string_view heading;
        for (std::string_view line : chapters[c].outline) {
            if (isHeading(line)) {
                heading = line;
                expectedNumber = 1;
                continue;
            }
            const auto number = outlineItemNumber(line);
            ASSERT_TRUE(number.has_value()) << chapterName(c) << ": \"" << line << '"';
            EXPECT_EQ(*number, expectedNumber)
                << chapterName(c) << " under \"" << heading << "\": \"" << line << '"';
            ++expectedNumber;
        }
    }
}

TEST(StudyChapters, NoStrayBlanksLineBreaksOrRepeatedLines) {
    const auto& chapters = studyChapters();
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        expectCleanLine(chapters[c].title, chapterName(c) + " title");
        std::set<std::string_view> seen;
        for (std::size_t l = 0; l < chapters[c].outline.size(); ++l) {
            const std::string_view line = chapters[c].outline[l];
            const std::string where = chapterName(c) + " line " + std::to_string(l + 1);
            EXPECT_FALSE(line.empty()) << where << " is empty";
            expectCleanLine(line, where);
            EXPECT_TRUE(seen.insert(line).second) << where << " repeats \"" << line << '"';
        }
    }
}

// --- Syllabus -------------------------------------------------------------

// Lines counted from 1, as the syllabus build is described.
std::string_view syllabusLine(std::size_t number) { return syllabusLines().at(number - 1); }

const std::string kHeadingIndent(28, ' ');

TEST(Syllabus, SixtyThreeLinesEmptyOnlyAtTenAndFiftyThree) {
    const Lines& lines = syllabusLines();
    ASSERT_EQ(lines.size(), 63u);
    std::vector<std::size_t> empty;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty()) empty.push_back(i + 1);
    }
    EXPECT_EQ(empty, (std::vector<std::size_t>{10, 53}));
}

TEST(Syllabus, NoStrayBlanksOrLineBreaks) {
    const Lines& lines = syllabusLines();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        expectCleanLine(lines[i], "syllabus line " + std::to_string(i + 1));
    }
}

TEST(Syllabus, HeadingsLedByTwentyEightBlanks) {
    ASSERT_EQ(syllabusLines().size(), 63u);
    EXPECT_EQ(syllabusLine(1), kHeadingIndent + "基本要求");
    EXPECT_EQ(syllabusLine(11), kHeadingIndent + "考试内容");
    EXPECT_EQ(syllabusLine(54), kHeadingIndent + "考试方式");
}

TEST(Syllabus, EightRequirementItems) {
    ASSERT_EQ(syllabusLines().size(), 63u);
    for (std::size_t n = 2; n <= 9; ++n) {
        const auto number = syllabusItemNumber(syllabusLine(n));
        ASSERT_TRUE(number.has_value()) << "line " << n << ": \"" << syllabusLine(n) << '"';
        EXPECT_EQ(*number, static_cast<int>(n - 1)) << "line " << n;
        EXPECT_EQ(leadingBlanks(syllabusLine(n)), 4u) << "line " << n;
    }
}

TEST(Syllabus, ContentSectionsWithTheirItems) {
    ASSERT_EQ(syllabusLines().size(), 63u);
    struct Section {
        std::size_t line;
        std::string_view text;
        int items;
    };
    const Section sections[] = {
        {12, "一、计算机基础知识", 7},
        {20, "二、Word的功能和使用", 11},
        {32, "三、Excel的功能和使用", 13},
        {46, "四、PowerPoint的功能和使用", 6},
    };
    for (const Section& section : sections) {
        EXPECT_EQ(syllabusLine(section.line), section.text) << "section line " << section.line;
        for (int k = 1; k <= section.items; ++k) {
            const std::size_t n = section.line + static_cast<std::size_t>(k);
            const auto number = syllabusItemNumber(syllabusLine(n));
            ASSERT_TRUE(number.has_value())
                << section.text << ", line " << n << " is not \"    n.text\": \"" << syllabusLine(n) << '"';
            EXPECT_EQ(*number, k) << section.text << ", line " << n;
            EXPECT_EQ(leadingBlanks(syllabusLine(n)), 4u) << section.text << ", line " << n;
        }
        // The section ends where the next section, or the empty line before
        // "考试方式", begins; an extra item would show up here.
        const std::string_view after = syllabusLine(section.line + static_cast<std::size_t>(section.items) + 1);
        EXPECT_TRUE(after.empty() || leadingBlanks(after) == 0)
            << section.text << " runs past " << section.items << " items: \"" << after << '"';
    }
}

TEST(Syllabus, ExamFormLinesLedByFourBlanksOfficeLineByNine) {
    ASSERT_EQ(syllabusLines().size(), 63u);
    for (std::size_t n = 55; n <= 63; ++n) {
        const std::size_t expected = n == 58 ? 9u : 4u;
        EXPECT_EQ(leadingBlanks(syllabusLine(n)), expected) << "line " << n << ": \"" << syllabusLine(n) << '"';
    }
    EXPECT_NE(syllabusLine(57).find("Windows 7"), std::string_view::npos) << "operating-system line";
    EXPECT_NE(syllabusLine(58).find("Office 2010"), std::string_view::npos) << "office-software line";
}

TEST(Syllabus, ExamFormStatesPaperlessTimeAndFullScore) {
    ASSERT_EQ(syllabusLines().size(), 63u);
    EXPECT_NE(syllabusLine(55).find("无纸化"), std::string_view::npos) << syllabusLine(55);
    EXPECT_NE(syllabusLine(55).find("上机"), std::string_view::npos) << syllabusLine(55);
    EXPECT_NE(syllabusLine(56).find("120分钟"), std::string_view::npos) << syllabusLine(56);
    EXPECT_NE(syllabusLine(56).find("100分"), std::string_view::npos) << syllabusLine(56);
}

TEST(Syllabus, FourExamPartsWithTheirPoints) {
    ASSERT_EQ(syllabusLines().size(), 63u);
    struct Part {
        std::string_view name;
        int points;
    };
    const Part parts[] = {{"选择题", 20}, {"Word", 30}, {"Excel", 30}, {"PowerPoint", 20}};
    for (int k = 1; k <= 4; ++k) {
        const std::size_t n = 59 + static_cast<std::size_t>(k);
        const std::string_view line = syllabusLine(n);
        const Part& part = parts[k - 1];
        const auto number = syllabusItemNumber(line);
        ASSERT_TRUE(number.has_value()) << "line " << n << ": \"" << line << '"';
        EXPECT_EQ(*number, k) << "line " << n;
        EXPECT_NE(line.find(part.name), std::string_view::npos) << "line " << n << " should name " << part.name;
        const std::string points = "：" + std::to_string(part.points) + "分";
        EXPECT_TRUE(line.ends_with(points)) << "line " << n << " should end with \"" << points << "\": \"" << line
                                            << '"';
    }
}

}  // namespace
