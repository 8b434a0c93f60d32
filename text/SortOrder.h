// The order rows are shown in when sorted by one column, one rule for every
// sorted table: stable (equal keys keep their given order), numbers with the
// ones that have none (NaN) last whichever the direction, texts by
// cp1252::sortKey.
#pragma once

#include <string>
#include <vector>

namespace sortorder {

// Row numbers 0..n-1 in the order of `keys` (one per row).
std::vector<int> ByNumbers(const std::vector<double>& keys, bool descending);
std::vector<int> ByTexts(const std::vector<std::string>& sortKeys, bool descending);

} // namespace sortorder
