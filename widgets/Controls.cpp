#include "widgets/Controls.h"

#include "widgets/Dispatch.h"
#include "widgets/Form.h"
#include "widgets/SysUtils.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>

// ---- TControl ----

TControl::TControl(TComponent* owner, QWidget* self) : TComponent(owner), widget_(self) {}

TForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent_) {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    }
    parent_ = parent;
    if (parent_) {
        parent_->controls_.push_back(this);
        widget_->setParent(parent_->ClientWidget());
        widget_->setGeometry(left_, top_, width_, height_);
        widget_->setVisible(visible_);
    } else {
        widget_->setParent(nullptr);
    }
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    const int dx = std::max(0, width) - width_, dy = std::max(0, height) - height_;
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    widget_->setGeometry(left_, top_, width_, height_);
    // A container resized after its definition was read takes its children
    // along; while it is read, every child has its designed place.
    if (auto* container = dynamic_cast<TWinControl*>(this); container && (dx || dy) && !Loading())
        container->ChildrenFollow(dx, dy);
}

void TWinControl::ChildrenFollow(int dx, int dy)
{
    for (TControl* c : controls_) {
        const unsigned a = c->Anchors();
        if (a == (akLeft | akTop))
            continue;
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a & akRight)
            (a & akLeft ? w : l) += dx;
        if (a & akBottom)
            (a & akTop ? h : t) += dy;
        c->SetBounds(l, t, w, h);
    }
}

void TControl::SetVisible(bool v)
{
    if (visible_ == v)
        return;
    visible_ = v;
    if (parent_)
        widget_->setVisible(v);
}

void TControl::SetEnabled(bool v)
{
    if (enabled_ == v)
        return;
    enabled_ = v;
    widget_->setEnabled(v);
}

void TControl::SetHint(const std::string& h)
{
    if (hint_ == h)
        return;
    hint_ = h;
    // While a definition is read, the form gives every control its hints once
    // it is complete (TForm::AfterDefinitionRead).
    if (!Loading())
        UpdateHints();
}

void TControl::SetShowHint(bool v)
{
    if (showHint_ == v && !parentShowHint_)
        return;
    showHint_ = v;
    parentShowHint_ = false;
    if (!Loading())
        UpdateHints();
}

void TControl::SetParentShowHint(bool v)
{
    if (parentShowHint_ == v)
        return;
    parentShowHint_ = v;
    if (!Loading())
        UpdateHints();
}

bool TControl::EffectiveShowHint() const
{
    if (parentShowHint_ && parent_)
        return parent_->EffectiveShowHint();
    return showHint_;
}

void TControl::UpdateHints()
{
    // "short|long": the tooltip shows the short part.
    const std::string shortHint = hint_.substr(0, hint_.find('|'));
    // Qt announces each assignment to assistive technology, even of the same
    // text: only a change is assigned.
    const QString tip = EffectiveShowHint() ? ToQt(shortHint) : QString();
    if (tip != widget_->toolTip())
        widget_->setToolTip(tip);
    const QString description = ToQt(description_.empty() ? shortHint : description_);
    if (description != widget_->accessibleDescription())
        widget_->setAccessibleDescription(description);
}

void TControl::SetAccessibleDescription(const std::string& description)
{
    if (description_ == description)
        return;
    description_ = description;
    TControl::UpdateHints();
}

void TControl::SetColor(TColor c)
{
    if (color_ == c && !parentColor_)
        return;
    color_ = c;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool v)
{
    if (parentColor_ == v)
        return;
    parentColor_ = v;
    if (v && parent_)
        color_ = parent_->color_;
    ColorChanged();
}

void TControl::SetFont(const TFont& f)
{
    font_ = f;
    parentFont_ = false;
    FontChanged();
}

void TControl::SetParentFont(bool v)
{
    if (parentFont_ == v)
        return;
    parentFont_ = v;
    FontChanged();
}

void TControl::FontChanged()
{
    AfterLoading(&TControl::applyFont);
}

