#include "platform/message_box.h"

#include "platform/platform.h"
#include "platform/window.h"

namespace forms {

const char* const kApplicationTitle = "计算机Movaro系列";

int MsgBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
    int answer = vbOK;
    Registry::runNestedLoop([&] { answer = platform::current().messageBox(prompt, style, title); });
    return answer;
}

}  // namespace forms
