#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "navigation/study_content.h"

namespace {

using navigation::PracticeExercise;
using navigation::practiceExercises;

struct Expected {
    std::string_view key;
    std::size_t taskLines;
    std::size_t stepLines;
    std::string_view firstTask;
};

// The window browses the exercises by position, so both the order and the
// per-exercise line counts are part of what it shows.
constexpr Expected kExpected[] = {
    {"401", 4, 11, "1、请启动PowerPoint演示文稿。"},
    {"411", 5, 13, "1、请启动PowerPoint，建立一个空演示文稿"},
    {"421", 5, 13, "1、请打开PPT素材中的“中国梦”演示文稿，并将其切换到“幻灯片浏览”视图。"},
    {"431", 3, 8, "1、请打开PPT素材中的“中国梦”演示文稿，使用“波形”主题修饰演示文稿。"},
    {"441", 6, 22, "1、请启动PowerPoint、然后建立一个空演示文稿"},
    {"451", 5, 12, "1、请打开PPT素材中的“中国梦”演示文稿，设置放映方式为“观众自行浏览”。"},
    {"452", 7, 18, "1、请打开PPT素材中的“无纸化考试”演示文稿，设置放映方式为“演讲者放映”。"},
    {"461", 4, 17, "1、请打开PPT素材中的“无纸化考试”演示文稿，将其打包到D盘中。"},
    {"462", 4, 12, "1、请打开PPT素材中的“练习五”演示文稿，设置放映方式为“演讲者放映”。"},
    {"463", 4, 8, "1、请打开PPT素材中的“中国梦”演示文稿，设置打印份数为3份。"},
    {"464", 6, 25, "请打开PPT素材中的“无纸化考试”演示文稿，按照下列要求设置演示文稿："},
};

constexpr std::string_view kSaveFolder = "D:\\PPT练习";

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view s, std::string_view suffix) {
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// Reads the ASCII number at the front of s and drops it from s; nothing when s
// does not start with a digit.
std::optional<int> takeNumber(std::string_view& s) {
    std::size_t digits = 0;
    while (digits < s.size() && s[digits] >= '0' && s[digits] <= '9') ++digits;
    if (digits == 0) return std::nullopt;
    const int value = std::stoi(std::string(s.substr(0, digits)));
    s.remove_prefix(digits);
    return value;
}

// "第k题步骤：" or "第k题操作步骤：": k, and whether it is the long form.
struct Header {
    int number;
    bool operationForm;
};

std::optional<Header> parseHeader(std::string_view line) {
    if (!startsWith(line, "第")) return std::nullopt;
    line.remove_prefix(std::string_view("第").size());
    const auto number = takeNumber(line);
    if (!number) return std::nullopt;
    if (line == "题步骤：") return Header{*number, false};
    if (line == "题操作步骤：") return Header{*number, true};
    return std::nullopt;
}

// The n of a step line "（n）…" or "  （n）…"; nothing for a prose line.
struct StepNumber {
    int number;
    bool indented;
};

std::optional<StepNumber> parseStepNumber(std::string_view line) {
    const bool indented = startsWith(line, "  ");
    if (indented) line.remove_prefix(2);
    if (!startsWith(line, "（")) return std::nullopt;
    line.remove_prefix(std::string_view("（").size());
    const auto number = takeNumber(line);
    if (!number || !startsWith(line, "）")) return std::nullopt;
    return StepNumber{*number, indented};
}

int chapterOf(const PracticeExercise& exercise) { return exercise.key[1] - '0'; }

// 464 opens with an unnumbered lead line that is not a sub-task.
std::size_t leadLines(const PracticeExercise& exercise) {
    return exercise.key == "464" ? 1 : 0;
}

std::size_t countContaining(const Lines& lines, std::string_view needle) {
    std::size_t count = 0;
    for (auto line : lines)
        if (line.find(needle) != std::string_view::npos) ++count;
    return count;
}

TEST(PracticeContent, ElevenExercisesInKeyOrderWithTheirLineCounts) {
    const auto& exercises = practiceExercises();
    ASSERT_EQ(exercises.size(), std::size(kExpected));
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        SCOPED_TRACE(kExpected[i].key);
        EXPECT_EQ(exercises[i].key, kExpected[i].key);
        EXPECT_EQ(exercises[i].task.size(), kExpected[i].taskLines);
        EXPECT_EQ(exercises[i].steps.size(), kExpected[i].stepLines);
        ASSERT_FALSE(exercises[i].task.empty());
        EXPECT_EQ(exercises[i].task.front(), kExpected[i].firstTask);
    }
}

