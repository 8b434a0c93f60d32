#include "widgets/StringGrid.h"

#include "widgets/ControlSupport.h"
#include "widgets/SysUtils.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

// The data cells and the titles of a grid. Each change replaces the whole
// table in one reset, so views and the accessibility bridge are always told.
class GridModel : public QAbstractTableModel {
public:
    struct Cell {
        QString text, hint;
        QColor background, foreground; // invalid: the grid's own
    };
    struct Table {
        int rows = 0, cols = 0;
        std::vector<Cell> cells; // row by row
        std::vector<QString> colTitles, rowTitles;
    };

    using QAbstractTableModel::QAbstractTableModel;

    static Table Empty(int rows, int cols)
    {
        Table t{rows, cols, {}, {}, {}};
        t.cells.resize(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
        t.colTitles.resize(static_cast<std::size_t>(cols));
        t.rowTitles.resize(static_cast<std::size_t>(rows));
        return t;
    }
    void Reset(Table table)
    {
        beginResetModel();
        table_ = std::move(table);
        endResetModel();
    }
    int Rows() const { return table_.rows; }
    int Cols() const { return table_.cols; }
    const Cell& At(int row, int col) const
    {
        return table_.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(table_.cols) +
                            static_cast<std::size_t>(col)];
    }
    const QString& Title(Qt::Orientation o, int section) const
    {
        return (o == Qt::Horizontal ? table_.colTitles : table_.rowTitles)[static_cast<std::size_t>(section)];
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : table_.rows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : table_.cols; }
    Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled; }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid())
            return {};
        const Cell& c = At(i.row(), i.column());
        switch (role) {
        case Qt::DisplayRole: return c.text;
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole: return c.hint.isEmpty() ? QVariant() : QVariant(c.hint);
        case Qt::BackgroundRole: return c.background.isValid() ? QVariant(c.background) : QVariant();
        case Qt::ForegroundRole: return c.foreground.isValid() ? QVariant(c.foreground) : QVariant();
        case Qt::TextAlignmentRole: return QVariant(Qt::AlignCenter);
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (section < 0 || section >= (o == Qt::Horizontal ? table_.cols : table_.rows))
            return {};
        if (role == Qt::DisplayRole)
            return Title(o, section);
        if (o != Qt::Horizontal || !Marked(section))
            return {};
        const auto* view = static_cast<const QWidget*>(QObject::parent());
        switch (role) {
        case Qt::FontRole: {
            QFont bold = view->font();
            bold.setBold(true);
            return bold;
        }
        case Qt::BackgroundRole: return view->palette().brush(QPalette::Highlight);
        case Qt::ForegroundRole: return view->palette().brush(QPalette::HighlightedText);
        case Qt::ToolTipRole: return markHint_;
        default: return {};
        }
    }
    bool Marked(int section) const
    {
        return static_cast<std::size_t>(section) < marked_.size() && marked_[static_cast<std::size_t>(section)];
    }
    void Mark(std::vector<bool> marked, const QString& hint)
    {
        marked_ = std::move(marked);
        markHint_ = hint;
        if (table_.cols > 0)
            emit headerDataChanged(Qt::Horizontal, 0, table_.cols - 1);
    }

private:
    Table table_;
    std::vector<bool> marked_; // by section
    QString markHint_;
};

namespace {
// A cell is painted in its own colours, current or not (a highlight would
// hide them); while the grid has the focus the current cell is framed in the
// text colour with a line of the field colour inside, which shows on any
// background.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.isValid())
            p->fillRect(option.rect, background.value<QColor>());
        const QVariant foreground = index.data(Qt::ForegroundRole);
        p->setPen(foreground.isValid() ? foreground.value<QColor>() : option.palette.color(QPalette::Text));
        p->setFont(option.font);
        p->drawText(option.rect, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!view || !view->hasFocus() || view->currentIndex() != index)
            return;
        const QRect r = option.rect.adjusted(0, 0, -1, -1);
        p->setPen(option.palette.color(QPalette::Text));
        p->drawRect(r);
        p->drawRect(r.adjusted(1, 1, -1, -1));
        p->setPen(option.palette.color(QPalette::Base));
        p->drawRect(r.adjusted(2, 2, -2, -2));
    }
};
// The titles have a fixed breadth (the title row's height, the title
// column's width), and the view lays a fixed header out at that breadth
// whatever its hint says; Qt's own hint measures every title in bold on each
// change of the table, which cost more than the rest of the grid. A header
// with a fixed breadth hints that breadth and the length of its sections.
class TitleHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;
    void SetFixedBreadth(int breadth)
    {
        breadth_ = breadth;
        if (orientation() == Qt::Horizontal)
            setFixedHeight(breadth);
        else
            setFixedWidth(breadth);
    }
    QSize sizeHint() const override
    {
        if (breadth_ < 0)
            return QHeaderView::sizeHint();
        return orientation() == Qt::Horizontal ? QSize(length(), breadth_) : QSize(breadth_, length());
    }

private:
    int breadth_ = -1; // none: Qt's own hint
};
} // namespace

TStringGrid::TStringGrid(TComponent* owner) : QTableView(nullptr), TWinControl(owner, this), model_(new GridModel(this))
{
    color_ = clWindow;
    setHorizontalHeader(new TitleHeader(Qt::Horizontal, this));
    setVerticalHeader(new TitleHeader(Qt::Vertical, this));
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setMinimumSectionSize(1);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The titles' sizes before the model, so that no layout measures them.
    layoutTitles();
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Nothing to choose: the arrow keys only move the current cell.
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new CellDelegate(this));
    // Tab goes on to the next control, as in every other control.
    setTabKeyNavigation(false);
    setCornerButtonEnabled(false);
    AfterLoading(&TStringGrid::relayout);
    SetBounds(0, 0, 320, 120);
}

