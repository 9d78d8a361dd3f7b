#include "exam/form59.h"

#include "exam/form43.h"
#include "navigation/contact_links.h"
#include "navigation/form26.h"
#include "shared/contact.h"

using namespace forms;

namespace {
// The rectangle drawn around the row of buttons.
constexpr int kBoxLeft = 960, kBoxTop = 4080, kBoxRight = 6270, kBoxBottom = 4920;
}  // namespace

Form59::Form59()
    : Form({.caption = "计算机Movaro系列——二级MS Office高级应用无纸化考试模拟系统",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 7230,
            .clientHeight = 6585,
            .place = std::pair{3540, 2325}}),
      Image1(*this, {0, 0, 7230, 6585}, "series_entry"),
      Line1(*this, kBoxLeft, kBoxTop, kBoxRight, kBoxTop),
      Line2(*this, kBoxRight, kBoxTop, kBoxRight, kBoxBottom),
      Line3(*this, kBoxLeft, kBoxBottom, kBoxRight, kBoxBottom),
      Line4(*this, kBoxLeft, kBoxTop, kBoxLeft, kBoxBottom),
      Command4(*this, {2955, 4260, 1335, 480}, "进入系统", true),
      Command2(*this, {4710, 4260, 1335, 480}, "退出系统", true),
      Command1(*this, {1200, 4260, 1335, 480}, "考试大纲", true),
      Label2(*this, {240, 5880, 3255, 255}, std::string("Corvanta网址：") + kCompanyWebAddress),
      Label5(*this, {3720, 5880, 3255, 255}, std::string("联系邮箱：") + kContactEmail),
      Label1(*this, {840, 5280, 5535, 255}, "更多模拟考试软件请登陆Corvanta软件网站下载......") {
    for (CommandButton* b : {&Command4, &Command2, &Command1}) {
        b->setBackColor(0x00C0FFFF);
        b->setFont({.name = "宋体", .size = 12});
    }
    contact::styleLink(Label2, 0x00800000);
    contact::styleLink(Label5, 0x00800000);
    Label1.setBackColor(0x0080C0FF);
    Label1.setForeColor(0x00800000);
    Label1.setAlignment(Label::Align::Center);
    for (Label* l : {&Label2, &Label5}) l->setAlignment(Label::Align::Center);
    setTabOrder({&Command4, &Command2, &Command1});
    Command1.onClick([this] { Command1_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Label2.onClick([this] { Label2_Click(); });
    Label5.onClick([this] { Label5_Click(); });
}

void Form59::Command1_Click() { form<Form26>().Show(); }

void Form59::Command4_Click() {
    form<Form43>().Show();
    Hide();
    Unload();
}

void Form59::Command2_Click() { forms::EndProgram(); }

void Form59::Label2_Click() { contact::openWebsite(); }

void Form59::Label5_Click() { contact::openMail(*this); }

void Form59::EndProgram() { forms::EndProgram(); }
