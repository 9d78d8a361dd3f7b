#include "exam/form46.h"

#include "exam/form42.h"

using namespace forms;

const char* const InvigilatorPassword = "73920";

Form46::Form46()
    : Form({.caption = "Form46",
            .border = BorderStyle::None,
            .clientWidth = 11715,
            .clientHeight = 5820,
            .showInTaskbar = false}),
      Timer2(*this, 5000, true),
      Command1(*this, {10560, 480, 855, 495}, "结束"),
      Text1(*this, {8760, 360, 1695, 615}, "", {.passwordChar = "*"}),
      Label4(*this, {8520, 1200, 2895, 375}, "提示：密码为：73920              真正考试时，由监考老师输入密码！"),
      Label1(*this, {120, 360, 11415, 615}, "系统正在进行交卷处理，请稍候！") {
    Command1.setFont({.name = "宋体", .size = 15, .bold = true});
    Text1.setFont({.name = "宋体", .size = 21.75});
    Label1.setFont({.name = "宋体", .size = 24, .bold = true});
    for (VisualControl* c : std::initializer_list<VisualControl*>{&Text1, &Label4, &Label1})
        c->setForeColor(0x00C00000);
    // The message line spans the window, over the box and the button: they must stay
    // within the learner's reach above it.
    Text1.ZOrder(0);
    Command1.ZOrder(0);
    Timer2.onTimer([this] { Timer2_Timer(); });
    Command1.onClick([this] { Command1_Click(); });
}

void Form46::Form_Load() {
    Text1.setVisible(false);
    Command1.setVisible(false);
    Label4.setVisible(false);
}

void Form46::Timer2_Timer() {
    Label1.setCaption("交卷正常，请监考老师输入结束密码：");
    Text1.setVisible(true);
    Command1.setVisible(true);
    Label4.setVisible(true);
}

void Form46::Command1_Click() {
    if (Text1.Text() != InvigilatorPassword) {
        MsgBox("输入的密码不正确！");
        Text1.setText("");
        Text1.SetFocus();
        return;
    }
    Hide();
    Unload();
    form<Form42>().Show();
}
