// The Qt side of the interval timer: hand-overs are queued calls on a
// QObject living on the window thread (the thread of the QCoreApplication),
// message timers are QObject timers there, errors go to the application's
// error handler. A timer Qt refuses raises EOutOfResources,
// "No More Timers Available".
#pragma once

#include "gif/TimerEx.h"
#include "widgets/Dispatch.h"
#include "widgets/SysUtils.h"

#include <exception>
#include <functional>

class QtTimerPlatform final : public TTimerPlatform {
public:
    using ErrorReporter = std::function<void(std::exception_ptr)>;

    // Created on the window thread, after the QCoreApplication. The reporter
    // receives errors raised by ticks; the default is the application's
    // error box.
    explicit QtTimerPlatform(ErrorReporter report = &::HandleException);
    ~QtTimerPlatform() override;

    // The program's platform: made once on first call, installed as
    // TTimerPlatform::Default and kept until the process ends, so it outlives
    // every timer. Call on the window thread; later calls return the same one.
    static QtTimerPlatform& Install(ErrorReporter report = &::HandleException);

    std::unique_ptr<TWindowThreadChannel> CreateChannel() override;
    std::unique_ptr<TMessageTimer> CreateMessageTimer(std::function<void()> tick) override;
    void ReportException(std::exception_ptr error) noexcept override;

private:
    ErrorReporter report_;
};
