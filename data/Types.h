// The fifteen types of the first-generation games, named as the catalogue
// writes them. The one list of type names: the type chart, the moves and the
// catalogue's checks all read it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

constexpr int TypeCount = 15;

// In the games' order: Normal, Fogo, Água, Grama, Elétrico, Gelo, Lutador,
// Veneno, Terra, Voador, Psíquico, Inseto, Pedra, Fantasma, Dragão
// (Windows-1252).
extern const std::array<std::string_view, TypeCount> TypeNames;

// The index of a type name in TypeNames, or -1 when it names no type.
int TypeIndex(std::string_view name);

// A type by its place in TypeNames, for tables that refer to types.
enum class Type : std::uint8_t {
    Normal,
    Fogo,
    Agua,
    Grama,
    Eletrico,
    Gelo,
    Lutador,
    Veneno,
    Terra,
    Voador,
    Psiquico,
    Inseto,
    Pedra,
    Fantasma,
    Dragao
};

// The type's name, Windows-1252 ("Elétrico").
inline std::string_view TypeName(Type t)
{
    return TypeNames[static_cast<std::size_t>(t)];
}
