// FormSobre: the About window: title and version, credits, contact, notices and two pictures, the small one animated.
// Shown modally from the main window's menu; "OK" closes it.
#pragma once

#include "forms/UnitSobre.controls.h"
#include "widgets/Form.h"

class TFormSobre : public TFormOf<TFormSobre, TFormSobreControls> {
public:
    void Button1Click(TObject* Sender);
};

extern TFormSobre* FormSobre;
