#include "exam/alarm_windows.h"

using namespace forms;

Form17::Form17()
    : Form({.caption = "报警",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 3960,
            .clientHeight = 1980,
            .place = std::pair{1050, 1335}}),
      Label1(*this, {600, 480, 2895, 255}, "  考试时间还有最后5分钟！"),
      Command1(*this, {1200, 1320, 1455, 375}, "关闭窗口") {
    Label1.setFont({.name = "宋体", .size = 12});
    Command1.onClick([this] { Command1_Click(); });
}

void Form17::Command1_Click() {
    Hide();
    Unload();
}

Form18::Form18()
    : Form({.caption = "考试结束",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 4035,
            .clientHeight = 1920,
            .place = std::pair{1050, 1335}}),
      Label1(*this, {840, 480, 2655, 255}, "考试时间已到，请交卷！"),
      Command1(*this, {1440, 1320, 855, 375}, "确定") {
    Label1.setFont({.name = "宋体", .size = 12});
    Command1.setFont({.name = "宋体", .size = 10.5});
    Command1.onClick([this] { Command1_Click(); });
}

void Form18::Command1_Click() {
    Hide();
    Unload();
}
