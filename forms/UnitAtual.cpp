#include "forms/UnitAtual.h"

TFormAtual* FormAtual = nullptr;

const FormClass& TFormAtual::StaticFormClass()
{
    static const FormClass info = FormTable<TFormAtual>()
                                      .Field("GroupBox1", &TFormAtual::GroupBox1)
                                      .Field("Label1", &TFormAtual::Label1)
                                      .Field("Label2", &TFormAtual::Label2)
                                      .Field("Label3", &TFormAtual::Label3)
                                      .Field("Label4", &TFormAtual::Label4)
                                      .Field("Label5", &TFormAtual::Label5)
                                      .Field("Label6", &TFormAtual::Label6)
                                      .Field("Label7", &TFormAtual::Label7)
                                      .Field("Button1", &TFormAtual::Button1)
                                      .Field("Label8", &TFormAtual::Label8)
                                      .Field("Label9", &TFormAtual::Label9)
                                      .Handler("Button1Click", &TFormAtual::Button1Click)
                                      .Build("TFormAtual", ":/forms/UnitAtual.form");
    return info;
}

// "OK" closes the window by the same path as its close box.
void TFormAtual::Button1Click(TObject*)
{
    Close();
}
