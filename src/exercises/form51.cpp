#include "exercises/form51.h"

#include "platform/helpers.h"

using namespace forms;

Form51::Form51()
    : Form({.caption = "参考答案",
            .border = BorderStyle::Sizable,
            .clientWidth = 8415,
            .clientHeight = 5655,
            .place = std::pair{3000, 2400}}),
      Text1(*this, {0, 0, 8415, 5655}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可更改") {
    Text1.setFont({.name = "宋体", .size = 12});
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

// The answer box fills the window, so that enlarging the window shows more of a long answer.
void Form51::Form_Resize() { Text1.Move({0, 0, ScaleWidth(), ScaleHeight()}); }

void Form51::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }
