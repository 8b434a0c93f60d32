// The capture arithmetic against the routine's own draws: every first byte
// (those above the ball's limit drawn again, so left out) and every second
// byte, played through the routine's steps one by one; worked cases derived
// by hand (the derivation beside each); the 16-DV average against a direct
// one; the Safari Zone's rocks, bait and flight.
#include "data/Battle.h"
#include "data/Capture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

using namespace capture;

namespace {

constexpr int Mewtwo = 150, Caterpie = 10, Bulbasaur = 1, Chansey = 113, Tauros = 128, Magikarp = 129;

std::string Name(const Throw& t)
{
    return "catch rate " + std::to_string(t.CatchRate) + ", HP " + std::to_string(t.Hp) + "/" +
           std::to_string(t.MaxHp) + ", status " + std::to_string(static_cast<int>(t.Condition)) + ", ball " +
           std::to_string(static_cast<int>(t.With));
}

// One throw decided by the two bytes, as the routine does it; nothing when
// the first byte is one the routine throws away and draws again.
std::optional<bool> Catches(const Throw& t, int r1, int r2)
{
    if (t.With == Ball::Master)
        return true;
    if (t.With != Ball::Poke && r1 > 200)
        return std::nullopt;
    if ((t.With == Ball::Ultra || t.With == Ball::Safari) && r1 > 150)
        return std::nullopt;
    int b = r1;
    if (t.Condition != Status::None) {
        const int c = (t.Condition == Status::Asleep || t.Condition == Status::Frozen) ? 25 : 12;
        if (b < c)
            return true;
        b -= c;
    }
    const unsigned product = static_cast<unsigned>(t.MaxHp) * 255u;
    const unsigned quotient = product / (t.With == Ball::Great ? 8u : 12u);
    unsigned quarter = static_cast<unsigned>(t.Hp) / 4u;
    if (quarter == 0)
        quarter = 1;
    const unsigned w = quotient / quarter;
    const bool big = (w >> 8) != 0;
    const unsigned x = big ? 255u : w;
    if (b > t.CatchRate)
        return false;
    if (big)
        return true;
    return static_cast<unsigned>(r2) <= x;
}

Chance Enumerated(const Throw& t)
{
    long long catches = 0, draws = 0;
    for (int r1 = 0; r1 < 256; ++r1)
        for (int r2 = 0; r2 < 256; ++r2)
            if (const auto caught = Catches(t, r1, r2)) {
                ++draws;
                catches += *caught ? 1 : 0;
            }
    return Reduced(catches, draws);
}

Throw At(int catchRate, int maxHp, int hp, Status s, Ball b)
{
    Throw t;
    t.CatchRate = catchRate;
    t.MaxHp = maxHp;
    t.Hp = hp;
    t.Condition = s;
    t.With = b;
    return t;
}

// A wild creature's throw with its HP DV given.
Throw WildAt(int species, int level, int dv, Status s, Ball b)
{
    const SpeciesStats& st = BaseStatsOf(species);
    const int maxHp = StatAt(st.BaseOf(Stat::Hp), dv, 0, level, true);
    return At(st.CatchRate, maxHp, maxHp, s, b);
}

} // namespace

// ---- one throw ----------------------------------------------------------------------

TEST(CaptureThrow, EveryDrawOfTheRoutineAgrees)
{
    int cases = 0;
    for (int species = 1; species <= 151; species += 10)
        for (const int level : {7, 63})
            for (const Ball b : {Ball::Poke, Ball::Great, Ball::Ultra, Ball::Safari})
                for (const Status s : Statuses) {
                    Throw t = WildAt(species, level, (species + level) % 16, s, b);
                    for (const int hp : {t.MaxHp, t.MaxHp / 3 + 1, 7, 3, 1}) {
                        t.Hp = hp;
                        ASSERT_EQ(ThrowChance(t), Enumerated(t)) << Name(t);
                        ++cases;
                    }
                }
    // Catch rates the species do not have, the Safari Zone's among them.
    for (const int rate : {0, 1, 2, 22, 199, 200, 201, 254, 255})
        for (const Ball b : Balls)
            for (const Status s : {Status::None, Status::Frozen, Status::Burned}) {
                const Throw t = At(rate, 999, 500, s, b);
                ASSERT_EQ(ThrowChance(t), Enumerated(t)) << Name(t);
                ++cases;
            }
    EXPECT_GT(cases, 3000);
}

