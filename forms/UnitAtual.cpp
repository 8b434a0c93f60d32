#include "forms/UnitAtual.h"

TFormAtual* FormAtual = nullptr;

const FormClass& TFormAtual::StaticFormClass()
{
    static const FormClass info = MakeFormClass<TFormAtual>();
    return info;
}

// "OK" closes the window by the same path as its close box.
void TFormAtual::Button1Click(TObject*)
{
    Close();
}
