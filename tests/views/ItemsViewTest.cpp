// Where to get each item, without a display: each way one sentence with the
// games' figures, by item and by place, and the view's choosers.
#include "views/ItemsView.h"

#include "data/Encounters.h"
#include "data/Items.h"
#include "data/Species.h"
#include "text/Cp1252.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using encounters::Place;
using V = std::vector<std::string>;

V Utf8(const std::vector<std::string>& lines)
{
    V utf8;
    for (const std::string& line : lines)
        utf8.push_back(cp1252::toUtf8(line));
    return utf8;
}

// How many ways there are in all: the maps' and the TM list's, the shops'
// rows, the prizes.
std::size_t Ways()
{
    return items::FoundItems.size() + facts::ReadTable("marts.csv").size() + items::ItemPrizes.size();
}

bool StartsWith(const std::string& line, std::string_view start)
{
    return line.rfind(start, 0) == 0;
}

// ---- the words ----

TEST(ItemWords, EachWayIsOneSentenceWithItsPlaceAndFigures)
{
    // Balls and hidden items with their spots, in the order of the place list.
    EXPECT_EQ(Utf8(ItemWayLines("Moon Stone")),
              (V{"no chão — Rota 2 (x 13, y 54)", "no chão — Esconderijo da Equipe Rocket, 2º subsolo (x 1, y 11)",
                 "no chão — Mt. Moon, 1º andar (x 2, y 2)",
                 "escondido — Mt. Moon, 2º subsolo (x 18, y 12); o Itemfinder ajuda",
                 "escondido — Pokémon House, 1º andar (x 8, y 16); o Itemfinder ajuda"}));
    EXPECT_EQ(Utf8(ItemWayLines("HM 01 Cut")), (V{"presente do capitão do S.S. Anne — S.S. Anne, cabine do capitão"}));
    EXPECT_EQ(Utf8(ItemWayLines("Itemfinder")),
              (V{"presente do ajudante do Professor Carvalho, com 30 pokémon registrados — Guarita da Rota 11, 2º "
                 "andar"}));
    // A giver without an article; one gift of several at once.
    EXPECT_EQ(Utf8(ItemWayLines("S.S. Ticket")), (V{"presente de Bill, depois de ajudado — Casa de Bill (Rota 25)"}));
    // Free before bought, prices in yen as the guide writes them.
    EXPECT_EQ(Utf8(ItemWayLines("Poke Ball")),
              (V{"no chão — Floresta Viridian (x 1, y 31)",
                 "presente do Professor Carvalho, depois de receber o Oak's Parcel (5 de uma vez) — Laboratório do "
                 "Professor Carvalho (Cidade de Pallet)",
                 "à venda — Loja de Cerulean, ¥200", "à venda — Loja de Pewter, ¥200",
                 "à venda — Loja de Vermilion, ¥200", "à venda — Loja de Viridian, ¥200"}));
    EXPECT_EQ(Utf8(ItemWayLines("Fire Stone")), (V{"à venda — Loja de Departamentos de Celadon, 4º andar, ¥2.100"}));
    EXPECT_EQ(Utf8(ItemWayLines("TM 15 Hyper Beam")),
              (V{"prêmio do Game Corner — Coin Exchange (Cidade de Celadon), 5.500 fichas"}));
    // The games' names only: the mart list's spelling is no item.
    EXPECT_TRUE(ItemWayLines("Anditode").empty());
    const V antidote = Utf8(ItemWayLines("Antidote"));
    EXPECT_EQ(
        std::count_if(antidote.begin(), antidote.end(), [](const std::string& l) { return StartsWith(l, "à venda"); }),
        5);
}

TEST(ItemWords, EveryItemHasAWayFreeOnesFirst)
{
    std::size_t lines = 0;
    for (const std::string_view item : items::ItemNames()) {
        const V ways = Utf8(ItemWayLines(item));
        ASSERT_FALSE(ways.empty()) << item;
        lines += ways.size();
        const auto rank = [](const std::string& line) {
            return StartsWith(line, "à venda") ? 1 : StartsWith(line, "prêmio") ? 2 : 0;
        };
        for (std::size_t i = 1; i < ways.size(); ++i)
            EXPECT_LE(rank(ways[i - 1]), rank(ways[i])) << item << ": " << ways[i];
    }
    EXPECT_EQ(lines, Ways());

    // What a player most often looks for.
    V wanted = {"Rare Candy",  "Bicycle",   "Silph Scope", "Poke Flute", "Card Key",       "Lift Key",   "Secret Key",
                "S.S. Ticket", "HM 01 Cut", "HM 02 Fly",   "HM 03 Surf", "HM 04 Strength", "HM 05 Flash"};
    for (const auto s : {species::Stone::Fire, species::Stone::Thunder, species::Stone::Water, species::Stone::Leaf,
                         species::Stone::Moon})
        wanted.emplace_back(species::StoneName(s));
    for (const std::string& item : wanted)
        EXPECT_FALSE(ItemWayLines(item).empty()) << item;
}

