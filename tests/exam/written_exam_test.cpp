// The written-exam set drawer and the hand-in password window, by the test clock.
#include <QApplication>
#include <QWidget>

#include "exam/exam_support.h"
#include "exam/form44.h"
#include "exam/form46.h"

using namespace forms;

namespace {

using WrittenExamTest = ExamTest;

TEST_F(WrittenExamTest, TheDrawNamesAWrittenSetMarksTheBannerAndLeavesTheModeChooser) {
    enterSeries();
    auto& drawer = form<Form44>();
    drawer.Show();
    drawer.Command1.click();
    EXPECT_EQ(drawer.Label1.Caption(), "正在抽取笔试试题，请稍等……");
    ASSERT_TRUE(drawer.Timer1.Enabled());
    EXPECT_EQ(drawer.Timer1.Interval(), 8000);

    shell().wholeNumbers = {10};
    drawer.Timer1.tick();
    EXPECT_EQ(CurrentSelection(), "第10套");
    EXPECT_EQ(shell().wholeNumberRanges, (std::vector<std::pair<int, int>>{{1, 10}}));
    EXPECT_TRUE(shell().seeds.empty()) << "never reseeded from the time of day";
    EXPECT_FALSE(drawer.Timer1.Enabled());
    EXPECT_EQ(form<Form10>().Label3.Caption() + form<Form10>().Label4.Caption(), "笔试考试");
    EXPECT_TRUE(isLoaded<Form10>() && !isShown<Form10>());
    EXPECT_TRUE(isShown<Form45>());
    EXPECT_FALSE(isLoaded<Form43>());
    EXPECT_TRUE(drawer.Visible());

    shell().wholeNumbers = {1};
    drawer.Command1.click();
    drawer.Timer1.tick();
    EXPECT_EQ(CurrentSelection(), "第1套");
    EXPECT_FALSE(isLoaded<Form43>()) << "unloaded even when the draw found it unloaded";

    drawer.Command3.click();
    settle();
    EXPECT_FALSE(isLoaded<Form44>());
    EXPECT_TRUE(isShown<Form43>());
    EXPECT_TRUE(form<Form43>().Option1(0).Value()) << "a fresh chooser, in training";
}

TEST_F(WrittenExamTest, TheEndPasswordIsAskedAfterTheFirstTickAndComparedExactly) {
    auto& window = form<Form46>();
    window.Show();
    EXPECT_FALSE(window.Text1.Visible() || window.Command1.Visible() || window.Label4.Visible());
    EXPECT_EQ(window.Timer2.Interval(), 5000);
    ASSERT_TRUE(window.Timer2.Enabled());
    window.Timer2.tick();
    EXPECT_EQ(window.Label1.Caption(), "交卷正常，请监考老师输入结束密码：");
    EXPECT_TRUE(window.Text1.Visible() && window.Command1.Visible() && window.Label4.Visible());

    window.Command1.widget()->setFocus();
    for (const char* wrong : {"", "73921", " 73920", "73920 "}) {
        window.Text1.type(wrong);
        window.Command1.click();
        ASSERT_FALSE(shell().messageBoxes.empty());
        EXPECT_EQ(shell().messageBoxes.back().prompt, "输入的密码不正确！");
        EXPECT_EQ(shell().messageBoxes.back().style, vbOKOnly);
        EXPECT_FALSE(shell().messageBoxes.back().title.has_value());
        EXPECT_EQ(window.Text1.Text(), "");
        EXPECT_EQ(window.Text1.widget()->window()->focusWidget(), window.Text1.widget());
        EXPECT_TRUE(window.Visible()) << '"' << wrong << '"';
    }
    EXPECT_EQ(shell().messageBoxes.size(), 4u);
    window.Timer2.tick();  // a later tick changes nothing that can be seen
    window.Text1.type("73920");
    window.Command1.click();
    settle();
    EXPECT_FALSE(isLoaded<Form46>());
    EXPECT_TRUE(isShown<Form42>());
    EXPECT_EQ(shell().messageBoxes.size(), 4u);
}

}  // namespace
