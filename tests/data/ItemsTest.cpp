// The items' tables against the facts: every item ball, hidden item and gift
// of the maps, every shop's stock under the games' names, the Game Corner's
// item prizes, and the chooser's names and typing.
#include "data/Items.h"

#include "data/Encounters.h"
#include "text/Cp1252.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace items;
using encounters::Place;

std::string Map(Place p)
{
    return std::string(encounters::PlaceMap(p));
}

// The fact tables' "Celadon Dept Store 2F" is the map's "Celadon Mart 2F".
std::string StoreMap(std::string map)
{
    if (const auto at = map.find("Dept Store"); at != std::string::npos)
        map.replace(at, 10, "Mart");
    return map;
}

// "TM32 (Double Team)" -> "TM 32 Double Team"; other names as they are.
std::string MachineName(const std::string& fact)
{
    if (fact.rfind("TM", 0) != 0 || fact.find(" (") == std::string::npos)
        return fact;
    const std::size_t open = fact.find(" (");
    return "TM " + fact.substr(2, open - 2) + " " + fact.substr(open + 2, fact.size() - open - 3);
}

std::vector<const Found*> FoundOf(std::string_view item)
{
    std::vector<const Found*> rows;
    for (const Found& f : FoundItems)
        if (f.Item == item)
            rows.push_back(&f);
    return rows;
}

// "TM 29 Psychic" and the like: the TM list's sources of one kind, by item.
std::map<std::string, std::string> MachineSources(const std::string& kind)
{
    std::map<std::string, std::string> found;
    for (const auto& r : facts::ReadTable("tm_hm.csv")) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", std::stoi(r.at("number")));
        const std::string item = r.at("kind") + " " + number + " " + r.at("move");
        if (r.at("sources").rfind(kind, 0) == 0)
            found[item] = r.at("sources").substr(kind.size());
    }
    return found;
}

// ---- the tables, row for row ----

// Every row of the maps' table, nothing missing, nothing invented, nothing
// twice; and the one gift of the TM list the maps' table leaves out.
TEST(ItemTables, EveryBallHiddenItemAndGiftIsTheGames)
{
    using Row = std::tuple<std::string, std::string, std::string, int, int, int>;
    std::multiset<Row> facts, ours;
    std::set<std::string> inMaps;
    const auto rows = facts::ReadTable("items.csv");
    for (const auto& r : rows) {
        const bool gift = r.at("how") == "gift";
        facts.insert({r.at("item"), r.at("map"), r.at("how"), gift ? 0 : std::stoi(r.at("x")),
                      gift ? 0 : std::stoi(r.at("y")), std::stoi(r.at("quantity"))});
        inMaps.insert(r.at("item"));
    }
    EXPECT_EQ(rows.size(), 200u);
    for (const auto& [item, source] : MachineSources("gift: "))
        if (!inMaps.count(item))
            facts.insert({item, StoreMap(source.substr(0, source.find(" ("))), "gift", 0, 0, 1});
    EXPECT_EQ(facts.size(), 201u);

    const std::map<How, std::string> how = {{How::Ball, "item ball"}, {How::Hidden, "hidden"}, {How::Gift, "gift"}};
    for (const Found& f : FoundItems) {
        ours.insert({std::string(f.Item), Map(f.Where), how.at(f.Way), f.X, f.Y, f.Quantity});
        // Only a gift has someone who gives it, and every gift has.
        EXPECT_EQ(f.Giver.empty(), f.Way != How::Gift) << f.Item << " at " << Map(f.Where);
    }
    EXPECT_EQ(ours, facts);
}

// Who gives a gift, in words: the ones the facts' labels name, and Oak's aides
// with the count of creatures each asks for.
TEST(ItemTables, GiversSayWhoInWords)
{
    for (const auto& r : facts::ReadTable("items.csv")) {
        const std::string& note = r.at("note");
        if (note.rfind("Oak's aide, for ", 0) != 0)
            continue;
        const std::string count = note.substr(16, note.find(' ', 16) - 16);
        const auto rows = FoundOf(r.at("item"));
        ASSERT_EQ(rows.size(), 1u) << r.at("item");
        EXPECT_EQ(cp1252::toUtf8(rows[0]->Giver),
                  "o ajudante do Professor Carvalho, com " + count + " pokémon registrados");
    }
    const auto cut = FoundOf("HM 01 Cut");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0]->Where, Place::SSAnneCaptainsRoom);
    EXPECT_EQ(cp1252::toUtf8(cut[0]->Giver), "o capitão do S.S. Anne");
    const auto bicycle = FoundOf("Bicycle");
    ASSERT_EQ(bicycle.size(), 1u);
    EXPECT_EQ(cp1252::toUtf8(bicycle[0]->Giver), "o vendedor da loja de bicicletas, pelo Bike Voucher");
    // The roof's girl gives a different TM for each drink.
    const auto rockSlide = FoundOf("TM 48 Rock Slide");
    ASSERT_EQ(rockSlide.size(), 1u);
    EXPECT_EQ(cp1252::toUtf8(rockSlide[0]->Giver), "a menina do terraço, por uma Soda Pop");
    const auto balls = FoundOf("Poke Ball");
    const auto oaks = std::find_if(balls.begin(), balls.end(), [](const Found* f) { return f->Way == How::Gift; });
    ASSERT_NE(oaks, balls.end());
    EXPECT_EQ((*oaks)->Quantity, 5);
}

