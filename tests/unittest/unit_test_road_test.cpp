// The unit-test road, driven as a learner clicks: hub, unit test, a unit chosen, picks
// graded into the review grid, the browse with its edges, the review and back; and the
// subtle points of picks, restores, the unit list and the shared question number.
#include <QApplication>
#include <QWidget>

#include "navigation/form2.h"
#include "navigation/form60.h"
#include "support/trainer_test.h"
#include "unittest/form3.h"
#include "unittest/form4.h"
#include "unittest/unit_bank_content.h"

using namespace forms;
using namespace Module1;

namespace {

constexpr Colour kCurrent = 0x00C000, kRight = 0xFF, kWrong = 0xFFFF;

std::string right(int q) { return CorrectAnswer[q].text(); }
std::string wrong(int q) { return right(q) == "A" ? "B" : "A"; }

std::string record(const ChoiceRecord& r) {
    return std::string(r.stem) + "\r\n" + std::string(r.options[0]) + "\r\n" + std::string(r.options[1]) + "\r\n" +
           std::string(r.options[2]) + "\r\n" + std::string(r.options[3]) + "\r\n正确答案：" + std::string(r.answer) +
           "\r\n试题分析：" + std::string(r.analysis);
}

class UnitTestRoad : public TrainerTest {
protected:
    static Form4& test() { return form<Form4>(); }
    static Form3& review() { return form<Form3>(); }

    void openFromHub() {
        form<Form60>().Show();
        form<Form60>().UnitTestDoor.click();
    }
    static void pick(const std::string& letter) { test().Optbutton(letter[0] - 'A').click(); }
    static void next() { test().cmd(1).click(); }
    static void previous() { test().cmd(0).click(); }
    static std::optional<std::string> selected() {
        for (int i = 0; i < 4; ++i)
            if (test().Optbutton(i).Value()) return std::string(1, static_cast<char>('A' + i));
        return std::nullopt;
    }
    // Answers all forty questions of the unit: the first `rightOnes` right, the others wrong.
    static void answerAll(int rightOnes) {
        for (int q = 1; q <= 40; ++q) {
            pick(q <= rightOnes ? right(q) : wrong(q));
            if (q < 40) next();
        }
    }
    static std::vector<std::string> prompts() {
        std::vector<std::string> out;
        for (const auto& box : shell().messageBoxes) {
            EXPECT_EQ(box.title, std::optional<std::string>("提示"));
            EXPECT_EQ(box.style, vbOKOnly);
            out.push_back(box.prompt);
        }
        return out;
    }
};

TEST_F(UnitTestRoad, FromTheHubThroughAUnitTheReviewAndBack) {
    openFromHub();
    EXPECT_FALSE(isLoaded<Form60>());
    EXPECT_FALSE(isLoaded<Form3>()) << "the load leaves the review alone";
    ASSERT_TRUE(test().Visible());
    EXPECT_EQ(test().Caption(), "单元测验");
    ASSERT_EQ(test().Combo1.ListCount(), 8);
    EXPECT_EQ(test().Combo1.List(0), "数据结构与算法");
    EXPECT_EQ(test().Combo1.List(7), "PowerPoint演示文稿");
    EXPECT_EQ(test().Combo1.Text(), "计算机基础知识");
    EXPECT_EQ(test().Text1.Text(), "1.英文CAM的含义是（）。");
    EXPECT_EQ(test().Text1.FontSize(), 14);
    EXPECT_EQ(test().Optbutton(0).Caption(), "(A) 计算机辅助制造");
    EXPECT_EQ(selected(), std::nullopt);

    // A unit picked from the list: question 1 of it, and a fresh review hidden behind.
    test().Combo1.pick(5);
    const auto& word = unittest::unit6();
    EXPECT_EQ(test().Text1.Text(), word[0].stem);
    EXPECT_EQ(test().Optbutton(3).Caption(), word[0].options[3]);
    ASSERT_TRUE(isLoaded<Form3>());
    EXPECT_FALSE(review().Visible());
    for (int i = 1; i <= 40; ++i) ASSERT_EQ(review().Label6(i).Caption(), std::string(word[i - 1].answer));
    EXPECT_EQ(review().Label3(1).BackColor(), kCurrent);
    EXPECT_EQ(review().Label3(2).BackColor(), kButtonFace);
    EXPECT_EQ(review().Text2.Text(), record(word[0]));

    // Right on 1, wrong on 2, a wrong pick on 3 changed to the right letter.
    pick(right(1));
    EXPECT_EQ(ChosenAnswer[1].text(), right(1));
    EXPECT_EQ(review().Label4(1).Caption(), right(1));
    EXPECT_EQ(review().Label3(1).BackColor(), kRight);
    EXPECT_FALSE(review().Visible());
    next();
    pick(wrong(2));
    EXPECT_EQ(review().Label3(2).BackColor(), kWrong);
    next();
    pick(wrong(3));
    pick(right(3));
    EXPECT_EQ(review().Label4(3).Caption(), right(3));
    EXPECT_EQ(review().Label3(3).BackColor(), kRight);
    EXPECT_EQ(test().Score, 5);

    // Browsing back shows each recorded letter again; the first question is an edge.
    previous();
    EXPECT_EQ(selected(), wrong(2));
    previous();
    EXPECT_EQ(selected(), right(1));
    previous();
    EXPECT_EQ(test().CurrentQuestion, 1);
    EXPECT_EQ(selected(), right(1)) << "restored after the box";
    for (int q = 2; q <= 40; ++q) next();
    EXPECT_EQ(test().Text1.Text(), word[39].stem);
    next();
    EXPECT_EQ(test().CurrentQuestion, 40);
    EXPECT_EQ(prompts(), (std::vector<std::string>{"如果想重做试题，请单击“下一题”按钮。", "本单元测验完毕！"}));
    EXPECT_EQ(test().Score, 5);

    // The review: the score, the verdict and the unit; records by number and by browse.
    test().Command1.click();
    EXPECT_TRUE(review().Visible());
    EXPECT_FALSE(test().Visible());
    EXPECT_TRUE(isLoaded<Form4>());
    EXPECT_EQ(review().Caption(), " 评析");
    EXPECT_EQ(review().Label157.Caption(), " 5");
    EXPECT_EQ(review().Text1.Text(), "   你本单元测验成绩不理想，应该加强本单元学习和练习！");
    EXPECT_EQ(review().Label2.Caption(), "Word文字处理");
    review().Label3(5).click();
    EXPECT_EQ((std::vector<Colour>{review().Label3(1).BackColor(), review().Label3(2).BackColor(),
                                   review().Label3(3).BackColor(), review().Label3(4).BackColor(),
                                   review().Label3(5).BackColor()}),
              (std::vector<Colour>{kRight, kWrong, kRight, kButtonFace, kCurrent}));
    EXPECT_EQ(review().Text2.Text(), record(word[4]));
    review().cmd(1).click();
    EXPECT_EQ(review().Text2.Text(), record(word[5]));
    EXPECT_EQ(review().Label3(5).BackColor(), kCurrent) << "a browse moves no mark";
    review().Label3(1).click();
    review().cmd(0).click();
    EXPECT_EQ(CurrentItem, 1);
    review().Label3(40).click();
    review().cmd(1).click();
    EXPECT_EQ(review().Text2.Text(), record(word[39]));
    EXPECT_EQ(prompts().back(), "本单元测验试题完毕！");
    EXPECT_EQ(prompts()[2], "请单击“下一题”按钮。");

    // Back to the test as it was, and out to the hub.
    review().Command5.click();
    EXPECT_FALSE(review().Visible());
    EXPECT_TRUE(test().Visible());
    EXPECT_EQ(test().CurrentQuestion, 40);
    EXPECT_EQ(test().Combo1.Text(), "Word文字处理");
    test().Command2.click();
    EXPECT_FALSE(isLoaded<Form3>());
    EXPECT_FALSE(isLoaded<Form4>());
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{"计算机Movaro系列"});
    settle();

    // A fresh test: the default unit, nothing recorded, a fresh review.
    form<Form60>().UnitTestDoor.click();
    EXPECT_EQ(test().Combo1.Text(), "计算机基础知识");
    EXPECT_EQ(test().Score, 0);
    for (int i = 1; i <= 40; ++i) ASSERT_EQ(ChosenAnswer[i].text(), "");
    test().Command1.click();
    EXPECT_EQ(review().Label157.Caption(), " 0");
    EXPECT_EQ(review().Label4(1).Caption(), "");
    EXPECT_EQ(review().Label6(1).Caption(), "A");
    EXPECT_EQ(review().Label3(1).BackColor(), kCurrent);
}

