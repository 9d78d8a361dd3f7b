#include "navigation/form2.h"

#include "navigation/form60.h"
#include "navigation/form7.h"
#include "navigation/study_content.h"
#include "platform/helpers.h"
#include "shared/module1.h"

using namespace forms;

Form2::Form2()
    : Form({.caption = "学习科目",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 8460,
            .clientHeight = 6615,
            .place = std::pair{1545, 1335}}),
      Frame2(*this, {120, 120, 3015, 5775}, "选择学习章节"),
      List1(Frame2, {120, 360, 2655, 4920}),
      Frame1(*this, {3480, 120, 4815, 4935}, "知识点概述"),
      Text1(Frame1, {120, 360, 4575, 4455}, "", {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical}),
      Frame4(*this, {3480, 5040, 4815, 855}, ""),
      Command1(Frame4, {480, 240, 3855, 495}, "本章节同步习题训练", true),
      Command3(*this, {7560, 6120, 735, 375}, "返回", true) {
    for (Frame* f : {&Frame2, &Frame1}) {
        f->setForeColor(0x00C00000);
        f->setFont({.name = "宋体", .size = 12});
    }
    List1.setFont({.name = "宋体", .size = 12});
    Text1.setFont({.name = "宋体", .size = 14.25});
    Command1.setFont({.name = "宋体", .size = 15, .bold = true});
    Command3.setFont({.name = "宋体", .size = 12});
    List1.onClick([this] { List1_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command3.onClick([this] { Command3_Click(); });
}

void Form2::Form_Load() {
    List1.Clear();
    Text1.setText("");
    for (const navigation::Chapter& chapter : navigation::studyChapters()) List1.AddItem(std::string(chapter.title));
    List1.setListIndex(0);
}

void Form2::List1_Click() {
    const int chapter = List1.ListIndex();
    if (chapter < 0 || chapter >= static_cast<int>(navigation::studyChapters().size())) return;
    Text1.setText(joinLines(navigation::studyChapters()[static_cast<std::size_t>(chapter)].outline));
}

void Form2::Command1_Click() {
    if (Text1.Text().empty()) {
        helpers::UntitledNotice("请先选择学习章节");
        return;
    }
    form<Form7>().Show();
    form<Form7>().Label4.setCaption(List1.Text());
    Hide();
    Module1::CurrentItem = 1;
}

void Form2::Command3_Click() {
    Hide();
    Unload();
    form<Form60>().Show();
}
