#include "data/MartStock.h"
#include "data/Moves.h"
#include "data/TmHmLocations.h"
#include "text/Cp1252.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

std::vector<std::string> linesOf(std::string_view entry)
{
    for (const MartStockRow& row : MartStockTable)
        if (row.Entry == entry)
            return MartLines(row);
    ADD_FAILURE() << "no shop " << entry;
    return {};
}

// ---- the game's names (tests/catalogue/gen1) as the lists write them ----
using namespace cp1252::literals;

// Each shop of the game, by the entry the shop list gives it (the roof's
// vending machines are its sixth floor).
const std::map<std::string, std::string_view> kShopEntries = {
    {"Viridian Mart", "Cidade de Viridian"_cp},
    {"Pewter Mart", "Cidade de Pewter"_cp},
    {"Cerulean Mart", "Cidade de Cerulean"_cp},
    {"Vermilion Mart", "Cidade de Vermilion"_cp},
    {"Lavender Mart", "Cidade de Lavender"_cp},
    {"Saffron Mart", "Cidade de Saffron"_cp},
    {"Celadon Dept Store 2F", "Cidade de Celadon (2º Andar)"_cp},
    {"Celadon Dept Store 4F", "Cidade de Celadon (4º Andar)"_cp},
    {"Celadon Dept Store 5F", "Cidade de Celadon (5º Andar)"_cp},
    {"Celadon Dept Store Roof", "Cidade de Celadon (6º Andar)"_cp},
    {"Fuchsia Mart", "Cidade de Fucshia"_cp},
    {"Cinnabar Mart", "Ilha de Cinnabar"_cp},
    {"Indigo Plateau Lobby", "Indigo Plateau"_cp},
};

// The shop list's spellings of the game's item names ("TM32 (Double Team)"
// is "TM 32" by rule).
const std::map<std::string, std::string> kItemNames = {
    {"Anditode", "Antidote"},      {"Paralyz Heal", "Parlyz Heal"}, {"Accuracy", "X Accuracy"},
    {"Guard Spec", "Guard Spec."}, {"Attack", "X Attack"},          {"Defend", "X Defend"},
    {"Speed", "X Speed"},          {"Special", "X Special"},
};

// Where the TM list puts the game's places: it names towns, buildings and
// routes, not floors or rooms.
const std::map<std::string, std::string> kPlaces = {
    {"Mt. Moon 1F", "Mt. Moon"},
    {"Mt. Moon B2F", "Mt. Moon"},
    {"Celadon Dept Store 2F", "Celadon Mart"},
    {"Celadon Dept Store 3F", "Celadon Mart"},
    {"Celadon Dept Store Roof", "Celadon Mart"},
    {"Rocket Hideout B2F", "Game Corner"}, // the hideout lies under it
    {"Rocket Hideout B3F", "Game Corner"},
    {"Rocket Hideout B4F", "Game Corner"},
    {"Game Corner prize", "Game Corner"},
    {"Silph Co. 2F", "Silph Co."},
    {"Silph Co. 5F", "Silph Co."},
    {"Silph Co. 7F", "Silph Co."},
    {"Silph Co. 10F", "Silph Co."},
    {"Victory Road 1F", "Victory Road"},
    {"Victory Road 2F", "Victory Road"},
    {"Victory Road 3F", "Victory Road"},
    {"S.S. Anne 1F Rooms", "S.S. Anne"},
    {"S.S. Anne B1F Rooms", "S.S. Anne"},
    {"S.S. Anne Captains Room", "S.S. Anne"},
    {"Pokémon Mansion B1F", "Mansion (Cinnabar)"},
    {"Power Plant", "Power Plant"},
    {"Safari Zone East", "Fuschia City"},
    {"Safari Zone West", "Fuschia City"},
    {"Wardens House", "Fuschia City"},
    {"Safari Zone North", "Safari Zone"},
    {"Safari Zone Secret House", "Safari Zone"},
    {"Mr. Psychics House", "Mr. Psychic (Saffron City)"},
    {"Copycats House 2F", "Saffron City"},
    {"Celadon City", "Celadon City"},
    {"Viridian City", "Viridian City"},
    {"Route 2 Gate", "Route 2"},
    {"Route 4", "Route 4"},
    {"Route 9", "Route 9"},
    {"Route 12", "Route 12"},
    {"Route 12 Gate 2F", "Route 12"},
    {"Route 15", "Route 15"},
    {"Route 16 Fly House", "Route 16"},
    {"Route 24", "Route 24"},
    {"Route 25", "Route 25"},
    {"Pewter Gym", "Pewter City Gym"},
    {"Cerulean Gym", "Cerulean City Gym"},
    {"Vermilion Gym", "Vermilion City Gym"},
    {"Celadon Gym", "Celadon City Gym"},
    {"Fuchsia Gym", "Fuschia City Gym"},
    {"Saffron Gym", "Saffron City Gym"},
    {"Cinnabar Gym", "Cinnabar Island Gym"},
    {"Viridian Gym", "Viridian City Gym"},
};

