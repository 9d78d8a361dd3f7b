// The shapes that the database operation questions keep: slots and lines of every task,
// openings with their sample databases, item numbering, sample tables with their rules
// and aligned columns, the step and line counts of every answer, and no repeats.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "exercises/operation_bank.h"

namespace {

using exercises::OperationType;
using Text = std::span<const std::string_view>;

constexpr OperationType kTypes[] = {OperationType::Basic, OperationType::Simple, OperationType::Comprehensive};

std::string where(int set, OperationType type) {
    return "set " + std::to_string(set) + " type " + std::to_string(static_cast<int>(type));
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::vector<std::string_view> splitCrLf(std::string_view slot) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0;;) {
        const std::size_t next = slot.find("\r\n", at);
        lines.push_back(slot.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        if (next == std::string_view::npos) return lines;
        at = next + 2;
    }
}

std::vector<std::string_view> linesOf(Text text) {
    std::vector<std::string_view> lines;
    for (std::string_view slot : text)
        for (std::string_view line : splitCrLf(slot)) lines.push_back(line);
    return lines;
}

// Characters, and columns in the Song face: ASCII takes one, every other character two.
std::size_t characters(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::size_t columns(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += c < 0x80 ? 1 : (c & 0xC0) == 0xC0 ? 2 : 0;
    return n;
}

// The column at which each blank-separated field of a table line starts.
std::set<std::size_t> fieldStarts(std::string_view line) {
    std::set<std::size_t> starts;
    std::size_t column = 0;
    bool inBlank = true;
    for (std::size_t i = 0; i < line.size();) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        std::size_t len = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        const bool blank = c == ' ';
        if (!blank && inBlank) starts.insert(column);
        inBlank = blank;
        column += len == 1 ? 1 : 2;
        i += len;
    }
    return starts;
}

bool isRule(std::string_view line) {
    return line.find_first_not_of("-|") == std::string_view::npos && line.find('-') != std::string_view::npos;
}

// One letter a line: O opening, 1-3 numbered item, R rule, '.' anything else.
std::string classify(const std::vector<std::string_view>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        char letter = '.';
        for (char n : {'1', '2', '3'})
            if (startsWith(line, std::string("（") + n + "）")) letter = n;
        if (isRule(line)) letter = 'R';
        if (i == 0 && letter == '.' && line.find(".mdb") != std::string_view::npos) letter = 'O';
        out += letter;
    }
    return out;
}

// The lines of every task; H is a table's header, D its rows, T a table's title.
std::string taskPattern(int set, OperationType type) {
    static const std::map<int, std::string> basicTables = {
        {2, "O1RHRDDR2RHRDDDDR3"},   {3, "12RHRDDR3RHDDDDR"},    {6, "123RHRDRHRDR"},  {11, "12RHDDDDD3"},
        {13, "O1RHDDDDDR23RHRDDDR"}, {16, "O1RHRDDDDDR2RHRDR3"}, {22, "O123RHRDDDDDR"}};
    switch (type) {
        case OperationType::Basic:
            if (auto it = basicTables.find(set); it != basicTables.end()) return it->second;
            if (set == 1 || set == 7 || set == 20 || set == 24) return "123";
            return set == 26 ? "O12" : "O123";
        case OperationType::Simple:
            if (set == 16) return "1TRHDDDDRTRHDDDDR.";
            return set == 23 ? "O123" : "O12";
        case OperationType::Comprehensive:
            break;
    }
    if (set == 13 || set == 15 || set == 16) return "O.";
    return std::set<int>{4, 17, 19, 20, 21, 25}.count(set) ? "O123" : "O12";
}

std::size_t taskSlots(int set, OperationType type) {
    const std::map<int, std::size_t> basic = {{2, 18}, {3, 16}, {6, 8}, {11, 10}, {13, 18}, {16, 18}, {22, 13}};
    if (type == OperationType::Basic && basic.count(set)) return basic.at(set);
    return taskPattern(set, type).size();
}

