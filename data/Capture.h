// The Red/Blue capture arithmetic: the chance that one ball catches a wild
// creature, how many throws give it a fair chance, how often a missed ball
// shakes, and what the Safari Zone's rocks and bait change. Integers step by
// step as the games' capture routine computes them; every chance an exact
// fraction of the routine's random draws.
//
// One throw, as the routine goes: a first random byte R1, drawn again while
// it is above the ball's limit (Poké Ball 255, Great Ball 200, Ultra and
// Safari Ball 150), so uniform over 0..limit. A status value S (25 asleep or
// frozen, 12 poisoned, burned or paralysed): R1 < S catches outright, else
// R1 − S goes on. W = MaxHP × 255 ÷ 12 (÷ 8 for the Great Ball) ÷ max(1,
// HP ÷ 4), each step rounded down, with no scaling of large HP values.
// R1 − S above the catch rate misses; else W ≥ 256 catches; else a second
// byte R2 catches when R2 ≤ W. The Master Ball always catches.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace capture {

enum class Ball : std::uint8_t { Poke, Great, Ultra, Safari, Master };
enum class Status : std::uint8_t { None, Asleep, Frozen, Poisoned, Burned, Paralysed };
constexpr int BallCount = 5, StatusCount = 6;
constexpr std::array<Ball, BallCount> Balls{Ball::Poke, Ball::Great, Ball::Ultra, Ball::Safari, Ball::Master};
constexpr std::array<Status, StatusCount> Statuses{Status::None,     Status::Asleep, Status::Frozen,
                                                   Status::Poisoned, Status::Burned, Status::Paralysed};

// An exact chance, always in lowest terms (0 is 0/1, certainty 1/1).
struct Chance {
    long long Numerator = 0, Denominator = 1;
    double Value() const { return static_cast<double>(Numerator) / static_cast<double>(Denominator); }
    friend bool operator==(const Chance&, const Chance&) = default;
};
// a/b in lowest terms; std::invalid_argument for b ≤ 0 or a < 0.
Chance Reduced(long long a, long long b);

// The highest first draw the ball keeps: 255, 200, 150, 150; 255 for the
// Master Ball, which draws once and catches whatever it draws.
int FirstDrawLimit(Ball b);
// What the status takes off the first draw: 0, 25 or 12.
int StatusValue(Status s);

// One throw at a creature whose figures are known.
struct Throw {
    int CatchRate = 45; // 0..255: the species' own, or as Safari rocks and bait left it
    int MaxHp = 100;    // 1..999
    int Hp = 100;       // 1..MaxHp
    Status Condition = Status::None;
    Ball With = Ball::Poke;
};

// W, the routine's HP factor (uncapped): MaxHP × 255 ÷ (8 or 12) ÷ max(1,
// HP ÷ 4). Only HP's low byte after ÷ 4 counts, as the routine keeps it.
// std::out_of_range for the figures Throw refuses.
int HpFactor(const Throw& t);

// The chance that the throw catches. std::out_of_range for a catch rate,
// maximum HP or HP outside their ranges.
Chance ThrowChance(const Throw& t);

// The shakes (0..3) a ball shows when it misses: from X = min(W, 255), Y =
// catch rate × 100 ÷ (255, 200 or 150) and the status (10 asleep or frozen,
// 5 otherwise ill): Z = X × Y ÷ 255 + that; under 10 none (the ball misses
// the creature), under 30 one, under 70 two, else three. It does not depend
// on the draws, only on the throw. Nothing for a throw that never misses
// (the Master Ball, or a chance of 1).
std::optional<int> ShakesOnMiss(const Throw& t);

// The fewest independent throws that catch with at least `percent` per cent
// (1..99) chance; nothing when a throw cannot catch. From the exact chance:
// one throw is decided in integers; more by logarithms (no two of the
// routine's fractions meet a percentage exactly beyond one throw).
// std::out_of_range for another percentage.
std::optional<int> ThrowsFor(Chance perThrow, int percent);

// ---- a wild creature ---------------------------------------------------------

// The HP left, as a share of the maximum (rounded down, at least 1), 1 HP,
// or an exact value.
enum class HpShare : std::uint8_t { Full, Half, Third, Quarter, OneHp, Exact };

// The HP a share leaves of `maxHp`; an exact value above the maximum is the
// maximum. std::out_of_range for an exact value below 1.
int HpOf(int maxHp, HpShare share, int exactHp = 0);

struct Wild {
    int Species = 1; // 1..151
    int Level = 50;  // 1..100
    HpShare Share = HpShare::Full;
    int ExactHp = 0; // Exact only: 1..999
    Status Condition = Status::None;
    int CatchRate = -1; // −1: the species' own; 0..255 as Safari rocks and bait left it
};

// The chance of one throw averaged over the 16 equally likely HP DVs (a wild
// creature has no stat experience): each DV gives its own maximum HP and so
// its own HP share. std::out_of_range for a species, level, exact HP or
// catch rate outside its range.
Chance WildChance(const Wild& w, Ball b);

// How many times a missed ball shakes, over the 16 HP DVs: by shakes (0..3),
// the chance of that many given that the throw missed. All 0 when the throw
// never misses.
std::array<Chance, 4> WildShakes(const Wild& w, Ball b);

// Both at once, for a panel that shows both (half the work of the two).
struct WildFigures {
    Chance Catch;
    std::array<Chance, 4> Shakes{};
};
WildFigures WildThrowFigures(const Wild& w, Ball b);

// ---- the Safari Zone ------------------------------------------------------------

enum class SafariThrow : std::uint8_t { Bait, Rock };

// The catch rate after the player's rocks and bait, in the order thrown: a
// rock doubles it (at most 255), bait halves it (rounded down). It stays so
// for the rest of the encounter, except that when the anger a rock started
// wears off by itself (1 to 5 turns a rock) the species' own rate comes back;
// bait thrown while angry ends the anger without that. std::out_of_range for
// a rate outside 0..255.
int SafariCatchRate(int rate, std::span<const SafariThrow> thrown);

// The chance that the wild creature runs at the end of the player's turn
// (ball, bait or rock): 2 × (Speed mod 256) out of 256, certain from 128 up;
// a quarter of that (rounded down) while eating, twice it (at most 255)
// while angry. std::out_of_range for a Speed outside 1..999.
Chance SafariFleeChance(int speed, bool eating, bool angry);

// The same for a wild creature, averaged over its 16 Speed DVs.
Chance WildSafariFleeChance(int species, int level, bool eating, bool angry);

} // namespace capture
