#include "forms/UnitSobre.h"

TFormSobre* FormSobre = nullptr;

const FormClass& TFormSobre::StaticFormClass()
{
    static const FormClass info = FormTable<TFormSobre>()
                                      .Field("GIFImage1", &TFormSobre::GIFImage1)
                                      .Field("Label1", &TFormSobre::Label1)
                                      .Field("Label2", &TFormSobre::Label2)
                                      .Field("Label3", &TFormSobre::Label3)
                                      .Field("Label4", &TFormSobre::Label4)
                                      .Field("Label5", &TFormSobre::Label5)
                                      .Field("Label6", &TFormSobre::Label6)
                                      .Field("Label7", &TFormSobre::Label7)
                                      .Field("Label8", &TFormSobre::Label8)
                                      .Field("Label9", &TFormSobre::Label9)
                                      .Field("Button1", &TFormSobre::Button1)
                                      .Field("GIFImage3", &TFormSobre::GIFImage3)
                                      .Field("Label10", &TFormSobre::Label10)
                                      .Field("Label11", &TFormSobre::Label11)
                                      .Field("Label12", &TFormSobre::Label12)
                                      .Field("Label13", &TFormSobre::Label13)
                                      .Field("Label14", &TFormSobre::Label14)
                                      .Handler("Button1Click", &TFormSobre::Button1Click)
                                      .Build("TFormSobre", ":/forms/UnitSobre.form");
    return info;
}

// "OK" closes the window by the same path as its close box.
void TFormSobre::Button1Click(TObject*)
{
    Close();
}
