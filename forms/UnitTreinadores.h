// FormTreinadores: who the player fights in Red and Blue. Trainers by place,
// by big battle and by creature, the rival's parties for the starter the
// player chose; the chosen trainer's party with levels, moves and stats; a
// creature of it sent to the damage calculator. A surface over TrainersView:
// each handler hands a chooser's or a list's line to the view and writes the
// view's lines back. A tool window, created the first time its menu item
// runs; closing hides it for the next time.
#pragma once

#include "data/Encounters.h"
#include "data/Species.h"
#include "forms/UnitTreinadores.controls.h"
#include "views/TrainersView.h"
#include "widgets/Form.h"

class TFormTreinadores : public TFormOf<TFormTreinadores, TFormTreinadoresControls> {
public:
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void PlaceChosen(TObject* Sender);
    void BattleChosen(TObject* Sender);
    void CreatureChosen(TObject* Sender);
    void StarterChosen(TObject* Sender);
    void TrainerChosen(TObject* Sender);
    void MemberChosen(TObject* Sender);
    void DamageAsDefenderClicked(TObject* Sender);
    void DamageAsAttackerClicked(TObject* Sender);
    void AgainstTeamClicked(TObject* Sender);
    void CloseClicked(TObject* Sender);

    // Lists a place of View().Places(), as if chosen.
    void ChoosePlace(encounters::Place p);
    const TrainersView& View() const { return view_; }

protected:
    void AfterDefinitionRead() override;

private:
    // Writes the view's lists and choices back into the controls.
    void showTrainers();
    void showParty();
    void sendChosen(Combatant who);

    TrainersView view_;
};

extern TFormTreinadores* FormTreinadores;
