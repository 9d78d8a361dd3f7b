#pragma once
// What ends an exam, at the hand-in and at the results table's exit alike: the case
// window, the bank and content loaders, the toolbar, the start window and the preloaded
// picture windows go, in this order.
void UnloadExamWindows();

// Whether an exam is under way: its toolbar is loaded, or its results table is shown.
// A door that would start another exam, or change what this one holds, waits meanwhile.
bool examRuns();

// What the start of an exam clears, so that it begins from a clean card: windows that an
// earlier road (training, a case, a handed-in exam) left loaded with its marks, answers
// or texts in them.
void ClearEarlierRoads();
