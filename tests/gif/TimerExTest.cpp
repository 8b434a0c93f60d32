// The interval timer's core, driven by a window thread of the tests' own.
#include "FakeTimerPlatform.h"
#include "gif/TimerEx.h"

#include "tests/support/Watchdog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <random>
#include <thread>

#include <sched.h>
#include <sys/resource.h>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

int TaskCount()
{
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator("/proc/self/task"))
        ++n;
    return n;
}

// Counts the ticks that reach OnTimer and where they ran.
struct Ticks {
    std::atomic<int> count{0};
    std::atomic<bool> off_window_thread{false};
    std::thread::id window = std::this_thread::get_id();

    TTimerNotify Handler()
    {
        return [this](TTimerEx*) {
            if (std::this_thread::get_id() != window)
                off_window_thread = true;
            ++count;
        };
    }
};

// Counts every tick DoTimer receives, whether or not OnTimer is called.
class CountingTimer : public TTimerEx {
public:
    using TTimerEx::TTimerEx;
    std::atomic<int> delivered{0};

protected:
    void DoTimer() override
    {
        ++delivered;
        TTimerEx::DoTimer();
    }
};

// A new component's worker first sleeps the 1000 ms it was created with; a
// worker made anew after `interval` is set starts with that instead.
template <class T>
T& Quick(T& timer, std::uint32_t interval)
{
    timer.SetThreaded(false);
    timer.SetInterval(interval);
    timer.SetThreaded(true);
    return timer;
}

// How long a test waits for something that must come (in real time): only a
// broken timer takes that long, so it may be generous.
constexpr auto kPatience = 20s;

class TimerEx : public ::testing::Test {
protected:
    Watchdog watchdog{std::chrono::seconds(60)};
    FakeTimerPlatform platform;
};

// The workers sleep by a clock the test moves: sleeps are over exactly when
// the test says so, however slowly the threads run.
class TimerExOnItsClock : public TimerEx {
protected:
    ManualTimerClock& clock = platform.UseManualClock();
};

} // namespace

// --- construction and properties --------------------------------------------

TEST_F(TimerEx, StartsThreadedEnabledWithARunningWorker)
{
    TTimerEx timer(&platform);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_TRUE(timer.Threaded());
    EXPECT_EQ(timer.ThreadPriority(), tpNormal);
    EXPECT_FALSE(timer.ThreadSafe());
    EXPECT_FALSE(timer.OnTimer());
    ASSERT_NE(timer.TimerThread(), nullptr);
    EXPECT_FALSE(timer.TimerThread()->Suspended());
    EXPECT_EQ(&timer.TimerThread()->Timer(), &timer);
    EXPECT_EQ(timer.TimerWindow(), nullptr);
}

// Setters reconfigure only on a change; OnTimer always does. Observed through
// the message timer, which every reconfiguration restarts.
TEST_F(TimerEx, SettersReconfigureOnlyWhenTheValueChanges)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetThreaded(false);
    auto handler = ticks.Handler();
    timer.SetOnTimer(handler);
    ASSERT_TRUE(timer.TimerWindow()->Active());
    const int starts = platform.timer_starts;

    timer.SetEnabled(true);
    timer.SetInterval(1000);
    timer.SetThreaded(false);
    timer.SetThreadPriority(tpNormal);
    EXPECT_EQ(platform.timer_starts, starts);

    timer.SetOnTimer(handler); // same handler: reconfigures all the same
    EXPECT_EQ(platform.timer_starts, starts + 1);
    timer.SetInterval(500);
    EXPECT_EQ(platform.timer_starts, starts + 2);
    timer.SetThreadPriority(tpLowest); // message-based: stored only
    EXPECT_EQ(platform.timer_starts, starts + 2);
    EXPECT_EQ(timer.ThreadPriority(), tpLowest);
    timer.SetThreadSafe(true); // plain field
    EXPECT_EQ(platform.timer_starts, starts + 2);
}

// --- the tick sources -------------------------------------------------------

