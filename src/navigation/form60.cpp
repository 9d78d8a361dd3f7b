#include "navigation/form60.h"

#include "cases/form10.h"
#include "navigation/contact_links.h"
#include "navigation/form2.h"
#include "navigation/form26.h"
#include "shared/contact.h"
#include "unittest/form4.h"

using namespace forms;

Form60::Form60()
    : Form({.caption = "计算机Movaro系列",
            .border = BorderStyle::Sizable,
            .clientWidth = 7155,
            .clientHeight = 6975,
            .place = std::pair{3555, 2340}}),
      Image1(*this, {0, 0, 7230, 7230}, "hub"),
      Command2(*this, {1920, 5400, 1455, 495}, "技能练习", true),
      Command4(*this, {3840, 5400, 1455, 495}, "实战模拟", true),
      Line2(*this, 1200, 5160, 6120, 5160),
      Line3(*this, 6120, 5160, 6120, 6120),
      Line4(*this, 1200, 6120, 6120, 6120),
      Line5(*this, 1200, 5160, 1200, 6120),
      Label2(*this, {1200, 6360, 2535, 255}, std::string("Corvanta网址：") + kCompanyWebAddress),
      Label5(*this, {3840, 6360, 2415, 255}, std::string("联系邮箱：") + kContactEmail),
      Command7(*this, {6480, 6360, 615, 375}, "退出", true),
      SyllabusDoor(*this, {120, 6360, 975, 375}, "考试大纲", true),
      UnitTestDoor(*this, {120, 5880, 975, 375}, "单元测试", true) {
    for (CommandButton* b : {&Command2, &Command4}) {
        b->setFont({.name = "华文中宋", .size = 12});
        b->setBackColor(0x00C0FFFF);
    }
    Command7.setFont({.name = "华文中宋", .size = 9});
    Command7.setBackColor(0x000080FF);
    for (CommandButton* door : {&SyllabusDoor, &UnitTestDoor}) {
        door->setFont({.name = "华文中宋", .size = 9});
        door->setBackColor(0x0080C0FF);
    }
    SyllabusDoor.onClick([this] { OpenSyllabus(); });
    UnitTestDoor.onClick([this] { OpenUnitTest(); });
    contact::styleLink(Label2, 0x00800000);
    contact::styleLink(Label5, 0x00800000);
    Command2.onClick([this] { Command2_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    Label2.onClick([this] { Label2_Click(); });
    Label5.onClick([this] { Label5_Click(); });
}

void Form60::Command2_Click() {
    form<Form2>().Show();
    Hide();
    Unload();
}

void Form60::Command4_Click() {
    form<Form10>().Show();
    Hide();
    Unload();
}

void Form60::Command7_Click() { EndProgram(); }

void Form60::Label2_Click() { contact::openWebsite(); }

void Form60::Label5_Click() { contact::openMail(*this); }

void Form60::OpenSyllabus() { form<Form26>().Show(); }

void Form60::OpenUnitTest() {
    form<Form4>().Show();
    Hide();
    Unload();
}
