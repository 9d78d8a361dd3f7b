#include "cases/form10.h"

#include "cases/case_content.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "exercises/form36.h"
#include "navigation/form60.h"
#include "navigation/form8.h"

using namespace forms;

std::string CurrentSelection() { return form<Form10>().Combo1.Text(); }

void setCurrentSelection(const std::string& selection) { form<Form10>().Combo1.setText(selection); }

int caseNumber(const std::string& selection) {
    for (int n = 1; n <= 40; ++n)
        if (selection == "实例" + std::to_string(n)) return n;
    return 0;
}

int examSetNumber(const std::string& selection) {
    for (int n = 1; n <= 40; ++n)
        if (selection == "第" + std::to_string(n) + "套") return n;
    return 0;
}

bool isSetBetween(const std::string& selection, int first, int last) {
    const int n = examSetNumber(selection);
    return n >= first && n <= last && n != 0;
}

Form10::Form10()
    : Form({.caption = "实战模拟",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 10200,
            .clientHeight = 7560,
            .place = std::pair{2040, 2325}}),
      Frame2(*this, {2160, 5640, 6735, 1695}, ""),
      Frame3(Frame2, {360, 240, 4695, 1335}, "请选择实战案例"),
      Combo1(Frame3, {600, 480, 3495, 360}, "Combo1"),
      Command2(Frame2, {5400, 720, 855, 375}, "确定"),
      Text1(*this, {120, 120, 9735, 5415}, "Text1\r\n",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Command1(*this, {9360, 6840, 615, 375}, "返回"),
      Label4(*this, {720, 6000, 975, 615}, "实战"),
      Label3(*this, {720, 6600, 975, 495}, "模拟"),
      Line1(*this, 600, 5880, 1800, 5880),
      Line2(*this, 1800, 5880, 1800, 7200),
      Line3(*this, 600, 7200, 1800, 7200),
      Line4(*this, 600, 5880, 600, 7200),
      Line5(*this, 120, 0, 9840, 0, 0x000000FF, 2),
      OperationDoor(Frame2, {5160, 1200, 1335, 375}, "数据库操作题", true),
      OperationSets(*this, "数据库操作题", false) {
    const Font windowFont{.name = "宋体", .size = 12};
    for (Frame* f : {&Frame2, &Frame3}) f->setFont(windowFont);
    Combo1.setFont(windowFont);
    for (CommandButton* b : {&Command2, &Command1}) b->setFont({.name = "宋体", .size = 9});
    Text1.setFont({.name = "华文新魏", .size = 15});
    for (Label* l : {&Label4, &Label3}) {
        l->setForeColor(0x000000FF);
        l->setFont({.name = "宋体", .size = 21.75});
    }
    OperationDoor.setFont({.name = "宋体", .size = 9});
    for (int k = 1; k <= exercises::kOperationSetCount; ++k) {
        OperationSetItems.push_back(std::make_unique<Menu>(OperationSets, exercises::operationSetName(k)));
        OperationSetItems.back()->onClick([this, k] { OperationSetItem_Click(k); });
    }
    setTabOrder({&Combo1, &Command2, &OperationDoor, &Text1, &Command1});
    Command2.onClick([this] { Command2_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    OperationDoor.onClick([this] { OperationDoor_Click(); });
}

void Form10::Form_Load() {
    Text1.setText(joinLines(cases::chooserIntroduction()));
    for (int n = 1; n <= 40; ++n) Combo1.AddItem("实例" + std::to_string(n));
    Combo1.setText("实例1");
}

void Form10::Command2_Click() {
    const std::string selection = CurrentSelection();
    const int n = caseNumber(selection);
    if (n >= 1 && n <= 9) {
        Preload<Form24>();
    } else if (selection == "实例41") {
        Preload<Form8>();
    } else if (isSetBetween(selection, 12, 24)) {
        Preload<Form45>();
    } else if (isSetBetween(selection, 25, 34)) {
        Preload<Form65>();
    } else if (isSetBetween(selection, 35, 40)) {
        Preload<Form66>();
    }
    form<Form16>().Show();
    form<Form16>().Label4.setCaption(CurrentSelection());
    Hide();
}

void Form10::Command1_Click() {
    Hide();
    Unload();
    form<Form60>().Show();
}

void Form10::OperationDoor_Click() { PopupMenu(*this, OperationSets); }

// The set's name goes into the combo as if typed, so the list keeps its 40 cases.
void Form10::OperationSetItem_Click(int number) {
    Combo1.setText(exercises::operationSetName(number));
    Hide();
    form<Form36>().Show();
}

Form45::Form45() : Form({.caption = "Form45", .clientWidth = 4680, .clientHeight = 3195}) {}

Form65::Form65()
    : Form({.caption = "选择题第18题图示", .clientWidth = 6660, .clientHeight = 3765}),
      Picture(*this, {0, 0, 2805, 2850}, "question18_figure") {}

Form66::Form66() : Form({.caption = "Form66", .clientWidth = 4680, .clientHeight = 3195}) {}
