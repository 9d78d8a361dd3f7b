#include "exercises/form38.h"

using namespace forms;

Form38::Form38()
    : Form({.caption = "提示",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 5775,
            .clientHeight = 1545,
            .backColor = 0x0080C0FF}),
      Label1(
          *this, {0, 0, 5655, 975},
          "　本套题已做完！如果想重做，可单击“上一题”按钮。单击“习题类型”旁的下拉三角按钮可选择其它类型习题进行训练。"
          "本软件提供了选择题、填空题、操作题、应用题四种习题类型。"),
      Command1(*this, {2400, 1080, 975, 375}, "关闭") {
    Label1.setFont({.name = "宋体", .size = 12, .bold = true});
    Label1.setForeColor(0x00000080);
    Label1.setBackColor(0x0080C0FF);
    Command1.setFont({.name = "宋体", .size = 10.5});
    Command1.onClick([this] { Command1_Click(); });
}

void Form38::Command1_Click() {
    Hide();
    Unload();
}
