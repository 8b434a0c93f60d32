// FormGolpes: the moves of the games two ways in — by move (a filtered list;
// the move's type, power, accuracy, PP, what it does, the TM or HM that
// teaches it and who learns it, line by line in a text box) and by creature
// (its moves by level and every TM and HM it can take). Created the first
// time its menu item runs; shown modally, closing hides it for the next
// time. Few controls, so that its first opening, creation included, stays
// near the cost of the TM/HM list's.
#pragma once

#include "catalogue/LevelMoves.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/RichEdit.h"

#include <string>
#include <vector>

class TFormGolpes : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TLabel* Label2 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TLabel* Label3 = nullptr;
    TListBox* ListBox1 = nullptr;
    TLabel* Label4 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabel* Label5 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TRichEdit* RichEdit2 = nullptr;

    void FormShow(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    void ComboBox2Click(TObject* Sender);

    // Row in MoveTable of each line of the moves list, in order.
    const std::vector<int>& ListedMoves() const { return listed_; }
    // Shows a move (row in MoveTable) and selects it in the list, clearing
    // the filters first when they hide it.
    void ChooseMove(int move);
    // Shows catalogue row 0..151 in the creature part.
    void ChooseCreature(int row);

protected:
    void AfterDefinitionRead() override;

private:
    void ApplyFilter();
    void ShowMove(int move);
    void ShowCreature(int row);

    std::vector<std::vector<LevelMove>> levelMoves_; // per catalogue row
    std::vector<std::string> lines_;                 // the main window's list line of each row
    std::vector<int> listed_;
    std::vector<int> learnerRows_, teachableRows_; // catalogue rows behind ListBox2 and ListBox3
    std::vector<int> creatureMoves_;               // MoveTable rows behind ListBox4 then ListBox5
    int levelLines_ = 0;                           // of creatureMoves_, those in ListBox4
    int shownMove_ = -1;
};

extern TFormGolpes* FormGolpes;
