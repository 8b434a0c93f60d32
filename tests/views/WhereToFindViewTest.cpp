// The words of the "where to find" window: each way to get a creature one
// sentence with the games' figures, a line in words when there is none.
#include "views/EncounterText.h"

#include "data/Encounters.h"
#include "data/Species.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace encounters;

species::Creature Nr(int number)
{
    const auto c = species::Creature::FromNumber(number);
    if (!c)
        throw std::out_of_range("no creature #" + std::to_string(number));
    return *c;
}

std::vector<std::string> Utf8(const std::vector<std::string>& lines)
{
    std::vector<std::string> utf8;
    for (const std::string& line : lines)
        utf8.push_back(cp1252::toUtf8(line));
    return utf8;
}

bool Has(const std::vector<std::string>& utf8, const std::string& line)
{
    return std::find(utf8.begin(), utf8.end(), line) != utf8.end();
}

bool HasPart(const std::vector<std::string>& utf8, const std::string& part)
{
    return std::any_of(utf8.begin(), utf8.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

// ---- the words ----

TEST(EncounterText, EachWayIsOneSentenceWithItsFigures)
{
    // Tenths rounded half up, whatever binary fractions do.
    EXPECT_EQ(PercentText({14, 256}), "5,5%");
    EXPECT_EQ(PercentText({3, 256}), "1,2%");
    EXPECT_EQ(PercentText({1, 2000}), "0,1%");
    EXPECT_EQ(PercentText({1, 4}), "25,0%");
    EXPECT_EQ(PercentText({1, 1}), "100,0%");
    EXPECT_EQ(PercentText({0, 0}), "0,0%");

    const auto lines = [](int n) {
        std::vector<std::string> texts;
        for (const SourceLine& l : CreatureLines(n))
            texts.push_back(cp1252::toUtf8(CreatureLineText(l)));
        return texts;
    };
    const auto pikachu = lines(25);
    EXPECT_TRUE(
        Has(pikachu, "Floresta Viridian — grama/caverna — níveis 3 a 5 — 5,5% dos encontros — Azul e Vermelha"));
    EXPECT_TRUE(Has(lines(23), "Rota 4 — grama/caverna — níveis 6 a 12 — 25,0% dos encontros — só Vermelha"));
    // Rods: how often a cast bites, then how often it brings the creature,
    // both per cast and in lowest terms.
    const auto magikarp = lines(129);
    EXPECT_TRUE(Has(magikarp, "Qualquer lugar com água — Vara Velha — nível 5 — fisga em todo lance; sempre Magikarp "
                              "— Azul e Vermelha"));
    EXPECT_TRUE(Has(magikarp, "Rota 12 — Super Vara — nível 15 — fisga 1 vez em 2 lances; Magikarp 1 em 8 — Azul e "
                              "Vermelha"));
    EXPECT_TRUE(Has(lines(118), "Qualquer lugar com água — Vara Boa — nível 10 — fisga 1 vez em 3 lances; Goldeen 1 "
                                "em 6 — Azul e Vermelha"));
    EXPECT_TRUE(Has(magikarp, "Centro Pokémon do Mt. Moon — compra — nível 5 — Azul e Vermelha — ¥500"));
    // A trade has no level of its own; what it asks comes last.
    EXPECT_TRUE(Has(lines(122), "Casa de trocas da Rota 2 — troca — Azul e Vermelha — por um Abra; chega com o "
                                "apelido Marcel"));
    // A place's line names the creature as the games do.
    std::vector<std::string> rodSpot;
    for (const SourceLine& l : PlaceLines(Place::AnyWater))
        rodSpot.push_back(cp1252::toUtf8(PlaceLineText(l)));
    EXPECT_TRUE(Has(rodSpot, "#060 Poliwag — Vara Boa — nível 10 — fisga 1 vez em 3 lances; Poliwag 1 em 6 — Azul e "
                             "Vermelha"));
    // A list of three: "vezes", and the fraction as the routine makes it.
    std::vector<std::string> route4;
    for (const SourceLine& l : PlaceLines(Place::Route4))
        route4.push_back(cp1252::toUtf8(PlaceLineText(l)));
    EXPECT_TRUE(Has(route4, "#054 Psyduck — Super Vara — nível 15 — fisga 3 vezes em 7 lances; Psyduck 1 em 7 — Azul "
                            "e Vermelha"));
    const auto trades = Utf8(PlaceView(Place::CinnabarLabTradeRoom, Version::Both));
    EXPECT_TRUE(
        std::any_of(trades.begin(), trades.end(), [](const std::string& t) { return t.rfind("#101 ", 0) == 0; }));
    EXPECT_TRUE(Has(Utf8(PlaceView(Place::CeruleanTradeHouse, Version::Both)),
                    "#124 Jynx — troca — Azul e Vermelha — por um Poliwhirl; chega com o apelido Lola"));
}

TEST(EncounterText, ViewsNarrowByVersionAndSayWhatIsTrueWhenNothingIsFound)
{
    const auto v = [](int n, Version shown) { return Utf8(CreatureView(Nr(n), shown)); };
    using S = std::vector<std::string>;
    EXPECT_EQ(v(2, Version::Both), (S{"Só por evolução: de Bulbasaur no nível 16"}));
    EXPECT_EQ(v(36, Version::Red), (S{"Só por evolução: de Clefairy com a Moon Stone"}));
    EXPECT_EQ(v(65, Version::Blue), (S{"Só por evolução: de Kadabra por troca"}));
    EXPECT_EQ(v(0, Version::Both), (S{"Não está em nenhuma tabela de encontros das versões Azul e Vermelha: é uma "
                                      "entrada de erro do jogo, não um pokémon"}));
    EXPECT_EQ(v(151, Version::Red), (S{"Não se encontra nas versões Azul e Vermelha: nenhum encontro, presente, "
                                       "troca ou prêmio do jogo o dá"}));
    // Ekans is Red's; in Blue the window says so rather than show nothing.
    EXPECT_EQ(v(23, Version::Blue), (S{"Não se encontra na versão Azul"}));
    EXPECT_EQ(v(24, Version::Blue), (S{"Não se encontra na versão Azul", "Por evolução: de Ekans no nível 22"}));
    EXPECT_EQ(v(17, Version::Both).back(), "Também por evolução: de Pidgey no nível 18");

    for (int n = 1; n <= 151; ++n)
        for (const Version shown : {Version::Both, Version::Red, Version::Blue}) {
            const auto lines = CreatureLines(n);
            const auto view = CreatureView(Nr(n), shown);
            ASSERT_FALSE(view.empty()) << n;
            // Every line of the version shown, none of the other.
            const auto kept = std::count_if(lines.begin(), lines.end(),
                                            [&](const SourceLine& l) { return InVersion(l.Versions, shown); });
            const bool evolves = species::EvolutionInto(n) != nullptr;
            if (kept > 0) {
                EXPECT_EQ(view.size(), static_cast<std::size_t>(kept) + evolves) << n;
            }
            if (evolves) {
                EXPECT_NE(cp1252::toUtf8(view.back()).find("or evolução: de "), std::string::npos) << n;
            }
        }
    for (const Place p : PlacesWithEncounters()) {
        const auto both = PlaceView(p, Version::Both);
        const auto red = Utf8(PlaceView(p, Version::Red));
        const auto blue = Utf8(PlaceView(p, Version::Blue));
        EXPECT_EQ(both.size(), PlaceLines(p).size()) << PlaceMap(p);
        EXPECT_FALSE(HasPart(red, "só Azul")) << PlaceMap(p);
        EXPECT_FALSE(HasPart(blue, "só Vermelha")) << PlaceMap(p);
    }
    EXPECT_EQ(PlaceView(Place::Route1, Version::Red).size(), 2u);
}

} // namespace
