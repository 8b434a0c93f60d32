// FormAtualizado: what this version changed.
// Shown modally from the main window's menu; "OK" closes it.
#pragma once

#include "forms/UnitAtualizado.controls.h"
#include "widgets/Form.h"

class TFormAtualizado : public TFormOf<TFormAtualizado, TFormAtualizadoControls> {
public:
    void Button1Click(TObject* Sender);
};

extern TFormAtualizado* FormAtualizado;
