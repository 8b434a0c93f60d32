#include "forms/Startup.h"

#include "forms/UnitAtual.h"
#include "forms/UnitAtualizado.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitPrincipal.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitTreinadores.h"
#include "forms/UnitWeb.h"
#include "views/CalculatorHandoff.h"
#include "views/Selection.h"
#include "views/TeamView.h"
#include "widgets/Application.h"

void CreateAllForms()
{
    Application->CreateForm(Form1);
    Application->CreateForm(FormSobre);
    Application->CreateForm(FormWeb);
    Application->CreateForm(FormAtual);
    Application->CreateForm(FormAtualizado);
    Application->CreateForm(FormPokeMart);
    Application->CreateForm(FormTmHm);
}

void DestroyAllForms()
{
    if (Application)
        Application->DestroyForms();
    Form1 = nullptr;
    FormSobre = nullptr;
    FormWeb = nullptr;
    FormAtual = nullptr;
    FormAtualizado = nullptr;
    FormPokeMart = nullptr;
    FormTmHm = nullptr;
    FormTipos = nullptr;       // created on first use
    FormGolpes = nullptr;      // created by its menu item, if ever
    FormOnde = nullptr;        // likewise
    FormDano = nullptr;        // likewise
    FormTreinadores = nullptr; // likewise
    FormEquipe = nullptr;      // likewise
    FormCaptura = nullptr;     // likewise
    ShownCreature().Reset();
    ToCalculator().Reset();
    ToTeam().Reset();
}