// Two places the list has always given differently from the game, kept as
// they read: TM 28 is a gift in Cerulean City (not its gym), TM 35 one in
// Cinnabar's laboratory (not its mansion).
const std::map<int, std::string> kListsOwnPlaces = {{28, "Cerulean City Gym"}, {35, "Mansion (Cinnabar)"}};

// The list's spellings of the game's move names.
const std::map<std::string, std::string> kMoveNames = {
    {"Bubble Beam", "Bubblebeam"}, {"Self-Destruct", "Selfdestruct"}, {"Soft-Boiled", "Softboiled"}};

std::vector<std::string> split(const std::string& text, const std::string& by)
{
    std::vector<std::string> parts;
    for (std::size_t at = 0;;) {
        const std::size_t next = text.find(by, at);
        parts.push_back(text.substr(at, next - at));
        if (next == std::string::npos)
            return parts;
        at = next + by.size();
    }
}

// "gift: Celadon City (Gramps)" -> "Celadon City"; every prize is the Game Corner's.
std::string placeOf(const std::string& source)
{
    if (source.rfind("Game Corner prize", 0) == 0)
        return "Game Corner prize";
    std::string place = source.substr(source.find(": ") + 2);
    if (source.rfind("item ball: ", 0) != 0)
        place = place.substr(0, place.rfind(" ("));
    return place;
}

} // namespace

TEST(MartStock, EveryLineHasItsShopsWidth)
{
    ASSERT_EQ(MartStockTable.size(), 13u);
    for (const MartStockRow& row : MartStockTable)
        for (const std::string& line : MartLines(row))
            EXPECT_EQ(line.size(), static_cast<std::size_t>(row.Width)) << line;
    EXPECT_EQ(MartStockTable[6].Entry, "Cidade de Celadon (2\xBA Andar)");
}

TEST(MartStock, ShopsListTheirItemsInOrder)
{
    const auto celadon2 = linesOf("Cidade de Celadon (2\xBA Andar)");
    ASSERT_EQ(celadon2.size(), 18u);
    EXPECT_EQ(celadon2[9], "TM 32         $1,000");
    EXPECT_EQ(celadon2.back(), "TM 17         $3,000");

    const auto celadon5 = linesOf("Cidade de Celadon (5\xBA Andar)");
    ASSERT_EQ(celadon5.size(), 12u);
    EXPECT_EQ(celadon5.front(), "Accuracy       $950");
    EXPECT_EQ(celadon5.back(), "Calcium      $9,800");

    EXPECT_EQ(linesOf("Cidade de Viridian").front(), "Poke Ball       $200");
    EXPECT_EQ(linesOf("Cidade de Lavender").size(), 9u);
    EXPECT_EQ(linesOf("Indigo Plateau")[2], "Full Restore   $3,000");
}

TEST(MachineLocations, RowsReadAsTheListShowsThem)
{
    ASSERT_EQ(TmLocationTable.size(), 50u);
    ASSERT_EQ(HmLocationTable.size(), 5u);
    for (std::size_t i = 0; i < TmLocationTable.size(); ++i) {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "TM %02zu -- ", i + 1);
        EXPECT_EQ(TmLocationTable[i].Line.substr(0, 9), prefix);
        EXPECT_FALSE(TmLocationTable[i].Location.empty());
    }
    for (std::size_t i = 0; i < HmLocationTable.size(); ++i) {
        char prefix[32];
        std::snprintf(prefix, sizeof prefix, "HM %02zu --  ", i + 1);
        EXPECT_EQ(HmLocationTable[i].Line.substr(0, 10), prefix);
    }
    EXPECT_EQ(TmLocationTable[49].Line, "TM 50 -- Substitute   ");
}

