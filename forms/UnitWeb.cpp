#include "forms/UnitWeb.h"

TFormWeb* FormWeb = nullptr;

void TFormWeb::AfterDefinitionRead()
{
    TForm::AfterDefinitionRead();
    for (TLabel* l : {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8})
        l->SetSelectable(true);
}

// "OK" closes the window by the same path as its close box.
void TFormWeb::Button1Click(TObject*)
{
    Close();
}
