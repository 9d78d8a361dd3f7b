// The shapes that the database operation questions keep: slots and lines of every task,
// openings with their sample databases, item numbering, sample tables with their rules
// and aligned columns, the step and line counts of every answer, and no repeats. Then what
// the answers owe the learner: every step its own values, bounds that say whether their end
// counts, a way past each prompt Access raises, and one way of writing throughout.
#include <gtest/gtest.h>

#include <map>
#include <regex>
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
    EXPECT_EQ(exercises::operationTask(14, OperationType::Basic)[2],
              "（2）设置“成绩”表“成绩”字段的有效性规则为0～100（含0和100）。");
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
}

// Every step of an answer, with where it stands.
template <class F>
void forEachStep(F f) {
    forEachKey([&](int set, OperationType type) {
        const Text answer = exercises::referenceAnswer(set, type);
        for (std::size_t i = 0; i < answer.size(); ++i) f(set, type, std::string(answer[i]), i);
    });
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// A step that only points at another one ("参考(1)") leaves the learner without the names and
// values to type; no step that gives them is shorter than a line of twenty characters.
TEST(ReferenceAnswers, EveryStepGivesItsOwnValues) {
    const std::regex pointer("(参考|同|见)第?(（|\\()[1-6](）|\\))");
    forEachStep([&](int set, OperationType type, const std::string& step, std::size_t i) {
        EXPECT_FALSE(std::regex_search(step, pointer)) << where(set, type) << " step " << i + 1 << ": " << step;
        EXPECT_GE(characters(splitCrLf(step)[0]), 20u) << where(set, type) << " step " << i + 1;
    });
}

// "以上", "以下" and "以内" take their number in as plain Chinese reads them; where a task means
// otherwise, or bounds a date or a range, it says in a note whether the end counts.
TEST(OperationTexts, BoundsSayWhetherTheirEndCounts) {
    const std::regex number("([0-9]+)[^0-9]{0,6}$");  // the number, then at most two characters of unit
    forEachKey([&](int set, OperationType type) {
        std::string answer;
        for (std::string_view step : exercises::referenceAnswer(set, type)) answer += step;
        for (std::string_view line : linesOf(exercises::operationTask(set, type)))
            for (std::string_view word : {"以上", "以下", "以内", "以前", "以后", "之间"})
                for (std::size_t at = line.find(word); at != std::string_view::npos; at = line.find(word, at + 1)) {
                    std::string before(line.substr(0, at));
                    const std::size_t open = before.rfind("“"), close = before.rfind("”");
                    if (open != std::string::npos && (close == std::string::npos || close < open))
                        continue;  // a message
                    const std::string_view after = line.substr(at + word.size());
                    bool noted = startsWith(after, "（含") || startsWith(after, "（不含") || endsWith(before, "及");
                    for (std::string_view note : {"（含）", "（不含）"}) {  // "1990年1月1日（含）以后"
                        if (!endsWith(before, note)) continue;
                        noted = true;
                        before.resize(before.size() - note.size());
                    }
                    std::smatch bound;
                    if (noted || !std::regex_search(before, bound, number)) continue;  // no number: "以下要求"
                    const std::string plain = (word == "以上" ? ">=" : "<=") + bound[1].str();
                    const bool inclusiveWord = word == "以上" || word == "以下" || word == "以内";
                    EXPECT_TRUE(inclusiveWord && contains(answer, plain))
                        << where(set, type) << ": “" << bound[1] << "…" << word
                        << "” says nothing of its end: " << line;
                }
    });
}

// Access stops on the way with questions and warnings, and some steps only work with something
// set up first; the step that runs into one says how to go on.
TEST(ReferenceAnswers, StepsGetPastWhatAccessAsksOnTheWay) {
    struct Prompt {
        std::string_view trigger, answer;
    };
    static constexpr Prompt prompts[] = {
        {"字段大小”改为", "丢失"},                // a smaller size may cut stored values
        {"数据类型”改为", "丢失"},                // and so may a conversion
        {"有效性规则”框中输入", "测试现有数据"},  // a new rule offers to check the stored records
        {"输入掩码”框右侧", "先保存"},            // the mask wizard wants the table saved first
        {"HTML文档", "HTML输出选项"},             // the export asks for a template and an encoding
        {".htm”", "绝对路径"},                    // a page saved to a folder warns of its connection path
        {"ADODB", "引用"},                        // ADO needs its reference in the project
    };
    // A mask literal without ";0" is shown but not stored; the step says which one it means.
    const std::regex maskWithLiteral("“\"[^\"”]+\"[09#LA&?aC]");
    forEachStep([&](int set, OperationType type, const std::string& step, std::size_t i) {
        for (const Prompt& p : prompts) {
            if (contains(step, p.trigger)) {
                EXPECT_TRUE(contains(step, p.answer)) << where(set, type) << " step " << i + 1 << " meets “"
                                                      << p.trigger << "” but never says “" << p.answer << "”";
            }
        }
        if (std::regex_search(step, maskWithLiteral)) {
            EXPECT_TRUE(contains(step, ";0”")) << where(set, type) << " step " << i + 1 << ": " << step;
        }
    });
    // A Click procedure runs only when its button's event property names it.
    const std::regex click("([A-Za-z][A-Za-z0-9]*)_Click");
    forEachKey([&](int set, OperationType type) {
        std::string answer;
        for (std::string_view step : exercises::referenceAnswer(set, type)) answer += step;
        for (std::sregex_iterator it(answer.begin(), answer.end(), click), end; it != end; ++it) {
            EXPECT_TRUE(contains(answer, "“" + (*it)[1].str() + "”")) << where(set, type) << ": " << (*it)[0];
            EXPECT_TRUE(contains(answer, "[事件过程]") || contains(answer, "代码生成器")) << where(set, type);
        }
    });
}

// One way of writing across the book: lists of names in quotes take the enumeration comma,
// values to type stand in quotes rather than after a colon (a colon only opens code lines),
// the code window is named one way, and further lines are indented by two blanks for prose and
// by four or more for code.
TEST(OperationBank, OneWayOfWriting) {
    forEachKey([](int set, OperationType type) {
        for (std::string_view line : linesOf(exercises::operationTask(set, type)))
            EXPECT_FALSE(contains(line, "”“")) << where(set, type) << ": " << line;
    });
    forEachStep([](int set, OperationType type, const std::string& step, std::size_t i) {
        const auto lines = splitCrLf(step);
        for (std::size_t l = 0; l < lines.size(); ++l) {
            const std::string_view line = lines[l];
            EXPECT_FALSE(contains(line, "”“")) << where(set, type) << ": " << line;
            for (std::string_view lead : {"输入：", "设为：", "改为："})
                for (std::size_t at = line.find(lead); at != std::string_view::npos; at = line.find(lead, at + 1))
                    EXPECT_EQ(at + lead.size(), line.size()) << where(set, type) << " step " << i + 1 << ": " << line;
            for (std::size_t at = line.find("VBA编辑器"); at != std::string_view::npos;
                 at = line.find("VBA编辑器", at + 1))
                EXPECT_TRUE(endsWith(line.substr(0, at), "代码窗口（")) << where(set, type) << ": " << line;
            if (l == 0 || startsWith(line, "（")) continue;  // the step's own line, or an item of a sub-list
            const std::size_t indent = line.find_first_not_of(' ');
            EXPECT_TRUE(indent == 2 || indent >= 4) << where(set, type) << " step " << i + 1 << ": " << line;
        }
    });
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
