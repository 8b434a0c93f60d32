#include "widgets/ComboBox.h"

#include "widgets/ControlSupport.h"
#include "widgets/Dispatch.h"
#include "widgets/Form.h"
#include "widgets/ProgrammaticChange.h"
#include "widgets/SysUtils.h"

#include <QKeyEvent>
#include <QLineEdit>

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
    box_->settleStyle();
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
    box_->settleStyle();
    {
        ProgrammaticChange guard(box_->programmatic_);
        box_->removeItem(index);
    }
    box_->lastIndex_ = box_->currentIndex();
}
void TComboItems::Clear()
{
    box_->settleStyle();
    {
        ProgrammaticChange guard(box_->programmatic_);
        const QString text = box_->currentText();
        box_->clear();
        if (box_->isEditable())
            box_->setEditText(text);
    }
    box_->lastIndex_ = -1;
}

TComboBox::TComboBox(TComponent* owner) : TComboBox(owner, FromDefinition)
{
    applyStyle();
}

TComboBox::TComboBox(TComponent* owner, FromDefinitionTag) : QComboBox(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    styleOpen_ = true;
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

void TComboBox::Loaded()
{
    settleStyle();
    TWinControl::Loaded();
}

void TComboBox::SetItemIndex(int index)
{
    settleStyle();
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
    settleStyle();
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
    applyStyle();
}

void TComboBox::applyStyle()
{
    styleOpen_ = false;
    const TComboBoxStyle s = style_;
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

void TComboBox::SetMaxLength(int n)
{
    settleStyle();
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
        "TComboBox", &TWinControl::StaticClass(),
        [](TComponent* o) -> TComponent* { return new TComboBox(o, FromDefinition); },
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