TEST(CaptureThrow, WorkedCases)
{
    // Mewtwo at level 70, HP DV 15: 249 HP, catch rate 3, so 4 first draws
    // pass. Poké and Ultra Ball: 249 × 255 ÷ 12 = 5291, ÷ (249 ÷ 4 = 62) = 85,
    // so 86 of 256 second draws: 4/256 × 86/256 and 4/151 × 86/256. Great
    // Ball: 249 × 255 ÷ 8 = 7936, ÷ 62 = 128: 4/201 × 129/256, ahead of the
    // Ultra Ball (1,00 % against 0,89 %).
    const Throw mewtwo = At(3, 249, 249, Status::None, Ball::Ultra);
    EXPECT_EQ(StatAt(106, 15, 0, 70, true), 249);
    EXPECT_EQ(HpFactor(mewtwo), 85);
    EXPECT_EQ(ThrowChance(mewtwo), Reduced(4 * 86, 151 * 256));
    Throw t = mewtwo;
    t.With = Ball::Poke;
    EXPECT_EQ(ThrowChance(t), Reduced(4 * 86, 256 * 256));
    t.With = Ball::Safari;
    EXPECT_EQ(ThrowChance(t), ThrowChance(mewtwo));
    t.With = Ball::Great;
    EXPECT_EQ(HpFactor(t), 128);
    EXPECT_EQ(ThrowChance(t), Reduced(4 * 129, 201 * 256));
    EXPECT_GT(ThrowChance(t).Value(), ThrowChance(mewtwo).Value());
    EXPECT_NEAR(ThrowChance(t).Value(), 0.0100, 0.0001);
    EXPECT_NEAR(ThrowChance(mewtwo).Value(), 0.0089, 0.0001);

    // Asleep at 1 HP: the first 25 draws catch outright; of the rest, 4
    // pass and W (5291 ÷ 1) is above 255, so they catch too: 29 first draws.
    t = At(3, 249, 1, Status::Asleep, Ball::Ultra);
    EXPECT_EQ(ThrowChance(t), Reduced(29, 151));
    t.With = Ball::Poke;
    EXPECT_EQ(ThrowChance(t), Reduced(29, 256));
    t.Condition = Status::Paralysed; // 12 outright, 4 more
    EXPECT_EQ(ThrowChance(t), Reduced(16, 256));

    // Caterpie (catch rate 255) at level 5, HP DV 15: 21 HP. At 1 HP, W =
    // 21 × 255 ÷ 12 = 446: every Poké Ball catches. At full HP, W = 446 ÷ 5 =
    // 89: every first draw passes, 90 of 256 second ones catch, whatever the
    // ball's limit.
    EXPECT_EQ(StatAt(45, 15, 0, 5, true), 21);
    t = At(255, 21, 1, Status::None, Ball::Poke);
    EXPECT_EQ(ThrowChance(t), (Chance{1, 1}));
    t.Hp = 21;
    EXPECT_EQ(ThrowChance(t), Reduced(90, 256));
    t.With = Ball::Ultra;
    EXPECT_EQ(ThrowChance(t), Reduced(90, 256));

    // The Master Ball catches whatever it meets.
    EXPECT_EQ(ThrowChance(At(0, 999, 999, Status::None, Ball::Master)), (Chance{1, 1}));
}

TEST(CaptureThrow, ShakesOfAMissedBall)
{
    // Z = X × Y ÷ 255 + status, Y = catch rate × 100 ÷ the ball's divisor.
    // Mewtwo, Ultra Ball: X 85, Y 3 × 100 ÷ 150 = 2, Z 0: the ball misses.
    EXPECT_EQ(ShakesOnMiss(At(3, 249, 249, Status::None, Ball::Ultra)), 0);
    // Bulbasaur at level 5 (21 HP), Poké Ball: X 89, Y 4500 ÷ 255 = 17,
    // Z = 1513 ÷ 255 = 5: none; poisoned, 5 more: one shake.
    EXPECT_EQ(ShakesOnMiss(At(45, 21, 21, Status::None, Ball::Poke)), 0);
    EXPECT_EQ(ShakesOnMiss(At(45, 21, 21, Status::Poisoned, Ball::Poke)), 1);
    // Caterpie at 21 HP: Poké Ball X 89, Y 100, Z 34: two; Great Ball X 133
    // (669 ÷ 5), Y 127, Z 66: two; at 10 HP with a Poké Ball, X 223, Z 87:
    // three.
    EXPECT_EQ(ShakesOnMiss(At(255, 21, 21, Status::None, Ball::Poke)), 2);
    EXPECT_EQ(ShakesOnMiss(At(255, 21, 21, Status::None, Ball::Great)), 2);
    EXPECT_EQ(ShakesOnMiss(At(255, 21, 10, Status::None, Ball::Poke)), 3);
    // A throw that cannot miss shows nothing.
    EXPECT_EQ(ShakesOnMiss(At(255, 21, 1, Status::None, Ball::Poke)), std::nullopt);
    EXPECT_EQ(ShakesOnMiss(At(3, 249, 249, Status::None, Ball::Master)), std::nullopt);
}

