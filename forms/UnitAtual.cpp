#include "forms/UnitAtual.h"

TFormAtual* FormAtual = nullptr;

const FormClass& TFormAtual::StaticFormClass()
{
    static const FormClass info = FormTable<TFormAtual>().Build("TFormAtual", ":/forms/UnitAtual.form");
    return info;
}
