#include "platform/helpers.h"

#include "platform/platform.h"

namespace helpers {

void OpenFolder(const std::string& folder) { platform::current().runCommandLine("explorer /n," + folder, 1); }

void StartApplication(const std::string& program) {
    platform::current().shellExecute({.owner = 0, .verb = "open", .file = program, .showCommand = 3});
}

void KeepOnTop(forms::Form& window) { platform::current().keepOnTop(window); }

void RightClickGuard(forms::Menu& popmenu, forms::TextBox& box, int button) {
    if (button != forms::vbRightButton) return;
    box.setEnabled(false);
    box.setEnabled(true);
    forms::PopupMenu(popmenu.form(), popmenu);
}

void BrowseNotice(const std::string& prompt) { forms::MsgBox(prompt, forms::vbOKOnly, "提示"); }

void UntitledNotice(const std::string& prompt) { forms::MsgBox(prompt, forms::vbOKOnly); }

}  // namespace helpers
