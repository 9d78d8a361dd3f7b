#pragma once
#include <cstdint>

#include "platform/forms.h"

// The unit test: one of eight units chosen from the list, its forty questions one at a
// time, each pick graded at once into the review window's grid.
class Form4 : public forms::Form {
public:
    Form4();
    void Form_Load() override;
    void closeBoxClicked() override;

    forms::Frame Frame1;
    forms::Label Label2;
    forms::ComboBox Combo1;
    forms::Frame Frame2;
    forms::TextBox Text1;
    forms::ControlArray<forms::OptionButton> Optbutton;
    forms::Frame Frame4;
    forms::ControlArray<forms::CommandButton> cmd;
    forms::CommandButton Command1;
    forms::CommandButton Command2;
    forms::Menu popmenu;
    forms::Menu neirong;

    // The question shown, within 1 and the unit's question count.
    std::int16_t CurrentQuestion = 1;
    // 2.5 points for every question whose recorded answer is right.
    double Score = 0;

    void Combo1_Click();
    void cmd_Click(int index);
    void Optbutton_Click(int index);
    void Command1_Click();
    void Command2_Click();
    void Text1_MouseDown(int button, int shift, int x, int y);

private:
    void ShowUnitQuestion(int n);
    void clearOptions();
    void recountScore();
    void keepKeyboard();
    // Set while a browse selects the recorded answer, which is shown, not picked.
    bool restoring_ = false;
};

// The score as the review window shows it: a blank, then the points without trailing zeros.
std::string scoreText(double score);
// The verdict for a score, by its band.
std::string UnitVerdict(double score);
