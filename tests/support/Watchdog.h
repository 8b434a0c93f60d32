// Ends the test binary when one test runs far too long: a deadlock in the
// timer then fails the run instead of hanging it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit] {
              std::unique_lock lock(mutex_);
              if (!done_cv_.wait_for(lock, limit, [&] { return done_; })) {
                  std::fprintf(stderr, "watchdog: test still running after %lld s (deadlock?)\n",
                               static_cast<long long>(limit.count()));
                  std::abort();
              }
          })
    {
    }
    ~Watchdog()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        done_cv_.notify_all();
        thread_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable done_cv_;
    bool done_ = false;
    std::thread thread_;
};
