// The type chart's view: the grid's cells (symbol, colours, words), the
// profile of the creature on show as it opens and as another is chosen, and
// the words said for what has no words of its own.
#include "views/TypeChartView.h"

#include "catalogue/Catalogue.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace cp1252::literals;
using Cell = TypeChartView::Cell;

species::Creature N(int number)
{
    return species::Creature::FromNumber(number).value();
}

constexpr int normal = 1, fogo = 2, agua = 3, grama = 4, veneno = 8, terra = 9, psiquico = 11, pedra = 13,
              fantasma = 14;

TEST(TypeChartView, CellsShowTheFactorColourItAndSayItInWords)
{
    // Titles: the types, attack down the rows, defence along the columns.
    EXPECT_EQ(TypeChartView::ChartCell(grama, 0).Text, "Grama");
    EXPECT_EQ(TypeChartView::ChartCell(0, fogo).Text, "Fogo");
    EXPECT_EQ(TypeChartView::ChartCell(0, TypeChartView::GridSide - 1).Text, "Dragão"_cp);
    EXPECT_EQ(TypeChartView::ChartCell(0, 0).Text, "");
    for (const Cell& title : {TypeChartView::ChartCell(grama, 0), TypeChartView::ChartCell(0, fogo)}) {
        EXPECT_EQ(title.Words, "") << title.Text << " is said by its text";
        EXPECT_FALSE(title.Colours.has_value()) << title.Text;
    }

    EXPECT_EQ(TypeChartView::ChartCell(grama, fogo).Text, "2");
    EXPECT_EQ(TypeChartView::ChartCell(agua, fogo).Text, "½"_cp);
    EXPECT_EQ(TypeChartView::ChartCell(fantasma, normal).Text, "0");
    EXPECT_EQ(TypeChartView::ChartCell(normal, normal).Text, "");
    EXPECT_EQ(TypeChartView::ChartCell(psiquico, fantasma).Text, "0"); // the first generation's own
    EXPECT_EQ(TypeChartView::ChartCell(grama, fogo).Words, "Fogo contra Grama: 2 vezes");
    EXPECT_EQ(TypeChartView::ChartCell(agua, fogo).Words, "Fogo contra Água: metade"_cp);
    EXPECT_EQ(TypeChartView::ChartCell(psiquico, fantasma).Words, "Fantasma contra Psíquico: sem efeito"_cp);
    EXPECT_EQ(TypeChartView::ChartCell(normal, normal).Words, "Normal contra Normal: 1 vez");

    // Coloured are exactly the pairs of the games' matchup table, and each
    // symbol has colours of its own, its text apart from its background.
    std::set<std::pair<int, int>> matchups;
    for (const ChartRow& r : ChartRows)
        matchups.insert({static_cast<int>(Index(r.Defender)) + 1, static_cast<int>(Index(r.Attacker)) + 1});
    std::map<std::string, TypeChartView::CellColours> bySymbol;
    for (int row = 1; row < TypeChartView::GridSide; ++row)
        for (int col = 1; col < TypeChartView::GridSide; ++col) {
            const Cell cell = TypeChartView::ChartCell(col, row);
            EXPECT_EQ(cell.Colours.has_value(), matchups.count({col, row}) == 1) << cell.Words;
            EXPECT_EQ(cell.Colours.has_value(), !cell.Text.empty()) << cell.Words;
            if (!cell.Colours)
                continue;
            EXPECT_NE(cell.Colours->Background, cell.Colours->Text) << cell.Words;
            const auto [kept, first] = bySymbol.emplace(cell.Text, *cell.Colours);
            EXPECT_EQ(kept->second, *cell.Colours) << cell.Words;
        }
    ASSERT_EQ(bySymbol.size(), 3u);
    EXPECT_NE(bySymbol["2"].Background, bySymbol[std::string("½"_cp)].Background);
    EXPECT_NE(bySymbol["2"].Background, bySymbol["0"].Background);
    EXPECT_NE(bySymbol[std::string("½"_cp)].Background, bySymbol["0"].Background);

    for (const auto& [col, row] : std::vector<std::pair<int, int>>{{-1, 1}, {1, -1}, {16, 1}, {1, 16}})
        EXPECT_THROW(TypeChartView::ChartCell(col, row), std::out_of_range) << col << ", " << row;

    // What has no words of its own is said in words.
    EXPECT_EQ(TypeChartView::ChartWords(), "Tabela de tipos: ataque nas linhas, defesa nas colunas");
    EXPECT_EQ(TypeChartView::GroupSign(0), "×4"_cp);
    EXPECT_EQ(TypeChartView::GroupWords(0), "4 vezes");
    EXPECT_EQ(TypeChartView::GroupSign(2), "×½"_cp);
    EXPECT_EQ(TypeChartView::GroupWords(2), "metade");
    EXPECT_EQ(TypeChartView::GroupWords(4), "sem efeito");
    EXPECT_THROW(TypeChartView::GroupSign(-1), std::out_of_range);
    EXPECT_THROW(TypeChartView::GroupWords(ProfileGroupCount), std::out_of_range);
}

