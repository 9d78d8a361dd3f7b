#pragma once
// Medians, percentiles and plain text tables.
#include <string>
#include <vector>

namespace bench {

struct Summary {
    std::size_t count = 0;
    double median = 0;
    double p99 = 0;
    double max = 0;
};

Summary summarize(std::vector<double> values);
std::string fixed(double value, int decimals);
// Columns padded to their widest cell; the first column left-aligned, the others right.
void printTable(const std::vector<std::string>& header, const std::vector<std::vector<std::string>>& rows);

}  // namespace bench
