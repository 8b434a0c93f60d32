// Bit m of a creature's word says it can be taught machine m; a word per
// creature keeps the 3037 pairs of the games in 1.2 KiB.
#include "data/TmHmLearners.h"

#include <cstdint>
#include <iterator>

namespace {

// Row in MoveTable (the game's move number - 1) of each machine's move.
// clang-format off
constexpr std::uint8_t kMachineMove[MachineCount] = {
    4, 12, 13, 17, 24, 91, 31, 33, 35, 37,            // TM 01..10
    60, 54, 57, 58, 62, 5, 65, 67, 68, 98,            // TM 11..20
    71, 75, 81, 84, 86, 88, 89, 90, 93, 99,           // TM 21..30
    101, 103, 114, 116, 117, 119, 120, 125, 128, 129, // TM 31..40
    134, 137, 142, 155, 85, 148, 152, 156, 160, 163,  // TM 41..50
    14, 18, 56, 69, 147,                              // HM 01..05
};

constexpr std::uint64_t kLearners[151] = {
    0x060803C03803A4ULL, // #001 Bulbasaur
    0x060803C03803A4ULL, // #002 Ivysaur
    0x060803C03843A4ULL, // #003 Venusaur
    0x2608E3C84F03B5ULL, // #004 Charmander
    0x2608E3C84F03B5ULL, // #005 Charmeleon
    0x2608E3CE4F43B5ULL, // #006 Charizard
    0x320883C80F3FB1ULL, // #007 Squirtle
    0x320883C80F3FB1ULL, // #008 Wartortle
    0x320883CE0F7FB1ULL, // #009 Blastoise
    0x00000000000000ULL, // #010 ?
    0x00000000000000ULL, // #011 ?
    0x022843F038432AULL, // #012 Butterfree
    0x00000000000000ULL, // #013 ?
    0x00000000000000ULL, // #014 ?
    0x0608C3C0184324ULL, // #015 Beedrill
    0x0A0C43C008032AULL, // #016 Pidgey
    0x0A0C43C008032AULL, // #017 Pidgeotto
    0x0A0C43C008432AULL, // #018 Pidgeot
    0x0208C2C9882FA0ULL, // #019 Rattata
    0x0208C2C9887FA0ULL, // #020 Raticate
    0x0A0C42C008032AULL, // #021 Spearow
    0x0A0C42C008432AULL, // #022 Fearow
    0x228882CE1803A0ULL, // #023 Ekans
    0x228882CE1843A0ULL, // #024 Arbok
    0x4218C3C18D83B1ULL, // #025 Pikachu
    0x4218C3C18DC3B1ULL, // #026 Raichu
    0x2688C2CE0D03A4ULL, // #027 Sandshrew
    0x2688C2CE0D43A4ULL, // #028 Sandslash
    0x020883C18823A0ULL, // #029 Nidoran (F)
    0x020883C1883FE0ULL, // #030 Nidorina
    0x3288A3C78FFFF1ULL, // #031 Nidoqueen
    0x020883C18823E0ULL, // #032 Nidoran (M)
    0x020883C1883FE0ULL, // #033 Nidorino
    0x3288A3C78FFFF1ULL, // #034 Nidoking
    0x6338A7F1AF3FB1ULL, // #035 Clefairy
    0x6338A7F1AF7FB1ULL, // #036 Clefable
    0x0208E3C80803A0ULL, // #037 Vulpix
    0x0208E3C80843A0ULL, // #038 Ninetales
    0x6338A3F1AF3FB1ULL, // #039 Jigglypuff
    0x6338A3F1AF7FB1ULL, // #040 Wigglytuff
    0x020842C018032AULL, // #041 Zubat
    0x020842C018432AULL, // #042 Golbat
    0x060803C0380324ULL, // #043 Oddish
    0x060803C0380324ULL, // #044 Gloom
    0x060803C03843A4ULL, // #045 Vileplume
    0x060883C83803A4ULL, // #046 Paras
    0x060883C83843A4ULL, // #047 Parasect
    0x022803D0380320ULL, // #048 Venonat
    0x022843F038432AULL, // #049 Venomoth
    0x028802CE0803A0ULL, // #050 Diglett
    0x028802CE0843A0ULL, // #051 Dugtrio
    0x0208C2C1888FA0ULL, // #052 Meowth
    0x0208C2C188CFA0ULL, // #053 Persian
    0x3208C2C80FBFB1ULL, // #054 Psyduck
    0x3208C2C80FFFB1ULL, // #055 Golduck
    0x2288C6C98F83B1ULL, // #056 Mankey
    0x2288C6C98FC3B1ULL, // #057 Primeape
    0x0208E3C84803A0ULL, // #058 Growlithe
    0x0208E3E84843A0ULL, // #059 Arcanine
    0x122882D0083FA0ULL, // #060 Poliwag
    0x322886D60F3FB1ULL, // #061 Poliwhirl
    0x322886D60F7FB1ULL, // #062 Poliwrath
    0x433887F00F03B1ULL, // #063 Abra
    0x433887F80F03B1ULL, // #064 Kadabra
    0x433887F80F43B1ULL, // #065 Alakazam
    0x2288A6CE0F03B1ULL, // #066 Machop
    0x2288A6CE0F03B1ULL, // #067 Machoke
    0x2288A6CE0F43B1ULL, // #068 Machamp
    0x060803C0380324ULL, // #069 Bellsprout
    0x060803C0380324ULL, // #070 Weepinbell
    0x060803C03843A4ULL, // #071 Victreebel
    0x160883C0183F24ULL, // #072 Tentacool
    0x160883C0187F24ULL, // #073 Tentacruel
    0x22C82ECE0F03A1ULL, // #074 Geodude
    0x22C82ECE0F03A1ULL, // #075 Graveler
    0x22C82ECE0F43B1ULL, // #076 Golem
    0x0208E3C00803E0ULL, // #077 Ponyta
    0x0208E3C00843E0ULL, // #078 Rapidash
    0x7338E3FE08BFA0ULL, // #079 Slowpoke
    0x7338E3FE0FFFB1ULL, // #080 Slowbro
    0x421843E1880320ULL, // #081 Magnemite
    0x421843E1884320ULL, // #082 Magneton
    0x0E08C3C00803AEULL, // #083 Farfetch'd
    0x0B0C83C00803A8ULL, // #084 Doduo
    0x0B0C83C00843A8ULL, // #085 Dodrio
    0x320882C008BFE0ULL, // #086 Seel
    0x320882C008FFE0ULL, // #087 Dewgong
    0x02482AC19800A0ULL, // #088 Grimer
    0x02482AC19840A0ULL, // #089 Muk
    0x13484BE0083F20ULL, // #090 Shellder
    0x13484BE0087F20ULL, // #091 Cloyster
    0x026A0AD1980020ULL, // #092 Gastly
    0x026A0AD1980020ULL, // #093 Haunter
    0x226A8ED19F43B1ULL, // #094 Gengar
    0x22C88ACE0803A0ULL, // #095 Onix
    0x433A87F00F03B1ULL, // #096 Drowzee
    0x433A87F00F43B1ULL, // #097 Hypno
    0x360802C0083FA4ULL, // #098 Krabby
    0x360802C0087FA4ULL, // #099 Kingler
    0x42584BE1880120ULL, // #100 Voltorb
    0x4258CBE1884120ULL, // #101 Electrode
    0x02681BF0080320ULL, // #102 Exeggcute
    0x22681BF0384320ULL, // #103 Exeggutor
    0x2208A2CE0F3FB1ULL, // #104 Cubone
    0x2208A2CE0F7FB1ULL, // #105 Marowak
    0x2208C6C00F03B1ULL, // #106 Hitmonlee
    0x2208C6C00F03B1ULL, // #107 Hitmonchan
    0x3608A2C78F7FB5ULL, // #108 Lickitung
    0x02482AC1880020ULL, // #109 Koffing
    0x02482AC1884020ULL, // #110 Weezing
    0x2288A2CF8803E0ULL, // #111 Rhyhorn
    0x3288A2CF8FFFF1ULL, // #112 Rhydon
    0x6339B7F1AF7FB1ULL, // #113 Chansey
    0x060882C03843A4ULL, // #114 Tangela
    0x3288A2C78F7FB1ULL, // #115 Kangaskhan
    0x1208C2C0083F20ULL, // #116 Horsea
    0x1208C2C0087F20ULL, // #117 Seadra
    0x1208C2C0083F60ULL, // #118 Goldeen
    0x1208C2C0087F60ULL, // #119 Seaking
    0x5338C3F1883F20ULL, // #120 Staryu
    0x5338C3F1887F20ULL, // #121 Starmie
    0x423887F1AF43B1ULL, // #122 Mr. Mime
    0x0608C2C0084324ULL, // #123 Scyther
    0x022887F00F7FB1ULL, // #124 Jynx
    0x6238C7F18F43B1ULL, // #125 Electabuzz
    0x2228A6F00F43B1ULL, // #126 Magmar
    0x260802C00D43A4ULL, // #127 Pinsir
    0x2208A2C78873E0ULL, // #128 Tauros
    0x00000000000000ULL, // #129 ?
    0x3208A3C1C87FA0ULL, // #130 Gyarados
    0x322883D1E87FE0ULL, // #131 Lapras
    0x00000000000000ULL, // #132 ?
    0x0208C3C00803A0ULL, // #133 Eevee
    0x1208C3C0087FA0ULL, // #134 Vaporeon
    0x4218C3C18843A0ULL, // #135 Jolteon
    0x0208E3C00843A0ULL, // #136 Flareon
    0x4338C3F1887320ULL, // #137 Porygon
    0x120803C0083FA0ULL, // #138 Omanyte
    0x120883C00D7FE0ULL, // #139 Omastar
    0x120803C0083FA0ULL, // #140 Kabuto
    0x120883C00D7FB6ULL, // #141 Kabutops
    0x0A0C63C048432AULL, // #142 Aerodactyl
    0x32A8AFD7AFFFB1ULL, // #143 Snorlax
    0x0A0C43C0087F2AULL, // #144 Articuno
    0x4A1C43C188432AULL, // #145 Zapdos
    0x0A0C63C008432AULL, // #146 Moltres
    0x1218E3C1C83FA0ULL, // #147 Dratini
    0x1218E3C1C83FE0ULL, // #148 Dragonair
    0x3218E3C1C87FE2ULL, // #149 Dragonite
    0x6338AFF1AFFFB1ULL, // #150 Mewtwo
    0x7FFFFFFFFFFFFFULL, // #151 Mew
};
// clang-format on

} // namespace

int MachineMove(int machine)
{
    return machine >= 0 && machine < MachineCount ? kMachineMove[machine] : -1;
}

int MachineOfMove(int move)
{
    for (int m = 0; m < MachineCount; ++m)
        if (kMachineMove[m] == move)
            return m;
    return -1;
}

std::string MachineName(int machine)
{
    const int number = MachineNumber(machine);
    std::string name = IsHm(machine) ? "HM " : "TM ";
    name += static_cast<char>('0' + number / 10 % 10);
    name += static_cast<char>('0' + number % 10);
    return name;
}

bool CanLearnMachine(int number, int machine)
{
    if (number < 1 || number > static_cast<int>(std::size(kLearners)) || machine < 0 || machine >= MachineCount)
        return false;
    return (kLearners[number - 1] >> machine) & 1u;
}
