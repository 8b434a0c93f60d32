// Worked cases of the Red/Blue battle arithmetic, each derived by hand from
// the engine's integer steps (the derivation beside it), and the move rules
// and the chart's row order checked against the reference tables.
#include "data/Battle.h"
#include "data/Moves.h"
#include "data/TypeChart.h"
#include "text/Cp1252.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

int Move(const char* name)
{
    const int row = FindMove(name);
    EXPECT_GE(row, 0) << name;
    return row;
}

// A creature at a level with all DVs 15 and no stat experience.
BattleSide Side(int species, int level)
{
    BattleSide s;
    s.Species = species;
    s.Level = level;
    return s;
}

BattleSide Maxed(int species)
{
    BattleSide s = Side(species, 100);
    s.StatExp.fill(65535);
    return s;
}

constexpr int Snorlax = 143, Tauros = 128, Blastoise = 9, Golem = 76, Charizard = 6, Omastar = 139, Nidoking = 34,
              Mewtwo = 150, Cloyster = 91, Electrode = 101, Gengar = 94, Kingler = 99, Pidgeot = 18, Chansey = 113,
              Pikachu = 25, Bulbasaur = 1, Ekans = 23, Geodude = 74;

} // namespace

// ---- stats ----------------------------------------------------------------------

TEST(BattleStats, StatsAtALevel)
{
    struct Case {
        BattleSide side;
        std::array<int, StatCount> stats;
    };
    BattleSide weak = Side(Pikachu, 5);
    weak.Dv = {0, 0, 0, 0};
    const Case cases[] = {
        // Mewtwo 106/110/90/130/154, DVs 15, bonus 255 / 4 = 63 at level 100:
        // HP (121 × 2 + 63) + 110 = 415; Attack 125 × 2 + 63 + 5 = 318;
        // Defense 105 × 2 + 63 + 5 = 278; Speed 145 × 2 + 63 + 5 = 358;
        // Special 169 × 2 + 63 + 5 = 406.
        {Maxed(Mewtwo), {415, 318, 278, 358, 406}},
        // Pikachu 35/55/30/90/50 at level 5, DVs 0, bonus 1 / 4 = 0:
        // HP 70 × 5 / 100 = 3, + 15 = 18; Attack 110 × 5 / 100 = 5, + 5 = 10;
        // Defense 60 → 3 + 5 = 8; Speed 180 → 9 + 5 = 14; Special 100 → 5 + 5 = 10.
        {weak, {18, 10, 8, 14, 10}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StatsOf(c.side), c.stats) << "#" << c.side.Species;
}

TEST(BattleStats, StatExperienceBonusStopsWhereTheEngineDoes)
{
    // The engine's root is the first whole number whose square reaches the
    // experience, stopping at 255: 63001 = 251² gives 62, 63002 gives 252 → 63,
    // 65535 gives 255 → 63 (a true rounded-up root, 256, would give 64).
    const std::pair<int, int> cases[] = {{0, 0},      {1, 0},      {16, 1},     {17, 1},
                                         {63001, 62}, {63002, 63}, {65535, 63}, {65025, 63}};
    for (const auto& [exp, bonus] : cases)
        EXPECT_EQ(StatExpBonus(exp), bonus) << exp;
    EXPECT_THROW(StatExpBonus(65536), std::out_of_range);
}

TEST(BattleStats, HpDvComesFromTheLowBitsOfTheOthers)
{
    // Attack, Defense, Speed, Special low bits, highest first.
    EXPECT_EQ(HpDv({15, 14, 13, 12}), 0b1010);
    EXPECT_EQ(HpDv({0, 1, 2, 3}), 0b0101);
    EXPECT_EQ(HpDv({15, 15, 15, 15}), 15);
    EXPECT_EQ(HpDv({14, 14, 14, 14}), 0);
    // And it counts in the HP: Mewtwo at 100 with HP DV 0 instead of 15
    // loses 30 points (2 × 15 × 100 / 100).
    BattleSide even = Maxed(Mewtwo);
    even.Dv = {14, 14, 14, 14};
    EXPECT_EQ(StatsOf(even)[0], 415 - 30);
}

TEST(BattleStats, StagesScaleWithinOneAndNineNineNine)
{
    const std::tuple<int, int, int> cases[] = {{115, -1, 75}, // 115 × 66 / 100 = 75.9
                                               {130, 2, 260}, // × 2
                                               {101, 1, 151}, // × 15 / 10 = 151.5
                                               {5, -6, 1},    // 5 × 25 / 100 = 1.25
                                               {3, -6, 1},    // 0.75 → at least 1
                                               {458, 6, 999}, // 1832 → at most 999
                                               {999, 0, 999}};
    for (const auto& [stat, stage, expected] : cases)
        EXPECT_EQ(StagedStat(stat, stage), expected) << stat << " at " << stage;
}

// ---- the steps of the formula ------------------------------------------------------

TEST(BattleFormula, Steps)
{
    // (100 × 2 / 5 + 2) × 255 × 255 / 1 / 50 = 54621: capped at 997, + 2.
    EXPECT_EQ(BaseDamage(100, 255, 255, 1), 999);
    // 22 × 40 × 100 / 100 / 50 = 17, + 2.
    EXPECT_EQ(BaseDamage(50, 40, 100, 100), 19);
    // No cap after the types: 999 → 1498 (same type) → × 2 → × 2.
    EXPECT_EQ(AfterTypes(999, Type::Agua, BaseStatsOf(Blastoise), BaseStatsOf(Golem)), 5992);
    // Grass on Fire/Flying: 2 × 5 / 10 = 1, 1 × 5 / 10 = 0: no effect.
    EXPECT_EQ(AfterTypes(2, Type::Grama, BaseStatsOf(Pikachu), BaseStatsOf(Charizard)), 0);
    // Rolls: 0 and 1 are not rolled; 2 × 217 / 255 = 1.
    EXPECT_EQ(Randomized(0, 217), 0);
    EXPECT_EQ(Randomized(1, 217), 1);
    EXPECT_EQ(Randomized(2, 217), 1);
    EXPECT_EQ(Randomized(2, 255), 2);
}

TEST(BattleFormula, ChartRowsApplyInTheTablesOrder)
{
    // Grass on Poison/Ground (Nidoking, Poison first): the table's Grass →
    // Ground row comes before Grass → Poison, so 35 → 70 → 35. Type 1 first
    // would give 35 × 5 / 10 = 17 → 34.
    EXPECT_EQ(AfterTypes(35, Type::Grama, BaseStatsOf(Pikachu), BaseStatsOf(Nidoking)), 35);
    // Fire on Rock/Water (Omastar): Fire → Water, then Fire → Rock: 51 → 25 → 12.
    EXPECT_EQ(AfterTypes(51, Type::Fogo, BaseStatsOf(Pikachu), BaseStatsOf(Omastar)), 12);
}

TEST(BattleFormula, ChartRowsAreTheGamesInItsOrder)
{
    const auto rows = facts::ReadTable("type_chart.csv");
    ASSERT_EQ(rows.size(), std::size_t(ChartRowCount));
    const auto& portuguese = facts::PortugueseTypes();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ChartRow& row = ChartRows[i];
        const std::string what = "row " + std::to_string(i + 1);
        EXPECT_EQ(TypeName(row.Attacker), cp1252::fromUtf8(portuguese.at(rows[i].at("attacker")))) << what;
        EXPECT_EQ(TypeName(row.Defender), cp1252::fromUtf8(portuguese.at(rows[i].at("defender")))) << what;
        const double multiplier = std::stod(rows[i].at("multiplier"));
        EXPECT_EQ(Effectiveness(row.Attacker, row.Defender), static_cast<int>(multiplier * 2)) << what;
    }
}