TEST(CaptureThrow, ThrowsForAPercentage)
{
    // The least n with (1 − p)^n ≤ 1 − percent, by repeated throws.
    const auto repeated = [](Chance p, int percent) {
        if (100 * p.Numerator >= percent * p.Denominator)
            return 1;
        const long double miss = 1.0L - static_cast<long double>(p.Numerator) / p.Denominator;
        long double left = 1.0L;
        int n = 0;
        while (left > (100 - percent) / 100.0L) {
            left *= miss;
            ++n;
        }
        return n;
    };
    std::vector<Chance> chances{{1, 2}, {1, 65536}, {43, 4832}, {29, 151}, {255, 256}};
    for (int species = 1; species <= 151; species += 10)
        for (const Ball b : {Ball::Poke, Ball::Great, Ball::Ultra})
            chances.push_back(ThrowChance(WildAt(species, 40, 7, Status::None, b)));
    for (const Chance& p : chances)
        for (const int percent : {1, 50, 90, 99})
            EXPECT_EQ(ThrowsFor(p, percent), repeated(p, percent))
                << p.Numerator << "/" << p.Denominator << " for " << percent << "%";
    EXPECT_EQ(ThrowsFor({1, 2}, 50), 1);
    EXPECT_EQ(ThrowsFor({1, 2}, 90), 4); // 1/16 ≤ 1/10 < 1/8
    EXPECT_EQ(ThrowsFor({1, 1}, 99), 1);
    EXPECT_EQ(ThrowsFor({0, 1}, 50), std::nullopt);
    EXPECT_THROW(ThrowsFor({1, 2}, 100), std::out_of_range);
}

// ---- a wild creature ----------------------------------------------------------------

TEST(CaptureWild, AveragedOverTheSixteenHpDvs)
{
    struct Case {
        int species, level;
        HpShare share;
        int exact;
        Status status;
    };
    const Case cases[] = {
        {Mewtwo, 70, HpShare::Full, 0, Status::None},
        {Mewtwo, 70, HpShare::OneHp, 0, Status::Asleep},
        {Chansey, 30, HpShare::Half, 0, Status::Burned},
        {Tauros, 25, HpShare::Third, 0, Status::Frozen},
        {Caterpie, 3, HpShare::Quarter, 0, Status::None},
        {Magikarp, 15, HpShare::Exact, 20, Status::Poisoned},
        {Bulbasaur, 100, HpShare::Exact, 999, Status::Paralysed},
    };
    for (const Case& c : cases)
        for (const Ball b : Balls) {
            const SpeciesStats& st = BaseStatsOf(c.species);
            // The direct average: 16 throws, each with its own HP.
            long double sum = 0;
            for (int dv = 0; dv < 16; ++dv) {
                const int maxHp = StatAt(st.BaseOf(Stat::Hp), dv, 0, c.level, true);
                int hp = maxHp;
                if (c.share == HpShare::Half)
                    hp = maxHp / 2;
                else if (c.share == HpShare::Third)
                    hp = maxHp / 3;
                else if (c.share == HpShare::Quarter)
                    hp = maxHp / 4;
                else if (c.share == HpShare::OneHp)
                    hp = 1;
                else if (c.share == HpShare::Exact)
                    hp = c.exact < maxHp ? c.exact : maxHp;
                sum += Enumerated(At(st.CatchRate, maxHp, hp < 1 ? 1 : hp, c.status, b)).Value();
            }
            Wild w;
            w.Species = c.species;
            w.Level = c.level;
            w.Share = c.share;
            w.ExactHp = c.exact;
            w.Condition = c.status;
            const Chance got = WildChance(w, b);
            EXPECT_NEAR(got.Value(), static_cast<double>(sum / 16), 1e-12) << c.species << " ball " << int(b);
            // An exact fraction of the routine's draws over the 16 DVs.
            EXPECT_EQ((16LL * (FirstDrawLimit(b) + 1) * 256) % got.Denominator, 0);
        }

    // The Safari Zone's catch rate replaces the species' own.
    Wild w;
    w.Species = Tauros;
    w.Level = 25;
    const Chance own = WildChance(w, Ball::Safari);
    w.CatchRate = 45;
    EXPECT_EQ(WildChance(w, Ball::Safari), own);
    w.CatchRate = 90;
    EXPECT_GT(WildChance(w, Ball::Safari).Value(), own.Value());
}

