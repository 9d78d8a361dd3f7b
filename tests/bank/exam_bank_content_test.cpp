// The shapes that the exam's choice bank keeps: answers, prefixes, blanks, numbering,
// line breaks, edge blanks, the quoted records and the repeats.
#include "bank/exam_bank_content.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

using bank::examSet;

const char* const kAnswers[20] = {
    "ADACDBCBBDACBAAABDCC", "AADBBCDBCDDCDCDABCAB", "CCCCDBDBCBCBBCAADCDA", "DBCDADCBDBBCBBBDBBDA",
    "CBCBBCCBCBDACDBCCDAA", "CCACCBDDDCADABADCBDB", "CCADABDCCBABBDBBABCD", "DCBADACDBCBBADBCCCBC",
    "CDBABBCCADCDDCBDBCAB", "CABBDADAAAADCBABCADB", "DABAACCCDDBCDCCBADBD", "BBCCCAAADCBABCDACDCB",
    "CDABBDCBABBCABABCCCB", "CBDBBBBDBBDCBAABBBCA", "DABDDCBCDBBBBCCDCBCA", "DADDBDABACBBDAAACACC",
    "BDBDBCABACBDAABACDDA", "DABAACCCDDDBCDBBCCBD", "BDABBDCBABCCCBCADCCB", "BBCCCAAAACCBAACAAABC"};

const ChoiceRecord& record(int set, int question) { return examSet(set)[static_cast<std::size_t>(question - 1)]; }

// Sets 1 to 20 by default, whose totals the tests below pin; `last` 40 takes the whole bank.
template <class F>
void forEachRecord(F f, int first = 1, int last = 20) {
    for (int s = first; s <= last; ++s)
        for (int q = 1; q <= 20; ++q) f(s, q, record(s, q));
}

std::string where(int s, int q) { return "set " + std::to_string(s) + " question " + std::to_string(q); }

std::size_t count(std::string_view text, std::string_view what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

bool startsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// The prefix form of an option: "(A) ", "(A)" or "（A）" for its own letter; "" otherwise.
std::string prefixForm(std::string_view option, char letter) {
    const std::string l(1, letter);
    if (startsWith(option, "(" + l + ") ")) return "(A) ";
    if (startsWith(option, "(" + l + ")")) return "(A)";
    if (startsWith(option, "（" + l + "）")) return "（A）";
    return "";
}

// A question as the learner meets it: its text without punctuation, blanks and question
// number, and its options without their prefixes, in one fixed order.
std::string asked(int q, const ChoiceRecord& r) {
    auto plain = [](std::string_view text) {
        std::string out;
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            char32_t c = n == 1 ? lead : lead & (0xFF >> (n + 1));
            for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
            const std::string_view bytes = text.substr(i, n);
            i += n;
            if (c >= 0xFF01 && c <= 0xFF5E) c -= 0xFEE0;  // full-width forms read as their ASCII twins
            if (c < 0x80) {
                if (std::isalnum(static_cast<int>(c))) out += static_cast<char>(c);
            } else if (!(c >= 0x2000 && c <= 0x206F) && !(c >= 0x3000 && c <= 0x303F)) {
                out += bytes;
            }
        }
        return out;
    };
    std::string_view stem = r.stem;
    if (q >= 11 && startsWith(stem, std::to_string(q))) stem.remove_prefix(std::to_string(q).size());
    std::vector<std::string> options;
    for (int i = 0; i < 4; ++i) {
        std::string o = plain(r.options[static_cast<std::size_t>(i)]);
        if (!o.empty() && o[0] == 'A' + i) o.erase(0, 1);
        options.push_back(o);
    }
    std::sort(options.begin(), options.end());
    std::string question = plain(stem);
    for (const std::string& o : options) question += '\x1f' + o;
    return question;
}

TEST(ExamBank, TwentySetsWithTheirAnswerLetters) {
    std::map<char, int> totals;
    forEachRecord([&](int s, int q, const ChoiceRecord& r) {
        ASSERT_EQ(r.answer.size(), 1u) << where(s, q);
        EXPECT_EQ(r.answer[0], kAnswers[s - 1][q - 1]) << where(s, q);
        ++totals[r.answer[0]];
    });
    EXPECT_EQ(totals['A'], 86);
    EXPECT_EQ(totals['B'], 119);
    EXPECT_EQ(totals['C'], 111);
    EXPECT_EQ(totals['D'], 84);
}

