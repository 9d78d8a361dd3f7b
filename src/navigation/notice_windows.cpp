#include "navigation/notice_windows.h"

#include "navigation/contact_links.h"
#include "platform/platform.h"

using namespace forms;

const char* const kAdvertSiteAddress = "http://photo.example.org/";
const char* const kOtherSiteAddress = "http://www.example.net/";

namespace {

// Opens an address in a browser of its own, which the trainer then leaves alone.
void browse(const char* address) {
    std::unique_ptr<platform::AutomationObject> browser =
        platform::current().createObject("internetexplorer.Application");
    if (!browser) return;  // no browser to be had: the banner does nothing visible
    browser->setProperty("Visible", true);
    browser->call("Navigate", {std::string(address)});
}

}  // namespace

Form22::Form22()
    : Form({.caption = "图享网 - 发现身边的精彩图片",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 11640,
            .clientHeight = 2520,
            .place = std::pair{3045, 2325}}),
      Image1(*this, {-360, 0, 12000, 1800}, "advert_banner"),
      Image4(*this, {5535, 1875, 555, 555}, "advert_exit") {
    Image1.setMousePointer(MousePointer::Hand);
    Image1.onClick([this] { Image1_Click(); });
    Image4.onClick([this] { Image4_Click(); });
}

void Form22::Image1_Click() { browse(kAdvertSiteAddress); }

void Form22::Image4_Click() { forms::EndProgram(); }

void Form22::EndProgram() { forms::EndProgram(); }

void Form22::MailContact() { contact::openMail(*this); }

void Form22::BrowseOtherSite() { browse(kOtherSiteAddress); }

Form19::Form19()
    : Form({.caption = "提示",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 6975,
            .clientHeight = 1530,
            .place = std::pair{4050, 6330}}),
      Label1(*this, {120, 120, 6735, 735}, "　本部分测试完毕！请单击“评析”按钮对自己的测试进行评析。"),
      Command1(*this, {2940, 990, 1095, 420}, "关闭") {
    Label1.setForeColor(0x000000FF);
    Label1.setBackColor(0x00C0E0FF);
    Label1.setFont({.name = "宋体", .size = 14.25, .bold = true});
    Command1.setFont({.name = "宋体", .size = 12});
    Command1.onClick([this] { Command1_Click(); });
}

void Form19::Command1_Click() {
    Hide();
    Unload();
}

Form25::Form25()
    : Form({.caption = "上机练习说明",
            .border = BorderStyle::Sizable,
            .clientWidth = 8565,
            .clientHeight = 2985,
            .place = std::pair{3060, 3345}}),
      Label1(*this, {120, 120, 8325, 2055}, "Label1"),
      Command1(*this, {3735, 2400, 1095, 420}, "关闭") {
    Label1.setForeColor(0x000000FF);
    Label1.setFont({.name = "宋体", .size = 14.25});
    Command1.onClick([this] { Command1_Click(); });
}

void Form25::Command1_Click() {
    Hide();
    Unload();
}

Form58::Form58()
    : Form({.caption = "提示",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 7545,
            .clientHeight = 1515,
            .place = std::pair{2550, 4335}}),
      Label1(
          *this, {120, 120, 7305, 795},
          "提示：本软件在强化训练部分提供了选择题、填空题、操作题、应用题四种训练类型，您现在看到的是“选择题”训练界面，"
          "单击“习题类型”下拉三角按钮，可选择相应的训练类型，单击相应的习题套数，可进行该套题的训练。"),
      Command1(*this, {3045, 1005, 1455, 420}, "关闭提示") {
    Label1.setBackColor(0x0080C0FF);
    Label1.setFont({.name = "宋体", .size = 9.75});
    Command1.setFont({.name = "宋体", .size = 12});
    Command1.onClick([this] { Command1_Click(); });
}

void Form58::Command1_Click() {
    Hide();
    Unload();
}
