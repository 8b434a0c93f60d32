#include "data/Learners.h"

#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

// Each creature's base data, #001 first: the moves it starts with, the empty
// slots last.
// clang-format off
constexpr std::array<std::string_view, 4> kLevelOne[] = {
    {"Tackle", "Growl"}, // 001 Bulbasaur
    {"Tackle", "Growl", "Leech Seed"}, // 002 Ivysaur
    {"Tackle", "Growl", "Leech Seed", "Vine Whip"}, // 003 Venusaur
    {"Scratch", "Growl"}, // 004 Charmander
    {"Scratch", "Growl", "Ember"}, // 005 Charmeleon
    {"Scratch", "Growl", "Ember", "Leer"}, // 006 Charizard
    {"Tackle", "Tail Whip"}, // 007 Squirtle
    {"Tackle", "Tail Whip", "Bubble"}, // 008 Wartortle
    {"Tackle", "Tail Whip", "Bubble", "Water Gun"}, // 009 Blastoise
    {"Tackle", "String Shot"}, // 010 Caterpie
    {"Harden"}, // 011 Metapod
    {"Confusion"}, // 012 Butterfree
    {"Poison Sting", "String Shot"}, // 013 Weedle
    {"Harden"}, // 014 Kakuna
    {"Fury Attack"}, // 015 Beedrill
    {"Gust"}, // 016 Pidgey
    {"Gust", "Sand-Attack"}, // 017 Pidgeotto
    {"Gust", "Sand-Attack", "Quick Attack"}, // 018 Pidgeot
    {"Tackle", "Tail Whip"}, // 019 Rattata
    {"Tackle", "Tail Whip", "Quick Attack"}, // 020 Raticate
    {"Peck", "Growl"}, // 021 Spearow
    {"Peck", "Growl", "Leer"}, // 022 Fearow
    {"Wrap", "Leer"}, // 023 Ekans
    {"Wrap", "Leer", "Poison Sting"}, // 024 Arbok
    {"Thundershock", "Growl"}, // 025 Pikachu
    {"Thundershock", "Growl", "Thunderwave"}, // 026 Raichu
    {"Scratch"}, // 027 Sandshrew
    {"Scratch", "Sand-Attack"}, // 028 Sandslash
    {"Growl", "Tackle"}, // 029 Nidoran (F)
    {"Growl", "Tackle", "Scratch"}, // 030 Nidorina
    {"Tackle", "Scratch", "Tail Whip", "Body Slam"}, // 031 Nidoqueen
    {"Leer", "Tackle"}, // 032 Nidoran (M)
    {"Leer", "Tackle", "Horn Attack"}, // 033 Nidorino
    {"Tackle", "Horn Attack", "Poison Sting", "Thrash"}, // 034 Nidoking
    {"Pound", "Growl"}, // 035 Clefairy
    {"Sing", "Double Slap", "Minimize", "Metronome"}, // 036 Clefable
    {"Ember", "Tail Whip"}, // 037 Vulpix
    {"Ember", "Tail Whip", "Quick Attack", "Roar"}, // 038 Ninetales
    {"Sing"}, // 039 Jigglypuff
    {"Sing", "Disable", "Defense Curl", "Double Slap"}, // 040 Wigglytuff
    {"Leech Life"}, // 041 Zubat
    {"Leech Life", "Screech", "Bite"}, // 042 Golbat
    {"Absorb"}, // 043 Oddish
    {"Absorb", "Poison Powder", "Stun Spore"}, // 044 Gloom
    {"Stun Spore", "Sleep Powder", "Acid", "Petal Dance"}, // 045 Vileplume
    {"Scratch"}, // 046 Paras
    {"Scratch", "Stun Spore", "Leech Life"}, // 047 Parasect
    {"Tackle", "Disable"}, // 048 Venonat
    {"Tackle", "Disable", "Poison Powder", "Leech Life"}, // 049 Venomoth
    {"Scratch"}, // 050 Diglett
    {"Scratch", "Growl", "Dig"}, // 051 Dugtrio
    {"Scratch", "Growl"}, // 052 Meowth
    {"Scratch", "Growl", "Bite", "Screech"}, // 053 Persian
    {"Scratch"}, // 054 Psyduck
    {"Scratch", "Tail Whip", "Disable"}, // 055 Golduck
    {"Scratch", "Leer"}, // 056 Mankey
    {"Scratch", "Leer", "Karate Chop", "Fury Swipes"}, // 057 Primeape
    {"Bite", "Roar"}, // 058 Growlithe
    {"Roar", "Ember", "Leer", "Take Down"}, // 059 Arcanine
    {"Bubble"}, // 060 Poliwag
    {"Bubble", "Hypnosis", "Water Gun"}, // 061 Poliwhirl
    {"Hypnosis", "Water Gun", "Double Slap", "Body Slam"}, // 062 Poliwrath
    {"Teleport"}, // 063 Abra
    {"Teleport", "Confusion", "Disable"}, // 064 Kadabra
    {"Teleport", "Confusion", "Disable"}, // 065 Alakazam
    {"Karate Chop"}, // 066 Machop
    {"Karate Chop", "Low Kick", "Leer"}, // 067 Machoke
    {"Karate Chop", "Low Kick", "Leer"}, // 068 Machamp
    {"Vine Whip", "Growth"}, // 069 Bellsprout
    {"Vine Whip", "Growth", "Wrap"}, // 070 Weepinbell
    {"Sleep Powder", "Stun Spore", "Acid", "Razor Leaf"}, // 071 Victreebel
    {"Acid"}, // 072 Tentacool
    {"Acid", "Supersonic", "Wrap"}, // 073 Tentacruel
    {"Tackle"}, // 074 Geodude
    {"Tackle", "Defense Curl"}, // 075 Graveler
    {"Tackle", "Defense Curl"}, // 076 Golem
    {"Ember"}, // 077 Ponyta
    {"Ember", "Tail Whip", "Stomp", "Growl"}, // 078 Rapidash
    {"Confusion"}, // 079 Slowpoke
    {"Confusion", "Disable", "Headbutt"}, // 080 Slowbro
    {"Tackle"}, // 081 Magnemite
    {"Tackle", "Sonic Boom", "Thundershock"}, // 082 Magneton
    {"Peck", "Sand-Attack"}, // 083 Farfetch'd
    {"Peck"}, // 084 Doduo
    {"Peck", "Growl", "Fury Attack"}, // 085 Dodrio
    {"Headbutt"}, // 086 Seel
    {"Headbutt", "Growl", "Aurora Beam"}, // 087 Dewgong
    {"Pound", "Disable"}, // 088 Grimer
    {"Pound", "Disable", "Poison Gas"}, // 089 Muk
    {"Tackle", "Withdraw"}, // 090 Shellder
    {"Withdraw", "Supersonic", "Clamp", "Aurora Beam"}, // 091 Cloyster
    {"Lick", "Confuse Ray", "Night Shade"}, // 092 Gastly
    {"Lick", "Confuse Ray", "Night Shade"}, // 093 Haunter
    {"Lick", "Confuse Ray", "Night Shade"}, // 094 Gengar
    {"Tackle", "Screech"}, // 095 Onix
    {"Pound", "Hypnosis"}, // 096 Drowzee
    {"Pound", "Hypnosis", "Disable", "Confusion"}, // 097 Hypno
    {"Bubble", "Leer"}, // 098 Krabby
    {"Bubble", "Leer", "Vice Grip"}, // 099 Kingler
    {"Tackle", "Screech"}, // 100 Voltorb
    {"Tackle", "Screech", "Sonic Boom"}, // 101 Electrode
    {"Barrage", "Hypnosis"}, // 102 Exeggcute
    {"Barrage", "Hypnosis"}, // 103 Exeggutor
    {"Bone Club", "Growl"}, // 104 Cubone
    {"Bone Club", "Growl", "Leer", "Focus Energy"}, // 105 Marowak
    {"Double Kick", "Meditate"}, // 106 Hitmonlee
    {"Comet Punch", "Agility"}, // 107 Hitmonchan
    {"Wrap", "Supersonic"}, // 108 Lickitung
    {"Tackle", "Smog"}, // 109 Koffing
    {"Tackle", "Smog", "Sludge"}, // 110 Weezing
    {"Horn Attack"}, // 111 Rhyhorn
    {"Horn Attack", "Stomp", "Tail Whip", "Fury Attack"}, // 112 Rhydon
    {"Pound", "Double Slap"}, // 113 Chansey
    {"Constrict", "Bind"}, // 114 Tangela
    {"Comet Punch", "Rage"}, // 115 Kangaskhan
    {"Bubble"}, // 116 Horsea
    {"Bubble", "Smokescreen"}, // 117 Seadra
    {"Peck", "Tail Whip"}, // 118 Goldeen
    {"Peck", "Tail Whip", "Supersonic"}, // 119 Seaking
    {"Tackle"}, // 120 Staryu
    {"Tackle", "Water Gun", "Harden"}, // 121 Starmie
    {"Confusion", "Barrier"}, // 122 Mr. Mime
    {"Quick Attack"}, // 123 Scyther
    {"Pound", "Lovely Kiss"}, // 124 Jynx
    {"Quick Attack", "Leer"}, // 125 Electabuzz
    {"Ember"}, // 126 Magmar
    {"Vice Grip"}, // 127 Pinsir
    {"Tackle"}, // 128 Tauros
    {"Splash"}, // 129 Magikarp
    {"Bite", "Dragon Rage", "Leer", "Hydro Pump"}, // 130 Gyarados
    {"Water Gun", "Growl"}, // 131 Lapras
    {"Transform"}, // 132 Ditto
    {"Tackle", "Sand-Attack"}, // 133 Eevee
    {"Tackle", "Sand-Attack", "Quick Attack", "Water Gun"}, // 134 Vaporeon
    {"Tackle", "Sand-Attack", "Quick Attack", "Thundershock"}, // 135 Jolteon
    {"Tackle", "Sand-Attack", "Quick Attack", "Ember"}, // 136 Flareon
    {"Tackle", "Sharpen", "Conversion"}, // 137 Porygon
    {"Water Gun", "Withdraw"}, // 138 Omanyte
    {"Water Gun", "Withdraw", "Horn Attack"}, // 139 Omastar
    {"Scratch", "Harden"}, // 140 Kabuto
    {"Scratch", "Harden", "Absorb"}, // 141 Kabutops
    {"Wing Attack", "Agility"}, // 142 Aerodactyl
    {"Headbutt", "Amnesia", "Rest"}, // 143 Snorlax
    {"Peck", "Ice Beam"}, // 144 Articuno
    {"Thundershock", "Drill Peck"}, // 145 Zapdos
    {"Peck", "Fire Spin"}, // 146 Moltres
    {"Wrap", "Leer"}, // 147 Dratini
    {"Wrap", "Leer", "Thunderwave"}, // 148 Dragonair
    {"Wrap", "Leer", "Thunderwave", "Agility"}, // 149 Dragonite
    {"Confusion", "Disable", "Swift", "Psychic"}, // 150 Mewtwo
    {"Pound"}, // 151 Mew
};
// clang-format on
static_assert(std::size(kLevelOne) == Catalogue::HighestNumber);

} // namespace

