#pragma once
// Every effect that leaves the trainer's windows goes through this one interface:
// the application installs the Linux implementation, the tests a recording one.
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace forms {
class Form;
class Menu;
}  // namespace forms

namespace platform {

// A call of the shell's "open": owner window handle, verb, file, parameters,
// working folder (absent = none) and show command (0 hidden, 1 normal, 3 maximized).
struct ShellCall {
    long owner = 0;
    std::string verb;
    std::string file;
    std::optional<std::string> parameters;
    std::optional<std::string> directory;
    int showCommand = 1;
    bool operator==(const ShellCall&) const = default;
};

// A value handed to an automation object.
using AutomationValue = std::variant<std::monostate, bool, int, std::string>;

// An office or browser object created by its programmatic identifier. Methods and
// properties are named as the office programs name them; a method that hands back an
// object (a collection, a new document) returns it, others return nothing.
class AutomationObject {
public:
    virtual ~AutomationObject() = default;
    virtual void setProperty(const std::string& name, const AutomationValue& value) = 0;
    virtual std::unique_ptr<AutomationObject> call(const std::string& method,
                                                   const std::vector<AutomationValue>& arguments = {}) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box; title absent means the application's own title.
    // Returns the button pressed (forms::vbOK, vbYes, ...).
    virtual int messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) = 0;
    // Pops up a window's hidden menu at the mouse pointer and returns when it closes.
    virtual void popupMenu(forms::Form& form, forms::Menu& menu) = 0;
    // Runs a command line as a new process; windowStyle 1 is normal and focused.
    virtual void runCommandLine(const std::string& commandLine, int windowStyle) = 0;
    virtual void shellExecute(const ShellCall& call) = 0;
    // Keeps a window above every other window, without moving or resizing it.
    virtual void keepOnTop(forms::Form& form) = 0;
    // Ends the process at once; the toolkit has already unloaded every window.
    virtual void endProcess() = 0;

    virtual void randomize(double seed) = 0;
    virtual double random() = 0;  // uniform in [0, 1)
    virtual double secondsSinceMidnight() = 0;
    // A whole number drawn uniformly from low to high, both included, from one engine
    // that the process seeds once.
    virtual int randomWholeNumber(int low, int high) = 0;
    // Seconds on a clock that only runs forward, whatever is done to the time of day.
    virtual double monotonicSeconds() = 0;

    // Drive folders: each operation says whether it succeeded and never throws.
    // changeDirectory sets the current directory of the path's drive, in which programs
    // started without a working folder start.
    virtual bool folderExists(const std::string& path) = 0;
    virtual bool makeDirectory(const std::string& path) = 0;
    virtual bool changeDirectory(const std::string& path) = 0;

    // Null when no such object can be created.
    virtual std::unique_ptr<AutomationObject> createObject(const std::string& programmaticId) = 0;
};

// The platform in force; installing one replaces the earlier one.
Platform& current();
void install(Platform* platform);

}  // namespace platform