TEST(ExamBank, NoPlaceholderAndNoTwoRecordsAlike) {
    std::set<std::string> seen;
    forEachRecord(
        [&](int s, int q, const ChoiceRecord& r) {
            std::string all = std::string(r.stem) + '\x1f' + std::string(r.analysis);
            for (std::string_view o : r.options) all += '\x1f' + std::string(o);
            all += '\x1f' + std::string(r.answer);
            EXPECT_EQ(all.find("待写"), std::string::npos) << where(s, q);
            EXPECT_TRUE(seen.insert(all).second) << where(s, q) << " repeats another record";
            EXPECT_FALSE(r.stem.empty()) << where(s, q);
            EXPECT_FALSE(r.analysis.empty()) << where(s, q);
            for (std::string_view o : r.options)
                EXPECT_GT(o.size(), 3u) << where(s, q) << ": an option has text behind its prefix";
        },
        1, bank::kExamSetCount);
}

TEST(ExamBank, PrefixFormsAndTheirTotals) {
    std::map<std::string, int> totals;
    forEachRecord([&](int s, int q, const ChoiceRecord& r) {
        std::set<std::string> forms;
        for (int i = 0; i < 4; ++i) {
            const std::string form = prefixForm(r.options[static_cast<std::size_t>(i)], static_cast<char>('A' + i));
            if (!form.empty()) {
                ++totals[form];
                forms.insert(form);
            }
        }
        if ((s == 2 && q == 17) || (s == 16 && q == 11)) return;
        EXPECT_EQ(forms.size(), 1u) << where(s, q) << ": all four options share one prefix form";
        for (int i = 0; i < 4; ++i)
            EXPECT_NE(prefixForm(r.options[static_cast<std::size_t>(i)], static_cast<char>('A' + i)), "")
                << where(s, q) << " option " << static_cast<char>('A' + i);
    });
    EXPECT_EQ(totals["(A) "], 647);
    EXPECT_EQ(totals["(A)"], 671);
    EXPECT_EQ(totals["（A）"], 280);
    EXPECT_EQ(record(2, 17).options[3], "(D）控制器");
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(prefixForm(record(2, 17).options[static_cast<std::size_t>(i)], 'A' + i), "(A) ");
    EXPECT_EQ(record(16, 11).options[0], "(A计算机中最重要的应用软件");
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(prefixForm(record(16, 11).options[static_cast<std::size_t>(i)], 'A' + i), "(A)");
}

TEST(ExamBank, BlankMarkersInTheStems) {
    // Markers written inside one another are told apart by counting the wider ones first.
    const std::vector<std::pair<std::string, int>> markers = {{"（）", 234},   {"（ ）", 40},    {"（  ）", 60},
                                                              {"（   ）", 52}, {"（　）", 1},    {"( )", 5},
                                                              {"(   )", 7},    {"__________", 1}};
    std::map<std::string, int> totals;
    int withTwo = 0, withNone = 0;
    forEachRecord([&](int s, int q, const ChoiceRecord& r) {
        int blanks = 0;
        for (const auto& [marker, expected] : markers) {
            const int n = static_cast<int>(count(r.stem, marker));
            totals[marker] += n;
            blanks += n;
        }
        EXPECT_EQ(count(r.stem, "___________"), 0u) << where(s, q);
        if (blanks == 2) ++withTwo;
        if (blanks == 0) ++withNone;
        if (!(s == 8 && q == 19) && !(s == 11 && q == 8)) {
            EXPECT_EQ(blanks, 1) << where(s, q) << ": " << r.stem;
        }
    });
    for (const auto& [marker, expected] : markers) EXPECT_EQ(totals[marker], expected) << "\"" << marker << "\"";
    EXPECT_EQ(withTwo, 1);
    EXPECT_EQ(withNone, 1);
}

