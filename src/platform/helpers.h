#pragma once
// Small operations that windows of every part of the trainer share.
#include <string>

#include "platform/forms.h"

namespace helpers {

// Opens a folder in the file manager: runs "explorer /n," + folder, normal and focused.
void OpenFolder(const std::string& folder);
// Asks the shell to open a program by its registered name, maximized.
void StartApplication(const std::string& program);
// Keeps a window above all others without moving or resizing it; called from its load.
void KeepOnTop(forms::Form& window);
// The mouse-down handler of a guarded text box: a right press disables and re-enables
// the box, so that its own edit menu never opens, and pops up the window's menu instead.
void RightClickGuard(forms::Menu& popmenu, forms::TextBox& box, int button);

// The notice at either end of a browse: OK only, no icon, titled "提示".
void BrowseNotice(const std::string& prompt);
// A notice with OK only and no title of its own.
void UntitledNotice(const std::string& prompt);

}  // namespace helpers
