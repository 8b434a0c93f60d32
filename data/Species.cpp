#include "data/Species.h"

#include "catalogue/Catalogue.h"
#include "text/Cp1252.h"

#include <array>
#include <stdexcept>

namespace species {

namespace {

using By = Trigger;

// clang-format off
constexpr Evolution kEvolutions[] = {
    {1, 2, By::Level, 16},
    {2, 3, By::Level, 32},
    {4, 5, By::Level, 16},
    {5, 6, By::Level, 36},
    {7, 8, By::Level, 16},
    {8, 9, By::Level, 36},
    {10, 11, By::Level, 7},
    {11, 12, By::Level, 10},
    {13, 14, By::Level, 7},
    {14, 15, By::Level, 10},
    {16, 17, By::Level, 18},
    {17, 18, By::Level, 36},
    {19, 20, By::Level, 20},
    {21, 22, By::Level, 20},
    {23, 24, By::Level, 22},
    {25, 26, By::Stone, 0, Stone::Thunder},
    {27, 28, By::Level, 22},
    {29, 30, By::Level, 16},
    {30, 31, By::Stone, 0, Stone::Moon},
    {32, 33, By::Level, 16},
    {33, 34, By::Stone, 0, Stone::Moon},
    {35, 36, By::Stone, 0, Stone::Moon},
    {37, 38, By::Stone, 0, Stone::Fire},
    {39, 40, By::Stone, 0, Stone::Moon},
    {41, 42, By::Level, 22},
    {43, 44, By::Level, 21},
    {44, 45, By::Stone, 0, Stone::Leaf},
    {46, 47, By::Level, 24},
    {48, 49, By::Level, 31},
    {50, 51, By::Level, 26},
    {52, 53, By::Level, 28},
    {54, 55, By::Level, 33},
    {56, 57, By::Level, 28},
    {58, 59, By::Stone, 0, Stone::Fire},
    {60, 61, By::Level, 25},
    {61, 62, By::Stone, 0, Stone::Water},
    {63, 64, By::Level, 16},
    {64, 65, By::Trade},
    {66, 67, By::Level, 28},
    {67, 68, By::Trade},
    {69, 70, By::Level, 21},
    {70, 71, By::Stone, 0, Stone::Leaf},
    {72, 73, By::Level, 30},
    {74, 75, By::Level, 25},
    {75, 76, By::Trade},
    {77, 78, By::Level, 40},
    {79, 80, By::Level, 37},
    {81, 82, By::Level, 30},
    {84, 85, By::Level, 31},
    {86, 87, By::Level, 34},
    {88, 89, By::Level, 38},
    {90, 91, By::Stone, 0, Stone::Water},
    {92, 93, By::Level, 25},
    {93, 94, By::Trade},
    {96, 97, By::Level, 26},
    {98, 99, By::Level, 28},
    {100, 101, By::Level, 30},
    {102, 103, By::Stone, 0, Stone::Leaf},
    {104, 105, By::Level, 28},
    {109, 110, By::Level, 35},
    {111, 112, By::Level, 42},
    {116, 117, By::Level, 32},
    {118, 119, By::Level, 33},
    {120, 121, By::Stone, 0, Stone::Water},
    {129, 130, By::Level, 20},
    {133, 134, By::Stone, 0, Stone::Water},
    {133, 135, By::Stone, 0, Stone::Thunder},
    {133, 136, By::Stone, 0, Stone::Fire},
    {138, 139, By::Level, 40},
    {140, 141, By::Level, 40},
    {147, 148, By::Level, 30},
    {148, 149, By::Level, 55},
};
// clang-format on

constexpr bool ByNumberGiven()
{
    for (std::size_t i = 1; i < std::size(kEvolutions); ++i)
        if (kEvolutions[i - 1].To >= kEvolutions[i].To)
            return false;
    return true;
}
static_assert(ByNumberGiven(), "one row per evolved form, in order");

} // namespace

const std::span<const Evolution> Evolutions{kEvolutions};

std::string_view GamesName(int number)
{
    switch (number) {
    case 83: return "Farfetch'd";
    case 103: return "Exeggutor";
    case 122: return "Mr. Mime";
    case 124: return "Jynx";
    default: break;
    }
    const int row = Catalogue::RowOfNumber(number);
    if (row < 0)
        throw std::out_of_range("creature number");
    return Catalogue::Entry(row).Name;
}

std::string ChooserLine(int number)
{
    const std::string_view name = GamesName(number); // refuses any other number first
    const CatalogueEntry& entry = Catalogue::Entry(Catalogue::RowOfNumber(number));
    std::string line = "#";
    line.append(entry.NumberText()).append(" - ").append(name);
    return line;
}

std::vector<std::string> ChooserLines()
{
    std::vector<std::string> lines;
    lines.reserve(Catalogue::HighestNumber + 1);
    for (int n = 0; n <= Catalogue::HighestNumber; ++n)
        lines.push_back(ChooserLine(n));
    return lines;
}

int FindTyped(std::string_view typed)
{
    std::string_view digits = typed;
    if (!digits.empty() && digits.front() == '#')
        digits.remove_prefix(1);
    if (!digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos) {
        int number = 0;
        for (char c : digits) {
            number = number * 10 + (c - '0');
            if (number > Catalogue::HighestNumber)
                return -1;
        }
        return number;
    }
    const std::string key = cp1252::typedKey(typed);
    if (key.empty())
        return -1;
    static const std::array<std::string, Catalogue::HighestNumber + 1> names = [] {
        std::array<std::string, Catalogue::HighestNumber + 1> all;
        for (int n = 0; n <= Catalogue::HighestNumber; ++n)
            all[static_cast<std::size_t>(n)] = cp1252::typedKey(GamesName(n));
        return all;
    }();
    int start = -1, inside = -1;
    for (int n = 0; n <= Catalogue::HighestNumber; ++n) {
        const std::string& name = names[static_cast<std::size_t>(n)];
        const std::size_t at = name.find(key);
        if (at == std::string::npos)
            continue;
        if (name.size() == key.size())
            return n;
        if (at == 0) {
            if (start < 0)
                start = n;
        } else if (inside < 0) {
            inside = n;
        }
    }
    return start >= 0 ? start : inside;
}

std::string_view StoneName(Stone s)
{
    switch (s) {
    case Stone::None: return {};
    case Stone::Fire: return "Fire Stone";
    case Stone::Thunder: return "Thunder Stone";
    case Stone::Water: return "Water Stone";
    case Stone::Leaf: return "Leaf Stone";
    case Stone::Moon: return "Moon Stone";
    }
    return {};
}

const Evolution* EvolutionInto(int number)
{
    for (const Evolution& e : kEvolutions)
        if (e.To == number)
            return &e;
    return nullptr;
}

} // namespace species
