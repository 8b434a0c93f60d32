// FormSobre: the About window: title and version, credits, contact, notices and two pictures, the small one animated.
// Shown modally from the main window's menu; "OK" closes it.
#pragma once

#include "widgets/Button.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"
#include "widgets/Label.h"

class TFormSobre : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TGIFImage* GIFImage1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label3 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label6 = nullptr;
    TLabel* Label7 = nullptr;
    TLabel* Label8 = nullptr;
    TLabel* Label9 = nullptr;
    TButton* Button1 = nullptr;
    TGIFImage* GIFImage3 = nullptr;
    TLabel* Label10 = nullptr;
    TLabel* Label11 = nullptr;
    TLabel* Label12 = nullptr;
    TLabel* Label13 = nullptr;
    TLabel* Label14 = nullptr;

    void Button1Click(TObject* Sender);
};

extern TFormSobre* FormSobre;
