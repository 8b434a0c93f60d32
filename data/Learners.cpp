#include "data/Learners.h"

#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"

std::string LearnText(int level)
{
    return level == 0 ? "inicial" : "Nv. " + std::to_string(level);
}

MoveLearners LearnersOf(int move)
{
    MoveLearners learners;
    if (static_cast<unsigned>(move) >= MoveTable.size())
        return learners;
    const std::string_view name = MoveTable[static_cast<std::size_t>(move)].Name;
    const int machine = MachineOfMove(move);
    for (int number = 0; number <= Catalogue::HighestNumber; ++number) {
        const int row = Catalogue::RowOfNumber(number);
        for (const LevelMove& lm : LevelMovesOf(row))
            if (lm.Move == name)
                learners.ByLevel.push_back({row, lm.Level});
        if (machine >= 0 && CanLearnMachine(number, machine))
            learners.ByMachine.push_back(row);
    }
    return learners;
}

std::vector<int> MachinesOf(int row)
{
    std::vector<int> machines;
    const int number = Catalogue::Entry(row).Number;
    for (int machine = 0; machine < MachineCount; ++machine)
        if (CanLearnMachine(number, machine))
            machines.push_back(machine);
    return machines;
}
