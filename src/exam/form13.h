#pragma once
#include "platform/forms.h"

// The candidate confirmation: number, name and masked identity number over the exam
// system's candidate-information screen.
class Form13 : public forms::Form {
public:
    Form13();

    forms::Frame Frame1;
    forms::Image Image1;
    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label3;
    forms::Image Image2;
    forms::Image Image3;
    forms::Image Image4;

    void Image3_Click();
    void Image4_Click();
    void Image2_Click();
};
