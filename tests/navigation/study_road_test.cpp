// The study road, driven as a learner clicks: hub, study window, skill practice, steps
// viewer and back; the syllabus and the advert and notice windows.
#include <QScreen>
#include <QWidget>
#include "navigation/form2.h"
#include "navigation/form26.h"
#include "navigation/form60.h"
#include "navigation/form7.h"
#include "navigation/form8.h"
#include "navigation/form9.h"
#include "navigation/notice_windows.h"
#include "navigation/study_content.h"
#include "support/trainer_test.h"

using namespace forms;

namespace {

std::string joined(const Lines& lines) { return joinLines(lines); }

const navigation::PracticeExercise& exercise(const std::string& key) {
    for (const auto& e : navigation::practiceExercises())
        if (e.key == key) return e;
    throw std::out_of_range(key);
}

std::string explorer(const std::string& folder) { return "explorer /n," + folder; }

class StudyRoadTest : public TrainerTest {
protected:
    // From the hub into the study window.
    void openStudy() {
        form<Form60>().Show();
        form<Form60>().Command2.click();
    }
    // From the study window into skill practice for a chapter.
    void openPractice(int chapter) {
        form<Form2>().List1.pick(chapter);
        form<Form2>().Command1.click();
    }
};

TEST_F(StudyRoadTest, TheHubOpensTheStudyWindowWithTheFirstChapterAndGoesAway) {
    openStudy();
    EXPECT_FALSE(isLoaded<Form60>());
    auto& study = form<Form2>();
    EXPECT_TRUE(study.Visible());
    EXPECT_EQ(study.Caption(), "学习科目");
    ASSERT_EQ(study.List1.ListCount(), 7);
    EXPECT_EQ(study.List1.ListIndex(), 0);
    EXPECT_EQ(study.List1.Text(), "PowerPoint概述");
    EXPECT_EQ(study.Text1.Text(), joined(navigation::studyChapters()[0].outline));

    for (int chapter = 0; chapter < 7; ++chapter) {
        study.List1.pick(chapter);
        EXPECT_EQ(study.Text1.Text(), joined(navigation::studyChapters()[static_cast<std::size_t>(chapter)].outline));
    }
}

TEST_F(StudyRoadTest, AnEmptyOutlineAsksForAChapterButBlanksAreNotEmpty) {
    openStudy();
    auto& study = form<Form2>();
    study.Text1.type("");
    study.Command1.click();
    ASSERT_EQ(shell().messageBoxes.size(), 1u);
    EXPECT_EQ(shell().messageBoxes[0].prompt, "请先选择学习章节");
    EXPECT_EQ(shell().messageBoxes[0].title, std::nullopt);
    EXPECT_FALSE(isLoaded<Form7>());
    EXPECT_TRUE(study.Visible());

    study.Text1.type("   ");
    study.Command1.click();
    EXPECT_TRUE(isShown<Form7>());
}

TEST_F(StudyRoadTest, EditsToTheOutlineSurviveSkillPracticeUntilAChapterIsChosen) {
    openStudy();
    openPractice(3);
    form<Form2>().Text1.type("我的笔记");
    form<Form7>().Command8.click();
    EXPECT_EQ(form<Form2>().Text1.Text(), "我的笔记");
    EXPECT_EQ(form<Form2>().List1.ListIndex(), 3);
    form<Form2>().List1.pick(4);
    EXPECT_EQ(form<Form2>().Text1.Text(), joined(navigation::studyChapters()[4].outline));
}

TEST_F(StudyRoadTest, SkillPracticeOpensOnTheChapterWithTheStudyWindowHidden) {
    openStudy();
    Module1::CurrentItem = 7;
    openPractice(2);
    auto& practice = form<Form7>();
    EXPECT_TRUE(practice.Visible());
    EXPECT_EQ(practice.Label4.Caption(), "演示文稿的视图模式");
    EXPECT_TRUE(isLoaded<Form2>());
    EXPECT_FALSE(isShown<Form2>());
    EXPECT_EQ(Module1::CurrentItem.number(), 1);
    EXPECT_EQ(Module1::PracticeItemCount.number(), 1);
    EXPECT_EQ(practice.Text1.Text(), joined(exercise("421").task));
    EXPECT_FALSE(practice.Command7.Visible());
    EXPECT_TRUE(practice.Command10.Visible());
    EXPECT_FALSE(practice.Frame2.Visible());
    EXPECT_TRUE(practice.Command2.Visible());

    practice.Command10.click();
    EXPECT_EQ(commandLines(), std::vector<std::string>{explorer("C:\\PowerPointZentrix\\素材\\技能练习\\421")});
    practice.Command2.click();
    EXPECT_TRUE(form<Form9>().Command1.Visible());
    // The viewer opens beside the exercise, off its chapter title and task, and on the screen.
    QWidget* viewer = form<Form9>().window();
    const QRect title(practice.Label4.widget()->mapToGlobal(QPoint(0, 0)), practice.Label4.widget()->size());
    const QRect task(practice.Text1.widget()->mapToGlobal(QPoint(0, 0)), practice.Text1.widget()->size());
    EXPECT_FALSE(viewer->frameGeometry().intersects(title));
    EXPECT_FALSE(viewer->frameGeometry().intersects(task.adjusted(0, 0, 0, -task.height() / 2)));
    EXPECT_TRUE(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));
}

