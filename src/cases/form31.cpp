#include "cases/form31.h"

#include "cases/form10.h"
#include "platform/helpers.h"
#include "shared/folders.h"

using namespace forms;

Form31::Form31()
    : Form({.caption = "操作步骤",
            .border = BorderStyle::FixedDialog,
            .clientWidth = 9345,
            .clientHeight = 6150,
            .showInTaskbar = false}),
      Text1(*this, {0, 0, 9255, 5655}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Command1(*this, {3840, 5760, 1455, 375}, "查看答案文件", true),
      Command2(*this, {8400, 5760, 735, 375}, "关闭"),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可更改") {
    Text1.setFont({.name = "宋体", .size = 12});
    Command1.setBackColor(0x0000FFFF);
    setTabOrder({&Text1, &Command1, &Command2});
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

void Form31::Command1_Click() {
    if (int n = caseNumber(CurrentSelection()); n != 0) helpers::OpenFolder(caseAnswerFolder(n));
}

void Form31::Command2_Click() {
    Hide();
    Unload();
}

void Form31::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }
