#include "data/Battle.h"

#include "data/Moves.h"
#include "data/TypeChart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

void CheckRange(int value, int low, int high, const char* what)
{
    if (value < low || value > high)
        throw std::out_of_range(std::string(what) + " " + std::to_string(value));
}

void CheckSide(const BattleSide& side)
{
    CheckRange(side.Species, 1, SpeciesCount, "species");
    CheckRange(side.Level, 1, 100, "level");
    for (int dv : {side.Dv.Attack, side.Dv.Defense, side.Dv.Speed, side.Dv.Special})
        CheckRange(dv, 0, 15, "DV");
    for (int exp : side.StatExp)
        CheckRange(exp, 0, 65535, "stat experience");
    for (int stage : {side.AttackStage, side.DefenseStage, side.SpeedStage, side.SpecialStage, side.AccuracyStage,
                      side.EvasionStage})
        CheckRange(stage, -6, 6, "stage");
    CheckRange(side.CurrentHp, 0, std::numeric_limits<int>::max(), "current HP");
}

// The stage ratios, −6 to +6, as numerator and denominator.
struct Ratio {
    int Num, Den;
};
constexpr Ratio kStageRatios[13] = {{25, 100}, {28, 100}, {33, 100}, {40, 100}, {50, 100}, {66, 100}, {1, 1},
                                    {15, 10},  {2, 1},    {25, 10},  {3, 1},    {35, 10},  {4, 1}};

constexpr std::size_t kHp = 0, kAttack = 1, kDefense = 2, kSpeed = 3, kSpecial = 4; // by Stat

const Ratio& StageRatio(int stage)
{
    return kStageRatios[stage + 6];
}

using R = DamageRule;

// The multiplier of a chart row, in tenths as the engine's table holds it.
int RowTenths(const ChartRow& row)
{
    switch (Effectiveness(row.Attacker, row.Defender)) {
    case Halves::Double: return 20;
    case Halves::Half: return 5;
    default: return 0;
    }
}

// One path of the formula (with or without a critical hit): the damage before
// the roll, or -1 when the engine would divide by zero.
int DamageBeforeRoll(const BattleSide& attacker, const std::array<int, StatCount>& a, const BattleSide& defender,
                     const std::array<int, StatCount>& d, const MoveInfo& info, DamageRule rule, bool critical)
{
    const bool physical = IsPhysical(info.MoveType);
    int attack, defense;
    if (critical) {
        // A critical hit reads both stats afresh at their levels: no stages,
        // no burn, no Reflect or Light Screen.
        attack = physical ? a[kAttack] : a[kSpecial];
        defense = physical ? d[kDefense] : d[kSpecial];
    } else if (physical) {
        attack = StagedStat(a[kAttack], attacker.AttackStage);
        if (attacker.Burned)
            attack = std::max(1, attack / 2);
        defense = StagedStat(d[kDefense], defender.DefenseStage) * (defender.Reflect ? 2 : 1);
    } else {
        attack = StagedStat(a[kSpecial], attacker.SpecialStage);
        defense = StagedStat(d[kSpecial], defender.SpecialStage) * (defender.LightScreen ? 2 : 1);
    }
    // The engine works in bytes: a stat above 255 scales both down by 4, and
    // only the low byte of the result is kept, so a doubled Defense of 1024 or
    // more wraps (stats stop at 999, so Attack never does).
    if (attack > 255 || defense > 255) {
        attack = std::max(1, attack / 4);
        defense = (defense / 4) & 0xFF;
    }
    if (rule == R::Explosion)
        defense = std::max(1, defense / 2);
    if (defense == 0)
        return -1;
    const int level = critical ? (attacker.Level * 2) & 0xFF : attacker.Level;
    return BaseDamage(level, info.Power, attack, defense);
}

// A distribution of the damage of one use, capped at the target's HP:
// Pmf[d] is the chance to deal d (d = hp meaning hp or more).
constexpr int kMaxHp = 999;
struct UsePmf {
    std::array<double, kMaxHp + 1> Pmf{};
    int Hp = 0;
    void Add(long damage, double p) { Pmf[static_cast<std::size_t>(std::min<long>(damage, Hp))] += p; }
};

