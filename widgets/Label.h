// TLabel: a caption drawn on its parent, windowless.
#pragma once

#include "widgets/Controls.h"

#include <QPointer>

#include <string>

class QLabel;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// Label: own font, sizes itself to its caption (AutoSize), windowless.
// A label's words without the colon that ends it ("Tipo:" -> "Tipo"): what
// a control it names is called by a screen reader.
std::string LabelWords(std::string caption);

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
    // The caption can be selected with the mouse and copied (addresses a
    // reader may want to keep); it looks the same.
    bool Selectable() const { return selectable_ != nullptr; }
    void SetSelectable(bool v);
    // The control this label names. A screen reader says the label with the
    // control: Qt's way on Linux is a label-for relation, which only its own
    // label class offers, so an undrawn one stands in for this label.
    TWinControl* FocusControl() const { return dynamic_cast<TWinControl*>(focusWidget_.data()); }
    void SetFocusControl(TWinControl* c);
    // What a screen reader meets in this label's place, if anything.
    QWidget* ReaderStandIn() const { return standIn_; }
    ~TLabel() override;
    void Loaded() override;

protected:
    void Paint(QPainter& p) override;
    void TextChanged() override;
    void FontChanged() override;
    bool DefaultParentColor() const override { return true; }
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    bool event(QEvent* e) override;

private:
    bool autoSize_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    // Draws the caption instead of Paint when selectable.
    QLabel* selectable_ = nullptr;
    void updateSelectable();
    QPointer<QWidget> focusWidget_; // the control's: it may go first when the window is torn down
    QPointer<QWidget> standIn_;     // a QLabel
    void updateStandIn();
    void nameFromCaption();
};
