#include "views/CalculatorHandoff.h"

void CalculatorHandoff::Send(HandedSide side)
{
    pending_ = std::move(side);
    if (opener_)
        opener_();
    pending_.reset();
}

std::optional<HandedSide> CalculatorHandoff::Take()
{
    std::optional<HandedSide> side = std::move(pending_);
    pending_.reset();
    return side;
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
