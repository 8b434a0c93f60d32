#include "data/BaseStats.h"
#include "text/Cp1252.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

const std::map<std::string, GrowthRate> kGrowth = {{"Fast", GrowthRate::Fast},
                                                   {"Medium Fast", GrowthRate::MediumFast},
                                                   {"Medium Slow", GrowthRate::MediumSlow},
                                                   {"Slow", GrowthRate::Slow}};

Type TypeOfEnglish(const std::string& english)
{
    const std::optional<Type> t = TypeOf(cp1252::fromUtf8(facts::PortugueseTypes().at(english)));
    EXPECT_TRUE(t) << english;
    return t.value_or(Type::Normal);
}

} // namespace

TEST(BaseStats, EveryRowIsTheGames)
{
    const auto rows = facts::ReadTable("species.csv");
    ASSERT_EQ(rows.size(), std::size_t(SpeciesCount));
    ASSERT_EQ(BaseStatsTable.size(), std::size_t(SpeciesCount));
    const char* columns[StatCount] = {"base_hp", "base_attack", "base_defense", "base_speed", "base_special"};
    for (const auto& row : rows) {
        const int number = std::stoi(row.at("dex_number"));
        const SpeciesStats& s = BaseStatsOf(number);
        const std::string what = "#" + std::to_string(number) + " " + row.at("name");
        for (int i = 0; i < StatCount; ++i)
            EXPECT_EQ(s.BaseOf(static_cast<Stat>(i)), std::stoi(row.at(columns[i]))) << what << " " << columns[i];
        EXPECT_EQ(s.CatchRate, std::stoi(row.at("catch_rate"))) << what;
        EXPECT_EQ(s.BaseExp, std::stoi(row.at("base_exp"))) << what;
        EXPECT_EQ(s.Growth, kGrowth.at(row.at("growth_rate"))) << what;
        EXPECT_EQ(s.Type1, TypeOfEnglish(row.at("type1"))) << what;
        // One type is held twice, as the games store it.
        const std::string& second = row.at("type2");
        EXPECT_EQ(s.Type2, second.empty() ? s.Type1 : TypeOfEnglish(second)) << what;
        EXPECT_EQ(s.SingleType(), second.empty()) << what;
    }
}

TEST(BaseStats, NumbersOutsideTheListAreRefused)
{
    EXPECT_THROW(BaseStatsOf(0), std::out_of_range);
    EXPECT_THROW(BaseStatsOf(152), std::out_of_range);
    EXPECT_EQ(&BaseStatsOf(151), &BaseStatsTable.back());
}

TEST(BaseStats, StatNamesArePortuguese)
{
    using namespace cp1252::literals;
    EXPECT_EQ(StatName(Stat::Hp), "Energia"_cp);
    EXPECT_EQ(StatName(Stat::Attack), "Ataque"_cp);
    EXPECT_EQ(StatName(Stat::Defense), "Defesa"_cp);
    EXPECT_EQ(StatName(Stat::Speed), "Velocidade"_cp);
    EXPECT_EQ(StatName(Stat::Special), "Especial"_cp);
}
