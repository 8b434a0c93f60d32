// The team window's profile: each attacking type against each member, worked
// from the reference chart (tests/catalogue/gen1/type_chart.csv) rather than
// from the program's own, and the coverage of the team's moves, held against
// the reference chart and against what the battle engine does with each move.
#include "views/TeamProfile.h"

#include "../catalogue/FactTables.h"
#include "data/Battle.h"
#include "data/Moves.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace cp1252::literals;
using Row = TeamProfile::Row;

TeamMember Member(int number, std::vector<std::string> moves = {})
{
    TeamMember m;
    m.Creature = species::Creature::FromNumber(number).value();
    for (std::size_t i = 0; i < moves.size(); ++i) {
        m.Moves[i] = FindMove(moves[i]);
        EXPECT_GE(m.Moves[i], 0) << moves[i] << " is no move";
    }
    return m;
}

// The reference chart's multiplier of an English attacking type against an
// English defending type: 1 when the table leaves the pair out.
double Fact(const std::string& attacker, const std::string& defender)
{
    const auto& chart = facts::Load().typeChart;
    const auto it = chart.find({attacker, defender});
    return it == chart.end() ? 1.0 : it->second;
}

// The English name of a type, through the reference tables' own names.
std::string English(Type t)
{
    for (const auto& [en, pt] : facts::PortugueseTypes())
        if (TypeOf(cp1252::fromUtf8(pt)) == t)
            return en;
    ADD_FAILURE() << "no English name for type " << Index(t);
    return "";
}

// The reference factor, in quarters, of a type against creature `number`.
int FactQuarters(Type attacker, int number)
{
    const facts::Species& s = facts::Load().species.at(number);
    const double f = Fact(English(attacker), s.Type1) * (s.Type2.empty() ? 1.0 : Fact(English(attacker), s.Type2));
    return static_cast<int>(f * 4);
}

const Row& RowOf(const TeamProfile& p, Type t)
{
    return p.Rows().at(Index(t));
}

int Line(Type t)
{
    return static_cast<int>(Index(t)) + 1;
}

const TeamProfile::Reach& ReachOf(const TeamProfile& p, Defence d)
{
    const auto& all = TeamProfile::Defences();
    const auto at = std::find(all.begin(), all.end(), d);
    if (at == all.end())
        throw std::invalid_argument(DefenceName(d) + " is not in the coverage");
    return p.Coverage().at(static_cast<std::size_t>(at - all.begin()));
}

TEST(TeamProfile, CharmanderPidgeyAndCaterpieAreAllWeakToRock)
{
    const std::vector<TeamMember> team{Member(4), Member(16), Member(10)};
    const TeamProfile p(team);

    // By hand from the reference chart: Charmander is Fire, Pidgey
    // Normal/Flying, Caterpie Bug. Rock hits Fire, Flying and Bug double and
    // Normal normally, so all three take double.
    ASSERT_EQ(facts::Load().species.at(4).Type1, "Fire");
    ASSERT_EQ(facts::Load().species.at(16).Type2, "Flying");
    ASSERT_EQ(facts::Load().species.at(10).Type1, "Bug");
    EXPECT_EQ(Fact("Rock", "Fire"), 2);
    EXPECT_EQ(Fact("Rock", "Normal") * Fact("Rock", "Flying"), 2);
    EXPECT_EQ(Fact("Rock", "Bug"), 2);
    const Row& rock = RowOf(p, Type::Pedra);
    EXPECT_EQ(rock.Quarters, (std::vector<int>{8, 8, 8}));
    EXPECT_EQ(rock.SuperEffective, 3);
    EXPECT_EQ(rock.Resisted, 0);
    EXPECT_TRUE(rock.Marked);
    EXPECT_EQ(p.MarkedLines(), std::vector<std::string>{"Pedra: 3 de 3 sofrem o dobro ou mais"});

    // Ghost: nothing against Normal/Flying, normal on the others.
    EXPECT_EQ(Fact("Ghost", "Normal"), 0);
    const Row& ghost = RowOf(p, Type::Fantasma);
    EXPECT_EQ(ghost.Quarters, (std::vector<int>{4, 0, 4}));
    EXPECT_EQ(ghost.SuperEffective, 0);
    EXPECT_EQ(ghost.Resisted, 1);
    EXPECT_FALSE(ghost.Marked);
    // Fire: half on Fire, double on Bug.
    EXPECT_EQ(Fact("Fire", "Fire"), 0.5);
    EXPECT_EQ(Fact("Fire", "Bug"), 2);
    const Row& fire = RowOf(p, Type::Fogo);
    EXPECT_EQ(fire.SuperEffective, 1);
    EXPECT_EQ(fire.Resisted, 1);
    // Fighting: double on Normal, half on Flying, so Pidgey takes it normally.
    EXPECT_EQ(Fact("Fighting", "Normal") * Fact("Fighting", "Flying"), 1);
    EXPECT_EQ(RowOf(p, Type::Lutador).Quarters.at(1), 4);

    // Every cell as the reference chart has it, and Rock the one type marked.
    ASSERT_EQ(p.Rows().size(), std::size_t(TypeCount));
    for (std::size_t r = 0; r < p.Rows().size(); ++r) {
        const Row& row = p.Rows()[r];
        EXPECT_EQ(row.Attacker, AllTypes[r]);
        ASSERT_EQ(row.Quarters.size(), team.size()) << TypeName(row.Attacker);
        for (std::size_t m = 0; m < team.size(); ++m)
            EXPECT_EQ(row.Quarters[m], FactQuarters(row.Attacker, team[m].Creature.Number()))
                << TypeName(row.Attacker) << " against member " << m;
        EXPECT_EQ(row.Marked, row.Attacker == Type::Pedra) << TypeName(row.Attacker);
    }

    // The grid: titles, the factor as the chart writes it, counts; each
    // cell said in words.
    ASSERT_EQ(p.GridCols(), 6);
    EXPECT_EQ(p.GridCell(1, 0).Text, "Charmander");
    EXPECT_EQ(p.GridCell(3, 0).Text, "Caterpie");
    EXPECT_EQ(p.GridCell(0, Line(Type::Pedra)).Text, "Pedra");
    EXPECT_EQ(p.GridCell(1, Line(Type::Pedra)).Text, "×2"_cp);
    EXPECT_EQ(p.GridCell(1, Line(Type::Pedra)).Words, "Pedra contra Charmander: 2 vezes");
    EXPECT_EQ(p.GridCell(2, Line(Type::Fantasma)).Text, "×0"_cp);
    EXPECT_EQ(p.GridCell(2, Line(Type::Fantasma)).Words, "Fantasma contra Pidgey: sem efeito");
    EXPECT_EQ(p.GridCell(1, Line(Type::Fogo)).Text, "×½"_cp);
    EXPECT_EQ(p.GridCell(1, Line(Type::Normal)).Text, "");
    EXPECT_EQ(p.GridCell(1, Line(Type::Normal)).Words, "Normal contra Charmander: 1 vez");
    EXPECT_EQ(p.GridCell(4, Line(Type::Pedra)).Text, "3");
    EXPECT_EQ(p.GridCell(5, Line(Type::Fogo)).Words, "Fogo: 1 resiste ou é imune"_cp);
    EXPECT_EQ(p.RowWords(Line(Type::Pedra)),
              "Pedra: Charmander 2 vezes, Pidgey 2 vezes, Caterpie 2 vezes; 3 de 3 sofrem o dobro ou mais, "
              "nenhum resiste");
    for (const auto& [col, row] : std::vector<std::pair<int, int>>{{-1, 1}, {6, 1}, {1, -1}, {1, 16}})
        EXPECT_THROW(p.GridCell(col, row), std::out_of_range) << col << ", " << row;
    EXPECT_THROW(p.RowWords(0), std::out_of_range);
}

TEST(TeamProfile, FourTimesAQuarterAndTheMarkAtThreeMembers)
{
    // Geodude is Rock/Ground: Water double on both, ×4. Charizard is
    // Fire/Flying: Bug half on both, ×¼; Water double on Fire.
    EXPECT_EQ(Fact("Water", "Rock") * Fact("Water", "Ground"), 4);
    EXPECT_EQ(Fact("Bug", "Fire") * Fact("Bug", "Flying"), 0.25);
    EXPECT_EQ(Fact("Water", "Fire") * Fact("Water", "Flying"), 2);
    const std::vector<TeamMember> two{Member(74), Member(6)};
    const TeamProfile p(two);
    EXPECT_EQ(RowOf(p, Type::Agua).Quarters, (std::vector<int>{16, 8}));
    EXPECT_EQ(p.GridCell(1, Line(Type::Agua)).Text, "×4"_cp);
    EXPECT_EQ(p.GridCell(2, Line(Type::Inseto)).Text, "×¼"_cp);
    EXPECT_EQ(p.GridCell(2, Line(Type::Inseto)).Words, "Inseto contra Charizard: um quarto");
    EXPECT_FALSE(RowOf(p, Type::Agua).Marked) << "two members are not three";
    EXPECT_TRUE(p.MarkedLines().empty());

    // A second Geodude makes three, and the two are told apart.
    const std::vector<TeamMember> three{Member(74), Member(6), Member(74)};
    const TeamProfile q(three);
    EXPECT_TRUE(RowOf(q, Type::Agua).Marked);
    EXPECT_EQ(q.MemberName(0), "Geodude (1)");
    EXPECT_EQ(q.MemberName(1), "Charizard");
    EXPECT_EQ(q.MemberName(2), "Geodude (2)");
    EXPECT_EQ(q.GridCell(3, Line(Type::Agua)).Words, "Água contra Geodude (2): 4 vezes"_cp);
    // Grass is ×4 on both Geodude too, but ×¼ on Charizard: two of three.
    EXPECT_EQ(Fact("Grass", "Fire") * Fact("Grass", "Flying"), 0.25);
    EXPECT_EQ(RowOf(q, Type::Grama).Quarters, (std::vector<int>{16, 1, 16}));
    EXPECT_FALSE(RowOf(q, Type::Grama).Marked);
    // Ice hits Ground and Flying double, and in these games Fire normally.
    EXPECT_EQ(Fact("Ice", "Rock") * Fact("Ice", "Ground"), 2);
    EXPECT_EQ(Fact("Ice", "Fire") * Fact("Ice", "Flying"), 2);
    EXPECT_EQ(q.MarkedLines(), (std::vector<std::string>{std::string("Água: 3 de 3 sofrem o dobro ou mais"_cp),
                                                         "Gelo: 3 de 3 sofrem o dobro ou mais"}));
}

TEST(TeamProfile, AnEmptyTeamHasRowsWithoutCellsAndNoMoveToReachAnything)
{
    const TeamProfile p(std::span<const TeamMember>{});
    ASSERT_EQ(p.Rows().size(), std::size_t(TypeCount));
    for (const Row& row : p.Rows()) {
        EXPECT_TRUE(row.Quarters.empty()) << TypeName(row.Attacker);
        EXPECT_EQ(row.SuperEffective + row.Resisted, 0) << TypeName(row.Attacker);
        EXPECT_FALSE(row.Marked) << TypeName(row.Attacker);
    }
    EXPECT_TRUE(p.MarkedLines().empty());
    EXPECT_EQ(p.GridCols(), 3);
    EXPECT_EQ(p.GridCell(1, 0).Text, "Dobro ou mais");
    EXPECT_EQ(p.RowWords(1), "Normal: 0 de 0 sofrem o dobro ou mais, nenhum resiste");
    EXPECT_THROW(p.MemberName(0), std::out_of_range);

    ASSERT_EQ(p.Coverage().size(), TeamProfile::Defences().size());
    for (const TeamProfile::Reach& r : p.Coverage())
        EXPECT_FALSE(r.Quarters.has_value()) << DefenceName(r.Against);
    EXPECT_EQ(p.Uncovered().size(), p.Coverage().size());
    EXPECT_EQ(p.UncoveredTitle(), "A equipe não tem golpe que cause dano"_cp);
    EXPECT_EQ(p.CoverageLine(0).Text, "Normal: nenhum golpe causa dano");

    const std::vector<TeamMember> seven(7, Member(1));
    EXPECT_THROW(TeamProfile{seven}, std::invalid_argument);
}

TEST(TeamProfile, CoverageListsEachTypeAndEveryPairOfTypesACreatureHasOnce)
{
    const std::vector<Defence>& all = TeamProfile::Defences();
    ASSERT_GT(all.size(), std::size_t(TypeCount));
    for (std::size_t i = 0; i < AllTypes.size(); ++i)
        EXPECT_EQ(all[i], (Defence{AllTypes[i], std::nullopt}));

    // The reference tables' pairs, whichever way round a creature has them.
    std::set<std::set<std::string>> pairs;
    for (const auto& [number, s] : facts::Load().species)
        if (!s.Type2.empty())
            pairs.insert({s.Type1, s.Type2});
    std::set<std::set<std::string>> listed;
    for (std::size_t i = AllTypes.size(); i < all.size(); ++i) {
        ASSERT_TRUE(all[i].Type2.has_value()) << DefenceName(all[i]);
        EXPECT_TRUE(listed.insert({English(all[i].Type1), English(*all[i].Type2)}).second)
            << DefenceName(all[i]) << " twice";
        if (i > AllTypes.size()) {
            EXPECT_LT(std::pair(Index(all[i - 1].Type1), Index(*all[i - 1].Type2)),
                      std::pair(Index(all[i].Type1), Index(*all[i].Type2)))
                << DefenceName(all[i]) << " out of the chart's order";
        }
    }
    EXPECT_EQ(listed, pairs);
    // Geodude (#074) is Rock/Ground before Rhyhorn (#111) is Ground/Rock.
    EXPECT_NE(std::find(all.begin(), all.end(), Defence{Type::Pedra, Type::Terra}), all.end());
    EXPECT_EQ(DefenceName({Type::Pedra, Type::Terra}), "Pedra/Terra");
}

TEST(TeamProfile, ANormalMoveAloneLeavesGhostUntouchedAndRockResisting)
{
    EXPECT_EQ(Fact("Normal", "Ghost"), 0);
    EXPECT_EQ(Fact("Normal", "Rock"), 0.5);
    EXPECT_EQ(Fact("Normal", "Ground"), 1);
    const std::vector<TeamMember> team{Member(19, {"Tackle", "Tail Whip"})}; // Rattata
    const TeamProfile p(team);
    const int tackle = FindMove("Tackle");
    for (const TeamProfile::Reach& r : p.Coverage()) {
        ASSERT_TRUE(r.Quarters.has_value()) << DefenceName(r.Against);
        EXPECT_EQ(r.Member, 0);
        EXPECT_EQ(r.Move, tackle) << "Tail Whip deals no damage";
        EXPECT_TRUE(r.Scaled);
    }
    EXPECT_EQ(ReachOf(p, {Type::Fantasma, std::nullopt}).Quarters, 0);
    EXPECT_EQ(ReachOf(p, {Type::Fantasma, Type::Veneno}).Quarters, 0);
    EXPECT_EQ(ReachOf(p, {Type::Pedra, std::nullopt}).Quarters, 2);
    EXPECT_EQ(ReachOf(p, {Type::Pedra, Type::Terra}).Quarters, 2);
    EXPECT_EQ(ReachOf(p, {Type::Agua, std::nullopt}).Quarters, 4);

    // Nothing is hit better than normally: every defence is listed.
    const std::vector<std::string> uncovered = p.Uncovered();
    EXPECT_EQ(uncovered.size(), TeamProfile::Defences().size());
    ASSERT_FALSE(uncovered.empty());
    EXPECT_EQ(uncovered.front(), "Normal: 1 vez");
    EXPECT_NE(std::find(uncovered.begin(), uncovered.end(), "Fantasma: sem efeito"), uncovered.end());
    EXPECT_NE(std::find(uncovered.begin(), uncovered.end(), "Pedra/Terra: metade"), uncovered.end());
    EXPECT_EQ(p.UncoveredTitle(), "Tipos que nenhum golpe da equipe atinge mais que o normal:");
    const TeamProfile::Cell ghost = p.CoverageLine(static_cast<int>(Index(Type::Fantasma)));
    EXPECT_EQ(ghost.Text, "Fantasma: ×0, Tackle de Rattata"_cp);
    EXPECT_EQ(ghost.Words, "Fantasma: sem efeito, Tackle de Rattata");
    EXPECT_EQ(p.CoverageLine(0).Text, "Normal: ×1, Tackle de Rattata"_cp);
    EXPECT_THROW(p.CoverageLine(static_cast<int>(p.Coverage().size())), std::out_of_range);
}

TEST(TeamProfile, GhostMovesMissPsychicAndSetDamageIgnoresTheChart)
{
    // Red/Blue's own: Ghost does nothing to Psychic (and to Normal).
    EXPECT_EQ(Fact("Ghost", "Psychic"), 0);
    EXPECT_EQ(Fact("Ghost", "Ghost"), 2);
    const std::vector<TeamMember> lickOnly{Member(92, {"Lick"})}; // Gastly
    const TeamProfile lick(lickOnly);
    EXPECT_EQ(ReachOf(lick, {Type::Psiquico, std::nullopt}).Quarters, 0);
    EXPECT_EQ(ReachOf(lick, {Type::Normal, std::nullopt}).Quarters, 0);
    EXPECT_EQ(Fact("Ghost", "Poison"), 1);
    EXPECT_EQ(ReachOf(lick, {Type::Fantasma, Type::Veneno}).Quarters, 8);

    // Night Shade deals the user's level whatever the target: the engine
    // applies no chart to it, so it reaches Normal and Psychic at ×1.
    const std::vector<TeamMember> both{Member(92, {"Lick", "Night Shade"})};
    const TeamProfile p(both);
    const TeamProfile::Reach& normal = ReachOf(p, {Type::Normal, std::nullopt});
    EXPECT_EQ(normal.Quarters, 4);
    EXPECT_EQ(normal.Move, FindMove("Night Shade"));
    EXPECT_FALSE(normal.Scaled);
    EXPECT_EQ(p.CoverageLine(0).Text, "Normal: ×1, Night Shade de Gastly, dano que não depende do tipo"_cp);
    const TeamProfile::Reach& ghost = ReachOf(p, {Type::Fantasma, std::nullopt});
    EXPECT_EQ(ghost.Move, FindMove("Lick")) << "×2 beats set damage";
    EXPECT_TRUE(ghost.Scaled);

    // An immune type in a pair wins over a weak one: Ground against
    // Electric/Flying (Zapdos) does nothing.
    EXPECT_EQ(Fact("Ground", "Electric") * Fact("Ground", "Flying"), 0);
    const std::vector<TeamMember> dig{Member(51, {"Earthquake"}), Member(25, {"Thunderbolt"})}; // Dugtrio, Pikachu
    const TeamProfile e(dig);
    const TeamProfile::Reach& zapdos = ReachOf(e, {Type::Eletrico, Type::Voador});
    EXPECT_EQ(zapdos.Member, 1) << "Thunderbolt, half on Electric and double on Flying";
    EXPECT_EQ(zapdos.Quarters, 4);
    EXPECT_EQ(MoveFactor(FindMove("Earthquake"), {Type::Eletrico, Type::Voador}), 0);
    // Among equals, the first member's move.
    EXPECT_EQ(ReachOf(e, {Type::Normal, std::nullopt}).Member, 0);

    // One-hit KOs: only an immunity stops them, a resistance does not.
    EXPECT_EQ(MoveFactor(FindMove("Horn Drill"), {Type::Fantasma, std::nullopt}), 0);
    EXPECT_EQ(MoveFactor(FindMove("Horn Drill"), {Type::Pedra, std::nullopt}), 4);

    // A member without damaging moves adds nothing; Counter's damage is the
    // battle's, not its type's.
    const std::vector<TeamMember> none{Member(63, {"Teleport"}), Member(66, {"Counter", "Leer"})}; // Abra, Machop
    const TeamProfile n(none);
    for (const TeamProfile::Reach& r : n.Coverage())
        EXPECT_FALSE(r.Quarters.has_value()) << DefenceName(r.Against);
    const std::vector<TeamMember> mixed{Member(63, {"Teleport"}), Member(19, {"Tackle"})};
    EXPECT_EQ(TeamProfile(mixed).Coverage().front().Member, 1);
}

TEST(TeamProfile, EveryMovesFactorIsWhatTheBattleEngineDoesWithIt)
{
    // A fast, strong attacker against slow, weak targets: no one-hit KO
    // fails for speed and no formula damage falls to 0, so only the type
    // rules are left to tell a hit from no effect.
    BattleSide attacker;
    attacker.Species = 101; // Electrode
    attacker.Level = 100;
    for (int target : {16, 74, 92, 63, 135, 147}) { // Pidgey, Geodude, Gastly, Abra, Jolteon, Dratini
        BattleSide defender;
        defender.Species = target;
        defender.Level = 2;
        const SpeciesStats& s = BaseStatsOf(target);
        const Defence d{s.Type1, s.SingleType() ? std::nullopt : std::optional<Type>(s.Type2)};
        for (int move = 0; move < static_cast<int>(MoveTable.size()); ++move) {
            const BattleResult r = ComputeBattle(attacker, defender, move);
            const std::optional<int> f = MoveFactor(move, d);
            const std::string what =
                std::string(MoveTable[static_cast<std::size_t>(move)].Name) + " on #" + std::to_string(target);
            if (r.Kind == BattleKind::NoDamage || r.Kind == BattleKind::DependsOnBattle) {
                EXPECT_FALSE(f.has_value()) << what;
                continue;
            }
            ASSERT_TRUE(f.has_value()) << what;
            if (r.Kind == BattleKind::NoEffect)
                EXPECT_EQ(*f, 0) << what;
            else if (r.CriticalThreshold > 0) // damage from the formula, scaled by the chart
                EXPECT_EQ(*f, r.Effectiveness) << what;
            else
                EXPECT_EQ(*f, 4) << what;
        }
    }

    for (int q : {0, 1, 2, 4, 8, 16})
        EXPECT_EQ(FactorSign(q).empty(), q == 4) << q;
    EXPECT_EQ(FactorWords(2), "metade");
    EXPECT_THROW(FactorSign(3), std::invalid_argument);
    EXPECT_THROW(FactorWords(32), std::invalid_argument);
}

} // namespace
