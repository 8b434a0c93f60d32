// The fifteen types of the first-generation games, named as the catalogue
// writes them. The one representation of a type (`Type`) and the one list of
// type names: the type chart, the moves and the catalogue's checks read them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

constexpr int TypeCount = 15;

// In the games' order, which is also the chart's.
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

// Every type, in order, for walking them all.
inline constexpr std::array<Type, TypeCount> AllTypes = {Type::Normal,   Type::Fogo,     Type::Agua,     Type::Grama,
                                                         Type::Eletrico, Type::Gelo,     Type::Lutador,  Type::Veneno,
                                                         Type::Terra,    Type::Voador,   Type::Psiquico, Type::Inseto,
                                                         Type::Pedra,    Type::Fantasma, Type::Dragao};

// A type's place in the games' order, 0..14, for tables indexed by type.
constexpr std::size_t Index(Type t)
{
    return static_cast<std::size_t>(t);
}

// The type's name, Windows-1252 ("Elétrico").
std::string_view TypeName(Type t);

// The type a name names, nothing when it names none ("Sombrio", "Metal").
std::optional<Type> TypeOf(std::string_view name);
