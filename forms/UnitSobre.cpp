#include "forms/UnitSobre.h"

TFormSobre* FormSobre = nullptr;

// "OK" closes the window by the same path as its close box.
void TFormSobre::Button1Click(TObject*)
{
    Close();
}
