#include "exam/form44.h"

#include "cases/form10.h"
#include "exam/form43.h"
#include "platform/platform.h"

using namespace forms;

Form44::Form44()
    : Form({.caption = "笔试考试", .border = BorderStyle::Sizable, .clientWidth = 6015, .clientHeight = 3435}),
      Command1(*this, {1080, 2640, 1455, 495}, "抽取试题"),
      Timer1(*this, 8000, false),
      Command3(*this, {3480, 2640, 1455, 495}, "退出考试"),
      Label1(*this, {120, 360, 5775, 1095}, "二级MS Office高级应用笔试模拟考试"),
      Label2(*this, {360, 1560, 5295, 735}, "（说明：所有试题均根据考试大纲要求进行设计，并参考历年考试真题。）") {
    for (CommandButton* b : {&Command1, &Command3}) b->setFont({.name = "宋体", .size = 12});
    Label1.setForeColor(0x000000FF);
    Label1.setFont({.name = "宋体", .size = 21.75, .bold = true});
    Label1.setAlignment(Label::Align::Center);
    Label2.setForeColor(0x00FF0000);
    Label2.setFont({.name = "宋体", .size = 14.25});
    Command1.onClick([this] { Command1_Click(); });
    Timer1.onTimer([this] { Timer1_Timer(); });
    Command3.onClick([this] { Command3_Click(); });
}

void Form44::Command1_Click() {
    Label1.setCaption("正在抽取笔试试题，请稍等……");
    Timer1.setEnabled(true);
}

// One engine for the whole run: reseeding from the time of day would repeat sets.
void Form44::Timer1_Timer() {
    const int n = platform::current().randomWholeNumber(1, 10);
    setCurrentSelection("第" + std::to_string(n) + "套");
    Timer1.setEnabled(false);
    form<Form10>().Show();
    form<Form10>().Label3.setCaption("笔试");
    form<Form10>().Label4.setCaption("考试");
    form<Form10>().Hide();
    form<Form45>().Show();
    form<Form43>().Hide();
    unload<Form43>();
}

void Form44::Command3_Click() {
    Hide();
    Unload();
    form<Form43>().Show();
}
