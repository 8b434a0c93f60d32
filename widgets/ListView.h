// TListView: a table of rows with titled columns, one row of which the user
// may choose, sorted by a click on a column's title or from the keyboard
// (Ctrl+1 for the first column, Ctrl+2 for the second ...; again to turn the
// order round). The rows keep the numbers they were given in, whatever the
// order shown. A screen reader hears a row as one sentence, each value with
// its column's title, and hears the new order when it changes.
#pragma once

#include "widgets/Controls.h"

#include <QTableView>

#include <string>
#include <vector>

struct TListColumn {
    std::string Caption; // Windows-1252
    int Width = 64;
    bool Numeric = false; // sorted by the rows' keys, largest first on the first click
    bool Words = false;   // a numeric column whose values are words ("Nv. 7"): aligned left
};

struct TListRow {
    std::vector<std::string> Cells; // one per column, Windows-1252
    // A numeric column's sort key, by column; a column without one (or a
    // NaN) sorts after every value.
    std::vector<double> Keys;
};

class ListModel;

class TListView : public QTableView, public TWinControl {
public:
    explicit TListView(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TListView)

    void SetColumns(std::vector<TListColumn> columns);
    int ColumnCount() const;
    // The rows, in the order their numbers run; the order shown stays the
    // one chosen. The chosen row is kept when it is still there (by number).
    void SetRows(std::vector<TListRow> rows, int chosen = -1);
    int RowCount() const;
    std::string Cell(int row, int column) const;
    // Row number of each line shown, top to bottom.
    std::vector<int> ShownOrder() const;

    // The chosen row, by number; -1 for none. Setting it raises no event.
    int ItemIndex() const;
    void SetItemIndex(int row);

    // -1: the order the rows were given in.
    int SortColumn() const { return sortColumn_; }
    bool SortDescending() const { return descending_; }
    void SortBy(int column, bool descending);
    // Ctrl+1 … 9: sorts by that column as a click on its title does (a
    // column past the last one does nothing).
    void SortFromKey(int column);
    // "ordenado por Poder, do maior ao menor" (Windows-1252); empty unsorted.
    std::string SortText() const;

    // What a screen reader says for a row: "Golpe: Surf, Tipo: Água, ...".
    std::string RowSentence(int row) const;

protected:
    TColor DefaultColor() const override { return clWindow; }
    void ColorChanged() override;
    void keyPressEvent(QKeyEvent* e) override;
    // Home and End go to the first and last line, as in a list.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* e) override;

private:
    void titleClicked(int column);
    void currentMoved();
    ListModel* model_;
    int sortColumn_ = -1;
    bool descending_ = false;
    bool programmatic_ = false;
};
