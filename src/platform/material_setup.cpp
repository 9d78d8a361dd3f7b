#include "platform/material_setup.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>
#include <system_error>

#include "platform/message_box.h"
#include "platform/window.h"
#include "shared/folders.h"

namespace material {

namespace fs = std::filesystem;

namespace {

bool holdsMaterial(const fs::path& folder) {
    std::error_code ec;
    return fs::is_directory(folder / "素材", ec) || fs::is_directory(folder / "答案", ec);
}

void copyMissing(const fs::path& from, const fs::path& to, Outcome& outcome) {
    std::error_code ec;
    fs::recursive_directory_iterator it(from, fs::directory_options::skip_permission_denied, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        // The iterator's paths are `from` and the names below it: the rest is the relative
        // path, found without asking the file system.
        const fs::path target = to / it->path().lexically_relative(from);
        std::error_code here;
        if (fs::exists(fs::symlink_status(target, here))) continue;  // the learner's, whatever it holds
        fs::create_directories(target.parent_path(), here);
        // copy_file never replaces a file, so one made meanwhile is kept too.
        if (!here && fs::copy_file(it->path(), target, fs::copy_options::none, here) && !here) {
            ++outcome.copied;
        } else {
            ++outcome.failed;
            // A file made there meanwhile is the learner's and stays; a half-written copy
            // of ours must not stand in for the original.
            if (here != std::errc::file_exists) {
                std::error_code ignored;
                fs::remove(target, ignored);
            }
        }
    }
    if (ec) ++outcome.failed;
}

// Runs `work` once, after the first paint of `window` (of the window or of any widget in
// it) is done; dropped with the window if that never comes.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> work)
        : QObject(window), window_(window), work_(std::move(work)) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Queued behind the rest of this paint, which reaches the screen first.
            QTimer::singleShot(0, this, [this] {
                const std::function<void()> work = std::move(work_);
                deleteLater();
                work();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> work_;
};

}  // namespace

std::optional<fs::path> originalsBeside(const fs::path& programFolder) {
    for (const fs::path& candidate : {programFolder / "material", programFolder / ".." / "share" / "ppt-trainer"}) {
        if (holdsMaterial(candidate)) return candidate.lexically_normal();
    }
    return std::nullopt;
}

Outcome putInPlace(const fs::path& originals, const fs::path& installFolder) {
    Outcome outcome;
    for (const char* top : {"素材", "答案"}) {
        std::error_code ec;
        if (fs::is_directory(originals / top, ec)) copyMissing(originals / top, installFolder / top, outcome);
    }
    return outcome;
}

Outcome putInPlaceAtStart(const fs::path& programFolder, const fs::path& driveRoot) {
    const auto originals = originalsBeside(programFolder);
    const auto installFolder = drives::localPath(kInstallFolder, driveRoot);
    if (!originals || !installFolder) return {};
    const Outcome outcome = putInPlace(*originals, *installFolder);
    if (outcome.failed > 0) {
        forms::MsgBox("有" + std::to_string(outcome.failed) + "个练习素材或答案文件未能复制到“" + kInstallFolder +
                          "”（" + installFolder->string() +
                          "），可能是磁盘不可写或空间不足。\n本软件可以照常使用，但“打开素材”和“查看答案文件”打开的"
                          "文件夹中会缺少这些文件。腾出空间或改正权限后重新启动本软件，缺少的文件会自动补上。",
                      forms::vbOKOnly | forms::vbExclamation, std::string("练习素材"));
    }
    return outcome;
}

void putInPlaceOncePainted(forms::Form& startWindow, const fs::path& programFolder, const fs::path& driveRoot) {
    new AfterFirstPaint(startWindow.window(),
                        [programFolder, driveRoot] { putInPlaceAtStart(programFolder, driveRoot); });
}

fs::path runningProgramFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : self.parent_path();
}

}  // namespace material
