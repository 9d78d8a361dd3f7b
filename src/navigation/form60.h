#pragma once
#include "platform/forms.h"

// The hub: the roads into skill practice and the practical cases, and the way out.
class Form60 : public forms::Form {
public:
    Form60();

    forms::Image Image1;
    forms::CommandButton Command2;
    forms::CommandButton Command4;
    forms::Line Line2;
    forms::Line Line3;
    forms::Line Line4;
    forms::Line Line5;
    forms::Label Label2;
    forms::Label Label5;
    forms::CommandButton Command7;
    // The learner's door to OpenSyllabus, in the free corner left of the contact row.
    forms::CommandButton SyllabusDoor;
    // The door to OpenUnitTest, in the same look just above it.
    forms::CommandButton UnitTestDoor;

    void Command2_Click();
    void Command4_Click();
    void Command7_Click();
    void Label2_Click();
    void Label5_Click();
    // Operations that no designed control invokes.
    void OpenSyllabus();
    void OpenUnitTest();
};
