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

// The data cells and the titles of a grid.
class GridModel : public QAbstractTableModel {
public:
    struct Cell {
        QString text, hint;
        QColor background, foreground; // invalid: the grid's own
    };

    explicit GridModel(QWidget* view) : QAbstractTableModel(view), view_(view) {}

    void Resize(int rows, int cols)
    {
        beginResetModel();
        rows_ = rows;
        cols_ = cols;
        cells_.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols), Cell{});
        colTitles_.resize(static_cast<std::size_t>(cols));
        rowTitles_.resize(static_cast<std::size_t>(rows));
        endResetModel();
    }
    Cell& At(int row, int col) { return cells_[static_cast<std::size_t>(row * cols_ + col)]; }
    const Cell& At(int row, int col) const { return cells_[static_cast<std::size_t>(row * cols_ + col)]; }
    // A grid filled while hidden (its window's creation) has nothing on the
    // screen nor said to a screen reader to bring up to date: it is painted
    // and read from the cells when shown.
    void Changed(int row, int col)
    {
        if (view_->isVisible())
            emit dataChanged(index(row, col), index(row, col));
    }
    QString& Title(Qt::Orientation o, int section)
    {
        return (o == Qt::Horizontal ? colTitles_ : rowTitles_)[static_cast<std::size_t>(section)];
    }
    const QString& Title(Qt::Orientation o, int section) const
    {
        return (o == Qt::Horizontal ? colTitles_ : rowTitles_)[static_cast<std::size_t>(section)];
    }
    void TitleChanged(Qt::Orientation o, int section)
    {
        if (view_->isVisible())
            emit headerDataChanged(o, section, section);
    }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : cols_; }
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
        if (role != Qt::DisplayRole || section < 0 || section >= (o == Qt::Horizontal ? cols_ : rows_))
            return {};
        return Title(o, section);
    }

private:
    QWidget* view_;
    int rows_ = 0, cols_ = 0;
    std::vector<Cell> cells_;
    std::vector<QString> colTitles_, rowTitles_;
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
// change of the table, which cost more than the rest of the grid. A fixed
// header's hint is its breadth and the length of its sections.
class TitleHeader : public QHeaderView {
public:
    using QHeaderView::QHeaderView;
    QSize sizeHint() const override
    {
        if (orientation() == Qt::Horizontal && minimumHeight() == maximumHeight())
            return {length(), maximumHeight()};
        if (orientation() == Qt::Vertical && minimumWidth() == maximumWidth())
            return {maximumWidth(), length()};
        return QHeaderView::sizeHint();
    }
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
    relayout();
    SetBounds(0, 0, 320, 120);
}

void TStringGrid::layoutTitles()
{
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedCols_ > 0);
    horizontalHeader()->setDefaultSectionSize(colWidth_);
    verticalHeader()->setDefaultSectionSize(rowHeight_);
    horizontalHeader()->setFixedHeight(rowHeight_);
    verticalHeader()->setFixedWidth(colWidth_);
}

// While the definition is read the sizes arrive one property at a time:
// the table is laid out once, when they are all in (Loaded).
void TStringGrid::relayout()
{
    if (Loading())
        return;
    layoutTitles();
    model_->Resize(std::max(0, rowCount_ - fixedRows_), std::max(0, colCount_ - fixedCols_));
}

void TStringGrid::SetColCount(int n)
{
    if (std::max(1, n) == colCount_)
        return;
    colCount_ = std::max(1, n);
    relayout();
}
void TStringGrid::SetRowCount(int n)
{
    if (std::max(1, n) == rowCount_)
        return;
    rowCount_ = std::max(1, n);
    relayout();
}
// A grid has at most one title column and one title row.
void TStringGrid::SetFixedCols(int n)
{
    if (std::clamp(n, 0, 1) == fixedCols_)
        return;
    fixedCols_ = std::clamp(n, 0, 1);
    relayout();
}
void TStringGrid::SetFixedRows(int n)
{
    if (std::clamp(n, 0, 1) == fixedRows_)
        return;
    fixedRows_ = std::clamp(n, 0, 1);
    relayout();
}
void TStringGrid::SetDefaultColWidth(int w)
{
    if (std::max(1, w) == colWidth_)
        return;
    colWidth_ = std::max(1, w);
    relayout();
}
void TStringGrid::SetDefaultRowHeight(int h)
{
    if (std::max(1, h) == rowHeight_)
        return;
    rowHeight_ = std::max(1, h);
    relayout();
}

void TStringGrid::Loaded()
{
    TWinControl::Loaded();
    relayout();
}

void TStringGrid::checkCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_ || (col < fixedCols_ && row < fixedRows_))
        throw std::out_of_range("grid cell " + std::to_string(col) + ", " + std::to_string(row));
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

void TStringGrid::SetCell(int col, int row, const std::string& text)
{
    checkCell(col, row);
    if (row < fixedRows_ || col < fixedCols_) {
        const Qt::Orientation o = row < fixedRows_ ? Qt::Horizontal : Qt::Vertical;
        const int section = row < fixedRows_ ? col - fixedCols_ : row - fixedRows_;
        model_->Title(o, section) = ToQt(text);
        model_->TitleChanged(o, section);
        return;
    }
    model_->At(row - fixedRows_, col - fixedCols_).text = ToQt(text);
    model_->Changed(row - fixedRows_, col - fixedCols_);
}

// Only data cells have colours and hints of their own; the titles are said
// by their text.
void TStringGrid::SetCellColors(int col, int row, TColor background, TColor text)
{
    checkCell(col, row);
    if (col < fixedCols_ || row < fixedRows_)
        throw std::out_of_range("a title cell has the grid's colours");
    GridModel::Cell& c = model_->At(row - fixedRows_, col - fixedCols_);
    c.background = ColorToQColor(background);
    c.foreground = ColorToQColor(text);
    model_->Changed(row - fixedRows_, col - fixedCols_);
}

void TStringGrid::SetCellHint(int col, int row, const std::string& hint)
{
    checkCell(col, row);
    if (col < fixedCols_ || row < fixedRows_)
        throw std::out_of_range("a title cell is said by its text");
    model_->At(row - fixedRows_, col - fixedCols_).hint = ToQt(hint);
    model_->Changed(row - fixedRows_, col - fixedCols_);
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
