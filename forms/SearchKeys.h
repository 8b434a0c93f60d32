// The keys the search accepts: one row per catalogue entry, in catalogue
// order, with where the entry stands in the main window's lists.
#pragma once

#include <span>
#include <string_view>

struct SearchKey {
    std::string_view NameKey;    // the name in capitals, Windows-1252 ("FARFETCH´D")
    std::string_view NumberKey;  // the number without leading zeros ("25", "0", "151")
    int Row;                     // catalogue row
    int List;                    // 1..6: ListBox1..ListBox6
    int Line;                    // line in that list
    int Page;                    // page that shows that list
};

extern const std::span<const SearchKey> SearchKeyTable;
