// Every row against the Red/Blue fact tables: types, evolution triggers and
// levels, learnsets, version exclusives, where the creature is found, and the
// ratings' order. The rows the guide gives in full are held to the facts
// where they agree with them and are otherwise left as given.
#include "FactTables.h"
#include "catalogue/Catalogue.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using cp1252::toUtf8;

std::string U(std::string_view bytes)
{
    return toUtf8(bytes);
}

const std::set<int> kGivenNumbers{1, 2, 10, 23, 25, 37, 63, 129, 133, 134};

bool Authored(int number)
{
    return number >= 1 && number <= 150 && !kGivenNumbers.count(number);
}

const CatalogueEntry& ByNumber(int n)
{
    return Catalogue::Entry(Catalogue::RowOfNumber(n));
}

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(separator, from)) != std::string::npos; from = at + separator.size())
        parts.push_back(text.substr(from, at - from));
    parts.push_back(text.substr(from));
    return parts;
}

using facts::Shown;

// "LVL --- Tackle" -> ("---", "Tackle"); "LVL 07 Leech Seed" -> ("07", "Leech Seed").
std::pair<std::string, std::string> LevelAndMove(const std::string& line)
{
    const auto blank = line.find(' ', 4);
    return {line.substr(4, blank - 4), line.substr(blank + 1)};
}

TEST(CatalogueFacts, TypesInTheGamesOrder)
{
    const auto& name = facts::PortugueseTypes();
    const auto& f = facts::Load();
    for (int n = 1; n <= 151; ++n) {
        const auto& s = f.species.at(n);
        const std::string expected = name.at(s.Type1) + (s.Type2.empty() ? "" : " / " + name.at(s.Type2));
        EXPECT_EQ(U(ByNumber(n).Types), expected) << "#" << n << " " << s.Name;
    }
}

TEST(CatalogueFacts, EvolutionTriggersAndLevels)
{
    const auto& f = facts::Load();
    std::map<std::string, int> number;
    for (int n = 1; n <= 150; ++n)
        number[U(ByNumber(n).Name)] = n;
    number["Exeggutor"] = 103; // the evolution text spells it as the games do

    for (int n = 1; n <= 150; ++n) {
        SCOPED_TRACE("#" + std::to_string(n));
        const std::string text = U(ByNumber(n).Evolution);
        std::vector<facts::Evolution> onward;
        for (const auto& e : f.evolutions)
            if (e.From == n)
                onward.push_back(e);
        if (text == "não há") {
            EXPECT_TRUE(onward.empty());
            continue;
        }
        // A chain names each next form in turn; #133's alternatives all start at #133.
        int from = n;
        for (const auto& step : Split(text, " / ")) {
            const auto colon = step.find(": ");
            ASSERT_NE(colon, std::string::npos) << step;
            const std::string trigger = step.substr(0, colon);
            const int to = number.at(step.substr(colon + 2));
            const facts::Evolution* evolution = nullptr;
            for (const auto& e : f.evolutions)
                if (e.From == from && e.To == to)
                    evolution = &e;
            ASSERT_NE(evolution, nullptr) << step;
            std::string expected = evolution->Item;
            if (evolution->Method == "level")
                expected = "Level " + std::to_string(evolution->Level);
            else if (evolution->Method == "trade")
                expected = "Trocado";
            else if (n == 133)
                expected = std::regex_replace(expected, std::regex(" "), "");
            EXPECT_EQ(trigger, expected);
            if (n != 133)
                from = to;
        }
        // The whole road ahead: nothing after the last form named.
        if (n != 133) {
            for (const auto& e : f.evolutions)
                EXPECT_NE(e.From, from) << "text stops before #" << e.To;
        } else {
            EXPECT_EQ(Split(text, " / ").size(), onward.size());
        }
    }
}

TEST(CatalogueFacts, LearnsetsOfTheAuthoredRows)
{
    const auto& f = facts::Load();
    for (int n = 1; n <= 151; ++n) {
        if (!Authored(n))
            continue;
        SCOPED_TRACE("#" + std::to_string(n));
        std::set<std::string> learntByLevel;
        std::vector<std::string> expected;
        for (const auto& m : f.learnsets.at(n))
            if (!m.Start)
                learntByLevel.insert(m.Name);
        for (const auto& m : f.learnsets.at(n))
            if (m.Start && !learntByLevel.count(m.Name))
                expected.push_back("LVL --- " + Shown(m.Name));
        for (const auto& m : f.learnsets.at(n))
            if (!m.Start)
                expected.push_back((m.Level < 10 ? "LVL 0" : "LVL ") + std::to_string(m.Level) + " " + Shown(m.Name));
        const auto& e = ByNumber(n);
        EXPECT_EQ(std::vector<std::string>(e.Learnset.begin(), e.Learnset.end()), expected);
    }
}

