#pragma once
// Drives the exam road as a learner clicks it, from the start window to the choice window.
#include <string>

#include "bank/exam_bank_content.h"
#include "bank/form1.h"
#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "exam/alarm_windows.h"
#include "exam/form12.h"
#include "exam/form13.h"
#include "exam/form14.h"
#include "exam/form15.h"
#include "exam/form20.h"
#include "exam/form42.h"
#include "exam/form43.h"
#include "exam/form59.h"
#include "navigation/form8.h"
#include "navigation/form9.h"
#include "support/trainer_test.h"

class ExamTest : public TrainerTest {
protected:
    static const ChoiceRecord& question(int set, int n) { return bank::examSet(set)[static_cast<std::size_t>(n - 1)]; }
    static int letterIndex(std::string_view letter) { return letter[0] - 'A'; }

    // From the start window's door to the mode chooser.
    static void enterSeries() {
        forms::form<Form8>().Show();
        forms::form<Form8>().ExamDoor.click();
        forms::form<Form59>().Command4.click();
    }
    // From the mode chooser in exam mode to the notice, the login accepted.
    static void logIn() {
        forms::form<Form43>().Option1(1).click();
        forms::form<Form43>().Command4.click();
        forms::form<Form12>().Image5.click();
        forms::form<Form13>().Image4.click();
    }
    // The notice's draw of set n, the box ticked, the exam started.
    static void startExam(int set) {
        shell().wholeNumbers.push_back(set);
        forms::form<Form14>().Timer1.tick();
        forms::form<Form14>().Check1.click();
        forms::form<Form14>().Image3.click();
    }
    static void pick(int option) { forms::form<Form20>().Option1(option).click(); }
    // Moves the exam clock on to this many seconds after the toolbar's load.
    static void clockAt(double loadedAt, double seconds) {
        shell().monotonic = loadedAt + seconds;
        forms::form<Form42>().Timer2.tick();
    }
    static std::string clockText() {
        auto& bar = forms::form<Form42>();
        return bar.Label5.Caption() + bar.Label4.Caption() + bar.Label3.Caption();
    }
};
