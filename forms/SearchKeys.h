// The keys the search accepts: one row per catalogue entry, in catalogue
// order, made from the catalogue's names and numbers. Where an entry stands
// in the main window's lists is the catalogue's to say
// (Catalogue::ListPositionOfRow).
#pragma once

#include <span>
#include <string_view>

struct SearchKey {
    std::string_view NameKey;   // the name in capitals, Windows-1252 ("FARFETCH´D")
    std::string_view NumberKey; // the number without leading zeros ("25", "0", "151")
    int Row;                    // catalogue row
};

// Every key, made on first use.
std::span<const SearchKey> SearchKeys();