TEST(CatalogueFacts, GivenLearnsetsUseRealMovesAndLevels)
{
    const auto& f = facts::Load();
    for (int n : kGivenNumbers) {
        for (std::string_view text : ByNumber(n).Learnset) {
            const std::string line(text);
            const auto [level, move] = LevelAndMove(line);
            bool found = false;
            for (const auto& m : f.learnsets.at(n))
                found |= Shown(m.Name) == move && (level == "---" || (!m.Start && std::stoi(level) == m.Level));
            EXPECT_TRUE(found) << "#" << n << ": " << line;
        }
    }
}

TEST(CatalogueFacts, EachMoveHasOneSpellingEverywhere)
{
    const auto& f = facts::Load();
    std::set<std::string> gameMoves;
    for (const auto& [n, moves] : f.learnsets)
        for (const auto& m : moves)
            gameMoves.insert(Shown(m.Name));
    for (int row = 0; row < Catalogue::RowCount; ++row)
        for (std::string_view text : Catalogue::Entry(row).Learnset) {
            const std::string move = LevelAndMove(std::string(text)).second;
            EXPECT_TRUE(gameMoves.count(move)) << "row " << row << ": " << move;
        }
}

// Whether a creature can be had in a version: found there, or evolved from a
// form found there.
bool Available(const facts::Tables& f, const std::map<int, facts::Sources>& version, int n)
{
    if (version.count(n) && !version.at(n).empty())
        return true;
    for (const auto& e : f.evolutions)
        if (e.To == n && Available(f, version, e.From))
            return true;
    return false;
}

TEST(CatalogueFacts, VersionExclusives)
{
    const auto& f = facts::Load();
    int red = 0, blue = 0;
    for (int n = 1; n <= 150; ++n) {
        const bool inRed = Available(f, f.red, n), inBlue = Available(f, f.blue, n);
        ASSERT_TRUE(inRed || inBlue) << n;
        const std::string expected = inRed && inBlue ? "Azul e Vermelha" : inRed ? "Vermelha somente" : "Azul somente";
        EXPECT_EQ(U(ByNumber(n).Versions), expected) << "#" << n;
        red += !inBlue;
        blue += !inRed;
    }
    EXPECT_EQ(red, 11);
    EXPECT_EQ(blue, 11);
}

facts::Sources AllSources(const facts::Tables& f, int n)
{
    facts::Sources all;
    for (const auto* version : {&f.red, &f.blue})
        if (version->count(n))
            all.insert(version->at(n).begin(), version->at(n).end());
    return all;
}

TEST(CatalogueFacts, EvolutionOnlyLocations)
{
    const auto& f = facts::Load();
    for (int n = 1; n <= 150; ++n)
        EXPECT_EQ(U(ByNumber(n).Location) == "Evolução", AllSources(f, n).empty()) << "#" << n;
}

// Every in-game trade says what it asks for, as "troca na <place> (por um X)".
TEST(CatalogueFacts, TradesSayWhatTheyAskFor)
{
    const auto& f = facts::Load();
    ASSERT_EQ(f.tradedFor.size(), 9u);
    for (int n = 1; n <= 150; ++n) {
        const std::string location = U(ByNumber(n).Location);
        const bool traded = f.tradedFor.count(n) != 0;
        EXPECT_EQ(location.find("roca n") != std::string::npos, traded) << "#" << n << ": " << location;
        if (traded) {
            EXPECT_NE(location.find("(por um " + f.tradedFor.at(n) + ")"), std::string::npos)
                << "#" << n << ": " << location;
        }
    }
}

