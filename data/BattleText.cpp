#include "data/BattleText.h"

#include "text/Cp1252.h"

#include <cstddef>

using namespace cp1252::literals;

namespace {

using R = DamageRule;

// "61–72" or, for one value, "61".
std::string Range(int min, int max)
{
    return min == max ? std::to_string(min) : std::to_string(min) + std::string("–"_cp) + std::to_string(max);
}

// "Dano: 61–72 (61,6–72,7% da Energia)".
std::string RangeLine(std::string_view title, DamageRange d, int hp)
{
    const std::string percent =
        d.Min == d.Max ? PercentText(d.Min, hp) : PercentText(d.Min, hp) + std::string("–"_cp) + PercentText(d.Max, hp);
    return std::string(title) + ": " + Range(d.Min, d.Max) + " (" + percent + "% da Energia)";
}

std::string TypesOf(const SpeciesStats& s)
{
    std::string t(TypeName(s.Type1));
    if (!s.SingleType())
        t.append("/").append(TypeName(s.Type2));
    return t;
}

// Why a move with figures has none against this target.
std::string NoEffectLine(const BattleResult& r, const MoveInfo& m, int defender)
{
    std::string line = "Sem efeito: ";
    if (r.Effectiveness == 0)
        return line + "golpes do tipo " + std::string(TypeName(m.MoveType)) + std::string(" não afetam o tipo "_cp) +
               TypesOf(BaseStatsOf(defender));
    if (r.Rule == R::OneHitKo)
        return line + std::string("o alvo é mais rápido que o atacante"_cp);
    // Two resistances can take a tiny damage down to nothing.
    return line + std::string("o dano cai a 0 pelas resistências do alvo"_cp);
}

} // namespace

std::vector<std::string> ResultLines(const BattleResult& r, int move, int defender)
{
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    switch (r.Kind) {
    case BattleKind::NoDamage: return {std::string("Este golpe não causa dano direto"_cp)};
    case BattleKind::DependsOnBattle:
        return {"O dano de " + std::string(m.Name) + " depende da batalha: o dobro do dano que o atacante recebeu"};
    case BattleKind::NoEffect: return {NoEffectLine(r, m, defender)};
    case BattleKind::GameFreezes:
        // The engine would divide by zero: the real game stops there.
        if (r.Rule == R::Psywave)
            return {std::string("O jogo trava: Psywave no nível 1 não tem dano a sortear"_cp)};
        return {std::string("O jogo trava: a Defesa do alvo chega a 0 na conta do dano"_cp)};
    case BattleKind::Damage: break;
    }

    std::vector<std::string> lines{RangeLine("Dano", r.Damage, r.DefenderHp)};
    const bool rolled = r.Critical.Max > 0;
    if (rolled)
        lines.push_back(RangeLine(std::string("Crítico"_cp), r.Critical, r.DefenderHp));
    if (r.HitsMax > 1)
        lines.push_back("Acertos por uso: " +
                        (r.HitsMin == r.HitsMax ? std::to_string(r.HitsMin)
                                                : std::to_string(r.HitsMin) + " a " + std::to_string(r.HitsMax)) +
                        std::string(" (o dano acima é de cada acerto)"_cp));
    for (std::size_t n = 0; n < r.KoChance.size(); ++n)
        lines.push_back("Nocaute em " + std::to_string(n + 1) + (n == 0 ? " golpe: " : " golpes: ") +
                        PercentText(r.KoChanceRollsOnly[n]) + std::string("% (com críticos e erros: "_cp) +
                        PercentText(r.KoChance[n]) + "%)");
    if (rolled)
        lines.push_back(std::string("Chance de crítico: "_cp) + PercentText(r.CriticalChance) + "%");
    lines.push_back("Chance de acertar: " + PercentText(r.HitChance) + "%" +
                    (r.HitThreshold >= 256 ? " (nunca erra)" : ""));
    return lines;
}