void TStringGrid::layoutTitles()
{
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedCols_ > 0);
    horizontalHeader()->setDefaultSectionSize(colWidth_);
    verticalHeader()->setDefaultSectionSize(rowHeight_);
    static_cast<TitleHeader*>(horizontalHeader())->SetFixedBreadth(rowHeight_);
    static_cast<TitleHeader*>(verticalHeader())->SetFixedBreadth(colWidth_);
}

void TStringGrid::relayout()
{
    layoutTitles();
    model_->Reset(GridModel::Empty(std::max(0, rowCount_ - fixedRows_), std::max(0, colCount_ - fixedCols_)));
}

void TStringGrid::setLayoutValue(int& field, int value)
{
    if (value == field)
        return;
    field = value;
    // While the definition is read the sizes arrive one property at a time:
    // the table is laid out once, when they are all in.
    AfterLoading(&TStringGrid::relayout);
}

void TStringGrid::checkCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_ || (col < fixedCols_ && row < fixedRows_))
        throw std::out_of_range("grid cell " + std::to_string(col) + ", " + std::to_string(row));
}

void TStringGrid::SetCells(const std::function<TGridCell(int col, int row)>& cell)
{
    GridModel::Table t = GridModel::Empty(model_->Rows(), model_->Cols());
    const auto colour = [](TColor c) { return c == clNone ? QColor() : ColorToQColor(c); };
    for (int col = fixedCols_; col < colCount_; ++col)
        if (fixedRows_ > 0)
            t.colTitles[static_cast<std::size_t>(col - fixedCols_)] = ToQt(cell(col, 0).Text);
    for (int row = fixedRows_; row < rowCount_; ++row) {
        if (fixedCols_ > 0)
            t.rowTitles[static_cast<std::size_t>(row - fixedRows_)] = ToQt(cell(0, row).Text);
        for (int col = fixedCols_; col < colCount_; ++col) {
            const TGridCell c = cell(col, row);
            t.cells[static_cast<std::size_t>((row - fixedRows_) * t.cols + (col - fixedCols_))] = {
                ToQt(c.Text), ToQt(c.Hint), colour(c.Background), colour(c.TextColor)};
        }
    }
    model_->Reset(std::move(t));
}

std::string TStringGrid::Cell(int col, int row) const
{
    checkCell(col, row);
    if (row < fixedRows_)
        return FromQt(model_->Title(Qt::Horizontal, col - fixedCols_));
    if (col < fixedCols_)
        return FromQt(model_->Title(Qt::Vertical, row - fixedRows_));
    return FromQt(model_->At(row - fixedRows_, col - fixedCols_).text);
}

void TStringGrid::SetMarkedCols(const std::vector<int>& cols, const std::string& hint)
{
    std::vector<bool> marked(static_cast<std::size_t>(std::max(0, colCount_ - fixedCols_)));
    for (int col : cols)
        if (col >= fixedCols_ && col < colCount_)
            marked[static_cast<std::size_t>(col - fixedCols_)] = true;
    model_->Mark(std::move(marked), ToQt(hint));
}

bool TStringGrid::ColMarked(int col) const
{
    return model_->Marked(col - fixedCols_);
}

std::string TStringGrid::CellHint(int col, int row) const
{
    checkCell(col, row);
    if (col < fixedCols_ || row < fixedRows_)
        return {};
    return FromQt(model_->At(row - fixedRows_, col - fixedCols_).hint);
}

int TStringGrid::Col() const
{
    return currentIndex().isValid() ? currentIndex().column() + fixedCols_ : -1;
}

int TStringGrid::Row() const
{
    return currentIndex().isValid() ? currentIndex().row() + fixedRows_ : -1;
}

void TStringGrid::SetCurrentCell(int col, int row)
{
    checkCell(col, row);
    if (col < fixedCols_ || row < fixedRows_)
        throw std::out_of_range("a title cell cannot be current");
    setCurrentIndex(model_->index(row - fixedRows_, col - fixedCols_));
}

void TStringGrid::ColorChanged()
{
    SetBackground(this, QPalette::Base, color_);
}

const ClassInfo& TStringGrid::StaticClass()
{
    static const ClassInfo info(
        "TStringGrid", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TStringGrid(o); },
        {
            prop::Int<TStringGrid>("ColCount", &TStringGrid::ColCount, &TStringGrid::SetColCount, 5),
            prop::Int<TStringGrid>("RowCount", &TStringGrid::RowCount, &TStringGrid::SetRowCount, 5),
            prop::Int<TStringGrid>("FixedCols", &TStringGrid::FixedCols, &TStringGrid::SetFixedCols, 1),
            prop::Int<TStringGrid>("FixedRows", &TStringGrid::FixedRows, &TStringGrid::SetFixedRows, 1),
            prop::Int<TStringGrid>("DefaultColWidth", &TStringGrid::DefaultColWidth, &TStringGrid::SetDefaultColWidth,
                                   64),
            prop::Int<TStringGrid>("DefaultRowHeight", &TStringGrid::DefaultRowHeight,
                                   &TStringGrid::SetDefaultRowHeight, 24),
        });
    return info;
}
