// The damage calculator without a display: the sides as typed, the move list
// that puts the attacker's own first, figures that are the battle rules'
// own, and bad input refused in its note and at the top of the result,
// whose last valid figures are marked as such.
#include "views/DamageView.h"

#include "data/Moves.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using V = std::vector<std::string>;
using C = Combatant;

std::string W(const char* utf8)
{
    return cp1252::fromUtf8(utf8);
}

species::Creature Creature(int number)
{
    return *species::Creature::FromNumber(number);
}

BattleSide Side(int species, int level, int statExp = 0)
{
    BattleSide s;
    s.Species = species;
    s.Level = level;
    s.StatExp.fill(statExp);
    return s;
}

// What the rules give for these sides, as the window words it.
V Expected(const BattleSide& a, const BattleSide& d, const char* move)
{
    return ResultLines(ComputeBattle(a, d, FindMove(move)), FindMove(move), d.Species);
}

constexpr int Bulbasaur = 1, Pikachu = 25, Gyarados = 130, Tauros = 128, Chansey = 113, Gengar = 94;

// Pikachu at level 30 and Gyarados at 28, as a person sets them up.
DamageView PikachuOnGyarados(const char* move)
{
    DamageView v;
    v.ChooseCreature(C::Attacker, Creature(Pikachu));
    v.TypeLevel(C::Attacker, "30");
    v.ChooseCreature(C::Defender, Creature(Gyarados));
    v.TypeLevel(C::Defender, "28");
    v.ChooseMove(FindMove(move));
    return v;
}

// The ranking `v` shows is the rules' own for these sides: each of the
// attacker's own moves once, its line the result's, no move after a better
// one, and those without damage last in list order.
void ExpectRanking(const DamageView& v, const BattleSide& a, const BattleSide& d)
{
    const auto& listed = v.ListedMoves();
    const auto& ranking = v.Ranking();
    const int parting = v.PartingLine();
    ASSERT_GT(parting, 0);
    std::vector<int> own, ranked, withoutDamage, ownWithoutDamage;
    std::vector<BattleResult> results;
    for (int i = 0; i < parting; ++i)
        own.push_back(*listed[static_cast<std::size_t>(i)]);
    const auto damages = [](const BattleResult& r) {
        return r.Kind == BattleKind::Damage || r.Kind == BattleKind::GameFreezes;
    };
    for (const RankedMove& r : ranking) {
        ranked.push_back(r.Move);
        results.push_back(ComputeBattle(a, d, r.Move));
        EXPECT_EQ(r.Line, SummaryLine(results.back(), r.Move, d.Species));
        if (!damages(results.back()))
            withoutDamage.push_back(r.Move);
    }
    EXPECT_TRUE(std::is_permutation(own.begin(), own.end(), ranked.begin(), ranked.end()));
    for (std::size_t i = 1; i < results.size(); ++i)
        EXPECT_FALSE(BetterMove(results[i], results[i - 1])) << ranking[i].Line << " after " << ranking[i - 1].Line;
    for (int m : own)
        if (!damages(ComputeBattle(a, d, m)))
            ownWithoutDamage.push_back(m);
    EXPECT_EQ(withoutDamage, ownWithoutDamage);
}

} // namespace

