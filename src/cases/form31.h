#pragma once
#include "platform/forms.h"

// The steps window of a practical case, with the way to the case's answer folder.
class Form31 : public forms::Form {
public:
    Form31();

    forms::TextBox Text1;
    forms::CommandButton Command1;
    forms::CommandButton Command2;
    forms::Menu popmenu;
    forms::Menu neirong;

    void Command1_Click();
    void Command2_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);
};
