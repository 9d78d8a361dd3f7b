#pragma once
// What ends an exam, at the hand-in and at the results table's exit alike: the case
// window, the bank and content loaders, the toolbar, the start window and the preloaded
// picture windows go, in this order.
void UnloadExamWindows();
