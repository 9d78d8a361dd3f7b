// What must hold after every event, whatever the learner did.
#include <QLabel>
#include <QWidget>

#include "exam/form42.h"
#include "monkey/monkey.h"
#include "platform/forms.h"
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

    checkExamClock();
    checkShellCalls();
    checkPlainTexts();
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
