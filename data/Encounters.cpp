// The tables are the games' own: slot by slot, each version's walking and
// surfing table, the rods' lists and the other sources, checked against the
// fact tables by tests/data/EncountersTest.cpp. Tables the two versions (or
// two maps) share are written once.
#include "data/Encounters.h"

#include "text/Cp1252.h"
#include "text/Numbers.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <tuple>

namespace encounters {
namespace {

using namespace cp1252::literals;
using M = Method;
using P = Place;
using V = Version;

struct PlaceRow {
    Place Id;
    std::string_view Map;  // UTF-8, as the fact tables write it
    std::string_view Name; // Windows-1252
};

// Floors: "Nº andar" counts up from the ground floor (the game's 1F), "Nº
// subsolo" down from it; areas and rooms follow a comma as floors do.
// clang-format off
constexpr PlaceRow kPlaces[] = {
    {P::Route1, "Route 1", "Rota 1"_cp},
    {P::Route2, "Route 2", "Rota 2"_cp},
    {P::Route3, "Route 3", "Rota 3"_cp},
    {P::Route4, "Route 4", "Rota 4"_cp},
    {P::Route5, "Route 5", "Rota 5"_cp},
    {P::Route6, "Route 6", "Rota 6"_cp},
    {P::Route7, "Route 7", "Rota 7"_cp},
    {P::Route8, "Route 8", "Rota 8"_cp},
    {P::Route9, "Route 9", "Rota 9"_cp},
    {P::Route10, "Route 10", "Rota 10"_cp},
    {P::Route11, "Route 11", "Rota 11"_cp},
    {P::Route12, "Route 12", "Rota 12"_cp},
    {P::Route13, "Route 13", "Rota 13"_cp},
    {P::Route14, "Route 14", "Rota 14"_cp},
    {P::Route15, "Route 15", "Rota 15"_cp},
    {P::Route16, "Route 16", "Rota 16"_cp},
    {P::Route17, "Route 17", "Rota 17"_cp},
    {P::Route18, "Route 18", "Rota 18"_cp},
    {P::Route19, "Route 19", "Rota 19"_cp},
    {P::Route20, "Route 20", "Rota 20"_cp},
    {P::Route21, "Route 21", "Rota 21"_cp},
    {P::Route22, "Route 22", "Rota 22"_cp},
    {P::Route23, "Route 23", "Rota 23"_cp},
    {P::Route24, "Route 24", "Rota 24"_cp},
    {P::Route25, "Route 25", "Rota 25"_cp},
    {P::VermilionDock, "Vermilion Dock", "Cais de Vermilion"_cp},
    {P::CopycatsHouse2F, "Copycats House 2F", "Casa da Copycat (Cidade de Saffron), 2º andar"_cp},
    {P::Route16FlyHouse, "Route 16 Fly House", "Casa da Rota 16"_cp},
    {P::BillsHouse, "Bills House", "Casa de Bill (Rota 25)"_cp},
    {P::CeruleanTradeHouse, "Cerulean Trade House", "Casa de trocas da Cidade de Cerulean"_cp},
    {P::VermilionTradeHouse, "Vermilion Trade House", "Casa de trocas da Cidade de Vermilion"_cp},
    {P::Route2TradeHouse, "Route 2 Trade House", "Casa de trocas da Rota 2"_cp},
    {P::MrFujisHouse, "Mr Fujis House", "Casa do Sr. Fuji (Cidade de Lavender)"_cp},
    {P::MrPsychicsHouse, "Mr. Psychics House", "Casa do Sr. Psíquico (Cidade de Saffron)"_cp},
    {P::WardensHouse, "Wardens House", "Casa do diretor da Zona Safári (Cidade de Fuchsia)"_cp},
    {P::Route12SuperRodHouse, "Route 12 Super Rod House", "Casa do pescador da Super Vara (Rota 12)"_cp},
    {P::FuchsiaGoodRodHouse, "Fuchsia Good Rod House", "Casa do pescador da Vara Boa (Cidade de Fuchsia)"_cp},
    {P::VermilionOldRodHouse, "Vermilion Old Rod House", "Casa do pescador da Vara Velha (Cidade de Vermilion)"_cp},
    {P::BluesHouse, "Blues House", "Casa do rival (Cidade de Pallet)"_cp},
    {P::CeruleanCave1F, "Cerulean Cave 1F", "Caverna Cerulean, 1º andar"_cp},
    {P::CeruleanCaveB1F, "Cerulean Cave B1F", "Caverna Cerulean, 1º subsolo"_cp},
    {P::CeruleanCave2F, "Cerulean Cave 2F", "Caverna Cerulean, 2º andar"_cp},
    {P::DiglettsCave, "Digletts Cave", "Caverna Diglett"_cp},
    {P::MtMoonPokemonCenter, "Mt. Moon Pokémon Center", "Centro Pokémon do Mt. Moon"_cp},
    {P::CeladonCity, "Celadon City", "Cidade de Celadon"_cp},
    {P::CeruleanCity, "Cerulean City", "Cidade de Cerulean"_cp},
    {P::FuchsiaCity, "Fuchsia City", "Cidade de Fuchsia"_cp},
    {P::PalletTown, "Pallet Town", "Cidade de Pallet"_cp},
    {P::VermilionCity, "Vermilion City", "Cidade de Vermilion"_cp},
    {P::ViridianCity, "Viridian City", "Cidade de Viridian"_cp},
    {P::GameCornerPrizeRoom, "Game Corner Prize Room", "Coin Exchange (Cidade de Celadon)"_cp},
    {P::FightingDojo, "Fighting Dojo", "Dojo de Luta (Cidade de Saffron)"_cp},
    {P::RocketHideoutB1F, "Rocket Hideout B1F", "Esconderijo da Equipe Rocket, 1º subsolo"_cp},
    {P::RocketHideoutB2F, "Rocket Hideout B2F", "Esconderijo da Equipe Rocket, 2º subsolo"_cp},
    {P::RocketHideoutB3F, "Rocket Hideout B3F", "Esconderijo da Equipe Rocket, 3º subsolo"_cp},
    {P::RocketHideoutB4F, "Rocket Hideout B4F", "Esconderijo da Equipe Rocket, 4º subsolo"_cp},
    {P::ViridianForest, "Viridian Forest", "Floresta Viridian"_cp},
    {P::PokemonFanClub, "Pokémon Fan Club", "Fã-clube Pokémon (Cidade de Vermilion)"_cp},
    {P::GameCorner, "Game Corner", "Game Corner (Cidade de Celadon)"_cp},
    {P::CeladonGym, "Celadon Gym", "Ginásio de Celadon"_cp},
    {P::CeruleanGym, "Cerulean Gym", "Ginásio de Cerulean"_cp},
    {P::CinnabarGym, "Cinnabar Gym", "Ginásio de Cinnabar"_cp},
    {P::FuchsiaGym, "Fuchsia Gym", "Ginásio de Fuchsia"_cp},
    {P::PewterGym, "Pewter Gym", "Ginásio de Pewter"_cp},
    {P::SaffronGym, "Saffron Gym", "Ginásio de Saffron"_cp},
    {P::VermilionGym, "Vermilion Gym", "Ginásio de Vermilion"_cp},
    {P::ViridianGym, "Viridian Gym", "Ginásio de Viridian"_cp},
    {P::Route2Gate, "Route 2 Gate", "Guarita da Rota 2"_cp},
    {P::Route11Gate2F, "Route 11 Gate 2F", "Guarita da Rota 11, 2º andar"_cp},
    {P::Route12Gate2F, "Route 12 Gate 2F", "Guarita da Rota 12, 2º andar"_cp},
    {P::Route15Gate2F, "Route 15 Gate 2F", "Guarita da Rota 15, 2º andar"_cp},
    {P::Route18Gate2F, "Route 18 Gate 2F", "Guarita da Rota 18, 2º andar"_cp},
    {P::CinnabarIsland, "Cinnabar Island", "Ilha Cinnabar"_cp},
    {P::SeafoamIslands1F, "Seafoam Islands 1F", "Ilhas Seafoam, 1º andar"_cp},
    {P::SeafoamIslandsB1F, "Seafoam Islands B1F", "Ilhas Seafoam, 1º subsolo"_cp},
    {P::SeafoamIslandsB2F, "Seafoam Islands B2F", "Ilhas Seafoam, 2º subsolo"_cp},
    {P::SeafoamIslandsB3F, "Seafoam Islands B3F", "Ilhas Seafoam, 3º subsolo"_cp},
    {P::SeafoamIslandsB4F, "Seafoam Islands B4F", "Ilhas Seafoam, 4º subsolo"_cp},
    {P::CinnabarLabMetronomeRoom, "Cinnabar Lab Metronome Room", "Laboratório da Ilha Cinnabar, sala de pesquisas"_cp},
    {P::CinnabarLabTradeRoom, "Cinnabar Lab Trade Room", "Laboratório da Ilha Cinnabar, sala de trocas"_cp},
    {P::CinnabarLabFossilRoom, "Cinnabar Lab Fossil Room", "Laboratório da Ilha Cinnabar, sala dos fósseis"_cp},
    {P::OaksLab, "Oaks Lab", "Laboratório do Professor Carvalho (Cidade de Pallet)"_cp},
    {P::CeruleanMart, "Cerulean Mart", "Loja de Cerulean"_cp},
    {P::CinnabarMart, "Cinnabar Mart", "Loja de Cinnabar"_cp},
    {P::CeladonMart2F, "Celadon Mart 2F", "Loja de Departamentos de Celadon, 2º andar"_cp},
    {P::CeladonMart3F, "Celadon Mart 3F", "Loja de Departamentos de Celadon, 3º andar"_cp},
    {P::CeladonMart4F, "Celadon Mart 4F", "Loja de Departamentos de Celadon, 4º andar"_cp},
    {P::CeladonMart5F, "Celadon Mart 5F", "Loja de Departamentos de Celadon, 5º andar"_cp},
    {P::CeladonMartRoof, "Celadon Mart Roof", "Loja de Departamentos de Celadon, terraço"_cp},
    {P::FuchsiaMart, "Fuchsia Mart", "Loja de Fuchsia"_cp},
    {P::LavenderMart, "Lavender Mart", "Loja de Lavender"_cp},
    {P::PewterMart, "Pewter Mart", "Loja de Pewter"_cp},
    {P::SaffronMart, "Saffron Mart", "Loja de Saffron"_cp},
    {P::VermilionMart, "Vermilion Mart", "Loja de Vermilion"_cp},
    {P::ViridianMart, "Viridian Mart", "Loja de Viridian"_cp},
    {P::BikeShop, "Bike Shop", "Loja de bicicletas (Cidade de Cerulean)"_cp},
    {P::CeladonMansionRoofHouse, "Celadon Mansion Roof House", "Mansão Celadon, casa do terraço"_cp},
    {P::MtMoon1F, "Mt. Moon 1F", "Mt. Moon, 1º andar"_cp},
    {P::MtMoonB1F, "Mt. Moon B1F", "Mt. Moon, 1º subsolo"_cp},
    {P::MtMoonB2F, "Mt. Moon B2F", "Mt. Moon, 2º subsolo"_cp},
    {P::Museum1F, "Museum 1F", "Museu de Pewter, 1º andar"_cp},
    {P::UndergroundPathRoute5, "Underground Path Route 5", "Passagem subterrânea da Rota 5"_cp},
    {P::UndergroundPathNorthSouth, "Underground Path North South", "Passagem subterrânea entre as Rotas 5 e 6"_cp},
    {P::UndergroundPathWestEast, "Underground Path West East", "Passagem subterrânea entre as Rotas 7 e 8"_cp},
    {P::LoreleisRoom, "Loreleis Room", "Planalto Índigo, 1ª sala da Elite dos Quatro"_cp},
    {P::BrunosRoom, "Brunos Room", "Planalto Índigo, 2ª sala da Elite dos Quatro"_cp},
    {P::AgathasRoom, "Agathas Room", "Planalto Índigo, 3ª sala da Elite dos Quatro"_cp},
    {P::LancesRoom, "Lances Room", "Planalto Índigo, 4ª sala da Elite dos Quatro"_cp},
    {P::IndigoPlateauLobby, "Indigo Plateau Lobby", "Planalto Índigo, recepção e loja"_cp},
    {P::ChampionsRoom, "Champions Room", "Planalto Índigo, sala do Campeão"_cp},
    {P::PokemonMansion1F, "Pokémon Mansion 1F", "Pokémon House, 1º andar"_cp},
    {P::PokemonMansionB1F, "Pokémon Mansion B1F", "Pokémon House, 1º subsolo"_cp},
    {P::PokemonMansion2F, "Pokémon Mansion 2F", "Pokémon House, 2º andar"_cp},
    {P::PokemonMansion3F, "Pokémon Mansion 3F", "Pokémon House, 3º andar"_cp},
    {P::PowerPlant, "Power Plant", "Power Plant"_cp},
    {P::AnyWater, "any fishing spot", "Qualquer lugar com água"_cp},
    {P::CeladonDiner, "Celadon Diner", "Restaurante (Cidade de Celadon)"_cp},
    {P::RockTunnel1F, "Rock Tunnel 1F", "Rock Tunnel, 1º andar"_cp},
    {P::RockTunnelB1F, "Rock Tunnel B1F", "Rock Tunnel, 1º subsolo"_cp},
    {P::SSAnne2F, "S.S. Anne 2F", "S.S. Anne, 2º andar"_cp},
    {P::SSAnneCaptainsRoom, "S.S. Anne Captains Room", "S.S. Anne, cabine do capitão"_cp},
    {P::SSAnne1FRooms, "S.S. Anne 1F Rooms", "S.S. Anne, cabines do 1º andar"_cp},
    {P::SSAnneB1FRooms, "S.S. Anne B1F Rooms", "S.S. Anne, cabines do 1º subsolo"_cp},
    {P::SSAnne2FRooms, "S.S. Anne 2F Rooms", "S.S. Anne, cabines do 2º andar"_cp},
    {P::SSAnneKitchen, "S.S. Anne Kitchen", "S.S. Anne, cozinha"_cp},
    {P::SSAnneBow, "S.S. Anne Bow", "S.S. Anne, proa"_cp},
    {P::SilphCo2F, "Silph Co. 2F", "Silph Co., 2º andar"_cp},
    {P::SilphCo3F, "Silph Co. 3F", "Silph Co., 3º andar"_cp},
    {P::SilphCo4F, "Silph Co. 4F", "Silph Co., 4º andar"_cp},
    {P::SilphCo5F, "Silph Co. 5F", "Silph Co., 5º andar"_cp},
    {P::SilphCo6F, "Silph Co. 6F", "Silph Co., 6º andar"_cp},
    {P::SilphCo7F, "Silph Co. 7F", "Silph Co., 7º andar"_cp},
    {P::SilphCo8F, "Silph Co. 8F", "Silph Co., 8º andar"_cp},
    {P::SilphCo9F, "Silph Co. 9F", "Silph Co., 9º andar"_cp},
    {P::SilphCo10F, "Silph Co. 10F", "Silph Co., 10º andar"_cp},
    {P::SilphCo11F, "Silph Co. 11F", "Silph Co., 11º andar"_cp},
    {P::PokemonTower2F, "Pokémon Tower 2F", "Torre Pokémon, 2º andar"_cp},
    {P::PokemonTower3F, "Pokémon Tower 3F", "Torre Pokémon, 3º andar"_cp},
    {P::PokemonTower4F, "Pokémon Tower 4F", "Torre Pokémon, 4º andar"_cp},
    {P::PokemonTower5F, "Pokémon Tower 5F", "Torre Pokémon, 5º andar"_cp},
    {P::PokemonTower6F, "Pokémon Tower 6F", "Torre Pokémon, 6º andar"_cp},
    {P::PokemonTower7F, "Pokémon Tower 7F", "Torre Pokémon, 7º andar"_cp},
    {P::VictoryRoad1F, "Victory Road 1F", "Victory Road, 1º andar"_cp},
    {P::VictoryRoad2F, "Victory Road 2F", "Victory Road, 2º andar"_cp},
    {P::VictoryRoad3F, "Victory Road 3F", "Victory Road, 3º andar"_cp},
    {P::SafariZoneSecretHouse, "Safari Zone Secret House", "Zona Safári, casa secreta"_cp},
    {P::SafariZoneGate, "Safari Zone Gate", "Zona Safári, portaria"_cp},
    {P::SafariZoneCenter, "Safari Zone Center", "Zona Safári, área central"_cp},
    {P::SafariZoneEast, "Safari Zone East", "Zona Safári, área leste"_cp},
    {P::SafariZoneNorth, "Safari Zone North", "Zona Safári, área norte"_cp},
    {P::SafariZoneWest, "Safari Zone West", "Zona Safári, área oeste"_cp},
};
// clang-format on
static_assert(std::size(kPlaces) == PlaceCount);
constexpr bool InPlaceOrder()
{
    for (int i = 0; i < PlaceCount; ++i)
        if (static_cast<int>(kPlaces[i].Id) != i)
            return false;
    return true;
}
static_assert(InPlaceOrder(), "one row per place, in the order of Place");

// clang-format off
enum Dex : std::uint8_t {
    Bulbasaur = 1, Ivysaur, Venusaur, Charmander, Charmeleon, Charizard, Squirtle, Wartortle, Blastoise, Caterpie,
    Metapod, Butterfree, Weedle, Kakuna, Beedrill, Pidgey, Pidgeotto, Pidgeot, Rattata, Raticate, Spearow, Fearow,
    Ekans, Arbok, Pikachu, Raichu, Sandshrew, Sandslash, NidoranF, Nidorina, Nidoqueen, NidoranM, Nidorino, Nidoking,
    Clefairy, Clefable, Vulpix, Ninetales, Jigglypuff, Wigglytuff, Zubat, Golbat, Oddish, Gloom, Vileplume, Paras,
    Parasect, Venonat, Venomoth, Diglett, Dugtrio, Meowth, Persian, Psyduck, Golduck, Mankey, Primeape, Growlithe,
    Arcanine, Poliwag, Poliwhirl, Poliwrath, Abra, Kadabra, Alakazam, Machop, Machoke, Machamp, Bellsprout,
    Weepinbell, Victreebel, Tentacool, Tentacruel, Geodude, Graveler, Golem, Ponyta, Rapidash, Slowpoke, Slowbro,
    Magnemite, Magneton, Farfetchd, Doduo, Dodrio, Seel, Dewgong, Grimer, Muk, Shellder, Cloyster, Gastly, Haunter,
    Gengar, Onix, Drowzee, Hypno, Krabby, Kingler, Voltorb, Electrode, Exeggcute, Exeggutor, Cubone, Marowak,
    Hitmonlee, Hitmonchan, Lickitung, Koffing, Weezing, Rhyhorn, Rhydon, Chansey, Tangela, Kangaskhan, Horsea, Seadra,
    Goldeen, Seaking, Staryu, Starmie, MrMime, Scyther, Jynx, Electabuzz, Magmar, Pinsir, Tauros, Magikarp, Gyarados,
    Lapras, Ditto, Eevee, Vaporeon, Jolteon, Flareon, Porygon, Omanyte, Omastar, Kabuto, Kabutops, Aerodactyl,
    Snorlax, Articuno, Zapdos, Moltres, Dratini, Dragonair, Dragonite, Mewtwo, Mew,
};
constexpr WildTable kRoute1 = {25, {{3, Pidgey}, {3, Rattata}, {3, Rattata}, {2, Rattata}, {2, Pidgey},
    {3, Pidgey}, {3, Pidgey}, {4, Rattata}, {4, Pidgey}, {5, Pidgey}}};
constexpr WildTable kRoute2Red = {25, {{3, Rattata}, {3, Pidgey}, {4, Pidgey}, {4, Rattata}, {5, Pidgey},
    {3, Weedle}, {2, Rattata}, {5, Rattata}, {4, Weedle}, {5, Weedle}}};
constexpr WildTable kRoute2Blue = {25, {{3, Rattata}, {3, Pidgey}, {4, Pidgey}, {4, Rattata}, {5, Pidgey},
    {3, Caterpie}, {2, Rattata}, {5, Rattata}, {4, Caterpie}, {5, Caterpie}}};
constexpr WildTable kRoute3 = {20, {{6, Pidgey}, {5, Spearow}, {7, Pidgey}, {6, Spearow}, {7, Spearow},
    {8, Pidgey}, {8, Spearow}, {3, Jigglypuff}, {5, Jigglypuff}, {7, Jigglypuff}}};
constexpr WildTable kRoute4Red = {20, {{10, Rattata}, {10, Spearow}, {8, Rattata}, {6, Ekans}, {8, Spearow},
    {10, Ekans}, {12, Rattata}, {12, Spearow}, {8, Ekans}, {12, Ekans}}};
constexpr WildTable kRoute4Blue = {20, {{10, Rattata}, {10, Spearow}, {8, Rattata}, {6, Sandshrew}, {8, Spearow},
    {10, Sandshrew}, {12, Rattata}, {12, Spearow}, {8, Sandshrew}, {12, Sandshrew}}};
// Shared by Route 5 and Route 6.
constexpr WildTable kRoute5Red = {15, {{13, Oddish}, {13, Pidgey}, {15, Pidgey}, {10, Mankey}, {12, Mankey},
    {15, Oddish}, {16, Oddish}, {16, Pidgey}, {14, Mankey}, {16, Mankey}}};
// Shared by Route 5 and Route 6.
constexpr WildTable kRoute5Blue = {15, {{13, Bellsprout}, {13, Pidgey}, {15, Pidgey}, {10, Meowth}, {12, Meowth},
    {15, Bellsprout}, {16, Bellsprout}, {16, Pidgey}, {14, Meowth}, {16, Meowth}}};
constexpr WildTable kRoute7Red = {15, {{19, Pidgey}, {19, Oddish}, {17, Mankey}, {22, Oddish}, {22, Pidgey},
    {18, Mankey}, {18, Growlithe}, {20, Growlithe}, {19, Mankey}, {20, Mankey}}};
constexpr WildTable kRoute7Blue = {15, {{19, Pidgey}, {19, Bellsprout}, {17, Meowth}, {22, Bellsprout}, {22, Pidgey},
    {18, Meowth}, {18, Vulpix}, {20, Vulpix}, {19, Meowth}, {20, Meowth}}};
constexpr WildTable kRoute8Red = {15, {{18, Pidgey}, {18, Mankey}, {17, Ekans}, {16, Growlithe}, {20, Pidgey},
    {20, Mankey}, {19, Ekans}, {17, Growlithe}, {15, Growlithe}, {18, Growlithe}}};
constexpr WildTable kRoute8Blue = {15, {{18, Pidgey}, {18, Meowth}, {17, Sandshrew}, {16, Vulpix}, {20, Pidgey},
    {20, Meowth}, {19, Sandshrew}, {17, Vulpix}, {15, Vulpix}, {18, Vulpix}}};
constexpr WildTable kRoute9Red = {15, {{16, Rattata}, {16, Spearow}, {14, Rattata}, {11, Ekans}, {13, Spearow},
    {15, Ekans}, {17, Rattata}, {17, Spearow}, {13, Ekans}, {17, Ekans}}};
constexpr WildTable kRoute9Blue = {15, {{16, Rattata}, {16, Spearow}, {14, Rattata}, {11, Sandshrew}, {13, Spearow},
    {15, Sandshrew}, {17, Rattata}, {17, Spearow}, {13, Sandshrew}, {17, Sandshrew}}};
constexpr WildTable kRoute10Red = {15, {{16, Voltorb}, {16, Spearow}, {14, Voltorb}, {11, Ekans}, {13, Spearow},
    {15, Ekans}, {17, Voltorb}, {17, Spearow}, {13, Ekans}, {17, Ekans}}};
constexpr WildTable kRoute10Blue = {15, {{16, Voltorb}, {16, Spearow}, {14, Voltorb}, {11, Sandshrew}, {13, Spearow},
    {15, Sandshrew}, {17, Voltorb}, {17, Spearow}, {13, Sandshrew}, {17, Sandshrew}}};
constexpr WildTable kRoute11Red = {15, {{14, Ekans}, {15, Spearow}, {12, Ekans}, {9, Drowzee}, {13, Spearow},
    {13, Drowzee}, {15, Ekans}, {17, Spearow}, {11, Drowzee}, {15, Drowzee}}};
constexpr WildTable kRoute11Blue = {15, {{14, Sandshrew}, {15, Spearow}, {12, Sandshrew}, {9, Drowzee}, {13, Spearow},
    {13, Drowzee}, {15, Sandshrew}, {17, Spearow}, {11, Drowzee}, {15, Drowzee}}};
constexpr WildTable kRoute12Red = {15, {{24, Oddish}, {25, Pidgey}, {23, Pidgey}, {24, Venonat}, {22, Oddish},
    {26, Venonat}, {26, Oddish}, {27, Pidgey}, {28, Gloom}, {30, Gloom}}};
constexpr WildTable kRoute12Blue = {15, {{24, Bellsprout}, {25, Pidgey}, {23, Pidgey}, {24, Venonat}, {22, Bellsprout},
    {26, Venonat}, {26, Bellsprout}, {27, Pidgey}, {28, Weepinbell}, {30, Weepinbell}}};
constexpr WildTable kRoute13Red = {20, {{24, Oddish}, {25, Pidgey}, {27, Pidgey}, {24, Venonat}, {22, Oddish},
    {26, Venonat}, {26, Oddish}, {25, Ditto}, {28, Gloom}, {30, Gloom}}};
constexpr WildTable kRoute13Blue = {20, {{24, Bellsprout}, {25, Pidgey}, {27, Pidgey}, {24, Venonat}, {22, Bellsprout},
    {26, Venonat}, {26, Bellsprout}, {25, Ditto}, {28, Weepinbell}, {30, Weepinbell}}};
constexpr WildTable kRoute14Red = {15, {{24, Oddish}, {26, Pidgey}, {23, Ditto}, {24, Venonat}, {22, Oddish},
    {26, Venonat}, {26, Oddish}, {30, Gloom}, {28, Pidgeotto}, {30, Pidgeotto}}};
constexpr WildTable kRoute14Blue = {15, {{24, Bellsprout}, {26, Pidgey}, {23, Ditto}, {24, Venonat}, {22, Bellsprout},
    {26, Venonat}, {26, Bellsprout}, {30, Weepinbell}, {28, Pidgeotto}, {30, Pidgeotto}}};
constexpr WildTable kRoute15Red = {15, {{24, Oddish}, {26, Ditto}, {23, Pidgey}, {26, Venonat}, {22, Oddish},
    {28, Venonat}, {26, Oddish}, {30, Gloom}, {28, Pidgeotto}, {30, Pidgeotto}}};
constexpr WildTable kRoute15Blue = {15, {{24, Bellsprout}, {26, Ditto}, {23, Pidgey}, {26, Venonat}, {22, Bellsprout},
    {28, Venonat}, {26, Bellsprout}, {30, Weepinbell}, {28, Pidgeotto}, {30, Pidgeotto}}};
constexpr WildTable kRoute16 = {25, {{20, Spearow}, {22, Spearow}, {18, Rattata}, {20, Doduo}, {20, Rattata},
    {18, Doduo}, {22, Doduo}, {22, Rattata}, {23, Raticate}, {25, Raticate}}};
constexpr WildTable kRoute17 = {25, {{20, Spearow}, {22, Spearow}, {25, Raticate}, {24, Doduo}, {27, Raticate},
    {26, Doduo}, {28, Doduo}, {29, Raticate}, {25, Fearow}, {27, Fearow}}};
constexpr WildTable kRoute18 = {25, {{20, Spearow}, {22, Spearow}, {25, Raticate}, {24, Doduo}, {25, Fearow},
    {26, Doduo}, {28, Doduo}, {29, Raticate}, {27, Fearow}, {29, Fearow}}};
// Shared by Route 19 (sea), Route 20 (sea) and Route 21 (sea).
constexpr WildTable kRoute19Sea = {5, {{5, Tentacool}, {10, Tentacool}, {15, Tentacool}, {5, Tentacool}, {10, Tentacool},
    {15, Tentacool}, {20, Tentacool}, {30, Tentacool}, {35, Tentacool}, {40, Tentacool}}};
constexpr WildTable kRoute21 = {25, {{21, Rattata}, {23, Pidgey}, {30, Raticate}, {23, Rattata}, {21, Pidgey},
    {30, Pidgeotto}, {32, Pidgeotto}, {28, Tangela}, {30, Tangela}, {32, Tangela}}};
constexpr WildTable kRoute22Red = {25, {{3, Rattata}, {3, NidoranM}, {4, Rattata}, {4, NidoranM}, {2, Rattata},
    {2, NidoranM}, {3, Spearow}, {5, Spearow}, {3, NidoranF}, {4, NidoranF}}};
constexpr WildTable kRoute22Blue = {25, {{3, Rattata}, {3, NidoranF}, {4, Rattata}, {4, NidoranF}, {2, Rattata},
    {2, NidoranF}, {3, Spearow}, {5, Spearow}, {3, NidoranM}, {4, NidoranM}}};
constexpr WildTable kRoute23Red = {10, {{26, Ekans}, {33, Ditto}, {26, Spearow}, {38, Fearow}, {38, Ditto},
    {38, Fearow}, {41, Arbok}, {43, Ditto}, {41, Fearow}, {43, Fearow}}};
constexpr WildTable kRoute23Blue = {10, {{26, Sandshrew}, {33, Ditto}, {26, Spearow}, {38, Fearow}, {38, Ditto},
    {38, Fearow}, {41, Sandslash}, {43, Ditto}, {41, Fearow}, {43, Fearow}}};
constexpr WildTable kRoute24Red = {25, {{7, Weedle}, {8, Kakuna}, {12, Pidgey}, {12, Oddish}, {13, Oddish},
    {10, Abra}, {14, Oddish}, {13, Pidgey}, {8, Abra}, {12, Abra}}};
constexpr WildTable kRoute24Blue = {25, {{7, Caterpie}, {8, Metapod}, {12, Pidgey}, {12, Bellsprout}, {13, Bellsprout},
    {10, Abra}, {14, Bellsprout}, {13, Pidgey}, {8, Abra}, {12, Abra}}};
constexpr WildTable kRoute25Red = {15, {{8, Weedle}, {9, Kakuna}, {13, Pidgey}, {12, Oddish}, {13, Oddish},
    {12, Abra}, {14, Oddish}, {10, Abra}, {7, Metapod}, {8, Caterpie}}};
constexpr WildTable kRoute25Blue = {15, {{8, Caterpie}, {9, Metapod}, {13, Pidgey}, {12, Bellsprout}, {13, Bellsprout},
    {12, Abra}, {14, Bellsprout}, {10, Abra}, {7, Kakuna}, {8, Weedle}}};
constexpr WildTable kViridianForestRed = {8, {{4, Weedle}, {5, Kakuna}, {3, Weedle}, {5, Weedle}, {4, Kakuna},
    {6, Kakuna}, {4, Metapod}, {3, Caterpie}, {3, Pikachu}, {5, Pikachu}}};
constexpr WildTable kViridianForestBlue = {8, {{4, Caterpie}, {5, Metapod}, {3, Caterpie}, {5, Caterpie}, {4, Metapod},
    {6, Metapod}, {4, Kakuna}, {3, Weedle}, {3, Pikachu}, {5, Pikachu}}};
constexpr WildTable kMtMoon1F = {10, {{8, Zubat}, {7, Zubat}, {9, Zubat}, {8, Geodude}, {6, Zubat},
    {10, Zubat}, {10, Geodude}, {8, Paras}, {11, Zubat}, {8, Clefairy}}};
constexpr WildTable kMtMoonB1F = {10, {{8, Zubat}, {7, Zubat}, {7, Geodude}, {8, Geodude}, {9, Zubat},
    {10, Paras}, {10, Zubat}, {11, Zubat}, {9, Clefairy}, {9, Geodude}}};
constexpr WildTable kMtMoonB2F = {10, {{9, Zubat}, {9, Geodude}, {10, Zubat}, {10, Geodude}, {11, Zubat},
    {10, Paras}, {12, Paras}, {10, Clefairy}, {12, Zubat}, {12, Clefairy}}};
constexpr WildTable kRockTunnel1F = {15, {{16, Zubat}, {17, Zubat}, {17, Geodude}, {15, Machop}, {16, Geodude},
    {18, Zubat}, {15, Zubat}, {17, Machop}, {13, Onix}, {15, Onix}}};
constexpr WildTable kPowerPlantRed = {10, {{21, Voltorb}, {21, Magnemite}, {20, Pikachu}, {24, Pikachu}, {23, Magnemite},
    {23, Voltorb}, {32, Magneton}, {35, Magneton}, {33, Electabuzz}, {36, Electabuzz}}};
constexpr WildTable kPowerPlantBlue = {10, {{21, Voltorb}, {21, Magnemite}, {20, Pikachu}, {24, Pikachu}, {23, Magnemite},
    {23, Voltorb}, {32, Magneton}, {35, Magneton}, {33, Raichu}, {36, Raichu}}};
constexpr WildTable kVictoryRoad1F = {15, {{24, Machop}, {26, Geodude}, {22, Zubat}, {36, Onix}, {39, Onix},
    {42, Onix}, {41, Graveler}, {41, Golbat}, {42, Machoke}, {43, Marowak}}};
constexpr WildTable kPokemonTower3F = {10, {{20, Gastly}, {21, Gastly}, {22, Gastly}, {23, Gastly}, {19, Gastly},
    {18, Gastly}, {24, Gastly}, {20, Cubone}, {22, Cubone}, {25, Haunter}}};
// Shared by Pokémon Tower 4F and Pokémon Tower 5F.
constexpr WildTable kPokemonTower4F = {10, {{20, Gastly}, {21, Gastly}, {22, Gastly}, {23, Gastly}, {19, Gastly},
    {18, Gastly}, {25, Haunter}, {20, Cubone}, {22, Cubone}, {24, Gastly}}};
constexpr WildTable kPokemonTower6F = {15, {{21, Gastly}, {22, Gastly}, {23, Gastly}, {24, Gastly}, {20, Gastly},
    {19, Gastly}, {26, Haunter}, {22, Cubone}, {24, Cubone}, {28, Haunter}}};
constexpr WildTable kPokemonTower7F = {15, {{21, Gastly}, {22, Gastly}, {23, Gastly}, {24, Gastly}, {20, Gastly},
    {28, Haunter}, {22, Cubone}, {24, Cubone}, {28, Haunter}, {30, Haunter}}};
constexpr WildTable kSeafoamIslandsB1FRed = {10, {{30, Staryu}, {30, Horsea}, {32, Shellder}, {32, Horsea}, {28, Slowpoke},
    {30, Seel}, {30, Slowpoke}, {28, Seel}, {38, Dewgong}, {37, Seadra}}};
constexpr WildTable kSeafoamIslandsB1FBlue = {10, {{30, Shellder}, {30, Krabby}, {32, Staryu}, {32, Krabby}, {28, Psyduck},
    {30, Seel}, {30, Psyduck}, {28, Seel}, {38, Dewgong}, {37, Kingler}}};
constexpr WildTable kSeafoamIslandsB2FRed = {10, {{30, Seel}, {30, Slowpoke}, {32, Seel}, {32, Slowpoke}, {28, Horsea},
    {30, Staryu}, {30, Horsea}, {28, Shellder}, {30, Golbat}, {37, Slowbro}}};
constexpr WildTable kSeafoamIslandsB2FBlue = {10, {{30, Seel}, {30, Psyduck}, {32, Seel}, {32, Psyduck}, {28, Krabby},
    {30, Shellder}, {30, Krabby}, {28, Staryu}, {30, Golbat}, {37, Golduck}}};
constexpr WildTable kSeafoamIslandsB3FRed = {10, {{31, Slowpoke}, {31, Seel}, {33, Slowpoke}, {33, Seel}, {29, Horsea},
    {31, Shellder}, {31, Horsea}, {29, Shellder}, {39, Seadra}, {37, Dewgong}}};
constexpr WildTable kSeafoamIslandsB3FBlue = {10, {{31, Psyduck}, {31, Seel}, {33, Psyduck}, {33, Seel}, {29, Krabby},
    {31, Staryu}, {31, Krabby}, {29, Staryu}, {39, Kingler}, {37, Dewgong}}};
constexpr WildTable kSeafoamIslandsB4FRed = {10, {{31, Horsea}, {31, Shellder}, {33, Horsea}, {33, Shellder}, {29, Slowpoke},
    {31, Seel}, {31, Slowpoke}, {29, Seel}, {39, Slowbro}, {32, Golbat}}};
constexpr WildTable kSeafoamIslandsB4FBlue = {10, {{31, Krabby}, {31, Staryu}, {33, Krabby}, {33, Staryu}, {29, Psyduck},
    {31, Seel}, {31, Psyduck}, {29, Seel}, {39, Golduck}, {32, Golbat}}};
constexpr WildTable kPokemonMansion1FRed = {10, {{32, Koffing}, {30, Koffing}, {34, Ponyta}, {30, Ponyta}, {34, Growlithe},
    {32, Ponyta}, {30, Grimer}, {28, Ponyta}, {37, Weezing}, {39, Muk}}};
constexpr WildTable kPokemonMansion1FBlue = {10, {{32, Grimer}, {30, Grimer}, {34, Ponyta}, {30, Ponyta}, {34, Vulpix},
    {32, Ponyta}, {30, Koffing}, {28, Ponyta}, {37, Muk}, {39, Weezing}}};
constexpr WildTable kSeafoamIslands1FRed = {15, {{30, Seel}, {30, Slowpoke}, {30, Shellder}, {30, Horsea}, {28, Horsea},
    {21, Zubat}, {29, Golbat}, {28, Psyduck}, {28, Shellder}, {38, Golduck}}};
constexpr WildTable kSeafoamIslands1FBlue = {15, {{30, Seel}, {30, Psyduck}, {30, Staryu}, {30, Krabby}, {28, Krabby},
    {21, Zubat}, {29, Golbat}, {28, Slowpoke}, {28, Staryu}, {38, Slowbro}}};
constexpr WildTable kVictoryRoad2F = {10, {{22, Machop}, {24, Geodude}, {26, Zubat}, {36, Onix}, {39, Onix},
    {42, Onix}, {41, Machoke}, {40, Golbat}, {40, Marowak}, {43, Graveler}}};
constexpr WildTable kDiglettsCave = {20, {{18, Diglett}, {19, Diglett}, {17, Diglett}, {20, Diglett}, {16, Diglett},
    {15, Diglett}, {21, Diglett}, {22, Diglett}, {29, Dugtrio}, {31, Dugtrio}}};
constexpr WildTable kVictoryRoad3F = {15, {{24, Machop}, {26, Geodude}, {22, Zubat}, {42, Onix}, {40, Venomoth},
    {45, Onix}, {43, Graveler}, {41, Golbat}, {42, Machoke}, {45, Machoke}}};
constexpr WildTable kPokemonMansion2FRed = {10, {{32, Growlithe}, {34, Koffing}, {34, Koffing}, {30, Ponyta}, {30, Koffing},
    {32, Ponyta}, {30, Grimer}, {28, Ponyta}, {39, Weezing}, {37, Muk}}};
constexpr WildTable kPokemonMansion2FBlue = {10, {{32, Vulpix}, {34, Grimer}, {34, Grimer}, {30, Ponyta}, {30, Grimer},
    {32, Ponyta}, {30, Koffing}, {28, Ponyta}, {39, Muk}, {37, Weezing}}};
constexpr WildTable kPokemonMansion3FRed = {10, {{31, Koffing}, {33, Growlithe}, {35, Koffing}, {32, Ponyta}, {34, Ponyta},
    {40, Weezing}, {34, Grimer}, {38, Weezing}, {36, Ponyta}, {42, Muk}}};
constexpr WildTable kPokemonMansion3FBlue = {10, {{31, Grimer}, {33, Vulpix}, {35, Grimer}, {32, Ponyta}, {34, Magmar},
    {40, Muk}, {34, Koffing}, {38, Muk}, {36, Ponyta}, {42, Weezing}}};
constexpr WildTable kPokemonMansionB1FRed = {10, {{33, Koffing}, {31, Koffing}, {35, Growlithe}, {32, Ponyta}, {31, Koffing},
    {40, Weezing}, {34, Ponyta}, {35, Grimer}, {42, Weezing}, {42, Muk}}};
constexpr WildTable kPokemonMansionB1FBlue = {10, {{33, Grimer}, {31, Grimer}, {35, Vulpix}, {32, Ponyta}, {31, Grimer},
    {40, Muk}, {34, Ponyta}, {35, Koffing}, {38, Magmar}, {42, Weezing}}};
constexpr WildTable kSafariZoneEastRed = {30, {{24, NidoranM}, {26, Doduo}, {22, Paras}, {25, Exeggcute}, {33, Nidorino},
    {23, Exeggcute}, {24, NidoranF}, {25, Parasect}, {25, Kangaskhan}, {28, Scyther}}};
constexpr WildTable kSafariZoneEastBlue = {30, {{24, NidoranF}, {26, Doduo}, {22, Paras}, {25, Exeggcute}, {33, Nidorina},
    {23, Exeggcute}, {24, NidoranM}, {25, Parasect}, {25, Kangaskhan}, {28, Pinsir}}};
constexpr WildTable kSafariZoneNorthRed = {30, {{22, NidoranM}, {26, Rhyhorn}, {23, Paras}, {25, Exeggcute}, {30, Nidorino},
    {27, Exeggcute}, {30, Nidorina}, {32, Venomoth}, {26, Chansey}, {28, Tauros}}};
constexpr WildTable kSafariZoneNorthBlue = {30, {{22, NidoranF}, {26, Rhyhorn}, {23, Paras}, {25, Exeggcute}, {30, Nidorina},
    {27, Exeggcute}, {30, Nidorino}, {32, Venomoth}, {26, Chansey}, {28, Tauros}}};
constexpr WildTable kSafariZoneWestRed = {30, {{25, NidoranM}, {26, Doduo}, {23, Venonat}, {24, Exeggcute}, {33, Nidorino},
    {26, Exeggcute}, {25, NidoranF}, {31, Venomoth}, {26, Tauros}, {28, Kangaskhan}}};
constexpr WildTable kSafariZoneWestBlue = {30, {{25, NidoranF}, {26, Doduo}, {23, Venonat}, {24, Exeggcute}, {33, Nidorina},
    {26, Exeggcute}, {25, NidoranM}, {31, Venomoth}, {26, Tauros}, {28, Kangaskhan}}};
constexpr WildTable kSafariZoneCenterRed = {30, {{22, NidoranM}, {25, Rhyhorn}, {22, Venonat}, {24, Exeggcute}, {31, Nidorino},
    {25, Exeggcute}, {31, Nidorina}, {30, Parasect}, {23, Scyther}, {23, Chansey}}};
constexpr WildTable kSafariZoneCenterBlue = {30, {{22, NidoranF}, {25, Rhyhorn}, {22, Venonat}, {24, Exeggcute}, {31, Nidorina},
    {25, Exeggcute}, {31, Nidorino}, {30, Parasect}, {23, Pinsir}, {23, Chansey}}};
constexpr WildTable kCeruleanCave2F = {15, {{51, Dodrio}, {51, Venomoth}, {51, Kadabra}, {52, Rhydon}, {52, Marowak},
    {52, Electrode}, {56, Chansey}, {54, Wigglytuff}, {55, Ditto}, {60, Ditto}}};
constexpr WildTable kCeruleanCaveB1FRed = {25, {{55, Rhydon}, {55, Marowak}, {55, Electrode}, {64, Chansey}, {64, Parasect},
    {64, Raichu}, {57, Arbok}, {65, Ditto}, {63, Ditto}, {67, Ditto}}};
constexpr WildTable kCeruleanCaveB1FBlue = {25, {{55, Rhydon}, {55, Marowak}, {55, Electrode}, {64, Chansey}, {64, Parasect},
    {64, Raichu}, {57, Sandslash}, {65, Ditto}, {63, Ditto}, {67, Ditto}}};
constexpr WildTable kCeruleanCave1FRed = {10, {{46, Golbat}, {46, Hypno}, {46, Magneton}, {49, Dodrio}, {49, Venomoth},
    {52, Arbok}, {49, Kadabra}, {52, Parasect}, {53, Raichu}, {53, Ditto}}};
constexpr WildTable kCeruleanCave1FBlue = {10, {{46, Golbat}, {46, Hypno}, {46, Magneton}, {49, Dodrio}, {49, Venomoth},
    {52, Sandslash}, {49, Kadabra}, {52, Parasect}, {53, Raichu}, {53, Ditto}}};
constexpr WildTable kRockTunnelB1F = {15, {{16, Zubat}, {17, Zubat}, {17, Geodude}, {15, Machop}, {16, Geodude},
    {18, Zubat}, {17, Machop}, {17, Onix}, {13, Onix}, {18, Geodude}}};

constexpr WildMap kWildMaps[] = {
    {P::Route1, M::Grass, &kRoute1, &kRoute1},
    {P::Route2, M::Grass, &kRoute2Red, &kRoute2Blue},
    {P::Route3, M::Grass, &kRoute3, &kRoute3},
    {P::Route4, M::Grass, &kRoute4Red, &kRoute4Blue},
    {P::Route5, M::Grass, &kRoute5Red, &kRoute5Blue},
    {P::Route6, M::Grass, &kRoute5Red, &kRoute5Blue},
    {P::Route7, M::Grass, &kRoute7Red, &kRoute7Blue},
    {P::Route8, M::Grass, &kRoute8Red, &kRoute8Blue},
    {P::Route9, M::Grass, &kRoute9Red, &kRoute9Blue},
    {P::Route10, M::Grass, &kRoute10Red, &kRoute10Blue},
    {P::Route11, M::Grass, &kRoute11Red, &kRoute11Blue},
    {P::Route12, M::Grass, &kRoute12Red, &kRoute12Blue},
    {P::Route13, M::Grass, &kRoute13Red, &kRoute13Blue},
    {P::Route14, M::Grass, &kRoute14Red, &kRoute14Blue},
    {P::Route15, M::Grass, &kRoute15Red, &kRoute15Blue},
    {P::Route16, M::Grass, &kRoute16, &kRoute16},
    {P::Route17, M::Grass, &kRoute17, &kRoute17},
    {P::Route18, M::Grass, &kRoute18, &kRoute18},
    {P::Route19, M::Water, &kRoute19Sea, &kRoute19Sea},
    {P::Route20, M::Water, &kRoute19Sea, &kRoute19Sea},
    {P::Route21, M::Grass, &kRoute21, &kRoute21},
    {P::Route21, M::Water, &kRoute19Sea, &kRoute19Sea},
    {P::Route22, M::Grass, &kRoute22Red, &kRoute22Blue},
    {P::Route23, M::Grass, &kRoute23Red, &kRoute23Blue},
    {P::Route24, M::Grass, &kRoute24Red, &kRoute24Blue},
    {P::Route25, M::Grass, &kRoute25Red, &kRoute25Blue},
    {P::ViridianForest, M::Grass, &kViridianForestRed, &kViridianForestBlue},
    {P::MtMoon1F, M::Grass, &kMtMoon1F, &kMtMoon1F},
    {P::MtMoonB1F, M::Grass, &kMtMoonB1F, &kMtMoonB1F},
    {P::MtMoonB2F, M::Grass, &kMtMoonB2F, &kMtMoonB2F},
    {P::RockTunnel1F, M::Grass, &kRockTunnel1F, &kRockTunnel1F},
    {P::PowerPlant, M::Grass, &kPowerPlantRed, &kPowerPlantBlue},
    {P::VictoryRoad1F, M::Grass, &kVictoryRoad1F, &kVictoryRoad1F},
    {P::PokemonTower3F, M::Grass, &kPokemonTower3F, &kPokemonTower3F},
    {P::PokemonTower4F, M::Grass, &kPokemonTower4F, &kPokemonTower4F},
    {P::PokemonTower5F, M::Grass, &kPokemonTower4F, &kPokemonTower4F},
    {P::PokemonTower6F, M::Grass, &kPokemonTower6F, &kPokemonTower6F},
    {P::PokemonTower7F, M::Grass, &kPokemonTower7F, &kPokemonTower7F},
    {P::SeafoamIslandsB1F, M::Grass, &kSeafoamIslandsB1FRed, &kSeafoamIslandsB1FBlue},
    {P::SeafoamIslandsB2F, M::Grass, &kSeafoamIslandsB2FRed, &kSeafoamIslandsB2FBlue},
    {P::SeafoamIslandsB3F, M::Grass, &kSeafoamIslandsB3FRed, &kSeafoamIslandsB3FBlue},
    {P::SeafoamIslandsB4F, M::Grass, &kSeafoamIslandsB4FRed, &kSeafoamIslandsB4FBlue},
    {P::PokemonMansion1F, M::Grass, &kPokemonMansion1FRed, &kPokemonMansion1FBlue},
    {P::SeafoamIslands1F, M::Grass, &kSeafoamIslands1FRed, &kSeafoamIslands1FBlue},
    {P::VictoryRoad2F, M::Grass, &kVictoryRoad2F, &kVictoryRoad2F},
    {P::DiglettsCave, M::Grass, &kDiglettsCave, &kDiglettsCave},
    {P::VictoryRoad3F, M::Grass, &kVictoryRoad3F, &kVictoryRoad3F},
    {P::PokemonMansion2F, M::Grass, &kPokemonMansion2FRed, &kPokemonMansion2FBlue},
    {P::PokemonMansion3F, M::Grass, &kPokemonMansion3FRed, &kPokemonMansion3FBlue},
    {P::PokemonMansionB1F, M::Grass, &kPokemonMansionB1FRed, &kPokemonMansionB1FBlue},
    {P::SafariZoneEast, M::Grass, &kSafariZoneEastRed, &kSafariZoneEastBlue},
    {P::SafariZoneNorth, M::Grass, &kSafariZoneNorthRed, &kSafariZoneNorthBlue},
    {P::SafariZoneWest, M::Grass, &kSafariZoneWestRed, &kSafariZoneWestBlue},
    {P::SafariZoneCenter, M::Grass, &kSafariZoneCenterRed, &kSafariZoneCenterBlue},
    {P::CeruleanCave2F, M::Grass, &kCeruleanCave2F, &kCeruleanCave2F},
    {P::CeruleanCaveB1F, M::Grass, &kCeruleanCaveB1FRed, &kCeruleanCaveB1FBlue},
    {P::CeruleanCave1F, M::Grass, &kCeruleanCave1FRed, &kCeruleanCave1FBlue},
    {P::RockTunnelB1F, M::Grass, &kRockTunnelB1F, &kRockTunnelB1F},
};
constexpr RodCatch kGroup1[] = {{15, Tentacool}, {15, Poliwag}};
constexpr RodCatch kGroup2[] = {{15, Goldeen}, {15, Poliwag}};
constexpr RodCatch kGroup3[] = {{15, Psyduck}, {15, Goldeen}, {15, Krabby}};
constexpr RodCatch kGroup4[] = {{15, Krabby}, {15, Shellder}};
constexpr RodCatch kGroup5[] = {{23, Poliwhirl}, {15, Slowpoke}};
constexpr RodCatch kGroup6[] = {{15, Dratini}, {15, Krabby}, {15, Psyduck}, {15, Slowpoke}};
constexpr RodCatch kGroup7[] = {{5, Tentacool}, {15, Krabby}, {15, Goldeen}, {15, Magikarp}};
constexpr RodCatch kGroup8[] = {{15, Staryu}, {15, Horsea}, {15, Shellder}, {15, Goldeen}};
constexpr RodCatch kGroup9[] = {{23, Slowbro}, {23, Seaking}, {23, Kingler}, {23, Seadra}};
constexpr RodCatch kGroup10[] = {{23, Seaking}, {15, Krabby}, {15, Goldeen}, {15, Magikarp}};
constexpr SuperRodSpot kSuperRod[] = {
    {P::PalletTown, 1, kGroup1},
    {P::ViridianCity, 1, kGroup1},
    {P::CeruleanCity, 3, kGroup3},
    {P::VermilionCity, 4, kGroup4},
    {P::CeladonCity, 5, kGroup5},
    {P::FuchsiaCity, 10, kGroup10},
    {P::CinnabarIsland, 8, kGroup8},
    {P::Route4, 3, kGroup3},
    {P::Route6, 4, kGroup4},
    {P::Route10, 5, kGroup5},
    {P::Route11, 4, kGroup4},
    {P::Route12, 7, kGroup7},
    {P::Route13, 7, kGroup7},
    {P::Route17, 7, kGroup7},
    {P::Route18, 7, kGroup7},
    {P::Route19, 8, kGroup8},
    {P::Route20, 8, kGroup8},
    {P::Route21, 8, kGroup8},
    {P::Route22, 2, kGroup2},
    {P::Route23, 9, kGroup9},
    {P::Route24, 3, kGroup3},
    {P::Route25, 3, kGroup3},
    {P::CeruleanGym, 3, kGroup3},
    {P::VermilionDock, 4, kGroup4},
    {P::SeafoamIslandsB3F, 8, kGroup8},
    {P::SeafoamIslandsB4F, 8, kGroup8},
    {P::SafariZoneEast, 6, kGroup6},
    {P::SafariZoneNorth, 6, kGroup6},
    {P::SafariZoneWest, 6, kGroup6},
    {P::SafariZoneCenter, 6, kGroup6},
    {P::CeruleanCave2F, 9, kGroup9},
    {P::CeruleanCaveB1F, 9, kGroup9},
    {P::CeruleanCave1F, 9, kGroup9},
};

// The rods bite alike in both versions: the game keeps one set of rod lists.
constexpr RodCatch kOldRod[] = {{5, Magikarp}};
constexpr RodCatch kGoodRod[] = {{10, Goldeen}, {10, Poliwag}};

constexpr std::string_view kChooseStarter = "escolha um dos três"_cp;
constexpr std::string_view kChooseFighter = "escolha um: Hitmonlee ou Hitmonchan"_cp;
constexpr std::string_view kOneFossil = "só se leva um dos dois, Dome Fossil ou Helix Fossil"_cp;
constexpr std::string_view kItemBall = "parecem itens no chão"_cp;
constexpr std::string_view kFlute = "acorda ao som da Poke Flute"_cp;

constexpr OtherSource kOther[] = {
    {.Creature = Bulbasaur, .How = M::Gift, .Versions = V::Both, .Where = P::OaksLab, .Level = 5, .Note = kChooseStarter},
    {.Creature = Charmander, .How = M::Gift, .Versions = V::Both, .Where = P::OaksLab, .Level = 5, .Note = kChooseStarter},
    {.Creature = Squirtle, .How = M::Gift, .Versions = V::Both, .Where = P::OaksLab, .Level = 5, .Note = kChooseStarter},
    {.Creature = Eevee, .How = M::Gift, .Versions = V::Both, .Where = P::CeladonMansionRoofHouse, .Level = 25},
    {.Creature = Lapras, .How = M::Gift, .Versions = V::Both, .Where = P::SilphCo7F, .Level = 15},
    {.Creature = Hitmonlee, .How = M::Gift, .Versions = V::Both, .Where = P::FightingDojo, .Level = 30, .Note = kChooseFighter},
    {.Creature = Hitmonchan, .How = M::Gift, .Versions = V::Both, .Where = P::FightingDojo, .Level = 30, .Note = kChooseFighter},
    {.Creature = Omanyte, .How = M::Gift, .Versions = V::Both, .Where = P::CinnabarLabFossilRoom, .Level = 30,
     .Fossil = "Helix Fossil", .FossilAt = P::MtMoonB2F, .Note = kOneFossil},
    {.Creature = Kabuto, .How = M::Gift, .Versions = V::Both, .Where = P::CinnabarLabFossilRoom, .Level = 30,
     .Fossil = "Dome Fossil", .FossilAt = P::MtMoonB2F, .Note = kOneFossil},
    {.Creature = Aerodactyl, .How = M::Gift, .Versions = V::Both, .Where = P::CinnabarLabFossilRoom, .Level = 30,
     .Fossil = "Old Amber", .FossilAt = P::Museum1F},

    {.Creature = Magikarp, .How = M::Purchase, .Versions = V::Both, .Where = P::MtMoonPokemonCenter, .Level = 5, .Price = 500},

    {.Creature = Mewtwo, .How = M::Static, .Versions = V::Both, .Where = P::CeruleanCaveB1F, .Level = 70},
    {.Creature = Voltorb, .How = M::Static, .Versions = V::Both, .Where = P::PowerPlant, .Level = 40, .Count = 6, .Note = kItemBall},
    {.Creature = Electrode, .How = M::Static, .Versions = V::Both, .Where = P::PowerPlant, .Level = 43, .Count = 2, .Note = kItemBall},
    {.Creature = Zapdos, .How = M::Static, .Versions = V::Both, .Where = P::PowerPlant, .Level = 50},
    {.Creature = Articuno, .How = M::Static, .Versions = V::Both, .Where = P::SeafoamIslandsB4F, .Level = 50},
    {.Creature = Moltres, .How = M::Static, .Versions = V::Both, .Where = P::VictoryRoad2F, .Level = 50},
    {.Creature = Snorlax, .How = M::Static, .Versions = V::Both, .Where = P::Route12, .Level = 30, .Note = kFlute},
    {.Creature = Snorlax, .How = M::Static, .Versions = V::Both, .Where = P::Route16, .Level = 30, .Note = kFlute},

    // The prize counters differ between the versions in creatures, levels and prices.
    {.Creature = Abra, .How = M::Prize, .Versions = V::Red, .Where = P::GameCornerPrizeRoom, .Level = 9, .Price = 180},
    {.Creature = Clefairy, .How = M::Prize, .Versions = V::Red, .Where = P::GameCornerPrizeRoom, .Level = 8, .Price = 500},
    {.Creature = Nidorina, .How = M::Prize, .Versions = V::Red, .Where = P::GameCornerPrizeRoom, .Level = 17, .Price = 1200},
    {.Creature = Dratini, .How = M::Prize, .Versions = V::Red, .Where = P::GameCornerPrizeRoom, .Level = 18, .Price = 2800},
    {.Creature = Scyther, .How = M::Prize, .Versions = V::Red, .Where = P::GameCornerPrizeRoom, .Level = 25, .Price = 5500},
    {.Creature = Porygon, .How = M::Prize, .Versions = V::Red, .Where = P::GameCornerPrizeRoom, .Level = 26, .Price = 9999},
    {.Creature = Abra, .How = M::Prize, .Versions = V::Blue, .Where = P::GameCornerPrizeRoom, .Level = 6, .Price = 120},
    {.Creature = Clefairy, .How = M::Prize, .Versions = V::Blue, .Where = P::GameCornerPrizeRoom, .Level = 12, .Price = 750},
    {.Creature = Nidorino, .How = M::Prize, .Versions = V::Blue, .Where = P::GameCornerPrizeRoom, .Level = 17, .Price = 1200},
    {.Creature = Pinsir, .How = M::Prize, .Versions = V::Blue, .Where = P::GameCornerPrizeRoom, .Level = 20, .Price = 2500},
    {.Creature = Dratini, .How = M::Prize, .Versions = V::Blue, .Where = P::GameCornerPrizeRoom, .Level = 24, .Price = 4600},
    {.Creature = Porygon, .How = M::Prize, .Versions = V::Blue, .Where = P::GameCornerPrizeRoom, .Level = 18, .Price = 6500},

    {.Creature = Nidorina, .How = M::Trade, .Versions = V::Both, .Where = P::Route11Gate2F, .Gives = "Nidorino", .Nickname = "Terry"},
    {.Creature = MrMime, .How = M::Trade, .Versions = V::Both, .Where = P::Route2TradeHouse, .Gives = "Abra", .Nickname = "Marcel"},
    {.Creature = Seel, .How = M::Trade, .Versions = V::Both, .Where = P::CinnabarLabFossilRoom, .Gives = "Ponyta", .Nickname = "Sailor"},
    {.Creature = Farfetchd, .How = M::Trade, .Versions = V::Both, .Where = P::VermilionTradeHouse, .Gives = "Spearow", .Nickname = "Dux"},
    {.Creature = Lickitung, .How = M::Trade, .Versions = V::Both, .Where = P::Route18Gate2F, .Gives = "Slowbro", .Nickname = "Marc"},
    {.Creature = Jynx, .How = M::Trade, .Versions = V::Both, .Where = P::CeruleanTradeHouse, .Gives = "Poliwhirl", .Nickname = "Lola"},
    {.Creature = Electrode, .How = M::Trade, .Versions = V::Both, .Where = P::CinnabarLabTradeRoom, .Gives = "Raichu", .Nickname = "Doris"},
    {.Creature = Tangela, .How = M::Trade, .Versions = V::Both, .Where = P::CinnabarLabTradeRoom, .Gives = "Venonat", .Nickname = "Crinkles"},
    {.Creature = NidoranF, .How = M::Trade, .Versions = V::Both, .Where = P::UndergroundPathRoute5, .Gives = "Nidoran (M)", .Nickname = "Spot"},
};
// clang-format on

void Append(std::string& note, std::string_view part)
{
    if (part.empty())
        return;
    if (!note.empty())
        note += "; ";
    note += part;
}

std::string NoteOf(const OtherSource& s)
{
    std::string note;
    if (s.How == M::Purchase)
        Append(note, numbers::Yen(s.Price));
    if (s.How == M::Prize)
        Append(note, numbers::Thousands(s.Price) + " fichas");
    if (s.How == M::Trade)
        Append(note, "por um " + std::string(s.Gives) + "; chega com o apelido " + std::string(s.Nickname));
    if (!s.Fossil.empty())
        Append(note, "revivido do " + std::string(s.Fossil) + ", achado em " + std::string(PlaceName(s.FossilAt)));
    if (s.Count > 1)
        Append(note, std::to_string(s.Count) + " no lugar");
    Append(note, s.Note);
    return note;
}

// What a search keeps: one creature (0 = any) and one place (none = any).
struct Filter {
    int Creature = 0;
    std::optional<Place> Where;

