#include "forms/SearchKeys.h"

#include "catalogue/Catalogue.h"
#include "text/Cp1252.h"

#include <array>
#include <string>

namespace {

// Where people type a name differently from the list line: "NIDORAN(F)"
// without the blank, "MR. MIME" with one, "JYNX" as the creature is really
// called. Every other key is the name in capitals: "FARFETCH´D" keeps the
// caption's acute accent, and #103 is searched as the list shows it.
struct SpecialName {
    int Number;
    std::string_view Key;
};
constexpr SpecialName kSpecialNames[] = {
    {29, "NIDORAN(F)"},
    {32, "NIDORAN(M)"},
    {122, "MR. MIME"},
    {124, "JYNX"},
};

std::string NameKeyOf(const CatalogueEntry& entry)
{
    for (const SpecialName& special : kSpecialNames)
        if (special.Number == entry.Number)
            return std::string(special.Key);
    // In capitals as the search field writes them.
    return cp1252::toUpper(entry.Name);
}

struct Keys {
    std::array<std::string, Catalogue::RowCount> names;
    std::array<std::string, Catalogue::RowCount> numbers;
    std::array<SearchKey, Catalogue::RowCount> table;

    Keys()
    {
        for (int row = 0; row < Catalogue::RowCount; ++row) {
            const CatalogueEntry& entry = Catalogue::Entry(row);
            const auto i = static_cast<std::size_t>(row);
            names[i] = NameKeyOf(entry);
            numbers[i] = std::to_string(entry.Number);
            table[i] = {names[i], numbers[i], row};
        }
    }
};

} // namespace

std::span<const SearchKey> SearchKeys()
{
    static const Keys keys;
    return keys.table;
}
