// The shapes that the chapter question bank keeps: counts, numbering, gaps, lengths,
// prefix styles, analysis indents and line counts, the quoted records and the repeats.
#include "exercises/chapter_bank_content.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace exercises;

struct ChapterShape {
    std::span<const ChoiceRecord> (*records)();
    const char* name;
    std::size_t count;
    // Records whose options are written "(A)" without the blank; all others "(A) ".
    std::function<bool(int)> withoutBlank;
    // Blanks in front of each analysis line of record k.
    std::function<std::size_t(int)> indent;
};

bool in(int k, std::initializer_list<std::pair<int, int>> ranges) {
    for (auto [from, to] : ranges)
        if (k >= from && k <= to) return true;
    return false;
}

const std::vector<ChapterShape>& chapters() {
    auto none = [](int) { return false; };
    auto all = [](int) { return true; };
    auto blanks = [](std::size_t n) { return [n](int) { return n; }; };
    static const std::vector<ChapterShape> shapes = {
        {chapter01, "概述", 20,
         [](int k) {
             return in(k, {{2, 5}, {7, 9}});
         },
         blanks(4)},
        {chapter02, "信息的表示与存储", 48, none, blanks(4)},
        {chapter03, "计算机硬件系统", 35, none, blanks(4)},
        {chapter04, "计算机软件系统", 20, none, blanks(4)},
        {chapter05, "多媒体技术简介", 8,
         [](int k) {
             return in(k, {{1, 4}, {6, 8}});
         },
         blanks(3)},
        {chapter06, "计算机病毒及其防治", 8, none, blanks(3)},
        {chapter07, "Internet基础及应用", 60,
         [](int k) {
             return !in(k, {{7, 10}, {18, 18}, {24, 24}, {31, 31}, {38, 38}, {48, 48}, {50, 52}, {54, 54}});
         },
         [](int k) { return k <= 20 ? std::size_t{2} : std::size_t{3}; }},
        {chapter08, "以任务为导向的应用界面", 4, none, blanks(3)},
        {chapter09, "创建并编辑文档", 11, none, [](int k) { return k == 11 ? std::size_t{4} : std::size_t{3}; }},
        {chapter10, "美化文档外观", 6, [](int k) { return k == 5; }, blanks(3)},
        {chapter11, "长文档的编辑与管理", 8, [](int k) { return k == 7 || k == 8; }, blanks(3)},
        {chapter12, "文档的修订与共享", 2, all, blanks(3)},
        {chapter13, "使用邮件合并技术批量处理文档", 2, all, blanks(3)},
    };
    return shapes;
}

const ChoiceRecord& record(std::size_t chapter, int k) {
    return chapters()[chapter - 1].records()[static_cast<std::size_t>(k - 1)];
}

template <class F>
void forEachRecord(F f) {
    for (std::size_t c = 1; c <= chapters().size(); ++c) {
        std::span<const ChoiceRecord> records = chapters()[c - 1].records();
        for (std::size_t i = 0; i < records.size(); ++i) f(c, static_cast<int>(i + 1), records[i]);
    }
}

std::string where(std::size_t c, int k) { return std::string(chapters()[c - 1].name) + " " + std::to_string(k); }

std::size_t characters(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char b : text) n += (b & 0xC0) != 0x80;
    return n;
}

std::vector<std::string_view> lines(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t at = 0;;) {
        const std::size_t end = text.find("\r\n", at);
        out.push_back(text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        if (end == std::string_view::npos) return out;
        at = end + 2;
    }
}

std::size_t leadingBlanks(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && line[n] == ' ') ++n;
    return n;
}

TEST(ChapterBank, CountsPerChapterAndSubject) {
    const std::size_t counts[] = {20, 48, 35, 20, 8, 8, 60, 4, 11, 6, 8, 2, 2};
    std::size_t basics = 0, word = 0;
    for (std::size_t c = 0; c < 13; ++c) {
        const std::size_t n = chapters()[c].records().size();
        EXPECT_EQ(n, counts[c]) << chapters()[c].name;
        (c < 7 ? basics : word) += n;
    }
    EXPECT_EQ(basics, 199u);
    EXPECT_EQ(word, 33u);
}

