// The type chart window without a display: the grid of the Red/Blue chart,
// cell by cell (symbol, colours, words), and one creature's defence profile
// (its types, the attacking types in each group, the columns its types
// mark). The window only hands it the creature chosen and writes back its
// lines. Texts are Windows-1252.
#pragma once

#include "data/Species.h"
#include "data/TypeChart.h"
#include "data/Types.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class TypeChartView {
public:
    // A colour as red, green and blue, 0..255 each.
    struct Colour {
        int Red = 0, Green = 0, Blue = 0;
        friend bool operator==(const Colour&, const Colour&) = default;
    };
    // The colours of a cell whose factor is not 1.
    struct CellColours {
        Colour Background, Text;
        friend bool operator==(const CellColours&, const CellColours&) = default;
    };
    struct Cell {
        // A title: the type's name. A data cell: the factor's symbol ("2",
        // "½", "0"), nothing for a normal hit.
        std::string Text;
        // What a data cell's hint and a screen reader say ("Fogo contra
        // Grama: 2 vezes"); empty for a title, which is said by its text.
        std::string Words;
        // Nothing: the grid's own colours (titles and normal hits).
        std::optional<CellColours> Colours;
    };

    // The grid's columns and rows, the titles counted: attack in the rows,
    // defence in the columns, in the chart's order.
    static constexpr int GridSide = TypeCount + 1;
    // The cell (col, row), 0 being the titles (the corner is empty);
    // std::out_of_range outside the grid.
    static Cell ChartCell(int col, int row);
    // The cell the keyboard starts on: the first data cell.
    static constexpr int FirstCol = 1, FirstRow = 1;
    // How a screen reader names the grid.
    static std::string ChartWords();
    // The line under the grid: each symbol and what it means.
    static std::string Legend();

    // The profile's groups, ×4 to ×0: the sign beside each field, and what a
    // screen reader calls the field ("×½" is no word). std::out_of_range for
    // a group outside 0..ProfileGroupCount-1.
    static std::string GroupSign(int group);
    static std::string GroupWords(int group);

    // The chooser's lines, #000 first: a creature's line is its number.
    static std::vector<std::string> ChooserLines();

    // On #001 until told otherwise.
    TypeChartView();

    // The window comes forward: on the creature the main window shows, or on
    // the first one when it shows none yet.
    void Open(std::optional<species::Creature> shown);
    void Choose(species::Creature creature);

    species::Creature Creature() const { return creature_; }
    int ChooserLine() const { return creature_.Number(); }
    // The catalogue's types of the creature ("Grama / Veneno").
    std::string TypesLine() const;
    // The attacking types of one group, in the chart's order, joined by
    // ", "; "nenhum" when the group is empty. std::out_of_range for a group
    // outside 0..ProfileGroupCount-1.
    std::string AttackersLine(int group) const;
    // The grid's columns (1..) of the creature's types, in the order the
    // catalogue gives them, and what the marked titles say ("Tipo de #094 -
    // Gengar").
    std::vector<int> MarkedCols() const;
    std::string MarkedWords() const;

private:
    species::Creature creature_;
    std::vector<Type> types_;
    DefenceProfile profile_;
};
