#pragma once
#include "platform/forms.h"

// The written-exam set drawer: draws one of ten written-exam sets and marks the case
// chooser's banner as a written exam.
class Form44 : public forms::Form {
public:
    Form44();

    forms::CommandButton Command1;
    forms::Timer Timer1;
    forms::CommandButton Command3;
    forms::Label Label1;
    forms::Label Label2;

    void Command1_Click();
    void Timer1_Timer();
    void Command3_Click();
};