TEST(BattleFormula, CriticalAndHitThresholds)
{
    struct Crit {
        int speed;
        bool high, focus;
        int threshold;
    };
    const Crit crits[] = {{30, false, false, 15},  // 15 → 30 → 15
                          {30, true, false, 120},  // 15 → 30 → 60 → 120
                          {115, false, false, 57}, // 57 → 114 → 57
                          {115, true, false, 255}, // 114 → 228 → 456, capped
                          {115, false, true, 14},  // Focus Energy: 57 → 28 → 14, a quarter
                          {115, true, true, 112},  // 28 → 56 → 112
                          {140, false, false, 70}};
    for (const Crit& c : crits)
        EXPECT_EQ(CriticalThreshold(c.speed, c.high, c.focus), c.threshold) << c.speed << c.high << c.focus;

    const std::tuple<int, int, int, int> hits[] = {
        {100, 0, 0, 255},                    // even "100 %" misses 1 time in 256
        {85, 0, 0, 216},                     // 85 × 255 / 100 = 216.75
        {30, 0, 0, 76},   {100, -1, 0, 168}, // 255 × 66 / 100
        {100, 0, 1, 168},                    // evasion +1 counts as accuracy −1
        {30, 6, 0, 255},                     // 304, capped
        {100, -6, 6, 15},                    // 255 → 63 → 15
    };
    for (const auto& [accuracy, acc, eva, threshold] : hits)
        EXPECT_EQ(HitThreshold(accuracy, acc, eva), threshold) << accuracy << " " << acc << " " << eva;
}

