// Shape checks for the nine practical cases and the chooser's introduction: the
// loader and the windows rely on these counts, prefixes and verbatim lines.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "cases/case_content.h"

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kMaterialRoot = "C:\\PowerPointZentrix\\素材\\实战模拟\\实例";
constexpr std::string_view kMaterialTail = "素材\\实战模拟\\实例";

// ---- helpers shared by every case ----------------------------------------------

std::size_t leadingBlanks(std::string_view line) {
    std::size_t n = 0;
    while (n < line.size() && line[n] == ' ') ++n;
    return n;
}

bool startsWithWhitespace(std::string_view line) {
    return line.starts_with(' ') || line.starts_with('\t') || line.starts_with("　"sv);
}

// Leading ASCII digits as a number, and what follows them.
struct Numbered {
    int value;
    std::string_view rest;
};

std::optional<Numbered> takeNumber(std::string_view text) {
    std::size_t i = 0;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    if (i == 0) return std::nullopt;
    return Numbered{value, text.substr(i)};
}

// Lines are UTF-8 text, so a literal cut in the middle of a character shows here.
bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t follow = 0;
        unsigned char low = 0x80, high = 0xBF;  // allowed range of the first continuation byte
        if (lead < 0x80) follow = 0;
        else if (lead >= 0xC2 && lead <= 0xDF) follow = 1;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else return false;
        if (follow > text.size() - i - 1) return false;
        for (std::size_t k = 1; k <= follow; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (k == 1 ? (byte < low || byte > high) : (byte & 0xC0) != 0x80) return false;
        }
        i += follow + 1;
    }
    return true;
}

std::string where(std::string_view part, std::size_t index, std::string_view line) {
    return std::string(part) + " line " + std::to_string(index + 1) + ": \"" + std::string(line) + "\"";
}

// No line is empty, and none breaks a line of its own: the loader puts the breaks.
void expectCleanLines(const Lines& lines, std::string_view part) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(where(part, i, lines[i]));
        EXPECT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i].find_first_of("\r\n"), std::string_view::npos);
        EXPECT_TRUE(isValidUtf8(lines[i]));
    }
}

// "打开素材" opens the case's own folder; a text pointing elsewhere would send the
// learner to another case's files.
void expectMaterialReferencesName(const Lines& lines, int caseNumber, std::string_view part) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(where(part, i, lines[i]));
        const std::string_view line = lines[i];
        for (std::size_t at = line.find(kMaterialTail); at != std::string_view::npos;
             at = line.find(kMaterialTail, at + kMaterialTail.size())) {
            const std::size_t rootStart = kMaterialRoot.size() - kMaterialTail.size();
            ASSERT_GE(at, rootStart) << "material folder without its root";
            EXPECT_EQ(line.substr(at - rootStart, kMaterialRoot.size()), kMaterialRoot);
            const auto number = takeNumber(line.substr(at + kMaterialTail.size()));
            ASSERT_TRUE(number.has_value()) << "material folder without a case number";
            EXPECT_EQ(number->value, caseNumber);
        }
    }
}

// A line made of exactly `blanks` blanks and then the rest, which starts with no blank.
void expectLedBy(std::string_view line, std::size_t blanks) {
    EXPECT_EQ(leadingBlanks(line), blanks);
    EXPECT_FALSE(startsWithWhitespace(line.substr(leadingBlanks(line))));
}

// ---- section build (cases 1 to 5) ----------------------------------------------

using Headings = std::array<std::string_view, 8>;

constexpr Headings kHeadingsOfCase1{
    "（1）制作幻灯片", "（2）为幻灯片应用主题", "（3）建立链接", "（4）设置幻灯片动画效果",
    "（5）设置幻灯片切换效果", "（6）设置幻灯片放映方式", "（7）设置背景音乐效果", "（8）保存演示文稿",
};
constexpr Headings kHeadingsOfCase3{
    "（1）制作幻灯片", "（2）为幻灯片应用主题", "（3）设置幻灯片动画效果", "（4）设置幻灯片切换效果",
    "（5）设置幻灯片放映方式", "（6）设置背景音乐效果", "（7）保存演示文稿", "（8）转换放映格式",
};
constexpr Headings kHeadingsOfCase4{
    "（1）制作母版", "（2）制作幻灯片", "（3）设置链接", "（4）设置幻灯片动画效果",
    "（5）设置幻灯片切换效果", "（6）设置幻灯片放映方式", "（7）保存演示文稿", "（8）转换放映格式",
};

struct SectionShape {
    int number;
    const cases::SectionCase& (*content)();
    std::size_t textLines;
    Headings headings;
    std::array<std::size_t, 8> sectionLines;  // heading included
    std::size_t stepLines;
    std::size_t saveSection;  // index of "保存演示文稿"
};

const std::array<SectionShape, 5> kSectionShapes{{
    {1, &cases::case1Content, 12, kHeadingsOfCase1, {67, 4, 11, 126, 6, 4, 4, 2}, 224, 7},
    {2, &cases::case2Content, 12, kHeadingsOfCase1, {77, 4, 14, 92, 6, 4, 4, 2}, 203, 7},
    {3, &cases::case3Content, 13, kHeadingsOfCase3, {70, 4, 73, 6, 4, 4, 2, 4}, 167, 6},
    {4, &cases::case4Content, 13, kHeadingsOfCase4, {9, 28, 9, 51, 6, 4, 2, 4}, 113, 6},
    {5, &cases::case5Content, 13, kHeadingsOfCase4, {13, 22, 4, 39, 6, 4, 2, 4}, 94, 6},
}};

constexpr std::string_view kSavePrefix = "   最后单击快速工具栏中的“保存”按钮，将演示文稿以“";
constexpr std::string_view kSaveSuffix = "”为名将其保存即可。";

// The presentation name that a save line gives, or nothing when the line has another form.
std::optional<std::string_view> savedName(std::string_view line) {
    if (!line.starts_with(kSavePrefix) || !line.ends_with(kSaveSuffix)) return std::nullopt;
    if (line.size() < kSavePrefix.size() + kSaveSuffix.size()) return std::nullopt;
    return line.substr(kSavePrefix.size(), line.size() - kSavePrefix.size() - kSaveSuffix.size());
}

void PrintTo(const SectionShape& shape, std::ostream* os) { *os << "实例" << shape.number; }

class SectionCaseTest : public ::testing::TestWithParam<SectionShape> {};

TEST_P(SectionCaseTest, TextFollowsTheBackgroundMaterialLayout) {
    const SectionShape& shape = GetParam();
    const Lines& text = shape.content().text;
    ASSERT_EQ(text.size(), shape.textLines);
    expectCleanLines(text, "text");

    EXPECT_EQ(text[0], "    在素材中打开工作簿文档YSWG.pptx，按照要求完成下列操作并以该文件名（YSWG.pptx）保存文档。");
    EXPECT_EQ(text[1], "    【背景素材】");
    EXPECT_EQ(text[4], "    （1）文字资料");
    EXPECT_EQ(text[6], "    （2）制作要求：");

    SCOPED_TRACE(where("text", 2, text[2]));
    expectLedBy(text[2], 4);

    constexpr std::string_view kProviderHead = "    下面是";
    constexpr std::string_view kProviderTail = "提供的文字资料以及制作要求：";
    EXPECT_TRUE(text[3].starts_with(kProviderHead)) << text[3];
    EXPECT_TRUE(text[3].ends_with(kProviderTail)) << text[3];
    EXPECT_GT(text[3].size(), kProviderHead.size() + kProviderTail.size()) << "no provider named";
    expectLedBy(text[3], 4);

    expectLedBy(text[5], 9);
    EXPECT_TRUE(text[5].ends_with("你可以从中取得制作PPT所需的素材。")) << text[5];
    const std::size_t open = text[5].find("“");
    ASSERT_NE(open, std::string_view::npos) << "the Word document is not named in quotes";
    EXPECT_NE(text[5].find("”", open), std::string_view::npos) << text[5];

    const std::size_t requirements = shape.textLines - 7;
    for (std::size_t k = 1; k <= requirements; ++k) {
        const std::string_view line = text[6 + k];
        SCOPED_TRACE(where("text", 6 + k, line));
        expectLedBy(line, 5);
        const auto number = takeNumber(line.substr(leadingBlanks(line)));
        ASSERT_TRUE(number.has_value());
        EXPECT_EQ(number->value, static_cast<int>(k));
        EXPECT_TRUE(number->rest.starts_with(")"));
        EXPECT_GT(number->rest.size(), 1u);
    }
    if (requirements == 6) {
        EXPECT_NE(text.back().find("放映"), std::string_view::npos)
            << "the sixth requirement converts the presentation to the slide-show type";
    }
}

TEST_P(SectionCaseTest, SectionsHaveTheirHeadingsAndLineCounts) {
    const SectionShape& shape = GetParam();
    const auto& sections = shape.content().sections;
    std::size_t total = 0;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        SCOPED_TRACE("section " + std::to_string(s + 1));
        ASSERT_FALSE(sections[s].empty());
        EXPECT_EQ(sections[s].front(), shape.headings[s]);
        EXPECT_EQ(sections[s].size(), shape.sectionLines[s]);
        total += sections[s].size();
        expectCleanLines(sections[s], "section " + std::to_string(s + 1));
    }
    EXPECT_EQ(total, shape.stepLines);
}

