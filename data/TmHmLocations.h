// The TM and HM list: each row is a list line and where that machine is found.
#pragma once

#include <span>
#include <string_view>

struct MachineLocation {
    std::string_view Line;     // list row, Windows-1252
    std::string_view Location; // where it is found
};

extern const std::span<const MachineLocation> TmLocationTable; // 50 rows, TM 01..TM 50
extern const std::span<const MachineLocation> HmLocationTable; // 5 rows, HM 01..HM 05

// The row of machine 0..54 (TMs first, as data/TmHmLearners numbers them);
// std::out_of_range for any other number.
const MachineLocation& LocationOfMachine(int machine);
