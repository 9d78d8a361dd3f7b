#pragma once
// Puts the practice material in place: the build makes the 素材 and 答案 folders, and the
// trainer copies every file of them that drive C lacks into C:\PowerPointZentrix, where
// its windows open them. A file already there is the learner's and is never replaced.
#include <filesystem>
#include <optional>

#include "platform/drive_map.h"

namespace forms {
class Form;
}

namespace material {

// The folder holding the generated 素材 and 答案: "material" beside a program run from
// its build folder, or "../share/ppt-trainer" beside an installed one. Absent when
// neither is there.
std::optional<std::filesystem::path> originalsBeside(const std::filesystem::path& programFolder);

struct Outcome {
    int copied = 0;  // files that were missing and are there now
    int failed = 0;  // files that were missing and could not be put there
};

// Copies each file under originals/素材 and originals/答案 that is missing below
// installFolder, making the folders it needs; touches nothing that exists.
Outcome putInPlace(const std::filesystem::path& originals, const std::filesystem::path& installFolder);

// The start's share: finds the originals beside the running program and puts them in
// drive C. When some file cannot be put there (drive C not writable, a full disk), the
// learner gets one notice through the platform and the trainer goes on.
Outcome putInPlaceAtStart(const std::filesystem::path& programFolder,
                          const std::filesystem::path& driveRoot = drives::root());

// The start's share as the trainer runs it: putInPlaceAtStart once `startWindow` has
// painted, so that the learner sees the trainer at once and the notice, when one is
// needed, comes over the start window. Nothing is done when the window goes unpainted.
void putInPlaceOncePainted(forms::Form& startWindow, const std::filesystem::path& programFolder,
                           const std::filesystem::path& driveRoot = drives::root());

// The folder of the running program.
std::filesystem::path runningProgramFolder();

}  // namespace material