// Inside a section a line is a sub-heading " * title", a step "   [n]text" numbered
// from 1 under each heading or sub-heading, or a plain line without leading blanks.
TEST_P(SectionCaseTest, SectionLinesAreSubHeadingsStepsOrPlainText) {
    const SectionShape& shape = GetParam();
    const auto& sections = shape.content().sections;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        if (s == shape.saveSection) continue;
        const Lines& section = sections[s];
        int lastStep = 0;
        for (std::size_t i = 1; i < section.size(); ++i) {
            const std::string_view line = section[i];
            SCOPED_TRACE(where("section " + std::to_string(s + 1), i, line));
            switch (leadingBlanks(line)) {
                case 0:
                    EXPECT_FALSE(startsWithWhitespace(line));
                    break;
                case 1:
                    EXPECT_TRUE(line.starts_with(" * ")) << "a sub-heading is \" * \" and a title";
                    EXPECT_GT(line.size(), 3u);
                    EXPECT_FALSE(startsWithWhitespace(line.substr(3)));
                    lastStep = 0;
                    break;
                case 3: {
                    const std::string_view body = line.substr(3);
                    ASSERT_TRUE(body.starts_with("[")) << "a step is \"   [n]\" and its text";
                    const auto number = takeNumber(body.substr(1));
                    ASSERT_TRUE(number.has_value());
                    EXPECT_EQ(number->value, lastStep + 1) << "steps are numbered consecutively";
                    lastStep = number->value;
                    ASSERT_TRUE(number->rest.starts_with("]"));
                    EXPECT_GT(number->rest.size(), 1u);
                    EXPECT_FALSE(startsWithWhitespace(number->rest.substr(1)));
                    break;
                }
                default:
                    ADD_FAILURE() << "no line form has " << leadingBlanks(line) << " leading blanks";
            }
        }
    }
}

TEST_P(SectionCaseTest, SaveSectionNamesThePresentation) {
    const SectionShape& shape = GetParam();
    const Lines& save = shape.content().sections[shape.saveSection];
    ASSERT_EQ(save.size(), 2u);
    const auto name = savedName(save[1]);
    ASSERT_TRUE(name.has_value()) << save[1];
    EXPECT_FALSE(name->empty());
    if (shape.number == 1) {
        EXPECT_EQ(save[1], "   最后单击快速工具栏中的“保存”按钮，将演示文稿以“水资源利用与节水”为名将其保存即可。");
    }
}