TEST(DamageView, ChoosersStagesAndTheStartingSides)
{
    const V creatures = DamageView::CreatureLines();
    ASSERT_EQ(creatures.size(), 151u);
    EXPECT_EQ(creatures[0], "#001 - Bulbasaur");
    EXPECT_EQ(creatures[150], "#151 - Mew");
    EXPECT_EQ(DamageView::CreatureAtLine(Pikachu - 1), Creature(Pikachu));
    EXPECT_EQ(DamageView::LineOf(Creature(Pikachu)), Pikachu - 1);
    EXPECT_THROW(DamageView::CreatureAtLine(151), std::out_of_range);
    EXPECT_THROW(DamageView::CreatureAtLine(-1), std::out_of_range);
    const V stages = DamageView::StageLines();
    EXPECT_EQ(stages, (V{"-6", "-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3", "+4", "+5", "+6"}));
    EXPECT_EQ(DamageView::StageAtLine(8), 2);
    EXPECT_EQ(DamageView::LineOfStage(-6), 0);
    EXPECT_THROW(DamageView::StageAtLine(13), std::out_of_range);

    const DamageView v;
    for (C who : {C::Attacker, C::Defender}) {
        EXPECT_EQ(v.CreatureOf(who), Creature(Bulbasaur));
        EXPECT_EQ(v.Level(who).Text, "50");
        EXPECT_EQ(v.Dv(who, Stat::Special).Value, 15);
        EXPECT_EQ(v.StatExp(who).Value, 0);
        EXPECT_EQ(v.StageOf(who, Stat::Speed), 0);
        EXPECT_EQ(v.LevelNote(who), (FieldNote{"1 a 100", false}));
        EXPECT_EQ(v.DvNote(who), (FieldNote{"DVs de 0 a 15", false}));
        EXPECT_EQ(v.StatExpNote(who), (FieldNote{"0 a 65535 (cada atributo)", false}));
        EXPECT_EQ(v.HpDvText(who), "15");
    }
    // No move until an attacker is chosen: nothing to say yet.
    EXPECT_FALSE(v.Move());
    EXPECT_TRUE(v.MoveLines().empty());
    EXPECT_TRUE(v.ResultLines().empty());
    EXPECT_EQ(v.MoveLine(), -1);
    EXPECT_TRUE(v.Ranking().empty());
    EXPECT_EQ(v.RankingLine(), -1);
}

TEST(DamageView, TheMoveListPutsTheAttackersOwnFirstAndKeepsTheMoveChosen)
{
    DamageView v;
    v.ChooseCreature(C::Attacker, Creature(Pikachu));
    // Its own moves first (by level, then by machine), a parting line, the rest by name.
    const auto& listed = v.ListedMoves();
    ASSERT_EQ(listed.size(), 166u);
    ASSERT_EQ(v.MoveLines().size(), listed.size());
    EXPECT_EQ(v.MoveLines()[0], "Thundershock");
    EXPECT_EQ(v.Move(), FindMove("Thundershock")); // the first of its own
    EXPECT_EQ(v.MoveLine(), 0);
    const int parting = v.PartingLine();
    ASSERT_GT(parting, 0);
    EXPECT_EQ(v.MoveLines()[static_cast<std::size_t>(parting)], W("—— outros golpes ——"));
    EXPECT_EQ(std::count(listed.begin(), listed.end(), std::nullopt), 1);
    const auto line = [&](const char* name) { return std::find(listed.begin(), listed.end(), FindMove(name)); };
    EXPECT_LT(line("Thunderbolt") - listed.begin(), parting);
    EXPECT_GT(line("Earthquake") - listed.begin(), parting);
    EXPECT_TRUE(std::is_sorted(listed.begin() + parting + 1, listed.end(), [](auto a, auto b) {
        return MoveTable[static_cast<std::size_t>(*a)].Name < MoveTable[static_cast<std::size_t>(*b)].Name;
    }));
    for (std::size_t i = 0; i < listed.size(); ++i)
        if (listed[i]) {
            EXPECT_EQ(v.MoveLines()[i], MoveTable[static_cast<std::size_t>(*listed[i])].Name) << i;
        }

    // The parting line is no move: choosing it changes nothing.
    v.ChooseMoveLine(parting + 1);
    const std::optional<int> chosen = v.Move();
    EXPECT_EQ(chosen, listed[static_cast<std::size_t>(parting) + 1]);
    v.ChooseMoveLine(parting);
    EXPECT_EQ(v.Move(), chosen);
    EXPECT_EQ(v.MoveLine(), parting + 1);
    EXPECT_THROW(v.ChooseMoveLine(166), std::out_of_range);
    EXPECT_THROW(v.ChooseMove(-1), std::out_of_range);
    EXPECT_THROW(v.ChooseMove(static_cast<int>(MoveTable.size())), std::out_of_range);

    // Another attacker lists its own moves; the move chosen stays.
    v.ChooseMove(FindMove("Thunderbolt"));
    v.ChooseCreature(C::Attacker, Creature(Tauros));
    EXPECT_EQ(v.Move(), FindMove("Thunderbolt"));
    EXPECT_NE(v.MoveLines()[0], "Thundershock");
    EXPECT_EQ(v.MoveLines()[static_cast<std::size_t>(v.MoveLine())], "Thunderbolt");
    // #000 has no stats: the first creature stands in for it.
    v.ChooseCreature(C::Attacker, Creature(0));
    EXPECT_EQ(v.CreatureOf(C::Attacker), Creature(Bulbasaur));
    v.ChooseCreature(C::Defender, Creature(0));
    EXPECT_EQ(v.CreatureOf(C::Defender), Creature(Bulbasaur));
}

