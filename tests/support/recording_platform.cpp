#include "support/recording_platform.h"

#include <algorithm>

#include "platform/forms.h"

namespace testing_support {

namespace {

class RecordingObject : public platform::AutomationObject {
public:
    RecordingObject(RecordingPlatform& p, std::string name) : platform_(p), name_(std::move(name)) {}
    void setProperty(const std::string& name, const platform::AutomationValue& value) override {
        platform_.automation.push_back({name_, name, {value}, true});
    }
    std::unique_ptr<platform::AutomationObject> call(const std::string& method,
                                                     const std::vector<platform::AutomationValue>& arguments) override {
        platform_.automation.push_back({name_, method, arguments, false});
        return std::make_unique<RecordingObject>(platform_, name_ + "." + method);
    }

private:
    RecordingPlatform& platform_;
    std::string name_;
};

}  // namespace

int RecordingPlatform::messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
    messageBoxes.push_back({prompt, style, title});
    if (!answers.empty()) {
        int a = answers.front();
        answers.pop_front();
        return a;
    }
    // The default button of the box.
    int defaultButton = (style & 0xF00) >> 8;
    switch (style & 0x0F) {
        case forms::vbOKCancel:
            return defaultButton == 0 ? forms::vbOK : forms::vbCancel;
        case forms::vbYesNo:
        case forms::vbYesNoCancel:
            return defaultButton == 0 ? forms::vbYes : defaultButton == 1 ? forms::vbNo : forms::vbCancel;
        case forms::vbRetryCancel:
            return defaultButton == 0 ? forms::vbRetry : forms::vbCancel;
        case forms::vbAbortRetryIgnore:
            return forms::vbAbort + defaultButton;
        default:
            return forms::vbOK;
    }
}

void RecordingPlatform::popupMenu(forms::Form& form, forms::Menu& menu) {
    PopupCall call{form.Caption(), menu.Caption(), {}};
    for (forms::Menu* item : menu.items())
        if (item->Visible()) call.items.push_back(item->Caption());
    popups.push_back(call);
}

void RecordingPlatform::runCommandLine(const std::string& commandLine, int windowStyle) {
    commandLines.emplace_back(commandLine, windowStyle);
}

void RecordingPlatform::shellExecute(const platform::ShellCall& call) { shellCalls.push_back(call); }

void RecordingPlatform::keepOnTop(forms::Form& form) { topmost.push_back(form.Caption()); }

double RecordingPlatform::random() {
    if (randoms.empty()) return 0.5;
    double r = randoms.front();
    randoms.pop_front();
    return r;
}

int RecordingPlatform::randomWholeNumber(int low, int high) {
    wholeNumberRanges.emplace_back(low, high);
    if (wholeNumbers.empty()) return low;
    int n = wholeNumbers.front();
    wholeNumbers.pop_front();
    return n;
}

bool RecordingPlatform::folderExists(const std::string& path) {
    return std::find(folders.begin(), folders.end(), path) != folders.end();
}

bool RecordingPlatform::makeDirectory(const std::string& path) {
    madeDirectories.push_back(path);
    folders.push_back(path);
    return true;
}

bool RecordingPlatform::changeDirectory(const std::string& path) {
    changedDirectories.push_back(path);
    return true;
}

std::unique_ptr<platform::AutomationObject> RecordingPlatform::createObject(const std::string& programmaticId) {
    createdObjects.push_back(programmaticId);
    if (!objectsAvailable) return nullptr;
    return std::make_unique<RecordingObject>(*this, programmaticId);
}

RecordingPlatform& recorder() {
    static RecordingPlatform p;
    return p;
}

}  // namespace testing_support
