#include "exam/exam_windows.h"

#include "bank/form21.h"
#include "cases/form10.h"
#include "cases/form16.h"
#include "cases/form24.h"
#include "exam/form42.h"
#include "navigation/form8.h"
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
