// FormAtual: a call for suggestions and where updates are published.
// Shown modally from the main window's menu; "OK" closes it.
#pragma once

#include "forms/UnitAtual.controls.h"
#include "widgets/Form.h"

class TFormAtual : public TFormOf<TFormAtual, TFormAtualControls> {
public:
    void Button1Click(TObject* Sender);
};

extern TFormAtual* FormAtual;
