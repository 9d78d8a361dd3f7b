#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/forms.h"

// The case window: the chosen case's name and text, its material folder, PowerPoint,
// the solution steps and the way back to the chooser. The exam uses it as its
// operation-question window.
class Form16 : public forms::Form {
public:
    Form16();
    void Form_Load() override;
    void closeBoxClicked() override;

    forms::CommandButton Command7;
    forms::CommandButton Command10;
    forms::Frame Frame3;
    forms::TextBox Text1;
    forms::Frame Frame1;
    forms::CommandButton Command2;
    forms::Frame Frame4;
    forms::Label Label4;
    forms::CommandButton Command8;
    forms::Line Line1;
    forms::Menu popmenu;
    forms::Menu neirong;
    // The exam road's way to the exam's items; present only while the mode chooser is loaded.
    forms::Menu ExamMenu;
    forms::Menu ChoiceItem;
    forms::Menu WordItem;
    forms::Menu SheetItem;
    forms::Menu SlidesItem;
    forms::Menu ChoiceSets;                                     // popped up when the selection names no exam set
    std::vector<std::unique_ptr<forms::Menu>> ChoiceSetGroups;  // sets 1 to 20 and 21 to 40
    std::vector<std::unique_ptr<forms::Menu>> ChoiceSetItems;   // set k at index k - 1
    // The way to the office programs, the mock-exam documents and the practice notes.
    forms::Menu OfficeMenu;
    forms::Menu WordDocumentItem;
    forms::Menu WorkbookItem;
    forms::Menu PresentationItem;
    forms::Menu MockExamItem;
    std::vector<std::unique_ptr<forms::Menu>> MockExamSetItems;  // set k at index k - 1
    forms::Menu NotesItem;

    void Command10_Click();
    void Command7_Click();
    void Command2_Click();
    void Command8_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

    // Operations that no control of the window invokes.
    void KeepOnTop();
    void ShowItemSteps(std::int16_t item);
    void CloseToChooser();
    void ShowTestFinishedNotice();
    void StartChoiceQuestions();
    void OpenMockExamSet();
    void OpenExamMaterial(std::int16_t index);
    void NewWordDocument();
    void NewExcelWorkbook();
    void NewPresentation();
    void NewPresentation2();
    void BuildMockExamDocuments();
    void ShowPracticeNotes();

    void ChoiceItem_Click();
    void ChoiceSetItem_Click(int number);
    void MockExamSetItem_Click(int number);
};

// Whether the selection names a listed case that has no text in the trainer ("实例10"
// to "实例40") or an exam set, whose operation text the trainer does not hold: for those
// the case and steps windows show empty texts rather than another case's.
bool isCaseWithoutContent(const std::string& selection);