TEST(ExamBank, QuestionsElevenToTwentyCarryTheirNumbers) {
    forEachRecord([&](int s, int q, const ChoiceRecord& r) {
        if (q <= 10) {
            EXPECT_FALSE(r.stem[0] >= '0' && r.stem[0] <= '9') << where(s, q);
        } else if (s == 7 && q == 18) {
            EXPECT_TRUE(startsWith(r.stem, "18下列")) << r.stem;
        } else {
            EXPECT_TRUE(startsWith(r.stem, std::to_string(q) + ".")) << where(s, q) << ": " << r.stem;
        }
    });
}

TEST(ExamBank, OnlyFourTextsHaveSeveralLines) {
    auto lines = [](std::string_view t) { return count(t, "\r\n") + 1; };
    forEachRecord([&](int s, int q, const ChoiceRecord& r) {
        std::vector<std::string_view> fields = {r.stem, r.answer, r.analysis};
        fields.insert(fields.end(), r.options.begin(), r.options.end());
        for (std::string_view f : fields) {
            for (unsigned char c : f) {
                if (c < 0x20 && c != '\r' && c != '\n') ADD_FAILURE() << where(s, q) << " has a control character";
            }
            EXPECT_EQ(count(f, "\r"), count(f, "\r\n")) << where(s, q);
            EXPECT_EQ(count(f, "\n"), count(f, "\r\n")) << where(s, q);
        }
        const bool stemLines = s == 4 && q == 3;
        const bool analysisLines = (s == 5 && q == 5) || (s == 7 && q == 16) || (s == 10 && q == 5);
        if (!stemLines) {
            EXPECT_EQ(lines(r.stem), 1u) << where(s, q);
        }
        if (!analysisLines) {
            EXPECT_EQ(lines(r.analysis), 1u) << where(s, q);
        }
        for (std::string_view o : r.options) EXPECT_EQ(lines(o), 1u) << where(s, q);
    });
    EXPECT_EQ(lines(record(4, 3).stem), 4u);
    EXPECT_EQ(lines(record(5, 5).analysis), 4u);
    EXPECT_EQ(lines(record(7, 16).analysis), 5u);
    EXPECT_EQ(lines(record(10, 5).analysis), 8u);
}

TEST(ExamBank, LeadingAndTrailingBlanks) {
    int optionsEnding = 0, analysesEnding = 0, analysesBeginning = 0;
    forEachRecord([&](int s, int q, const ChoiceRecord& r) {
        EXPECT_NE(r.stem.front(), ' ') << where(s, q);
        EXPECT_NE(r.stem.back(), ' ') << where(s, q);
        for (std::string_view o : r.options) optionsEnding += o.back() == ' ';
        analysesEnding += r.analysis.back() == ' ';
        analysesBeginning += r.analysis.front() == ' ';
    });
    EXPECT_EQ(optionsEnding, 40);
    EXPECT_EQ(analysesEnding, 26);
    EXPECT_EQ(analysesBeginning, 10);
}

