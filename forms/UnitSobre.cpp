#include "forms/UnitSobre.h"

TFormSobre* FormSobre = nullptr;

const FormClass& TFormSobre::StaticFormClass()
{
    static const FormClass info = MakeFormClass<TFormSobre>();
    return info;
}

// "OK" closes the window by the same path as its close box.
void TFormSobre::Button1Click(TObject*)
{
    Close();
}
