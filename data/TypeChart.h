// The Red/Blue type chart: how much damage an attack of each type does to
// each defending type, and what follows from it for a creature of one or two
// types. Only the chart is typed in; every profile is computed from it.
#pragma once

#include "data/Types.h"

#include <array>
#include <string_view>
#include <vector>

// Multipliers are counted in halves (one type) or quarters (two types), so
// that ½ and ¼ stay whole numbers.
namespace Halves {
constexpr int None = 0, Half = 1, Normal = 2, Double = 4;
}

// The factor of an attack of type `attacker` (0..14) against the defending
// type `defender`, in halves: 0, 1, 2 or 4. std::out_of_range for a type
// outside 0..14.
int Effectiveness(int attacker, int defender);

// The factor against a creature of one or two types (defender2 = -1 for
// one), both factors multiplied, in quarters: 0, 1, 2, 4, 8 or 16.
int CombinedEffectiveness(int attacker, int defender1, int defender2);

// The chart's cells that are not ×1, as (attacking, defending) pairs in the
// order of the game's own matchup table. The engine applies the matching rows
// in this order, one integer step each, so against two types the order can
// change the damage by a point.
constexpr int ChartRowCount = 82;
struct ChartRow {
    Type Attacker, Defender;
};
extern const std::array<ChartRow, ChartRowCount> ChartRows;

// A chart cell's text, in halves: "2", "½", "0", and "" for a normal hit.
std::string_view EffectSymbol(int halves);
// The same in words, for tooltips and screen readers: "2 vezes", "metade",
// "sem efeito", "1 vez" (Windows-1252).
std::string_view EffectWords(int halves);

// The groups of a defence profile, strongest first.
constexpr int ProfileGroupCount = 5;
struct ProfileGroup {
    int Quarters;           // 16, 8, 2, 1, 0
    std::string_view Label; // "×4", "×2", "×½", "×¼", "×0" (Windows-1252)
    std::string_view Words; // "4 vezes", "2 vezes", "metade", "um quarto", "sem efeito"
};
extern const std::array<ProfileGroup, ProfileGroupCount> ProfileGroups;

// The attacking types (indices, in the chart's order) that fall in each group
// of ProfileGroups against a creature of one or two types. Types that hit
// normally (×1) are in no group.
struct DefenceProfile {
    std::array<std::vector<int>, ProfileGroupCount> Attackers;
};
DefenceProfile ProfileOf(int defender1, int defender2 = -1);

// The type indices of a catalogue entry's Types ("Fogo", "Grama / Veneno");
// empty when the text is not one or two type names joined by " / ".
std::vector<int> ParseTypes(std::string_view types);
