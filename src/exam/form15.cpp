#include "exam/form15.h"

#include "bank/form1.h"
#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "exam/exam_windows.h"
#include "exam/form20.h"
#include "exam/form42.h"
#include "navigation/form8.h"
#include "navigation/notice_windows.h"
#include "shared/colours.h"

using namespace forms;

namespace {
constexpr Colour kLightGrey = 0x00E0E0E0;
constexpr Colour kDarkRed = 0x000000C0;
}  // namespace

void markAnswered(Label& number, Shape& circle) {
    number.setForeColor(kAnsweredMarkFore);
    number.setBackColor(kAnsweredMarkBack);
    circle.setFillStyle(Shape::Solid);
    circle.setFillColor(kAnsweredMarkBack);
}

Form15::Form15()
    : Form({.caption = "作答进度",
            .border = BorderStyle::Sizable,
            .clientWidth = 12000,
            .clientHeight = 8790,
            .place = std::pair{2055, 1845}}),
      Frame1(*this, {0, 0, 12015, 8775}, "Frame1"),
      Label1(Frame1, {2880, 120, 615, 255}, "Label1"),
      Label2(Frame1, {4800, 120, 615, 255}, "Label2"),
      Image1(Frame1, {0, 0, 12045, 8790}, "exam_progress"),
      Label17(Frame1, {1080, 120, 135, 255}, "["),
      Label18(Frame1, {1200, 120, 255, 255}, "23"),
      Label19(Frame1, {1440, 120, 135, 255}, "]"),
      Label20(Frame1, {2880, 120, 135, 255}, "["),
      Label21(Frame1, {3000, 120, 255, 255}, "0"),
      Label22(Frame1, {3240, 120, 135, 255}, "]"),
      Label23(Frame1, {4800, 120, 135, 255}, "["),
      Label24(Frame1, {4920, 120, 375, 255}, "0"),
      Label25(Frame1, {5280, 120, 135, 255}, "]"),
      Frame2(Frame1, {0, 1080, 12015, 1335}, ""),
      Frame3(Frame1, {0, 3000, 12015, 735}, ""),
      Frame4(Frame1, {0, 4320, 12015, 735}, ""),
      Frame5(Frame1, {0, 5640, 12015, 735}, ""),
      Frame6(Frame5, {0, 720, 11895, 15}, "Frame6"),
      Frame7(Frame1, {0, 6360, 12015, 2415}, ""),
      Label4(Frame7, {4200, 1320, 255, 255}, "有"),
      Label5(Frame7, {4440, 1320, 495, 255}, "0"),
      Label6(Frame7, {5040, 1320, 2655, 255}, "试题未作答，确认交卷？"),
      Command1(Frame7, {4560, 1800, 1215, 375}, "确定", true),
      Command2(Frame7, {5880, 1800, 1095, 375}, "取消", true) {
    // Label3(0) lies under the picture with Label1 and Label2, and never shows.
    Label3.add(0, Frame1, Rect{6600, 120, 375, 255}, "0").ZOrder(1);
    for (Label* l : {&Label17, &Label18, &Label19, &Label20, &Label21, &Label22, &Label23, &Label24, &Label25})
        l->setBackColor(kLightGrey);
    for (Label* l : {&Label18, &Label21, &Label24}) l->setAlignment(Label::Align::Center);
    for (int i = 1; i <= 23; ++i) {
        Container& row = i <= 20   ? static_cast<Container&>(Frame2)
                         : i == 21 ? static_cast<Container&>(Frame3)
                         : i == 22 ? static_cast<Container&>(Frame4)
                                   : static_cast<Container&>(Frame5);
        const int step = i <= 20 ? 480 * (i - 1) : 0;
        Shape2.add(i, row, Rect{120 + step + (i <= 20 ? 0 : 120), 240, 405, 405}, Shape::Kind::Circle);
        Label& number = Label3.add(i, row, Rect{240 + step + (i <= 20 ? 0 : 120), 360, 195, 195}, std::to_string(i));
        number.setFont({.name = "宋体", .size = 10.5});
        number.setAlignment(Label::Align::Center);
    }
    Frame7.setBackColor(kWhite);
    for (Label* l : {&Label4, &Label5, &Label6}) {
        l->setBackColor(kWhite);
        l->setForeColor(kDarkRed);
        l->setFont({.name = "宋体", .size = 10.5, .bold = true});
    }
    Label5.setAlignment(Label::Align::Center);
    for (CommandButton* b : {&Command1, &Command2}) b->setBackColor(0x00FF8080);
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
}

// The hand-in: the exam's windows go, the choice window with them, so that a later
// pick cannot rewrite the table that was handed in; then the results table.
void Form15::Command1_Click() {
    Unload();
    UnloadExamWindows();
    unload<Form20>();
    form<Form1>().Show();
}

void Form15::Command2_Click() { Hide(); }

// Closing by the box keeps the marks, as "取消" does.
void Form15::closeBoxClicked() { Command2_Click(); }