// Lines of each step of every answer.
std::vector<std::size_t> answerSteps(int set, OperationType type) {
    static const std::map<int, std::vector<std::size_t>> comprehensive = {
        {3, {1, 3}},     {5, {7, 3}},     {6, {1, 10}},    {7, {11, 14}},  {9, {4, 2}},    {10, {1, 7}},
        {12, {12, 3}},   {13, {14}},      {15, {2}},       {16, {14}},     {4, {1, 1, 1}}, {17, {1, 1, 1}},
        {19, {1, 1, 1}}, {20, {1, 1, 1}}, {21, {1, 1, 1}}, {25, {1, 1, 1}}};
    switch (type) {
        case OperationType::Basic:
            return {1, 1, 1};
        case OperationType::Simple:
            if (set == 15) return {2, 1};
            if (set == 16) return {2, 2};
            return set == 23 ? std::vector<std::size_t>{1, 1, 1} : std::vector<std::size_t>{1, 1};
        case OperationType::Comprehensive:
            break;
    }
    auto it = comprehensive.find(set);
    return it != comprehensive.end() ? it->second : std::vector<std::size_t>{1, 1};
}

template <class F>
void forEachKey(F f) {
    for (int set = 1; set <= exercises::kOperationSetCount; ++set)
        for (OperationType type : kTypes) f(set, type);
}

TEST(OperationTexts, SlotsLinesAndTheirPatterns) {
    forEachKey([](int set, OperationType type) {
        const Text text = exercises::operationTask(set, type);
        EXPECT_EQ(text.size(), taskSlots(set, type)) << where(set, type);
        EXPECT_LE(text.size(), 18u);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool shared = type == OperationType::Basic && ((set == 6 && i == 7) || (set == 13 && i == 8));
            EXPECT_EQ(splitCrLf(text[i]).size(), set == 6 && shared ? 5u
                                                 : shared           ? 2u
                                                                    : 1u)
                << where(set, type) << " slot " << i + 1;
            EXPECT_FALSE(text[i].empty()) << where(set, type) << " slot " << i + 1;
        }
        std::string expected = taskPattern(set, type);
        for (char& c : expected)
            if (c == 'H' || c == 'D' || c == 'T') c = '.';
        const auto lines = linesOf(text);
        EXPECT_EQ(classify(lines), expected) << where(set, type);
        for (std::string_view line : lines) {
            EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << where(set, type);
            if (startsWith(line, "（")) {
                EXPECT_LE(characters(line), 178u) << where(set, type) << ": " << line;
                EXPECT_FALSE(startsWith(line.substr(std::string_view("（1）").size()), " ")) << line;
                EXPECT_FALSE(startsWith(line.substr(std::string_view("（1）").size()), "　")) << line;
            }
        }
    });
}

TEST(OperationTexts, OpeningsNameTheirOwnSampleDatabase) {
    forEachKey([](int set, OperationType type) {
        const auto lines = linesOf(exercises::operationTask(set, type));
        ASSERT_FALSE(exercises::operationTask(set, type).empty()) << where(set, type);
        const std::string own = "samp" + std::to_string(static_cast<int>(type)) + "_" + std::to_string(set) + ".mdb";
        for (std::string_view line : lines)
            for (std::size_t at = line.find("samp"); at != std::string_view::npos; at = line.find("samp", at + 4))
                EXPECT_EQ(line.substr(at, own.size()), own) << where(set, type) << ": " << line;
        if (taskPattern(set, type)[0] == 'O') {
            const std::string name = set == 2 && type == OperationType::Basic ? "商品.mdb" : own;
            EXPECT_NE(lines[0].find(name), std::string_view::npos) << where(set, type);
        } else if (taskPattern(set, type) == "123") {
            EXPECT_EQ(lines[0].find("samp"), std::string_view::npos) << where(set, type) << " creates its own";
            EXPECT_NE(lines[0].find(".mdb"), std::string_view::npos) << where(set, type);
        }
    });
    EXPECT_EQ(exercises::operationTask(4, OperationType::Basic)[0], "在考生文件夹中有“samp1_4.mdb”数据库。");
    EXPECT_EQ(exercises::operationTask(14, OperationType::Basic)[2], "（2）设置“成绩”表的成绩字段有效值为0-100。");
}

