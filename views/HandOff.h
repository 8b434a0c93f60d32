// Something one window sends to another. The window that has it sends it;
// the main window, which opens the windows, is the opener and opens the
// other window; that window takes it as it comes forward. No window calls
// another.
#pragma once

#include <functional>
#include <optional>
#include <utility>

template <class T>
class HandOff {
public:
    using Opener = std::function<void()>;

    // What brings the receiving window forward (the main window's, set once).
    void SetOpener(Opener opener) { opener_ = std::move(opener); }
    // Keeps the thing while the opener runs: the window takes it then, or
    // nobody does (a modal window held the input) and it is dropped, so a
    // later opening never shows a stale one.
    void Send(T thing)
    {
        pending_ = std::move(thing);
        if (opener_)
            opener_();
        pending_.reset();
    }
    // What is being sent, once; nothing outside Send.
    std::optional<T> Take()
    {
        std::optional<T> thing = std::move(pending_);
        pending_.reset();
        return thing;
    }
    // No opener, nothing kept (a new run of the windows).
    void Reset()
    {
        opener_ = nullptr;
        pending_.reset();
    }

private:
    Opener opener_;
    std::optional<T> pending_;
};
