#pragma once
#include "platform/forms.h"

// The end password that the hand-in window accepts; its hint prints it too.
extern const char* const InvigilatorPassword;

// The hand-in password window: the exam system's processing message, then the
// invigilator's end password, which brings back the exam toolbar.
class Form46 : public forms::Form {
public:
    Form46();
    void Form_Load() override;

    forms::Timer Timer2;
    forms::CommandButton Command1;
    forms::TextBox Text1;
    forms::Label Label4;
    forms::Label Label1;

    void Timer2_Timer();
    void Command1_Click();
};
