#pragma once
#include "platform/forms.h"

// The chapter window's hint box, shown by a step back from the first question.
class Form38 : public forms::Form {
public:
    Form38();

    forms::Label Label1;
    forms::CommandButton Command1;

    void Command1_Click();
};