TEST_P(SectionCaseTest, MaterialReferencesNameTheirOwnCase) {
    const SectionShape& shape = GetParam();
    const cases::SectionCase& content = shape.content();
    expectMaterialReferencesName(content.text, shape.number, "text");
    for (std::size_t s = 0; s < content.sections.size(); ++s) {
        expectMaterialReferencesName(content.sections[s], shape.number, "section " + std::to_string(s + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases1To5, SectionCaseTest, ::testing::ValuesIn(kSectionShapes),
                         [](const auto& info) { return "Case" + std::to_string(info.param.number); });

TEST(SectionCases, EachSavesItsOwnPresentation) {
    std::set<std::string_view> names;
    for (const SectionShape& shape : kSectionShapes) {
        const Lines& save = shape.content().sections[shape.saveSection];
        ASSERT_EQ(save.size(), 2u) << "case " << shape.number;
        const auto name = savedName(save[1]);
        ASSERT_TRUE(name.has_value()) << "case " << shape.number;
        EXPECT_TRUE(names.insert(*name).second) << "case " << shape.number << " reuses \"" << *name << "\"";
    }
}

// ---- line build (cases 6 to 9) -------------------------------------------------

struct LineShape {
    int number;
    const cases::LineCase& (*content)();
    std::size_t textLines;
    std::size_t textBlanks;
    std::size_t stepLines;
    std::vector<int> stepsPerRequirement;
};

const std::array<LineShape, 4>& lineShapes() {
    static const std::array<LineShape, 4> shapes{{
        {6, &cases::case6Content, 9, 3, 35, {7, 2, 6, 5, 1, 1, 1, 3}},
        {7, &cases::case7Content, 9, 2, 27, {4, 3, 2, 2, 1, 3, 2, 1}},
        {8, &cases::case8Content, 7, 2, 23, {3, 2, 4, 4, 2, 1}},
        {9, &cases::case9Content, 8, 2, 27, {2, 3, 2, 3, 3, 2, 4}},
    }};
    return shapes;
}

void PrintTo(const LineShape& shape, std::ostream* os) { *os << "实例" << shape.number; }

class LineCaseTest : public ::testing::TestWithParam<LineShape> {};

TEST_P(LineCaseTest, TextIsScenarioThenNumberedRequirements) {
    const LineShape& shape = GetParam();
    const Lines& text = shape.content().text;
    ASSERT_EQ(text.size(), shape.textLines);
    ASSERT_EQ(text.size() - 1, shape.stepsPerRequirement.size());
    expectCleanLines(text, "text");

    for (std::size_t i = 0; i < text.size(); ++i) {
        SCOPED_TRACE(where("text", i, text[i]));
        expectLedBy(text[i], shape.textBlanks);
        const std::string_view body = text[i].substr(leadingBlanks(text[i]));
        const auto number = takeNumber(body);
        if (i == 0) {
            EXPECT_FALSE(number.has_value() && number->rest.starts_with(".")) << "the scenario comes first";
            continue;
        }
        ASSERT_TRUE(number.has_value());
        EXPECT_EQ(number->value, static_cast<int>(i));
        EXPECT_TRUE(number->rest.starts_with("."));
        EXPECT_GT(number->rest.size(), 1u);
    }
}

// "【解题步骤】", then per requirement k "第k小题:" and its steps "步骤1：", "步骤2：" ...
// (or "步骤n: "), a lone step being "步骤：" or "步骤: ".
TEST_P(LineCaseTest, StepsFollowTheRequirements) {
    const LineShape& shape = GetParam();
    const Lines& steps = shape.content().steps;
    ASSERT_EQ(steps.size(), shape.stepLines);
    expectCleanLines(steps, "steps");
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.front(), "【解题步骤】");

    std::size_t i = 1;
    for (std::size_t k = 1; k <= shape.stepsPerRequirement.size(); ++k) {
        ASSERT_LT(i, steps.size()) << "steps end before requirement " << k;
        EXPECT_EQ(steps[i], "第" + std::to_string(k) + "小题:");
        ++i;
        const int count = shape.stepsPerRequirement[k - 1];
        for (int n = 1; n <= count; ++n, ++i) {
            ASSERT_LT(i, steps.size()) << "steps end inside requirement " << k;
            const std::string_view line = steps[i];
            SCOPED_TRACE(where("steps", i, line));
            const std::string label = count == 1 ? "步骤" : "步骤" + std::to_string(n);
            ASSERT_TRUE(line.starts_with(label));
            std::string_view rest = line.substr(label.size());
            if (rest.starts_with("：")) rest.remove_prefix("："sv.size());
            else if (rest.starts_with(": ")) rest.remove_prefix(2);
            else ADD_FAILURE() << "a step label ends with \"：\" or \": \"";
            EXPECT_FALSE(rest.empty());
            EXPECT_FALSE(startsWithWhitespace(rest));
        }
    }
    EXPECT_EQ(i, steps.size()) << "lines left over after the last requirement";

    for (std::size_t j = 0; j < steps.size(); ++j) {
        SCOPED_TRACE(where("steps", j, steps[j]));
        EXPECT_FALSE(startsWithWhitespace(steps[j]));
    }
}

TEST_P(LineCaseTest, LastStepSavesAndClosesTheFile) {
    const Lines& steps = GetParam().content().steps;
    ASSERT_FALSE(steps.empty());
    EXPECT_NE(steps.back().find("保存"), std::string_view::npos) << steps.back();
    EXPECT_NE(steps.back().find("关闭"), std::string_view::npos) << steps.back();
}

TEST_P(LineCaseTest, MaterialReferencesNameTheirOwnCase) {
    const LineShape& shape = GetParam();
    expectMaterialReferencesName(shape.content().text, shape.number, "text");
    expectMaterialReferencesName(shape.content().steps, shape.number, "steps");
}

INSTANTIATE_TEST_SUITE_P(Cases6To9, LineCaseTest, ::testing::ValuesIn(lineShapes()),
                         [](const auto& info) { return "Case" + std::to_string(info.param.number); });

// ---- the chooser's introduction ------------------------------------------------

TEST(ChooserIntroduction, SixParagraphsOneSentencePerField) {
    const Lines& paragraphs = cases::chooserIntroduction();
    ASSERT_EQ(paragraphs.size(), 6u);
    expectCleanLines(paragraphs, "introduction");
    EXPECT_EQ(paragraphs[0],
              "    实战模拟为您精心挑选了Office在办公管理、财务会计、商务应用、政务办公、文教事业等领域的实际案例。");

    constexpr std::array<std::string_view, 5> kFields{"办公管理", "财务", "商务", "政务", "文教"};
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        SCOPED_TRACE(where("introduction", i, paragraphs[i]));
        expectLedBy(paragraphs[i], 4);
        if (i == 0) continue;
        EXPECT_NE(paragraphs[i].find(kFields[i - 1]), std::string_view::npos);
        EXPECT_TRUE(paragraphs[i].ends_with("。"));
        EXPECT_EQ(paragraphs[i].find("。"), paragraphs[i].size() - "。"sv.size()) << "one sentence";
    }
}

}  // namespace
