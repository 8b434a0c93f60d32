#include "widgets/GroupBox.h"

#include "widgets/ControlSupport.h"
#include "widgets/SysUtils.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

TGroupBox::TGroupBox(TComponent* owner) : QGroupBox(nullptr), TWinControl(owner, this)
{
    tabStop_ = false;
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::TextChanged()
{
    setTitle(ToQt(text_));
    SetAccessibleName(FromQt(WithoutMnemonic(ToQt(text_))));
}

void TGroupBox::ColorChanged()
{
    SetBackground(this, QPalette::Window, color_);
}

void TGroupBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const int w = width(), h = height();
    const QColor shadow = ColorToQColor(clBtnShadow), light = ColorToQColor(clBtnHighlight);
    p.setPen(shadow);
    p.drawRect(0, top, w - 2, h - top - 2);
    p.setPen(light);
    p.drawLine(1, top + 1, w - 3, top + 1);
    p.drawLine(1, top + 1, 1, h - 3);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, top, w - 1, h - 1);
    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect r(8, 0, std::min(fm.horizontalAdvance(caption) + 4, std::max(0, w - 16)), fm.height());
    p.fillRect(r, palette().color(backgroundRole()));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

const ClassInfo& TGroupBox::StaticClass()
{
    static const ClassInfo info(
        "TGroupBox", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TGroupBox(o); },
        {
            prop::Str<TGroupBox>("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption),
            prop::Bool<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false),
        });
    return info;
}