// Chances to reach 0 HP within 1..4 uses of the same distribution. Damage
// never heals, so "knocked out within n uses" is "the n uses together deal at
// least the HP": the sum of two uses is convolved once, and three and four
// uses pair it with the tail of one use or of two.
std::array<double, 4> KoChances(const UsePmf& use)
{
    const int hp = use.Hp;
    std::array<int, kMaxHp + 1> damages{};
    std::array<double, kMaxHp + 1> chances{};
    int outcomes = 0;
    for (int dmg = 0; dmg <= hp; ++dmg)
        if (use.Pmf[static_cast<std::size_t>(dmg)] > 0) {
            damages[static_cast<std::size_t>(outcomes)] = dmg;
            chances[static_cast<std::size_t>(outcomes++)] = use.Pmf[static_cast<std::size_t>(dmg)];
        }
    // two[s]: the chance that two uses deal s (s = hp: hp or more).
    std::array<double, kMaxHp + 1> two{};
    for (int i = 0; i < outcomes; ++i)
        for (int j = 0; j < outcomes; ++j)
            two[static_cast<std::size_t>(
                std::min(hp, damages[static_cast<std::size_t>(i)] + damages[static_cast<std::size_t>(j)]))] +=
                chances[static_cast<std::size_t>(i)] * chances[static_cast<std::size_t>(j)];
    // tailN[x]: the chance that N uses deal x or more.
    std::array<double, kMaxHp + 2> tail1{}, tail2{};
    for (int x = hp; x >= 0; --x) {
        tail1[static_cast<std::size_t>(x)] =
            tail1[static_cast<std::size_t>(x) + 1] + use.Pmf[static_cast<std::size_t>(x)];
        tail2[static_cast<std::size_t>(x)] = tail2[static_cast<std::size_t>(x) + 1] + two[static_cast<std::size_t>(x)];
    }
    double three = 0, four = 0;
    for (int s = 0; s <= hp; ++s) {
        const double p = two[static_cast<std::size_t>(s)];
        if (p == 0)
            continue;
        three += p * tail1[static_cast<std::size_t>(hp - s)];
        four += p * tail2[static_cast<std::size_t>(hp - s)];
    }
    return {tail1[static_cast<std::size_t>(hp)], tail2[static_cast<std::size_t>(hp)], three, four};
}

// Knock-out chances when a use may stop the game: `use` holds only the uses
// that do not (its chances add up to 1 - freeze). A knock-out in exactly k
// uses needs k uses without a freeze, reaching the HP at the k-th and not
// before; the chance that k such uses reach it is what KoChances gives.
std::array<double, 4> WithFreezes(const UsePmf& use, double freeze)
{
    const std::array<double, 4> reach = KoChances(use);
    std::array<double, 4> ko{};
    double before = 0, total = 0;
    for (std::size_t k = 0; k < ko.size(); ++k) {
        total += reach[k] - (1 - freeze) * before;
        before = reach[k];
        ko[k] = total;
    }
    return ko;
}

// Super Fang's uses: each hit takes half of what is left (at least 1).
std::array<double, 4> SuperFangKoChances(int hp, double hit)
{
    // Only the number of hits matters; k hits leave a known amount.
    std::array<double, 4> ko{};
    for (int n = 1; n <= 4; ++n) {
        double p = 0;
        // Binomial over the hits among n uses.
        for (int k = 0; k <= n; ++k) {
            int left = hp;
            for (int i = 0; i < k; ++i)
                left -= std::max(1, left / 2);
            if (left <= 0) {
                double choose = 1;
                for (int i = 0; i < k; ++i)
                    choose = choose * (n - i) / (i + 1);
                p += choose * std::pow(hit, k) * std::pow(1 - hit, n - k);
            }
        }
        ko[static_cast<std::size_t>(n - 1)] = p;
    }
    return ko;
}

// The hits of one use and their chances.
struct HitCount {
    int Hits;
    double Chance;
};

std::array<HitCount, 4> HitCounts(DamageRule rule, bool trapping, int& count)
{
    if (rule == R::TwoToFive || trapping) {
        // Two draws of 0..3: the first gives 2 or 3 hits when below 2, else a
        // second draw gives 2..5. A trapping move draws its turns the same way
        // (a counter of 1..4 turns after the first).
        count = 4;
        return {{{2, 3.0 / 8}, {3, 3.0 / 8}, {4, 1.0 / 8}, {5, 1.0 / 8}}};
    }
    count = 1;
    return {{{rule == R::Twice ? 2 : 1, 1.0}}};
}

} // namespace

