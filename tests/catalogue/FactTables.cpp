#include "FactTables.h"

#include <cctype>
#include <fstream>
#include <stdexcept>

namespace facts {
namespace {

using Row = std::map<std::string, std::string>;

std::vector<std::string> SplitCsvLine(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else if (c == '"')
                quoted = false;
            else
                fields.back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<Row> ReadCsv(const std::string& name)
{
    const std::string path = std::string(FAUNETA_SOURCE_DIR) + "/tests/catalogue/gen1/" + name;
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::string line;
    std::getline(in, line);
    const auto header = SplitCsvLine(line);
    std::vector<Row> rows;
    while (std::getline(in, line)) {
        if (line.empty())
            continue;
        const auto fields = SplitCsvLine(line);
        if (fields.size() != header.size())
            throw std::runtime_error(path + ": wrong field count in: " + line);
        Row row;
        for (std::size_t i = 0; i < header.size(); ++i)
            row[header[i]] = fields[i];
        rows.push_back(std::move(row));
    }
    return rows;
}

int Int(const Row& row, const std::string& key)
{
    const std::string& text = row.at(key);
    return text.empty() ? 0 : std::stoi(text);
}

// "Mt. Moon B2F" -> "Mt. Moon", "Safari Zone East" -> "Safari Zone": places
// are told apart by name, not by floor or area.
std::string PlaceOf(std::string map)
{
    const auto blank = map.rfind(' ');
    if (blank != std::string::npos) {
        const std::string last = map.substr(blank + 1);
        const bool floor = last.size() >= 2 && last.back() == 'F' &&
                           (std::isdigit(static_cast<unsigned char>(last[0])) || last[0] == 'B');
        if (floor)
            map.erase(blank);
    }
    if (map.rfind("Safari Zone", 0) == 0)
        map = "Safari Zone";
    return map;
}

Tables Read()
{
    Tables t;
    for (const auto& r : ReadCsv("species.csv"))
        t.species[Int(r, "dex_number")] = {r.at("name"),
                                           r.at("type1"),
                                           r.at("type2"),
                                           {Int(r, "base_hp"), Int(r, "base_attack"), Int(r, "base_defense"),
                                            Int(r, "base_speed"), Int(r, "base_special")}};
    for (const auto& r : ReadCsv("evolutions.csv"))
        t.evolutions.push_back({Int(r, "from_dex"), Int(r, "to_dex"), r.at("method"), Int(r, "level"), r.at("item")});
    for (const auto& r : ReadCsv("learnset_levelup.csv"))
        t.learnsets[Int(r, "dex_number")].push_back({r.at("start") == "1", Int(r, "level"), r.at("move")});
    for (const auto& r : ReadCsv("wild_encounters.csv"))
        (r.at("version") == "red" ? t.red : t.blue)[Int(r, "dex_number")].insert(
            {PlaceOf(r.at("map")), r.at("method")});
    for (const auto& r : ReadCsv("fishing.csv")) {
        const int n = Int(r, "dex_number");
        t.red[n].insert({PlaceOf(r.at("map")), "fish-" + r.at("rod")});
        t.blue[n].insert({PlaceOf(r.at("map")), "fish-" + r.at("rod")});
    }
    for (const auto& r : ReadCsv("other_sources.csv")) {
        const int n = Int(r, "dex_number");
        const std::pair<std::string, std::string> source{PlaceOf(r.at("place")), r.at("how")};
        const std::string& note = r.at("price_or_note");
        if (r.at("how") == "trade" && note.rfind("for your ", 0) == 0)
            t.tradedFor[n] = note.substr(9, note.find(" (same level)") - 9);
        if (r.at("version") != "blue")
            t.red[n].insert(source);
        if (r.at("version") != "red")
            t.blue[n].insert(source);
    }
    for (const auto& r : ReadCsv("moves.csv"))
        t.moves.push_back(
            {r.at("move"), r.at("type"), r.at("effect"), Int(r, "power"), Int(r, "accuracy"), Int(r, "pp")});
    for (const auto& r : ReadCsv("tm_hm_learners.csv")) {
        t.machines.insert({Int(r, "dex_number"), r.at("kind"), Int(r, "number")});
        t.machineMove[{r.at("kind"), Int(r, "number")}] = r.at("move");
    }
    for (const auto& r : ReadCsv("type_chart.csv"))
        t.typeChart[{r.at("attacker"), r.at("defender")}] = std::stod(r.at("multiplier"));
    for (const auto& r : ReadCsv("trainers.csv"))
        t.trainers.push_back({r.at("class"), r.at("class_name"), Int(r, "number"), r.at("place"), r.at("place_note"),
                              Int(r, "party_size"), Int(r, "last_level"), Int(r, "base_money"), Int(r, "money"),
                              r.at("special_moves"), r.at("when")});
    for (const auto& r : ReadCsv("trainer_pokemon.csv"))
        t.trainerMembers.push_back({r.at("class"),
                                    Int(r, "number"),
                                    Int(r, "slot"),
                                    Int(r, "level"),
                                    Int(r, "dex_number"),
                                    r.at("name"),
                                    {r.at("move1"), r.at("move2"), r.at("move3"), r.at("move4")}});
    if (t.species.size() != 151 || t.evolutions.empty() || t.learnsets.size() != 151 || t.moves.size() != 165 ||
        t.machines.size() != 3037 || t.trainers.size() != 391 || t.trainerMembers.size() != 994)
        throw std::runtime_error("fact tables incomplete");
    return t;
}

} // namespace

std::string Shown(const std::string& move)
{
    static const std::map<std::string, std::string> spelling{
        {"Thunder Shock", "Thundershock"}, {"Thunder Wave", "Thunderwave"}, {"Flamethrower", "Flame Thrower"}};
    const auto it = spelling.find(move);
    return it == spelling.end() ? move : it->second;
}

const std::map<std::string, std::string>& PortugueseTypes()
{
    static const std::map<std::string, std::string> names{
        {"Normal", "Normal"},     {"Fire", "Fogo"},      {"Water", "Água"},       {"Grass", "Grama"},
        {"Electric", "Elétrico"}, {"Ice", "Gelo"},       {"Fighting", "Lutador"}, {"Poison", "Veneno"},
        {"Ground", "Terra"},      {"Flying", "Voador"},  {"Psychic", "Psíquico"}, {"Bug", "Inseto"},
        {"Rock", "Pedra"},        {"Ghost", "Fantasma"}, {"Dragon", "Dragão"}};
    return names;
}

const Tables& Load()
{
    static const Tables tables = Read();
    return tables;
}

std::vector<std::map<std::string, std::string>> ReadTable(const std::string& name)
{
    return ReadCsv(name);
}

} // namespace facts