// Each route, town and landmark a Location names is a place where the facts
// have the creature, fished there if its list ends in "(pescando)" and found
// there otherwise if not.
TEST(CatalogueFacts, LocationsNameOnlyRealPlaces)
{
    const auto& f = facts::Load();
    const std::map<std::string, std::string> landmarks{{"Floresta Viridian", "Viridian Forest"},
                                                       {"Mt. Moon", "Mt. Moon"},
                                                       {"Rock Tunnel", "Rock Tunnel"},
                                                       {"Power Plant", "Power Plant"},
                                                       {"Torre Pokémon", "Pokémon Tower"},
                                                       {"Zona Safári", "Safari Zone"},
                                                       {"Ilhas Seafoam", "Seafoam Islands"},
                                                       {"Victory Road", "Victory Road"},
                                                       {"Caverna Cerulean", "Cerulean Cave"},
                                                       {"Caverna Diglett", "Digletts Cave"},
                                                       {"Pokémon House", "Pokémon Mansion"},
                                                       {"Coin Exchange", "Game Corner Prize Room"},
                                                       {"Laboratório do Professor Carvalho", "Oaks Lab"},
                                                       {"Mansão Celadon", "Celadon Mansion"},
                                                       {"Dojo de Luta", "Fighting Dojo"},
                                                       {"Silph Co.", "Silph Co."},
                                                       {"Laboratório da Ilha Cinnabar", "Cinnabar Lab"},
                                                       {"Qualquer lugar com água", "any fishing spot"}};
    const std::regex routes("Rotas? ([0-9]+(?:(?:, | e )[0-9]+)*)");
    const std::regex towns("Cidades de ([A-Z][a-z]+) e ([A-Z][a-z]+)|(?:Cidade de|Ilha) ([A-Z][a-z]+)");
    const std::regex number("[0-9]+");

    for (int n = 1; n <= 150; ++n) {
        const std::string location = U(ByNumber(n).Location);
        if (location == "Evolução")
            continue;
        SCOPED_TRACE("#" + std::to_string(n) + ": " + location);
        const auto sources = AllSources(f, n);
        // The list that "(pescando)" closes names places where the creature
        // is fished; the list before its "; " names where it is found
        // otherwise (walking, surfing, gift, prize, trade).
        const auto lists = Split(location, "; ");
        for (std::size_t l = 0; l < lists.size(); ++l) {
            const bool fishedList = lists[l].find("(pescando)") != std::string::npos;
            SCOPED_TRACE(fishedList ? "fished" : "not fished");
            auto somewhere = [&](auto&& test) {
                for (const auto& [place, how] : sources)
                    if ((how.rfind("fish", 0) == 0) == fishedList && test(place, how))
                        return true;
                return false;
            };
            // Qualifiers in parentheses name where a place is ("(Cidade de
            // Celadon)", "(Helix Fossil do Mt. Moon)"), not where the creature is.
            const std::string plain = std::regex_replace(lists[l], std::regex(" ?\\([^)]*\\)"), "");
            for (std::sregex_iterator it(plain.begin(), plain.end(), routes), end; it != end; ++it) {
                const std::string list = (*it)[1];
                for (std::sregex_iterator r(list.begin(), list.end(), number); r != end; ++r) {
                    const std::string route = "Route " + r->str();
                    EXPECT_TRUE(somewhere([&](const std::string& place, const std::string&) {
                        const auto at = place.find(route);
                        return at != std::string::npos &&
                               (at + route.size() == place.size() || place[at + route.size()] == ' ');
                    })) << route;
                }
            }
            for (std::sregex_iterator it(plain.begin(), plain.end(), towns), end; it != end; ++it)
                for (int g = 1; g <= 3; ++g)
                    if ((*it)[g].matched) {
                        const std::string town = (*it)[g];
                        EXPECT_TRUE(somewhere([&](const std::string& place, const std::string&) {
                            return place.rfind(town + " ", 0) == 0;
                        })) << town;
                    }
            for (const auto& [shown, place] : landmarks) {
                if (plain.find(shown) != std::string::npos) {
                    EXPECT_TRUE(somewhere([&](const std::string& p, const std::string&) {
                        return p.rfind(place, 0) == 0;
                    })) << shown;
                }
            }
            EXPECT_TRUE(somewhere([](const std::string&, const std::string&) { return true; }));
        }
    }
}

TEST(CatalogueFacts, HigherBaseStatNeverALowerRating)
{
    const auto& f = facts::Load();
    for (int stat = 0; stat < 5; ++stat)
        for (int a = 1; a <= 150; ++a)
            for (int b = 1; b <= 150; ++b) {
                if (!Authored(a) || !Authored(b))
                    continue;
                if (f.species.at(a).Stats[stat] > f.species.at(b).Stats[stat]) {
                    EXPECT_GE(ByNumber(a).Ratings[stat], ByNumber(b).Ratings[stat])
                        << "stat " << stat << ": #" << a << " against #" << b;
                }
            }
}

TEST(CatalogueFacts, FamiliesFollowTheEvolutions)
{
    const auto& f = facts::Load();
    for (int n = 1; n <= 151; ++n) {
        int first = n, stage = 1;
        for (bool more = true; more;) {
            more = false;
            for (const auto& e : f.evolutions)
                if (e.To == first) {
                    first = e.From;
                    ++stage;
                    more = true;
                }
        }
        EXPECT_EQ(Catalogue::FamilyOf(n).First, first) << n;
        EXPECT_EQ(Catalogue::FamilyOf(n).Stage, stage) << n;
    }
}

} // namespace
