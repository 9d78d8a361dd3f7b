#pragma once
#include "platform/forms.h"

// Skill practice: the current exercise of the chapter chosen in the study window,
// with its program, material folder, browse buttons and steps.
class Form7 : public forms::Form {
public:
    Form7();
    void Form_Load() override;
    void closeBoxClicked() override;

    forms::Frame Frame4;
    forms::Label Label4;
    forms::Frame Frame3;
    forms::TextBox Text1;
    forms::CommandButton Command7;
    forms::CommandButton Command10;
    forms::Frame Frame1;
    forms::CommandButton Command2;
    forms::Frame Frame2;
    forms::ControlArray<forms::CommandButton> cmd;
    forms::CommandButton Command8;
    forms::Menu popmenu;
    forms::Menu neirong;

    void cmd_Click(int index);
    void Command7_Click();
    void Command10_Click();
    void Command2_Click();
    void Command8_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);
};

// The chapter key: the study window's selected chapter, read at the moment it is needed.
int chapterKey();
// "4" + chapter key + exercise number, as the exercise is current at this moment.
std::string currentExerciseKey();
