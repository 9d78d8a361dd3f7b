#pragma once
#include "platform/forms.h"

// The choice-answering window: one question of the drawn set at a time over the exam
// system's choice screen, an answer card of twenty numbers, and the analysis on demand.
class Form20 : public forms::Form {
public:
    Form20();
    void Form_Load() override;

    forms::Frame Frame1;
    forms::Image Image1;
    forms::Label Label1;
    forms::TextBox Text1;
    forms::ControlArray<forms::OptionButton> Option1;  // A to D
    forms::Shape Shape1;
    forms::Label Label2;
    forms::Frame Frame2;
    forms::ControlArray<forms::Shape> Shape2;  // 1 to 20
    forms::ControlArray<forms::Label> Label3;  // 1 to 20
    forms::Label Label4;
    forms::Label Label5;
    forms::CommandButton Command1;
    forms::ControlArray<forms::Image> Image2;  // 0 上一题, 1 下一题
    forms::Image Image3;
    forms::Menu popmenu;
    forms::Menu neirong;

    void Label3_Click(int index);
    void Image2_Click(int index);
    void Option1_Click(int index);
    void Command1_Click();
    void Image3_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    void ClearChoiceDisplay();
    void ShowChoiceQuestion(int n);
};

// "答案：" and the right letter, a line break, "分析：" and the analysis of element n.
std::string answerText(int n);
