// A side one window hands to the damage calculator. The window that has it
// sends it; the main window, which opens the windows, opens the calculator;
// the calculator takes it as it comes forward. No window calls another.
#pragma once

#include "views/DamageView.h"

#include <functional>
#include <optional>
#include <vector>

// One side, or both and the move to use.
struct Handoff {
    std::vector<HandedSide> Sides;
    std::optional<int> Move; // a row of MoveTable
};

class CalculatorHandoff {
public:
    using Opener = std::function<void()>;

    // What brings the calculator forward (the main window's, set once).
    void SetOpener(Opener opener) { opener_ = std::move(opener); }
    // Keeps the side while the opener runs: the calculator takes it then, or
    // nobody does (a modal window held the input) and it is dropped, so a
    // later opening never shows a stale side.
    void Send(HandedSide side);
    void Send(Handoff handoff);
    // What is being sent, once; nothing outside Send.
    std::optional<Handoff> Take();
    // No opener, nothing kept (a new run of the windows).
    void Reset();

private:
    Opener opener_;
    std::optional<Handoff> pending_;
};

// The program's one hand-off (the window thread's).
CalculatorHandoff& ToCalculator();
