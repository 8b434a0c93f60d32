// FormAtualizado: what this version changed. Shown modally from the main window's menu.
#pragma once

#include "widgets/Forms.h"

class TFormAtualizado : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
};

extern TFormAtualizado* FormAtualizado;