TEST(ExamBank, TheQuotedRecordsStandAsGiven) {
    const ChoiceRecord& cache = record(1, 11);
    EXPECT_EQ(cache.stem, "11.Cache的含义是（）。");
    EXPECT_EQ(cache.options, (std::array<std::string_view, 4>{"(A) 高速缓冲存储器", "(B) 只读存储器", "(C) 虚拟存储器",
                                                              "(D) 随机存储器"}));
    EXPECT_EQ(cache.analysis, "Cache的含义是高速缓冲存储器，是为了协调CPU和RAM之间的速度差问题。");
    const ChoiceRecord& octal = record(3, 12);
    EXPECT_EQ(octal.stem, "12.八进制数765转换成二进制数为（   ）。");
    EXPECT_EQ(octal.options,
              (std::array<std::string_view, 4>{"(A)111111101", "(B)111110101", "(C)10111101", "(D)11001101"}));
    EXPECT_EQ(octal.analysis, "八进制数转换为二进制数的规则是将每位八进制数用3位二进制数替换即可。");
    const ChoiceRecord& dfd = record(3, 6);
    EXPECT_EQ(dfd.stem, "在结构化方法中，用数据流程图（DFD）作为描述工具的软件开发阶段是（）");
    EXPECT_EQ(dfd.options,
              (std::array<std::string_view, 4>{"（A）可行性分析", "（B）需求分析", "（C）详细设计", "（D）程序编码"}));
    EXPECT_EQ(
        dfd.analysis,
        "软件开发阶段包括需求分析、总体设计、详细设计、编码和测试5个阶段。其中需求分析阶段常用的工具是数据流图和数据字典。");

    EXPECT_EQ(record(4, 3).stem,
              "二叉树前序遍历和中序遍历序列如下：\r\n前序遍历序列：EFHIGJK；\r\n中序遍历序列：HFIEJKG；\r\n"
              "则该二叉树根结点的右子树的根为（）。");
    EXPECT_EQ(record(4, 3).options, (std::array<std::string_view, 4>{"(A) E", "(B) F", "(C) G", "(D) H"}));
    EXPECT_EQ(record(5, 5).analysis,
              "信息隐藏是指在一个模块内包含的信息（过程或数据），对于不需要这些信息的其他模块来说是不能访问的。\r\n"
              " 模块独立性是指每个模块只完成系统要求的独立的子功能，并且与其他模块的联系最少且接口简单。\r\n"
              " 衡量软件的模块独立性的度量标准是耦合性和内聚性。一个模块的内聚性越强，则该模块的模块独立性越强。\r\n"
              " 而内聚性是信息隐藏和局部化概念的自然扩长。");
    EXPECT_EQ(record(7, 16).analysis,
              "计算机网络技术中常见的英文名词和缩写分别为： \r\n局域网：Local Area Network——LAN\r\n"
              "广域网：Wide Area Network——WAN + \r\n城域网： Metropolitan Area Network——MAN\r\n互联网：Internet");
    std::string_view lifeCycle = record(10, 5).analysis;
    const char* const stages[] = {
        "①可行性研究和计划制定", "②需求分析", "③软件设计", "④软件实现", "⑤软件测试", "⑥运行和维护"};
    EXPECT_NE(lifeCycle.find("\r\n 软件生命周期的主要活动阶段为：\r\n"), std::string_view::npos);
    for (const char* stage : stages) EXPECT_NE(lifeCycle.find(std::string("\r\n ") + stage), std::string_view::npos);

    EXPECT_EQ(record(7, 18).stem, "18下列介质中,不能作为计算机网络的传输介质的是（）。");
    EXPECT_EQ(record(6, 15).stem, "15.键盘上的Shift 键称为__________");
    EXPECT_EQ(
        record(8, 19).stem,
        "19.IP协议位于（）层,主要将不同格式的物理地址转换为统一的IP地址，将不同格式的帧转换为IP数据报并提供给传输层。("
        "   )。");
    EXPECT_EQ(record(11, 8).stem, "为用户与数据库系统提供接口的语言是。");
    EXPECT_EQ(record(17, 15).stem, "15.（　）都属于计算机的低级语言");
    EXPECT_EQ(record(16, 1).options[3], "(D) （A）和（B）");
    EXPECT_TRUE(record(19, 2).stem.ends_with("（ ）\"")) << record(19, 2).stem;
    EXPECT_TRUE(record(20, 6).analysis.ends_with("' ")) << record(20, 6).analysis;
}

