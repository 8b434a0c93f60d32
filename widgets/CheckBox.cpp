#include "widgets/CheckBox.h"

#include "widgets/ControlSupport.h"
#include "widgets/SysUtils.h"

#include <QSignalBlocker>

TCheckBox::TCheckBox(TComponent* owner) : QCheckBox(nullptr), TWinControl(owner, this)
{
    SetBounds(0, 0, 97, 17);
    // `clicked` comes from the user only (mouse, Space, an accessibility
    // action); setChecked by the program raises no event.
    connect(this, &QCheckBox::clicked, this, [this] { Click(); });
}

void TCheckBox::SetChecked(bool v)
{
    const QSignalBlocker quiet(this);
    setChecked(v);
}

void TCheckBox::TextChanged()
{
    setText(ToQt(text_));
    if (!Loading())
        SetAccessibleName(FromQt(WithoutMnemonic(ToQt(text_))));
}

void TCheckBox::ColorChanged()
{
    SetBackground(this, QPalette::Window, color_);
}

void TCheckBox::Loaded()
{
    TWinControl::Loaded();
    SetAccessibleName(FromQt(WithoutMnemonic(ToQt(text_))));
}

const ClassInfo& TCheckBox::StaticClass()
{
    static const ClassInfo info(
        "TCheckBox", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TCheckBox(o); },
        {
            prop::Str<TCheckBox>("Caption", &TCheckBox::Caption, &TCheckBox::SetCaption),
            prop::Bool<TCheckBox>("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked, false),
        });
    return info;
}
