// The Red/Blue base stats of the 151 creatures: the five stats, catch rate,
// base experience, growth rate and the two types, as each species' record in
// the games holds them.
#pragma once

#include "data/Types.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The five stats of the first generation, in the games' order (one Special,
// not two).
enum class Stat : std::uint8_t { Hp, Attack, Defense, Speed, Special };
constexpr int StatCount = 5;

// The experience curve a species levels on.
enum class GrowthRate : std::uint8_t { Fast, MediumFast, MediumSlow, Slow };

struct SpeciesStats {
    std::array<std::uint8_t, StatCount> Base; // by Stat
    // A creature of one type holds it twice, as the games store it, so both
    // fields are always a type.
    Type Type1, Type2;
    int CatchRate;
    int BaseExp;
    GrowthRate Growth;

    int BaseOf(Stat s) const { return Base[static_cast<std::size_t>(s)]; }
    bool SingleType() const { return Type1 == Type2; }
};

constexpr int SpeciesCount = 151;

// Row i holds creature #(i + 1).
extern const std::span<const SpeciesStats> BaseStatsTable;

// The record of creature #`number` (1..151); std::out_of_range otherwise.
const SpeciesStats& BaseStatsOf(int number);

// The stat's name as the guide writes it: Energia, Ataque, Defesa,
// Velocidade, Especial (Windows-1252).
std::string_view StatName(Stat s);
