#include "data/TypeChart.h"

#include "text/Cp1252.h"

#include <stdexcept>
#include <string>

using namespace cp1252::literals;
using T = Type;

namespace {

// One row per attacking type, one column per defending type, both in the
// order of TypeNames. '2' double, 'h' half, '0' no effect, '.' normal.
// The first-generation rules: Fantasma has no effect on Psíquico, Inseto and
// Veneno hit each other double, Gelo hits Fogo normally.
// clang-format off
constexpr std::string_view kChart[TypeCount] = {
    //  columns: Normal Fogo Água Grama Elétrico Gelo Lutador Veneno Terra Voador Psíquico Inseto Pedra Fantasma Dragão
    "............h0.", // Normal
    ".hh2.2.....2h.h", // Fogo
    ".2hh....2...2.h", // Água
    ".h2h...h2h.h2.h", // Grama
    "..2hh...02....h", // Elétrico
    "..h2.h..22....2", // Gelo
    "2....2.h.hhh20.", // Lutador
    "...2...hh..2hh.", // Veneno
    ".2.h2..2.0.h2..", // Terra
    "...2h.2....2h..", // Voador
    "......22..h....", // Psíquico
    ".h.2..h2.h2..h.", // Inseto
    ".2...2h.h2.2...", // Pedra
    "0.........0..2.", // Fantasma
    "..............2", // Dragão
};
// clang-format on

constexpr bool WellFormed()
{
    for (std::string_view row : kChart) {
        if (row.size() != TypeCount)
            return false;
        for (char c : row)
            if (c != '.' && c != '2' && c != 'h' && c != '0')
                return false;
    }
    return true;
}
static_assert(WellFormed(), "every row of the chart has one known mark per defending type");

void CheckType(int type)
{
    if (type < 0 || type >= TypeCount)
        throw std::out_of_range("type index " + std::to_string(type));
}

} // namespace

int Effectiveness(int attacker, int defender)
{
    CheckType(attacker);
    CheckType(defender);
    switch (kChart[attacker][static_cast<std::size_t>(defender)]) {
    case '2': return Halves::Double;
    case 'h': return Halves::Half;
    case '0': return Halves::None;
    default: return Halves::Normal;
    }
}

int CombinedEffectiveness(int attacker, int defender1, int defender2)
{
    const int second = defender2 < 0 ? Halves::Normal : Effectiveness(attacker, defender2);
    return Effectiveness(attacker, defender1) * second;
}

// clang-format off
const std::array<ChartRow, ChartRowCount> ChartRows = {{
    {T::Agua, T::Fogo}, {T::Fogo, T::Grama}, {T::Fogo, T::Gelo}, {T::Grama, T::Agua},
    {T::Eletrico, T::Agua}, {T::Agua, T::Pedra}, {T::Terra, T::Voador}, {T::Agua, T::Agua},
    {T::Fogo, T::Fogo}, {T::Eletrico, T::Eletrico}, {T::Gelo, T::Gelo}, {T::Grama, T::Grama},
    {T::Psiquico, T::Psiquico}, {T::Fogo, T::Agua}, {T::Grama, T::Fogo}, {T::Agua, T::Grama},
    {T::Eletrico, T::Grama}, {T::Normal, T::Pedra}, {T::Normal, T::Fantasma}, {T::Fantasma, T::Fantasma},
    {T::Fogo, T::Inseto}, {T::Fogo, T::Pedra}, {T::Agua, T::Terra}, {T::Eletrico, T::Terra},
    {T::Eletrico, T::Voador}, {T::Grama, T::Terra}, {T::Grama, T::Inseto}, {T::Grama, T::Veneno},
    {T::Grama, T::Pedra}, {T::Grama, T::Voador}, {T::Gelo, T::Agua}, {T::Gelo, T::Grama},
    {T::Gelo, T::Terra}, {T::Gelo, T::Voador}, {T::Lutador, T::Normal}, {T::Lutador, T::Veneno},
    {T::Lutador, T::Voador}, {T::Lutador, T::Psiquico}, {T::Lutador, T::Inseto}, {T::Lutador, T::Pedra},
    {T::Lutador, T::Gelo}, {T::Lutador, T::Fantasma}, {T::Veneno, T::Grama}, {T::Veneno, T::Veneno},
    {T::Veneno, T::Terra}, {T::Veneno, T::Inseto}, {T::Veneno, T::Pedra}, {T::Veneno, T::Fantasma},
    {T::Terra, T::Fogo}, {T::Terra, T::Eletrico}, {T::Terra, T::Grama}, {T::Terra, T::Inseto},
    {T::Terra, T::Pedra}, {T::Terra, T::Veneno}, {T::Voador, T::Eletrico}, {T::Voador, T::Lutador},
    {T::Voador, T::Inseto}, {T::Voador, T::Grama}, {T::Voador, T::Pedra}, {T::Psiquico, T::Lutador},
    {T::Psiquico, T::Veneno}, {T::Inseto, T::Fogo}, {T::Inseto, T::Grama}, {T::Inseto, T::Lutador},
    {T::Inseto, T::Voador}, {T::Inseto, T::Psiquico}, {T::Inseto, T::Fantasma}, {T::Inseto, T::Veneno},
    {T::Pedra, T::Fogo}, {T::Pedra, T::Lutador}, {T::Pedra, T::Terra}, {T::Pedra, T::Voador},
    {T::Pedra, T::Inseto}, {T::Pedra, T::Gelo}, {T::Fantasma, T::Normal}, {T::Fantasma, T::Psiquico},
    {T::Fogo, T::Dragao}, {T::Agua, T::Dragao}, {T::Eletrico, T::Dragao}, {T::Grama, T::Dragao},
    {T::Gelo, T::Dragao}, {T::Dragao, T::Dragao},
}};
// clang-format on

std::string_view EffectSymbol(int halves)
{
    switch (halves) {
    case Halves::Double: return "2";
    case Halves::Half: return "½"_cp;
    case Halves::None: return "0";
    default: return "";
    }
}

std::string_view EffectWords(int halves)
{
    switch (halves) {
    case Halves::Double: return "2 vezes";
    case Halves::Half: return "metade";
    case Halves::None: return "sem efeito";
    default: return "1 vez";
    }
}

const std::array<ProfileGroup, ProfileGroupCount> ProfileGroups = {{
    {16, "×4"_cp, "4 vezes"},
    {8, "×2"_cp, "2 vezes"},
    {2, "×½"_cp, "metade"},
    {1, "×¼"_cp, "um quarto"},
    {0, "×0"_cp, "sem efeito"},
}};

DefenceProfile ProfileOf(int defender1, int defender2)
{
    DefenceProfile profile;
    for (int attacker = 0; attacker < TypeCount; ++attacker) {
        const int quarters = CombinedEffectiveness(attacker, defender1, defender2);
        for (int g = 0; g < ProfileGroupCount; ++g)
            if (ProfileGroups[static_cast<std::size_t>(g)].Quarters == quarters)
                profile.Attackers[static_cast<std::size_t>(g)].push_back(attacker);
    }
    return profile;
}

std::vector<int> ParseTypes(std::string_view types)
{
    constexpr std::string_view separator = " / ";
    const auto at = types.find(separator);
    const std::string_view first = types.substr(0, at);
    const int a = TypeIndex(first);
    if (a < 0)
        return {};
    if (at == std::string_view::npos)
        return {a};
    const int b = TypeIndex(types.substr(at + separator.size()));
    if (b < 0)
        return {};
    return {a, b};
}
