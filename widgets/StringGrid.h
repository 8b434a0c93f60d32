// TStringGrid: a read-only table of short texts with one title row and one
// title column, for charts the user reads cell by cell.
#pragma once

#include "widgets/Controls.h"

#include <QTableView>

// Columns and rows are counted with the titles, as the definitions write
// them: with FixedCols = FixedRows = 1, Cells(0, r) is row r's title,
// Cells(c, 0) column c's, and the data start at (1, 1). The titles are the
// table's header sections, so a screen reader says them with each cell.
// The cells live in a plain table of their own (a grid is filled once and
// read many times, so setting a cell costs no more than storing it). Every
// cell has its own colours and hint; the hint is also what a screen
// reader says for the cell, so a symbol can be said in words. The arrow keys
// move from cell to cell; Tab leaves the grid.
class GridModel;

class TStringGrid : public QTableView, public TWinControl {
public:
    explicit TStringGrid(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TStringGrid)

    int ColCount() const { return colCount_; }
    void SetColCount(int n);
    int RowCount() const { return rowCount_; }
    void SetRowCount(int n);
    int FixedCols() const { return fixedCols_; }
    void SetFixedCols(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);
    int DefaultColWidth() const { return colWidth_; }
    void SetDefaultColWidth(int w);
    int DefaultRowHeight() const { return rowHeight_; }
    void SetDefaultRowHeight(int h);

    // std::out_of_range outside the grid.
    std::string Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    // A data cell's background and text colours.
    void SetCellColors(int col, int row, TColor background, TColor text);
    // A cell's hint, shown as its tooltip and said as its name.
    void SetCellHint(int col, int row, const std::string& hint);
    std::string CellHint(int col, int row) const;

    // The cell with the keyboard focus, (-1, -1) for none.
    int Col() const;
    int Row() const;
    // Makes a data cell the current one (no event).
    void SetCurrentCell(int col, int row);
    void Loaded() override;

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;

private:
    void checkCell(int col, int row) const;
    void relayout();
    void layoutTitles();
    GridModel* model_;
    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    int colWidth_ = 64, rowHeight_ = 24;
};
