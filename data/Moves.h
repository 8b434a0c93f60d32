// The 165 moves of the Red and Blue games, in the games' own order, and how
// the moves window looks them up.
#pragma once

#include "data/Types.h"

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

// Power as the window shows it: "—" for 0, "varia" for 1, else the number.
std::string PowerText(const MoveInfo& move);

// The rows of MoveTable, in order, whose name holds the filter anywhere, case,
// blanks and hyphens ignored ("selfd" finds Self-Destruct; an empty or blank
// filter lets every move through), and whose type is `type` (0..14; -1 for
// any).
std::vector<int> MovesMatching(std::string_view filter, int type = -1);
