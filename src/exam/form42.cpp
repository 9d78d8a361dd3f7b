#include "exam/form42.h"

#include <algorithm>
#include <cmath>

#include "cases/form16.h"
#include "exam/alarm_windows.h"
#include "exam/form15.h"
#include "platform/helpers.h"
#include "platform/platform.h"
#include "shared/colours.h"
#include "shared/folders.h"
#include "shared/module1.h"

using namespace forms;
using namespace Module1;

namespace {

constexpr Colour kLinkBlue = 0x00FF8080;

// A count as the progress window shows it: after one blank, the place of a plus sign.
std::string signPlace(int n) { return " " + std::to_string(n); }

// Whole seconds rounded down, so that minutes and seconds go on below zero.
int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

}  // namespace

Form42::Form42()
    : Form({.caption = "Form42",
            .border = BorderStyle::None,
            .clientWidth = 13515,
            .clientHeight = 630,
            .place = std::pair{600, 0},
            .showInTaskbar = false}),
      Frame5(*this, {0, 0, 13575, 615}, "Frame5"),
      Image1(Frame5, {0, 0, 13500, 660}, "exam_toolbar"),
      Label5(Frame5, {6960, 240, 375, 255}, "119"),
      Label4(Frame5, {7320, 240, 255, 255}, ":"),
      Label3(Frame5, {7560, 240, 255, 255}, "60"),
      Label1(Frame5, {7920, 240, 975, 255}, "考生文件夹"),
      Label2(Frame5, {9120, 240, 735, 255}, "作答进度"),
      Label6(Frame5, {10200, 240, 735, 255}, "隐藏试题"),
      Label7(Frame5, {11400, 240, 735, 255}, "帮助"),
      Label8(Frame5, {12480, 240, 735, 255}, "交卷"),
      Timer2(*this, 1000, true) {
    const Label::Align clockAlign[] = {Label::Align::Right, Label::Align::Center, Label::Align::Left};
    Label* clock[] = {&Label5, &Label4, &Label3};
    for (int i = 0; i < 3; ++i) {
        clock[i]->setForeColor(0x00FF0000);
        clock[i]->setFont({.name = "宋体", .size = 10.5, .bold = true});
        clock[i]->setAlignment(clockAlign[i]);
        clock[i]->setPaintsButtonFace(true);  // over the sample time the picture draws
    }
    for (Label* link : {&Label1, &Label2, &Label6, &Label7, &Label8}) {
        link->setBackColor(kLinkBlue);
        link->setForeColor(kWhite);
        link->setAlignment(Label::Align::Center);
        link->setMousePointer(MousePointer::Hand);
    }
    Timer2.onTimer([this] { Timer2_Timer(); });
    Label1.onClick([this] { Label1_Click(); });
    Label2.onClick([this] { Label2_Click(); });
    Label6.onClick([this] { Label6_Click(); });
    Label8.onClick([this] { Label8_Click(); });
}

void Form42::Form_Load() {
    loadedAt_ = platform::current().monotonicSeconds();
    helpers::KeepOnTop(*this);
}

int Form42::MinutesLeft() const { return floorDiv(remaining_, 60); }
int Form42::SecondsLeft() const { return remaining_ - 60 * MinutesLeft(); }

// Every tick reads the time since the load afresh, so a late or missed tick cannot
// lengthen the exam; the alarm and the time-up each come once, at the first tick that
// finds them due. A tick a little early still counts its whole second.
void Form42::Timer2_Timer() {
    const double elapsed = platform::current().monotonicSeconds() - loadedAt_;
    remaining_ = kExamSeconds - std::max(1, static_cast<int>(std::lround(elapsed)));
    Label5.setCaption(std::to_string(MinutesLeft()));
    Label3.setCaption(std::to_string(SecondsLeft()));
    if (!alarmed_ && remaining_ < 300) {
        alarmed_ = true;
        if (remaining_ > 0) form<Form17>().Show();
    }
    if (!timeIsUp_ && remaining_ <= 0) {
        timeIsUp_ = true;
        timeUp();
    }
}

void Form42::timeUp() {
    MsgBox("时间已到，考试结束！", vbOKOnly);
    unload<Form16>();
    // The counts shown are those of the marks now, not of the last "交卷".
    countAnswers();
    form<Form15>().Show();
}

void Form42::Label1_Click() { helpers::OpenFolder(kExamineeFolder); }

void Form42::Label2_Click() {
    countAnswers();
    form<Form15>().Show();
}

void Form42::Label6_Click() {
    if (Label6.Caption() == "隐藏试题") {
        form<Form16>().Hide();
        Label6.setCaption("显示试题");
    } else if (Label6.Caption() == "显示试题") {
        form<Form16>().Show();
        Label6.setCaption("隐藏试题");
    }
}

void Form42::countAnswers() {
    AnsweredCount = 0;
    for (int i = 1; i <= 23; ++i)
        if (form<Form15>().Label3(i).BackColor() == kAnsweredMarkBack) AnsweredCount = AnsweredCount.number() + 1;
    UnansweredCount = static_cast<std::int16_t>(23 - AnsweredCount.number());
    form<Form15>().Label21.setCaption(signPlace(AnsweredCount.number()));
    form<Form15>().Label24.setCaption(signPlace(UnansweredCount));
    form<Form15>().Label5.setCaption(signPlace(UnansweredCount));
}

void Form42::Label8_Click() {
    countAnswers();
    form<Form15>().Show();
}
