#pragma once
#include "platform/forms.h"

// The series entry window: the exam system's title page, with the syllabus, the way in
// and the way out, and the contact links.
class Form59 : public forms::Form {
public:
    Form59();

    forms::Image Image1;
    forms::Line Line1;
    forms::Line Line2;
    forms::Line Line3;
    forms::Line Line4;
    forms::CommandButton Command4;
    forms::CommandButton Command2;
    forms::CommandButton Command1;
    forms::Label Label2;
    forms::Label Label5;
    forms::Label Label1;

    void Command1_Click();
    void Command4_Click();
    void Command2_Click();
    void Label2_Click();
    void Label5_Click();
    // An operation that no control invokes.
    void EndProgram();
};
