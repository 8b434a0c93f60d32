#include "views/BattleText.h"

#include "data/Species.h"
#include "text/Cp1252.h"
#include "text/Numbers.h"

#include <algorithm>
#include <cstddef>

using namespace cp1252::literals;

namespace {

using R = DamageRule;

std::string S(std::string_view cp)
{
    return std::string(cp);
}

// "61–72" or, for one value, "61".
std::string Range(int min, int max)
{
    return min == max ? std::to_string(min) : std::to_string(min) + S("–"_cp) + std::to_string(max);
}

// "61–72 (61,6–72,7% da Energia)".
std::string RangeText(DamageRange d, int hp)
{
    const std::string percent = d.Min == d.Max ? numbers::Percent(d.Min, hp)
                                               : numbers::Percent(d.Min, hp) + S("–"_cp) + numbers::Percent(d.Max, hp);
    return Range(d.Min, d.Max) + " (" + percent + "% da Energia)";
}

// "Dano: 61–72 (61,6–72,7% da Energia)".
std::string RangeLine(std::string_view title, DamageRange d, int hp)
{
    return std::string(title) + ": " + RangeText(d, hp);
}

// "a", "a e b", "a, b e c".
std::string Listed(const std::vector<std::string>& items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? " e " : ", ") + items[i];
    return text;
}

// Whether the damage comes from the formula (rolled, typed, critical).
bool Rolled(const BattleResult& r)
{
    return r.CriticalThreshold > 0;
}

// Why a move with figures has none against this target.
std::string NoEffectLine(const BattleResult& r, const MoveInfo& m, int defender)
{
    std::string line = "Sem efeito: ";
    if (r.Effectiveness == 0)
        return line + "golpes do tipo " + S(TypeName(m.MoveType)) + S(" não afetam o tipo "_cp) + TypesText(defender);
    if (r.Rule == R::OneHitKo)
        return line + S("o alvo é mais rápido que o atacante"_cp);
    // Two resistances can take a tiny damage down to nothing, critical or not.
    return line + S("o dano cai a 0 pelas resistências do alvo, com ou sem crítico"_cp);
}

// "×4: Elétrico contra Água e Voador".
std::string EffectivenessLine(const BattleResult& r, const MoveInfo& m, int defender)
{
    static constexpr std::pair<int, std::string_view> kFactors[] = {{0, "0"}, {1, "0,25"}, {2, "0,5"},
                                                                    {4, "1"}, {8, "2"},    {16, "4"}};
    std::string factor = std::to_string(r.Effectiveness) + "/4";
    for (const auto& [quarters, text] : kFactors)
        if (quarters == r.Effectiveness)
            factor = text;
    const SpeciesStats& target = BaseStatsOf(defender);
    std::vector<std::string> types{S(TypeName(target.Type1))};
    if (!target.SingleType())
        types.push_back(S(TypeName(target.Type2)));
    return S("Eficácia ×"_cp) + factor + ": " + S(TypeName(m.MoveType)) + " contra " + Listed(types);
}

// The lines that say why the figures are what they are.
void Explain(const BattleResult& r, const MoveInfo& m, int defender, std::vector<std::string>& lines)
{
    if (!Rolled(r)) {
        // Set damage: no chart, no bonus, no stat, no critical hit.
        std::vector<std::string> unused;
        if (r.Burned)
            unused.push_back("a queimadura");
        if (r.Reflect)
            unused.push_back("Reflect");
        if (r.LightScreen)
            unused.push_back("Light Screen");
        if (!unused.empty())
            lines.push_back(S("O dano deste golpe não depende de atributos: não contam "_cp) + Listed(unused));
        return;
    }
    lines.push_back(EffectivenessLine(r, m, defender));
    if (r.SameType)
        lines.push_back(S("Bônus de mesmo tipo (×1,5): o atacante é do tipo "_cp) + S(TypeName(m.MoveType)));
    if (r.Reflect && !r.Physical)
        lines.push_back(S("Reflect não conta: só dobra a Defesa contra golpes físicos, e este é especial"_cp));
    if (r.LightScreen && r.Physical)
        lines.push_back(S("Light Screen não conta: só dobra o Especial contra golpes especiais, e este é físico"_cp));
    if (r.Burned && !r.Physical)
        lines.push_back(
            S("A queimadura não conta: só corta o Ataque pela metade em golpes físicos, e este é especial"_cp));
    std::vector<std::string> applied;
    if (r.Burned && r.Physical)
        applied.push_back("a queimadura");
    if (r.Reflect && r.Physical)
        applied.push_back("Reflect");
    if (r.LightScreen && !r.Physical)
        applied.push_back("Light Screen");
    if (!applied.empty())
        lines.push_back(S("Num crítico não conta"_cp) + (applied.size() > 1 ? "m " : " ") + Listed(applied));
    if (r.Critical.Max < r.Damage.Max)
        lines.push_back(S("O crítico pode causar menos que um golpe normal: dobra o nível, mas ignora os estágios "
                          "de atributo, a queimadura, Reflect e Light Screen"_cp));
    if (m.Name == "Dream Eater")
        lines.push_back(S("Dream Eater só acerta um alvo adormecido: a calculadora não considera o sono e supõe "
                          "que o alvo dorme"_cp));
}

