// The "where to find" window without a display: its words (each way to get a
// creature one sentence with the games' figures, a line in words when there
// is none) and its view (what is chosen, what each list then shows, the
// version filter narrowing both).
#include "views/EncounterText.h"
#include "views/ItemsView.h"
#include "views/WhereToFindView.h"

#include "data/Encounters.h"
#include "data/Species.h"
#include "text/Cp1252.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

// A line as said, or that line followed by the chance to catch, which a wild
// line ends with (checked on its own below).
bool Has(const std::vector<std::string>& utf8, const std::string& line)
{
    return std::any_of(utf8.begin(), utf8.end(), [&](const std::string& l) {
        return l == line || l.rfind(line + " — captura por arremesso, Energia cheia: ", 0) == 0;
    });
}

bool HasPart(const std::vector<std::string>& utf8, const std::string& part)
{
    return std::any_of(utf8.begin(), utf8.end(),
                       [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

// The facts' walking chance of a creature on a map in one version, as the
// window writes it ("5,5%").
std::string FactsChance(const std::string& map, int creature, const std::string& version)
{
    int sum = 0;
    for (const auto& r : facts::ReadTable("wild_encounters.csv"))
        if (r.at("map") == map && r.at("version") == version && std::stoi(r.at("dex_number")) == creature)
            sum += std::stoi(r.at("slot_chance_256"));
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", 100.0 * sum / 256);
    std::string s = text;
    s[s.find('.')] = ',';
    return s;
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

// ---- the view ----

TEST(WhereToFindView, StartsOnBothVersionsTheFirstCreatureAndPlaceAndTakesOnlyItsChoosersLines)
{
    WhereToFindView view;
    EXPECT_EQ(view.Version(), Version::Both);
    EXPECT_EQ(view.VersionLine(), 0);
    EXPECT_EQ(view.Creature().Number(), 1);
    EXPECT_EQ(view.CreatureLine(), 1);
    ASSERT_FALSE(view.Places().empty());
    EXPECT_EQ(view.Place(), Place::Route1);
    EXPECT_EQ(view.PlaceLine(), 0);
    EXPECT_EQ(view.CreatureListLines(), CreatureView(Nr(1), Version::Both));
    EXPECT_EQ(view.PlaceListLines(), PlaceView(Place::Route1, Version::Both));

    // A filter line is its version; a creature line its number; a place
    // line the place of that line.
    EXPECT_EQ(Utf8(WhereToFindView::VersionChooserLines()),
              (std::vector<std::string>{"As duas", "Só Vermelha", "Só Azul"}));
    const std::pair<int, Version> filter[] = {{1, Version::Red}, {2, Version::Blue}, {0, Version::Both}};
    for (const auto& [line, version] : filter) {
        view.ChooseVersionLine(line);
        EXPECT_EQ(view.Version(), version) << line;
        EXPECT_EQ(view.VersionLine(), line);
    }
    const auto creatures = WhereToFindView::CreatureChooserLines();
    ASSERT_EQ(creatures.size(), 152u);
    EXPECT_EQ(creatures[25], "#025 - Pikachu");
    view.ChooseCreatureLine(151);
    EXPECT_EQ(view.Creature(), Nr(151));
    const auto places = view.PlaceChooserLines();
    ASSERT_EQ(places.size(), view.Places().size());
    for (std::size_t line = 0; line < places.size(); ++line)
        EXPECT_EQ(places[line], PlaceName(view.Places()[line])) << line;
    view.ChoosePlaceLine(5);
    EXPECT_EQ(places[5], "Rota 6");
    EXPECT_EQ(view.Place(), Place::Route6);
    view.ChoosePlace(Place::Route4);
    EXPECT_EQ(view.PlaceLine(), 3);

    // A line no chooser has, or a place with nothing to list, is a
    // mistake of the caller, and changes nothing.
    EXPECT_THROW(view.ChooseVersionLine(3), std::out_of_range);
    EXPECT_THROW(view.ChooseVersionLine(-1), std::out_of_range);
    EXPECT_THROW(view.ChooseCreatureLine(152), std::out_of_range);
    EXPECT_THROW(view.ChooseCreatureLine(-1), std::out_of_range);
    EXPECT_THROW(view.ChoosePlaceLine(static_cast<int>(places.size())), std::out_of_range);
    EXPECT_THROW(view.ChoosePlaceLine(-1), std::out_of_range);
    for (int p = 0; p < PlaceCount; ++p)
        if (std::find(view.Places().begin(), view.Places().end(), static_cast<Place>(p)) == view.Places().end()) {
            EXPECT_THROW(view.ChoosePlace(static_cast<Place>(p)), std::invalid_argument);
        }
    EXPECT_THROW(view.ChooseItemLine(-1), std::out_of_range);
    EXPECT_EQ(view.Version(), Version::Both);
    EXPECT_EQ(view.Creature(), Nr(151));
    EXPECT_EQ(view.Place(), Place::Route4);
}

// The one list of places: a place with no creature is listed for its items
// or its trainers, each under a line that says which; an item's ways come
// from the items' own lines.
TEST(WhereToFindView, APlacesItemsAndTrainersAndAnItemsWays)
{
    WhereToFindView view;
    ASSERT_TRUE(PlaceLines(Place::Museum1F).empty()) << "the museum holds no creature";
    view.ChoosePlace(Place::Museum1F);
    EXPECT_EQ(Utf8(view.PlaceListLines()), std::vector<std::string>{"Nenhum pokémon aqui na versão Azul e Vermelha"});
    const auto museum = Utf8(view.PlaceOtherLines());
    ASSERT_GE(museum.size(), 2u);
    EXPECT_EQ(museum[0], "Itens:");
    EXPECT_EQ(museum[1].rfind("  Old Amber — presente", 0), 0u) << museum[1];
    view.ChoosePlace(Place::CeruleanGym);
    const auto gym = Utf8(view.PlaceOtherLines());
    ASSERT_FALSE(gym.empty());
    const auto trainers = std::find(gym.begin(), gym.end(), "Treinadores:");
    ASSERT_NE(trainers, gym.end());
    EXPECT_EQ(gym.back(), "  Misty, líder do ginásio: Staryu Nv. 18, Starmie Nv. 21 — ¥2.079");
    view.ChoosePlace(Place::Route1);
    EXPECT_EQ(view.PlaceListLines(), PlaceView(Place::Route1, Version::Both)) << "the creatures as before";

    const auto items = WhereToFindView::ItemChooserLines();
    const auto moonStone = std::find(items.begin(), items.end(), "Moon Stone");
    ASSERT_NE(moonStone, items.end());
    view.ChooseItemLine(static_cast<int>(moonStone - items.begin()));
    EXPECT_EQ(view.ItemLine(), static_cast<int>(moonStone - items.begin()));
    EXPECT_EQ(view.ItemListLines(), ItemWayLines("Moon Stone"));
    EXPECT_THROW(view.ChooseItemLine(static_cast<int>(items.size())), std::out_of_range);
}

TEST(WhereToFindView, ACreaturesLinesCarryTheFactsFigures)
{
    WhereToFindView view;
    // Viridian Forest in both versions, one line, with the facts' chance.
    view.ChooseCreatureLine(25);
    const std::string chance = FactsChance("Viridian Forest", 25, "red");
    EXPECT_EQ(chance, FactsChance("Viridian Forest", 25, "blue"));
    EXPECT_TRUE(Has(Utf8(view.CreatureListLines()), "Floresta Viridian — grama/caverna — níveis 3 a 5 — " + chance +
                                                        " dos encontros — Azul e Vermelha"));
    // #129: the Old and the Super Rod with how often each bites; the Good
    // Rod never brings one (as the facts have it).
    view.ChooseCreatureLine(129);
    const auto magikarp = Utf8(view.CreatureListLines());
    EXPECT_TRUE(Has(magikarp, "Qualquer lugar com água — Vara Velha — nível 5 — fisga em todo lance; sempre "
                              "Magikarp — Azul e Vermelha"));
    EXPECT_EQ(std::count_if(magikarp.begin(), magikarp.end(),
                            [](const std::string& l) {
                                return l.find(
                                           " — Super Vara — nível 15 — fisga 1 vez em 2 lances; Magikarp 1 em 8 — ") !=
                                       std::string::npos;
                            }),
              5);
    EXPECT_FALSE(HasPart(magikarp, "Vara Boa"));
    // One had only by evolving says so; so do #000 and Mew.
    view.ChooseCreatureLine(3);
    EXPECT_EQ(Utf8(view.CreatureListLines()), (std::vector<std::string>{"Só por evolução: de Ivysaur no nível 32"}));
    view.ChooseCreature(Nr(151));
    const auto mew = Utf8(view.CreatureListLines());
    ASSERT_EQ(mew.size(), 1u);
    EXPECT_EQ(mew[0].rfind("Não se encontra nas versões Azul e Vermelha", 0), 0u) << mew[0];
    view.ChooseCreatureLine(0);
    const auto glitch = Utf8(view.CreatureListLines());
    ASSERT_EQ(glitch.size(), 1u);
    EXPECT_NE(glitch[0].find("é uma entrada de erro do jogo"), std::string::npos) << glitch[0];
}

TEST(WhereToFindView, TheFilterNarrowsBothListsAndStaysForTheNextCreature)
{
    WhereToFindView view;
    EXPECT_EQ(Utf8(view.PlaceListLines()),
              (std::vector<std::string>{
                  "#016 Pidgey — grama/caverna — níveis 2 a 5 — 50,0% dos encontros — Azul e Vermelha — captura por "
                  "arremesso, Energia cheia: Poké Ball 37,4%, Ultra Ball 37,4%",
                  "#019 Rattata — grama/caverna — níveis 2 a 4 — 50,0% dos encontros — Azul e Vermelha — captura por "
                  "arremesso, Energia cheia: Poké Ball 36,3%, Ultra Ball 36,3%"}));
    // Ekans (#023) and Rota 4: Red's only; Sandshrew Blue's.
    view.ChooseCreature(Nr(23));
    view.ChoosePlace(Place::Route4);
    const std::size_t both = view.CreatureListLines().size();
    EXPECT_TRUE(HasPart(Utf8(view.PlaceListLines()), "#023 Ekans"));
    EXPECT_TRUE(HasPart(Utf8(view.PlaceListLines()), "#027 Sandshrew"));
    view.ChooseVersionLine(1);
    EXPECT_EQ(view.CreatureListLines().size(), both);
    EXPECT_TRUE(HasPart(Utf8(view.PlaceListLines()), "#023 Ekans"));
    EXPECT_FALSE(HasPart(Utf8(view.PlaceListLines()), "#027 Sandshrew"));
    view.ChooseVersionLine(2);
    EXPECT_EQ(Utf8(view.CreatureListLines()), (std::vector<std::string>{"Não se encontra na versão Azul"}));
    EXPECT_FALSE(HasPart(Utf8(view.PlaceListLines()), "#023 Ekans"));
    EXPECT_TRUE(HasPart(Utf8(view.PlaceListLines()), "#027 Sandshrew"));
    // The filter stays for the next creature, and for the next place.
    view.ChooseCreatureLine(25);
    EXPECT_FALSE(HasPart(Utf8(view.CreatureListLines()), "só Vermelha"));
    EXPECT_TRUE(HasPart(Utf8(view.CreatureListLines()), "Floresta Viridian"));
    view.ChoosePlace(Place::Route1);
    EXPECT_EQ(view.PlaceListLines(), PlaceView(Place::Route1, Version::Blue));
    EXPECT_EQ(view.Version(), Version::Blue);
}

// A creature met in battle can be caught: its line ends with the chance per
// throw at its lowest level and full HP; a gift, a trade or a purchase none.
TEST(EncounterText, AWildLineEndsWithTheChanceToCatch)
{
    const auto lines = [](int n) {
        std::vector<std::string> texts;
        for (const SourceLine& l : CreatureLines(n))
            texts.push_back(cp1252::toUtf8(CreatureLineText(l)));
        return texts;
    };
    const auto mewtwo = lines(150);
    ASSERT_EQ(mewtwo.size(), 1u);
    EXPECT_NE(mewtwo[0].find("nível 70"), std::string::npos) << mewtwo[0];
    EXPECT_NE(mewtwo[0].find("— captura por arremesso, Energia cheia: Poké Ball 0,5%, Ultra Ball 0,9%"),
              std::string::npos)
        << mewtwo[0];
    for (const std::string& line : lines(129))
        if (line.find("compra") != std::string::npos) {
            EXPECT_EQ(line.find("captura"), std::string::npos) << line;
        }
    for (const std::string& line : lines(122))
        EXPECT_EQ(line.find("captura"), std::string::npos) << line;
    // In the Safari Zone, the Safari Ball too.
    std::vector<std::string> safari;
    for (const SourceLine& l : PlaceLines(Place::SafariZoneCenter))
        safari.push_back(cp1252::toUtf8(PlaceLineText(l)));
    ASSERT_FALSE(safari.empty());
    for (const std::string& line : safari)
        EXPECT_NE(line.find("Safari Ball"), std::string::npos) << line;
}

} // namespace
