#include "unittest/form3.h"

#include "navigation/form2.h"
#include "platform/helpers.h"
#include "shared/colours.h"
#include "shared/lines.h"
#include "shared/module1.h"
#include "unittest/form4.h"

using namespace forms;
using Module1::CurrentItem;

namespace {
constexpr Colour kGreen = 0x0000FF00;
constexpr Colour kLetterCell = 0x00C0E0FF;
constexpr int kGridLeft = 1440;
constexpr int kGridStep = 240;
constexpr int kCell = 255;

Font songti(double size, bool bold = false) { return {.name = "宋体", .size = size, .bold = bold}; }
}  // namespace

std::string ReviewRecord(int k) {
    using namespace Module1;
    return joinLines({QuestionStem[k].text(), OptionA[k].text(), OptionB[k].text(), OptionC[k].text(),
                      OptionD[k].text(), "正确答案：" + CorrectAnswer[k].text(), "试题分析：" + Analysis[k].text()});
}

Form3::Form3()
    : Form({.caption = " 评析",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 11445,
            .clientHeight = 8355,
            .place = std::pair{2100, 600},
            .backColor = kWhite}),
      Frame1(*this, {120, 0, 11175, 735}, ""),
      Label1(Frame1, {2880, 240, 1455, 375}, "测验单元："),
      Label2(Frame1, {4320, 240, 3855, 375}, ""),
      Frame3(*this, {120, 720, 11175, 4215}, ""),
      Label8(Frame3, {240, 360, 1095, 255}, "题号"),
      Label10(Frame3, {240, 600, 1095, 255}, "你选择的答案"),
      Label104(Frame3, {240, 840, 1095, 255}, "本题正确答案"),
      Label13(Frame3, {1440, 1200, 975, 255}, "当前试题："),
      Label59(Frame3, {2400, 1200, 375, 255}, ""),
      Label11(Frame3, {3000, 1200, 975, 255}, "未做试题："),
      Label63(Frame3, {3960, 1200, 375, 255}, ""),
      Label7(Frame3, {4560, 1200, 975, 255}, "做对试题："),
      Label65(Frame3, {5520, 1200, 375, 255}, ""),
      Label5(Frame3, {6120, 1200, 975, 255}, "做错试题："),
      Label67(Frame3, {7080, 1200, 375, 255}, ""),
      Line1(Frame3, 120, 1560, 11040, 1560, kGreen),
      Label150(Frame3, {480, 2040, 855, 735}, "测验结果"),
      Label153(Frame3, {2040, 2160, 1935, 255}, "本单元测验得分："),
      Label157(Frame3, {3840, 2040, 1095, 495}, ""),
      Line2(Frame3, 120, 3000, 11040, 3000, kGreen),
      Label139(Frame3, {480, 3480, 855, 375}, "结论"),
      Text1(Frame3, {2040, 3240, 8055, 855}, "", {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical}),
      Frame2(*this, {120, 5040, 11175, 2775}, ""),
      Label106(Frame2, {2040, 120, 5175, 255}, "说明：单击上面的题号标签可在下面迅速看到该题的内容和分析："),
      Label140(Frame2, {600, 840, 735, 735}, "试题分析"),
      Text2(Frame2, {2040, 480, 8055, 1455}, "Text2", {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical}),
      Frame4(Frame2, {4800, 1920, 2175, 735}, ""),
      Command5(*this, {10680, 7920, 615, 375}, "返回", true),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "禁止右键") {
    for (Frame* f : {&Frame1, &Frame3, &Frame2, &Frame4}) f->setBackColor(kWhite);

    // The answer grid: one column a question; neighbouring cells overlap by one pixel, so
    // that bordered cells share their edge.
    for (int i = 1; i <= 40; ++i) {
        const int left = kGridLeft + kGridStep * (i - 1);
        Label& number = Label3.add(i, Frame3, Rect{left, 360, kCell, kCell}, std::to_string(i));
        number.setPaintsButtonFace(true);
        Label& picked = Label4.add(i, Frame3, Rect{left, 600, kCell, kCell}, "");
        Label& right = Label6.add(i, Frame3, Rect{left, 840, kCell, kCell}, "");
        for (Label* cell : {&picked, &right}) {
            cell->setBordered(true);
            cell->setBackColor(kLetterCell);
        }
        for (Label* cell : {&number, &picked, &right}) cell->setAlignment(Label::Align::Center);
    }
    for (Label* caption : {&Label8, &Label10, &Label104}) {
        caption->setAlignment(Label::Align::Right);
        caption->setBackColor(kWhite);
    }

    // The legend: a text and its colour square each.
    const std::pair<Label*, Colour> squares[] = {{&Label59, answer_grid::kCurrent},
                                                 {&Label63, 0x00E0E0E0},
                                                 {&Label65, answer_grid::kRight},
                                                 {&Label67, answer_grid::kWrong}};
    for (const auto& [square, colour] : squares) {
        square->setBordered(true);
        square->setBackColor(colour);
    }
    for (Label* text : {&Label13, &Label11, &Label7, &Label5}) text->setBackColor(kWhite);

    Label1.setAlignment(Label::Align::Right);
    Label1.setFont(songti(14.25));
    Label2.setFont(songti(14.25, true));
    for (Label* box : {&Label150, &Label139, &Label140}) box->setFont(songti(14.25));
    for (Label* box : {&Label150, &Label139}) box->setAlignment(Label::Align::Center);
    Label153.setAlignment(Label::Align::Center);
    Label153.setFont(songti(10.5));
    Label153.setBackColor(kWindowBackground);
    Label157.setAlignment(Label::Align::Center);
    Label157.setFont(songti(21.75, true));
    Label157.setForeColor(0x000000FF);
    Label157.setBackColor(kWindowBackground);
    for (Label* box : {&Label1, &Label2, &Label150, &Label139, &Label140}) box->setBackColor(kWhite);
    for (Label* box : {&Label2, &Label150, &Label157, &Label139, &Label140}) box->setBordered(true);
    Text1.setFont(songti(14.25, true));
    Label106.setForeColor(0x00000080);
    Label106.setBackColor(0x00FFFF80);

    cmd.add(0, Frame4, Rect{120, 240, 855, 375}, "上一题");
    cmd.add(1, Frame4, Rect{1200, 240, 855, 375}, "下一题");
    Command5.setBackColor(0x000080FF);
    Command5.setFont(songti(10.5));

    cmd.onClick([this](int index) { cmd_Click(index); });
    Label3.onClick([this](int index) { Label3_Click(index); });
    Command5.onClick([this] { Command5_Click(); });
    Text2.onMouseDown([this](int button, int shift, int x, int y) { Text2_MouseDown(button, shift, x, y); });
}

