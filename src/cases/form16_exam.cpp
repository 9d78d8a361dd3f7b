// The case window's operations for the exam: the choice questions, the mock-exam
// sets and the material of the operation items.
#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "exam/exam_windows.h"
#include "exam/form15.h"
#include "exam/form20.h"
#include "navigation/form9.h"
#include "navigation/notice_windows.h"
#include "platform/helpers.h"
#include "shared/folders.h"
#include "shared/module1.h"

using namespace forms;
using namespace Module1;

void Form16::StartChoiceQuestions() {
    PreloadChoiceBank();
    form<Form20>().Command1.setVisible(false);
    CurrentItem = 1;
    form<Form20>().Text1.setText(QuestionStem[1].text());
    form<Form20>().Option1(0).setCaption(OptionA[1].text());
    form<Form20>().Option1(1).setCaption(OptionB[1].text());
    form<Form20>().Option1(2).setCaption(OptionC[1].text());
    form<Form20>().Option1(3).setCaption(OptionD[1].text());
    form<Form9>().Text1.setText(answerText(1));
    form<Form20>().Show();
    Hide();
}

void Form16::OpenMockExamSet() {
    for (int n = 1; n <= 20; ++n) {
        if (CurrentSelection() == "全真模拟试题（第" + std::to_string(n) + "套）") {
            form<Form20>().Show();
            return;
        }
    }
    form<Form21>().Show();
}

void Form16::OpenExamMaterial(std::int16_t index) {
    if (index >= 0 && index <= 2) {
        const int item = 21 + index;
        markAnswered(form<Form15>().Label3(item), form<Form15>().Shape2(item));
    }
    if (const int n = examSetNumber(CurrentSelection()); n != 0) helpers::OpenFolder(examMaterialFolder(n));
}

// With an exam set drawn, "选择题" opens its questions; otherwise the learner picks a set.
void Form16::ChoiceItem_Click() {
    if (examSetNumber(CurrentSelection()) != 0)
        StartChoiceQuestions();
    else
        PopupMenu(*this, ChoiceSets);
}

// The set's name goes into the chooser's combo as typed text, so its list keeps the cases.
// Outside an exam the learner may pick set after set: a bank loader left loaded holds
// the earlier set and would not load again. The case window now stands for the set, as
// the exam's operation window does, so that going back to it shows no case's text.
void Form16::ChoiceSetItem_Click(int number) {
    if (!examRuns()) unload<Form21>();
    setCurrentSelection("第" + std::to_string(number) + "套");
    Label4.setCaption(CurrentSelection());
    Text1.setText(std::string());
    StartChoiceQuestions();
}
