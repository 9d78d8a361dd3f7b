#pragma once
#include "platform/forms.h"

// The alarm of the last five minutes.
class Form17 : public forms::Form {
public:
    Form17();
    forms::Label Label1;
    forms::CommandButton Command1;
    void Command1_Click();
};

// The end notice: time is up, hand in.
class Form18 : public forms::Form {
public:
    Form18();
    forms::Label Label1;
    forms::CommandButton Command1;
    void Command1_Click();
};
