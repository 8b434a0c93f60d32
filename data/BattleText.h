// What the damage window says of one computed battle, line by line, in
// words and with Brazilian numbers (Windows-1252).
#pragma once

#include "data/Battle.h"

#include <string>
#include <vector>

// The lines for `r`, the result of move `move` (row of MoveTable) used on
// creature #`defender` (1..151). A damaging move: its damage and critical
// range as part of the target's HP, the hits per use of a multi-hit move,
// the chance to knock out within 1 to 4 uses (damage rolls alone, then with
// critical hits and misses), the critical and the hit chance. Any other
// kind: one line that says why there are no figures.
std::vector<std::string> ResultLines(const BattleResult& r, int move, int defender);
