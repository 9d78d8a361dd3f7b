// Where a fresh start puts the learner. Random clicks from the start window alone
// rarely get through a login, a notice and twenty questions, so most starts first walk
// one road as a learner would, by clicking its controls, and the random events go on
// from there. The windows that no control opens are shown directly over the start
// window, as their own tests show them.
#include <functional>
#include <vector>

#include "bank/form1.h"
#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "cases/form31.h"
#include "exam/alarm_windows.h"
#include "exam/form12.h"
#include "exam/form13.h"
#include "exam/form14.h"
#include "exam/form15.h"
#include "exam/form20.h"
#include "exam/form42.h"
#include "exam/form43.h"
#include "exam/form44.h"
#include "exam/form46.h"
#include "exam/form59.h"
#include "exercises/form40.h"
#include "monkey/monkey.h"
#include "navigation/form2.h"
#include "navigation/form60.h"
#include "navigation/form8.h"
#include "navigation/notice_windows.h"
#include "platform/forms.h"

using namespace forms;

namespace monkey {

namespace {

// The leaves under a menu, where a click does something.
void leaves(Menu& menu, std::vector<Menu*>& out) {
    if (menu.items().empty()) out.push_back(&menu);
    for (Menu* item : menu.items()) leaves(*item, out);
}

}  // namespace

// Each step clicks only where the road expects to be; a road that went elsewhere (a
// message box answered otherwise, say) simply ends there.
void Monkey::walkRoad() {
    auto hub = [&] {
        form<Form8>().Image1.click();
        return isShown<Form60>();
    };
    auto chooser = [&] { return hub() && (form<Form60>().Command4.click(), isShown<Form10>()); };
    auto study = [&] { return hub() && (form<Form60>().Command2.click(), isShown<Form2>()); };
    auto series = [&] {
        form<Form8>().ExamDoor.click();
        return isShown<Form59>();
    };
    auto modeChooser = [&] { return series() && (form<Form59>().Command4.click(), isShown<Form43>()); };
    auto exam = [&] {
        if (!modeChooser()) return false;
        form<Form43>().Option1(1).click();
        form<Form43>().Command4.click();
        if (!isShown<Form12>()) return false;
        platform_.answers.push_back(vbYes);  // "请问是否正确？"
        form<Form12>().Image5.click();
        platform_.answers.clear();
        if (!isShown<Form13>()) return false;
        form<Form13>().Image4.click();
        if (!isShown<Form14>()) return false;
        form<Form14>().Timer1.tick();
        form<Form14>().Check1.click();
        form<Form14>().Image3.click();
        return isShown<Form42>() && isShown<Form16>();
    };
    auto examChoices = [&] { return exam() && (form<Form16>().ChoiceItem.click(), isShown<Form20>()); };
    auto answered = [&] {
        if (!examChoices()) return false;
        for (int q = 1; q <= 20 && isShown<Form20>(); ++q) {
            form<Form20>().Option1(below(4)).click();
            if (q < 20) form<Form20>().Image2(1).click();
        }
        return isShown<Form20>();
    };
    auto handedIn = [&] {
        if (!answered()) return false;
        form<Form42>().Label8.click();
        if (!isShown<Form15>()) return false;
        form<Form15>().Command1.click();
        return isShown<Form1>();
    };
    auto training = [&] {
        if (!modeChooser()) return false;
        form<Form43>().Command4.click();
        if (!isShown<Form10>()) return false;
        form<Form10>().Command2.click();
        if (!isShown<Form16>()) return false;
        form<Form16>().ChoiceItem.click();  // the popup of sets is answered at random
        return true;
    };
    auto pickFrom = [&](Menu& menu) {
        std::vector<Menu*> items;
        leaves(menu, items);
        if (!items.empty()) items[static_cast<std::size_t>(below(static_cast<int>(items.size())))]->click();
    };
    auto doorless = [&] {
        const std::vector<std::function<void()>> windows = {
            [] { form<Form17>().Show(); }, [] { form<Form18>().Show(); }, [] { form<Form19>().Show(); },
            [] { form<Form21>().Show(); }, [] { form<Form24>().Show(); }, [] { form<Form25>().Show(); },
            [] { form<Form40>().Show(); }, [] { form<Form44>().Show(); }, [] { form<Form45>().Show(); },
            [] { form<Form46>().Show(); }, [] { form<Form65>().Show(); }, [] { form<Form66>().Show(); },
        };
        // In turn rather than at random, so that a run of a few dozen such starts shows each.
        windows[static_cast<std::size_t>(tally_.doorlessShown++ % static_cast<long>(windows.size()))]();
        return true;
    };

    struct Road {
        const char* name;
        int weight;
        std::function<bool()> walk;
    };
    // The exam's later windows carry the most state and have the most controls, so
    // their roads are walked more often.
    const std::vector<Road> roads = {
        {"the start window", 6, [] { return true; }},
        {"the hub", 1, hub},
        {"the study window", 1, study},
        {"the chapter exercises", 2,
         [&] { return study() && (form<Form2>().ChapterExerciseDoor.click(), pickFrom(form<Form2>().ChapterMenu), true); }},
        {"the case chooser", 1, chooser},
        {"a case", 2,
         [&] {
             if (!chooser()) return false;
             auto& combo = form<Form10>().Combo1;
             if (combo.ListCount() > 0) combo.pick(below(combo.ListCount()));
             form<Form10>().Command2.click();
             return true;
         }},
        {"the operation questions", 2,
         [&] {
             if (!chooser()) return false;
             form<Form10>().OperationDoor.click();
             auto& sets = form<Form10>().OperationSetItems;
             if (!sets.empty()) sets[static_cast<std::size_t>(below(static_cast<int>(sets.size())))]->click();
             return true;
         }},
        {"the unit test", 2, [&] { return hub() && (form<Form60>().UnitTestDoor.click(), true); }},
        {"the series entry", 1, series},
        {"the mode chooser", 1, modeChooser},
        {"an exam", 2, exam},
        {"an exam's choice window", 2, examChoices},
        {"an exam with every question answered", 2, answered},
        {"an exam handed in", 4, handedIn},
        {"the training choices", 2, training},
        {"a window without a door", 4, doorless},
    };
    int total = 0;
    for (const Road& r : roads) total += r.weight;
    int pick = below(total);
    std::size_t i = 0;
    while (pick >= roads[i].weight) pick -= roads[i++].weight;
    log(std::string("road: ") + roads[i].name);
    if (!roads[i].walk()) log("  the road ended early");
}

}  // namespace monkey