// ---- whole computations ----------------------------------------------------------------

TEST(BattleDamage, WorkedCases)
{
    struct Case {
        const char* name;
        BattleSide attacker, defender;
        const char* move;
        DamageRange damage, critical;
        int hp;
    };
    BattleSide staged = Side(Snorlax, 50);
    staged.AttackStage = 2;
    BattleSide lowered = Side(Tauros, 50);
    lowered.DefenseStage = -1;
    BattleSide burned = Side(Snorlax, 50);
    burned.Burned = true;
    BattleSide walled = Side(Tauros, 50);
    walled.Reflect = true;
    BattleSide shell = Maxed(Cloyster);
    shell.DefenseStage = 2;
    BattleSide shellReflect = shell;
    shellReflect.Reflect = true;
    const Case cases[] = {
        // Snorlax L50 Attack (125 × 2) × 50 / 100 + 5 = 130; Tauros L50
        // Defense 110 + 5 = 115, HP 90 + 60 = 150. Earthquake 100, no same
        // type, Ground on Normal ×1: 22 × 100 × 130 / 115 = 2486, / 50 = 49,
        // + 2 = 51; 51 × 217 / 255 = 43. Critical: level 100 → 42 × 100 × 130
        // / 115 = 4747, / 50 = 94, + 2 = 96; 96 × 217 / 255 = 81.
        {"neutral hit", Side(Snorlax, 50), Side(Tauros, 50), "Earthquake", {43, 51}, {81, 96}, 150},
        // Blastoise L50 Special 105, Golem L50 Special 75, HP 95 + 60 = 155.
        // Surf 95: 22 × 95 × 105 / 75 = 2926, / 50 = 58, + 2 = 60; same type
        // 90; Water → Rock 180, Water → Ground 360; 360 × 217 / 255 = 306.
        // Critical: 42 × 95 × 105 / 75 = 5586, / 50 = 111, + 2 = 113 → 169 →
        // 338 → 676; × 217 / 255 = 575.
        {"super effective, same type", Side(Blastoise, 50), Side(Golem, 50), "Surf", {306, 360}, {575, 676}, 155},
        // Charizard L50 Special 105, Omastar L50 Special 135, HP 145.
        // Flame Thrower 95: 2090 × 105 / 135 = 1625, / 50 = 32, + 2 = 34;
        // same type 51; Fire → Water 25, Fire → Rock 12; 12 × 217 / 255 = 10.
        // Critical: 3990 × 105 / 135 = 3103, / 50 = 62, + 2 = 64 → 96 → 48 →
        // 24; 24 × 217 / 255 = 20.
        {"double resisted", Side(Charizard, 50), Side(Omastar, 50), "Flame Thrower", {10, 12}, {20, 24}, 145},
        // Attack +2: 260; Defense −1: 115 × 66 / 100 = 75. 260 > 255, so both
        // ÷ 4: 65 and 18. 2200 × 65 / 18 = 7944, / 50 = 158, + 2 = 160;
        // 160 × 217 / 255 = 136. The critical hit drops the stages: 81–96,
        // less than a normal hit.
        {"critical hit ignores stages", staged, lowered, "Earthquake", {136, 160}, {81, 96}, 150},
        // Burn: 130 / 2 = 65; Reflect: 115 × 2 = 230. 2200 × 65 / 230 = 621,
        // / 50 = 12, + 2 = 14; 14 × 217 / 255 = 11. Critical: as unharmed.
        {"critical hit ignores burn and Reflect", burned, walled, "Earthquake", {11, 14}, {81, 96}, 150},
        // Mewtwo L100 maxed Attack 318; Cloyster L100 maxed Defense 453 + 5 =
        // 458, +2 → 916. Body Slam 85, no same type, Normal on Water/Ice ×1.
        // Above 255: 318 / 4 = 79, 916 / 4 = 229. 42 × 85 × 79 / 229 = 1231,
        // / 50 = 24, + 2 = 26; 26 × 217 / 255 = 22. Critical: level 200 →
        // 82, Defense 458 / 4 = 114: 82 × 85 × 79 / 114 = 4830, / 50 = 96,
        // + 2 = 98; 98 × 217 / 255 = 83.
        // HP: (65 × 2 + 63) + 110 = 303.
        {"stat above 255", Maxed(Mewtwo), shell, "Body Slam", {22, 26}, {83, 98}, 303},
        // With Reflect the Defense is 1832, / 4 = 458, of which the engine
        // keeps the low byte, 202: 42 × 85 × 79 / 202 = 1396, / 50 = 27, + 2
        // = 29; 29 × 217 / 255 = 24. Reflect makes it hit harder.
        {"Reflect wraps a Defense above 1023", Maxed(Mewtwo), shellReflect, "Body Slam", {24, 29}, {83, 98}, 303},
        // Electrode L50 Attack 65 + 5 = 70; Tauros Defense 115 halved: 57.
        // Explosion 170: 22 × 170 × 70 / 57 = 4592, / 50 = 91, + 2 = 93;
        // 93 × 217 / 255 = 79. Critical: 42 × 170 × 70 / 57 = 8768, / 50 = 175,
        // + 2 = 177; × 217 / 255 = 150.
        {"Explosion halves Defense", Side(Electrode, 50), Side(Tauros, 50), "Explosion", {79, 93}, {150, 177}, 150},
        // Nidoking L50 Attack 107 + 5 = 112. Double Kick 30: 22 × 30 × 112
        // / 115 = 642, / 50 = 12, + 2 = 14; Fighting on Normal 28; 28 × 217
        // / 255 = 23. Critical: 42 × 30 × 112 / 115 = 1227, / 50 = 24, + 2 =
        // 26 → 52; × 217 / 255 = 44. Per hit; two hits a use.
        {"multi-hit, per hit", Side(Nidoking, 50), Side(Tauros, 50), "Double Kick", {23, 28}, {44, 52}, 150},
        // Charizard (Fire/Flying) L50 Attack 99 × 2 / 2 + 5 = 104. Wing Attack
        // 35, Flying, its second type: 22 × 35 × 104 / 115 = 696, / 50 = 13,
        // + 2 = 15; same type 22; × 217 / 255 = 18. Critical: 42 × 35 × 104
        // / 115 = 1329, / 50 = 26, + 2 = 28 → 42; × 217 / 255 = 35.
        {"same type, the second one", Side(Charizard, 50), Side(Tauros, 50), "Wing Attack", {18, 22}, {35, 42}, 150},
    };
    for (const Case& c : cases) {
        const BattleResult r = ComputeBattle(c.attacker, c.defender, Move(c.move));
        EXPECT_EQ(r.Kind, BattleKind::Damage) << c.name;
        EXPECT_EQ(r.Damage.Min, c.damage.Min) << c.name;
        EXPECT_EQ(r.Damage.Max, c.damage.Max) << c.name;
        EXPECT_EQ(r.Critical.Min, c.critical.Min) << c.name;
        EXPECT_EQ(r.Critical.Max, c.critical.Max) << c.name;
        EXPECT_EQ(r.DefenderHp, c.hp) << c.name;
        EXPECT_TRUE(std::is_sorted(r.Rolls.begin(), r.Rolls.end())) << c.name;
    }
}

