#pragma once
#include "platform/forms.h"

// A notice whose text its caller writes before showing it.
class Form27 : public forms::Form {
public:
    Form27();

    forms::Label Label1;
    forms::CommandButton Command1;

    void Command1_Click();
};