void Form3::Form_Load() {
    Show();
    CurrentItem = 1;
    Label3(1).setBackColor(answer_grid::kCurrent);
    Text2.setText(ReviewRecord(1));
    for (int i = 1; i <= 40; ++i) Label6(i).setCaption(Module1::CorrectAnswer[i].text());
}

void Form3::cmd_Click(int index) {
    const int count = Module1::UnitQuestionCount.number();
    if (index == 0) {
        CurrentItem = CurrentItem.number() - 1;
        if (CurrentItem.number() < 1) {
            CurrentItem = 1;
            helpers::BrowseNotice("请单击“下一题”按钮。");
        }
    } else if (index == 1) {
        CurrentItem = CurrentItem.number() + 1;
        if (CurrentItem.number() > count) {
            CurrentItem = count;
            helpers::BrowseNotice("本单元测验试题完毕！");
        }
    }
    Text2.setText(ReviewRecord(CurrentItem.number()));
}

void Form3::Label3_Click(int index) {
    for (int i = 1; i <= 40; ++i) {
        const std::string& picked = Label4(i).Caption();
        if (picked == Label6(i).Caption())
            Label3(i).setBackColor(answer_grid::kRight);  // also where neither row holds a letter
        else if (!picked.empty())
            Label3(i).setBackColor(answer_grid::kWrong);
        else
            Label3(i).setBackColor(answer_grid::kNotAnswered);
    }
    CurrentItem = index;
    Label3(index).setBackColor(answer_grid::kCurrent);
    Text2.setText(ReviewRecord(index));
}

void Form3::Command5_Click() {
    Hide();
    form<Form4>().Show();
}

// Closing the review by its box goes back to the test as "返回" does, rather than leaving
// the hidden test with nothing on the screen.
void Form3::closeBoxClicked() { Command5_Click(); }

void Form3::Text2_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text2, button); }

void Form3::ReturnToStudy() {
    Hide();
    Unload();
    form<Form2>().Show();
}
