#include "forms/UnitTreinadores.h"

#include "text/Cp1252.h"
#include "views/CalculatorHandoff.h"
#include "views/Selection.h"
#include "views/TeamView.h"
#include "widgets/SysUtils.h"

#include <string>

using namespace cp1252::literals;

TFormTreinadores* FormTreinadores = nullptr;

void TFormTreinadores::AfterDefinitionRead()
{
    // A list is named by what it holds; its heading, which says whose, is
    // its description (a screen reader reads no label of a list).
    TrainersList->SetAccessibleName("Treinadores");
    PartyList->SetAccessibleName("Equipe do treinador escolhido");
    DefenderButton->SetAccessibleName(std::string("Calcular dano contra o pokémon escolhido da equipe"_cp));
    AttackerButton->SetAccessibleName(std::string("Calcular dano do pokémon escolhido da equipe, como atacante"_cp));
    TeamButton->SetAccessibleName("Minha equipe contra a equipe escolhida");
    // A party line is wider than the window: the lists scroll sideways
    // rather than cut it, each row as wide as its text.
    for (TListBox* list : {TrainersList, PartyList}) {
        list->setUniformItemSizes(false);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    TForm::AfterDefinitionRead();
    // On Linux a combo box is announced by the line it shows, not by its
    // name: the description says what it chooses.
    for (TComboBox* chooser : {PlaceChooser, BattleChooser, CreatureChooser, StarterChooser})
        chooser->SetAccessibleDescription(FromQt(chooser->accessibleName()));
}

void TFormTreinadores::FormCreate(TObject*)
{
    PlaceChooser->Items().Assign(view_.PlaceChooserLines());
    BattleChooser->Items().Assign(TrainersView::BattleChooserLines());
    CreatureChooser->Items().Assign(TrainersView::CreatureChooserLines());
    CreatureChooser->FindTyped = species::FindTyped;
    StarterChooser->Items().Assign(TrainersView::StarterChooserLines());
    LegendLabel->SetCaption(TrainersView::Legend());
    // The first opening lists the trainers of the creature on show, if any has it.
    if (const auto shown = ShownCreature().Creature()) {
        TrainersView byCreature = view_;
        byCreature.ChooseCreature(*shown);
        if (byCreature.Party())
            view_ = byCreature;
        else
            view_.FollowCreature(*shown);
    }
    showTrainers();
}

void TFormTreinadores::FormShow(TObject*)
{
    if (const auto shown = ShownCreature().Creature()) {
        view_.FollowCreature(*shown);
        showTrainers();
    }
}

void TFormTreinadores::PlaceChosen(TObject*)
{
    view_.ChoosePlaceLine(PlaceChooser->ItemIndex());
    showTrainers();
}

void TFormTreinadores::BattleChosen(TObject*)
{
    view_.ChooseBattleLine(BattleChooser->ItemIndex());
    showTrainers();
}

void TFormTreinadores::CreatureChosen(TObject*)
{
    view_.ChooseCreatureLine(CreatureChooser->ItemIndex());
    showTrainers();
}

void TFormTreinadores::StarterChosen(TObject*)
{
    view_.ChooseStarterLine(StarterChooser->ItemIndex());
    showTrainers();
}

void TFormTreinadores::TrainerChosen(TObject*)
{
    view_.ChooseTrainerLine(TrainersList->ItemIndex());
    showParty();
}

void TFormTreinadores::MemberChosen(TObject*)
{
    view_.ChooseMemberLine(PartyList->ItemIndex());
}

void TFormTreinadores::DamageAsDefenderClicked(TObject*)
{
    sendChosen(Combatant::Defender);
}

void TFormTreinadores::DamageAsAttackerClicked(TObject*)
{
    sendChosen(Combatant::Attacker);
}

void TFormTreinadores::AgainstTeamClicked(TObject*)
{
    if (const trainers::Party* p = view_.Party())
        ToTeam().Send(p);
}

void TFormTreinadores::CloseClicked(TObject*)
{
    Close();
}

void TFormTreinadores::ChoosePlace(encounters::Place p)
{
    view_.ChoosePlace(p);
    showTrainers();
}

void TFormTreinadores::showTrainers()
{
    PlaceChooser->SetItemIndex(view_.PlaceLine());
    BattleChooser->SetItemIndex(view_.BattleLine());
    CreatureChooser->SetItemIndex(view_.CreatureLine());
    StarterChooser->SetItemIndex(view_.StarterLine());
    TrainersHeading->SetCaption(view_.TrainersHeading());
    TrainersList->SetAccessibleDescription(view_.TrainersHeading());
    TrainersList->Items().Assign(view_.TrainerLines());
    TrainersList->SetItemIndex(view_.TrainerLine());
    showParty();
}

void TFormTreinadores::showParty()
{
    const std::string heading = view_.Party() ? view_.PartyHeading() : std::string("Equipe");
    PartyHeading->SetCaption(heading);
    PartyList->SetAccessibleDescription(heading);
    PartyList->Items().Assign(view_.MemberLines());
    PartyList->SetItemIndex(view_.MemberLine());
    DefenderButton->SetEnabled(view_.Party() != nullptr);
    AttackerButton->SetEnabled(view_.Party() != nullptr);
    TeamButton->SetEnabled(view_.Party() != nullptr);
}

void TFormTreinadores::sendChosen(Combatant who)
{
    if (const auto side = view_.ChosenSide(who))
        ToCalculator().Send(*side);
}
