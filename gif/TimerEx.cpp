#include "gif/TimerEx.h"

#include <array>
#include <chrono>
#include <stdexcept>
#include <utility>

#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

std::atomic<TTimerPlatform*> g_default_platform{nullptr};

constexpr std::array<std::string_view, 7> kPriorityNames{"tpIdle",   "tpLowest",  "tpLower",       "tpNormal",
                                                         "tpHigher", "tpHighest", "tpTimeCritical"};

// Nice values for the priorities above tpIdle (which uses SCHED_IDLE).
constexpr std::array<int, 7> kNice{19, 10, 5, 0, -5, -10, -20};

// Per-thread scheduling on Linux: setpriority and sched_setscheduler take the
// kernel thread id. Without privilege a thread may lower its priority but not
// raise it again; such a refusal is left alone, the thread keeps running.
void ApplyOsPriority(int tid, TThreadPriority priority)
{
    sched_param param{};
    param.sched_priority = 0;
    if (priority == tpIdle) {
        sched_setscheduler(tid, SCHED_IDLE, &param);
        setpriority(PRIO_PROCESS, static_cast<id_t>(tid), kNice[tpIdle]);
        return;
    }
    if (sched_getscheduler(tid) == SCHED_IDLE)
        sched_setscheduler(tid, SCHED_OTHER, &param);
    setpriority(PRIO_PROCESS, static_cast<id_t>(tid), kNice[static_cast<std::size_t>(priority)]);
}

TTimerPlatform& PlatformOrThrow(TTimerPlatform* platform)
{
    if (platform)
        return *platform;
    if (TTimerPlatform* p = TTimerPlatform::Default())
        return *p;
    throw std::logic_error("TTimerEx: no timer platform installed");
}

} // namespace

std::string_view ThreadPriorityName(TThreadPriority priority)
{
    auto i = static_cast<std::size_t>(priority);
    return i < kPriorityNames.size() ? kPriorityNames[i] : std::string_view{};
}

std::optional<TThreadPriority> ThreadPriorityFromName(std::string_view name)
{
    for (std::size_t i = 0; i < kPriorityNames.size(); ++i)
        if (kPriorityNames[i] == name)
            return static_cast<TThreadPriority>(i);
    return std::nullopt;
}

void TTimerPlatform::SetDefault(TTimerPlatform* platform) noexcept
{
    g_default_platform.store(platform);
}
TTimerPlatform* TTimerPlatform::Default() noexcept
{
    return g_default_platform.load();
}

TTimerClock& TTimerClock::Steady() noexcept
{
    struct SteadyClock final : TTimerClock {
        time_point Now() override { return std::chrono::steady_clock::now(); }
        void WaitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock, time_point deadline) override
        {
            wake.wait_until(lock, deadline);
        }
    };
    static SteadyClock clock;
    return clock;
}

// ---------------------------------------------------------------------------
// THandOver

// One posted call. Shared by the waiting worker and the queued call, so that
// either may outlive the other (and the THandOver itself).
struct THandOver::Slot {
    // Scoped: THandOver has a Cancelled() of its own.
    enum class State { Pending, Running, Done, Cancelled };
    std::mutex mutex;
    std::condition_variable changed;
    State state = State::Pending;

    // true when the state moved from `from` to `to`.
    bool Move(State from, State to)
    {
        {
            std::lock_guard lock(mutex);
            if (state != from)
                return false;
            state = to;
        }
        changed.notify_all();
        return true;
    }
};

THandOver::THandOver(TTimerPlatform& platform) : platform_(platform), channel_(platform.CreateChannel()) {}

THandOver::~THandOver()
{
    Cancel();
    channel_.reset();
}

bool THandOver::Run(std::function<void()> call)
{
    auto slot = std::make_shared<Slot>();
    {
        std::lock_guard lock(mutex_);
        if (cancelled_)
            return false;
        pending_ = slot;
    }
    // The queued call owns what it needs. Once `call` has returned it touches
    // only the slot: the call may have released this hand-over and its owner.
    channel_->Post([slot, call = std::move(call), &platform = platform_]() {
        if (!slot->Move(Slot::State::Pending, Slot::State::Running))
            return;
        try {
            call();
        } catch (...) {
            platform.ReportException(std::current_exception());
        }
        slot->Move(Slot::State::Running, Slot::State::Done);
    });

    bool ran;
    {
        std::unique_lock lock(slot->mutex);
        slot->changed.wait(lock,
                           [&] { return slot->state == Slot::State::Done || slot->state == Slot::State::Cancelled; });
        ran = slot->state == Slot::State::Done;
    }
    std::lock_guard lock(mutex_);
    if (pending_ == slot)
        pending_.reset();
    return ran;
}