TEST(DamageView, FiguresAreTheRulesOwnForEverythingChosen)
{
    DamageView v = PikachuOnGyarados("Thunderbolt");
    BattleSide attacker = Side(Pikachu, 30), defender = Side(Gyarados, 28);
    EXPECT_EQ(v.ResultLines(), Expected(attacker, defender, "Thunderbolt"));
    // By hand: Special 44 against 69, 14 × 95 × 44 / 69 / 50 + 2 = 18;
    // same type 27; Electric on Water and on Flying: 108, × 217 / 255 = 91.
    ASSERT_FALSE(v.ResultLines().empty());
    EXPECT_EQ(v.ResultLines()[0], W("Dano: 91–108 (91,9–109,1% da Energia)"));
    EXPECT_EQ(v.StatsLine(C::Attacker), "Energia 70, Ataque 47, Defesa 32, Velocidade 68, Especial 44");
    EXPECT_EQ(v.StatsLine(C::Defender), "Energia 99, Ataque 83, Defesa 57, Velocidade 58, Especial 69");
    EXPECT_EQ(v.HpDvText(C::Attacker), "15");

    // A DV changes the HP DV and the stats with it.
    v.TypeDv(C::Attacker, Stat::Attack, "14"); // the HP DV loses its top bit
    attacker.Dv.Attack = 14;
    EXPECT_EQ(v.HpDvText(C::Attacker), "7");
    // HP (35 + 7) × 2 × 30 ÷ 100 + 40 = 65; Attack (55 + 14) × 2 × 30 ÷ 100 + 5 = 46.
    EXPECT_EQ(v.StatsLine(C::Attacker), "Energia 65, Ataque 46, Defesa 32, Velocidade 68, Especial 44");
    v.TypeDv(C::Defender, Stat::Speed, "2"); // an even Speed DV clears the HP DV's third bit
    defender.Dv.Speed = 2;
    EXPECT_EQ(v.HpDvText(C::Defender), "13");
    // Every stage reaches its own stat, each tick its own side.
    v.ChooseStage(C::Attacker, Stat::Special, 2);
    attacker.SpecialStage = 2;
    v.ChooseStage(C::Defender, Stat::Special, -1);
    defender.SpecialStage = -1;
    v.ChooseStage(C::Defender, Stat::Defense, 3);
    defender.DefenseStage = 3;
    v.TickLightScreen(true);
    defender.LightScreen = true;
    EXPECT_EQ(v.ResultLines(), Expected(attacker, defender, "Thunderbolt"));
    EXPECT_EQ(v.StageOf(C::Defender, Stat::Defense), 3);
    EXPECT_THROW(v.ChooseStage(C::Attacker, Stat::Attack, 7), std::out_of_range);
    EXPECT_THROW(v.ChooseStage(C::Attacker, Stat::Hp, 0), std::invalid_argument);
    EXPECT_THROW(v.TypeDv(C::Attacker, Stat::Hp, "1"), std::invalid_argument);

    // Tauros' Body Slam on Chansey at level 100, the most stat experience,
    // then burned and behind Reflect: a physical move feels both.
    v.ChooseCreature(C::Attacker, Creature(Tauros));
    v.ChooseCreature(C::Defender, Creature(Chansey));
    for (C who : {C::Attacker, C::Defender}) {
        v.TypeLevel(who, "100");
        v.TypeDv(who, Stat::Attack, "15");
        v.TypeDv(who, Stat::Speed, "15");
        for (Stat s : DamageView::FieldStats)
            v.ChooseStage(who, s, 0);
        v.MaxStatExpRequested(who);
        EXPECT_EQ(v.StatExp(who).Text, "65535");
    }
    v.TickLightScreen(false);
    v.ChooseMove(FindMove("Body Slam"));
    BattleSide tauros = Side(Tauros, 100, 65535), chansey = Side(Chansey, 100, 65535);
    EXPECT_EQ(v.ResultLines(), Expected(tauros, chansey, "Body Slam"));
    v.TickBurned(true);
    v.TickReflect(true);
    tauros.Burned = chansey.Reflect = true;
    EXPECT_TRUE(v.Burned() && v.Reflect() && !v.LightScreen());
    EXPECT_EQ(v.ResultLines(), Expected(tauros, chansey, "Body Slam"));
    EXPECT_NE(v.ResultLines(), Expected(Side(Tauros, 100, 65535), Side(Chansey, 100, 65535), "Body Slam"));
    // The text box holds the same lines.
    std::string all;
    for (const std::string& l : v.ResultLines())
        all += (all.empty() ? "" : "\n") + l;
    EXPECT_EQ(v.ResultText(), all);
}