TEST_F(TimerEx, WorkerHandsTicksToTheWindowThread)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    Quick(timer, 5).SetOnTimer(ticks.Handler());
    EXPECT_TRUE(platform.PumpUntil([&] { return ticks.count >= 5; }, kPatience));
    EXPECT_FALSE(ticks.off_window_thread);
}

TEST_F(TimerEx, WorkerWaitsUntilTheWindowThreadRanTheTick)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    Quick(timer, 1).SetOnTimer(ticks.Handler());
    // The window thread is busy: one tick is queued, the worker waits for it.
    ASSERT_TRUE(platform.WaitForQueued(kPatience));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(platform.Queued(), 1u);
    EXPECT_EQ(ticks.count, 0);
    platform.PumpUntil([&] { return ticks.count >= 1; }, kPatience);
    EXPECT_GE(ticks.count, 1);
}

TEST_F(TimerEx, ThreadSafeTicksRunOnTheWorker)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetThreadSafe(true);
    Quick(timer, 2).SetOnTimer(ticks.Handler());
    // No pumping: the worker needs no window thread.
    const auto deadline = Clock::now() + 5s;
    while (ticks.count < 5 && Clock::now() < deadline)
        std::this_thread::sleep_for(2ms);
    EXPECT_GE(ticks.count, 5);
    EXPECT_TRUE(ticks.off_window_thread);
    EXPECT_EQ(platform.Queued(), 0u);
}

TEST_F(TimerEx, MessageTimerTicksOnTheWindowThread)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetThreaded(false);
    EXPECT_EQ(timer.TimerThread(), nullptr);
    ASSERT_NE(timer.TimerWindow(), nullptr);
    timer.SetInterval(5);
    timer.SetOnTimer(ticks.Handler());
    EXPECT_TRUE(timer.TimerWindow()->Active());
    EXPECT_TRUE(platform.PumpUntil([&] { return ticks.count >= 3; }, kPatience));
    EXPECT_FALSE(ticks.off_window_thread);
}

// --- pausing ----------------------------------------------------------------

TEST_F(TimerEx, DisablingSuspendsTheWorkerAndEnablingResumesIt)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    Quick(timer, 2).SetOnTimer(ticks.Handler());
    ASSERT_TRUE(platform.PumpUntil([&] { return ticks.count >= 2; }, kPatience));

    timer.SetEnabled(false);
    EXPECT_TRUE(timer.TimerThread()->Suspended());
    const int seen = ticks.count;
    platform.PumpFor(100ms);
    EXPECT_EQ(ticks.count, seen);
    EXPECT_EQ(platform.Queued(), 0u);

    timer.SetEnabled(true);
    EXPECT_FALSE(timer.TimerThread()->Suspended());
    EXPECT_TRUE(platform.PumpUntil([&] { return ticks.count >= seen + 3; }, kPatience));
}

// A tick queued just before the pause is not delivered; a worker that waits
// out the zero interval is woken by the next non-zero one.
TEST_F(TimerExOnItsClock, TickQueuedBeforeThePauseIsDroppedAndANewIntervalResumes)
{
    CountingTimer timer(&platform);
    Ticks ticks;
    Quick(timer, 1).SetOnTimer(ticks.Handler());
    clock.Advance(1ms);
    ASSERT_TRUE(platform.WaitForQueued(kPatience));
    timer.SetInterval(0); // pauses; Enabled stays True
    EXPECT_TRUE(timer.TimerThread()->Suspended());
    const std::size_t reads = clock.Reads(); // the worker waits for the hand-over
    platform.PumpFor(50ms);
    EXPECT_EQ(timer.delivered, 0);
    EXPECT_EQ(ticks.count, 0);

    // Once the worker has begun its next sleep, of Interval 0, it waits for
    // the component to be reconfigured.
    ASSERT_TRUE(clock.WaitForReads(reads + 1, kPatience));
    timer.SetInterval(5);
    EXPECT_FALSE(timer.TimerThread()->Suspended());
    for (int n = 1; n <= 3; ++n) {
        ASSERT_TRUE(clock.WaitForSleepers(1, kPatience)) << "the worker does not sleep the new interval";
        clock.Advance(4ms);
        platform.PumpFor(20ms);
        EXPECT_EQ(ticks.count, n - 1);
        clock.Advance(1ms);
        ASSERT_TRUE(platform.PumpUntil([&] { return ticks.count >= n; }, kPatience));
    }
}

