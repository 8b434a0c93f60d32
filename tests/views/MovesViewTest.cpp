// The moves window without a display: what a filter lists and says, how the
// tables sort and which move takes the place of one filtered out, what a
// move tells and who learns it, and a creature's moves.
#include "views/MovesView.h"

#include "data/Moves.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

namespace {

using namespace cp1252::literals;
using V = std::vector<std::string>;
using Part = MovesView::Part;

// A table's column, top to bottom as its widget shows it.
V Column(const MovesView::Table& t, std::size_t column = 0)
{
    V out;
    for (int row : t.ShownOrder()) {
        const auto& cells = t.Rows[static_cast<std::size_t>(row)].Cells;
        out.push_back(column < cells.size() ? cells[column] : "(no cell)");
    }
    return out;
}

std::string Chosen(const MovesView::Table& t, std::size_t column = 0)
{
    if (!t.Chosen || static_cast<std::size_t>(*t.Chosen) >= t.Rows.size())
        return "(none)";
    return t.Rows[static_cast<std::size_t>(*t.Chosen)].Cells.at(column);
}

// The row number of the row whose cell `column` reads `text`; -2 (no row,
// and not "nothing chosen") when there is none, which the view refuses.
int RowNamed(const MovesView::Table& t, const std::string& text, std::size_t column = 0)
{
    for (std::size_t r = 0; r < t.Rows.size(); ++r)
        if (t.Rows[r].Cells.at(column) == text)
            return static_cast<int>(r);
    ADD_FAILURE() << "no row " << text;
    return -2;
}

std::string Line(const V& lines, std::size_t i)
{
    if (i < lines.size())
        return lines[i];
    ADD_FAILURE() << "line " << i << " asked of " << lines.size() << " lines";
    return {};
}

species::Creature Number(int n)
{
    return *species::Creature::FromNumber(n);
}

constexpr int Agua = 3; // line of the type filter

TEST(MovesView, FilterFindsAnyPartOfTheNameAndSaysWhenNothingMatches)
{
    MovesView v;
    EXPECT_EQ(v.Moves().Rows.size(), 165u);
    EXPECT_EQ(v.CountText(), "165 golpes");
    EXPECT_EQ(Chosen(v.Moves()), "Pound"); // the first move is shown at once
    EXPECT_EQ(Line(v.MoveLines(), 0), "Pound");
    v.NameTyped("psy");
    EXPECT_EQ(Column(v.Moves()), (V{"Psybeam", "Psychic", "Psywave"}));
    v.NameTyped("Thunder");
    EXPECT_EQ(Column(v.Moves()), (V{"Thunder Punch", "Thundershock", "Thunderbolt", "Thunderwave", "Thunder"}));
    v.NameTyped("selfd");
    EXPECT_EQ(Column(v.Moves()), V{"Self-Destruct"});
    EXPECT_EQ(v.CountText(), "1 golpe");
    v.NameTyped("sel f-DES"); // a pasted name, blanks and hyphens anywhere
    EXPECT_EQ(Column(v.Moves()), V{"Self-Destruct"});
    // Anything else simply matches nothing, said in words.
    for (const std::string& text : {std::string("#$%&*!"), std::string("ação"_cp), std::string("€™"_cp)}) {
        v.NameTyped(text);
        EXPECT_EQ(v.NameText(), text);
        EXPECT_TRUE(v.Moves().Rows.empty()) << text;
        EXPECT_FALSE(v.Moves().Chosen.has_value());
        EXPECT_EQ(v.CountText(), "Nenhum golpe encontrado");
        EXPECT_EQ(v.MoveLines(), V{"Escolha um golpe"});
        EXPECT_FALSE(v.ShownMove().has_value());
        EXPECT_TRUE(v.Learners().Rows.empty());
    }
    // The type filter too, on its own and with a name.
    v.NameTyped("");
    const V types = MovesView::TypeLines();
    ASSERT_EQ(types.size(), 16u);
    EXPECT_EQ(types[0], "Todos os tipos");
    EXPECT_EQ(types[Agua], std::string("Água"_cp));
    v.TypeChosen(Agua);
    EXPECT_EQ(v.CountText(), "9 golpes");
    for (const std::string& type : Column(v.Moves(), 1))
        EXPECT_EQ(type, std::string("Água"_cp));
    v.NameTyped("bubble");
    EXPECT_EQ(Column(v.Moves()), (V{"Bubble Beam", "Bubble"})); // the games' order
    EXPECT_THROW(v.TypeChosen(16), std::out_of_range);
    EXPECT_THROW(v.TypeChosen(-1), std::out_of_range);
    EXPECT_EQ(v.TypeLine(), Agua);
}

TEST(MovesView, TablesSortAsTheirWidgetsShowThem)
{
    MovesView v;
    v.TypeChosen(Agua);
    v.Sorted(Part::Moves, {2, true}); // Poder, the strongest first
    EXPECT_EQ(Line(Column(v.Moves()), 0), "Hydro Pump");
    EXPECT_EQ(Line(Column(v.Moves(), 2), 0), "120");
    v.Sorted(Part::Moves, {2, false}); // the other way round: no damage first
    EXPECT_EQ(Line(Column(v.Moves()), 0), "Withdraw");
    EXPECT_EQ(Line(Column(v.Moves()), 1), "Bubble");
    EXPECT_EQ(Line(Column(v.Moves(), 2), 1), "20");
    v.Sorted(Part::Moves, {0, false});
    EXPECT_EQ(Column(v.Moves()), (V{"Bubble", "Bubble Beam", "Clamp", "Crabhammer", "Hydro Pump", "Surf", "Water Gun",
                                    "Waterfall", "Withdraw"}));
    v.Sorted(Part::Moves, {0, true});
    EXPECT_EQ(Line(Column(v.Moves()), 0), "Withdraw");
    // Text sorts with accents and case not counting: Água among the a's.
    v.TypeChosen(0);
    v.Sorted(Part::Moves, {1, false});
    const V byType = Column(v.Moves(), 1);
    ASSERT_GE(byType.size(), 11u);
    EXPECT_EQ(V(byType.begin(), byType.begin() + 9), V(9, std::string("Água"_cp)));
    EXPECT_EQ(byType[9], std::string("Dragão"_cp)); // Dragon Rage
    EXPECT_EQ(byType[10], std::string("Elétrico"_cp));
    // Unsorted again: the games' order.
    v.Sorted(Part::Moves, {-1, false});
    EXPECT_EQ(Line(Column(v.Moves()), 0), "Pound");
    EXPECT_THROW(v.Sorted(Part::Moves, {6, false}), std::out_of_range);
    EXPECT_THROW(v.Sorted(Part::Learners, {2, false}), std::out_of_range);
}

// The move shown is always a row of the table: a filter that hides it
// chooses the first row shown, in the order the table is sorted.
TEST(MovesView, AFilterThatHidesTheMoveShownChoosesTheFirstRowShown)
{
    MovesView v;
    v.TypeChosen(Agua);
    v.MoveRowChosen(RowNamed(v.Moves(), "Surf"));
    EXPECT_EQ(Line(v.MoveLines(), 0), "Surf");
    v.NameTyped("s"); // Surf still there: still shown
    EXPECT_EQ(Chosen(v.Moves()), "Surf");
    v.Sorted(Part::Moves, {2, false}); // the weakest first
    v.NameTyped("bubble");
    EXPECT_EQ(Chosen(v.Moves()), "Bubble"); // 20 before 65
    EXPECT_EQ(Line(v.MoveLines(), 0), "Bubble");
    v.Sorted(Part::Moves, {-1, false});
    v.NameTyped("zzz");
    v.NameTyped("bubble");
    EXPECT_EQ(Chosen(v.Moves()), "Bubble Beam"); // the games' order
    // A row chosen by the user; -1 (nothing chosen) changes nothing, a row
    // past the table is a fault of the caller.
    v.MoveRowChosen(1);
    EXPECT_EQ(v.ShownMove(), MovesView::Move::Named("Bubble"));
    v.MoveRowChosen(-1);
    EXPECT_EQ(v.ShownMove(), MovesView::Move::Named("Bubble"));
    EXPECT_THROW(v.MoveRowChosen(2), std::out_of_range);
    EXPECT_THROW(v.LearnerChosen(static_cast<int>(v.Learners().Rows.size())), std::out_of_range);
    EXPECT_THROW(v.CreatureMoveChosen(0), std::out_of_range); // no creature yet
    // Choosing a move the filters hide clears them first.
    v.ChooseMove(*MovesView::Move::Named("Thunderbolt"));
    EXPECT_EQ(v.NameText(), "");
    EXPECT_EQ(v.TypeLine(), 0);
    EXPECT_EQ(v.Moves().Rows.size(), 165u);
    EXPECT_EQ(Chosen(v.Moves()), "Thunderbolt");
    // One it lists keeps them.
    v.NameTyped("thunder");
    v.ChooseMove(*MovesView::Move::Named("Thunder"));
    EXPECT_EQ(v.NameText(), "thunder");
    EXPECT_EQ(Chosen(v.Moves()), "Thunder");
}

TEST(MovesView, AMoveTellsWhatItIsWhoLearnsItAndWhereItsMachineIs)
{
    MovesView v;
    v.ChooseMove(*MovesView::Move::Named("Thunderbolt"));
    EXPECT_EQ(v.MoveLines(),
              (V{"Thunderbolt", std::string("Tipo: Elétrico"_cp), "Poder: 95", std::string("Precisão: 100%"_cp),
                 "PP: 15", "Efeito: Pode paralisar o alvo (10%)", "TM/HM: TM 24 (Vermilion City Gym)"}));
    EXPECT_EQ(v.Moves().Rows.at(static_cast<std::size_t>(v.Moves().Chosen.value_or(0))).Cells,
              (V{"Thunderbolt", std::string("Elétrico"_cp), "95", "100%", "15", "TM 24"}));
    EXPECT_EQ(v.Learners().Rows.size(), 50u);
    EXPECT_EQ(Line(Column(v.Learners()), 0), "#019 - Rattata");
    EXPECT_EQ(Line(Column(v.Learners(), 1), 0), "TM 24");
    EXPECT_FALSE(v.Learners().Chosen.has_value());

    // Words where power does not count, with what they mean.
    v.ChooseMove(*MovesView::Move::Named("Seismic Toss"));
    EXPECT_EQ(Line(v.MoveLines(), 2), std::string("Poder: nível (o dano é o nível de quem usa)"_cp));
    EXPECT_EQ(Line(v.MoveLines(), 6), "TM/HM: TM 19 (Route 25)");
    v.ChooseMove(*MovesView::Move::Named("Sonic Boom"));
    EXPECT_EQ(Line(v.MoveLines(), 2), std::string("Poder: 20 fixo (o dano é sempre o mesmo)"_cp));
    v.ChooseMove(*MovesView::Move::Named("Withdraw"));
    EXPECT_EQ(Line(v.MoveLines(), 3), std::string("Precisão: —"_cp)); // aimed at the user: no accuracy test
    v.ChooseMove(*MovesView::Move::Named("Growl"));
    EXPECT_EQ(Line(v.MoveLines(), 2), std::string("Poder: —"_cp));
    EXPECT_EQ(Line(v.MoveLines(), 6), "TM/HM: nenhuma");
    EXPECT_EQ(Line(Column(v.Learners(), 1), 0), "inicial");
    // By number, #000 first, as the choosers list the creatures.
    v.ChooseMove(*MovesView::Move::Named("Water Gun"));
    EXPECT_EQ(Line(Column(v.Learners()), 0), "#000 - Missingno");
    // Learnt by level, with the games' facts where a catalogue row differs.
    v.ChooseMove(*MovesView::Move::Named("Vine Whip"));
    EXPECT_EQ(Column(v.Learners()),
              (V{"#001 - Bulbasaur", "#002 - Ivysaur", "#003 - Venusaur", "#069 - Bellsprout", "#070 - Weepinbell"}));
    EXPECT_EQ(Column(v.Learners(), 1), (V{"Nv. 13", "Nv. 13", "Nv. 13", "inicial", "inicial"}));
    // Sorted by how, a level before a machine, the sooner first.
    v.ChooseMove(*MovesView::Move::Named("Thunder"));
    v.Sorted(Part::Learners, {1, false});
    const V how = Column(v.Learners(), 1);
    ASSERT_FALSE(how.empty());
    EXPECT_EQ(how.front().rfind("Nv. ", 0), 0u) << how.front();
    EXPECT_EQ(how.back(), "TM 25");
    // Choosing a learner shows its moves below.
    v.ChooseMove(*MovesView::Move::Named("Vine Whip"));
    v.LearnerChosen(3);
    EXPECT_EQ(v.Creature(), Number(69));
    EXPECT_EQ(Chosen(v.Learners()), "#069 - Bellsprout");
    EXPECT_EQ(Line(Column(v.CreatureMoves(), 1), 0), "Vine Whip");
}

TEST(MovesView, OpensOnTheCreatureShownAndListsItsMovesAndMachines)
{
    MovesView v;
    EXPECT_FALSE(v.Creature().has_value());
    EXPECT_TRUE(v.CreatureMoves().Rows.empty());
    v.Opened(std::nullopt); // the main window shows none yet: the first creature
    EXPECT_EQ(v.Creature(), Number(1));
    v.Opened(Number(2));
    EXPECT_EQ(v.Creature(), Number(2));
    const V ivysaur = Column(v.CreatureMoves(), 1), ivysaurHow = Column(v.CreatureMoves());
    ASSERT_GE(ivysaur.size(), 4u);
    EXPECT_EQ(V(ivysaur.begin(), ivysaur.begin() + 4), (V{"Tackle", "Growl", "Leech Seed", "Vine Whip"}));
    EXPECT_EQ(V(ivysaurHow.begin(), ivysaurHow.begin() + 4), (V{"inicial", "inicial", "Nv. 7", "Nv. 13"}));

    v.CreatureChosen(Number(25));
    const V how = Column(v.CreatureMoves()), names = Column(v.CreatureMoves(), 1);
    ASSERT_GE(names.size(), 7u);
    EXPECT_EQ(V(names.begin(), names.begin() + 7),
              (V{"Thundershock", "Growl", "Thunderwave", "Quick Attack", "Swift", "Agility", "Thunder"}));
    const auto tm24 = std::find(how.begin(), how.end(), "TM 24");
    ASSERT_NE(tm24, how.end());
    EXPECT_EQ(names[static_cast<std::size_t>(tm24 - how.begin())], "Thunderbolt");
    EXPECT_NE(std::find(how.begin(), how.end(), "HM 05"), how.end());
    EXPECT_EQ(std::find(names.begin(), names.end(), "Earthquake"), names.end());
    // Its strongest move, by power; choosing it shows it above, clearing a
    // filter that hid it.
    v.Sorted(Part::CreatureMoves, {3, true});
    EXPECT_EQ(Line(Column(v.CreatureMoves(), 1), 0), "Thunder");
    v.NameTyped("psy");
    v.TypeChosen(Agua);
    v.CreatureMoveChosen(RowNamed(v.CreatureMoves(), "Thunder", 1));
    EXPECT_EQ(v.NameText(), "");
    EXPECT_EQ(v.TypeLine(), 0);
    EXPECT_EQ(Chosen(v.Moves()), "Thunder");
    EXPECT_EQ(Line(v.MoveLines(), 0), "Thunder");
    EXPECT_EQ(Chosen(v.CreatureMoves(), 1), "Thunder");

    // Each opening starts afresh: no filter, the creature the main window shows.
    v.NameTyped("surf");
    v.TypeChosen(Agua);
    v.Opened(Number(0));
    EXPECT_EQ(v.NameText(), "");
    EXPECT_EQ(v.TypeLine(), 0);
    EXPECT_EQ(v.Moves().Rows.size(), 165u);
    EXPECT_EQ(Chosen(v.Moves()), "Surf"); // still the move shown
    EXPECT_EQ(v.Creature(), Number(0));
    EXPECT_FALSE(v.CreatureMoves().Rows.empty());
}

// Every creature's moves are named as the moves table names them, each
// with its type; a move of the table chosen from one shows that move.
TEST(MovesView, EveryCreaturesMovesAreRowsOfTheMovesTable)
{
    std::set<std::string> names;
    for (const MoveInfo& m : MoveTable)
        names.insert(std::string(m.Name));
    MovesView v;
    for (int n = 0; n <= species::Creature::Highest; ++n) {
        v.CreatureChosen(Number(n));
        const V moves = Column(v.CreatureMoves(), 1), types = Column(v.CreatureMoves(), 2);
        EXPECT_FALSE(moves.empty()) << n;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            EXPECT_TRUE(names.count(moves[i])) << n << ": " << moves[i];
            EXPECT_FALSE(types[i].empty()) << n << ": " << moves[i];
        }
        if (!moves.empty()) {
            v.CreatureMoveChosen(static_cast<int>(moves.size()) - 1);
            EXPECT_EQ(v.ShownMove(), MovesView::Move::Named(moves.back())) << n;
        }
    }
    EXPECT_EQ(MovesView::Move::FromRow(-1), std::nullopt);
    EXPECT_EQ(MovesView::Move::FromRow(static_cast<int>(MoveTable.size())), std::nullopt);
    EXPECT_EQ(MovesView::Move::Named("Thunderbolt")->Row(), 84);
    EXPECT_EQ(MovesView::Move::Named("thunderbolt"), std::nullopt);
}

} // namespace
