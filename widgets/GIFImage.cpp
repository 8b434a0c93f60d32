#include "widgets/GIFImage.h"

#include "text/DefinitionText.h"
#include "widgets/Dispatch.h"
#include "widgets/FormClass.h"
#include "widgets/QtTimerPlatform.h"
#include "widgets/SysUtils.h"

#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <cstring>
#include <new>

namespace {
// Why a load failed: a failed load empties the control without an error, so
// this is where its reason goes. Off by default, as Qt's own categories are;
// QT_LOGGING_RULES="fauneta.gifimage.info=true" prints it.
Q_LOGGING_CATEGORY(lcGifImage, "fauneta.gifimage", QtWarningMsg)
} // namespace

TGIFImage::TGIFImage(TComponent* owner) : TGraphicControl(owner)
{
    color_ = clWindow;
    SetBounds(0, 0, 105, 105);
    // The frame clock: created disabled; its worker sleeps without waking
    // until a picture plays. Ticks reach TimerTick on the window thread.
    TTimerPlatform* platform = TTimerPlatform::Default();
    if (!platform)
        platform = &QtTimerPlatform::Install();
    timer_ = std::make_unique<TTimerEx>(platform);
    timer_->SetEnabled(false);
    timer_->SetOnTimer([this](TTimerEx*) { TimerTick(); });
}

TGIFImage::~TGIFImage()
{
    // The timer first: releasing it joins its worker and drops a tick it may
    // have queued, so none reaches the half-destroyed control.
    timer_.reset();
}

// ---- loading ----

bool TGIFImage::LoadFromFile(const std::string& path)
{
    if (!FileExists(path))
        return false;
    // Read before touching anything: an unreadable file leaves the control as
    // it was. A file too large for the picture's memory budget is not read at
    // all; like any picture that cannot be decoded, it empties the control.
    auto bytes = ReadWholeFile(path, gif::Limits{}.MaxInputBytes());
    if (!bytes) {
        qCInfo(lcGifImage, "%s: over the size limits (more than %llu bytes)", path.c_str(),
               static_cast<unsigned long long>(gif::Limits{}.MaxInputBytes()));
        Clear();
        return false;
    }
    return loadBytes(std::move(*bytes), path);
}

