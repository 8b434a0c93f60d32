// Who learns a move and how, and what a creature can learn: the catalogue's
// moves by level (with the games' corrections) and the TM/HM learners,
// joined here so that every window asks one place.
#pragma once

#include <string>
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
