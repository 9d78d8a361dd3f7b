#include "exercises/form36.h"

#include <algorithm>
#include <array>

#include "cases/form10.h"
#include "cases/form16.h"
#include "exercises/form27.h"
#include "exercises/form51.h"
#include "navigation/notice_windows.h"
#include "platform/helpers.h"
#include "platform/platform.h"

using namespace forms;
using exercises::OperationType;

const char* const kPracticeNotes =
    "（1）上机练习要求电脑上必须安装Access2003数据库软件，如果你的电脑上没有安装此软件，请先安装此软件或安装Office2003完整企业版！\n"
    "（2）上机题所用到的“源文件”在下载的软件安装解压包中，先将其拷贝到考生文件夹下，做题时找到相应套数中的源文件双击打开即可。\n"
    "（3）真正考试时，是随机抽取一套题，而且试题用到的源文件会自动放到考生文件夹下，考生只需在考生文件夹下找到对应的源文件双击打开即可。";

namespace {

// A text pane is built from a fresh table of line slots; slot 0 is never used.
using LineSlots = std::array<std::string, 51>;

std::string joinSlots(const LineSlots& slots, std::size_t last) {
    std::string out = slots[1];
    for (std::size_t i = 2; i <= last; ++i) (out += "\r\n") += slots[i];
    return out;
}

// Fills slots from 1 on with at most `limit` lines.
void fillSlots(LineSlots& slots, std::span<const std::string_view> lines, std::size_t limit) {
    const std::size_t n = std::min(lines.size(), limit);
    for (std::size_t i = 0; i < n; ++i) slots[i + 1] = lines[i];
}

constexpr const char* kExamineeFolder = "c:\\wexam\\29010001";
constexpr const char* kExamFolder = "c:\\wexam";

// What could not be done, and with which folder, as the window writes its folders.
void folderNotice(const std::string& failed, const std::string& shownFolder) {
    MsgBox(failed + "：" + shownFolder, vbOKOnly, "提示");
}

}  // namespace

