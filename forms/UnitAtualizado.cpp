#include "forms/UnitAtualizado.h"

TFormAtualizado* FormAtualizado = nullptr;

const FormClass& TFormAtualizado::StaticFormClass()
{
    static const FormClass info = FormTable<TFormAtualizado>().Build("TFormAtualizado", ":/forms/UnitAtualizado.form");
    return info;
}
