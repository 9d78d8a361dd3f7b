#pragma once
#include "platform/forms.h"

// The chapter exercises: the multiple-choice questions of the subject and chapter
// that its opener writes into the header, each pick judged at once.
class Form6 : public forms::Form {
public:
    Form6();
    void closeBoxClicked() override;

    forms::Frame Frame2;
    forms::Label Label3;
    forms::Line Line1;
    forms::Label Label4;
    forms::Label Label2;
    forms::ListBox List1;
    forms::Frame Frame1;
    // The question above its options; the designed feedback box gave up its upper part to it.
    forms::Label StemDisplay;
    forms::TextBox Text1;
    forms::ControlArray<forms::OptionButton> Optbutton;
    forms::Label Label5;
    forms::CommandButton Command2;
    forms::Frame Frame3;
    forms::ControlArray<forms::CommandButton> cmd;
    // The learner's door to the hint on the exercise types, between the browse buttons and "返回".
    forms::CommandButton TypeHintDoor;
    forms::CommandButton Command5;
    forms::Menu popmenu;
    forms::Menu neirong;

    void cmd_Click(int index);
    void Optbutton_Click(int index);
    void List1_Click();
    void Command5_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    // An operation that no control of the window invokes; "试题评析" is its door.
    void ShowQuestionAnalysis();

private:
    void showCurrentQuestion();
};

// The hint that a step back from the first question shows in the hint box.
extern const char* const kFirstQuestionHint;
