#include "catalogue/Catalogue.h"

#include <stdexcept>
#include <utility>

std::string CatalogueEntry::NumberText() const
{
    const int n = Number < 0 ? 0 : Number % 1000;
    return {char('0' + n / 100), char('0' + n / 10 % 10), char('0' + n % 10)};
}

std::string CatalogueEntry::Caption() const
{
    std::string caption = "#";
    caption.append(NumberText()).append(" - ").append(Name);
    return caption;
}

namespace Catalogue {

std::string ListLine(int row)
{
    std::string line = Entry(row).Caption();
    for (char& c : line)
        if (c == '\xB4') // acute accent, Windows-1252
            c = '\'';
    return line;
}

namespace {

// Who evolves into whom, as the games have it. Kept as plain numbers rather
// than parsed from the Evolution texts: #102's text names "Exeggutor" while
// the caption reads "Exeggcutor", and #133's three stones are branches, not a
// chain.
constexpr std::pair<int, int> kEvolvesInto[] = {
    {1, 2},     {2, 3},     {4, 5},     {5, 6},     {7, 8},     {8, 9},     {10, 11},   {11, 12},   {13, 14},
    {14, 15},   {16, 17},   {17, 18},   {19, 20},   {21, 22},   {23, 24},   {25, 26},   {27, 28},   {29, 30},
    {30, 31},   {32, 33},   {33, 34},   {35, 36},   {37, 38},   {39, 40},   {41, 42},   {43, 44},   {44, 45},
    {46, 47},   {48, 49},   {50, 51},   {52, 53},   {54, 55},   {56, 57},   {58, 59},   {60, 61},   {61, 62},
    {63, 64},   {64, 65},   {66, 67},   {67, 68},   {69, 70},   {70, 71},   {72, 73},   {74, 75},   {75, 76},
    {77, 78},   {79, 80},   {81, 82},   {84, 85},   {86, 87},   {88, 89},   {90, 91},   {92, 93},   {93, 94},
    {96, 97},   {98, 99},   {100, 101}, {102, 103}, {104, 105}, {109, 110}, {111, 112}, {116, 117}, {118, 119},
    {120, 121}, {129, 130}, {133, 134}, {133, 135}, {133, 136}, {138, 139}, {140, 141}, {147, 148}, {148, 149}};

constexpr int PreviousForm(int number)
{
    for (const auto& [from, to] : kEvolvesInto)
        if (to == number)
            return from;
    return -1;
}

} // namespace

Family FamilyOf(int number)
{
    if (number < 0 || number > HighestNumber)
        throw std::out_of_range("no creature with number " + std::to_string(number));
    Family family{number, 1};
    for (int previous = PreviousForm(number); previous >= 0; previous = PreviousForm(previous)) {
        family.First = previous;
        ++family.Stage;
    }
    return family;
}

} // namespace Catalogue
