#include "forms/UnitAtualizado.h"

TFormAtualizado* FormAtualizado = nullptr;

const FormClass& TFormAtualizado::StaticFormClass()
{
    static const FormClass info = MakeFormClass<TFormAtualizado>();
    return info;
}

// "OK" closes the window by the same path as its close box.
void TFormAtualizado::Button1Click(TObject*)
{
    Close();
}
