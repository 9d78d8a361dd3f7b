// The case window's office operations through the recording platform, by the calls
// they hand the office programs in order, and the mock-exam texts by their shapes.
#include <algorithm>

#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/mock_exam_content.h"
#include "exercises/form27.h"
#include "navigation/form60.h"
#include "support/trainer_test.h"

using namespace forms;

namespace {

std::string shown(const platform::AutomationValue& v) {
    if (const auto* s = std::get_if<std::string>(&v)) return '"' + *s + '"';
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "True" : "False";
    if (const auto* i = std::get_if<int>(&v)) return std::to_string(*i);
    return "Empty";
}

// Each call as "object.member(arguments)", a property set as "object.member = value".
std::vector<std::string> officeCalls() {
    std::vector<std::string> out;
    for (const auto& c : testing_support::recorder().automation) {
        std::string line = c.object + "." + c.member;
        if (c.property) {
            line += " = " + shown(c.arguments.at(0));
        } else {
            line += "(";
            for (std::size_t i = 0; i < c.arguments.size(); ++i) line += (i ? ", " : "") + shown(c.arguments[i]);
            line += ")";
        }
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> split(const std::string& text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    for (std::size_t lf; (lf = text.find('\n', start)) != std::string::npos; start = lf + 1)
        lines.push_back(text.substr(start, lf - start));
    lines.push_back(text.substr(start));
    return lines;
}

class DocumentOperationsTest : public TrainerTest {
protected:
    static Form16& openCase() {
        form<Form60>().Show();
        form<Form60>().Command4.click();
        form<Form10>().Combo1.pick(0);
        form<Form10>().Command2.click();
        return form<Form16>();
    }
    static void pickMockSet(int k) { form<Form16>().MockExamSetItems.at(static_cast<std::size_t>(k - 1))->click(); }
};

TEST_F(DocumentOperationsTest, TheOfficeMenuMakesEachProgramsCallsInOrder) {
    Form16& window = openCase();
    ASSERT_TRUE(window.Visible());
    window.WordDocumentItem.click();
    window.WorkbookItem.click();
    window.PresentationItem.click();
    window.NewPresentation2();
    EXPECT_EQ(shell().createdObjects, (std::vector<std::string>{"word.basic", "excel.application",
                                                                "Powerpoint.Application", "Powerpoint.Application"}));
    const std::vector<std::string> presentation{"Powerpoint.Application.Visible = -1",
                                                "Powerpoint.Application.Presentations()",
                                                "Powerpoint.Application.Presentations.Add(-1)"};
    std::vector<std::string> expected{"word.basic.appshow()",
                                      "word.basic.filenew()",
                                      "excel.application.Visible = True",
                                      "excel.application.Workbooks()",
                                      "excel.application.Workbooks.Add()",
                                      "excel.application.SheetsInNewWorkbook = 5"};
    for (int twice = 0; twice < 2; ++twice) expected.insert(expected.end(), presentation.begin(), presentation.end());
    EXPECT_EQ(officeCalls(), expected);
    EXPECT_TRUE(shell().messageBoxes.empty());
}

TEST_F(DocumentOperationsTest, AMockSetIsTypedIntoANewDocumentOnlyWhenTheSelectionNamesOne) {
    Form16& window = openCase();
    window.BuildMockExamDocuments();  // "实例1"
    setCurrentSelection("全真模拟试题（第7套）");
    window.BuildMockExamDocuments();
    setCurrentSelection("全真模拟试题(第4套)");  // half-width parentheses name no set
    window.BuildMockExamDocuments();
    EXPECT_TRUE(shell().createdObjects.empty());

    setCurrentSelection("实例1");
    pickMockSet(4);
    EXPECT_EQ(CurrentSelection(), "实例1") << "the chosen case is the selection again";
    pickMockSet(6);
    EXPECT_EQ(officeCalls(), (std::vector<std::string>{"word.basic.appshow()", "word.basic.filenew()",
                                                       "word.basic.Insert(\"会议管理流程\")", "word.basic.appshow()",
                                                       "word.basic.filenew()", "word.basic.Insert(\"\")"}));
}

TEST_F(DocumentOperationsTest, AMissingOfficeSuiteGivesOneOkNoticeAndNothingElse) {
    Form16& window = openCase();
    shell().objectsAvailable = false;
    window.WorkbookItem.click();
    ASSERT_EQ(shell().messageBoxes.size(), 1u);
    EXPECT_EQ(shell().messageBoxes[0].style, vbOKOnly);
    EXPECT_NE(shell().messageBoxes[0].prompt.find("LibreOffice"), std::string::npos);
    EXPECT_TRUE(shell().automation.empty());
    EXPECT_TRUE(window.Visible());
}

TEST_F(DocumentOperationsTest, PracticeNotesRewriteTheOneNoticeWindow) {
    Form16& window = openCase();
    window.NotesItem.click();
    window.ShowPracticeNotes();
    EXPECT_TRUE(isShown<Form27>());
    EXPECT_EQ(split(form<Form27>().Label1.Caption()).size(), 3u);
    EXPECT_EQ(form<Form27>().Label1.Caption(), cases::kOfficePracticeNotes);
    const auto captions = shownCaptions();
    EXPECT_EQ(std::count(captions.begin(), captions.end(), form<Form27>().Caption()), 1);
    EXPECT_EQ(std::string(cases::kOfficePracticeNotes).find('\r'), std::string::npos);
}

TEST(MockExamDocuments, EachSetHasTheShapeItsTaskNeeds) {
    const auto& sets = cases::mockExamDocuments();
    std::vector<std::size_t> counts;
    for (const Lines& set : sets) {
        counts.push_back(set.size());
        for (std::string_view line : set) EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos) << line;
    }
    EXPECT_EQ(counts, (std::vector<std::size_t>{17, 5, 50, 1, 0, 0}));

    const Lines& notice = sets[0];
    const std::vector<std::string_view> prefixes{"报告题目：", "报告人：", "报告日期：", "报告时间：", "报告地点："};
    for (std::size_t i = 0; i < prefixes.size(); ++i) EXPECT_TRUE(notice[2 + i].starts_with(prefixes[i])) << i;
    EXPECT_EQ((Lines{notice[7], notice[8], notice[11], notice[12], notice[13], notice[14], notice[15]}),
              (Lines{"欢迎大家踊跃参加！", "主办：校学工处", "日程安排：", "", "报名流程：", "", "报告人介绍："}));
    EXPECT_TRUE(notice[1].empty() && notice[9].empty() && !notice[0].empty() && !notice[10].empty());
    EXPECT_GT(notice[16].size(), 60u) << "a paragraph on the speaker";

    const Lines& announcement = sets[1];
    EXPECT_TRUE(announcement[0].ends_with("特公告如下："));
    EXPECT_TRUE(announcement[1].starts_with("（一）  ") && announcement[1].substr(11, 1) != " ");
    EXPECT_TRUE(announcement[2].starts_with("（二）  ") && announcement[2].substr(11, 1) != " ");
    EXPECT_EQ((Lines{announcement[3], announcement[4]}), (Lines{"特此公告", "2010年9月16日"}));

    const Lines& book = sets[2];
    EXPECT_EQ(book[1], "姓名 部门 联系电话 详细住址 电子邮件");
    const std::string joined = joinLines(book, "\n");
    EXPECT_EQ(std::count(joined.begin(), joined.end(), '\n'), 49);
    const std::vector<std::string_view> departments{"财务部", "销售部", "生产部", "人事部", "行政部"};
    for (std::size_t i = 2; i < 50; ++i) {
        EXPECT_EQ(book[i], book[2 + (i - 2) % 12]) << "line " << i + 1;
        std::vector<std::string> fields;
        std::string line(book[i]);
        for (std::size_t start = 0, blank;; start = blank + 1) {
            blank = line.find(' ', start);
            fields.push_back(line.substr(start, blank - start));
            if (blank == std::string::npos) break;
        }
        ASSERT_EQ(fields.size(), 5u) << line;
        EXPECT_NE(std::find(departments.begin(), departments.end(), fields[1]), departments.end()) << line;
        EXPECT_TRUE(fields[2].size() == 11 && fields[2].substr(3, 5) == "*****" &&
                    std::all_of(fields[2].begin(), fields[2].begin() + 3, ::isdigit) &&
                    std::all_of(fields[2].end() - 3, fields[2].end(), ::isdigit))
            << line;
        EXPECT_TRUE(fields[3].ends_with("小区**号") && fields[3].size() > std::string("小区**号").size()) << line;
        const std::string domain = fields[4].substr(fields[4].find('@') + 1);
        EXPECT_TRUE(domain == "example.com" || domain == "example.net" || domain == "example.org") << line;
    }
    EXPECT_EQ(sets[3], (Lines{"会议管理流程"}));
}

}  // namespace
