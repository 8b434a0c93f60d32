// The 165 moves of the Red and Blue games, in the games' own order, and how
// the moves window looks them up.
#pragma once

#include "data/Types.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct MoveInfo {
    std::string_view Name; // as the catalogue spells it ("Thundershock", "Flame Thrower")
    Type MoveType;
    int Power;    // 0: deals no direct damage; 1: damage not computed from power
    int Accuracy; // nominal, per cent
    int Pp;
    std::string_view Effect; // what it does, Windows-1252
};

// Row i holds the game's move number i + 1.
extern const std::span<const MoveInfo> MoveTable;

// Row of the move with exactly this name, -1 when there is none.
int FindMove(std::string_view name);

// How a move's damage is found. The engine picks out the moves whose damage
// is not computed from power by the move itself, not by the power byte:
// Night Shade's is 0, as a status move's, and Sonic Boom's is 1, as
// Psywave's.
enum class DamageRule : std::uint8_t {
    Power,        // from the power, the stats and the levels
    None,         // no direct damage
    Fixed,        // always the same amount (Sonic Boom 20, Dragon Rage 40)
    UserLevel,    // as much as the user's level (Seismic Toss, Night Shade)
    Random,       // at random, up to 1.5 times the user's level (Psywave)
    HalfTargetHp, // half of what the target has left (Super Fang)
    OneHitKo,     // all the target has, when it hits (Guillotine, Horn Drill, Fissure)
    Returned      // twice the damage the user took (Counter, Bide)
};
struct MoveDamage {
    DamageRule Rule;
    int Amount; // the fixed amount; 0 for every other rule
};
MoveDamage DamageOf(const MoveInfo& move);

// Power as the window shows it: the number; "—" for no direct damage; for
// the other rules words that say what the damage is ("20 fixo", "nível",
// "varia" only for Psywave's random damage).
std::string PowerText(const MoveInfo& move);

// The rows of MoveTable, in order, whose name holds the filter anywhere, case,
// blanks and hyphens ignored ("selfd" finds Self-Destruct; an empty or blank
// filter lets every move through), and whose type is `type` (any type when
// none is given).
std::vector<int> MovesMatching(std::string_view filter, std::optional<Type> type = std::nullopt);
