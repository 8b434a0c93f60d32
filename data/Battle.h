// The Red/Blue battle arithmetic: stats at a level, the damage of one move
// from one creature to another over every random roll, critical hits, the
// chance to hit and the chance to knock out in 1 to 4 uses. Integers step by
// step as the games' engine computes them, including its truncations and caps.
//
// Not modelled: badge boosts, paralysis, Substitute, Fly/Dig, X Accuracy, and
// the sleep Dream Eater needs. The game's opponents have no stat experience;
// give them 0 to match what the engine uses on a critical hit.
#pragma once

#include "data/BaseStats.h"
#include "data/Moves.h"
#include "data/Types.h"

#include <array>
#include <cstdint>
#include <string>

// ---- stats ------------------------------------------------------------------

// Determinant values, 0..15 each. The HP one is not stored: it is made of the
// low bits of the other four.
struct Dvs {
    int Attack = 15, Defense = 15, Speed = 15, Special = 15;
};

// The HP DV: the low bits of Attack, Defense, Speed and Special, in that
// order from the highest bit to the lowest.
int HpDv(const Dvs& dvs);

// The DV of a stat (the HP one derived).
int DvOf(const Dvs& dvs, Stat s);

// The stat-experience bonus: the smallest whole root at or above `statExp`
// (0..65535), at least 1 and at most 255 as the engine's loop stops there,
// divided by 4.
int StatExpBonus(int statExp);

// One stat at a level (1..100): ((base + DV) × 2 + bonus) × level ÷ 100, then
// + level + 10 for HP or + 5 for the others; at most 999.
int StatAt(int base, int dv, int statExp, int level, bool isHp);

// A stat after its stage (−6..+6): × the stage's ratio (25/100 … 4/1), at
// least 1 and at most 999.
int StagedStat(int stat, int stage);

// ---- the two sides ------------------------------------------------------------

struct BattleSide {
    int Species = 1; // 1..151
    int Level = 50;  // 1..100
    Dvs Dv;
    std::array<int, StatCount> StatExp{}; // by Stat, 0..65535 each
    // Stages −6..+6.
    int AttackStage = 0, DefenseStage = 0, SpeedStage = 0, SpecialStage = 0, AccuracyStage = 0, EvasionStage = 0;
    bool Burned = false;      // its Attack halved when it attacks (not on a critical hit)
    bool Reflect = false;     // its Defense doubled when attacked (not on a critical hit)
    bool LightScreen = false; // its Special doubled when attacked (not on a critical hit)
    bool FocusEnergy = false; // lowers, not raises, its critical chance, as the engine does
    bool Opponent = false;    // the game's side: its Psywave may deal 0
    int CurrentHp = 0;        // what the uses start from; 0 or above the maximum: full; never negative
};

// The five stats of a side at its level (HP is the maximum), by Stat.
std::array<int, StatCount> StatsOf(const BattleSide& side);

// ---- moves ----------------------------------------------------------------------

// How the engine finds a move's damage: MoveRuleOf in data/Moves.h.

// Whether a move of this type uses Attack and Defense (else Special).
bool IsPhysical(Type t);

// Whether the move in row `move` of MoveTable traps its target (Wrap, Bind,
// Fire Spin, Clamp): one accuracy test, one roll and one critical test, then
// the same damage again each turn, 2 to 5 turns in all.
bool IsTrapping(int move);

// ---- the steps of the damage formula ----------------------------------------------

// After the stats are chosen and scaled: (level × 2 ÷ 5 + 2) × power × attack
// ÷ defense ÷ 50, at most 997, + 2. `defense` must not be 0.
int BaseDamage(int level, int power, int attack, int defense);

// Same-type bonus (× 1.5 rounded down), then each row of the type chart that
// matches the move's type and one of the target's types, in the chart's own
// order, each × 20 ÷ 10, × 5 ÷ 10 or × 0. 0 means the move has no effect.
int AfterTypes(int damage, Type move, const SpeciesStats& user, const SpeciesStats& target);

// One random roll (217..255): damage × roll ÷ 255; 0 and 1 stay as they are.
int Randomized(int damage, int roll);

constexpr int RollMin = 217, RollMax = 255, RollCount = RollMax - RollMin + 1;

// The critical-hit threshold out of 256 for a species' base Speed.
int CriticalThreshold(int baseSpeed, bool highCritical, bool focusEnergy);

// The accuracy threshold out of 256: the move's accuracy (per cent) as the
// games store it (× 255 ÷ 100), scaled by the user's accuracy stage and the
// target's evasion stage, at least 1, at most 255. A random byte below it hits.
int HitThreshold(int accuracyPercent, int accuracyStage, int evasionStage);

// ---- the whole computation ---------------------------------------------------------

enum class BattleKind : std::uint8_t {
    Damage,          // the figures below hold
    NoDamage,        // the move deals no direct damage
    DependsOnBattle, // Counter, Bide
    NoEffect,        // type immunity, damage reduced to 0, or a one-hit KO against a faster target
    GameFreezes,     // some uses divide by zero and the game stops (FreezeChance); the figures are the others'
};

struct DamageRange {
    int Min = 0, Max = 0;
};

struct BattleResult {
    BattleKind Kind = BattleKind::NoDamage;
    DamageRule Rule = DamageRule::None;
    std::array<int, StatCount> AttackerStats{}, DefenderStats{}; // at their levels, by Stat
    int DefenderHp = 0;                                          // the HP the uses start from

    // One hit without and with a critical hit, roll by roll (217..255) and as
    // a range; damage that is not rolled (fixed, level, Psywave, Super Fang,
    // one-hit KO) fills Damage only and leaves Critical empty. A hit whose
    // damage falls to 0 fails, as a miss; where the engine would divide by
    // zero on that path, its damage is 0 too and FreezeChance says how often.
    std::array<int, RollCount> Rolls{}, CriticalRolls{};
    DamageRange Damage, Critical;
    int HitsMin = 1, HitsMax = 1; // hits per use
    bool Trapping = false;        // the hits are turns of a trapping move

    // The chance that one use stops the game: the engine divides by zero on
    // the path without a critical hit (tested before the accuracy, so even a
    // miss freezes), or Psywave at level 1 hits and can draw no damage.
    double FreezeChance = 0;

    // What the move and the sides asked for, whether or not it counts.
    bool Physical = true;
    bool Burned = false, Reflect = false, LightScreen = false;

    bool SameType = false;
    int Effectiveness = 4; // in quarters: 0, 1, 2, 4, 8, 16

    int CriticalThreshold = 0; // out of 256
    int HitThreshold = 256;    // out of 256 (256: no accuracy test)
    double CriticalChance = 0, HitChance = 1;

    // The chance to knock the target out within 1, 2, 3 and 4 uses: with
    // critical hits and misses counted, and with the damage rolls alone (no
    // critical hit, every use hits; the number of hits still varies). A use
    // that freezes the game knocks nothing out, then or later.
    std::array<double, 4> KoChance{}, KoChanceRollsOnly{};
};

// Whether `a` is the better of two moves against the same target: the higher
// chance to knock it out in one use (critical hits and misses counted), then
// in two, three and four; then the more damage in one use (the highest roll
// times the most hits). A move that deals no damage here is never better.
bool BetterMove(const BattleResult& a, const BattleResult& b);

// Everything a window shows for `move` (row of MoveTable) used by `attacker`
// on `defender`. std::out_of_range for a species, level, move, DV, stat
// experience, stage or current HP outside its range.
BattleResult ComputeBattle(const BattleSide& attacker, const BattleSide& defender, int move);