TEST_F(UnitTestRoad, EveryBandHasItsScoreAndVerdict) {
    const std::vector<std::tuple<int, std::string, std::string>> bands = {
        {0, " 0", "   你本单元测验成绩不理想，应该加强本单元学习和练习！"},
        {23, " 57.5", "   你本单元测验成绩不理想，应该加强本单元学习和练习！"},
        {24, " 60", "   你本单元测验过关！"},
        {31, " 77.5", "   你本单元测验过关！"},
        {32, " 80", "   你本单元测验达到良好水平！"},
        {35, " 87.5", "   你本单元测验达到良好水平！"},
        {36, " 90", "   你本单元测验已达到优秀水平，值得庆贺！"},
        {39, " 97.5", "   你本单元测验已达到优秀水平，值得庆贺！"},
        {40, " 100", "   你本单元测验满分，太棒了！"}};
    openFromHub();
    for (const auto& [rightOnes, score, verdict] : bands) {
        test().Combo1.pick(rightOnes % 8);
        answerAll(rightOnes);
        test().Command1.click();
        EXPECT_EQ(review().Label157.Caption(), score) << rightOnes;
        EXPECT_EQ(review().Text1.Text(), verdict) << rightOnes;
        review().Command5.click();
    }
}

TEST_F(UnitTestRoad, AChangedPickTakesItsPointsBackAndTheSameLetterChangesNothing) {
    openFromHub();
    pick(right(1));
    next();
    pick(right(2));
    pick(wrong(2));
    EXPECT_EQ(test().Score, 2.5);
    EXPECT_EQ(review().Label4(2).Caption(), wrong(2));
    EXPECT_EQ(review().Label3(2).BackColor(), kWrong);
    pick(wrong(2));
    EXPECT_EQ(test().Score, 2.5);
    pick(right(2));
    pick(right(2));
    EXPECT_EQ(test().Score, 5);
    EXPECT_EQ(review().Label3(2).BackColor(), kRight);

    // Picks after a review change the grid at once, the review's score only at the next review.
    test().Command1.click();
    review().Command5.click();
    pick(wrong(2));
    EXPECT_EQ(review().Label3(2).BackColor(), kWrong);
    EXPECT_EQ(review().Label157.Caption(), " 5");
    test().Command1.click();
    EXPECT_EQ(review().Label157.Caption(), " 2.5");
}

TEST_F(UnitTestRoad, ARestoredAnswerIsShownButNotPicked) {
    openFromHub();
    next();
    pick(right(2));
    // The review's own click makes number 2 current; a pick would paint it red and hide the review.
    review().Show();
    review().Label3(2).click();
    ChosenAnswer[5] = "C";  // a recorded letter that no pick wrote into the review
    previous();
    next();
    EXPECT_EQ(selected(), right(2));
    EXPECT_EQ(review().Label3(2).BackColor(), kCurrent);
    EXPECT_TRUE(review().Visible());
    EXPECT_EQ(test().Score, 2.5);

    unload<Form3>();
    for (int q = 3; q <= 5; ++q) next();
    EXPECT_EQ(selected(), "C");
    EXPECT_FALSE(isLoaded<Form3>()) << "a restore writes nothing into the review";
    EXPECT_EQ(ChosenAnswer[5].text(), "C");
    EXPECT_EQ(test().Score, 2.5) << "the score is recounted only at a pick";
}