void TControl::applyFont()
{
    QPalette pal = widget_->palette();
    if (parentFont_) {
        widget_->setFont(QFont());
        // Text colour inherits again: rebuild the palette from the parent's.
        QPalette fresh = widget_->parentWidget() ? widget_->parentWidget()->palette() : QGuiApplication::palette();
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            if (pal.isBrushSet(QPalette::Active, role))
                fresh.setColor(role, pal.color(role));
        widget_->setPalette(fresh);
    } else {
        widget_->setFont(font_.ToQFont());
        const QColor col = ColorToQColor(font_.Color);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(QPalette::Active, role, col), pal.setColor(QPalette::Inactive, role, col);
        widget_->setPalette(pal);
    }
    Invalidate();
}

void TControl::ColorChanged()
{
    Invalidate();
}

void TControl::SetText(const std::string& t)
{
    if (text_ == t)
        return;
    text_ = t;
    TextChanged();
}

void TControl::SetAccessibleName(const std::string& name)
{
    const QString q = ToQt(name);
    if (q != widget_->accessibleName())
        widget_->setAccessibleName(q);
}

void TControl::Invalidate()
{
    widget_->update();
}

void TControl::Repaint()
{
    widget_->repaint();
}

bool TControl::BlockedByModal() const
{
    const TForm* f = ParentForm();
    return f && f->BlockedByModal();
}

void TControl::Click()
{
    if (!BlockedByModal())
        Notify(OnClick);
}

void TControl::DblClick()
{
    if (!BlockedByModal())
        Notify(OnDblClick);
}

void TControl::Notify(const TNotifyEvent& event)
{
    if (event && !Loading())
        Dispatch([this, &event] { event(this); });
}

void TControl::Loaded()
{
    TComponent::Loaded();
    if (parentColor_ && parent_)
        color_ = parent_->color_;
}

namespace {
const std::vector<std::string> kStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
const std::vector<std::string> kCharsets = {"ANSI_CHARSET", "DEFAULT_CHARSET", "SYMBOL_CHARSET"};

// Font.X properties: reading one makes the font the control's own; they are
// written only while it is.
template <class Read, class Write>
PropInfo fontProp(std::string name, Read read, Write write)
{
    return {name,
            [read](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                auto& ctl = prop::as<TControl>(c);
                TFont f = ctl.Font();
                read(f, v, ctx);
                ctl.SetFont(f);
            },
            [write](const TComponent& c) -> std::optional<DfmValue> {
                const auto& ctl = prop::as<TControl>(c);
                if (ctl.ParentFont())
                    return std::nullopt;
                return write(ctl.Font());
            }};
}
} // namespace

