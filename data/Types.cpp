#include "data/Types.h"

#include "text/Cp1252.h"

using namespace cp1252::literals;

const std::array<std::string_view, TypeCount> TypeNames = {
    "Normal"_cp, "Fogo"_cp,   "Água"_cp,     "Grama"_cp,  "Elétrico"_cp, "Gelo"_cp,     "Lutador"_cp, "Veneno"_cp,
    "Terra"_cp,  "Voador"_cp, "Psíquico"_cp, "Inseto"_cp, "Pedra"_cp,    "Fantasma"_cp, "Dragão"_cp};

int TypeIndex(std::string_view name)
{
    for (int i = 0; i < TypeCount; ++i)
        if (TypeNames[static_cast<std::size_t>(i)] == name)
            return i;
    return -1;
}
