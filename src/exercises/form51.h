#pragma once
#include "platform/forms.h"

// The reference answer of the task the operation window shows.
class Form51 : public forms::Form {
public:
    Form51();
    void Form_Resize() override;

    forms::TextBox Text1;
    forms::Menu popmenu;
    forms::Menu neirong;

    void Text1_MouseDown(int button, int shift, int x, int y);
};
