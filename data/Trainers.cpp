// The parties are the games' own, member by member, with the classes' names
// and base money; tests/data/TrainersTest.cpp checks them against the fact
// tables. The moves are not tabled: they follow from the learnsets as the
// engine writes them.
#include "data/Trainers.h"

#include "data/Learners.h"
#include "data/Moves.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace trainers {
namespace {

using C = TrainerClass;
using S = StarterChoice;
using P = encounters::Place;

struct MetRow {
    encounters::Place Where;
    TrainerClass Class;
    std::uint8_t Number;
};

struct ClassRow {
    std::string_view Name; // ASCII, so the same in Windows-1252
    int BaseMoney;
};

// By TrainerClass.
constexpr ClassRow kClasses[] = {
    {"Youngster", 15},       {"Bug Catcher", 10},     {"Lass", 15},       {"Sailor", 30},
    {"Jr. Trainer (M)", 20}, {"Jr. Trainer (F)", 20}, {"Pokemaniac", 50}, {"Super Nerd", 25},
    {"Hiker", 35},           {"Biker", 20},           {"Burglar", 90},    {"Engineer", 50},
    {"Fisherman", 35},       {"Swimmer", 5},          {"Cue Ball", 25},   {"Gambler", 70},
    {"Beauty", 70},          {"Psychic", 10},         {"Rocker", 25},     {"Juggler", 35},
    {"Tamer", 40},           {"Bird Keeper", 25},     {"Blackbelt", 25},  {"Rival", 35},
    {"Scientist", 50},       {"Giovanni", 99},        {"Rocket", 30},     {"Cooltrainer (M)", 35},
    {"Cooltrainer (F)", 35}, {"Bruno", 99},           {"Brock", 99},      {"Misty", 99},
    {"Lt. Surge", 99},       {"Erika", 99},           {"Koga", 99},       {"Blaine", 99},
    {"Sabrina", 99},         {"Gentleman", 70},       {"Rival", 65},      {"Rival (Champion)", 99},
    {"Lorelei", 99},         {"Channeler", 30},       {"Agatha", 99},     {"Lance", 99},
};
static_assert(std::size(kClasses) == ClassCount);

// clang-format off
constexpr Member kYoungster1[] = {{19, 11}, {23, 11}}; // Rattata, Ekans
constexpr Member kYoungster2[] = {{21, 14}}; // Spearow
constexpr Member kYoungster3[] = {{19, 10}, {19, 10}, {41, 10}}; // Rattata, Rattata, Zubat
constexpr Member kYoungster4[] = {{19, 14}, {23, 14}, {41, 14}}; // Rattata, Ekans, Zubat
constexpr Member kYoungster5[] = {{19, 15}, {21, 15}}; // Rattata, Spearow
constexpr Member kYoungster6[] = {{79, 17}}; // Slowpoke
constexpr Member kYoungster7[] = {{23, 14}, {27, 14}}; // Ekans, Sandshrew
constexpr Member kYoungster8[] = {{32, 21}}; // Nidoran (M)
constexpr Member kYoungster9[] = {{23, 21}}; // Ekans
constexpr Member kYoungster10[] = {{27, 19}, {41, 19}}; // Sandshrew, Zubat
constexpr Member kYoungster11[] = {{19, 17}, {19, 17}, {20, 17}}; // Rattata, Rattata, Raticate
constexpr Member kYoungster12[] = {{32, 18}, {33, 18}}; // Nidoran (M), Nidorino
constexpr Member kBugCatcher1[] = {{13, 6}, {10, 6}}; // Weedle, Caterpie
constexpr Member kBugCatcher2[] = {{13, 7}, {14, 7}, {13, 7}}; // Weedle, Kakuna, Weedle
constexpr Member kBugCatcher3[] = {{13, 9}}; // Weedle
constexpr Member kBugCatcher4[] = {{10, 10}, {13, 10}, {10, 10}}; // Caterpie, Weedle, Caterpie
constexpr Member kBugCatcher5[] = {{13, 9}, {14, 9}, {10, 9}, {11, 9}}; // Weedle, Kakuna, Caterpie, Metapod
constexpr Member kBugCatcher6[] = {{10, 11}, {11, 11}}; // Caterpie, Metapod
constexpr Member kBugCatcher7[] = {{13, 11}, {14, 11}}; // Weedle, Kakuna
constexpr Member kBugCatcher8[] = {{10, 10}, {11, 10}, {10, 10}}; // Caterpie, Metapod, Caterpie
constexpr Member kBugCatcher9[] = {{10, 14}, {13, 14}}; // Caterpie, Weedle
constexpr Member kBugCatcher10[] = {{13, 16}, {10, 16}, {13, 16}}; // Weedle, Caterpie, Weedle
constexpr Member kBugCatcher11[] = {{12, 20}}; // Butterfree
constexpr Member kBugCatcher13[] = {{15, 19}, {15, 19}}; // Beedrill, Beedrill
constexpr Member kBugCatcher14[] = {{10, 20}, {13, 20}, {48, 20}}; // Caterpie, Weedle, Venonat
constexpr Member kLass1[] = {{16, 9}, {16, 9}}; // Pidgey, Pidgey
constexpr Member kLass2[] = {{19, 10}, {32, 10}}; // Rattata, Nidoran (M)
constexpr Member kLass3[] = {{39, 14}}; // Jigglypuff
constexpr Member kLass4[] = {{46, 31}, {46, 31}, {47, 31}}; // Paras, Paras, Parasect
constexpr Member kLass5[] = {{43, 11}, {69, 11}}; // Oddish, Bellsprout
constexpr Member kLass6[] = {{35, 14}}; // Clefairy
constexpr Member kLass7[] = {{16, 16}, {29, 16}}; // Pidgey, Nidoran (F)
constexpr Member kLass8[] = {{16, 14}, {29, 14}}; // Pidgey, Nidoran (F)
constexpr Member kLass9[] = {{32, 15}, {29, 15}}; // Nidoran (M), Nidoran (F)
constexpr Member kLass10[] = {{43, 13}, {16, 13}, {43, 13}}; // Oddish, Pidgey, Oddish
constexpr Member kLass11[] = {{16, 18}, {29, 18}}; // Pidgey, Nidoran (F)
constexpr Member kLass12[] = {{19, 18}, {25, 18}}; // Rattata, Pikachu
constexpr Member kLass13[] = {{29, 23}, {30, 23}}; // Nidoran (F), Nidorina
constexpr Member kLass14[] = {{52, 24}, {52, 24}, {52, 24}}; // Meowth, Meowth, Meowth
constexpr Member kLass15[] = {{16, 19}, {19, 19}, {32, 19}, {52, 19}, {25, 19}}; // Pidgey, Rattata, Nidoran (M), Meowth, Pikachu
constexpr Member kLass16[] = {{35, 22}, {35, 22}}; // Clefairy, Clefairy
constexpr Member kLass17[] = {{69, 23}, {70, 23}}; // Bellsprout, Weepinbell
constexpr Member kLass18[] = {{43, 23}, {44, 23}}; // Oddish, Gloom
constexpr Member kSailor1[] = {{66, 18}, {90, 18}}; // Machop, Shellder
constexpr Member kSailor2[] = {{66, 17}, {72, 17}}; // Machop, Tentacool
constexpr Member kSailor3[] = {{90, 21}}; // Shellder
constexpr Member kSailor4[] = {{116, 17}, {90, 17}, {72, 17}}; // Horsea, Shellder, Tentacool
constexpr Member kSailor5[] = {{72, 18}, {120, 18}}; // Tentacool, Staryu
constexpr Member kSailor6[] = {{116, 17}, {116, 17}, {116, 17}}; // Horsea, Horsea, Horsea
constexpr Member kSailor7[] = {{66, 20}}; // Machop
constexpr Member kSailor8[] = {{25, 21}, {25, 21}}; // Pikachu, Pikachu
constexpr Member kJrTrainerM1[] = {{50, 11}, {27, 11}}; // Diglett, Sandshrew
constexpr Member kJrTrainerM2[] = {{19, 14}, {23, 14}}; // Rattata, Ekans
constexpr Member kJrTrainerM3[] = {{56, 18}}; // Mankey
constexpr Member kJrTrainerM4[] = {{7, 20}}; // Squirtle
constexpr Member kJrTrainerM5[] = {{21, 16}, {20, 16}}; // Spearow, Raticate
constexpr Member kJrTrainerM7[] = {{58, 21}, {4, 21}}; // Growlithe, Charmander
constexpr Member kJrTrainerM8[] = {{19, 19}, {50, 19}, {23, 19}, {27, 19}}; // Rattata, Diglett, Ekans, Sandshrew
constexpr Member kJrTrainerM9[] = {{32, 29}, {33, 29}}; // Nidoran (M), Nidorino
constexpr Member kJrTrainerF1[] = {{118, 19}}; // Goldeen
constexpr Member kJrTrainerF2[] = {{19, 16}, {25, 16}}; // Rattata, Pikachu
constexpr Member kJrTrainerF3[] = {{16, 16}, {16, 16}, {16, 16}}; // Pidgey, Pidgey, Pidgey
constexpr Member kJrTrainerF5[] = {{43, 18}, {69, 18}, {43, 18}, {69, 18}}; // Oddish, Bellsprout, Oddish, Bellsprout
constexpr Member kJrTrainerF6[] = {{52, 23}}; // Meowth
constexpr Member kJrTrainerF7[] = {{25, 20}, {35, 20}}; // Pikachu, Clefairy
constexpr Member kJrTrainerF8[] = {{16, 21}, {17, 21}}; // Pidgey, Pidgeotto
constexpr Member kJrTrainerF9[] = {{39, 21}, {16, 21}, {52, 21}}; // Jigglypuff, Pidgey, Meowth
constexpr Member kJrTrainerF10[] = {{43, 22}, {1, 22}}; // Oddish, Bulbasaur
constexpr Member kJrTrainerF11[] = {{1, 24}, {2, 24}}; // Bulbasaur, Ivysaur
constexpr Member kJrTrainerF12[] = {{16, 24}, {52, 24}, {19, 24}, {25, 24}, {52, 24}}; // Pidgey, Meowth, Rattata, Pikachu, Meowth
constexpr Member kJrTrainerF13[] = {{60, 30}, {60, 30}}; // Poliwag, Poliwag
constexpr Member kJrTrainerF14[] = {{16, 27}, {52, 27}, {16, 27}, {17, 27}}; // Pidgey, Meowth, Pidgey, Pidgeotto
constexpr Member kJrTrainerF15[] = {{118, 28}, {60, 28}, {116, 28}}; // Goldeen, Poliwag, Horsea
constexpr Member kJrTrainerF16[] = {{118, 31}, {119, 31}}; // Goldeen, Seaking
constexpr Member kJrTrainerF17[] = {{69, 22}, {35, 22}}; // Bellsprout, Clefairy
constexpr Member kJrTrainerF18[] = {{52, 20}, {43, 20}, {16, 20}}; // Meowth, Oddish, Pidgey
constexpr Member kJrTrainerF19[] = {{16, 19}, {19, 19}, {19, 19}, {69, 19}}; // Pidgey, Rattata, Rattata, Bellsprout
constexpr Member kJrTrainerF20[] = {{44, 28}, {43, 28}, {43, 28}}; // Gloom, Oddish, Oddish
constexpr Member kJrTrainerF21[] = {{25, 29}, {26, 29}}; // Pikachu, Raichu
constexpr Member kJrTrainerF22[] = {{35, 33}}; // Clefairy
constexpr Member kJrTrainerF23[] = {{69, 29}, {43, 29}, {114, 29}}; // Bellsprout, Oddish, Tangela
constexpr Member kJrTrainerF24[] = {{72, 30}, {116, 30}, {86, 30}}; // Tentacool, Horsea, Seel
constexpr Member kPokemaniac1[] = {{111, 30}, {108, 30}}; // Rhyhorn, Lickitung
constexpr Member kPokemaniac2[] = {{104, 20}, {79, 20}}; // Cubone, Slowpoke
constexpr Member kPokemaniac3[] = {{79, 20}, {79, 20}, {79, 20}}; // Slowpoke, Slowpoke, Slowpoke
constexpr Member kPokemaniac4[] = {{4, 22}, {104, 22}}; // Charmander, Cubone
constexpr Member kPokemaniac5[] = {{79, 25}}; // Slowpoke
constexpr Member kPokemaniac6[] = {{5, 40}, {131, 40}, {108, 40}}; // Charmeleon, Lapras, Lickitung
constexpr Member kPokemaniac7[] = {{104, 23}, {79, 23}}; // Cubone, Slowpoke
constexpr Member kSuperNerd1[] = {{81, 11}, {100, 11}}; // Magnemite, Voltorb
constexpr Member kSuperNerd2[] = {{88, 12}, {100, 12}, {109, 12}}; // Grimer, Voltorb, Koffing
constexpr Member kSuperNerd3[] = {{100, 20}, {109, 20}, {100, 20}, {81, 20}}; // Voltorb, Koffing, Voltorb, Magnemite
constexpr Member kSuperNerd4[] = {{88, 22}, {89, 22}, {88, 22}}; // Grimer, Muk, Grimer
constexpr Member kSuperNerd5[] = {{109, 26}}; // Koffing
constexpr Member kSuperNerd9[] = {{37, 36}, {37, 36}, {38, 36}}; // Vulpix, Vulpix, Ninetales
constexpr Member kSuperNerd10[] = {{77, 34}, {4, 34}, {37, 34}, {58, 34}}; // Ponyta, Charmander, Vulpix, Growlithe
constexpr Member kSuperNerd11[] = {{78, 41}}; // Rapidash
constexpr Member kSuperNerd12[] = {{58, 37}, {37, 37}}; // Growlithe, Vulpix
constexpr Member kHiker1[] = {{74, 10}, {74, 10}, {95, 10}}; // Geodude, Geodude, Onix
constexpr Member kHiker2[] = {{66, 15}, {74, 15}}; // Machop, Geodude
constexpr Member kHiker3[] = {{74, 13}, {74, 13}, {66, 13}, {74, 13}}; // Geodude, Geodude, Machop, Geodude
constexpr Member kHiker4[] = {{95, 17}}; // Onix
constexpr Member kHiker5[] = {{74, 21}, {95, 21}}; // Geodude, Onix
constexpr Member kHiker6[] = {{74, 20}, {66, 20}, {74, 20}}; // Geodude, Machop, Geodude
constexpr Member kHiker7[] = {{74, 21}, {95, 21}}; // Geodude, Onix
constexpr Member kHiker8[] = {{95, 19}, {75, 19}}; // Onix, Graveler
constexpr Member kHiker9[] = {{74, 21}, {74, 21}, {75, 21}}; // Geodude, Geodude, Graveler
constexpr Member kHiker10[] = {{74, 25}}; // Geodude
constexpr Member kHiker11[] = {{66, 20}, {95, 20}}; // Machop, Onix
constexpr Member kHiker12[] = {{74, 19}, {66, 19}, {74, 19}, {74, 19}}; // Geodude, Machop, Geodude, Geodude
constexpr Member kHiker13[] = {{95, 20}, {95, 20}, {74, 20}}; // Onix, Onix, Geodude
constexpr Member kHiker14[] = {{74, 21}, {75, 21}}; // Geodude, Graveler
constexpr Member kBiker1[] = {{109, 28}, {109, 28}, {109, 28}}; // Koffing, Koffing, Koffing
constexpr Member kBiker2[] = {{109, 29}, {88, 29}}; // Koffing, Grimer
constexpr Member kBiker3[] = {{109, 25}, {109, 25}, {110, 25}, {109, 25}, {88, 25}}; // Koffing, Koffing, Weezing, Koffing, Grimer
constexpr Member kBiker4[] = {{109, 28}, {88, 28}, {110, 28}}; // Koffing, Grimer, Weezing
constexpr Member kBiker5[] = {{88, 29}, {109, 29}}; // Grimer, Koffing
constexpr Member kBiker6[] = {{110, 33}}; // Weezing
constexpr Member kBiker7[] = {{88, 26}, {88, 26}, {88, 26}, {88, 26}}; // Grimer, Grimer, Grimer, Grimer
constexpr Member kBiker8[] = {{110, 28}, {109, 28}, {110, 28}}; // Weezing, Koffing, Weezing
constexpr Member kBiker9[] = {{89, 33}}; // Muk
constexpr Member kBiker10[] = {{100, 29}, {100, 29}}; // Voltorb, Voltorb
constexpr Member kBiker11[] = {{110, 29}, {89, 29}}; // Weezing, Muk
constexpr Member kBiker12[] = {{109, 25}, {110, 25}, {109, 25}, {109, 25}, {110, 25}}; // Koffing, Weezing, Koffing, Koffing, Weezing
constexpr Member kBiker13[] = {{109, 26}, {109, 26}, {88, 26}, {109, 26}}; // Koffing, Koffing, Grimer, Koffing
constexpr Member kBiker14[] = {{88, 28}, {88, 28}, {109, 28}}; // Grimer, Grimer, Koffing
constexpr Member kBiker15[] = {{109, 29}, {89, 29}}; // Koffing, Muk
constexpr Member kBurglar4[] = {{58, 36}, {37, 36}, {38, 36}}; // Growlithe, Vulpix, Ninetales
constexpr Member kBurglar5[] = {{77, 41}}; // Ponyta
constexpr Member kBurglar6[] = {{37, 37}, {58, 37}}; // Vulpix, Growlithe
constexpr Member kBurglar7[] = {{4, 34}, {5, 34}}; // Charmander, Charmeleon
constexpr Member kBurglar8[] = {{38, 38}}; // Ninetales
constexpr Member kBurglar9[] = {{58, 34}, {77, 34}}; // Growlithe, Ponyta
constexpr Member kEngineer2[] = {{81, 21}}; // Magnemite
constexpr Member kEngineer3[] = {{81, 18}, {81, 18}, {82, 18}}; // Magnemite, Magnemite, Magneton
constexpr Member kFisher1[] = {{118, 17}, {72, 17}, {118, 17}}; // Goldeen, Tentacool, Goldeen
constexpr Member kFisher2[] = {{72, 17}, {120, 17}, {90, 17}}; // Tentacool, Staryu, Shellder
constexpr Member kFisher3[] = {{118, 22}, {60, 22}, {118, 22}}; // Goldeen, Poliwag, Goldeen
constexpr Member kFisher4[] = {{72, 24}, {118, 24}}; // Tentacool, Goldeen
constexpr Member kFisher5[] = {{118, 27}}; // Goldeen
constexpr Member kFisher6[] = {{60, 21}, {90, 21}, {118, 21}, {116, 21}}; // Poliwag, Shellder, Goldeen, Horsea
constexpr Member kFisher7[] = {{119, 28}, {118, 28}, {119, 28}, {119, 28}}; // Seaking, Goldeen, Seaking, Seaking
constexpr Member kFisher8[] = {{90, 31}, {91, 31}}; // Shellder, Cloyster
constexpr Member kFisher9[] = {{129, 27}, {129, 27}, {129, 27}, {129, 27}, {129, 27}, {129, 27}}; // Magikarp, Magikarp, Magikarp, Magikarp, Magikarp, Magikarp
constexpr Member kFisher10[] = {{119, 33}, {118, 33}}; // Seaking, Goldeen
constexpr Member kFisher11[] = {{129, 24}, {129, 24}}; // Magikarp, Magikarp
constexpr Member kSwimmer1[] = {{116, 16}, {90, 16}}; // Horsea, Shellder
constexpr Member kSwimmer2[] = {{72, 30}, {90, 30}}; // Tentacool, Shellder
constexpr Member kSwimmer3[] = {{118, 29}, {116, 29}, {120, 29}}; // Goldeen, Horsea, Staryu
constexpr Member kSwimmer4[] = {{60, 30}, {61, 30}}; // Poliwag, Poliwhirl
constexpr Member kSwimmer5[] = {{116, 27}, {72, 27}, {72, 27}, {118, 27}}; // Horsea, Tentacool, Tentacool, Goldeen
constexpr Member kSwimmer6[] = {{118, 29}, {90, 29}, {119, 29}}; // Goldeen, Shellder, Seaking
constexpr Member kSwimmer7[] = {{116, 30}, {116, 30}}; // Horsea, Horsea
constexpr Member kSwimmer8[] = {{72, 27}, {72, 27}, {120, 27}, {116, 27}, {73, 27}}; // Tentacool, Tentacool, Staryu, Horsea, Tentacruel
constexpr Member kSwimmer9[] = {{90, 31}, {91, 31}}; // Shellder, Cloyster
constexpr Member kSwimmer10[] = {{120, 35}}; // Staryu
constexpr Member kSwimmer11[] = {{116, 28}, {116, 28}, {117, 28}, {116, 28}}; // Horsea, Horsea, Seadra, Horsea
constexpr Member kSwimmer12[] = {{117, 33}, {73, 33}}; // Seadra, Tentacruel
constexpr Member kSwimmer13[] = {{121, 37}}; // Starmie
constexpr Member kSwimmer14[] = {{120, 33}, {8, 33}}; // Staryu, Wartortle
constexpr Member kSwimmer15[] = {{61, 32}, {72, 32}, {117, 32}}; // Poliwhirl, Tentacool, Seadra
constexpr Member kCueBall1[] = {{66, 28}, {56, 28}, {66, 28}}; // Machop, Mankey, Machop
constexpr Member kCueBall2[] = {{56, 29}, {66, 29}}; // Mankey, Machop
constexpr Member kCueBall3[] = {{66, 33}}; // Machop
constexpr Member kCueBall4[] = {{56, 29}, {57, 29}}; // Mankey, Primeape
constexpr Member kCueBall5[] = {{66, 29}, {67, 29}}; // Machop, Machoke
constexpr Member kCueBall6[] = {{67, 33}}; // Machoke
constexpr Member kCueBall7[] = {{56, 26}, {56, 26}, {67, 26}, {66, 26}}; // Mankey, Mankey, Machoke, Machop
constexpr Member kCueBall8[] = {{57, 29}, {67, 29}}; // Primeape, Machoke
constexpr Member kCueBall9[] = {{72, 31}, {72, 31}, {73, 31}}; // Tentacool, Tentacool, Tentacruel
constexpr Member kGambler1[] = {{60, 18}, {116, 18}}; // Poliwag, Horsea
constexpr Member kGambler2[] = {{69, 18}, {43, 18}}; // Bellsprout, Oddish
constexpr Member kGambler3[] = {{100, 18}, {81, 18}}; // Voltorb, Magnemite
constexpr Member kGambler4[] = {{58, 18}, {37, 18}}; // Growlithe, Vulpix
constexpr Member kGambler5[] = {{60, 22}, {60, 22}, {61, 22}}; // Poliwag, Poliwag, Poliwhirl
constexpr Member kGambler7[] = {{58, 24}, {37, 24}}; // Growlithe, Vulpix
constexpr Member kBeauty1[] = {{43, 21}, {69, 21}, {43, 21}, {69, 21}}; // Oddish, Bellsprout, Oddish, Bellsprout
constexpr Member kBeauty2[] = {{69, 24}, {69, 24}}; // Bellsprout, Bellsprout
constexpr Member kBeauty3[] = {{102, 26}}; // Exeggcute
constexpr Member kBeauty4[] = {{19, 27}, {25, 27}, {19, 27}}; // Rattata, Pikachu, Rattata
constexpr Member kBeauty5[] = {{35, 29}, {52, 29}}; // Clefairy, Meowth
constexpr Member kBeauty6[] = {{119, 35}}; // Seaking
constexpr Member kBeauty7[] = {{90, 30}, {90, 30}, {91, 30}}; // Shellder, Shellder, Cloyster
constexpr Member kBeauty8[] = {{60, 31}, {119, 31}}; // Poliwag, Seaking
constexpr Member kBeauty9[] = {{17, 29}, {40, 29}}; // Pidgeotto, Wigglytuff
constexpr Member kBeauty10[] = {{1, 29}, {2, 29}}; // Bulbasaur, Ivysaur
constexpr Member kBeauty12[] = {{60, 27}, {118, 27}, {119, 27}, {118, 27}, {60, 27}}; // Poliwag, Goldeen, Seaking, Goldeen, Poliwag
constexpr Member kBeauty13[] = {{118, 30}, {119, 30}}; // Goldeen, Seaking
constexpr Member kBeauty14[] = {{120, 29}, {120, 29}, {120, 29}}; // Staryu, Staryu, Staryu
constexpr Member kBeauty15[] = {{117, 30}, {116, 30}, {117, 30}}; // Seadra, Horsea, Seadra
constexpr Member kPsychic1[] = {{64, 31}, {79, 31}, {122, 31}, {64, 31}}; // Kadabra, Slowpoke, Mr. Mime, Kadabra
constexpr Member kPsychic2[] = {{122, 34}, {64, 34}}; // Mr. Mime, Kadabra
constexpr Member kPsychic3[] = {{79, 33}, {79, 33}, {80, 33}}; // Slowpoke, Slowpoke, Slowbro
constexpr Member kPsychic4[] = {{80, 38}}; // Slowbro
constexpr Member kRocker1[] = {{100, 20}, {81, 20}, {100, 20}}; // Voltorb, Magnemite, Voltorb
constexpr Member kRocker2[] = {{100, 29}, {101, 29}}; // Voltorb, Electrode
constexpr Member kJuggler1[] = {{64, 29}, {122, 29}}; // Kadabra, Mr. Mime
constexpr Member kJuggler2[] = {{96, 41}, {97, 41}, {64, 41}, {64, 41}}; // Drowzee, Hypno, Kadabra, Kadabra
constexpr Member kJuggler3[] = {{96, 31}, {96, 31}, {64, 31}, {96, 31}}; // Drowzee, Drowzee, Kadabra, Drowzee
constexpr Member kJuggler4[] = {{96, 34}, {97, 34}}; // Drowzee, Hypno
constexpr Member kJuggler5[] = {{122, 48}}; // Mr. Mime
constexpr Member kJuggler7[] = {{97, 38}}; // Hypno
constexpr Member kJuggler8[] = {{96, 34}, {64, 34}}; // Drowzee, Kadabra
constexpr Member kTamer1[] = {{28, 34}, {24, 34}}; // Sandslash, Arbok
constexpr Member kTamer2[] = {{24, 33}, {28, 33}, {24, 33}}; // Arbok, Sandslash, Arbok
constexpr Member kTamer3[] = {{111, 43}}; // Rhyhorn
constexpr Member kTamer4[] = {{24, 39}, {128, 39}}; // Arbok, Tauros
constexpr Member kTamer5[] = {{53, 44}, {55, 44}}; // Persian, Golduck
constexpr Member kBirdKeeper1[] = {{16, 29}, {17, 29}}; // Pidgey, Pidgeotto
constexpr Member kBirdKeeper2[] = {{21, 25}, {16, 25}, {16, 25}, {21, 25}, {21, 25}}; // Spearow, Pidgey, Pidgey, Spearow, Spearow
constexpr Member kBirdKeeper3[] = {{16, 26}, {17, 26}, {21, 26}, {22, 26}}; // Pidgey, Pidgeotto, Spearow, Fearow
constexpr Member kBirdKeeper4[] = {{83, 33}}; // Farfetch'd
constexpr Member kBirdKeeper5[] = {{21, 29}, {22, 29}}; // Spearow, Fearow
constexpr Member kBirdKeeper6[] = {{17, 26}, {83, 26}, {84, 26}, {16, 26}}; // Pidgeotto, Farfetch'd, Doduo, Pidgey
constexpr Member kBirdKeeper7[] = {{85, 28}, {84, 28}, {84, 28}}; // Dodrio, Doduo, Doduo
constexpr Member kBirdKeeper8[] = {{21, 29}, {22, 29}}; // Spearow, Fearow
constexpr Member kBirdKeeper9[] = {{85, 34}}; // Dodrio
constexpr Member kBirdKeeper10[] = {{21, 26}, {21, 26}, {22, 26}, {21, 26}}; // Spearow, Spearow, Fearow, Spearow
constexpr Member kBirdKeeper11[] = {{22, 30}, {22, 30}, {17, 30}}; // Fearow, Fearow, Pidgeotto
constexpr Member kBirdKeeper14[] = {{16, 28}, {84, 28}, {17, 28}}; // Pidgey, Doduo, Pidgeotto
constexpr Member kBirdKeeper15[] = {{16, 26}, {21, 26}, {16, 26}, {22, 26}}; // Pidgey, Spearow, Pidgey, Fearow
constexpr Member kBirdKeeper16[] = {{17, 29}, {22, 29}}; // Pidgeotto, Fearow
constexpr Member kBirdKeeper17[] = {{21, 28}, {84, 28}, {22, 28}}; // Spearow, Doduo, Fearow
constexpr Member kBlackbelt1[] = {{106, 37}, {107, 37}}; // Hitmonlee, Hitmonchan
constexpr Member kBlackbelt2[] = {{56, 31}, {56, 31}, {57, 31}}; // Mankey, Mankey, Primeape
constexpr Member kBlackbelt3[] = {{66, 32}, {67, 32}}; // Machop, Machoke
constexpr Member kBlackbelt4[] = {{57, 36}}; // Primeape
constexpr Member kBlackbelt5[] = {{66, 31}, {56, 31}, {57, 31}}; // Machop, Mankey, Primeape
constexpr Member kBlackbelt6[] = {{66, 40}, {67, 40}}; // Machop, Machoke
constexpr Member kBlackbelt7[] = {{67, 43}}; // Machoke
constexpr Member kBlackbelt8[] = {{67, 38}, {66, 38}, {67, 38}}; // Machoke, Machop, Machoke
constexpr Member kBlackbelt9[] = {{67, 43}, {66, 43}, {67, 43}}; // Machoke, Machop, Machoke
constexpr Member kRival11[] = {{7, 5}}; // Squirtle
constexpr Member kRival12[] = {{1, 5}}; // Bulbasaur
constexpr Member kRival13[] = {{4, 5}}; // Charmander
constexpr Member kRival14[] = {{16, 9}, {7, 8}}; // Pidgey, Squirtle
constexpr Member kRival15[] = {{16, 9}, {1, 8}}; // Pidgey, Bulbasaur
constexpr Member kRival16[] = {{16, 9}, {4, 8}}; // Pidgey, Charmander
constexpr Member kRival17[] = {{17, 18}, {63, 15}, {19, 15}, {7, 17}}; // Pidgeotto, Abra, Rattata, Squirtle
constexpr Member kRival18[] = {{17, 18}, {63, 15}, {19, 15}, {1, 17}}; // Pidgeotto, Abra, Rattata, Bulbasaur
constexpr Member kRival19[] = {{17, 18}, {63, 15}, {19, 15}, {4, 17}}; // Pidgeotto, Abra, Rattata, Charmander
constexpr Member kScientist2[] = {{88, 26}, {110, 26}, {109, 26}, {110, 26}}; // Grimer, Weezing, Koffing, Weezing
constexpr Member kScientist3[] = {{81, 28}, {100, 28}, {82, 28}}; // Magnemite, Voltorb, Magneton
constexpr Member kScientist4[] = {{101, 29}, {110, 29}}; // Electrode, Weezing
constexpr Member kScientist5[] = {{101, 33}}; // Electrode
constexpr Member kScientist6[] = {{82, 26}, {109, 26}, {110, 26}, {81, 26}}; // Magneton, Koffing, Weezing, Magnemite
constexpr Member kScientist7[] = {{100, 25}, {109, 25}, {82, 25}, {81, 25}, {109, 25}}; // Voltorb, Koffing, Magneton, Magnemite, Koffing
constexpr Member kScientist8[] = {{101, 29}, {89, 29}}; // Electrode, Muk
constexpr Member kScientist9[] = {{88, 29}, {101, 29}}; // Grimer, Electrode
constexpr Member kScientist10[] = {{100, 28}, {109, 28}, {82, 28}}; // Voltorb, Koffing, Magneton
constexpr Member kScientist11[] = {{81, 29}, {109, 29}}; // Magnemite, Koffing
constexpr Member kScientist12[] = {{81, 33}, {82, 33}, {100, 33}}; // Magnemite, Magneton, Voltorb
constexpr Member kScientist13[] = {{81, 34}, {101, 34}}; // Magnemite, Electrode
constexpr Member kGiovanni1[] = {{95, 25}, {111, 24}, {115, 29}}; // Onix, Rhyhorn, Kangaskhan
constexpr Member kGiovanni2[] = {{33, 37}, {115, 35}, {111, 37}, {31, 41}}; // Nidorino, Kangaskhan, Rhyhorn, Nidoqueen
constexpr Member kGiovanni3[] = {{111, 45}, {51, 42}, {31, 44}, {34, 45}, {112, 50}}; // Rhyhorn, Dugtrio, Nidoqueen, Nidoking, Rhydon
constexpr Member kRocket1[] = {{19, 13}, {41, 13}}; // Rattata, Zubat
constexpr Member kRocket2[] = {{27, 11}, {19, 11}, {41, 11}}; // Sandshrew, Rattata, Zubat
constexpr Member kRocket3[] = {{41, 12}, {23, 12}}; // Zubat, Ekans
constexpr Member kRocket4[] = {{20, 16}}; // Raticate
constexpr Member kRocket5[] = {{66, 17}, {96, 17}}; // Machop, Drowzee
constexpr Member kRocket6[] = {{23, 15}, {41, 15}}; // Ekans, Zubat
constexpr Member kRocket7[] = {{20, 20}, {41, 20}}; // Raticate, Zubat
constexpr Member kRocket8[] = {{96, 21}, {66, 21}}; // Drowzee, Machop
constexpr Member kRocket9[] = {{20, 21}, {20, 21}}; // Raticate, Raticate
constexpr Member kRocket10[] = {{88, 20}, {109, 20}, {109, 20}}; // Grimer, Koffing, Koffing
constexpr Member kRocket11[] = {{19, 19}, {20, 19}, {20, 19}, {19, 19}}; // Rattata, Raticate, Raticate, Rattata
constexpr Member kRocket12[] = {{88, 22}, {109, 22}}; // Grimer, Koffing
constexpr Member kRocket13[] = {{41, 17}, {109, 17}, {88, 17}, {41, 17}, {20, 17}}; // Zubat, Koffing, Grimer, Zubat, Raticate
constexpr Member kRocket14[] = {{19, 20}, {20, 20}, {96, 20}}; // Rattata, Raticate, Drowzee
constexpr Member kRocket15[] = {{66, 21}, {66, 21}}; // Machop, Machop
constexpr Member kRocket16[] = {{27, 23}, {23, 23}, {28, 23}}; // Sandshrew, Ekans, Sandslash
constexpr Member kRocket17[] = {{23, 23}, {27, 23}, {24, 23}}; // Ekans, Sandshrew, Arbok
constexpr Member kRocket18[] = {{109, 21}, {41, 21}}; // Koffing, Zubat
constexpr Member kRocket19[] = {{41, 25}, {41, 25}, {42, 25}}; // Zubat, Zubat, Golbat
constexpr Member kRocket20[] = {{109, 26}, {96, 26}}; // Koffing, Drowzee
constexpr Member kRocket21[] = {{41, 23}, {19, 23}, {20, 23}, {41, 23}}; // Zubat, Rattata, Raticate, Zubat
constexpr Member kRocket23[] = {{104, 29}, {41, 29}}; // Cubone, Zubat
constexpr Member kRocket24[] = {{42, 25}, {41, 25}, {41, 25}, {20, 25}, {41, 25}}; // Golbat, Zubat, Zubat, Raticate, Zubat
constexpr Member kRocket25[] = {{20, 28}, {97, 28}, {20, 28}}; // Raticate, Hypno, Raticate
constexpr Member kRocket26[] = {{66, 29}, {96, 29}}; // Machop, Drowzee
constexpr Member kRocket27[] = {{23, 28}, {41, 28}, {104, 28}}; // Ekans, Zubat, Cubone
constexpr Member kRocket28[] = {{24, 33}}; // Arbok
constexpr Member kRocket29[] = {{97, 33}}; // Hypno
constexpr Member kRocket30[] = {{66, 29}, {67, 29}}; // Machop, Machoke
constexpr Member kRocket31[] = {{41, 28}, {41, 28}, {42, 28}}; // Zubat, Zubat, Golbat
constexpr Member kRocket32[] = {{20, 26}, {24, 26}, {109, 26}, {42, 26}}; // Raticate, Arbok, Koffing, Golbat
constexpr Member kRocket33[] = {{104, 29}, {104, 29}}; // Cubone, Cubone
constexpr Member kRocket34[] = {{27, 29}, {28, 29}}; // Sandshrew, Sandslash
constexpr Member kRocket35[] = {{20, 26}, {41, 26}, {42, 26}, {19, 26}}; // Raticate, Zubat, Golbat, Rattata
constexpr Member kRocket36[] = {{110, 28}, {42, 28}, {109, 28}}; // Weezing, Golbat, Koffing
constexpr Member kRocket37[] = {{96, 28}, {88, 28}, {66, 28}}; // Drowzee, Grimer, Machop
constexpr Member kRocket38[] = {{42, 28}, {96, 28}, {97, 28}}; // Golbat, Drowzee, Hypno
constexpr Member kRocket39[] = {{67, 33}}; // Machoke
constexpr Member kRocket40[] = {{19, 25}, {19, 25}, {41, 25}, {19, 25}, {23, 25}}; // Rattata, Rattata, Zubat, Rattata, Ekans
constexpr Member kRocket41[] = {{104, 32}, {96, 32}, {105, 32}}; // Cubone, Drowzee, Marowak
constexpr Member kCooltrainerM1[] = {{33, 39}, {34, 39}}; // Nidorino, Nidoking
constexpr Member kCooltrainerM2[] = {{103, 43}, {91, 43}, {59, 43}}; // Exeggutor, Cloyster, Arcanine
constexpr Member kCooltrainerM3[] = {{99, 43}, {73, 43}, {9, 43}}; // Kingler, Tentacruel, Blastoise
constexpr Member kCooltrainerM5[] = {{2, 42}, {8, 42}, {5, 42}, {6, 42}}; // Ivysaur, Wartortle, Charmeleon, Charizard
constexpr Member kCooltrainerM9[] = {{28, 39}, {51, 39}}; // Sandslash, Dugtrio
constexpr Member kCooltrainerM10[] = {{111, 43}}; // Rhyhorn
constexpr Member kCooltrainerF1[] = {{70, 24}, {44, 24}, {2, 24}}; // Weepinbell, Gloom, Ivysaur
constexpr Member kCooltrainerF2[] = {{69, 43}, {70, 43}, {71, 43}}; // Bellsprout, Weepinbell, Victreebel
constexpr Member kCooltrainerF3[] = {{47, 43}, {87, 43}, {113, 43}}; // Parasect, Dewgong, Chansey
constexpr Member kCooltrainerF5[] = {{53, 44}, {38, 44}}; // Persian, Ninetales
constexpr Member kBruno1[] = {{95, 53}, {107, 55}, {106, 55}, {95, 56}, {68, 58}}; // Onix, Hitmonchan, Hitmonlee, Onix, Machamp
constexpr Member kBrock1[] = {{74, 12}, {95, 14}}; // Geodude, Onix
constexpr Member kMisty1[] = {{120, 18}, {121, 21}}; // Staryu, Starmie
constexpr Member kLtSurge1[] = {{100, 21}, {25, 18}, {26, 24}}; // Voltorb, Pikachu, Raichu
constexpr Member kErika1[] = {{71, 29}, {114, 24}, {45, 29}}; // Victreebel, Tangela, Vileplume
constexpr Member kKoga1[] = {{109, 37}, {89, 39}, {109, 37}, {110, 43}}; // Koffing, Muk, Koffing, Weezing
constexpr Member kBlaine1[] = {{58, 42}, {77, 40}, {78, 42}, {59, 47}}; // Growlithe, Ponyta, Rapidash, Arcanine
constexpr Member kSabrina1[] = {{64, 38}, {122, 37}, {49, 38}, {65, 43}}; // Kadabra, Mr. Mime, Venomoth, Alakazam
constexpr Member kGentleman1[] = {{58, 18}, {58, 18}}; // Growlithe, Growlithe
constexpr Member kGentleman2[] = {{32, 19}, {29, 19}}; // Nidoran (M), Nidoran (F)
constexpr Member kGentleman3[] = {{25, 23}}; // Pikachu
constexpr Member kGentleman5[] = {{58, 17}, {77, 17}}; // Growlithe, Ponyta
constexpr Member kRival21[] = {{17, 19}, {20, 16}, {64, 18}, {8, 20}}; // Pidgeotto, Raticate, Kadabra, Wartortle
constexpr Member kRival22[] = {{17, 19}, {20, 16}, {64, 18}, {2, 20}}; // Pidgeotto, Raticate, Kadabra, Ivysaur
constexpr Member kRival23[] = {{17, 19}, {20, 16}, {64, 18}, {5, 20}}; // Pidgeotto, Raticate, Kadabra, Charmeleon
constexpr Member kRival24[] = {{17, 25}, {58, 23}, {102, 22}, {64, 20}, {8, 25}}; // Pidgeotto, Growlithe, Exeggcute, Kadabra, Wartortle
constexpr Member kRival25[] = {{17, 25}, {130, 23}, {58, 22}, {64, 20}, {2, 25}}; // Pidgeotto, Gyarados, Growlithe, Kadabra, Ivysaur
constexpr Member kRival26[] = {{17, 25}, {102, 23}, {130, 22}, {64, 20}, {5, 25}}; // Pidgeotto, Exeggcute, Gyarados, Kadabra, Charmeleon
constexpr Member kRival27[] = {{18, 37}, {58, 38}, {102, 35}, {65, 35}, {9, 40}}; // Pidgeot, Growlithe, Exeggcute, Alakazam, Blastoise
constexpr Member kRival28[] = {{18, 37}, {130, 38}, {58, 35}, {65, 35}, {3, 40}}; // Pidgeot, Gyarados, Growlithe, Alakazam, Venusaur
constexpr Member kRival29[] = {{18, 37}, {102, 38}, {130, 35}, {65, 35}, {6, 40}}; // Pidgeot, Exeggcute, Gyarados, Alakazam, Charizard
constexpr Member kRival210[] = {{18, 47}, {111, 45}, {58, 45}, {102, 47}, {65, 50}, {9, 53}}; // Pidgeot, Rhyhorn, Growlithe, Exeggcute, Alakazam, Blastoise
constexpr Member kRival211[] = {{18, 47}, {111, 45}, {130, 45}, {58, 47}, {65, 50}, {3, 53}}; // Pidgeot, Rhyhorn, Gyarados, Growlithe, Alakazam, Venusaur
constexpr Member kRival212[] = {{18, 47}, {111, 45}, {102, 45}, {130, 47}, {65, 50}, {6, 53}}; // Pidgeot, Rhyhorn, Exeggcute, Gyarados, Alakazam, Charizard
constexpr Member kRival31[] = {{18, 61}, {65, 59}, {112, 61}, {59, 61}, {103, 63}, {9, 65}}; // Pidgeot, Alakazam, Rhydon, Arcanine, Exeggutor, Blastoise
constexpr Member kRival32[] = {{18, 61}, {65, 59}, {112, 61}, {130, 61}, {59, 63}, {3, 65}}; // Pidgeot, Alakazam, Rhydon, Gyarados, Arcanine, Venusaur
constexpr Member kRival33[] = {{18, 61}, {65, 59}, {112, 61}, {103, 61}, {130, 63}, {6, 65}}; // Pidgeot, Alakazam, Rhydon, Exeggutor, Gyarados, Charizard
constexpr Member kLorelei1[] = {{87, 54}, {91, 53}, {80, 54}, {124, 56}, {131, 56}}; // Dewgong, Cloyster, Slowbro, Jynx, Lapras
constexpr Member kChanneler5[] = {{92, 23}}; // Gastly
constexpr Member kChanneler6[] = {{92, 24}}; // Gastly
constexpr Member kChanneler8[] = {{92, 22}}; // Gastly
constexpr Member kChanneler9[] = {{92, 24}}; // Gastly
constexpr Member kChanneler10[] = {{92, 23}, {92, 23}}; // Gastly, Gastly
constexpr Member kChanneler12[] = {{92, 22}}; // Gastly
constexpr Member kChanneler14[] = {{93, 23}}; // Haunter
constexpr Member kChanneler16[] = {{92, 22}}; // Gastly
constexpr Member kChanneler17[] = {{92, 24}}; // Gastly
constexpr Member kChanneler18[] = {{93, 22}}; // Haunter
constexpr Member kChanneler19[] = {{92, 22}, {92, 22}, {92, 22}}; // Gastly, Gastly, Gastly
constexpr Member kChanneler20[] = {{92, 24}}; // Gastly
constexpr Member kChanneler21[] = {{92, 24}}; // Gastly
constexpr Member kChanneler22[] = {{92, 34}, {93, 34}}; // Gastly, Haunter
constexpr Member kChanneler23[] = {{93, 38}}; // Haunter
constexpr Member kChanneler24[] = {{92, 33}, {92, 33}, {93, 33}}; // Gastly, Gastly, Haunter
constexpr Member kAgatha1[] = {{94, 56}, {42, 56}, {93, 55}, {24, 58}, {94, 60}}; // Gengar, Golbat, Haunter, Arbok, Gengar
constexpr Member kLance1[] = {{130, 58}, {148, 56}, {148, 56}, {142, 60}, {149, 62}}; // Gyarados, Dragonair, Dragonair, Aerodactyl, Dragonite
// clang-format on

// The rival's parties come in threes: the script picks the first when his
// starter is Squirtle (the player chose Charmander), the second for Bulbasaur
// (the player chose Squirtle), the third for Charmander (Bulbasaur).
// clang-format off
constexpr Party kParties[] = {
    {C::Youngster, 1, "Route 3", S::Any, kYoungster1},
    {C::Youngster, 2, "Route 3", S::Any, kYoungster2},
    {C::Youngster, 3, "Mt. Moon 1F", S::Any, kYoungster3},
    {C::Youngster, 4, "Route 24", S::Any, kYoungster4},
    {C::Youngster, 5, "Route 25", S::Any, kYoungster5},
    {C::Youngster, 6, "Route 25", S::Any, kYoungster6},
    {C::Youngster, 7, "Route 25", S::Any, kYoungster7},
    {C::Youngster, 8, "S.S. Anne 1F Rooms", S::Any, kYoungster8},
    {C::Youngster, 9, "Route 11", S::Any, kYoungster9},
    {C::Youngster, 10, "Route 11", S::Any, kYoungster10},
    {C::Youngster, 11, "Route 11", S::Any, kYoungster11},
    {C::Youngster, 12, "Route 11", S::Any, kYoungster12},
    {C::BugCatcher, 1, "Viridian Forest", S::Any, kBugCatcher1},
    {C::BugCatcher, 2, "Viridian Forest", S::Any, kBugCatcher2},
    {C::BugCatcher, 3, "Viridian Forest", S::Any, kBugCatcher3},
    {C::BugCatcher, 4, "Route 3", S::Any, kBugCatcher4},
    {C::BugCatcher, 5, "Route 3", S::Any, kBugCatcher5},
    {C::BugCatcher, 6, "Route 3", S::Any, kBugCatcher6},
    {C::BugCatcher, 7, "Mt. Moon 1F", S::Any, kBugCatcher7},
    {C::BugCatcher, 8, "Mt. Moon 1F", S::Any, kBugCatcher8},
    {C::BugCatcher, 9, "Route 24", S::Any, kBugCatcher9},
    {C::BugCatcher, 10, "Route 6", S::Any, kBugCatcher10},
    {C::BugCatcher, 11, "Route 6", S::Any, kBugCatcher11},
    {C::BugCatcher, 13, "Route 9", S::Any, kBugCatcher13},
    {C::BugCatcher, 14, "Route 9", S::Any, kBugCatcher14},
    {C::Lass, 1, "Route 3", S::Any, kLass1},
    {C::Lass, 2, "Route 3", S::Any, kLass2},
    {C::Lass, 3, "Route 3", S::Any, kLass3},
    {C::Lass, 4, "Route 4", S::Any, kLass4},
    {C::Lass, 5, "Mt. Moon 1F", S::Any, kLass5},
    {C::Lass, 6, "Mt. Moon 1F", S::Any, kLass6},
    {C::Lass, 7, "Route 24", S::Any, kLass7},
    {C::Lass, 8, "Route 24", S::Any, kLass8},
    {C::Lass, 9, "Route 25", S::Any, kLass9},
    {C::Lass, 10, "Route 25", S::Any, kLass10},
    {C::Lass, 11, "S.S. Anne 1F Rooms", S::Any, kLass11},
    {C::Lass, 12, "S.S. Anne 2F Rooms", S::Any, kLass12},
    {C::Lass, 13, "Route 8", S::Any, kLass13},
    {C::Lass, 14, "Route 8", S::Any, kLass14},
    {C::Lass, 15, "Route 8", S::Any, kLass15},
    {C::Lass, 16, "Route 8", S::Any, kLass16},
    {C::Lass, 17, "Celadon Gym", S::Any, kLass17},
    {C::Lass, 18, "Celadon Gym", S::Any, kLass18},
    {C::Sailor, 1, "S.S. Anne Bow", S::Any, kSailor1},
    {C::Sailor, 2, "S.S. Anne Bow", S::Any, kSailor2},
    {C::Sailor, 3, "S.S. Anne B1F Rooms", S::Any, kSailor3},
    {C::Sailor, 4, "S.S. Anne B1F Rooms", S::Any, kSailor4},
    {C::Sailor, 5, "S.S. Anne B1F Rooms", S::Any, kSailor5},
    {C::Sailor, 6, "S.S. Anne B1F Rooms", S::Any, kSailor6},
    {C::Sailor, 7, "S.S. Anne B1F Rooms", S::Any, kSailor7},
    {C::Sailor, 8, "Vermilion Gym", S::Any, kSailor8},
    {C::JrTrainerM, 1, "Pewter Gym", S::Any, kJrTrainerM1},
    {C::JrTrainerM, 2, "Route 24; Route 25", S::Any, kJrTrainerM2},
    {C::JrTrainerM, 3, "Route 24", S::Any, kJrTrainerM3},
    {C::JrTrainerM, 4, "Route 6", S::Any, kJrTrainerM4},
    {C::JrTrainerM, 5, "Route 6", S::Any, kJrTrainerM5},
    {C::JrTrainerM, 7, "Route 9", S::Any, kJrTrainerM7},
    {C::JrTrainerM, 8, "Route 9", S::Any, kJrTrainerM8},
    {C::JrTrainerM, 9, "Route 12", S::Any, kJrTrainerM9},
    {C::JrTrainerF, 1, "Cerulean Gym", S::Any, kJrTrainerF1},
    {C::JrTrainerF, 2, "Route 6", S::Any, kJrTrainerF2},
    {C::JrTrainerF, 3, "Route 6", S::Any, kJrTrainerF3},
    {C::JrTrainerF, 5, "Route 9", S::Any, kJrTrainerF5},
    {C::JrTrainerF, 6, "Route 9", S::Any, kJrTrainerF6},
    {C::JrTrainerF, 7, "Route 10", S::Any, kJrTrainerF7},
    {C::JrTrainerF, 8, "Route 10", S::Any, kJrTrainerF8},
    {C::JrTrainerF, 9, "Rock Tunnel B1F", S::Any, kJrTrainerF9},
    {C::JrTrainerF, 10, "Rock Tunnel B1F", S::Any, kJrTrainerF10},
    {C::JrTrainerF, 11, "Celadon Gym", S::Any, kJrTrainerF11},
    {C::JrTrainerF, 12, "Route 13", S::Any, kJrTrainerF12},
    {C::JrTrainerF, 13, "Route 13", S::Any, kJrTrainerF13},
    {C::JrTrainerF, 14, "Route 13", S::Any, kJrTrainerF14},
    {C::JrTrainerF, 15, "Route 13", S::Any, kJrTrainerF15},
    {C::JrTrainerF, 16, "Route 20", S::Any, kJrTrainerF16},
    {C::JrTrainerF, 17, "Rock Tunnel 1F", S::Any, kJrTrainerF17},
    {C::JrTrainerF, 18, "Rock Tunnel 1F", S::Any, kJrTrainerF18},
    {C::JrTrainerF, 19, "Rock Tunnel 1F", S::Any, kJrTrainerF19},
    {C::JrTrainerF, 20, "Route 15", S::Any, kJrTrainerF20},
    {C::JrTrainerF, 21, "Route 15", S::Any, kJrTrainerF21},
    {C::JrTrainerF, 22, "Route 15", S::Any, kJrTrainerF22},
    {C::JrTrainerF, 23, "Route 15", S::Any, kJrTrainerF23},
    {C::JrTrainerF, 24, "Route 20", S::Any, kJrTrainerF24},
    {C::Pokemaniac, 1, "Route 10", S::Any, kPokemaniac1},
    {C::Pokemaniac, 2, "Route 10", S::Any, kPokemaniac2},
    {C::Pokemaniac, 3, "Rock Tunnel B1F", S::Any, kPokemaniac3},
    {C::Pokemaniac, 4, "Rock Tunnel B1F", S::Any, kPokemaniac4},
    {C::Pokemaniac, 5, "Rock Tunnel B1F", S::Any, kPokemaniac5},
    {C::Pokemaniac, 6, "Victory Road 2F", S::Any, kPokemaniac6},
    {C::Pokemaniac, 7, "Rock Tunnel 1F", S::Any, kPokemaniac7},
    {C::SuperNerd, 1, "Mt. Moon 1F", S::Any, kSuperNerd1},
    {C::SuperNerd, 2, "Mt. Moon B2F", S::Any, kSuperNerd2},
    {C::SuperNerd, 3, "Route 8", S::Any, kSuperNerd3},
    {C::SuperNerd, 4, "Route 8", S::Any, kSuperNerd4},
    {C::SuperNerd, 5, "Route 8", S::Any, kSuperNerd5},
    {C::SuperNerd, 9, "Cinnabar Gym", S::Any, kSuperNerd9},
    {C::SuperNerd, 10, "Cinnabar Gym", S::Any, kSuperNerd10},
    {C::SuperNerd, 11, "Cinnabar Gym", S::Any, kSuperNerd11},
    {C::SuperNerd, 12, "Cinnabar Gym", S::Any, kSuperNerd12},
    {C::Hiker, 1, "Mt. Moon 1F", S::Any, kHiker1},
    {C::Hiker, 2, "Route 25", S::Any, kHiker2},
    {C::Hiker, 3, "Route 25", S::Any, kHiker3},
    {C::Hiker, 4, "Route 25", S::Any, kHiker4},
    {C::Hiker, 5, "Route 9", S::Any, kHiker5},
    {C::Hiker, 6, "Route 9", S::Any, kHiker6},
    {C::Hiker, 7, "Route 10", S::Any, kHiker7},
    {C::Hiker, 8, "Route 10", S::Any, kHiker8},
    {C::Hiker, 9, "Rock Tunnel B1F", S::Any, kHiker9},
    {C::Hiker, 10, "Rock Tunnel B1F", S::Any, kHiker10},
    {C::Hiker, 11, "Rock Tunnel B1F; Route 9", S::Any, kHiker11},
    {C::Hiker, 12, "Rock Tunnel 1F", S::Any, kHiker12},
    {C::Hiker, 13, "Rock Tunnel 1F", S::Any, kHiker13},
    {C::Hiker, 14, "Rock Tunnel 1F", S::Any, kHiker14},
    {C::Biker, 1, "Route 13", S::Any, kBiker1},
    {C::Biker, 2, "Route 14", S::Any, kBiker2},
    {C::Biker, 3, "Route 15", S::Any, kBiker3},
    {C::Biker, 4, "Route 15", S::Any, kBiker4},
    {C::Biker, 5, "Route 16", S::Any, kBiker5},
    {C::Biker, 6, "Route 16", S::Any, kBiker6},
    {C::Biker, 7, "Route 16", S::Any, kBiker7},
    {C::Biker, 8, "Route 17", S::Any, kBiker8},
    {C::Biker, 9, "Route 17", S::Any, kBiker9},
    {C::Biker, 10, "Route 17", S::Any, kBiker10},
    {C::Biker, 11, "Route 17", S::Any, kBiker11},
    {C::Biker, 12, "Route 17", S::Any, kBiker12},
    {C::Biker, 13, "Route 14", S::Any, kBiker13},
    {C::Biker, 14, "Route 14", S::Any, kBiker14},
    {C::Biker, 15, "Route 14", S::Any, kBiker15},
    {C::Burglar, 4, "Cinnabar Gym", S::Any, kBurglar4},
    {C::Burglar, 5, "Cinnabar Gym", S::Any, kBurglar5},
    {C::Burglar, 6, "Cinnabar Gym", S::Any, kBurglar6},
    {C::Burglar, 7, "Pokémon Mansion 2F", S::Any, kBurglar7},
    {C::Burglar, 8, "Pokémon Mansion 3F", S::Any, kBurglar8},
    {C::Burglar, 9, "Pokémon Mansion B1F", S::Any, kBurglar9},
    {C::Engineer, 2, "Route 11", S::Any, kEngineer2},
    {C::Engineer, 3, "Route 11", S::Any, kEngineer3},
    {C::Fisher, 1, "S.S. Anne 2F Rooms", S::Any, kFisher1},
    {C::Fisher, 2, "S.S. Anne B1F Rooms", S::Any, kFisher2},
    {C::Fisher, 3, "Route 12", S::Any, kFisher3},
    {C::Fisher, 4, "Route 12", S::Any, kFisher4},
    {C::Fisher, 5, "Route 12", S::Any, kFisher5},
    {C::Fisher, 6, "Route 12", S::Any, kFisher6},
    {C::Fisher, 7, "Route 21", S::Any, kFisher7},
    {C::Fisher, 8, "Route 21", S::Any, kFisher8},
    {C::Fisher, 9, "Route 21", S::Any, kFisher9},
    {C::Fisher, 10, "Route 21", S::Any, kFisher10},
    {C::Fisher, 11, "Route 12", S::Any, kFisher11},
    {C::Swimmer, 1, "Cerulean Gym", S::Any, kSwimmer1},
    {C::Swimmer, 2, "Route 19", S::Any, kSwimmer2},
    {C::Swimmer, 3, "Route 19", S::Any, kSwimmer3},
    {C::Swimmer, 4, "Route 19", S::Any, kSwimmer4},
    {C::Swimmer, 5, "Route 19", S::Any, kSwimmer5},
    {C::Swimmer, 6, "Route 19", S::Any, kSwimmer6},
    {C::Swimmer, 7, "Route 19", S::Any, kSwimmer7},
    {C::Swimmer, 8, "Route 19", S::Any, kSwimmer8},
    {C::Swimmer, 9, "Route 20", S::Any, kSwimmer9},
    {C::Swimmer, 10, "Route 20", S::Any, kSwimmer10},
    {C::Swimmer, 11, "Route 20", S::Any, kSwimmer11},
    {C::Swimmer, 12, "Route 21", S::Any, kSwimmer12},
    {C::Swimmer, 13, "Route 21", S::Any, kSwimmer13},
    {C::Swimmer, 14, "Route 21", S::Any, kSwimmer14},
    {C::Swimmer, 15, "Route 21", S::Any, kSwimmer15},
    {C::CueBall, 1, "Route 16", S::Any, kCueBall1},
    {C::CueBall, 2, "Route 16", S::Any, kCueBall2},
    {C::CueBall, 3, "Route 16", S::Any, kCueBall3},
    {C::CueBall, 4, "Route 17", S::Any, kCueBall4},
    {C::CueBall, 5, "Route 17", S::Any, kCueBall5},
    {C::CueBall, 6, "Route 17", S::Any, kCueBall6},
    {C::CueBall, 7, "Route 17", S::Any, kCueBall7},
    {C::CueBall, 8, "Route 17", S::Any, kCueBall8},
    {C::CueBall, 9, "Route 21", S::Any, kCueBall9},
    {C::Gambler, 1, "Route 11", S::Any, kGambler1},
    {C::Gambler, 2, "Route 11", S::Any, kGambler2},
    {C::Gambler, 3, "Route 11", S::Any, kGambler3},
    {C::Gambler, 4, "Route 11", S::Any, kGambler4},
    {C::Gambler, 5, "Route 8", S::Any, kGambler5},
    {C::Gambler, 7, "Route 8", S::Any, kGambler7},
    {C::Beauty, 1, "Celadon Gym", S::Any, kBeauty1},
    {C::Beauty, 2, "Celadon Gym", S::Any, kBeauty2},
    {C::Beauty, 3, "Celadon Gym", S::Any, kBeauty3},
    {C::Beauty, 4, "Route 13", S::Any, kBeauty4},
    {C::Beauty, 5, "Route 13", S::Any, kBeauty5},
    {C::Beauty, 6, "Route 20", S::Any, kBeauty6},
    {C::Beauty, 7, "Route 20", S::Any, kBeauty7},
    {C::Beauty, 8, "Route 20", S::Any, kBeauty8},
    {C::Beauty, 9, "Route 15", S::Any, kBeauty9},
    {C::Beauty, 10, "Route 15", S::Any, kBeauty10},
    {C::Beauty, 12, "Route 19", S::Any, kBeauty12},
    {C::Beauty, 13, "Route 19", S::Any, kBeauty13},
    {C::Beauty, 14, "Route 19", S::Any, kBeauty14},
    {C::Beauty, 15, "Route 20", S::Any, kBeauty15},
    {C::Psychic, 1, "Saffron Gym", S::Any, kPsychic1},
    {C::Psychic, 2, "Saffron Gym", S::Any, kPsychic2},
    {C::Psychic, 3, "Saffron Gym", S::Any, kPsychic3},
    {C::Psychic, 4, "Saffron Gym", S::Any, kPsychic4},
    {C::Rocker, 1, "Vermilion Gym", S::Any, kRocker1},
    {C::Rocker, 2, "Route 12", S::Any, kRocker2},
    {C::Juggler, 1, "Silph Co. 5F", S::Any, kJuggler1},
    {C::Juggler, 2, "Victory Road 2F", S::Any, kJuggler2},
    {C::Juggler, 3, "Fuchsia Gym", S::Any, kJuggler3},
    {C::Juggler, 4, "Fuchsia Gym", S::Any, kJuggler4},
    {C::Juggler, 5, "Victory Road 2F", S::Any, kJuggler5},
    {C::Juggler, 7, "Fuchsia Gym", S::Any, kJuggler7},
    {C::Juggler, 8, "Fuchsia Gym", S::Any, kJuggler8},
    {C::Tamer, 1, "Fuchsia Gym", S::Any, kTamer1},
    {C::Tamer, 2, "Fuchsia Gym", S::Any, kTamer2},
    {C::Tamer, 3, "Viridian Gym", S::Any, kTamer3},
    {C::Tamer, 4, "Viridian Gym", S::Any, kTamer4},
    {C::Tamer, 5, "Victory Road 2F", S::Any, kTamer5},
    {C::BirdKeeper, 1, "Route 13", S::Any, kBirdKeeper1},
    {C::BirdKeeper, 2, "Route 13", S::Any, kBirdKeeper2},
    {C::BirdKeeper, 3, "Route 13", S::Any, kBirdKeeper3},
    {C::BirdKeeper, 4, "Route 14", S::Any, kBirdKeeper4},
    {C::BirdKeeper, 5, "Route 14", S::Any, kBirdKeeper5},
    {C::BirdKeeper, 6, "Route 15", S::Any, kBirdKeeper6},
    {C::BirdKeeper, 7, "Route 15", S::Any, kBirdKeeper7},
    {C::BirdKeeper, 8, "Route 18", S::Any, kBirdKeeper8},
    {C::BirdKeeper, 9, "Route 18", S::Any, kBirdKeeper9},
    {C::BirdKeeper, 10, "Route 18", S::Any, kBirdKeeper10},
    {C::BirdKeeper, 11, "Route 20", S::Any, kBirdKeeper11},
    {C::BirdKeeper, 14, "Route 14", S::Any, kBirdKeeper14},
    {C::BirdKeeper, 15, "Route 14", S::Any, kBirdKeeper15},
    {C::BirdKeeper, 16, "Route 14", S::Any, kBirdKeeper16},
    {C::BirdKeeper, 17, "Route 14", S::Any, kBirdKeeper17},
    {C::Blackbelt, 1, "Fighting Dojo", S::Any, kBlackbelt1},
    {C::Blackbelt, 2, "Fighting Dojo", S::Any, kBlackbelt2},
    {C::Blackbelt, 3, "Fighting Dojo", S::Any, kBlackbelt3},
    {C::Blackbelt, 4, "Fighting Dojo", S::Any, kBlackbelt4},
    {C::Blackbelt, 5, "Fighting Dojo", S::Any, kBlackbelt5},
    {C::Blackbelt, 6, "Viridian Gym", S::Any, kBlackbelt6},
    {C::Blackbelt, 7, "Viridian Gym", S::Any, kBlackbelt7},
    {C::Blackbelt, 8, "Viridian Gym", S::Any, kBlackbelt8},
    {C::Blackbelt, 9, "Victory Road 2F", S::Any, kBlackbelt9},
    {C::Rival1, 1, "Oaks Lab", S::Charmander, kRival11},
    {C::Rival1, 2, "Oaks Lab", S::Squirtle, kRival12},
    {C::Rival1, 3, "Oaks Lab", S::Bulbasaur, kRival13},
    {C::Rival1, 4, "Route 22", S::Charmander, kRival14},
    {C::Rival1, 5, "Route 22", S::Squirtle, kRival15},
    {C::Rival1, 6, "Route 22", S::Bulbasaur, kRival16},
    {C::Rival1, 7, "Cerulean City", S::Charmander, kRival17},
    {C::Rival1, 8, "Cerulean City", S::Squirtle, kRival18},
    {C::Rival1, 9, "Cerulean City", S::Bulbasaur, kRival19},
    {C::Scientist, 2, "Silph Co. 2F", S::Any, kScientist2},
    {C::Scientist, 3, "Silph Co. 2F", S::Any, kScientist3},
    {C::Scientist, 4, "Pokémon Mansion 1F; Silph Co. 3F", S::Any, kScientist4},
    {C::Scientist, 5, "Silph Co. 4F", S::Any, kScientist5},
    {C::Scientist, 6, "Silph Co. 5F", S::Any, kScientist6},
    {C::Scientist, 7, "Silph Co. 6F", S::Any, kScientist7},
    {C::Scientist, 8, "Silph Co. 7F", S::Any, kScientist8},
    {C::Scientist, 9, "Silph Co. 8F", S::Any, kScientist9},
    {C::Scientist, 10, "Silph Co. 9F", S::Any, kScientist10},
    {C::Scientist, 11, "Silph Co. 10F", S::Any, kScientist11},
    {C::Scientist, 12, "Pokémon Mansion 3F", S::Any, kScientist12},
    {C::Scientist, 13, "Pokémon Mansion B1F", S::Any, kScientist13},
    {C::Giovanni, 1, "Rocket Hideout B4F", S::Any, kGiovanni1},
    {C::Giovanni, 2, "Silph Co. 11F", S::Any, kGiovanni2},
    {C::Giovanni, 3, "Viridian Gym", S::Any, kGiovanni3},
    {C::Rocket, 1, "Mt. Moon B2F", S::Any, kRocket1},
    {C::Rocket, 2, "Mt. Moon B2F", S::Any, kRocket2},
    {C::Rocket, 3, "Mt. Moon B2F", S::Any, kRocket3},
    {C::Rocket, 4, "Mt. Moon B2F", S::Any, kRocket4},
    {C::Rocket, 5, "Cerulean City", S::Any, kRocket5},
    {C::Rocket, 6, "Route 24", S::Any, kRocket6},
    {C::Rocket, 7, "Game Corner", S::Any, kRocket7},
    {C::Rocket, 8, "Rocket Hideout B1F", S::Any, kRocket8},
    {C::Rocket, 9, "Rocket Hideout B1F", S::Any, kRocket9},
    {C::Rocket, 10, "Rocket Hideout B1F", S::Any, kRocket10},
    {C::Rocket, 11, "Rocket Hideout B1F", S::Any, kRocket11},
    {C::Rocket, 12, "Rocket Hideout B1F", S::Any, kRocket12},
    {C::Rocket, 13, "Rocket Hideout B2F", S::Any, kRocket13},
    {C::Rocket, 14, "Rocket Hideout B3F", S::Any, kRocket14},
    {C::Rocket, 15, "Rocket Hideout B3F", S::Any, kRocket15},
    {C::Rocket, 16, "Rocket Hideout B4F", S::Any, kRocket16},
    {C::Rocket, 17, "Rocket Hideout B4F", S::Any, kRocket17},
    {C::Rocket, 18, "Rocket Hideout B4F", S::Any, kRocket18},
    {C::Rocket, 19, "Pokémon Tower 7F", S::Any, kRocket19},
    {C::Rocket, 20, "Pokémon Tower 7F", S::Any, kRocket20},
    {C::Rocket, 21, "Pokémon Tower 7F", S::Any, kRocket21},
    {C::Rocket, 23, "Silph Co. 2F", S::Any, kRocket23},
    {C::Rocket, 24, "Silph Co. 2F", S::Any, kRocket24},
    {C::Rocket, 25, "Silph Co. 3F", S::Any, kRocket25},
    {C::Rocket, 26, "Silph Co. 4F", S::Any, kRocket26},
    {C::Rocket, 27, "Silph Co. 4F", S::Any, kRocket27},
    {C::Rocket, 28, "Silph Co. 5F", S::Any, kRocket28},
    {C::Rocket, 29, "Silph Co. 5F", S::Any, kRocket29},
    {C::Rocket, 30, "Silph Co. 6F", S::Any, kRocket30},
    {C::Rocket, 31, "Silph Co. 6F", S::Any, kRocket31},
    {C::Rocket, 32, "Silph Co. 7F", S::Any, kRocket32},
    {C::Rocket, 33, "Silph Co. 7F", S::Any, kRocket33},
    {C::Rocket, 34, "Silph Co. 7F", S::Any, kRocket34},
    {C::Rocket, 35, "Silph Co. 8F", S::Any, kRocket35},
    {C::Rocket, 36, "Silph Co. 8F", S::Any, kRocket36},
    {C::Rocket, 37, "Silph Co. 9F", S::Any, kRocket37},
    {C::Rocket, 38, "Silph Co. 9F", S::Any, kRocket38},
    {C::Rocket, 39, "Silph Co. 10F", S::Any, kRocket39},
    {C::Rocket, 40, "Silph Co. 11F", S::Any, kRocket40},
    {C::Rocket, 41, "Silph Co. 11F", S::Any, kRocket41},
    {C::CooltrainerM, 1, "Viridian Gym", S::Any, kCooltrainerM1},
    {C::CooltrainerM, 2, "Victory Road 3F", S::Any, kCooltrainerM2},
    {C::CooltrainerM, 3, "Victory Road 3F", S::Any, kCooltrainerM3},
    {C::CooltrainerM, 5, "Victory Road 1F", S::Any, kCooltrainerM5},
    {C::CooltrainerM, 9, "Viridian Gym", S::Any, kCooltrainerM9},
    {C::CooltrainerM, 10, "Viridian Gym", S::Any, kCooltrainerM10},
    {C::CooltrainerF, 1, "Celadon Gym", S::Any, kCooltrainerF1},
    {C::CooltrainerF, 2, "Victory Road 3F", S::Any, kCooltrainerF2},
    {C::CooltrainerF, 3, "Victory Road 3F", S::Any, kCooltrainerF3},
    {C::CooltrainerF, 5, "Victory Road 1F", S::Any, kCooltrainerF5},
    {C::Bruno, 1, "Brunos Room", S::Any, kBruno1},
    {C::Brock, 1, "Pewter Gym", S::Any, kBrock1},
    {C::Misty, 1, "Cerulean Gym", S::Any, kMisty1},
    {C::LtSurge, 1, "Vermilion Gym", S::Any, kLtSurge1},
    {C::Erika, 1, "Celadon Gym", S::Any, kErika1},
    {C::Koga, 1, "Fuchsia Gym", S::Any, kKoga1},
    {C::Blaine, 1, "Cinnabar Gym", S::Any, kBlaine1},
    {C::Sabrina, 1, "Saffron Gym", S::Any, kSabrina1},
    {C::Gentleman, 1, "S.S. Anne 1F Rooms", S::Any, kGentleman1},
    {C::Gentleman, 2, "S.S. Anne 1F Rooms", S::Any, kGentleman2},
    {C::Gentleman, 3, "S.S. Anne 2F Rooms; Vermilion Gym", S::Any, kGentleman3},
    {C::Gentleman, 5, "S.S. Anne 2F Rooms", S::Any, kGentleman5},
    {C::Rival2, 1, "S.S. Anne 2F", S::Charmander, kRival21},
    {C::Rival2, 2, "S.S. Anne 2F", S::Squirtle, kRival22},
    {C::Rival2, 3, "S.S. Anne 2F", S::Bulbasaur, kRival23},
    {C::Rival2, 4, "Pokémon Tower 2F", S::Charmander, kRival24},
    {C::Rival2, 5, "Pokémon Tower 2F", S::Squirtle, kRival25},
    {C::Rival2, 6, "Pokémon Tower 2F", S::Bulbasaur, kRival26},
    {C::Rival2, 7, "Silph Co. 7F", S::Charmander, kRival27},
    {C::Rival2, 8, "Silph Co. 7F", S::Squirtle, kRival28},
    {C::Rival2, 9, "Silph Co. 7F", S::Bulbasaur, kRival29},
    {C::Rival2, 10, "Route 22", S::Charmander, kRival210},
    {C::Rival2, 11, "Route 22", S::Squirtle, kRival211},
    {C::Rival2, 12, "Route 22", S::Bulbasaur, kRival212},
    {C::Rival3, 1, "Champions Room", S::Charmander, kRival31},
    {C::Rival3, 2, "Champions Room", S::Squirtle, kRival32},
    {C::Rival3, 3, "Champions Room", S::Bulbasaur, kRival33},
    {C::Lorelei, 1, "Loreleis Room", S::Any, kLorelei1},
    {C::Channeler, 5, "Pokémon Tower 3F", S::Any, kChanneler5},
    {C::Channeler, 6, "Pokémon Tower 3F", S::Any, kChanneler6},
    {C::Channeler, 8, "Pokémon Tower 3F", S::Any, kChanneler8},
    {C::Channeler, 9, "Pokémon Tower 4F", S::Any, kChanneler9},
    {C::Channeler, 10, "Pokémon Tower 4F", S::Any, kChanneler10},
    {C::Channeler, 12, "Pokémon Tower 4F", S::Any, kChanneler12},
    {C::Channeler, 14, "Pokémon Tower 5F", S::Any, kChanneler14},
    {C::Channeler, 16, "Pokémon Tower 5F", S::Any, kChanneler16},
    {C::Channeler, 17, "Pokémon Tower 5F", S::Any, kChanneler17},
    {C::Channeler, 18, "Pokémon Tower 5F", S::Any, kChanneler18},
    {C::Channeler, 19, "Pokémon Tower 6F", S::Any, kChanneler19},
    {C::Channeler, 20, "Pokémon Tower 6F", S::Any, kChanneler20},
    {C::Channeler, 21, "Pokémon Tower 6F", S::Any, kChanneler21},
    {C::Channeler, 22, "Saffron Gym", S::Any, kChanneler22},
    {C::Channeler, 23, "Saffron Gym", S::Any, kChanneler23},
    {C::Channeler, 24, "Saffron Gym", S::Any, kChanneler24},
    {C::Agatha, 1, "Agathas Room", S::Any, kAgatha1},
    {C::Lance, 1, "Lances Room", S::Any, kLance1},
};
// clang-format on

struct SpecialRow {
    TrainerClass Class;
    int Number;
    SpecialMove Move;
};

// The gym leaders' scripts name one move each, written on the last creature;
// the Elite Four's class gives it to the fifth; the Champion's Pidgeot (his
// first) gets Sky Attack and his starter (his last) the move of its type.
// Giovanni's earlier parties, in the Rocket hideout and Silph Co., have none.
constexpr SpecialRow kSpecials[] = {
    {C::Brock, 1, {1, "Bide"}},        {C::Misty, 1, {1, "Bubble Beam"}}, {C::LtSurge, 1, {2, "Thunderbolt"}},
    {C::Erika, 1, {2, "Mega Drain"}},  {C::Koga, 1, {3, "Toxic"}},        {C::Sabrina, 1, {3, "Psywave"}},
    {C::Blaine, 1, {3, "Fire Blast"}}, {C::Giovanni, 3, {4, "Fissure"}},  {C::Lorelei, 1, {4, "Blizzard"}},
    {C::Bruno, 1, {4, "Fissure"}},     {C::Agatha, 1, {4, "Toxic"}},      {C::Lance, 1, {4, "Barrier"}},
    {C::Rival3, 1, {0, "Sky Attack"}}, {C::Rival3, 1, {5, "Blizzard"}},   {C::Rival3, 2, {0, "Sky Attack"}},
    {C::Rival3, 2, {5, "Mega Drain"}}, {C::Rival3, 3, {0, "Sky Attack"}}, {C::Rival3, 3, {5, "Fire Blast"}},
};

// The trainers of each map in the order its objects list them
// (data/maps/objects), which is about the order one walks into them. The
// rival's objects are left out: his party is the script's to pick.
// clang-format off
constexpr MetRow kMet[] = {
    {P::Route3, C::BugCatcher, 4}, {P::Route3, C::Youngster, 1}, {P::Route3, C::Lass, 1},
    {P::Route3, C::BugCatcher, 5}, {P::Route3, C::Lass, 2}, {P::Route3, C::Youngster, 2},
    {P::Route3, C::BugCatcher, 6}, {P::Route3, C::Lass, 3}, {P::MtMoon1F, C::Hiker, 1},
    {P::MtMoon1F, C::Youngster, 3}, {P::MtMoon1F, C::Lass, 5}, {P::MtMoon1F, C::SuperNerd, 1},
    {P::MtMoon1F, C::Lass, 6}, {P::MtMoon1F, C::BugCatcher, 7}, {P::MtMoon1F, C::BugCatcher, 8},
    {P::Route24, C::Rocket, 6}, {P::Route24, C::JrTrainerM, 2}, {P::Route24, C::JrTrainerM, 3},
    {P::Route24, C::Lass, 7}, {P::Route24, C::Youngster, 4}, {P::Route24, C::Lass, 8}, {P::Route24, C::BugCatcher, 9},
    {P::Route25, C::Youngster, 5}, {P::Route25, C::Youngster, 6}, {P::Route25, C::JrTrainerM, 2},
    {P::Route25, C::Lass, 9}, {P::Route25, C::Youngster, 7}, {P::Route25, C::Lass, 10}, {P::Route25, C::Hiker, 2},
    {P::Route25, C::Hiker, 3}, {P::Route25, C::Hiker, 4}, {P::SSAnne1FRooms, C::Gentleman, 1},
    {P::SSAnne1FRooms, C::Gentleman, 2}, {P::SSAnne1FRooms, C::Youngster, 8}, {P::SSAnne1FRooms, C::Lass, 11},
    {P::Route11, C::Gambler, 1}, {P::Route11, C::Gambler, 2}, {P::Route11, C::Youngster, 9},
    {P::Route11, C::Engineer, 2}, {P::Route11, C::Youngster, 10}, {P::Route11, C::Gambler, 3},
    {P::Route11, C::Gambler, 4}, {P::Route11, C::Youngster, 11}, {P::Route11, C::Engineer, 3},
    {P::Route11, C::Youngster, 12}, {P::ViridianForest, C::BugCatcher, 1}, {P::ViridianForest, C::BugCatcher, 2},
    {P::ViridianForest, C::BugCatcher, 3}, {P::Route6, C::JrTrainerM, 4}, {P::Route6, C::JrTrainerF, 2},
    {P::Route6, C::BugCatcher, 10}, {P::Route6, C::JrTrainerM, 5}, {P::Route6, C::JrTrainerF, 3},
    {P::Route6, C::BugCatcher, 11}, {P::Route9, C::JrTrainerF, 5}, {P::Route9, C::JrTrainerM, 7},
    {P::Route9, C::JrTrainerM, 8}, {P::Route9, C::JrTrainerF, 6}, {P::Route9, C::Hiker, 11}, {P::Route9, C::Hiker, 6},
    {P::Route9, C::BugCatcher, 13}, {P::Route9, C::Hiker, 5}, {P::Route9, C::BugCatcher, 14}, {P::Route4, C::Lass, 4},
    {P::SSAnne2FRooms, C::Gentleman, 3}, {P::SSAnne2FRooms, C::Fisher, 1}, {P::SSAnne2FRooms, C::Gentleman, 5},
    {P::SSAnne2FRooms, C::Lass, 12}, {P::Route8, C::SuperNerd, 3}, {P::Route8, C::Gambler, 5},
    {P::Route8, C::SuperNerd, 4}, {P::Route8, C::Lass, 13}, {P::Route8, C::SuperNerd, 5}, {P::Route8, C::Lass, 14},
    {P::Route8, C::Lass, 15}, {P::Route8, C::Gambler, 7}, {P::Route8, C::Lass, 16}, {P::CeladonGym, C::Erika, 1},
    {P::CeladonGym, C::Lass, 17}, {P::CeladonGym, C::Beauty, 1}, {P::CeladonGym, C::JrTrainerF, 11},
    {P::CeladonGym, C::Beauty, 2}, {P::CeladonGym, C::Lass, 18}, {P::CeladonGym, C::Beauty, 3},
    {P::CeladonGym, C::CooltrainerF, 1}, {P::SSAnneBow, C::Sailor, 1}, {P::SSAnneBow, C::Sailor, 2},
    {P::SSAnneB1FRooms, C::Sailor, 3}, {P::SSAnneB1FRooms, C::Sailor, 4}, {P::SSAnneB1FRooms, C::Sailor, 5},
    {P::SSAnneB1FRooms, C::Sailor, 6}, {P::SSAnneB1FRooms, C::Sailor, 7}, {P::SSAnneB1FRooms, C::Fisher, 2},
    {P::VermilionGym, C::LtSurge, 1}, {P::VermilionGym, C::Gentleman, 3}, {P::VermilionGym, C::Rocker, 1},
    {P::VermilionGym, C::Sailor, 8}, {P::PewterGym, C::Brock, 1}, {P::PewterGym, C::JrTrainerM, 1},
    {P::Route12, C::Fisher, 3}, {P::Route12, C::Fisher, 4}, {P::Route12, C::JrTrainerM, 9},
    {P::Route12, C::Rocker, 2}, {P::Route12, C::Fisher, 5}, {P::Route12, C::Fisher, 6}, {P::Route12, C::Fisher, 11},
    {P::CeruleanGym, C::Misty, 1}, {P::CeruleanGym, C::JrTrainerF, 1}, {P::CeruleanGym, C::Swimmer, 1},
    {P::Route10, C::Pokemaniac, 1}, {P::Route10, C::Hiker, 7}, {P::Route10, C::Pokemaniac, 2},
    {P::Route10, C::JrTrainerF, 7}, {P::Route10, C::Hiker, 8}, {P::Route10, C::JrTrainerF, 8},
    {P::RockTunnelB1F, C::JrTrainerF, 9}, {P::RockTunnelB1F, C::Hiker, 9}, {P::RockTunnelB1F, C::Pokemaniac, 3},
    {P::RockTunnelB1F, C::Pokemaniac, 4}, {P::RockTunnelB1F, C::Hiker, 10}, {P::RockTunnelB1F, C::JrTrainerF, 10},
    {P::RockTunnelB1F, C::Hiker, 11}, {P::RockTunnelB1F, C::Pokemaniac, 5}, {P::Route13, C::BirdKeeper, 1},
    {P::Route13, C::JrTrainerF, 12}, {P::Route13, C::JrTrainerF, 13}, {P::Route13, C::JrTrainerF, 14},
    {P::Route13, C::JrTrainerF, 15}, {P::Route13, C::BirdKeeper, 2}, {P::Route13, C::Beauty, 4},
    {P::Route13, C::Beauty, 5}, {P::Route13, C::Biker, 1}, {P::Route13, C::BirdKeeper, 3},
    {P::Route20, C::Swimmer, 9}, {P::Route20, C::Beauty, 15}, {P::Route20, C::Beauty, 6},
    {P::Route20, C::JrTrainerF, 24}, {P::Route20, C::Swimmer, 10}, {P::Route20, C::Swimmer, 11},
    {P::Route20, C::BirdKeeper, 11}, {P::Route20, C::Beauty, 7}, {P::Route20, C::JrTrainerF, 16},
    {P::Route20, C::Beauty, 8}, {P::RockTunnel1F, C::Hiker, 12}, {P::RockTunnel1F, C::Hiker, 13},
    {P::RockTunnel1F, C::Hiker, 14}, {P::RockTunnel1F, C::Pokemaniac, 7}, {P::RockTunnel1F, C::JrTrainerF, 17},
    {P::RockTunnel1F, C::JrTrainerF, 18}, {P::RockTunnel1F, C::JrTrainerF, 19}, {P::Route15, C::JrTrainerF, 20},
    {P::Route15, C::JrTrainerF, 21}, {P::Route15, C::BirdKeeper, 6}, {P::Route15, C::BirdKeeper, 7},
    {P::Route15, C::Beauty, 9}, {P::Route15, C::Beauty, 10}, {P::Route15, C::Biker, 3}, {P::Route15, C::Biker, 4},
    {P::Route15, C::JrTrainerF, 22}, {P::Route15, C::JrTrainerF, 23}, {P::VictoryRoad2F, C::Blackbelt, 9},
    {P::VictoryRoad2F, C::Juggler, 2}, {P::VictoryRoad2F, C::Tamer, 5}, {P::VictoryRoad2F, C::Pokemaniac, 6},
    {P::VictoryRoad2F, C::Juggler, 5}, {P::MtMoonB2F, C::SuperNerd, 2}, {P::MtMoonB2F, C::Rocket, 1},
    {P::MtMoonB2F, C::Rocket, 2}, {P::MtMoonB2F, C::Rocket, 3}, {P::MtMoonB2F, C::Rocket, 4},
    {P::CinnabarGym, C::Blaine, 1}, {P::CinnabarGym, C::SuperNerd, 9}, {P::CinnabarGym, C::Burglar, 4},
    {P::CinnabarGym, C::SuperNerd, 10}, {P::CinnabarGym, C::Burglar, 5}, {P::CinnabarGym, C::SuperNerd, 11},
    {P::CinnabarGym, C::Burglar, 6}, {P::CinnabarGym, C::SuperNerd, 12}, {P::Route14, C::BirdKeeper, 14},
    {P::Route14, C::BirdKeeper, 15}, {P::Route14, C::BirdKeeper, 16}, {P::Route14, C::BirdKeeper, 17},
    {P::Route14, C::BirdKeeper, 4}, {P::Route14, C::BirdKeeper, 5}, {P::Route14, C::Biker, 13},
    {P::Route14, C::Biker, 14}, {P::Route14, C::Biker, 15}, {P::Route14, C::Biker, 2}, {P::Route16, C::Biker, 5},
    {P::Route16, C::CueBall, 1}, {P::Route16, C::CueBall, 2}, {P::Route16, C::Biker, 6}, {P::Route16, C::CueBall, 3},
    {P::Route16, C::Biker, 7}, {P::Route17, C::CueBall, 4}, {P::Route17, C::CueBall, 5}, {P::Route17, C::Biker, 8},
    {P::Route17, C::Biker, 9}, {P::Route17, C::Biker, 10}, {P::Route17, C::CueBall, 6}, {P::Route17, C::CueBall, 7},
    {P::Route17, C::CueBall, 8}, {P::Route17, C::Biker, 11}, {P::Route17, C::Biker, 12},
    {P::PokemonMansion2F, C::Burglar, 7}, {P::PokemonMansion3F, C::Burglar, 8},
    {P::PokemonMansion3F, C::Scientist, 12}, {P::PokemonMansionB1F, C::Burglar, 9},
    {P::PokemonMansionB1F, C::Scientist, 13}, {P::Route21, C::Fisher, 7}, {P::Route21, C::Fisher, 9},
    {P::Route21, C::Swimmer, 12}, {P::Route21, C::CueBall, 9}, {P::Route21, C::Swimmer, 13},
    {P::Route21, C::Swimmer, 14}, {P::Route21, C::Swimmer, 15}, {P::Route21, C::Fisher, 8},
    {P::Route21, C::Fisher, 10}, {P::Route19, C::Swimmer, 2}, {P::Route19, C::Swimmer, 3},
    {P::Route19, C::Swimmer, 4}, {P::Route19, C::Swimmer, 5}, {P::Route19, C::Swimmer, 6},
    {P::Route19, C::Swimmer, 7}, {P::Route19, C::Beauty, 12}, {P::Route19, C::Beauty, 13},
    {P::Route19, C::Swimmer, 8}, {P::Route19, C::Beauty, 14}, {P::SaffronGym, C::Sabrina, 1},
    {P::SaffronGym, C::Channeler, 22}, {P::SaffronGym, C::Psychic, 1}, {P::SaffronGym, C::Channeler, 23},
    {P::SaffronGym, C::Psychic, 2}, {P::SaffronGym, C::Channeler, 24}, {P::SaffronGym, C::Psychic, 3},
    {P::SaffronGym, C::Psychic, 4}, {P::SilphCo5F, C::Rocket, 28}, {P::SilphCo5F, C::Scientist, 6},
    {P::SilphCo5F, C::Juggler, 1}, {P::SilphCo5F, C::Rocket, 29}, {P::FuchsiaGym, C::Koga, 1},
    {P::FuchsiaGym, C::Juggler, 7}, {P::FuchsiaGym, C::Juggler, 3}, {P::FuchsiaGym, C::Juggler, 8},
    {P::FuchsiaGym, C::Tamer, 1}, {P::FuchsiaGym, C::Tamer, 2}, {P::FuchsiaGym, C::Juggler, 4},
    {P::ViridianGym, C::Giovanni, 3}, {P::ViridianGym, C::CooltrainerM, 9}, {P::ViridianGym, C::Blackbelt, 6},
    {P::ViridianGym, C::Tamer, 3}, {P::ViridianGym, C::Blackbelt, 7}, {P::ViridianGym, C::CooltrainerM, 10},
    {P::ViridianGym, C::Blackbelt, 8}, {P::ViridianGym, C::Tamer, 4}, {P::ViridianGym, C::CooltrainerM, 1},
    {P::Route18, C::BirdKeeper, 8}, {P::Route18, C::BirdKeeper, 9}, {P::Route18, C::BirdKeeper, 10},
    {P::FightingDojo, C::Blackbelt, 1}, {P::FightingDojo, C::Blackbelt, 2}, {P::FightingDojo, C::Blackbelt, 3},
    {P::FightingDojo, C::Blackbelt, 4}, {P::FightingDojo, C::Blackbelt, 5}, {P::SilphCo2F, C::Scientist, 2},
    {P::SilphCo2F, C::Scientist, 3}, {P::SilphCo2F, C::Rocket, 23}, {P::SilphCo2F, C::Rocket, 24},
    {P::PokemonMansion1F, C::Scientist, 4}, {P::SilphCo3F, C::Rocket, 25}, {P::SilphCo3F, C::Scientist, 4},
    {P::SilphCo4F, C::Rocket, 26}, {P::SilphCo4F, C::Scientist, 5}, {P::SilphCo4F, C::Rocket, 27},
    {P::SilphCo6F, C::Rocket, 30}, {P::SilphCo6F, C::Scientist, 7}, {P::SilphCo6F, C::Rocket, 31},
    {P::SilphCo7F, C::Rocket, 32}, {P::SilphCo7F, C::Scientist, 8}, {P::SilphCo7F, C::Rocket, 33},
    {P::SilphCo7F, C::Rocket, 34}, {P::SilphCo8F, C::Rocket, 35}, {P::SilphCo8F, C::Scientist, 9},
    {P::SilphCo8F, C::Rocket, 36}, {P::SilphCo9F, C::Rocket, 37}, {P::SilphCo9F, C::Scientist, 10},
    {P::SilphCo9F, C::Rocket, 38}, {P::SilphCo10F, C::Rocket, 39}, {P::SilphCo10F, C::Scientist, 11},
    {P::RocketHideoutB4F, C::Giovanni, 1}, {P::RocketHideoutB4F, C::Rocket, 16}, {P::RocketHideoutB4F, C::Rocket, 17},
    {P::RocketHideoutB4F, C::Rocket, 18}, {P::SilphCo11F, C::Giovanni, 2}, {P::SilphCo11F, C::Rocket, 41},
    {P::SilphCo11F, C::Rocket, 40}, {P::CeruleanCity, C::Rocket, 5}, {P::GameCorner, C::Rocket, 7},
    {P::RocketHideoutB1F, C::Rocket, 8}, {P::RocketHideoutB1F, C::Rocket, 9}, {P::RocketHideoutB1F, C::Rocket, 10},
    {P::RocketHideoutB1F, C::Rocket, 11}, {P::RocketHideoutB1F, C::Rocket, 12}, {P::RocketHideoutB2F, C::Rocket, 13},
    {P::RocketHideoutB3F, C::Rocket, 14}, {P::RocketHideoutB3F, C::Rocket, 15}, {P::PokemonTower7F, C::Rocket, 19},
    {P::PokemonTower7F, C::Rocket, 20}, {P::PokemonTower7F, C::Rocket, 21}, {P::VictoryRoad3F, C::CooltrainerM, 2},
    {P::VictoryRoad3F, C::CooltrainerF, 2}, {P::VictoryRoad3F, C::CooltrainerM, 3},
    {P::VictoryRoad3F, C::CooltrainerF, 3}, {P::VictoryRoad1F, C::CooltrainerF, 5},
    {P::VictoryRoad1F, C::CooltrainerM, 5}, {P::BrunosRoom, C::Bruno, 1}, {P::LoreleisRoom, C::Lorelei, 1},
    {P::PokemonTower3F, C::Channeler, 5}, {P::PokemonTower3F, C::Channeler, 6}, {P::PokemonTower3F, C::Channeler, 8},
    {P::PokemonTower4F, C::Channeler, 9}, {P::PokemonTower4F, C::Channeler, 10},
    {P::PokemonTower4F, C::Channeler, 12}, {P::PokemonTower5F, C::Channeler, 14},
    {P::PokemonTower5F, C::Channeler, 16}, {P::PokemonTower5F, C::Channeler, 17},
    {P::PokemonTower5F, C::Channeler, 18}, {P::PokemonTower6F, C::Channeler, 19},
    {P::PokemonTower6F, C::Channeler, 20}, {P::PokemonTower6F, C::Channeler, 21}, {P::AgathasRoom, C::Agatha, 1},
    {P::LancesRoom, C::Lance, 1},
};
// clang-format on

// clang-format off
constexpr BigBattle kBigBattles[] = {
    {C::Brock, 1}, {C::Misty, 1}, {C::LtSurge, 1}, {C::Erika, 1}, {C::Koga, 1}, {C::Sabrina, 1}, {C::Blaine, 1},
    {C::Giovanni, 3},
    {C::Lorelei, 1}, {C::Bruno, 1}, {C::Agatha, 1}, {C::Lance, 1}, {C::Rival3, 1},
    {C::Rival1, 1}, {C::Rival1, 4}, {C::Rival1, 7}, {C::Rival2, 1}, {C::Rival2, 4}, {C::Rival2, 7}, {C::Rival2, 10},
    {C::Giovanni, 1}, {C::Giovanni, 2},
};
// clang-format on

const ClassRow& RowOf(TrainerClass c)
{
    return kClasses[static_cast<std::size_t>(c)];
}

const Member& MemberOf(const Party& p, int member)
{
    if (member < 0 || static_cast<std::size_t>(member) >= p.Members.size())
        throw std::out_of_range("no member " + std::to_string(member) + " in the party");
    return p.Members[static_cast<std::size_t>(member)];
}

int MoveRow(std::string_view name)
{
    const int row = FindMove(name);
    if (row < 0)
        throw std::invalid_argument("no move named " + std::string(name));
    return row;
}

} // namespace

