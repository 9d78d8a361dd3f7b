#include "navigation/form7.h"

#include <algorithm>
#include <array>

#include "navigation/form2.h"
#include "navigation/form9.h"
#include "navigation/study_content.h"
#include "platform/helpers.h"
#include "shared/folders.h"
#include "shared/module1.h"

using namespace forms;
using Module1::CurrentItem;

namespace {

// The exercises that have a material folder.
constexpr std::array<const char*, 8> kMaterialKeys = {"421", "431", "451", "452", "461", "462", "463", "464"};

struct ProgramRow {
    const char* caption;
    std::vector<const char*> programs;
};

// Button captions and the registered programs they start, tried in this order.
const std::vector<ProgramRow>& programTable() {
    static const std::vector<ProgramRow> rows = {
        {"打开[记事本和写字板程序]", {"notepad", "wordpad"}},
        {"打开[记事本]应用程序", {"notepad"}},
        {"打开[Windows资源管理器]", {"explorer"}},
        {"打开[Word]应用程序", {"WINWORD"}},
        {"打开[Excel]应用程序", {"EXCEL"}},
        {"打开[PowerPoint]应用程序", {"POWERPNT"}},
        {"打开[Access]应用程序", {"MSACCESS"}},
        {"打开[Ie]应用程序", {"iexplore"}},
        {"打开[Outlook]应用程序", {"OUTLOOK"}},
    };
    return rows;
}

}  // namespace

int chapterKey() { return form<Form2>().List1.ListIndex(); }

std::string currentExerciseKey() { return "4" + std::to_string(chapterKey()) + CurrentItem.text(); }

Form7::Form7()
    : Form({.caption = "技能练习", .border = BorderStyle::Sizable, .clientWidth = 10140, .clientHeight = 6600}),
      Frame4(*this, {120, 0, 9855, 1455}, ""),
      Label4(Frame4, {480, 480, 8895, 495}, "Label4"),
      Frame3(*this, {120, 1560, 9855, 4095}, ""),
      Text1(Frame3, {120, 240, 9615, 3735}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Command7(*this, {240, 6000, 2415, 375}, "Command7", true),
      Command10(*this, {2880, 6000, 1575, 375}, "打开素材", true),
      Frame1(*this, {4680, 5760, 1455, 735}, ""),
      Command2(Frame1, {120, 240, 1215, 375}, "操作步骤"),
      Frame2(*this, {6600, 5760, 2055, 735}, ""),
      Command8(*this, {9120, 6000, 735, 375}, "返回"),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "禁止右键") {
    cmd.add(0, Frame2, Rect{120, 240, 855, 375}, "上一题");
    cmd.add(1, Frame2, Rect{1080, 240, 855, 375}, "下一题");
    Label4.setAlignment(Label::Align::Center);
    Label4.setFont({.name = "宋体", .size = 18});
    Text1.setFont({.name = "宋体", .size = 12});
    for (CommandButton* b : {&Command7, &Command10}) {
        b->setBackColor(0x0080C0FF);
        b->setVisible(false);
    }
    Frame2.setVisible(false);

    cmd.onClick([this](int index) { cmd_Click(index); });
    Command7.onClick([this] { Command7_Click(); });
    Command10.onClick([this] { Command10_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

void Form7::Form_Load() {
    const int chapter = chapterKey();
    if (chapter >= 0 && chapter <= 6) {
        int count = 0;
        for (const navigation::PracticeExercise& exercise : navigation::practiceExercises()) {
            if (exercise.key[1] - '0' != chapter) continue;
            const int item = exercise.key[2] - '0';
            Module1::PracticeTask[item] = joinLines(exercise.task);
            Module1::PracticeSteps[item] = joinLines(exercise.steps);
            count = std::max(count, item);
        }
        Module1::PracticeItemCount = count;
    }
    Command7.setCaption("打开[PowerPoint]应用程序");
    switch (chapterKey()) {
        case 0:
        case 1:
        case 4:
            Command7.setVisible(true);
            break;
        case 2:
        case 3:
            Command10.setVisible(true);
            break;
        case 5:
        case 6:
            Command10.setVisible(true);
            Frame2.setVisible(true);
            break;
        default:
            break;
    }
    Text1.setText(Module1::PracticeTask[1].text());
}

void Form7::cmd_Click(int index) {
    if (index == 0) {
        CurrentItem = CurrentItem.number() - 1;
        if (CurrentItem.number() < 1) {
            CurrentItem = 1;
            helpers::BrowseNotice("如果想重做，请单击“下一题”按钮。");
        }
    } else if (index == 1) {
        CurrentItem = CurrentItem.number() + 1;
        if (CurrentItem.number() > Module1::PracticeItemCount.number()) {
            CurrentItem = Module1::PracticeItemCount.number();
            helpers::BrowseNotice("本章节操作题完毕！");
        }
    }
    Text1.setText(Module1::PracticeTask[CurrentItem.number()].text());
    Command7.setVisible(false);
    Command10.setVisible(false);
    const int chapter = chapterKey();
    const int item = CurrentItem.number();
    if ((chapter == 5 && (item == 1 || item == 2)) || (chapter == 6 && item >= 1 && item <= 4))
        Command10.setVisible(true);
}

void Form7::Command7_Click() {
    for (const ProgramRow& row : programTable()) {
        if (Command7.Caption() != row.caption) continue;
        for (const char* program : row.programs) helpers::StartApplication(program);
        return;
    }
}

void Form7::Command10_Click() {
    const std::string key = currentExerciseKey();
    if (std::find(kMaterialKeys.begin(), kMaterialKeys.end(), key) != kMaterialKeys.end())
        helpers::OpenFolder(practiceMaterialFolder(key));
}

void Form7::Command2_Click() {
    form<Form9>().Text1.setText(Module1::PracticeSteps[CurrentItem.number()].text());
    form<Form9>().Show();
    form<Form9>().Command1.setVisible(false);
    if (hasPracticeAnswerFolder(currentExerciseKey())) form<Form9>().Command1.setVisible(true);
}

void Form7::Command8_Click() {
    Hide();
    Unload();
    form<Form2>().Show();
}

void Form7::closeBoxClicked() { Command8_Click(); }

void Form7::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }
