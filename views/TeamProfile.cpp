#include "views/TeamProfile.h"

#include "data/BaseStats.h"
#include "data/Moves.h"
#include "data/Species.h"
#include "data/TypeChart.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <map>
#include <stdexcept>

using namespace cp1252::literals;

namespace {

constexpr int kNeutral = 4; // ×1 in quarters

std::string S(std::string_view s)
{
    return std::string(s);
}

const ProfileGroup* GroupOf(int quarters)
{
    for (const ProfileGroup& g : ProfileGroups)
        if (g.Quarters == quarters)
            return &g;
    return nullptr;
}

Defence DefenceOf(int creature)
{
    const SpeciesStats& s = BaseStatsOf(creature);
    return {s.Type1, s.SingleType() ? std::nullopt : std::optional<Type>(s.Type2)};
}

std::vector<Defence> AllDefences()
{
    std::vector<Defence> all;
    for (Type t : AllTypes)
        all.push_back({t, std::nullopt});
    std::vector<Defence> pairs;
    for (int n = 1; n <= SpeciesCount; ++n) {
        const Defence d = DefenceOf(n);
        if (!d.Type2)
            continue;
        const Defence flipped{*d.Type2, d.Type1};
        if (std::find(pairs.begin(), pairs.end(), d) == pairs.end() &&
            std::find(pairs.begin(), pairs.end(), flipped) == pairs.end())
            pairs.push_back(d);
    }
    std::sort(pairs.begin(), pairs.end(), [](const Defence& a, const Defence& b) {
        return std::pair(Index(a.Type1), Index(*a.Type2)) < std::pair(Index(b.Type1), Index(*b.Type2));
    });
    all.insert(all.end(), pairs.begin(), pairs.end());
    return all;
}

// "1 de 3 sofre", "2 de 3 sofrem".
std::string Suffer(int count, int of)
{
    return std::to_string(count) + " de " + std::to_string(of) + (count == 1 ? " sofre" : " sofrem") +
           " o dobro ou mais";
}

std::string Resist(int count)
{
    if (count == 0)
        return "nenhum resiste";
    return std::to_string(count) + (count == 1 ? S(" resiste ou é imune"_cp) : S(" resistem ou são imunes"_cp));
}

// Whether the engine multiplies the move's damage by the chart: only for
// damage from the formula.
bool ChartScales(DamageRule rule)
{
    switch (rule) {
    case DamageRule::Formula:
    case DamageRule::HighCritical:
    case DamageRule::NeverMisses:
    case DamageRule::Explosion:
    case DamageRule::TwoToFive:
    case DamageRule::Twice: return true;
    default: return false;
    }
}

std::string AttackerName(int row)
{
    if (row < 1 || row > TypeCount)
        throw std::out_of_range("profile row " + std::to_string(row));
    return S(TypeName(AllTypes[static_cast<std::size_t>(row - 1)]));
}

} // namespace

std::string FactorSign(int quarters)
{
    if (quarters == kNeutral)
        return "";
    if (const ProfileGroup* g = GroupOf(quarters))
        return S(g->Label);
    throw std::invalid_argument("factor of " + std::to_string(quarters) + " quarters");
}

std::string FactorWords(int quarters)
{
    if (quarters == kNeutral)
        return S(EffectWords(Halves::Neutral));
    if (const ProfileGroup* g = GroupOf(quarters))
        return S(g->Words);
    throw std::invalid_argument("factor of " + std::to_string(quarters) + " quarters");
}

std::string DefenceName(const Defence& d)
{
    std::string name = S(TypeName(d.Type1));
    if (d.Type2)
        name.append("/").append(TypeName(*d.Type2));
    return name;
}

std::optional<int> MoveFactor(int move, const Defence& d)
{
    const DamageRule rule = MoveRuleOf(move).Rule;
    if (rule == DamageRule::None || rule == DamageRule::Battle)
        return std::nullopt;
    const int chart = CombinedEffectiveness(MoveTable[static_cast<std::size_t>(move)].MoveType, d.Type1, d.Type2);
    if (ChartScales(rule))
        return chart;
    // The engine tests a one-hit KO against the chart's immunities only; set
    // damage it does not test at all.
    return rule == DamageRule::OneHitKo && chart == 0 ? 0 : kNeutral;
}

TeamProfile::TeamProfile(std::span<const TeamMember> team)
{
    if (team.size() > TeamSize)
        throw std::invalid_argument("a team of " + std::to_string(team.size()) + " members");

    std::vector<Defence> members;
    std::map<std::string, int> namesakes, seen;
    for (const TeamMember& m : team) {
        members.push_back(DefenceOf(m.Creature.Number()));
        ++namesakes[S(species::GamesName(m.Creature.Number()))];
    }
    for (const TeamMember& m : team) {
        std::string name = S(species::GamesName(m.Creature.Number()));
        if (namesakes[name] > 1)
            name += " (" + std::to_string(++seen[name]) + ")";
        names_.push_back(name);
    }

    for (Type attacker : AllTypes) {
        Row row{attacker, {}, 0, 0, false};
        for (const Defence& d : members) {
            const int q = CombinedEffectiveness(attacker, d.Type1, d.Type2);
            row.Quarters.push_back(q);
            row.SuperEffective += q > kNeutral;
            row.Resisted += q < kNeutral;
        }
        row.Marked = row.SuperEffective >= MarkAt;
        rows_.push_back(std::move(row));
    }

    for (const Defence& d : Defences()) {
        Reach best{d, std::nullopt, -1, -1, false};
        for (std::size_t i = 0; i < team.size(); ++i)
            for (int move : team[i].Moves) {
                if (move < 0)
                    continue;
                const std::optional<int> q = MoveFactor(move, d);
                if (q && (!best.Quarters || *q > *best.Quarters))
                    best = {d, q, static_cast<int>(i), move, ChartScales(MoveRuleOf(move).Rule)};
            }
        coverage_.push_back(best);
    }
}

const std::string& TeamProfile::MemberName(int member) const
{
    if (member < 0 || member >= MemberCount())
        throw std::out_of_range("team member " + std::to_string(member));
    return names_[static_cast<std::size_t>(member)];
}

TeamProfile::Cell TeamProfile::GridCell(int col, int row) const
{
    if (col < 0 || col >= GridCols() || row < 0 || row >= GridRows)
        throw std::out_of_range("profile cell " + std::to_string(col) + ", " + std::to_string(row));
    const int counts = MemberCount() + 1;
    if (row == 0) {
        if (col == 0)
            return {"Ataque", ""};
        if (col < counts)
            return {MemberName(col - 1), ""};
        return {col == counts ? "Dobro ou mais" : "Resistem", ""};
    }
    const Row& r = rows_[static_cast<std::size_t>(row - 1)];
    const std::string type = AttackerName(row);
    if (col == 0)
        return {type, ""};
    if (col < counts) {
        const int q = r.Quarters[static_cast<std::size_t>(col - 1)];
        return {FactorSign(q), type + " contra " + MemberName(col - 1) + ": " + FactorWords(q)};
    }
    if (col == counts)
        return {std::to_string(r.SuperEffective), type + ": " + Suffer(r.SuperEffective, MemberCount())};
    return {std::to_string(r.Resisted), type + ": " + Resist(r.Resisted)};
}

std::string TeamProfile::GridWords()
{
    return "Perfil da equipe: tipos de ataque nas linhas, membros nas colunas";
}

std::string TeamProfile::RowWords(int row) const
{
    std::string words = AttackerName(row) + ": ";
    const Row& r = rows_[static_cast<std::size_t>(row - 1)];
    for (int m = 0; m < MemberCount(); ++m)
        words += MemberName(m) + " " + FactorWords(r.Quarters[static_cast<std::size_t>(m)]) + ", ";
    if (MemberCount() > 0)
        words.replace(words.size() - 2, 2, "; ");
    return words + Suffer(r.SuperEffective, MemberCount()) + ", " + Resist(r.Resisted);
}

std::vector<std::string> TeamProfile::MarkedLines() const
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Marked)
            lines.push_back(S(TypeName(rows_[i].Attacker)) + ": " + Suffer(rows_[i].SuperEffective, MemberCount()));
    return lines;
}

const std::vector<Defence>& TeamProfile::Defences()
{
    static const std::vector<Defence> all = AllDefences();
    return all;
}

TeamProfile::Cell TeamProfile::CoverageLine(int i) const
{
    if (i < 0 || static_cast<std::size_t>(i) >= coverage_.size())
        throw std::out_of_range("coverage line " + std::to_string(i));
    const Reach& r = coverage_[static_cast<std::size_t>(i)];
    const std::string name = DefenceName(r.Against) + ": ";
    if (!r.Quarters)
        return {name + "nenhum golpe causa dano", name + "nenhum golpe causa dano"};
    const std::string by = S(MoveTable[static_cast<std::size_t>(r.Move)].Name) + " de " + MemberName(r.Member) +
                           (r.Scaled ? "" : S(", dano que não depende do tipo"_cp));
    const std::string sign = FactorSign(*r.Quarters);
    return {name + (sign.empty() ? S("×1"_cp) : sign) + ", " + by, name + FactorWords(*r.Quarters) + ", " + by};
}

std::vector<std::string> TeamProfile::Uncovered() const
{
    std::vector<std::string> lines;
    for (const Reach& r : coverage_)
        if (!r.Quarters || *r.Quarters <= kNeutral)
            lines.push_back(DefenceName(r.Against) + ": " +
                            (r.Quarters ? FactorWords(*r.Quarters) : S("nenhum golpe causa dano")));
    return lines;
}

std::string TeamProfile::UncoveredTitle() const
{
    if (std::none_of(coverage_.begin(), coverage_.end(), [](const Reach& r) { return r.Quarters.has_value(); }))
        return S("A equipe não tem golpe que cause dano"_cp);
    if (Uncovered().empty())
        return "Todos os tipos sofrem o dobro ou mais de algum golpe da equipe";
    return "Tipos que nenhum golpe da equipe atinge mais que o normal:";
}
