// The roads of study and practice: the study window, a case, a unit test with its
// review, the chapter exercises and the database operation questions.
#include <QWidget>

#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form31.h"
#include "exercises/form27.h"
#include "exercises/form36.h"
#include "exercises/form51.h"
#include "exercises/form6.h"
#include "navigation/form2.h"
#include "navigation/form26.h"
#include "navigation/form60.h"
#include "navigation/form7.h"
#include "navigation/form8.h"
#include "navigation/form9.h"
#include "navigation/notice_windows.h"
#include "roads.h"
#include "shared/module1.h"
#include "unittest/form3.h"
#include "unittest/form4.h"

using namespace forms;

namespace bench {

namespace {

// The start window on the screen, then its picture into the hub.
void toHub(ActionTimer& t) {
    resetTrainer();
    t.quietly([] { form<Form8>().Show(); });
    t.act("start picture: hub", [] { form<Form8>().Image1.click(); });
}

}  // namespace

void studyRoad(ActionTimer& t) {
    t.road("study");
    toHub(t);
    t.act("syllabus door", [] { form<Form60>().SyllabusDoor.click(); });
    t.act("syllabus close box", [] { form<Form26>().window()->close(); });
    t.act("hub: study window", [] { form<Form60>().Command2.click(); });
    t.act("pick a chapter", [] { form<Form2>().List1.pick(5); });
    t.act("skill practice", [] { form<Form2>().Command1.click(); });
    t.act("material folder", [] { form<Form7>().Command10.click(); });
    t.act("steps viewer", [] { form<Form7>().Command2.click(); });
    t.act("viewer: answer folder", [] { form<Form9>().Command1.click(); });
    t.act("next exercise", [] { form<Form7>().cmd(1).click(); });
    t.act("next past the last (notice)", [] { form<Form7>().cmd(1).click(); });
    t.act("previous exercise", [] { form<Form7>().cmd(0).click(); });
    t.act("viewer close", [] { form<Form9>().Command2.click(); });
    t.act("back to study window", [] { form<Form7>().Command8.click(); });
    t.act("back to hub", [] { form<Form2>().Command3.click(); });
}

void caseRoad(ActionTimer& t) {
    t.road("case");
    toHub(t);
    t.act("hub: case chooser", [] { form<Form60>().Command4.click(); });
    t.act("pick a case", [] { form<Form10>().Combo1.pick(6); });
    t.act("confirm: case window", [] { form<Form10>().Command2.click(); });
    t.act("material folder", [] { form<Form16>().Command10.click(); });
    t.act("office program", [] { form<Form16>().Command7.click(); });
    t.act("steps window", [] { form<Form16>().Command2.click(); });
    t.act("steps: answer folder", [] { form<Form31>().Command1.click(); });
    t.act("steps close", [] { form<Form31>().Command2.click(); });
    t.act("back to chooser", [] { form<Form16>().Command8.click(); });
    t.act("another case", [] { form<Form10>().Combo1.pick(0); });
    t.act("confirm: case window again", [] { form<Form10>().Command2.click(); });
    t.act("back to chooser again", [] { form<Form16>().Command8.click(); });
    t.act("back to hub", [] { form<Form10>().Command1.click(); });
}

void unitTestRoad(ActionTimer& t) {
    t.road("unit test");
    toHub(t);
    auto pick = [](int q, bool right) {
        const std::string letter = Module1::CorrectAnswer[q].text();
        const int index = right ? letter[0] - 'A' : (letter[0] - 'A' + 1) % 4;
        form<Form4>().Optbutton(index).click();
    };
    t.act("hub: unit test", [] { form<Form60>().UnitTestDoor.click(); });
    t.act("pick a unit", [] { form<Form4>().Combo1.pick(5); });
    for (int q = 1; q <= 40; ++q) {
        t.act("pick an answer", [&] { pick(q, q % 3 != 0); });
        if (q < 40) t.act("next question", [] { form<Form4>().cmd(1).click(); });
    }
    t.act("next past the last (notice)", [] { form<Form4>().cmd(1).click(); });
    for (int q = 0; q < 3; ++q) t.act("previous question", [] { form<Form4>().cmd(0).click(); });
    t.act("review", [] { form<Form4>().Command1.click(); });
    t.act("review: a number", [] { form<Form3>().Label3(5).click(); });
    t.act("review: next", [] { form<Form3>().cmd(1).click(); });
    t.act("review: previous", [] { form<Form3>().cmd(0).click(); });
    t.act("review: back to test", [] { form<Form3>().Command5.click(); });
    t.act("back to hub", [] { form<Form4>().Command2.click(); });
}

void chapterExerciseRoad(ActionTimer& t) {
    t.road("chapter exercise");
    toHub(t);
    t.act("hub: study window", [] { form<Form60>().Command2.click(); });
    t.act("chapter door (menu)", [] { form<Form2>().ChapterExerciseDoor.click(); });
    t.act("menu: a chapter", [] { form<Form2>().ChapterMenu.items().at(0)->items().at(1)->click(); });
    for (int q = 0; q < 10; ++q) {
        t.act("wrong pick", [] { form<Form6>().Optbutton(0).click(); });
        t.act("other pick", [] { form<Form6>().Optbutton(1).click(); });
        t.act("analysis", [] { form<Form6>().Command2.click(); });
        t.act("next question", [] { form<Form6>().cmd(1).click(); });
    }
    t.act("previous question", [] { form<Form6>().cmd(0).click(); });
    t.act("analysis close", [] { form<Form9>().Command2.click(); });
    t.act("type hint", [] { form<Form6>().TypeHintDoor.click(); });
    t.act("type hint close", [] { form<Form58>().Command1.click(); });
    t.act("back to study window", [] { form<Form6>().Command5.click(); });
    t.act("back to hub", [] { form<Form2>().Command3.click(); });
}

void databaseOperationRoad(ActionTimer& t) {
    t.road("database operation");
    toHub(t);
    t.act("hub: case chooser", [] { form<Form60>().Command4.click(); });
    t.act("operation door (menu)", [] { form<Form10>().OperationDoor.click(); });
    t.act("menu: a set", [] { form<Form10>().OperationSetItems.at(2)->click(); });
    t.act("reference answer", [] { form<Form36>().Command4.click(); });
    t.act("simple type", [] { form<Form36>().Command2.click(); });
    t.act("comprehensive type", [] { form<Form36>().Command3.click(); });
    t.act("basic type", [] { form<Form36>().Command1.click(); });
    t.act("reference answer again", [] { form<Form36>().Command4.click(); });
    t.act("notes menu", [] { form<Form36>().DZYJ.click(); });
    t.act("notes close", [] { form<Form27>().Command1.click(); });
    t.act("back to chooser", [] { form<Form36>().Command5.click(); });
    t.act("back to hub", [] { form<Form10>().Command1.click(); });
}

}  // namespace bench
