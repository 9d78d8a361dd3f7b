#include "navigation/form2.h"

#include "exercises/chapter_bank.h"
#include "exercises/form6.h"
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
      Command3(*this, {7560, 6120, 735, 375}, "返回", true),
      ChapterExerciseDoor(*this, {5880, 6120, 1455, 375}, "章节选择题", true),
      ChapterMenu(*this, "章节选择题", false) {
    for (Frame* f : {&Frame2, &Frame1}) {
        f->setForeColor(0x00C00000);
        f->setFont({.name = "宋体", .size = 12});
    }
    List1.setFont({.name = "宋体", .size = 12});
    Text1.setFont({.name = "宋体", .size = 14.25});
    Command1.setFont({.name = "宋体", .size = 15, .bold = true});
    Command3.setFont({.name = "宋体", .size = 12});
    ChapterExerciseDoor.setFont({.name = "宋体", .size = 12});
    Menu* subject = nullptr;
    const auto rows = exercises::chapterRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (subject == nullptr || subject->Caption() != rows[i].subject)
            subject =
                chapterItems_.emplace_back(std::make_unique<Menu>(ChapterMenu, std::string(rows[i].subject))).get();
        Menu& item = *chapterItems_.emplace_back(std::make_unique<Menu>(*subject, std::string(rows[i].chapter)));
        item.onClick([this, i] { OpenChapterExercises(i); });
    }
    List1.onClick([this] { List1_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    ChapterExerciseDoor.onClick([this] { ChapterExerciseDoor_Click(); });
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

void Form2::ChapterExerciseDoor_Click() { PopupMenu(*this, ChapterMenu); }

void Form2::OpenChapterExercises(std::size_t row) {
    const exercises::ChapterRow& chapter = exercises::chapterRows()[row];
    auto& window = form<Form6>();
    window.Label3.setCaption(std::string(chapter.subject));
    window.Label4.setCaption(std::string(chapter.chapter));
    // The window handles the first exercise type alone, so that is all the list offers.
    window.List1.Clear();
    window.List1.AddItem("选择题");
    window.List1.setListIndex(0);
    // Question 1 goes on screen at once, so that a pick is judged against the question shown.
    Module1::CurrentItem = 0;
    window.cmd_Click(1);
    Hide();
}