const ClassInfo& TControl::StaticClass()
{
    static const ClassInfo info(
        "TControl", nullptr, nullptr,
        {
            prop::Int<TControl>("Left", &TControl::Left, &TControl::SetLeft, std::nullopt),
            prop::Int<TControl>("Top", &TControl::Top, &TControl::SetTop, std::nullopt),
            prop::Int<TControl>("Width", &TControl::Width, &TControl::SetWidth, std::nullopt),
            prop::Int<TControl>("Height", &TControl::Height, &TControl::SetHeight, std::nullopt),
            prop::Inert("Cursor", DfmValue::Id("crDefault")),
            prop::Str<TControl>("Hint", &TControl::Hint, &TControl::SetHint),
            prop::Inert("Align", DfmValue::Id("alNone")),
            prop::Set<TControl>("Anchors", &TControl::Anchors, &TControl::SetAnchors,
                                {"akLeft", "akTop", "akRight", "akBottom"}, TControl::akLeft | TControl::akTop),
            prop::Bool<TControl>("Enabled", &TControl::Enabled, &TControl::SetEnabled, true),
            {"Color",
             [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                 TColor col = 0;
                 if (v.kind == DfmValue::Kind::Integer)
                     col = static_cast<TColor>(v.integer);
                 else if (v.kind != DfmValue::Kind::Ident || !IdentToColor(v.text, col))
                     ctx.Fail("not a colour");
                 prop::as<TControl>(c).SetColor(col);
             },
             [](const TComponent& c) -> std::optional<DfmValue> {
                 const auto& ctl = prop::as<TControl>(c);
                 if (ctl.ParentColor() || ctl.Color() == ctl.DefaultColor())
                     return std::nullopt;
                 const std::string id = ColorToIdent(ctl.Color());
                 return id.empty() ? DfmValue::Int(ctl.Color()) : DfmValue::Id(id);
             }},
            fontProp(
                "Font.Charset",
                [](TFont& f, const DfmValue& v, ReadContext& ctx) {
                    if (v.kind == DfmValue::Kind::Integer)
                        f.Charset = static_cast<int>(v.integer);
                    else if (v.kind == DfmValue::Kind::Ident && v.text == "ANSI_CHARSET")
                        f.Charset = 0;
                    else if (v.kind == DfmValue::Kind::Ident && v.text == "DEFAULT_CHARSET")
                        f.Charset = 1;
                    else if (v.kind == DfmValue::Kind::Ident && v.text == "SYMBOL_CHARSET")
                        f.Charset = 2;
                    else
                        ctx.Fail("not a character set");
                },
                [](const TFont& f) {
                    return f.Charset >= 0 && f.Charset <= 2 ? DfmValue::Id(kCharsets[f.Charset])
                                                            : DfmValue::Int(f.Charset);
                }),
            fontProp(
                "Font.Color",
                [](TFont& f, const DfmValue& v, ReadContext& ctx) {
                    if (v.kind == DfmValue::Kind::Integer)
                        f.Color = static_cast<TColor>(v.integer);
                    else if (v.kind != DfmValue::Kind::Ident || !IdentToColor(v.text, f.Color))
                        ctx.Fail("not a colour");
                },
                [](const TFont& f) {
                    const std::string id = ColorToIdent(f.Color);
                    return id.empty() ? DfmValue::Int(f.Color) : DfmValue::Id(id);
                }),
            fontProp(
                "Font.Height",
                [](TFont& f, const DfmValue& v, ReadContext& ctx) {
                    ctx.Expect(v, DfmValue::Kind::Integer);
                    if (v.integer < -1000 || v.integer > 1000)
                        ctx.Fail("font height out of range");
                    f.Height = static_cast<int>(v.integer);
                },
                [](const TFont& f) { return DfmValue::Int(f.Height); }),
            fontProp(
                "Font.Name",
                [](TFont& f, const DfmValue& v, ReadContext& ctx) {
                    ctx.Expect(v, DfmValue::Kind::String);
                    f.Name = v.text;
                },
                [](const TFont& f) { return DfmValue::Str(f.Name); }),
            fontProp(
                "Font.Style",
                [](TFont& f, const DfmValue& v, ReadContext& ctx) {
                    ctx.Expect(v, DfmValue::Kind::Set);
                    unsigned bits = 0;
                    for (const auto& m : v.items) {
                        const auto it = std::find(kStyleNames.begin(), kStyleNames.end(), m);
                        if (it == kStyleNames.end())
                            ctx.Fail("unknown font style", m);
                        bits |= 1u << (it - kStyleNames.begin());
                    }
                    f.Style = bits;
                },
                [](const TFont& f) {
                    std::vector<std::string> names;
                    for (std::size_t i = 0; i < kStyleNames.size(); ++i)
                        if (f.Style & (1u << i))
                            names.push_back(kStyleNames[i]);
                    return DfmValue::SetOf(names);
                }),
            {"ParentColor",
             [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                 ctx.Expect(v, DfmValue::Kind::Ident);
                 if (v.text != "True" && v.text != "False")
                     ctx.Fail("not a boolean");
                 prop::as<TControl>(c).SetParentColor(v.text == "True");
             },
             [](const TComponent& c) -> std::optional<DfmValue> {
                 const auto& ctl = prop::as<TControl>(c);
                 if (ctl.ParentColor() == ctl.DefaultParentColor())
                     return std::nullopt;
                 return DfmValue::Id(ctl.ParentColor() ? "True" : "False");
             }},
            prop::Bool<TControl>("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true),
            prop::Bool<TControl>("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true),
            {"ShowHint",
             [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                 ctx.Expect(v, DfmValue::Kind::Ident);
                 if (v.text != "True" && v.text != "False")
                     ctx.Fail("not a boolean");
                 prop::as<TControl>(c).SetShowHint(v.text == "True");
             },
             [](const TComponent& c) -> std::optional<DfmValue> {
                 const auto& ctl = prop::as<TControl>(c);
                 if (ctl.ParentShowHint())
                     return std::nullopt;
                 return DfmValue::Id(ctl.ShowHint() ? "True" : "False");
             }},
            prop::Bool<TControl>("Visible", &TControl::Visible, &TControl::SetVisible, true),
            prop::Inert("DragCursor", DfmValue::Id("crDrag")),
            prop::Inert("DragMode", DfmValue::Id("dmManual")),
            prop::Inert("PopupMenu", std::nullopt),
            prop::Event("OnClick", &TControl::OnClick),
            prop::Event("OnDblClick", &TControl::OnDblClick),
        });
    return info;
}

// ---- TWinControl ----

TWinControl::TWinControl(TComponent* owner, QWidget* self) : TControl(owner, self)
{
    widget_->setFocusPolicy(Qt::StrongFocus);
}

bool TWinControl::AcceptChild(TComponent* child)
{
    auto* ctl = dynamic_cast<TControl*>(child);
    if (!ctl || !AcceptsControls())
        return false;
    // A definition gives a container's properties before its children: its
    // font is complete, and taken now the children inherit it as they come.
    DoWaiting(&TControl::applyFont);
    ctl->SetParent(this);
    return true;
}

void TWinControl::ChildRemoved(TComponent* child)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), child), controls_.end());
}

