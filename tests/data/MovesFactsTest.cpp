// The moves table, the TM/HM learners, the moves learnt by level and at level 1 against
// the Red/Blue fact tables, and the one spelling of each move everywhere.
#include "../catalogue/FactTables.h"
#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/Learners.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using cp1252::toUtf8;

TEST(MovesFacts, EveryMoveAsTheGamesHaveIt)
{
    const std::map<std::string, std::string> typeName{
        {"Normal", "Normal"},     {"Fire", "Fogo"},      {"Water", "Água"},       {"Grass", "Grama"},
        {"Electric", "Elétrico"}, {"Ice", "Gelo"},       {"Fighting", "Lutador"}, {"Poison", "Veneno"},
        {"Ground", "Terra"},      {"Flying", "Voador"},  {"Psychic", "Psíquico"}, {"Bug", "Inseto"},
        {"Rock", "Pedra"},        {"Ghost", "Fantasma"}, {"Dragon", "Dragão"}};
    const auto& f = facts::Load();
    ASSERT_EQ(MoveTable.size(), f.moves.size());
    for (std::size_t i = 0; i < f.moves.size(); ++i) {
        const auto& fact = f.moves[i];
        const MoveInfo& m = MoveTable[i];
        SCOPED_TRACE(fact.Name);
        EXPECT_EQ(m.Name, facts::Shown(fact.Name));
        EXPECT_EQ(toUtf8(TypeName(m.MoveType)), typeName.at(fact.Type));
        EXPECT_EQ(m.Power, fact.Power);
        EXPECT_EQ(m.Accuracy, fact.Accuracy);
        EXPECT_EQ(m.Pp, fact.Pp);
        EXPECT_FALSE(m.Effect.empty());
        EXPECT_EQ(FindMove(m.Name), static_cast<int>(i));
    }
}

// A chance said in per cent is the one the game fixes for the move's effect;
// the effects that carry a chance say it.
TEST(MovesFacts, EffectLinesTellTheGamesChances)
{
    const std::map<std::string, std::string> chance{
        {"BURN_SIDE_EFFECT1", "10%"},      {"BURN_SIDE_EFFECT2", "30%"},       {"FREEZE_SIDE_EFFECT1", "10%"},
        {"PARALYZE_SIDE_EFFECT1", "10%"},  {"PARALYZE_SIDE_EFFECT2", "30%"},   {"FLINCH_SIDE_EFFECT1", "10%"},
        {"FLINCH_SIDE_EFFECT2", "30%"},    {"POISON_SIDE_EFFECT1", "20%"},     {"POISON_SIDE_EFFECT2", "40%"},
        {"TWINEEDLE_EFFECT", "20%"},       {"CONFUSION_SIDE_EFFECT", "10%"},   {"DEFENSE_DOWN_SIDE_EFFECT", "33%"},
        {"SPEED_DOWN_SIDE_EFFECT", "33%"}, {"ATTACK_DOWN_SIDE_EFFECT", "33%"}, {"SPECIAL_DOWN_SIDE_EFFECT", "33%"}};
    const auto& f = facts::Load();
    for (std::size_t i = 0; i < f.moves.size(); ++i) {
        const std::string line = toUtf8(MoveTable[i].Effect);
        const auto it = chance.find(f.moves[i].Effect);
        if (it == chance.end())
            EXPECT_EQ(line.find('%'), std::string::npos) << f.moves[i].Name << ": " << line;
        else
            EXPECT_NE(line.find(it->second + ")"), std::string::npos) << f.moves[i].Name << ": " << line;
    }
    // Twineedle: the engine turns the move's effect into the 20 % poison side
    // effect once both hits are dealt, so there is one roll per use.
    const std::string twineedle = toUtf8(MoveTable[FindMove("Twineedle")].Effect);
    EXPECT_NE(twineedle.find("segundo golpe"), std::string::npos) << twineedle;
    EXPECT_EQ(twineedle.find("cada golpe"), std::string::npos) << twineedle;
}

