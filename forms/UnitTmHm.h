// FormTmHm: the 50 TMs and 5 HMs and where each is found. Shown modally from
// the main window's menu; closing hides it for the next time.
#pragma once

#include "widgets/Edit.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"
#include "widgets/GroupBox.h"
#include "widgets/ListBox.h"

class TFormTmHm : public TForm {
public:
    static const FormClass& StaticFormClass();
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TGroupBox* GroupBox1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TEdit* Edit1 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TListBox* ListBox2 = nullptr;
    TGIFImage* GIFImage1 = nullptr;

    void ListBox1Click(TObject* Sender);
    void ListBox2Click(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void GIFImage1Click(TObject* Sender);
    void FormActivate(TObject* Sender);
};

extern TFormTmHm* FormTmHm;
