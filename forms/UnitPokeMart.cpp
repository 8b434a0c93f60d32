#include "forms/UnitPokeMart.h"

#include "data/MartStock.h"

TFormPokeMart* FormPokeMart = nullptr;

// Every opening starts from the prompt and an empty list, whatever was shown
// last time. The selection is dropped too: otherwise picking again the shop
// of the previous opening would count as no change and leave the list empty.
void TFormPokeMart::FormActivate(TObject*)
{
    ComboBox1->SetItemIndex(-1);
    ComboBox1->SetText("Escolha uma Cidade");
    RichEdit1->Clear();
}

void TFormPokeMart::ComboBox1Click(TObject*)
{
    const int i = ComboBox1->ItemIndex();
    if (static_cast<unsigned>(i) >= MartStockTable.size())
        return;
    RichEdit1->Clear();
    for (const std::string& line : MartLines(MartStockTable[static_cast<std::size_t>(i)]))
        RichEdit1->Lines().Add(line);
}

void TFormPokeMart::GIFImage1Click(TObject*)
{
    Close();
}
