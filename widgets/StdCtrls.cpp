#include "widgets/StdCtrls.h"

#include "widgets/Forms.h"
#include "widgets/SysUtils.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
const std::vector<std::string> kAlignNames = {"taLeftJustify", "taRightJustify", "taCenter"};

void setBackground(QWidget* w, QPalette::ColorRole role, TColor c)
{
    QPalette pal = w->palette();
    pal.setColor(role, ColorToQColor(c));
    w->setPalette(pal);
}

QString withoutMnemonic(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size())
            ++i;
        else if (s[i] == u'&')
            continue;
        out += s[i];
    }
    return out;
}
} // namespace

// ---- TLabel ----

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
    AdjustBounds();
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
    AdjustBounds();
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
    if (!autoSize_ || Loading())
        return;
    const QFontMetrics fm(font());
    const QString text = withoutMnemonic(ToQt(text_));
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

void TLabel::Loaded()
{
    TGraphicControl::Loaded();
    AdjustBounds();
    SetAccessibleName(FromQt(withoutMnemonic(ToQt(text_))));
}

void TLabel::TextChanged()
{
    AdjustBounds();
    if (!Loading())
        SetAccessibleName(FromQt(withoutMnemonic(ToQt(text_))));
    Invalidate();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::Paint(QPainter& p)
{
    if (!transparent_ && !parentColor_)
        p.fillRect(rect(), ColorToQColor(color_));
    int flags = Qt::TextShowMnemonic | Qt::AlignTop;
    flags |= alignment_ == TAlignment::taCenter        ? Qt::AlignHCenter
             : alignment_ == TAlignment::taRightJustify ? Qt::AlignRight
                                                         : Qt::AlignLeft;
    flags |= wordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine;
    p.setFont(font());
    p.setPen(isEnabled() ? palette().color(QPalette::WindowText)
                         : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.drawText(rect(), flags, ToQt(text_));
}

const ClassInfo& TLabel::StaticClass()
{
    static const ClassInfo info(
        "TLabel", &TGraphicControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TLabel(o); },
        {
            prop::Enum<TLabel, TAlignment>("Alignment", &TLabel::Alignment, &TLabel::SetAlignment, kAlignNames,
                                           TAlignment::taLeftJustify),
            prop::Bool<TLabel>("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize, true),
            prop::Str<TLabel>("Caption", &TLabel::Caption, &TLabel::SetCaption),
            prop::Inert("FocusControl", std::nullopt),
            prop::Bool<TLabel>("Transparent", &TLabel::Transparent, &TLabel::SetTransparent, false),
            prop::Bool<TLabel>("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap, false),
        });
    return info;
}

// ---- TBevel ----

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape s)
{
    if (shape_ != s) {
        shape_ = s;
        Invalidate();
    }
}

void TBevel::SetStyle(TBevelStyle s)
{
    if (style_ != s) {
        style_ = s;
        Invalidate();
    }
}

void TBevel::Paint(QPainter& p)
{
    QColor c1 = ColorToQColor(clBtnShadow), c2 = ColorToQColor(clBtnHighlight);
    if (style_ == TBevelStyle::bsRaised)
        std::swap(c1, c2);
    const int w = width_, h = height_;
    auto box = [&](int x, int y, int bw, int bh, const QColor& tl, const QColor& br) {
        p.setPen(tl);
        p.drawLine(x, y, x + bw - 1, y);
        p.drawLine(x, y, x, y + bh - 1);
        p.setPen(br);
        p.drawLine(x + bw - 1, y, x + bw - 1, y + bh - 1);
        p.drawLine(x, y + bh - 1, x + bw - 1, y + bh - 1);
    };
    switch (shape_) {
    case TBevelShape::bsBox: box(0, 0, w, h, c1, c2); break;
    case TBevelShape::bsFrame:
        box(0, 0, w - 1, h - 1, c1, c1);
        box(1, 1, w - 1, h - 1, c2, c2);
        break;
    case TBevelShape::bsTopLine:
        p.setPen(c1), p.drawLine(0, 0, w - 1, 0);
        p.setPen(c2), p.drawLine(0, 1, w - 1, 1);
        break;
    case TBevelShape::bsBottomLine:
        p.setPen(c1), p.drawLine(0, h - 2, w - 1, h - 2);
        p.setPen(c2), p.drawLine(0, h - 1, w - 1, h - 1);
        break;
    case TBevelShape::bsLeftLine:
        p.setPen(c1), p.drawLine(0, 0, 0, h - 1);
        p.setPen(c2), p.drawLine(1, 0, 1, h - 1);
        break;
    case TBevelShape::bsRightLine:
        p.setPen(c1), p.drawLine(w - 2, 0, w - 2, h - 1);
        p.setPen(c2), p.drawLine(w - 1, 0, w - 1, h - 1);
        break;
    case TBevelShape::bsSpacer: break;
    }
}

const ClassInfo& TBevel::StaticClass()
{
    static const ClassInfo info(
        "TBevel", &TGraphicControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TBevel(o); },
        {
            prop::Enum<TBevel, TBevelShape>(
                "Shape", &TBevel::Shape, &TBevel::SetShape,
                {"bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer"},
                TBevelShape::bsBox),
            prop::Enum<TBevel, TBevelStyle>("Style", &TBevel::Style, &TBevel::SetStyle, {"bsLowered", "bsRaised"},
                                            TBevelStyle::bsLowered),
        });
    return info;
}

// ---- TPicture / TImage ----

namespace {
std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[at + std::size_t(i)];
    return v;
}

// Whether an uncompressed bitmap holds every row its header promises (the
// reader would otherwise hand back rows it never read). Compressed ones end
// where their codes say and are not judged here.
bool bitmapRowsPresent(const std::vector<std::uint8_t>& b)
{
    if (b.size() < 26)
        return false;
    const std::uint64_t offset = le(b, 10, 4);
    const std::uint32_t header = le(b, 14, 4);
    std::uint64_t w = 0, h = 0, bits = 0, compression = 0;
    if (header == 12) {  // the old core header: 16-bit sizes, never compressed
        w = le(b, 18, 2);
        h = le(b, 20, 2);
        bits = le(b, 24, 2);
    } else {
        if (b.size() < 34)
            return false;
        const auto sw = static_cast<std::int32_t>(le(b, 18, 4)), sh = static_cast<std::int32_t>(le(b, 22, 4));
        w = sw < 0 ? 0 - static_cast<std::uint64_t>(sw) : static_cast<std::uint64_t>(sw);
        h = sh < 0 ? 0 - static_cast<std::uint64_t>(sh) : static_cast<std::uint64_t>(sh);
        bits = le(b, 28, 2);
        compression = le(b, 30, 4);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6;  // plain or bit fields
    if (!uncompressed)
        return true;
    const std::uint64_t stride = (w * bits + 31) / 32 * 4;
    return offset + stride * h <= b.size();
}
} // namespace

void TPicture::LoadFromFile(const std::string& path)
{
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('/');
    std::string ext = (dot == std::string::npos || (slash != std::string::npos && dot < slash)) ? "" : path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    const char* format = nullptr;
    const char* invalid = nullptr;
    if (ext == "bmp") {
        format = "BMP";
        invalid = "Bitmap image is not valid";
    } else if (ext == "ico") {
        format = "ICO";
        invalid = "Icon image is not valid";
    } else {
        throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    }
    const auto bytes = ReadWholeFile(path, MaxFileBytes);
    if (!bytes)
        throw EInvalidGraphic(invalid);
    // The format is decided by the extension: the bytes must be that format.
    const bool magicOk = ext == "bmp" ? bytes->size() >= 14 && (*bytes)[0] == 'B' && (*bytes)[1] == 'M'
                                      : bytes->size() >= 6 && (*bytes)[0] == 0 && (*bytes)[1] == 0 && (*bytes)[2] == 1;
    if (!magicOk || (ext == "bmp" && !bitmapRowsPresent(*bytes)))
        throw EInvalidGraphic(invalid);
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes->data()),
                                              static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // The size the header claims, before anything is allocated for it.
    const QSize size = reader.size();
    if (size.isValid() && static_cast<std::uint64_t>(size.width()) * static_cast<std::uint64_t>(size.height()) >
                              MaxPicturePixels)
        throw EInvalidGraphic(invalid);
    // Read into a cleared image of that size, which the reader fills in place:
    // whatever the data does not reach (a compressed bitmap ending early)
    // shows colour 0, not what that memory held before.
    QImage img;
    if (size.isValid() && reader.imageFormat() != QImage::Format_Invalid) {
        img = QImage(size, reader.imageFormat());
        img.fill(0);
    }
    if (!reader.read(&img))
        throw EInvalidGraphic(invalid);
    SetImage(img);
}

void TPicture::Clear()
{
    SetImage(QImage());
}

void TPicture::SetImage(const QImage& img)
{
    image_ = img;
    if (OnChange)
        OnChange();
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    picture_.OnChange = [this] { pictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

void TImage::pictureChanged()
{
    if (autoSize_ && !picture_.Empty())
        SetBounds(left_, top_, picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetAutoSize(bool v)
{
    autoSize_ = v;
    pictureChanged();
}
void TImage::SetCenter(bool v)
{
    center_ = v;
    Invalidate();
}
void TImage::SetStretch(bool v)
{
    stretch_ = v;
    Invalidate();
}
void TImage::SetTransparent(bool v)
{
    transparent_ = v;
    Invalidate();
}

void TImage::Paint(QPainter& p)
{
    if (picture_.Empty())
        return;
    const QImage& img = picture_.Image();
    if (stretch_) {
        p.drawImage(rect(), img);
        return;
    }
    // Unscaled from the top-left corner (or centred); the widget clips.
    QPoint at(0, 0);
    if (center_)
        at = QPoint((width_ - img.width()) / 2, (height_ - img.height()) / 2);
    p.drawImage(at, img);
}

const ClassInfo& TImage::StaticClass()
{
    static const ClassInfo info(
        "TImage", &TGraphicControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TImage(o); },
        {
            prop::Bool<TImage>("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false),
            prop::Bool<TImage>("Center", &TImage::Center, &TImage::SetCenter, false),
            prop::Bool<TImage>("Stretch", &TImage::Stretch, &TImage::SetStretch, false),
            prop::Bool<TImage>("Transparent", &TImage::Transparent, &TImage::SetTransparent, false),
        });
    return info;
}

// ---- TButton / TBitBtn ----

TButton::TButton(TComponent* owner) : QPushButton(nullptr), TWinControl(owner, this)
{
    setAutoDefault(false);
    SetBounds(0, 0, 75, 25);
    connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TButton::TextChanged()
{
    setText(ToQt(text_));
    if (!Loading())
        SetAccessibleName(FromQt(withoutMnemonic(ToQt(text_))));
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
    TWinControl::Loaded();
    SetAccessibleName(FromQt(withoutMnemonic(ToQt(text_))));
    // Default and Cancel buttons answer Enter and Esc anywhere in their window.
    if (TForm* f = ParentForm()) {
        if (default_) {
            auto* s = new QShortcut(QKeySequence(Qt::Key_Return), f->ClientWidget());
            connect(s, &QShortcut::activated, this, [this] { if (isEnabled() && isVisible()) Click(); });
        }
        if (cancel_) {
            auto* s = new QShortcut(QKeySequence(Qt::Key_Escape), f->ClientWidget());
            connect(s, &QShortcut::activated, this, [this] { if (isEnabled() && isVisible()) Click(); });
        }
    }
}

namespace {
const std::vector<std::string> kModalResults = {"mrNone", "mrOk", "mrCancel", "mrAbort", "mrRetry",
                                                "mrIgnore", "mrYes", "mrNo"};
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
    static const ClassInfo info(
        "TButton", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TButton(o); },
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

// ---- TEdit ----

namespace {
// Refuses text the program's code page cannot hold, so what is typed or
// pasted always survives the trip into the program's strings.
class Cp1252Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return FitsCp1252(input) ? Acceptable : Invalid; }
};

QString applyCase(const QString& s, TEditCharCase cc)
{
    QString out = s;
    for (auto& ch : out) {
        const QChar c = cc == TEditCharCase::ecUpperCase ? ch.toUpper() : ch.toLower();
        // Keep a letter whose other case lies outside the code page (µ).
        if (FitsCp1252(QString(c)))
            ch = c;
    }
    return out;
}
} // namespace

TEdit::TEdit(TComponent* owner) : QLineEdit(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    setValidator(new Cp1252Validator(this));
    SetBounds(0, 0, 121, 21);
    connect(this, &QLineEdit::textEdited, this, [this] { userEdited(); });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!Loading() && OnChange)
            Dispatch([this] { OnChange(this); });
    });
}

std::string TEdit::GetText() const
{
    return FromQt(text());
}

void TEdit::SetText(const std::string& t)
{
    const QString q = ToQt(t);
    if (q == text())
        return;
    setText(q);
    // Text set by the program shows from its start, as a classic edit field
    // does; Qt would leave the caret at the end and show a long text's tail.
    setCursorPosition(0);
}

void TEdit::userEdited()
{
    if (charCase_ == TEditCharCase::ecNormal)
        return;
    const QString cased = applyCase(text(), charCase_);
    if (cased != text()) {
        const int pos = cursorPosition();
        setText(cased);
        setCursorPosition(pos);
    }
}

void TEdit::SetCharCase(TEditCharCase c)
{
    if (charCase_ == c)
        return;
    charCase_ = c;
    if (c != TEditCharCase::ecNormal)
        setText(applyCase(text(), c));
}

void TEdit::SetMaxLength(int n)
{
    maxLength_ = std::max(0, n);
    setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

void TEdit::ColorChanged()
{
    setBackground(this, QPalette::Base, color_);
}

const ClassInfo& TEdit::StaticClass()
{
    static const ClassInfo info(
        "TEdit", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TEdit(o); },
        {
            prop::Inert("AutoSelect", DfmValue::Id("True")),
            prop::Enum<TEdit, TEditCharCase>("CharCase", &TEdit::CharCase, &TEdit::SetCharCase,
                                             {"ecNormal", "ecUpperCase", "ecLowerCase"}, TEditCharCase::ecNormal),
            prop::Int<TEdit>("MaxLength", &TEdit::MaxLength, &TEdit::SetMaxLength, 0),
            prop::Bool<TEdit>("ReadOnly", &TEdit::ReadOnly, &TEdit::SetReadOnly, false),
            prop::Str<TEdit>("Text", &TEdit::Text, &TEdit::SetText),
            prop::Event("OnChange", &TEdit::OnChange),
        });
    return info;
}

// ---- TListBox ----

namespace {
class FixedRowDelegate : public QStyledItemDelegate {
public:
    FixedRowDelegate(TListBox* list, QObject* parent) : QStyledItemDelegate(parent), list_(list) {}
    QSize sizeHint(const QStyleOptionViewItem& o, const QModelIndex& i) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(o, i);
        s.setHeight(list_->ItemHeight());
        return s;
    }

private:
    TListBox* list_;
};
} // namespace

int TListItems::Count() const
{
    return list_->count();
}
std::string TListItems::Get(int index) const
{
    CheckIndex(index, Count());
    return FromQt(list_->item(index)->text());
}
void TListItems::Put(int index, const std::string& s)
{
    CheckIndex(index, Count());
    list_->item(index)->setText(ToQt(s));
}
void TListItems::Insert(int index, const std::string& s)
{
    CheckIndex(index, Count() + 1);
    const bool was = list_->programmatic_;
    list_->programmatic_ = true;
    list_->insertItem(index, ToQt(s));
    list_->programmatic_ = was;
}
void TListItems::Delete(int index)
{
    CheckIndex(index, Count());
    const bool was = list_->programmatic_;
    list_->programmatic_ = true;
    delete list_->takeItem(index);
    list_->programmatic_ = was;
}
void TListItems::Clear()
{
    const bool was = list_->programmatic_;
    list_->programmatic_ = true;
    list_->clear();
    list_->programmatic_ = was;
}

TListBox::TListBox(TComponent* owner) : QListWidget(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setItemDelegate(new FixedRowDelegate(this, this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetBounds(0, 0, 121, 97);
    // A line chosen by mouse or keyboard raises OnClick; the program's own
    // selections do not.
    // (Qt also moves the current row without selecting anything, on focus:
    // that is not a choice, so the selection is what counts.)
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!programmatic_ && !Loading())
            Click();
    });
    // A line chosen while the window is blocked (an accessibility action) is
    // put back, so the list never shows a choice that was not acted on.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& chosen, const QItemSelection& left) {
                if (programmatic_ || Loading() || !BlockedByModal())
                    return;
                programmatic_ = true;
                selectionModel()->select(chosen, QItemSelectionModel::Deselect);
                selectionModel()->select(left, QItemSelectionModel::Select);
                programmatic_ = false;
            });
}

