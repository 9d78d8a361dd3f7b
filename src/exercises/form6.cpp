#include "exercises/form6.h"

#include "exercises/chapter_bank.h"
#include "exercises/form38.h"
#include "navigation/form2.h"
#include "navigation/form9.h"
#include "navigation/notice_windows.h"
#include "platform/helpers.h"
#include "shared/module1.h"

using namespace forms;
using exercises::ChapterRow;
using exercises::Lookup;
using Module1::CurrentItem;

const char* const kFirstQuestionHint =
    "如果想重做本套题，请单击“下一题”按钮。单击习题类型下拉三角按钮选择“填空题”可切换到“填空题”训练界面。";

namespace {

const ChapterRow* currentChapter(Form6& window, Lookup lookup) {
    return exercises::findChapter(window.Label3.Caption(), window.Label4.Caption(), window.List1.ListIndex(), lookup);
}

}  // namespace

Form6::Form6()
    : Form({.caption = "选择题", .border = BorderStyle::FixedSingle, .clientWidth = 10095, .clientHeight = 6375}),
      Frame2(*this, {120, 0, 8535, 1455}, ""),
      Label3(Frame2, {240, 480, 3015, 615}, "Label3"),
      Line1(Frame2, 3480, 720, 4560, 720),
      Label4(Frame2, {4800, 480, 3495, 615}, "Label4"),
      Label2(*this, {8880, 120, 1095, 255}, "习题类型"),
      List1(*this, {8760, 480, 1215, 960}),
      Frame1(*this, {120, 1440, 9855, 4095}, ""),
      StemDisplay(Frame1, {120, 240, 9615, 1215}, ""),
      Text1(Frame1, {120, 1500, 9615, 435}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Label5(*this, {360, 5760, 3735, 375}, ""),
      Command2(*this, {4320, 5760, 1215, 375}, "试题评析", true),
      Frame3(*this, {5640, 5520, 2415, 735}, ""),
      TypeHintDoor(*this, {8160, 5760, 975, 375}, "类型说明", true),
      Command5(*this, {9240, 5760, 735, 375}, "返回", true),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "禁止右键") {
    for (Label* l : {&Label3, &Label4}) {
        l->setFont({.name = "宋体", .size = 15});
        l->setAlignment(Label::Align::Center);
    }
    Label2.setFont({.name = "宋体", .size = 12, .bold = true});
    const char* const captions[] = {"第一个答案", "第二个答案", "第三个答案", "第四个答案"};
    for (int i = 0; i < 4; ++i) Optbutton.add(i, Frame1, Rect{120, 2040 + 480 * i, 8295, 495}, captions[i]);
    StemDisplay.setFont({.name = "宋体", .size = 12});
    Label5.setFont({.name = "宋体", .size = 12});
    Label5.setForeColor(0x000000FF);
    Command2.setFont({.name = "宋体", .size = 10.5, .bold = true});
    for (CommandButton* b : {&Command2, &Command5}) b->setBackColor(0x000080FF);
    cmd.add(0, Frame3, Rect{240, 240, 855, 375}, "上一题");
    cmd.add(1, Frame3, Rect{1320, 240, 855, 375}, "下一题");
    TypeHintDoor.setBackColor(0x0080C0FF);

    cmd.onClick([this](int index) { cmd_Click(index); });
    Optbutton.onClick([this](int index) { Optbutton_Click(index); });
    List1.onClick([this] { List1_Click(); });
    Command2.onClick([this] { ShowQuestionAnalysis(); });
    TypeHintDoor.onClick([] { form<Form58>().Show(); });
    Command5.onClick([this] { Command5_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

void Form6::cmd_Click(int index) {
    StemDisplay.setAlignment(Label::Align::Left);
    StemDisplay.setFontSize(12);
    Text1.setText("");
    for (int i = 0; i < 4; ++i) Optbutton(i).setValue(false);
    if (index == 0) {
        if (CurrentItem.number() <= 1) {
            form<Form38>().Label1.setCaption(kFirstQuestionHint);
            form<Form38>().Show();
        } else {
            CurrentItem = CurrentItem.number() - 1;
        }
    } else if (index == 1) {
        // The shared counter saturates at its 16-bit bound rather than wrap to a negative number.
        CurrentItem = CurrentItem.number() + 1;
    }
    showCurrentQuestion();
}

void Form6::showCurrentQuestion() {
    const ChapterRow* row = currentChapter(*this, Lookup::Browse);
    if (row == nullptr) return;
    if (const ChoiceRecord* question = exercises::findQuestion(*row, CurrentItem.number())) {
        StemDisplay.setCaption(std::string(question->stem));
        for (int i = 0; i < 4; ++i)
            Optbutton(i).setCaption(std::string(question->options[static_cast<std::size_t>(i)]));
        return;
    }
    const int count = static_cast<int>(row->records().size());
    if (CurrentItem.number() > count) {
        helpers::BrowseNotice(std::string(row->endNotice));
        CurrentItem = count;
    }
}

void Form6::Optbutton_Click(int) {
    const ChapterRow* row = currentChapter(*this, Lookup::Browse);
    if (row == nullptr) return;
    const ChoiceRecord* question = exercises::findQuestion(*row, CurrentItem.number());
    if (question == nullptr) return;
    const int right = question->answer[0] - 'A';
    Text1.setText(Optbutton(right).Value() ? "正确" : "错误");
}

void Form6::ShowQuestionAnalysis() {
    if (const ChapterRow* row = currentChapter(*this, Lookup::Analysis))
        if (const ChoiceRecord* question = exercises::findQuestion(*row, CurrentItem.number()))
            form<Form9>().Text1.setText(std::string(question->analysis));
    form<Form9>().Show();
}

void Form6::List1_Click() {
    if (List1.ListIndex() == 0) Show();
}

void Form6::Command5_Click() {
    CurrentItem = 0;
    Hide();
    Unload();
    form<Form2>().Show();
}

// Closed by its box, the window would leave the hidden study window as the only one
// loaded and nothing on the screen; it goes back as "返回" does.
void Form6::closeBoxClicked() { Command5_Click(); }

void Form6::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }
