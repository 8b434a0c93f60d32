// Controls: the visual components. Each concrete control is a Qt widget and a
// TControl at once; TControl keeps the state that window definitions store
// (bounds, visibility, font, colour, hint) and pushes it into the widget.
#pragma once

#include "widgets/Classes.h"
#include "widgets/Colors.h"
#include "widgets/Fonts.h"
#include "widgets/Properties.h"

#include <QWidget>

#include <string>

class QPainter;
class TWinControl;
class TForm;

// The class table of a concrete component: declared in its class as
//   FAUNETA_COMPONENT(TLabel)
// and defined as TLabel::StaticClass() in its unit.
#define FAUNETA_COMPONENT(T)                                                                                           \
    static const ClassInfo& StaticClass();                                                                             \
    const ClassInfo& Class() const override                                                                            \
    {                                                                                                                  \
        return StaticClass();                                                                                          \
    }

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TControl : public TComponent {
public:
    TControl(TComponent* owner, QWidget* self);
    static const ClassInfo& StaticClass();

    QWidget* Widget() const { return widget_; }
    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);
    TForm* ParentForm() const;

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);

    // The parent's edges the control keeps its distance to when the parent
    // grows or shrinks (a window that may be resized): with both left and
    // right it stretches. Left and top by default.
    enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
    unsigned Anchors() const { return anchors_; }
    void SetAnchors(unsigned a) { anchors_ = a; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    // ShowHint as inherited from the parent when ParentShowHint.
    bool EffectiveShowHint() const;

    TColor Color() const { return color_; }
    void SetColor(TColor c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& f);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    // Caption or Text, whichever the control has.
    virtual std::string GetText() const { return text_; }
    virtual void SetText(const std::string& t);

    void SetAccessibleName(const std::string& name);
    // What the control shows, for a screen reader (a picture's subject, a
    // rating); empty: the hint describes it, as before.
    void SetAccessibleDescription(const std::string& description);
    void Invalidate();
    void Repaint();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    // The user clicked the control (through the dispatch point); nothing
    // while its window is blocked by a modal one.
    virtual void Click();
    bool BlockedByModal() const;
    void DblClick();
    // Runs one of the control's events through the dispatch point; none while
    // its definition is read (the values read there are no one's change).
    void Notify(const TNotifyEvent& event);

    // Re-applies hints to this control and, for containers, its children.
    virtual void UpdateHints();
    void Loaded() override;

protected:
    // Pushes the font into the widget. While a definition is being read the
    // Font.X properties arrive one at a time: the widget takes the finished
    // font once (AfterLoading).
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged() {}
    // Default Color of the class (written when different).
    virtual TColor DefaultColor() const { return clBtnFace; }
    virtual bool DefaultParentColor() const { return false; }
    friend class TWinControl;

    QWidget* widget_;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    unsigned anchors_ = akLeft | akTop;
    bool visible_ = true;
    bool enabled_ = true;
    std::string hint_;
    std::string description_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    TFont font_;
    bool parentFont_ = true;
    std::string text_;

private:
    void applyFont();
};

class TWinControl : public TControl {
public:
    TWinControl(TComponent* owner, QWidget* self);
    static const ClassInfo& StaticClass();

    // Where child controls are placed (a form's client area, a group box).
    virtual QWidget* ClientWidget() const { return widget_; }
    virtual bool AcceptsControls() const { return false; }
    const std::vector<TControl*>& Controls() const { return controls_; }

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    virtual bool CanFocus() const;
    void SetFocus();

    void UpdateHints() override;
    // Puts the children in the focus chain in TabOrder, containers' contents
    // after the container itself; returns the last widget of the chain.
    QWidget* BuildTabChain(QWidget* previous);

    // The client area grew by (dx, dy) (or shrank): each child moves or
    // stretches as its anchors say.
    void ChildrenFollow(int dx, int dy);

protected:
    bool AcceptChild(TComponent* child) override;
    void ChildRemoved(TComponent* child) override;
    friend class TControl;

    std::vector<TControl*> controls_;
    int tabOrder_ = -1;
    bool tabStop_ = true;
};

// A windowless control: a child widget without a native window that paints
// over its parent's background and takes mouse input.
class TGraphicControl : public QWidget, public TControl {
public:
    explicit TGraphicControl(TComponent* owner);
    static const ClassInfo& StaticClass();

protected:
    // Paints the control's area; the painter is clipped to it.
    virtual void Paint(QPainter& painter);
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void FontChanged() override;

private:
    bool pressed_ = false;
};
