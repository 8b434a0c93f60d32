// Components that outlive the application object (released after the event
// loop and the QCoreApplication are gone): their workers neither crash nor
// hang, and releasing them afterwards is immediate.
#include "tests/support/Watchdog.h"
#include "widgets/QtTimerPlatform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <memory>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

TEST(QtTimerExit, ComponentsReleasedAfterTheApplication)
{
    Watchdog watchdog{std::chrono::seconds(60)};
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    QtTimerPlatform platform{[](std::exception_ptr) {}};

    std::vector<std::unique_ptr<TTimerEx>> timers;
    int ticks = 0;
    for (int i = 0; i < 8; ++i) {
        auto& t = timers.emplace_back(std::make_unique<TTimerEx>(&platform));
        t->SetThreaded(false);
        t->SetInterval(1);
        t->SetThreaded(i % 2 == 0);
        t->SetOnTimer([&](TTimerEx*) { ++ticks; });
    }
    QEventLoop loop;
    QTimer::singleShot(30, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_GT(ticks, 0);

    app.reset(); // workers are still ticking and posting
    std::this_thread::sleep_for(30ms);
    const int after = ticks;

    timers.clear(); // with no event loop left, a release that waited for a hand-over would hang
    EXPECT_EQ(ticks, after);
}