// ---- stats ---------------------------------------------------------------------

int HpDv(const Dvs& dvs)
{
    return (dvs.Attack & 1) << 3 | (dvs.Defense & 1) << 2 | (dvs.Speed & 1) << 1 | (dvs.Special & 1);
}

int DvOf(const Dvs& dvs, Stat s)
{
    switch (s) {
    case Stat::Hp: return HpDv(dvs);
    case Stat::Attack: return dvs.Attack;
    case Stat::Defense: return dvs.Defense;
    case Stat::Speed: return dvs.Speed;
    case Stat::Special: return dvs.Special;
    }
    return 0;
}

int StatExpBonus(int statExp)
{
    CheckRange(statExp, 0, 65535, "stat experience");
    // The engine counts up from 1 and stops at the first root whose square
    // reaches the experience, or at 255: 65535 gets 255, not 256.
    int root = 1;
    while (root < 255 && root * root < statExp)
        ++root;
    return root / 4;
}

int StatAt(int base, int dv, int statExp, int level, bool isHp)
{
    const int stat = ((base + dv) * 2 + StatExpBonus(statExp)) * level / 100 + (isHp ? level + 10 : 5);
    return std::min(stat, 999);
}

int StagedStat(int stat, int stage)
{
    CheckRange(stage, -6, 6, "stage");
    const Ratio& r = StageRatio(stage);
    return std::clamp(stat * r.Num / r.Den, 1, 999);
}

std::array<int, StatCount> StatsOf(const BattleSide& side)
{
    CheckSide(side);
    const SpeciesStats& species = BaseStatsOf(side.Species);
    std::array<int, StatCount> stats{};
    for (int i = 0; i < StatCount; ++i) {
        const auto s = static_cast<Stat>(i);
        stats[static_cast<std::size_t>(i)] = StatAt(
            species.BaseOf(s), DvOf(side.Dv, s), side.StatExp[static_cast<std::size_t>(i)], side.Level, s == Stat::Hp);
    }
    return stats;
}

// ---- moves -------------------------------------------------------------------------

bool IsPhysical(Type t)
{
    switch (t) {
    case Type::Fogo:
    case Type::Agua:
    case Type::Grama:
    case Type::Eletrico:
    case Type::Gelo:
    case Type::Psiquico:
    case Type::Dragao: return false;
    default: return true;
    }
}

bool IsTrapping(int move)
{
    // Bind, Wrap, Fire Spin and Clamp: the moves of TRAPPING_EFFECT.
    constexpr int kTrapping[] = {19, 34, 82, 127}; // rows of MoveTable
    return std::find(std::begin(kTrapping), std::end(kTrapping), move) != std::end(kTrapping);
}

// ---- the formula's steps ------------------------------------------------------------

int BaseDamage(int level, int power, int attack, int defense)
{
    if (defense <= 0)
        throw std::invalid_argument("defense must be positive");
    const long scaled = static_cast<long>(level * 2 / 5 + 2) * power * attack / defense / 50;
    return static_cast<int>(std::min(scaled, 997L)) + 2;
}

int AfterTypes(int damage, Type move, const SpeciesStats& user, const SpeciesStats& target)
{
    // The engine keeps damage in 16 bits here.
    long d = damage;
    if (move == user.Type1 || move == user.Type2)
        d = (d + d / 2) & 0xFFFF;
    for (const ChartRow& row : ChartRows) {
        if (row.Attacker != move || (row.Defender != target.Type1 && row.Defender != target.Type2))
            continue;
        d = (d * RowTenths(row) / 10) & 0xFFFF;
    }
    return static_cast<int>(d);
}

int Randomized(int damage, int roll)
{
    if (damage < 2)
        return damage;
    return static_cast<int>(static_cast<long>(damage) * roll / 255);
}

int CriticalThreshold(int baseSpeed, bool highCritical, bool focusEnergy)
{
    int t = baseSpeed / 2;
    // Focus Energy halves where it should double.
    t = focusEnergy ? t / 2 : std::min(t * 2, 255);
    if (highCritical)
        t = std::min(std::min(t * 2, 255) * 2, 255);
    else
        t /= 2;
    return t;
}