void THandOver::Cancel()
{
    std::lock_guard lock(mutex_);
    cancelled_ = true;
    if (pending_) {
        // A call that is running right now finishes, but its worker no
        // longer waits for it: the running call may be the one releasing it.
        if (!pending_->Move(Slot::State::Pending, Slot::State::Cancelled))
            pending_->Move(Slot::State::Running, Slot::State::Cancelled);
        pending_.reset();
    }
}

bool THandOver::Cancelled() const
{
    std::lock_guard lock(mutex_);
    return cancelled_;
}

// ---------------------------------------------------------------------------
// TTimerThread

TTimerThread::TTimerThread(TTimerEx& timer, TTimerPlatform& platform)
    : timer_(timer),
      handover_(platform),
      priority_(timer.ThreadPriority()),
      firstInterval_(timer.Interval()),
      clock_(platform.Clock()),
      created_(clock_.Now()),
      thread_([this] { Execute(); })
{
}

TTimerThread::~TTimerThread()
{
    stopping_.store(true);
    {
        std::lock_guard lock(mutex_);
        terminated_ = true;
        ++wakeSeq_;
    }
    wake_.notify_all();
    handover_.Cancel();
    if (thread_.joinable())
        thread_.join();
}

void TTimerThread::Suspend()
{
    std::lock_guard lock(mutex_);
    suspended_ = true;
    ++wakeSeq_;
}

void TTimerThread::Resume()
{
    {
        std::lock_guard lock(mutex_);
        suspended_ = false;
        ++wakeSeq_;
    }
    wake_.notify_all();
}

bool TTimerThread::Suspended() const
{
    std::lock_guard lock(mutex_);
    return suspended_;
}

void TTimerThread::SetPriority(TThreadPriority priority)
{
    std::lock_guard lock(mutex_);
    priority_ = priority;
    ApplyPriorityLocked();
}

TThreadPriority TTimerThread::Priority() const
{
    std::lock_guard lock(mutex_);
    return priority_;
}

void TTimerThread::ApplyPriorityLocked()
{
    // Every reconfiguration sets the priority; the system is asked only when
    // it changes (the picture control reconfigures on every frame).
    const int tid = tid_.load();
    if (tid == 0 || applied_ == priority_)
        return;
    ApplyOsPriority(tid, priority_);
    applied_ = priority_;
}

void TTimerThread::Start()
{
    // The id is published only once the priority is in force.
    std::lock_guard lock(mutex_);
    const int tid = static_cast<int>(gettid());
    ApplyOsPriority(tid, priority_);
    applied_ = priority_;
    tid_.store(tid);
}

void TTimerThread::Execute()
{
    Start();
    // The first sleep starts when the worker is created, with the Interval of
    // that moment, however late the thread gets to run.
    bool first = true;
    for (;;) {
        std::unique_lock lock(mutex_);
        if (terminated_)
            return;
        // Read anew for every sleep. 0 would tick without pause: wait until
        // the component is reconfigured instead.
        const std::uint32_t interval = first ? firstInterval_ : timer_.Interval();
        const auto start = first ? created_ : clock_.Now();
        first = false;
        if (interval == 0) {
            const std::uint64_t seq = wakeSeq_;
            wake_.wait(lock, [&] { return terminated_ || wakeSeq_ != seq; });
            continue;
        }
        // Time spent suspended counts towards the sleep in progress.
        const auto deadline = start + std::chrono::milliseconds(interval);
        for (;;) {
            if (terminated_)
                return;
            if (suspended_) {
                wake_.wait(lock, [&] { return terminated_ || !suspended_; });
                continue;
            }
            if (clock_.Now() >= deadline)
                break;
            clock_.WaitUntil(wake_, lock, deadline);
        }
        const bool on_worker = timer_.ThreadSafe();
        lock.unlock();

        if (on_worker) {
            try {
                timer_.DoTimer();
            } catch (...) {
                // The error box belongs to the window thread.
                auto error = std::current_exception();
                handover_.Run([error] { std::rethrow_exception(error); });
            }
        } else {
            handover_.Run([this] {
                // Runs on the window thread. A tick that was queued before the
                // worker was suspended is not delivered.
                {
                    std::lock_guard guard(mutex_);
                    if (suspended_ || terminated_)
                        return;
                }
                // May release this very thread object; nothing after it may
                // touch `this`.
                timer_.DoTimer();
            });
        }
    }
}