TEST_F(StudyRoadTest, ChaptersZeroOneAndFourOfferPowerPointAndNoMaterial) {
    for (int chapter : {0, 1, 4}) {
        openStudy();
        openPractice(chapter);
        auto& practice = form<Form7>();
        EXPECT_EQ(practice.Command7.Caption(), "打开[PowerPoint]应用程序");
        EXPECT_TRUE(practice.Command7.Visible()) << chapter;
        EXPECT_FALSE(practice.Command10.Visible()) << chapter;
        EXPECT_FALSE(practice.Frame2.Visible()) << chapter;
        practice.Command7.click();
        practice.Command10.click();  // hidden: a learner cannot click it
        practice.Command8.click();
        form<Form2>().Command3.click();
    }
    ASSERT_EQ(shell().shellCalls.size(), 3u);
    for (const auto& call : shell().shellCalls)
        EXPECT_EQ(call, (platform::ShellCall{.owner = 0, .verb = "open", .file = "POWERPNT", .showCommand = 3}));
    EXPECT_TRUE(shell().commandLines.empty());
}

TEST_F(StudyRoadTest, BrowsingStopsAtBothEndsWithTheirNotices) {
    openStudy();
    openPractice(5);
    auto& practice = form<Form7>();
    EXPECT_TRUE(practice.Frame2.Visible());
    practice.cmd(0).click();
    ASSERT_EQ(shell().messageBoxes.size(), 1u);
    EXPECT_EQ(shell().messageBoxes[0].prompt, "如果想重做，请单击“下一题”按钮。");
    EXPECT_EQ(shell().messageBoxes[0].title, std::optional<std::string>("提示"));
    EXPECT_EQ(shell().messageBoxes[0].style, vbOKOnly);
    EXPECT_EQ(Module1::CurrentItem.number(), 1);
    EXPECT_EQ(practice.Text1.Text(), joined(exercise("451").task));
    EXPECT_TRUE(practice.Command10.Visible());

    practice.cmd(1).click();
    EXPECT_EQ(practice.Text1.Text(), joined(exercise("452").task));
    practice.cmd(1).click();
    ASSERT_EQ(shell().messageBoxes.size(), 2u);
    EXPECT_EQ(shell().messageBoxes[1].prompt, "本章节操作题完毕！");
    EXPECT_EQ(Module1::CurrentItem.number(), 2);
    EXPECT_EQ(practice.Text1.Text(), joined(exercise("452").task));
}

TEST_F(StudyRoadTest, EveryExerciseOpensExactlyItsOwnFolders) {
    // Exercise key -> whether it has a material folder and an answer folder.
    const std::vector<std::tuple<std::string, bool, bool>> keys = {
        {"401", false, false}, {"411", false, true}, {"421", true, true}, {"431", true, true},
        {"441", false, true},  {"451", true, true},  {"452", true, true}, {"461", true, true},
        {"462", true, true},   {"463", true, true},  {"464", true, true}};
    for (const auto& [key, material, answer] : keys) {
        shell().clear();
        openStudy();
        openPractice(key[1] - '0');
        auto& practice = form<Form7>();
        for (int i = 1; i < key[2] - '0'; ++i) practice.cmd(1).click();
        ASSERT_EQ(Module1::CurrentItem.number(), key[2] - '0');
        EXPECT_EQ(practice.Text1.Text(), joined(exercise(key).task));

        EXPECT_EQ(practice.Command10.Visible(), material) << key;
        invoke([&] { practice.Command10_Click(); });  // even unreachable, it opens nothing for a key without a folder
        practice.Command2.click();
        auto& viewer = form<Form9>();
        EXPECT_EQ(viewer.Text1.Text(), joined(exercise(key).steps)) << key;
        EXPECT_EQ(viewer.Command1.Visible(), answer) << key;
        invoke([&] { viewer.Command1_Click(); });

        std::vector<std::string> expected;
        if (material) expected.push_back(explorer("C:\\PowerPointZentrix\\素材\\技能练习\\" + key));
        if (answer) expected.push_back(explorer("C:\\PowerPointZentrix\\答案\\技能练习\\" + key));
        EXPECT_EQ(commandLines(), expected) << key;
        viewer.Command2.click();
        practice.Command8.click();
        form<Form2>().Command3.click();
    }
}

