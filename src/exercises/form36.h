#pragma once
#include <string>

#include "exercises/operation_bank.h"
#include "platform/forms.h"

// The database operation questions of one set: the examinee folder, the task of each
// of the three question types, the reference answer and the practice notes. The set is
// the chooser's selection, read afresh at every use; the current type is held in the
// type buttons' back colours alone.
class Form36 : public forms::Form {
public:
    Form36();
    void Form_Load() override;
    void closeBoxClicked() override;

    forms::Line Line1;
    forms::Frame Frame1;
    forms::Label Label2;
    forms::Label Label1;
    forms::Frame Frame3;
    forms::CommandButton Command1;
    forms::CommandButton Command2;
    forms::CommandButton Command3;
    forms::TextBox Text1;
    forms::Label Label5;
    forms::CommandButton Command4;
    forms::CommandButton Command5;
    forms::Menu KSXM;
    forms::Menu DZYJ;
    forms::Menu HELP;
    forms::Menu KSGY;
    forms::Menu popmenu;
    forms::Menu neirong;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void DZYJ_Click();
    void KSGY_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    // Operations that no control of the window invokes.
    void ShowPracticeNotes();
    void CloseCaseWindow();
    void ShowTestFinishedNotice();

private:
    void prepareExamineeFolder();
    void markType(exercises::OperationType type);
    std::string taskText(exercises::OperationType type);
    void showType(exercises::OperationType type);
};

// The back colours of the type buttons: the current type's, and the others'.
inline constexpr forms::Colour kCurrentTypeColour = 0x80000014;
inline constexpr forms::Colour kOtherTypeColour = 0x80000013;

// The notes on practising the database questions, three paragraphs joined by line feeds.
extern const char* const kPracticeNotes;
