// FormPokeMart: the items each town's shop sells, one shop at a time. Shown
// modally from the main window's menu; closing hides it for the next time.
#pragma once

#include "widgets/ComboBox.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"
#include "widgets/GroupBox.h"
#include "widgets/RichEdit.h"

class TFormPokeMart : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TGroupBox* GroupBox1 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TGIFImage* GIFImage1 = nullptr;

    void ComboBox1Click(TObject* Sender);
    void GIFImage1Click(TObject* Sender);
    void FormActivate(TObject* Sender);
};

extern TFormPokeMart* FormPokeMart;
