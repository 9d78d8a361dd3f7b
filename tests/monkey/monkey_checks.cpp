// What must hold after every event, whatever the learner did.
#include <QLabel>
#include <QWidget>

#include "bank/exam_bank_content.h"
#include "bank/form1.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "exam/exam_windows.h"
#include "exam/form15.h"
#include "exam/form20.h"
#include "exam/form59.h"
#include "exam/form42.h"
#include "monkey/monkey.h"
#include "navigation/form8.h"
#include "platform/forms.h"
#include "shared/colours.h"
#include "shared/module1.h"

using namespace forms;

namespace monkey {

namespace {

// Typed texts carry these; the trainer's own command lines never do.
const char* const kTypedMarkers[] = {"<b>x</b>", ";rm -rf", "../", "%s", "$(id)", "😀"};

bool within(int value, int low, int high) { return value >= low && value <= high; }

}  // namespace

void Monkey::check() {
    if (failure_) return;
    if (!Registry::ended() && !Registry::anyShown()) fail("the program runs with no window shown");

    if (Table::touchesOutside() != outsideTouches_) {
        fail("a shared table was touched off its range 0 to 70");
        outsideTouches_ = Table::touchesOutside();
    }
    using namespace Module1;
    if (!within(CurrentItem.number(), 0, Table::kLast)) fail("CurrentItem is " + std::to_string(CurrentItem.number()));
    if (!within(AnsweredCount.number(), 0, 23)) fail("AnsweredCount is " + std::to_string(AnsweredCount.number()));
    if (!within(UnansweredCount, 0, 23)) fail("UnansweredCount is " + std::to_string(UnansweredCount));
    if (!within(UnitQuestionCount.number(), 0, Table::kLast))
        fail("UnitQuestionCount is " + std::to_string(UnitQuestionCount.number()));
    if (!within(PracticeItemCount.number(), 0, Table::kLast))
        fail("PracticeItemCount is " + std::to_string(PracticeItemCount.number()));

    checkExamStart();
    checkExamDoor();
    checkExamClock();
    checkResultRows();
    checkShellCalls();
    checkPlainTexts();
}

// An exam starts from a clean card, whatever an earlier road left: no item marked, no
// letter chosen, the drawn set's questions loaded and its name on the operation window.
void Monkey::checkExamStart() {
    if (Registry::ended() || !isLoaded<Form42>() || form<Form42>().hWnd() == examBarBefore_) return;
    if (isLoaded<Form20>()) fail("an exam started with a choice window left from before");
    if (isLoaded<Form1>()) fail("an exam started with a results table left from before");
    if (isLoaded<Form15>())
        for (int k = 1; k <= 23; ++k)
            if (form<Form15>().Label3(k).BackColor() == kAnsweredMarkBack)
                fail("an exam started with item " + std::to_string(k) + " marked");
    if (!isLoaded<Form10>()) return;
    const std::string selection = CurrentSelection();
    const int set = examSetNumber(selection);
    if (set == 0) return;  // started before the draw: no set to hold it to
    if (!isShown<Form16>() || form<Form16>().Label4.Caption() != selection || form<Form16>().Text1.Text() != "")
        fail("the operation window of " + selection + " does not show the set alone");
    const ChoiceRecord& first = bank::examSet(set)[0];
    if (Module1::QuestionStem[1].text() != first.stem || Module1::OptionA[1].text() != first.options[0])
        fail("the questions of " + selection + " are not the ones loaded");
}

// The start window's door opens the series entry window whenever no exam runs.
void Monkey::checkExamDoor() {
    if (Registry::ended() || examRanBefore_ || !isLoaded<Form8>() || acted_ != &form<Form8>().ExamDoor) return;
    if (!isShown<Form59>()) fail("the start window's door did not open the series entry window");
}

// The exam toolbar, once it has ticked, shows the time it counts, and that time only
// goes down while the same exam runs.
void Monkey::checkExamClock() {
    if (Registry::ended() || !isLoaded<Form42>()) return;
    Form42& bar = form<Form42>();
    auto last = clockLeft_.find(bar.hWnd());
    if (last == clockLeft_.end()) return;
    const int left = 60 * bar.MinutesLeft() + bar.SecondsLeft();
    if (!within(bar.SecondsLeft(), 0, 59)) fail("the exam clock shows " + std::to_string(bar.SecondsLeft()) + " s");
    if (bar.Label5.Caption() != std::to_string(bar.MinutesLeft()) ||
        bar.Label3.Caption() != std::to_string(bar.SecondsLeft()))
        fail("the exam clock shows " + bar.Label5.Caption() + ":" + bar.Label3.Caption() + " but counts " +
             std::to_string(left) + " s");
    if (last->second >= 0 && left > last->second)
        fail("the exam clock went up from " + std::to_string(last->second) + " to " + std::to_string(left) + " s");
    last->second = left;
}

// The results table's rows are written by the exam's picks alone: a pick in the choice
// window writes the row of the question it showed, until the table is shown at hand-in;
// from then on nothing writes them. A learner may type into a cell (it changes nothing
// else), so a cell typed into is taken as it stands.
void Monkey::checkResultRows() {
    if (Registry::ended() || !isLoaded<Form1>()) {
        rowsWindow_ = 0;
        return;
    }
    Form1& table = form<Form1>();
    std::vector<std::string> rows;
    std::vector<const void*> cells;
    for (int k = 1; k <= 23; ++k)
        for (TextBox* cell : {&table.Text3(k), &table.Text4(k), &table.Text5(k)}) {
            rows.push_back(cell->Text());
            cells.push_back(cell);
        }
    if (table.hWnd() != rowsWindow_) {  // a fresh table: its load wrote what it holds
        rowsWindow_ = table.hWnd();
        handedIn_ = table.Visible();
        rows_ = std::move(rows);
        return;
    }
    const bool pick = actedWindow_ == "Form20" && actedKind_ == "option";
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i] == rows_[i] || acted_ == cells[i]) continue;
        const int row = static_cast<int>(i / 3) + 1;
        if (handedIn_)
            fail("row " + std::to_string(row) + " of the results table changed after hand-in");
        else if (!pick)
            fail("row " + std::to_string(row) + " of the results table changed without a pick");
        else if (row != itemBefore_)
            fail("a pick for question " + std::to_string(itemBefore_) + " changed row " + std::to_string(row));
    }
    rows_ = std::move(rows);
    handedIn_ = handedIn_ || table.Visible();
}