TEST(ItemWords, APlaceListsItsItemsGiftsFirstThenTheShopsList)
{
    EXPECT_EQ(Utf8(PlaceItemLines(Place::Route9)),
              (V{"TM 30 Teleport — no chão (x 10, y 15)", "Ether — escondido (x 14, y 7); o Itemfinder ajuda"}));
    EXPECT_EQ(Utf8(PlaceItemLines(Place::CeladonMartRoof)),
              (V{"TM 13 Ice Beam — presente da menina do terraço, por uma Fresh Water",
                 "TM 48 Rock Slide — presente da menina do terraço, por uma Soda Pop",
                 "TM 49 Tri Attack — presente da menina do terraço, por uma Lemonade", "Fresh Water — à venda, ¥200",
                 "Soda Pop — à venda, ¥300", "Lemonade — à venda, ¥350"}));
    EXPECT_EQ(Utf8(PlaceItemLines(Place::GameCornerPrizeRoom)),
              (V{"TM 23 Dragon Rage — prêmio do Game Corner, 3.300 fichas",
                 "TM 15 Hyper Beam — prêmio do Game Corner, 5.500 fichas",
                 "TM 50 Substitute — prêmio do Game Corner, 7.700 fichas"}));
    const V shop = Utf8(PlaceItemLines(Place::CeladonMart2F));
    ASSERT_EQ(shop.size(), 18u);
    EXPECT_EQ(shop[9], "TM 32 Double Team — à venda, ¥1.000");
    EXPECT_TRUE(PlaceItemLines(Place::DiglettsCave).empty());

    // By place or by item, the same ways: every line of one is a line of the other.
    std::size_t byPlace = 0;
    const std::vector<Place> places = PlacesWithItems();
    for (int i = 0; i < encounters::PlaceCount; ++i) {
        const auto p = static_cast<Place>(i);
        const std::size_t n = PlaceItemLines(p).size();
        byPlace += n;
        EXPECT_EQ(n > 0, std::count(places.begin(), places.end(), p) == 1) << encounters::PlaceMap(p);
    }
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()));
    EXPECT_EQ(byPlace, Ways());
}

// ---- the view ----

TEST(ItemsView, ChoosersAndWhatIsChosen)
{
    ItemsView view;
    const V names = ItemsView::ItemChooserLines();
    ASSERT_EQ(names.size(), items::ItemNames().size());
    EXPECT_EQ(view.ItemLine(), 0);
    EXPECT_EQ(view.Item(), names[0]);
    EXPECT_EQ(view.ItemListLines(), ItemWayLines(names[0]));

    ASSERT_TRUE(view.ItemTyped("cut"));
    EXPECT_EQ(view.Item(), "HM 01 Cut");
    EXPECT_EQ(names.at(static_cast<std::size_t>(view.ItemLine())), "HM 01 Cut");
    EXPECT_EQ(view.ItemListLines().size(), 1u);
    EXPECT_FALSE(view.ItemTyped("zzz"));
    EXPECT_FALSE(view.ItemTyped(""));
    EXPECT_EQ(view.Item(), "HM 01 Cut"); // unchanged

    view.ChooseItemLine(static_cast<int>(names.size()) - 1);
    EXPECT_EQ(view.Item(), names.back());
    EXPECT_THROW(view.ChooseItemLine(static_cast<int>(names.size())), std::out_of_range);
    EXPECT_THROW(view.ChooseItemLine(-1), std::out_of_range);

    const V places = view.PlaceChooserLines();
    ASSERT_EQ(places.size(), view.Places().size());
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(places[0], encounters::PlaceName(Place::Route1));
    EXPECT_EQ(view.PlaceLine(), 0);
    view.ChoosePlaceLine(1);
    EXPECT_EQ(view.Place(), view.Places()[1]);
    EXPECT_EQ(view.PlaceListLines(), PlaceItemLines(view.Places()[1]));
    EXPECT_THROW(view.ChoosePlaceLine(static_cast<int>(places.size())), std::out_of_range);
}

// Any place the "where to find" window shows can be handed over: its items,
// or a line in words when it has none.
TEST(ItemsView, APlaceFromWhereToFind)
{
    ItemsView view;
    for (const Place p : encounters::PlacesWithEncounters()) {
        view.ChoosePlace(p);
        EXPECT_FALSE(view.PlaceListLines().empty()) << encounters::PlaceMap(p);
    }
    view.ChoosePlace(Place::DiglettsCave);
    EXPECT_EQ(view.PlaceLine(), -1);
    EXPECT_EQ(Utf8(view.PlaceListLines()), (V{"Nenhum item neste lugar."}));
    view.ChoosePlace(Place::Route9);
    EXPECT_EQ(view.Places().at(static_cast<std::size_t>(view.PlaceLine())), Place::Route9);
    EXPECT_EQ(view.PlaceListLines().size(), 2u);
}

} // namespace
