#include "bank/form1.h"

#include <array>

#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "exam/exam_windows.h"
#include "exam/form20.h"
#include "exam/form42.h"
#include "exam/form43.h"
#include "navigation/form8.h"
#include "navigation/notice_windows.h"
#include "platform/helpers.h"
#include "shared/colours.h"
#include "shared/lines.h"
#include "shared/module1.h"

using namespace forms;
using namespace Module1;

namespace {

constexpr Colour kSelectedNumber = 0x00FF8080;

struct RowTops {
    int number, mark, right, chosen;
};
constexpr std::array<RowTops, 23> kRowTops = {{
    {840, 840, 840, 840},     {1080, 1200, 1200, 1200}, {1440, 1560, 1560, 1560}, {1800, 1920, 1920, 1920},
    {2160, 2205, 2280, 2280}, {2520, 2565, 2640, 2520}, {2880, 2880, 2880, 2880}, {3240, 3240, 3240, 3240},
    {3600, 3600, 3600, 3600}, {3960, 3960, 3960, 3960}, {4320, 4320, 4320, 4320}, {4560, 4680, 4680, 4680},
    {4920, 5040, 5040, 5040}, {5280, 5400, 5400, 5280}, {5640, 5640, 5640, 5640}, {6000, 6000, 6000, 6000},
    {6360, 6360, 6360, 6360}, {6720, 6720, 6720, 6720}, {7080, 7080, 7080, 7080}, {7320, 7440, 7440, 7440},
    {7680, 7800, 7680, 7800}, {8040, 8160, 8040, 8160}, {8400, 8520, 8400, 8400},
}};

constexpr std::array<int, 10> kMarkMaskTops = {1800, 2160, 2520, 4560, 4920, 5280, 7320, 7680, 8040, 8400};
constexpr std::array<int, 6> kRightMaskTops = {1800, 2160, 2520, 4560, 4920, 5280};

const TextBox::Style kCell{.border = false};
const TextBox::Style kPane{.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true};

// The question with its four options, each on a line of its own.
std::string questionText(int n) {
    std::string out = QuestionStem[n].text();
    for (const Table* option : {&OptionA, &OptionB, &OptionC, &OptionD}) (out += kCrLf) += (*option)[n].text();
    return out;
}

}  // namespace

Form1::Form1()
    : Form({.caption = "试题评判与分析", .border = BorderStyle::Sizable, .clientWidth = 13725, .clientHeight = 9510}),
      Frame2(*this, {0, 0, 13695, 9495}, ""),
      Image1(Frame2, {0, 0, 13650, 9450}, "exam_results"),
      Label1(Frame2, {120, 8760, 13455, 615}, ""),
      Label14(Frame2, {240, 9000, 6735, 255}, "说明：操作题答案文件在下载的软件安装压缩包中，考生可自己打开参考对照！"),
      Text1(Frame2, {5880, 0, 7695, 4215}, "", kPane),
      Text2(Frame2, {5880, 4200, 7695, 4575}, "", kPane),
      Command1(Frame2, {12120, 8880, 1095, 375}, "退出"),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可更改") {
    for (int k = 1; k <= 23; ++k) {
        const RowTops& top = kRowTops[static_cast<std::size_t>(k - 1)];
        Label& number = Label3.add(k, Frame2, Rect{120, top.number, 855, 255}, std::to_string(k));
        number.setAlignment(Label::Align::Center);
        number.setFont({.name = "宋体", .size = 10.5});
        number.setPaintsButtonFace(true);
    }
    for (std::size_t i = 0; i < kMarkMaskTops.size(); ++i)
        Label2.add(static_cast<int>(i), Frame2, Rect{2160, kMarkMaskTops[i], 495, 255}, "").setBackColor(kWhite);
    for (std::size_t i = 0; i < kRightMaskTops.size(); ++i)
        Label2.add(static_cast<int>(10 + i), Frame2, Rect{4080, kRightMaskTops[i], 495, 255}, "").setBackColor(kWhite);
    // The strip and its note lie above the numbers and masks; the boxes above all labels.
    Label1.ZOrder(0);
    Label1.setPaintsButtonFace(true);
    Label14.ZOrder(0);
    Label14.setForeColor(0x000000FF);
    Label14.setOpaque(false);
    for (int k = 1; k <= 23; ++k) {
        const RowTops& top = kRowTops[static_cast<std::size_t>(k - 1)];
        const int markHeight = k <= 6 ? 210 : k <= 8 ? 225 : 180;
        const int markWidth = k <= 6 ? 495 : 615;
        Text3.add(k, Frame2, Rect{2160, top.mark, markWidth, markHeight}, "", kCell);
        Text4.add(k, Frame2, Rect{4080, top.right, 495, k == 1 ? 255 : 180}, "", kCell);
        Text5.add(k, Frame2, Rect{5040, top.chosen, 495, 180}, "", kCell);
    }
    for (TextBox* pane : {&Text1, &Text2}) {
        pane->setFont({.name = "宋体", .size = 14.25});
        pane->ZOrder(0);
    }
    Command1.ZOrder(0);
    Label3.onClick([this](int index) { Label3_Click(index); });
    Command1.onClick([this] { Command1_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
    Text2.onMouseDown([this](int button, int shift, int x, int y) { Text2_MouseDown(button, shift, x, y); });
}

void Form1::Form_Load() {
    PreloadChoiceBank();
    for (int k = 1; k <= 20; ++k) Text4(k).setText(CorrectAnswer[k].text());
    Label3(1).setBackColor(kSelectedNumber);
    showItem(1);
}

void Form1::showItem(int n) {
    if (n >= 1 && n <= 20) {
        Text1.setText(questionText(n));
        Text2.setText(answerText(n));
    } else {
        Text1.setText(QuestionStem[n].text());
        Text2.setText(CorrectAnswer[n].text());
    }
}

void Form1::Label3_Click(int index) {
    for (int i = 1; i <= 23; ++i) Label3(i).setBackColor(kWhite);
    Label3(index).setBackColor(kSelectedNumber);
    showItem(index);
}

void Form1::Command1_Click() {
    CurrentItem = 0;
    Hide();
    Unload();
    UnloadExamWindows();
    form<Form43>().Show();
}

// Closing the table by its box leaves the exam as "退出" does, rather than with every
// window hidden and the drawn set's loader still loaded.
void Form1::closeBoxClicked() { Command1_Click(); }

void Form1::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }

void Form1::Text2_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text2, button); }

void Form1::StepAnalysis(int direction) {
    const int current = CurrentItem.number();
    const int next = direction == 0 ? current - 1 : current + 1;
    CurrentItem = next < 1 ? 1 : next > 20 ? 20 : next;
    showItem(CurrentItem.number());
}
