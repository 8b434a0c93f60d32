// FormGolpes: the moves of the games two ways in — by move (a filtered list;
// the move's type, power, accuracy, PP, what it does, the TM or HM that
// teaches it and who learns it, line by line in a text box) and by creature
// (its moves by level and every TM and HM it can take). Created the first
// time its menu item runs; shown modally, closing hides it for the next
// time. Few controls, so that its first opening, creation included, stays
// near the cost of the TM/HM list's.
#pragma once

#include "data/Types.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/ListBox.h"
#include "widgets/RichEdit.h"

#include <optional>
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

    void FormCreate(TObject* Sender);
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

    std::vector<std::string> lines_;          // each catalogue row's list line
    std::vector<std::optional<Type>> typeOf_; // the type each line of the type filter lets through
    std::vector<int> listed_;                 // row in MoveTable of each line of the moves list
    int shownMove_ = -1;
};

extern TFormGolpes* FormGolpes;
