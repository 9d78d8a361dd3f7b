// The case road, driven as a learner clicks: hub, chooser, case window, steps window
// and back; and the loader's tables.
#include "cases/case_content.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "cases/form31.h"
#include "navigation/form60.h"
#include "navigation/form8.h"
#include "navigation/notice_windows.h"
#include "support/trainer_test.h"

using namespace forms;
using namespace Module1;

namespace {

std::string sectionSteps(const cases::SectionCase& c) {
    std::string out;
    for (std::size_t i = 0; i < c.sections.size(); ++i) {
        if (i > 0) out += kCrLf;
        out += joinLines(c.sections[i]);
    }
    return out;
}

// The line build puts a line break before every line.
std::string everyLineAfterABreak(const Lines& lines) {
    std::string out;
    for (std::string_view line : lines) (out += kCrLf) += line;
    return out;
}

std::string explorer(const std::string& folder) { return "explorer /n," + folder; }

class CaseRoadTest : public TrainerTest {
protected:
    void openChooser() {
        form<Form60>().Show();
        form<Form60>().Command4.click();
    }
    // Picks a listed case, or types any other text, then confirms.
    void confirm(const std::string& selection) {
        auto& combo = form<Form10>().Combo1;
        const int index = caseNumber(selection) - 1;
        if (index >= 0 && combo.List(index) == selection)
            combo.pick(index);
        else
            combo.type(selection);
        form<Form10>().Command2.click();
    }
};

TEST_F(CaseRoadTest, AFreshChooserListsFortyCasesWithTheFirstSelected) {
    openChooser();
    EXPECT_FALSE(isLoaded<Form60>());
    auto& chooser = form<Form10>();
    EXPECT_TRUE(chooser.Visible());
    EXPECT_EQ(chooser.Text1.Text(), joinLines(cases::chooserIntroduction()));
    ASSERT_EQ(chooser.Combo1.ListCount(), 40);
    EXPECT_EQ(chooser.Combo1.List(0), "实例1");
    EXPECT_EQ(chooser.Combo1.List(39), "实例40");
    EXPECT_EQ(CurrentSelection(), "实例1");
    EXPECT_EQ(chooser.Label4.Caption(), "实战");
    EXPECT_EQ(chooser.Label3.Caption(), "模拟");
    EXPECT_EQ(chooser.Label4.ForeColor(), 0x000000FFu);
}

TEST_F(CaseRoadTest, CaseOneRoadWithItsFoldersProgramAndSteps) {
    openChooser();
    confirm("实例1");
    EXPECT_FALSE(isShown<Form10>());
    EXPECT_TRUE(isLoaded<Form10>());
    EXPECT_TRUE(isLoaded<Form24>());
    EXPECT_FALSE(isShown<Form24>());
    auto& window = form<Form16>();
    EXPECT_TRUE(window.Visible());
    EXPECT_EQ(window.Label4.Caption(), "实例1");
    const auto& content = cases::case1Content();
    EXPECT_EQ(window.Text1.Text(), joinLines(content.text));
    EXPECT_EQ(window.Text1.Text().rfind("    在素材中打开工作簿文档YSWG.pptx，", 0), 0u);

    window.Command10.click();
    window.Command7.click();
    window.Command2.click();
    auto& steps = form<Form31>();
    EXPECT_TRUE(steps.Visible());
    EXPECT_EQ(steps.Text1.Text(), sectionSteps(content));
    steps.Command1.click();
    EXPECT_EQ(commandLines(), (std::vector<std::string>{explorer("C:\\PowerPointZentrix\\素材\\实战模拟\\实例1"),
                                                        explorer("C:\\PowerPointZentrix\\答案\\实战模拟\\实例1")}));
    ASSERT_EQ(shell().shellCalls.size(), 1u);
    EXPECT_EQ(shell().shellCalls[0],
              (platform::ShellCall{.owner = 0, .verb = "open", .file = "POWERPNT", .showCommand = 3}));

    window.Command8.click();
    EXPECT_FALSE(isLoaded<Form16>());
    EXPECT_FALSE(isLoaded<Form24>()) << "so that the next case loads afresh";
    EXPECT_TRUE(isShown<Form31>()) << "the steps window stays open";
    EXPECT_TRUE(isShown<Form10>());
    EXPECT_EQ(CurrentSelection(), "实例1");

    form<Form10>().Command1.click();
    EXPECT_FALSE(isLoaded<Form10>());
    EXPECT_TRUE(isShown<Form60>());
}

TEST_F(CaseRoadTest, CaseSevenIsBuiltLineByLineWithAnEmptyFirstLine) {
    openChooser();
    confirm("实例7");
    const auto& content = cases::case7Content();
    EXPECT_EQ(form<Form16>().Text1.Text(), everyLineAfterABreak(content.text));
    form<Form16>().Command2.click();
    EXPECT_EQ(form<Form31>().Text1.Text(), everyLineAfterABreak(content.steps));
    EXPECT_EQ(form<Form31>().Text1.Text().substr(0, 2 + std::string("【解题步骤】").size()), "\r\n【解题步骤】");
    form<Form16>().Command10.click();
    form<Form31>().Command1.click();
    EXPECT_EQ(commandLines(), (std::vector<std::string>{explorer("C:\\PowerPointZentrix\\素材\\实战模拟\\实例7"),
                                                        explorer("C:\\PowerPointZentrix\\答案\\实战模拟\\实例7")}));
}

TEST_F(CaseRoadTest, TheLoaderWipesFourTablesAndLeavesElementZeroAndTheOthers) {
    for (int i = 0; i <= 70; ++i) {
        for (Table* t : {&QuestionStem, &CorrectAnswer, &OptionA, &OptionB, &OptionC, &OptionD, &ChosenAnswer,
                         &Analysis, &PracticeTask, &PracticeSteps})
            (*t)[i] = "old" + std::to_string(i);
    }
    openChooser();
    confirm("实例8");
    const auto& content = cases::case8Content();
    EXPECT_EQ(QuestionStem[23].text(), everyLineAfterABreak(content.text));
    EXPECT_EQ(CorrectAnswer[23].text(), everyLineAfterABreak(content.steps));
    for (int i = 1; i <= 70; ++i) {
        if (i != 23) {
            EXPECT_EQ(QuestionStem[i].text(), "") << i;
            EXPECT_EQ(CorrectAnswer[i].text(), "") << i;
        }
        EXPECT_EQ(OptionA[i].text(), i <= 7 ? std::string(content.text[static_cast<std::size_t>(i - 1)]) : "") << i;
        EXPECT_EQ(OptionB[i].text(), i <= 23 ? std::string(content.steps[static_cast<std::size_t>(i - 1)]) : "") << i;
        EXPECT_EQ(OptionC[i].text(), "old" + std::to_string(i));
        EXPECT_EQ(Analysis[i].text(), "old" + std::to_string(i));
        EXPECT_EQ(PracticeSteps[i].text(), "old" + std::to_string(i));
    }
    for (Table* t : {&QuestionStem, &CorrectAnswer, &OptionA, &OptionB}) EXPECT_EQ((*t)[0].text(), "old0");
}

TEST_F(CaseRoadTest, TheSectionBuildLeavesItsSectionsInOptionB) {
    openChooser();
    confirm("实例2");
    const auto& content = cases::case2Content();
    for (int i = 1; i <= 8; ++i)
        EXPECT_EQ(OptionB[i].text(), joinLines(content.sections[static_cast<std::size_t>(i - 1)]));
    for (int i = 9; i <= 70; ++i) EXPECT_EQ(OptionB[i].text(), "");
    for (int i = 1; i <= 70; ++i) EXPECT_EQ(OptionA[i].text(), "");
    EXPECT_EQ(CorrectAnswer[23].text(), sectionSteps(content));
}

TEST_F(CaseRoadTest, ALoaderThatStaysLoadedKeepsItsCaseUntilTheCaseWindowGoesBack) {
    openChooser();
    confirm("实例3");
    invoke([] { form<Form16>().CloseToChooser(); });
    EXPECT_TRUE(isLoaded<Form24>());
    EXPECT_TRUE(isShown<Form10>());
    confirm("实例4");
    EXPECT_EQ(form<Form16>().Label4.Caption(), "实例4");
    EXPECT_EQ(form<Form16>().Text1.Text(), joinLines(cases::case3Content().text)) << "the loader did not run again";
    form<Form16>().Command8.click();
    confirm("实例4");
    EXPECT_EQ(form<Form16>().Text1.Text(), joinLines(cases::case4Content().text));
}

TEST_F(CaseRoadTest, ListedCasesWithoutContentShowEmptyTextsButTheirOwnFolders) {
    openChooser();
    confirm("实例3");
    form<Form16>().Command8.click();
    confirm("实例15");
    auto& window = form<Form16>();
    EXPECT_EQ(window.Label4.Caption(), "实例15");
    EXPECT_EQ(window.Text1.Text(), "");
    window.Command2.click();
    EXPECT_EQ(form<Form31>().Text1.Text(), "");
    EXPECT_EQ(CorrectAnswer[23].text(), sectionSteps(cases::case3Content())) << "the slot itself is left alone";
    window.Command10.click();
    form<Form31>().Command1.click();
    EXPECT_EQ(commandLines(), (std::vector<std::string>{explorer("C:\\PowerPointZentrix\\素材\\实战模拟\\实例15"),
                                                        explorer("C:\\PowerPointZentrix\\答案\\实战模拟\\实例15")}));
    window.Command8.click();
    confirm("实例40");
    form<Form16>().Command10.click();
    EXPECT_EQ(commandLines().back(), explorer("C:\\PowerPointZentrix\\素材\\实战模拟\\实例40"));
}

TEST_F(CaseRoadTest, TypedSelectionsOutsideTheListPrepareNothingButTheirRows) {
    openChooser();
    confirm("实例1");
    form<Form16>().Command8.click();
    const std::string caseOneText = QuestionStem[23].text();

    confirm("实例1 ");
    EXPECT_EQ(form<Form16>().Label4.Caption(), "实例1 ");
    EXPECT_EQ(form<Form16>().Text1.Text(), caseOneText) << "no row: the slot is shown as it is";
    EXPECT_FALSE(isLoaded<Form24>());
    form<Form16>().Command10.click();
    EXPECT_TRUE(shell().commandLines.empty());
    form<Form16>().Command8.click();
    EXPECT_EQ(form<Form10>().Combo1.ListCount(), 40) << "typed text is never added to the list";

    confirm("实例41");
    EXPECT_TRUE(isLoaded<Form8>());
    EXPECT_FALSE(isShown<Form8>());
    form<Form16>().Command8.click();

    const std::vector<std::pair<std::string, std::string>> sets = {
        {"第12套", "Form45"}, {"第30套", "选择题第18题图示"}, {"第38套", "Form66"}};
    for (const auto& [set, caption] : sets) {
        confirm(set);
        EXPECT_EQ(form<Form16>().Label4.Caption(), set);
        auto loaded = loadedCaptions();
        EXPECT_NE(std::find(loaded.begin(), loaded.end(), caption), loaded.end()) << set;
        auto shown = shownCaptions();
        EXPECT_EQ(std::find(shown.begin(), shown.end(), caption), shown.end()) << set;
        form<Form16>().Command8.click();
    }
    const auto before = loadedCaptions().size();
    confirm("第5套");
    EXPECT_EQ(loadedCaptions().size(), before + 1) << "only the case window";
    form<Form16>().Command8.click();
    confirm("");
    EXPECT_EQ(form<Form16>().Label4.Caption(), "");
}

TEST_F(CaseRoadTest, TheStepsWindowIsOneWindowThatFollowsTheSelectionAtEachClick) {
    openChooser();
    confirm("实例2");
    form<Form16>().Command2.click();
    form<Form16>().Command2.click();
    const auto loaded = loadedCaptions();
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), "操作步骤"), 1);
    form<Form16>().Command8.click();
    form<Form10>().Combo1.pick(6);  // "实例7", not confirmed
    form<Form31>().Command1.click();
    EXPECT_EQ(commandLines(), std::vector<std::string>{explorer("C:\\PowerPointZentrix\\答案\\实战模拟\\实例7")});
    EXPECT_EQ(form<Form31>().Text1.Text(), sectionSteps(cases::case2Content()));

    form<Form31>().Command2.click();
    EXPECT_FALSE(isLoaded<Form31>());
    setCurrentSelection("第9套");
    form<Form31>().Command1.click();
    EXPECT_EQ(commandLines().size(), 1u) << "an exam set has no answer folder here";
}

