#include "forms/UnitTmHm.h"

TFormTmHm* FormTmHm = nullptr;

const FormClass& TFormTmHm::StaticFormClass()
{
    static const FormClass info = FormTable<TFormTmHm>().Build("TFormTmHm", ":/forms/UnitTmHm.form");
    return info;
}