// What "Poder" says follows how the engine finds the damage, which it picks
// out by effect and by the move itself, never by the power byte alone.
TEST(MovesFacts, PowerSaysHowTheEngineFindsTheDamage)
{
    const std::map<std::string, std::string> shown{
        {"Thunderbolt", "95"},            // from power, stats and levels
        {"Growl", "—"},                   // no damage at all
        {"Sonic Boom", "20 fixo"},        // SPECIAL_DAMAGE_EFFECT: always 20
        {"Dragon Rage", "40 fixo"},       // SPECIAL_DAMAGE_EFFECT: always 40
        {"Seismic Toss", "nível"},        // SPECIAL_DAMAGE_EFFECT: the user's level
        {"Night Shade", "nível"},         // the same, though its power byte is 0
        {"Psywave", "varia"},             // SPECIAL_DAMAGE_EFFECT: random, below 1.5 x level
        {"Super Fang", "½ da Energia"},   // SUPER_FANG_EFFECT: half the target's HP
        {"Fissure", "nocaute"},           // OHKO_EFFECT
        {"Counter", "dobro do recebido"}, // twice the last Normal or Fighting damage taken
        {"Bide", "dobro do recebido"}};   // BIDE_EFFECT: twice the damage taken while waiting
    for (const auto& [name, text] : shown)
        EXPECT_EQ(toUtf8(PowerText(FindMove(facts::Shown(name)))), text) << name;
}

TEST(MovesFacts, EveryTmAndHmPair)
{
    const auto& f = facts::Load();
    for (int m = 0; m < MachineCount; ++m) {
        const bool hm = m >= TmCount;
        const std::string kind = hm ? "HM" : "TM";
        const int number = hm ? m - TmCount + 1 : m + 1;
        char name[8];
        std::snprintf(name, sizeof name, "%s %02d", kind.c_str(), number % 100);
        EXPECT_EQ(MachineName(m), name);
        EXPECT_EQ(std::string(MoveTable[MachineMove(m)].Name), facts::Shown(f.machineMove.at({kind, number})));
        EXPECT_EQ(MachineOfMove(MachineMove(m)), m);
        for (int n = 1; n <= 151; ++n)
            EXPECT_EQ(CanLearnMachine(n, m), f.machines.count({n, kind, number}) == 1)
                << "#" << n << " " << kind << " " << number;
    }
    EXPECT_FALSE(CanLearnMachine(0, 0));
    EXPECT_FALSE(CanLearnMachine(152, 0));
    EXPECT_FALSE(CanLearnMachine(151, MachineCount));
    EXPECT_EQ(MachineOfMove(FindMove("Tackle")), -1);
}

// Every move the catalogue names is a row of the moves table, and every move
// of the games maps onto exactly one row: one spelling of each move.
TEST(MovesFacts, OneSpellingOfEachMove)
{
    const auto& f = facts::Load();
    std::set<std::string> table, games;
    for (const MoveInfo& m : MoveTable)
        table.insert(std::string(m.Name));
    for (const auto& m : f.moves)
        games.insert(facts::Shown(m.Name));
    EXPECT_EQ(table.size(), MoveTable.size());
    EXPECT_EQ(games, table);
    for (int row = 0; row < Catalogue::RowCount; ++row)
        for (const LevelMove& m : LevelMovesOf(row))
            EXPECT_GE(FindMove(m.Move), 0) << "row " << row << ": " << m.Move;
}

// The moves learnt by level, for every creature, are the games' (written as
// the catalogue writes them: a starting move also learnt later only with its
// level); they differ from the catalogue's own lines only where the
// corrections name, so no other difference creeps in.
TEST(MovesFacts, LevelMovesAreTheGamesAndDifferOnlyWhereCorrected)
{
    const auto& f = facts::Load();
    std::set<std::pair<int, std::string>> differences;
    for (int n = 1; n <= 151; ++n) {
        SCOPED_TRACE(testing::Message() << "#" << n);
        std::set<std::string> learntByLevel;
        std::vector<std::string> expected;
        for (const auto& m : f.learnsets.at(n))
            if (!m.Start)
                learntByLevel.insert(m.Name);
        for (const auto& m : f.learnsets.at(n))
            if (m.Start && !learntByLevel.count(m.Name))
                expected.push_back(std::string("LVL --- ").append(facts::Shown(m.Name)));
        for (const auto& m : f.learnsets.at(n))
            if (!m.Start)
                expected.push_back(std::string(m.Level < 10 ? "LVL 0" : "LVL ")
                                       .append(std::to_string(m.Level))
                                       .append(" ")
                                       .append(facts::Shown(m.Name)));
        const int row = Catalogue::RowOfNumber(n);
        std::vector<std::string> lines;
        for (const LevelMove& m : LevelMovesOf(row))
            lines.push_back(LevelMoveLine(m));
        EXPECT_EQ(lines, expected);

        const auto& given = Catalogue::Entry(row).Learnset;
        const std::set<std::string> catalogue(given.begin(), given.end());
        for (const LevelMove& m : LevelMovesOf(row))
            if (!catalogue.count(LevelMoveLine(m)))
                differences.insert({n, std::string(m.Move)});
        EXPECT_EQ(lines.size() - given.size(), static_cast<std::size_t>(n == 151)); // only Pound is added
    }
    const std::set<std::pair<int, std::string>> named{{2, "Leech Seed"}, {2, "Vine Whip"}, {151, "Pound"}};
    EXPECT_EQ(differences, named);
    std::set<std::pair<int, std::string>> corrections;
    for (const LearnsetCorrection& c : LearnsetCorrections)
        corrections.insert({c.Number, std::string(c.Move)});
    EXPECT_EQ(corrections, named);
    // #000 has no record in the games: its lines stand as given.
    const auto missingno = LevelMovesOf(Catalogue::RowOfNumber(0));
    ASSERT_EQ(missingno.size(), 4u);
    EXPECT_EQ(LevelMoveLine(missingno[2]), "LVL 30 Metronome");
}

