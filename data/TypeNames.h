// The fifteen type names of the Red and Blue games, as the catalogue writes
// them, in the catalogue's order. Tables refer to a type by its Type value.
#pragma once

#include "widgets/Cp1252.h"

#include <array>
#include <cstdint>
#include <string_view>

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

inline constexpr int TypeCount = 15;

namespace detail {
using namespace cp1252::literals;
inline constexpr std::array<std::string_view, TypeCount> kTypeNames{
    "Normal"_cp, "Fogo"_cp,   "Água"_cp,     "Grama"_cp,  "Elétrico"_cp, "Gelo"_cp,     "Lutador"_cp, "Veneno"_cp,
    "Terra"_cp,  "Voador"_cp, "Psíquico"_cp, "Inseto"_cp, "Pedra"_cp,    "Fantasma"_cp, "Dragão"_cp};
} // namespace detail

// The type's name, Windows-1252 ("Elétrico").
constexpr std::string_view TypeName(Type t)
{
    return detail::kTypeNames[static_cast<std::size_t>(t)];
}
