// One recomputation of the damage window's figures: both sides' stats, the 39
// rolls with and without a critical hit, the chances, and the knock-out
// chances over 4 uses twice (counted and rolls only). Target: at most 50 µs.
//
// Cases: a single hit with many distinct rolls against a large HP (the
// widest convolution), a 2-5 hit move (the most outcomes per use), and a
// weak hit that needs all four uses. And one change in the calculator with
// every move of the attacker's own ranked (RecomputeWithRanking): at most 1 ms.
//
// Also the team window's profile and coverage for six members with four
// damaging moves each, every word of it (target: well under 1 ms), and its
// table of six against the Champion's six (target: at most 5 ms).
//
// And the capture panel's figures for one creature: every ball × every
// status × a hundred HP values, each averaged over the 16 HP DVs, with the
// throws for 50, 90 and 99 % and a missed ball's shakes (target: at most 1 ms).
#include "data/Battle.h"
#include "data/Capture.h"
#include "data/Moves.h"
#include "views/DamageView.h"
#include "views/TeamProfile.h"
#include "views/TeamView.h"

#include <benchmark/benchmark.h>

namespace {

BattleSide Side(int species, int level, bool maxed)
{
    BattleSide s;
    s.Species = species;
    s.Level = level;
    if (maxed)
        s.StatExp.fill(65535);
    return s;
}

void Recompute(benchmark::State& state, BattleSide attacker, BattleSide defender, const char* move)
{
    const int row = FindMove(move);
    if (row < 0) {
        state.SkipWithError("no such move");
        return;
    }
    for (auto _ : state) {
        BattleResult r = ComputeBattle(attacker, defender, row);
        benchmark::DoNotOptimize(r);
    }
}

// Mewtwo's Psychic on a maxed Chansey (703 HP): about 40 distinct rolls a use.
BENCHMARK_CAPTURE(Recompute, psychic_on_chansey, Side(150, 100, true), Side(113, 100, true), "Psychic");
// Fury Attack: 4 hit counts × 39 rolls × with and without a critical hit.
BENCHMARK_CAPTURE(Recompute, fury_attack, Side(128, 60, false), Side(143, 60, true), "Fury Attack");
// Tackle against a bulky target: every use matters.
BENCHMARK_CAPTURE(Recompute, tackle_on_snorlax, Side(19, 50, false), Side(143, 100, true), "Tackle");

// Six members with four damaging moves each: every defence meets 24 moves.
void TeamProfileOfSix(benchmark::State& state)
{
    const std::vector<std::pair<int, std::array<const char*, 4>>> members{
        {6, {"Flame Thrower", "Earthquake", "Slash", "Fire Blast"}},
        {9, {"Surf", "Ice Beam", "Body Slam", "Hydro Pump"}},
        {25, {"Thunderbolt", "Thunder", "Seismic Toss", "Quick Attack"}},
        {94, {"Night Shade", "Psychic", "Mega Drain", "Lick"}},
        {112, {"Horn Drill", "Rock Slide", "Stomp", "Fissure"}},
        {149, {"Dragon Rage", "Hyper Beam", "Wing Attack", "Blizzard"}},
    };
    std::vector<TeamMember> team;
    for (const auto& [number, moves] : members) {
        TeamMember m;
        m.Creature = *species::Creature::FromNumber(number);
        for (std::size_t i = 0; i < moves.size(); ++i)
            if ((m.Moves[i] = FindMove(moves[i])) < 0) {
                state.SkipWithError("no such move");
                return;
            }
        team.push_back(m);
    }
    for (auto _ : state) {
        const TeamProfile p(team);
        std::size_t words = 0;
        for (int row = 1; row < TeamProfile::GridRows; ++row)
            for (int col = 0; col < p.GridCols(); ++col)
                words += p.GridCell(col, row).Words.size();
        for (int i = 0; i < static_cast<int>(p.Coverage().size()); ++i)
            words += p.CoverageLine(i).Words.size();
        words += p.Uncovered().size() + p.MarkedLines().size();
        benchmark::DoNotOptimize(words);
    }
}
BENCHMARK(TeamProfileOfSix);

// One change in the calculator with the ranking beside the result: a
// defender chosen, so every move of the attacker's own is computed and
// ranked anew. Mew learns the most moves (all the machines); Mewtwo is next.
void RecomputeWithRanking(benchmark::State& state, int attacker)
{
    DamageView v;
    v.ChooseCreature(Combatant::Attacker, *species::Creature::FromNumber(attacker));
    v.TypeLevel(Combatant::Attacker, "100");
    v.MaxStatExpRequested(Combatant::Attacker);
    const species::Creature defenders[] = {*species::Creature::FromNumber(113), *species::Creature::FromNumber(143)};
    std::size_t i = 0;
    for (auto _ : state) {
        v.ChooseCreature(Combatant::Defender, defenders[i++ % 2]);
        benchmark::DoNotOptimize(v.Ranking().data());
    }
    state.counters["moves"] = static_cast<double>(v.Ranking().size());
}

BENCHMARK_CAPTURE(RecomputeWithRanking, mew_chooses_defender, 151)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(RecomputeWithRanking, mewtwo_chooses_defender, 150)->Unit(benchmark::kMicrosecond);

// The team window's table against a party: six of mine with four damaging
// moves each against the Champion's six, every move both ways (288 uses
// computed), the best of each pair chosen and its cells written. Target:
// at most 5 ms.
void TeamAgainstTheChampion(benchmark::State& state)
{
    const std::vector<std::pair<int, std::array<const char*, 4>>> members{
        {6, {"Flame Thrower", "Earthquake", "Slash", "Fire Blast"}},
        {9, {"Surf", "Ice Beam", "Body Slam", "Hydro Pump"}},
        {26, {"Thunderbolt", "Thunder", "Seismic Toss", "Quick Attack"}},
        {94, {"Night Shade", "Psychic", "Mega Drain", "Hyper Beam"}},
        {112, {"Horn Drill", "Rock Slide", "Stomp", "Earthquake"}},
        {149, {"Dragon Rage", "Hyper Beam", "Wing Attack", "Blizzard"}},
    };
    std::vector<TeamMember> team;
    for (const auto& [number, moves] : members) {
        TeamMember m = NewMember(*species::Creature::FromNumber(number), 60);
        for (std::size_t i = 0; i < moves.size(); ++i)
            if ((m.Moves[i] = FindMove(moves[i])) < 0) {
                state.SkipWithError("no such move");
                return;
            }
        team.push_back(m);
    }
    TeamView view(team);
    view.ChooseOpponents().ChooseStarterLine(1);
    view.ChooseOpponents().ChooseBattleLine(12); // the Champion
    std::size_t cells = 0;
    for (auto _ : state) {
        const auto matchups = view.Against();
        const auto rows = view.AgainstRows(matchups);
        cells = rows.size() * rows.front().Cells.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(TeamAgainstTheChampion)->Unit(benchmark::kMillisecond);

// Mewtwo at level 70 (236 to 249 HP), HP 1 to 100 typed exactly.
void CapturePanel(benchmark::State& state)
{
    long long throws = 0;
    for (auto _ : state) {
        throws = 0;
        capture::Wild w;
        w.Species = 150;
        w.Level = 70;
        w.Share = capture::HpShare::Exact;
        for (w.ExactHp = 1; w.ExactHp <= 100; ++w.ExactHp)
            for (const capture::Status s : capture::Statuses) {
                w.Condition = s;
                for (const capture::Ball b : capture::Balls) {
                    const capture::WildFigures f = capture::WildThrowFigures(w, b);
                    for (const int percent : {50, 90, 99})
                        throws += capture::ThrowsFor(f.Catch, percent).value_or(0);
                    benchmark::DoNotOptimize(f.Shakes);
                }
            }
        benchmark::DoNotOptimize(throws);
    }
    state.counters["throws"] = static_cast<double>(throws);
}
BENCHMARK(CapturePanel)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