TEST_F(UnitTestRoad, TheListClicksOnlyOnAPickAndNeverTakesTypedText) {
    openFromHub();
    const std::string stem = QuestionStem[1].text();
    pick(right(1));
    // The list shows the default unit without having it selected: leaving the list with
    // the keyboard is no pick.
    test().Combo1.widget()->setFocus();
    QApplication::processEvents();
    test().Text1.SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(ChosenAnswer[1].text(), right(1));
    test().Combo1.widget()->setFocus();
    test().Combo1.type("数据结构与算法");
    test().Text1.SetFocus();
    test().Combo1.pressEnter();
    test().Combo1.setText("程序设计基础");
    EXPECT_EQ(QuestionStem[1].text(), stem);
    EXPECT_EQ(test().Combo1.ListCount(), 8);
    EXPECT_EQ(ChosenAnswer[1].text(), right(1));
    EXPECT_EQ(review().Label4(1).Caption(), right(1));

    test().Combo1.type("我的单元");
    test().Command1.click();
    EXPECT_EQ(review().Label2.Caption(), "我的单元") << "the typed name is shown as the unit";
    review().Command5.click();

    test().Combo1.pick(0);
    EXPECT_EQ(QuestionStem[1].text(), unittest::unit1()[0].stem);
    EXPECT_EQ(ChosenAnswer[1].text(), "");
    EXPECT_EQ(review().Label4(1).Caption(), "");
    EXPECT_EQ(review().Label157.Caption(), "") << "a fresh review";
    EXPECT_EQ(selected(), std::nullopt);
}

TEST_F(UnitTestRoad, TheReviewThatAPickLoadsLeavesTheKeyboardWithTheTest) {
    openFromHub();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), test().window());
    pick(right(1));
    QApplication::processEvents();
    EXPECT_TRUE(isLoaded<Form3>());
    EXPECT_FALSE(review().Visible());
    EXPECT_EQ(QApplication::activeWindow(), test().window());
    test().Combo1.pick(2);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), test().window());
}

TEST_F(UnitTestRoad, TheTestKeepsItsQuestionWhileTheReviewMovesTheSharedOne) {
    openFromHub();
    for (int q = 2; q <= 5; ++q) next();
    pick(right(5));
    EXPECT_EQ(CurrentItem, 1) << "set by the review's load";
    test().Command1.click();
    review().cmd(1).click();
    review().cmd(1).click();
    EXPECT_EQ(CurrentItem, 3);
    review().Command5.click();
    EXPECT_EQ(test().CurrentQuestion, 5);
    next();
    EXPECT_EQ(test().CurrentQuestion, 6);
    EXPECT_EQ(CurrentItem, 3);
    test().Command1.click();
    EXPECT_EQ(review().Text2.Text(), record(unittest::unit5()[2])) << "the review as it was left";
}

TEST_F(UnitTestRoad, CloseBoxesGoBackAsTheReturnButtonsDo) {
    openFromHub();
    test().Combo1.pick(7);
    pick(right(1));
    test().Command1.click();
    closeByBox(review());
    EXPECT_FALSE(review().Visible());
    EXPECT_TRUE(test().Visible());

    closeByBox(test());
    EXPECT_FALSE(programEnded());
    EXPECT_FALSE(isLoaded<Form4>());
    EXPECT_FALSE(isLoaded<Form3>()) << "no review of the old unit is left behind";
    EXPECT_EQ(shownCaptions(), std::vector<std::string>{"计算机Movaro系列"});
    form<Form60>().UnitTestDoor.click();
    test().Command1.click();
    EXPECT_EQ(review().Label6(1).Caption(), "A") << "the default unit's letters";
    EXPECT_EQ(review().Label4(1).Caption(), "");
}

TEST_F(UnitTestRoad, RightClicksPopUpTheOneItemMenus) {
    openFromHub();
    test().Text1.mouseDown(vbRightButton);
    test().Text1.mouseDown(vbLeftButton);
    test().Command1.click();
    review().Text2.mouseDown(vbRightButton);
    ASSERT_EQ(shell().popups.size(), 2u);
    for (const auto& popup : shell().popups) {
        EXPECT_EQ(popup.menu, "快捷菜单");
        EXPECT_EQ(popup.items, std::vector<std::string>{"禁止右键"});
    }
}

TEST_F(UnitTestRoad, ReturningToStudyFromTheReviewShowsTheStudyWindow) {
    openFromHub();
    test().Command1.click();
    invoke([] { review().ReturnToStudy(); });
    EXPECT_FALSE(isLoaded<Form3>());
    EXPECT_TRUE(isShown<Form2>());
    EXPECT_TRUE(isLoaded<Form4>());
    EXPECT_FALSE(isShown<Form4>());
}

}  // namespace
