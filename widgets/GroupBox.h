// TGroupBox: a captioned frame that holds other controls.
#pragma once

#include "widgets/Controls.h"

#include <QGroupBox>

class TGroupBox : public QGroupBox, public TWinControl {
public:
    explicit TGroupBox(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TGroupBox)
    std::string Caption() const { return text_; }
    void SetCaption(const std::string& c) { SetText(c); }
    bool AcceptsControls() const override { return true; }

protected:
    void TextChanged() override;
    void ColorChanged() override;
    // The classic etched frame with the caption sitting on its top line, so
    // that controls placed 15 pixels down sit inside the frame.
    void paintEvent(QPaintEvent* e) override;
};
