// What the damage calculator is sent by another window: one side (a
// trainer's creature), or both and the move to use (a pair of the team's
// table).
#pragma once

#include "views/DamageView.h"
#include "views/HandOff.h"

#include <optional>
#include <vector>

struct Handoff {
    std::vector<HandedSide> Sides;
    std::optional<int> Move; // a row of MoveTable
};

class CalculatorHandoff : public HandOff<Handoff> {
public:
    using HandOff<Handoff>::Send;
    void Send(HandedSide side) { Send(Handoff{{std::move(side)}, std::nullopt}); }
};

// The program's one hand-off to the calculator (the window thread's).
CalculatorHandoff& ToCalculator();
