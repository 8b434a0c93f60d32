// The Red/Blue fact tables in tests/catalogue/gen1, read for cross-checks.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace facts {

struct Species {
    std::string Name, Type1, Type2;
    int Stats[5]; // HP, Attack, Defense, Speed, Special
};

struct Evolution {
    int From, To;
    std::string Method; // level, item, trade
    int Level;          // 0 unless Method is level
    std::string Item;
};

struct Move {
    bool Start; // known at level 1
    int Level;
    std::string Name;
};

// Where a creature can be had, in one version: (map, how) with how one of
// grass, water, fish-old, fish-good, fish-super, gift, purchase, static,
// prize, trade.
using Sources = std::set<std::pair<std::string, std::string>>;

struct Tables {
    std::map<int, Species> species; // 1..151
    std::vector<Evolution> evolutions;
    std::map<int, std::vector<Move>> learnsets; // in data order
    std::map<int, Sources> red, blue;
    std::map<int, std::string> tradedFor; // the creature an in-game trade asks for
};

// Loads every table; throws std::runtime_error naming a file that is missing
// or malformed.
const Tables& Load();

} // namespace facts
