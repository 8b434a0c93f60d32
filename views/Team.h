// The user's own team: up to six creatures, each as the damage calculator
// takes a side (level, DVs, stat experience) with four moves, and the text
// the team is kept in. Texts are Windows-1252.
#pragma once

#include "data/Battle.h"
#include "data/Species.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TeamMember {
    species::Creature Creature = *species::Creature::FromNumber(1); // 1..151: #000 has no stats
    int Level = 5;                                                  // 1..100
    Dvs Dv;                                                         // 0..15 each
    int StatExp = 0;                                                // 0..65535, each stat alike
    std::array<int, 4> Moves{-1, -1, -1, -1};                       // rows of MoveTable, -1 empty
    friend bool operator==(const TeamMember& a, const TeamMember& b)
    {
        return a.Creature == b.Creature && a.Level == b.Level && a.Dv.Attack == b.Dv.Attack &&
               a.Dv.Defense == b.Dv.Defense && a.Dv.Speed == b.Dv.Speed && a.Dv.Special == b.Dv.Special &&
               a.StatExp == b.StatExp && a.Moves == b.Moves;
    }
};

constexpr std::size_t TeamSize = 6;

// A creature at a level as the engine gives a trainer's: the four moves of
// its level, every DV 15, no stat experience. #000 stands as #001.
// std::out_of_range for a level outside 1..100.
TeamMember NewMember(species::Creature c, int level);

// The moves a member may have: those its creature learns by level, then by
// TM or HM, each once, as rows of MoveTable.
std::vector<int> LearnableMoves(species::Creature c);

// The member as one side of a battle (the user's: not the game's).
BattleSide SideOf(const TeamMember& m);

// ---- the text the team is kept in ---------------------------------------------------

// A first line "Fauneta equipe 1", one line per member (number, level, the
// four DVs, stat experience and four moves by name, "-" for none, separated
// by tabs), and a last line "fim": a file cut short lacks it.
std::string TeamText(std::span<const TeamMember> team);

// The team a text holds, or what is wrong with it in words ("a linha 3 tem
// um nível fora de 1 a 100"): a text that is not one (foreign, damaged, cut
// short), more than six members, a value out of range, a move the creature
// cannot have.
struct ReadTeam {
    std::vector<TeamMember> Members;
    std::string Problem; // empty when the text is a team
};
ReadTeam TeamFromText(std::string_view text);
