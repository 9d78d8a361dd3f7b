#pragma once
#include "platform/forms.h"

// The study window: the seven chapters and the outline of the chosen one. Its list's
// selected index is the chapter key that skill practice reads, so it stays loaded
// (hidden) while skill practice runs.
class Form2 : public forms::Form {
public:
    Form2();
    void Form_Load() override;

    forms::Frame Frame2;
    forms::ListBox List1;
    forms::Frame Frame1;
    forms::TextBox Text1;
    forms::Frame Frame4;
    forms::CommandButton Command1;
    forms::CommandButton Command3;

    void List1_Click();
    void Command1_Click();
    void Command3_Click();
};
