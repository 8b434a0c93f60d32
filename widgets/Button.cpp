#include "widgets/Button.h"

#include "widgets/ControlSupport.h"
#include "widgets/Form.h"
#include "widgets/SysUtils.h"

#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>

TButton::TButton(TComponent* owner) : QPushButton(nullptr), TWinControl(owner, this)
{
    setAutoDefault(false);
    SetBounds(0, 0, 75, 25);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TButton::TextChanged()
{
    setText(ToQt(text_));
    AfterLoading(&TButton::nameFromCaption);
}

void TButton::nameFromCaption()
{
    SetAccessibleName(FromQt(WithoutMnemonic(ToQt(text_))));
}

void TButton::Click()
{
    if (BlockedByModal())
        return;
    if (modalResult_ != mrNone)
        if (TForm* f = ParentForm())
            f->SetModalResult(modalResult_);
    TControl::Click();
}

void TButton::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void TButton::Loaded()
{
    AfterLoading(&TButton::nameFromCaption);
    TWinControl::Loaded();
    // Default and Cancel buttons answer Enter and Esc anywhere in their window.
    if (TForm* f = ParentForm()) {
        if (default_) {
            auto* s = new QShortcut(QKeySequence(Qt::Key_Return), f->ClientWidget());
            connect(s, &QShortcut::activated, this, [this] {
                if (isEnabled() && isVisible())
                    Click();
            });
        }
        if (cancel_) {
            auto* s = new QShortcut(QKeySequence(Qt::Key_Escape), f->ClientWidget());
            connect(s, &QShortcut::activated, this, [this] {
                if (isEnabled() && isVisible())
                    Click();
            });
        }
    }
}

namespace {
const std::vector<std::string> kModalResults = {"mrNone",  "mrOk",     "mrCancel", "mrAbort",
                                                "mrRetry", "mrIgnore", "mrYes",    "mrNo"};
PropInfo modalResultProp()
{
    return {"ModalResult",
            [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                if (v.kind == DfmValue::Kind::Integer) {
                    prop::as<TButton>(c).SetModalResult(static_cast<int>(v.integer));
                    return;
                }
                ctx.Expect(v, DfmValue::Kind::Ident);
                const auto it = std::find(kModalResults.begin(), kModalResults.end(), v.text);
                if (it == kModalResults.end())
                    ctx.Fail("unknown modal result");
                prop::as<TButton>(c).SetModalResult(static_cast<int>(it - kModalResults.begin()));
            },
            [](const TComponent& c) -> std::optional<DfmValue> {
                const int r = prop::as<TButton>(c).ModalResult();
                if (r == 0)
                    return std::nullopt;
                return r < static_cast<int>(kModalResults.size()) ? DfmValue::Id(kModalResults[r]) : DfmValue::Int(r);
            }};
}
} // namespace

const ClassInfo& TButton::StaticClass()
{
    static const ClassInfo info("TButton", &TWinControl::StaticClass(),
                                [](TComponent* o) -> TComponent* { return new TButton(o); },
                                {
                                    prop::Bool<TButton>("Cancel", &TButton::Cancel, &TButton::SetCancel, false),
                                    prop::Str<TButton>("Caption", &TButton::Caption, &TButton::SetCaption),
                                    prop::Bool<TButton>("Default", &TButton::Default, &TButton::SetDefault, false),
                                    modalResultProp(),
                                });
    return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

const ClassInfo& TBitBtn::StaticClass()
{
    static const ClassInfo info(
        "TBitBtn", &TButton::StaticClass(), [](TComponent* o) -> TComponent* { return new TBitBtn(o); },
        {
            prop::Enum<TBitBtn, TBitBtnKind>("Kind", &TBitBtn::Kind, &TBitBtn::SetKind,
                                             {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                                              "bkAbort", "bkRetry", "bkIgnore", "bkAll"},
                                             TBitBtnKind::bkCustom),
            prop::Inert("Layout", DfmValue::Id("blGlyphLeft")),
            prop::Inert("Margin", DfmValue::Int(-1)),
            prop::Inert("NumGlyphs", DfmValue::Int(1)),
            prop::Inert("Spacing", DfmValue::Int(4)),
        });
    return info;
}
