#include "exam/exam_windows.h"

#include "bank/form1.h"
#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "cases/form31.h"
#include "exam/form15.h"
#include "exam/form20.h"
#include "exam/form42.h"
#include "navigation/form8.h"
#include "navigation/form9.h"
#include "navigation/notice_windows.h"

using namespace forms;

void UnloadExamWindows() {
    unload<Form16>();
    unload<Form21>();
    unload<Form22>();
    unload<Form42>();
    unload<Form24>();
    unload<Form8>();
    unload<Form45>();
    unload<Form65>();
    unload<Form66>();
}

bool examRuns() { return isLoaded<Form42>() || isShown<Form1>(); }

void ClearEarlierRoads() {
    unload<Form20>();
    unload<Form15>();
    unload<Form1>();
    unload<Form9>();  // it would show an earlier question's answer during the exam
    unload<Form31>();
    unload<Form16>();
    unload<Form21>();  // a loader that holds another set would not load again
    unload<Form24>();  // likewise the case loader, which empties the tables for sets 1 to 4
}
