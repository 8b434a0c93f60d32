#include "catalogue/Catalogue.h"
#include "data/Encounters.h"
#include "data/Species.h"
#include "text/Cp1252.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace encounters;
using namespace cp1252::literals;

std::string VersionWord(Version v)
{
    return v == Version::Red ? "red" : v == Version::Blue ? "blue" : "both";
}

std::vector<Version> Each(Version set)
{
    std::vector<Version> one;
    for (const Version v : {Version::Red, Version::Blue})
        if (InVersion(set, v))
            one.push_back(v);
    return one;
}

std::string Map(Place p)
{
    return std::string(PlaceMap(p));
}

// ---- the tables, row for row against the facts ----

TEST(EncounterTables, EveryWalkingAndSurfingSlotIsTheGames)
{
    using Row = std::tuple<std::string, std::string, std::string, int, int, int, int, int>;
    std::multiset<Row> facts, ours;
    for (const auto& r : facts::ReadTable("wild_encounters.csv"))
        facts.insert({r.at("version"), r.at("map"), r.at("method"), std::stoi(r.at("slot")), std::stoi(r.at("level")),
                      std::stoi(r.at("dex_number")), std::stoi(r.at("slot_chance_256")),
                      std::stoi(r.at("encounter_rate"))});
    for (const WildMap& m : WildMaps)
        for (const Version v : {Version::Red, Version::Blue}) {
            const WildTable& t = v == Version::Red ? *m.Red : *m.Blue;
            for (int i = 0; i < 10; ++i)
                ours.insert({VersionWord(v), Map(m.Where), m.How == Method::Grass ? "grass" : "water", i + 1,
                             t.Slots[i].Level, t.Slots[i].Creature, SlotChance256[i], t.Rate});
        }
    EXPECT_EQ(facts.size(), 1160u);
    EXPECT_EQ(ours, facts); // as multisets: nothing missing, nothing invented, nothing twice
}

TEST(EncounterTables, EveryRodEntryIsTheGames)
{
    using Row = std::tuple<std::string, std::string, std::string, int, int, int>;
    std::multiset<Row> facts, ours;
    for (const auto& r : facts::ReadTable("fishing.csv"))
        facts.insert({r.at("rod"), r.at("map"), r.at("group"), std::stoi(r.at("slot")), std::stoi(r.at("level")),
                      std::stoi(r.at("dex_number"))});
    const auto add = [&](const std::string& rod, const std::string& map, const std::string& group,
                         std::span<const RodCatch> catches) {
        for (std::size_t i = 0; i < catches.size(); ++i)
            ours.insert({rod, map, group, static_cast<int>(i) + 1, catches[i].Level, catches[i].Creature});
    };
    add("old", Map(Place::AnyWater), "", OldRodCatches);
    add("good", Map(Place::AnyWater), "", GoodRodCatches);
    for (const SuperRodSpot& s : SuperRodSpots)
        add("super", Map(s.Where), std::to_string(s.Group), s.Catches);
    EXPECT_EQ(facts.size(), 112u);
    EXPECT_EQ(ours, facts);
}

// The facts' own note for a source, rebuilt from its fields; the free texts
// by what they say.
std::string FactsNote(const OtherSource& s)
{
    static const std::map<std::string_view, std::string> said = {
        {"escolha um dos três"_cp, "choose one of the three"},
        {"escolha um: Hitmonlee ou Hitmonchan"_cp, "choose one: Hitmonlee or Hitmonchan"},
        {"parecem itens no chão"_cp, "appears as an item ball"},
        {"acorda ao som da Poke Flute"_cp, "battle starts when the Poke Flute is played next to it"},
        {"só se leva um dos dois, Dome Fossil ou Helix Fossil"_cp,
         "only one of Dome Fossil / Helix Fossil can be taken"},
        {"", ""},
    };
    std::string note;
    const auto add = [&](const std::string& part) { note += (note.empty() || part.empty() ? "" : "; ") + part; };
    if (s.How == Method::Purchase)
        add(std::to_string(s.Price) + " yen");
    if (s.How == Method::Prize)
        add(std::to_string(s.Price) + " coins");
    if (s.How == Method::Trade)
        add("for your " + std::string(s.Gives) + " (same level); arrives nicknamed " + std::string(s.Nickname));
    if (!s.Fossil.empty())
        add("revived from " + std::string(s.Fossil) + " (found in " + Map(s.FossilAt) + ")");
    if (s.Count > 1)
        add(std::to_string(s.Count) + " placed");
    const auto it = said.find(s.Note);
    add(it == said.end() ? "untranslated: " + std::string(s.Note) : it->second);
    return note;
}

