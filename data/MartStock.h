// The shops' stock shown by the mart window: one row per entry of its combo
// box, in the same order, so the selected index is the row.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct MartItem {
    std::string_view Name; // Windows-1252
    int Price;             // whole units
};

struct MartStockRow {
    std::string_view Entry; // the combo box entry, Windows-1252
    int Width;              // every line is padded to this many characters
    std::span<const MartItem> Items;
};

extern const std::span<const MartStockRow> MartStockTable;

// The lines of one shop: name, blanks up to the row's width, then the price.
// A name too long for the width keeps one blank before the price rather than
// running into it.
std::vector<std::string> MartLines(const MartStockRow& row);
