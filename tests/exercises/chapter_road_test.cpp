// The chapter exercises, driven as a learner clicks: study window, the chapter menu,
// the browse edges with the hint box and the end notice, the verdicts, the analysis
// in the steps viewer and back; and the keys that match no chapter.
#include "exercises/chapter_bank_content.h"
#include "exercises/form38.h"
#include "exercises/form40.h"
#include "exercises/form6.h"
#include "navigation/form2.h"
#include "navigation/form60.h"
#include "navigation/form7.h"
#include "navigation/form9.h"
#include "navigation/notice_windows.h"
#include "support/trainer_test.h"

using namespace forms;
using Module1::CurrentItem;

namespace {

const char* const kBasics = "计算机基础知识";
const char* const kWord = "利用Word 2010高效创建电子文档";
const char* const kRedo = "本套选择题已做完！如果想重做，请单击“上一题”按钮。单击“返回”按钮可选择其它章节进行训练。";
const char* const kOtherType =
    "本套选择题已做完！，如果想重做，请单击“上一题”按钮。单击“习题类型”下的三角按钮可选择“操作题”习题类型进行训练。";

struct Chapter {
    const char* subject;
    const char* chapter;
    std::span<const ChoiceRecord> (*records)();
    const char* endNotice;
    bool firstTypeOnly;             // browse and verdict
    bool firstTypeOnlyForAnalysis;  // the analysis
};

const Chapter kChapters[] = {
    {kBasics, "概述", exercises::chapter01, kRedo, true, true},
    {kBasics, "信息的表示与存储", exercises::chapter02, kRedo, true, true},
    {kBasics, "计算机硬件系统", exercises::chapter03, kRedo, true, true},
    {kBasics, "计算机软件系统", exercises::chapter04, kRedo, false, false},
    {kBasics, "多媒体技术简介", exercises::chapter05, kRedo, false, false},
    {kBasics, "计算机病毒及其防治", exercises::chapter06, kRedo, false, false},
    {kBasics, "Internet基础及应用", exercises::chapter07, kOtherType, false, true},
    {kWord, "以任务为导向的应用界面", exercises::chapter08, kOtherType, false, false},
    {kWord, "创建并编辑文档", exercises::chapter09, kOtherType, false, false},
    {kWord, "美化文档外观", exercises::chapter10, kOtherType, true, true},
    {kWord, "长文档的编辑与管理", exercises::chapter11, kOtherType, true, true},
    {kWord, "文档的修订与共享", exercises::chapter12, kOtherType, true, true},
    {kWord, "使用邮件合并技术批量处理文档", exercises::chapter13, kOtherType, true, true},
};

int rightIndex(const ChoiceRecord& r) { return r.answer[0] - 'A'; }
int wrongIndex(const ChoiceRecord& r) { return (rightIndex(r) + 1) % 4; }

class ChapterRoadTest : public TrainerTest {
protected:
    static Form6& window() { return form<Form6>(); }

    // Hub, study window, the door's menu and the chapter's entry in it.
    void openFromStudy(const std::string& subject, const std::string& chapter) {
        if (!isShown<Form2>()) {
            form<Form60>().Show();
            form<Form60>().Command2.click();
        }
        form<Form2>().ChapterExerciseDoor.click();
        for (Menu* s : form<Form2>().ChapterMenu.items())
            if (s->Caption() == subject)
                for (Menu* c : s->items())
                    if (c->Caption() == chapter) return c->click();
        ADD_FAILURE() << "no menu entry " << subject << " / " << chapter;
    }

    static void expectShowing(const ChoiceRecord& r, const std::string& where) {
        EXPECT_EQ(window().StemDisplay.Caption(), r.stem) << where;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(window().Optbutton(i).Caption(), r.options[static_cast<std::size_t>(i)]) << where;
            EXPECT_FALSE(window().Optbutton(i).Value()) << where;
        }
        EXPECT_EQ(window().Text1.Text(), "") << where;
    }

    static std::vector<std::string> prompts() {
        std::vector<std::string> out;
        for (const auto& m : shell().messageBoxes) out.push_back(m.prompt);
        return out;
    }
};

