// TStringGrid: a read-only table of short texts with one title row and one
// title column, for charts the user reads cell by cell.
#pragma once

#include "widgets/Controls.h"

#include <QTableView>

#include <algorithm>
#include <functional>
#include <string>

// Columns and rows are counted with the titles, as the definitions write
// them: with FixedCols = FixedRows = 1, Cells(0, r) is row r's title,
// Cells(c, 0) column c's, and the data start at (1, 1). The titles are the
// table's header sections, so a screen reader says them with each cell.
// A grid is filled once, from a function that gives each cell, and read many
// times. Every data cell has its own colours and hint; the hint is also what
// a screen reader says for the cell, so a symbol can be said in words. The
// arrow keys move from cell to cell; Tab leaves the grid.
class GridModel;

// What a cell shows. A title shows only its text: it has the grid's colours
// and is said by its text.
struct TGridCell {
    std::string Text;
    std::string Hint;
    TColor Background = clNone; // clNone: the grid's own
    TColor TextColor = clNone;
};

class TStringGrid : public QTableView, public TWinControl {
public:
    explicit TStringGrid(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TStringGrid)

    int ColCount() const { return colCount_; }
    void SetColCount(int n) { setLayoutValue(colCount_, std::max(1, n)); }
    int RowCount() const { return rowCount_; }
    void SetRowCount(int n) { setLayoutValue(rowCount_, std::max(1, n)); }
    // A grid has at most one title column and one title row.
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int n) { setLayoutValue(fixedCols_, std::clamp(n, 0, 1)); }
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n) { setLayoutValue(fixedRows_, std::clamp(n, 0, 1)); }
    int DefaultColWidth() const { return colWidth_; }
    void SetDefaultColWidth(int w) { setLayoutValue(colWidth_, std::max(1, w)); }
    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int h) { setLayoutValue(rowHeight_, std::max(1, h)); }

    // Every cell, titles included, from cell(col, row), in one go: the view
    // and a screen reader are told once.
    void SetCells(const std::function<TGridCell(int col, int row)>& cell);
    // std::out_of_range outside the grid.
    std::string Cell(int col, int row) const;
    // A cell's hint, shown as its tooltip and said as its name.
    std::string CellHint(int col, int row) const;

    // Marks the titles of these columns (1.. with a title row), bold in the
    // selection's colours, with this hint; the others are plain again.
    void SetMarkedCols(const std::vector<int>& cols, const std::string& hint);
    bool ColMarked(int col) const;

    // The cell with the keyboard focus, (-1, -1) for none.
    int Col() const;
    int Row() const;
    // Makes a data cell the current one (no event).
    void SetCurrentCell(int col, int row);

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;

private:
    void checkCell(int col, int row) const;
    void setLayoutValue(int& field, int value);
    void relayout();
    void layoutTitles();
    GridModel* model_;
    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int colWidth_ = 64, rowHeight_ = 24;
};
