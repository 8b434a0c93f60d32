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

// How the engine finds a move's damage. It picks out the moves whose damage
// is not the formula's by the move itself, not by the power byte: Night
// Shade's is 0, as a status move's, and Sonic Boom's is 1, as Psywave's.
enum class DamageRule : std::uint8_t {
    None,         // no direct damage
    Battle,       // Counter, Bide: twice the damage the user took
    Formula,      // the damage formula
    HighCritical, // the formula, critical hits eight times as often
    NeverMisses,  // the formula, no accuracy test (Swift)
    Explosion,    // the formula with the target's Defense halved
    TwoToFive,    // the formula, 2 to 5 hits of the same damage
    Twice,        // the formula, 2 hits of the same damage
    Fixed,        // a fixed amount (MoveRule::Amount): Sonic Boom 20, Dragon Rage 40
    Level,        // the user's level (Seismic Toss, Night Shade)
    Psywave,      // random, up to 1.5 × the user's level
    SuperFang,    // half the target's current HP
    OneHitKo,     // knocks out, unless the target is faster
};

struct MoveRule {
    DamageRule Rule;
    int Amount; // the damage of a Fixed move, else 0
};

// The rule of the move in row `move` of MoveTable; std::out_of_range outside.
MoveRule MoveRuleOf(int move);

// Power as the windows show it for the move in row `move`: the number; "—"
// for no direct damage; for the other rules words that say what the damage
// is ("20 fixo", "nível", "varia" only for Psywave's random damage).
std::string PowerText(int move);

// What a power word means, for a legend beside it ("o dano é o nível de quem
// usa"); empty for a number or "—".
std::string PowerMeaning(int move);
// A number to sort by power: the power of a move whose damage comes from the
// formula, 0 for no damage, NaN (last) for the others.
double PowerKey(int move);

// Whether the engine tests the move's accuracy: not for Swift, nor for the
// moves aimed at the user or at no one (Swords Dance, Recover, Haze ...).
bool HasAccuracyTest(int move);
// "100%", or "—" for a move without an accuracy test.
std::string AccuracyText(int move);

// The rows of MoveTable, in order, whose name holds the filter anywhere, case,
// blanks and hyphens ignored ("selfd" finds Self-Destruct; an empty or blank
// filter lets every move through), and whose type is `type` (any type when
// none is given).
std::vector<int> MovesMatching(std::string_view filter, std::optional<Type> type = std::nullopt);