TEST(ItemTables, NamedCasesWhereTheGuidesAgree)
{
    std::set<std::tuple<Place, How, int, int>> moon;
    for (const Found* f : FoundOf("Moon Stone"))
        moon.insert({f->Where, f->Way, f->X, f->Y});
    EXPECT_EQ(moon, (std::set<std::tuple<Place, How, int, int>>{{Place::Route2, How::Ball, 13, 54},
                                                                {Place::MtMoon1F, How::Ball, 2, 2},
                                                                {Place::RocketHideoutB2F, How::Ball, 1, 11},
                                                                {Place::MtMoonB2F, How::Hidden, 18, 12},
                                                                {Place::PokemonMansion1F, How::Hidden, 8, 16}}));
    const auto ether = FoundOf("Ether");
    EXPECT_TRUE(std::any_of(ether.begin(), ether.end(), [](const Found* f) {
        return f->Where == Place::Route9 && f->Way == How::Hidden && f->X == 14 && f->Y == 7;
    }));
    const auto finder = FoundOf("Itemfinder");
    ASSERT_EQ(finder.size(), 1u);
    EXPECT_EQ(finder[0]->Where, Place::Route11Gate2F);
    EXPECT_NE(cp1252::toUtf8(finder[0]->Giver).find("com 30 pokémon"), std::string::npos);
}

// Rows come by place, in the order of the place list, gifts first there.
TEST(ItemTables, RowsInTheOrderOfThePlaces)
{
    for (std::size_t i = 1; i < FoundItems.size(); ++i)
        EXPECT_LE(std::pair(FoundItems[i - 1].Where, FoundItems[i - 1].Way),
                  std::pair(FoundItems[i].Where, FoundItems[i].Way))
            << FoundItems[i].Item << " at " << Map(FoundItems[i].Where);
}

// Every shop's stock under the games' names and prices, both ways: the mart
// window's list (its spellings, its Escape Rope in Cerulean) is not the game.
TEST(ItemSales, EveryShopSellsWhatTheGamesShopSells)
{
    std::multiset<std::tuple<std::string, std::string, int>> facts, ours;
    for (const auto& r : facts::ReadTable("marts.csv"))
        facts.insert({MachineName(r.at("item")), StoreMap(r.at("mart")), std::stoi(r.at("price"))});
    EXPECT_EQ(facts.size(), 97u);
    for (const std::string_view item : ItemNames()) {
        const std::vector<Sale> sales = SalesOf(item);
        for (const Sale& s : sales)
            ours.insert({std::string(item), Map(s.Where), s.Price});
        EXPECT_TRUE(std::is_sorted(sales.begin(), sales.end(), [](const Sale& a, const Sale& b) {
            return a.Where < b.Where;
        })) << item;
    }
    EXPECT_EQ(ours, facts);

    EXPECT_EQ(SalesOf("Antidote").size(), 5u);
    EXPECT_EQ(SalesOf("Anditode").size(), 0u); // the list's spelling is not an item
    EXPECT_EQ(SalesOf("Fire Stone"), (std::vector<Sale>{{Place::CeladonMart4F, 2100}}));
    EXPECT_EQ(SalesOf("TM 32 Double Team"), (std::vector<Sale>{{Place::CeladonMart2F, 1000}}));
    EXPECT_TRUE(SalesOf("Moon Stone").empty());
    EXPECT_EQ(GamesItemName("Paralyz Heal"), "Parlyz Heal");
    EXPECT_EQ(GamesItemName("TM 17"), "TM 17 Submission");
    EXPECT_EQ(GamesItemName("Potion"), "Potion");
}

TEST(ItemSales, GameCornerPrizesAreTheTmLists)
{
    std::map<std::string, int> facts, ours;
    for (const auto& [item, source] : MachineSources("Game Corner prize: "))
        facts[item] = std::stoi(source);
    for (const Prize& p : ItemPrizes)
        ours[std::string(p.Item)] = p.Coins;
    EXPECT_EQ(ours, facts);
    EXPECT_EQ(ours.size(), ItemPrizes.size());
}

// ---- the chooser ----

TEST(ItemNames, EveryItemHadOnceInNameOrder)
{
    std::set<std::string> expected;
    for (const auto& r : facts::ReadTable("items.csv"))
        expected.insert(r.at("item"));
    for (const auto& r : facts::ReadTable("marts.csv"))
        expected.insert(MachineName(r.at("item")));
    for (const auto& [item, source] : MachineSources("Game Corner prize: "))
        expected.insert(item);
    for (const auto& [item, source] : MachineSources("gift: "))
        expected.insert(item);
    const auto& names = ItemNames();
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), expected);
    EXPECT_EQ(names.size(), expected.size());
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    for (const std::string_view name : names)
        EXPECT_EQ(cp1252::toUtf8(name), name) << "not plain ASCII: " << name;
}

TEST(ItemNames, TypedTextFindsAnItem)
{
    const auto& names = ItemNames();
    const auto found = [&](std::string_view typed) -> std::string {
        const int i = FindTypedItem(typed);
        return i < 0 ? "(none)" : std::string(names.at(static_cast<std::size_t>(i)));
    };
    EXPECT_EQ(found("moon"), "Moon Stone");
    EXPECT_EQ(found("hm01"), "HM 01 Cut");
    EXPECT_EQ(found("tm 41"), "TM 41 Soft-Boiled");
    EXPECT_EQ(found("softboiled"), "TM 41 Soft-Boiled");
    EXPECT_EQ(found("POTION"), "Potion");    // whole before "Hyper Potion" and "Potion" at a start
    EXPECT_EQ(found("ether"), "Ether");      // whole before "Max Ether"
    EXPECT_EQ(found("stone"), "Fire Stone"); // anywhere, in name order
    EXPECT_EQ(found("s.s. ticket"), "S.S. Ticket");
    EXPECT_EQ(found(""), "(none)");
    EXPECT_EQ(found(" -. "), "(none)");
    EXPECT_EQ(found("zzz"), "(none)");
}

} // namespace
