#include "exam/form20.h"

#include "bank/form1.h"
#include "cases/form16.h"
#include "exam/form15.h"
#include "exam/form43.h"
#include "navigation/form9.h"
#include "platform/helpers.h"
#include "shared/colours.h"
#include "shared/lines.h"
#include "shared/module1.h"

using namespace forms;
using namespace Module1;

namespace {
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kRed = 0x000000FF;
const char* const kLetters[] = {"A", "B", "C", "D"};
}  // namespace

std::string answerText(int n) {
    return "答案：" + CorrectAnswer[n].text() + std::string(kCrLf) + "分析：" + Analysis[n].text();
}

Form20::Form20()
    : Form({.caption = "NCRE无纸化_二级MS Office高级应用_考试系统_[选择题]姓名：模拟1，准考证号：418207735096",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 15270,
            .clientHeight = 9585,
            .place = std::pair{540, 825}}),
      Frame1(*this, {0, 0, 15495, 9615}, "Frame1"),
      Image1(Frame1, {0, 0, 15360, 9600}, "exam_choice"),
      Label1(Frame1, {2520, 960, 12855, 7335}, ""),
      Text1(Frame1, {3120, 1080, 12015, 2775}, "",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Shape1(Frame1, {2640, 1080, 400, 400}, Shape::Kind::Circle),
      Label2(Frame1, {2760, 1200, 195, 195}, "1"),
      Frame2(Frame1, {2520, 8280, 10455, 1335}, ""),
      Label4(Frame1, {13920, 8520, 1455, 255}, "1/20"),
      Label5(Frame1, {5760, 7800, 4695, 375}, ""),
      Command1(Frame1, {13680, 7800, 1215, 375}, "试题评析", true),
      Image3(Frame1, {14400, 120, 735, 735}),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可改动") {
    Label1.setBackColor(kWhite);
    Text1.setFont({.name = "宋体", .size = 10.5});
    const int tops[] = {4080, 4680, 5280, 5880};
    const int widths[] = {8295, 8295, 8415, 8415};
    const char* captions[] = {"A)", "B)", "C)", "D)"};
    for (int i = 0; i < 4; ++i) {
        OptionButton& option = Option1.add(i, Frame1, Rect{2760, tops[i], widths[i], 495}, captions[i]);
        option.setBackColor(kWhite);
        option.setFont({.name = "宋体", .size = 10.5});
    }
    Shape1.setFillStyle(Shape::Solid);
    Shape1.setFillColor(kGreen);
    Shape1.setBorderColor(kGreen);
    Label2.setBackColor(kGreen);
    Label2.setForeColor(kRed);
    Label2.setFont({.name = "宋体", .size = 10.5});
    Label2.setAlignment(Label::Align::Center);
    for (int i = 1; i <= 20; ++i) {
        Shape2.add(i, Frame2, Rect{120 + 480 * (i - 1), 240, 405, 405}, Shape::Kind::Circle);
        Label& number = Label3.add(i, Frame2, Rect{240 + 480 * (i - 1), 360, 195, 195}, std::to_string(i));
        number.setFont({.name = "宋体", .size = 10.5});
        number.setAlignment(Label::Align::Center);
        number.setMousePointer(MousePointer::Hand);
    }
    // The counter hides the sample the picture draws in its place.
    Label4.setPaintsButtonFace(true);
    Label5.setBackColor(kWhite);
    Label5.setForeColor(kRed);
    Label5.setFont({.name = "华文新魏", .size = 15.75});
    Command1.setBackColor(0x0000FFFF);
    Image2.add(0, Frame1, Rect{13200, 9120, 975, 255});
    Image2.add(1, Frame1, Rect{14280, 9120, 1095, 255});
    for (auto& [i, hotSpot] : Image2) hotSpot->setMousePointer(MousePointer::Hand);
    Image3.setMousePointer(MousePointer::Hand);
    setTabOrder({&Text1, &Option1(0), &Option1(1), &Option1(2), &Option1(3), &Command1});
    Label3.onClick([this](int index) { Label3_Click(index); });
    Image2.onClick([this](int index) { Image2_Click(index); });
    Option1.onClick([this](int index) { Option1_Click(index); });
    Command1.onClick([this] { Command1_Click(); });
    Image3.onClick([this] { Image3_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

void Form20::Form_Load() {
    for (int i = 0; i < 4; ++i) Option1(i).setValue(false);
}

void Form20::ClearChoiceDisplay() {
    Label5.setCaption("");
    Command1.setVisible(false);
    Text1.setAlignment(Label::Align::Left);
    for (int i = 0; i < 4; ++i) Option1(i).setValue(false);
    for (int i = 1; i <= 20; ++i) Label3(i).setFontBold(false);
}

void Form20::ShowChoiceQuestion(int n) {
    CurrentItem = n;
    Label2.setCaption(std::to_string(n));
    Label3(n).setFontBold(true);
    Label4.setCaption(std::to_string(n) + "/20");
    Text1.setText(QuestionStem[n].text());
    Option1(0).setCaption(OptionA[n].text());
    Option1(1).setCaption(OptionB[n].text());
    Option1(2).setCaption(OptionC[n].text());
    Option1(3).setCaption(OptionD[n].text());
    form<Form9>().Text1.setText(answerText(n));
}

void Form20::Label3_Click(int index) {
    ClearChoiceDisplay();
    ShowChoiceQuestion(index);
}

void Form20::Image2_Click(int index) {
    ClearChoiceDisplay();
    const int current = CurrentItem.number();
    if (index == 0) {
        if (current <= 1)
            helpers::BrowseNotice("请单击“下一题”按钮！");
        else
            CurrentItem = current - 1;
    } else {
        CurrentItem = current + 1;
    }
    const int n = CurrentItem.number();
    if (n >= 1 && n <= 20) {
        ShowChoiceQuestion(n);
    } else if (n > 20) {
        helpers::BrowseNotice(isShown<Form9>() ? "请单击“上一题”按钮！" : "选择题到此全部完毕！");
        CurrentItem = 20;
    }
}

void Form20::Option1_Click(int) {
    form<Form9>().Hide();
    int picked = -1;
    for (int i = 0; i < 4 && picked < 0; ++i)
        if (Option1(i).Value()) picked = i;
    if (picked >= 0) LastChoice = kLetters[picked];
    const int n = CurrentItem.number();
    if (n >= 1 && n <= 20) {
        markAnswered(Label3(n), Shape2(n));
        markAnswered(form<Form15>().Label3(n), form<Form15>().Shape2(n));
        // A shown results table holds a handed-in exam: a choice window opened afterwards
        // (the case chooser stays reachable from the hub during the exam) must not regrade it.
        if (!isShown<Form1>()) {
            form<Form1>().Text5(n).setText(LastChoice.text());
            form<Form1>().Text4(n).setText(CorrectAnswer[n].text());
            form<Form1>().Text3(n).setText(CorrectAnswer[n] == LastChoice.text() ? "1" : "0");
        }
    }
    if (!inTrainingMode() || picked < 0) return;
    if (CorrectAnswer[CurrentItem.number()] == kLetters[picked]) {
        Label5.setCaption("恭喜您，选择正确！");
        Command1.setVisible(true);
    } else {
        Label5.setCaption("您的选择不正确，请重新选择！");
    }
}

// The viewer may have been closed since the question was shown, and a pick's hide then
// loaded a fresh one with its design text: the current question's answer goes in first.
void Form20::Command1_Click() {
    form<Form9>().Text1.setText(answerText(CurrentItem.number()));
    form<Form9>().Show();
}

void Form20::Image3_Click() {
    CurrentItem = 0;
    Hide();
    Unload();
    form<Form16>().Show();
}

void Form20::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }
