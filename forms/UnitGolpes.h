// FormGolpes: the moves of the games two ways in. By move: a table of the
// moves, filtered by name and type and sorted by any column; the chosen
// move's details and a table of who learns it, and how. By creature: a table
// of its moves by level and by TM or HM; choosing a row shows that move.
// A tool window, created the first time its menu item runs; each opening
// starts from the creature the main window shows, with the filters cleared.
#pragma once

#include "data/Types.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/ListView.h"
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
    TListView* ListView1 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label3 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TLabel* Label6 = nullptr;
    TListView* ListView2 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabel* Label5 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TLabel* Label7 = nullptr;
    TListView* ListView3 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormResize(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void ListView1Click(TObject* Sender);
    void ListView2Click(TObject* Sender);
    void ComboBox2Click(TObject* Sender);
    void ListView3Click(TObject* Sender);

    // Row in MoveTable of each row of the moves table, by row number.
    const std::vector<int>& ListedMoves() const { return listed_; }
    // The move shown (row in MoveTable), -1 for none.
    int ShownMove() const { return shownMove_; }
    // Shows a move and chooses its row, clearing the filters first when
    // they hide it.
    void ChooseMove(int move);
    // Shows catalogue row 0..151 in the creature part.
    void ChooseCreature(int row);

protected:
    void AfterDefinitionRead() override;

private:
    void ApplyFilter();
    void ShowMove(int move);
    void ShowCreature(int row);

    std::vector<std::optional<Type>> typeOf_; // the type each line of the type filter lets through
    std::vector<int> listed_;                 // row in MoveTable of each row of the moves table
    std::vector<int> learners_;               // catalogue row of each row of the learners table
    std::vector<int> creatureMoves_;          // row in MoveTable of each row of the creature's table
    int shownMove_ = -1;
    // The designed heights of the two parts and where the lower one starts.
    int designedAbove_ = 0;
    int designedBelowTop_ = 0;
    int designedBelow_ = 0;
};

extern TFormGolpes* FormGolpes;
