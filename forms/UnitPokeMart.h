// FormPokeMart: the items each town's shop sells. Shown modally from the main window's menu.
#pragma once

#include "widgets/Forms.h"

class TFormPokeMart : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
};

extern TFormPokeMart* FormPokeMart;
