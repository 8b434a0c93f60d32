// The base stats table: typed in from the games' species records (checked
// against the reference tables by the tests).
#include "data/BaseStats.h"

#include "text/Cp1252.h"

#include <stdexcept>
#include <string>

namespace {

using namespace cp1252::literals;
using T = Type;
using G = GrowthRate;

// clang-format off
constexpr SpeciesStats kSpecies[] = {
    // {HP, Attack, Defense, Speed, Special}, types, catch rate, base exp, growth
    {{45, 49, 49, 45, 65}, T::Grama, T::Veneno, 45, 64, G::MediumSlow}, // 001 Bulbasaur
    {{60, 62, 63, 60, 80}, T::Grama, T::Veneno, 45, 141, G::MediumSlow}, // 002 Ivysaur
    {{80, 82, 83, 80, 100}, T::Grama, T::Veneno, 45, 208, G::MediumSlow}, // 003 Venusaur
    {{39, 52, 43, 65, 50}, T::Fogo, T::Fogo, 45, 65, G::MediumSlow}, // 004 Charmander
    {{58, 64, 58, 80, 65}, T::Fogo, T::Fogo, 45, 142, G::MediumSlow}, // 005 Charmeleon
    {{78, 84, 78, 100, 85}, T::Fogo, T::Voador, 45, 209, G::MediumSlow}, // 006 Charizard
    {{44, 48, 65, 43, 50}, T::Agua, T::Agua, 45, 66, G::MediumSlow}, // 007 Squirtle
    {{59, 63, 80, 58, 65}, T::Agua, T::Agua, 45, 143, G::MediumSlow}, // 008 Wartortle
    {{79, 83, 100, 78, 85}, T::Agua, T::Agua, 45, 210, G::MediumSlow}, // 009 Blastoise
    {{45, 30, 35, 45, 20}, T::Inseto, T::Inseto, 255, 53, G::MediumFast}, // 010 Caterpie
    {{50, 20, 55, 30, 25}, T::Inseto, T::Inseto, 120, 72, G::MediumFast}, // 011 Metapod
    {{60, 45, 50, 70, 80}, T::Inseto, T::Voador, 45, 160, G::MediumFast}, // 012 Butterfree
    {{40, 35, 30, 50, 20}, T::Inseto, T::Veneno, 255, 52, G::MediumFast}, // 013 Weedle
    {{45, 25, 50, 35, 25}, T::Inseto, T::Veneno, 120, 71, G::MediumFast}, // 014 Kakuna
    {{65, 80, 40, 75, 45}, T::Inseto, T::Veneno, 45, 159, G::MediumFast}, // 015 Beedrill
    {{40, 45, 40, 56, 35}, T::Normal, T::Voador, 255, 55, G::MediumSlow}, // 016 Pidgey
    {{63, 60, 55, 71, 50}, T::Normal, T::Voador, 120, 113, G::MediumSlow}, // 017 Pidgeotto
    {{83, 80, 75, 91, 70}, T::Normal, T::Voador, 45, 172, G::MediumSlow}, // 018 Pidgeot
    {{30, 56, 35, 72, 25}, T::Normal, T::Normal, 255, 57, G::MediumFast}, // 019 Rattata
    {{55, 81, 60, 97, 50}, T::Normal, T::Normal, 90, 116, G::MediumFast}, // 020 Raticate
    {{40, 60, 30, 70, 31}, T::Normal, T::Voador, 255, 58, G::MediumFast}, // 021 Spearow
    {{65, 90, 65, 100, 61}, T::Normal, T::Voador, 90, 162, G::MediumFast}, // 022 Fearow
    {{35, 60, 44, 55, 40}, T::Veneno, T::Veneno, 255, 62, G::MediumFast}, // 023 Ekans
    {{60, 85, 69, 80, 65}, T::Veneno, T::Veneno, 90, 147, G::MediumFast}, // 024 Arbok
    {{35, 55, 30, 90, 50}, T::Eletrico, T::Eletrico, 190, 82, G::MediumFast}, // 025 Pikachu
    {{60, 90, 55, 100, 90}, T::Eletrico, T::Eletrico, 75, 122, G::MediumFast}, // 026 Raichu
    {{50, 75, 85, 40, 30}, T::Terra, T::Terra, 255, 93, G::MediumFast}, // 027 Sandshrew
    {{75, 100, 110, 65, 55}, T::Terra, T::Terra, 90, 163, G::MediumFast}, // 028 Sandslash
    {{55, 47, 52, 41, 40}, T::Veneno, T::Veneno, 235, 59, G::MediumSlow}, // 029 Nidoran (F)
    {{70, 62, 67, 56, 55}, T::Veneno, T::Veneno, 120, 117, G::MediumSlow}, // 030 Nidorina
    {{90, 82, 87, 76, 75}, T::Veneno, T::Terra, 45, 194, G::MediumSlow}, // 031 Nidoqueen
    {{46, 57, 40, 50, 40}, T::Veneno, T::Veneno, 235, 60, G::MediumSlow}, // 032 Nidoran (M)
    {{61, 72, 57, 65, 55}, T::Veneno, T::Veneno, 120, 118, G::MediumSlow}, // 033 Nidorino
    {{81, 92, 77, 85, 75}, T::Veneno, T::Terra, 45, 195, G::MediumSlow}, // 034 Nidoking
    {{70, 45, 48, 35, 60}, T::Normal, T::Normal, 150, 68, G::Fast}, // 035 Clefairy
    {{95, 70, 73, 60, 85}, T::Normal, T::Normal, 25, 129, G::Fast}, // 036 Clefable
    {{38, 41, 40, 65, 65}, T::Fogo, T::Fogo, 190, 63, G::MediumFast}, // 037 Vulpix
    {{73, 76, 75, 100, 100}, T::Fogo, T::Fogo, 75, 178, G::MediumFast}, // 038 Ninetales
    {{115, 45, 20, 20, 25}, T::Normal, T::Normal, 170, 76, G::Fast}, // 039 Jigglypuff
    {{140, 70, 45, 45, 50}, T::Normal, T::Normal, 50, 109, G::Fast}, // 040 Wigglytuff
    {{40, 45, 35, 55, 40}, T::Veneno, T::Voador, 255, 54, G::MediumFast}, // 041 Zubat
    {{75, 80, 70, 90, 75}, T::Veneno, T::Voador, 90, 171, G::MediumFast}, // 042 Golbat
    {{45, 50, 55, 30, 75}, T::Grama, T::Veneno, 255, 78, G::MediumSlow}, // 043 Oddish
    {{60, 65, 70, 40, 85}, T::Grama, T::Veneno, 120, 132, G::MediumSlow}, // 044 Gloom
    {{75, 80, 85, 50, 100}, T::Grama, T::Veneno, 45, 184, G::MediumSlow}, // 045 Vileplume
    {{35, 70, 55, 25, 55}, T::Inseto, T::Grama, 190, 70, G::MediumFast}, // 046 Paras
    {{60, 95, 80, 30, 80}, T::Inseto, T::Grama, 75, 128, G::MediumFast}, // 047 Parasect
    {{60, 55, 50, 45, 40}, T::Inseto, T::Veneno, 190, 75, G::MediumFast}, // 048 Venonat
    {{70, 65, 60, 90, 90}, T::Inseto, T::Veneno, 75, 138, G::MediumFast}, // 049 Venomoth
    {{10, 55, 25, 95, 45}, T::Terra, T::Terra, 255, 81, G::MediumFast}, // 050 Diglett
    {{35, 80, 50, 120, 70}, T::Terra, T::Terra, 50, 153, G::MediumFast}, // 051 Dugtrio
    {{40, 45, 35, 90, 40}, T::Normal, T::Normal, 255, 69, G::MediumFast}, // 052 Meowth
    {{65, 70, 60, 115, 65}, T::Normal, T::Normal, 90, 148, G::MediumFast}, // 053 Persian
    {{50, 52, 48, 55, 50}, T::Agua, T::Agua, 190, 80, G::MediumFast}, // 054 Psyduck
    {{80, 82, 78, 85, 80}, T::Agua, T::Agua, 75, 174, G::MediumFast}, // 055 Golduck
    {{40, 80, 35, 70, 35}, T::Lutador, T::Lutador, 190, 74, G::MediumFast}, // 056 Mankey
    {{65, 105, 60, 95, 60}, T::Lutador, T::Lutador, 75, 149, G::MediumFast}, // 057 Primeape
    {{55, 70, 45, 60, 50}, T::Fogo, T::Fogo, 190, 91, G::Slow}, // 058 Growlithe
    {{90, 110, 80, 95, 80}, T::Fogo, T::Fogo, 75, 213, G::Slow}, // 059 Arcanine
    {{40, 50, 40, 90, 40}, T::Agua, T::Agua, 255, 77, G::MediumSlow}, // 060 Poliwag
    {{65, 65, 65, 90, 50}, T::Agua, T::Agua, 120, 131, G::MediumSlow}, // 061 Poliwhirl
    {{90, 85, 95, 70, 70}, T::Agua, T::Lutador, 45, 185, G::MediumSlow}, // 062 Poliwrath
    {{25, 20, 15, 90, 105}, T::Psiquico, T::Psiquico, 200, 73, G::MediumSlow}, // 063 Abra
    {{40, 35, 30, 105, 120}, T::Psiquico, T::Psiquico, 100, 145, G::MediumSlow}, // 064 Kadabra
    {{55, 50, 45, 120, 135}, T::Psiquico, T::Psiquico, 50, 186, G::MediumSlow}, // 065 Alakazam
    {{70, 80, 50, 35, 35}, T::Lutador, T::Lutador, 180, 88, G::MediumSlow}, // 066 Machop
    {{80, 100, 70, 45, 50}, T::Lutador, T::Lutador, 90, 146, G::MediumSlow}, // 067 Machoke
    {{90, 130, 80, 55, 65}, T::Lutador, T::Lutador, 45, 193, G::MediumSlow}, // 068 Machamp
    {{50, 75, 35, 40, 70}, T::Grama, T::Veneno, 255, 84, G::MediumSlow}, // 069 Bellsprout
    {{65, 90, 50, 55, 85}, T::Grama, T::Veneno, 120, 151, G::MediumSlow}, // 070 Weepinbell
    {{80, 105, 65, 70, 100}, T::Grama, T::Veneno, 45, 191, G::MediumSlow}, // 071 Victreebel
    {{40, 40, 35, 70, 100}, T::Agua, T::Veneno, 190, 105, G::Slow}, // 072 Tentacool
    {{80, 70, 65, 100, 120}, T::Agua, T::Veneno, 60, 205, G::Slow}, // 073 Tentacruel
    {{40, 80, 100, 20, 30}, T::Pedra, T::Terra, 255, 86, G::MediumSlow}, // 074 Geodude
    {{55, 95, 115, 35, 45}, T::Pedra, T::Terra, 120, 134, G::MediumSlow}, // 075 Graveler
    {{80, 110, 130, 45, 55}, T::Pedra, T::Terra, 45, 177, G::MediumSlow}, // 076 Golem
    {{50, 85, 55, 90, 65}, T::Fogo, T::Fogo, 190, 152, G::MediumFast}, // 077 Ponyta
    {{65, 100, 70, 105, 80}, T::Fogo, T::Fogo, 60, 192, G::MediumFast}, // 078 Rapidash
    {{90, 65, 65, 15, 40}, T::Agua, T::Psiquico, 190, 99, G::MediumFast}, // 079 Slowpoke
    {{95, 75, 110, 30, 80}, T::Agua, T::Psiquico, 75, 164, G::MediumFast}, // 080 Slowbro
    {{25, 35, 70, 45, 95}, T::Eletrico, T::Eletrico, 190, 89, G::MediumFast}, // 081 Magnemite
    {{50, 60, 95, 70, 120}, T::Eletrico, T::Eletrico, 60, 161, G::MediumFast}, // 082 Magneton
    {{52, 65, 55, 60, 58}, T::Normal, T::Voador, 45, 94, G::MediumFast}, // 083 Farfetch'd
    {{35, 85, 45, 75, 35}, T::Normal, T::Voador, 190, 96, G::MediumFast}, // 084 Doduo
    {{60, 110, 70, 100, 60}, T::Normal, T::Voador, 45, 158, G::MediumFast}, // 085 Dodrio
    {{65, 45, 55, 45, 70}, T::Agua, T::Agua, 190, 100, G::MediumFast}, // 086 Seel
    {{90, 70, 80, 70, 95}, T::Agua, T::Gelo, 75, 176, G::MediumFast}, // 087 Dewgong
    {{80, 80, 50, 25, 40}, T::Veneno, T::Veneno, 190, 90, G::MediumFast}, // 088 Grimer
    {{105, 105, 75, 50, 65}, T::Veneno, T::Veneno, 75, 157, G::MediumFast}, // 089 Muk
    {{30, 65, 100, 40, 45}, T::Agua, T::Agua, 190, 97, G::Slow}, // 090 Shellder
    {{50, 95, 180, 70, 85}, T::Agua, T::Gelo, 60, 203, G::Slow}, // 091 Cloyster
    {{30, 35, 30, 80, 100}, T::Fantasma, T::Veneno, 190, 95, G::MediumSlow}, // 092 Gastly
    {{45, 50, 45, 95, 115}, T::Fantasma, T::Veneno, 90, 126, G::MediumSlow}, // 093 Haunter
    {{60, 65, 60, 110, 130}, T::Fantasma, T::Veneno, 45, 190, G::MediumSlow}, // 094 Gengar
    {{35, 45, 160, 70, 30}, T::Pedra, T::Terra, 45, 108, G::MediumFast}, // 095 Onix
    {{60, 48, 45, 42, 90}, T::Psiquico, T::Psiquico, 190, 102, G::MediumFast}, // 096 Drowzee
    {{85, 73, 70, 67, 115}, T::Psiquico, T::Psiquico, 75, 165, G::MediumFast}, // 097 Hypno
    {{30, 105, 90, 50, 25}, T::Agua, T::Agua, 225, 115, G::MediumFast}, // 098 Krabby
    {{55, 130, 115, 75, 50}, T::Agua, T::Agua, 60, 206, G::MediumFast}, // 099 Kingler
    {{40, 30, 50, 100, 55}, T::Eletrico, T::Eletrico, 190, 103, G::MediumFast}, // 100 Voltorb
    {{60, 50, 70, 140, 80}, T::Eletrico, T::Eletrico, 60, 150, G::MediumFast}, // 101 Electrode
    {{60, 40, 80, 40, 60}, T::Grama, T::Psiquico, 90, 98, G::Slow}, // 102 Exeggcute
    {{95, 95, 85, 55, 125}, T::Grama, T::Psiquico, 45, 212, G::Slow}, // 103 Exeggutor
    {{50, 50, 95, 35, 40}, T::Terra, T::Terra, 190, 87, G::MediumFast}, // 104 Cubone
    {{60, 80, 110, 45, 50}, T::Terra, T::Terra, 75, 124, G::MediumFast}, // 105 Marowak
    {{50, 120, 53, 87, 35}, T::Lutador, T::Lutador, 45, 139, G::MediumFast}, // 106 Hitmonlee
    {{50, 105, 79, 76, 35}, T::Lutador, T::Lutador, 45, 140, G::MediumFast}, // 107 Hitmonchan
    {{90, 55, 75, 30, 60}, T::Normal, T::Normal, 45, 127, G::MediumFast}, // 108 Lickitung
    {{40, 65, 95, 35, 60}, T::Veneno, T::Veneno, 190, 114, G::MediumFast}, // 109 Koffing
    {{65, 90, 120, 60, 85}, T::Veneno, T::Veneno, 60, 173, G::MediumFast}, // 110 Weezing
    {{80, 85, 95, 25, 30}, T::Terra, T::Pedra, 120, 135, G::Slow}, // 111 Rhyhorn
    {{105, 130, 120, 40, 45}, T::Terra, T::Pedra, 60, 204, G::Slow}, // 112 Rhydon
    {{250, 5, 5, 50, 105}, T::Normal, T::Normal, 30, 255, G::Fast}, // 113 Chansey
    {{65, 55, 115, 60, 100}, T::Grama, T::Grama, 45, 166, G::MediumFast}, // 114 Tangela
    {{105, 95, 80, 90, 40}, T::Normal, T::Normal, 45, 175, G::MediumFast}, // 115 Kangaskhan
    {{30, 40, 70, 60, 70}, T::Agua, T::Agua, 225, 83, G::MediumFast}, // 116 Horsea
    {{55, 65, 95, 85, 95}, T::Agua, T::Agua, 75, 155, G::MediumFast}, // 117 Seadra
    {{45, 67, 60, 63, 50}, T::Agua, T::Agua, 225, 111, G::MediumFast}, // 118 Goldeen
    {{80, 92, 65, 68, 80}, T::Agua, T::Agua, 60, 170, G::MediumFast}, // 119 Seaking
    {{30, 45, 55, 85, 70}, T::Agua, T::Agua, 225, 106, G::Slow}, // 120 Staryu
    {{60, 75, 85, 115, 100}, T::Agua, T::Psiquico, 60, 207, G::Slow}, // 121 Starmie
    {{40, 45, 65, 90, 100}, T::Psiquico, T::Psiquico, 45, 136, G::MediumFast}, // 122 Mr. Mime
    {{70, 110, 80, 105, 55}, T::Inseto, T::Voador, 45, 187, G::MediumFast}, // 123 Scyther
    {{65, 50, 35, 95, 95}, T::Gelo, T::Psiquico, 45, 137, G::MediumFast}, // 124 Jynx
    {{65, 83, 57, 105, 85}, T::Eletrico, T::Eletrico, 45, 156, G::MediumFast}, // 125 Electabuzz
    {{65, 95, 57, 93, 85}, T::Fogo, T::Fogo, 45, 167, G::MediumFast}, // 126 Magmar
    {{65, 125, 100, 85, 55}, T::Inseto, T::Inseto, 45, 200, G::Slow}, // 127 Pinsir
    {{75, 100, 95, 110, 70}, T::Normal, T::Normal, 45, 211, G::Slow}, // 128 Tauros
    {{20, 10, 55, 80, 20}, T::Agua, T::Agua, 255, 20, G::Slow}, // 129 Magikarp
    {{95, 125, 79, 81, 100}, T::Agua, T::Voador, 45, 214, G::Slow}, // 130 Gyarados
    {{130, 85, 80, 60, 95}, T::Agua, T::Gelo, 45, 219, G::Slow}, // 131 Lapras
    {{48, 48, 48, 48, 48}, T::Normal, T::Normal, 35, 61, G::MediumFast}, // 132 Ditto
    {{55, 55, 50, 55, 65}, T::Normal, T::Normal, 45, 92, G::MediumFast}, // 133 Eevee
    {{130, 65, 60, 65, 110}, T::Agua, T::Agua, 45, 196, G::MediumFast}, // 134 Vaporeon
    {{65, 65, 60, 130, 110}, T::Eletrico, T::Eletrico, 45, 197, G::MediumFast}, // 135 Jolteon
    {{65, 130, 60, 65, 110}, T::Fogo, T::Fogo, 45, 198, G::MediumFast}, // 136 Flareon
    {{65, 60, 70, 40, 75}, T::Normal, T::Normal, 45, 130, G::MediumFast}, // 137 Porygon
    {{35, 40, 100, 35, 90}, T::Pedra, T::Agua, 45, 120, G::MediumFast}, // 138 Omanyte
    {{70, 60, 125, 55, 115}, T::Pedra, T::Agua, 45, 199, G::MediumFast}, // 139 Omastar
    {{30, 80, 90, 55, 45}, T::Pedra, T::Agua, 45, 119, G::MediumFast}, // 140 Kabuto
    {{60, 115, 105, 80, 70}, T::Pedra, T::Agua, 45, 201, G::MediumFast}, // 141 Kabutops
    {{80, 105, 65, 130, 60}, T::Pedra, T::Voador, 45, 202, G::Slow}, // 142 Aerodactyl
    {{160, 110, 65, 30, 65}, T::Normal, T::Normal, 25, 154, G::Slow}, // 143 Snorlax
    {{90, 85, 100, 85, 125}, T::Gelo, T::Voador, 3, 215, G::Slow}, // 144 Articuno
    {{90, 90, 85, 100, 125}, T::Eletrico, T::Voador, 3, 216, G::Slow}, // 145 Zapdos
    {{90, 100, 90, 90, 125}, T::Fogo, T::Voador, 3, 217, G::Slow}, // 146 Moltres
    {{41, 64, 45, 50, 50}, T::Dragao, T::Dragao, 45, 67, G::Slow}, // 147 Dratini
    {{61, 84, 65, 70, 70}, T::Dragao, T::Dragao, 45, 144, G::Slow}, // 148 Dragonair
    {{91, 134, 95, 80, 100}, T::Dragao, T::Voador, 45, 218, G::Slow}, // 149 Dragonite
    {{106, 110, 90, 130, 154}, T::Psiquico, T::Psiquico, 3, 220, G::Slow}, // 150 Mewtwo
    {{100, 100, 100, 100, 100}, T::Psiquico, T::Psiquico, 45, 64, G::MediumSlow}, // 151 Mew
};
// clang-format on
static_assert(std::size(kSpecies) == SpeciesCount, "one row per creature");

constexpr std::array<std::string_view, StatCount> kStatNames = {"Energia"_cp, "Ataque"_cp, "Defesa"_cp, "Velocidade"_cp,
                                                                "Especial"_cp};

} // namespace

const std::span<const SpeciesStats> BaseStatsTable{kSpecies};

const SpeciesStats& BaseStatsOf(int number)
{
    if (number < 1 || number > SpeciesCount)
        throw std::out_of_range("creature number " + std::to_string(number));
    return kSpecies[number - 1];
}

std::string_view StatName(Stat s)
{
    return kStatNames[static_cast<std::size_t>(s)];
}
