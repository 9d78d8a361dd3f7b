#include "platform/drive_folders.h"

#include <unistd.h>

#include <system_error>

namespace drives {

namespace {

char driveLetter(const std::string& windowsPath) {
    char letter = windowsPath.empty() ? '\0' : windowsPath[0];
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    return letter;
}

bool isFolder(const std::filesystem::path& local) {
    std::error_code ec;
    return std::filesystem::is_directory(local, ec);
}

}  // namespace

DriveFolders::DriveFolders(std::filesystem::path driveRoot) : root_(std::move(driveRoot)) {}

bool DriveFolders::folderExists(const std::string& windowsPath) const {
    auto local = localPath(windowsPath, root_);
    return local && isFolder(*local);
}

bool DriveFolders::makeDirectory(const std::string& windowsPath) {
    auto local = localPath(windowsPath, root_);
    if (!local || local->parent_path() == root_) return false;  // a drive itself is never made
    std::error_code ec;
    if (!isFolder(local->parent_path())) return false;
    // create_directory reports an existing folder as success; making one that is there fails.
    if (std::filesystem::exists(std::filesystem::symlink_status(*local, ec))) return false;
    return std::filesystem::create_directory(*local, ec) && !ec;
}

bool DriveFolders::changeDirectory(const std::string& windowsPath) {
    auto local = localPath(windowsPath, root_);
    if (!local || !isFolder(*local) || ::access(local->c_str(), X_OK) != 0) return false;
    current_[driveLetter(windowsPath)] = *local;
    return true;
}

std::optional<std::filesystem::path> DriveFolders::currentDirectory(char drive) const {
    if (drive >= 'A' && drive <= 'Z') drive = static_cast<char>(drive - 'A' + 'a');
    auto it = current_.find(drive);
    if (it == current_.end()) return std::nullopt;
    return it->second;
}

}  // namespace drives
