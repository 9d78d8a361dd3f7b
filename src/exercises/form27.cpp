#include "exercises/form27.h"

using namespace forms;

Form27::Form27()
    : Form({.caption = "提示",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 6615,
            .clientHeight = 2985,
            .place = std::pair{4200, 3600},
            .backColor = 0x00C0E0FF}),
      Label1(*this, {240, 240, 6135, 2055}, "　本部分测试完毕！请单击“评析”按钮对自己的测试进行评析。"),
      Command1(*this, {2760, 2400, 1095, 420}, "关闭") {
    Label1.setForeColor(0x000000FF);
    Label1.setBackColor(0x00C0E0FF);
    Label1.setFont({.name = "宋体", .size = 10.5});
    Command1.setFont({.name = "宋体", .size = 10.5});
    Command1.onClick([this] { Command1_Click(); });
}

void Form27::Command1_Click() { Unload(); }
