#include "forms/UnitTmHm.h"

#include "data/TmHmLocations.h"
#include "text/Cp1252.h"

using namespace cp1252::literals;

TFormTmHm* FormTmHm = nullptr;

namespace {
// Shows where the machine picked in a list is found; the caption tells which
// list it came from even when nothing is picked.
void ShowLocation(TGroupBox* box, const std::string& caption, TListBox* list, std::span<const MachineLocation> table,
                  TEdit* edit)
{
    box->SetCaption(caption);
    const int i = list->ItemIndex();
    if (static_cast<unsigned>(i) >= table.size())
        return;
    edit->Clear();
    edit->SetText(std::string(table[static_cast<std::size_t>(i)].Location));
}
} // namespace

void TFormTmHm::FormActivate(TObject*)
{
    Edit1->Clear();
    ListBox1->SetItemIndex(0);
    ListBox2->SetItemIndex(0);
}

void TFormTmHm::ListBox1Click(TObject*)
{
    ShowLocation(GroupBox2, std::string("Localização da TM"_cp), ListBox1, TmLocationTable, Edit1);
}

void TFormTmHm::ListBox2Click(TObject*)
{
    ShowLocation(GroupBox2, std::string("Localização da HM"_cp), ListBox2, HmLocationTable, Edit1);
}

void TFormTmHm::FormClose(TObject*, TCloseAction&)
{
    GroupBox2->SetCaption(std::string("Localização"_cp));
}

void TFormTmHm::GIFImage1Click(TObject*)
{
    Close();
}