TEST_F(ChapterRoadTest, TheDoorListsTheChaptersUnderTheirSubjects) {
    openFromStudy(kBasics, "概述");  // any entry; the menu is what is checked
    form<Form6>().Command5.click();
    form<Form2>().ChapterExerciseDoor.click();
    ASSERT_EQ(shell().popups.size(), 2u);
    EXPECT_EQ(shell().popups[1].form, "学习科目");
    EXPECT_EQ(shell().popups[1].items, (std::vector<std::string>{kBasics, kWord}));
    std::vector<std::pair<std::string, std::string>> entries, expected;
    for (Menu* s : form<Form2>().ChapterMenu.items())
        for (Menu* c : s->items()) entries.emplace_back(s->Caption(), c->Caption());
    for (const Chapter& c : kChapters) expected.emplace_back(c.subject, c.chapter);
    EXPECT_EQ(entries, expected);
    EXPECT_FALSE(form<Form2>().ChapterMenu.Visible());
}

TEST_F(ChapterRoadTest, OneChapterFromTheStudyWindowAndBack) {
    const std::span<const ChoiceRecord> bank = exercises::chapter02();
    openFromStudy(kBasics, "信息的表示与存储");
    EXPECT_TRUE(isLoaded<Form2>());
    EXPECT_FALSE(isShown<Form2>());
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{"选择题"});
    EXPECT_EQ(window().Label3.Caption(), kBasics);
    EXPECT_EQ(window().Label4.Caption(), "信息的表示与存储");
    ASSERT_EQ(window().List1.ListCount(), 1);
    EXPECT_EQ(window().List1.List(0), "选择题");
    EXPECT_EQ(window().List1.ListIndex(), 0);
    EXPECT_EQ(CurrentItem.number(), 1);
    expectShowing(bank[0], "question 1");
    EXPECT_EQ(window().StemDisplay.Alignment(), Label::Align::Left);
    EXPECT_EQ(window().StemDisplay.FontSize(), 12);

    // A step back from the first question: the hint box, and question 1 again.
    window().Optbutton(0).click();
    window().cmd(0).click();
    EXPECT_TRUE(isShown<Form38>());
    EXPECT_EQ(form<Form38>().Label1.Caption(), kFirstQuestionHint);
    EXPECT_EQ(CurrentItem.number(), 1);
    expectShowing(bank[0], "question 1 after the hint");
    form<Form38>().Command1.click();
    EXPECT_FALSE(isLoaded<Form38>());

    // Right and wrong picks, each judged at once whatever was picked before.
    window().Optbutton(wrongIndex(bank[0])).click();
    EXPECT_EQ(window().Text1.Text(), "错误");
    window().Optbutton(rightIndex(bank[0])).click();
    EXPECT_EQ(window().Text1.Text(), "正确");
    window().Optbutton((rightIndex(bank[0]) + 3) % 4).click();
    EXPECT_EQ(window().Text1.Text(), "错误");

    window().cmd(1).click();
    expectShowing(bank[1], "question 2");
    window().cmd(0).click();
    expectShowing(bank[0], "back at question 1");
    EXPECT_FALSE(isLoaded<Form38>());

    // Past the last question: the notice, and the number kept at the last one.
    for (int k = 2; k <= 48; ++k) window().cmd(1).click();
    expectShowing(bank[47], "question 48");
    EXPECT_TRUE(shell().messageBoxes.empty());
    window().Optbutton(rightIndex(bank[47])).click();
    window().cmd(1).click();
    ASSERT_EQ(shell().messageBoxes.size(), 1u);
    EXPECT_EQ(shell().messageBoxes[0].prompt, kRedo);
    EXPECT_EQ(shell().messageBoxes[0].style, vbOKOnly);
    EXPECT_EQ(shell().messageBoxes[0].title, std::optional<std::string>("提示"));
    EXPECT_EQ(CurrentItem.number(), 48);
    expectShowing(bank[47], "question 48 after the notice");
    window().cmd(1).click();
    EXPECT_EQ(shell().messageBoxes.size(), 2u);
    EXPECT_EQ(CurrentItem.number(), 48);

    // The analysis in the shared viewer, above the other windows.
    window().Command2.click();
    EXPECT_TRUE(isShown<Form9>());
    EXPECT_EQ(form<Form9>().Text1.Text(), bank[47].analysis);
    EXPECT_EQ(shell().topmost, std::vector<std::string>{"操作步骤"});
    EXPECT_FALSE(form<Form9>().Command1.Visible());

    window().TypeHintDoor.click();
    EXPECT_TRUE(isShown<Form58>());

    window().Command5.click();
    EXPECT_EQ(CurrentItem.number(), 0);
    EXPECT_FALSE(isLoaded<Form6>());
    EXPECT_TRUE(isShown<Form2>());
    EXPECT_TRUE(isShown<Form9>());
}

