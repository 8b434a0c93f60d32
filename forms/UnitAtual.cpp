#include "forms/UnitAtual.h"

TFormAtual* FormAtual = nullptr;

// "OK" closes the window by the same path as its close box.
void TFormAtual::Button1Click(TObject*)
{
    Close();
}
