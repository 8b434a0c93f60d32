// TTimerEx: a non-visual component that calls OnTimer every Interval
// milliseconds while it is enabled. Two tick sources, chosen by Threaded:
//  - a worker thread of its own (TTimerThread) that sleeps Interval and hands
//    each tick to the window thread, waiting until it has run there (or, with
//    ThreadSafe, calls DoTimer on the worker itself);
//  - a message timer on the window thread.
//
// The core is free of Qt. Everything it needs from the window system comes
// through TTimerPlatform: posting a call to the window thread, message timers,
// and the application's error handler. The Qt implementation is
// widgets/QtTimerPlatform.h; tests use a platform of their own.
//
// Threads: every public member of TTimerEx is called on the window thread.
// The worker reads Interval, ThreadSafe, Enabled and its own flags, all of
// them atomics or guarded by the worker's mutex. Releasing a worker stops it,
// cancels a hand-over it is waiting for and joins it, so no tick ever reaches a
// released component and nothing deadlocks, even when the release happens
// inside the very tick the worker is waiting for.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string_view>
#include <thread>

class TTimerEx;

// Priority of the worker thread. On Linux: tpIdle runs under SCHED_IDLE,
// the others are nice values 10, 5, 0, -5, -10, -20. Raising a priority above
// what the process may use (no privilege) is silently left undone.
enum TThreadPriority : int {
    tpIdle,
    tpLowest,
    tpLower,
    tpNormal,
    tpHigher,
    tpHighest,
    tpTimeCritical,
};

// "tpIdle" .. "tpTimeCritical", as window definitions write them.
std::string_view ThreadPriorityName(TThreadPriority priority);
std::optional<TThreadPriority> ThreadPriorityFromName(std::string_view name);

// The notify event: receives the component as sender.
using TTimerNotify = std::function<void(TTimerEx* Sender)>;

// ---------------------------------------------------------------------------
// What the window system provides.

// A way to queue calls on the window thread. Owned by one worker.
class TWindowThreadChannel {
public:
    virtual ~TWindowThreadChannel() = default;
    // Any thread: run `call` on the window thread soon. Calls still queued
    // when the channel is destroyed (on the window thread) are dropped.
    virtual void Post(std::function<void()> call) = 0;
};

// A repeating timer on the window thread (the component's "timer window").
// Created, used and destroyed on the window thread; destroying it stops it.
class TMessageTimer {
public:
    virtual ~TMessageTimer() = default;
    // (Re)starts the count with interval_ms (> 0). When the system refuses
    // a timer, throws the widget layer's out-of-resources error
    // "No More Timers Available" and leaves the timer stopped.
    virtual void Start(std::uint32_t interval_ms) = 0;
    virtual void Stop() = 0;
    virtual bool Active() const = 0;
};

// The clock a worker sleeps by: the steady clock, unless the platform brings
// its own (the tests move time by hand, so no test depends on how busy the
// machine is).
class TTimerClock {
public:
    using time_point = std::chrono::steady_clock::time_point;
    virtual ~TTimerClock() = default;
    // Any thread.
    virtual time_point Now() = 0;
    // Worker: waits on `wake` until `deadline` by this clock or a notify (or
    // spuriously), as condition_variable::wait_until; `lock` holds its mutex.
    virtual void WaitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock, time_point deadline) = 0;

    static TTimerClock& Steady() noexcept;
};

class TTimerPlatform {
public:
    virtual ~TTimerPlatform() = default;
    // Window thread, once per worker made: the clock it sleeps by.
    virtual TTimerClock& Clock() { return TTimerClock::Steady(); }
    // Window thread.
    virtual std::unique_ptr<TWindowThreadChannel> CreateChannel() = 0;
    // Window thread; `tick` is called on the window thread at each interval.
    virtual std::unique_ptr<TMessageTimer> CreateMessageTimer(std::function<void()> tick) = 0;
    // Window thread: the application's error handler (shows the error box).
    virtual void ReportException(std::exception_ptr error) noexcept = 0;

    // The platform used by timers constructed without one. Must outlive them.
    static void SetDefault(TTimerPlatform* platform) noexcept;
    static TTimerPlatform* Default() noexcept;
};

// ---------------------------------------------------------------------------
// Handing a call from a worker to the window thread and waiting for it.
//
// Run (worker thread) posts the call and blocks until it has run on the
// window thread, or until Cancel. Cancel (window thread, or any thread) makes
// the pending call a no-op if it has not started, releases the waiting worker
// at once even if the call is running right now (the call may be the one that
// cancels), and makes every later Run return false without posting.
class THandOver {
public:
    explicit THandOver(TTimerPlatform& platform); // window thread
    ~THandOver();                                 // window thread; drops queued calls

    THandOver(const THandOver&) = delete;
    THandOver& operator=(const THandOver&) = delete;

