// The "where to find" window's work on a change of creature or place, and the
// items' on a change of item or place: the lines computed from the tables
// (the target: at most 1 ms each). Each
// iteration takes the next creature or place, so a run walks them all; the
// worst ones are measured apart. The list of places is computed once, when
// the window opens.
#include "data/Encounters.h"
#include "data/Items.h"
#include "views/ItemsView.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace encounters;

void CreatureLinesEach(benchmark::State& state)
{
    int n = 0;
    for (auto _ : state) {
        n = n % 151 + 1;
        benchmark::DoNotOptimize(CreatureLines(n));
    }
}
BENCHMARK(CreatureLinesEach);

void PlaceLinesEach(benchmark::State& state)
{
    const std::vector<Place> places = PlacesWithEncounters();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlaceLines(places[i]));
        i = (i + 1) % places.size();
    }
}
BENCHMARK(PlaceLinesEach);

// The creature and the place with the most lines.
void CreatureLinesMost(benchmark::State& state)
{
    int most = 1;
    for (int n = 1; n <= 151; ++n)
        if (CreatureLines(n).size() > CreatureLines(most).size())
            most = n;
    for (auto _ : state)
        benchmark::DoNotOptimize(CreatureLines(most));
    state.counters["creature"] = most;
    state.counters["lines"] = static_cast<double>(CreatureLines(most).size());
}
BENCHMARK(CreatureLinesMost);

void PlaceLinesMost(benchmark::State& state)
{
    Place most = Place::Route1;
    for (const Place p : PlacesWithEncounters())
        if (PlaceLines(p).size() > PlaceLines(most).size())
            most = p;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlaceLines(most));
    state.counters["lines"] = static_cast<double>(PlaceLines(most).size());
}
BENCHMARK(PlaceLinesMost);

void PlacesList(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PlacesWithEncounters());
}
BENCHMARK(PlacesList);

// The items' lines: each item in turn, each place in turn (every place of the
// list, those without items too, as the "where to find" window hands them over).
void ItemWayLinesEach(benchmark::State& state)
{
    const auto& names = items::ItemNames();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ItemWayLines(names[i]));
        i = (i + 1) % names.size();
    }
}
BENCHMARK(ItemWayLinesEach);

void PlaceItemLinesEach(benchmark::State& state)
{
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PlaceItemLines(static_cast<Place>(i)));
        i = (i + 1) % PlaceCount;
    }
}
BENCHMARK(PlaceItemLinesEach);

// What typing into the item chooser costs: the item found, its lines.
void ItemTypedEach(benchmark::State& state)
{
    const auto& names = items::ItemNames();
    ItemsView view;
    std::size_t i = 0;
    for (auto _ : state) {
        view.ItemTyped(names[i]);
        benchmark::DoNotOptimize(view.ItemListLines());
        i = (i + 1) % names.size();
    }
}
BENCHMARK(ItemTypedEach);

} // namespace

BENCHMARK_MAIN();
