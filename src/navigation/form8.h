#pragma once
#include "platform/forms.h"

// The start window: a banner, the picture button into the system, two contact links.
class Form8 : public forms::Form {
public:
    Form8();

    forms::Image Image5;
    forms::Frame Frame1;
    forms::Image Image1;
    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label3;
    // The learner's door to ShowAdvertWindow, in the start strip beside the start picture.
    forms::CommandButton AdvertDoor;
    // The learner's door to OpenSeriesEntryWindow, between the start picture and AdvertDoor.
    forms::CommandButton ExamDoor;

    void Image1_Click();
    void Label2_Click();
    void Label3_Click();
    // Operations that no designed control invokes.
    void ShowAdvertWindow();
    void OpenSeriesEntryWindow();
    void ExamDoor_Click();
};
