// The shapes that the eight unit banks keep: answer letters, numbering, prefix forms,
// blanks, stops, line breaks, edge blanks, the quoted records and the repeats; and the
// loader that copies one unit into the question tables.
#include "unittest/unit_bank_content.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "shared/module1.h"
#include "unittest/unit_bank.h"

namespace {

using Questions = std::set<int>;

Questions range(int from, int to, Questions more = {}) {
    for (int q = from; q <= to; ++q) more.insert(q);
    return more;
}

// What each unit fixes. A form or marker not listed for a question is the unit's default.
struct UnitShape {
    const char* answers;
    std::array<int, 4> totals;  // A, B, C, D
    std::string prefix;
    std::map<std::string, Questions> otherPrefixes;
    std::string marker;
    std::map<std::string, Questions> otherMarkers;
    Questions withoutStop;
    Questions asciiStop;
    std::map<int, std::size_t> stemLines;
    std::map<int, std::size_t> analysisLines;
    Questions analysisLeadingBlank;
};

const std::string kTwoIdeographic = "（　　）";
std::string underscores(int n) { return std::string(static_cast<std::size_t>(n), '_'); }

// In list order: 数据结构与算法 … PowerPoint演示文稿.
const std::vector<UnitShape>& shapes() {
    static const std::vector<UnitShape> units = {
        {"BDAACDCDBDBBCACDADACDABCDBBCCBBCBBBDBCCD",
         {6, 13, 11, 10},
         "（A）",
         {{"(A)", {1, 2}}, {"（A） ", {27, 30, 31, 32}}, {"A） ", {26, 28, 29}}, {"A）", {33}}, {"mixed", {13, 17}}},
         kTwoIdeographic,
         {{"（）", range(17, 25)}, {"( )", {20}}, {"（ ）", range(26, 32)}, {"（   ）", range(33, 40)}},
         {14, 22},
         {},
         {{20, 8}, {29, 9}},
         {},
         {}},
        {"AAADBACABAACADDBAACBDDCAABBDCBAAABCCDBAB",
         {16, 10, 7, 7},
         "(A) ",
         {{"(A)", {1, 2, 5, 7, 8, 9}}},
         "（）",
         {{kTwoIdeographic, range(1, 5)},
          {"（ ）", {8, 9}},
          {"（   ）", range(10, 20)},
          {underscores(6), {22}},
          {underscores(11), {33}}},
         {30},
         {},
         {},
         {{27, 11}, {28, 4}, {39, 3}, {40, 4}},
         {29}},
        {"CBBBABCAADADBCAAACCBCABACDDDCADAABACCBAC",
         {14, 9, 11, 6},
         "(A) ",
         {{"(A)", {1, 2, 5, 7, 8, 9}}},
         "（）",
         {{kTwoIdeographic, range(1, 15)}, {"（   ）", range(27, 36, {17, 20})}, {"（ ）", {25, 26}}},
         {5, 7},
         {},
         {},
         {},
         {29}},
        {"CCBCDABCBCDCCDBACDBCACDABCBACAAAAADCDCAC",
         {11, 7, 15, 7},
         "(A) ",
         {{"(A)", {1, 2, 5, 7, 8, 9, 21, 27}}},
         "（）",
         {{kTwoIdeographic, range(1, 18, {21, 27})}, {"（   ）", range(33, 36, {20, 28})}, {"（ ）", range(29, 32)}},
         {},
         {},
         {{5, 24}, {7, 22}, {21, 18}, {27, 28}, {34, 5}},
         {},
         {4, 29}},
        {"ACCCBDADCBAABABABCBCDCDCCABCABBCDBDCCBDA",
         {9, 11, 13, 7},
         "(A) ",
         {{"(A)", {28, 30, 31, 33, 34, 38}}},
         "（）",
         {},
         {12, 31, 37},
         range(21, 27, {2, 3, 6, 7, 8}),
         {},
         {},
         {}},
        {"DCDCAADBCCCBACACAACDCBCDCCBCDCBADACBCCDD",
         {8, 6, 17, 9},
         "(A) ",
         {{"(A)", {2, 9, 29, 35, 36, 37}}},
         "（）",
         {{underscores(14), {23}}, {underscores(9), {28}}, {underscores(8), {31}}},
         {3, 7, 15, 27, 30},
         {},
         {},
         {},
         {}},
        {"CDDBCACAABCCCCBABCDCCCCCDCABCBCBDABBCCBB",
         {6, 11, 18, 5},
         "(A) ",
         {{"(A)", range(18, 27, {2, 7, 9, 10, 16, 30, 31, 33, 36, 37, 38, 40})}},
         "（）",
         {{underscores(9), {35}}},
         {4, 11, 13, 14, 15, 17, 33, 36, 40},
         {},
         {},
         {},
         {}},
        {"CDACCDCAACBBDBBBBCAACADDBBBAACADCACDDACC",
         {11, 9, 12, 8},
         "(A)",
         {{"(A) ", {3, 4, 6, 11, 13, 14, 29, 32, 34, 35, 39}}},
         "（）",
         {{underscores(9), {17}}, {underscores(5), {26}}},
         {2, 4, 6, 33, 36, 40},
         {},
         {},
         {},
         {}},
    };
    return units;
}

const unittest::UnitRecords& unit(int u) {
    using Unit = const unittest::UnitRecords& (*)();
    static constexpr Unit units[] = {unittest::unit1, unittest::unit2, unittest::unit3, unittest::unit4,
                                     unittest::unit5, unittest::unit6, unittest::unit7, unittest::unit8};
    return units[u - 1]();
}
const ChoiceRecord& record(int u, int q) { return unit(u)[static_cast<std::size_t>(q - 1)]; }

template <class F>
void forEachRecord(F f) {
    for (int u = 1; u <= 8; ++u)
        for (int q = 1; q <= 40; ++q) f(u, q, shapes()[static_cast<std::size_t>(u - 1)], record(u, q));
}

std::string where(int u, int q) { return "unit " + std::to_string(u) + " question " + std::to_string(q); }

template <class Map>
std::string listed(const Map& others, int q, const std::string& fallback) {
    for (const auto& [value, questions] : others)
        if (questions.count(q)) return value;
    return fallback;
}

std::size_t count(std::string_view text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

std::vector<std::string> lines(std::string_view text) {
    std::vector<std::string> out;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find("\r\n", from);
        out.emplace_back(text.substr(from, at - from));
        if (at == std::string_view::npos) return out;
        from = at + 2;
    }
}

std::string trimEnd(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The forms an option's prefix takes, the wider first; "A" stands for the option's letter.
const char* const kPrefixForms[] = {"  A）", " A）", "(A) ", "(A)", "（A） ", "（A）", "A） ", "A）"};

std::string withLetter(std::string form, char letter) {
    form[form.find('A')] = letter;
    return form;
}

std::string prefixForm(std::string_view option, char letter) {
    for (const char* form : kPrefixForms)
        if (option.starts_with(withLetter(form, letter))) return form;
    return "";
}

std::string behindPrefix(std::string_view option, char letter) {
    return std::string(option.substr(withLetter(prefixForm(option, letter), letter).size()));
}

// Every blank of a stem: parentheses holding nothing but blanks, or a run of underscores.
std::vector<std::string> blanks(std::string_view stem) {
    static const std::regex blank("(（|\\()( |　)*(）|\\))|_+");
    std::vector<std::string> out;
    const std::string s(stem);
    for (auto it = std::sregex_iterator(s.begin(), s.end(), blank); it != std::sregex_iterator(); ++it)
        out.push_back(it->str());
    return out;
}

// The stem without its number, its blank and its final stop: what a repeat keeps.
std::string question(std::string_view stem) {
    std::string s = std::regex_replace(std::string(stem), std::regex("^[0-9]+\\.?"), "");
    for (const std::string& b : blanks(s)) s.replace(s.find(b), b.size(), "_");
    s = trimEnd(s);
    for (std::string_view stop : {"。", "."})
        if (s.ends_with(stop)) s.resize(s.size() - stop.size());
    return s;
}

TEST(UnitBank, AnswerLettersAndTheirTotals) {
    std::map<char, int> overall;
    for (int u = 1; u <= 8; ++u) {
        const UnitShape& shape = shapes()[static_cast<std::size_t>(u - 1)];
        std::string letters;
        std::map<char, int> totals;
        for (int q = 1; q <= 40; ++q) {
            const ChoiceRecord& r = record(u, q);
            ASSERT_EQ(r.answer.size(), 1u) << where(u, q);
            letters += r.answer;
            ++totals[r.answer[0]];
            ++overall[r.answer[0]];
        }
        EXPECT_EQ(letters, shape.answers) << "unit " << u;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(totals[static_cast<char>('A' + i)], shape.totals[static_cast<std::size_t>(i)]) << "unit " << u;
    }
    EXPECT_EQ(overall['A'], 81);
    EXPECT_EQ(overall['B'], 76);
    EXPECT_EQ(overall['C'], 104);
    EXPECT_EQ(overall['D'], 59);
}

TEST(UnitBank, StemsCarryTheirNumberAndOneBlankOfTheirKind) {
    forEachRecord([](int u, int q, const UnitShape& shape, const ChoiceRecord& r) {
        const std::string number = std::to_string(q);
        if (u == 5 && (q == 24 || q == 31)) {
            EXPECT_TRUE(r.stem.starts_with(number + "下列")) << r.stem;
        } else {
            EXPECT_TRUE(r.stem.starts_with(number + ".")) << where(u, q) << ": " << r.stem;
        }
        const std::vector<std::string> found = blanks(r.stem);
        ASSERT_EQ(found.size(), 1u) << where(u, q) << ": " << r.stem;
        EXPECT_EQ(found[0], listed(shape.otherMarkers, q, shape.marker)) << where(u, q);
    });
    // Underscores stand before the final stop, except in one stem where they stand inside the sentence.
    for (auto [u, q] : {std::pair{2, 22}, {6, 23}, {6, 28}, {6, 31}})
        EXPECT_TRUE(std::string_view(record(u, q).stem).ends_with("_。")) << where(u, q);
    EXPECT_EQ(record(2, 33).stem, "33.结构化程序设计___________，提高了程序的可靠性、保证了程序的质量。");
    EXPECT_EQ(record(6, 23).stem, "23.在Word中，利用“格式刷”按钮，______________。");
}

TEST(UnitBank, TheQuestionLineEndsWithItsStopOrWithout) {
    forEachRecord([](int u, int q, const UnitShape& shape, const ChoiceRecord& r) {
        std::string line;
        for (const std::string& l : lines(r.stem))
            if (!blanks(l).empty()) line = trimEnd(l);
        const bool full = line.ends_with("。"), ascii = line.ends_with(".");
        if (shape.withoutStop.count(q)) {
            EXPECT_FALSE(full || ascii) << where(u, q) << ": " << line;
        } else if (shape.asciiStop.count(q)) {
            EXPECT_TRUE(line.ends_with("（）.")) << where(u, q) << ": " << line;
        } else {
            EXPECT_TRUE(full) << where(u, q) << ": " << line;
        }
    });
}

TEST(UnitBank, OptionsBeginWithTheirOwnLetterInTheUnitsForms) {
    forEachRecord([](int u, int q, const UnitShape& shape, const ChoiceRecord& r) {
        std::vector<std::string> forms;
        for (int i = 0; i < 4; ++i) {
            forms.push_back(prefixForm(r.options[static_cast<std::size_t>(i)], static_cast<char>('A' + i)));
            EXPECT_NE(forms.back(), "") << where(u, q) << ": " << r.options[static_cast<std::size_t>(i)];
            EXPECT_FALSE(behindPrefix(r.options[static_cast<std::size_t>(i)], static_cast<char>('A' + i)).empty());
        }
        const std::string expected = listed(shape.otherPrefixes, q, shape.prefix);
        if (expected != "mixed") {
            EXPECT_EQ(forms, std::vector<std::string>(4, expected)) << where(u, q);
        }
    });
    EXPECT_EQ(
        (std::vector<std::string>{" A）", " B）", " C）", "  D）"}),
        (std::vector<std::string>{
            std::string(record(1, 13).options[0].substr(0, 5)), std::string(record(1, 13).options[1].substr(0, 5)),
            std::string(record(1, 13).options[2].substr(0, 5)), std::string(record(1, 13).options[3].substr(0, 6))}));
    std::vector<std::string> seventeen;
    for (int i = 0; i < 4; ++i)
        seventeen.push_back(prefixForm(record(1, 17).options[static_cast<std::size_t>(i)], static_cast<char>('A' + i)));
    EXPECT_EQ(seventeen, (std::vector<std::string>{"（A）", "（A）", " A）", " A）"}));
}

TEST(UnitBank, OnlyTheDrawnTreesTablesAndPointedAnalysesBreakLines) {
    forEachRecord([](int u, int q, const UnitShape& shape, const ChoiceRecord& r) {
        std::vector<std::string_view> fields = {r.stem, r.answer, r.analysis};
        fields.insert(fields.end(), r.options.begin(), r.options.end());
        for (std::string_view f : fields) {
            for (unsigned char c : f)
                if (c < 0x20 && c != '\r' && c != '\n') ADD_FAILURE() << where(u, q) << " has a control character";
            EXPECT_EQ(count(f, "\r"), count(f, "\r\n")) << where(u, q);
            EXPECT_EQ(count(f, "\n"), count(f, "\r\n")) << where(u, q);
            EXPECT_FALSE(f.starts_with("\r\n") || f.ends_with("\r\n")) << where(u, q);
        }
        const auto expected = [q](const std::map<int, std::size_t>& m) { return m.count(q) ? m.at(q) : 1u; };
        EXPECT_EQ(lines(r.stem).size(), expected(shape.stemLines)) << where(u, q);
        EXPECT_EQ(lines(r.analysis).size(), expected(shape.analysisLines)) << where(u, q);
        for (std::string_view o : r.options) EXPECT_EQ(lines(o).size(), 1u) << where(u, q);
    });

    // The two trees: seven drawn lines of node letters and branches under or above the question.
    EXPECT_EQ(lines(record(1, 20).stem)[0], "20.对下列二叉树进行前序遍历的结果为( )。");
    EXPECT_EQ(lines(record(1, 29).stem)[0], "29.设二叉树如下：");
    EXPECT_EQ(lines(record(1, 29).stem)[8], "其后序遍历序列为（ ）。");
    for (auto [q, first] : {std::pair{20, 1}, {29, 1}})
        for (int i = first; i < first + 7; ++i)
            EXPECT_TRUE(
                std::regex_match(lines(record(1, q).stem)[static_cast<std::size_t>(i)], std::regex("[ A-I/\\\\]+")))
                << "tree of question " << q << " line " << i;
    // The relations: rules of 8 to 15 dashes between name, header and rows; the question last.
    for (int q : {5, 7, 21, 27}) {
        const std::vector<std::string> drawn = lines(record(4, q).stem);
        int rules = 0;
        for (const std::string& l : drawn) {
            if (l.find_first_not_of('-') != std::string::npos) continue;
            ++rules;
            EXPECT_TRUE(l.size() >= 8 && l.size() <= 15) << "question " << q << ": " << l;
        }
        EXPECT_EQ(rules % 3, 0) << "question " << q << ": three rules a relation";
        EXPECT_TRUE(drawn.back().starts_with("则由关系")) << drawn.back();
    }
    EXPECT_EQ(lines(record(4, 34).stem)[1], "学生（学号，姓名，性别，专业）");
    const std::vector<std::string> points = lines(record(2, 27).analysis);
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(points[static_cast<std::size_t>(i)].starts_with("（" + std::to_string(i) + "）")) << i;
}

TEST(UnitBank, BlanksAtTheEdgesAndTheAnalysisPrefixes) {
    forEachRecord([](int u, int q, const UnitShape& shape, const ChoiceRecord& r) {
        EXPECT_NE(r.stem.front(), ' ') << where(u, q);
        EXPECT_EQ(r.analysis.front() == ' ', shape.analysisLeadingBlank.count(q) == 1) << where(u, q);
        if (shape.analysisLeadingBlank.count(q)) {
            EXPECT_NE(r.analysis[1], ' ') << where(u, q) << ": one blank";
        }
        std::string prefix;
        if (r.analysis.starts_with("解析：")) prefix = "解析：";
        if (r.analysis.starts_with("解析: ")) prefix = "解析: ";
        const std::string expected = u != 1 || q > 32 ? "" : q == 19 ? "解析: " : "解析：";
        EXPECT_EQ(prefix, expected) << where(u, q);
    });
    EXPECT_TRUE(record(2, 11).stem.ends_with("。 ") && !record(2, 11).stem.ends_with("  "));
}

TEST(UnitBank, TheQuotedRecordsStandAsGiven) {
    struct Quoted {
        int unit, question;
        ChoiceRecord expected;
    };
    const Quoted quoted[] = {
        {1,
         7,
         {"7.下列数据结构中，属于非线性结构的是（　　）。",
          {"（A）循环队列", "（B）带链队列", "（C）二叉树", "（D）带链栈"},
          "C",
          "解析：树是简单的非线性结构，所以二叉树作为树的一种也是一种非线性结构。"}},
        {2,
         11,
         {"11.结构化程序的三种基本控制结构是（   ）。 ",
          {"(A) 顺序、选择和重复（循环）", "(B) 过程、子程序和分程序", "(C) 顺序、选择和调用", "(D) 调用、返回和转移"},
          "A",
          "结构化程序设计中三种基本控制结构为顺序、选择和重复（循环），故正确选项为A。"}},
        {3,
         39,
         {"39.下列叙述中，正确的是（）。",
          {"(A) 软件交付使用后还需要进行维护", "(B) 软件一旦交付使用就不需要再进行维护",
           "(C) 软件交付使用后其生命周期就结束", "(D) 软件维护是指修复程序中被破坏的指令"},
          "A",
          "软件交付使用后还需要进行维护。"}},
        {4,
         10,
         {"10.在E－R图中，用来表示实体联系的图形是（　　）。",
          {"(A) 椭圆形", "(B) 矩形", "(C) 菱形", "(D) 三角形"},
          "C",
          "在E－R图中实体集用矩形，属性用椭圆，联系用菱形。"}},
        {5,
         1,
         {"1.英文CAM的含义是（）。",
          {"(A) 计算机辅助制造", "(B) 计算机辅助设计", "(C) 计算机集成制造系统", "(D) 计算机辅助教学"},
          "A",
          "英文CAM的含义是计算机辅助制造，CAM是英文Computer Aided Manufacturing简写。"}},
        {6,
         12,
         {"12.在Word文本编辑区中有一个闪烁的粗竖线，它是（）。",
          {"(A) 分节符", "(B) 插入点", "(C) 鼠标指针", "(D) 分栏符"},
          "B",
          "在Word文本编辑区中有一个闪烁的粗竖线，它是插入点。"}},
        {7,
         12,
         {"12.Excel函数中各参数之间用（）作为分隔符。",
          {"(A) 分号", "(B) 句号", "(C) 逗号", "(D) 冒号"},
          "C",
          "Excel函数中各参数之间用逗号作为分隔符。"}},
        {8,
         5,
         {"5.PowerPoint 2010演示文稿的扩展名是（）。",
          {"(A).docx", "(B).xlsx", "(C).pptx", "(D).potx"},
          "C",
          "PowerPoint 2010演示文稿的扩展名是.pptx。"}},
    };
    for (const Quoted& x : quoted) {
        const ChoiceRecord& r = record(x.unit, x.question);
        EXPECT_EQ(r.stem, x.expected.stem) << where(x.unit, x.question);
        EXPECT_EQ(r.options, x.expected.options) << where(x.unit, x.question);
        EXPECT_EQ(r.answer, x.expected.answer) << where(x.unit, x.question);
        EXPECT_EQ(r.analysis, x.expected.analysis) << where(x.unit, x.question);
    }
    EXPECT_EQ(record(2, 28).analysis,
              "源程序的文档化应考虑如下几点：\r\n"
              "（1）符号名的命名：符号名的命名应具有一定的实际含义，以便于对程序功能的理解。\r\n"
              "（2）程序注释：正确的注释能够帮助读者理解程序，注释一般分为序言性注释和功能性注释。\r\n"
              "（3）视觉组织：为使程序的结构一目了然，可以在程序中利用空格、空行、缩进等技巧使程序层次清晰。");
}

TEST(UnitBank, OnlyTheListedQuestionsRepeatAndTheyKeepTheirPoint) {
    struct Repeat {
        int unit, question, of;
    };
    const Repeat repeats[] = {{2, 8, 2}, {2, 16, 9}, {2, 18, 6}, {2, 25, 17}, {2, 34, 30}, {4, 29, 4}};
    for (const Repeat& r : repeats) {
        const ChoiceRecord& again = record(r.unit, r.question);
        const ChoiceRecord& first = record(r.unit, r.of);
        EXPECT_EQ(question(again.stem), question(first.stem)) << where(r.unit, r.question);
        EXPECT_EQ(again.answer, first.answer) << where(r.unit, r.question);
        std::array<std::string, 4> a, f;
        for (int i = 0; i < 4; ++i) {
            a[static_cast<std::size_t>(i)] = behindPrefix(again.options[static_cast<std::size_t>(i)], 'A' + i);
            f[static_cast<std::size_t>(i)] = behindPrefix(first.options[static_cast<std::size_t>(i)], 'A' + i);
        }
        if (r.question == 8) std::swap(f[1], f[2]);
        EXPECT_EQ(a, f) << where(r.unit, r.question);
    }
    EXPECT_EQ(record(4, 29).analysis, record(4, 4).analysis);
    EXPECT_NE(blanks(record(4, 29).stem), blanks(record(4, 4).stem));

    // Apart from those, no two records of the bank ask the same question with the same options.
    std::map<std::string, std::string> seen;
    std::set<std::pair<std::string, std::string>> alike;
    forEachRecord([&](int u, int q, const UnitShape&, const ChoiceRecord& r) {
        std::multiset<std::string> options;
        for (int i = 0; i < 4; ++i) options.insert(behindPrefix(r.options[static_cast<std::size_t>(i)], 'A' + i));
        std::string key = question(r.stem);
        for (const std::string& o : options) key += '\x1f' + o;
        if (auto [it, fresh] = seen.emplace(key, where(u, q)); !fresh) alike.emplace(it->second, where(u, q));
    });
    std::set<std::pair<std::string, std::string>> expected;
    for (const Repeat& r : repeats) expected.emplace(where(r.unit, r.of), where(r.unit, r.question));
    EXPECT_EQ(alike, expected);
}

TEST(UnitBank, AnAnalysisThatNamesALetterNamesTheKey) {
    const std::regex chosen("(答案|选)(为|是|：|:)?[ ]?([A-D])(?![A-Za-z0-9])");
    // A capital standing alone; in the spreadsheet unit such a capital names a column as often.
    const std::regex lone("(^|[^A-Za-z0-9.:+$_\\\\/-])([A-D])(?![A-Za-z0-9:+$_-])");
    forEachRecord([&](int u, int q, const UnitShape&, const ChoiceRecord& r) {
        const std::string analysis(r.analysis);
        for (auto it = std::sregex_iterator(analysis.begin(), analysis.end(), chosen); it != std::sregex_iterator();
             ++it)
            EXPECT_EQ((*it)[3].str(), std::string(r.answer)) << where(u, q) << ": " << analysis;
        if (u == 7) return;
        std::set<std::string> named;
        for (auto it = std::sregex_iterator(analysis.begin(), analysis.end(), lone); it != std::sregex_iterator(); ++it)
            named.insert((*it)[2].str());
        if (!named.empty()) {
            EXPECT_TRUE(named.count(std::string(r.answer))) << where(u, q) << ": " << analysis;
        }
    });
}

class LoadUnitTest : public ::testing::Test {
protected:
    void SetUp() override { Module1::reset(); }
    void TearDown() override { Module1::reset(); }
};

TEST_F(LoadUnitTest, EachNameLoadsItsFortyRecordsAndNothingElse) {
    for (int i = 0; i <= 70; ++i) {
        Module1::QuestionStem[i] = "旧" + std::to_string(i);
        Module1::ChosenAnswer[i] = "B";
    }
    for (int u = 1; u <= 8; ++u) {
        LoadUnit(std::string(unittest::unitNames()[static_cast<std::size_t>(u - 1)]));
        EXPECT_EQ(Module1::UnitQuestionCount, 40);
        for (int q = 1; q <= 40; ++q) {
            const ChoiceRecord& r = record(u, q);
            ASSERT_EQ(Module1::QuestionStem[q].text(), r.stem) << where(u, q);
            ASSERT_EQ(Module1::OptionD[q].text(), r.options[3]) << where(u, q);
            ASSERT_EQ(Module1::CorrectAnswer[q].text(), r.answer) << where(u, q);
            ASSERT_EQ(Module1::Analysis[q].text(), r.analysis) << where(u, q);
        }
    }
    EXPECT_EQ(Module1::QuestionStem[0].text(), "旧0");
    EXPECT_EQ(Module1::QuestionStem[41].text(), "旧41");
    EXPECT_EQ(Module1::QuestionStem[70].text(), "旧70");
    for (int i = 0; i <= 70; ++i) ASSERT_EQ(Module1::ChosenAnswer[i].text(), "B");
}

TEST_F(LoadUnitTest, ANameThatIsNotExactlyAUnitsLoadsNothing) {
    LoadUnit("数据结构与算法");
    Module1::UnitQuestionCount = 7;
    for (const char* name : {"计算机基础知识 ", "word文字处理", " Excel报表软件", "", "PowerPoint"}) {
        LoadUnit(name);
        EXPECT_EQ(Module1::QuestionStem[1].text(), record(1, 1).stem) << name;
        EXPECT_EQ(Module1::UnitQuestionCount, 7) << name;
    }
}

}  // namespace
