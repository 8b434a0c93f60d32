// Where to get each item, without the window's controls: an item and a place
// chosen, and the lines of their choosers and lists. Two ways in: by item
// (every way to get it, one sentence a line) and by place (every item had
// there, one line each; a place the "where to find" window shows can be handed
// over as it is). Texts are Windows-1252.
#pragma once

#include "data/Encounters.h"

#include <string>
#include <string_view>
#include <vector>

// Every way to get an item, one sentence a line: what lies, is hidden or is
// given, by place in the order of the place list (at one place gifts, then
// balls, then hidden items); then the shops, in the same order; then the Game
// Corner. Free before bought, bought before won with coins.
//   "no chão — Mt. Moon, 1º andar (x 2, y 2)"
//   "escondido — Rota 9 (x 14, y 7); o Itemfinder ajuda"
//   "presente do capitão do S.S. Anne — S.S. Anne, cabine do capitão"
//   "à venda — Loja de Departamentos de Celadon, 4º andar, ¥2.100"
//   "prêmio do Game Corner — Coin Exchange (Cidade de Celadon), 5.500 fichas"
// Nothing for a name that is no item's.
std::vector<std::string> ItemWayLines(std::string_view item);

// Every item had at a place, one line each, in the order above; the shop's
// in the order of its list: "Moon Stone — no chão (x 2, y 2)", "Fire Stone —
// à venda, ¥2.100". Nothing for a place without items.
std::vector<std::string> PlaceItemLines(encounters::Place p);

// The places that have any item, in the order of the place list.
std::vector<encounters::Place> PlacesWithItems();

class ItemsView {
public:
    // The first item by name, the first place with items.
    ItemsView();

    // ---- the choosers' lines ----
    // Every item that can be had, by name: a line is its index in items::ItemNames.
    static std::vector<std::string> ItemChooserLines();
    // The name of each place with items, in the order of Places().
    std::vector<std::string> PlaceChooserLines() const;
    const std::vector<encounters::Place>& Places() const { return places_; }

    // ---- what the user does ----
    // A line of a chooser; std::out_of_range for any other.
    void ChooseItemLine(int line);
    void ChoosePlaceLine(int line);
    // What was typed into the item chooser: the item it stands for is chosen
    // (items::FindTypedItem); false, and nothing changes, when none fits.
    bool ItemTyped(std::string_view typed);
    // Any place of the list, with items or not (one the "where to find" window
    // shows may have none: its list says so in words).
    void ChoosePlace(encounters::Place p) { place_ = p; }

    // ---- what is chosen ----
    int ItemLine() const { return item_; }
    std::string_view Item() const;
    encounters::Place Place() const { return place_; }
    // -1 when the place chosen has no items (it is not in Places()).
    int PlaceLine() const;

    // ---- the lists ----
    std::vector<std::string> ItemListLines() const { return ItemWayLines(Item()); }
    // The place's items, or one line in words when it has none.
    std::vector<std::string> PlaceListLines() const;

private:
    std::vector<encounters::Place> places_;
    int item_ = 0;
    encounters::Place place_;
};
