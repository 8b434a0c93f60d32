// FormTmHm: the TMs and HMs and where each is found. Shown modally from the main window's menu.
#pragma once

#include "widgets/Forms.h"

class TFormTmHm : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
};

extern TFormTmHm* FormTmHm;