void TWinControl::SetTabStop(bool v)
{
    tabStop_ = v;
    widget_->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TWinControl::CanFocus() const
{
    // The window itself need not be on screen: the focus is kept for it.
    for (const TControl* c = this; c && c->parent_; c = c->parent_)
        if (!c->visible_ || !c->enabled_)
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    widget_->setFocus(Qt::OtherFocusReason);
}

void TWinControl::UpdateHints()
{
    TControl::UpdateHints();
    for (TControl* c : controls_)
        c->UpdateHints();
}

QWidget* TWinControl::BuildTabChain(QWidget* previous)
{
    std::vector<TWinControl*> wins;
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            wins.push_back(w);
    std::stable_sort(wins.begin(), wins.end(),
                     [](const TWinControl* a, const TWinControl* b) { return a->tabOrder_ < b->tabOrder_; });
    for (TWinControl* w : wins) {
        if (previous)
            QWidget::setTabOrder(previous, w->widget_);
        previous = w->widget_;
        previous = w->BuildTabChain(previous);
    }
    return previous;
}

const ClassInfo& TWinControl::StaticClass()
{
    static const ClassInfo info(
        "TWinControl", &TControl::StaticClass(), nullptr,
        {
            prop::Int<TWinControl>("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1),
            prop::Bool<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true),
        });
    return info;
}

// ---- TGraphicControl ----

TGraphicControl::TGraphicControl(TComponent* owner) : QWidget(nullptr), TControl(owner, this)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_NoSystemBackground, false);
}

const ClassInfo& TGraphicControl::StaticClass()
{
    static const ClassInfo info("TGraphicControl", &TControl::StaticClass(), nullptr, {});
    return info;
}

void TGraphicControl::Paint(QPainter&) {}

void TGraphicControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Paint(p);
}

void TGraphicControl::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        pressed_ = true;
    QWidget::mousePressEvent(e);
}

void TGraphicControl::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        pressed_ = false;
    if (click)
        Click();
}

void TGraphicControl::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        DblClick();
}

void TGraphicControl::FontChanged()
{
    TControl::FontChanged();
}
