#include "navigation/form8.h"

#include "bank/form1.h"
#include "exam/exam_windows.h"
#include "exam/form59.h"
#include "navigation/contact_links.h"
#include "navigation/form60.h"
#include "navigation/notice_windows.h"
#include "shared/contact.h"

using namespace forms;

Form8::Form8()
    : Form({.caption = "计算机Movaro系列",
            .border = BorderStyle::Sizable,
            .clientWidth = 6855,
            .clientHeight = 7230,
            .place = std::pair{3060, 2340}}),
      Image5(*this, {0, 0, 6915, 7230}, "banner"),
      Frame1(*this, {120, 5880, 6615, 855}, ""),
      Image1(Frame1, {960, 240, 1485, 525}, "start_button"),
      Label1(*this, {0, 6960, 1215, 255}, ""),
      Label2(*this, {1200, 6960, 2655, 255}, std::string("公司网址：") + kCompanyWebAddress),
      Label3(*this, {3720, 6960, 3255, 255}, std::string("联系邮箱：") + kContactEmail),
      AdvertDoor(Frame1, {4800, 300, 1215, 405}, "推荐网站", true),
      ExamDoor(Frame1, {3015, 300, 1215, 405}, "模拟考试", true) {
    Label1.setBackColor(0x0080C0FF);
    contact::styleLink(Label2, 0x00C00000);
    contact::styleLink(Label3, 0x00C00000);
    AdvertDoor.setFont({.name = "宋体", .size = 9});
    AdvertDoor.setBackColor(0x0080C0FF);
    AdvertDoor.onClick([this] { ShowAdvertWindow(); });
    ExamDoor.setFont({.name = "宋体", .size = 9});
    ExamDoor.setBackColor(0x0080C0FF);
    ExamDoor.onClick([this] { ExamDoor_Click(); });
    Image1.onClick([this] { Image1_Click(); });
    Label2.onClick([this] { Label2_Click(); });
    Label3.onClick([this] { Label3_Click(); });
}

void Form8::Image1_Click() {
    Hide();
    Unload();
    form<Form60>().Show();
}

void Form8::Label2_Click() { contact::openWebsite(); }

void Form8::Label3_Click() { contact::openMail(*this); }

void Form8::ShowAdvertWindow() {
    form<Form22>().Show();
    Hide();
}

void Form8::OpenSeriesEntryWindow() {
    form<Form1>().Hide();
    unload<Form1>();
    form<Form59>().Show();
}

// While an exam runs, a second one would wipe it; a results table that training picks
// loaded hidden is no exam.
void Form8::ExamDoor_Click() {
    if (examRuns()) return;
    OpenSeriesEntryWindow();
}
