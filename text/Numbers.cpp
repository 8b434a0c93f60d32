#include "text/Numbers.h"

#include "text/Cp1252.h"

#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace numbers {

std::string Thousands(long long n, char mark)
{
    const std::string digits = std::to_string(std::llabs(n));
    std::string grouped;
    if (n < 0)
        grouped += '-';
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += mark;
        grouped += digits[i];
    }
    return grouped;
}

namespace {
std::string Tenths(long long tenths)
{
    // Built by appending: GCC 12 warns falsely on a chain of + here.
    std::string text = Thousands(tenths / 10);
    text += ',';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}
} // namespace

std::string Percent(long long part, long long whole)
{
    if (whole <= 0)
        throw std::invalid_argument("percentage of nothing");
    // Tenths of a per cent, rounded half up.
    return Tenths((part * 1000 + whole / 2) / whole);
}

std::string Percent(double chance)
{
    return Tenths(std::llround(chance * 1000));
}

std::string Dollars(int price)
{
    std::string text("$");
    text += Thousands(price, ',');
    return text;
}

std::string Yen(int price)
{
    // Converted at run time: clang 14 crashes on this literal made at compile time.
    static const std::string yen = cp1252::fromUtf8("¥");
    std::string text = yen;
    text += Thousands(price);
    return text;
}

} // namespace numbers