int HitThreshold(int accuracyPercent, int accuracyStage, int evasionStage)
{
    CheckRange(accuracyStage, -6, 6, "stage");
    CheckRange(evasionStage, -6, 6, "stage");
    int t = accuracyPercent * 255 / 100;
    // The target's evasion counts as the opposite accuracy stage.
    for (int stage : {accuracyStage, -evasionStage}) {
        const Ratio& r = StageRatio(stage);
        t = std::max(1, t * r.Num / r.Den);
    }
    return std::min(t, 255);
}

// ---- the whole computation -------------------------------------------------------------

BattleResult ComputeBattle(const BattleSide& attacker, const BattleSide& defender, int move)
{
    BattleResult r;
    const MoveRule rule = MoveRuleOf(move);
    const MoveInfo& info = MoveTable[static_cast<std::size_t>(move)];
    r.Rule = rule.Rule;
    r.AttackerStats = StatsOf(attacker);
    r.DefenderStats = StatsOf(defender);
    const int maxHp = r.DefenderStats[kHp];
    const int hp = defender.CurrentHp > 0 && defender.CurrentHp < maxHp ? defender.CurrentHp : maxHp;
    r.DefenderHp = hp;

    const SpeciesStats& user = BaseStatsOf(attacker.Species);
    const SpeciesStats& target = BaseStatsOf(defender.Species);
    r.SameType = info.MoveType == user.Type1 || info.MoveType == user.Type2;
    r.Physical = IsPhysical(info.MoveType);
    r.Burned = attacker.Burned;
    r.Reflect = defender.Reflect;
    r.LightScreen = defender.LightScreen;
    r.Effectiveness = CombinedEffectiveness(info.MoveType, target.Type1,
                                            target.SingleType() ? std::nullopt : std::optional<Type>(target.Type2));

    if (rule.Rule == R::None) {
        r.Kind = BattleKind::NoDamage;
        return r;
    }
    if (rule.Rule == R::Battle) {
        r.Kind = BattleKind::DependsOnBattle;
        return r;
    }

    if (rule.Rule != R::NeverMisses) {
        r.HitThreshold = HitThreshold(info.Accuracy, attacker.AccuracyStage, defender.EvasionStage);
        r.HitChance = r.HitThreshold / 256.0;
    }
    UsePmf counted, rollsOnly;
    counted.Hp = rollsOnly.Hp = hp;
    r.Kind = BattleKind::Damage;

    // Moves whose damage is set, not computed: no critical hit, no type chart.
    if (rule.Rule == R::Fixed || rule.Rule == R::Level || rule.Rule == R::SuperFang) {
        const int amount = rule.Rule == R::Fixed   ? rule.Amount
                           : rule.Rule == R::Level ? attacker.Level
                                                   : std::max(1, hp / 2);
        r.Damage = {amount, amount};
        if (rule.Rule == R::SuperFang) {
            r.KoChance = SuperFangKoChances(hp, r.HitChance);
            r.KoChanceRollsOnly = SuperFangKoChances(hp, 1.0);
            return r;
        }
        counted.Add(amount, r.HitChance);
        counted.Add(0, 1 - r.HitChance);
        rollsOnly.Add(amount, 1);
    } else if (rule.Rule == R::Psywave) {
        // Drawn until below 1.5 × level; the player's draw also skips 0.
        const int bound = attacker.Level + attacker.Level / 2;
        const int low = attacker.Opponent ? 0 : 1;
        if (bound <= low) {
            // No value can be drawn: the loop never ends. It draws only after
            // the move hit; a miss does nothing.
            r.Kind = BattleKind::GameFreezes;
            r.FreezeChance = r.HitChance;
            return r;
        }
        r.Damage = {low, bound - 1};
        const double each = 1.0 / (bound - low);
        for (int v = low; v < bound; ++v) {
            counted.Add(v, each * r.HitChance);
            rollsOnly.Add(v, each);
        }
        counted.Add(0, 1 - r.HitChance);
    } else if (rule.Rule == R::OneHitKo) {
        // The type chart still applies; a faster target makes it fail.
        const int userSpeed = StagedStat(r.AttackerStats[kSpeed], attacker.SpeedStage);
        const int targetSpeed = StagedStat(r.DefenderStats[kSpeed], defender.SpeedStage);
        if (userSpeed < targetSpeed || AfterTypes(0xFFFF, info.MoveType, user, target) == 0) {
            r.Kind = BattleKind::NoEffect;
            return r;
        }
        r.Damage = {hp, hp};
        counted.Add(hp, r.HitChance);
        counted.Add(0, 1 - r.HitChance);
        rollsOnly.Add(hp, 1);
    } else {
        // The engine tests for a critical hit first, then computes the damage
        // of that path only: the other path's division by zero never happens.
        r.CriticalThreshold =
            CriticalThreshold(user.BaseOf(Stat::Speed), rule.Rule == R::HighCritical, attacker.FocusEnergy);
        r.CriticalChance = r.CriticalThreshold / 256.0;
        const int normal =
            DamageBeforeRoll(attacker, r.AttackerStats, defender, r.DefenderStats, info, rule.Rule, false);
        const int critical =
            DamageBeforeRoll(attacker, r.AttackerStats, defender, r.DefenderStats, info, rule.Rule, true);
        const bool normalFreezes = normal < 0, criticalFreezes = critical < 0;
        const int typedNormal = normalFreezes ? 0 : AfterTypes(normal, info.MoveType, user, target);
        const int typedCritical = criticalFreezes ? 0 : AfterTypes(critical, info.MoveType, user, target);
        r.FreezeChance = (normalFreezes ? 1 - r.CriticalChance : 0) + (criticalFreezes ? r.CriticalChance : 0);
        if (r.FreezeChance > 0) {
            r.Kind = BattleKind::GameFreezes;
        } else if (typedNormal == 0 && typedCritical == 0) {
            r.Kind = BattleKind::NoEffect;
            return r;
        }
        for (int i = 0; i < RollCount; ++i) {
            r.Rolls[static_cast<std::size_t>(i)] = Randomized(typedNormal, RollMin + i);
            r.CriticalRolls[static_cast<std::size_t>(i)] = Randomized(typedCritical, RollMin + i);
        }
        r.Damage = {r.Rolls.front(), r.Rolls.back()};
        r.Critical = {r.CriticalRolls.front(), r.CriticalRolls.back()};

        r.Trapping = IsTrapping(move);
        int counts = 0;
        const auto hits = HitCounts(rule.Rule, r.Trapping, counts);
        r.HitsMin = hits[0].Hits;
        r.HitsMax = hits[static_cast<std::size_t>(counts - 1)].Hits;
        // The hits of a use share one roll and one critical test (a trapping
        // move's turns repeat the first turn's damage). The freezing path
        // adds nothing: those uses end the game.
        const double perRoll = 1.0 / RollCount;
        for (int c = 0; c < counts; ++c) {
            const HitCount& h = hits[static_cast<std::size_t>(c)];
            for (int i = 0; i < RollCount; ++i) {
                const long plain = static_cast<long>(h.Hits) * r.Rolls[static_cast<std::size_t>(i)];
                const long crit = static_cast<long>(h.Hits) * r.CriticalRolls[static_cast<std::size_t>(i)];
                const double p = h.Chance * perRoll;
                if (!normalFreezes) {
                    counted.Add(plain, p * r.HitChance * (1 - r.CriticalChance));
                    rollsOnly.Add(plain, p);
                }
                if (!criticalFreezes)
                    counted.Add(crit, p * r.HitChance * r.CriticalChance);
            }
        }
        counted.Add(0, (1 - r.HitChance) * (1 - r.FreezeChance));
        r.KoChance = WithFreezes(counted, r.FreezeChance);
        r.KoChanceRollsOnly = WithFreezes(rollsOnly, normalFreezes ? 1 : 0);
        return r;
    }
    r.KoChance = KoChances(counted);
    r.KoChanceRollsOnly = KoChances(rollsOnly);
    return r;
}

bool BetterMove(const BattleResult& a, const BattleResult& b)
{
    const auto damages = [](const BattleResult& r) {
        return r.Kind == BattleKind::Damage || r.Kind == BattleKind::GameFreezes;
    };
    if (damages(a) != damages(b))
        return damages(a);
    if (!damages(a))
        return false;
    for (std::size_t uses = 0; uses < a.KoChance.size(); ++uses)
        if (a.KoChance[uses] != b.KoChance[uses])
            return a.KoChance[uses] > b.KoChance[uses];
    return a.Damage.Max * a.HitsMax > b.Damage.Max * b.HitsMax;
}
