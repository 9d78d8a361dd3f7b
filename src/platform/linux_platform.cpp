#include "platform/linux_platform.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTime>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>

#include "platform/drive_map.h"
#include "platform/forms.h"
#include "platform/message_dialog.h"
#include "platform/office_bridge.h"

namespace platform {

namespace {

QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool onPath(const std::string& program) { return !QStandardPaths::findExecutable(q(program)).isEmpty(); }

void openWithDesktop(const std::string& target) { startDetached({"xdg-open", target}); }

bool isAddress(const std::string& file) {
    for (const char* scheme : {"http://", "https://", "mailto:", "ftp://"})
        if (file.rfind(scheme, 0) == 0) return true;
    return false;
}

// A bare host name such as "example.com", which the shell takes for a web address.
bool isBareHost(const std::string& file) {
    if (file.empty() || file.find('.') == std::string::npos) return false;
    return std::all_of(file.begin(), file.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
               c == '/';
    });
}

// Opens a drive folder in the desktop's file manager, when it exists.
void openFolder(const std::string& windowsPath) {
    auto local = drives::localPath(windowsPath);
    std::error_code ec;
    if (local && std::filesystem::is_directory(*local, ec)) openWithDesktop(local->string());
}

}  // namespace

void startDetached(const std::vector<std::string>& programAndArguments, const std::string& workingFolder) {
    if (programAndArguments.empty() || !onPath(programAndArguments.front())) return;
    QStringList arguments;
    for (std::size_t i = 1; i < programAndArguments.size(); ++i) arguments << q(programAndArguments[i]);
    QProcess::startDetached(q(programAndArguments.front()), arguments, q(workingFolder));
}

std::vector<std::string> programFor(const std::string& registeredName) {
    std::string name;
    for (char c : registeredName) name += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    static const std::map<std::string, std::vector<std::vector<std::string>>> programs = {
        {"POWERPNT", {{"libreoffice", "--impress"}, {"soffice", "--impress"}}},
        {"WINWORD", {{"libreoffice", "--writer"}, {"soffice", "--writer"}}},
        {"EXCEL", {{"libreoffice", "--calc"}, {"soffice", "--calc"}}},
        {"MSACCESS", {{"libreoffice", "--base"}, {"soffice", "--base"}}},
        {"WORDPAD", {{"libreoffice", "--writer"}, {"soffice", "--writer"}}},
        {"NOTEPAD", {{"gnome-text-editor"}, {"gedit"}, {"mousepad"}, {"kate"}, {"xed"}, {"pluma"}}},
        {"EXPLORER", {{"xdg-open", drives::root().string()}}},
        {"IEXPLORE", {{"x-www-browser"}, {"firefox"}, {"chromium"}}},
        {"OUTLOOK", {{"thunderbird"}, {"evolution"}}},
    };
    auto it = programs.find(name);
    if (it == programs.end()) return {};
    for (const auto& candidate : it->second)
        if (onPath(candidate.front())) return candidate;
    return {};
}

int LinuxPlatform::messageBox(const std::string& prompt, int style, const std::optional<std::string>& title) {
    return showMessageDialog(prompt, style, title.value_or(forms::kApplicationTitle));
}

namespace {
// Closes a popup menu when the window it belongs to hides: unloaded, or the program ended.
class CloseWithWindow : public QObject {
public:
    explicit CloseWithWindow(QMenu& popup) : popup_(popup) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Hide) popup_.close();
        return false;
    }

private:
    QMenu& popup_;
};
}  // namespace

void LinuxPlatform::popupMenu(forms::Form& form, forms::Menu& menu) {
    QMenu popup;
    std::map<QAction*, forms::Menu*> items;
    // An item with items of its own opens them as a submenu.
    std::function<void(QMenu&, forms::Menu&)> fill = [&](QMenu& into, forms::Menu& from) {
        for (forms::Menu* item : from.items()) {
            if (!item->Visible()) continue;
            if (item->items().empty())
                items[into.addAction(q(item->Caption()))] = item;
            else
                fill(*into.addMenu(q(item->Caption())), *item);
        }
    };
    fill(popup, menu);
    if (!form.Visible()) return;
    CloseWithWindow watch(popup);
    form.window()->installEventFilter(&watch);
    QAction* chosen = popup.exec(QCursor::pos());
    form.window()->removeEventFilter(&watch);
    if (auto it = items.find(chosen); it != items.end()) it->second->click();
}

void LinuxPlatform::runCommandLine(const std::string& commandLine, int) {
    // The one command line the windows run: "explorer /n," + folder.
    const std::string explorer = "explorer /n,";
    if (commandLine.size() > explorer.size() &&
        std::equal(explorer.begin(), explorer.end(), commandLine.begin(),
                   [](char a, char b) { return std::tolower(a) == std::tolower(b); })) {
        openFolder(commandLine.substr(explorer.size()));
        return;
    }
    startDetached(programFor(commandLine.substr(0, commandLine.find(' '))), startFolder());
}

void LinuxPlatform::shellExecute(const ShellCall& call) {
    if (call.verb != "open") return;
    if (isAddress(call.file)) {
        openWithDesktop(call.file);
    } else if (isBareHost(call.file)) {
        openWithDesktop("http://" + call.file);
    } else if (call.file.size() > 1 && call.file[1] == ':') {
        openFolder(call.file);
    } else {
        std::string folder = startFolder();
        if (call.directory) {
            auto local = drives::localPath(*call.directory);
            folder = local ? local->string() : std::string();
        }
        startDetached(programFor(call.file), folder);
    }
}