TEST(ChapterBank, StemsAreNumberedOneLineWithinTheirLength) {
    forEachRecord([](std::size_t c, int k, const ChoiceRecord& r) {
        const std::string number = std::to_string(k) + ".";
        ASSERT_TRUE(r.stem.starts_with(number)) << where(c, k) << ": " << r.stem;
        const bool blankAfterStop = c == 9 && k >= 5 && k <= 7;
        EXPECT_EQ(r.stem.substr(number.size(), 1) == " ", blankAfterStop) << where(c, k) << ": " << r.stem;
        if (blankAfterStop) {
            EXPECT_NE(r.stem.substr(number.size() + 1, 1), " ") << where(c, k);
        }
        EXPECT_EQ(r.stem.find_first_of("\r\n\t"), std::string_view::npos) << where(c, k);
        EXPECT_LE(characters(r.stem), 87u) << where(c, k) << ": " << r.stem;
    });
}

// Every pair of parentheses in `text` that holds nothing but blanks, as written.
std::vector<std::string> gapsIn(std::string_view text) {
    auto skip = [&](std::size_t at, std::string_view what) {
        return text.substr(at, what.size()) == what ? at + what.size() : at;
    };
    std::vector<std::string> out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        std::size_t end = skip(skip(at, "("), "（");
        if (end == at) continue;
        for (std::size_t before = 0; before != end;) {
            before = end;
            end = skip(skip(end, " "), "　");
        }
        if (std::size_t close = skip(skip(end, ")"), "）"); close != end) out.emplace_back(text.substr(at, close - at));
    }
    return out;
}

TEST(ChapterBank, GapsAreMarkedByParenthesesBarOneDirectQuestion) {
    const std::set<std::string> markers = {"（）", "（  ）", "（ ）", "(  )", "(   )"};
    std::map<std::string, int> seen;
    int trailingBlank = 0;
    forEachRecord([&](std::size_t c, int k, const ChoiceRecord& r) {
        const std::vector<std::string> gaps = gapsIn(r.stem);
        for (const std::string& marker : gaps) {
            EXPECT_TRUE(markers.count(marker)) << where(c, k) << " writes a gap as \"" << marker << '"';
            ++seen[marker];
        }
        if (c == 2 && k == 45) {
            EXPECT_TRUE(gaps.empty()) << r.stem;
            EXPECT_TRUE(r.stem.ends_with("？")) << r.stem;
        } else {
            EXPECT_FALSE(gaps.empty()) << where(c, k) << ": " << r.stem;
        }
        trailingBlank += r.stem.back() == ' ';
    });
    for (const std::string& marker : markers) EXPECT_GT(seen[marker], 0) << '"' << marker << "\" occurs";
    EXPECT_EQ(trailingBlank, 1);
}

TEST(ChapterBank, OptionsCarryTheirChaptersPrefixStyle) {
    int trailingBlanks = 0;
    forEachRecord([&](std::size_t c, int k, const ChoiceRecord& r) {
        const bool withoutBlank = chapters()[c - 1].withoutBlank(k);
        for (int i = 0; i < 4; ++i) {
            std::string_view option = r.options[static_cast<std::size_t>(i)];
            const std::string prefix = std::string("(") + static_cast<char>('A' + i) + ")";
            ASSERT_TRUE(option.starts_with(prefix)) << where(c, k) << ": " << option;
            std::string_view text = option.substr(prefix.size());
            if (!withoutBlank) {
                EXPECT_TRUE(text.starts_with(" ")) << where(c, k) << ": " << option;
                text.remove_prefix(1);
            }
            EXPECT_FALSE(text.empty() || text.front() == ' ') << where(c, k) << ": \"" << option << '"';
            EXPECT_EQ(option.find_first_of("\r\n\t"), std::string_view::npos) << where(c, k);
            EXPECT_LE(characters(option), 56u) << where(c, k) << ": " << option;
            trailingBlanks += option.back() == ' ';
        }
    });
    EXPECT_GT(trailingBlanks, 0) << "some option texts end in blanks of their own";
}