TEST_F(ChapterRoadTest, EveryChapterShowsJudgesAndExplainsEachQuestionAndEndsWithItsNotice) {
    for (const Chapter& chapter : kChapters) {
        const std::span<const ChoiceRecord> bank = chapter.records();
        shell().clear();
        openFromStudy(chapter.subject, chapter.chapter);
        for (std::size_t i = 0; i < bank.size(); ++i) {
            const std::string where = std::string(chapter.chapter) + " " + std::to_string(i + 1);
            if (i > 0) window().cmd(1).click();
            expectShowing(bank[i], where);
            window().Optbutton(wrongIndex(bank[i])).click();
            EXPECT_EQ(window().Text1.Text(), "错误") << where;
            window().Optbutton(rightIndex(bank[i])).click();
            EXPECT_EQ(window().Text1.Text(), "正确") << where;
            window().Command2.click();
            EXPECT_EQ(form<Form9>().Text1.Text(), bank[i].analysis) << where;
        }
        EXPECT_TRUE(shell().messageBoxes.empty()) << chapter.chapter;
        window().cmd(1).click();
        EXPECT_EQ(prompts(), std::vector<std::string>{chapter.endNotice}) << chapter.chapter;
        EXPECT_EQ(CurrentItem.number(), static_cast<int>(bank.size())) << chapter.chapter;
        window().Command5.click();
    }
    EXPECT_TRUE(isShown<Form2>());
}

TEST_F(ChapterRoadTest, APickIsJudgedAgainstTheQuestionOnScreenWhateverSkillPracticeLeft) {
    form<Form60>().Show();
    form<Form60>().Command2.click();
    form<Form2>().List1.pick(6);
    form<Form2>().Command1.click();
    for (int i = 0; i < 3; ++i) form<Form7>().cmd(1).click();
    ASSERT_EQ(CurrentItem.number(), 4);
    form<Form7>().Command8.click();

    const ChoiceRecord& first = exercises::chapter09()[0];
    openFromStudy(kWord, "创建并编辑文档");
    EXPECT_EQ(CurrentItem.number(), 1);
    expectShowing(first, "question 1");
    window().Optbutton(rightIndex(first)).click();
    EXPECT_EQ(window().Text1.Text(), "正确");
}

TEST_F(ChapterRoadTest, TheCloseBoxGoesBackToTheStudyWindow) {
    openFromStudy(kWord, "美化文档外观");
    window().cmd(1).click();
    closeByBox(window());
    settle();
    EXPECT_FALSE(isLoaded<Form6>());
    EXPECT_TRUE(isShown<Form2>());
    EXPECT_EQ(CurrentItem.number(), 0);
}

TEST_F(ChapterRoadTest, TheFeedbackBoxIsGuardedAgainstItsOwnMenu) {
    openFromStudy(kBasics, "概述");
    window().Text1.mouseDown(vbLeftButton);
    EXPECT_EQ(shell().popups.size(), 1u);  // the door's menu only
    window().Text1.mouseDown(vbRightButton);
    ASSERT_EQ(shell().popups.size(), 2u);
    EXPECT_EQ(shell().popups[1].form, "选择题");
    EXPECT_EQ(shell().popups[1].menu, "快捷菜单");
    EXPECT_EQ(shell().popups[1].items, std::vector<std::string>{"禁止右键"});
    EXPECT_TRUE(window().Text1.Enabled());

    // The one window that carries the same kind of menu without a box to open it.
    EXPECT_FALSE(form<Form40>().popmenu.Visible());
    ASSERT_EQ(form<Form40>().popmenu.items().size(), 1u);
    EXPECT_EQ(form<Form40>().popmenu.items()[0]->Caption(), "内容不可改动");
}