TEST(BattleDamage, WhatTheWindowShowsBesideTheDamage)
{
    const BattleResult surf = ComputeBattle(Side(Blastoise, 50), Side(Golem, 50), Move("Surf"));
    EXPECT_TRUE(surf.SameType);
    EXPECT_EQ(surf.Effectiveness, 16);
    EXPECT_EQ(surf.HitThreshold, 255);
    // Blastoise base Speed 78: 39 → 78 → 39.
    EXPECT_EQ(surf.CriticalThreshold, 39);
    // 306 or more against 155 HP: every hit knocks out, only the 1-in-256
    // miss saves it.
    EXPECT_NEAR(surf.KoChance[0], 255.0 / 256, 1e-12);
    EXPECT_NEAR(surf.KoChance[1], 1 - 1.0 / (256.0 * 256), 1e-12);
    EXPECT_NEAR(surf.KoChanceRollsOnly[0], 1, 1e-12);

    const BattleResult kick = ComputeBattle(Side(Nidoking, 50), Side(Tauros, 50), Move("Double Kick"));
    EXPECT_EQ(kick.HitsMin, 2);
    EXPECT_EQ(kick.HitsMax, 2);
    // Two hits of 23..28 a use: 46..56; 150 HP falls in 3 uses at best (138..168)
    // and always in 4 (184 or more).
    EXPECT_EQ(kick.KoChanceRollsOnly[1], 0);
    EXPECT_GT(kick.KoChanceRollsOnly[2], 0);
    EXPECT_LT(kick.KoChanceRollsOnly[2], 1);
    EXPECT_NEAR(kick.KoChanceRollsOnly[3], 1, 1e-12);

    EXPECT_TRUE(ComputeBattle(Side(Charizard, 50), Side(Tauros, 50), Move("Wing Attack")).SameType);
    EXPECT_FALSE(ComputeBattle(Side(Charizard, 50), Side(Tauros, 50), Move("Slash")).SameType);

    const BattleResult slash = ComputeBattle(Side(Tauros, 50), Side(Tauros, 50), Move("Slash"));
    // Tauros base Speed 110: 55 → 110 → 220 → 440, capped at 255.
    EXPECT_EQ(slash.CriticalThreshold, 255);
}

