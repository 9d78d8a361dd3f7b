#pragma once
// The unit test's bank: eight units of forty choice records, chosen by their exact names.
#include <array>
#include <string>
#include <string_view>

namespace unittest {

// The names in the order of the unit list.
const std::array<std::string_view, 8>& unitNames();

}  // namespace unittest

// Copies the unit named exactly `name` into elements 1 to 40 of the question tables and
// sets the question count to 40; a name that matches no unit changes nothing.
void LoadUnit(const std::string& name);
