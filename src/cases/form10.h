#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/forms.h"

// The case chooser. Its combo's text is the system-wide current case or exam set.
class Form10 : public forms::Form {
public:
    Form10();
    void Form_Load() override;

    forms::Frame Frame2;
    forms::Frame Frame3;
    forms::ComboBox Combo1;
    forms::CommandButton Command2;
    forms::TextBox Text1;
    forms::CommandButton Command1;
    forms::Label Label4;
    forms::Label Label3;
    forms::Line Line1;
    forms::Line Line2;
    forms::Line Line3;
    forms::Line Line4;
    forms::Line Line5;
    // The way to the database operation questions: a button that pops up the 26 sets.
    forms::CommandButton OperationDoor;
    forms::Menu OperationSets;
    std::vector<std::unique_ptr<forms::Menu>> OperationSetItems;  // set k at index k - 1

    void Command2_Click();
    void Command1_Click();
    void OperationDoor_Click();
    void OperationSetItem_Click(int number);
};

// The text of the chooser's combo, read afresh at every use; touching it loads the
// chooser hidden when it is not loaded.
std::string CurrentSelection();
void setCurrentSelection(const std::string& selection);

// The number N of "实例N" for N from 1 to 40, exactly as the list writes it; 0 otherwise.
int caseNumber(const std::string& selection);
// The number N of the exam set "第N套" for N from 1 to 40, exactly as the draw writes it; 0 otherwise.
int examSetNumber(const std::string& selection);
// Whether the selection names an exam set from first to last.
bool isSetBetween(const std::string& selection, int first, int last);

// Windows without controls or code, shown and hidden at once for some selections.
class Form45 : public forms::Form {
public:
    Form45();
};

class Form65 : public forms::Form {
public:
    Form65();
    forms::Image Picture;  // the window's background picture
};

class Form66 : public forms::Form {
public:
    Form66();
};
