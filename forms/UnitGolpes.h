// FormGolpes: the moves of the games two ways in. By move: a table of the
// moves, filtered by name and type and sorted by any column; the chosen
// move's details and a table of who learns it, and how. By creature: a table
// of its moves by level and by TM or HM; choosing a row shows that move.
// A tool window, created the first time its menu item runs; each opening
// starts from the creature the main window shows, with the filters cleared.
// What it shows and does is MovesView's; the window hands each control's
// value to the view and writes the view's texts back.
#pragma once

#include "forms/UnitGolpes.controls.h"
#include "views/MovesView.h"
#include "widgets/Form.h"

class TFormGolpes : public TFormOf<TFormGolpes, TFormGolpesControls> {
public:
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void NameTyped(TObject* Sender);
    void TypeChosen(TObject* Sender);
    void MoveChosen(TObject* Sender);
    void LearnerChosen(TObject* Sender);
    void CreatureChosen(TObject* Sender);
    void CreatureMoveChosen(TObject* Sender);

    const MovesView& View() const { return view_; }
    // Shows a move and chooses its row, clearing the filters first when
    // they hide it.
    void ChooseMove(MovesView::Move move);
    // Shows a creature's moves below.
    void ChooseCreature(species::Creature creature);

protected:
    void AfterDefinitionRead() override;

private:
    // Tells the view the order the moves table shows: the first move shown
    // replaces one the filters hide.
    void FollowSortOrder();
    // Writes what changed in the view to the controls.
    void ShowView();
    void ShowMovesTable();
    void ShowMove();
    void ShowCreature();

    MovesView view_;
    // The generation of each table's rows the controls hold.
    unsigned movesShown_ = 0, learnersShown_ = 0, creatureShown_ = 0;
    // The designed heights of the two parts and where the lower one starts.
    int designedAbove_ = 0;
    int designedBelowTop_ = 0;
    int designedBelow_ = 0;
};

extern TFormGolpes* FormGolpes;
