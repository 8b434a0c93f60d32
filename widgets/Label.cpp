#include "widgets/Label.h"

#include "widgets/ControlSupport.h"
#include "widgets/SysUtils.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
const std::vector<std::string> kAlignNames = {"taLeftJustify", "taRightJustify", "taCenter"};

// Stands for a label before a screen reader; the label draws itself.
class UndrawnLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override {}
};
} // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    parentColor_ = true;
    SetBounds(0, 0, 65, 13);
}

void TLabel::SetAutoSize(bool v)
{
    if (autoSize_ == v)
        return;
    autoSize_ = v;
    AfterLoading(&TLabel::AdjustBounds);
}

void TLabel::SetTransparent(bool v)
{
    if (transparent_ == v)
        return;
    transparent_ = v;
    Invalidate();
}

void TLabel::SetWordWrap(bool v)
{
    if (wordWrap_ == v)
        return;
    wordWrap_ = v;
    AfterLoading(&TLabel::AdjustBounds);
    Invalidate();
}

void TLabel::SetAlignment(TAlignment a)
{
    if (alignment_ == a)
        return;
    alignment_ = a;
    Invalidate();
}

void TLabel::AdjustBounds()
{
    if (!autoSize_)
        return;
    const QFontMetrics fm(font());
    const QString text = WithoutMnemonic(ToQt(text_));
    // The hinted height rounds the descent down, which cuts the lowest row of
    // descenders and cedillas (at 1, and more at higher scale factors); the
    // font's unrounded height holds them at any scale.
    const int lineHeight = std::max(fm.height(), static_cast<int>(std::ceil(QFontMetricsF(font()).height())));
    int w, h;
    if (wordWrap_) {
        const QRect r = fm.boundingRect(QRect(0, 0, std::max(1, width_), 100000), Qt::TextWordWrap, text);
        w = width_;
        h = std::max(r.height(), lineHeight);
    } else {
        w = fm.horizontalAdvance(text);
        // At a fractional scale factor the advances are not rounded and the
        // text's last device pixel may be only partly inside the label: room
        // for it, or its ink is cut.
        const qreal dpr = devicePixelRatioF();
        if (dpr != std::floor(dpr))
            w = std::max(w, static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text))) + 1);
        h = lineHeight;
    }
    int left = left_;
    if (alignment_ == TAlignment::taRightJustify)
        left += width_ - w;
    SetBounds(left, top_, w, h);
}

void TLabel::SetSelectable(bool v)
{
    if (v == Selectable())
        return;
    if (!v) {
        delete selectable_;
        selectable_ = nullptr;
    } else {
        selectable_ = new QLabel(this);
        selectable_->setTextFormat(Qt::PlainText);
        selectable_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        selectable_->setContentsMargins(0, 0, 0, 0);
        selectable_->setIndent(0);
        selectable_->setMargin(0);
        // The label itself is what a screen reader reads.
        selectable_->setAccessibleName(QString());
        selectable_->show();
        updateSelectable();
    }
    Invalidate();
}

void TLabel::updateSelectable()
{
    if (!selectable_)
        return;
    selectable_->setFont(font());
    selectable_->setText(WithoutMnemonic(ToQt(text_)));
    selectable_->setWordWrap(wordWrap_);
    selectable_->setAlignment(Qt::AlignTop | (alignment_ == TAlignment::taCenter         ? Qt::AlignHCenter
                                              : alignment_ == TAlignment::taRightJustify ? Qt::AlignRight
                                                                                         : Qt::AlignLeft));
    selectable_->setGeometry(rect());
}

void TLabel::resizeEvent(QResizeEvent* e)
{
    TGraphicControl::resizeEvent(e);
    updateSelectable();
    updateStandIn();
}

void TLabel::moveEvent(QMoveEvent* e)
{
    TGraphicControl::moveEvent(e);
    updateStandIn();
}

bool TLabel::event(QEvent* e)
{
    const bool done = TGraphicControl::event(e);
    if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent || e->type() == QEvent::ParentChange)
        updateStandIn();
    return done;
}