std::string LearnText(int level)
{
    return level == 0 ? "inicial" : "Nv. " + std::to_string(level);
}

MoveLearners LearnersOf(int move)
{
    MoveLearners learners;
    if (static_cast<unsigned>(move) >= MoveTable.size())
        return learners;
    const std::string_view name = MoveTable[static_cast<std::size_t>(move)].Name;
    const int machine = MachineOfMove(move);
    for (int number = 0; number <= Catalogue::HighestNumber; ++number) {
        const int row = Catalogue::RowOfNumber(number);
        for (const LevelMove& lm : LevelMovesOf(row))
            if (lm.Move == name)
                learners.ByLevel.push_back({row, lm.Level});
        if (machine >= 0 && CanLearnMachine(number, machine))
            learners.ByMachine.push_back(row);
    }
    return learners;
}

std::vector<int> MachinesOf(int row)
{
    std::vector<int> machines;
    const int number = Catalogue::Entry(row).Number;
    for (int machine = 0; machine < MachineCount; ++machine)
        if (CanLearnMachine(number, machine))
            machines.push_back(machine);
    return machines;
}

std::span<const std::string_view> LevelOneMoves(int creature)
{
    if (creature < 1 || creature > Catalogue::HighestNumber)
        throw std::out_of_range("no creature #" + std::to_string(creature));
    const auto& moves = kLevelOne[creature - 1];
    const auto filled = std::find(moves.begin(), moves.end(), std::string_view());
    return {moves.begin(), filled};
}

std::vector<LevelMove> GamesLearnset(int creature)
{
    std::vector<LevelMove> learnset;
    for (const std::string_view move : LevelOneMoves(creature))
        learnset.push_back({1, move});
    // The catalogue's starting moves are among the base data's; only the
    // moves learnt by level follow.
    for (const LevelMove& m : LevelMovesOf(Catalogue::RowOfNumber(creature)))
        if (m.Level > 0)
            learnset.push_back(m);
    return learnset;
}
