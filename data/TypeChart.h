// The Red/Blue type chart: how much damage an attack of each type does to
// each defending type, and what follows from it for a creature of one or two
// types. Only the chart is typed in; every profile is computed from it.
#pragma once

#include "data/Types.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A factor is counted in halves (one type) or quarters (two types), so that
// ½ and ¼ stay whole numbers. Neutral is the factor 1 (two halves).
namespace Halves {
constexpr int None = 0, Half = 1, Neutral = 2, Double = 4;
}

// The factor of an attack of type `attacker` against the defending type
// `defender`, in halves: 0, 1, 2 or 4.
int Effectiveness(Type attacker, Type defender);

// The factor against a creature of one or two types, both factors
// multiplied, in quarters: 0, 1, 2, 4, 8 or 16.
int CombinedEffectiveness(Type attacker, Type defender1, std::optional<Type> defender2);

// The chart's cells that are not ×1, as (attacking, defending) pairs in the
// order of the game's own matchup table. The engine applies the matching rows
// in this order, one integer step each, so against two types the order can
// change the damage by a point.
constexpr int ChartRowCount = 82;
struct ChartRow {
    Type Attacker, Defender;
};
extern const std::array<ChartRow, ChartRowCount> ChartRows;

// What the chart shows and says of each factor of one type, in halves.
struct EffectTexts {
    int Halves;
    std::string_view Symbol; // the cell: "2", "½", "0", "" for a normal hit
    std::string_view Words;  // tooltips and screen readers: "2 vezes", "metade", "sem efeito", "1 vez"
    std::string_view Legend; // the legend: "o dobro do dano", ... "dano normal"
};
// Double, half, none, then neutral: the legend's order (Windows-1252).
extern const std::array<EffectTexts, 4> Effects;

std::string_view EffectSymbol(int halves);
std::string_view EffectWords(int halves);
// "2 = o dobro do dano     ½ = metade do dano     0 = sem efeito     vazio = dano normal"
std::string ChartLegend();

// The groups of a defence profile, strongest first.
constexpr int ProfileGroupCount = 5;
struct ProfileGroup {
    int Quarters;           // 16, 8, 2, 1, 0
    std::string_view Label; // "×4", "×2", "×½", "×¼", "×0" (Windows-1252)
    std::string_view Words; // "4 vezes", "2 vezes", "metade", "um quarto", "sem efeito"
};
extern const std::array<ProfileGroup, ProfileGroupCount> ProfileGroups;

// The attacking types, in the chart's order, that fall in each group of
// ProfileGroups against a creature of one or two types. Types that hit
// normally (×1) are in no group.
struct DefenceProfile {
    std::array<std::vector<Type>, ProfileGroupCount> Attackers;
};
DefenceProfile ProfileOf(Type defender1, std::optional<Type> defender2 = std::nullopt);

// The types of a catalogue entry's Types ("Fogo", "Grama / Veneno"); empty
// when the text is not one or two type names joined by " / ".
std::vector<Type> ParseTypes(std::string_view types);