TEST(ChapterBank, EveryAnswerIsOneLetter) {
    forEachRecord([](std::size_t c, int k, const ChoiceRecord& r) {
        EXPECT_TRUE(r.answer == "A" || r.answer == "B" || r.answer == "C" || r.answer == "D") << where(c, k);
    });
}

TEST(ChapterBank, AnalysesKeepTheirIndentAndLineCounts) {
    const std::map<std::pair<std::size_t, int>, std::size_t> multiLine = {{{1, 2}, 8}, {{5, 3}, 2}, {{9, 10}, 6}};
    forEachRecord([&](std::size_t c, int k, const ChoiceRecord& r) {
        const std::vector<std::string_view> parts = lines(r.analysis);
        const auto several = multiLine.find({c, k});
        EXPECT_EQ(parts.size(), several == multiLine.end() ? 1u : several->second) << where(c, k);
        const std::size_t indent = chapters()[c - 1].indent(k);
        EXPECT_EQ(leadingBlanks(parts[0]), indent) << where(c, k) << ": " << r.analysis;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            EXPECT_GT(parts[i].size(), indent) << where(c, k) << " line " << i + 1 << " has text";
            if (i > 0) {
                const std::size_t n = leadingBlanks(parts[i]);
                EXPECT_TRUE(n == 0 || n == indent) << where(c, k) << " line " << i + 1;
            }
            EXPECT_EQ(parts[i].find_first_of("\r\n\t"), std::string_view::npos) << where(c, k);
        }
    });
    EXPECT_EQ(leadingBlanks(lines(record(5, 3).analysis)[1]), 0u);
}

TEST(ChapterBank, OnlyTheNamedAnalysesRepeat) {
    std::map<std::string_view, std::vector<std::string>> byText;
    forEachRecord([&](std::size_t c, int k, const ChoiceRecord& r) { byText[r.analysis].push_back(where(c, k)); });
    std::set<std::vector<std::string>> repeats;
    for (const auto& [text, places] : byText)
        if (places.size() > 1) repeats.insert(places);
    EXPECT_EQ(repeats, (std::set<std::vector<std::string>>{
                           {"信息的表示与存储 31", "信息的表示与存储 34"},
                           {"Internet基础及应用 42", "Internet基础及应用 43", "Internet基础及应用 44"}}));
}

TEST(ChapterBank, TheQuotedRecordsStandAsGiven) {
    const ChoiceRecord& gb = record(2, 38);
    EXPECT_EQ(gb.stem, "38.汉字国标码（GB2312-80）规定的汉字编码每个汉字用（）个字节表示。");
    EXPECT_EQ(gb.options, (std::array<std::string_view, 4>{"(A) 1", "(B) 2", "(C) 3", "(D) 4"}));
    EXPECT_EQ(gb.answer, "B");
    const ChoiceRecord& sound = record(5, 4);
    EXPECT_EQ(sound.stem, "4.音质最好的文件格式是（）");
    EXPECT_EQ(sound.options, (std::array<std::string_view, 4>{"(A)WAV", "(B)MP3", "(C)RM", "(D)MIDI"}));
    EXPECT_EQ(sound.answer, "A");
    EXPECT_EQ(record(4, 2).analysis, "    计算机系统由硬件和软件两大部分组成.");
}

TEST(ChapterBank, AnAnalysisThatNamesTheAnswerNamesTheKey) {
    const std::regex named("(答案|故选|应选|所以选|因此选|正确选项)(为|是|：|:)?[ ]?([A-D])");
    forEachRecord([&](std::size_t c, int k, const ChoiceRecord& r) {
        const std::string analysis(r.analysis);
        for (auto it = std::sregex_iterator(analysis.begin(), analysis.end(), named); it != std::sregex_iterator();
             ++it)
            EXPECT_EQ((*it)[3].str(), std::string(r.answer)) << where(c, k) << ": " << analysis;
    });
}

}  // namespace