    bool Takes(int creature) const { return Creature == 0 || creature == Creature; }
    bool Takes(Place p) const { return !Where || *Where == p; }
};

Fraction Reduced(int num, int den)
{
    const int g = std::gcd(num, den);
    return {num / g, den / g};
}

void AddWild(const Filter& f, std::vector<SourceLine>& out)
{
    for (const WildMap& map : kWildMaps) {
        if (!f.Takes(map.Where))
            continue;
        for (const Version v : {V::Red, V::Blue}) {
            const WildTable& table = v == V::Red ? *map.Red : *map.Blue;
            bool seen[152] = {};
            for (const Slot& first : table.Slots) {
                if (seen[first.Creature] || !f.Takes(first.Creature))
                    continue;
                seen[first.Creature] = true;
                SourceLine line{.Creature = first.Creature,
                                .Where = map.Where,
                                .How = map.How,
                                .Versions = v,
                                .MinLevel = first.Level,
                                .MaxLevel = first.Level,
                                .Rate = table.Rate};
                int sum = 0;
                for (int i = 0; i < 10; ++i) {
                    const Slot& s = table.Slots[i];
                    if (s.Creature != first.Creature)
                        continue;
                    sum += SlotChance256[i];
                    line.MinLevel = std::min<int>(line.MinLevel, s.Level);
                    line.MaxLevel = std::max<int>(line.MaxLevel, s.Level);
                }
                line.Chance = line.Overall = {sum, 256};
                out.push_back(std::move(line));
            }
        }
    }
}

void AddRod(const Filter& f, Method rod, Place where, std::span<const RodCatch> catches, std::vector<SourceLine>& out)
{
    const int n = static_cast<int>(catches.size());
    const Fraction bite = BiteChance(rod, n);
    for (const RodCatch& c : catches) {
        if (!f.Takes(c.Creature))
            continue;
        const bool again = std::any_of(out.begin(), out.end(), [&](const SourceLine& l) {
            return l.Creature == c.Creature && l.Where == where && l.How == rod;
        });
        if (again)
            continue;
        SourceLine line{.Creature = c.Creature,
                        .Where = where,
                        .How = rod,
                        .Versions = V::Both,
                        .MinLevel = c.Level,
                        .MaxLevel = c.Level};
        int share = 0;
        for (const RodCatch& d : catches)
            if (d.Creature == c.Creature) {
                ++share;
                line.MinLevel = std::min<int>(line.MinLevel, d.Level);
                line.MaxLevel = std::max<int>(line.MaxLevel, d.Level);
            }
        line.Chance = Reduced(share, n);
        line.Bite = bite;
        line.Overall = Reduced(share * bite.Num, n * bite.Den);
        out.push_back(std::move(line));
    }
}

void AddRods(const Filter& f, std::vector<SourceLine>& out)
{
    // The Old and the Good Rod bite anywhere one can fish: the creature's
    // view names that once, a place's view wherever it has a Super Rod list.
    if (f.Takes(P::AnyWater)) {
        AddRod(f, M::OldRod, P::AnyWater, kOldRod, out);
        AddRod(f, M::GoodRod, P::AnyWater, kGoodRod, out);
    }
    for (const SuperRodSpot& spot : kSuperRod) {
        if (!f.Takes(spot.Where))
            continue;
        if (f.Where) {
            AddRod(f, M::OldRod, spot.Where, kOldRod, out);
            AddRod(f, M::GoodRod, spot.Where, kGoodRod, out);
        }
        AddRod(f, M::SuperRod, spot.Where, spot.Catches, out);
    }
}

void AddOthers(const Filter& f, std::vector<SourceLine>& out)
{
    for (const OtherSource& s : kOther)
        if (f.Takes(s.Creature) && f.Takes(s.Where))
            out.push_back({.Creature = s.Creature,
                           .Where = s.Where,
                           .How = s.How,
                           .Versions = s.Versions,
                           .MinLevel = s.Level,
                           .MaxLevel = s.Level,
                           .Note = NoteOf(s)});
}

// A Red line and a Blue line alike in everything else become one line for both.
void MergeVersions(std::vector<SourceLine>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].Versions != V::Red)
            continue;
        SourceLine blue = lines[i];
        blue.Versions = V::Blue;
        const auto twin = std::find(lines.begin() + static_cast<std::ptrdiff_t>(i) + 1, lines.end(), blue);
        if (twin == lines.end())
            continue;
        lines[i].Versions = V::Both;
        lines.erase(twin);
    }
}

