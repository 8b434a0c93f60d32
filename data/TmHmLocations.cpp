#include "data/TmHmLocations.h"

#include "data/TmHmLearners.h"

#include <stdexcept>
#include <string>

namespace {

// The last row keeps the three blanks after "Substitute" that the list has always shown.
constexpr MachineLocation kTm[] = {
    {"TM 01 -- Mega Punch", "Mt. Moon, Celadon Mart"},
    {"TM 02 -- Razor Wind", "Game Corner, Celadon Mart"},
    {"TM 03 -- Swords Dance", "Silph Co."},
    {"TM 04 -- Whirlwind", "Route 4"},
    {"TM 05 -- Mega Kick", "Celadon Mart, Victory Road"},
    {"TM 06 -- Toxic", "Fuschia City Gym"},
    {"TM 07 -- Horn Drill", "Celadon Mart, Game Corner"},
    {"TM 08 -- Body Slam", "S.S. Anne"},
    {"TM 09 -- Take Down", "Celadon Mart, Silph Co."},
    {"TM 10 -- Double-Edge", "Game Corner"},
    {"TM 11 -- Bubblebeam", "Cerulean City Gym"},
    {"TM 12 -- Water Gun", "Mt. Moon"},
    {"TM 13 -- Ice Beam", "Celadon Mart"},
    {"TM 14 -- Blizzard", "Mansion (Cinnabar)"},
    {"TM 15 -- Hyper Beam", "Game Corner"},
    {"TM 16 -- Pay Day", "Route 12"},
    {"TM 17 -- Submission", "Celadon Mart, Victory Road"},
    {"TM 18 -- Counter", "Celadon Mart"},
    {"TM 19 -- Seismic Toss", "Route 25"},
    {"TM 20 -- Rage", "Route 15"},
    {"TM 21 -- Mega Drain", "Celadon City Gym"},
    {"TM 22 -- Solar Beam", "Mansion (Cinnabar)"},
    {"TM 23 -- Dragon Rage", "Game Corner"},
    {"TM 24 -- Thunderbolt", "Vermilion City Gym"},
    {"TM 25 -- Thunder", "Power Plant"},
    {"TM 26 -- Earthquake", "Silph Co."},
    {"TM 27 -- Fissure", "Viridian City Gym"},
    {"TM 28 -- Dig", "Cerulean City Gym"},
    {"TM 29 -- Psychic", "Mr. Psychic (Saffron City)"},
    {"TM 30 -- Teleport", "Route 9"},
    {"TM 31 -- Mimic", "Saffron City"},
    {"TM 32 -- Double Team", "Celadon Mart, Fuschia City"},
    {"TM 33 -- Reflect", "Celadon Mart, Power Plant"},
    {"TM 34 -- Bide", "Pewter City Gym"},
    {"TM 35 -- Metronome", "Mansion (Cinnabar)"},
    {"TM 36 -- Selfdestruct", "Silph Co."},
    {"TM 37 -- Egg Bomb", "Celadon Mart, Fuschia City"},
    {"TM 38 -- Fire Blast", "Cinnabar Island Gym"},
    {"TM 39 -- Swift", "Route 12"},
    {"TM 40 -- Skull Bash", "Safari Zone"},
    {"TM 41 -- Softboiled", "Celadon City"},
    {"TM 42 -- Dream Eater", "Viridian City"},
    {"TM 43 -- Sky Attack", "Victory Road"},
    {"TM 44 -- Rest", "S.S. Anne"},
    {"TM 45 -- Thunder Wave", "Route 24"},
    {"TM 46 -- Psywave", "Saffron City Gym"},
    {"TM 47 -- Explosion", "Victory Road"},
    {"TM 48 -- Rock Slide", "Celadon Mart"},
    {"TM 49 -- Tri Attack", "Celadon Mart"},
    {"TM 50 -- Substitute   ", "Game Corner"},
};

constexpr MachineLocation kHm[] = {
    {"HM 01 --  Cut", "S.S. Anne"},         {"HM 02 --  Fly", "Route 16"},  {"HM 03 --  Surf", "Safari Zone"},
    {"HM 04 --  Strength", "Fuschia City"}, {"HM 05 --  Flash", "Route 2"},
};

} // namespace

const std::span<const MachineLocation> TmLocationTable{kTm};
const std::span<const MachineLocation> HmLocationTable{kHm};

const MachineLocation& LocationOfMachine(int machine)
{
    if (machine < 0 || machine >= MachineCount)
        throw std::out_of_range("machine " + std::to_string(machine));
    return IsHm(machine) ? HmLocationTable[static_cast<std::size_t>(machine - TmCount)]
                         : TmLocationTable[static_cast<std::size_t>(machine)];
}
