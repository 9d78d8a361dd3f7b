#include "exam/form43.h"

#include "cases/form10.h"
#include "exam/form12.h"
#include "navigation/form60.h"

using namespace forms;

bool inTrainingMode() { return form<Form43>().Option1(0).Value(); }

Form43::Form43()
    : Form({.caption = "全国计算机等级考试_MS Office高级应用（二级）",
            .border = BorderStyle::Sizable,
            .clientWidth = 6675,
            .clientHeight = 4305,
            .place = std::pair{3555, 2340}}),
      Frame1(*this, {0, 0, 6675, 4305}, ""),
      Command3(Frame1, {5640, 3780, 855, 375}, "返回", true),
      Frame3(Frame1, {120, 60, 6435, 3600}, ""),
      Frame4(Frame3, {120, 120, 6195, 1095}, ""),
      Label1(Frame4, {120, 240, 5955, 255}, "MS Office高级应用（二级） 采取无纸化考试        考试时间：120分钟"),
      // Narrow enough that the office line wraps whole onto the second line.
      Label3(Frame4, {120, 540, 4500, 495},
             "系统环境：操作系统：Windows 7" + std::string(27, ' ') + "办公软件：Microsoft Office 2010"),
      Frame2(Frame3, {120, 1320, 6195, 1095}, "学习模式"),
      Label2(Frame3, {120, 2580, 4935, 855}, ""),
      Command4(Frame3, {5280, 2700, 1035, 495}, "确定", true) {
    Option1.add(0, Frame2, Rect{840, 480, 1815, 375}, "训练模式");
    Option1.add(1, Frame2, Rect{3600, 480, 1815, 375}, "考试模式");
    Command3.setBackColor(0x000080FF);
    for (Label* l : {&Label1, &Label3}) l->setForeColor(0x00C00000);
    Frame2.setFont({.name = "宋体", .size = 14.25});
    for (auto& [i, option] : Option1) option->setFont({.name = "宋体", .size = 12});
    Label2.setBackColor(0x0080FFFF);
    Label2.setFont({.name = "宋体", .size = 10.5});
    Command4.setBackColor(0x00C0FFFF);
    Command4.setFont({.name = "宋体", .size = 12});
    setTabOrder({&Option1(0), &Option1(1), &Command4, &Command3});
    Option1.onClick([this](int index) { Option1_Click(index); });
    Command4.onClick([this] { Command4_Click(); });
    Command3.onClick([this] { Command3_Click(); });
}

void Form43::Form_Load() { Option1(0).setValue(true); }

void Form43::Option1_Click(int) {
    if (Option1(0).Value())
        Label2.setCaption("直接进入做题界面，不作时间限制，可随时查看试题评析。");
    else if (Option1(1).Value())
        Label2.setCaption("完全模拟考试，以考试方式登录，有时间限制，交卷后方可查看试题评析。");
}

void Form43::Command4_Click() {
    if (Option1(0).Value()) {
        form<Form10>().Label3.setCaption("上机");
        form<Form10>().Label4.setCaption("训练");
        form<Form10>().Show();
        Hide();
    } else {
        form<Form12>().Show();
        form<Form10>().Label3.setCaption("上机");
        form<Form10>().Label4.setCaption("考试");
        Hide();
    }
}

void Form43::Command3_Click() {
    form<Form60>().Show();
    Hide();
    Unload();
}
