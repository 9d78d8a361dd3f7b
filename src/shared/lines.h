#pragma once
// Texts of the content tables are kept one line an entry, so that they read and
// diff line by line; windows join them where they show them.
#include <string>
#include <string_view>
#include <vector>

using Lines = std::vector<std::string_view>;

inline constexpr std::string_view kCrLf = "\r\n";

// Lines joined by separator, none before the first or after the last.
inline std::string joinLines(const Lines& lines, std::string_view separator = kCrLf) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += separator;
        out += lines[i];
    }
    return out;
}
