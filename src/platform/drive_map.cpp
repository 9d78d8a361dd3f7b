#include "platform/drive_map.h"

#include <cstdlib>
#include <system_error>
#include <vector>

namespace drives {

namespace {

bool sameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

std::filesystem::path matchComponent(const std::filesystem::path& dir, const std::string& name) {
    std::error_code ec;
    if (std::filesystem::exists(dir / name, ec)) return dir / name;
    // The error-code forms throughout: a listing may fail in mid-course too.
    std::filesystem::directory_iterator it(dir, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringAsciiCase(it->path().filename().string(), name)) return it->path();
    }
    return dir / name;
}

}  // namespace

std::filesystem::path root() {
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/')
        return std::filesystem::path(data) / "ppt-trainer";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home != nullptr ? home : "/tmp") / ".local" / "share" / "ppt-trainer";
}

std::optional<std::filesystem::path> localPath(const std::string& windowsPath, const std::filesystem::path& driveRoot) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    char letter = windowsPath[0];
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z') return std::nullopt;

    std::filesystem::path path = driveRoot / (std::string("drive_") + letter);
    std::string rest = windowsPath.substr(2);
    std::vector<std::string> parts;
    std::string part;
    for (char c : rest + "\\") {
        if (c == '\\' || c == '/') {
            if (!part.empty()) parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    int depth = 0;
    for (const std::string& p : parts) {
        if (p == ".") continue;
        if (p == "..") {
            if (--depth < 0) return std::nullopt;
            path = path.parent_path();
            continue;
        }
        ++depth;
        path = matchComponent(path, p);
    }
    return path;
}

}  // namespace drives
