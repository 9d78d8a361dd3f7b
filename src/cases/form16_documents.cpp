// The case window's operations that reach the office programs: new documents, the
// mock-exam texts typed into one, and the practice notes.
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/mock_exam_content.h"
#include "exercises/form27.h"
#include "platform/platform.h"

using namespace forms;
using platform::AutomationObject;

namespace {

constexpr int msoTrue = -1;

// The system assumes the office programs are there; here they may not be, and the
// learner should learn why nothing opened rather than see nothing happen.
std::unique_ptr<AutomationObject> createOfficeObject(const std::string& programmaticId) {
    auto object = platform::current().createObject(programmaticId);
    if (!object)
        MsgBox(
            "未能启动办公软件：本机没有找到LibreOffice（Writer、Calc、Impress）或其自动化组件python3-uno，"
            "请先安装后再试。");
    return object;
}

// Word shows itself with a new document from the default template.
std::unique_ptr<AutomationObject> newWordDocument() {
    auto word = createOfficeObject("word.basic");
    if (word) {
        word->call("appshow");
        word->call("filenew");
    }
    return word;
}

}  // namespace

void Form16::NewWordDocument() { newWordDocument(); }

void Form16::NewExcelWorkbook() {
    auto excel = createOfficeObject("excel.application");
    if (!excel) return;
    excel->setProperty("Visible", true);
    auto workbooks = excel->call("Workbooks");
    auto workbook = workbooks ? workbooks->call("Add") : nullptr;
    excel->setProperty("SheetsInNewWorkbook", 5);
}

void Form16::NewPresentation() {
    auto powerPoint = createOfficeObject("Powerpoint.Application");
    if (!powerPoint) return;
    powerPoint->setProperty("Visible", msoTrue);
    auto presentations = powerPoint->call("Presentations");
    auto presentation = presentations ? presentations->call("Add", {msoTrue}) : nullptr;  // WithWindow
}

void Form16::NewPresentation2() { NewPresentation(); }

void Form16::BuildMockExamDocuments() {
    const std::string selection = CurrentSelection();
    for (int k = 1; k <= 6; ++k) {
        if (selection != "全真模拟试题（第" + std::to_string(k) + "套）") continue;
        const std::string text = joinLines(cases::mockExamDocuments()[k - 1], "\n");
        if (auto word = newWordDocument()) word->call("Insert", {text});
        return;
    }
}

void Form16::ShowPracticeNotes() {
    form<Form27>().Label1.setCaption(cases::kOfficePracticeNotes);
    form<Form27>().Show();
}

// The set's name goes into the chooser's combo as the learner would type it, for as long
// as the documents are made: the case or set that was chosen stays the selection.
void Form16::MockExamSetItem_Click(int number) {
    const std::string chosen = CurrentSelection();
    setCurrentSelection("全真模拟试题（第" + std::to_string(number) + "套）");
    BuildMockExamDocuments();
    setCurrentSelection(chosen);
}
