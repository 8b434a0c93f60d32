// The rows are the games' own, map by map; tests/data/ItemsTest.cpp checks
// them against the fact tables, both ways.
#include "data/Items.h"

#include "data/MartStock.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <utility>

namespace items {
namespace {

using namespace cp1252::literals;
using H = How;
using P = encounters::Place;

// In the order of the places; within a place gifts, then balls, then hidden
// items. TM 29, Mr. Psychic's gift, comes from the TM list: the map tables
// leave it out.
// clang-format off
constexpr Found kFound[] = {
    {"Potion", P::Route1, H::Gift, 0, 0, 1, "um funcionário da loja de Viridian, como amostra grátis"_cp},
    {"HP Up", P::Route2, H::Ball, 13, 45},
    {"Moon Stone", P::Route2, H::Ball, 13, 54},
    {"TM 04 Whirlwind", P::Route4, H::Ball, 57, 3},
    {"Great Ball", P::Route4, H::Hidden, 40, 3},
    {"TM 30 Teleport", P::Route9, H::Ball, 10, 15},
    {"Ether", P::Route9, H::Hidden, 14, 7},
    {"Max Ether", P::Route10, H::Hidden, 16, 53},
    {"Super Potion", P::Route10, H::Hidden, 9, 17},
    {"Escape Rope", P::Route11, H::Hidden, 48, 5},
    {"Iron", P::Route12, H::Ball, 5, 89},
    {"TM 16 Pay Day", P::Route12, H::Ball, 14, 35},
    {"Hyper Potion", P::Route12, H::Hidden, 2, 63},
    {"Calcium", P::Route13, H::Hidden, 16, 13},
    {"PP Up", P::Route13, H::Hidden, 1, 14},
    {"TM 20 Rage", P::Route15, H::Ball, 18, 5},
    {"Full Restore", P::Route17, H::Hidden, 8, 45},
    {"Max Elixer", P::Route17, H::Hidden, 8, 121},
    {"Max Revive", P::Route17, H::Hidden, 4, 91},
    {"PP Up", P::Route17, H::Hidden, 17, 72},
    {"Rare Candy", P::Route17, H::Hidden, 15, 14},
    {"Full Restore", P::Route23, H::Hidden, 9, 44},
    {"Max Ether", P::Route23, H::Hidden, 8, 90},
    {"Ultra Ball", P::Route23, H::Hidden, 19, 70},
    {"Nugget", P::Route24, H::Gift, 0, 0, 1, "o recrutador da Equipe Rocket no fim da ponte, antes de lutar"_cp},
    {"TM 45 Thunder Wave", P::Route24, H::Ball, 10, 5},
    {"TM 19 Seismic Toss", P::Route25, H::Ball, 22, 2},
    {"Elixer", P::Route25, H::Hidden, 10, 1},
    {"Ether", P::Route25, H::Hidden, 38, 3},
    {"TM 31 Mimic", P::CopycatsHouse2F, H::Gift, 0, 0, 1, "a Copycat, pela Poke Doll"_cp},
    {"Nugget", P::CopycatsHouse2F, H::Hidden, 1, 1},
    {"HM 02 Fly", P::Route16FlyHouse, H::Gift, 0, 0, 1, "uma moça da casa"_cp},
    {"S.S. Ticket", P::BillsHouse, H::Gift, 0, 0, 1, "Bill, depois de ajudado"_cp},
    {"Poke Flute", P::MrFujisHouse, H::Gift, 0, 0, 1, "o Sr. Fuji, depois de salvo na Torre Pokémon"_cp},
    {"TM 29 Psychic", P::MrPsychicsHouse, H::Gift, 0, 0, 1, "o Sr. Psíquico"_cp},
    {"HM 04 Strength", P::WardensHouse, H::Gift, 0, 0, 1, "o diretor da Zona Safári, pela Gold Teeth"_cp},
    {"Rare Candy", P::WardensHouse, H::Ball, 8, 3},
    {"Super Rod", P::Route12SuperRodHouse, H::Gift, 0, 0, 1, "o pescador da casa"_cp},
    {"Good Rod", P::FuchsiaGoodRodHouse, H::Gift, 0, 0, 1, "o pescador da casa"_cp},
    {"Old Rod", P::VermilionOldRodHouse, H::Gift, 0, 0, 1, "o pescador da casa"_cp},
    {"Town Map", P::BluesHouse, H::Gift, 0, 0, 1, "Daisy, a irmã do rival"_cp},
    {"Full Restore", P::CeruleanCave1F, H::Ball, 7, 13},
    {"Max Elixer", P::CeruleanCave1F, H::Ball, 19, 3},
    {"Nugget", P::CeruleanCave1F, H::Ball, 5, 0},
    {"Rare Candy", P::CeruleanCave1F, H::Hidden, 14, 11},
    {"Max Revive", P::CeruleanCaveB1F, H::Ball, 18, 1},
    {"Ultra Ball", P::CeruleanCaveB1F, H::Ball, 16, 9},
    {"Ultra Ball", P::CeruleanCaveB1F, H::Hidden, 27, 3},
    {"Full Restore", P::CeruleanCave2F, H::Ball, 13, 6},
    {"PP Up", P::CeruleanCave2F, H::Ball, 29, 9},
    {"Ultra Ball", P::CeruleanCave2F, H::Ball, 4, 15},
    {"TM 41 Soft-Boiled", P::CeladonCity, H::Gift, 0, 0, 1, "um senhor da cidade"_cp},
    {"PP Up", P::CeladonCity, H::Hidden, 48, 15},
    {"TM 28 Dig", P::CeruleanCity, H::Gift, 0, 0, 1, "o ladrão da Equipe Rocket, depois de vencido"_cp},
    {"Rare Candy", P::CeruleanCity, H::Hidden, 15, 8},
    {"Max Ether", P::VermilionCity, H::Hidden, 14, 11},
    {"TM 42 Dream Eater", P::ViridianCity, H::Gift, 0, 0, 1, "um homem da cidade"_cp},
    {"Potion", P::ViridianCity, H::Hidden, 14, 4},
    {"Escape Rope", P::RocketHideoutB1F, H::Ball, 11, 14},
    {"Hyper Potion", P::RocketHideoutB1F, H::Ball, 9, 17},
    {"PP Up", P::RocketHideoutB1F, H::Hidden, 21, 15},
    {"Moon Stone", P::RocketHideoutB2F, H::Ball, 1, 11},
    {"Nugget", P::RocketHideoutB2F, H::Ball, 16, 8},
    {"Super Potion", P::RocketHideoutB2F, H::Ball, 3, 21},
    {"TM 07 Horn Drill", P::RocketHideoutB2F, H::Ball, 6, 12},
    {"Rare Candy", P::RocketHideoutB3F, H::Ball, 20, 14},
    {"TM 10 Double-Edge", P::RocketHideoutB3F, H::Ball, 26, 17},
    {"Nugget", P::RocketHideoutB3F, H::Hidden, 27, 17},
    {"HP Up", P::RocketHideoutB4F, H::Ball, 10, 12},
    {"Iron", P::RocketHideoutB4F, H::Ball, 12, 20},
    {"Lift Key", P::RocketHideoutB4F, H::Ball, 10, 2},
    {"Silph Scope", P::RocketHideoutB4F, H::Ball, 25, 2},
    {"TM 02 Razor Wind", P::RocketHideoutB4F, H::Ball, 9, 4},
    {"Super Potion", P::RocketHideoutB4F, H::Hidden, 25, 1},
    {"Antidote", P::ViridianForest, H::Ball, 25, 11},
    {"Poke Ball", P::ViridianForest, H::Ball, 1, 31},
    {"Potion", P::ViridianForest, H::Ball, 12, 29},
    {"Antidote", P::ViridianForest, H::Hidden, 16, 42},
    {"Potion", P::ViridianForest, H::Hidden, 1, 18},
    {"Bike Voucher", P::PokemonFanClub, H::Gift, 0, 0, 1, "o presidente do fã-clube, depois de ouvido"_cp},
    {"TM 21 Mega Drain", P::CeladonGym, H::Gift, 0, 0, 1, "Erika, a líder do ginásio, depois de vencida"_cp},
    {"TM 11 Bubble Beam", P::CeruleanGym, H::Gift, 0, 0, 1, "Misty, a líder do ginásio, depois de vencida"_cp},
    {"TM 38 Fire Blast", P::CinnabarGym, H::Gift, 0, 0, 1, "Blaine, o líder do ginásio, depois de vencido"_cp},
    {"TM 06 Toxic", P::FuchsiaGym, H::Gift, 0, 0, 1, "Koga, o líder do ginásio, depois de vencido"_cp},
    {"TM 34 Bide", P::PewterGym, H::Gift, 0, 0, 1, "Brock, o líder do ginásio, depois de vencido"_cp},
    {"TM 46 Psywave", P::SaffronGym, H::Gift, 0, 0, 1, "Sabrina, a líder do ginásio, depois de vencida"_cp},
    {"TM 24 Thunderbolt", P::VermilionGym, H::Gift, 0, 0, 1, "Lt. Surge, o líder do ginásio, depois de vencido"_cp},
    {"TM 27 Fissure", P::ViridianGym, H::Gift, 0, 0, 1, "Giovanni, o líder do ginásio, depois de vencido"_cp},
    {"Revive", P::ViridianGym, H::Ball, 16, 9},
    {"HM 05 Flash", P::Route2Gate, H::Gift, 0, 0, 1, "o ajudante do Professor Carvalho, com 10 pokémon registrados"_cp},
    {"Itemfinder", P::Route11Gate2F, H::Gift, 0, 0, 1, "o ajudante do Professor Carvalho, com 30 pokémon registrados"_cp},
    {"TM 39 Swift", P::Route12Gate2F, H::Gift, 0, 0, 1, "uma moça da guarita"_cp},
    {"Exp. All", P::Route15Gate2F, H::Gift, 0, 0, 1, "o ajudante do Professor Carvalho, com 50 pokémon registrados"_cp},
    {"Nugget", P::SeafoamIslandsB2F, H::Hidden, 15, 15},
    {"Max Elixer", P::SeafoamIslandsB3F, H::Hidden, 9, 16},
    {"Ultra Ball", P::SeafoamIslandsB4F, H::Hidden, 25, 17},
    {"TM 35 Metronome", P::CinnabarLabMetronomeRoom, H::Gift, 0, 0, 1, "um cientista do laboratório"_cp},
    {"Poke Ball", P::OaksLab, H::Gift, 0, 0, 5, "o Professor Carvalho, depois de receber o Oak's Parcel"_cp},
    {"TM 18 Counter", P::CeladonMart3F, H::Gift, 0, 0, 1, "um atendente da loja"_cp},
    {"TM 13 Ice Beam", P::CeladonMartRoof, H::Gift, 0, 0, 1, "a menina do terraço, por uma Fresh Water"_cp},
    {"TM 48 Rock Slide", P::CeladonMartRoof, H::Gift, 0, 0, 1, "a menina do terraço, por uma Soda Pop"_cp},
    {"TM 49 Tri Attack", P::CeladonMartRoof, H::Gift, 0, 0, 1, "a menina do terraço, por uma Lemonade"_cp},
    {"Oak's Parcel", P::ViridianMart, H::Gift, 0, 0, 1, "o vendedor da loja, para levar ao Professor Carvalho"_cp},
    {"Bicycle", P::BikeShop, H::Gift, 0, 0, 1, "o vendedor da loja de bicicletas, pelo Bike Voucher"_cp},
    {"Escape Rope", P::MtMoon1F, H::Ball, 36, 23},
    {"Moon Stone", P::MtMoon1F, H::Ball, 2, 2},
    {"Potion", P::MtMoon1F, H::Ball, 2, 20},
    {"Potion", P::MtMoon1F, H::Ball, 20, 33},
    {"Rare Candy", P::MtMoon1F, H::Ball, 35, 31},
    {"TM 12 Water Gun", P::MtMoon1F, H::Ball, 5, 32},
    {"Dome Fossil", P::MtMoonB2F, H::Gift, 0, 0, 1, "o Super Nerd, depois de vencido: este ou o Helix Fossil, à escolha"_cp},
    {"Helix Fossil", P::MtMoonB2F, H::Gift, 0, 0, 1, "o Super Nerd, depois de vencido: este ou o Dome Fossil, à escolha"_cp},
    {"HP Up", P::MtMoonB2F, H::Ball, 25, 21},
    {"TM 01 Mega Punch", P::MtMoonB2F, H::Ball, 29, 5},
    {"Ether", P::MtMoonB2F, H::Hidden, 33, 9},
    {"Moon Stone", P::MtMoonB2F, H::Hidden, 18, 12},
    {"Old Amber", P::Museum1F, H::Gift, 0, 0, 1, "um cientista do museu"_cp},
    {"Full Restore", P::UndergroundPathNorthSouth, H::Hidden, 3, 4},
    {"X Special", P::UndergroundPathNorthSouth, H::Hidden, 4, 34},
    {"Elixer", P::UndergroundPathWestEast, H::Hidden, 21, 5},
    {"Nugget", P::UndergroundPathWestEast, H::Hidden, 12, 2},
    {"Carbos", P::PokemonMansion1F, H::Ball, 18, 21},
    {"Escape Rope", P::PokemonMansion1F, H::Ball, 14, 3},
    {"Moon Stone", P::PokemonMansion1F, H::Hidden, 8, 16},
    {"Full Restore", P::PokemonMansionB1F, H::Ball, 1, 22},
    {"Rare Candy", P::PokemonMansionB1F, H::Ball, 10, 2},
    {"Secret Key", P::PokemonMansionB1F, H::Ball, 5, 13},
    {"TM 14 Blizzard", P::PokemonMansionB1F, H::Ball, 19, 25},
    {"TM 22 Solar Beam", P::PokemonMansionB1F, H::Ball, 5, 4},
    {"Rare Candy", P::PokemonMansionB1F, H::Hidden, 1, 9},
    {"Calcium", P::PokemonMansion2F, H::Ball, 28, 7},
    {"Iron", P::PokemonMansion3F, H::Ball, 25, 5},
    {"Max Potion", P::PokemonMansion3F, H::Ball, 1, 16},
    {"Max Revive", P::PokemonMansion3F, H::Hidden, 1, 9},
    {"Carbos", P::PowerPlant, H::Ball, 7, 25},
    {"HP Up", P::PowerPlant, H::Ball, 28, 3},
    {"Rare Candy", P::PowerPlant, H::Ball, 34, 3},
    {"TM 25 Thunder", P::PowerPlant, H::Ball, 26, 32},
    {"TM 33 Reflect", P::PowerPlant, H::Ball, 20, 32},
    {"Max Elixer", P::PowerPlant, H::Hidden, 17, 16},
    {"PP Up", P::PowerPlant, H::Hidden, 12, 1},
    {"Coin Case", P::CeladonDiner, H::Gift, 0, 0, 1, "um homem do restaurante"_cp},
    {"HM 01 Cut", P::SSAnneCaptainsRoom, H::Gift, 0, 0, 1, "o capitão do S.S. Anne"_cp},
    {"TM 08 Body Slam", P::SSAnne1FRooms, H::Ball, 12, 15},
    {"Ether", P::SSAnneB1FRooms, H::Ball, 20, 2},
    {"Max Potion", P::SSAnneB1FRooms, H::Ball, 12, 11},
    {"TM 44 Rest", P::SSAnneB1FRooms, H::Ball, 10, 2},
    {"Hyper Potion", P::SSAnneB1FRooms, H::Hidden, 3, 1},
    {"Max Ether", P::SSAnne2FRooms, H::Ball, 12, 1},
    {"Rare Candy", P::SSAnne2FRooms, H::Ball, 0, 12},
    {"Great Ball", P::SSAnneKitchen, H::Hidden, 13, 9},
    {"TM 36 Self-Destruct", P::SilphCo2F, H::Gift, 0, 0, 1, "uma funcionária da Silph Co."_cp},
    {"Hyper Potion", P::SilphCo3F, H::Ball, 8, 5},
    {"Escape Rope", P::SilphCo4F, H::Ball, 5, 8},
    {"Full Heal", P::SilphCo4F, H::Ball, 3, 9},
    {"Max Revive", P::SilphCo4F, H::Ball, 4, 7},
    {"Card Key", P::SilphCo5F, H::Ball, 21, 16},
    {"Protein", P::SilphCo5F, H::Ball, 4, 6},
    {"TM 09 Take Down", P::SilphCo5F, H::Ball, 2, 13},
    {"Elixer", P::SilphCo5F, H::Hidden, 12, 3},
    {"HP Up", P::SilphCo6F, H::Ball, 3, 12},
    {"X Accuracy", P::SilphCo6F, H::Ball, 2, 15},
    {"Calcium", P::SilphCo7F, H::Ball, 1, 9},
    {"TM 03 Swords Dance", P::SilphCo7F, H::Ball, 24, 11},
    {"Max Potion", P::SilphCo9F, H::Hidden, 2, 15},
    {"Carbos", P::SilphCo10F, H::Ball, 5, 11},
    {"Rare Candy", P::SilphCo10F, H::Ball, 4, 14},
    {"TM 26 Earthquake", P::SilphCo10F, H::Ball, 2, 12},
    {"Master Ball", P::SilphCo11F, H::Gift, 0, 0, 1, "o presidente da Silph Co., depois que Giovanni é vencido"_cp},
    {"Escape Rope", P::PokemonTower3F, H::Ball, 12, 1},
    {"Awakening", P::PokemonTower4F, H::Ball, 9, 10},
    {"Elixer", P::PokemonTower4F, H::Ball, 12, 10},
    {"HP Up", P::PokemonTower4F, H::Ball, 12, 16},
    {"Nugget", P::PokemonTower5F, H::Ball, 6, 14},
    {"Elixer", P::PokemonTower5F, H::Hidden, 4, 12},
    {"Rare Candy", P::PokemonTower6F, H::Ball, 6, 8},
    {"X Accuracy", P::PokemonTower6F, H::Ball, 14, 14},
    {"Rare Candy", P::VictoryRoad1F, H::Ball, 9, 2},
    {"TM 43 Sky Attack", P::VictoryRoad1F, H::Ball, 11, 0},
    {"Full Heal", P::VictoryRoad2F, H::Ball, 18, 9},
    {"Guard Spec.", P::VictoryRoad2F, H::Ball, 11, 0},
    {"TM 05 Mega Kick", P::VictoryRoad2F, H::Ball, 9, 11},
    {"TM 17 Submission", P::VictoryRoad2F, H::Ball, 27, 5},
    {"Full Restore", P::VictoryRoad2F, H::Hidden, 26, 7},
    {"Ultra Ball", P::VictoryRoad2F, H::Hidden, 5, 2},
    {"Max Revive", P::VictoryRoad3F, H::Ball, 26, 5},
    {"TM 47 Explosion", P::VictoryRoad3F, H::Ball, 7, 7},
    {"HM 03 Surf", P::SafariZoneSecretHouse, H::Gift, 0, 0, 1, "o homem da casa secreta"_cp},
    {"Nugget", P::SafariZoneGate, H::Hidden, 10, 1},
    {"Nugget", P::SafariZoneCenter, H::Ball, 14, 10},
    {"Carbos", P::SafariZoneEast, H::Ball, 20, 13},
    {"Full Restore", P::SafariZoneEast, H::Ball, 21, 10},
    {"Max Potion", P::SafariZoneEast, H::Ball, 3, 7},
    {"TM 37 Egg Bomb", P::SafariZoneEast, H::Ball, 15, 12},
    {"Protein", P::SafariZoneNorth, H::Ball, 25, 1},
    {"TM 40 Skull Bash", P::SafariZoneNorth, H::Ball, 19, 7},
    {"Gold Teeth", P::SafariZoneWest, H::Ball, 19, 7},
    {"Max Potion", P::SafariZoneWest, H::Ball, 8, 20},
    {"Max Revive", P::SafariZoneWest, H::Ball, 18, 18},
    {"TM 32 Double Team", P::SafariZoneWest, H::Ball, 9, 7},
    {"Revive", P::SafariZoneWest, H::Hidden, 6, 5},
};
// clang-format on

constexpr Prize kPrizes[] = {{"TM 23 Dragon Rage", 3300}, {"TM 15 Hyper Beam", 5500}, {"TM 50 Substitute", 7700}};

// The mart window's entries, shop by shop; its sixth floor of Celadon is the
// roof's vending machines.
const std::array<std::pair<std::string_view, P>, 13> kShops = {{
    {"Cidade de Viridian"_cp, P::ViridianMart},
    {"Cidade de Pewter"_cp, P::PewterMart},
    {"Cidade de Cerulean"_cp, P::CeruleanMart},
    {"Cidade de Vermilion"_cp, P::VermilionMart},
    {"Cidade de Lavender"_cp, P::LavenderMart},
    {"Cidade de Saffron"_cp, P::SaffronMart},
    {"Cidade de Celadon (2º Andar)"_cp, P::CeladonMart2F},
    {"Cidade de Celadon (4º Andar)"_cp, P::CeladonMart4F},
    {"Cidade de Celadon (5º Andar)"_cp, P::CeladonMart5F},
    {"Cidade de Celadon (6º Andar)"_cp, P::CeladonMartRoof},
    {"Cidade de Fucshia"_cp, P::FuchsiaMart},
    {"Ilha de Cinnabar"_cp, P::CinnabarMart},
    {"Indigo Plateau"_cp, P::IndigoPlateauLobby},
}};

// The mart list's own spellings of the games' names.
constexpr std::pair<std::string_view, std::string_view> kSpellings[] = {
    {"Anditode", "Antidote"},      {"Paralyz Heal", "Parlyz Heal"}, {"Accuracy", "X Accuracy"},
    {"Guard Spec", "Guard Spec."}, {"Attack", "X Attack"},          {"Defend", "X Defend"},
    {"Speed", "X Speed"},          {"Special", "X Special"},
};

struct Sold {
    std::string_view Item;
    Sale At;
};

// Every sale, in the order of the places. The Cerulean list also shows an
// Escape Rope the game's shop there does not sell; the mart window keeps it
// as it has always read, but nobody is sent there to buy one.
const std::vector<Sold>& Sales()
{
    static const std::vector<Sold> sales = [] {
        std::vector<Sold> all;
        for (const MartStockRow& row : MartStockTable) {
            const auto shop =
                std::find_if(kShops.begin(), kShops.end(), [&](const auto& s) { return s.first == row.Entry; });
            if (shop == kShops.end())
                continue;
            for (const MartItem& item : row.Items) {
                const std::string_view name = GamesItemName(item.Name);
                if (shop->second == P::CeruleanMart && name == "Escape Rope")
                    continue;
                all.push_back({name, {shop->second, item.Price}});
            }
        }
        std::stable_sort(all.begin(), all.end(), [](const Sold& a, const Sold& b) { return a.At.Where < b.At.Where; });
        return all;
    }();
    return sales;
}

} // namespace

const std::span<const Found> FoundItems{kFound};
const std::span<const Prize> ItemPrizes{kPrizes};

std::string_view GamesItemName(std::string_view listed)
{
    for (const auto& [list, games] : kSpellings)
        if (list == listed)
            return games;
    // "TM 32": the machine's full name, as the map that also holds it writes it.
    if (listed.size() == 5 && listed.substr(0, 3) == "TM ") {
        const std::string prefix = std::string(listed) + ' ';
        for (const Found& f : kFound)
            if (f.Item.substr(0, prefix.size()) == prefix)
                return f.Item;
    }
    return listed;
}

std::vector<Sale> SalesOf(std::string_view item)
{
    std::vector<Sale> sales;
    for (const Sold& s : Sales())
        if (s.Item == item)
            sales.push_back(s.At);
    return sales;
}

std::vector<ShopItem> SalesAt(encounters::Place p)
{
    std::vector<ShopItem> stock;
    for (const Sold& s : Sales())
        if (s.At.Where == p)
            stock.push_back({s.Item, s.At.Price});
    return stock;
}

const std::vector<std::string_view>& ItemNames()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const Found& f : kFound)
            all.push_back(f.Item);
        for (const Sold& s : Sales())
            all.push_back(s.Item);
        for (const Prize& p : kPrizes)
            all.push_back(p.Item);
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return names;
}

int FindTypedItem(std::string_view typed)
{
    const std::string key = cp1252::typedKey(typed);
    if (key.empty())
        return -1;
    static const std::vector<std::string> folded = [] {
        std::vector<std::string> all;
        for (const std::string_view name : ItemNames())
            all.push_back(cp1252::typedKey(name));
        return all;
    }();
    int start = -1, inside = -1;
    for (std::size_t i = 0; i < folded.size(); ++i) {
        const std::size_t at = folded[i].find(key);
        if (at == std::string::npos)
            continue;
        if (folded[i].size() == key.size())
            return static_cast<int>(i);
        if (at == 0 && start < 0)
            start = static_cast<int>(i);
        else if (at != 0 && inside < 0)
            inside = static_cast<int>(i);
    }
    return start >= 0 ? start : inside;
}

} // namespace items
