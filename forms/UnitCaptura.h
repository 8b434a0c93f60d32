// FormCaptura: the chance to catch a wild creature with each ball, as the
// games' capture routine computes it, for its level, its HP and its status,
// on the creature the main window shows. A surface over CaptureView: each
// handler hands a control's line or text to the view and writes the view's
// lines back. A tool window, created the first time its menu item runs;
// closing hides it for the next time.
#pragma once

#include "forms/UnitCaptura.controls.h"
#include "views/CaptureView.h"
#include "widgets/Form.h"

class TFormCaptura : public TFormOf<TFormCaptura, TFormCapturaControls> {
public:
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CreatureChosen(TObject* Sender);
    void LevelTyped(TObject* Sender);
    void HpChosen(TObject* Sender);
    void ExactHpTyped(TObject* Sender);
    void StatusChosen(TObject* Sender);
    void CloseClicked(TObject* Sender);

    const CaptureView& View() const { return view_; }

protected:
    void AfterDefinitionRead() override;

private:
    void showView();

    CaptureView view_;
};

extern TFormCaptura* FormCaptura;
