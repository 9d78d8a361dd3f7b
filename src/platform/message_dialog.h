#pragma once
// The desktop's modal message box: a text sized to itself, an icon only where the
// style asks for one, Chinese buttons in a strip below.
#include <optional>
#include <string>

namespace platform {

// Returns the button pressed (forms::vbOK, vbYes, ...); closing the box answers its
// cancel button, or its only button.
int showMessageDialog(const std::string& prompt, int style, const std::string& title);
// Closes every message box that is open, as its close box would; for the end of the program.
void closeMessageDialogs();

}  // namespace platform
