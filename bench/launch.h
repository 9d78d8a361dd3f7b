#pragma once
// Start-up runs: each a fresh process, timed from just before it is spawned to the first
// paint it reports, with its peak resident set as the kernel counted it.
#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Launch {
    std::string platform;   // the Qt platform the child ran on
    double firstPaintMs;    // to the first paint event of its window
    double paintedMs;       // to the end of that paint cycle
    double peakResidentMb;  // ru_maxrss
};

// Runs `program` with `arguments`; nothing when it did not report a paint.
std::optional<Launch> launch(const std::string& program, const std::vector<std::string>& arguments);

// The folder this program lies in, where its children lie too.
std::string ownFolder();

}  // namespace bench
