// FormWeb: where the program is published and how to offer it for download elsewhere.
// Shown modally from the main window's menu; "OK" closes it.
#pragma once

#include "forms/UnitWeb.controls.h"
#include "widgets/Form.h"

class TFormWeb : public TFormOf<TFormWeb, TFormWebControls> {
public:
    void Button1Click(TObject* Sender);
    // The addresses and every other text can be selected and copied.
    void AfterDefinitionRead() override;
};

extern TFormWeb* FormWeb;
