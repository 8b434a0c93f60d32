// FormEquipe: the user's own team of up to six, kept between runs; its
// weaknesses and its moves' coverage; and the team against a trainer's
// party, each of their creatures against each of mine, a pair opened in the
// calculator. A surface over TeamView (and TeamProfile): each handler hands
// a control's line or text to the view and writes the view's lines back;
// every change of the team is saved at once. A tool window, created the
// first time its menu item runs; closing hides it for the next time.
#pragma once

#include "forms/UnitEquipe.controls.h"
#include "views/TeamView.h"
#include "widgets/Form.h"

#include <array>
#include <string>

class TFormEquipe : public TFormOf<TFormEquipe, TFormEquipeControls> {
public:
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void MemberChosen(TObject* Sender);
    void AddClicked(TObject* Sender);
    void RemoveClicked(TObject* Sender);
    void CreatureChosen(TObject* Sender);
    void LevelTyped(TObject* Sender);
    void DvTyped(TObject* Sender);
    void StatExpTyped(TObject* Sender);
    void MoveChosen(TObject* Sender);
    void PlaceChosen(TObject* Sender);
    void TrainerChosen(TObject* Sender);
    void BattleChosen(TObject* Sender);
    void StarterChosen(TObject* Sender);
    void MatchupChosen(TObject* Sender);
    void CalculatorClicked(TObject* Sender);
    void CloseClicked(TObject* Sender);

    // Where the team is kept: the desktop's data folder, "Fauneta/equipe.txt".
    static std::string TeamFile();
    const TeamView& View() const { return view_; }

protected:
    void AfterDefinitionRead() override;

private:
    std::array<TEdit*, 4> dvFields() const { return {DvAttack, DvDefense, DvSpeed, DvSpecial}; }
    std::array<TComboBox*, 4> moveChoosers() const { return {Move1, Move2, Move3, Move4}; }
    // Writes the team, the member's fields and every part that follows from
    // the team; saves the team when it changed.
    void showTeam();
    void showMember();
    void showMoves();
    void showNotes();
    void showProfile();
    void showOpponents();
    void showAgainst();
    void saveIfChanged();

    TeamView view_;
    std::vector<TeamView::Matchup> matchups_;
    std::vector<std::string> profileCaptions_; // the profile table's, as last set
    unsigned saved_ = 0;
    std::string loadProblem_; // said once, as the window first shows
};

extern TFormEquipe* FormEquipe;
