#include "forms/UnitOnde.h"

#include "catalogue/Catalogue.h"
#include "data/Species.h"
#include "text/Cp1252.h"
#include "views/EncounterText.h"
#include "views/Selection.h"

#include <string>

using namespace cp1252::literals;
using encounters::Version;

TFormOnde* FormOnde = nullptr;

const FormClass& TFormOnde::StaticFormClass()
{
    using F = TFormOnde;
    static const FormClass info = FormTable<F>()
                                      .Field("Label1", &F::Label1)
                                      .Field("ComboBox1", &F::ComboBox1)
                                      .Field("GroupBox1", &F::GroupBox1)
                                      .Field("Label2", &F::Label2)
                                      .Field("ComboBox2", &F::ComboBox2)
                                      .Field("ListBox1", &F::ListBox1)
                                      .Field("GroupBox2", &F::GroupBox2)
                                      .Field("Label3", &F::Label3)
                                      .Field("ComboBox3", &F::ComboBox3)
                                      .Field("ListBox2", &F::ListBox2)
                                      .Field("Button1", &F::Button1)
                                      .Handler("FormCreate", &F::FormCreate)
                                      .Handler("FormShow", &F::FormShow)
                                      .Handler("ComboBox1Click", &F::ComboBox1Click)
                                      .Handler("ComboBox2Click", &F::ComboBox2Click)
                                      .Handler("ComboBox3Click", &F::ComboBox3Click)
                                      .Handler("Button1Click", &F::Button1Click)
                                      .Build("TFormOnde", ":/forms/UnitOnde.form");
    return info;
}

namespace {

// The version filter's lines, in order.
constexpr Version kFilter[] = {Version::Both, Version::Red, Version::Blue};

} // namespace

void TFormOnde::AfterDefinitionRead()
{
    ListBox1->SetAccessibleName(std::string("Onde encontrar o pokémon"_cp));
    ListBox2->SetAccessibleName(std::string("Pokémons do lugar"_cp));
    // The longest lines (a fossil, a trade) are wider than the window: the
    // lists scroll sideways rather than cut them, each row as wide as its text.
    for (TListBox* list : {ListBox1, ListBox2}) {
        list->setUniformItemSizes(false);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    TForm::AfterDefinitionRead();
}

void TFormOnde::FormCreate(TObject*)
{
    ComboBox1->Items().Assign({"As duas", std::string("Só Vermelha"_cp), std::string("Só Azul"_cp)});
    ComboBox1->SetItemIndex(0);
    ComboBox2->Items().Assign(species::ChooserLines());
    ComboBox2->FindTyped = species::FindTyped;
    places_ = encounters::PlacesWithEncounters();
    std::vector<std::string> names;
    names.reserve(places_.size());
    for (encounters::Place p : places_)
        names.emplace_back(encounters::PlaceName(p));
    ComboBox3->Items().Assign(names);
    ChooseCreature(1);
    ChoosePlace(0);
}

void TFormOnde::FormShow(TObject*)
{
    if (const auto shown = ShownCreature().Creature())
        ChooseCreature(shown->Number());
}

Version TFormOnde::Shown() const
{
    const int line = ComboBox1->ItemIndex();
    return line >= 0 && line < static_cast<int>(std::size(kFilter)) ? kFilter[line] : Version::Both;
}

void TFormOnde::ComboBox1Click(TObject*)
{
    ShowCreature();
    ShowPlace();
}

void TFormOnde::ComboBox2Click(TObject*)
{
    ShowCreature();
}

void TFormOnde::ComboBox3Click(TObject*)
{
    ShowPlace();
}

void TFormOnde::Button1Click(TObject*)
{
    Close();
}

// The chooser's lines are the creatures by number.
void TFormOnde::ChooseCreature(int number)
{
    if (number < 0 || number > Catalogue::HighestNumber)
        return;
    ComboBox2->SetItemIndex(number);
    ShowCreature();
}

void TFormOnde::ChoosePlace(int line)
{
    if (line < 0 || line >= static_cast<int>(places_.size()))
        return;
    ComboBox3->SetItemIndex(line);
    ShowPlace();
}

void TFormOnde::ShowCreature()
{
    const int number = ComboBox2->ItemIndex();
    if (number >= 0 && number <= Catalogue::HighestNumber)
        ListBox1->Items().Assign(encounters::CreatureView(*species::Creature::FromNumber(number), Shown()));
}

void TFormOnde::ShowPlace()
{
    const int line = ComboBox3->ItemIndex();
    if (line >= 0 && line < static_cast<int>(places_.size()))
        ListBox2->Items().Assign(encounters::PlaceView(places_[static_cast<std::size_t>(line)], Shown()));
}