TEST_F(TimerEx, IntervalZeroPausesWithoutReleasing)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetInterval(2);
    timer.SetOnTimer(ticks.Handler());
    TTimerThread* worker = timer.TimerThread();
    timer.SetInterval(0);
    EXPECT_EQ(timer.TimerThread(), worker);
    EXPECT_TRUE(worker->Suspended());
    platform.PumpFor(30ms);
    const int seen = ticks.count;
    platform.PumpFor(60ms);
    EXPECT_EQ(ticks.count, seen);

    timer.SetThreaded(false);
    timer.SetInterval(2);
    TMessageTimer* window = timer.TimerWindow();
    ASSERT_TRUE(window->Active());
    timer.SetInterval(0);
    EXPECT_EQ(timer.TimerWindow(), window);
    EXPECT_FALSE(window->Active());
}

// The sleep in progress goes on counting while paused: a worker resumed long
// after its sleep began ticks at once (the picture control's first frame).
TEST_F(TimerExOnItsClock, ResumedWorkerTicksAtOnceWhenItsSleepIsOver)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetEnabled(false); // the worker is in its first 1000 ms sleep
    timer.SetInterval(1);
    timer.SetOnTimer(ticks.Handler());
    clock.Advance(1100ms);
    timer.SetEnabled(true);
    // No more time passes: only a sleep that counted the pause is over.
    ASSERT_TRUE(platform.PumpUntil([&] { return ticks.count >= 1; }, kPatience));
    platform.PumpFor(20ms);
    EXPECT_EQ(ticks.count, 1);
}

// The first sleep of a new component is the Interval it was created with,
// counted from its creation: setting a shorter one does not cut it short.
TEST_F(TimerExOnItsClock, FirstSleepIsTheOneTheWorkerWasCreatedWith)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetInterval(5);
    timer.SetOnTimer(ticks.Handler());
    clock.Advance(999ms);
    platform.PumpFor(30ms);
    EXPECT_EQ(ticks.count, 0);
    clock.Advance(1ms);
    ASSERT_TRUE(platform.PumpUntil([&] { return ticks.count >= 1; }, kPatience));
    // The following ones use 5 ms.
    ASSERT_TRUE(clock.WaitForSleepers(1, kPatience));
    clock.Advance(5ms);
    EXPECT_TRUE(platform.PumpUntil([&] { return ticks.count >= 2; }, kPatience));
}

// A worker with Interval 0 that is not paused (created while the component
// was not going to tick) waits instead of ticking without pause.
TEST_F(TimerEx, WorkerWithIntervalZeroDoesNotSpin)
{
    CountingTimer timer(&platform);
    timer.SetThreaded(false);
    timer.SetInterval(0);
    timer.SetThreaded(true); // a new worker, running, Interval 0
    ASSERT_FALSE(timer.TimerThread()->Suspended());
    platform.PumpFor(50ms);
    EXPECT_EQ(timer.delivered, 0);
}

// --- the quiet cases --------------------------------------------------------

TEST_F(TimerEx, EnabledWithoutOnTimer)
{
    // Threaded: the running worker ticks, DoTimer drops the ticks.
    CountingTimer timer(&platform);
    timer.SetInterval(3); // no OnTimer: paused by this reconfiguration
    EXPECT_TRUE(timer.TimerThread()->Suspended());
    timer.SetThreaded(false);
    timer.SetThreaded(true); // created anew, running
    EXPECT_FALSE(timer.TimerThread()->Suspended());
    EXPECT_TRUE(platform.PumpUntil([&] { return timer.delivered >= 3; }, kPatience));

    // Message-based: no timer at all.
    timer.SetThreaded(false);
    EXPECT_FALSE(timer.TimerWindow()->Active());
}

