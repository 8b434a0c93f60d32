#include "forms/UnitOnde.h"

#include "data/Items.h"
#include "text/Cp1252.h"
#include "views/Selection.h"

#include <string>

using namespace cp1252::literals;

TFormOnde* FormOnde = nullptr;

void TFormOnde::AfterDefinitionRead()
{
    WaysList->SetAccessibleName(std::string("Onde encontrar o pokémon"_cp));
    PlaceCreaturesList->SetAccessibleName(std::string("Pokémons do lugar"_cp));
    ItemWaysList->SetAccessibleName("Onde conseguir o item");
    PlaceOthersList->SetAccessibleName("Itens e treinadores do lugar");
    // The longest lines (a fossil, a trade) are wider than the window: the
    // lists scroll sideways rather than cut them, each row as wide as its text.
    for (TListBox* list : {WaysList, PlaceCreaturesList, ItemWaysList, PlaceOthersList}) {
        list->setUniformItemSizes(false);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    TForm::AfterDefinitionRead();
}

void TFormOnde::FormCreate(TObject*)
{
    VersionChooser->Items().Assign(WhereToFindView::VersionChooserLines());
    VersionChooser->SetItemIndex(view_.VersionLine());
    CreatureChooser->Items().Assign(WhereToFindView::CreatureChooserLines());
    CreatureChooser->FindTyped = species::FindTyped;
    ItemChooser->Items().Assign(WhereToFindView::ItemChooserLines());
    ItemChooser->FindTyped = [](const std::string& typed) { return items::FindTypedItem(typed); };
    PlaceChooser->Items().Assign(view_.PlaceChooserLines());
    ShowCreature();
    ShowItem();
    ShowPlace();
}

void TFormOnde::FormShow(TObject*)
{
    if (const auto shown = ShownCreature().Creature())
        ChooseCreature(*shown);
}

void TFormOnde::VersionChosen(TObject*)
{
    view_.ChooseVersionLine(VersionChooser->ItemIndex());
    ShowCreature();
    ShowPlace();
}

void TFormOnde::CreatureChosen(TObject*)
{
    view_.ChooseCreatureLine(CreatureChooser->ItemIndex());
    ShowCreature();
}

void TFormOnde::ItemChosen(TObject*)
{
    view_.ChooseItemLine(ItemChooser->ItemIndex());
    ShowItem();
}

void TFormOnde::PlaceChosen(TObject*)
{
    view_.ChoosePlaceLine(PlaceChooser->ItemIndex());
    ShowPlace();
}

void TFormOnde::CloseClicked(TObject*)
{
    Close();
}

void TFormOnde::ChooseCreature(species::Creature c)
{
    view_.ChooseCreature(c);
    ShowCreature();
}

void TFormOnde::ChoosePlace(encounters::Place p)
{
    view_.ChoosePlace(p);
    ShowPlace();
}

void TFormOnde::ShowCreature()
{
    CreatureChooser->SetItemIndex(view_.CreatureLine());
    WaysList->Items().Assign(view_.CreatureListLines());
}

void TFormOnde::ShowItem()
{
    ItemChooser->SetItemIndex(view_.ItemLine());
    ItemWaysList->Items().Assign(view_.ItemListLines());
}

void TFormOnde::ShowPlace()
{
    PlaceChooser->SetItemIndex(view_.PlaceLine());
    PlaceCreaturesList->Items().Assign(view_.PlaceListLines());
    PlaceOthersList->Items().Assign(view_.PlaceOtherLines());
}