void KnockOutLines(const BattleResult& r, bool withRollsAlone, std::vector<std::string>& lines)
{
    const std::string freezing = r.FreezeChance > 0 ? " antes de o jogo travar" : "";
    for (std::size_t n = 0; n < r.KoChance.size(); ++n) {
        std::string line = "Nocaute em " + std::to_string(n + 1) + (n == 0 ? " golpe" : " golpes") + freezing + ": ";
        if (withRollsAlone)
            line += numbers::Percent(r.KoChanceRollsOnly[n]) + S("% (com críticos e erros: "_cp) +
                    numbers::Percent(r.KoChance[n]) + "%)";
        else
            line += numbers::Percent(r.KoChance[n]) + S("% (com críticos e erros)"_cp);
        lines.push_back(line);
    }
}

std::string HitLine(const BattleResult& r)
{
    return "Chance de acertar: " + numbers::Percent(r.HitChance) + "%" + (r.HitThreshold >= 256 ? " (nunca erra)" : "");
}

// A move that may stop the game: how often, and what the other uses do.
std::vector<std::string> FreezeLines(const BattleResult& r, const MoveInfo& m, int defender)
{
    const std::string often = "O jogo trava em " + numbers::Percent(r.FreezeChance) + "% dos usos: ";
    if (r.Rule == R::Psywave)
        // The draw comes after the accuracy test.
        return {often + S("Psywave no nível 1 acerta e não tem dano a sortear (o sorteio nunca termina)"_cp),
                "Quando erra (" + numbers::Percent(1 - r.FreezeChance) + "% dos usos), nada acontece e o jogo segue",
                HitLine(r)};
    // Only the path without a critical hit divides by zero: the critical test
    // comes first, and a critical hit reads the stats without stages.
    std::vector<std::string> lines{often + S("sem crítico, a Defesa do alvo chega a 0 na conta do dano"_cp),
                                   S("O teste de crítico vem antes da conta: com crítico ("_cp) +
                                       numbers::Percent(r.CriticalChance) +
                                       S("% dos usos) o jogo segue e o golpe usa os atributos sem estágios"_cp)};
    if (r.Critical.Max > 0)
        lines.push_back(RangeLine(S("Crítico, se acertar"_cp), r.Critical, r.DefenderHp));
    else
        lines.push_back(S("Crítico: sem dano (cai a 0 pelas resistências do alvo)"_cp));
    KnockOutLines(r, false, lines);
    lines.push_back(HitLine(r));
    Explain(r, m, defender, lines);
    return lines;
}

std::string HitsLine(const BattleResult& r)
{
    const std::string count = r.HitsMin == r.HitsMax ? std::to_string(r.HitsMin)
                                                     : std::to_string(r.HitsMin) + " a " + std::to_string(r.HitsMax);
    if (r.Trapping)
        return "Turnos por uso: " + count +
               S(" (chances de 3/8, 3/8, 1/8 e 1/8): o dano acima se repete a cada turno, sem novo teste de acerto nem "
                 "de "
                 "crítico e sem novo sorteio de dano; um erro no primeiro turno encerra o golpe"_cp);
    return "Acertos por uso: " + count + S(" (o dano acima é de cada acerto)"_cp);
}

} // namespace

std::string StatsText(const std::array<int, StatCount>& stats)
{
    std::string text;
    for (int s = 0; s < StatCount; ++s) {
        if (!text.empty())
            text += ", ";
        text.append(StatName(static_cast<Stat>(s)))
            .append(" ")
            .append(std::to_string(stats[static_cast<std::size_t>(s)]));
    }
    return text;
}

std::string TypesText(int creature)
{
    const SpeciesStats& s = BaseStatsOf(creature);
    std::string t(TypeName(s.Type1));
    if (!s.SingleType())
        t.append("/").append(TypeName(s.Type2));
    return t;
}

std::vector<std::string> ResultLines(const BattleResult& r, int move, int defender)
{
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    switch (r.Kind) {
    case BattleKind::NoDamage: return {S("Este golpe não causa dano direto"_cp)};
    case BattleKind::DependsOnBattle:
        return {"O dano de " + S(m.Name) + " depende da batalha: o dobro do dano que o atacante recebeu"};
    case BattleKind::NoEffect: return {NoEffectLine(r, m, defender)};
    case BattleKind::GameFreezes: return FreezeLines(r, m, defender);
    case BattleKind::Damage: break;
    }

    std::vector<std::string> lines;
    if (Rolled(r) && r.Damage.Max == 0)
        // The engine makes a hit of 0 a miss; a critical hit may still deal damage.
        lines.push_back(S("Dano: 0 sem crítico (cai a 0 pelas resistências do alvo, e o golpe falha)"_cp));
    else
        lines.push_back(RangeLine("Dano", r.Damage, r.DefenderHp));
    if (Rolled(r))
        lines.push_back(r.Critical.Max > 0 ? RangeLine(S("Crítico"_cp), r.Critical, r.DefenderHp)
                                           : S("Crítico: 0 (cai a 0 pelas resistências do alvo, e o golpe falha)"_cp));
    if (r.HitsMax > 1)
        lines.push_back(HitsLine(r));
    KnockOutLines(r, true, lines);
    if (Rolled(r))
        lines.push_back(S("Chance de crítico: "_cp) + numbers::Percent(r.CriticalChance) + "%");
    lines.push_back(HitLine(r));
    Explain(r, m, defender, lines);
    return lines;
}