// Every shop sells what the game's shop sells at the game's price (the list's
// order is its own). The Cerulean list also shows an Escape Rope the game's
// shop there does not sell: kept as the list has always read.
TEST(MartStock, StockAndPricesAreTheGames)
{
    std::map<std::string, std::map<std::string, int>> game;
    for (const auto& row : facts::ReadTable("marts.csv")) {
        ASSERT_TRUE(kShopEntries.count(row.at("mart"))) << row.at("mart");
        std::string item = row.at("item");
        if (item.rfind("TM", 0) == 0)
            item = "TM " + item.substr(2, 2);
        game[std::string(kShopEntries.at(row.at("mart")))][item] = std::stoi(row.at("price"));
    }
    game[std::string("Cidade de Cerulean"_cp)]["Escape Rope"] = 550;

    std::map<std::string, std::map<std::string, int>> list;
    for (const MartStockRow& row : MartStockTable)
        for (const MartItem& item : row.Items) {
            const std::string name(item.Name);
            const auto spelt = kItemNames.find(name);
            list[std::string(row.Entry)][spelt == kItemNames.end() ? name : spelt->second] = item.Price;
        }
    EXPECT_EQ(list.size(), MartStockTable.size()); // no entry twice
    for (const auto& [entry, items] : game)
        EXPECT_EQ(list[entry], items) << entry;
    EXPECT_EQ(list.size(), game.size());
}

// Each TM and HM is the game's move, found where the game has it.
TEST(MachineLocations, MovesAndPlacesAreTheGames)
{
    const auto machines = facts::ReadTable("tm_hm.csv");
    ASSERT_EQ(machines.size(), TmLocationTable.size() + HmLocationTable.size());
    for (const auto& m : machines) {
        const int number = std::stoi(m.at("number"));
        const bool tm = m.at("kind") == "TM";
        const auto& table = tm ? TmLocationTable : HmLocationTable;
        ASSERT_LE(std::size_t(number), table.size());
        const MachineLocation& row = table[std::size_t(number) - 1];
        const std::string what = m.at("kind") + " " + m.at("number");

        std::string move(row.Line.substr(row.Line.find("--") + 2));
        move = move.substr(move.find_first_not_of(' '));
        move = move.substr(0, move.find_last_not_of(' ') + 1);
        const auto spelt = kMoveNames.find(m.at("move"));
        EXPECT_EQ(move, spelt == kMoveNames.end() ? m.at("move") : spelt->second) << what;

        std::set<std::string> places;
        const auto own = kListsOwnPlaces.find(number);
        if (tm && own != kListsOwnPlaces.end())
            places = {own->second};
        else
            for (const std::string& source : split(m.at("sources"), "; ")) {
                const std::string place = placeOf(source);
                ASSERT_TRUE(kPlaces.count(place)) << what << ": " << place;
                places.insert(kPlaces.at(place));
            }
        const auto listed = split(std::string(row.Location), ", ");
        EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), places) << what;
        EXPECT_EQ(listed.size(), places.size()) << what; // no place twice
    }
}

namespace {
std::vector<std::string> Matching(std::string_view filter)
{
    std::vector<std::string> names;
    for (const int row : MovesMatching(filter))
        names.emplace_back(MoveTable[static_cast<std::size_t>(row)].Name);
    return names;
}
} // namespace

TEST(Moves, FilterMatchesAnyPartIgnoringCaseBlanksAndHyphens)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(Matching("psy"), (V{"Psybeam", "Psychic", "Psywave"}));
    EXPECT_EQ(Matching("THUNDER"), (V{"Thunder Punch", "Thundershock", "Thunderbolt", "Thunderwave", "Thunder"}));
    EXPECT_EQ(Matching("selfd"), (V{"Self-Destruct"}));
    EXPECT_EQ(Matching("self - destr"), (V{"Self-Destruct"}));
    EXPECT_EQ(Matching("sandattack"), (V{"Sand-Attack"}));
    EXPECT_EQ(Matching("").size(), 165u);
    EXPECT_EQ(Matching("   ").size(), 165u);
    EXPECT_EQ(Matching(" - ").size(), 165u);
    // Nothing else in a name matches: symbols, accented letters, a paragraph.
    EXPECT_TRUE(Matching("!?*").empty());
    EXPECT_TRUE(Matching("\xE9").empty()); // é
    EXPECT_TRUE(Matching("psy\tbeam").empty());
    EXPECT_TRUE(Matching(std::string(5000, 'a')).empty());
}
