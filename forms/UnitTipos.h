// FormTipos: the Red/Blue type chart as a grid, and above it what each type
// of attack does to one creature, whose types are marked among the columns.
// A tool window, created the first time its menu item runs; each opening
// starts from the creature the main window shows.
#pragma once

#include "widgets/Button.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"
#include "widgets/StringGrid.h"

class TFormTipos : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TLabel* Label1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TLabel* Label2 = nullptr;
    TEdit* Edit1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TEdit* Edit2 = nullptr;
    TEdit* Edit3 = nullptr;
    TEdit* Edit4 = nullptr;
    TEdit* Edit5 = nullptr;
    TEdit* Edit6 = nullptr;
    TLabel* Label8 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TLabel* Label9 = nullptr;
    TButton* Button1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ComboBox1Click(TObject* Sender);
    void Button1Click(TObject* Sender);

    // The five fields of the profile, ×4 to ×0.
    TEdit* ProfileField(int group) const;
    // Shows creature 0..151 in the profile; any other number does nothing.
    void ShowProfile(int number);

protected:
    void AfterDefinitionRead() override;
};

extern TFormTipos* FormTipos;

// The colours of a chart cell whose factor (in halves) is not 1: background, text.
struct CellColors {
    TColor Background, Text;
};
CellColors ChartCellColors(int halves);
