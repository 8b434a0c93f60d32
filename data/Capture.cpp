#include "data/Capture.h"

#include "data/BaseStats.h"
#include "data/Battle.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

namespace capture {

namespace {

constexpr int kDvCount = 16;
constexpr int kByte = 256;

void Check(bool ok, const char* what)
{
    if (!ok)
        throw std::out_of_range(what);
}

void CheckThrow(const Throw& t)
{
    Check(t.CatchRate >= 0 && t.CatchRate <= 255, "capture: catch rate outside 0..255");
    Check(t.MaxHp >= 1 && t.MaxHp <= 999, "capture: maximum HP outside 1..999");
    Check(t.Hp >= 1 && t.Hp <= t.MaxHp, "capture: HP outside 1..maximum");
}

// Catch rate × 100 ÷ the second ball factor, the one the shakes use
// (constant divisors, so the compiler needs no division for them).
int ShakeY(int catchRate, Ball b)
{
    switch (b) {
    case Ball::Poke: return catchRate * 100 / 255;
    case Ball::Great: return catchRate * 100 / 200;
    default: return catchRate * 100 / 150;
    }
}

// W for a throw already checked.
int Factor(const Throw& t)
{
    // Constant divisors, so the compiler needs no division for them.
    const int scaled = t.With == Ball::Great ? t.MaxHp * 255 / 8 : t.MaxHp * 255 / 12;
    // The routine shifts the two HP bytes right twice and keeps the low one.
    int quarter = (t.Hp >> 2) & 0xFF;
    if (quarter == 0)
        quarter = 1;
    return scaled / quarter;
}

// The throw's catching draws out of (limit + 1) × 256, the routine's own
// denominator: the first draws under the status catch outright; those whose
// remainder is within the catch rate catch when W is 256 or more, else on
// W + 1 of the 256 second draws.
long long CatchingDraws(const Throw& t, int w)
{
    const int limit = FirstDrawLimit(t.With);
    if (t.With == Ball::Master)
        return static_cast<long long>(limit + 1) * kByte;
    const int s = StatusValue(t.Condition);
    // R1 in s..limit with R1 − s ≤ catch rate.
    const long long passing = std::min(t.CatchRate + 1, limit + 1 - s);
    const long long second = std::min(w + 1, kByte);
    return static_cast<long long>(s) * kByte + passing * second;
}

long long DrawsOfThrow(Ball b)
{
    return static_cast<long long>(FirstDrawLimit(b) + 1) * kByte;
}

// The shakes once the throw is known to miss (Master Ball aside).
int Shakes(const Throw& t, int w)
{
    const int x = std::min(w, 255);
    const int y = ShakeY(t.CatchRate, t.With);
    int z = x * y / 255;
    if (t.Condition == Status::Asleep || t.Condition == Status::Frozen)
        z += 10;
    else if (t.Condition != Status::None)
        z += 5;
    return z < 10 ? 0 : z < 30 ? 1 : z < 70 ? 2 : 3;
}

const SpeciesStats& StatsOf(int species, int level)
{
    Check(level >= 1 && level <= 100, "capture: level outside 1..100");
    return BaseStatsOf(species);
}

// The maximum HPs the 16 HP DVs give, each with how many DVs give it
// (neighbouring DVs often share one).
struct HpGroup {
    int MaxHp = 0, Dvs = 0;
};
struct HpGroups {
    std::array<HpGroup, kDvCount> Groups{};
    int Count = 0;
};

HpGroups GroupsOf(const SpeciesStats& s, int level)
{
    // A panel asks for one creature at one level many times over.
    thread_local const SpeciesStats* lastSpecies = nullptr;
    thread_local int lastLevel = 0;
    thread_local HpGroups last;
    if (lastSpecies == &s && lastLevel == level)
        return last;
    HpGroups g;
    for (int dv = 0; dv < kDvCount; ++dv) {
        const int maxHp = StatAt(s.BaseOf(Stat::Hp), dv, 0, level, true);
        if (g.Count == 0 || g.Groups[static_cast<std::size_t>(g.Count - 1)].MaxHp != maxHp)
            g.Groups[static_cast<std::size_t>(g.Count++)].MaxHp = maxHp;
        ++g.Groups[static_cast<std::size_t>(g.Count - 1)].Dvs;
    }
    lastSpecies = &s;
    lastLevel = level;
    last = g;
    return g;
}

// The throw at the creature with `maxHp`.
Throw WildThrow(const Wild& w, const SpeciesStats& s, int maxHp, Ball b)
{
    Throw t;
    t.CatchRate = w.CatchRate < 0 ? s.CatchRate : w.CatchRate;
    t.MaxHp = maxHp;
    t.Hp = HpOf(t.MaxHp, w.Share, w.ExactHp);
    t.Condition = w.Condition;
    t.With = b;
    return t;
}

void CheckWild(const Wild& w)
{
    Check(w.CatchRate >= -1 && w.CatchRate <= 255, "capture: catch rate outside 0..255");
    Check(w.Share != HpShare::Exact || (w.ExactHp >= 1 && w.ExactHp <= 999), "capture: exact HP outside 1..999");
}

} // namespace

Chance Reduced(long long a, long long b)
{
    if (b <= 0 || a < 0)
        throw std::invalid_argument("capture: a chance needs a positive denominator");
    const long long g = std::gcd(a, b);
    return {a / g, b / g};
}

int FirstDrawLimit(Ball b)
{
    switch (b) {
    case Ball::Great: return 200;
    case Ball::Ultra:
    case Ball::Safari: return 150;
    default: return 255;
    }
}

int StatusValue(Status s)
{
    switch (s) {
    case Status::None: return 0;
    case Status::Asleep:
    case Status::Frozen: return 25;
    default: return 12;
    }
}

int HpFactor(const Throw& t)
{
    CheckThrow(t);
    return Factor(t);
}

Chance ThrowChance(const Throw& t)
{
    CheckThrow(t);
    return Reduced(CatchingDraws(t, Factor(t)), DrawsOfThrow(t.With));
}

std::optional<int> ShakesOnMiss(const Throw& t)
{
    CheckThrow(t);
    const int w = Factor(t);
    if (CatchingDraws(t, w) == DrawsOfThrow(t.With))
        return std::nullopt;
    return Shakes(t, w);
}

std::optional<int> ThrowsFor(Chance perThrow, int percent)
{
    Check(percent >= 1 && percent <= 99, "capture: percentage outside 1..99");
    const long long a = perThrow.Numerator, b = perThrow.Denominator;
    if (a <= 0)
        return std::nullopt;
    if (100 * a >= static_cast<long long>(percent) * b)
        return 1;
    // The least n with (1 − a/b)^n ≤ 1 − percent/100; one throw is not enough.
    static const std::array<double, 100> kLogMissAll = [] {
        std::array<double, 100> logs{};
        for (int p = 1; p < 100; ++p)
            logs[static_cast<std::size_t>(p)] = std::log((100 - p) / 100.0);
        return logs;
    }();
    // A panel asks three targets of each chance in turn: the logarithm is kept.
    thread_local long long lastA = 0, lastB = 0;
    thread_local double lastPerMiss = 0;
    if (a != lastA || b != lastB) {
        lastA = a;
        lastB = b;
        lastPerMiss = std::log1p(-static_cast<double>(a) / static_cast<double>(b));
    }
    const double perMiss = lastPerMiss;
    const double n = std::ceil(kLogMissAll[static_cast<std::size_t>(percent)] / perMiss);
    return std::max(2, static_cast<int>(n));
}

int HpOf(int maxHp, HpShare share, int exactHp)
{
    int hp = maxHp;
    switch (share) {
    case HpShare::Full: break;
    case HpShare::Half: hp = maxHp / 2; break;
    case HpShare::Third: hp = maxHp / 3; break;
    case HpShare::Quarter: hp = maxHp / 4; break;
    case HpShare::OneHp: hp = 1; break;
    case HpShare::Exact:
        Check(exactHp >= 1, "capture: exact HP below 1");
        hp = std::min(exactHp, maxHp);
        break;
    }
    return std::max(hp, 1);
}

WildFigures WildThrowFigures(const Wild& w, Ball b)
{
    CheckWild(w);
    const SpeciesStats& s = StatsOf(w.Species, w.Level);
    const HpGroups g = GroupsOf(s, w.Level);
    // A panel asks for every status and ball at one HP: the HP factors (which
    // depend on the ball only through its divisor) are kept for the next call.
    struct Factors {
        const SpeciesStats* Of = nullptr;
        int Level = 0, ExactHp = 0;
        HpShare Share = HpShare::Full;
        bool Great = false;
        std::array<int, kDvCount> Values{};
    };
    thread_local std::array<Factors, 2> kept;
    const bool great = b == Ball::Great;
    Factors& k = kept[great ? 1 : 0];
    if (k.Of != &s || k.Level != w.Level || k.Share != w.Share || k.ExactHp != w.ExactHp || k.Great != great) {
        k = {&s, w.Level, w.ExactHp, w.Share, great, {}};
        for (int i = 0; i < g.Count; ++i)
            k.Values[static_cast<std::size_t>(i)] =
                Factor(WildThrow(w, s, g.Groups[static_cast<std::size_t>(i)].MaxHp, b));
    }
    const long long draws = DrawsOfThrow(b);
    long long catching = 0, allMisses = 0;
    std::array<long long, 4> missing{};
    const Throw t = WildThrow(w, s, g.Groups[0].MaxHp, b); // all but the HP, which the factors hold
    for (int i = 0; i < g.Count; ++i) {
        const HpGroup& hp = g.Groups[static_cast<std::size_t>(i)];
        const int factor = k.Values[static_cast<std::size_t>(i)];
        const long long caught = CatchingDraws(t, factor);
        catching += hp.Dvs * caught;
        if (caught == draws)
            continue;
        missing[static_cast<std::size_t>(Shakes(t, factor))] += hp.Dvs * (draws - caught);
        allMisses += hp.Dvs * (draws - caught);
    }
    WildFigures f;
    f.Catch = Reduced(catching, kDvCount * draws);
    if (allMisses > 0)
        for (std::size_t i = 0; i < f.Shakes.size(); ++i)
            f.Shakes[i] = Reduced(missing[i], allMisses);
    return f;
}

Chance WildChance(const Wild& w, Ball b)
{
    return WildThrowFigures(w, b).Catch;
}

std::array<Chance, 4> WildShakes(const Wild& w, Ball b)
{
    return WildThrowFigures(w, b).Shakes;
}

int SafariCatchRate(int rate, std::span<const SafariThrow> thrown)
{
    Check(rate >= 0 && rate <= 255, "capture: catch rate outside 0..255");
    for (const SafariThrow t : thrown)
        rate = t == SafariThrow::Rock ? std::min(rate * 2, 255) : rate / 2;
    return rate;
}

Chance SafariFleeChance(int speed, bool eating, bool angry)
{
    Check(speed >= 1 && speed <= 999, "capture: Speed outside 1..999");
    const int low = speed & 0xFF;
    if (low > 127)
        return {1, 1};
    int threshold = low * 2;
    if (eating)
        threshold >>= 2;
    if (angry)
        threshold = std::min(threshold * 2, 255);
    // The creature runs when a random byte falls under the threshold.
    return Reduced(threshold, kByte);
}

Chance WildSafariFleeChance(int species, int level, bool eating, bool angry)
{
    const SpeciesStats& s = StatsOf(species, level);
    long long runs = 0;
    for (int dv = 0; dv < kDvCount; ++dv) {
        const Chance c = SafariFleeChance(StatAt(s.BaseOf(Stat::Speed), dv, 0, level, false), eating, angry);
        runs += c.Numerator * (kByte / c.Denominator);
    }
    return Reduced(runs, kDvCount * kByte);
}

} // namespace capture
