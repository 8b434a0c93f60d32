#include "widgets/ListBox.h"

#include "widgets/ControlSupport.h"
#include "widgets/ProgrammaticChange.h"
#include "widgets/SysUtils.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(TListBox* list, QObject* parent) : QStyledItemDelegate(parent), list_(list) {}
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        if (list_->uniformItemSizes()) {
            QSize s = QStyledItemDelegate::sizeHint(o, i);
            s.setHeight(list_->ItemHeight());
            return s;
        }
        // Rows as wide as their texts, for the sideways scroll: a line of
        // plain text is the sum of its characters' advances (kept by the
        // font, no shaping: laying each line out made choosing a line in a
        // list of long lines cost a millisecond, and opening a window with
        // one cost more) and the style's margins.
        const QWidget* view = o.widget;
        const QStyle* style = view ? view->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, &o, view) + 1;
        const QString line = i.data(Qt::DisplayRole).toString();
        int text = 0;
        for (const QChar c : line)
            text += o.fontMetrics.horizontalAdvance(c);
        return {text + 2 * margin, list_->ItemHeight()};
    }

private:
    TListBox* list_;
};
} // namespace

TListBox::TListBox(TComponent* owner) : QListWidget(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new FixedRowDelegate(this, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetBounds(0, 0, 121, 97);
    // A line chosen by mouse or keyboard raises OnClick; the program's own
    // selections do not.
    // (Qt also moves the current row without selecting anything, on focus:
    // that is not a choice, so the selection is what counts.)
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!programmatic_)
            Click();
    });
    // A line chosen while the window is blocked (an accessibility action) is
    // put back, so the list never shows a choice that was not acted on.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& chosen, const QItemSelection& left) {
                if (programmatic_ || Loading() || !BlockedByModal())
                    return;
                ProgrammaticChange guard(programmatic_);
                selectionModel()->select(chosen, QItemSelectionModel::Deselect);
                selectionModel()->select(left, QItemSelectionModel::Select);
            });
}

TListBox::~TListBox()
{
    // Qt's own teardown empties the list: nobody chose anything.
    programmatic_ = true;
}

int TListBox::ItemIndex() const
{
    // The selected line, which need not be the current one: an accessibility
    // action selects a line without moving the current row.
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.front());
}

void TListBox::SetItemIndex(int index)
{
    if (index >= count())
        index = -1;
    if (index == ItemIndex())
        return;
    ProgrammaticChange guard(programmatic_);
    if (index < 0) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(index));
    }
}

void TListBox::InsertLines(int index, const QStringList& texts)
{
    ProgrammaticChange guard(programmatic_);
    insertItems(index, texts);
}

void TListBox::RemoveLine(int index)
{
    ProgrammaticChange guard(programmatic_);
    delete takeItem(index);
}

void TListBox::RemoveLines()
{
    ProgrammaticChange guard(programmatic_);
    clear();
}

void TListBox::SetItemHeight(int h)
{
    itemHeight_ = std::max(1, h);
    doItemsLayout();
}

void TListBox::ColorChanged()
{
    SetBackground(this, QPalette::Base, color_);
}

void TListBox::mousePressEvent(QMouseEvent* e)
{
    // A click on the line already selected raises OnClick too.
    const int before = ItemIndex();
    QListWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && before >= 0 && ItemIndex() == before &&
        itemAt(e->position().toPoint()) == item(before))
        Click();
}

const ClassInfo& TListBox::StaticClass()
{
    static const ClassInfo info(
        "TListBox", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TListBox(o); },
        {
            prop::Inert("IntegralHeight", DfmValue::Id("False")),
            prop::Int<TListBox>("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight, std::nullopt),
            prop::Strings<TListBox>("Items.Strings", &TListBox::Items),
            prop::Inert("Sorted", DfmValue::Id("False")),
        });
    return info;
}