const std::span<const Party> Parties{kParties};
const std::span<const BigBattle> BigBattles{kBigBattles};

std::string_view ClassName(TrainerClass c)
{
    return RowOf(c).Name;
}

int BaseMoney(TrainerClass c)
{
    return RowOf(c).BaseMoney;
}

const Party* FindParty(TrainerClass c, int number)
{
    const auto it = std::find_if(Parties.begin(), Parties.end(),
                                 [&](const Party& p) { return p.Class == c && p.Number == number; });
    return it == Parties.end() ? nullptr : &*it;
}

int Reward(const Party& p)
{
    return BaseMoney(p.Class) * p.Members.back().Level;
}

std::vector<encounters::Place> PlacesOf(const Party& p)
{
    std::vector<encounters::Place> places;
    std::string_view rest = p.Place;
    while (!rest.empty()) {
        const std::size_t end = rest.find("; ");
        if (const auto place = encounters::PlaceOfMap(rest.substr(0, end)))
            places.push_back(*place);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 2);
    }
    return places;
}

std::vector<const Party*> PartiesAt(encounters::Place place)
{
    // Made once: the windows ask for every place as they open.
    static const auto byPlace = [] {
        std::array<std::vector<const Party*>, encounters::PlaceCount> at;
        for (const MetRow& row : kMet)
            if (const Party* p = FindParty(row.Class, row.Number))
                at[static_cast<std::size_t>(row.Where)].push_back(p);
        // The leader stands at the far end of the gym, behind the others.
        for (auto& met : at)
            std::stable_partition(met.begin(), met.end(), [](const Party* p) { return !IsGymLeader(*p); });
        for (const Party& p : Parties)
            for (const encounters::Place where : PlacesOf(p)) {
                auto& met = at[static_cast<std::size_t>(where)];
                if (std::find(met.begin(), met.end(), &p) == met.end())
                    met.push_back(&p);
            }
        return at;
    }();
    return byPlace.at(static_cast<std::size_t>(place));
}

