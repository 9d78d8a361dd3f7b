#pragma once
#include "platform/forms.h"

// The exam notice: the paper's parts and the candidate notices, a box to tick, and the
// start of the exam. Its timer draws the set once a visit.
class Form14 : public forms::Form {
public:
    Form14();

    forms::Timer Timer1;
    forms::Frame Frame1;
    forms::Image Image1;
    forms::CheckBox Check1;
    forms::Image Image3;
    forms::Image Image4;

    void Timer1_Timer();
    void Image3_Click();
    void Image4_Click();
};
