#include "widgets/StringGrid.h"

#include "widgets/ControlSupport.h"
#include "widgets/SysUtils.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

#include <algorithm>

#include <stdexcept>
#include <string>

namespace {
// A cell keeps its own colours when it is the current one (a highlight would
// hide them); while the grid has the focus the current cell is framed in the
// text colour with a line of the field colour inside, which shows on any
// background.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem plain(option);
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(p, plain, index);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        if (!view || !view->hasFocus() || view->currentIndex() != index)
            return;
        p->save();
        const QRect r = option.rect.adjusted(0, 0, -1, -1);
        p->setPen(QPen(option.palette.color(QPalette::Text), 1));
        p->drawRect(r);
        p->drawRect(r.adjusted(1, 1, -1, -1));
        p->setPen(QPen(option.palette.color(QPalette::Base), 1));
        p->drawRect(r.adjusted(2, 2, -2, -2));
        p->restore();
    }
};
} // namespace

TStringGrid::TStringGrid(TComponent* owner) : QTableWidget(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Nothing to choose: the arrow keys only move the current cell.
    setSelectionMode(QAbstractItemView::NoSelection);
    setItemDelegate(new CellDelegate(this));
    // Tab goes on to the next control, as in every other control.
    setTabKeyNavigation(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCornerButtonEnabled(false);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Fixed);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setMinimumSectionSize(1);
    }
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    relayout();
    SetBounds(0, 0, 320, 120);
}

void TStringGrid::relayout()
{
    setColumnCount(std::max(0, colCount_ - fixedCols_));
    setRowCount(std::max(0, rowCount_ - fixedRows_));
    horizontalHeader()->setVisible(fixedRows_ > 0);
    verticalHeader()->setVisible(fixedCols_ > 0);
    horizontalHeader()->setDefaultSectionSize(colWidth_);
    verticalHeader()->setDefaultSectionSize(rowHeight_);
    horizontalHeader()->setFixedHeight(rowHeight_);
    verticalHeader()->setFixedWidth(colWidth_);
}

void TStringGrid::SetColCount(int n)
{
    colCount_ = std::max(1, n);
    relayout();
}
void TStringGrid::SetRowCount(int n)
{
    rowCount_ = std::max(1, n);
    relayout();
}
// A grid has at most one title column and one title row.
void TStringGrid::SetFixedCols(int n)
{
    fixedCols_ = std::clamp(n, 0, 1);
    relayout();
}
void TStringGrid::SetFixedRows(int n)
{
    fixedRows_ = std::clamp(n, 0, 1);
    relayout();
}
void TStringGrid::SetDefaultColWidth(int w)
{
    colWidth_ = std::max(1, w);
    relayout();
}
void TStringGrid::SetDefaultRowHeight(int h)
{
    rowHeight_ = std::max(1, h);
    relayout();
}

QTableWidgetItem* TStringGrid::itemAt(int col, int row) const
{
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_ || (col < fixedCols_ && row < fixedRows_))
        throw std::out_of_range("grid cell " + std::to_string(col) + ", " + std::to_string(row));
    if (row < fixedRows_)
        return horizontalHeaderItem(col - fixedCols_);
    if (col < fixedCols_)
        return verticalHeaderItem(row - fixedRows_);
    return item(row - fixedRows_, col - fixedCols_);
}

QTableWidgetItem* TStringGrid::ensureItem(int col, int row)
{
    if (QTableWidgetItem* existing = itemAt(col, row))
        return existing;
    auto* created = new QTableWidgetItem();
    if (row < fixedRows_) {
        setHorizontalHeaderItem(col - fixedCols_, created);
    } else if (col < fixedCols_) {
        setVerticalHeaderItem(row - fixedRows_, created);
    } else {
        created->setFlags(Qt::ItemIsEnabled);
        created->setTextAlignment(Qt::AlignCenter);
        setItem(row - fixedRows_, col - fixedCols_, created);
    }
    return created;
}

std::string TStringGrid::Cell(int col, int row) const
{
    const QTableWidgetItem* i = itemAt(col, row);
    return i ? FromQt(i->text()) : std::string();
}

void TStringGrid::SetCell(int col, int row, const std::string& text)
{
    ensureItem(col, row)->setText(ToQt(text));
}

void TStringGrid::SetCellColors(int col, int row, TColor background, TColor text)
{
    QTableWidgetItem* i = ensureItem(col, row);
    i->setBackground(ColorToQColor(background));
    i->setForeground(ColorToQColor(text));
}

void TStringGrid::SetCellHint(int col, int row, const std::string& hint)
{
    QTableWidgetItem* i = ensureItem(col, row);
    i->setToolTip(ToQt(hint));
    i->setData(Qt::AccessibleTextRole, ToQt(hint));
}

std::string TStringGrid::CellHint(int col, int row) const
{
    const QTableWidgetItem* i = itemAt(col, row);
    return i ? FromQt(i->toolTip()) : std::string();
}

int TStringGrid::Col() const
{
    return currentColumn() < 0 ? -1 : currentColumn() + fixedCols_;
}

int TStringGrid::Row() const
{
    return currentRow() < 0 ? -1 : currentRow() + fixedRows_;
}

void TStringGrid::SetCurrentCell(int col, int row)
{
    itemAt(col, row);
    if (col < fixedCols_ || row < fixedRows_)
        throw std::out_of_range("a title cell cannot be current");
    setCurrentCell(row - fixedRows_, col - fixedCols_);
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
            prop::Int<TStringGrid>("DefaultColWidth", &TStringGrid::DefaultColWidth,
                                   &TStringGrid::SetDefaultColWidth, 64),
            prop::Int<TStringGrid>("DefaultRowHeight", &TStringGrid::DefaultRowHeight,
                                   &TStringGrid::SetDefaultRowHeight, 24),
        });
    return info;
}
