// Every item of the Red and Blue games that can be had: lying on a map, hidden
// in one, given by someone, sold in a shop or won at the Game Corner. Places
// are the one list of encounters::Place; item names are the games' English
// names ("Moon Stone", "TM 41 Soft-Boiled", "HM 01 Cut"), plain ASCII, so they
// are Windows-1252 as they stand. Other texts are Windows-1252.
#pragma once

#include "data/Encounters.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace items {

// In the order a place lists them: what someone gives, what lies in sight,
// what must be searched for.
enum class How : std::uint8_t { Gift, Ball, Hidden };

// One item had for nothing, as the game's map places it.
struct Found {
    std::string_view Item;
    encounters::Place Where;
    How Way;
    std::uint8_t X = 0, Y = 0; // a ball or a hidden item: its spot on the map
    std::uint8_t Quantity = 1;
    // A gift: who gives it, with its article ("o capitão do S.S. Anne", "Bill",
    // "o ajudante do Professor Carvalho, com 30 pokémon registrados").
    std::string_view Giver = {};
};
// Every item ball, hidden item and gift of the maps, by place in the order of
// the place list, and at one place in the order of How.
extern const std::span<const Found> FoundItems;

// An item sold in a shop: where, and its price in the games' money.
struct Sale {
    encounters::Place Where;
    int Price;
    friend bool operator==(const Sale&, const Sale&) = default;
};

// The shops that sell an item (the mart window's stock, MartStockTable, under
// the games' item names), in the order of the places; none for an item no shop
// sells.
std::vector<Sale> SalesOf(std::string_view item);

// What a shop sells, in the order of its list; nothing for a place that
// sells nothing.
struct ShopItem {
    std::string_view Item;
    int Price;
    friend bool operator==(const ShopItem&, const ShopItem&) = default;
};
std::vector<ShopItem> SalesAt(encounters::Place p);

// The game's name of an item as the mart window's list spells it: "Anditode"
// is "Antidote", "TM 32" is "TM 32 Double Team". Names it spells as the games
// do come back as they are.
std::string_view GamesItemName(std::string_view listed);

// A Game Corner prize that is an item: its price in coins.
struct Prize {
    std::string_view Item;
    int Coins;
};
extern const std::span<const Prize> ItemPrizes;

// Every item that can be had in any of these ways, once each, in the order of
// the games' names.
const std::vector<std::string_view>& ItemNames();

// The index in ItemNames of the item what was typed stands for: its name
// whole, then by its start, then anywhere in it, in the order of ItemNames,
// whatever the case, blanks and punctuation ("moon" is Moon Stone, "hm01" HM
// 01 Cut, "tm 41" TM 41 Soft-Boiled). -1 when nothing fits.
int FindTypedItem(std::string_view typed);

} // namespace items
