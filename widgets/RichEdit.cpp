#include "widgets/RichEdit.h"

#include "widgets/ControlSupport.h"
#include "widgets/ProgrammaticChange.h"
#include "widgets/SysUtils.h"

#include <QPainter>
#include <QTextDocument>

TRichEdit::TRichEdit(TComponent* owner) : QPlainTextEdit(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    // The classic box keeps a one-pixel inset, not Qt's four: the layouts
    // count on their full number of lines (the mart list shows 18 in 241).
    document()->setDocumentMargin(1);
    SetBounds(0, 0, 185, 89);
    SetScrollBars(TScrollStyle::ssNone);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!programmatic_)
            lines_.SyncFromWidget();
    });
}

std::string TRichEdit::RichLines::Get(int index) const
{
    CheckIndex(index, Count());
    return lines_[static_cast<std::size_t>(index)];
}

void TRichEdit::RichLines::Put(int index, const std::string& s)
{
    CheckIndex(index, Count());
    lines_[static_cast<std::size_t>(index)] = s;
    rebuild();
}

void TRichEdit::RichLines::Insert(int index, const std::string& s)
{
    CheckIndex(index, Count() + 1);
    // A line of the box is one paragraph: embedded breaks make more lines.
    std::vector<std::string> parts;
    std::string cur;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            parts.push_back(cur);
            cur.clear();
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
        } else {
            cur += s[i];
        }
    }
    parts.push_back(cur);
    const bool append = index == Count();
    lines_.insert(lines_.begin() + index, parts.begin(), parts.end());
    // Appending to a box whose only line is empty would reuse that line.
    if (append && lines_.size() > parts.size() && !edit_->document()->isEmpty()) {
        ProgrammaticChange guard(edit_->programmatic_);
        for (const auto& p : parts)
            edit_->appendPlainText(ToQt(p));
    } else {
        rebuild();
    }
}

void TRichEdit::RichLines::Delete(int index)
{
    CheckIndex(index, Count());
    lines_.erase(lines_.begin() + index);
    rebuild();
}

void TRichEdit::RichLines::Clear()
{
    lines_.clear();
    rebuild();
}

void TRichEdit::RichLines::rebuild()
{
    QString text;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i)
            text += u'\n';
        text += ToQt(lines_[i]);
    }
    ProgrammaticChange guard(edit_->programmatic_);
    edit_->setPlainText(text);
}

void TRichEdit::RichLines::SyncFromWidget()
{
    lines_.clear();
    const QString text = edit_->toPlainText();
    if (text.isEmpty())
        return;
    for (const QString& l : text.split(u'\n'))
        lines_.push_back(FromQt(l));
}

void TRichEdit::SetScrollBars(TScrollStyle s)
{
    scrollBars_ = s;
    const bool v = s == TScrollStyle::ssVertical || s == TScrollStyle::ssBoth;
    const bool h = s == TScrollStyle::ssHorizontal || s == TScrollStyle::ssBoth;
    setVerticalScrollBarPolicy(v ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TRichEdit::SetWordWrap(bool v)
{
    wordWrap_ = v;
    setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool TRichEdit::event(QEvent* e)
{
    const bool handled = QPlainTextEdit::event(e);
    // A read-only box has no caret, and the style's frame of a text box looks
    // the same with the keyboard or without: a ring in the selection colour,
    // two pixels inside the frame's width, says where the keys go.
    if (e->type() == QEvent::Paint && hasFocus()) {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Highlight));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    return handled;
}

void TRichEdit::ColorChanged()
{
    SetBackground(this, QPalette::Base, color_);
}

void TRichEdit::SetReadOnly(bool v)
{
    setReadOnly(v);
    if (v)
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

const ClassInfo& TRichEdit::StaticClass()
{
    static const ClassInfo info(
        "TRichEdit", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TRichEdit(o); },
        {
            prop::Strings<TRichEdit>("Lines.Strings", &TRichEdit::Lines),
            prop::Inert("PlainText", DfmValue::Id("False")),
            prop::Bool<TRichEdit>("ReadOnly", &TRichEdit::ReadOnly, &TRichEdit::SetReadOnly, false),
            prop::Enum<TRichEdit, TScrollStyle>("ScrollBars", &TRichEdit::ScrollBars, &TRichEdit::SetScrollBars,
                                                {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"},
                                                TScrollStyle::ssNone),
            prop::Bool<TRichEdit>("WordWrap", &TRichEdit::WordWrap, &TRichEdit::SetWordWrap, true),
        });
    return info;
}
