// Which creature can be taught which TM or HM in the Red and Blue games.
// Machines are numbered 0..54: TM 01..TM 50 are 0..49, HM 01..HM 05 are 50..54.
#pragma once

#include <string>

inline constexpr int TmCount = 50, HmCount = 5;
inline constexpr int MachineCount = TmCount + HmCount;

// Whether machine 0..54 is an HM (the TMs come first).
constexpr bool IsHm(int machine)
{
    return machine >= TmCount;
}
// Its number within its kind: 24 for TM 24, 3 for HM 03.
constexpr int MachineNumber(int machine)
{
    return IsHm(machine) ? machine - TmCount + 1 : machine + 1;
}

// Row in MoveTable of the move machine 0..54 teaches.
int MachineMove(int machine);

// The machine that teaches a move (row in MoveTable), -1 when none does.
int MachineOfMove(int move);

// "TM 24", "HM 03".
std::string MachineName(int machine);

// Whether creature 1..151 can be taught machine 0..54; false for any other
// creature number (#000 has no such record).
bool CanLearnMachine(int number, int machine);