TListBox::~TListBox()
{
    programmatic_ = true;
}

int TListBox::ItemIndex() const
{
    // The selected line, which need not be the current one: an accessibility
    // action selects a line without moving the current row.
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.front());
}

void TListBox::SetItemIndex(int index)
{
    if (index >= count())
        index = -1;
    if (index == ItemIndex())
        return;
    programmatic_ = true;
    if (index < 0) {
        setCurrentRow(-1);
        clearSelection();
    } else {
        setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        scrollToItem(item(index));
    }
    programmatic_ = false;
}

void TListBox::SetItemHeight(int h)
{
    itemHeight_ = std::max(1, h);
    doItemsLayout();
}

void TListBox::ColorChanged()
{
    setBackground(this, QPalette::Base, color_);
}

void TListBox::mousePressEvent(QMouseEvent* e)
{
    // A click on the line already selected raises OnClick too.
    const int before = ItemIndex();
    QListWidget::mousePressEvent(e);
    if (e->button() == Qt::LeftButton && before >= 0 && ItemIndex() == before &&
        itemAt(e->position().toPoint()) == item(before))
        Click();
}

const ClassInfo& TListBox::StaticClass()
{
    static const ClassInfo info(
        "TListBox", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TListBox(o); },
        {
            prop::Inert("IntegralHeight", DfmValue::Id("False")),
            prop::Int<TListBox>("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight, std::nullopt),
            prop::Strings<TListBox>("Items.Strings", &TListBox::Items),
            prop::Inert("Sorted", DfmValue::Id("False")),
        });
    return info;
}

// ---- TRichEdit ----

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
        edit_->programmatic_ = true;
        for (const auto& p : parts)
            edit_->appendPlainText(ToQt(p));
        edit_->programmatic_ = false;
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
    edit_->programmatic_ = true;
    edit_->setPlainText(text);
    edit_->programmatic_ = false;
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

void TRichEdit::ColorChanged()
{
    setBackground(this, QPalette::Base, color_);
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

// ---- TComboBox ----

int TComboItems::Count() const
{
    return box_->count();
}
std::string TComboItems::Get(int index) const
{
    CheckIndex(index, Count());
    return FromQt(box_->itemText(index));
}
void TComboItems::Put(int index, const std::string& s)
{
    CheckIndex(index, Count());
    box_->setItemText(index, ToQt(s));
}
void TComboItems::Insert(int index, const std::string& s)
{
    CheckIndex(index, Count() + 1);
    // Qt selects the first entry added to an empty box; ours keep theirs.
    const int sel = box_->currentIndex();
    const QString text = box_->currentText();
    box_->programmatic_ = true;
    box_->insertItem(index, ToQt(s));
    if (sel < 0) {
        box_->setCurrentIndex(-1);
        if (box_->isEditable())
            box_->setEditText(text);
    }
    box_->programmatic_ = false;
    box_->lastIndex_ = box_->currentIndex();
}
void TComboItems::Delete(int index)
{
    CheckIndex(index, Count());
    box_->programmatic_ = true;
    box_->removeItem(index);
    box_->programmatic_ = false;
    box_->lastIndex_ = box_->currentIndex();
}
void TComboItems::Clear()
{
    box_->programmatic_ = true;
    const QString text = box_->currentText();
    box_->clear();
    if (box_->isEditable())
        box_->setEditText(text);
    box_->programmatic_ = false;
    box_->lastIndex_ = -1;
}

TComboBox::TComboBox(TComponent* owner) : QComboBox(nullptr), TWinControl(owner, this)
{
    color_ = clWindow;
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    lineEdit()->setValidator(new Cp1252Validator(this));
    SetBounds(0, 0, 145, 21);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (programmatic_ || finishingEdit_ || index == lastIndex_)
            return;
        lastIndex_ = index;
        Click();
    });
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!programmatic_ && !Loading() && OnChange)
            Dispatch([this] { OnChange(this); });
    });
}

// Qt picks the entry whose text was typed when the edit field is finished
// (Enter, or the focus leaving); typing is not picking, so that raises no
// OnClick. Arrow keys and the drop-down list still pick.
void TComboBox::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    finishingEdit_ += enter;
    QComboBox::keyPressEvent(e);
    finishingEdit_ -= enter;
}

void TComboBox::focusOutEvent(QFocusEvent* e)
{
    ++finishingEdit_;
    QComboBox::focusOutEvent(e);
    --finishingEdit_;
}

