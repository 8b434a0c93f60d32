// FormAtual: where updates are published. Shown modally from the main window's menu.
#pragma once

#include "widgets/Forms.h"

class TFormAtual : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
};

extern TFormAtual* FormAtual;
