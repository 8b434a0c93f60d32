// The Red/Blue fact tables in tests/catalogue/gen1, read for cross-checks.
#pragma once

#include <map>
#include <set>
#include <string>
#include <tuple>
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

struct MoveFacts {
    std::string Name, Type, Effect;
    int Power, Accuracy, Pp;
};

// A trainer's party (trainers.csv); Class is the data's constant ("BUG_CATCHER").
struct Trainer {
    std::string Class, ClassName;
    int Number;
    std::string Place, PlaceNote;
    int PartySize, LastLevel, BaseMoney, Money;
    std::string SpecialMoves, When; // "Onix: Bide"; "player chose Charmander"
    bool Used() const { return PlaceNote != "Unused"; }
};

// One member of a party (trainer_pokemon.csv); a move left empty is "".
struct TrainerMember {
    std::string Class;
    int Number, Slot, Level, Creature;
    std::string Name;
    std::string Moves[4];
};

struct Tables {
    std::map<int, Species> species; // 1..151
    std::vector<Evolution> evolutions;
    std::map<int, std::vector<Move>> learnsets; // in data order
    std::map<int, Sources> red, blue;
    std::vector<MoveFacts> moves;                                   // game order
    std::set<std::tuple<int, std::string, int>> machines;           // (creature, "TM"/"HM", number)
    std::map<std::pair<std::string, int>, std::string> machineMove; // ("TM", 24) -> "Thunderbolt"
    // (attacking type, defending type) -> multiplier, English names; only
    // the pairs that are not 1.
    std::map<std::pair<std::string, std::string>, double> typeChart;
    std::map<int, std::string> tradedFor;      // the creature an in-game trade asks for
    std::vector<Trainer> trainers;             // every party, used or not, in data order
    std::vector<TrainerMember> trainerMembers; // by party, then slot
};

// One CSV file of the folder: a row maps each header field to its text.
// Throws std::runtime_error naming a file that is missing or malformed.
std::vector<std::map<std::string, std::string>> ReadTable(const std::string& name);

// A move's name as the guide spells it: three moves it spells its own way
// (as its given rows do); every other keeps the fact tables' spelling.
std::string Shown(const std::string& move);

// The catalogue's name of each English type name ("Fire" -> "Fogo", UTF-8).
const std::map<std::string, std::string>& PortugueseTypes();

// Loads every table; throws std::runtime_error naming a file that is missing
// or malformed.
const Tables& Load();

} // namespace facts
