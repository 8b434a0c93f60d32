// The type chart against the games' matchup table, pair by pair, every
// entry's defence profile against one worked out here from that table alone,
// and worked examples of what the first generation does its own way.
#include "../catalogue/FactTables.h"
#include "catalogue/Catalogue.h"
#include "data/TypeChart.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using cp1252::toUtf8;

// English name of each type, through the catalogue's names.
std::vector<std::string> EnglishByIndex()
{
    std::vector<std::string> english(TypeCount);
    for (const auto& [en, pt] : facts::PortugueseTypes())
        if (const std::optional<Type> t = TypeOf(cp1252::fromUtf8(pt)))
            english[Index(*t)] = en;
    return english;
}

double Reference(const std::string& attacker, const std::string& defender)
{
    const auto& chart = facts::Load().typeChart;
    const auto it = chart.find({attacker, defender});
    return it == chart.end() ? 1.0 : it->second;
}

std::vector<std::string> Names(const std::vector<Type>& types)
{
    std::vector<std::string> names;
    for (Type t : types)
        names.push_back(toUtf8(TypeName(t)));
    return names;
}

std::optional<Type> Second(const std::vector<Type>& types)
{
    return types.size() > 1 ? std::optional<Type>(types[1]) : std::nullopt;
}

Type T(const char* utf8)
{
    return TypeOf(cp1252::fromUtf8(utf8)).value();
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
    const std::vector<Type> t = ParseTypes(ByNumber(number).Types);
    return Groups(ProfileOf(t.at(0), Second(t)));
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
    for (Type a : AllTypes)
        for (Type d : AllTypes) {
            const int halves = Effectiveness(a, d);
            differing += halves != Halves::Neutral;
            EXPECT_DOUBLE_EQ(halves / 2.0, Reference(english[Index(a)], english[Index(d)]))
                << english[Index(a)] << " against " << english[Index(d)];
        }
    EXPECT_EQ(differing, 82);
    EXPECT_THROW(Effectiveness(static_cast<Type>(TypeCount), Type::Normal), std::out_of_range);
}

TEST(TypeChart, TypesTextsParseOnlyAsOneOrTwoNames)
{
    using cp1252::fromUtf8;
    EXPECT_EQ(ParseTypes(fromUtf8("Grama / Veneno")), (std::vector<Type>{Type::Grama, Type::Veneno}));
    EXPECT_EQ(ParseTypes(fromUtf8("Dragão")), (std::vector<Type>{Type::Dragao}));
    // No type of later games.
    for (const char* later : {"Sombrio", "Metal", "Fada"})
        EXPECT_FALSE(TypeOf(later)) << later;
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
        const std::vector<Type> types = ParseTypes(e.Types);
        ASSERT_FALSE(types.empty()) << toUtf8(e.Types) << " names no type of the chart (#" << e.Number << ")";
        std::array<std::vector<std::string>, ProfileGroupCount> expected;
        for (Type a : AllTypes) {
            double m = 1;
            for (Type d : types)
                m *= Reference(english[Index(a)], english[Index(d)]);
            for (int g = 0; g < ProfileGroupCount; ++g)
                if (m == groupValue[g])
                    expected[g].push_back(toUtf8(TypeName(a)));
        }
        const DefenceProfile p = ProfileOf(types[0], Second(types));
        EXPECT_EQ(Groups(p), expected) << "#" << e.Number << " " << toUtf8(e.Name);
    }
}

// Worked examples of where the first generation differs from later games,
// and of the texts the chart shows for each factor.
TEST(TypeChart, WorkedExamplesOfTheFirstGeneration)
{
    EXPECT_EQ(Effectiveness(T("Fantasma"), T("Psíquico")), Halves::None);
    EXPECT_EQ(Effectiveness(T("Inseto"), T("Veneno")), Halves::Double);
    EXPECT_EQ(Effectiveness(T("Veneno"), T("Inseto")), Halves::Double);
    EXPECT_EQ(Effectiveness(T("Gelo"), T("Fogo")), Halves::Neutral);
    EXPECT_EQ(toUtf8(ChartLegend()),
              "2 = o dobro do dano     ½ = metade do dano     0 = sem efeito     vazio = dano normal");
    EXPECT_EQ(toUtf8(EffectWords(Effectiveness(T("Fantasma"), T("Normal")))), "sem efeito");

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