TEST(EncounterTables, EveryOtherSourceIsTheGames)
{
    static const std::map<Method, std::string> how = {{Method::Gift, "gift"},
                                                      {Method::Purchase, "purchase"},
                                                      {Method::Static, "static"},
                                                      {Method::Prize, "prize"},
                                                      {Method::Trade, "trade"}};
    using Row = std::tuple<int, std::string, std::string, std::string, std::string, std::string>;
    std::multiset<Row> facts, ours;
    for (const auto& r : facts::ReadTable("other_sources.csv"))
        facts.insert({std::stoi(r.at("dex_number")), r.at("version"), r.at("place"), r.at("how"), r.at("price_or_note"),
                      r.at("level")});
    for (const OtherSource& s : OtherSources)
        ours.insert({s.Creature, VersionWord(s.Versions), Map(s.Where), how.at(s.How), FactsNote(s),
                     s.Level ? std::to_string(s.Level) : ""});
    EXPECT_EQ(facts.size(), 40u);
    EXPECT_EQ(ours, facts);
}

// ---- places ----

TEST(EncounterPlaces, EveryMapOfTheFactsHasOneNameOfItsOwn)
{
    std::set<std::string> maps;
    for (const auto& r : facts::ReadTable("wild_encounters.csv"))
        maps.insert(r.at("map"));
    for (const auto& r : facts::ReadTable("fishing.csv"))
        maps.insert(r.at("map"));
    for (const auto& r : facts::ReadTable("other_sources.csv")) {
        maps.insert(r.at("place"));
        const std::string& note = r.at("price_or_note");
        if (const auto at = note.find("(found in "); at != std::string::npos)
            maps.insert(note.substr(at + 10, note.find(')', at) - at - 10));
    }
    // The trainers' places join the same list.
    for (const facts::Trainer& t : facts::Load().trainers)
        for (std::size_t start = 0; t.Used() && start < t.Place.size();) {
            const std::size_t end = std::min(t.Place.find("; ", start), t.Place.size());
            maps.insert(t.Place.substr(start, end - start));
            start = end + 2;
        }
    // And the items' places: the maps', the shops' and the TM list's gifts'
    // (the department store is the map's "Celadon Mart").
    const auto store = [](std::string map) {
        if (const auto at = map.find("Dept Store"); at != std::string::npos)
            map.replace(at, 10, "Mart");
        return map;
    };
    for (const auto& r : facts::ReadTable("items.csv"))
        maps.insert(r.at("map"));
    for (const auto& r : facts::ReadTable("marts.csv"))
        maps.insert(store(r.at("mart")));
    for (const auto& r : facts::ReadTable("tm_hm.csv"))
        if (r.at("sources").rfind("gift: ", 0) == 0)
            maps.insert(store(r.at("sources").substr(6, r.at("sources").find(" (") - 6)));
    std::set<std::string> named;
    for (const std::string& map : maps) {
        const auto p = PlaceOfMap(map);
        if (!p) {
            ADD_FAILURE() << "no place for " << map;
            continue;
        }
        EXPECT_EQ(PlaceMap(*p), map);
        named.insert(Map(*p));
    }
    std::set<std::string_view> names;
    for (int i = 0; i < PlaceCount; ++i) {
        const Place p = static_cast<Place>(i);
        EXPECT_TRUE(named.count(Map(p))) << Map(p) << " is named by no fact";
        EXPECT_TRUE(names.insert(PlaceName(p)).second) << "two places named " << cp1252::toUtf8(PlaceName(p));
    }
}

// Routes by number, then the other places in the order of their names,
// floors and rooms by number ("Silph Co., 2º andar" before "10º").
TEST(EncounterPlaces, ListedRoutesFirstThenByName)
{
    const auto key = [](Place p) {
        const std::string name(PlaceName(p));
        const bool route = name.rfind("Rota ", 0) == 0 && name.find(',') == std::string::npos;
        std::string padded;
        for (std::size_t i = 0; i < name.size();) {
            const std::size_t digits = name.find_first_not_of("0123456789", i);
            const std::size_t end = digits == std::string::npos ? name.size() : digits;
            if (end > i) {
                padded += std::string(3 - std::min<std::size_t>(3, end - i), '0') + name.substr(i, end - i);
                i = end;
            } else {
                padded += name[i++];
            }
        }
        return route ? std::pair(std::stoi(name.substr(5)), std::string()) : std::pair(1000, padded);
    };
    for (int i = 1; i < PlaceCount; ++i)
        EXPECT_LT(key(static_cast<Place>(i - 1)), key(static_cast<Place>(i)))
            << cp1252::toUtf8(PlaceName(static_cast<Place>(i - 1))) << " before "
            << cp1252::toUtf8(PlaceName(static_cast<Place>(i)));
    // "Where to find" lists every place where something is found, in that
    // order: not the one where a fossil only lies, nor those of trainers only.
    std::vector<Place> found;
    for (int i = 0; i < PlaceCount; ++i)
        if (!PlaceLines(static_cast<Place>(i)).empty())
            found.push_back(static_cast<Place>(i));
    EXPECT_EQ(PlacesWithEncounters(), found);
    EXPECT_EQ(std::count(found.begin(), found.end(), Place::Museum1F), 0);
    EXPECT_EQ(std::count(found.begin(), found.end(), Place::PewterGym), 0);
    EXPECT_EQ(found.size(), 81u);
}

// ---- the lines, against the facts ----

// (creature, map, method, version) -> the chance out of 256 and the levels.
struct Expected {
    int Chance256 = 0, MinLevel = 1000, MaxLevel = 0;
};

TEST(EncounterLines, WalkingAndSurfingChancesAreTheSlotSums)
{
    std::map<std::tuple<int, std::string, std::string, std::string>, Expected> facts;
    for (const auto& r : facts::ReadTable("wild_encounters.csv")) {
        Expected& e = facts[{std::stoi(r.at("dex_number")), r.at("map"), r.at("method"), r.at("version")}];
        e.Chance256 += std::stoi(r.at("slot_chance_256"));
        e.MinLevel = std::min(e.MinLevel, std::stoi(r.at("level")));
        e.MaxLevel = std::max(e.MaxLevel, std::stoi(r.at("level")));
    }
    std::set<std::tuple<int, std::string, std::string, std::string>> seen;
    for (int n = 1; n <= 151; ++n)
        for (const SourceLine& l : CreatureLines(n)) {
            if (l.How != Method::Grass && l.How != Method::Water)
                continue;
            for (const Version v : Each(l.Versions)) {
                const std::tuple key{n, Map(l.Where), l.How == Method::Grass ? "grass" : "water", VersionWord(v)};
                EXPECT_TRUE(seen.insert(key).second) << n << " twice at " << Map(l.Where);
                const auto it = facts.find(key);
                if (it == facts.end()) {
                    ADD_FAILURE() << n << " invented at " << Map(l.Where);
                    continue;
                }
                EXPECT_EQ(l.Chance, (Fraction{it->second.Chance256, 256})) << n << " at " << Map(l.Where);
                EXPECT_EQ(l.Overall, l.Chance);
                EXPECT_EQ(std::pair(l.MinLevel, l.MaxLevel), std::pair(it->second.MinLevel, it->second.MaxLevel))
                    << n << " at " << Map(l.Where);
            }
        }
    EXPECT_EQ(seen.size(), facts.size());
}

// What a cast comes to with a list of `size` entries, replayed byte by byte
// as the fishing routine reads its one random byte: the lowest bit set is no
// bite; otherwise bits 1-2 pick the entry, and a value past the list throws
// the draw away and draws again. The redraws end in a bite or a miss, so each
// outcome counts out of the bytes that end the loop.
struct CastOutcomes {
    int Ending = 0;         // bytes that end the loop
    std::vector<int> Entry; // bytes that bring each entry
};

CastOutcomes ReplayCast(const std::string& rod, int size)
{
    if (rod == "old")
        return {1, {1}}; // the Old Rod sets the bite without a draw
    CastOutcomes out{0, std::vector<int>(static_cast<std::size_t>(size))};
    for (int byte = 0; byte < 256; ++byte) {
        const int picked = (byte >> 1) & 3;
        if ((byte & 1) == 0 && picked >= size)
            continue; // drawn again
        ++out.Ending;
        if ((byte & 1) == 0)
            ++out.Entry[static_cast<std::size_t>(picked)];
    }
    return out;
}

Fraction Lowest(int num, int den)
{
    const int g = std::gcd(num, den);
    return {num / g, den / g};
}

TEST(EncounterLines, RodChancesPerCastAreThoseOfTheFishingDraw)
{
    // (creature, map, rod) -> the facts' slots of the creature in the list,
    // and the list's size.
    std::map<std::tuple<int, std::string, std::string>, std::pair<std::vector<int>, int>> facts;
    std::map<std::pair<std::string, std::string>, int> listSize;
    const auto rows = facts::ReadTable("fishing.csv");
    for (const auto& r : rows)
        ++listSize[{r.at("rod"), r.at("map")}];
    for (const auto& r : rows) {
        auto& e = facts[{std::stoi(r.at("dex_number")), r.at("map"), r.at("rod")}];
        e.first.push_back(std::stoi(r.at("slot")));
        e.second = listSize[{r.at("rod"), r.at("map")}];
    }
    static const std::map<Method, std::string> rods = {
        {Method::OldRod, "old"}, {Method::GoodRod, "good"}, {Method::SuperRod, "super"}};
    std::set<std::tuple<int, std::string, std::string>> seen;
    std::set<int> superSizes;
    for (int n = 1; n <= 151; ++n)
        for (const SourceLine& l : CreatureLines(n)) {
            const auto rod = rods.find(l.How);
            if (rod == rods.end())
                continue;
            EXPECT_EQ(l.Versions, Version::Both);
            const std::tuple key{n, Map(l.Where), rod->second};
            EXPECT_TRUE(seen.insert(key).second);
            const auto it = facts.find(key);
            if (it == facts.end()) {
                ADD_FAILURE() << n << " invented at " << Map(l.Where);
                continue;
            }
            const auto& [slots, size] = it->second;
            if (l.How == Method::SuperRod)
                superSizes.insert(size);
            const CastOutcomes cast = ReplayCast(rod->second, size);
            int bites = 0, mine = 0;
            for (std::size_t i = 0; i < cast.Entry.size(); ++i) {
                bites += cast.Entry[i];
                if (std::count(slots.begin(), slots.end(), static_cast<int>(i) + 1))
                    mine += cast.Entry[i]; // an entry listed twice counts twice
            }
            const std::string where = rod->second + " rod, " + std::to_string(n) + " at " + Map(l.Where) + ", " +
                                      std::to_string(size) + " entries";
            EXPECT_EQ(l.Bite, Lowest(bites, cast.Ending)) << where;
            EXPECT_EQ(l.Chance, Lowest(mine, bites)) << where;
            EXPECT_EQ(l.Overall, Lowest(mine, cast.Ending)) << where;
        }
    EXPECT_EQ(seen.size(), facts.size());
    // Every size of list the Super Rod has was replayed.
    EXPECT_EQ(superSizes, (std::set<int>{2, 3, 4}));
    // A place lists the Old and the Good Rod as the creature's view does.
    for (const SourceLine& l : PlaceLines(Place::Route22))
        if (l.How == Method::GoodRod || l.How == Method::OldRod) {
            const std::tuple key{l.Creature, Map(Place::AnyWater), rods.at(l.How)};
            ASSERT_TRUE(facts.count(key)) << l.Creature;
            const CastOutcomes cast = ReplayCast(rods.at(l.How), facts.at(key).second);
            EXPECT_EQ(l.Overall, Lowest(cast.Entry[0], cast.Ending)) << l.Creature; // each entry alike
        }
}

TEST(EncounterLines, OtherSourcesEachAppearOncePerVersion)
{
    std::set<std::tuple<int, std::string, std::string>> facts, seen;
    for (const auto& r : facts::ReadTable("other_sources.csv"))
        for (const std::string v : {"red", "blue"})
            if (r.at("version") == "both" || r.at("version") == v)
                facts.insert({std::stoi(r.at("dex_number")), r.at("place") + "/" + r.at("how"), v});
    static const std::map<Method, std::string> how = {{Method::Gift, "gift"},
                                                      {Method::Purchase, "purchase"},
                                                      {Method::Static, "static"},
                                                      {Method::Prize, "prize"},
                                                      {Method::Trade, "trade"}};
    for (int n = 1; n <= 151; ++n)
        for (const SourceLine& l : CreatureLines(n))
            if (how.count(l.How)) {
                for (const Version v : Each(l.Versions))
                    EXPECT_TRUE(seen.insert({n, Map(l.Where) + "/" + how.at(l.How), VersionWord(v)}).second);
            }
    EXPECT_EQ(seen, facts);
}

// Red and Blue agree on Pikachu; each has creatures of its own, from the wild or as prizes.
TEST(EncounterLines, VersionsOfEachCreatureAreThoseOfTheFacts)
{
    const facts::Tables& f = facts::Load();
    for (int n = 1; n <= 151; ++n) {
        unsigned versions = 0;
        for (const SourceLine& l : CreatureLines(n))
            versions |= static_cast<unsigned>(l.Versions);
        const unsigned expected = (f.red.count(n) ? 1u : 0u) | (f.blue.count(n) ? 2u : 0u);
        EXPECT_EQ(versions, expected) << "creature " << n;
        EXPECT_EQ(HasAnySource(n), expected != 0) << "creature " << n;
    }
    const struct {
        int Creature;
        unsigned Versions;
    } cases[] = {{23, 1}, {27, 2}, {123, 1}, {127, 2}, {125, 1}, {126, 2}, {25, 3}, {2, 0}, {151, 0}};
    for (const auto& c : cases) {
        unsigned versions = 0;
        for (const SourceLine& l : CreatureLines(c.Creature))
            versions |= static_cast<unsigned>(l.Versions);
        EXPECT_EQ(versions, c.Versions) << "creature " << c.Creature;
    }
    EXPECT_FALSE(HasAnySource(0));
    EXPECT_THROW(CreatureLines(152), std::out_of_range);
    EXPECT_THROW(CreatureLines(-1), std::out_of_range);
}

TEST(EncounterLines, GameCornerPricesAndLevelsPerVersion)
{
    const struct {
        int Creature;
        Version Versions;
        int Level;
        std::string_view Note;
    } cases[] = {
        {63, Version::Red, 9, "180 fichas"},     {63, Version::Blue, 6, "120 fichas"},
        {35, Version::Red, 8, "500 fichas"},     {35, Version::Blue, 12, "750 fichas"},
        {30, Version::Red, 17, "1.200 fichas"},  {33, Version::Blue, 17, "1.200 fichas"},
        {147, Version::Red, 18, "2.800 fichas"}, {147, Version::Blue, 24, "4.600 fichas"},
        {123, Version::Red, 25, "5.500 fichas"}, {127, Version::Blue, 20, "2.500 fichas"},
        {137, Version::Red, 26, "9.999 fichas"}, {137, Version::Blue, 18, "6.500 fichas"},
    };
    std::map<int, int> prizes;
    for (int n = 1; n <= 151; ++n)
        for (const SourceLine& l : CreatureLines(n))
            prizes[n] += l.How == Method::Prize;
    for (const auto& c : cases) {
        const auto lines = CreatureLines(c.Creature);
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const SourceLine& l) {
            return l.How == Method::Prize && l.Versions == c.Versions;
        });
        ASSERT_NE(it, lines.end()) << c.Creature;
        EXPECT_EQ(it->Where, Place::GameCornerPrizeRoom);
        EXPECT_EQ(it->MinLevel, c.Level) << c.Creature;
        EXPECT_EQ(it->Note, c.Note) << c.Creature;
        --prizes[c.Creature];
    }
    for (const auto& [n, left] : prizes)
        EXPECT_EQ(left, 0) << "prize of creature " << n << " not listed above";
}

TEST(EncounterLines, NotesSayWhatTheWayAsks)
{
    const struct {
        int Creature;
        Method How;
        std::string_view Note;
    } cases[] = {
        {122, Method::Trade, "por um Abra; chega com o apelido Marcel"_cp},
        {29, Method::Trade, "por um Nidoran (M); chega com o apelido Spot"_cp},
        {129, Method::Purchase, "¥500"_cp},
        {140, Method::Gift,
         "revivido do Dome Fossil, achado em Mt. Moon, 2º subsolo; só se leva um dos dois, Dome Fossil ou Helix Fossil"_cp},
        {142, Method::Gift, "revivido do Old Amber, achado em Museu de Pewter, 1º andar"_cp},
        {100, Method::Static, "6 no lugar; parecem itens no chão"_cp},
    };
    for (const auto& c : cases) {
        const auto lines = CreatureLines(c.Creature);
        const auto it = std::find_if(lines.begin(), lines.end(), [&](const SourceLine& l) { return l.How == c.How; });
        ASSERT_NE(it, lines.end()) << c.Creature;
        EXPECT_EQ(it->Note, c.Note) << c.Creature;
    }
}

// ---- merging and order ----

TEST(EncounterLines, MergedSortedAndWhole)
{
    const auto effort = [](Method m) {
        return m == Method::Gift || m == Method::Purchase ? 0
               : m <= Method::SuperRod                    ? 1
               : m == Method::Trade                       ? 2
               : m == Method::Static                      ? 3
                                                          : 4;
    };
    for (int n = 1; n <= 151; ++n) {
        const auto lines = CreatureLines(n);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            SourceLine other = lines[i];
            other.Versions = other.Versions == Version::Red ? Version::Blue : Version::Red;
            EXPECT_EQ(std::count(lines.begin(), lines.end(), other), 0) << n << ": Red and Blue alike, not merged";
            if (i == 0)
                continue;
            const SourceLine& a = lines[i - 1];
            const SourceLine& b = lines[i];
            EXPECT_LE(effort(a.How), effort(b.How)) << n;
            if (effort(a.How) == effort(b.How) && effort(a.How) == 1) {
                EXPECT_GE(a.Overall.Percent(), b.Overall.Percent()) << n;
            }
        }
    }
    const auto magikarp = CreatureLines(129);
    ASSERT_GE(magikarp.size(), 2u);
    EXPECT_EQ(magikarp[0].How, Method::Purchase);
    EXPECT_EQ(magikarp[1].How, Method::OldRod);

    // A place's walking (or surfing) table, per version, is whole: its creatures' chances make 256.
    for (const Place p : PlacesWithEncounters()) {
        std::map<std::pair<Method, Version>, int> sum;
        for (const SourceLine& l : PlaceLines(p)) {
            EXPECT_EQ(l.Where, p);
            if (l.How == Method::Grass || l.How == Method::Water)
                for (const Version v : Each(l.Versions))
                    sum[{l.How, v}] += l.Chance.Num;
        }
        for (const auto& [key, total] : sum)
            EXPECT_EQ(total, 256) << Map(p);
    }
    // Where the Super Rod bites, so do the others.
    const auto route12 = PlaceLines(Place::Route12);
    for (const Method m : {Method::Grass, Method::OldRod, Method::GoodRod, Method::SuperRod, Method::Static})
        EXPECT_TRUE(std::any_of(route12.begin(), route12.end(), [&](const SourceLine& l) { return l.How == m; }))
            << static_cast<int>(m);
}

