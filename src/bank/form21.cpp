#include "bank/form21.h"

#include "bank/exam_bank_content.h"
#include "cases/form10.h"
#include "navigation/notice_windows.h"

using namespace forms;

Form21::Form21()
    : Form({.caption = "NCRE无纸化_二级MS Office高级应用_考试系统_[选择题]姓名：模拟1，准考证号：418207735096"}),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可改动") {}

void Form21::Form_Load() {
    for (int n = 1; n <= bank::kExamSetCount; ++n) {
        // Read afresh for each name, exactly as the chooser holds it: no trimming, no folding.
        if (CurrentSelection() != "第" + std::to_string(n) + "套") continue;
        const bank::ExamSet& set = bank::examSet(n);
        for (int q = 1; q <= 20; ++q) writeRecord(q, set[static_cast<std::size_t>(q - 1)]);
        return;
    }
}

void PreloadChoiceBank() {
    if (isSetBetween(CurrentSelection(), 21, bank::kExamSetCount)) Preload<Form22>();
    if (isSetBetween(CurrentSelection(), 1, bank::kExamSetCount)) Preload<Form21>();
}
