#include "views/CalculatorHandoff.h"

CalculatorHandoff& ToCalculator()
{
    static CalculatorHandoff handoff;
    return handoff;
}
