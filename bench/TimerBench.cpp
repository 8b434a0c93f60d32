// The interval timer on Qt's event loop: what a hand-over and a tick cost,
// and what paused workers cost while nothing animates (should be nothing).
//
// Counters:
//   round trip: wall time per hand-over (worker posts, window thread runs it,
//               worker resumes), cpu_ns per hand-over over the whole process;
//   ticks:      ticks per second reached and process CPU per tick;
//   paused:     process CPU per wall second and the voluntary context
//               switches of the whole process while N workers are paused;
//   release:    wall time to release a component whose worker is in a
//               10-minute sleep, paused, or waiting for a hand-over the busy
//               window thread has not run; and six components (one ticking,
//               two asleep, three paused) released together after the event
//               loop ended, as at quitting. None may wait for anything;
//   real clock: the worker's sleeps on the steady clock (the tests move a
//               clock of their own): a new worker's first sleep and a worker
//               resumed after its sleep is over, how late each tick came.
//               A tick before its sleep is over, or a resumed worker that
//               sleeps its whole interval again, is an error.
#include "widgets/QtTimerPlatform.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <time.h>

namespace {

using Clock = std::chrono::steady_clock;

double ProcessCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

long VoluntarySwitches()
{
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_nvcsw;
}

// CPU time (ns) and number of times scheduled of the worker threads, from
// the kernel's per-thread scheduler statistics.
struct WorkerSched {
    double cpu_ns = 0;
    double runs = 0;
};

WorkerSched ReadWorkers(const std::vector<std::unique_ptr<TTimerEx>>& timers)
{
    WorkerSched total;
    for (auto& t : timers) {
        if (!t->TimerThread())
            continue;
        std::ifstream in("/proc/self/task/" + std::to_string(t->TimerThread()->ThreadId()) + "/schedstat");
        double cpu = 0, wait = 0, runs = 0;
        if (in >> cpu >> wait >> runs) {
            total.cpu_ns += cpu;
            total.runs += runs;
        }
    }
    return total;
}

QtTimerPlatform& Platform()
{
    static QtTimerPlatform platform{[](std::exception_ptr) {}};
    return platform;
}

// Runs the event loop (sleeping while idle) until `done`, checked every
// `check`, or for a fixed period.
void Pump(const std::function<bool()>& done, std::chrono::milliseconds check = std::chrono::milliseconds(1))
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    poll.start(check);
    if (!done())
        loop.exec();
}

void PumpFor(std::chrono::milliseconds period)
{
    QEventLoop loop;
    QTimer::singleShot(period, &loop, &QEventLoop::quit);
    loop.exec();
}

// A fresh worker sleeps the Interval it was created with first.
void Quick(TTimerEx& timer, std::uint32_t interval)
{
    timer.SetThreaded(false);
    timer.SetInterval(interval);
    timer.SetThreaded(true);
}

void BM_HandOverRoundTrip(benchmark::State& state)
{
    constexpr int kCalls = 2000;
    THandOver handover(Platform());
    double cpu = 0;
    for (auto _ : state) {
        std::atomic<bool> done{false};
        int ran = 0;
        const double cpu0 = ProcessCpuSeconds();
        std::thread worker([&] {
            for (int i = 0; i < kCalls; ++i)
                handover.Run([&] { ++ran; });
            done = true;
        });
        Pump([&] { return done.load(); });
        worker.join();
        cpu += ProcessCpuSeconds() - cpu0;
        if (ran != kCalls)
            state.SkipWithError("lost hand-overs");
    }
    state.SetItemsProcessed(state.iterations() * kCalls);
    state.counters["cpu_ns"] = benchmark::Counter(cpu * 1e9 / double(state.iterations() * kCalls));
}
BENCHMARK(BM_HandOverRoundTrip)->Unit(benchmark::kMillisecond)->UseRealTime();

// A timer at Interval 1 (threaded: handed over; message-based: Qt timer).
void BM_TickCost(benchmark::State& state)
{
    const bool threaded = state.range(0) != 0;
    TTimerEx timer(&Platform());
    int ticks = 0;
    Quick(timer, 1);
    timer.SetThreaded(threaded);
    timer.SetOnTimer([&](TTimerEx*) { ++ticks; });
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpu0 = ProcessCpuSeconds();
        const auto t0 = Clock::now();
        PumpFor(std::chrono::milliseconds(500));
        wall += std::chrono::duration<double>(Clock::now() - t0).count();
        cpu += ProcessCpuSeconds() - cpu0;
    }
    timer.SetEnabled(false);
    state.counters["ticks_per_s"] = benchmark::Counter(ticks / wall);
    state.counters["cpu_us_per_tick"] = benchmark::Counter(ticks ? cpu * 1e6 / ticks : 0);
}
BENCHMARK(BM_TickCost)
    ->Arg(1)
    ->Arg(0)
    ->ArgName("threaded")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