std::vector<SourceLine> Collect(const Filter& f)
{
    std::vector<SourceLine> lines;
    AddWild(f, lines);
    AddRods(f, lines);
    AddOthers(f, lines);
    MergeVersions(lines);
    return lines;
}

// Higher first; a line that is no matter of chance counts as none.
int CompareChance(const Fraction& a, const Fraction& b)
{
    const long long left = static_cast<long long>(a.Num) * (b.Den == 0 ? 1 : b.Den) * (a.Den == 0 ? 0 : 1);
    const long long right = static_cast<long long>(b.Num) * (a.Den == 0 ? 1 : a.Den) * (b.Den == 0 ? 0 : 1);
    return left > right ? -1 : left < right ? 1 : 0;
}

// Both versions before one.
int VersionOrder(Version v)
{
    return v == V::Both ? 0 : static_cast<int>(v);
}

// How much a way asks of the player, least first.
int Effort(Method m)
{
    switch (m) {
    case M::Gift:
    case M::Purchase: return 0;
    case M::Grass:
    case M::Water:
    case M::OldRod:
    case M::GoodRod:
    case M::SuperRod: return 1;
    case M::Trade: return 2;
    case M::Static: return 3;
    case M::Prize: return 4;
    }
    return 5;
}

} // namespace

const std::span<const WildMap> WildMaps{kWildMaps};
const std::span<const RodCatch> OldRodCatches{kOldRod};
const std::span<const RodCatch> GoodRodCatches{kGoodRod};
const std::span<const SuperRodSpot> SuperRodSpots{kSuperRod};
const std::span<const OtherSource> OtherSources{kOther};