TEST_F(TimerEx, DisabledTimerIgnoresTicksFromAWorkerCreatedRunning)
{
    CountingTimer timer(&platform);
    Ticks ticks;
    timer.SetOnTimer(ticks.Handler());
    timer.SetInterval(3);
    timer.SetEnabled(false);
    timer.SetThreaded(false);
    timer.SetThreaded(true); // a fresh worker is not paused by this reconfiguration
    EXPECT_TRUE(platform.PumpUntil([&] { return timer.delivered >= 2; }, kPatience));
    EXPECT_EQ(ticks.count, 0);
}

// --- switching sources and priorities ----------------------------------------

TEST_F(TimerEx, SwitchingThreadedBothWays)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetInterval(3);
    timer.SetOnTimer(ticks.Handler());
    const int tasks = TaskCount();

    timer.SetThreaded(false);
    EXPECT_EQ(timer.TimerThread(), nullptr);
    EXPECT_EQ(TaskCount(), tasks - 1); // the worker is gone, not just flagged
    ASSERT_NE(timer.TimerWindow(), nullptr);
    EXPECT_TRUE(timer.TimerWindow()->Active());
    ASSERT_TRUE(platform.PumpUntil([&] { return ticks.count >= 2; }, kPatience));

    timer.SetThreaded(true);
    EXPECT_EQ(timer.TimerWindow(), nullptr);
    ASSERT_NE(timer.TimerThread(), nullptr);
    EXPECT_FALSE(timer.TimerThread()->Suspended());
    const int seen = ticks.count;
    EXPECT_TRUE(platform.PumpUntil([&] { return ticks.count >= seen + 2; }, kPatience));
    EXPECT_FALSE(ticks.off_window_thread);
}

TEST_F(TimerEx, PriorityIsAppliedToTheWorker)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    Quick(timer, 2).SetOnTimer(ticks.Handler());
    ASSERT_TRUE(platform.PumpUntil([&] { return timer.TimerThread()->ThreadId() != 0; }, kPatience));

    timer.SetThreadPriority(tpLower);
    EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(timer.TimerThread()->ThreadId())), 5);
    timer.SetThreadPriority(tpIdle);
    EXPECT_EQ(sched_getscheduler(timer.TimerThread()->ThreadId()), SCHED_IDLE);
    // Raising it may be refused without privilege; the worker goes on.
    timer.SetThreadPriority(tpTimeCritical);
    const int seen = ticks.count;
    EXPECT_TRUE(platform.PumpUntil([&] { return ticks.count >= seen + 2; }, kPatience));
}

TEST_F(TimerEx, PriorityStoredWhileMessageBasedIsAppliedWhenThreadedAgain)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetInterval(2);
    timer.SetOnTimer(ticks.Handler());
    timer.SetThreaded(false);
    timer.SetThreadPriority(tpLowest);
    EXPECT_EQ(timer.TimerThread(), nullptr);

    timer.SetThreaded(true);
    ASSERT_TRUE(platform.PumpUntil([&] { return timer.TimerThread()->ThreadId() != 0; }, kPatience));
    EXPECT_EQ(timer.TimerThread()->Priority(), tpLowest);
    EXPECT_EQ(getpriority(PRIO_PROCESS, id_t(timer.TimerThread()->ThreadId())), 10);
}

// --- errors -----------------------------------------------------------------

TEST_F(TimerEx, ErrorsFromOnTimerGoToTheErrorHandlerAndTicksGoOn)
{
    TTimerEx timer(&platform);
    timer.SetInterval(2);
    timer.SetOnTimer([](TTimerEx*) { throw std::runtime_error("tick failed"); });

    timer.SetThreaded(false); // message-based
    ASSERT_TRUE(platform.PumpUntil([&] { return platform.reports.size() >= 3; }, kPatience));

    timer.SetThreaded(true); // handed over: reported on the window thread too
    platform.reports.clear();
    ASSERT_TRUE(platform.PumpUntil([&] { return platform.reports.size() >= 3; }, kPatience));

    timer.SetThreadSafe(true); // on the worker: sent to the window thread to be shown
    platform.reports.clear();
    ASSERT_TRUE(platform.PumpUntil([&] { return platform.reports.size() >= 3; }, kPatience));
    EXPECT_EQ(platform.reports.front(), "tick failed");
}

