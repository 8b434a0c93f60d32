// FormTipos: the Red/Blue type chart as a grid, and above it what each type
// of attack does to one creature, whose types are marked among the columns.
// A tool window, created the first time its menu item runs; each opening
// starts from the creature the main window shows. What it shows comes from
// its view (views/TypeChartView.h); the window only connects the two.
#pragma once

#include "views/TypeChartView.h"
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

    TLabel* CreatureLabel = nullptr;
    TComboBox* CreatureChooser = nullptr;
    TLabel* TypesLabel = nullptr;
    TEdit* TypesText = nullptr;
    TGroupBox* ProfileBox = nullptr;
    TLabel* FourTimesLabel = nullptr;
    TLabel* TwiceLabel = nullptr;
    TLabel* HalfLabel = nullptr;
    TLabel* QuarterLabel = nullptr;
    TLabel* NoEffectLabel = nullptr;
    TEdit* FourTimesAttackers = nullptr;
    TEdit* TwiceAttackers = nullptr;
    TEdit* HalfAttackers = nullptr;
    TEdit* QuarterAttackers = nullptr;
    TEdit* NoEffectAttackers = nullptr;
    TLabel* ChartLabel = nullptr;
    TStringGrid* ChartGrid = nullptr;
    TLabel* LegendLabel = nullptr;
    TButton* CloseButton = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CreatureChosen(TObject* Sender);
    void CloseClicked(TObject* Sender);

    // The profile's five fields, ×4 to ×0 (nullptr for another group), and
    // its signs beside them.
    TEdit* ProfileField(int group) const;
    TLabel* ProfileLabel(int group) const;
    const TypeChartView& View() const { return view_; }

protected:
    void AfterDefinitionRead() override;

private:
    // Writes the view's creature and profile to the controls.
    void showCreature();
    TypeChartView view_;
};

extern TFormTipos* FormTipos;