void TComboBox::SetItemIndex(int index)
{
    if (index >= count())
        index = -1;
    programmatic_ = true;
    setCurrentIndex(index);
    if (index < 0 && isEditable())
        setEditText(QString());
    programmatic_ = false;
    lastIndex_ = index;
}

std::string TComboBox::GetText() const
{
    return FromQt(currentText());
}

void TComboBox::SetText(const std::string& t)
{
    const QString q = ToQt(t);
    if (q == currentText())
        return;
    programmatic_ = true;
    if (isEditable()) {
        setEditText(q);
    } else {
        setCurrentIndex(findText(q));
    }
    programmatic_ = false;
    if (!Loading() && OnChange)
        Dispatch([this] { OnChange(this); });
}

void TComboBox::SetStyle(TComboBoxStyle s)
{
    style_ = s;
    const QString text = currentText();
    programmatic_ = true;
    setEditable(s == TComboBoxStyle::csDropDown || s == TComboBoxStyle::csSimple);
    if (isEditable()) {
        setInsertPolicy(QComboBox::NoInsert);
        setCompleter(nullptr);
        lineEdit()->setValidator(new Cp1252Validator(this));
        setEditText(text);
    }
    programmatic_ = false;
}

void TComboBox::SetMaxLength(int n)
{
    maxLength_ = std::max(0, n);
    if (lineEdit())
        lineEdit()->setMaxLength(maxLength_ == 0 ? 32767 : maxLength_);
}

void TComboBox::ColorChanged()
{
    setBackground(this, QPalette::Base, color_);
}

const ClassInfo& TComboBox::StaticClass()
{
    static const ClassInfo info(
        "TComboBox", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TComboBox(o); },
        {
            prop::Enum<TComboBox, TComboBoxStyle>(
                "Style", &TComboBox::Style, &TComboBox::SetStyle,
                {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"},
                TComboBoxStyle::csDropDown),
            prop::Int<TComboBox>("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount, 8),
            prop::Inert("ItemHeight", std::nullopt),
            prop::Int<TComboBox>("MaxLength", &TComboBox::MaxLength, &TComboBox::SetMaxLength, 0),
            prop::Inert("Sorted", DfmValue::Id("False")),
            prop::Str<TComboBox>("Text", &TComboBox::Text, &TComboBox::SetText),
            prop::Strings<TComboBox>("Items.Strings", &TComboBox::Items),
            prop::Int<TComboBox>("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex, -1),
            prop::Event("OnChange", &TComboBox::OnChange),
        });
    return info;
}

// ---- TGroupBox ----

TGroupBox::TGroupBox(TComponent* owner) : QGroupBox(nullptr), TWinControl(owner, this)
{
    tabStop_ = false;
    setFocusPolicy(Qt::NoFocus);
    SetBounds(0, 0, 185, 105);
}

void TGroupBox::TextChanged()
{
    setTitle(ToQt(text_));
    SetAccessibleName(FromQt(withoutMnemonic(ToQt(text_))));
}

void TGroupBox::ColorChanged()
{
    setBackground(this, QPalette::Window, color_);
}

void TGroupBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QFontMetrics fm(font());
    const int top = fm.height() / 2;
    const int w = width(), h = height();
    const QColor shadow = ColorToQColor(clBtnShadow), light = ColorToQColor(clBtnHighlight);
    p.setPen(shadow);
    p.drawRect(0, top, w - 2, h - top - 2);
    p.setPen(light);
    p.drawLine(1, top + 1, w - 3, top + 1);
    p.drawLine(1, top + 1, 1, h - 3);
    p.drawLine(0, h - 1, w - 1, h - 1);
    p.drawLine(w - 1, top, w - 1, h - 1);
    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect r(8, 0, std::min(fm.horizontalAdvance(caption) + 4, std::max(0, w - 16)), fm.height());
    p.fillRect(r, palette().color(backgroundRole()));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(r.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

const ClassInfo& TGroupBox::StaticClass()
{
    static const ClassInfo info(
        "TGroupBox", &TWinControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TGroupBox(o); },
        {
            prop::Str<TGroupBox>("Caption", &TGroupBox::Caption, &TGroupBox::SetCaption),
            prop::Bool<TWinControl>("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false),
        });
    return info;
}
