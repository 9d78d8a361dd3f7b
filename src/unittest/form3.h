#pragma once
#include <string>

#include "platform/forms.h"

// The review of a unit test: the answer grid with its status colours, the score, the
// verdict, and the full record of one question at a time.
class Form3 : public forms::Form {
public:
    Form3();
    void Form_Load() override;
    void closeBoxClicked() override;

    forms::Frame Frame1;
    forms::Label Label1;
    forms::Label Label2;
    forms::Frame Frame3;
    forms::ControlArray<forms::Label> Label3;  // numbers 1 to 40, coloured by status
    forms::ControlArray<forms::Label> Label4;  // the letters picked
    forms::ControlArray<forms::Label> Label6;  // the right letters
    forms::Label Label8;
    forms::Label Label10;
    forms::Label Label104;
    forms::Label Label13;
    forms::Label Label59;
    forms::Label Label11;
    forms::Label Label63;
    forms::Label Label7;
    forms::Label Label65;
    forms::Label Label5;
    forms::Label Label67;
    forms::Line Line1;
    forms::Label Label150;
    forms::Label Label153;
    forms::Label Label157;
    forms::Line Line2;
    forms::Label Label139;
    forms::TextBox Text1;
    forms::Frame Frame2;
    forms::Label Label106;
    forms::Label Label140;
    forms::TextBox Text2;
    forms::Frame Frame4;
    forms::ControlArray<forms::CommandButton> cmd;
    forms::CommandButton Command5;
    forms::Menu popmenu;
    forms::Menu neirong;

    void cmd_Click(int index);
    void Label3_Click(int index);
    void Command5_Click();
    void Text2_MouseDown(int button, int shift, int x, int y);

    // An operation that no control invokes.
    void ReturnToStudy();
};

// Question k as the review shows it: stem, the four options, the right letter and the analysis.
std::string ReviewRecord(int k);

// The grid's status colours.
namespace answer_grid {
constexpr forms::Colour kCurrent = 0x0000C000;
constexpr forms::Colour kRight = 0x000000FF;
constexpr forms::Colour kWrong = 0x0000FFFF;
constexpr forms::Colour kNotAnswered = forms::kButtonFace;
}  // namespace answer_grid