std::string SummaryLine(const BattleResult& r, int move, int defender)
{
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    const std::string dash = S(" — "_cp);
    std::string line = S(m.Name) + dash;
    switch (r.Kind) {
    case BattleKind::NoDamage: return line + S("não causa dano"_cp);
    case BattleKind::DependsOnBattle: return line + "depende do dano recebido";
    case BattleKind::NoEffect:
        if (r.Effectiveness == 0)
            return line + "sem efeito em " + S(species::GamesName(defender));
        return line + (r.Rule == R::OneHitKo ? S("sem efeito: o alvo é mais rápido"_cp) : "sem efeito: o dano cai a 0");
    case BattleKind::GameFreezes: line += "trava o jogo em " + numbers::Percent(r.FreezeChance) + "% dos usos"; break;
    case BattleKind::Damage:
        if (Rolled(r) && r.Damage.Max == 0) {
            // The engine makes a hit of 0 a miss: only a critical hit counts.
            line += r.Critical.Max > 0 ? S("só com crítico: "_cp) + RangeText(r.Critical, r.DefenderHp)
                                       : S("0 (o golpe falha)"_cp);
            break;
        }
        if (r.HitsMax > 1)
            line += (r.HitsMin == r.HitsMax ? std::to_string(r.HitsMin)
                                            : std::to_string(r.HitsMin) + " a " + std::to_string(r.HitsMax)) +
                    (r.Trapping ? " turnos de " : " acertos de ");
        line += RangeText(r.Damage, r.DefenderHp);
        break;
    }
    // Up to the first use that is sure: the later ones say nothing new.
    std::vector<std::string> chances;
    for (std::size_t n = 0; n < r.KoChance.size(); ++n) {
        chances.push_back(numbers::Percent(r.KoChance[n]));
        if (chances.back() == "100,0")
            break;
    }
    line += dash;
    if (std::all_of(chances.begin(), chances.end(), [](const std::string& c) { return c == "0,0"; }))
        return line + "nenhum nocaute em " + std::to_string(r.KoChance.size()) + " usos";
    for (std::size_t n = 0; n < chances.size(); ++n)
        line += (n == 0 ? "nocaute em 1 uso: " : "; em " + std::to_string(n + 1) + ": ") + chances[n] + "%";
    return line;
}

// ---- the window's fields -----------------------------------------------------------

std::optional<int> FieldNumber(std::string_view text, int lo, int hi)
{
    const auto b = text.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = text.substr(b, text.find_last_not_of(' ') - b + 1);
    if (digits.size() > 6 || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int v = std::stoi(std::string(digits));
    if (v < lo || v > hi)
        return std::nullopt;
    return v;
}

FieldLimits LimitsOf(SideField field)
{
    switch (field) {
    case SideField::Level: return {1, 100};
    case SideField::StatExp: return {0, 65535};
    default: return {0, 15};
    }
}

std::string CorrectionLine(SideField field, bool attacker)
{
    std::string what;
    switch (field) {
    case SideField::Level: what = S("o nível"_cp); break;
    case SideField::DvAttack: what = "o DV de " + S(StatName(Stat::Attack)); break;
    case SideField::DvDefense: what = "o DV de " + S(StatName(Stat::Defense)); break;
    case SideField::DvSpeed: what = "o DV de " + S(StatName(Stat::Speed)); break;
    case SideField::DvSpecial: what = "o DV de " + S(StatName(Stat::Special)); break;
    case SideField::StatExp: what = S("a experiência de status"_cp); break;
    }
    const FieldLimits limits = LimitsOf(field);
    return "Corrija " + what + (attacker ? " do Atacante" : " do Defensor") + ": use " + std::to_string(limits.Low) +
           " a " + std::to_string(limits.High);
}

std::vector<std::string> StaleResultLines(const std::vector<std::string>& corrections,
                                          const std::vector<std::string>& lastValid)
{
    std::vector<std::string> lines = corrections;
    if (lastValid.empty())
        return lines;
    lines.push_back(S("Últimos valores válidos (não incluem as mudanças feitas depois deles):"_cp));
    lines.insert(lines.end(), lastValid.begin(), lastValid.end());
    return lines;
}
