#include "unittest/form4.h"

#include <cmath>

#include "navigation/form60.h"
#include "platform/helpers.h"
#include "shared/module1.h"
#include "unittest/form3.h"
#include "unittest/unit_bank.h"

using namespace forms;
using Module1::ChosenAnswer;
using Module1::CorrectAnswer;

namespace {
constexpr const char* kDefaultUnit = "计算机基础知识";
constexpr const char* kLetters[4] = {"A", "B", "C", "D"};
}  // namespace

std::string scoreText(double score) {
    const long tenths = std::lround(score * 10);
    std::string text = " " + std::to_string(tenths / 10);
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text;
}

std::string UnitVerdict(double score) {
    if (score < 60) return "   你本单元测验成绩不理想，应该加强本单元学习和练习！";
    if (score < 80) return "   你本单元测验过关！";
    if (score < 90) return "   你本单元测验达到良好水平！";
    if (score < 100) return "   你本单元测验已达到优秀水平，值得庆贺！";
    return "   你本单元测验满分，太棒了！";
}

Form4::Form4()
    : Form({.caption = "单元测验",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 11580,
            .clientHeight = 6675,
            .place = std::pair{2040, 1335}}),
      Frame1(*this, {120, 120, 11295, 735}, ""),
      Label2(Frame1, {2520, 240, 2535, 375}, "请选择测验单元："),
      Combo1(Frame1, {5160, 240, 2655, 300}, ""),
      Frame2(*this, {120, 960, 11295, 4695}, ""),
      Text1(Frame2, {120, 240, 11055, 1335}, "Text1", {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical}),
      Frame4(*this, {4800, 5760, 2175, 735}, ""),
      Command1(*this, {7440, 6000, 1335, 375}, "评析本单元", true),
      Command2(*this, {10680, 6000, 615, 375}, "返回", true),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "禁止右键") {
    const char* const designCaptions[4] = {"第一个答案", "第二个答案", "第三个答案", "第四个答案"};
    for (int i = 0; i < 4; ++i) Optbutton.add(i, Frame2, Rect{120, 1560 + 600 * i, 10935, 495}, designCaptions[i]);
    cmd.add(0, Frame4, Rect{120, 240, 855, 375}, "上一题");
    cmd.add(1, Frame4, Rect{1200, 240, 855, 375}, "下一题");
    Label2.setFont({.name = "宋体", .size = 15, .bold = true});
    Command1.setBackColor(0x0080FFFF);
    Command2.setBackColor(0x000080FF);
    for (CommandButton* b : {&Command1, &Command2}) b->setFont({.name = "宋体", .size = 10.5});

    Combo1.onClick([this] { Combo1_Click(); });
    cmd.onClick([this](int index) { cmd_Click(index); });
    Optbutton.onClick([this](int index) { Optbutton_Click(index); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

void Form4::ShowUnitQuestion(int n) {
    Text1.setAlignment(Label::Align::Left);
    Text1.setFontSize(14);
    Text1.setText(Module1::QuestionStem[n].text());
    const Table* options[4] = {&Module1::OptionA, &Module1::OptionB, &Module1::OptionC, &Module1::OptionD};
    for (int i = 0; i < 4; ++i) Optbutton(i).setCaption((*options[i])[n].text());
}

void Form4::clearOptions() {
    for (auto& [i, option] : Optbutton) option->setValue(false);
}

void Form4::recountScore() {
    int right = 0;
    for (int i = 1; i <= 40; ++i)
        if (!ChosenAnswer[i].text().empty() && ChosenAnswer[i].text() == CorrectAnswer[i].text()) ++right;
    Score = 2.5 * right;
}

// Loading the review window shows and activates it; once it is hidden again the learner
// goes on typing and using the arrow keys in the test, not in a hidden window.
void Form4::keepKeyboard() {
    if (Visible()) Show();
}

void Form4::Form_Load() {
    for (std::string_view name : unittest::unitNames()) Combo1.AddItem(std::string(name));
    Combo1.setText(kDefaultUnit);
    LoadUnit(kDefaultUnit);
    for (int i = 1; i <= 40; ++i) ChosenAnswer[i] = "";
    Score = 0;
    CurrentQuestion = 1;
    ShowUnitQuestion(1);
}

void Form4::Combo1_Click() {
    LoadUnit(Combo1.Text());
    unload<Form3>();
    form<Form3>().Show();
    form<Form3>().Hide();
    Score = 0;
    CurrentQuestion = 1;
    ShowUnitQuestion(1);
    clearOptions();
    for (int i = 1; i <= 40; ++i) ChosenAnswer[i] = "";
    keepKeyboard();
}

void Form4::cmd_Click(int index) {
    clearOptions();
    const int count = Module1::UnitQuestionCount.number();
    if (index == 0) {
        --CurrentQuestion;
        if (CurrentQuestion < 1) {
            CurrentQuestion = 1;
            helpers::BrowseNotice("如果想重做试题，请单击“下一题”按钮。");
        }
    } else if (index == 1) {
        ++CurrentQuestion;
        if (CurrentQuestion > count) {
            CurrentQuestion = static_cast<std::int16_t>(count);
            helpers::BrowseNotice("本单元测验完毕！");
        }
    }
    const int n = CurrentQuestion;
    ShowUnitQuestion(n);
    const std::string recorded = ChosenAnswer[n].text();
    for (int i = 0; i < 4; ++i) {
        if (recorded != kLetters[i]) continue;
        // Selecting a button from code raises its click; the recorded letter is shown, not picked again.
        restoring_ = true;
        Optbutton(i).setValue(true);
        restoring_ = false;
    }
}

void Form4::Optbutton_Click(int) {
    if (restoring_) return;
    const int n = CurrentQuestion;
    for (int i = 0; i < 4; ++i) {
        if (!Optbutton(i).Value()) continue;
        const std::string letter = kLetters[i];
        ChosenAnswer[n] = letter;
        form<Form3>().Label4(n).setCaption(letter);
        form<Form3>().Label3(n).setBackColor(CorrectAnswer[n].text() == letter ? 0x000000FF : 0x0000FFFF);
        recountScore();
        break;
    }
    form<Form3>().Hide();
    keepKeyboard();
}

void Form4::Command1_Click() {
    form<Form3>().Show();
    form<Form3>().Label157.setCaption(scoreText(Score));
    form<Form3>().Text1.setText(UnitVerdict(Score));
    form<Form3>().Label2.setCaption(Combo1.Text());
    Hide();
}

void Form4::Command2_Click() {
    unload<Form3>();
    Hide();
    Unload();
    form<Form60>().Show();
}

// Closing the test by its box leaves it as "返回" does: the hub comes back and no review
// of this unit is left behind for the next test.
void Form4::closeBoxClicked() { Command2_Click(); }

void Form4::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }
