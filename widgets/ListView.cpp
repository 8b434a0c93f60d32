#include "widgets/ListView.h"

#include "widgets/ControlSupport.h"
#include "widgets/ProgrammaticChange.h"
#include "widgets/SysUtils.h"

#include "text/Cp1252.h"
#include "text/SortOrder.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <stdexcept>

// The rows as given, and the order they are shown in.
class ListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    std::vector<TListColumn> columns;
    std::vector<TListRow> rows;
    std::vector<std::vector<std::string>> textKeys; // per row, per text column
    std::vector<int> order;                         // row number of each line shown

    void Reset(const std::function<void()>& change)
    {
        beginResetModel();
        change();
        endResetModel();
    }
    void Sort(int column, bool descending)
    {
        if (column < 0 || column >= static_cast<int>(columns.size())) {
            order.resize(rows.size());
            std::iota(order.begin(), order.end(), 0);
            return;
        }
        const auto c = static_cast<std::size_t>(column);
        if (columns[c].Numeric) {
            std::vector<double> keys;
            keys.reserve(rows.size());
            for (const TListRow& r : rows)
                keys.push_back(c < r.Keys.size() ? r.Keys[c] : std::nan(""));
            order = sortorder::ByNumbers(keys, descending);
        } else {
            std::vector<std::string> keys;
            keys.reserve(rows.size());
            for (const auto& rowKeys : textKeys)
                keys.push_back(rowKeys[c]);
            order = sortorder::ByTexts(keys, descending);
        }
    }
    std::string CellOf(int row, int column) const
    {
        const auto& cells = rows[static_cast<std::size_t>(row)].Cells;
        return static_cast<std::size_t>(column) < cells.size() ? cells[static_cast<std::size_t>(column)]
                                                               : std::string();
    }
    std::string Sentence(int row) const
    {
        std::string s;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string value = CellOf(row, static_cast<int>(c));
            if (value.empty())
                continue;
            if (!s.empty())
                s += ", ";
            s.append(columns[c].Caption).append(": ").append(value);
        }
        return s;
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(order.size());
    }
    int columnCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(columns.size());
    }
    QVariant data(const QModelIndex& i, int role) const override
    {
        if (!i.isValid() || i.row() >= static_cast<int>(order.size()))
            return {};
        const int row = order[static_cast<std::size_t>(i.row())];
        switch (role) {
        case Qt::DisplayRole: return ToQt(CellOf(row, i.column()));
        // The first cell is the row's sentence: it is the one a screen reader
        // lands on as the choice moves.
        case Qt::AccessibleTextRole:
            return ToQt(i.column() == 0
                            ? Sentence(row)
                            : columns[static_cast<std::size_t>(i.column())].Caption + ": " + CellOf(row, i.column()));
        case Qt::TextAlignmentRole: {
            const TListColumn& c = columns[static_cast<std::size_t>(i.column())];
            return QVariant(Qt::AlignVCenter | (c.Numeric && !c.Words ? Qt::AlignRight : Qt::AlignLeft));
        }
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (o != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns.size()))
            return {};
        if (role == Qt::DisplayRole)
            return ToQt(columns[static_cast<std::size_t>(section)].Caption);
        if (role == Qt::TextAlignmentRole)
            return QVariant(Qt::AlignVCenter | Qt::AlignLeft);
        return {};
    }
};

TListView::TListView(TComponent* owner) : QTableView(nullptr), TWinControl(owner, this), model_(new ListModel(this))
{
    color_ = clWindow;
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->setVisible(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(16);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int c) { titleClicked(c); });
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { currentMoved(); });
    SetBounds(0, 0, 250, 150);
}

void TListView::SetColumns(std::vector<TListColumn> columns)
{
    model_->Reset([&] {
        model_->columns = std::move(columns);
        model_->rows.clear();
        model_->textKeys.clear();
        model_->order.clear();
    });
    sortColumn_ = -1;
    // The first column of text takes the room the others leave: the last
    // column, widened, would move its figures away from its title.
    const auto& all = model_->columns;
    const auto fill = std::find_if(all.begin(), all.end(), [](const TListColumn& c) { return !c.Numeric; });
    QHeaderView* titles = horizontalHeader();
    titles->setStretchLastSection(fill == all.end());
    for (auto c = all.begin(); c != all.end(); ++c) {
        const int section = static_cast<int>(c - all.begin());
        titles->setSectionResizeMode(section, c == fill ? QHeaderView::Stretch : QHeaderView::Interactive);
        titles->resizeSection(section, c->Width);
    }
    titles->setSortIndicatorShown(false);
}

int TListView::ColumnCount() const
{
    return static_cast<int>(model_->columns.size());
}

void TListView::SetRows(std::vector<TListRow> rows, int chosen)
{
    ProgrammaticChange guard(programmatic_);
    model_->Reset([&] {
        model_->rows = std::move(rows);
        model_->textKeys.assign(model_->rows.size(), {});
        for (std::size_t r = 0; r < model_->rows.size(); ++r)
            for (std::size_t c = 0; c < model_->columns.size(); ++c)
                model_->textKeys[r].push_back(model_->columns[c].Numeric
                                                  ? std::string()
                                                  : cp1252::sortKey(model_->CellOf(static_cast<int>(r), int(c))));
        model_->Sort(sortColumn_, descending_);
    });
    SetItemIndex(chosen);
}

int TListView::RowCount() const
{
    return static_cast<int>(model_->rows.size());
}

std::string TListView::Cell(int row, int column) const
{
    if (row < 0 || row >= RowCount() || column < 0 || column >= ColumnCount())
        throw std::out_of_range("list view cell " + std::to_string(row) + ", " + std::to_string(column));
    return model_->CellOf(row, column);
}

std::vector<int> TListView::ShownOrder() const
{
    return model_->order;
}

int TListView::ItemIndex() const
{
    const QModelIndex i = currentIndex();
    if (!i.isValid() || !selectionModel()->isRowSelected(i.row(), QModelIndex()))
        return -1;
    return model_->order[static_cast<std::size_t>(i.row())];
}

void TListView::SetItemIndex(int row)
{
    ProgrammaticChange guard(programmatic_);
    const auto at = std::find(model_->order.begin(), model_->order.end(), row);
    if (row < 0 || at == model_->order.end()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex i = model_->index(static_cast<int>(at - model_->order.begin()), 0);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
}

void TListView::SortBy(int column, bool descending)
{
    if (column < -1 || column >= ColumnCount())
        return;
    const int chosen = ItemIndex();
    sortColumn_ = column;
    descending_ = descending;
    {
        ProgrammaticChange guard(programmatic_);
        model_->Reset([&] { model_->Sort(sortColumn_, descending_); });
    }
    SetItemIndex(chosen);
    horizontalHeader()->setSortIndicatorShown(column >= 0);
    if (column >= 0)
        horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    // Said as soon as it changes.
    setAccessibleDescription(ToQt(SortText()));
}

std::string TListView::SortText() const
{
    using namespace cp1252::literals;
    if (sortColumn_ < 0)
        return {};
    const TListColumn& c = model_->columns[static_cast<std::size_t>(sortColumn_)];
    std::string text = "ordenado por " + c.Caption;
    if (c.Numeric)
        return text + (descending_ ? ", do maior ao menor" : ", do menor ao maior");
    return text + std::string(descending_ ? ", de Z a A" : ", de A a Z");
}

std::string TListView::RowSentence(int row) const
{
    if (row < 0 || row >= RowCount())
        throw std::out_of_range("list view row " + std::to_string(row));
    return model_->Sentence(row);
}

void TListView::titleClicked(int column)
{
    const bool numeric = model_->columns[static_cast<std::size_t>(column)].Numeric;
    SortBy(column, column == sortColumn_ ? !descending_ : numeric);
}

void TListView::SortFromKey(int column)
{
    if (column >= 0 && column < ColumnCount())
        titleClicked(column);
}

void TListView::keyPressEvent(QKeyEvent* e)
{
    const int digit = e->key() - Qt::Key_1;
    if ((e->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier && digit >= 0 && digit < 9) {
        SortFromKey(digit);
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

QModelIndex TListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const int column = std::max(0, currentIndex().column());
    if (action == MoveHome && model_->rowCount({}) > 0)
        return model_->index(0, column);
    if (action == MoveEnd && model_->rowCount({}) > 0)
        return model_->index(model_->rowCount({}) - 1, column);
    return QTableView::moveCursor(action, modifiers);
}

// Coming in with the keyboard onto a table where nothing is chosen chooses
// its first line, so the arrow keys have somewhere to start and the details
// show at once.
void TListView::focusInEvent(QFocusEvent* e)
{
    QTableView::focusInEvent(e);
    if (ItemIndex() < 0 && !model_->order.empty() && e->reason() != Qt::MouseFocusReason) {
        const QModelIndex first = model_->index(0, 0);
        selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void TListView::currentMoved()
{
    if (programmatic_ || Loading())
        return;
    const QModelIndex i = currentIndex();
    if (i.isValid() && !selectionModel()->isRowSelected(i.row(), QModelIndex()))
        selectionModel()->select(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Click();
}

void TListView::ColorChanged()
{
    SetBackground(this, QPalette::Base, color_);
}

const ClassInfo& TListView::StaticClass()
{
    static const ClassInfo info("TListView", &TWinControl::StaticClass(),
                                [](TComponent* o) -> TComponent* { return new TListView(o); },
                                {
                                    prop::Inert("ViewStyle", DfmValue::Id("vsReport")),
                                    prop::Inert("ReadOnly", DfmValue::Id("True")),
                                    prop::Inert("RowSelect", DfmValue::Id("True")),
                                });
    return info;
}
