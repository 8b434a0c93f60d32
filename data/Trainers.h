// The trainers of the Red and Blue games: every party a map or a script starts
// a battle with, by class and by its number within the class (the number the
// game's map objects and scripts name), its creatures and levels, the reward,
// and the moves each creature battles with as the engine writes them.
// Creatures are numbers 1..151; texts are Windows-1252 unless said otherwise.
#pragma once

#include "catalogue/LevelMoves.h"
#include "data/Battle.h"
#include "data/Encounters.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace trainers {

// The classes that have a party the game uses, in the game's order. The rival
// has three (his early, middle and Champion parties); a gym leader or one of
// the Elite Four is a class of one.
enum class TrainerClass : std::uint8_t {
    // clang-format off
    Youngster, BugCatcher, Lass, Sailor, JrTrainerM, JrTrainerF, Pokemaniac, SuperNerd, Hiker, Biker, Burglar,
    Engineer, Fisher, Swimmer, CueBall, Gambler, Beauty, Psychic, Rocker, Juggler, Tamer, BirdKeeper, Blackbelt,
    Rival1, Scientist, Giovanni, Rocket, CooltrainerM, CooltrainerF, Bruno, Brock, Misty, LtSurge, Erika, Koga,
    Blaine, Sabrina, Gentleman, Rival2, Rival3, Lorelei, Channeler, Agatha, Lance,
    // clang-format on
};
constexpr int ClassCount = static_cast<int>(TrainerClass::Lance) + 1;

// The games' English name of the class ("Bug Catcher", "Jr. Trainer (F)",
// "Rival", "Rival (Champion)"); a leader's class is the leader's name ("Lt.
// Surge").
std::string_view ClassName(TrainerClass c);

// The class's base money: the reward is this × the level of the party's last
// creature.
int BaseMoney(TrainerClass c);

// Which starter the player chose: the rival's parties come in threes, one for
// each choice (he takes the starter that beats the player's).
enum class StarterChoice : std::uint8_t { Any, Charmander, Squirtle, Bulbasaur };

struct Member {
    std::uint8_t Creature;
    std::uint8_t Level;
};

struct Party {
    TrainerClass Class;
    std::uint8_t Number; // within the class, from 1; the numbers of unused parties are skipped
    // The maps whose trainers name this party, or for the rival and the
    // Champion the map of the script's battle; UTF-8 as the fact tables write
    // it, several separated by "; " ("Rock Tunnel B1F; Route 9").
    std::string_view Place;
    StarterChoice PlayerChose; // Any but for the rival's parties
    std::span<const Member> Members;
};

// Every party the game uses, by class in the order of TrainerClass, then by
// number. The parties no map and no script names are left out.
extern const std::span<const Party> Parties;

// The party of that class and number; nullptr for one the game never uses.
const Party* FindParty(TrainerClass c, int number);

// The yen the player wins: the class's base money × the last creature's level.
int Reward(const Party& p);

// The places Place names, in its order.
std::vector<encounters::Place> PlacesOf(const Party& p);

// The parties met at a place, in the order the map lists its trainers (about
// the order one walks into them), a gym's leader last, then the battles only
// a script starts (the rival's, all three of his parties). Empty for a place
// with no trainer.
std::vector<const Party*> PartiesAt(encounters::Place p);

// ---- the big battles -------------------------------------------------------------

// The eight gym leaders in the order of their badges, the Elite Four, the
// Champion, the rival's other battles in the order of the game, and
// Giovanni's two battles outside his gym.
struct BigBattle {
    TrainerClass Class;
    std::uint8_t Number; // the party; for the rival the first of his three
};
extern const std::span<const BigBattle> BigBattles;

// The party of a big battle; for the rival's, the one he has when the player
// chose `chose` (Any gives his first).
const Party& PartyOf(const BigBattle& b, StarterChoice chose);

// Whether the class is a gym leader's (Giovanni's only in his gym, his third
// party), one of the Elite Four's or the Champion's.
bool IsGymLeader(const Party& p);
bool IsEliteFour(TrainerClass c);

// ---- moves ---------------------------------------------------------------------

// A move the engine writes over the third move of one member, after the moves
// of its level: a gym leader's on his or her last creature, each of the Elite
// Four's on the fifth, the Champion's Sky Attack on his Pidgeot and his
// starter's own move on it.
struct SpecialMove {
    int Member;            // index into the party's Members
    std::string_view Move; // the catalogue's spelling
};
std::vector<SpecialMove> SpecialMovesOf(const Party& p);

// The four moves (rows of MoveTable, -1 for an empty slot) a creature knows at
// `level` as the engine writes them for a trainer's creature (WriteMonMoves):
// each move learnt at or below the level in the learnset's order, one already
// known skipped, a new one into the first empty slot or, with four known, the
// first forgotten, the others moved up and the new one last. `learnset` lists
// the starting moves first, then the others by level; a starting move learnt
// again later is listed twice (as GamesLearnset gives it). std::invalid_argument
// for a move MoveTable does not hold.
std::array<int, 4> MovesAtLevel(std::span<const LevelMove> learnset, int level);
// The same for creature 1..151 over its GamesLearnset; std::out_of_range for
// any other number.
std::array<int, 4> MovesAtLevel(int creature, int level);

// A member's moves in battle: MovesAtLevel for its creature's learnset, then
// the party's special move over the third slot. std::out_of_range for a
// member outside the party.
std::array<int, 4> MemberMoves(const Party& p, int member, std::span<const LevelMove> learnset);
// The same over the creature's GamesLearnset: the moves the game gives it.
std::array<int, 4> MemberMoves(const Party& p, int member);

// ---- stats ---------------------------------------------------------------------

// A trainer's creatures all have these determinant values (so an HP DV of 8)
// and no stat experience.
constexpr Dvs TrainerDvs{9, 8, 8, 8};

// A member as one side of a battle: its creature and level, the trainer's
// DVs, no stat experience, the game's side. std::out_of_range for a member
// outside the party.
BattleSide MemberSide(const Party& p, int member);

} // namespace trainers
