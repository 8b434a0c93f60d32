// FormPokeMart: the items each town's shop sells, one shop at a time. Shown
// modally from the main window's menu; closing hides it for the next time.
#pragma once

#include "forms/UnitPokeMart.controls.h"
#include "widgets/Form.h"

class TFormPokeMart : public TFormOf<TFormPokeMart, TFormPokeMartControls> {
public:
    void ComboBox1Click(TObject* Sender);
    void GIFImage1Click(TObject* Sender);
    void FormActivate(TObject* Sender);
};

extern TFormPokeMart* FormPokeMart;
