#pragma once
#include "platform/forms.h"

// The results table: for each of the exam's 23 items its mark, right letter and chosen
// letter over the exam system's results screen, and the item's question and answer
// on a click of its number.
class Form1 : public forms::Form {
public:
    Form1();
    void Form_Load() override;
    void closeBoxClicked() override;

    forms::Frame Frame2;
    forms::Image Image1;
    forms::ControlArray<forms::Label> Label3;  // item numbers 1 to 23
    forms::ControlArray<forms::Label> Label2;  // white masks 0 to 15
    forms::Label Label1;
    forms::Label Label14;
    forms::ControlArray<forms::TextBox> Text3;  // 考生得分
    forms::ControlArray<forms::TextBox> Text4;  // 标准答案
    forms::ControlArray<forms::TextBox> Text5;  // 考生答案
    forms::TextBox Text1;                       // question pane
    forms::TextBox Text2;                       // answer pane
    forms::CommandButton Command1;
    forms::Menu popmenu;
    forms::Menu neirong;

    void Label3_Click(int index);
    void Command1_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);
    void Text2_MouseDown(int button, int shift, int x, int y);
    // An operation that no control invokes: the previous (0) or next (1) choice
    // question, kept within 1 and 20.
    void StepAnalysis(int direction);

private:
    void showItem(int n);
};
