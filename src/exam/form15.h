#pragma once
#include "platform/forms.h"

// The progress window: the 23 items with their answered marks, the counts, and the
// hand-in question.
class Form15 : public forms::Form {
public:
    Form15();
    void closeBoxClicked() override;

    forms::Frame Frame1;
    forms::Label Label1;
    forms::Label Label2;
    forms::Image Image1;
    forms::Label Label17;
    forms::Label Label18;
    forms::Label Label19;
    forms::Label Label20;
    forms::Label Label21;  // answered
    forms::Label Label22;
    forms::Label Label23;
    forms::Label Label24;  // unanswered
    forms::Label Label25;
    forms::Frame Frame2;
    forms::Frame Frame3;
    forms::Frame Frame4;
    forms::Frame Frame5;
    forms::Frame Frame6;
    forms::Frame Frame7;
    forms::Label Label4;
    forms::Label Label5;  // unanswered, in the hand-in question
    forms::Label Label6;
    forms::CommandButton Command1;
    forms::CommandButton Command2;
    forms::ControlArray<forms::Shape> Shape2;  // 1 to 23
    forms::ControlArray<forms::Label> Label3;  // 0 under the picture; 1 to 23 the items

    void Command1_Click();
    void Command2_Click();
};

// The answered look of an exam item: red number on green, its circle filled green.
void markAnswered(forms::Label& number, forms::Shape& circle);