TEST_F(CaseRoadTest, RightClicksOnCaseTextAndStepsPopUpTheirMenus) {
    openChooser();
    confirm("实例5");
    form<Form16>().Text1.mouseDown(vbRightButton);
    form<Form16>().Command2.click();
    form<Form31>().Text1.mouseDown(vbRightButton);
    ASSERT_EQ(shell().popups.size(), 2u);
    EXPECT_EQ(shell().popups[0].items, std::vector<std::string>{"禁止右键"});
    EXPECT_EQ(shell().popups[1].items, std::vector<std::string>{"内容不可更改"});
    form<Form16>().Text1.type("改动");
    EXPECT_EQ(form<Form16>().Text1.Text(), joinLines(cases::case5Content().text));
}

TEST_F(CaseRoadTest, TheCaseWindowClosedByItsBoxGoesBackToTheChooser) {
    openChooser();
    confirm("实例6");
    closeByBox(form<Form16>());
    EXPECT_FALSE(isLoaded<Form16>());
    EXPECT_FALSE(isLoaded<Form24>());
    EXPECT_TRUE(isShown<Form10>());
    EXPECT_EQ(CurrentSelection(), "实例6");
    EXPECT_FALSE(programEnded());
}

TEST_F(CaseRoadTest, AFreshChooserAfterReturningHasItsDesignWordsAndFirstCase) {
    openChooser();
    form<Form10>().Label3.setCaption("上机");
    form<Form10>().Label4.setCaption("考试");
    confirm("实例9");
    form<Form16>().Command8.click();
    form<Form10>().Command1.click();
    form<Form60>().Command4.click();
    EXPECT_EQ(CurrentSelection(), "实例1");
    EXPECT_EQ(form<Form10>().Label4.Caption(), "实战");
    EXPECT_EQ(form<Form10>().Label3.Caption(), "模拟");
}

