#include "forms/UnitWeb.h"

TFormWeb* FormWeb = nullptr;

const FormClass& TFormWeb::StaticFormClass()
{
    static const FormClass info = FormTable<TFormWeb>().Build("TFormWeb", ":/forms/UnitWeb.form");
    return info;
}
