// Who learns a move and how, and what a creature can learn: the catalogue's
// moves by level (with the games' corrections), the games' level-1 moves and
// the TM/HM learners, joined here so that every window asks one place.
#pragma once

#include "catalogue/LevelMoves.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct LevelLearner {
    int Row;   // catalogue row 0..151
    int Level; // 0: known from the start
};

struct MoveLearners {
    // Both by creature number, #000 first, as the choosers list them.
    std::vector<LevelLearner> ByLevel;
    std::vector<int> ByMachine; // catalogue rows that its TM or HM can teach
};

// How a move is learnt at `level`, as the new windows say it: "inicial"
// for a move known from the start, else "Nv. 13".
std::string LearnText(int level);

// Who learns move `move` (row in MoveTable); nobody for any other number.
MoveLearners LearnersOf(int move);

// The machines (0..54, TMs first) that catalogue row 0..151 can be taught.
std::vector<int> MachinesOf(int row);

// The moves creature 1..151 knows at level 1 in the games: its base data's
// four starting moves in their order, empty slots left out (MoveTable's
// spellings). The catalogue lists a starting move that is learnt again later
// only at that later level, so these complete it. std::out_of_range for any
// other number.
std::span<const std::string_view> LevelOneMoves(int creature);

// Creature 1..151's learnset as the engine reads it: the level-1 moves first
// (level 1, in the base data's order), then the moves learnt by level as
// LevelMovesOf gives them. std::out_of_range for any other number.
std::vector<LevelMove> GamesLearnset(int creature);
