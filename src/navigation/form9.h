#pragma once
#include <string>

#include "platform/forms.h"

// The steps viewer: one text above every other window, written by whoever opens it.
class Form9 : public forms::Form {
public:
    Form9();
    void Form_Load() override;

    forms::TextBox Text1;
    forms::CommandButton Command1;
    forms::CommandButton Command2;
    forms::Menu popmenu;
    forms::Menu neirong;

    void Command1_Click();
    void Command2_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);
};

// Whether the skill-practice exercise with this key has an answer folder.
bool hasPracticeAnswerFolder(const std::string& exerciseKey);