bool TGIFImage::LoadFromStream(TStream& stream)
{
    const std::int64_t size = std::max<std::int64_t>(stream.Size(), 0);
    if (static_cast<std::uint64_t>(size) > gif::Limits{}.MaxInputBytes()) {
        qCInfo(lcGifImage, "stream: over the size limits (more than %llu bytes)",
               static_cast<unsigned long long>(gif::Limits{}.MaxInputBytes()));
        Clear();
        return false;
    }
    stream.SetPosition(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    stream.ReadBuffer(bytes.data(), bytes.size());
    return loadBytes(std::move(bytes), "stream");
}

// The bytes are held once: as RawData while decoding, then as DataBytes (the
// budget counts them so).
bool TGIFImage::loadBytes(std::vector<std::uint8_t> bytes, const std::string& source)
{
    rawData_ = TMemoryStream(std::move(bytes));
    readFailure_.clear();
    bool ok = false;
    try {
        ok = ReadGIF();
    } catch (const Exception& e) {
        // A short read, a failed bitmap, an abort from OnProgress (EAbort) or
        // an error its handler raised: the load fails quietly.
        readFailure_ = e.what();
    } catch (const std::bad_alloc&) {
        readFailure_ = "out of memory";
    } catch (...) {
        // Anything else is a fault, not a bad picture: it goes on to the
        // caller, with the control left empty rather than half loaded.
        Clear();
        throw;
    }
    if (!ok) {
        qCInfo(lcGifImage, "%s: %s", source.c_str(), readFailure_.empty() ? "not a usable GIF" : readFailure_.c_str());
        Clear();
        return false;
    }
    dataBytes_ = std::move(rawData_);
    dataBytes_.SetPosition(0);
    rawData_ = TMemoryStream();
    return true;
}

bool TGIFImage::ReadGIF()
{
    ClearFrames();
    if (rawData_.Size() == 0) {
        readFailure_ = gif::Describe(gif::ReadStatus::NoData);
        return false;
    }
    gif::GifPicture picture;
    gif::GifDecoder decoder(picture);
    decoder.FirstImageOnly = firstImageOnly_;
    if (OnProgress)
        decoder.OnProgress = [this](std::size_t position, std::size_t) {
            rawData_.SetPosition(static_cast<std::int64_t>(position));
            DoProgress(); // raises the silent abort when told to stop
            return keepOnProcessing_;
        };
    if (const gif::ReadResult result = decoder.ReadGIF(rawData_.Bytes()); !result) {
        readFailure_ = gif::Describe(result);
        return false;
    }

    version_ = picture.Version;
    if (autoSize_)
        SetBounds(left_, top_, picture.ImageWidth, picture.ImageHeight);
    anim_.Prepare(std::move(picture));
    // The animation starts with the next paint, when Animate is set.
    updateOpaque();
    InvalidatePicture();
    return true;
}

void TGIFImage::ClearFrames()
{
    anim_.ClearFrames();
    dataBytes_.Clear();
    rawData_.SetPosition(0);
    keepOnProcessing_ = true;
    bitmap_ = QImage();
}

void TGIFImage::Clear()
{
    ClearFrames();
    rawData_.Clear();
    updateOpaque();
    TControl::Invalidate();
}

void TGIFImage::Assign(const TObject* source)
{
    if (!source) {
        Clear();
        return;
    }
    if (const auto* g = dynamic_cast<const TGIFImage*>(source)) {
        if (g->Empty()) {
            Clear();
            return;
        }
        TMemoryStream copy(g->DataBytes().Bytes());
        LoadFromStream(copy);
        return;
    }
    const auto* c = dynamic_cast<const TComponent*>(source);
    throw Exception("Cannot assign a " + (c ? c->ClassName() : std::string("TObject")) + " to a TGIFImage");
}

void TGIFImage::AssignTo(QImage& bitmap) const
{
    bitmap = GetBitmap().copy();
}

const QImage& TGIFImage::GetBitmap() const
{
    if (Empty() || FrameCount() == 0) {
        bitmap_ = QImage();
        return bitmap_;
    }
    if (bitmap_.isNull()) {
        const gif::TGIFFrame& f = anim_.Picture().Frame(1);
        QImage image(f.Width, f.Height, QImage::Format_Indexed8);
        // Every index has an entry: those past the frame's palette show black.
        QList<QRgb> table(256);
        for (int i = 0; i < 256; ++i) {
            const gif::RGB c = f.Color(std::uint8_t(i));
            table[i] = qRgb(c.R, c.G, c.B);
        }
        image.setColorTable(table);
        for (int y = 0; y < f.Height; ++y)
            std::memcpy(image.scanLine(y), &f.Pixels[std::size_t(y) * std::size_t(f.Width)], std::size_t(f.Width));
        bitmap_ = std::move(image);
    }
    return bitmap_;
}

// ---- the frame clock ----

void TGIFImage::TimerTick()
{
    // A picture whose window is hidden (a closed modal window) is not on
    // screen: the clock rests until the next paint starts it again, instead of
    // composing frames nobody sees and waking the program at every frame.
    if (!isVisible()) {
        SetTimerEnabled(false);
        return;
    }
    anim_.TimerTick();
}

void TGIFImage::SetTimerInterval(std::uint32_t ms)
{
    if (timer_)
        timer_->SetInterval(ms);
}

void TGIFImage::SetTimerEnabled(bool enabled)
{
    if (timer_)
        timer_->SetEnabled(enabled);
}

void TGIFImage::Changed()
{
    DoChange();
}

void TGIFImage::WrappedAnimation()
{
    if (OnWrapAnimation)
        OnWrapAnimation(this);
}

// Redraws what the frame step changed, at once: the rectangles of the frame
// just disposed of and the frame drawn, where the placement shows them. Qt
// paints what lies beneath from the parent unless the control covers its
// area (WA_OpaquePaintEvent), into the window's back buffer, which reaches
// the screen in one piece: a frame change does not flicker. (A repaint
// requested on the parent would skip a child that covers the area.)
void TGIFImage::repaintNow()
{
    if (!parent_ || !parentWidget() || !visible_ || painting_)
        return;
    painting_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{painting_};
    const gif::Layout layout = Layout();
    // At a fractional scale factor the picture's edges are rounded to device
    // pixels: a pixel more around each area covers that.
    const qreal dpr = devicePixelRatioF();
    const int margin = dpr == std::floor(dpr) ? 0 : 1;
    QRegion area;
    for (const gif::Rect& changed : anim_.TakeChanged())
        for (const gif::Rect& r : layout.Map(changed))
            area += QRect(r.Left - margin, r.Top - margin, r.Width() + 2 * margin, r.Height() + 2 * margin);
    area &= rect();
    if (!area.isEmpty())
        repaint(area);
}

// The whole control is repainted on the next paint: what changed before is
// included.
void TGIFImage::InvalidatePicture()
{
    anim_.TakeChanged();
    TControl::Invalidate();
}

// ---- embedded data ----

void TGIFImage::ReadData(TStream& stream)
{
    // What is there bounds what is read: the count is checked against it
    // before the picture's bytes are taken.
    std::vector<std::uint8_t> value(static_cast<std::size_t>(stream.Size() - stream.Position()));
    stream.ReadBuffer(value.data(), value.size());
    std::optional<std::vector<std::uint8_t>> bytes = PictureDataBytes(std::move(value));
    if (!bytes)
        throw EReadError();
    if (bytes->empty())
        return;
    dataBytes_ = TMemoryStream(std::move(*bytes));
}

void TGIFImage::WriteData(TStream& stream) const
{
    const std::vector<std::uint8_t> value = PictureDataValue(dataBytes_.Bytes());
    stream.WriteBuffer(value.data(), value.size());
}

void TGIFImage::Loaded()
{
    TGraphicControl::Loaded();
    if (dataBytes_.Size() > 0) {
        TMemoryStream copy(dataBytes_.Bytes());
        LoadFromStream(copy);
    }
}

// ---- properties ----

void TGIFImage::SetAnimate(bool v)
{
    anim_.SetAnimate(v);
}

void TGIFImage::SetAutoSize(bool v)
{
    if (autoSize_ == v)
        return;
    autoSize_ = v;
    if (v && !Empty()) {
        SetBounds(left_, top_, ImageWidth(), ImageHeight());
        TControl::Invalidate();
    }
}

void TGIFImage::SetCenter(bool v)
{
    if (center_ != v) {
        center_ = v;
        updateOpaque();
        TControl::Invalidate();
    }
}

void TGIFImage::SetCurrentFrame(int v)
{
    anim_.SetCurrentFrame(v);
}

void TGIFImage::SetLoop(bool v)
{
    anim_.SetLoop(v);
}

void TGIFImage::SetOpaque(bool v)
{
    if (opaque_ != v) {
        opaque_ = v;
        updateOpaque();
        TControl::Invalidate();
    }
}

void TGIFImage::SetSpeed(int v)
{
    anim_.SetSpeed(v);
}

void TGIFImage::SetStretch(bool v)
{
    if (stretch_ != v) {
        stretch_ = v;
        updateOpaque();
        TControl::Invalidate();
    }
}

void TGIFImage::SetStretchRatio(bool v)
{
    if (stretchRatio_ != v) {
        stretchRatio_ = v;
        updateOpaque();
        TControl::Invalidate();
    }
}

void TGIFImage::SetTile(bool v)
{
    if (tile_ != v) {
        tile_ = v;
        updateOpaque();
        TControl::Invalidate();
    }
}

void TGIFImage::SetVisible(bool v)
{
    if (visible_ == v)
        return;
    visible_ = v;
    updateOpaque();
    TControl::Invalidate();
}

// Visible is the control's own flag: the Qt widget stays shown inside its
// parent so that clicks on the area still arrive while nothing is painted.
void TGIFImage::setVisible(bool visible)
{
    TGraphicControl::setVisible(parentWidget() ? true : visible);
}

void TGIFImage::SetBounds(int left, int top, int width, int height)
{
    TGraphicControl::SetBounds(left, top, width, height);
    updateOpaque();
}

gif::Layout TGIFImage::Layout() const
{
    gif::Layout l;
    l.ControlWidth = width_;
    l.ControlHeight = height_;
    l.ImageWidth = ImageWidth();
    l.ImageHeight = ImageHeight();
    l.Center = center_;
    l.Stretch = stretch_;
    l.StretchRatio = stretchRatio_;
    l.Tile = tile_;
    return l;
}

void TGIFImage::updateOpaque()
{
    const bool loaded = !Empty() && FrameCount() > 0;
    coversClient_ = visible_ && (opaque_ || (loaded && !anim_.DrawnTransparent())) && Layout().CoversClient();
    // Qt then skips painting the parent beneath. At fractional scale factors
    // the control's edge may fall inside a device pixel the picture does not
    // fill, so the parent keeps painting there.
    const qreal dpr = devicePixelRatioF();
    setAttribute(Qt::WA_OpaquePaintEvent, coversClient_ && dpr == std::floor(dpr));
}

// ---- events ----

void TGIFImage::DoChanging()
{
    if (OnChanging)
        OnChanging(this);
}

void TGIFImage::DoChange()
{
    if (OnChange)
        OnChange(this);
}

void TGIFImage::DoProgress()
{
    if (!OnProgress)
        return;
    const auto pos = static_cast<std::int32_t>(rawData_.Position());
    const auto size = static_cast<std::int32_t>(rawData_.Size());
    const auto percent = size > 0 ? static_cast<std::int32_t>(std::lround(100.0 * pos / size)) : 0;
    OnProgress(this, pos, size, percent, keepOnProcessing_);
    if (!keepOnProcessing_)
        Abort();
}

namespace {
TShiftState shiftOf(const QMouseEvent* e)
{
    TShiftState s = 0;
    if (e->modifiers() & Qt::ShiftModifier)
        s |= ssShift;
    if (e->modifiers() & Qt::AltModifier)
        s |= ssAlt;
    if (e->modifiers() & Qt::ControlModifier)
        s |= ssCtrl;
    if (e->buttons() & Qt::LeftButton)
        s |= ssLeft;
    if (e->buttons() & Qt::RightButton)
        s |= ssRight;
    if (e->buttons() & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}
TMouseButton buttonOf(const QMouseEvent* e)
{
    return e->button() == Qt::RightButton    ? TMouseButton::mbRight
           : e->button() == Qt::MiddleButton ? TMouseButton::mbMiddle
                                             : TMouseButton::mbLeft;
}
} // namespace

void TGIFImage::mousePressEvent(QMouseEvent* e)
{
    if (OnMouseDown) {
        const QPoint p = e->position().toPoint();
        Dispatch([&] { OnMouseDown(this, buttonOf(e), shiftOf(e), p.x(), p.y()); });
    }
    TGraphicControl::mousePressEvent(e);
}

void TGIFImage::mouseMoveEvent(QMouseEvent* e)
{
    if (OnMouseMove) {
        const QPoint p = e->position().toPoint();
        Dispatch([&] { OnMouseMove(this, shiftOf(e), p.x(), p.y()); });
    }
    TGraphicControl::mouseMoveEvent(e);
}

void TGIFImage::mouseReleaseEvent(QMouseEvent* e)
{
    if (OnMouseUp) {
        const QPoint p = e->position().toPoint();
        Dispatch([&] { OnMouseUp(this, buttonOf(e), shiftOf(e), p.x(), p.y()); });
    }
    TGraphicControl::mouseReleaseEvent(e);
}

void TGIFImage::paintEvent(QPaintEvent* e)
{
    const bool covered = coversClient_;
    updateOpaque();
    TGraphicControl::paintEvent(e);
    // Qt decided what lies beneath before this paint: paint again with the
    // new decision.
    if (covered != coversClient_)
        update();
    // The timer rule, after every paint: a picture starts playing once it is
    // on screen.
    anim_.ApplyTimerRule();
}

void TGIFImage::Paint(QPainter& painter)
{
    DrawImage(painter);
}

void TGIFImage::DrawImage(QPainter& painter)
{
    if (!visible_)
        return;
    if (opaque_)
        painter.fillRect(QRect(0, 0, width_, height_), ColorToQColor(color_));
    const gif::GifComposer& composer = anim_.Composer();
    if (Empty() || FrameCount() == 0 || composer.Width() == 0 || composer.Height() == 0)
        return;

    // The composed picture itself, without a copy: premultiplied, clear where
    // its mask is. Drawn through the mask when frame 1 is transparent; else
    // opaquely, over black, which shows black wherever it is clear (viewing
    // clear pixels as RGB32 is not drawn alike by every backing store). A
    // picture without transparency is opaque throughout and drawn as is.
    const bool throughMask = anim_.DrawnTransparent();
    const bool overBlack = composer.HasMask() && !throughMask;
    const QImage picture(reinterpret_cast<const uchar*>(composer.Composite().data()), composer.Width(),
                         composer.Height(), qsizetype(composer.Width()) * 4,
                         composer.HasMask() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);

    // Placed on whole device pixels and scaled nearest-neighbour, so the
    // picture stays crisp at any scale factor: the rectangles are mapped to
    // the device, rounded there, and drawn with a transform that is the
    // identity on the device.
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QTransform full = painter.deviceTransform();
    const bool plain = full.type() <= QTransform::TxScale;
    if (plain)
        painter.setWorldTransform(full.inverted() * painter.worldTransform());
    for (const gif::Rect& r : Layout().Placements()) {
        const QRectF logical(r.Left, r.Top, r.Width(), r.Height());
        if (!plain) {
            if (overBlack)
                painter.fillRect(logical, Qt::black);
            painter.drawImage(logical, picture);
            continue;
        }
        const QRectF d = full.mapRect(logical);
        const int x0 = qRound(d.left()), y0 = qRound(d.top()), x1 = qRound(d.right()), y1 = qRound(d.bottom());
        if (x1 <= x0 || y1 <= y0)
            continue;
        const QRect device(x0, y0, x1 - x0, y1 - y0);
        if (overBlack)
            painter.fillRect(device, Qt::black);
        painter.drawImage(device, picture);
    }
    painter.restore();
}

// ---- class information ----

namespace {
PropInfo dataProp()
{
    return {"Data",
            [](TComponent& c, const DfmValue& v, ReadContext& ctx) {
                ctx.Expect(v, DfmValue::Kind::Binary);
                TMemoryStream s(v.bytes);
                try {
                    prop::as<TGIFImage>(c).ReadData(s);
                } catch (const Exception& e) {
                    ctx.Fail(e.Message() + " in Data of", c.Name());
                }
            },
            [](const TComponent& c) -> std::optional<DfmValue> {
                const auto& g = prop::as<TGIFImage>(c);
                if (g.DataBytes().Size() == 0)
                    return std::nullopt;
                TMemoryStream s;
                g.WriteData(s);
                return DfmValue::Bin(s.Bytes());
            }};
}
// Never written to a definition (CurrentFrame, Version): read only to be
// applied (CurrentFrame) or refused (Version is read-only).
PropInfo notStored(PropInfo p)
{
    p.write = nullptr;
    return p;
}
} // namespace

const ClassInfo& TGIFImage::StaticClass()
{
    static const ClassInfo info(
        "TGIFImage", &TGraphicControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TGIFImage(o); },
        {
            prop::Int<TControl>("Width", &TControl::Width, &TControl::SetWidth, 105),
            prop::Int<TControl>("Height", &TControl::Height, &TControl::SetHeight, 105),
            prop::Bool<TGIFImage>("Animate", &TGIFImage::Animate, &TGIFImage::SetAnimate, std::nullopt),
            prop::Bool<TGIFImage>("AutoSize", &TGIFImage::AutoSize, &TGIFImage::SetAutoSize, std::nullopt),
            prop::Bool<TGIFImage>("Center", &TGIFImage::Center, &TGIFImage::SetCenter, std::nullopt),
            notStored(prop::Int<TGIFImage>("CurrentFrame", &TGIFImage::CurrentFrame, &TGIFImage::SetCurrentFrame,
                                           std::nullopt)),
            prop::Bool<TGIFImage>("DoubleBuffered", &TGIFImage::DoubleBuffered, &TGIFImage::SetDoubleBuffered, true),
            prop::Bool<TGIFImage>("FirstImageOnly", &TGIFImage::FirstImageOnly, &TGIFImage::SetFirstImageOnly,
                                  std::nullopt),
            prop::Bool<TGIFImage>("Loop", &TGIFImage::Loop, &TGIFImage::SetLoop, std::nullopt),
            prop::Bool<TGIFImage>("Opaque", &TGIFImage::Opaque, &TGIFImage::SetOpaque, std::nullopt),
            prop::Int<TGIFImage>("Speed", &TGIFImage::Speed, &TGIFImage::SetSpeed, 100),
            prop::Bool<TGIFImage>("Stretch", &TGIFImage::Stretch, &TGIFImage::SetStretch, std::nullopt),
            prop::Bool<TGIFImage>("StretchRatio", &TGIFImage::StretchRatio, &TGIFImage::SetStretchRatio, std::nullopt),
            prop::Bool<TGIFImage>("Tile", &TGIFImage::Tile, &TGIFImage::SetTile, std::nullopt),
            prop::Bool<TGIFImage>("Threaded", &TGIFImage::Threaded, &TGIFImage::SetThreaded, true),
            prop::Enum<TGIFImage, TThreadPriority>(
                "ThreadPriority", &TGIFImage::ThreadPriority, &TGIFImage::SetThreadPriority,
                {"tpIdle", "tpLowest", "tpLower", "tpNormal", "tpHigher", "tpHighest", "tpTimeCritical"},
                TThreadPriority::tpNormal),
            prop::Event("OnChanging", &TGIFImage::OnChanging),
            prop::Event("OnChange", &TGIFImage::OnChange),
            prop::Event("OnProgress", &TGIFImage::OnProgress),
            prop::Event("OnWrapAnimation", &TGIFImage::OnWrapAnimation),
            prop::Event("OnMouseDown", &TGIFImage::OnMouseDown),
            prop::Event("OnMouseMove", &TGIFImage::OnMouseMove),
            prop::Event("OnMouseUp", &TGIFImage::OnMouseUp),
            dataProp(),
        });
    return info;
}