// The convolution against every sequence of outcomes, enumerated.
TEST(BattleDamage, KnockOutChancesMatchEnumeration)
{
    struct Outcome {
        int damage;
        double chance;
    };
    const auto enumerate = [](const std::vector<Outcome>& use, int hp, int uses) {
        double ko = 0;
        std::function<void(int, int, double)> walk = [&](int n, int left, double p) {
            if (left <= 0) {
                ko += p;
                return;
            }
            if (n == uses)
                return;
            for (const Outcome& o : use)
                walk(n + 1, left - o.damage, p * o.chance);
        };
        walk(0, hp, 1);
        return ko;
    };
    struct Case {
        BattleSide attacker, defender;
        const char* move;
    };
    const Case cases[] = {{Side(Snorlax, 50), Side(Tauros, 50), "Earthquake"},
                          {Side(Nidoking, 50), Side(Tauros, 50), "Double Kick"},
                          {Side(Tauros, 30), Side(Pikachu, 40), "Fury Attack"}};
    for (const Case& c : cases) {
        const BattleResult r = ComputeBattle(c.attacker, c.defender, Move(c.move));
        ASSERT_EQ(r.Kind, BattleKind::Damage) << c.move;
        std::vector<std::pair<int, double>> hits = {{r.HitsMin, 1.0}};
        if (r.HitsMax == 5)
            hits = {{2, 3.0 / 8}, {3, 3.0 / 8}, {4, 1.0 / 8}, {5, 1.0 / 8}};
        std::vector<Outcome> counted{{0, 1 - r.HitChance}}, rolls;
        for (const auto& [n, p] : hits)
            for (int i = 0; i < RollCount; ++i) {
                const double each = p / RollCount;
                counted.push_back({n * r.Rolls[i], each * r.HitChance * (1 - r.CriticalChance)});
                counted.push_back({n * r.CriticalRolls[i], each * r.HitChance * r.CriticalChance});
                rolls.push_back({n * r.Rolls[i], each});
            }
        for (int uses = 1; uses <= 2; ++uses)
            EXPECT_NEAR(r.KoChance[uses - 1], enumerate(counted, r.DefenderHp, uses), 1e-9) << c.move << uses;
        // Four uses only where one use has few outcomes (39 rolls: 2.3 million sequences).
        const int most = rolls.size() <= RollCount ? 4 : 3;
        for (int uses = 1; uses <= most; ++uses)
            EXPECT_NEAR(r.KoChanceRollsOnly[uses - 1], enumerate(rolls, r.DefenderHp, uses), 1e-9) << c.move << uses;
    }
}

