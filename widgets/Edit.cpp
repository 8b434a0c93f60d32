#include "widgets/Edit.h"

#include "widgets/ControlSupport.h"
#include "widgets/Form.h"
#include "widgets/SysUtils.h"

#include "text/Cp1252.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

std::string ApplyCharCase(const std::string& text, TEditCharCase cc)
{
    switch (cc) {
    case TEditCharCase::ecUpperCase: return cp1252::toUpper(text);
    case TEditCharCase::ecLowerCase: return cp1252::toLower(text);
    default: return text;
    }
}

namespace {
// The field holds only what the code page can (its validator sees to that).
QString applyCase(const QString& s, TEditCharCase cc)
{
    return ToQt(ApplyCharCase(FromQt(s), cc));
}
} // namespace

TEdit::TEdit(TComponent* owner) : QLineEdit(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    setValidator(new Cp1252Validator(this));
    SetBounds(0, 0, 121, 21);
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
    connect(this, &QLineEdit::textChanged, this, [this] {
        updateClipped();
        Notify(OnChange);
    });
}

void TEdit::SetReadOnly(bool v)
{
    setReadOnly(v);
    updateClipped();
}

bool TEdit::clipped() const
{
    if (!isReadOnly() || text().isEmpty())
        return false;
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    const QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &opt, this).marginsRemoved(textMargins());
    // QLineEdit keeps two pixels clear on either side of its text.
    return std::ceil(QFontMetricsF(font()).horizontalAdvance(text())) > area.width() - 4;
}

void TEdit::updateClipped()
{
    // Measured once the definition is read: the form then gives every control
    // its hints (TForm::AfterDefinitionRead), this one's clipped text included.
    if (Loading())
        return;
    const bool now = clipped();
    if (now || wasClipped_)
        UpdateHints();
}

void TEdit::UpdateHints()
{
    TWinControl::UpdateHints();
    wasClipped_ = clipped();
    if (wasClipped_) {
        setToolTip(text());
        setAccessibleDescription(text());
    }
}

void TEdit::resizeEvent(QResizeEvent* e)
{
    QLineEdit::resizeEvent(e);
    updateClipped();
}

void TEdit::changeEvent(QEvent* e)
{
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        updateClipped();
}

std::string TEdit::GetText() const
{
    return FromQt(text());
}

void TEdit::SetText(const std::string& t)
{
    const QString q = ToQt(t);
    if (q == text())
        return;
    setText(q);
    // Text set by the program shows from its start, as a classic edit field
    // does; Qt would leave the caret at the end and show a long text's tail.
    setCursorPosition(0);
}

void TEdit::userEdited()
{
    if (charCase_ == TEditCharCase::ecNormal)
        return;
    const QString cased = applyCase(text(), charCase_);
    if (cased != text()) {
        const int pos = cursorPosition();
        setText(cased);
        setCursorPosition(pos);
    }
}

void TEdit::SetCharCase(TEditCharCase c)
{
    if (charCase_ == c)
        return;
    charCase_ = c;
    if (c != TEditCharCase::ecNormal)
        setText(applyCase(text(), c));
}

void TEdit::SetMaxLength(int n)
{
    maxLength_ = std::max(0, n);
    setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

void TEdit::ColorChanged()
{
    SetBackground(this, QPalette::Base, color_);
}

const ClassInfo& TEdit::StaticClass()
{
    static const ClassInfo info(
        "TEdit", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TEdit(o); },
        {
            prop::Inert("AutoSelect", DfmValue::Id("True")),
            prop::Enum<TEdit, TEditCharCase>("CharCase", &TEdit::CharCase, &TEdit::SetCharCase,
                                             {"ecNormal", "ecUpperCase", "ecLowerCase"}, TEditCharCase::ecNormal),
            prop::Int<TEdit>("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength, 0),
            prop::Bool<TEdit>("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly, false),
            prop::Str<TEdit>("Text", &TEdit::Text, &TEdit::SetText),
            prop::Event("OnChange", &TEdit::OnChange),
        });
    return info;
}