// The level-1 moves are each creature's base data's, in its order, every one
// a move of the table; with the moves learnt by level after them they are the
// whole learnset the engine reads, a starting move learnt again later twice
// (Gyarados's Bite at 1 and at 20).
TEST(MovesFacts, GamesLearnsetIsTheBaseDataThenTheLevelMoves)
{
    const auto& f = facts::Load();
    for (int n = 1; n <= 151; ++n) {
        SCOPED_TRACE(testing::Message() << "#" << n);
        std::vector<std::string> levelOne;
        std::vector<std::pair<int, std::string>> expected;
        for (const auto& m : f.learnsets.at(n)) {
            if (m.Start)
                levelOne.push_back(facts::Shown(m.Name));
            expected.push_back({m.Start ? 1 : m.Level, facts::Shown(m.Name)});
        }
        const auto given = LevelOneMoves(n);
        EXPECT_EQ(std::vector<std::string>(given.begin(), given.end()), levelOne);
        for (const std::string_view move : given)
            EXPECT_GE(FindMove(move), 0) << move;
        std::vector<std::pair<int, std::string>> learnset;
        for (const LevelMove& m : GamesLearnset(n))
            learnset.push_back({m.Level, std::string(m.Move)});
        EXPECT_EQ(learnset, expected);
    }
    EXPECT_THROW(LevelOneMoves(0), std::out_of_range);
    EXPECT_THROW(GamesLearnset(152), std::out_of_range);
}

// How each move deals damage follows the games' effect column; the special-
// damage effect covers four rules, told apart by move.
TEST(MovesFacts, DamageRulesFollowTheGamesEffects)
{
    const auto& moves = facts::Load().moves;
    ASSERT_EQ(moves.size(), MoveTable.size());
    const std::map<std::string, DamageRule> byEffect = {{"TWO_TO_FIVE_ATTACKS_EFFECT", DamageRule::TwoToFive},
                                                        {"ATTACK_TWICE_EFFECT", DamageRule::Twice},
                                                        {"TWINEEDLE_EFFECT", DamageRule::Twice},
                                                        {"EXPLODE_EFFECT", DamageRule::Explosion},
                                                        {"OHKO_EFFECT", DamageRule::OneHitKo},
                                                        {"SUPER_FANG_EFFECT", DamageRule::SuperFang},
                                                        {"SWIFT_EFFECT", DamageRule::NeverMisses},
                                                        {"BIDE_EFFECT", DamageRule::Battle}};
    // The special-damage effect covers four rules, told apart by move.
    const std::map<std::string, MoveRule> special = {{"Sonic Boom", {DamageRule::Fixed, 20}},
                                                     {"Dragon Rage", {DamageRule::Fixed, 40}},
                                                     {"Seismic Toss", {DamageRule::Level, 0}},
                                                     {"Night Shade", {DamageRule::Level, 0}},
                                                     {"Psywave", {DamageRule::Psywave, 0}}};
    const std::set<std::string> highCritical = {"Karate Chop", "Razor Leaf", "Crabhammer", "Slash"};
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const facts::MoveFacts& m = moves[i];
        const MoveRule rule = MoveRuleOf(static_cast<int>(i));
        MoveRule expected{m.Power == 0 ? DamageRule::None : DamageRule::Formula, 0};
        if (m.Effect == "SPECIAL_DAMAGE_EFFECT")
            expected = special.at(m.Name);
        else if (byEffect.count(m.Effect))
            expected = {byEffect.at(m.Effect), 0};
        else if (m.Name == "Counter")
            expected = {DamageRule::Battle, 0};
        else if (highCritical.count(m.Name))
            expected = {DamageRule::HighCritical, 0};
        EXPECT_EQ(rule.Rule, expected.Rule) << m.Name;
        EXPECT_EQ(rule.Amount, expected.Amount) << m.Name;
    }
}

} // namespace