// The rest drive the window without its opener: keys written straight into its captions.
class ChapterKeyTest : public ChapterRoadTest {
protected:
    static void key(const std::string& subject, const std::string& chapter) {
        window().Label3.setCaption(subject);
        window().Label4.setCaption(chapter);
    }
};

TEST_F(ChapterKeyTest, WithNoTypeSelectedOnlyTheUnmarkedChaptersAnswer) {
    for (const Chapter& chapter : kChapters) {
        unload<Form6>();
        unload<Form9>();
        settle();
        const ChoiceRecord& first = chapter.records()[0];
        key(chapter.subject, chapter.chapter);
        ASSERT_EQ(window().List1.ListIndex(), -1);
        CurrentItem = 0;
        window().cmd(1).click();
        EXPECT_EQ(window().StemDisplay.Caption() == first.stem, !chapter.firstTypeOnly) << chapter.chapter;
        window().Optbutton(rightIndex(first)).click();
        EXPECT_EQ(window().Text1.Text(), chapter.firstTypeOnly ? "" : "正确") << chapter.chapter;
        window().ShowQuestionAnalysis();
        EXPECT_TRUE(isShown<Form9>());
        EXPECT_EQ(form<Form9>().Text1.Text(), chapter.firstTypeOnlyForAnalysis ? "Text1" : first.analysis)
            << chapter.chapter;
    }
}

TEST_F(ChapterKeyTest, AKeyThatMatchesNoChapterShowsNothingAndTheCounterSaturates) {
    for (const auto& [subject, chapter] :
         std::vector<std::pair<std::string, std::string>>{{"Label3", "Label4"},
                                                          {kBasics, "计算机软件系统 "},
                                                          {kBasics, "internet基础及应用"},
                                                          {"利用Word2010高效创建电子文档", "创建并编辑文档"}}) {
        unload<Form6>();
        settle();
        key(subject, chapter);
        CurrentItem = 0;
        for (int i = 0; i < 25; ++i) window().cmd(1).click();
        EXPECT_EQ(CurrentItem.number(), 25) << chapter;
        EXPECT_EQ(window().StemDisplay.Caption(), "") << chapter;
        EXPECT_EQ(window().Optbutton(0).Caption(), "第一个答案") << chapter;
        window().Optbutton(0).click();
        EXPECT_EQ(window().Text1.Text(), "") << chapter;
    }
    EXPECT_TRUE(shell().messageBoxes.empty());

    CurrentItem = 32767;
    window().cmd(1).click();
    EXPECT_EQ(CurrentItem.number(), 32767) << "the counter must not wrap to a negative number";
    window().cmd(0).click();
    EXPECT_EQ(CurrentItem.number(), 32766);

    CurrentItem = 2;
    window().cmd(0).click();
    window().cmd(0).click();
    EXPECT_EQ(CurrentItem.number(), 1);
    EXPECT_TRUE(isShown<Form38>());
}

TEST_F(ChapterKeyTest, ANumberFarPastTheEndGivesTheNoticeOnceInEitherDirection) {
    key(kWord, "文档的修订与共享");
    window().List1.AddItem("选择题");
    window().List1.setListIndex(0);
    EXPECT_TRUE(window().Visible());
    CurrentItem = 100;
    window().cmd(0).click();
    EXPECT_EQ(prompts(), std::vector<std::string>{kOtherType});
    EXPECT_EQ(CurrentItem.number(), 2);
    EXPECT_EQ(window().StemDisplay.Caption(), "");
    window().cmd(1).click();
    EXPECT_EQ(CurrentItem.number(), 2);
    window().cmd(0).click();
    EXPECT_EQ(window().StemDisplay.Caption(), exercises::chapter12()[0].stem);

    // "返回" leaves 0 behind, and a step back from there shows only the hint.
    CurrentItem = 0;
    window().cmd(0).click();
    EXPECT_TRUE(isShown<Form38>());
    EXPECT_EQ(CurrentItem.number(), 0);
    EXPECT_EQ(window().StemDisplay.Caption(), exercises::chapter12()[0].stem);
}

}  // namespace
