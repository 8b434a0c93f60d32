// FormWeb: where the program is published and how to offer it for download elsewhere.
// Shown modally from the main window's menu; "OK" closes it.
#pragma once

#include "widgets/Button.h"
#include "widgets/Form.h"
#include "widgets/GroupBox.h"
#include "widgets/Label.h"

class TFormWeb : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TButton* Button1 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;

    void Button1Click(TObject* Sender);
    // The addresses and every other text can be selected and copied.
    void AfterDefinitionRead() override;
};

extern TFormWeb* FormWeb;