// The error box is modal: its event loop runs while it is open. Message
// ticks of the failing component must not stack a box per interval.
TEST_F(TimerEx, ErrorBoxOfAMessageTickDoesNotNest)
{
    int depth = 0;
    int deepest = 0;
    platform.on_report = [&] {
        deepest = std::max(deepest, ++depth);
        platform.PumpFor(20ms); // the box stays open for several intervals
        --depth;
    };
    TTimerEx timer(&platform);
    timer.SetThreaded(false);
    timer.SetInterval(2);
    timer.SetOnTimer([](TTimerEx*) { throw std::runtime_error("tick failed"); });
    ASSERT_TRUE(platform.PumpUntil([&] { return platform.reports.size() >= 3; }, kPatience));
    EXPECT_EQ(deepest, 1);
}

TEST_F(TimerEx, RefusedMessageTimerLeavesTheComponentMessageBasedAndIdle)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    timer.SetInterval(5);
    timer.SetThreaded(false);
    platform.refuse_timers = true;
    try {
        timer.SetOnTimer(ticks.Handler());
        FAIL() << "no error";
    } catch (const FakeOutOfResources& e) {
        EXPECT_STREQ(e.what(), "No More Timers Available");
    }
    EXPECT_FALSE(timer.Threaded());
    ASSERT_NE(timer.TimerWindow(), nullptr);
    EXPECT_FALSE(timer.TimerWindow()->Active());
    EXPECT_TRUE(timer.OnTimer()); // the value stays stored
    platform.PumpFor(30ms);
    EXPECT_EQ(ticks.count, 0);
}

// --- a tick handler that reconfigures its own timer --------------------------

TEST_F(TimerEx, TickHandlerChangesInterval)
{
    TTimerEx timer(&platform);
    int count = 0;
    Quick(timer, 1).SetOnTimer([&](TTimerEx* t) {
        ++count;
        t->SetInterval(t->Interval() == 2 ? 3 : 2); // pauses and resumes its own waiting worker
    });
    EXPECT_TRUE(platform.PumpUntil([&] { return count >= 20; }, kPatience));
    EXPECT_FALSE(timer.TimerThread()->Suspended());
}

TEST_F(TimerEx, TickHandlerSwitchesItsOwnSource)
{
    Ticks ticks;
    TTimerEx timer(&platform);
    Quick(timer, 2);
    int switches = 0;
    timer.SetOnTimer([&](TTimerEx* t) {
        ++ticks.count;
        // Releases the worker that is waiting for this very tick, then
        // (as a message tick) releases the message timer inside its own tick.
        if (++switches <= 6)
            t->SetThreaded(!t->Threaded());
    });
    EXPECT_TRUE(platform.PumpUntil([&] { return ticks.count >= 10; }, kPatience));
}

// --- releasing --------------------------------------------------------------

// The window thread is busy when the component is released: the worker that
// waits for its hand-over is woken and joined, and the queued tick is gone.
TEST_F(TimerEx, ReleaseWhileTheWorkerWaitsForAHandOver)
{
    for (bool platform_drops : {true, false}) {
        platform.drop_calls_of_dead_channels = platform_drops;
        auto ticks = std::make_shared<Ticks>();
        auto timer = std::make_unique<CountingTimer>(&platform);
        Quick(*timer, 1).SetOnTimer(ticks->Handler());
        ASSERT_TRUE(platform.WaitForQueued(kPatience));
        const int tasks = TaskCount();

        timer.reset(); // a release that waited for the hand-over would never return
        EXPECT_EQ(TaskCount(), tasks - 1);

        // Even a call the platform could not take back does nothing now.
        EXPECT_EQ(platform.Queued(), platform_drops ? 0u : 1u);
        platform.PumpFor(20ms);
        EXPECT_EQ(ticks->count, 0);
    }
}

