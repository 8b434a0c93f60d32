#include "widgets/ComboBox.h"

#include "widgets/ControlSupport.h"
#include "widgets/Dispatch.h"
#include "widgets/Form.h"
#include "widgets/ProgrammaticChange.h"
#include "widgets/SysUtils.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>

int TComboItems::Count() const
{
    return box_->count();
}
std::string TComboItems::Get(int index) const
{
    CheckIndex(index, Count());
    return FromQt(box_->itemText(index));
}
void TComboItems::Put(int index, const std::string& s)
{
    CheckIndex(index, Count());
    box_->setItemText(index, ToQt(s));
}
void TComboItems::Insert(int index, const std::string& s)
{
    CheckIndex(index, Count() + 1);
    box_->applyPendingStyle();
    // Qt selects the first entry added to an empty box; ours keep theirs.
    const int sel = box_->currentIndex();
    const QString text = box_->currentText();
    {
        ProgrammaticChange guard(box_->programmatic_);
        box_->insertItem(index, ToQt(s));
        if (sel < 0) {
            box_->setCurrentIndex(-1);
            if (box_->isEditable())
                box_->setEditText(text);
        }
    }
    box_->lastIndex_ = box_->currentIndex();
}
void TComboItems::Delete(int index)
{
    CheckIndex(index, Count());
    {
        ProgrammaticChange guard(box_->programmatic_);
        box_->removeItem(index);
    }
    box_->lastIndex_ = box_->currentIndex();
}
void TComboItems::Clear()
{
    box_->applyPendingStyle();
    {
        ProgrammaticChange guard(box_->programmatic_);
        const QString text = box_->currentText();
        box_->clear();
        if (box_->isEditable())
            box_->setEditText(text);
    }
    box_->lastIndex_ = -1;
}

// One insertion for all the lines: Qt's model and view are told once, not
// once a line.
void TComboItems::Assign(const std::vector<std::string>& lines)
{
    Clear();
    if (lines.empty())
        return;
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines)
        texts.append(ToQt(line));
    const QString text = box_->currentText();
    {
        ProgrammaticChange guard(box_->programmatic_);
        box_->insertItems(0, texts);
        box_->setCurrentIndex(-1);
        if (box_->isEditable())
            box_->setEditText(text);
    }
    box_->lastIndex_ = box_->currentIndex();
}

// Qt builds a box's drop-down list on the box's first change of font, to give
// it that font: a list with no edit field would be built with every window
// that sets its boxes' fonts, opened or not. It takes the font when it first
// drops down instead (a box with an edit field keeps Qt's way: its field is
// placed then too).
void TComboBox::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange && !droppedDown_ && !isEditable()) {
        listFontPending_ = true;
        QWidget::changeEvent(e);
        return;
    }
    QComboBox::changeEvent(e);
}

void TComboBox::showPopup()
{
    droppedDown_ = true;
    if (listFontPending_) {
        listFontPending_ = false;
        QEvent fontChange(QEvent::FontChange);
        QComboBox::changeEvent(&fontChange);
    }
    QComboBox::showPopup();
}

TComboBox::TComboBox(TComponent* owner) : QComboBox(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    // Read from a window definition, the box waits for its Style before it
    // builds an edit field (most boxes there are drop-down lists, and an edit
    // field built and thrown away costs more than the rest of the box).
    pendingStyle_ = owner && owner->Loading();
    if (!pendingStyle_)
        SetStyle(style_);
    SetBounds(0, 0, 145, 21);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (programmatic_ || finishingEdit_ || index == lastIndex_)
            return;
        lastIndex_ = index;
        Click();
    });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!programmatic_ && !Loading() && OnChange)
            Dispatch([this] { OnChange(this); });
    });
}

// Qt picks the entry whose text was typed when the edit field is finished
// (Enter, or the focus leaving); typing is not picking, so that raises no
// OnClick. Arrow keys and the drop-down list still pick.
void TComboBox::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    finishingEdit_ += enter;
    QComboBox::keyPressEvent(e);
    finishingEdit_ -= enter;
}

void TComboBox::focusOutEvent(QFocusEvent* e)
{
    ++finishingEdit_;
    QComboBox::focusOutEvent(e);
    --finishingEdit_;
}

void TComboBox::SetItemIndex(int index)
{
    applyPendingStyle();
    if (index >= count())
        index = -1;
    {
        ProgrammaticChange guard(programmatic_);
        setCurrentIndex(index);
        if (index < 0 && isEditable())
            setEditText(QString());
    }
    lastIndex_ = index;
}

std::string TComboBox::GetText() const
{
    return FromQt(currentText());
}

void TComboBox::SetText(const std::string& t)
{
    applyPendingStyle();
    const QString q = ToQt(t);
    if (q == currentText())
        return;
    {
        ProgrammaticChange guard(programmatic_);
        if (isEditable())
            setEditText(q);
        else
            setCurrentIndex(findText(q));
    }
    if (!Loading() && OnChange)
        Dispatch([this] { OnChange(this); });
}

void TComboBox::SetStyle(TComboBoxStyle s)
{
    style_ = s;
    if (pendingStyle_)
        return;
    const QString text = currentText();
    ProgrammaticChange guard(programmatic_);
    setEditable(s == TComboBoxStyle::csDropDown || s == TComboBoxStyle::csSimple);
    if (isEditable()) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        lineEdit()->setValidator(new Cp1252Validator(this));
        setEditText(text);
    }
}

void TComboBox::applyPendingStyle()
{
    if (!pendingStyle_)
        return;
    pendingStyle_ = false;
    SetStyle(style_);
}

void TComboBox::Loaded()
{
    applyPendingStyle();
    TWinControl::Loaded();
}

void TComboBox::SetMaxLength(int n)
{
    applyPendingStyle();
    maxLength_ = std::max(0, n);
    if (lineEdit())
        lineEdit()->setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

void TComboBox::ColorChanged()
{
    SetBackground(this, QPalette::Base, color_);
}

const ClassInfo& TComboBox::StaticClass()
{
    static const ClassInfo info(
        "TComboBox", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TComboBox(o); },
        {
            prop::Enum<TComboBox, TComboBoxStyle>(
                "Style", &TComboBox::Style, &TComboBox::SetStyle,
                {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"},
                TComboBoxStyle::csDropDown),
            prop::Int<TComboBox>("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount, 8),
            prop::Inert("ItemHeight", std::nullopt),
            prop::Int<TComboBox>("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength, 0),
            prop::Inert("Sorted", DfmValue::Id("False")),
            prop::Str<TComboBox>("Text", &TComboBox::Text, &TComboBox::SetText),
            prop::Strings<TComboBox>("Items.Strings", &TComboBox::Items),
            prop::Int<TComboBox>("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex, -1),
            prop::Event("OnChange", &TComboBox::OnChange),
        });
    return info;
}
