// The exam road, driven as a learner clicks: a whole exam in exam mode from the start
// window to the results table and back, and the choice questions in training mode.
#include "cases/form31.h"
#include "navigation/form60.h"
#include "navigation/notice_windows.h"
#include "exam/exam_support.h"

using namespace forms;
using namespace Module1;

namespace {

std::string explorer(const std::string& folder) { return "explorer /n," + folder; }

std::string answerOf(const ChoiceRecord& r) {
    return "答案：" + std::string(r.answer) + "\r\n" + "分析：" + std::string(r.analysis);
}

bool answeredMark(Label& number, Shape& circle) {
    return number.BackColor() == 0x0000FF00u && number.ForeColor() == 0x000000FFu &&
           circle.FillStyle() == Shape::Solid && circle.FillColor() == 0x0000FF00u;
}

using ExamRoadTest = ExamTest;

TEST_F(ExamRoadTest, AWholeExamFromTheStartWindowToTheResultsTableAndBack) {
    enterSeries();
    EXPECT_TRUE(isShown<Form8>());
    EXPECT_FALSE(isLoaded<Form59>());
    ASSERT_TRUE(isShown<Form43>());
    EXPECT_TRUE(form<Form43>().Option1(0).Value());
    EXPECT_EQ(form<Form43>().Label2.Caption(), "直接进入做题界面，不作时间限制，可随时查看试题评析。");
    form<Form43>().Option1(1).click();
    EXPECT_EQ(form<Form43>().Label2.Caption(), "完全模拟考试，以考试方式登录，有时间限制，交卷后方可查看试题评析。");

    logIn();
    ASSERT_EQ(shell().messageBoxes.size(), 1u);
    EXPECT_EQ(
        shell().messageBoxes[0].prompt,
        "您输入的准考证号是：418207735096\n您的姓名是：模拟者\n您的身份证号是：******************\n请问是否正确？");
    EXPECT_EQ(shell().messageBoxes[0].style, 0x34);
    EXPECT_EQ(shell().messageBoxes[0].title, "全国计算机等级考试");
    EXPECT_TRUE(isLoaded<Form12>() && !isShown<Form12>()) << "the login stays loaded behind the exam";
    EXPECT_FALSE(isLoaded<Form13>());
    EXPECT_TRUE(isShown<Form14>());
    EXPECT_FALSE(isShown<Form10>());
    EXPECT_EQ(form<Form10>().Label3.Caption() + form<Form10>().Label4.Caption(), "上机考试");

    form<Form14>().Image3.click();
    EXPECT_EQ(shell().messageBoxes.back().prompt, "只有勾选了已阅读才能进行考试！");
    EXPECT_EQ(shell().messageBoxes.back().style, 0x21);
    EXPECT_EQ(shell().messageBoxes.back().title, "全国计算机等级考试_信息提示");
    EXPECT_TRUE(isShown<Form14>());

    startExam(7);
    EXPECT_EQ(shell().wholeNumberRanges, (std::vector<std::pair<int, int>>{{1, 40}}));
    EXPECT_EQ(CurrentSelection(), "第7套");
    EXPECT_FALSE(isLoaded<Form14>());
    EXPECT_TRUE(isShown<Form42>());
    EXPECT_EQ(shell().topmost, std::vector<std::string>{"Form42"});
    EXPECT_EQ(clockText(), "119:60");
    EXPECT_TRUE(isShown<Form16>());
    EXPECT_TRUE(isLoaded<Form21>() && !isShown<Form21>());

    // The choice questions, through the case window's exam menu.
    form<Form16>().ChoiceItem.click();
    auto& choice = form<Form20>();
    ASSERT_TRUE(choice.Visible());
    EXPECT_FALSE(isShown<Form16>());
    EXPECT_EQ(choice.Text1.Text(), question(7, 1).stem);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(choice.Option1(i).Caption(), question(7, 1).options[i]);
    EXPECT_FALSE(choice.Command1.Visible());
    EXPECT_EQ(choice.Label4.Caption(), "1/20");
    EXPECT_TRUE(isLoaded<Form9>() && !isShown<Form9>());
    EXPECT_EQ(form<Form9>().Text1.Text(), answerOf(question(7, 1)));

    pick(letterIndex(question(7, 1).answer));  // right
    EXPECT_TRUE(answeredMark(choice.Label3(1), choice.Shape2(1)));
    EXPECT_TRUE(answeredMark(form<Form15>().Label3(1), form<Form15>().Shape2(1)));
    EXPECT_FALSE(isShown<Form15>());
    EXPECT_FALSE(isShown<Form1>());
    EXPECT_EQ(form<Form1>().Text4(20).Text(), question(7, 20).answer) << "the table's load wrote every right letter";
    EXPECT_EQ(choice.Label5.Caption(), "") << "no feedback in exam mode";
    EXPECT_FALSE(choice.Command1.Visible());

    choice.Image2(1).click();
    EXPECT_EQ(choice.Label2.Caption(), "2");
    EXPECT_EQ(choice.Label4.Caption(), "2/20");
    EXPECT_TRUE(choice.Label3(2).FontBold());
    EXPECT_EQ(choice.Text1.Text(), question(7, 2).stem);
    pick(letterIndex(question(7, 2).answer));
    pick((letterIndex(question(7, 2).answer) + 1) % 4);  // picked twice: the wrong pick stands

    choice.Label3(13).click();
    EXPECT_EQ(CurrentItem.number(), 13);
    EXPECT_FALSE(choice.Label3(2).FontBold());
    pick((letterIndex(question(7, 13).answer) + 2) % 4);  // wrong

    choice.Label3(1).click();
    choice.Image2(0).click();
    EXPECT_EQ(shell().messageBoxes.back().prompt, "请单击“下一题”按钮！");
    EXPECT_EQ(shell().messageBoxes.back().title, "提示");
    EXPECT_EQ(choice.Text1.Text(), question(7, 1).stem);
    EXPECT_FALSE(choice.Option1(letterIndex(question(7, 1).answer)).Value()) << "coming back shows it unselected";
    choice.Label3(20).click();
    choice.Image2(1).click();
    EXPECT_EQ(shell().messageBoxes.back().prompt, "选择题到此全部完毕！");
    EXPECT_EQ(CurrentItem.number(), 20);

    // Back to the operation question, whose presentation item is marked.
    choice.Image3.click();
    EXPECT_FALSE(isLoaded<Form20>());
    EXPECT_EQ(CurrentItem.number(), 0);
    ASSERT_TRUE(isShown<Form16>());
    EXPECT_EQ(form<Form16>().Text1.Text(), "") << "the trainer holds no operation text for an exam set";
    form<Form16>().SlidesItem.click();
    EXPECT_TRUE(answeredMark(form<Form15>().Label3(23), form<Form15>().Shape2(23)));
    EXPECT_EQ(commandLines().back(), explorer("C:\\PowerPointZentrixExam\\素材\\模拟考试\\第7套"));

    auto& bar = form<Form42>();
    bar.Label6.click();
    EXPECT_FALSE(isShown<Form16>());
    EXPECT_EQ(bar.Label6.Caption(), "显示试题");
    bar.Label6.click();
    EXPECT_TRUE(isShown<Form16>());
    bar.Label1.click();
    EXPECT_EQ(commandLines().back(), "explorer /n,c:\\Wexam\\29010001");

    bar.Label2.click();  // 作答进度
    auto& progress = form<Form15>();
    ASSERT_TRUE(progress.Visible());
    EXPECT_EQ(progress.Label21.Caption(), " 4");
    EXPECT_EQ(progress.Label24.Caption(), " 19");
    progress.Command2.click();
    EXPECT_TRUE(isLoaded<Form15>() && !isShown<Form15>());
    bar.Label8.click();  // 交卷
    EXPECT_EQ(progress.Label5.Caption(), " 19");
    EXPECT_EQ(progress.Label4.Caption() + progress.Label5.Caption() + progress.Label6.Caption(),
              "有 19试题未作答，确认交卷？");
    progress.Command1.click();

    for (bool gone : {isLoaded<Form15>(), isLoaded<Form16>(), isLoaded<Form21>(), isLoaded<Form42>(), isLoaded<Form8>(),
                      isLoaded<Form20>()})
        EXPECT_FALSE(gone);
    auto& results = form<Form1>();
    ASSERT_TRUE(results.Visible());
    const auto row = [&](int k) { return results.Text3(k).Text() + results.Text4(k).Text() + results.Text5(k).Text(); };
    EXPECT_EQ(row(1), "1" + std::string(question(7, 1).answer) + std::string(question(7, 1).answer));
    EXPECT_EQ(results.Text3(2).Text(), "0");
    EXPECT_EQ(results.Text5(2).Text(),
              std::string(1, static_cast<char>('A' + (letterIndex(question(7, 2).answer) + 1) % 4)));
    EXPECT_EQ(results.Text3(13).Text(), "0");
    EXPECT_EQ(row(3), std::string(question(7, 3).answer)) << "an unanswered question shows its right letter only";
    EXPECT_EQ(row(23), "");
    EXPECT_EQ(results.Label3(1).BackColor(), 0x00FF8080u);
    EXPECT_EQ(results.Label3(2).BackColor(), kButtonFace);
    const ChoiceRecord& q1 = question(7, 1);
    EXPECT_EQ(results.Text1.Text(), std::string(q1.stem) + "\r\n" + std::string(q1.options[0]) + "\r\n" +
                                        std::string(q1.options[1]) + "\r\n" + std::string(q1.options[2]) + "\r\n" +
                                        std::string(q1.options[3]));
    EXPECT_EQ(results.Text2.Text(), answerOf(q1));

    results.Label3(13).click();
    EXPECT_EQ(results.Label3(13).BackColor(), 0x00FF8080u);
    EXPECT_EQ(results.Label3(1).BackColor(), 0x00FFFFFFu);
    EXPECT_EQ(results.Label3(2).BackColor(), 0x00FFFFFFu);
    EXPECT_EQ(results.Text2.Text(), answerOf(question(7, 13)));
    results.Label3(22).click();
    EXPECT_EQ(results.Text1.Text(), QuestionStem[22].text());
    EXPECT_EQ(results.Text2.Text(), CorrectAnswer[22].text());

    results.Command1.click();
    EXPECT_FALSE(isLoaded<Form1>());
    ASSERT_TRUE(isShown<Form43>());
    EXPECT_TRUE(form<Form43>().Option1(1).Value()) << "the mode chosen before";
    EXPECT_EQ(CurrentItem.number(), 0);
}

TEST_F(ExamRoadTest, TrainingModeJudgesEveryPickAndShowsTheAnalysisOnDemand) {
    enterSeries();
    form<Form43>().Command4.click();
    ASSERT_TRUE(isShown<Form10>());
    EXPECT_EQ(form<Form10>().Label3.Caption() + form<Form10>().Label4.Caption(), "上机训练");
    EXPECT_TRUE(isLoaded<Form43>() && !isShown<Form43>());
    form<Form10>().Command2.click();
    auto& window = form<Form16>();
    ASSERT_TRUE(window.Visible());
    EXPECT_TRUE(window.ExamMenu.Visible());

    window.ChoiceItem.click();
    ASSERT_EQ(shell().popups.size(), 1u);
    EXPECT_EQ(shell().popups[0].items, (std::vector<std::string>{"第1～20套", "第21～40套"}));
    ASSERT_EQ(window.ChoiceSetItems.size(), 40u);
    EXPECT_EQ(window.ChoiceSetItems.back()->Caption(), "第40套");
    window.ChoiceSetItems[2]->click();
    EXPECT_EQ(CurrentSelection(), "第3套");
    EXPECT_EQ(form<Form10>().Combo1.ListCount(), 40) << "the list keeps its cases";
    auto& choice = form<Form20>();
    ASSERT_TRUE(choice.Visible());
    EXPECT_EQ(choice.Text1.Text(), question(3, 1).stem);

    const int right = letterIndex(question(3, 1).answer);
    pick((right + 1) % 4);
    EXPECT_EQ(choice.Label5.Caption(), "您的选择不正确，请重新选择！");
    EXPECT_FALSE(choice.Command1.Visible());
    pick(right);
    EXPECT_EQ(choice.Label5.Caption(), "恭喜您，选择正确！");
    ASSERT_TRUE(choice.Command1.Visible());
    choice.Command1.click();
    ASSERT_TRUE(isShown<Form9>());
    EXPECT_EQ(form<Form9>().Text1.Text(), answerOf(question(3, 1)));
    pick((right + 3) % 4);
    EXPECT_FALSE(isShown<Form9>()) << "a pick hides the analysis";
    EXPECT_EQ(choice.Label5.Caption(), "您的选择不正确，请重新选择！");
    EXPECT_TRUE(choice.Command1.Visible()) << "the button stays after a wrong pick";
    EXPECT_EQ(form<Form1>().Text3(1).Text(), "0");

    // The viewer closed and "试题评析" again: the question's own analysis, not the design text.
    choice.Image2(1).click();
    pick(letterIndex(question(3, 2).answer));
    choice.Command1.click();
    form<Form9>().Command2.click();
    ASSERT_FALSE(isLoaded<Form9>());
    choice.Command1.click();
    EXPECT_EQ(form<Form9>().Text1.Text(), answerOf(question(3, 2)));

    choice.Image3.click();
    EXPECT_TRUE(isShown<Form16>());
}

TEST_F(ExamRoadTest, ADrawFromTheLaterSetsIsARealExamGradedAgainstItsKeys) {
    enterSeries();
    logIn();
    startExam(33);
    EXPECT_EQ(CurrentSelection(), "第33套");
    EXPECT_TRUE(isLoaded<Form22>() && !isShown<Form22>()) << "the advert window is still preloaded";
    form<Form16>().ChoiceItem.click();
    auto& choice = form<Form20>();
    ASSERT_TRUE(choice.Visible());
    EXPECT_EQ(choice.Text1.Text(), question(33, 1).stem);
    EXPECT_EQ(choice.Option1(0).Caption(), question(33, 1).options[0]);
    pick(letterIndex(question(33, 1).answer));
    choice.Image2(1).click();
    EXPECT_EQ(choice.Text1.Text(), question(33, 2).stem);
    pick((letterIndex(question(33, 2).answer) + 1) % 4);

    form<Form42>().Label8.click();  // 交卷
    form<Form15>().Command1.click();
    auto& results = form<Form1>();
    ASSERT_TRUE(results.Visible());
    std::string keys, shown;
    for (int k = 1; k <= 20; ++k) {
        keys += question(33, k).answer;
        shown += results.Text4(k).Text();
    }
    EXPECT_EQ(shown, keys);
    EXPECT_EQ(results.Text3(1).Text(), "1");
    EXPECT_EQ(results.Text3(2).Text(), "0");
    EXPECT_EQ(results.Text3(3).Text(), "");
}

// The hub stays open during an exam; a case window opened from its chooser after the
// hand-in still has the exam menu, and its choice window must leave the results alone.
TEST_F(ExamRoadTest, PicksAfterTheHandInLeaveTheResultsTableAsHandedIn) {
    enterSeries();
    logIn();
    startExam(4);
    form<Form16>().ChoiceItem.click();
    pick(letterIndex(question(4, 1).answer));
    form<Form8>().Image1.click();  // the start window's way to the hub
    form<Form60>().Command4.click();
    ASSERT_TRUE(isShown<Form10>());
    form<Form42>().Label8.click();  // 交卷
    form<Form15>().Command1.click();
    auto& results = form<Form1>();
    ASSERT_TRUE(results.Visible());

    form<Form10>().Command2.click();
    ASSERT_TRUE(isShown<Form16>());
    form<Form16>().ChoiceItem.click();
    form<Form16>().ChoiceSetItems[3]->click();
    ASSERT_TRUE(isShown<Form20>());
    pick((letterIndex(question(4, 1).answer) + 1) % 4);
    form<Form20>().Image2(1).click();
    pick(letterIndex(question(4, 2).answer));
    EXPECT_EQ(results.Text3(1).Text() + results.Text5(1).Text(), "1" + std::string(question(4, 1).answer));
    EXPECT_EQ(results.Text3(2).Text() + results.Text5(2).Text(), "");
}

}  // namespace
