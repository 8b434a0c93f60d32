// TLabel: a caption drawn on its parent, windowless.
#pragma once

#include "widgets/Controls.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Label: own font, sizes itself to its caption (AutoSize), windowless.
class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TLabel)

    std::string Caption() const { return text_; }
    void SetCaption(const std::string& c) { SetText(c); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    // Resizes to the caption when AutoSize.
    void AdjustBounds();
    void Loaded() override;

protected:
    void Paint(QPainter& p) override;
    void TextChanged() override;
    void FontChanged() override;
    bool DefaultParentColor() const override { return true; }

private:
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};