TEST(BattleDamage, SetDamageIgnoresTypesAndCriticalHits)
{
    struct Case {
        const char* name;
        BattleSide attacker, defender;
        const char* move;
        DamageRange damage;
    };
    BattleSide opponent = Side(Mewtwo, 50);
    opponent.Opponent = true;
    BattleSide wounded = Side(Tauros, 50);
    wounded.CurrentHp = 101;
    const Case cases[] = {
        {"Sonic Boom on a Ghost", Side(Electrode, 20), Side(Gengar, 50), "Sonic Boom", {20, 20}},
        {"Dragon Rage", Side(Charizard, 20), Side(Tauros, 50), "Dragon Rage", {40, 40}},
        {"Seismic Toss on a Ghost", Side(Nidoking, 37), Side(Gengar, 50), "Seismic Toss", {37, 37}},
        // Power 0 in the games' table, and a Ghost move on a Normal target.
        {"Night Shade on a Normal", Side(Gengar, 37), Side(Tauros, 50), "Night Shade", {37, 37}},
        // 1.5 × 50 = 75, drawn below it: 1..74 for the player, 0..74 for the opponent.
        {"Psywave", Side(Mewtwo, 50), Side(Tauros, 50), "Psywave", {1, 74}},
        {"Psywave of the opponent", opponent, Side(Tauros, 50), "Psywave", {0, 74}},
        {"Super Fang halves what is left", Side(Pikachu, 50), wounded, "Super Fang", {50, 50}},
    };
    for (const Case& c : cases) {
        const BattleResult r = ComputeBattle(c.attacker, c.defender, Move(c.move));
        EXPECT_EQ(r.Kind, BattleKind::Damage) << c.name;
        EXPECT_EQ(r.Damage.Min, c.damage.Min) << c.name;
        EXPECT_EQ(r.Damage.Max, c.damage.Max) << c.name;
        EXPECT_EQ(r.CriticalChance, 0) << c.name;
    }
    // Psywave at level 1: 1 + 0 = 1, and no draw is below it but above 0.
    EXPECT_EQ(ComputeBattle(Side(Mewtwo, 1), Side(Tauros, 50), Move("Psywave")).Kind, BattleKind::GameFreezes);
}

TEST(BattleDamage, SuperFangKnocksOutOnlyFromOneHp)
{
    BattleSide two = Side(Tauros, 50);
    two.CurrentHp = 2;
    const BattleResult r = ComputeBattle(Side(Pikachu, 50), two, Move("Super Fang"));
    // 2 → 1 → 0: two hits. Accuracy 90 % → 229 / 256.
    const double h = 229.0 / 256;
    EXPECT_EQ(r.KoChanceRollsOnly, (std::array<double, 4>{0, 1, 1, 1}));
    EXPECT_NEAR(r.KoChance[0], 0, 1e-12);
    EXPECT_NEAR(r.KoChance[1], h * h, 1e-12);
    EXPECT_NEAR(r.KoChance[2], 3 * h * h * (1 - h) + h * h * h, 1e-12);
    // From full HP it never knocks out in four uses.
    EXPECT_EQ(ComputeBattle(Side(Pikachu, 50), Side(Tauros, 50), Move("Super Fang")).KoChanceRollsOnly[3], 0);
    // A current HP below 0 is refused as any other value out of range.
    two.CurrentHp = -1;
    EXPECT_THROW(ComputeBattle(Side(Pikachu, 50), two, Move("Super Fang")), std::out_of_range);
    BattleSide attacker = Side(Pikachu, 50);
    attacker.CurrentHp = -20;
    EXPECT_THROW(ComputeBattle(attacker, Side(Tauros, 50), Move("Tackle")), std::out_of_range);
}