// Which of its moves hurts the defender most, in one look: every move of the
// attacker's own ranked as the sides stand, and a line chosen is the move.
TEST(DamageView, TheAttackersOwnMovesRankedBestFirstAgainstTheDefender)
{
    DamageView v = PikachuOnGyarados("Tackle");
    ASSERT_FALSE(v.Ranking().empty());
    ExpectRanking(v, Side(Pikachu, 30), Side(Gyarados, 28));
    EXPECT_EQ(v.RankingTitle(), "Golpes do atacante contra o defensor, do melhor ao pior");
    // The figures worked by hand above, in the ranking's words.
    const auto bolt = std::find_if(v.Ranking().begin(), v.Ranking().end(),
                                   [](const RankedMove& r) { return r.Move == FindMove("Thunderbolt"); });
    ASSERT_NE(bolt, v.Ranking().end());
    EXPECT_EQ(bolt->Line.rfind(W("Thunderbolt — 91–108 (91,9–109,1% da Energia) — nocaute em 1 uso: "), 0), 0u)
        << bolt->Line;

    // Against Gengar, with every kind of setting: Normal moves have no effect,
    // status moves no damage; all come last, in the list's order.
    v.ChooseCreature(C::Defender, Creature(Gengar));
    v.TypeLevel(C::Attacker, "40");
    v.TypeDv(C::Attacker, Stat::Special, "9");
    v.TypeStatExp(C::Defender, "2500");
    v.ChooseStage(C::Attacker, Stat::Special, 1);
    v.ChooseStage(C::Defender, Stat::Defense, -2);
    v.TickBurned(true);
    v.TickReflect(true);
    BattleSide pikachu = Side(Pikachu, 40), gengar = Side(Gengar, 28, 2500);
    pikachu.Dv.Special = 9;
    pikachu.SpecialStage = 1;
    pikachu.Burned = true;
    gengar.DefenseStage = -2;
    gengar.Reflect = true;
    ExpectRanking(v, pikachu, gengar);
    const auto lineOf = [&](const char* move) {
        const auto at = std::find_if(v.Ranking().begin(), v.Ranking().end(),
                                     [&](const RankedMove& r) { return r.Move == FindMove(move); });
        return at == v.Ranking().end() ? std::string("(not ranked)") : at->Line;
    };
    EXPECT_EQ(lineOf("Quick Attack"), W("Quick Attack — sem efeito em Gengar"));
    EXPECT_EQ(lineOf("Growl"), W("Growl — não causa dano"));
    // Each change ranks anew: Light Screen halves Thunderbolt's figures.
    const std::string boltBefore = lineOf("Thunderbolt");
    v.TickLightScreen(true);
    gengar.LightScreen = true;
    ExpectRanking(v, pikachu, gengar);
    EXPECT_NE(lineOf("Thunderbolt"), boltBefore);

    // A line chosen is its move, and the result follows it.
    const int last = static_cast<int>(v.Ranking().size()) - 1;
    for (int line : {last, 0}) {
        const int move = v.Ranking()[static_cast<std::size_t>(line)].Move;
        v.ChooseRankingLine(line);
        EXPECT_EQ(v.Move(), move);
        EXPECT_EQ(v.RankingLine(), line);
        EXPECT_EQ(v.ListedMoves()[static_cast<std::size_t>(v.MoveLine())], move);
        EXPECT_EQ(v.ResultLines(), ResultLines(ComputeBattle(pikachu, gengar, move), move, Gengar));
    }
    EXPECT_THROW(v.ChooseRankingLine(last + 1), std::out_of_range);
    EXPECT_THROW(v.ChooseRankingLine(-1), std::out_of_range);
    // A move that is not the attacker's own has no line; choosing a move
    // changes no line.
    const std::vector<RankedMove> ranking = v.Ranking();
    v.ChooseMove(FindMove("Earthquake"));
    EXPECT_EQ(v.RankingLine(), -1);
    EXPECT_EQ(v.Ranking(), ranking);
    EXPECT_EQ(v.ResultLines(), Expected(pikachu, gengar, "Earthquake"));
}

TEST(DamageView, BadInputIsRefusedInItsNoteAndAtTheTopOfTheMarkedLastResult)
{
    enum Kind { Level, DvAttack, DvDefense, StatExp };
    struct Case {
        C who;
        Kind field;
        const char* typed;
        const char* says;
        const char* correction;
    };
    const Case cases[] = {
        {C::Attacker, Level, "0", "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100"},
        {C::Attacker, Level, "101", "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100"},
        {C::Attacker, Level, "abc", "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100"},
        // Digits with something else are no number either.
        {C::Attacker, Level, "5a", "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100"},
        {C::Attacker, Level, "1 2", "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100"},
        {C::Attacker, DvAttack, "+5", "DV de Ataque inválido: use 0 a 15",
         "Corrija o DV de Ataque do Atacante: use 0 a 15"},
        {C::Defender, Level, "-5", "Inválido: use 1 a 100", "Corrija o nível do Defensor: use 1 a 100"},
        {C::Attacker, DvDefense, "16", "DV de Defesa inválido: use 0 a 15",
         "Corrija o DV de Defesa do Atacante: use 0 a 15"},
        {C::Attacker, StatExp, "70000", "Inválido: use 0 a 65535",
         "Corrija a experiência de status do Atacante: use 0 a 65535"},
        {C::Defender, StatExp, "", "Inválido: use 0 a 65535",
         "Corrija a experiência de status do Defensor: use 0 a 65535"},
    };
    for (const Case& c : cases) {
        DamageView v = PikachuOnGyarados("Tackle");
        const V valid = v.ResultLines();
        ASSERT_FALSE(valid.empty());
        const C other = c.who == C::Attacker ? C::Defender : C::Attacker;
        const std::string otherStats = v.StatsLine(other);
        const std::vector<RankedMove> ranking = v.Ranking();
        auto type = [&](const char* text) {
            switch (c.field) {
            case Level: v.TypeLevel(c.who, text); break;
            case DvAttack: v.TypeDv(c.who, Stat::Attack, text); break;
            case DvDefense: v.TypeDv(c.who, Stat::Defense, text); break;
            case StatExp: v.TypeStatExp(c.who, text); break;
            }
        };
        type(c.typed);
        const FieldNote note = c.field == Level     ? v.LevelNote(c.who)
                               : c.field == StatExp ? v.StatExpNote(c.who)
                                                    : v.DvNote(c.who);
        EXPECT_EQ(note, (FieldNote{W(c.says), true})) << c.typed;
        const V stale{W(c.correction), W("Últimos valores válidos (não incluem as mudanças feitas depois deles):")};
        V expected = stale;
        expected.insert(expected.end(), valid.begin(), valid.end());
        EXPECT_EQ(v.ResultLines(), expected) << c.typed;
        EXPECT_EQ(v.Ranking(), ranking) << c.typed << ": the last valid one, as the figures";
        EXPECT_EQ(v.RankingTitle(), W("Golpes do atacante contra o defensor, do melhor ao pior — últimos valores "
                                      "válidos"))
            << c.typed;
        // The side with the wrong field shows no stats, the other its own.
        EXPECT_EQ(v.StatsLine(c.who), W("—")) << c.typed;
        EXPECT_EQ(v.StatsLine(other), otherStats) << c.typed;
        const bool dv = c.field == DvAttack || c.field == DvDefense;
        EXPECT_EQ(v.HpDvText(c.who), dv ? W("—") : "15") << c.typed;
        if (dv) {
            const Stat stat = c.field == DvAttack ? Stat::Attack : Stat::Defense;
            EXPECT_EQ(v.DvDescription(c.who, stat), W(c.says)) << c.typed;
            EXPECT_EQ(v.DvDescription(c.who, Stat::Speed), "0 a 15") << c.typed;
            EXPECT_FALSE(v.Dv(c.who, stat).Value) << c.typed;
            EXPECT_EQ(v.Dv(c.who, stat).Text, c.typed);
        }
        // Another change elsewhere changes no figure while it is wrong.
        v.ChooseMove(FindMove("Pound"));
        v.TickLightScreen(true);
        EXPECT_EQ(v.ResultLines(), expected) << c.typed;
        v.TickLightScreen(false);
        v.ChooseMove(FindMove("Tackle"));
        // Corrected, the figures are the valid ones again, unmarked.
        type(c.field == Level ? (c.who == C::Attacker ? "30" : "28") : c.field == StatExp ? "0" : "15");
        EXPECT_EQ(v.ResultLines(), valid) << c.typed;
        EXPECT_EQ(v.RankingTitle(), "Golpes do atacante contra o defensor, do melhor ao pior") << c.typed;
        EXPECT_FALSE(v.LevelNote(c.who).Wrong || v.DvNote(c.who).Wrong || v.StatExpNote(c.who).Wrong) << c.typed;
    }

    // Wrong from the start: what to correct, and no figures to mark.
    DamageView fresh;
    fresh.TypeLevel(C::Defender, "");
    fresh.ChooseCreature(C::Attacker, Creature(Pikachu));
    EXPECT_EQ(fresh.ResultLines(), V{W("Corrija o nível do Defensor: use 1 a 100")});
    EXPECT_TRUE(fresh.Ranking().empty());
    EXPECT_EQ(fresh.RankingTitle(), "Golpes do atacante contra o defensor, do melhor ao pior") << "nothing to mark";

    // Several wrong fields: one line each, in the window's order; the DV
    // note names the first wrong DV.
    DamageView v = PikachuOnGyarados("Tackle");
    const V valid = v.ResultLines();
    v.TypeStatExp(C::Defender, "x");
    v.TypeDv(C::Attacker, Stat::Special, "99");
    v.TypeDv(C::Attacker, Stat::Speed, "-1");
    v.TypeLevel(C::Attacker, "0");
    V expected{W("Corrija o nível do Atacante: use 1 a 100"), W("Corrija o DV de Velocidade do Atacante: use 0 a 15"),
               W("Corrija o DV de Especial do Atacante: use 0 a 15"),
               W("Corrija a experiência de status do Defensor: use 0 a 65535"),
               W("Últimos valores válidos (não incluem as mudanças feitas depois deles):")};
    expected.insert(expected.end(), valid.begin(), valid.end());
    EXPECT_EQ(v.ResultLines(), expected);
    EXPECT_EQ(v.DvNote(C::Attacker).Text, W("DV de Velocidade inválido: use 0 a 15"));
    // Another attacker meanwhile: its moves are listed, the figures and the
    // ranking stay the last valid ones until every field is.
    const std::vector<RankedMove> ranking = v.Ranking();
    v.ChooseCreature(C::Attacker, Creature(Tauros));
    EXPECT_EQ(v.Ranking(), ranking);
    v.TypeStatExp(C::Defender, "0");
    for (Stat s : {Stat::Special, Stat::Speed})
        v.TypeDv(C::Attacker, s, "15");
    v.TypeLevel(C::Attacker, "30");
    ExpectRanking(v, Side(Tauros, 30), Side(Gyarados, 28));
}

// A side another window hands over (a trainer's creature): its fields as the
// game has them, said to come from its source, fighting as the game's side,
// and forgotten as such once the user changes it.
TEST(DamageView, AHandedSideIsTheGamesUntilTheUserChangesIt)
{
    DamageView v;
    v.ChooseCreature(C::Attacker, Creature(Pikachu));
    HandedSide starmie;
    starmie.Who = C::Defender;
    starmie.Creature = Creature(121);
    starmie.Level = 21;
    starmie.Dv = {9, 8, 8, 8};
    starmie.Moves = {FindMove("Tackle"), FindMove("Water Gun"), FindMove("Bubble Beam"), -1};
    starmie.Opponent = true;
    starmie.Source = W("Starmie de Misty, Nv. 21");
    v.TakeSide(starmie);
    EXPECT_EQ(v.SideTitle(C::Defender), W("Defensor: Starmie de Misty, Nv. 21"));
    EXPECT_EQ(v.SideTitle(C::Attacker), "Atacante");
    EXPECT_EQ(v.StatsLine(C::Defender), "Energia 59, Ataque 40, Defesa 44, Velocidade 56, Especial 50");
    EXPECT_EQ(v.Level(C::Defender).Text, "21");
    EXPECT_EQ(v.Dv(C::Defender, Stat::Attack).Text, "9");
    EXPECT_EQ(v.HpDvText(C::Defender), "8");
    EXPECT_EQ(v.MoveLines()[0], "Thundershock") << "a handed defender leaves the move list alone";
    // A field written back with its own text is no change; another text is.
    v.TypeLevel(C::Defender, "21");
    v.TypeDv(C::Defender, Stat::Speed, "8");
    EXPECT_EQ(v.SideTitle(C::Defender), W("Defensor: Starmie de Misty, Nv. 21"));
    v.ChooseStage(C::Defender, Stat::Defense, 2); // a stage in battle keeps the creature the trainer's
    EXPECT_EQ(v.SideTitle(C::Defender), W("Defensor: Starmie de Misty, Nv. 21"));
    v.TypeLevel(C::Defender, "22");
    EXPECT_EQ(v.SideTitle(C::Defender), "Defensor");

    // As the attacker: its own four moves first, its first damaging one
    // chosen, and its Psywave the game's (it may deal 0).
    HandedSide alakazam = starmie;
    alakazam.Who = C::Attacker;
    alakazam.Creature = Creature(65);
    alakazam.Level = 50;
    alakazam.Moves = {FindMove("Recover"), FindMove("Psywave"), FindMove("Psychic"), FindMove("Reflect")};
    alakazam.Source = W("Alakazam de Sabrina, Nv. 50");
    v.TakeSide(alakazam);
    EXPECT_EQ(std::vector<std::string>(v.MoveLines().begin(), v.MoveLines().begin() + 5),
              (V{"Recover", "Psywave", "Psychic", "Reflect", W("—— outros golpes ——")}));
    EXPECT_EQ(v.Move(), FindMove("Psywave"));
    BattleSide game = Side(65, 50);
    game.Dv = {9, 8, 8, 8};
    game.Opponent = true;
    BattleSide defender = Side(121, 22);
    defender.Dv = {9, 8, 8, 8};
    defender.DefenseStage = 2;
    EXPECT_EQ(v.ResultLines(), Expected(game, defender, "Psywave"));
    game.Opponent = false;
    EXPECT_NE(v.ResultLines(), Expected(game, defender, "Psywave")) << "the game's Psywave may deal 0";
    // Its ranking: those four only, as the game's side; Recover and Reflect
    // deal no damage and come last, in its own order.
    game.Opponent = true;
    ASSERT_EQ(v.Ranking().size(), 4u);
    ExpectRanking(v, game, defender);
    EXPECT_EQ(v.Ranking()[2].Move, FindMove("Recover"));
    EXPECT_EQ(v.Ranking()[3].Move, FindMove("Reflect"));
    // Another creature chosen: the ordinary list again, the move kept.
    v.ChooseCreature(C::Attacker, Creature(Pikachu));
    EXPECT_EQ(v.SideTitle(C::Attacker), "Atacante");
    EXPECT_EQ(v.MoveLines()[0], "Thundershock");
    EXPECT_EQ(v.Move(), FindMove("Psywave"));

    HandedSide wrong = starmie;
    wrong.Level = 0;
    EXPECT_THROW(v.TakeSide(wrong), std::out_of_range);
    wrong = starmie;
    wrong.Dv.Special = 16;
    EXPECT_THROW(v.TakeSide(wrong), std::out_of_range);
    wrong = starmie;
    wrong.Moves[3] = static_cast<int>(MoveTable.size());
    EXPECT_THROW(v.TakeSide(wrong), std::out_of_range);
    EXPECT_EQ(v.Level(C::Defender).Text, "22") << "a refused side changes nothing";
}
