// The creature catalogue: 152 constant entries, every text of the detail panel
// ready-made in Windows-1252, in list order (#001..#150, then #000, then #151).
// Free of Qt: the artwork helper and the Qt-free tests link it too.
#pragma once

#include <array>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

struct CatalogueEntry {
    int Number;                                    // 0..151
    std::string_view Name;                         // "Bulbasaur", "Farfetch´d" (Windows-1252)
    std::string_view Types;                        // "Grama / Veneno"
    std::string_view Versions;                     // "Azul e Vermelha", "Vermelha somente", "Azul somente"
    std::string_view Evolution;                    // "Level 16: Ivysaur / Level 32: Venusaur", "não há"
    std::string_view Location;                     // "Rota 22", "Evolução", "??????"
    std::span<const std::string_view> Description; // one line; two for #000 and #151
    std::span<const std::string_view> Learnset;    // "LVL --- Tackle", "LVL 07 Leech Seed"
    std::array<int, 5> Ratings;                    // Energia, Ataque, Defesa, Velocidade, Especial; 1..6

    // "#" + three-digit Number + " - " + Name, e.g. "#001 - Bulbasaur".
    std::string Caption() const;
    // The three-digit number that names the sprite file: "001", "000", "151".
    std::string NumberText() const;
};

namespace Catalogue {

constexpr int RowCount = 152;
// Creature numbers run from 0 (the glitch entry) to this one.
constexpr int HighestNumber = 151;
constexpr int RowsPerPage = 30;
constexpr int PageCount = 6;

// The entry at row 0..151; std::out_of_range otherwise.
const CatalogueEntry& Entry(int row);

// The line that names row 0..151 in the main window's list ("#083 -
// Farfetch'd": the list writes the apostrophe straight where the entry's name
// has "´"). The tool windows' choosers name creatures the games' way
// (species::ChooserLine).
std::string ListLine(int row);

// Rows 0..149 hold #001..#150, 30 to a page on pages 1..5; rows 150 and 151
// hold #000 and #151 on page 6 ("Outros"). Constant, so tables built at
// compile time (the search keys) use the same arithmetic.
constexpr int FirstOtherRow = RowsPerPage * (PageCount - 1);

// Row of item 0..29 on pages 1..5, or item 0..1 on page 6 ("Outros"); -1 for
// any other position.
constexpr int RowOfListPosition(int page, int item)
{
    if (page >= 1 && page < PageCount && item >= 0 && item < RowsPerPage)
        return RowsPerPage * (page - 1) + item;
    if (page == PageCount && item >= 0 && item < RowCount - FirstOtherRow)
        return FirstOtherRow + item;
    return -1;
}

// Where row 0..151 stands in the main window: its page (list n is on page n)
// and its item in that list; std::out_of_range for any other row.
struct ListPosition {
    int Page;
    int Item;
};
constexpr ListPosition ListPositionOfRow(int row)
{
    if (row < 0 || row >= RowCount)
        throw std::out_of_range("catalogue row");
    if (row < FirstOtherRow)
        return {row / RowsPerPage + 1, row % RowsPerPage};
    return {PageCount, row - FirstOtherRow};
}

// Row of a creature number 0..151; -1 for any other number.
constexpr int RowOfNumber(int number)
{
    if (number >= 1 && number < HighestNumber)
        return number - 1;
    if (number == 0)
        return FirstOtherRow;
    if (number == HighestNumber)
        return RowCount - 1;
    return -1;
}

// The evolution family of a creature: the number of its first form and its
// stage in the family (1 first form, 2 and 3 evolved forms; Eevee's three
// evolutions are all stage 2). Creatures that never evolve, #000 and #151 are
// their own family at stage 1. Number outside 0..151: std::out_of_range.
struct Family {
    int First;
    int Stage;
};
Family FamilyOf(int number);

} // namespace Catalogue