void LinuxPlatform::keepOnTop(forms::Form& form) {
    QWidget* w = form.window();
    bool visible = w->isVisible();
    w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) w->show();  // changing the flags hides a shown window
}

// Our own boxes close first: in a test no main loop runs, and quit() then does nothing.
void LinuxPlatform::endProcess() {
    closeMessageDialogs();
    QCoreApplication::quit();
}

void LinuxPlatform::randomize(double seed) { random_.seed(static_cast<std::uint32_t>(seed * 1000.0)); }

double LinuxPlatform::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }

double LinuxPlatform::secondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

namespace {
// The desktop this imitates always has its drive C; here it is a folder of ours, made
// when the trainer first needs it. Where it cannot be made, the folder steps report it.
void ensureDriveC() {
    std::error_code ec;
    std::filesystem::create_directories(drives::root() / "drive_c", ec);
}
}  // namespace

int LinuxPlatform::randomWholeNumber(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

double LinuxPlatform::monotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

bool LinuxPlatform::folderExists(const std::string& path) { return folders_.folderExists(path); }

bool LinuxPlatform::makeDirectory(const std::string& path) {
    ensureDriveC();
    return folders_.makeDirectory(path);
}

bool LinuxPlatform::changeDirectory(const std::string& path) {
    ensureDriveC();
    return folders_.changeDirectory(path);
}

std::string LinuxPlatform::startFolder() const {
    auto current = folders_.currentDirectory('c');
    std::error_code ec;
    return current && std::filesystem::is_directory(*current, ec) ? current->string() : std::string();
}

namespace {

// What one office object and the collections and documents it hands back were asked
// for; carried out once the last of them is released, at the end of the operation.
struct OfficeSession {
    std::string component;
    std::function<void(const OfficeRequest&)> run;
    std::vector<OfficeRequest> documents;
    int sheetsInNewWorkbook = 0;
    ~OfficeSession() {
        if (documents.empty() && sheetsInNewWorkbook > 0)
            documents.push_back({.component = component, .newDocument = false});
        if (!documents.empty()) documents.back().sheetsInNewWorkbook = sheetsInNewWorkbook;
        for (const auto& request : documents) run(request);
    }
};

std::optional<int> wholeNumber(const AutomationValue& value) {
    if (const auto* i = std::get_if<int>(&value)) return *i;
    return std::nullopt;
}

// An office application, collection or document. The application's own calls are
// named as each office program names them: WordBasic's filenew and Insert, Excel's
// Workbooks.Add and SheetsInNewWorkbook, PowerPoint's Presentations.Add.
class OfficeObject : public AutomationObject {
public:
    OfficeObject(std::shared_ptr<OfficeSession> session, std::string role)
        : session_(std::move(session)), role_(std::move(role)) {}
    void setProperty(const std::string& name, const AutomationValue& value) override {
        if (role_ == "application" && name == "SheetsInNewWorkbook")
            if (auto n = wholeNumber(value); n && *n >= 1 && *n <= 255) session_->sheetsInNewWorkbook = *n;
    }
    std::unique_ptr<AutomationObject> call(const std::string& method,
                                           const std::vector<AutomationValue>& arguments) override {
        auto& documents = session_->documents;
        if (role_ == "application") {
            if (method == "filenew") documents.push_back({.component = session_->component, .newDocument = true});
            if (method == "Insert" && !documents.empty() && !arguments.empty())
                if (const auto* text = std::get_if<std::string>(&arguments.front())) documents.back().text += *text;
            if (method == "Workbooks" || method == "Presentations")
                return std::make_unique<OfficeObject>(session_, "collection");
        } else if (role_ == "collection" && method == "Add") {
            documents.push_back({.component = session_->component, .newDocument = true});
            return std::make_unique<OfficeObject>(session_, "document");
        }
        return nullptr;
    }

private:
    std::shared_ptr<OfficeSession> session_;
    std::string role_;
};

// The browser is the desktop's, opened by Navigate.
class BrowserObject : public AutomationObject {
public:
    void setProperty(const std::string&, const AutomationValue&) override {}
    std::unique_ptr<AutomationObject> call(const std::string& method,
                                           const std::vector<AutomationValue>& arguments) override {
        if (method == "Navigate" && !arguments.empty())
            if (const auto* url = std::get_if<std::string>(&arguments.front())) openWithDesktop(*url);
        return nullptr;
    }
};

}  // namespace

void LinuxPlatform::setOfficeRunner(std::function<void(const OfficeRequest&)> run) { officeRunner_ = std::move(run); }

std::unique_ptr<AutomationObject> LinuxPlatform::createObject(const std::string& programmaticId) {
    std::string id;
    for (char c : programmaticId) id += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (id == "internetexplorer.application") return std::make_unique<BrowserObject>();
    static const std::map<std::string, std::string> components = {{"word.basic", "writer"},
                                                                  {"word.application", "writer"},
                                                                  {"excel.application", "calc"},
                                                                  {"powerpoint.application", "impress"}};
    auto it = components.find(id);
    if (it == components.end() || officeProgram().empty()) return nullptr;
    auto session = std::make_shared<OfficeSession>();
    session->component = it->second;
    session->run = officeRunner_ ? officeRunner_ : runOfficeBridge;
    return std::make_unique<OfficeObject>(std::move(session), "application");
}

}  // namespace platform