// A learner's text never reaches a command line or the shell.
void Monkey::checkShellCalls() {
    auto carriesTypedText = [](const std::string& s) {
        for (const char* m : kTypedMarkers)
            if (s.find(m) != std::string::npos) return true;
        return false;
    };
    for (const auto& [line, style] : platform_.commandLines)
        if (carriesTypedText(line)) fail("typed text reached a command line: " + line.substr(0, 200));
    for (const platform::ShellCall& call : platform_.shellCalls)
        if (carriesTypedText(call.file) || carriesTypedText(call.parameters.value_or("")) ||
            carriesTypedText(call.directory.value_or("")))
            fail("typed text reached the shell: " + call.file.substr(0, 200));
    // Checked once each, and kept from growing over a long run.
    platform_.commandLines.clear();
    platform_.shellCalls.clear();
    platform_.messageBoxes.clear();
    platform_.popups.clear();
    platform_.automation.clear();
    platform_.createdObjects.clear();
    platform_.madeDirectories.clear();
    platform_.changedDirectories.clear();
    platform_.topmost.clear();
    platform_.wholeNumberRanges.clear();
    platform_.seeds.clear();
}

// No text on a window is read as markup.
void Monkey::checkPlainTexts() {
    for (Form* f : Registry::loadedForms()) {
        if (!f->Visible()) continue;
        for (QLabel* label : f->window()->findChildren<QLabel*>())
            if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text()))
                fail("a label of " + f->Caption() + " shows rich text: " + label->text().toStdString().substr(0, 200));
    }
}

}  // namespace monkey
