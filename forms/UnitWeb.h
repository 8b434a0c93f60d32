// FormWeb: where the program is published. Shown modally from the main window's menu.
#pragma once

#include "widgets/Forms.h"

class TFormWeb : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
};

extern TFormWeb* FormWeb;
