#include "widgets/QtTimerPlatform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QThread>
#include <QTimerEvent>

#include <atomic>
#include <climits>
#include <cstdint>
#include <mutex>

namespace {

// A QObject that may be released while one of its own events is being
// handled (a tick handler that destroys its timer): it is then deleted only
// after that event has returned, and no queued call for it runs any more.
class GuardedObject : public QObject {
public:
    GuardedObject()
    {
        // Queued calls and timers belong to the window thread.
        if (auto* app = QCoreApplication::instance(); app && thread() != app->thread())
            moveToThread(app->thread());
    }

    template <class F>
    void Guarded(F& f)
    {
        ++dispatching_;
        struct Exit {
            GuardedObject* self;
            ~Exit()
            {
                if (--self->dispatching_ == 0 && self->orphaned_)
                    self->deleteLater();
            }
        } exit{this};
        f();
    }

    // Window thread.
    void Release()
    {
        if (dispatching_ == 0) {
            delete this; // drops its queued calls
            return;
        }
        orphaned_ = true;
        QCoreApplication::removePostedEvents(this);
    }

    bool Orphaned() const { return orphaned_; }

private:
    int dispatching_ = 0; // window thread only
    bool orphaned_ = false;
};

// A call queued for the window thread. Qt's own queue is invisible to
// thread checkers, so the call is also published through an atomic: what the
// worker wrote before posting is then seen, provably, by the window thread.
const QEvent::Type kCallEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class CallEvent final : public QEvent {
public:
    explicit CallEvent(std::function<void()> c) : QEvent(kCallEvent), call(std::move(c)) {}
    std::function<void()> call;
};

class ChannelObject final : public GuardedObject {
public:
    std::atomic<std::uint64_t> published{0};

protected:
    bool event(QEvent* e) override
    {
        // Pairs with Post's release: the event and its call were written by
        // the worker.
        published.load(std::memory_order_acquire);
        if (e->type() != kCallEvent)
            return GuardedObject::event(e);
        if (!Orphaned())
            Guarded(static_cast<CallEvent*>(e)->call);
        return true;
    }
};

// Once the application object is being destroyed, workers of components
// that outlive it post nothing more: their calls could never run, and Qt's
// queues are going away. Such a worker just waits until it is released (or
// the process ends).
std::mutex g_post_mutex;
bool g_app_gone = false;

void CloseChannels()
{
    std::lock_guard lock(g_post_mutex);
    g_app_gone = true;
}

class QtChannel final : public TWindowThreadChannel {
public:
    QtChannel() : context_(new ChannelObject)
    {
        static std::once_flag once;
        std::call_once(once, [] { qAddPostRoutine(&CloseChannels); });
    }
    ~QtChannel() override { context_->Release(); }

    void Post(std::function<void()> call) override
    {
        auto* e = new CallEvent(std::move(call));
        context_->published.fetch_add(1, std::memory_order_release);
        std::lock_guard lock(g_post_mutex);
        if (g_app_gone) {
            delete e;
            return;
        }
        QCoreApplication::postEvent(context_, e);
    }

private:
    ChannelObject* const context_;
};

class TimerObject final : public GuardedObject {
public:
    explicit TimerObject(std::function<void()> tick) : tick_(std::move(tick)) {}
    int id = 0;

protected:
    void timerEvent(QTimerEvent* event) override
    {
        if (event->timerId() == id && id != 0 && !Orphaned())
            Guarded(tick_);
    }

private:
    std::function<void()> tick_;
};

class QtMessageTimer final : public TMessageTimer {
public:
    explicit QtMessageTimer(std::function<void()> tick) : object_(new TimerObject(std::move(tick))) {}
    ~QtMessageTimer() override
    {
        Stop();
        object_->Release();
    }

    void Start(std::uint32_t interval_ms) override
    {
        Stop();
        // Qt counts in int; a longer interval is one it cannot keep.
        if (interval_ms <= static_cast<std::uint32_t>(INT_MAX))
            object_->id = object_->startTimer(static_cast<int>(interval_ms), Qt::PreciseTimer);
        if (object_->id == 0)
            throw EOutOfResources("No More Timers Available");
    }

    void Stop() override
    {
        if (object_->id != 0) {
            object_->killTimer(object_->id);
            object_->id = 0;
        }
    }

    bool Active() const override { return object_->id != 0; }

private:
    TimerObject* const object_;
};

} // namespace

QtTimerPlatform::QtTimerPlatform(ErrorReporter report) : report_(std::move(report)) {}

QtTimerPlatform::~QtTimerPlatform()
{
    if (TTimerPlatform::Default() == this)
        TTimerPlatform::SetDefault(nullptr);
}

QtTimerPlatform& QtTimerPlatform::Install(ErrorReporter report)
{
    static QtTimerPlatform* platform = [&] {
        auto* p = new QtTimerPlatform(std::move(report)); // never released: outlives every timer
        TTimerPlatform::SetDefault(p);
        return p;
    }();
    return *platform;
}

std::unique_ptr<TWindowThreadChannel> QtTimerPlatform::CreateChannel()
{
    return std::make_unique<QtChannel>();
}

std::unique_ptr<TMessageTimer> QtTimerPlatform::CreateMessageTimer(std::function<void()> tick)
{
    return std::make_unique<QtMessageTimer>(std::move(tick));
}

void QtTimerPlatform::ReportException(std::exception_ptr error) noexcept
{
    try {
        if (report_)
            report_(error);
    } catch (...) {
        // An error box that fails has nowhere left to report to.
    }
}
