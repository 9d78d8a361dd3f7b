#pragma once
#include "platform/forms.h"

// The login: the exam system's candidate login screen, a box for the admission number
// and the drawn buttons as hot spots.
class Form12 : public forms::Form {
public:
    Form12();

    forms::Frame Frame1;
    forms::Image Image1;
    forms::TextBox Text1;
    forms::Image Image4;
    forms::Image Image5;
    forms::Label Label5;

    void Image5_Click();
    void Image4_Click();
};
