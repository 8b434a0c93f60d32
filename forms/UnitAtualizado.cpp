#include "forms/UnitAtualizado.h"

TFormAtualizado* FormAtualizado = nullptr;

// "OK" closes the window by the same path as its close box.
void TFormAtualizado::Button1Click(TObject*)
{
    Close();
}
