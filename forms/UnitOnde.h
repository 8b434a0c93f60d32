// FormOnde: where to find each creature and each item in the Red and Blue
// games, by creature, by item and by place (a place's creatures, narrowed to
// one version or not, then its items and its trainers). A surface over
// WhereToFindView: each handler hands a chooser's line to the view and
// writes the view's lines back. A tool window, created the first time its
// menu item runs; closing hides it for the next time.
#pragma once

#include "data/Encounters.h"
#include "data/Species.h"
#include "forms/UnitOnde.controls.h"
#include "views/WhereToFindView.h"
#include "widgets/Form.h"

class TFormOnde : public TFormOf<TFormOnde, TFormOndeControls> {
public:
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void VersionChosen(TObject* Sender);
    void CreatureChosen(TObject* Sender);
    void ItemChosen(TObject* Sender);
    void PlaceChosen(TObject* Sender);
    void CloseClicked(TObject* Sender);

    // Shows a creature in the creature part, as if chosen.
    void ChooseCreature(species::Creature c);
    // Shows a place of View().Places() in the place part, as if chosen.
    void ChoosePlace(encounters::Place p);
    const WhereToFindView& View() const { return view_; }

protected:
    void AfterDefinitionRead() override;

private:
    void ShowCreature();
    void ShowItem();
    void ShowPlace();

    WhereToFindView view_;
};

extern TFormOnde* FormOnde;
