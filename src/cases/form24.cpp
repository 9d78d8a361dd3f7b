#include "cases/form24.h"

#include <array>
#include <vector>

#include "bank/form21.h"
#include "cases/case_content.h"
#include "cases/form10.h"
#include "shared/module1.h"

using namespace forms;
using namespace Module1;

Form24::Form24()
    : Form({.caption = "NCRE无纸化_二级MS Office高级应用_考试系统_姓名：模拟1，准考证号：418207735096"}),
      KSXM(*this, "答题(&T)"),
      XZ(KSXM, "选择题"),
      ZCL(KSXM, "字处理"),
      WD(ZCL, "Word.docx"),
      DZBG(KSXM, "电子表格"),
      EX(DZBG, "Excel.xlsx"),
      YSWG(KSXM, "演示文稿"),
      PT(YSWG, "yswg.pptx"),
      HELP(*this, "帮助(&H)"),
      KSGY(HELP, "上机练习说明"),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可更改") {}

namespace {

void sectionBuild(const cases::SectionCase& c) {
    QuestionStem[23] = joinLines(c.text);
    for (int i = 1; i <= 8; ++i) OptionB[i] = joinLines(c.sections[static_cast<std::size_t>(i - 1)]);
    std::string steps;
    for (int i = 1; i <= 8; ++i) {
        if (i > 1) steps += kCrLf;
        steps += OptionB[i].text();
    }
    CorrectAnswer[23] = steps;
}

// Each line goes into the scratch table first, then is appended to the slot after a line break.
void linesThroughScratch(const Lines& lines, Table& scratch, Variant& slot) {
    const int count = static_cast<int>(lines.size());
    for (int i = 1; i <= count; ++i) scratch[i] = lines[static_cast<std::size_t>(i - 1)];
    for (int i = 1; i <= count; ++i) slot = slot.text() + std::string(kCrLf) + scratch[i].text();
}

void lineBuild(const cases::LineCase& c) {
    linesThroughScratch(c.text, OptionA, QuestionStem[23]);
    linesThroughScratch(c.steps, OptionB, CorrectAnswer[23]);
}

}  // namespace

void Form24::Form_Load() {
    // While the bank loader is loaded, elements 1 to 20 hold the drawn set's questions and
    // would not be loaded again: the wipe and the scratch lines leave them as they are.
    struct Kept {
        Table* table;
        std::array<Variant, 20> elements;
    };
    std::vector<Kept> kept;
    if (isLoaded<Form21>()) {
        for (Table* t : {&QuestionStem, &CorrectAnswer, &OptionA, &OptionB}) {
            Kept k{t, {}};
            for (int i = 1; i <= 20; ++i) k.elements[static_cast<std::size_t>(i - 1)] = (*t)[i];
            kept.push_back(k);
        }
    }
    load();
    for (const Kept& k : kept)
        for (int i = 1; i <= 20; ++i) (*k.table)[i] = k.elements[static_cast<std::size_t>(i - 1)];
}

void Form24::load() {
    for (int i = 1; i <= 70; ++i) {
        QuestionStem[i] = "";
        CorrectAnswer[i] = "";
        OptionA[i] = "";
        OptionB[i] = "";
    }
    // The selection is read afresh for each comparison, as the chooser holds it then.
    if (CurrentSelection() == "实例1")
        sectionBuild(cases::case1Content());
    else if (CurrentSelection() == "实例2")
        sectionBuild(cases::case2Content());
    else if (CurrentSelection() == "实例3")
        sectionBuild(cases::case3Content());
    else if (CurrentSelection() == "实例4")
        sectionBuild(cases::case4Content());
    else if (CurrentSelection() == "实例5")
        sectionBuild(cases::case5Content());
    else if (CurrentSelection() == "实例6")
        lineBuild(cases::case6Content());
    else if (CurrentSelection() == "实例7")
        lineBuild(cases::case7Content());
    else if (CurrentSelection() == "实例8")
        lineBuild(cases::case8Content());
    else if (CurrentSelection() == "实例9")
        lineBuild(cases::case9Content());
}
