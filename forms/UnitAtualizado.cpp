#include "forms/UnitAtualizado.h"

TFormAtualizado* FormAtualizado = nullptr;

const FormClass& TFormAtualizado::StaticFormClass()
{
    static const FormClass info = FormTable<TFormAtualizado>()
                                      .Field("Button1", &TFormAtualizado::Button1)
                                      .Field("GroupBox1", &TFormAtualizado::GroupBox1)
                                      .Field("Label1", &TFormAtualizado::Label1)
                                      .Field("Label2", &TFormAtualizado::Label2)
                                      .Field("Label3", &TFormAtualizado::Label3)
                                      .Field("Label4", &TFormAtualizado::Label4)
                                      .Field("Label7", &TFormAtualizado::Label7)
                                      .Field("Label8", &TFormAtualizado::Label8)
                                      .Field("Label9", &TFormAtualizado::Label9)
                                      .Field("Label5", &TFormAtualizado::Label5)
                                      .Field("Label6", &TFormAtualizado::Label6)
                                      .Handler("Button1Click", &TFormAtualizado::Button1Click)
                                      .Build("TFormAtualizado", ":/forms/UnitAtualizado.form");
    return info;
}

// "OK" closes the window by the same path as its close box.
void TFormAtualizado::Button1Click(TObject*)
{
    Close();
}
