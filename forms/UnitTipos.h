// FormTipos: the Red/Blue type chart as a grid, and above it what each type
// of attack does to one creature, whose types are marked among the columns.
// A tool window, created the first time its menu item runs; each opening
// starts from the creature the main window shows. What it shows comes from
// its view (views/TypeChartView.h); the window only connects the two.
#pragma once

#include "forms/UnitTipos.controls.h"
#include "views/TypeChartView.h"
#include "widgets/Form.h"

class TFormTipos : public TFormOf<TFormTipos, TFormTiposControls> {
public:
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
