#include "data/MartStock.h"
#include "data/Moves.h"
#include "data/TmHmLocations.h"

#include <gtest/gtest.h>

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

} // namespace

TEST(MartStock, PricesGroupThousands)
{
    EXPECT_EQ(FormatPrice(100), "$100");
    EXPECT_EQ(FormatPrice(1000), "$1,000");
    EXPECT_EQ(FormatPrice(9800), "$9,800");
    EXPECT_EQ(FormatPrice(1234567), "$1,234,567");
}

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
    EXPECT_EQ(TmLocationTable[28].Location, "Mr. Psychic (Saffron City)");
    EXPECT_EQ(TmLocationTable[49].Line, "TM 50 -- Substitute   ");
    EXPECT_EQ(HmLocationTable[2].Location, "Safari Zone");

    std::set<int> gameCorner;
    for (std::size_t i = 0; i < TmLocationTable.size(); ++i)
        if (TmLocationTable[i].Location == "Game Corner")
            gameCorner.insert(static_cast<int>(i) + 1);
    EXPECT_EQ(gameCorner, (std::set<int>{10, 15, 23, 50}));
}

namespace {
std::vector<std::string> Matching(std::string_view filter)
{
    std::vector<std::string> names;
    for (const MoveInfo& m : MoveTable)
        if (MoveMatches(m, filter))
            names.emplace_back(m.Name);
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
