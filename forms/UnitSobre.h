// FormSobre: the About window: title, version, credits, two pictures. Shown modally from the main window's menu.
#pragma once

#include "widgets/Forms.h"

class TFormSobre : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
};

extern TFormSobre* FormSobre;