TEST(ExamBank, RepeatedQuestionsAreFullWidthRewordingsOfTheirFirstForm) {
    struct Repeat {
        int set, from;
        std::vector<int> questions;
    };
    const std::vector<Repeat> repeats = {{18, 11, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                         {19, 13, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
                                         {20, 12, {1, 2, 4, 5, 6, 7, 8, 9, 10}}};
    for (const Repeat& r : repeats) {
        for (int q : r.questions) {
            const ChoiceRecord& again = record(r.set, q);
            const ChoiceRecord& first = record(r.from, q);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(prefixForm(again.options[static_cast<std::size_t>(i)], static_cast<char>('A' + i)), "（A）")
                    << where(r.set, q);
            EXPECT_NE(again.stem, first.stem) << where(r.set, q) << " differs in wording from its first form";
        }
    }
    EXPECT_EQ(record(19, 1).answer, "B");
    EXPECT_EQ(record(13, 1).answer, "C");
    EXPECT_EQ(record(20, 9).answer, "A");
    EXPECT_EQ(record(12, 9).answer, "D");
}

TEST(ExamBank, AnAnalysisThatNamesTheAnswerNamesTheKey) {
    const std::regex named("(答案|故选|应选|所以选|因此选|正确选项)(为|是|：|:)?[ ]?([A-D])");
    forEachRecord(
        [&](int s, int q, const ChoiceRecord& r) {
            const std::string analysis(r.analysis);
            for (auto it = std::sregex_iterator(analysis.begin(), analysis.end(), named); it != std::sregex_iterator();
                 ++it)
                EXPECT_EQ((*it)[3].str(), std::string(r.answer)) << where(s, q) << ": " << analysis;
        },
        1, bank::kExamSetCount);
}

TEST(ExamBank, SetsTwentyOneToFortyFollowThePlanOfTheFirstTwenty) {
    const std::vector<std::string> markers = {"（）", "（ ）", "（  ）", "（   ）", "( )", "(   )"};
    // A question is its stem with its options; generic stems such as "下列叙述中，正确的是" recur.
    auto question = [](const ChoiceRecord& r) {
        std::string q(r.stem);
        for (std::string_view o : r.options) q += '\x1f' + std::string(o.substr(std::min<std::size_t>(o.size(), 4)));
        return q;
    };
    std::set<std::string> asked;
    forEachRecord([&](int, int, const ChoiceRecord& r) { asked.insert(question(r)); });
    for (int s = 21; s <= bank::kExamSetCount; ++s) {
        std::string letters;
        for (int q = 1; q <= 20; ++q) {
            const ChoiceRecord& r = record(s, q);
            ASSERT_EQ(r.answer.size(), 1u) << where(s, q);
            ASSERT_TRUE(r.answer[0] >= 'A' && r.answer[0] <= 'D') << where(s, q);
            letters += r.answer;
            const std::string number = std::to_string(q) + ".";
            if (q >= 11)
                EXPECT_TRUE(startsWith(r.stem, number)) << where(s, q);
            else
                EXPECT_FALSE(r.stem[0] >= '0' && r.stem[0] <= '9') << where(s, q);
            const std::string form = prefixForm(r.options[0], 'A');
            EXPECT_FALSE(form.empty()) << where(s, q);
            for (int o = 0; o < 4; ++o) {
                const std::string_view option = r.options[static_cast<std::size_t>(o)];
                EXPECT_EQ(prefixForm(option, static_cast<char>('A' + o)), form) << where(s, q) << " option " << o;
            }
            int marked = 0;
            for (const std::string& m : markers) marked += static_cast<int>(count(r.stem, m));
            EXPECT_EQ(marked, 1) << where(s, q) << ": " << r.stem;
            for (std::string_view text : {r.stem, r.analysis, r.options[0], r.options[1], r.options[2], r.options[3]}) {
                EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos) << where(s, q);
                EXPECT_FALSE(text.empty() || text.front() == ' ' || text.back() == ' ') << where(s, q);
            }
            EXPECT_TRUE(asked.insert(question(r)).second) << where(s, q) << " asks a question already asked";
        }
        // Every letter is used, and no run of one letter gives the key away.
        for (char l : std::string("ABCD")) EXPECT_NE(letters.find(l), std::string::npos) << s << ": " << letters;
        EXPECT_FALSE(std::regex_search(letters, std::regex("(.)\\1\\1\\1"))) << s << ": " << letters;
    }
}

TEST(ExamBank, SetsTwentyOneToFortyAskNoQuestionOfTheBankAgain) {
    // The planned repeats of sets 18 to 20 fold together, which shows that the comparison sees
    // through prefixes and punctuation; sets 1 to 20 may repeat among themselves.
    EXPECT_EQ(asked(8, record(11, 8)), asked(8, record(18, 8)));
    std::map<std::string, std::vector<std::pair<int, int>>> places;
    forEachRecord([&](int s, int q, const ChoiceRecord& r) { places[asked(q, r)].emplace_back(s, q); }, 1,
                  bank::kExamSetCount);
    for (const auto& [question, at] : places) {
        if (at.size() < 2 || at.back().first <= 20) continue;
        std::string list;
        for (const auto& [s, q] : at) list += " " + where(s, q) + ";";
        ADD_FAILURE() << "one question asked at" << list;
    }
}

}  // namespace
