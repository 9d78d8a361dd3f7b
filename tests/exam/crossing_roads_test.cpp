// Where two roads meet, driven as a learner clicks: training then an exam, and an exam,
// the hub's case road after its hand-in, then another exam. Whatever an earlier road
// left behind, an exam starts from a clean card with the drawn set's own texts.
#include "cases/form31.h"
#include "exam/exam_support.h"
#include "navigation/form60.h"

using namespace forms;
using namespace Module1;

namespace {

std::string answerOf(const ChoiceRecord& r) {
    return "答案：" + std::string(r.answer) + "\r\n" + "分析：" + std::string(r.analysis);
}

bool marked(Label& number) { return number.BackColor() == 0x0000FF00u; }

class CrossingRoadsTest : public ExamTest {
protected:
    // What a fresh exam must show: no mark, no letter, the drawn set's questions and name.
    static void expectCleanCard(int set) {
        EXPECT_FALSE(isLoaded<Form20>()) << "no choice window left from before";
        EXPECT_FALSE(isLoaded<Form9>()) << "no analysis left open during the exam";
        EXPECT_FALSE(isShown<Form31>());
        for (int k = 1; k <= 23; ++k) EXPECT_FALSE(marked(form<Form15>().Label3(k))) << "item " << k;
        auto& window = form<Form16>();
        ASSERT_TRUE(window.Visible());
        EXPECT_EQ(window.Label4.Caption(), "第" + std::to_string(set) + "套");
        EXPECT_EQ(window.Text1.Text(), "");
        window.ChoiceItem.click();
        auto& choice = form<Form20>();
        ASSERT_TRUE(choice.Visible());
        EXPECT_EQ(choice.Text1.Text(), question(set, 1).stem);
        for (int i = 0; i < 4; ++i) EXPECT_FALSE(choice.Option1(i).Value());
        for (int k = 1; k <= 20; ++k) EXPECT_FALSE(marked(choice.Label3(k))) << "question " << k;
        for (int k = 1; k <= 20; ++k) EXPECT_EQ(form<Form1>().Text5(k).Text(), "") << "row " << k;
        choice.Image3.click();
    }
    static void handIn() {
        form<Form42>().Label8.click();
        form<Form15>().Command1.click();
    }
};

TEST_F(CrossingRoadsTest, TrainingThenAnExam) {
    enterSeries();
    form<Form43>().Command4.click();  // training
    form<Form10>().Combo1.pick(1);
    form<Form10>().Command2.click();
    auto& window = form<Form16>();
    ASSERT_EQ(window.Label4.Caption(), "实例2");
    window.WordItem.click();  // marks item 21 on a hidden progress window, opens nothing

    // The training door, set after set.
    window.ChoiceItem.click();
    window.ChoiceSetItems[2]->click();
    auto& choice = form<Form20>();
    EXPECT_EQ(choice.Text1.Text(), question(3, 1).stem);
    const int right = letterIndex(question(3, 1).answer);
    pick(right);
    choice.Command1.click();
    form<Form9>().Command2.click();  // the viewer closed
    pick((right + 1) % 4);            // a pick hides it, which loads a fresh one
    pick(right);
    choice.Command1.click();
    ASSERT_TRUE(isShown<Form9>());
    EXPECT_EQ(form<Form9>().Text1.Text(), answerOf(question(3, 1)));

    choice.Image3.click();
    ASSERT_TRUE(window.Visible());
    EXPECT_EQ(window.Label4.Caption(), "第3套") << "the case window stands for the set it opened";
    EXPECT_EQ(window.Text1.Text(), "");

    window.Command8.click();  // back to the chooser, another case, another set
    form<Form10>().Combo1.pick(0);
    form<Form10>().Command2.click();
    form<Form16>().ChoiceItem.click();
    form<Form16>().ChoiceSetItems[4]->click();
    EXPECT_EQ(form<Form20>().Text1.Text(), question(5, 1).stem) << "the second set's own questions";
    pick(letterIndex(question(5, 1).answer));
    EXPECT_EQ(form<Form20>().Label5.Caption(), "恭喜您，选择正确！") << "graded against the second set";
    EXPECT_EQ(form<Form1>().Text4(1).Text(), question(5, 1).answer);
    form<Form20>().Image3.click();

    // The mock-exam documents leave the selection as it was.
    form<Form16>().MockExamSetItems[0]->click();
    EXPECT_EQ(CurrentSelection(), "第5套");

    // The start window's door, after the training picks loaded a results table.
    ASSERT_TRUE(isShown<Form8>());
    form<Form8>().ExamDoor.click();
    ASSERT_TRUE(isShown<Form59>());
    form<Form59>().Command4.click();
    logIn();
    startExam(7);
    expectCleanCard(7);
    EXPECT_FALSE(form<Form16>().MockExamItem.Visible()) << "no documents that would change the drawn set";
    handIn();
    EXPECT_EQ(form<Form1>().Text4(1).Text(), question(7, 1).answer);
}

TEST_F(CrossingRoadsTest, AnExamTheHubsCaseRoadAfterItsHandInThenAnotherExam) {
    enterSeries();
    logIn();
    startExam(2);
    form<Form16>().ChoiceItem.click();
    pick(letterIndex(question(2, 1).answer));
    form<Form20>().Image3.click();
    form<Form16>().SheetItem.click();
    form<Form8>().Image1.click();  // the start window's way to the hub, during the exam
    form<Form60>().Command4.click();
    handIn();
    ASSERT_TRUE(isShown<Form1>());

    // The hub's case road while the results are shown: its picks mark a new progress card.
    form<Form10>().Command2.click();
    ASSERT_TRUE(isShown<Form16>());
    EXPECT_FALSE(form<Form16>().MockExamItem.Visible());
    form<Form16>().ChoiceItem.click();
    pick(letterIndex(question(2, 3).answer));
    form<Form16>().WordItem.click();
    ASSERT_TRUE(marked(form<Form15>().Label3(21)));

    form<Form1>().Command1.click();  // 退出, to the mode chooser
    ASSERT_TRUE(isShown<Form43>());
    logIn();
    startExam(9);
    expectCleanCard(9);
    form<Form42>().Label8.click();
    EXPECT_EQ(form<Form15>().Label21.Caption(), " 0") << "nothing answered yet";
    EXPECT_EQ(form<Form15>().Label24.Caption(), " 23");
}

TEST_F(CrossingRoadsTest, AnExamAfterAWrongAdmissionNumberShowsTheDrawnSetNotTheCaseOpenedMeanwhile) {
    enterSeries();
    form<Form43>().Option1(1).click();
    form<Form43>().Command4.click();
    form<Form12>().Text1.type("000000000000");
    shell().answers = {vbYes};  // leave the login for the case chooser
    form<Form12>().Image5.click();
    ASSERT_TRUE(isShown<Form10>());
    form<Form10>().Combo1.pick(3);
    form<Form10>().Command2.click();
    form<Form16>().Command2.click();
    ASSERT_TRUE(isShown<Form31>());
    ASSERT_NE(form<Form16>().Text1.Text(), "");

    form<Form8>().ExamDoor.click();
    form<Form59>().Command4.click();
    logIn();
    startExam(6);
    expectCleanCard(6);
    form<Form16>().Command2.click();
    EXPECT_EQ(form<Form31>().Text1.Text(), "") << "no earlier case's steps under the set";
}

}  // namespace
