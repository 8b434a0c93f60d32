// For measuring only: with FAUNETA_EXIT_AFTER_FIRST_PAINT=1 in the environment
// a program ends right after its main window's first paint, and writes the
// CLOCK_MONOTONIC time of that moment to stderr as
// "first_paint_monotonic_ns=<n>", so start-up can be timed from outside the
// process (bench/report.sh), and the CPU time the process had used by then
// (all threads) as "first_paint_cpu_ns=<n>". Shared by the program and its bare Qt peer in
// bench/ so both are timed at the same point. Without the variable nothing is
// installed.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>

namespace fauneta {

class FirstPaintProbe : public QObject {
public:
    FirstPaintProbe(QWidget* window, std::function<void()> quit) : window_(window), quit_(std::move(quit)) {}

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!fired_ && event->type() == QEvent::Paint && receiver->isWidgetType() &&
            static_cast<QWidget*>(receiver)->window() == window_) {
            fired_ = true;
            // Queued: runs once the whole paint pass (and its flush) is done.
            QTimer::singleShot(0, this, [this] {
                timespec ts{}, cpu{};
                clock_gettime(CLOCK_MONOTONIC, &ts);
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                std::fprintf(stderr, "first_paint_monotonic_ns=%lld\nfirst_paint_cpu_ns=%lld\n",
                             static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec,
                             static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
                std::fflush(stderr);
                quit_();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> quit_;
    bool fired_ = false;
};

// Installs the probe when the variable asks for it; the probe lives as long
// as the application object.
inline void ExitAfterFirstPaintIfAsked(QWidget* window, std::function<void()> quit)
{
    const char* v = std::getenv("FAUNETA_EXIT_AFTER_FIRST_PAINT");
    if (!v || std::strcmp(v, "1") != 0 || !window)
        return;
    auto* probe = new FirstPaintProbe(window, std::move(quit));
    probe->setParent(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(probe);
}

} // namespace fauneta
