// The moves each creature learns by level, as the games have them: the
// catalogue's learnset lines, with the few given rows that differ from the
// games corrected here (the detail panel keeps showing those rows as given).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct LevelMove {
    int Level;             // 0: known from the start ("LVL ---")
    std::string_view Move; // the catalogue's spelling
};

// Where a given catalogue row differs from the games: creature Number learns
// Move at Level (0 from the start), whatever its row says.
struct LearnsetCorrection {
    int Number;
    std::string_view Move;
    int Level;
};
extern const std::span<const LearnsetCorrection> LearnsetCorrections;

// Catalogue row 0..151's moves: those known from the start first, then by
// level, each move once. std::out_of_range for any other row.
std::vector<LevelMove> LevelMovesOf(int row);

// "LVL ---", "LVL 07": a level as the catalogue writes it (0: from the start).
std::string LevelText(int level);
// "LVL --- Tackle", "LVL 07 Leech Seed": a move as the catalogue writes it.
std::string LevelMoveLine(const LevelMove& m);