// The engine tests for a critical hit before it computes the damage, and a
// critical hit reads the stats without stages or screens: where the damage
// without one falls to 0 or divides by zero, the critical hit still counts.
TEST(BattleDamage, ACriticalHitIsTestedFirstAndCountsOnItsOwn)
{
    // Bulbasaur L1 Special (80 × 2) × 1 / 100 + 5 = 6; the target's at +6 is
    // 24. Vine Whip 35: (1 × 2 / 5 + 2) × 35 × 6 / 24 = 17, / 50 = 0, + 2 = 2;
    // same type 3; Grass on Grass and on Poison: 3 × 5 / 10 = 1, × 5 / 10 = 0.
    // Critical: level 2, 2 × 35 × 6 / 6 = 70, / 50 = 1, + 2 = 3 → 4 → 2 → 1.
    BattleSide walled = Side(Bulbasaur, 1);
    walled.SpecialStage = 6;
    walled.CurrentHp = 1;
    const BattleResult vine = ComputeBattle(Side(Bulbasaur, 1), walled, Move("Vine Whip"));
    EXPECT_EQ(vine.Kind, BattleKind::Damage);
    EXPECT_EQ(vine.Damage.Max, 0);
    EXPECT_EQ(vine.Critical.Min, 1);
    EXPECT_EQ(vine.Critical.Max, 1);
    // Base Speed 45: 22 → 44 → 22 of 256; 100 % accuracy: 255 of 256. Only a
    // critical hit that hits takes the last point.
    const double ko = 22.0 / 256 * 255 / 256;
    EXPECT_NEAR(vine.KoChance[0], ko, 1e-12);
    EXPECT_NEAR(vine.KoChance[1], 1 - (1 - ko) * (1 - ko), 1e-12);
    EXPECT_EQ(vine.KoChanceRollsOnly[3], 0);

    // Mewtwo's Attack 318 scales the Defense 5 × 25 / 100 = 1 down to 0 and
    // the engine divides by it: the game stops, unless the critical test
    // passed (130 / 2 = 65 → 130 → 65 of 256), which reads the Defense of 5,
    // 5 / 4 = 1. Critical: 82 × 40 × 79 / 1 = 259120, / 50, capped at 997,
    // + 2 = 999: 850..999 against 40 HP. The test comes before the accuracy
    // test, so a miss without a critical hit freezes too.
    BattleSide frail = Side(Chansey, 5);
    frail.Dv = {0, 0, 0, 0};
    frail.DefenseStage = -6;
    const BattleResult pound = ComputeBattle(Maxed(Mewtwo), frail, Move("Pound"));
    ASSERT_EQ(pound.Kind, BattleKind::GameFreezes);
    const double c = 65.0 / 256, h = 255.0 / 256;
    EXPECT_NEAR(pound.FreezeChance, 1 - c, 1e-12);
    EXPECT_EQ(pound.Critical.Min, 850);
    EXPECT_EQ(pound.Critical.Max, 999);
    // Knocked out by the first use, or by the second after a critical miss
    // (the only use that neither knocks out nor stops the game).
    EXPECT_NEAR(pound.KoChance[0], c * h, 1e-12);
    EXPECT_NEAR(pound.KoChance[1], c * h + c * (1 - h) * c * h, 1e-12);
    EXPECT_EQ(pound.KoChanceRollsOnly[0], 0); // without critical hits every use freezes

    // Psywave at level 1 freezes only when it hits (80 % → 204 of 256).
    const BattleResult psywave = ComputeBattle(Side(Mewtwo, 1), Side(Tauros, 50), Move("Psywave"));
    EXPECT_EQ(psywave.Kind, BattleKind::GameFreezes);
    EXPECT_NEAR(psywave.FreezeChance, 204.0 / 256, 1e-12);
}

TEST(BattleDamage, TrappingMovesRepeatOneUsesDamageForTwoToFiveTurns)
{
    // The engine's trapping moves are the games' TRAPPING_EFFECT ones.
    for (const auto& row : facts::ReadTable("moves.csv")) {
        const int move = std::stoi(row.at("number")) - 1;
        EXPECT_EQ(IsTrapping(move), row.at("effect") == "TRAPPING_EFFECT") << row.at("move");
    }

    // Ekans L5 Attack 75 × 2 × 5 / 100 + 5 = 12; Geodude L5 Defense 115 × 2
    // × 5 / 100 + 5 = 16. Wrap 15: 4 × 15 × 12 / 16 = 45, / 50 = 0, + 2 = 2;
    // Normal on Rock 1 (on Ground ×1); 1 is not rolled. Critical: level 10,
    // 6 × 15 × 12 / 16 = 67, / 50 = 1, + 2 = 3 → 1. So each turn deals 1.
    // One accuracy test (85 % → 216 of 256 = h), then 2, 3, 4 or 5 turns with
    // 3/8, 3/8, 1/8, 1/8: a use deals 0 (1 − h), 2 or 3 (3h/8 each), 4 or 5
    // (h/8 each). From 4 HP:
    //   one use: 4 or 5 = h/4;
    //   two uses: a first of 4+ (h/4); a first of 2 or 3 (3h/4) then any hit
    //   (h); a first miss (1 − h) then 4+ (h/4) = h/4 + 3h²/4 + (1 − h)h/4.
    // Each turn a new roll and test would not change this 1, but one hit per
    // use, as a plain move, could never take 4 HP in one use.
    BattleSide geodude = Side(Geodude, 5);
    geodude.CurrentHp = 4;
    const BattleResult wrap = ComputeBattle(Side(Ekans, 5), geodude, Move("Wrap"));
    ASSERT_EQ(wrap.Kind, BattleKind::Damage);
    EXPECT_TRUE(wrap.Trapping);
    EXPECT_EQ(wrap.HitsMin, 2);
    EXPECT_EQ(wrap.HitsMax, 5);
    EXPECT_EQ(wrap.Damage.Max, 1);
    EXPECT_EQ(wrap.Critical.Max, 1);
    const double h = 216.0 / 256;
    EXPECT_NEAR(wrap.KoChance[0], h / 4, 1e-12);
    EXPECT_NEAR(wrap.KoChance[1], h / 4 + 3 * h * h / 4 + (1 - h) * h / 4, 1e-12);
    EXPECT_NEAR(wrap.KoChanceRollsOnly[0], 0.25, 1e-12);
    EXPECT_NEAR(wrap.KoChanceRollsOnly[1], 1, 1e-12);
    EXPECT_FALSE(ComputeBattle(Side(Ekans, 5), geodude, Move("Tackle")).Trapping);
}

