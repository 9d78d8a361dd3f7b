// The exam's windows where they are subtle: the login's answers, the clock, and the
// mends of what the exam would otherwise lose or show wrongly.
#include "cases/form24.h"
#include "cases/form31.h"
#include "exam/exam_support.h"
#include "navigation/form26.h"
#include "navigation/form60.h"
#include "navigation/notice_windows.h"

using namespace forms;
using namespace Module1;

namespace {

using SeriesEntryTest = ExamTest;

TEST_F(SeriesEntryTest, TheSyllabusTheLinksTheWayBackAndTheWayOut) {
    enterSeries();
    form<Form43>().Command3.click();
    EXPECT_FALSE(isLoaded<Form43>());
    EXPECT_TRUE(isShown<Form60>());
    form<Form8>().ExamDoor.click();
    auto& entry = form<Form59>();
    entry.Command1.click();
    entry.Command1.click();
    EXPECT_TRUE(isShown<Form26>());
    EXPECT_TRUE(entry.Visible());
    entry.Label2.click();
    entry.Label5.click();
    ASSERT_EQ(shell().shellCalls.size(), 2u);
    EXPECT_EQ(shell().shellCalls[0],
              (platform::ShellCall{.owner = 0, .verb = "open", .file = "example.com", .showCommand = 3}));
    EXPECT_EQ(shell().shellCalls[1],
              (platform::ShellCall{
                  .owner = entry.hWnd(), .verb = "open", .file = "mailto:kf@example.com", .showCommand = 0}));
    entry.Command4.click();
    EXPECT_TRUE(form<Form43>().Option1(0).Value()) << "a fresh chooser, in training";
    form<Form43>().Command3.click();
    form<Form8>().ExamDoor.click();
    invoke([] { form<Form59>().EndProgram(); });
    EXPECT_TRUE(programEnded());
}

using LoginTest = ExamTest;

TEST_F(LoginTest, OnlyTheSimulatedNumberPassesAndEachOtherAnswerHasItsBox) {
    enterSeries();
    form<Form43>().Option1(1).click();
    form<Form43>().Command4.click();
    auto& login = form<Form12>();
    ASSERT_TRUE(login.Visible());
    EXPECT_EQ(login.Text1.Text(), "418207735096");

    shell().answers = {vbNo};
    login.Image5.click();
    EXPECT_TRUE(isLoaded<Form13>() && !isShown<Form13>());
    EXPECT_EQ(form<Form13>().Label1.Caption() + form<Form13>().Label2.Caption() + form<Form13>().Label3.Caption(),
              "模拟者418207735096******************");
    EXPECT_TRUE(login.Visible());

    login.Text1.type("");
    shell().answers = {vbCancel};
    login.Image5.click();
    EXPECT_EQ(shell().messageBoxes.back().prompt, "准考证号不能为空，请重新登录！");
    EXPECT_EQ(shell().messageBoxes.back().style, 0x21);
    EXPECT_EQ(shell().messageBoxes.back().title, "全国计算机等级考试");
    EXPECT_TRUE(login.Visible());

    login.Text1.type("418207735096 ");
    shell().answers = {vbNo};
    login.Image5.click();
    EXPECT_EQ(shell().messageBoxes.back().prompt, "准考证号：418207735096 不存在，退出登录系统吗？");
    EXPECT_EQ(shell().messageBoxes.back().style, 0x134);
    EXPECT_TRUE(login.Visible());
    shell().answers = {vbYes};
    login.Image5.click();
    EXPECT_FALSE(isLoaded<Form12>());
    ASSERT_TRUE(isShown<Form10>());
    EXPECT_EQ(form<Form10>().Label3.Caption() + form<Form10>().Label4.Caption(), "上机考试");
    EXPECT_TRUE(form<Form43>().Option1(1).Value());
}

TEST_F(LoginTest, TheConfirmationLeadsBackToTheLoginOrOutAndTheNoticeDrawsAfresh) {
    enterSeries();
    logIn();
    shell().wholeNumbers = {9};
    form<Form14>().Timer1.tick();
    form<Form14>().Timer1.tick();  // once a visit: the timer is off after its draw
    EXPECT_EQ(shell().wholeNumberRanges.size(), 1u);
    EXPECT_EQ(CurrentSelection(), "第9套");
    form<Form14>().Check1.click();
    form<Form14>().Image4.click();
    EXPECT_FALSE(isLoaded<Form14>());
    ASSERT_TRUE(isShown<Form43>());

    form<Form43>().Command4.click();
    form<Form12>().Image5.click();
    form<Form13>().Image3.click();
    EXPECT_TRUE(isShown<Form12>());
    EXPECT_TRUE(isLoaded<Form13>() && !isShown<Form13>());
    form<Form12>().Image5.click();
    form<Form13>().Image4.click();
    EXPECT_EQ(form<Form14>().Check1.Value(), 0) << "a fresh notice, unticked";
    shell().wholeNumbers = {40};
    form<Form14>().Timer1.tick();
    EXPECT_EQ(CurrentSelection(), "第40套");
}

using ClockTest = ExamTest;

TEST_F(ClockTest, OneTwoHourCountdownWithTheAlarmAndTheTimeUpOnceEach) {
    enterSeries();
    logIn();
    const double loadedAt = shell().monotonic;
    startExam(5);
    EXPECT_EQ(clockText(), "119:60");
    clockAt(loadedAt, 1);
    EXPECT_EQ(clockText(), "119:59");
    clockAt(loadedAt, 60);
    EXPECT_EQ(clockText(), "119:0");
    clockAt(loadedAt, 61);
    EXPECT_EQ(clockText(), "118:59");
    clockAt(loadedAt, 6899.96);  // a tick a little early counts its whole second
    EXPECT_EQ(clockText(), "5:0");
    EXPECT_FALSE(isLoaded<Form17>());
    clockAt(loadedAt, 6901);
    EXPECT_EQ(clockText(), "4:59");
    ASSERT_TRUE(isShown<Form17>());
    EXPECT_EQ(form<Form17>().Label1.Caption(), "  考试时间还有最后5分钟！");
    form<Form17>().Command1.click();
    clockAt(loadedAt, 6960);
    EXPECT_FALSE(isLoaded<Form17>()) << "one alarm";

    form<Form16>().WordItem.click();
    clockAt(loadedAt, 7199);
    EXPECT_EQ(clockText(), "0:1");
    const std::size_t boxes = shell().messageBoxes.size();
    clockAt(loadedAt, 7200);
    EXPECT_EQ(clockText(), "0:0");
    ASSERT_EQ(shell().messageBoxes.size(), boxes + 1);
    EXPECT_EQ(shell().messageBoxes.back().prompt, "时间已到，考试结束！");
    EXPECT_EQ(shell().messageBoxes.back().style, vbOKOnly);
    EXPECT_EQ(shell().messageBoxes.back().title, std::nullopt);
    EXPECT_FALSE(isLoaded<Form16>());
    ASSERT_TRUE(isShown<Form15>());
    EXPECT_EQ(form<Form15>().Label21.Caption(), " 1") << "counted now, not left from a 交卷 never clicked";
    EXPECT_EQ(form<Form15>().Label5.Caption(), " 22");

    form<Form15>().Command2.click();
    clockAt(loadedAt, 7201);
    EXPECT_EQ(clockText(), "-1:59");
    clockAt(loadedAt, 7261);
    EXPECT_EQ(clockText(), "-2:59");
    EXPECT_EQ(shell().messageBoxes.size(), boxes + 1) << "one time-up";

    form<Form42>().Label8.click();
    form<Form15>().Command1.click();
    form<Form1>().Command1.click();
    form<Form43>().Command4.click();
    form<Form12>().Image5.click();
    form<Form13>().Image4.click();
    const double again = shell().monotonic += 500;
    startExam(6);
    EXPECT_EQ(clockText(), "119:60");
    clockAt(again, 1);
    EXPECT_EQ(clockText(), "119:59");
}

using ExamMendsTest = ExamTest;

TEST_F(ExamMendsTest, MarksSurviveTheProgressWindowsCloseBoxAndAreCountedForProgress) {
    enterSeries();
    logIn();
    startExam(7);
    form<Form16>().ChoiceItem.click();
    pick(0);
    form<Form42>().Label2.click();
    EXPECT_EQ(form<Form15>().Label21.Caption(), " 1");
    closeByBox(form<Form15>());
    EXPECT_TRUE(isLoaded<Form15>() && !isShown<Form15>());
    form<Form42>().Label8.click();
    EXPECT_EQ(form<Form15>().Label21.Caption(), " 1");
    EXPECT_EQ(form<Form15>().Label24.Caption(), " 22");
}

TEST_F(ExamMendsTest, TheDrawnSetIsWhatTheChoiceWindowShowsWhateverWasLoadedBefore) {
    // A loader left by the series entry's hidden load of the results table.
    form<Form10>().Combo1.type("第2套");
    enterSeries();
    EXPECT_TRUE(isLoaded<Form21>());
    EXPECT_FALSE(isLoaded<Form1>());
    logIn();
    startExam(7);
    EXPECT_EQ(QuestionStem[1].text(), question(7, 1).stem);

    // A case opened during the exam loads the content loader afresh; its wipe spares the set.
    form<Form16>().Command8.click();
    form<Form10>().Combo1.pick(2);
    form<Form10>().Command2.click();
    EXPECT_TRUE(isLoaded<Form24>());
    EXPECT_EQ(form<Form16>().Label4.Caption(), "实例3");
    EXPECT_NE(QuestionStem[23].text(), "") << "the case's own text is still built";
    for (int q = 1; q <= 20; ++q) {
        EXPECT_EQ(QuestionStem[q].text(), question(7, q).stem) << q;
        EXPECT_EQ(OptionA[q].text(), question(7, q).options[0]) << q;
        EXPECT_EQ(OptionB[q].text(), question(7, q).options[1]) << q;
        EXPECT_EQ(CorrectAnswer[q].text(), question(7, q).answer) << q;
    }
}

TEST_F(ExamMendsTest, TheResultsCloseBoxLeavesTheExamAsExitDoes) {
    enterSeries();
    logIn();
    startExam(4);
    form<Form42>().Label8.click();
    form<Form15>().Command1.click();
    ASSERT_TRUE(isShown<Form1>());
    EXPECT_TRUE(isLoaded<Form21>()) << "the table's load brought the loader back";
    EXPECT_EQ(form<Form1>().Text4(1).Text(), question(4, 1).answer);
    closeByBox(form<Form1>());
    EXPECT_FALSE(isLoaded<Form1>());
    EXPECT_FALSE(isLoaded<Form21>());
    EXPECT_TRUE(isShown<Form43>());
}

TEST_F(ExamMendsTest, AnExamSetShowsNoOtherCasesTextOrSteps) {
    QuestionStem[23] = "上一个案例的正文";
    CorrectAnswer[23] = "上一个案例的步骤";
    enterSeries();
    logIn();
    startExam(12);
    EXPECT_TRUE(isLoaded<Form45>() && !isShown<Form45>());
    auto& window = form<Form16>();
    EXPECT_EQ(window.Label4.Caption(), "第12套");
    EXPECT_EQ(window.Text1.Text(), "");
    window.Command2.click();
    EXPECT_EQ(form<Form31>().Text1.Text(), "");
    window.Command10.click();
    EXPECT_TRUE(commandLines().empty());
}

// Operations that no control reaches, tested as they stand.
using UnwiredTest = ExamTest;

TEST_F(UnwiredTest, MockSetsMaterialIndexesStepAnalysisAndTheEndNotice) {
    form<Form16>().Show();
    invoke([] { form<Form16>().OpenMockExamSet(); });
    EXPECT_TRUE(isShown<Form21>()) << "an empty loader for every selection the trainer makes";
    EXPECT_TRUE(isShown<Form16>());
    unload<Form21>();
    form<Form10>().Combo1.type("全真模拟试题（第3套）");
    invoke([] { form<Form16>().OpenMockExamSet(); });
    ASSERT_TRUE(isShown<Form20>());
    EXPECT_EQ(form<Form20>().Option1(0).Caption(), "A)");
    EXPECT_FALSE(isLoaded<Form21>());

    form<Form10>().Combo1.type("第12套");
    invoke([] { form<Form16>().OpenExamMaterial(5); });
    for (int k = 21; k <= 23; ++k) EXPECT_EQ(form<Form15>().Label3(k).BackColor(), kButtonFace);
    EXPECT_EQ(commandLines(),
              std::vector<std::string>{"explorer /n,C:\\PowerPointZentrixExam\\素材\\模拟考试\\第12套"});

    form<Form10>().Combo1.type("第7套");
    form<Form1>().Show();
    CurrentItem = 20;
    invoke([] { form<Form1>().StepAnalysis(1); });
    EXPECT_EQ(CurrentItem.number(), 20);
    EXPECT_EQ(form<Form1>().Text2.Text(), answerText(20));
    invoke([] { form<Form1>().StepAnalysis(0); });
    EXPECT_EQ(CurrentItem.number(), 19);
    EXPECT_EQ(form<Form1>().Text2.Text(), answerText(19));
    EXPECT_EQ(CorrectAnswer[19].text(), question(7, 19).answer);

    form<Form18>().Show();
    EXPECT_EQ(form<Form18>().Label1.Caption(), "考试时间已到，请交卷！");
    form<Form18>().Command1.click();
    EXPECT_FALSE(isLoaded<Form18>());
}

TEST_F(UnwiredTest, TheStartWindowsDoorWaitsWhileAnExamRunsAndTheCaseRoadHasNoExamMenu) {
    enterSeries();
    logIn();
    startExam(5);
    form<Form8>().ExamDoor.click();
    EXPECT_FALSE(isLoaded<Form59>());
    EXPECT_TRUE(isLoaded<Form42>());
    Registry::reset();

    form<Form10>().Show();
    form<Form10>().Command2.click();
    EXPECT_FALSE(form<Form16>().ExamMenu.Visible());
}

}  // namespace