TEST_F(CaseRoadTest, OperationsOfTheCaseWindowThatNoControlInvokes) {
    CorrectAnswer[21] = "字处理答案";
    CorrectAnswer[22] = "电子表格答案";
    CorrectAnswer[23] = "演示文稿答案";
    form<Form16>().Show();  // so that closing the steps leaves a window on the screen
    invoke([] { form<Form16>().ShowItemSteps(2); });
    EXPECT_EQ(form<Form31>().Text1.Text(), "电子表格答案");
    EXPECT_TRUE(isShown<Form31>());
    form<Form31>().Command2.click();
    invoke([] { form<Form16>().ShowItemSteps(4); });
    EXPECT_EQ(form<Form31>().Text1.Text(), "Text1") << "nothing written for another item";

    invoke([] { form<Form16>().KeepOnTop(); });
    EXPECT_EQ(shell().topmost, std::vector<std::string>{"实战模拟"});
    invoke([] { form<Form16>().ShowTestFinishedNotice(); });
    EXPECT_TRUE(isShown<Form19>());
}

TEST_F(CaseRoadTest, TheChooserTakesTheFocusOnItsComboAndEnterDoesNothing) {
    openChooser();
    auto& combo = form<Form10>().Combo1;
    combo.type("实例2");
    combo.pressEnter();
    EXPECT_FALSE(isLoaded<Form16>());
    EXPECT_EQ(combo.ListCount(), 40);
    EXPECT_EQ(CurrentSelection(), "实例2");
}

}  // namespace