// ---------------------------------------------------------------------------
// TTimerEx

TTimerEx::TTimerEx(TTimerPlatform* platform) : platform_(PlatformOrThrow(platform))
{
    thread_ = std::make_unique<TTimerThread>(*this, platform_);
}

TTimerEx::~TTimerEx()
{
    enabled_.store(false);
    try {
        UpdateTimer();
    } catch (...) {
        // Disabled: nothing can start, so nothing can be refused.
    }
    ReleaseThread();
    window_.reset();
}

void TTimerEx::SetEnabled(bool value)
{
    if (value == Enabled())
        return;
    enabled_.store(value);
    UpdateTimer();
}

void TTimerEx::SetInterval(std::uint32_t value)
{
    if (value == Interval())
        return;
    interval_.store(value);
    UpdateTimer();
}

void TTimerEx::SetOnTimer(TTimerNotify handler)
{
    {
        std::lock_guard lock(handlerMutex_);
        onTimer_ = std::make_shared<const TTimerNotify>(std::move(handler));
    }
    UpdateTimer();
}

void TTimerEx::SetThreaded(bool value)
{
    if (value == threaded_)
        return;
    threaded_ = value;
    UpdateTimer();
}

void TTimerEx::SetThreadPriority(TThreadPriority value)
{
    if (value == ThreadPriority())
        return;
    priority_.store(value);
    if (threaded_)
        UpdateTimer();
}

TTimerNotify TTimerEx::OnTimer() const
{
    std::lock_guard lock(handlerMutex_);
    return *onTimer_;
}

bool TTimerEx::HasHandler() const
{
    std::lock_guard lock(handlerMutex_);
    return static_cast<bool>(*onTimer_);
}

void TTimerEx::DoTimer()
{
    if (!Enabled())
        return;
    std::shared_ptr<const TTimerNotify> handler;
    {
        std::lock_guard lock(handlerMutex_);
        handler = onTimer_;
    }
    // `handler` keeps the function alive even if it releases this component.
    if (*handler)
        (*handler)(this);
}

void TTimerEx::ReleaseThread()
{
    // Cleared before the worker is joined, so that nothing reached during
    // the release sees a half-released worker.
    std::unique_ptr<TTimerThread> old = std::move(thread_);
    old.reset();
}

void TTimerEx::UpdateTimer()
{
    // 1-2: stop both sources.
    if (thread_ && !thread_->Suspended())
        thread_->Suspend();
    if (window_)
        window_->Stop();

    // 3: the source of the chosen family exists, the other one does not.
    if (threaded_) {
        window_.reset();
        if (!thread_)
            thread_ = std::make_unique<TTimerThread>(*this, platform_);
    } else {
        ReleaseThread();
        if (!window_)
            window_ = platform_.CreateMessageTimer([this, busy = std::make_shared<bool>(false), &platform = platform_] {
                // A tick that comes while the previous one still runs (its
                // error box is open, a nested event loop) is skipped:
                // otherwise each interval would stack one more box.
                // Nothing of the component is used after DoTimer, which
                // may release it.
                if (*busy)
                    return;
                *busy = true;
                try {
                    DoTimer();
                } catch (...) {
                    platform.ReportException(std::current_exception());
                }
                *busy = false;
            });
    }

    // 4: nothing to run.
    if (Interval() == 0 || !Enabled() || !HasHandler())
        return;

    // 5: run.
    if (threaded_) {
        thread_->SetPriority(ThreadPriority());
        thread_->Resume();
    } else {
        window_->Start(Interval());
    }
}
