// A window thread for the timer's tests, without any window system: the test
// thread that constructs it is the window thread and runs posted calls and
// message timers while it pumps.
#pragma once

#include "gif/TimerEx.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

class FakeOutOfResources : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A clock for the workers that moves only when the test says so: what a test
// sees then depends on the order of events, never on how busy the machine is.
class ManualTimerClock final : public TTimerClock {
public:
    time_point Now() override
    {
        time_point now;
        {
            std::lock_guard lock(mutex_);
            ++reads_;
            now = now_;
        }
        changed_.notify_all();
        return now;
    }

    void WaitUntil(std::condition_variable& wake, std::unique_lock<std::mutex>& lock, time_point deadline) override
    {
        auto me = std::make_shared<Sleeper>(&wake, lock.mutex(), deadline);
        {
            std::lock_guard guard(mutex_);
            if (now_ >= deadline)
                return;
            sleepers_.push_back(me);
        }
        changed_.notify_all();
        // Registered while holding the worker's mutex, which Advance takes
        // before notifying: the worker is waiting by then, no wake-up is lost.
        wake.wait(lock);
        // The worker's mutex is let go before `me` is retired, as Advance
        // takes them the other way round.
        lock.unlock();
        {
            std::lock_guard retire(me->alive_mutex);
            me->alive = false;
        }
        {
            std::lock_guard guard(mutex_);
            std::erase(sleepers_, me);
        }
        changed_.notify_all();
        lock.lock();
    }

    // Moves time on and wakes the workers whose sleep is over.
    void Advance(std::chrono::milliseconds by)
    {
        std::vector<std::shared_ptr<Sleeper>> due;
        {
            std::lock_guard guard(mutex_);
            now_ += by;
            for (auto& s : sleepers_)
                if (s->deadline <= now_)
                    due.push_back(s);
        }
        for (auto& s : due) {
            std::lock_guard retire(s->alive_mutex);
            if (!s->alive)
                continue;
            {
                std::lock_guard worker(*s->mutex);
            }
            s->wake->notify_all();
        }
    }

    // Waits (in real time, at most `timeout`) until `count` workers sleep on
    // this clock: time moved on after that counts towards their sleeps.
    bool WaitForSleepers(std::size_t count, std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] { return sleepers_.size() >= count; });
    }

    // How often the time was read: a worker reads it at the start of every
    // sleep, before it knows whether the interval is 0.
    std::size_t Reads()
    {
        std::lock_guard lock(mutex_);
        return reads_;
    }
    bool WaitForReads(std::size_t count, std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] { return reads_ >= count; });
    }

private:
    struct Sleeper {
        Sleeper(std::condition_variable* w, std::mutex* m, time_point d) : wake(w), mutex(m), deadline(d) {}
        std::condition_variable* wake;
        std::mutex* mutex;
        time_point deadline;
        std::mutex alive_mutex;
        bool alive = true;
    };
    std::mutex mutex_;
    std::condition_variable changed_;
    time_point now_{}; // any start will do
    std::size_t reads_ = 0;
    std::vector<std::shared_ptr<Sleeper>> sleepers_;
};

class FakeTimerPlatform final : public TTimerPlatform {
public:
    using Steady = std::chrono::steady_clock;

    // The workers made from now on sleep by a clock the test moves (by
    // default they sleep by the steady clock).
    ManualTimerClock& UseManualClock()
    {
        manual_clock_ = std::make_unique<ManualTimerClock>();
        return *manual_clock_;
    }
    TTimerClock& Clock() override { return manual_clock_ ? *manual_clock_ : TTimerPlatform::Clock(); }

    // When false, a destroyed channel leaves its queued calls in the queue, as
    // a platform that cannot take back a posted call would; they still run.
    bool drop_calls_of_dead_channels = true;
    // The system refuses every message timer.
    bool refuse_timers = false;

    std::vector<std::string> reports; // window thread only
    // Runs inside ReportException, as a modal error box would.
    std::function<void()> on_report;
    int timer_starts = 0; // window thread only

    std::unique_ptr<TWindowThreadChannel> CreateChannel() override
    {
        std::lock_guard lock(mutex_);
        return std::make_unique<Channel>(*this, next_channel_++);
    }

