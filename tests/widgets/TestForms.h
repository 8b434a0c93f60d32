// Small form classes read from definitions written inside the tests.
#pragma once

#include "widgets/Button.h"
#include "widgets/DefinitionReader.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"
#include "widgets/ListBox.h"
#include "widgets/Menus.h"
#include "widgets/SysUtils.h"

#include <stdexcept>

class TTestForm : public TForm {
public:
    static const FormClass& StaticFormClass()
    {
        static const FormClass info = FormTable<TTestForm>()
                                          .Field("Button1", &TTestForm::Button1)
                                          .Field("ListBox1", &TTestForm::ListBox1)
                                          .Handler("Button1Click", &TTestForm::Button1Click)
                                          .Handler("ListBox1Click", &TTestForm::ListBox1Click)
                                          .Handler("FormClose", &TTestForm::FormClose)
                                          .Handler("FormActivate", &TTestForm::FormActivate)
                                          .Handler("Failing", &TTestForm::Failing)
                                          .Build("TTestForm", "");
        return info;
    }
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }

    TButton* Button1 = nullptr;
    TListBox* ListBox1 = nullptr;

    int clicks = 0;
    int listClicks = 0;
    int activations = 0;
    int closes = 0;
    TCloseAction closeAction = TCloseAction::caHide;
    void Button1Click(TObject*) { ++clicks; }
    void ListBox1Click(TObject*) { ++listClicks; }
    void FormActivate(TObject*) { ++activations; }
    void FormClose(TObject*, TCloseAction& action)
    {
        ++closes;
        action = closeAction;
    }
    void Failing(TObject*) { throw Exception("Lista vazia"); }
};

// The smallest definition of TTestForm.
inline const char* kTestFormText = R"(object TestForm: TTestForm
  Caption = 'Teste'
  ClientHeight = 100
  ClientWidth = 200
  OnClose = FormClose
  object Button1: TButton
    Left = 8
    Top = 8
    Caption = '&OK'
    TabOrder = 1
    OnClick = Button1Click
  end
  object ListBox1: TListBox
    Left = 8
    Top = 40
    Width = 100
    Height = 50
    ItemHeight = 13
    Items.Strings = (
      'um'
      'dois'
      'três')
    TabOrder = 0
    OnClick = ListBox1Click
  end
end
)";

// A form read from text; owned by the caller.
inline TTestForm* ReadTestForm(const std::string& text = kTestFormText)
{
    auto* f = new TTestForm();
    try {
        ReadForm(*f, text, "test.form");
    } catch (...) {
        delete f;
        throw;
    }
    return f;
}
