// The interval timer on Qt's event loop (offscreen; the shared test main
// makes the QApplication).
#include "widgets/QtTimerPlatform.h"

#include "tests/support/Watchdog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

std::vector<std::string> g_reports;

void Record(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        g_reports.emplace_back(e.what());
    }
}

// Runs the event loop, sleeping while idle, until `done` or the timeout.
bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    if (done())
        return true;
    const auto deadline = Clock::now() + timeout;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || Clock::now() >= deadline)
            loop.quit();
    });
    poll.start(2);
    loop.exec();
    return done();
}

void PumpFor(std::chrono::milliseconds period)
{
    QEventLoop loop;
    QTimer::singleShot(period, &loop, &QEventLoop::quit);
    loop.exec();
}

// A new component's worker first sleeps the 1000 ms it was created with; a
// worker made anew after `interval` is set starts with that instead.
TTimerEx& Quick(TTimerEx& timer, std::uint32_t interval)
{
    timer.SetThreaded(false);
    timer.SetInterval(interval);
    timer.SetThreaded(true);
    return timer;
}

class QtTimer : public ::testing::Test {
protected:
    void SetUp() override { g_reports.clear(); }
    Watchdog watchdog{std::chrono::seconds(60)};
    QtTimerPlatform platform{&Record};
};

} // namespace

TEST_F(QtTimer, BothSourcesTickOnTheWindowThread)
{
    for (bool threaded : {true, false}) {
        std::atomic<int> count{0};
        std::atomic<bool> elsewhere{false};
        const auto window = std::this_thread::get_id();
        TTimerEx timer(&platform);
        Quick(timer, 3).SetThreaded(threaded);
        timer.SetOnTimer([&](TTimerEx*) {
            elsewhere = elsewhere || std::this_thread::get_id() != window;
            ++count;
        });
        EXPECT_TRUE(PumpUntil([&] { return count >= 5; }, 5s)) << "threaded " << threaded;
        EXPECT_FALSE(elsewhere);
    }
}

TEST_F(QtTimer, IntervalQtCannotKeepIsRefused)
{
    TTimerEx timer(&platform);
    timer.SetThreaded(false);
    timer.SetOnTimer([](TTimerEx*) {});
    ASSERT_TRUE(timer.TimerWindow()->Active());
    try {
        timer.SetInterval(0x8000'0000u);
        FAIL() << "no error";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), "No More Timers Available");
    }
    EXPECT_FALSE(timer.TimerWindow()->Active());
    timer.SetInterval(0x7fff'ffffu); // the longest Qt keeps
    EXPECT_TRUE(timer.TimerWindow()->Active());
}

TEST_F(QtTimer, ErrorsFromMessageTicksAreReportedAndTicksGoOn)
{
    TTimerEx timer(&platform);
    timer.SetThreaded(false);
    timer.SetInterval(2);
    timer.SetOnTimer([](TTimerEx*) { throw std::runtime_error("Stream read error"); });
    ASSERT_TRUE(PumpUntil([] { return g_reports.size() >= 3; }, 5s));
    EXPECT_EQ(g_reports.front(), "Stream read error");
}

TEST_F(QtTimer, ReleaseWhileAHandOverIsQueued)
{
    std::atomic<int> count{0};
    auto timer = std::make_unique<TTimerEx>(&platform);
    Quick(*timer, 1).SetOnTimer([&](TTimerEx*) { ++count; });
    std::this_thread::sleep_for(30ms); // the worker has queued its tick and waits
    timer.reset();                     // a release that waited for the hand-over would never return
    PumpFor(30ms);
    EXPECT_EQ(count, 0);
}

TEST_F(QtTimer, ReleaseInsideItsOwnTick)
{
    for (bool threaded : {true, false}) {
        int count = 0;
        auto* timer = new TTimerEx(&platform);
        Quick(*timer, 2).SetThreaded(threaded);
        timer->SetOnTimer([&](TTimerEx* self) {
            ++count;
            delete self;
        });
        ASSERT_TRUE(PumpUntil([&] { return count >= 1; }, 2s));
        PumpFor(30ms);
        EXPECT_EQ(count, 1) << "threaded " << threaded;
    }
}

// Quitting while pictures animate: the event loop ends, the components are
// released, and nothing waits for a sleep or a hand-over. The long sleeps
// outlast the watchdog, so a release that waited one out fails the run.
TEST_F(QtTimer, QuittingWhileTickingEndsAtOnce)
{
    std::vector<std::unique_ptr<TTimerEx>> timers;
    std::atomic<int> count{0};
    for (int i = 0; i < 6; ++i) {
        auto& t = timers.emplace_back(std::make_unique<TTimerEx>(&platform));
        Quick(*t, i == 0 ? 1 : 600'000);
        t->SetEnabled(i < 3);
        t->SetOnTimer([&](TTimerEx*) { ++count; });
    }
    QEventLoop loop;
    QTimer::singleShot(50, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GT(count, 0);
    timers.clear();
}

TEST_F(QtTimer, StressCreateTickRelease)
{
    std::mt19937 random(11);
    std::atomic<int> late{0};
    for (int round = 0; round < 6; ++round) {
        std::vector<std::pair<std::unique_ptr<TTimerEx>, std::shared_ptr<bool>>> owners;
        for (int i = 0; i < 20; ++i) {
            auto alive = std::make_shared<bool>(true);
            auto t = std::make_unique<TTimerEx>(&platform);
            Quick(*t, 1 + random() % 3).SetThreaded(random() % 4 != 0);
            t->SetOnTimer([alive, &late](TTimerEx*) {
                if (!*alive)
                    ++late;
            });
            owners.emplace_back(std::move(t), alive);
        }
        PumpFor(std::chrono::milliseconds(random() % 10));
        std::this_thread::sleep_for(2ms);
        std::shuffle(owners.begin(), owners.end(), random);
        for (auto& [t, alive] : owners) {
            *alive = false;
            t.reset();
        }
        PumpFor(5ms);
    }
    EXPECT_EQ(late, 0);
}

TEST_F(QtTimer, InstallMakesTheDefaultPlatformOnce)
{
    QtTimerPlatform& first = QtTimerPlatform::Install(&Record);
    EXPECT_EQ(TTimerPlatform::Default(), &first);
    EXPECT_EQ(&QtTimerPlatform::Install(&Record), &first);
    int count = 0;
    TTimerEx timer; // on the installed platform
    Quick(timer, 2);
    timer.SetOnTimer([&](TTimerEx*) { ++count; });
    EXPECT_TRUE(PumpUntil([&] { return count >= 2; }, 5s));
}
