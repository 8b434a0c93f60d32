// The creature catalogue: 152 constant entries, every text of the detail panel
// ready-made in Windows-1252, in list order (#001..#150, then #000, then #151).
// Free of Qt: the artwork helper and the Qt-free tests link it too.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

struct CatalogueEntry {
    int Number;                                   // 0..151
    std::string_view Name;                        // "Bulbasaur", "Farfetch´d" (Windows-1252)
    std::string_view Types;                       // "Grama / Veneno"
    std::string_view Versions;                    // "Azul e Vermelha", "Vermelha somente", "Azul somente"
    std::string_view Evolution;                   // "Level 16: Ivysaur / Level 32: Venusaur", "não há"
    std::string_view Location;                    // "Rota 22", "Evolução", "??????"
    std::span<const std::string_view> Description; // one line; two for #000 and #151
    std::span<const std::string_view> Learnset;   // "LVL --- Tackle", "LVL 07 Leech Seed"
    std::array<int, 5> Ratings;                   // Energia, Ataque, Defesa, Velocidade, Especial; 1..6

    // "#" + three-digit Number + " - " + Name, e.g. "#001 - Bulbasaur".
    std::string Caption() const;
    // The three-digit number that names the sprite file: "001", "000", "151".
    std::string NumberText() const;
};

namespace Catalogue {

constexpr int RowCount = 152;
constexpr int RowsPerPage = 30;
constexpr int PageCount = 6;

// The entry at row 0..151; std::out_of_range otherwise.
const CatalogueEntry& Entry(int row);

// Row of item 0..29 on pages 1..5, or item 0..1 on page 6 ("Outros"); -1 for
// any other position.
int RowOfListPosition(int page, int item);

// Row of a creature number 0..151; -1 for any other number.
int RowOfNumber(int number);

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
