// Where each creature of the Red and Blue games is found: the walking and
// surfing tables of both versions, the three rods, gifts, the Magikarp seller,
// the creatures that stand in one place, the Game Corner prizes and the
// in-game trades; and the lines the "where to find" window shows, computed
// from them. Creatures are numbers 1..151. Texts are Windows-1252.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace encounters {

// A bit set: a source may be in one version or in both.
enum class Version : std::uint8_t { Red = 1, Blue = 2, Both = 3 };

constexpr bool InVersion(Version set, Version v)
{
    return (static_cast<unsigned>(set) & static_cast<unsigned>(v)) != 0;
}

// "Vermelha", "Azul", "Azul e Vermelha" (the catalogue's words).
std::string_view VersionName(Version v);

enum class Method : std::uint8_t { Grass, Water, OldRod, GoodRod, SuperRod, Gift, Purchase, Static, Prize, Trade };

// "grama/caverna", "surfando", "Vara Velha", "Vara Boa", "Super Vara", "presente", "compra", "encontro fixo",
// "prêmio do Game Corner", "troca".
std::string_view MethodName(Method m);

// Every place the game's tables name, where a creature is found, a trainer
// battles or an item lies, is given or sold, in the order the windows list
// them: routes by number, then the other places alphabetically by their names,
// floors and rooms by number.
// AnyWater is "anywhere one can fish" (the Old and the Good Rod); Museum1F is
// only where a fossil is found.
enum class Place : std::uint8_t {
    // clang-format off
    Route1, Route2, Route3, Route4, Route5, Route6, Route7, Route8, Route9, Route10, Route11, Route12, Route13,
    Route14, Route15, Route16, Route17, Route18, Route19, Route20, Route21, Route22, Route23, Route24, Route25,
    VermilionDock, CopycatsHouse2F, Route16FlyHouse, BillsHouse, CeruleanTradeHouse, VermilionTradeHouse,
    Route2TradeHouse, MrFujisHouse, MrPsychicsHouse, WardensHouse, Route12SuperRodHouse, FuchsiaGoodRodHouse,
    VermilionOldRodHouse, BluesHouse, CeruleanCave1F, CeruleanCaveB1F, CeruleanCave2F, DiglettsCave,
    MtMoonPokemonCenter, CeladonCity, CeruleanCity, FuchsiaCity, PalletTown, VermilionCity, ViridianCity,
    GameCornerPrizeRoom, FightingDojo, RocketHideoutB1F, RocketHideoutB2F, RocketHideoutB3F, RocketHideoutB4F,
    ViridianForest, PokemonFanClub, GameCorner, CeladonGym, CeruleanGym, CinnabarGym, FuchsiaGym, PewterGym,
    SaffronGym, VermilionGym, ViridianGym, Route2Gate, Route11Gate2F, Route12Gate2F, Route15Gate2F, Route18Gate2F,
    CinnabarIsland, SeafoamIslands1F, SeafoamIslandsB1F, SeafoamIslandsB2F, SeafoamIslandsB3F, SeafoamIslandsB4F,
    CinnabarLabMetronomeRoom, CinnabarLabTradeRoom, CinnabarLabFossilRoom, OaksLab, CeruleanMart, CinnabarMart,
    CeladonMart2F, CeladonMart3F, CeladonMart4F, CeladonMart5F, CeladonMartRoof, FuchsiaMart, LavenderMart,
    PewterMart, SaffronMart, VermilionMart, ViridianMart, BikeShop, CeladonMansionRoofHouse, MtMoon1F, MtMoonB1F,
    MtMoonB2F, Museum1F, UndergroundPathRoute5, UndergroundPathNorthSouth, UndergroundPathWestEast, LoreleisRoom,
    BrunosRoom, AgathasRoom, LancesRoom, IndigoPlateauLobby, ChampionsRoom, PokemonMansion1F, PokemonMansionB1F,
    PokemonMansion2F, PokemonMansion3F, PowerPlant, AnyWater, CeladonDiner, RockTunnel1F, RockTunnelB1F, SSAnne2F,
    SSAnneCaptainsRoom, SSAnne1FRooms, SSAnneB1FRooms, SSAnne2FRooms, SSAnneKitchen, SSAnneBow, SilphCo2F,
    SilphCo3F, SilphCo4F, SilphCo5F, SilphCo6F, SilphCo7F, SilphCo8F, SilphCo9F, SilphCo10F, SilphCo11F,
    PokemonTower2F, PokemonTower3F, PokemonTower4F, PokemonTower5F, PokemonTower6F, PokemonTower7F, VictoryRoad1F,
    VictoryRoad2F, VictoryRoad3F, SafariZoneSecretHouse, SafariZoneGate, SafariZoneCenter, SafariZoneEast,
    SafariZoneNorth, SafariZoneWest,
    // clang-format on
};
constexpr int PlaceCount = static_cast<int>(Place::SafariZoneWest) + 1;

// One name per place: "Rota 22", "Mt. Moon, 2º subsolo", "Torre Pokémon, 3º andar".
std::string_view PlaceName(Place p);

// The game's map name as the fact tables write it (UTF-8): "Mt. Moon B2F",
// "Safari Zone East", "any fishing spot".
std::string_view PlaceMap(Place p);

