// One value of a window definition: integer, identifier, string, set,
// string list or binary data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One value of a window definition.
struct DfmValue {
    enum class Kind { Integer, Ident, String, Set, List, Binary };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    std::string text;                // Ident name or Windows-1252 string
    std::vector<std::string> items;  // Set members (idents) or List strings
    std::vector<std::uint8_t> bytes; // Binary

    static DfmValue Int(std::int64_t v);
    static DfmValue Id(std::string name);
    static DfmValue Str(std::string s);
    static DfmValue SetOf(std::vector<std::string> names);
    static DfmValue ListOf(std::vector<std::string> strings);
    static DfmValue Bin(std::vector<std::uint8_t> b);
    bool operator==(const DfmValue&) const = default;
};
