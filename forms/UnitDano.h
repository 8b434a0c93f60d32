// FormDano: the damage calculator. Two sides, attacker and defender, each a
// creature with its level, DVs, stat experience and stat stages and the five
// stats they give (so it is the stat calculator too); a move, the attacker's
// own first; and what one use does, said in one text box that follows every
// change. A value out of range is refused beside its field and at the top
// of the result, which keeps the last valid figures marked as such; the
// stats of that side show no value meanwhile. Created the first time its
// menu item runs; closing hides it for the next time.
#pragma once

#include "data/Battle.h"
#include "widgets/Button.h"
#include "widgets/CheckBox.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/RichEdit.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class TFormDano : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    // The attacker's group.
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TComboBox* ComboBox1 = nullptr; // creature
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;   // level
    TLabel* Label3 = nullptr; // level range, or what is wrong with it
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TEdit* Edit2 = nullptr; // the HP DV, derived
    TEdit* Edit3 = nullptr; // DVs: Attack, Defense, Speed, Special
    TEdit* Edit4 = nullptr;
    TEdit* Edit5 = nullptr;
    TEdit* Edit6 = nullptr;
    TLabel* Label10 = nullptr;
    TComboBox* ComboBox2 = nullptr; // stages: Attack, Defense, Speed, Special
    TComboBox* ComboBox3 = nullptr;
    TComboBox* ComboBox4 = nullptr;
    TComboBox* ComboBox5 = nullptr;
    TLabel* Label11 = nullptr; // DV range, or which DV is wrong
    TLabel* Label12 = nullptr;
    TEdit* Edit7 = nullptr; // stat experience
    TButton* Button1 = nullptr;
    TLabel* Label13 = nullptr;      // stat experience range, or what is wrong with it
    TCheckBox* CheckBox1 = nullptr; // burned
    TEdit* Edit8 = nullptr;         // the five stats
    // The defender's group, laid out the same way.
    TGroupBox* GroupBox2 = nullptr;
    TLabel* Label14 = nullptr;
    TComboBox* ComboBox6 = nullptr;
    TLabel* Label15 = nullptr;
    TEdit* Edit9 = nullptr;
    TLabel* Label16 = nullptr;
    TLabel* Label17 = nullptr;
    TLabel* Label18 = nullptr;
    TLabel* Label19 = nullptr;
    TLabel* Label20 = nullptr;
    TLabel* Label21 = nullptr;
    TLabel* Label22 = nullptr;
    TEdit* Edit10 = nullptr;
    TEdit* Edit11 = nullptr;
    TEdit* Edit12 = nullptr;
    TEdit* Edit13 = nullptr;
    TEdit* Edit14 = nullptr;
    TLabel* Label23 = nullptr;
    TComboBox* ComboBox7 = nullptr;
    TComboBox* ComboBox8 = nullptr;
    TComboBox* ComboBox9 = nullptr;
    TComboBox* ComboBox10 = nullptr;
    TLabel* Label24 = nullptr;
    TLabel* Label25 = nullptr;
    TEdit* Edit15 = nullptr;
    TButton* Button2 = nullptr;
    TLabel* Label26 = nullptr;
    TCheckBox* CheckBox2 = nullptr; // Reflect
    TCheckBox* CheckBox3 = nullptr; // Light Screen
    TEdit* Edit16 = nullptr;
    // The move and the result.
    TLabel* Label27 = nullptr;
    TComboBox* ComboBox11 = nullptr;
    TLabel* Label28 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TRichEdit* RichEdit1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void ComboBox6Click(TObject* Sender);
    void ComboBox11Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void FieldChange(TObject* Sender);

    // The controls of one side.
    struct SideControls {
        TComboBox* Creature;
        TEdit* Level;
        TLabel* LevelNote;
        TEdit* HpDv;
        std::array<TEdit*, 4> Dv; // Attack, Defense, Speed, Special
        std::array<TComboBox*, 4> Stage;
        TLabel* DvNote;
        TEdit* StatExp;
        TButton* StatExpMax;
        TLabel* StatExpNote;
        TEdit* Stats;
    };
    SideControls Attacker() const;
    SideControls Defender() const;

    // Row in MoveTable of each line of the move list; -1 for the line that
    // parts the attacker's moves from the others.
    const std::vector<int>& ListedMoves() const { return listedMoves_; }
    // Shows creature #`number` (1..151) on a side; any other number does nothing.
    void ChooseAttacker(int number);
    void ChooseDefender(int number);
    // Chooses a move (row in MoveTable).
    void ChooseMove(int move);
    int ChosenMove() const { return move_; }

protected:
    void AfterDefinitionRead() override;

private:
    void ListMoves();
    // Reads a side from its fields; nothing when one is out of range, each
    // wrong field said beside it and added to `corrections`.
    std::optional<BattleSide> ReadSide(const SideControls& c, bool attacker, std::vector<std::string>& corrections);
    void Recompute();
    void ShowResult(const std::vector<std::string>& lines);

    std::vector<int> listedMoves_;
    int move_ = 0;
    std::vector<std::string> lastValid_; // the lines of the last valid sides
    std::string shownResult_;
    bool ready_ = false; // the fields filled: changes recompute from now on
};

extern TFormDano* FormDano;
