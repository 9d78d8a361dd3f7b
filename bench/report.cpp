#include "report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace bench {

Summary summarize(std::vector<double> values) {
    Summary s;
    s.count = values.size();
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    // Nearest rank: with fewer than a hundred runs the 99th percentile is the largest.
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
    s.p99 = values[std::max<std::size_t>(rank, 1) - 1];
    s.max = values.back();
    return s;
}

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

void printTable(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths(header.size(), 0);
    auto widen = [&](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    };
    widen(header);
    for (const auto& row : rows) widen(row);
    auto print = [&](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const std::string cell = i < row.size() ? row[i] : "";
            const int pad = static_cast<int>(widths[i] - cell.size());
            if (i == 0)
                std::printf("%s%*s", cell.c_str(), pad, "");
            else
                std::printf("  %*s%s", pad, "", cell.c_str());
        }
        std::printf("\n");
    };
    print(header);
    std::size_t total = 0;
    for (std::size_t w : widths) total += w + 2;
    std::printf("%s\n", std::string(total - 2, '-').c_str());
    for (const auto& row : rows) print(row);
}

}  // namespace bench
