// The random learner on the desktop's platform. Its message boxes and popup menus are
// the real ones, each with a loop of its own; inside that loop the monkey answers or
// dismisses them, picks items, and lets the window manager close a window or a timer
// fire, as they can while the loop runs. The recording platform could not show what
// goes wrong there.
#include <unistd.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "monkey/monkey.h"
#include "platform/forms.h"
#include "platform/linux_platform.h"

using namespace forms;

namespace monkey {

namespace fs = std::filesystem;

namespace {

// Every program the desktop platform may start; each stand-in does nothing.
const char* const kStandIns[] = {"xdg-open", "libreoffice", "soffice",       "gnome-text-editor", "gedit",
                                 "mousepad", "kate",        "xed",           "pluma",             "x-www-browser",
                                 "firefox",  "chromium",    "thunderbird",   "evolution"};

// Acts within one event before every loop still open is closed, so that each event ends.
constexpr int kActsPerEvent = 40;

QString buttonText(int answer) {
    switch (answer) {
        case vbOK: return QStringLiteral("确定");
        case vbCancel: return QStringLiteral("取消");
        case vbAbort: return QStringLiteral("中止");
        case vbRetry: return QStringLiteral("重试");
        case vbIgnore: return QStringLiteral("忽略");
        case vbYes: return QStringLiteral("是");
        case vbNo: return QStringLiteral("否");
        default: return {};
    }
}

void sendKey(QWidget& to, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&to, &press);
}

void restore(const char* name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

std::optional<std::string> savedPath, savedData;

}  // namespace

DesktopStandIns::DesktopStandIns() {
    static int made = 0;
    folder_ = (fs::temp_directory_path() /
               ("monkey-desktop-" + std::to_string(::getpid()) + "-" + std::to_string(++made)))
                  .string();
    const fs::path bin = fs::path(folder_) / "bin";
    fs::create_directories(bin);
    for (const char* name : kStandIns) {
        std::ofstream(bin / name) << "#!/bin/sh\nexit 0\n";
        fs::permissions(bin / name, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
    }
    savedPath = environment("PATH");
    savedData = environment("XDG_DATA_HOME");
    ::setenv("PATH", bin.c_str(), 1);  // no real program can start
    ::setenv("XDG_DATA_HOME", (fs::path(folder_) / "data").c_str(), 1);
    platform_ = std::make_unique<platform::LinuxPlatform>();
    platform_->setOfficeRunner([](const platform::OfficeRequest&) {});
}

DesktopStandIns::~DesktopStandIns() {
    platform_.reset();
    restore("PATH", savedPath);
    restore("XDG_DATA_HOME", savedData);
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

MonkeyPlatform::MonkeyPlatform(Monkey& monkey) : monkey_(monkey), driver_(new QObject) {}

MonkeyPlatform::~MonkeyPlatform() { delete driver_; }

int MonkeyPlatform::desktopMessageBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
    messageBoxes.push_back({prompt, style, title});
    monkey_.log("  message box \"" + prompt.substr(0, 60) + "\" opens");
    armLoopDriver();
    return desktop_->messageBox(prompt, style, title);
}

void MonkeyPlatform::desktopPopupMenu(Form& form, Menu& menu) {
    monkey_.log("  popup " + menu.Caption() + " opens");
    armLoopDriver();
    desktop_->popupMenu(form, menu);
}

void MonkeyPlatform::armLoopDriver() { QTimer::singleShot(0, driver_, [this] { actInsideLoop(); }); }

// A box is the innermost loop when one is up: no popup opens from within a box's loop.
void MonkeyPlatform::actInsideLoop() {
    QWidget* box = QApplication::activeModalWidget();
    QWidget* popup = box == nullptr ? QApplication::activePopupWidget() : nullptr;
    if (box == nullptr && popup == nullptr) return;  // the loop has ended
    ++actsInLoops_;
    if (box != nullptr)
        actOnBox(*box);
    else
        actOnPopup(*popup);
    if (QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr) armLoopDriver();
}

void MonkeyPlatform::actOnPopup(QWidget& popup) {
    auto* menu = qobject_cast<QMenu*>(&popup);
    if (menu == nullptr || actsInLoops_ > kActsPerEvent) {
        monkey_.log("  popup closed");
        popup.close();
        return;
    }
    const int roll = monkey_.below(100);
    if (roll < 45) {
        QList<QAction*> items;
        for (QAction* a : menu->actions())
            if (a->isVisible() && a->isEnabled() && !a->isSeparator()) items << a;
        if (!items.isEmpty()) {
            QAction* a = items[monkey_.below(static_cast<int>(items.size()))];
            monkey_.log("  popup item " + a->text().toStdString());
            menu->setActiveAction(a);
            sendKey(*menu, Qt::Key_Return);
            return;
        }
    }
    if (roll < 70) {
        monkey_.log("  popup dismissed by Escape");
        sendKey(*menu, Qt::Key_Escape);
        return;
    }
    if (roll < 85) {
        monkey_.closeSomeWindow();  // the window manager's close, while the popup is up
        return;
    }
    actLikeAnotherEvent();
}

void MonkeyPlatform::actOnBox(QWidget& box) {
    const QList<QPushButton*> buttons = box.findChildren<QPushButton*>();
    if (buttons.isEmpty()) {
        box.close();
        return;
    }
    QPushButton* press = nullptr;
    if (!answers.empty()) {  // a road's own answer
        const QString wanted = buttonText(answers.front());
        answers.pop_front();
        for (QPushButton* b : buttons)
            if (b->text() == wanted) press = b;
    } else if (actsInLoops_ > kActsPerEvent) {
        press = buttons.back();  // the cancel button, or the only one
    } else {
        const int roll = monkey_.below(100);
        if (roll < 10) {
            monkey_.log("  box: Escape");
            sendKey(box, Qt::Key_Escape);
            return;
        }
        if (roll < 25) {
            // The window manager closes no window under a modal box; a timer still fires.
            actLikeAnotherEvent();
            return;
        }
        press = buttons[monkey_.below(static_cast<int>(buttons.size()))];
    }
    if (press == nullptr) press = buttons.back();
    monkey_.log("  box answered " + press->text().toStdString());
    press->click();
}

// What else can happen while a loop runs: a timer fires, or time passes.
void MonkeyPlatform::actLikeAnotherEvent() {
    if (monkey_.below(2) == 0)
        monkey_.fireTimer();
    else
        monkey_.advanceClock();
}

void MonkeyPlatform::runCommandLine(const std::string& commandLine, int windowStyle) {
    RecordingPlatform::runCommandLine(commandLine, windowStyle);
    if (onDesktop()) desktop_->runCommandLine(commandLine, windowStyle);
}

void MonkeyPlatform::shellExecute(const platform::ShellCall& call) {
    RecordingPlatform::shellExecute(call);
    if (onDesktop()) desktop_->shellExecute(call);
}

void MonkeyPlatform::keepOnTop(Form& form) {
    RecordingPlatform::keepOnTop(form);
    if (onDesktop()) desktop_->keepOnTop(form);
}

void MonkeyPlatform::endProcess() {
    RecordingPlatform::endProcess();
    if (onDesktop()) desktop_->endProcess();
}

bool MonkeyPlatform::folderExists(const std::string& path) {
    return onDesktop() ? desktop_->folderExists(path) : RecordingPlatform::folderExists(path);
}

bool MonkeyPlatform::makeDirectory(const std::string& path) {
    if (!onDesktop()) return RecordingPlatform::makeDirectory(path);
    madeDirectories.push_back(path);
    return desktop_->makeDirectory(path);
}

bool MonkeyPlatform::changeDirectory(const std::string& path) {
    if (!onDesktop()) return RecordingPlatform::changeDirectory(path);
    changedDirectories.push_back(path);
    return desktop_->changeDirectory(path);
}

std::unique_ptr<platform::AutomationObject> MonkeyPlatform::createObject(const std::string& programmaticId) {
    if (!onDesktop()) return RecordingPlatform::createObject(programmaticId);
    createdObjects.push_back(programmaticId);
    return desktop_->createObject(programmaticId);
}

}  // namespace monkey
