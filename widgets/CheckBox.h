// TCheckBox: a captioned box that is ticked or not.
#pragma once

#include "widgets/Controls.h"

#include <QCheckBox>

// OnClick runs when the user ticks or clears the box, never when the
// program sets Checked.
class TCheckBox : public QCheckBox, public TWinControl {
public:
    explicit TCheckBox(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TCheckBox)
    std::string Caption() const { return text_; }
    void SetCaption(const std::string& c) { SetText(c); }
    bool Checked() const { return isChecked(); }
    void SetChecked(bool v);
    void Loaded() override;

protected:
    void TextChanged() override;
    void ColorChanged() override;
};
