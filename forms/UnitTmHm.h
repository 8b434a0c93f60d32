// FormTmHm: the 50 TMs and 5 HMs and where each is found. Shown modally from
// the main window's menu; closing hides it for the next time.
#pragma once

#include "forms/UnitTmHm.controls.h"
#include "widgets/Form.h"

class TFormTmHm : public TFormOf<TFormTmHm, TFormTmHmControls> {
public:
    void ListBox1Click(TObject* Sender);
    void ListBox2Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GIFImage1Click(TObject* Sender);
    void FormActivate(TObject* Sender);
};

extern TFormTmHm* FormTmHm;
