#include "catalogue/LevelMoves.h"

#include "catalogue/Catalogue.h"

#include <algorithm>

namespace {

// #002 gives Leech Seed and Vine Whip as starting moves where the games teach
// them at 7 and 13 (Leech Seed is also known from the start, and every row
// shows such a move with its level); #151 leaves out Pound, known from the start.
constexpr LearnsetCorrection kCorrections[] = {
    {2, "Leech Seed", 7},
    {2, "Vine Whip", 13},
    {151, "Pound", 0},
};

} // namespace

const std::span<const LearnsetCorrection> LearnsetCorrections{kCorrections};

std::vector<LevelMove> LevelMovesOf(int row)
{
    const CatalogueEntry& entry = Catalogue::Entry(row);
    std::vector<LevelMove> moves;
    for (const std::string_view line : entry.Learnset) {
        // "LVL " + "---" or two digits + " " + move
        const std::size_t blank = line.find(' ', 4);
        const std::string_view level = line.substr(4, blank - 4);
        const int value = level == "---" ? 0 : (level[0] - '0') * 10 + (level[1] - '0');
        moves.push_back({value, line.substr(blank + 1)});
    }
    for (const LearnsetCorrection& c : kCorrections) {
        if (c.Number != entry.Number)
            continue;
        auto it = std::find_if(moves.begin(), moves.end(), [&](const LevelMove& m) { return m.Move == c.Move; });
        if (it == moves.end())
            moves.push_back({c.Level, c.Move});
        else
            it->Level = c.Level;
    }
    std::stable_sort(moves.begin(), moves.end(),
                     [](const LevelMove& a, const LevelMove& b) { return a.Level < b.Level; });
    return moves;
}

std::string LevelText(int level)
{
    std::string text = "LVL ";
    if (level == 0)
        text += "---";
    else
        text += {static_cast<char>('0' + level / 10), static_cast<char>('0' + level % 10)};
    return text;
}

std::string LevelMoveLine(const LevelMove& m)
{
    return LevelText(m.Level).append(" ").append(m.Move);
}
