#include "exam/form13.h"

#include "exam/exam_texts.h"
#include "exam/form12.h"
#include "exam/form14.h"
#include "exam/form43.h"

using namespace forms;

Form13::Form13()
    : Form({.caption = "笔试考试结果",
            .border = BorderStyle::None,
            .clientWidth = 15360,
            .clientHeight = 9600,
            .place = std::pair{195, 1005},
            .showInTaskbar = false}),
      Frame1(*this, {0, 0, 15375, 9615}, ""),
      Image1(Frame1, {0, 0, 15360, 9600}, "exam_candidate"),
      Label1(Frame1, {7800, 3720, 1575, 255}, kCandidateName),
      Label2(Frame1, {7800, 3240, 1575, 255}, kSimulatedAdmissionNumber),
      Label3(Frame1, {7800, 4200, 2175, 255}, kMaskedIdentityNumber),
      Image2(Frame1, {14040, 0, 1335, 495}),
      Image3(Frame1, {6720, 5880, 1335, 495}),
      Image4(Frame1, {8040, 5880, 1335, 495}) {
    for (Label* l : {&Label1, &Label2, &Label3}) l->setFont({.name = "宋体", .size = 10.5});
    for (Image* hotSpot : {&Image2, &Image3, &Image4}) hotSpot->setMousePointer(MousePointer::Hand);
    Image3.onClick([this] { Image3_Click(); });
    Image4.onClick([this] { Image4_Click(); });
    Image2.onClick([this] { Image2_Click(); });
}

void Form13::Image3_Click() {
    form<Form12>().Show();
    Hide();
}

void Form13::Image4_Click() {
    Hide();
    Unload();
    form<Form14>().Timer1.setEnabled(true);
    form<Form14>().Show();
}

void Form13::Image2_Click() {
    Hide();
    Unload();
    form<Form43>().Show();
}