    // Worker: true when the call ran (it may have thrown; see below), false
    // when it was cancelled before it started. An exception from `call` goes
    // to the platform's ReportException on the window thread.
    bool Run(std::function<void()> call);
    void Cancel();
    bool Cancelled() const;

private:
    struct Slot;
    TTimerPlatform& platform_;
    std::unique_ptr<TWindowThreadChannel> channel_;
    mutable std::mutex mutex_;
    bool cancelled_ = false;
    std::shared_ptr<Slot> pending_;
};

// ---------------------------------------------------------------------------
// The worker. Created by TTimerEx (running, linked before it first runs) and
// released by it; never used on its own.
class TTimerThread {
public:
    TTimerThread(TTimerEx& timer, TTimerPlatform& platform);
    // Sets Stopping, wakes the worker wherever it waits (sleep, pause,
    // hand-over), cancels its pending hand-over and joins it.
    ~TTimerThread();

    TTimerThread(const TTimerThread&) = delete;
    TTimerThread& operator=(const TTimerThread&) = delete;

    TTimerEx& Timer() const { return timer_; }

    // Window thread. A suspended worker delivers nothing and waits on a
    // condition variable: no polling, no CPU. The sleep it was in goes on
    // counting while it is suspended.
    void Suspend();
    void Resume();
    bool Suspended() const;

    // Applied at once when the thread runs, else when it starts.
    void SetPriority(TThreadPriority priority);
    TThreadPriority Priority() const;

    bool Stopping() const { return stopping_.load(); }
    // The kernel's id of the worker: 0 until it has started and its
    // priority is in force.
    int ThreadId() const { return tid_.load(); }

private:
    void Start();
    void Execute();
    void ApplyPriorityLocked();

    TTimerEx& timer_;
    THandOver handover_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool suspended_ = false;
    bool terminated_ = false;
    std::uint64_t wakeSeq_ = 0; // bumped by every Suspend/Resume/release
    TThreadPriority priority_;
    std::optional<TThreadPriority> applied_; // what the system was last asked for
    std::atomic<bool> stopping_{false};
    std::atomic<int> tid_{0};
    const std::uint32_t firstInterval_;
    TTimerClock& clock_;
    const TTimerClock::time_point created_;
    std::thread thread_; // last: starts once everything above exists
};

// ---------------------------------------------------------------------------
class TTimerEx {
public:
    // nullptr: TTimerPlatform::Default() (throws std::logic_error when none
    // is installed). Enabled, Interval 1000, Threaded, tpNormal; the worker
    // is created running and its first sleep, of the Interval it was created
    // with, counts from now. Until OnTimer is assigned its ticks are dropped.
    //
    // Release on the window thread, never from a ThreadSafe tick (the worker
    // cannot join itself). Releasing from inside the component's own tick on
    // the window thread is fine. A subclass that overrides DoTimer and uses
    // ThreadSafe disables ticks (SetThreaded(false)) in its own destructor.
    explicit TTimerEx(TTimerPlatform* platform = nullptr);
    virtual ~TTimerEx();

    TTimerEx(const TTimerEx&) = delete;
    TTimerEx& operator=(const TTimerEx&) = delete;

    bool Enabled() const { return enabled_.load(); }
    void SetEnabled(bool value);

    std::uint32_t Interval() const { return interval_.load(); }
    void SetInterval(std::uint32_t value);

    // Assigning always reconfigures, even the same handler. A handler may
    // replace itself, or release the component, while it runs.
    TTimerNotify OnTimer() const;
    void SetOnTimer(TTimerNotify handler);

    bool Threaded() const { return threaded_; }
    void SetThreaded(bool value);

    TThreadPriority ThreadPriority() const { return priority_.load(); }
    void SetThreadPriority(TThreadPriority value);

    bool ThreadSafe() const { return thread_safe_.load(); }
    void SetThreadSafe(bool value) { thread_safe_.store(value); }

    // Exists while Threaded.
    TTimerThread* TimerThread() const { return thread_.get(); }
    // Exists while not Threaded.
    TMessageTimer* TimerWindow() const { return window_.get(); }

    TTimerPlatform& Platform() const { return platform_; }

protected:
    // Delivers a tick: calls OnTimer when Enabled and assigned. Runs on the
    // window thread, or on the worker when ThreadSafe.
    virtual void DoTimer();
    // Brings the tick source in line with the properties.
    void UpdateTimer();

private:
    friend class TTimerThread;
    void ReleaseThread();
    bool HasHandler() const;

    TTimerPlatform& platform_;
    std::atomic<bool> enabled_{true};
    std::atomic<std::uint32_t> interval_{1000};
    bool threaded_ = true;
    std::atomic<TThreadPriority> priority_{tpNormal};
    std::atomic<bool> thread_safe_{false};
    // OnTimer may be read by a ThreadSafe worker while the window thread
    // assigns it: readers take a reference under the mutex.
    mutable std::mutex handlerMutex_;
    std::shared_ptr<const TTimerNotify> onTimer_ = std::make_shared<const TTimerNotify>();
    std::unique_ptr<TTimerThread> thread_;
    std::unique_ptr<TMessageTimer> window_;
};