TEST(BattleDamage, OneHitKnockOuts)
{
    // Kingler L50 Speed 95 against Golem's 65: slower target, it knocks out
    // whenever it hits (30 % → 76 / 256).
    const BattleResult hit = ComputeBattle(Side(Kingler, 50), Side(Golem, 50), Move("Guillotine"));
    EXPECT_EQ(hit.Kind, BattleKind::Damage);
    EXPECT_EQ(hit.Damage.Min, hit.DefenderHp);
    EXPECT_NEAR(hit.KoChance[0], 76.0 / 256, 1e-12);
    EXPECT_NEAR(hit.KoChanceRollsOnly[0], 1, 1e-12);

    struct Case {
        const char* name;
        BattleSide attacker, defender;
        const char* move;
        BattleKind kind;
    };
    BattleSide slowed = Side(Kingler, 50);
    slowed.SpeedStage = -2; // 95 → 47, below Golem's 65
    BattleSide even = Side(Golem, 50);
    even.SpeedStage = 0;
    const Case cases[] = {
        {"faster target", Side(Golem, 50), Side(Kingler, 50), "Horn Drill", BattleKind::NoEffect},
        {"slowed by a stage", slowed, Side(Golem, 50), "Guillotine", BattleKind::NoEffect},
        {"equal speed still hits", Side(Golem, 50), even, "Fissure", BattleKind::Damage},
        {"Ground on Flying", Side(Golem, 50), Side(Pidgeot, 10), "Fissure", BattleKind::NoEffect},
        {"Normal on Ghost", Side(Kingler, 50), Side(Gengar, 10), "Guillotine", BattleKind::NoEffect},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComputeBattle(c.attacker, c.defender, Move(c.move)).Kind, c.kind) << c.name;
}

TEST(BattleDamage, KindsWithoutFigures)
{
    BattleSide frail = Side(Chansey, 5);
    frail.Dv = {0, 0, 0, 0};
    frail.DefenseStage = -6; // Defense 5 → 1
    const std::tuple<const char*, BattleSide, BattleSide, const char*, BattleKind> cases[] = {
        {"status move", Side(Tauros, 50), Side(Tauros, 50), "Growl", BattleKind::NoDamage},
        {"Counter", Side(Tauros, 50), Side(Tauros, 50), "Counter", BattleKind::DependsOnBattle},
        {"Bide", Side(Tauros, 50), Side(Tauros, 50), "Bide", BattleKind::DependsOnBattle},
        {"Normal on Ghost", Side(Tauros, 50), Side(Gengar, 50), "Body Slam", BattleKind::NoEffect},
        {"Ground on Flying", Side(Golem, 50), Side(Pidgeot, 50), "Earthquake", BattleKind::NoEffect},
        // Attack 318 scales Defense 1 to 0, and the engine divides by it ...
        {"Defense scaled to 0", Maxed(Mewtwo), frail, "Pound", BattleKind::GameFreezes},
        // ... unless the move halves it first, which sets it to at least 1.
        {"Explosion keeps at least 1", Maxed(Mewtwo), frail, "Explosion", BattleKind::Damage},
    };
    for (const auto& [name, attacker, defender, move, kind] : cases)
        EXPECT_EQ(ComputeBattle(attacker, defender, Move(move)).Kind, kind) << name;
}
