#include "cases/form16.h"

#include "cases/form10.h"
#include "cases/form24.h"
#include "cases/form31.h"
#include "exam/exam_windows.h"
#include "exam/form43.h"
#include "navigation/notice_windows.h"
#include "platform/helpers.h"
#include "shared/folders.h"
#include "shared/module1.h"

using namespace forms;

bool isCaseWithoutContent(const std::string& selection) {
    return caseNumber(selection) >= 10 || examSetNumber(selection) != 0;
}

Form16::Form16()
    : Form({.caption = "实战模拟",
            .border = BorderStyle::Sizable,
            .clientWidth = 10065,
            .clientHeight = 7635,
            .place = std::pair{2055, 1350}}),
      Command7(*this, {1320, 7080, 2415, 375}, "打开[PowerPoint]应用程序", true),
      Command10(*this, {4320, 7080, 1575, 375}, "打开素材", true),
      Frame3(*this, {120, 960, 9855, 5895}, ""),
      Text1(Frame3, {120, 240, 9615, 5535}, "Text1",
            {.multiLine = true, .scrollBars = TextBox::ScrollBars::Vertical, .locked = true}),
      Frame1(*this, {6360, 6840, 1455, 735}, ""),
      Command2(Frame1, {120, 240, 1215, 375}, "操作步骤"),
      Frame4(*this, {120, 0, 9855, 855}, ""),
      Label4(Frame4, {1080, 240, 7575, 375}, "Label4"),
      Command8(*this, {8880, 7080, 735, 375}, "返回"),
      Line1(*this, 0, 0, 10080, 0),
      popmenu(*this, "快捷菜单", false),
      neirong(popmenu, "禁止右键"),
      ExamMenu(*this, "答题(&T)", isLoaded<Form43>()),
      ChoiceItem(ExamMenu, "选择题(&C)"),
      WordItem(ExamMenu, "字处理(&W)"),
      SheetItem(ExamMenu, "电子表格(&E)"),
      SlidesItem(ExamMenu, "演示文稿(&P)"),
      ChoiceSets(*this, "选择题", false),
      OfficeMenu(*this, "办公软件(&O)"),
      WordDocumentItem(OfficeMenu, "新建Word文档(&W)"),
      WorkbookItem(OfficeMenu, "新建Excel工作簿(&E)"),
      PresentationItem(OfficeMenu, "新建PowerPoint演示文稿(&P)"),
      // During an exam the drawn set is the selection, which the documents would change.
      MockExamItem(OfficeMenu, "全真模拟试题文档(&M)", !examRuns()),
      NotesItem(OfficeMenu, "上机练习说明(&N)") {
    for (CommandButton* b : {&Command7, &Command10}) b->setBackColor(0x0080C0FF);
    Frame3.setBackColor(0x8000000B);
    Text1.setFont({.name = "宋体", .size = 12});
    Label4.setAlignment(Label::Align::Center);
    Label4.setFont({.name = "宋体", .size = 18});
    setTabOrder({&Command7, &Command10, &Text1, &Command2, &Command8});
    Command10.onClick([this] { Command10_Click(); });
    Command7.onClick([this] { Command7_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command8.onClick([this] { Command8_Click(); });
    Text1.onMouseDown([this](int button, int shift, int x, int y) { Text1_MouseDown(button, shift, x, y); });
    // Forty sets in two groups of twenty, so that the menu fits any screen.
    for (int first : {1, 21}) {
        ChoiceSetGroups.push_back(std::make_unique<Menu>(
            ChoiceSets, "第" + std::to_string(first) + "～" + std::to_string(first + 19) + "套"));
        for (int k = first; k < first + 20; ++k) {
            ChoiceSetItems.push_back(std::make_unique<Menu>(*ChoiceSetGroups.back(), "第" + std::to_string(k) + "套"));
            ChoiceSetItems.back()->onClick([this, k] { ChoiceSetItem_Click(k); });
        }
    }
    for (int k = 1; k <= 6; ++k) {
        MockExamSetItems.push_back(
            std::make_unique<Menu>(MockExamItem, "全真模拟试题（第" + std::to_string(k) + "套）"));
        MockExamSetItems.back()->onClick([this, k] { MockExamSetItem_Click(k); });
    }
    WordDocumentItem.onClick([this] { NewWordDocument(); });
    WorkbookItem.onClick([this] { NewExcelWorkbook(); });
    PresentationItem.onClick([this] { NewPresentation(); });
    NotesItem.onClick([this] { ShowPracticeNotes(); });
    ChoiceItem.onClick([this] { ChoiceItem_Click(); });
    WordItem.onClick([this] { OpenExamMaterial(0); });
    SheetItem.onClick([this] { OpenExamMaterial(1); });
    SlidesItem.onClick([this] { OpenExamMaterial(2); });
}

void Form16::Form_Load() {
    Text1.setText(isCaseWithoutContent(CurrentSelection()) ? std::string() : Module1::QuestionStem[23].text());
}

void Form16::Command10_Click() {
    if (int n = caseNumber(CurrentSelection()); n != 0) helpers::OpenFolder(caseMaterialFolder(n));
}

void Form16::Command7_Click() { helpers::StartApplication("POWERPNT"); }

void Form16::Command2_Click() {
    const bool empty = isCaseWithoutContent(CurrentSelection());
    form<Form31>().Text1.setText(empty ? std::string() : Module1::CorrectAnswer[23].text());
    form<Form31>().Show();
}

void Form16::Command8_Click() {
    unload<Form24>();
    Hide();
    Unload();
    form<Form10>().Show();
}

// Closing the window by its box goes back as "返回" does, rather than leaving the
// chooser hidden with nothing on the screen.
void Form16::closeBoxClicked() { Command8_Click(); }

void Form16::Text1_MouseDown(int button, int, int, int) { helpers::RightClickGuard(popmenu, Text1, button); }

void Form16::KeepOnTop() { helpers::KeepOnTop(*this); }

void Form16::ShowItemSteps(std::int16_t item) {
    if (item >= 1 && item <= 3) form<Form31>().Text1.setText(Module1::CorrectAnswer[20 + item].text());
    form<Form31>().Show();
}

void Form16::CloseToChooser() {
    Hide();
    Unload();
    form<Form10>().Show();
}

void Form16::ShowTestFinishedNotice() { form<Form19>().Show(); }