TEST(PracticeContent, TaskLinesAreNumberedSubTasksAfterAnyLeadLine) {
    for (const auto& exercise : practiceExercises()) {
        SCOPED_TRACE(exercise.key);
        const std::size_t lead = leadLines(exercise);
        for (std::size_t i = 0; i < lead && i < exercise.task.size(); ++i) {
            std::string_view line = exercise.task[i];
            EXPECT_FALSE(takeNumber(line)) << exercise.task[i];
        }
        for (std::size_t i = lead; i < exercise.task.size(); ++i) {
            const std::string expectedPrefix = std::to_string(i - lead + 1) + "、";
            EXPECT_TRUE(startsWith(exercise.task[i], expectedPrefix)) << exercise.task[i];
            EXPECT_GT(exercise.task[i].size(), expectedPrefix.size()) << "empty sub-task";
        }
    }
}

TEST(PracticeContent, StepsHaveOneHeaderPerSubTaskInTheChaptersForm) {
    for (const auto& exercise : practiceExercises()) {
        SCOPED_TRACE(exercise.key);
        const int subTasks = static_cast<int>(exercise.task.size() - leadLines(exercise));
        const bool operationForm = chapterOf(exercise) == 6;
        ASSERT_FALSE(exercise.steps.empty());
        ASSERT_TRUE(parseHeader(exercise.steps.front())) << "steps must open with a header";

        int headers = 0;
        int linesUnderHeader = 0;
        int lastStepNumber = 0;
        bool numbered = false;
        for (auto line : exercise.steps) {
            if (const auto header = parseHeader(line)) {
                if (headers > 0) {
                    EXPECT_GT(linesUnderHeader, 0) << "no steps under 第" << headers << "题";
                }
                ++headers;
                EXPECT_EQ(header->number, headers) << line;
                EXPECT_EQ(header->operationForm, operationForm) << line;
                linesUnderHeader = 0;
                lastStepNumber = 0;
                continue;
            }
            ++linesUnderHeader;
            const auto step = parseStepNumber(line);
            if (linesUnderHeader == 1) numbered = step.has_value();
            if (!numbered) {
                // Under one header the steps are either all prose or all numbered.
                EXPECT_FALSE(step) << "numbering starts mid-way: " << line;
                EXPECT_FALSE(startsWith(line, " ")) << line;
                EXPECT_FALSE(startsWith(line, "（")) << line;
                continue;
            }
            ASSERT_TRUE(step) << "unnumbered line among numbered steps: " << line;
            EXPECT_EQ(step->number, lastStepNumber + 1) << line;
            if (step->indented) {
                EXPECT_TRUE(step->number == 2 || step->number == 3) << line;
            }
            lastStepNumber = step->number;
        }
        EXPECT_GT(linesUnderHeader, 0) << "no steps under the last header";
        EXPECT_EQ(headers, subTasks);
    }
}

TEST(PracticeContent, PrintingExerciseOpensWithTheCopiesSample) {
    const auto& exercises = practiceExercises();
    const PracticeExercise& printing = exercises[9];
    ASSERT_EQ(printing.key, "463");
    EXPECT_EQ(printing.task.front(), "1、请打开PPT素材中的“中国梦”演示文稿，设置打印份数为3份。");
    ASSERT_GE(printing.steps.size(), 2u);
    EXPECT_EQ(printing.steps[0], "第1题操作步骤：");
    EXPECT_EQ(printing.steps[1],
              "（1）打开“文件”功能区，选择“打印”命令，单击打开“打印”窗口，在打印份数右侧单击三角箭头，设置份数为3。");
}

TEST(PracticeContent, LinesCarryNoBreaksAndNoTrailingBlanks) {
    for (const auto& exercise : practiceExercises()) {
        SCOPED_TRACE(exercise.key);
        for (const Lines* lines : {&exercise.task, &exercise.steps}) {
            for (auto line : *lines) {
                EXPECT_FALSE(line.empty());
                EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << line;
                EXPECT_FALSE(endsWith(line, " ")) << line;
                EXPECT_FALSE(endsWith(line, "\t")) << line;
                EXPECT_FALSE(endsWith(line, "　")) << line;  // ideographic space
            }
        }
        for (auto line : exercise.task) EXPECT_FALSE(startsWith(line, " ")) << line;
    }
}

TEST(PracticeContent, TheDriveDFolderAppearsOnceEachIn411And441And464) {
    std::size_t total = 0;
    for (const auto& exercise : practiceExercises()) {
        SCOPED_TRACE(exercise.key);
        const std::size_t count = countContaining(exercise.steps, kSaveFolder);
        const bool expected = exercise.key == "411" || exercise.key == "441" || exercise.key == "464";
        EXPECT_EQ(count, expected ? 1u : 0u);
        total += count;
    }
    EXPECT_EQ(total, 3u);
}

}  // namespace
