// The 165 moves of the Red and Blue games, in the games' own order, and how
// the moves window looks them up.
#pragma once

#include "data/Types.h"

#include <span>
#include <string>
#include <string_view>

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

// A name or a typed filter reduced to what matching compares: letters in
// lower case, blanks and hyphens dropped ("Self-Destruct" -> "selfdestruct").
std::string MoveSearchKey(std::string_view text);

// Whether a move's name holds the filter anywhere, as MoveSearchKey reduces
// both; an empty or blank filter matches every move.
bool MoveMatches(const MoveInfo& move, std::string_view filter);
