// Numbers as the guide writes them, in one place: percentages with one
// decimal and a decimal comma, thousands kept apart, prices. Windows-1252.
#pragma once

#include <string>

namespace numbers {

// 1234567 -> "1.234.567" (Portuguese: a dot between thousands); another mark
// for the shops' English prices. A negative number keeps its sign in front.
std::string Thousands(long long n, char mark = '.');

// `part` of `whole` as a percentage, one decimal, rounded half up, decimal
// comma, thousands grouped: 45 of 152 -> "29,6"; 4995 of 100 -> "4.995,0".
// `part` is 0 or more; std::invalid_argument for a whole of 0 or less (a
// programming error).
std::string Percent(long long part, long long whole);
// A chance 0..1 (or more) the same way: 0.0625 -> "6,3".
std::string Percent(double chance);

// The shops' prices as the mart lists print them: "$1,500".
std::string Dollars(int price);
// A price in the games' money as the guide says it: "¥1.200".
std::string Yen(int price);

} // namespace numbers
