#include "views/TypeChartView.h"

#include "catalogue/Catalogue.h"

#include <algorithm>
#include <stdexcept>

namespace {

// Green for double, red for half, near-black for no effect, as the guides
// colour them; each text keeps a contrast of at least 4.5:1 on its
// background.
std::optional<TypeChartView::CellColours> ColoursOf(int halves)
{
    constexpr TypeChartView::Colour black{0, 0, 0}, white{255, 255, 255};
    switch (halves) {
    case Halves::Double: return TypeChartView::CellColours{{76, 175, 80}, black};
    case Halves::Half: return TypeChartView::CellColours{{198, 40, 40}, white};
    case Halves::None: return TypeChartView::CellColours{{48, 48, 48}, white};
    default: return std::nullopt;
    }
}

std::size_t GroupIndex(int group)
{
    if (group < 0 || group >= ProfileGroupCount)
        throw std::out_of_range("profile group " + std::to_string(group));
    return static_cast<std::size_t>(group);
}

const CatalogueEntry& EntryOf(species::Creature c)
{
    return Catalogue::Entry(Catalogue::RowOfNumber(c.Number()));
}

} // namespace

TypeChartView::Cell TypeChartView::ChartCell(int col, int row)
{
    if (col < 0 || col >= GridSide || row < 0 || row >= GridSide)
        throw std::out_of_range("chart cell " + std::to_string(col) + ", " + std::to_string(row));
    Cell cell;
    if (row == 0 && col == 0)
        return cell; // the corner, above the attacking types, names none
    if (row == 0 || col == 0) {
        cell.Text = std::string(TypeName(AllTypes[static_cast<std::size_t>(std::max(col, row) - 1)]));
        return cell;
    }
    const Type attack = AllTypes[static_cast<std::size_t>(row - 1)];
    const Type defence = AllTypes[static_cast<std::size_t>(col - 1)];
    const int halves = Effectiveness(attack, defence);
    cell.Text = std::string(EffectSymbol(halves));
    cell.Words = std::string(TypeName(attack)) + " contra " + std::string(TypeName(defence)) + ": " +
                 std::string(EffectWords(halves));
    cell.Colours = ColoursOf(halves);
    return cell;
}

std::string TypeChartView::ChartWords()
{
    return "Tabela de tipos: ataque nas linhas, defesa nas colunas";
}

std::string TypeChartView::Legend()
{
    return ChartLegend();
}

std::string TypeChartView::GroupSign(int group)
{
    return std::string(ProfileGroups[GroupIndex(group)].Label);
}

std::string TypeChartView::GroupWords(int group)
{
    return std::string(ProfileGroups[GroupIndex(group)].Words);
}

std::vector<std::string> TypeChartView::ChooserLines()
{
    return species::ChooserLines();
}

TypeChartView::TypeChartView() : creature_(*species::Creature::FromNumber(1))
{
    Choose(creature_);
}

void TypeChartView::Open(std::optional<species::Creature> shown)
{
    Choose(shown.value_or(*species::Creature::FromNumber(1)));
}

void TypeChartView::Choose(species::Creature creature)
{
    creature_ = creature;
    types_ = ParseTypes(EntryOf(creature).Types);
    profile_ = types_.empty() ? DefenceProfile{}
                              : ProfileOf(types_[0], types_.size() > 1 ? std::optional<Type>(types_[1]) : std::nullopt);
}

std::string TypeChartView::TypesLine() const
{
    return std::string(EntryOf(creature_).Types);
}

std::string TypeChartView::AttackersLine(int group) const
{
    std::string line;
    for (Type t : profile_.Attackers[GroupIndex(group)])
        line += (line.empty() ? "" : ", ") + std::string(TypeName(t));
    return line.empty() ? std::string("nenhum") : line;
}

std::vector<int> TypeChartView::MarkedCols() const
{
    std::vector<int> cols;
    for (Type t : types_)
        cols.push_back(static_cast<int>(Index(t)) + 1);
    return cols;
}

std::string TypeChartView::MarkedWords() const
{
    return "Tipo de " + species::ChooserLine(creature_.Number());
}
