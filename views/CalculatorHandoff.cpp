#include "views/CalculatorHandoff.h"

void CalculatorHandoff::Send(HandedSide side)
{
    Send(Handoff{{std::move(side)}, std::nullopt});
}

void CalculatorHandoff::Send(Handoff handoff)
{
    pending_ = std::move(handoff);
    if (opener_)
        opener_();
    pending_.reset();
}

std::optional<Handoff> CalculatorHandoff::Take()
{
    std::optional<Handoff> handoff = std::move(pending_);
    pending_.reset();
    return handoff;
}

void CalculatorHandoff::Reset()
{
    opener_ = nullptr;
    pending_.reset();
}

CalculatorHandoff& ToCalculator()
{
    static CalculatorHandoff handoff;
    return handoff;
}