TEST_F(TimerEx, ReleaseInsideItsOwnTick)
{
    for (bool threaded : {true, false}) {
        Ticks ticks;
        auto* timer = new TTimerEx(&platform);
        Quick(*timer, 2).SetThreaded(threaded);
        timer->SetOnTimer([&](TTimerEx* self) {
            ++ticks.count;
            delete self;
        });
        ASSERT_TRUE(platform.PumpUntil([&] { return ticks.count >= 1; }, kPatience));
        platform.PumpFor(30ms);
        EXPECT_EQ(ticks.count, 1) << "threaded " << threaded;
    }
}

// The sleep outlasts the watchdog: a release that waited it out, or waited
// for a paused worker to be resumed, fails the run instead of passing slowly.
TEST_F(TimerEx, ReleaseEndsALongSleepAtOnce)
{
    for (bool paused : {false, true}) {
        Ticks ticks;
        auto timer = std::make_unique<TTimerEx>(&platform);
        Quick(*timer, 600'000).SetOnTimer(ticks.Handler());
        timer->SetEnabled(!paused);
        std::this_thread::sleep_for(20ms);
        const int tasks = TaskCount();
        timer.reset();
        EXPECT_EQ(TaskCount(), tasks - 1);
        EXPECT_EQ(ticks.count, 0);
    }
}

TEST_F(TimerEx, ReleasingAThreadSafeTimerWaitsForItsRunningTick)
{
    std::atomic<bool> in_tick{false};
    std::atomic<bool> finished{false};
    auto timer = std::make_unique<TTimerEx>(&platform);
    timer->SetThreadSafe(true);
    Quick(*timer, 1).SetOnTimer([&](TTimerEx*) {
        in_tick = true;
        std::this_thread::sleep_for(50ms);
        finished = true;
    });
    while (!in_tick)
        std::this_thread::sleep_for(1ms);
    timer.reset();
    EXPECT_TRUE(finished); // joined: the worker no longer runs in the component
}

// Many components created, ticking, switched and released in random order,
// some while their workers wait for the busy window thread.
TEST_F(TimerEx, StressCreateTickRelease)
{
    struct Owner {
        std::unique_ptr<TTimerEx> timer;
        std::shared_ptr<std::atomic<bool>> alive = std::make_shared<std::atomic<bool>>(true);
    };
    std::atomic<int> late_ticks{0};
    std::atomic<int> total{0};
    std::mt19937 random(7);
    for (int round = 0; round < 8; ++round) {
        std::vector<Owner> owners(24);
        for (auto& o : owners) {
            o.timer = std::make_unique<TTimerEx>(&platform);
            Quick(*o.timer, 1 + random() % 4).SetThreaded(random() % 5 != 0);
            o.timer->SetOnTimer([alive = o.alive, &late_ticks, &total](TTimerEx*) {
                if (!*alive)
                    ++late_ticks;
                ++total;
            });
        }
        platform.PumpFor(std::chrono::milliseconds(random() % 15));
        std::this_thread::sleep_for(3ms); // let workers queue hand-overs
        std::shuffle(owners.begin(), owners.end(), random);
        for (std::size_t i = 0; i < owners.size(); ++i) {
            auto& o = owners[i];
            if (i % 3 == 0)
                o.timer->SetEnabled(false);
            if (i % 4 == 1)
                o.timer->SetThreaded(!o.timer->Threaded());
            *o.alive = false;
            o.timer.reset();
            if (i % 6 == 0)
                platform.PumpFor(1ms);
        }
        platform.PumpFor(5ms);
        EXPECT_EQ(platform.Queued(), 0u);
    }
    EXPECT_EQ(late_ticks, 0);
    EXPECT_GT(total, 0);
}
