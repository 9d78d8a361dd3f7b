#pragma once
// Modal message boxes, with the style bits and answers the windows test.
#include <optional>
#include <string>

namespace forms {

// Message boxes.
enum : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
enum : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };
enum : int { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

// The title that untitled message boxes show.
extern const char* const kApplicationTitle;

int MsgBox(const std::string& prompt, int style = vbOKOnly, const std::optional<std::string>& title = std::nullopt);

}  // namespace forms
