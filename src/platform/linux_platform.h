#pragma once
// The platform of a Linux desktop: Qt for boxes and menus, the desktop's default
// programs for folders and addresses, LibreOffice for the office programs.
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "platform/drive_folders.h"
#include "platform/office_bridge.h"
#include "platform/platform.h"

namespace platform {

// The local program and arguments that stand for a registered program name
// ("POWERPNT" -> LibreOffice Impress); empty when nothing here stands for it.
std::vector<std::string> programFor(const std::string& registeredName);

class LinuxPlatform : public Platform {
public:
    int messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) override;
    void popupMenu(forms::Form& form, forms::Menu& menu) override;
    void runCommandLine(const std::string& commandLine, int windowStyle) override;
    void shellExecute(const ShellCall& call) override;
    void keepOnTop(forms::Form& form) override;
    void endProcess() override;
    void randomize(double seed) override;
    double random() override;
    double secondsSinceMidnight() override;
    int randomWholeNumber(int low, int high) override;
    double monotonicSeconds() override;
    bool folderExists(const std::string& path) override;
    bool makeDirectory(const std::string& path) override;
    bool changeDirectory(const std::string& path) override;
    // Office objects are null when no office program is installed. What they were asked
    // to make goes to the UNO bridge, or to another runner (a test's).
    std::unique_ptr<AutomationObject> createObject(const std::string& programmaticId) override;
    void setOfficeRunner(std::function<void(const OfficeRequest&)> run);

private:
    // The folder a program given no working folder starts in: the current directory
    // of drive C, the current drive.
    std::string startFolder() const;

    std::mt19937 random_{std::random_device{}()};
    drives::DriveFolders folders_;
    std::function<void(const OfficeRequest&)> officeRunner_;
};

// Starts a program with an argument list, never through a shell, in a working folder
// (empty: the process's own); a program that is missing is ignored.
void startDetached(const std::vector<std::string>& programAndArguments, const std::string& workingFolder = {});

}  // namespace platform
