#include "forms/UnitCaptura.h"

#include "text/Cp1252.h"
#include "views/Selection.h"
#include "widgets/SysUtils.h"

using namespace cp1252::literals;

TFormCaptura* FormCaptura = nullptr;

void TFormCaptura::AfterDefinitionRead()
{
    ResultList->SetAccessibleName(std::string("Chance de captura por pokébola"_cp));
    ExactHp->SetAccessibleName("Energia exata");
    Level->SetAccessibleName(std::string("Nível"_cp));
    // The lines may be wider than the list: it scrolls sideways rather than cut them.
    ResultList->setUniformItemSizes(false);
    ResultList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TForm::AfterDefinitionRead();
    // On Linux a combo box is announced by the line it shows, not by its
    // name: the description says what it chooses.
    for (TComboBox* chooser : {CreatureChooser, HpChooser, StatusChooser})
        chooser->SetAccessibleDescription(FromQt(chooser->accessibleName()));
}

void TFormCaptura::FormCreate(TObject*)
{
    CreatureChooser->Items().Assign(CaptureView::CreatureLines());
    CreatureChooser->FindTyped = species::FindTyped;
    HpChooser->Items().Assign(CaptureView::HpLines());
    StatusChooser->Items().Assign(CaptureView::StatusLines());
    Level->SetText(view_.Level().Text);
    ExactHp->SetText(view_.ExactHp().Text);
    showView();
}

void TFormCaptura::FormShow(TObject*)
{
    if (const auto shown = ShownCreature().Creature()) {
        view_.ChooseCreature(*shown);
        showView();
    }
}

void TFormCaptura::CreatureChosen(TObject*)
{
    if (const auto c = species::Creature::FromNumber(CreatureChooser->ItemIndex()))
        view_.ChooseCreature(*c);
    showView();
}

void TFormCaptura::LevelTyped(TObject*)
{
    view_.TypeLevel(Level->Text());
    showView();
}

void TFormCaptura::HpChosen(TObject*)
{
    view_.ChooseHpLine(HpChooser->ItemIndex());
    showView();
}

void TFormCaptura::ExactHpTyped(TObject*)
{
    view_.TypeExactHp(ExactHp->Text());
    showView();
}

void TFormCaptura::StatusChosen(TObject*)
{
    view_.ChooseStatusLine(StatusChooser->ItemIndex());
    showView();
}

void TFormCaptura::CloseClicked(TObject*)
{
    Close();
}

void TFormCaptura::showView()
{
    CreatureChooser->SetItemIndex(view_.Creature().Number());
    HpChooser->SetItemIndex(view_.HpLine());
    StatusChooser->SetItemIndex(view_.StatusLine());
    ExactHp->SetEnabled(view_.ExactHpUsed());
    for (const auto& [label, field, note] :
         {std::tuple{LevelNote, Level, view_.LevelNote()}, std::tuple{ExactHpNote, ExactHp, view_.ExactHpNote()}}) {
        TFont f = label->Font();
        f.Color = note.Wrong ? clMaroon : clBlack;
        label->SetFont(f);
        label->SetCaption(note.Text);
        field->SetAccessibleDescription(note.Text);
    }
    ResultList->Items().Assign(view_.Lines());
}