TEST(OperationTexts, SampleTablesHaveTheirRulesAndAlignedColumns) {
    forEachKey([](int set, OperationType type) {
        const std::string pattern = taskPattern(set, type);
        const auto lines = linesOf(exercises::operationTask(set, type));
        if (lines.size() != pattern.size()) return;  // reported by the pattern test
        std::set<std::size_t> header;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const std::string_view line = lines[i];
            if (pattern[i] == 'R') {
                const std::size_t hyphens = std::count(line.begin(), line.end(), '-');
                EXPECT_GE(hyphens, 18u) << where(set, type) << " line " << i + 1;
                EXPECT_LE(hyphens, 52u) << where(set, type) << " line " << i + 1;
            } else if (pattern[i] == 'H') {
                header = fieldStarts(line);
                EXPECT_GE(header.size(), 1u);
            } else if (pattern[i] == 'D') {
                for (std::size_t start : fieldStarts(line))
                    EXPECT_TRUE(header.count(start))
                        << where(set, type) << " line " << i + 1 << " field at column " << start << ": " << line;
            }
        }
    });
    // The property table of set 13 breaks its columns at one "|", the same column throughout.
    const auto lines = linesOf(exercises::operationTask(13, OperationType::Basic));
    ASSERT_GE(lines.size(), 10u);
    const std::size_t bar = columns(lines[2].substr(0, lines[2].find('|')));
    for (std::size_t i = 2; i <= 9; ++i) {
        ASSERT_EQ(std::count(lines[i].begin(), lines[i].end(), '|'), 1) << "line " << i + 1;
        EXPECT_EQ(columns(lines[i].substr(0, lines[i].find('|'))), bar) << "line " << i + 1;
    }
}

TEST(ReferenceAnswers, StepsLinesAndNumbers) {
    std::map<OperationType, std::size_t> steps;
    forEachKey([&](int set, OperationType type) {
        const Text answer = exercises::referenceAnswer(set, type);
        const std::vector<std::size_t> expected = answerSteps(set, type);
        steps[type] += answer.size();
        ASSERT_EQ(answer.size(), expected.size()) << where(set, type);
        const bool unnumbered = type == OperationType::Comprehensive && (set == 15 || set == 16);
        for (std::size_t i = 0; i < answer.size(); ++i) {
            const auto lines = splitCrLf(answer[i]);
            EXPECT_EQ(lines.size(), expected[i]) << where(set, type) << " step " << i + 1;
            const std::string number = "（" + std::to_string(i + 1) + "）";
            if (unnumbered)
                EXPECT_FALSE(startsWith(lines[0], "（")) << where(set, type);
            else
                EXPECT_TRUE(startsWith(lines[0], number)) << where(set, type) << " step " << i + 1;
            EXPECT_GT(characters(lines[0]), unnumbered ? 0u : 3u) << where(set, type);
            for (std::size_t l = 1; l < lines.size(); ++l) {
                EXPECT_FALSE(lines[l].empty()) << where(set, type) << " step " << i + 1 << " line " << l + 1;
                EXPECT_LE(lines[l].find_first_not_of(' '), 13u) << where(set, type) << ": " << lines[l];
            }
            EXPECT_EQ(std::string_view(answer[i]).find("→"), std::string_view::npos)
                << where(set, type) << ": menu paths are written “工具”->“关系”";
        }
    });
    EXPECT_EQ(steps[OperationType::Basic], 78u);
    EXPECT_EQ(steps[OperationType::Simple], 53u);
    EXPECT_EQ(steps[OperationType::Comprehensive], 55u);

    const auto subList = splitCrLf(exercises::referenceAnswer(10, OperationType::Comprehensive)[1]);
    ASSERT_EQ(subList.size(), 7u);
    for (std::size_t n = 1; n <= 6; ++n)
        EXPECT_TRUE(startsWith(subList[n], "（" + std::to_string(n) + "）")) << subList[n];
    EXPECT_EQ(exercises::referenceAnswer(20, OperationType::Comprehensive)[1], "（2）参考(1)");
}

TEST(OperationBank, NoTwoTextsAndNoTwoAnswersAlike) {
    std::map<std::string, std::string> texts, answers, firstLines;
    forEachKey([&](int set, OperationType type) {
        std::string text, answer;
        for (std::string_view slot : exercises::operationTask(set, type)) (text += slot) += '\x1f';
        for (std::string_view step : exercises::referenceAnswer(set, type)) {
            (answer += step) += '\x1f';
            // Only single code lines may recur: a step's own first line belongs to one answer.
            auto [it, fresh] = firstLines.emplace(std::string(splitCrLf(step)[0]), where(set, type));
            EXPECT_TRUE(fresh) << where(set, type) << " repeats a step of " << it->second;
        }
        for (const std::string& all : {text, answer})
            EXPECT_EQ(all.find("待写"), std::string::npos) << where(set, type);
        auto [t, freshText] = texts.emplace(text, where(set, type));
        EXPECT_TRUE(freshText) << where(set, type) << " repeats the task of " << t->second;
        auto [a, freshAnswer] = answers.emplace(answer, where(set, type));
        EXPECT_TRUE(freshAnswer) << where(set, type) << " repeats the answer of " << a->second;
    });
    EXPECT_EQ(exercises::operationSetName(7), "操作题（第7套）");
}

}  // namespace
