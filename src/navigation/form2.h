#pragma once
#include <memory>
#include <vector>

#include "platform/forms.h"

// The study window: the seven chapters and the outline of the chosen one. Its list's
// selected index is the chapter key that skill practice reads, so it stays loaded
// (hidden) while skill practice runs.
class Form2 : public forms::Form {
public:
    Form2();
    void Form_Load() override;

    forms::Frame Frame2;
    forms::ListBox List1;
    forms::Frame Frame1;
    forms::TextBox Text1;
    forms::Frame Frame4;
    forms::CommandButton Command1;
    forms::CommandButton Command3;
    // The learner's door to the chapter exercises, left of "返回": a menu of the
    // chapters under their subjects.
    forms::CommandButton ChapterExerciseDoor;
    forms::Menu ChapterMenu;

    void List1_Click();
    void Command1_Click();
    void Command3_Click();
    void ChapterExerciseDoor_Click();
    // Opens the chapter window on question 1 of the chapter row at `row`.
    void OpenChapterExercises(std::size_t row);

private:
    std::vector<std::unique_ptr<forms::Menu>> chapterItems_;
};