std::string_view VersionName(Version v)
{
    switch (v) {
    case V::Red: return "Vermelha"_cp;
    case V::Blue: return "Azul"_cp;
    case V::Both: return "Azul e Vermelha"_cp;
    }
    throw std::out_of_range("version");
}

std::string_view MethodName(Method m)
{
    switch (m) {
    case M::Grass: return "grama/caverna"_cp;
    case M::Water: return "surfando"_cp;
    case M::OldRod: return "Vara Velha"_cp;
    case M::GoodRod: return "Vara Boa"_cp;
    case M::SuperRod: return "Super Vara"_cp;
    case M::Gift: return "presente"_cp;
    case M::Purchase: return "compra"_cp;
    case M::Static: return "encontro fixo"_cp;
    case M::Prize: return "prêmio do Game Corner"_cp;
    case M::Trade: return "troca"_cp;
    }
    throw std::out_of_range("method");
}

std::string_view PlaceName(Place p)
{
    return kPlaces[static_cast<std::size_t>(p)].Name;
}

std::string_view PlaceMap(Place p)
{
    return kPlaces[static_cast<std::size_t>(p)].Map;
}

bool InSafariZone(Place p)
{
    return p == Place::SafariZoneCenter || p == Place::SafariZoneEast || p == Place::SafariZoneNorth ||
           p == Place::SafariZoneWest;
}

