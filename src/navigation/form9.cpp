#include "navigation/form9.h"

#include <algorithm>
#include <array>

#include "navigation/form7.h"
#include "platform/helpers.h"
#include "shared/folders.h"

using namespace forms;

bool hasPracticeAnswerFolder(const std::string& exerciseKey) {
    static constexpr std::array<const char*, 10> keys = {"411", "421", "431", "441", "451",
                                                         "452", "461", "462", "463", "464"};
    return std::find(keys.begin(), keys.end(), exerciseKey) != keys.end();
}

Form9::Form9()
    : Form({.caption = "操作步骤",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 5565,
            .clientHeight = 3645,
            .backColor = 0x00C0E0FF}),
      Text1(*this, {120, 120, 5295, 2895}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Command1(*this, {1920, 3120, 1455, 375}, "查看答案文件", true),
      Command2(*this, {4680, 3120, 735, 375}, "关闭"),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可更改") {
    Text1.setFont({.name = "宋体", .size = 14.25});
    Command1.setBackColor(0x0000FFFF);
    Command1.setVisible(false);
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

void Form9::Form_Load() {
    // Beside the window whose steps or analysis it shows, so that it covers none of it.
    if (Form* explained = Registry::lastShown()) placeBeside(*explained);
    helpers::KeepOnTop(*this);
}

void Form9::Command1_Click() {
    const std::string key = currentExerciseKey();
    if (hasPracticeAnswerFolder(key)) helpers::OpenFolder(practiceAnswerFolder(key));
}

void Form9::Command2_Click() {
    Hide();
    Unload();
}

void Form9::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }
