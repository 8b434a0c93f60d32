// The user's team without a display: the text it is kept in and every way
// that text can be wrong, the file written aside and put in place or moved
// aside when damaged, the member being edited, and the team against a
// party, whose every figure is the calculator's for the same pair and move.
#include "views/Team.h"
#include "views/TeamFile.h"
#include "views/TeamView.h"

#include "data/Moves.h"
#include "data/Trainers.h"
#include "text/Cp1252.h"
#include "views/DamageView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

species::Creature Nr(int n)
{
    return *species::Creature::FromNumber(n);
}

std::string Read(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const fs::path& p, const std::string& text)
{
    std::ofstream(p, std::ios::binary) << text;
}

// A folder of its own for each test, removed after it.
struct Folder {
    fs::path Path;
    Folder()
    {
        char tmpl[] = "/tmp/fauneta-team-XXXXXX";
        Path = mkdtemp(tmpl);
    }
    ~Folder()
    {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
};

std::vector<TeamMember> PikachuAndCharmander()
{
    TeamMember pikachu = NewMember(Nr(25), 25);
    pikachu.Dv = {12, 9, 15, 3};
    pikachu.StatExp = 1200;
    pikachu.Moves[3] = FindMove("Thunderbolt"); // a TM move
    return {pikachu, NewMember(Nr(4), 20)};
}

TEST(TeamText, ReadsBackWhatItWritesAndRefusesEveryOtherText)
{
    const std::vector<TeamMember> team = PikachuAndCharmander();
    EXPECT_EQ(team[0].Moves, (std::array<int, 4>{FindMove("Thundershock"), FindMove("Growl"), FindMove("Thunderwave"),
                                                 FindMove("Thunderbolt")}));
    const std::string text = TeamText(team);
    EXPECT_EQ(text.substr(0, text.find('\n', 17) + 1),
              "Fauneta equipe 1\n25\t25\t12\t9\t15\t3\t1200\tThundershock\tGrowl\t"
              "Thunderwave\tThunderbolt\n");
    ReadTeam read = TeamFromText(text);
    EXPECT_EQ(read.Problem, "");
    EXPECT_EQ(read.Members, team);
    EXPECT_TRUE(TeamFromText(TeamText({})).Members.empty());
    EXPECT_EQ(TeamFromText(TeamText({})).Problem, "");

    const std::string line = "25\t25\t12\t9\t15\t3\t1200\tThundershock\t-\t-\t-\n";
    const auto problem = [](const std::string& t) { return cp1252::toUtf8(TeamFromText(t).Problem); };
    EXPECT_EQ(problem(""), "não é um arquivo de equipe do Fauneta");
    EXPECT_EQ(problem("[FormOnde]\nx=12\n"), "não é um arquivo de equipe do Fauneta");
    EXPECT_EQ(problem("Fauneta equipe 1\n" + line), "o arquivo está incompleto");
    EXPECT_EQ(problem(text.substr(0, text.size() / 2)), "o arquivo está incompleto");
    EXPECT_EQ(problem("Fauneta equipe 1\n" + line + "fim"), "o arquivo está incompleto") << "no last line end";
    std::string seven = "Fauneta equipe 1\n";
    for (int i = 0; i < 7; ++i)
        seven += line;
    EXPECT_EQ(problem(seven + "fim\n"), "há mais de seis pokémons");
    const auto withLine = [](const std::string& l) { return "Fauneta equipe 1\n" + l + "\nfim\n"; };
    EXPECT_EQ(problem(withLine("152\t25\t12\t9\t15\t3\t0\t-\t-\t-\t-")),
              "a linha 2 tem um número de pokémon fora de 1 a 151");
    EXPECT_EQ(problem(withLine("0\t25\t12\t9\t15\t3\t0\t-\t-\t-\t-")),
              "a linha 2 tem um número de pokémon fora de 1 a 151");
    EXPECT_EQ(problem(withLine("25\t101\t12\t9\t15\t3\t0\t-\t-\t-\t-")), "a linha 2 tem um nível fora de 1 a 100");
    EXPECT_EQ(problem(withLine("25\t25\t16\t9\t15\t3\t0\t-\t-\t-\t-")), "a linha 2 tem um DV fora de 0 a 15");
    EXPECT_EQ(problem(withLine("25\t25\t12\t9\t15\t3\t65536\t-\t-\t-\t-")),
              "a linha 2 tem uma experiência de status fora de 0 a 65535");
    EXPECT_EQ(problem(withLine("25\t25\t12\t9\t15\t3\t0\tSurf\t-\t-\t-")),
              "a linha 2 tem um golpe que o pokémon não aprende");
    EXPECT_EQ(problem(withLine("25\t25\t12\t9\t15\t3\t0\tNo Such Move\t-\t-\t-")),
              "a linha 2 tem um golpe que o pokémon não aprende");
    EXPECT_EQ(problem(withLine("25\t25\t12\t9\t15\t3\t0\t-\t-\t-")), "a linha 2 não é um pokémon da equipe");
    EXPECT_EQ(problem(withLine("25\t-5\t12\t9\t15\t3\t0\t-\t-\t-\t-")), "a linha 2 tem um nível fora de 1 a 100");
    EXPECT_TRUE(TeamFromText(seven + "fim\n").Members.empty()) << "a refused text gives no member";
}

TEST(TeamFile, KeptWholeMovedAsideWhenDamagedNeverHalfWritten)
{
    Folder folder;
    const fs::path file = folder.Path / "Fauneta" / "equipe.txt";
    // No file yet: an empty team, nothing to say.
    teamfile::Loaded loaded = teamfile::Load(file);
    EXPECT_TRUE(loaded.Members.empty());
    EXPECT_EQ(loaded.Problem, "");
    // Saved (the folder made), read back.
    const std::vector<TeamMember> team = PikachuAndCharmander();
    ASSERT_EQ(teamfile::Save(file, team), "");
    EXPECT_EQ(teamfile::Load(file).Members, team);
    EXPECT_EQ(Read(file), TeamText(team));
    // Nothing is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);

    // A damaged file, an empty one, a cut one, one out of range: each said,
    // kept aside under a name of its own, never overwritten, the team empty.
    const std::string full = TeamText(team);
    const std::string damaged[] = {std::string("\x00\xff\x13garbage", 10), "", full.substr(0, full.size() - 4),
                                   "Fauneta equipe 1\n25\t101\t15\t15\t15\t15\t0\t-\t-\t-\t-\nfim\n"};
    std::vector<fs::path> aside;
    for (const std::string& text : damaged) {
        Write(file, text);
        loaded = teamfile::Load(file);
        EXPECT_TRUE(loaded.Members.empty());
        EXPECT_NE(loaded.Problem, "");
        EXPECT_FALSE(fs::exists(file)) << "the damaged file stays in the team's place";
        ASSERT_TRUE(fs::exists(loaded.KeptAside));
        EXPECT_EQ(Read(loaded.KeptAside), text);
        EXPECT_NE(loaded.Problem.find(loaded.KeptAside.string()), std::string::npos) << loaded.Problem;
        aside.push_back(loaded.KeptAside);
    }
    EXPECT_EQ(aside[0].filename(), "equipe.txt.danificado");
    EXPECT_EQ(aside[1].filename(), "equipe.txt.danificado-2");
    EXPECT_EQ(std::set<fs::path>(aside.begin(), aside.end()).size(), aside.size());

    // A save that cannot be made leaves the file as it was and says why.
    ASSERT_EQ(teamfile::Save(file, team), "");
    const fs::path blocked = folder.Path / "blocked";
    Write(blocked, "a file where a folder should be");
    EXPECT_NE(teamfile::Save(blocked / "equipe.txt", team), "");
    EXPECT_EQ(Read(blocked), "a file where a folder should be");
    // A folder in the team's place is left alone and said so.
    const fs::path folderInPlace = folder.Path / "folder";
    fs::create_directories(folderInPlace);
    loaded = teamfile::Load(folderInPlace);
    EXPECT_NE(loaded.Problem, "");
    EXPECT_TRUE(fs::is_directory(folderInPlace));
    EXPECT_NE(teamfile::Save(folderInPlace, team), "");
    EXPECT_TRUE(fs::is_directory(folderInPlace));
}

TEST(TeamView, AddEditAndRemoveTheChosenMember)
{
    TeamView view;
    EXPECT_EQ(view.MemberLine(), -1);
    EXPECT_TRUE(view.MoveLines().empty());
    view.TypeLevel("30"); // no member: nothing happens
    EXPECT_EQ(view.Changes(), 0u);
    view.Add(Nr(0)); // #000 has no stats: #001 stands for it
    EXPECT_EQ(view.Members().at(0).Creature, Nr(1));
    view.Add(Nr(25));
    ASSERT_EQ(view.MemberLine(), 1);
    EXPECT_EQ(view.Members()[1], NewMember(Nr(25), TeamView::NewLevel));
    EXPECT_EQ(cp1252::toUtf8(view.MemberLines()[1]), "2. #025 Pikachu Nv. 50 — Quick Attack, Swift, Agility, Thunder");

    // A level typed: the moves the user left as they were follow it.
    view.TypeLevel("25");
    EXPECT_EQ(view.Members()[1], NewMember(Nr(25), 25));
    const unsigned before = view.Changes();
    view.TypeLevel("250");
    EXPECT_EQ(view.Members()[1].Level, 25);
    EXPECT_TRUE(view.LevelNote().Wrong);
    EXPECT_EQ(view.LevelText(), "250");
    EXPECT_EQ(view.Changes(), before);
    view.TypeDv(Stat::Speed, "x");
    EXPECT_EQ(cp1252::toUtf8(view.DvNote().Text), "DV de Velocidade inválido: use 0 a 15");
    view.TypeDv(Stat::Speed, "9");
    view.TypeLevel("25");
    EXPECT_FALSE(view.LevelNote().Wrong);
    EXPECT_FALSE(view.DvNote().Wrong);
    EXPECT_EQ(view.Members()[1].Dv.Speed, 9);
    view.TypeStatExp("65536");
    EXPECT_TRUE(view.StatExpNote().Wrong);
    view.TypeStatExp("400");
    EXPECT_EQ(view.Members()[1].StatExp, 400);

    // A move chosen: "—" empties a slot; a move already known moves over.
    const std::vector<std::string> lines = view.MoveLines();
    ASSERT_GT(lines.size(), 5u);
    EXPECT_EQ(cp1252::toUtf8(lines[0]), "—");
    const auto line = [&](const char* name) {
        return static_cast<int>(std::find(lines.begin(), lines.end(), name) - lines.begin());
    };
    ASSERT_LT(line("Thunderbolt"), static_cast<int>(lines.size())) << "a TM move is offered";
    view.ChooseMoveLine(3, line("Thunderbolt"));
    view.ChooseMoveLine(0, line("Thunderbolt"));
    EXPECT_EQ(view.Members()[1].Moves, (std::array<int, 4>{FindMove("Thunderbolt"), FindMove("Growl"),
                                                           FindMove("Thunderwave"), FindMove("Thundershock")}));
    EXPECT_EQ(view.MoveLineOf(0), line("Thunderbolt"));
    view.ChooseMoveLine(1, 0);
    EXPECT_EQ(view.Members()[1].Moves[1], -1);
    // Changed moves stay through a new level.
    view.TypeLevel("40");
    EXPECT_EQ(view.Members()[1].Moves[0], FindMove("Thunderbolt"));
    EXPECT_THROW(view.ChooseMoveLine(4, 0), std::out_of_range);
    EXPECT_THROW(view.ChooseMoveLine(0, static_cast<int>(lines.size())), std::out_of_range);

    // Another creature: its own moves for the level, DVs kept.
    view.ChooseCreature(Nr(4));
    EXPECT_EQ(view.Members()[1].Moves, trainers::MovesAtLevel(4, 40));
    EXPECT_EQ(view.Members()[1].Dv.Speed, 9);

    for (int n : {7, 10, 16, 19})
        view.Add(Nr(n));
    EXPECT_TRUE(view.Full());
    view.Add(Nr(20));
    EXPECT_EQ(view.Members().size(), TeamSize);
    view.ChooseMemberLine(5);
    view.RemoveChosen();
    EXPECT_EQ(view.Members().size(), 5u);
    EXPECT_EQ(view.MemberLine(), 4);
    EXPECT_EQ(view.Members()[4].Creature, Nr(16));
    EXPECT_THROW(view.ChooseMemberLine(5), std::out_of_range);
}

// Every figure of the table is the calculator's for the same two sides and
// the same move, both ways, for every pair of a team against Misty and
// against the Champion.
TEST(TeamView, EveryMatchupIsTheCalculatorsForThatPairAndMove)
{
    std::vector<TeamMember> team = PikachuAndCharmander();
    team.push_back(NewMember(Nr(74), 22)); // Geodude: Electric does nothing to it
    team.push_back(NewMember(Nr(63), 12)); // Abra: Teleport only, no damaging move
    TeamView view(team);
    EXPECT_TRUE(view.Against().empty()) << "no party until one is chosen";
    EXPECT_EQ(view.Opponent(), nullptr);
    view.ChooseOpponents().ChoosePlace(encounters::Place::CeruleanGym);
    view.ChooseOpponents().ChooseTrainerLine(static_cast<int>(view.Opponents().TrainerLines().size()) - 1);
    ASSERT_EQ(view.Opponents().Party()->Class, trainers::TrainerClass::Misty);
    int compared = 0, withoutMove = 0;
    for (int battle : {-1, 12}) {
        if (battle >= 0)
            view.ChooseOpponents().ChooseBattleLine(battle); // the Champion
        const auto matchups = view.Against();
        const auto rows = view.AgainstRows(matchups);
        ASSERT_EQ(matchups.size(), view.Opponents().Party()->Members.size() * team.size());
        ASSERT_EQ(rows.size(), matchups.size());
        for (std::size_t i = 0; i < matchups.size(); ++i) {
            const TeamView::Matchup& x = matchups[i];
            const TeamView::ForCalculator pair = view.CalculatorPair(x);
            // Mine on theirs, then theirs on mine, each as the calculator shows it.
            for (const bool mineAttacks : {true, false}) {
                const TeamView::Side& side = mineAttacks ? x.MineOnTheirs : x.TheirsOnMine;
                const std::string& ko = rows[i].Cells[mineAttacks ? 4 : 7];
                const std::string& move = rows[i].Cells[mineAttacks ? 2 : 5];
                const BattleSide mine = SideOf(team[static_cast<std::size_t>(x.Mine)]);
                const BattleSide theirs = trainers::MemberSide(*view.Opponents().Party(), x.Theirs);
                const HandedSide& from = mineAttacks ? pair.Mine : pair.Theirs;
                if (!side.Move) {
                    // No move of the attacker deals damage here (Electric on Ground, Abra's Teleport).
                    EXPECT_EQ(cp1252::toUtf8(ko), "—");
                    for (int other : from.Moves)
                        if (other >= 0) {
                            EXPECT_FALSE(BetterMove(mineAttacks ? ComputeBattle(mine, theirs, other)
                                                                : ComputeBattle(theirs, mine, other),
                                                    BattleResult{}));
                        }
                    ++withoutMove;
                    continue;
                }
                DamageView calc;
                HandedSide attacker = mineAttacks ? pair.Mine : pair.Theirs;
                HandedSide defender = mineAttacks ? pair.Theirs : pair.Mine;
                attacker.Who = Combatant::Attacker;
                defender.Who = Combatant::Defender;
                calc.TakeSide(attacker);
                calc.TakeSide(defender);
                calc.ChooseMove(*side.Move);
                EXPECT_EQ(move, MoveTable[static_cast<std::size_t>(*side.Move)].Name);
                const std::string said = calc.ResultText();
                const std::string one = ko.substr(0, ko.find(" / ")), two = ko.substr(ko.find(" / ") + 3);
                EXPECT_NE(said.find("Nocaute em 1 golpe: "), std::string::npos) << said;
                EXPECT_NE(said.find("(com cr\xedticos e erros: " + one + ")\nNocaute em 2 golpes: "), std::string::npos)
                    << ko << "\n"
                    << cp1252::toUtf8(said);
                EXPECT_NE(said.find("(com cr\xedticos e erros: " + two + ")\n"), std::string::npos)
                    << ko << "\n"
                    << cp1252::toUtf8(said);
                // One hit's share of their Energia, as the calculator words it.
                const std::string& damage = rows[i].Cells[mineAttacks ? 3 : 6];
                if (side.Result.HitsMax == 1) {
                    EXPECT_NE(said.find("(" + damage.substr(0, damage.size() - 1) + "% da Energia)"), std::string::npos)
                        << damage << "\n"
                        << cp1252::toUtf8(said);
                }
                // And no other move of the attacker does better.
                for (int other : attacker.Moves)
                    if (other >= 0) {
                        EXPECT_FALSE(BetterMove(mineAttacks ? ComputeBattle(mine, theirs, other)
                                                            : ComputeBattle(theirs, mine, other),
                                                side.Result))
                            << MoveTable[static_cast<std::size_t>(other)].Name;
                    }
                ++compared;
            }
            const std::string first = rows[i].Cells[8];
            EXPECT_EQ(first, x.MySpeed > x.TheirSpeed ? "eu" : x.MySpeed < x.TheirSpeed ? "eles" : "empate (sorteio)");
        }
    }
    // Misty's two and the Champion's six, against four, both ways.
    EXPECT_EQ(compared + withoutMove, (2 + 6) * 4 * 2);
    EXPECT_GT(withoutMove, 8); // Abra against everyone, Pikachu against Rhydon
}

} // namespace