// N workers paused (their components disabled), the window thread idle in
// its event loop: no worker may wake.
void BM_PausedWorkers(benchmark::State& state)
{
    const int n = int(state.range(0));
    std::vector<std::unique_ptr<TTimerEx>> timers;
    for (int i = 0; i < n; ++i) {
        auto& t = timers.emplace_back(std::make_unique<TTimerEx>(&Platform()));
        Quick(*t, 1);
        t->SetOnTimer([](TTimerEx*) {});
    }
    PumpFor(std::chrono::milliseconds(20)); // they all tick a little
    for (auto& t : timers)
        t->SetEnabled(false);
    PumpFor(std::chrono::milliseconds(20));

    double cpu = 0;
    double wall = 0;
    long switches = 0;
    WorkerSched workers;
    for (auto _ : state) {
        const WorkerSched w0 = ReadWorkers(timers);
        const double cpu0 = ProcessCpuSeconds();
        const long sw0 = VoluntarySwitches();
        const auto t0 = Clock::now();
        PumpFor(std::chrono::seconds(1));
        wall += std::chrono::duration<double>(Clock::now() - t0).count();
        switches += VoluntarySwitches() - sw0;
        cpu += ProcessCpuSeconds() - cpu0;
        const WorkerSched w1 = ReadWorkers(timers);
        workers.cpu_ns += w1.cpu_ns - w0.cpu_ns;
        workers.runs += w1.runs - w0.runs;
    }
    // Process-wide figures include the idle window thread and the cost of
    // reading the process clock (which sums over all threads); the worker
    // figures are the workers' own.
    state.counters["process_cpu_us_per_s"] = benchmark::Counter(cpu * 1e6 / wall);
    state.counters["process_switches_per_s"] = benchmark::Counter(double(switches) / wall);
    state.counters["worker_cpu_ns_per_s"] = benchmark::Counter(workers.cpu_ns / wall);
    state.counters["worker_runs_per_s"] = benchmark::Counter(workers.runs / wall);
    timers.clear();
}
BENCHMARK(BM_PausedWorkers)
    ->Arg(0)
    ->Arg(6)
    ->Arg(64)
    ->Arg(256)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

// The program's picture: one control animating at 100 ms a frame, five paused.
void BM_OneAnimatingFivePaused(benchmark::State& state)
{
    std::vector<std::unique_ptr<TTimerEx>> timers;
    int ticks = 0;
    for (int i = 0; i < 6; ++i) {
        auto& t = timers.emplace_back(std::make_unique<TTimerEx>(&Platform()));
        Quick(*t, 100);
        t->SetOnTimer([&](TTimerEx*) { ++ticks; });
        t->SetEnabled(i == 0);
    }
    double cpu = 0;
    double wall = 0;
    WorkerSched workers;
    for (auto _ : state) {
        const WorkerSched w0 = ReadWorkers(timers);
        const double cpu0 = ProcessCpuSeconds();
        const auto t0 = Clock::now();
        PumpFor(std::chrono::seconds(1));
        wall += std::chrono::duration<double>(Clock::now() - t0).count();
        cpu += ProcessCpuSeconds() - cpu0;
        const WorkerSched w1 = ReadWorkers(timers);
        workers.cpu_ns += w1.cpu_ns - w0.cpu_ns;
        workers.runs += w1.runs - w0.runs;
    }
    state.counters["ticks_per_s"] = benchmark::Counter(ticks / wall);
    state.counters["process_cpu_us_per_s"] = benchmark::Counter(cpu * 1e6 / wall);
    state.counters["worker_cpu_ns_per_s"] = benchmark::Counter(workers.cpu_ns / wall);
    state.counters["worker_runs_per_s"] = benchmark::Counter(workers.runs / wall);
    timers.clear();
}
BENCHMARK(BM_OneAnimatingFivePaused)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

void BM_Release(benchmark::State& state)
{
    enum { Asleep, Paused, HandOverQueued, SixAtQuit };
    const int kind = int(state.range(0));
    for (auto _ : state) {
        std::vector<std::unique_ptr<TTimerEx>> timers;
        for (int i = 0; i < (kind == SixAtQuit ? 6 : 1); ++i) {
            auto& t = timers.emplace_back(std::make_unique<TTimerEx>(&Platform()));
            const bool ticking = kind == HandOverQueued || (kind == SixAtQuit && i == 0);
            Quick(*t, ticking ? 1 : 600'000);
            t->SetOnTimer([](TTimerEx*) {});
            t->SetEnabled(kind == SixAtQuit ? i < 3 : kind != Paused);
        }
        if (kind == SixAtQuit)
            PumpFor(std::chrono::milliseconds(20));
        // Asleep, paused, or with a tick queued that nobody runs.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const auto t0 = Clock::now();
        timers.clear();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - t0).count());
        PumpFor(std::chrono::milliseconds(1)); // the cancelled hand-overs go
    }
}
// Sleeps on the real clock: a component created with Interval 100 ticks no
// sooner than 100 ms after its creation; one paused during its first sleep
// and resumed after it was over ticks at once.
void BM_RealClockSleeps(benchmark::State& state)
{
    const bool resumed = state.range(0) != 0;
    constexpr auto kSleep = std::chrono::milliseconds(100);
    double late = 0;
    for (auto _ : state) {
        std::atomic<bool> ticked{false};
        Clock::time_point at{};
        const auto created = Clock::now();
        TTimerEx timer(&Platform());
        Quick(timer, kSleep.count());
        timer.SetEnabled(!resumed);
        timer.SetOnTimer([&](TTimerEx* t) {
            at = Clock::now();
            ticked = true;
            t->SetEnabled(false);
        });
        auto due = created + kSleep;
        if (resumed) {
            PumpFor(kSleep + std::chrono::milliseconds(20));
            due = Clock::now();
            timer.SetEnabled(true);
        }
        Pump([&] { return ticked.load(); });
        if (at < created + kSleep) {
            state.SkipWithError("a tick came before its sleep was over");
            break;
        }
        if (resumed && at - due >= kSleep) {
            state.SkipWithError("the resumed worker slept its interval again");
            break;
        }
        late += std::chrono::duration<double, std::milli>(at - due).count();
        state.SetIterationTime(std::chrono::duration<double>(at - created).count());
    }
    state.counters["late_ms"] = benchmark::Counter(state.iterations() ? late / double(state.iterations()) : 0);
}
BENCHMARK(BM_RealClockSleeps)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("first0_resumed1")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseManualTime();

BENCHMARK(BM_Release)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Arg(3)
    ->ArgName("asleep0_paused1_queued2_six3")
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20)
    ->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