TEST(CaptureWild, ShakesOverTheDvsAndShares)
{
    // Mewtwo, Ultra Ball, full HP: Y is 2 and X at most 255, so Z ≤ 2: every
    // miss is a ball that misses.
    Wild w;
    w.Species = Mewtwo;
    w.Level = 70;
    const auto mewtwo = WildShakes(w, Ball::Ultra);
    EXPECT_EQ(mewtwo[0], (Chance{1, 1}));
    // Caterpie at level 5 with a Poké Ball: every DV misses with two shakes
    // at full HP (Z 30 to 39), or is caught for sure at 1 HP.
    w.Species = Caterpie;
    w.Level = 5;
    const auto full = WildShakes(w, Ball::Poke);
    EXPECT_EQ(full[2], (Chance{1, 1}));
    w.Share = HpShare::OneHp;
    for (const Chance& c : WildShakes(w, Ball::Poke))
        EXPECT_EQ(c, (Chance{0, 1}));
    // Shares of the maximum, rounded down, never below 1.
    EXPECT_EQ(HpOf(100, HpShare::Third), 33);
    EXPECT_EQ(HpOf(3, HpShare::Quarter), 1);
    EXPECT_EQ(HpOf(100, HpShare::Exact, 250), 100);
    EXPECT_THROW(HpOf(100, HpShare::Exact, 0), std::out_of_range);
}

// ---- the Safari Zone --------------------------------------------------------------

TEST(CaptureSafari, RocksBaitAndFlight)
{
    using T = SafariThrow;
    const std::vector<T> rocks{T::Rock, T::Rock, T::Rock}, rockBait{T::Rock, T::Bait}, baitRock{T::Bait, T::Rock};
    EXPECT_EQ(SafariCatchRate(45, rocks), 255); // 90, 180, then at most 255
    EXPECT_EQ(SafariCatchRate(45, rockBait), 45);
    EXPECT_EQ(SafariCatchRate(45, baitRock), 44); // 22 (rounded down), 44
    EXPECT_EQ(SafariCatchRate(1, std::vector<T>{T::Bait}), 0);

    // Speed 70: 140 of 256; eating 35; angry 280, at most 255.
    EXPECT_EQ(SafariFleeChance(70, false, false), Reduced(140, 256));
    EXPECT_EQ(SafariFleeChance(70, true, false), Reduced(35, 256));
    EXPECT_EQ(SafariFleeChance(70, false, true), Reduced(255, 256));
    // From 128 up (its low byte) it always runs; 300 counts as 44.
    EXPECT_EQ(SafariFleeChance(128, true, false), (Chance{1, 1}));
    EXPECT_EQ(SafariFleeChance(300, false, false), Reduced(88, 256));

    // A wild creature's, over its 16 Speed DVs.
    long long sum = 0;
    for (int dv = 0; dv < 16; ++dv) {
        const Chance c =
            SafariFleeChance(StatAt(BaseStatsOf(Tauros).BaseOf(Stat::Speed), dv, 0, 25, false), true, false);
        sum += c.Numerator * (256 / c.Denominator);
    }
    EXPECT_EQ(WildSafariFleeChance(Tauros, 25, true, false), Reduced(sum, 16 * 256));
}

TEST(Capture, RefusesWhatNoThrowHas)
{
    EXPECT_THROW(ThrowChance(At(256, 100, 100, Status::None, Ball::Poke)), std::out_of_range);
    EXPECT_THROW(ThrowChance(At(45, 1000, 100, Status::None, Ball::Poke)), std::out_of_range);
    EXPECT_THROW(ThrowChance(At(45, 100, 0, Status::None, Ball::Poke)), std::out_of_range);
    EXPECT_THROW(ThrowChance(At(45, 100, 101, Status::None, Ball::Poke)), std::out_of_range);
    Wild w;
    w.Species = 0;
    EXPECT_THROW(WildChance(w, Ball::Poke), std::out_of_range);
    w.Species = 1;
    w.Level = 101;
    EXPECT_THROW(WildChance(w, Ball::Poke), std::out_of_range);
    w.Level = 5;
    w.Share = HpShare::Exact;
    EXPECT_THROW(WildChance(w, Ball::Poke), std::out_of_range);
    EXPECT_THROW(SafariCatchRate(-1, {}), std::out_of_range);
    EXPECT_THROW(SafariFleeChance(0, false, false), std::out_of_range);
}
