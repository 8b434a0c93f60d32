#include "forms/UnitTipos.h"

#include "catalogue/Catalogue.h"
#include "data/Species.h"
#include "data/TypeChart.h"
#include "text/Cp1252.h"
#include "views/Selection.h"

#include <QHeaderView>

#include <algorithm>
#include <string>
#include <vector>

using namespace cp1252::literals;

TFormTipos* FormTipos = nullptr;

const FormClass& TFormTipos::StaticFormClass()
{
    static const FormClass info = FormTable<TFormTipos>()
                                      .Field("Label1", &TFormTipos::Label1)
                                      .Field("ComboBox1", &TFormTipos::ComboBox1)
                                      .Field("Label2", &TFormTipos::Label2)
                                      .Field("Edit1", &TFormTipos::Edit1)
                                      .Field("GroupBox1", &TFormTipos::GroupBox1)
                                      .Field("Label3", &TFormTipos::Label3)
                                      .Field("Label4", &TFormTipos::Label4)
                                      .Field("Label5", &TFormTipos::Label5)
                                      .Field("Label6", &TFormTipos::Label6)
                                      .Field("Label7", &TFormTipos::Label7)
                                      .Field("Edit2", &TFormTipos::Edit2)
                                      .Field("Edit3", &TFormTipos::Edit3)
                                      .Field("Edit4", &TFormTipos::Edit4)
                                      .Field("Edit5", &TFormTipos::Edit5)
                                      .Field("Edit6", &TFormTipos::Edit6)
                                      .Field("Label8", &TFormTipos::Label8)
                                      .Field("StringGrid1", &TFormTipos::StringGrid1)
                                      .Field("Label9", &TFormTipos::Label9)
                                      .Field("Button1", &TFormTipos::Button1)
                                      .Handler("FormCreate", &TFormTipos::FormCreate)
                                      .Handler("FormShow", &TFormTipos::FormShow)
                                      .Handler("ComboBox1Click", &TFormTipos::ComboBox1Click)
                                      .Handler("Button1Click", &TFormTipos::Button1Click)
                                      .Build("TFormTipos", ":/forms/UnitTipos.form");
    return info;
}

// Green for double, red for half, near-black for no effect, as the guides
// colour them; each text colour keeps a contrast of at least 4.5:1 on its
// background. A normal hit keeps the grid's own colours and shows nothing.
CellColors ChartCellColors(int halves)
{
    switch (halves) {
    case Halves::Double: return {Rgb(76, 175, 80), clBlack};
    case Halves::Half: return {Rgb(198, 40, 40), clWhite};
    default: return {Rgb(48, 48, 48), clWhite};
    }
}

TEdit* TFormTipos::ProfileField(int group) const
{
    TEdit* const fields[] = {Edit2, Edit3, Edit4, Edit5, Edit6};
    return group >= 0 && group < ProfileGroupCount ? fields[group] : nullptr;
}

void TFormTipos::AfterDefinitionRead()
{
    // The fields are said by what their group means, not by the sign beside
    // them ("×½" is no word).
    for (int g = 0; g < ProfileGroupCount; ++g)
        ProfileField(g)->SetAccessibleName(std::string(ProfileGroups[static_cast<std::size_t>(g)].Words));
    StringGrid1->SetAccessibleName(std::string("Tabela de tipos: ataque nas linhas, defesa nas colunas"));
    // A larger window gives the cells the room, never less than designed.
    for (QHeaderView* titles : {StringGrid1->horizontalHeader(), StringGrid1->verticalHeader()})
        titles->setSectionResizeMode(QHeaderView::Stretch);
    TForm::AfterDefinitionRead();
}

void TFormTipos::FormCreate(TObject*)
{
    ComboBox1->Items().Assign(species::ChooserLines());
    ComboBox1->FindTyped = species::FindTyped;
    TLabel* const groupLabels[] = {Label3, Label4, Label5, Label6, Label7};
    for (std::size_t g = 0; g < ProfileGroups.size(); ++g)
        groupLabels[g]->SetCaption(std::string(ProfileGroups[g].Label));
    Label9->SetCaption(ChartLegend());

    // Attack in the rows, defence in the columns; the titles are the types.
    StringGrid1->SetCells([](int col, int row) {
        TGridCell cell;
        if (row == 0 || col == 0) {
            cell.Text = std::string(TypeName(AllTypes[static_cast<std::size_t>(std::max(col, row) - 1)]));
            return cell;
        }
        const Type attack = AllTypes[static_cast<std::size_t>(row - 1)];
        const Type defence = AllTypes[static_cast<std::size_t>(col - 1)];
        const int halves = Effectiveness(attack, defence);
        cell.Text = std::string(EffectSymbol(halves));
        cell.Hint = std::string(TypeName(attack)) + " contra " + std::string(TypeName(defence)) + ": " +
                    std::string(EffectWords(halves));
        if (halves != Halves::Neutral) {
            const CellColors colors = ChartCellColors(halves);
            cell.Background = colors.Background;
            cell.TextColor = colors.Text;
        }
        return cell;
    });
    StringGrid1->SetCurrentCell(1, 1);
}

void TFormTipos::FormShow(TObject*)
{
    // The creature the main window shows, or the first one.
    const auto shown = ShownCreature().Creature();
    ShowProfile(shown ? shown->Number() : 1);
}

void TFormTipos::ComboBox1Click(TObject*)
{
    ShowProfile(ComboBox1->ItemIndex());
}

void TFormTipos::ShowProfile(int number)
{
    const int row = Catalogue::RowOfNumber(number);
    if (row < 0)
        return;
    ComboBox1->SetItemIndex(number);
    const CatalogueEntry& entry = Catalogue::Entry(row);
    Edit1->SetText(std::string(entry.Types));
    const std::vector<Type> types = ParseTypes(entry.Types);
    std::vector<int> columns;
    for (Type t : types)
        columns.push_back(static_cast<int>(Index(t)) + 1);
    StringGrid1->SetMarkedCols(columns, "Tipo de " + species::ChooserLine(number));
    const DefenceProfile profile =
        types.empty() ? DefenceProfile{}
                      : ProfileOf(types[0], types.size() > 1 ? std::optional<Type>(types[1]) : std::nullopt);
    for (int g = 0; g < ProfileGroupCount; ++g) {
        std::string text;
        for (Type t : profile.Attackers[static_cast<std::size_t>(g)])
            text += (text.empty() ? "" : ", ") + std::string(TypeName(t));
        ProfileField(g)->SetText(text.empty() ? std::string("nenhum") : text);
    }
}

void TFormTipos::Button1Click(TObject*)
{
    Close();
}
