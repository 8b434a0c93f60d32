// The type chart against the games' matchup table, pair by pair, and every
// entry's defence profile against one worked out here from that table alone.
#include "FactTables.h"
#include "catalogue/Catalogue.h"
#include "data/TypeChart.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using cp1252::toUtf8;

// English name of each chart index, through the catalogue's names.
std::vector<std::string> EnglishByIndex()
{
    std::vector<std::string> english(TypeCount);
    for (const auto& [en, pt] : facts::PortugueseTypes()) {
        const int i = TypeIndex(cp1252::fromUtf8(pt));
        if (i >= 0)
            english[static_cast<std::size_t>(i)] = en;
    }
    return english;
}

double Reference(const std::string& attacker, const std::string& defender)
{
    const auto& chart = facts::Load().typeChart;
    const auto it = chart.find({attacker, defender});
    return it == chart.end() ? 1.0 : it->second;
}

std::vector<std::string> Names(const std::vector<int>& types)
{
    std::vector<std::string> names;
    for (int t : types)
        names.push_back(toUtf8(TypeNames[static_cast<std::size_t>(t)]));
    return names;
}

// The groups ×4, ×2, ×½, ×¼, ×0 of one entry, as named lists.
std::array<std::vector<std::string>, ProfileGroupCount> Groups(const DefenceProfile& p)
{
    std::array<std::vector<std::string>, ProfileGroupCount> out;
    for (std::size_t g = 0; g < out.size(); ++g)
        out[g] = Names(p.Attackers[g]);
    return out;
}

const CatalogueEntry& ByNumber(int n)
{
    return Catalogue::Entry(Catalogue::RowOfNumber(n));
}

std::array<std::vector<std::string>, ProfileGroupCount> GroupsOf(int number)
{
    const std::vector<int> t = ParseTypes(ByNumber(number).Types);
    return Groups(ProfileOf(t.at(0), t.size() > 1 ? t[1] : -1));
}

enum { X4, X2, Half, Quarter, X0 };

} // namespace

TEST(TypeChart, EveryPairAsInTheGamesTable)
{
    const std::vector<std::string> english = EnglishByIndex();
    ASSERT_EQ(facts::PortugueseTypes().size(), std::size_t(TypeCount));
    for (const std::string& en : english)
        ASSERT_FALSE(en.empty()) << "a type of the chart has no English name in the reference";
    ASSERT_EQ(facts::Load().typeChart.size(), 82u);

    int differing = 0;
    for (int a = 0; a < TypeCount; ++a)
        for (int d = 0; d < TypeCount; ++d) {
            const int halves = Effectiveness(a, d);
            differing += halves != Halves::Normal;
            EXPECT_DOUBLE_EQ(halves / 2.0, Reference(english[a], english[d]))
                << english[a] << " against " << english[d];
        }
    EXPECT_EQ(differing, 82);
    EXPECT_THROW(Effectiveness(TypeCount, 0), std::out_of_range);
    EXPECT_THROW(Effectiveness(0, -1), std::out_of_range);
}

TEST(TypeChart, FirstGenerationRules)
{
    const auto t = [](const char* utf8) { return TypeIndex(cp1252::fromUtf8(utf8)); };
    EXPECT_EQ(Effectiveness(t("Fantasma"), t("Psíquico")), Halves::None);
    EXPECT_EQ(Effectiveness(t("Inseto"), t("Veneno")), Halves::Double);
    EXPECT_EQ(Effectiveness(t("Veneno"), t("Inseto")), Halves::Double);
    EXPECT_EQ(Effectiveness(t("Gelo"), t("Fogo")), Halves::Normal);
    // No type of later games.
    EXPECT_EQ(TypeIndex("Sombrio"), -1);
    EXPECT_EQ(TypeIndex("Metal"), -1);
    EXPECT_EQ(TypeIndex("Fada"), -1);
}

TEST(TypeChart, TypesTextsParseOnlyAsOneOrTwoNames)
{
    using cp1252::fromUtf8;
    EXPECT_EQ(ParseTypes(fromUtf8("Grama / Veneno")), (std::vector<int>{3, 7}));
    EXPECT_EQ(ParseTypes(fromUtf8("Dragão")), (std::vector<int>{14}));
    for (const char* bad : {"", "Fogo /Voador", "Fogo / ", "Fogo / Voador / Gelo", "fogo", "Fire"})
        EXPECT_TRUE(ParseTypes(fromUtf8(bad)).empty()) << bad;
}

// Every entry's types are names of the one list, and its profile is what the
// reference table gives when both types' multipliers are applied in turn.
TEST(TypeChart, EveryEntrysProfileFromTheReference)
{
    const std::vector<std::string> english = EnglishByIndex();
    const double groupValue[ProfileGroupCount] = {4, 2, 0.5, 0.25, 0};
    for (int row = 0; row < Catalogue::RowCount; ++row) {
        const CatalogueEntry& e = Catalogue::Entry(row);
        const std::vector<int> types = ParseTypes(e.Types);
        ASSERT_FALSE(types.empty()) << toUtf8(e.Types) << " names no type of the chart (#" << e.Number << ")";
        std::array<std::vector<std::string>, ProfileGroupCount> expected;
        for (int a = 0; a < TypeCount; ++a) {
            double m = 1;
            for (int d : types)
                m *= Reference(english[a], english[d]);
            for (int g = 0; g < ProfileGroupCount; ++g)
                if (m == groupValue[g])
                    expected[g].push_back(toUtf8(TypeNames[a]));
        }
        const DefenceProfile p = ProfileOf(types[0], types.size() > 1 ? types[1] : -1);
        EXPECT_EQ(Groups(p), expected) << "#" << e.Number << " " << toUtf8(e.Name);
    }
}

TEST(TypeChart, ProfilesWhereTheFirstGenerationDiffers)
{
    using V = std::vector<std::string>;
    // Gengar: Fantasma / Veneno. Psíquico hits it double through Veneno,
    // Fantasma double through Fantasma; Inseto and Veneno cancel out.
    const auto gengar = GroupsOf(94);
    EXPECT_EQ(gengar[X4], V{});
    EXPECT_EQ(gengar[X2], (V{"Terra", "Psíquico", "Fantasma"}));
    EXPECT_EQ(gengar[Half], V{"Grama"});
    EXPECT_EQ(gengar[Quarter], V{"Veneno"});
    EXPECT_EQ(gengar[X0], (V{"Normal", "Lutador"}));
    // Bulbasaur: Grama / Veneno takes four times from Inseto (Inseto beats Veneno).
    EXPECT_EQ(GroupsOf(1)[X4], V{"Inseto"});
    EXPECT_EQ(GroupsOf(1)[Quarter], V{"Grama"});
    // Mew: Psíquico; Fantasma has no effect on it.
    EXPECT_EQ(GroupsOf(151)[X2], V{"Inseto"});
    EXPECT_EQ(GroupsOf(151)[X0], V{"Fantasma"});
    // Charizard: Fogo / Voador. Fogo does not resist Gelo here, so Gelo hits
    // double through Voador.
    const auto charizard = GroupsOf(6);
    EXPECT_EQ(charizard[X4], V{"Pedra"});
    EXPECT_EQ(charizard[X2], (V{"Água", "Elétrico", "Gelo"}));
    EXPECT_EQ(charizard[Half], (V{"Fogo", "Lutador"}));
    EXPECT_EQ(charizard[Quarter], (V{"Grama", "Inseto"}));
    EXPECT_EQ(charizard[X0], V{"Terra"});
}