const Party& PartyOf(const BigBattle& b, StarterChoice chose)
{
    const bool rival = b.Class == C::Rival1 || b.Class == C::Rival2 || b.Class == C::Rival3;
    for (int n = b.Number; n < b.Number + (rival ? 3 : 1); ++n)
        if (const Party* p = FindParty(b.Class, n); p && (chose == S::Any || p->PlayerChose == chose || !rival))
            return *p;
    throw std::out_of_range("no party for this big battle");
}

bool IsGymLeader(const Party& p)
{
    switch (p.Class) {
    case C::Brock:
    case C::Misty:
    case C::LtSurge:
    case C::Erika:
    case C::Koga:
    case C::Sabrina:
    case C::Blaine: return true;
    case C::Giovanni: return p.Number == 3;
    default: return false;
    }
}

bool IsEliteFour(TrainerClass c)
{
    return c == C::Lorelei || c == C::Bruno || c == C::Agatha || c == C::Lance;
}

std::vector<SpecialMove> SpecialMovesOf(const Party& p)
{
    std::vector<SpecialMove> moves;
    for (const SpecialRow& s : kSpecials)
        if (s.Class == p.Class && s.Number == p.Number)
            moves.push_back(s.Move);
    return moves;
}

std::array<int, 4> MovesAtLevel(std::span<const LevelMove> learnset, int level)
{
    std::array<int, 4> moves{-1, -1, -1, -1};
    int known = 0;
    const auto learn = [&](int move) {
        if (std::find(moves.begin(), moves.begin() + known, move) != moves.begin() + known)
            return;
        if (known < 4) {
            moves[static_cast<std::size_t>(known++)] = move;
            return;
        }
        std::rotate(moves.begin(), moves.begin() + 1, moves.end());
        moves.back() = move;
    };
    for (const LevelMove& m : learnset)
        if (m.Level <= level)
            learn(MoveRow(m.Move));
    return moves;
}

std::array<int, 4> MemberMoves(const Party& p, int member, std::span<const LevelMove> learnset)
{
    std::array<int, 4> moves = MovesAtLevel(learnset, MemberOf(p, member).Level);
    for (const SpecialMove& s : SpecialMovesOf(p))
        if (s.Member == member)
            moves[2] = MoveRow(s.Move);
    return moves;
}

std::array<int, 4> MovesAtLevel(int creature, int level)
{
    return MovesAtLevel(GamesLearnset(creature), level);
}

std::array<int, 4> MemberMoves(const Party& p, int member)
{
    return MemberMoves(p, member, GamesLearnset(MemberOf(p, member).Creature));
}

BattleSide MemberSide(const Party& p, int member)
{
    const Member& m = MemberOf(p, member);
    BattleSide side;
    side.Species = m.Creature;
    side.Level = m.Level;
    side.Dv = TrainerDvs;
    side.Opponent = true;
    return side;
}

} // namespace trainers