TEST(TypeChartView, OpensOnTheShownCreatureOrTheFirstAndShowsTheOneChosen)
{
    TypeChartView view;
    const auto lines = [&view] {
        std::vector<std::string> out;
        for (int g = 0; g < ProfileGroupCount; ++g)
            out.push_back(view.AttackersLine(g));
        return out;
    };
    using Lines = std::vector<std::string>;

    view.Open(std::nullopt);
    EXPECT_EQ(view.Creature(), N(1));
    EXPECT_EQ(view.ChooserLine(), 1);
    EXPECT_EQ(view.TypesLine(), "Grama / Veneno");
    EXPECT_EQ(view.AttackersLine(0), "Inseto");

    view.Open(N(94));
    EXPECT_EQ(view.ChooserLine(), 94);
    EXPECT_EQ(view.TypesLine(), "Fantasma / Veneno");
    EXPECT_EQ(lines(),
              (Lines{"nenhum", std::string("Terra, Psíquico, Fantasma"_cp), "Grama", "Veneno", "Normal, Lutador"}));
    EXPECT_EQ(view.MarkedCols(), (std::vector<int>{fantasma, veneno}));
    EXPECT_EQ(view.MarkedWords(), "Tipo de #094 - Gengar");

    view.Choose(N(95));
    EXPECT_EQ(view.Creature(), N(95));
    EXPECT_EQ(view.TypesLine(), "Pedra / Terra");
    EXPECT_EQ(view.AttackersLine(0), "Água, Grama"_cp);
    EXPECT_EQ(view.MarkedCols(), (std::vector<int>{pedra, terra}));
    EXPECT_EQ(view.MarkedWords(), "Tipo de #095 - Onix");

    view.Choose(N(4)); // one type; ice is no weaker against fire in these games
    EXPECT_EQ(view.MarkedCols(), (std::vector<int>{fogo}));
    EXPECT_EQ(lines(),
              (Lines{"nenhum", std::string("Água, Terra, Pedra"_cp), "Fogo, Grama, Inseto", "nenhum", "nenhum"}));

    // Each opening starts anew from what the main window shows.
    view.Open(std::nullopt);
    EXPECT_EQ(view.Creature(), N(1));
    EXPECT_THROW(view.AttackersLine(-1), std::out_of_range);
    EXPECT_THROW(view.AttackersLine(ProfileGroupCount), std::out_of_range);
}

TEST(TypeChartView, EveryCreaturesMarksAreTheColumnsOfItsTypes)
{
    const std::vector<std::string> chooser = TypeChartView::ChooserLines();
    ASSERT_EQ(chooser.size(), static_cast<std::size_t>(Catalogue::RowCount));
    TypeChartView view;
    for (int n = 0; n <= species::Creature::Highest; ++n) {
        view.Choose(N(n));
        EXPECT_EQ(chooser[static_cast<std::size_t>(view.ChooserLine())], species::ChooserLine(n));
        std::string titles;
        for (int col : view.MarkedCols())
            titles += (titles.empty() ? "" : " / ") + TypeChartView::ChartCell(col, 0).Text;
        EXPECT_EQ(titles, view.TypesLine()) << chooser[static_cast<std::size_t>(n)];
    }
}

} // namespace
