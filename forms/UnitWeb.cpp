#include "forms/UnitWeb.h"

TFormWeb* FormWeb = nullptr;

const FormClass& TFormWeb::StaticFormClass()
{
    static const FormClass info = FormTable<TFormWeb>()
                                      .Field("GroupBox1", &TFormWeb::GroupBox1)
                                      .Field("Label1", &TFormWeb::Label1)
                                      .Field("Label2", &TFormWeb::Label2)
                                      .Field("Label3", &TFormWeb::Label3)
                                      .Field("Label4", &TFormWeb::Label4)
                                      .Field("Label5", &TFormWeb::Label5)
                                      .Field("Label6", &TFormWeb::Label6)
                                      .Field("Button1", &TFormWeb::Button1)
                                      .Field("Label7", &TFormWeb::Label7)
                                      .Field("Label8", &TFormWeb::Label8)
                                      .Handler("Button1Click", &TFormWeb::Button1Click)
                                      .Build("TFormWeb", ":/forms/UnitWeb.form");
    return info;
}

void TFormWeb::AfterDefinitionRead()
{
    TForm::AfterDefinitionRead();
    for (TLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8})
        l->SetSelectable(true);
}

// "OK" closes the window by the same path as its close box.
void TFormWeb::Button1Click(TObject*)
{
    Close();
}
