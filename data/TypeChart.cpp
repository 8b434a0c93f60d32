#include "data/TypeChart.h"

#include "text/Cp1252.h"

#include <stdexcept>
#include <string>

using namespace cp1252::literals;
using T = Type;

namespace {

// One row per attacking type, one column per defending type, both in the
// games' order of types (data/Types.h). '2' double, 'h' half, '0' no effect, '.' normal.
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

} // namespace

int Effectiveness(Type attacker, Type defender)
{
    if (Index(attacker) >= TypeCount || Index(defender) >= TypeCount)
        throw std::out_of_range("type " + std::to_string(Index(attacker)) + " against " +
                                std::to_string(Index(defender)));
    switch (kChart[Index(attacker)][Index(defender)]) {
    case '2': return Halves::Double;
    case 'h': return Halves::Half;
    case '0': return Halves::None;
    default: return Halves::Neutral;
    }
}

int CombinedEffectiveness(Type attacker, Type defender1, std::optional<Type> defender2)
{
    const int second = defender2 ? Effectiveness(attacker, *defender2) : Halves::Neutral;
    return Effectiveness(attacker, defender1) * second;
}

const std::array<EffectTexts, 4> Effects = {{
    {Halves::Double, "2", "2 vezes", "o dobro do dano"},
    {Halves::Half, "½"_cp, "metade", "metade do dano"},
    {Halves::None, "0", "sem efeito", "sem efeito"},
    {Halves::Neutral, "", "1 vez", "dano normal"},
}};

namespace {
const EffectTexts& TextsOf(int halves)
{
    for (const EffectTexts& e : Effects)
        if (e.Halves == halves)
            return e;
    return Effects.back();
}
} // namespace

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
    return TextsOf(halves).Symbol;
}

std::string_view EffectWords(int halves)
{
    return TextsOf(halves).Words;
}

std::string ChartLegend()
{
    std::string legend;
    for (const EffectTexts& e : Effects) {
        if (!legend.empty())
            legend += "     ";
        legend.append(e.Symbol.empty() ? "vazio" : e.Symbol).append(" = ").append(e.Legend);
    }
    return legend;
}

const std::array<ProfileGroup, ProfileGroupCount> ProfileGroups = {{
    {16, "×4"_cp, "4 vezes"},
    {8, "×2"_cp, "2 vezes"},
    {2, "×½"_cp, "metade"},
    {1, "×¼"_cp, "um quarto"},
    {0, "×0"_cp, "sem efeito"},
}};

DefenceProfile ProfileOf(Type defender1, std::optional<Type> defender2)
{
    DefenceProfile profile;
    for (Type attacker : AllTypes) {
        const int quarters = CombinedEffectiveness(attacker, defender1, defender2);
        for (std::size_t g = 0; g < ProfileGroups.size(); ++g)
            if (ProfileGroups[g].Quarters == quarters)
                profile.Attackers[g].push_back(attacker);
    }
    return profile;
}

std::vector<Type> ParseTypes(std::string_view types)
{
    constexpr std::string_view separator = " / ";
    const auto at = types.find(separator);
    const std::optional<Type> a = TypeOf(types.substr(0, at));
    if (!a)
        return {};
    if (at == std::string_view::npos)
        return {*a};
    const std::optional<Type> b = TypeOf(types.substr(at + separator.size()));
    if (!b)
        return {};
    return {*a, *b};
}