    std::unique_ptr<TMessageTimer> CreateMessageTimer(std::function<void()> tick) override
    {
        int id = next_timer_++;
        timers_[id] = TimerState{std::move(tick), 0, {}, false};
        return std::make_unique<Timer>(*this, id);
    }

    void ReportException(std::exception_ptr error) noexcept override
    {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            reports.emplace_back(e.what());
        } catch (...) {
            reports.emplace_back("?");
        }
        if (on_report)
            on_report();
    }

    std::size_t Queued() const
    {
        std::lock_guard lock(mutex_);
        return queue_.size();
    }

    // Waits (without running anything) until a call is queued.
    bool WaitForQueued(std::chrono::milliseconds timeout)
    {
        std::unique_lock lock(mutex_);
        return posted_.wait_for(lock, timeout, [&] { return !queue_.empty(); });
    }

    // Runs queued calls and due message timers until `done` or the timeout.
    bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
    {
        const auto deadline = Steady::now() + timeout;
        for (;;) {
            RunReady();
            if (done && done())
                return true;
            const auto now = Steady::now();
            if (now >= deadline)
                return false;
            auto wake = deadline;
            for (auto& [id, t] : timers_)
                if (t.active && t.due < wake)
                    wake = t.due;
            std::unique_lock lock(mutex_);
            posted_.wait_until(lock, wake, [&] { return !queue_.empty(); });
        }
    }

    void PumpFor(std::chrono::milliseconds period) { PumpUntil(nullptr, period); }

private:
    struct TimerState {
        std::function<void()> tick;
        std::uint32_t interval;
        Steady::time_point due;
        bool active;
    };

    class Channel final : public TWindowThreadChannel {
    public:
        Channel(FakeTimerPlatform& p, int id) : p_(p), id_(id) {}
        ~Channel() override
        {
            if (!p_.drop_calls_of_dead_channels)
                return;
            std::lock_guard lock(p_.mutex_);
            std::erase_if(p_.queue_, [&](const auto& c) { return c.first == id_; });
        }
        void Post(std::function<void()> call) override
        {
            {
                std::lock_guard lock(p_.mutex_);
                p_.queue_.emplace_back(id_, std::move(call));
            }
            p_.posted_.notify_all();
        }

    private:
        FakeTimerPlatform& p_;
        int id_;
    };

    class Timer final : public TMessageTimer {
    public:
        Timer(FakeTimerPlatform& p, int id) : p_(p), id_(id) {}
        ~Timer() override { p_.timers_.erase(id_); }
        void Start(std::uint32_t interval) override
        {
            auto& t = p_.timers_.at(id_);
            t.active = false;
            if (p_.refuse_timers)
                throw FakeOutOfResources("No More Timers Available");
            ++p_.timer_starts;
            t.interval = interval;
            t.due = Steady::now() + std::chrono::milliseconds(interval);
            t.active = true;
        }
        void Stop() override { p_.timers_.at(id_).active = false; }
        bool Active() const override { return p_.timers_.at(id_).active; }

    private:
        FakeTimerPlatform& p_;
        int id_;
    };

    void RunReady()
    {
        for (;;) {
            std::function<void()> call;
            {
                std::lock_guard lock(mutex_);
                if (queue_.empty())
                    break;
                call = std::move(queue_.front().second);
                queue_.pop_front();
            }
            call();
        }
        const auto now = Steady::now();
        std::vector<int> due;
        for (auto& [id, t] : timers_)
            if (t.active && t.due <= now)
                due.push_back(id);
        for (int id : due) {
            auto it = timers_.find(id); // an earlier tick may have removed it
            if (it == timers_.end() || !it->second.active)
                continue;
            it->second.due = now + std::chrono::milliseconds(it->second.interval);
            auto tick = it->second.tick; // the tick may destroy its timer
            tick();
        }
    }

    std::unique_ptr<ManualTimerClock> manual_clock_;
    mutable std::mutex mutex_;
    std::condition_variable posted_;
    std::deque<std::pair<int, std::function<void()>>> queue_;
    int next_channel_ = 1;
    int next_timer_ = 1;
    std::map<int, TimerState> timers_; // window thread only
};
