#include "widgets/ComboBox.h"

#include "widgets/ControlSupport.h"
#include "widgets/Form.h"
#include "widgets/ProgrammaticChange.h"
#include "widgets/SysUtils.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

// Qt's handler of a font change builds the drop-down list to give it the
// font: some 0.2 ms a box, with every window that sets its boxes' fonts,
// opened or not. A box with neither list nor edit field holds the change until
// something needs what that handler does (the list, the size hint), and then
// hands it to the handler as it came; a list built later takes the box's font
// by itself.
void TComboBox::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange && !listBuilt_ && !isEditable()) {
        fontChangeHeld_ = true;
        QWidget::changeEvent(e);
        return;
    }
    QComboBox::changeEvent(e);
}

void TComboBox::passHeldFontChange() const
{
    if (!fontChangeHeld_)
        return;
    fontChangeHeld_ = false;
    QEvent fontChange(QEvent::FontChange);
    const_cast<TComboBox*>(this)->QComboBox::changeEvent(&fontChange);
}

QSize TComboBox::sizeHint() const
{
    passHeldFontChange();
    return QComboBox::sizeHint();
}

QSize TComboBox::minimumSizeHint() const
{
    passHeldFontChange();
    return QComboBox::minimumSizeHint();
}

void TComboBox::showPopup()
{
    listBuilt_ = true;
    passHeldFontChange();
    if (FindTyped && !viewWatched_) {
        view()->installEventFilter(this);
        viewWatched_ = true;
    }
    QComboBox::showPopup();
}

bool TComboBox::typeAhead(const QKeyEvent& key, bool listOpen)
{
    const QString text = key.text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint() &&
                           !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    const bool paused = !lastTyped_.isValid() || lastTyped_.elapsed() > QApplication::keyboardInputInterval();
    // A blank is part of a name only once one is being typed; alone it opens
    // the list, as in any drop-down list.
    if (!FindTyped || isEditable() || !printable || (text == " " && (paused || typed_.isEmpty()))) {
        typed_.clear();
        return false;
    }
    if (paused)
        typed_.clear();
    typed_ += text;
    lastTyped_.start();
    const int line = FindTyped(FromQt(typed_));
    if (line < 0 || line >= count())
        return true;
    if (listOpen) {
        view()->setCurrentIndex(model()->index(line, modelColumn(), rootModelIndex()));
    } else if (line != currentIndex()) {
        setCurrentIndex(line);
        emit activated(line);
    }
    return true;
}

bool TComboBox::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == view() && e->type() == QEvent::KeyPress && typeAhead(static_cast<QKeyEvent&>(*e), true))
        return true;
    return QComboBox::eventFilter(watched, e);
}

TComboBox::TComboBox(TComponent* owner) : QComboBox(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    // Read from a window definition, the box waits for its Style before it
    // builds an edit field (most boxes there are drop-down lists, and an edit
    // field built and thrown away costs more than the rest of the box).
    AfterLoading(&TComboBox::applyStyle);
    SetBounds(0, 0, 145, 21);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (programmatic_ || finishingEdit_ || index == lastIndex_)
            return;
        lastIndex_ = index;
        Click();
    });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!programmatic_)
            Notify(OnChange);
    });
}

// Qt picks the entry whose text was typed when the edit field is finished
// (Enter, or the focus leaving); typing is not picking, so that raises no
// OnClick. Arrow keys and the drop-down list still pick.
void TComboBox::keyPressEvent(QKeyEvent* e)
{
    if (typeAhead(*e, false))
        return;
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    finishingEdit_ += enter;
    QComboBox::keyPressEvent(e);
    finishingEdit_ -= enter;
}

void TComboBox::focusOutEvent(QFocusEvent* e)
{
    if (e->reason() != Qt::PopupFocusReason)
        typed_.clear();
    ++finishingEdit_;
    QComboBox::focusOutEvent(e);
    --finishingEdit_;
}

void TComboBox::SetItemIndex(int index)
{
    DoWaiting(&TComboBox::applyStyle);
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
    DoWaiting(&TComboBox::applyStyle);
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
    Notify(OnChange);
}

void TComboBox::SetStyle(TComboBoxStyle s)
{
    style_ = s;
    AfterLoading(&TComboBox::applyStyle);
}

void TComboBox::applyStyle()
{
    const QString text = currentText();
    ProgrammaticChange guard(programmatic_);
    setEditable(style_ == TComboBoxStyle::csDropDown || style_ == TComboBoxStyle::csSimple);
    if (isEditable()) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        lineEdit()->setValidator(new Cp1252Validator(this));
        setEditText(text);
    }
}

// The program's changes to the lines raise no event; an entry the program did
// not choose stays unchosen, and the edit field keeps its text while none is.
template <class Change>
void TComboBox::changeLines(Change change)
{
    DoWaiting(&TComboBox::applyStyle);
    const int chosen = currentIndex();
    const QString text = currentText();
    {
        ProgrammaticChange guard(programmatic_);
        change();
        if (chosen < 0)
            setCurrentIndex(-1);
        if (currentIndex() < 0 && isEditable())
            setEditText(text);
    }
    lastIndex_ = currentIndex();
}

void TComboBox::InsertLines(int index, const QStringList& texts)
{
    changeLines([&] { insertItems(index, texts); });
}

void TComboBox::RemoveLine(int index)
{
    changeLines([&] { removeItem(index); });
}

void TComboBox::RemoveLines()
{
    changeLines([&] { clear(); });
}

void TComboBox::SetMaxLength(int n)
{
    DoWaiting(&TComboBox::applyStyle);
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
