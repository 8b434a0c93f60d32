#include "data/Types.h"

#include "text/Cp1252.h"

using namespace cp1252::literals;

namespace {
constexpr std::array<std::string_view, TypeCount> kNames = {
    "Normal"_cp, "Fogo"_cp,   "Água"_cp,     "Grama"_cp,  "Elétrico"_cp, "Gelo"_cp,     "Lutador"_cp, "Veneno"_cp,
    "Terra"_cp,  "Voador"_cp, "Psíquico"_cp, "Inseto"_cp, "Pedra"_cp,    "Fantasma"_cp, "Dragão"_cp};
} // namespace

std::string_view TypeName(Type t)
{
    return kNames.at(Index(t));
}

std::optional<Type> TypeOf(std::string_view name)
{
    for (Type t : AllTypes)
        if (kNames[Index(t)] == name)
            return t;
    return std::nullopt;
}