Form36::Form36()
    : Form({.caption = "操作题",
            .border = BorderStyle::FixedSingle,
            .clientWidth = 10215,
            .clientHeight = 7335,
            .place = std::pair{2040, 1800}}),
      Line1(*this, 0, 0, 10215, 0),
      Frame1(*this, {120, 120, 3735, 735}, ""),
      Label2(Frame1, {120, 270, 1335, 300}, "考生文件夹"),
      Label1(Frame1, {1440, 270, 2175, 300}, "C:\\WEXAM\\29010001"),
      Frame3(*this, {3960, 120, 6135, 735}, ""),
      Command1(Frame3, {240, 180, 1695, 435}, "基本操作题"),
      Command2(Frame3, {2220, 180, 1695, 435}, "简单应用题"),
      Command3(Frame3, {4200, 180, 1695, 435}, "综合应用题"),
      Text1(*this, {120, 960, 9975, 5655}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Label5(*this, {120, 6780, 7095, 255},
             "上机题所用到的“源文件”在下载的软件安装解压包中，可将其拷贝到考生文件夹下."),
      Command4(*this, {7440, 6720, 1215, 420}, "试题分析", true),
      Command5(*this, {8880, 6720, 1215, 420}, "退出"),
      KSXM(*this, "答题(&T)"),
      DZYJ(KSXM, "启动Access2003"),
      HELP(*this, "帮助（&H)"),
      KSGY(HELP, "上机练习说明"),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "内容不可改动") {
    for (Label* l : {&Label2, &Label1}) {
        l->setForeColor(0x00FF0000);
        l->setFont({.name = "宋体", .size = 12});
    }
    for (CommandButton* b : {&Command1, &Command2, &Command3}) b->setFont({.name = "宋体", .size = 12});
    Text1.setFont({.name = "宋体", .size = 14.25, .bold = true});
    Label5.setForeColor(0x00008000);
    Label5.setBackColor(0x00FFFF80);
    Command4.setBackColor(0x0080C0FF);
    setTabOrder({&Command1, &Command2, &Command3, &Text1, &Command4, &Command5});
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { Command4_Click(); });
    Command5.onClick([this] { Command5_Click(); });
    DZYJ.onClick([this] { DZYJ_Click(); });
    KSGY.onClick([this] { KSGY_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
}

void Form36::Form_Load() {
    prepareExamineeFolder();
    markType(OperationType::Basic);
    Text1.setText(taskText(OperationType::Basic));
}

// Makes "c:\wexam\29010001" where missing and enters it. A step that fails stops the
// rest and says which step it was and on which folder; nothing in the way is removed,
// and the window goes on without the folder.
void Form36::prepareExamineeFolder() {
    platform::Platform& drive = platform::current();
    const std::string examinee = Label1.Caption(), exam = "C:\\WEXAM";
    if (drive.folderExists(kExamineeFolder)) {
        if (!drive.changeDirectory(kExamineeFolder)) folderNotice("无法进入考生文件夹", examinee);
        return;
    }
    if (drive.folderExists(kExamFolder)) {
        if (!drive.changeDirectory(kExamFolder)) return folderNotice("无法进入文件夹", exam);
    } else {
        if (!drive.changeDirectory("c:\\")) return folderNotice("无法进入文件夹", "C:\\");
        if (!drive.makeDirectory(kExamFolder)) return folderNotice("无法创建文件夹", exam);
        if (!drive.changeDirectory(kExamFolder)) return folderNotice("无法进入文件夹", exam);
    }
    if (!drive.makeDirectory(kExamineeFolder)) return folderNotice("无法创建考生文件夹", examinee);
    if (!drive.changeDirectory(kExamineeFolder)) folderNotice("无法进入考生文件夹", examinee);
}

void Form36::markType(OperationType type) {
    Command1.setBackColor(type == OperationType::Basic ? kCurrentTypeColour : kOtherTypeColour);
    Command2.setBackColor(type == OperationType::Simple ? kCurrentTypeColour : kOtherTypeColour);
    Command3.setBackColor(type == OperationType::Comprehensive ? kCurrentTypeColour : kOtherTypeColour);
}

// The task of the set the selection names, in 25 lines whatever its length.
std::string Form36::taskText(OperationType type) {
    LineSlots slots;
    for (int k = 1; k <= exercises::kOperationSetCount; ++k) {
        if (CurrentSelection() == exercises::operationSetName(k)) {
            fillSlots(slots, exercises::operationTask(k, type), 50);
            break;
        }
    }
    return joinSlots(slots, 25);
}

void Form36::showType(OperationType type) {
    // The answer shown belongs to the type that is being left.
    form<Form51>().Hide();
    unload<Form51>();
    markType(type);
    Text1.setText(taskText(type));
}

void Form36::Command1_Click() { showType(OperationType::Basic); }

void Form36::Command2_Click() { showType(OperationType::Simple); }

void Form36::Command3_Click() { showType(OperationType::Comprehensive); }

void Form36::Command4_Click() {
    LineSlots slots;
    const std::array<const CommandButton*, 3> typeButtons = {&Command1, &Command2, &Command3};
    bool found = false;
    for (int t = 1; t <= 3 && !found; ++t) {
        for (int k = 1; k <= exercises::kOperationSetCount && !found; ++k) {
            if (CurrentSelection() == exercises::operationSetName(k) &&
                typeButtons[static_cast<std::size_t>(t - 1)]->BackColor() == kCurrentTypeColour) {
                fillSlots(slots, exercises::referenceAnswer(k, static_cast<OperationType>(t)), 3);
                found = true;
            }
        }
    }
    form<Form51>().Text1.setText(joinSlots(slots, 6));
    form<Form51>().Show();
}

void Form36::Command5_Click() {
    Hide();
    Unload();
    form<Form10>().Show();
}

// Closing the window by its box goes back as "退出" does, rather than leaving the
// chooser hidden with nothing on the screen.
void Form36::closeBoxClicked() { Command5_Click(); }

void Form36::DZYJ_Click() { ShowPracticeNotes(); }

void Form36::KSGY_Click() { ShowPracticeNotes(); }

void Form36::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }

void Form36::ShowPracticeNotes() {
    form<Form27>().Label1.setCaption(kPracticeNotes);
    form<Form27>().Show();
}

void Form36::CloseCaseWindow() {
    form<Form16>().Hide();
    form<Form16>().Unload();
    form<Form10>().Show();
}

void Form36::ShowTestFinishedNotice() { form<Form19>().Show(); }
