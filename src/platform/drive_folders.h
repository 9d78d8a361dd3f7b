#pragma once
// Folders of the drives as Windows programs see them: existence, making a directory and
// the current directory of each drive. The current directories live here and never
// become the process's own working directory, which Qt and the file dialogs rely on.
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/drive_map.h"

namespace drives {

class DriveFolders {
public:
    explicit DriveFolders(std::filesystem::path driveRoot = root());

    // Whether a drive path names an existing folder (a file of that name is no folder).
    bool folderExists(const std::string& windowsPath) const;
    // Makes one folder whose parent exists; false when the parent is missing, the name
    // is taken by a file or folder, or the drive refuses. Nothing in the way is touched.
    bool makeDirectory(const std::string& windowsPath);
    // Makes an existing folder the current directory of its drive; the current drive
    // does not change. False, and the drive's current directory kept, otherwise.
    bool changeDirectory(const std::string& windowsPath);
    // The local folder that is the current directory of a drive ('c'); absent while
    // nothing has changed it.
    std::optional<std::filesystem::path> currentDirectory(char drive) const;

private:
    std::filesystem::path root_;
    std::map<char, std::filesystem::path> current_;
};

}  // namespace drives
