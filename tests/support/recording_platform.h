#pragma once
// A platform that keeps every call with its exact arguments and answers message
// boxes from a script, so that tests see what the shell would have been asked.
#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace testing_support {

struct MessageBoxCall {
    std::string prompt;
    int style;
    std::optional<std::string> title;
};

struct PopupCall {
    std::string form;  // the window's caption
    std::string menu;  // the menu's caption
    std::vector<std::string> items;
};

struct AutomationCall {
    std::string object;  // programmatic identifier, or "<id>.<collection>" for an object handed back
    std::string member;
    std::vector<platform::AutomationValue> arguments;  // one value for a property set
    bool property = false;
};

class RecordingPlatform : public platform::Platform {
public:
    std::vector<MessageBoxCall> messageBoxes;
    std::deque<int> answers;  // answers to the next message boxes; the default button otherwise
    std::vector<PopupCall> popups;
    std::vector<std::pair<std::string, int>> commandLines;
    std::vector<platform::ShellCall> shellCalls;
    std::vector<std::string> topmost;  // captions of windows kept on top
    int endCalls = 0;
    std::vector<double> seeds;
    std::deque<double> randoms;  // next values of random(); 0.5 when empty
    double clock = 43200.0;
    std::deque<int> wholeNumbers;  // next draws of randomWholeNumber(); the low end when empty
    std::vector<std::pair<int, int>> wholeNumberRanges;
    double monotonic = 1000.0;         // advanced by hand
    std::vector<std::string> folders;  // existing folders, exact paths
    std::vector<std::string> madeDirectories;
    std::vector<std::string> changedDirectories;
    std::vector<std::string> createdObjects;
    std::vector<AutomationCall> automation;
    bool objectsAvailable = true;

    void clear() { *this = RecordingPlatform(); }

    int messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
    void popupMenu(forms::Form& form, forms::Menu& menu) override;
    void runCommandLine(const std::string& commandLine, int windowStyle) override;
    void shellExecute(const platform::ShellCall& call) override;
    void keepOnTop(forms::Form& form) override;
    void endProcess() override { ++endCalls; }
    void randomize(double seed) override { seeds.push_back(seed); }
    double random() override;
    double secondsSinceMidnight() override { return clock; }
    int randomWholeNumber(int low, int high) override;
    double monotonicSeconds() override { return monotonic; }
    bool folderExists(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool changeDirectory(const std::string& path) override;
    std::unique_ptr<platform::AutomationObject> createObject(const std::string& programmaticId) override;
};

RecordingPlatform& recorder();

}  // namespace testing_support
