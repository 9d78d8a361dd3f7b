// A whole exam: series entry, mode chooser, login, notice, the exam's start with its
// preloads, the choice questions, the toolbar, the progress window, the hand-in, the
// results table and back.
#include "bank/form1.h"
#include "cases/form16.h"
#include "exam/form12.h"
#include "exam/form13.h"
#include "exam/form14.h"
#include "exam/form15.h"
#include "exam/form20.h"
#include "exam/form42.h"
#include "exam/form43.h"
#include "exam/form59.h"
#include "navigation/form8.h"
#include "roads.h"
#include "support/recording_platform.h"

using namespace forms;

namespace bench {

void examRoad(ActionTimer& t) {
    t.road("exam");
    resetTrainer();
    // The set the notice draws, whether its own timer or the learner's wait draws it.
    testing_support::recorder().wholeNumbers.push_back(7);
    t.quietly([] { form<Form8>().Show(); });
    t.act("start window: series entry", [] { form<Form8>().ExamDoor.click(); });
    t.act("series entry: mode chooser", [] { form<Form59>().Command4.click(); });
    t.act("exam mode", [] { form<Form43>().Option1(1).click(); });
    t.act("mode chooser: login", [] { form<Form43>().Command4.click(); });
    t.act("login: candidate", [] { form<Form12>().Image5.click(); });
    t.act("candidate confirmed: notice", [] { form<Form13>().Image4.click(); });
    t.act("notice draws the set", [] { form<Form14>().Timer1.tick(); });
    t.act("start unticked (box)", [] { form<Form14>().Image3.click(); });
    t.act("tick read box", [] { form<Form14>().Check1.click(); });
    t.act("start exam (preloads)", [] { form<Form14>().Image3.click(); });
    t.act("exam clock tick", [] { form<Form42>().Timer2.tick(); });
    t.act("menu: choice window", [] { form<Form16>().ChoiceItem.click(); });
    for (int q = 1; q <= 20; ++q) {
        t.act("pick an answer", [q] { form<Form20>().Option1(q % 4).click(); });
        t.act("next question", [] { form<Form20>().Image2(1).click(); });
    }
    t.act("question number", [] { form<Form20>().Label3(13).click(); });
    t.act("previous question", [] { form<Form20>().Image2(0).click(); });
    t.act("back to operation question", [] { form<Form20>().Image3.click(); });
    t.act("menu: presentation item", [] { form<Form16>().SlidesItem.click(); });
    t.act("toolbar: hide questions", [] { form<Form42>().Label6.click(); });
    t.act("toolbar: show questions", [] { form<Form42>().Label6.click(); });
    t.act("toolbar: examinee folder", [] { form<Form42>().Label1.click(); });
    t.act("toolbar: progress window", [] { form<Form42>().Label2.click(); });
    t.act("progress close", [] { form<Form15>().Command2.click(); });
    t.act("toolbar: hand in", [] { form<Form42>().Label8.click(); });
    t.act("hand-in confirmed: results", [] { form<Form15>().Command1.click(); });
    t.act("results: a row", [] { form<Form1>().Label3(13).click(); });
    t.act("results: operation row", [] { form<Form1>().Label3(22).click(); });
    t.act("results: back", [] { form<Form1>().Command1.click(); });
}

}  // namespace bench
