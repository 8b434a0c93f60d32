#include "forms/UnitPokeMart.h"

TFormPokeMart* FormPokeMart = nullptr;

const FormClass& TFormPokeMart::StaticFormClass()
{
    static const FormClass info = FormTable<TFormPokeMart>().Build("TFormPokeMart", ":/forms/UnitPokeMart.form");
    return info;
}
