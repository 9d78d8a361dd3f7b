#include "exam/form14.h"

#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "exam/exam_windows.h"
#include "exam/form42.h"
#include "exam/form43.h"
#include "navigation/form8.h"
#include "navigation/notice_windows.h"
#include "platform/platform.h"

using namespace forms;

Form14::Form14()
    : Form({.caption = "全国计算机等级考试",
            .border = BorderStyle::None,
            .clientWidth = 15360,
            .clientHeight = 9570,
            .place = std::pair{195, 1005},
            .showInTaskbar = false}),
      Timer1(*this, 100, true),
      Frame1(*this, {0, 0, 15375, 9615}, ""),
      Image1(Frame1, {0, 0, 15360, 9600}, "exam_notice"),
      Check1(Frame1, {7440, 7200, 255, 255}, "已阅读"),
      Image3(Frame1, {7200, 7560, 1335, 495}),
      Image4(Frame1, {14040, 0, 1215, 495}) {
    for (Image* hotSpot : {&Image3, &Image4}) hotSpot->setMousePointer(MousePointer::Hand);
    Timer1.onTimer([this] { Timer1_Timer(); });
    Image3.onClick([this] { Image3_Click(); });
    Image4.onClick([this] { Image4_Click(); });
}

// One engine for the whole run, drawing whole numbers: reseeding from the time of day
// at every draw repeats sets.
void Form14::Timer1_Timer() {
    const int n = platform::current().randomWholeNumber(1, 40);
    setCurrentSelection("第" + std::to_string(n) + "套");
    Timer1.setEnabled(false);
}

void Form14::Image3_Click() {
    if (Check1.Value() == 0) {
        MsgBox("只有勾选了已阅读才能进行考试！", vbOKCancel | vbQuestion, "全国计算机等级考试_信息提示");
        return;
    }
    ClearEarlierRoads();
    form<Form42>().Show();
    if (isSetBetween(CurrentSelection(), 1, 4))
        Preload<Form24>();
    else if (isSetBetween(CurrentSelection(), 8, 11))
        Preload<Form8>();
    else if (isSetBetween(CurrentSelection(), 12, 24))
        Preload<Form45>();
    else if (isSetBetween(CurrentSelection(), 25, 34))
        Preload<Form65>();
    else if (isSetBetween(CurrentSelection(), 35, 40))
        Preload<Form66>();
    PreloadChoiceBank();
    form<Form16>().Show();
    // As the chooser's "确定" names a case, the operation window names the drawn set.
    form<Form16>().Label4.setCaption(CurrentSelection());
    Hide();
    Unload();
}

void Form14::Image4_Click() {
    Hide();
    Unload();
    form<Form43>().Show();
}