// ---- the catalogue's version texts ----

// The versions a creature can be had in, itself or as an earlier form.
unsigned VersionsWithFamily(int n, const facts::Tables& f)
{
    unsigned versions = 0;
    for (const SourceLine& l : CreatureLines(n))
        versions |= static_cast<unsigned>(l.Versions);
    for (const facts::Evolution& e : f.evolutions)
        if (e.To == n)
            versions |= VersionsWithFamily(e.From, f);
    return versions;
}

TEST(EncounterCatalogue, OnlyTheKnownVersionTextsDisagree)
{
    static const std::map<unsigned, std::string_view> text = {
        {1, "Vermelha somente"_cp}, {2, "Azul somente"_cp}, {3, "Azul e Vermelha"_cp}};
    std::set<int> disagree;
    for (int n = 1; n <= 151; ++n) {
        const unsigned v = VersionsWithFamily(n, facts::Load());
        const auto it = text.find(v);
        if (it == text.end() || it->second != Catalogue::Entry(Catalogue::RowOfNumber(n)).Versions)
            disagree.insert(n);
    }
    // Mew: the catalogue says both versions; neither has a way to it.
    EXPECT_EQ(disagree, (std::set<int>{151}));
}

// ---- the games' names and evolutions ----

TEST(Species, NamesAndEvolutionsAreTheGames)
{
    const facts::Tables& f = facts::Load();
    for (const auto& [n, s] : f.species)
        EXPECT_EQ(species::GamesName(n), cp1252::fromUtf8(s.Name)) << n;
    EXPECT_THROW(species::GamesName(152), std::out_of_range);
    // The choosers: by number from #000, the games' names; what one types
    // finds a creature by number or by any part of its name.
    const std::vector<std::string> lines = species::ChooserLines();
    ASSERT_EQ(lines.size(), 152u);
    EXPECT_EQ(lines[0], "#000 - Missingno");
    EXPECT_EQ(lines[29], "#029 - Nidoran (F)");
    EXPECT_EQ(lines[83], "#083 - Farfetch'd");
    EXPECT_EQ(lines[122], "#122 - Mr. Mime");
    EXPECT_EQ(lines[124], "#124 - Jynx");
    EXPECT_EQ(lines[151], "#151 - Mew");
    const std::pair<const char*, int> typed[] = {
        {"char", 4},      {"CHARI", 6},      {"94", 94},    {"#094", 94},      {"0", 0},
        {"151", 151},     {"152", -1},       {"9999", -1},  {"mew", 151},      {"mewt", 150},
        {"mr mime", 122}, {"farfetchd", 83}, {"jynx", 124}, {"nidoran m", 32}, {"nidoran", 29},
        {"saur", 1},      {"chu", 25},       {"'", -1},     {"", -1},          {"zzz", -1},
    };
    for (const auto& [text, number] : typed)
        EXPECT_EQ(species::FindTyped(text), number) << text;

    using Row = std::tuple<int, int, std::string, int, std::string>;
    std::set<Row> facts, ours;
    for (const facts::Evolution& e : f.evolutions)
        facts.insert({e.From, e.To, e.Method, e.Level, e.Item});
    for (const species::Evolution& e : species::Evolutions) {
        const std::string how = e.By == species::Trigger::Level   ? "level"
                                : e.By == species::Trigger::Stone ? "item"
                                                                  : "trade";
        ours.insert({e.From, e.To, how, e.Level, std::string(species::StoneName(e.With))});
        // The catalogue's families agree: one stage on.
        EXPECT_EQ(Catalogue::FamilyOf(e.To).Stage, Catalogue::FamilyOf(e.From).Stage + 1) << int(e.To);
        EXPECT_EQ(species::EvolutionInto(e.To), &e);
    }
    EXPECT_EQ(ours, facts);
    EXPECT_EQ(species::EvolutionInto(1), nullptr);
    EXPECT_EQ(species::EvolutionInto(0), nullptr);
}

} // namespace
