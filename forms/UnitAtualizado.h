// FormAtualizado: what this version changed.
// Shown modally from the main window's menu; "OK" closes it.
#pragma once

#include "widgets/Button.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"

class TFormAtualizado : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TButton* Button1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;

    void Button1Click(TObject* Sender);
};

extern TFormAtualizado* FormAtualizado;
