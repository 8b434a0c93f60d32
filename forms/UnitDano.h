// FormDano: the damage calculator. Two sides, attacker and defender, each a
// creature with its level, DVs, stat experience and stat stages and the five
// stats they give (so it is the stat calculator too); a move, the attacker's
// own first; what one use does, said in one text box that follows every
// change; and every move of the attacker's own ranked against the defender,
// a line chosen there choosing the move. A value out of range is refused beside its field and at the top
// of the result, which keeps the last valid figures marked as such; the
// stats of that side show no value meanwhile. What it holds and says is its
// view's (views/DamageView); the window hands each change to the view and
// shows what the view then says. Created the first time its menu item runs;
// closing hides it for the next time.
#pragma once

#include "forms/UnitDano.controls.h"
#include "views/DamageView.h"
#include "widgets/Form.h"

#include <array>
#include <string>
#include <vector>

class TFormDano : public TFormOf<TFormDano, TFormDanoControls> {
public:
    // The attacker's group.
    // The defender's group, laid out the same way.
    // The move and the result.

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void AttackerChosen(TObject* Sender);
    void DefenderChosen(TObject* Sender);
    void MoveChosen(TObject* Sender);
    void RankedMoveChosen(TObject* Sender);
    void LevelTyped(TObject* Sender);
    void DvTyped(TObject* Sender);
    void StatExpTyped(TObject* Sender);
    void StatExpMaxClicked(TObject* Sender);
    void StageChosen(TObject* Sender);
    void BurnTicked(TObject* Sender);
    void ReflectTicked(TObject* Sender);
    void LightScreenTicked(TObject* Sender);

    // The controls of one side.
    struct SideControls {
        TComboBox* Creature;
        TEdit* Level;
        TLabel* LevelNote;
        TEdit* HpDv;
        std::array<TEdit*, 4> Dv; // by DamageView::FieldStats
        std::array<TComboBox*, 4> Stage;
        TLabel* DvNote;
        TEdit* StatExp;
        TButton* StatExpMax;
        TLabel* StatExpNote;
        TEdit* Stats;
    };
    SideControls Controls(Combatant who) const;

    const DamageView& View() const { return view_; }
    // Shows creature #`number` on a side (#000 stands as #001, which has
    // stats); a number outside 0..151 does nothing.
    void ChooseAttacker(int number);
    void ChooseDefender(int number);
    // Chooses a move (row in MoveTable).
    void ChooseMove(int move);
    // Puts a side another window handed over in the fields.
    void TakeSide(const HandedSide& side);

protected:
    void AfterDefinitionRead() override;

private:
    // The side whose control `sender` is, and the control's place among the
    // side's DVs or stages (-1 elsewhere).
    std::pair<Combatant, int> whose(TObject* sender) const;
    void choose(Combatant who, int number);
    void showMoves();
    // Writes what the view says into the notes, the derived fields and the result.
    void showView();

    DamageView view_;
    std::string shownResult_;
    std::vector<std::string> shownRanking_;
};

extern TFormDano* FormDano;
