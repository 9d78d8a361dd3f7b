#pragma once
// Where the Windows paths that the windows name lie on this machine.
#include <filesystem>
#include <optional>
#include <string>

namespace drives {

// The folder that stands for all drives: drive C: is "drive_c" inside it, D: "drive_d".
// $XDG_DATA_HOME/ppt-trainer, or ~/.local/share/ppt-trainer.
std::filesystem::path root();

// The local path of a Windows path such as "C:\PowerPointZentrix\素材\技能练习\421".
// Each component is matched against what exists without regard to ASCII case, as on
// Windows; a component that matches nothing is taken as written. Absent for anything
// that is not a drive path, or for a path that climbs out of its drive with "..".
std::optional<std::filesystem::path> localPath(const std::string& windowsPath,
                                               const std::filesystem::path& driveRoot = root());

}  // namespace drives