// Whether the place is one of the Safari Zone's areas.
bool InSafariZone(Place p);

// The place of a map name as PlaceMap writes it; nothing for any other text.
std::optional<Place> PlaceOfMap(std::string_view map);

// ---- the game's tables ----

// The chance of each of the ten slots of a walking or surfing table, out of 256.
inline constexpr int SlotChance256[10] = {51, 51, 39, 25, 25, 25, 13, 13, 11, 3};

struct Slot {
    std::uint8_t Level;
    std::uint8_t Creature;
};

struct WildTable {
    std::uint8_t Rate; // how often encounters start: the map's rate byte, higher is more often
    Slot Slots[10];
};

// A map's walking (Grass) or surfing (Water) table in each version; both
// point to one table where the versions agree.
struct WildMap {
    Place Where;
    Method How;
    const WildTable* Red;
    const WildTable* Blue;
};
extern const std::span<const WildMap> WildMaps;

struct RodCatch {
    std::uint8_t Level;
    std::uint8_t Creature;
};
// Anywhere one can fish, in both versions.
extern const std::span<const RodCatch> OldRodCatches;
extern const std::span<const RodCatch> GoodRodCatches;

// The Super Rod's list of a map (maps not listed give nothing); several maps
// share one of the game's numbered groups.
struct SuperRodSpot {
    Place Where;
    int Group;
    std::span<const RodCatch> Catches;
};
extern const std::span<const SuperRodSpot> SuperRodSpots;

struct Fraction {
    int Num = 0;
    int Den = 0; // 0: not a matter of chance

    double Percent() const { return Den == 0 ? 0.0 : 100.0 * Num / Den; }
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The chance that a cast brings a bite with a list of `listSize` entries
// (1..4). The Old Rod always bites. The others draw one byte: its lowest bit
// set is no bite; otherwise bits 1-2 pick the entry, and a value past the end
// of the list throws the whole draw away (the bite bit too) and draws again.
// So with n entries a cast bites n/(n+4) of the time: the Good Rod's two 1 in
// 3, a Super Rod list of four 1 in 2, of three 3 in 7, of two 1 in 3; each
// entry 1/(n+4). std::invalid_argument for another method or size.
Fraction BiteChance(Method rod, int listSize);

// A creature had otherwise than by a wild encounter or a rod.
struct OtherSource {
    std::uint8_t Creature;
    Method How; // Gift, Purchase, Static, Prize or Trade
    Version Versions;
    Place Where;
    std::uint8_t Level = 0;         // 0 for a trade: the creature keeps the level of the one given
    int Price = 0;                  // yen for a purchase, coins for a prize
    std::uint8_t Count = 0;         // how many stand there, when more than one
    std::string_view Gives = {};    // a trade: the creature asked for, by the games' name
    std::string_view Nickname = {}; // a trade: the name the creature arrives with
    std::string_view Fossil = {};   // a revived fossil: the item, and where it lies
    Place FossilAt = Place::AnyWater;
    std::string_view Note = {}; // anything else the player must know, Windows-1252
};
extern const std::span<const OtherSource> OtherSources;

// ---- the lines of the window ----

struct SourceLine {
    int Creature = 0;
    Place Where = Place::AnyWater;
    Method How = Method::Grass;
    Version Versions = Version::Both;
    int MinLevel = 0, MaxLevel = 0; // both 0 for a trade (the level of the creature given)
    // Walking and surfing: the creature's slots out of 256, per encounter.
    // Rods: the creature's share of a bite (each entry of the list alike).
    // Other methods: none.
    Fraction Chance = {};
    // Rods: how often a cast brings a bite, whatever bites (BiteChance of the
    // line's list). Other methods: none.
    Fraction Bite = {};
    // Per encounter or per cast: Chance, times Bite for a rod.
    Fraction Overall = {};
    int Rate = 0; // walking and surfing: the table's rate byte; otherwise 0
    // Price, count, what a trade asks and the nickname, the fossil and where
    // it lies (Windows-1252): "1.200 fichas", "por um Abra; chega com o apelido Marcel".
    std::string Note = {};

    friend bool operator==(const SourceLine&, const SourceLine&) = default;
};

// Every way to get a creature (0..151; 0 and those had only by evolving have
// none), lines the same in both versions merged into one. Easiest first:
// gifts and the purchase (nothing asked but going there); then wild encounters
// and rods, the higher chance per encounter or cast (Overall) first, then the
// more frequent encounters, then the lower level; then trades (they ask for
// another creature), the creatures that stand in one place (one chance each),
// and last the prizes (they cost coins). Equal lines keep the order of the
// places. std::out_of_range for other numbers.
std::vector<SourceLine> CreatureLines(int creature);

// Every creature of a place, by method in the order of Method, then the higher
// chance, the lower level and the creature's number. A place with a Super Rod
// list lists the Old and the Good Rod too (they bite wherever one can fish).
std::vector<SourceLine> PlaceLines(Place p);

// The places that have any line, in the order of Place.
std::vector<Place> PlacesWithEncounters();

// Whether any line leads to the creature (false for those had only by
// evolving, for #000 and #151). The evolution they come from is the
// catalogue's, which this layer does not read.
bool HasAnySource(int creature);

} // namespace encounters