TEST_F(StudyRoadTest, TheViewerIsTopmostAndKeepsTheEarlierStepsAfterABrowse) {
    openStudy();
    openPractice(5);
    form<Form7>().Command2.click();
    auto& viewer = form<Form9>();
    EXPECT_TRUE(viewer.Visible());
    EXPECT_EQ(shell().topmost, std::vector<std::string>{"操作步骤"});
    EXPECT_EQ(viewer.Text1.Text(), joined(exercise("451").steps));

    form<Form7>().cmd(1).click();
    EXPECT_EQ(viewer.Text1.Text(), joined(exercise("451").steps)) << "not refreshed by the browse";
    viewer.Command1.click();
    EXPECT_EQ(commandLines(), std::vector<std::string>{explorer("C:\\PowerPointZentrix\\答案\\技能练习\\452")})
        << "the folder of the exercise current at the click";

    form<Form7>().Command2.click();
    EXPECT_EQ(form<Form9>().Text1.Text(), joined(exercise("452").steps));
    EXPECT_EQ(shell().topmost.size(), 1u) << "showing a loaded viewer loads nothing";
}

TEST_F(StudyRoadTest, TheViewerOutlivesTheWindowsThatOpenedIt) {
    openStudy();
    openPractice(6);
    form<Form7>().Command2.click();
    form<Form7>().Command8.click();
    EXPECT_FALSE(isLoaded<Form7>());
    EXPECT_TRUE(isShown<Form9>());
    form<Form2>().Command3.click();
    EXPECT_TRUE(isShown<Form60>());
    EXPECT_TRUE(isShown<Form9>());

    // With the study window gone, the answer button reads a fresh study window: chapter 0, no folder.
    form<Form9>().Command1.click();
    EXPECT_TRUE(shell().commandLines.empty());
    EXPECT_TRUE(isLoaded<Form2>());
    EXPECT_FALSE(isShown<Form2>());

    form<Form9>().Command2.click();
    EXPECT_FALSE(isLoaded<Form9>());
    form<Form9>().Hide();
    EXPECT_EQ(form<Form9>().Text1.Text(), "Text1") << "a fresh viewer";
    EXPECT_FALSE(form<Form9>().Command1.Visible());
    EXPECT_EQ(shell().topmost.size(), 2u) << "topmost again at its next load";
}

TEST_F(StudyRoadTest, ReloadingSkillPracticeForAnotherChapterKeepsLeftoverElements) {
    openStudy();
    openPractice(6);
    EXPECT_EQ(Module1::PracticeItemCount.number(), 4);
    form<Form7>().Command8.click();
    openPractice(2);
    EXPECT_EQ(Module1::PracticeItemCount.number(), 1);
    EXPECT_EQ(Module1::PracticeTask[1].text(), joined(exercise("421").task));
    EXPECT_EQ(Module1::PracticeTask[2].text(), joined(exercise("462").task)) << "above the count, never shown";
    EXPECT_EQ(form<Form7>().Text1.Text(), joined(exercise("421").task));
}

TEST_F(StudyRoadTest, TheBackButtonsLeadStepByStepToTheHub) {
    openStudy();
    openPractice(1);
    form<Form7>().Command8.click();
    EXPECT_FALSE(isLoaded<Form7>());
    EXPECT_TRUE(isShown<Form2>());
    form<Form2>().Command3.click();
    EXPECT_FALSE(isLoaded<Form2>());
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{"计算机Movaro系列"});
    EXPECT_FALSE(programEnded());
}

TEST_F(StudyRoadTest, SkillPracticeClosedByItsBoxReturnsToTheStudyWindow) {
    openStudy();
    openPractice(2);
    closeByBox(form<Form7>());
    EXPECT_FALSE(isLoaded<Form7>());
    EXPECT_TRUE(isShown<Form2>());
    EXPECT_FALSE(programEnded());
}