std::optional<Place> PlaceOfMap(std::string_view map)
{
    for (const PlaceRow& row : kPlaces)
        if (row.Map == map)
            return row.Id;
    return std::nullopt;
}

Fraction BiteChance(Method rod, int listSize)
{
    if (listSize < 1 || listSize > 4)
        throw std::invalid_argument("a rod's list has 1 to 4 entries");
    switch (rod) {
    case M::OldRod: return {1, 1};
    case M::GoodRod:
    case M::SuperRod:
        // Of the 256 bytes, 32 give each of the four values of bits 1-2 with
        // the bite bit clear: 32n bite, 32(4-n) are drawn again, 128 miss.
        return Reduced(listSize, listSize + 4);
    default: throw std::invalid_argument("not a rod");
    }
}

std::vector<SourceLine> CreatureLines(int creature)
{
    if (creature < 0 || creature > 151)
        throw std::out_of_range("creature number");
    if (creature == 0)
        return {};
    auto lines = Collect({creature, std::nullopt});
    std::stable_sort(lines.begin(), lines.end(), [](const SourceLine& a, const SourceLine& b) {
        if (Effort(a.How) != Effort(b.How))
            return Effort(a.How) < Effort(b.How);
        if (const int c = CompareChance(a.Overall, b.Overall))
            return c < 0;
        return std::tuple(-a.Rate, a.MinLevel, a.Where, VersionOrder(a.Versions), a.How) <
               std::tuple(-b.Rate, b.MinLevel, b.Where, VersionOrder(b.Versions), b.How);
    });
    return lines;
}

std::vector<SourceLine> PlaceLines(Place p)
{
    if (static_cast<int>(p) >= PlaceCount)
        throw std::out_of_range("place");
    auto lines = Collect({0, p});
    std::stable_sort(lines.begin(), lines.end(), [](const SourceLine& a, const SourceLine& b) {
        if (a.How != b.How)
            return a.How < b.How;
        if (const int c = CompareChance(a.Overall, b.Overall))
            return c < 0;
        return std::tuple(a.MinLevel, a.Creature, VersionOrder(a.Versions)) <
               std::tuple(b.MinLevel, b.Creature, VersionOrder(b.Versions));
    });
    return lines;
}

std::vector<Place> PlacesWithEncounters()
{
    std::vector<Place> places;
    for (const PlaceRow& row : kPlaces)
        if (!Collect({0, row.Id}).empty())
            places.push_back(row.Id);
    return places;
}

bool HasAnySource(int creature)
{
    return !CreatureLines(creature).empty();
}

} // namespace encounters
