#pragma once
#include "platform/forms.h"

// The mode chooser: training straight to the cases, or the timed exam through the
// login. The selected option is the mode, for as long as the window stays loaded.
class Form43 : public forms::Form {
public:
    Form43();
    void Form_Load() override;

    forms::Frame Frame1;
    forms::CommandButton Command3;
    forms::Frame Frame3;
    forms::Frame Frame4;
    forms::Label Label1;
    forms::Label Label3;
    forms::Frame Frame2;
    forms::ControlArray<forms::OptionButton> Option1;  // 0 训练模式, 1 考试模式
    forms::Label Label2;
    forms::CommandButton Command4;

    void Option1_Click(int index);
    void Command4_Click();
    void Command3_Click();
};

// Whether the mode chooser has training selected; reading it loads the chooser when
// it is not loaded, which selects training.
bool inTrainingMode();