TEST_F(StudyRoadTest, RightClicksOnTheTaskAndStepsPopUpTheirMenus) {
    openStudy();
    openPractice(0);
    form<Form7>().Text1.mouseDown(vbRightButton);
    form<Form7>().Command2.click();
    form<Form9>().Text1.mouseDown(vbRightButton);
    form<Form9>().Text1.mouseDown(vbLeftButton);
    ASSERT_EQ(shell().popups.size(), 2u);
    EXPECT_EQ(shell().popups[0].items, std::vector<std::string>{"禁止右键"});
    EXPECT_EQ(shell().popups[1].items, std::vector<std::string>{"内容不可更改"});
}

class SideWindowsTest : public TrainerTest {};

TEST_F(SideWindowsTest, TheHubShowsTheSyllabusOnceBesideItself) {
    form<Form60>().Show();
    form<Form60>().SyllabusDoor.click();
    form<Form60>().SyllabusDoor.click();
    auto& syllabus = form<Form26>();
    EXPECT_TRUE(syllabus.Visible());
    EXPECT_TRUE(isShown<Form60>());
    EXPECT_EQ(syllabus.Caption(), "二级MS Office高级应用考试大纲（2013年版）");
    EXPECT_EQ(syllabus.Text1.Text(), joinLines(navigation::syllabusLines()));
    EXPECT_TRUE(syllabus.Text1.Locked());
    syllabus.Text1.type("改动");
    EXPECT_EQ(syllabus.Text1.Text(), joinLines(navigation::syllabusLines()));
}

TEST_F(SideWindowsTest, TheAdvertWindowOpensABrowserPerClickAndItsExitEndsAll) {
    form<Form8>().Show();
    form<Form8>().AdvertDoor.click();
    EXPECT_TRUE(isShown<Form22>());
    EXPECT_TRUE(isLoaded<Form8>());
    EXPECT_FALSE(isShown<Form8>());

    form<Form22>().Image1.click();
    form<Form22>().Image1.click();
    EXPECT_EQ(shell().createdObjects,
              (std::vector<std::string>{"internetexplorer.Application", "internetexplorer.Application"}));
    ASSERT_EQ(shell().automation.size(), 4u);
    EXPECT_TRUE(shell().automation[0].property);
    EXPECT_EQ(shell().automation[0].member, "Visible");
    EXPECT_EQ(shell().automation[0].arguments, std::vector<platform::AutomationValue>{true});
    EXPECT_EQ(shell().automation[1].member, "Navigate");
    EXPECT_EQ(shell().automation[1].arguments, std::vector<platform::AutomationValue>{std::string(kAdvertSiteAddress)});

    invoke([] { form<Form22>().BrowseOtherSite(); });
    EXPECT_EQ(shell().automation.back().arguments,
              std::vector<platform::AutomationValue>{std::string(kOtherSiteAddress)});
    invoke([] { form<Form22>().MailContact(); });
    EXPECT_EQ(shell().shellCalls.back().owner, form<Form22>().hWnd());
    EXPECT_EQ(shell().shellCalls.back().showCommand, 0);

    form<Form22>().Image4.click();
    EXPECT_TRUE(programEnded());
    EXPECT_TRUE(loadedCaptions().empty());
}

TEST_F(SideWindowsTest, WithoutABrowserTheBannerDoesNothingVisible) {
    shell().objectsAvailable = false;
    form<Form22>().Show();
    form<Form22>().Image1.click();
    EXPECT_TRUE(shell().automation.empty());
    EXPECT_TRUE(shell().messageBoxes.empty());
    EXPECT_TRUE(isShown<Form22>());
}

TEST_F(SideWindowsTest, NoticeWindowsCloseThemselvesAndComeBackWithTheirDesignText) {
    form<Form8>().Show();  // some other window stays up
    form<Form19>().Label1.setCaption("改写");
    form<Form19>().Show();
    form<Form19>().Command1.click();
    EXPECT_FALSE(isLoaded<Form19>());
    form<Form19>().Show();
    EXPECT_EQ(form<Form19>().Label1.Caption(), "　本部分测试完毕！请单击“评析”按钮对自己的测试进行评析。");

    form<Form25>().Show();
    EXPECT_EQ(form<Form25>().Label1.Caption(), "Label1");
    form<Form25>().Command1.click();
    form<Form58>().Show();
    EXPECT_EQ(form<Form58>().Command1.Caption(), "关闭提示");
    form<Form58>().Command1.click();
    EXPECT_FALSE(isLoaded<Form25>());
    EXPECT_FALSE(isLoaded<Form58>());
    EXPECT_FALSE(programEnded());
}

}  // namespace