TLabel::~TLabel()
{
    delete standIn_;
}

void TLabel::SetFocusControl(TWinControl* c)
{
    focusWidget_ = c ? c->Widget() : nullptr;
    updateStandIn();
}

void TLabel::updateStandIn()
{
    QWidget* parent = parentWidget();
    if (!focusWidget_ || !parent) {
        delete standIn_;
        return;
    }
    if (!standIn_) {
        standIn_ = new UndrawnLabel(parent);
        standIn_->setAttribute(Qt::WA_TransparentForMouseEvents);
        standIn_->setFocusPolicy(Qt::NoFocus);
    } else if (standIn_->parentWidget() != parent) {
        standIn_->setParent(parent);
    }
    auto* label = static_cast<QLabel*>(standIn_.data());
    label->setText(WithoutMnemonic(ToQt(text_)));
    label->setBuddy(focusWidget_);
    label->setGeometry(geometry());
    label->setVisible(!isHidden());
}

// Sized to its caption and named by it once all is read, whatever was asked.
void TLabel::Loaded()
{
    AfterLoading(&TLabel::AdjustBounds);
    AfterLoading(&TLabel::nameFromCaption);
    TGraphicControl::Loaded();
}

void TLabel::nameFromCaption()
{
    SetAccessibleName(FromQt(WithoutMnemonic(ToQt(text_))));
}

void TLabel::TextChanged()
{
    AfterLoading(&TLabel::AdjustBounds);
    updateSelectable();
    updateStandIn();
    AfterLoading(&TLabel::nameFromCaption);
    Invalidate();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AfterLoading(&TLabel::AdjustBounds);
    updateSelectable();
}

void TLabel::Paint(QPainter& p)
{
    if (!transparent_ && !parentColor_)
        p.fillRect(rect(), ColorToQColor(color_));
    // A selectable label's text is drawn by its child.
    if (selectable_)
        return;
    int flags = Qt::TextShowMnemonic | Qt::AlignTop;
    flags |= alignment_ == TAlignment::taCenter         ? Qt::AlignHCenter
             : alignment_ == TAlignment::taRightJustify ? Qt::AlignRight
                                                        : Qt::AlignLeft;
    flags |= wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
    p.setFont(font());
    p.setPen(isEnabled() ? palette().color(QPalette::WindowText)
                         : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.drawText(rect(), flags, ToQt(text_));
}

namespace {
// Names a control of the same window, so it is read once all are made.
PropInfo focusControlProp()
{
    PropInfo p{"FocusControl",
               [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                   ctx.Expect(v, DfmValue::Kind::Ident);
                   auto& label = prop::as<TLabel>(c);
                   TComponent* owner = label.Owner();
                   auto* control = owner ? dynamic_cast<TWinControl*>(owner->FindComponent(v.text)) : nullptr;
                   if (!control)
                       ctx.Fail("no control named");
                   label.SetFocusControl(control);
               },
               [](const TComponent& c) -> std::optional<DfmValue> {
                   const TWinControl* control = prop::as<TLabel>(c).FocusControl();
                   if (!control)
                       return std::nullopt;
                   return DfmValue::Id(control->Name());
               }};
    p.deferred = true;
    return p;
}
} // namespace

const ClassInfo& TLabel::StaticClass()
{
    static const ClassInfo info(
        "TLabel", &TGraphicControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TLabel(o); },
        {
            prop::Enum<TLabel, TAlignment>("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, kAlignNames,
                                           TAlignment::taLeftJustify),
            prop::Bool<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true),
            prop::Str<TLabel>("Caption", &TLabel::Caption, &TLabel::SetCaption),
            focusControlProp(),
            prop::Bool<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false),
            prop::Bool<TLabel>("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false),
        });
    return info;
}

std::string LabelWords(std::string caption)
{
    if (!caption.empty() && caption.back() == ':')
        caption.pop_back();
    return caption;
}
