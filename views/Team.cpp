#include "views/Team.h"

#include "catalogue/Catalogue.h"
#include "data/Learners.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"
#include "data/Trainers.h"
#include "text/Cp1252.h"
#include "views/BattleText.h"

#include <algorithm>
#include <stdexcept>

using namespace cp1252::literals;

namespace {

constexpr std::string_view kHeader = "Fauneta equipe 1";
constexpr std::string_view kEnd = "fim";
constexpr std::string_view kNoMove = "-";

species::Creature WithStats(species::Creature c)
{
    return c.IsGlitch() ? *species::Creature::FromNumber(1) : c;
}

std::vector<std::string_view> Split(std::string_view text, char by)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(by, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// A whole number within lo..hi, digits only.
std::optional<int> Number(std::string_view text, int lo, int hi)
{
    return FieldNumber(text, lo, hi);
}

} // namespace

TeamMember NewMember(species::Creature c, int level)
{
    if (level < 1 || level > 100)
        throw std::out_of_range("NewMember: level outside 1..100");
    TeamMember m;
    m.Creature = WithStats(c);
    m.Level = level;
    m.Moves = trainers::MovesAtLevel(m.Creature.Number(), level);
    return m;
}

std::vector<int> LearnableMoves(species::Creature c)
{
    const species::Creature with = WithStats(c);
    std::vector<int> moves;
    const auto add = [&moves](int move) {
        if (move >= 0 && std::find(moves.begin(), moves.end(), move) == moves.end())
            moves.push_back(move);
    };
    for (const LevelMove& m : GamesLearnset(with.Number()))
        add(FindMove(m.Move));
    for (int machine : MachinesOf(Catalogue::RowOfNumber(with.Number())))
        add(MachineMove(machine));
    return moves;
}

BattleSide SideOf(const TeamMember& m)
{
    BattleSide s;
    s.Species = WithStats(m.Creature).Number();
    s.Level = m.Level;
    s.Dv = m.Dv;
    s.StatExp.fill(m.StatExp);
    return s;
}

std::string TeamText(std::span<const TeamMember> team)
{
    std::string text(kHeader);
    text += '\n';
    for (const TeamMember& m : team) {
        text.append(std::to_string(m.Creature.Number()));
        for (int n : {m.Level, m.Dv.Attack, m.Dv.Defense, m.Dv.Speed, m.Dv.Special, m.StatExp})
            text.append("\t").append(std::to_string(n));
        for (int move : m.Moves)
            text.append("\t").append(move < 0 ? kNoMove : MoveTable[static_cast<std::size_t>(move)].Name);
        text += '\n';
    }
    return text.append(kEnd).append("\n");
}

ReadTeam TeamFromText(std::string_view text)
{
    const auto wrong = [](std::string why) { return ReadTeam{{}, std::move(why)}; };
    std::vector<std::string_view> lines = Split(text, '\n');
    if (lines.empty() || lines.front() != kHeader)
        return wrong(std::string("não é um arquivo de equipe do Fauneta"_cp));
    // The last line ends the text: "fim", then nothing.
    if (lines.size() < 3 || lines.back() != "" || lines[lines.size() - 2] != kEnd)
        return wrong(std::string("o arquivo está incompleto"_cp));
    ReadTeam read;
    for (std::size_t i = 1; i + 2 < lines.size(); ++i) {
        const std::string where = "a linha " + std::to_string(i + 1);
        if (read.Members.size() == TeamSize)
            return wrong(std::string("há mais de seis pokémons"_cp));
        const std::vector<std::string_view> f = Split(lines[i], '\t');
        if (f.size() != 11)
            return wrong(where + std::string(" não é um pokémon da equipe"_cp));
        const auto number = Number(f[0], 1, species::Creature::Highest);
        const auto level = Number(f[1], 1, 100);
        const auto dvA = Number(f[2], 0, 15), dvD = Number(f[3], 0, 15), dvS = Number(f[4], 0, 15),
                   dvP = Number(f[5], 0, 15);
        const auto statExp = Number(f[6], 0, 65535);
        if (!number)
            return wrong(where + std::string(" tem um número de pokémon fora de 1 a 151"_cp));
        if (!level)
            return wrong(where + std::string(" tem um nível fora de 1 a 100"_cp));
        if (!dvA || !dvD || !dvS || !dvP)
            return wrong(where + " tem um DV fora de 0 a 15");
        if (!statExp)
            return wrong(where + std::string(" tem uma experiência de status fora de 0 a 65535"_cp));
        TeamMember m;
        m.Creature = *species::Creature::FromNumber(*number);
        m.Level = *level;
        m.Dv = {*dvA, *dvD, *dvS, *dvP};
        m.StatExp = *statExp;
        const std::vector<int> learnable = LearnableMoves(m.Creature);
        for (std::size_t slot = 0; slot < 4; ++slot) {
            const std::string_view name = f[7 + slot];
            if (name == kNoMove)
                continue;
            const int move = FindMove(name);
            if (move < 0 || std::find(learnable.begin(), learnable.end(), move) == learnable.end())
                return wrong(where + std::string(" tem um golpe que o pokémon não aprende"_cp));
            m.Moves[slot] = move;
        }
        read.Members.push_back(m);
    }
    return read;
}
