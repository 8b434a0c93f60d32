#include "forms/UnitSobre.h"

TFormSobre* FormSobre = nullptr;

const FormClass& TFormSobre::StaticFormClass()
{
    static const FormClass info = FormTable<TFormSobre>().Build("TFormSobre", ":/forms/UnitSobre.form");
    return info;
}
