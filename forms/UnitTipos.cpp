#include "forms/UnitTipos.h"

#include "data/Species.h"
#include "views/Selection.h"

#include <QHeaderView>

TFormTipos* FormTipos = nullptr;

TEdit* TFormTipos::ProfileField(int group) const
{
    TEdit* const fields[] = {FourTimesAttackers, TwiceAttackers, HalfAttackers, QuarterAttackers, NoEffectAttackers};
    return group >= 0 && group < ProfileGroupCount ? fields[group] : nullptr;
}

TLabel* TFormTipos::ProfileLabel(int group) const
{
    TLabel* const labels[] = {FourTimesLabel, TwiceLabel, HalfLabel, QuarterLabel, NoEffectLabel};
    return group >= 0 && group < ProfileGroupCount ? labels[group] : nullptr;
}

void TFormTipos::AfterDefinitionRead()
{
    for (int g = 0; g < ProfileGroupCount; ++g)
        ProfileField(g)->SetAccessibleName(TypeChartView::GroupWords(g));
    ChartGrid->SetAccessibleName(TypeChartView::ChartWords());
    // A larger window gives the cells the room, never less than designed.
    for (QHeaderView* titles : {ChartGrid->horizontalHeader(), ChartGrid->verticalHeader()})
        titles->setSectionResizeMode(QHeaderView::Stretch);
    TForm::AfterDefinitionRead();
}

void TFormTipos::FormCreate(TObject*)
{
    CreatureChooser->Items().Assign(TypeChartView::ChooserLines());
    CreatureChooser->FindTyped = species::FindTyped;
    for (int g = 0; g < ProfileGroupCount; ++g)
        ProfileLabel(g)->SetCaption(TypeChartView::GroupSign(g));
    LegendLabel->SetCaption(TypeChartView::Legend());
    ChartGrid->SetCells([](int col, int row) {
        const TypeChartView::Cell cell = TypeChartView::ChartCell(col, row);
        TGridCell shown{cell.Text, cell.Words};
        if (cell.Colours) {
            const auto [background, text] = *cell.Colours;
            shown.Background = Rgb(background.Red, background.Green, background.Blue);
            shown.TextColor = Rgb(text.Red, text.Green, text.Blue);
        }
        return shown;
    });
    ChartGrid->SetCurrentCell(TypeChartView::FirstCol, TypeChartView::FirstRow);
}

void TFormTipos::FormShow(TObject*)
{
    view_.Open(ShownCreature().Creature());
    showCreature();
}

void TFormTipos::CreatureChosen(TObject*)
{
    if (const auto creature = species::Creature::FromNumber(CreatureChooser->ItemIndex())) {
        view_.Choose(*creature);
        showCreature();
    }
}

void TFormTipos::showCreature()
{
    CreatureChooser->SetItemIndex(view_.ChooserLine());
    TypesText->SetText(view_.TypesLine());
    ChartGrid->SetMarkedCols(view_.MarkedCols(), view_.MarkedWords());
    for (int g = 0; g < ProfileGroupCount; ++g)
        ProfileField(g)->SetText(view_.AttackersLine(g));
}

void TFormTipos::CloseClicked(TObject*)
{
    Close();
}
