#include "gif/GIFImage.h"

#include "widgets/Forms.h"
#include "widgets/SysUtils.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

TGIFImage::TGIFImage(TComponent* owner) : TGraphicControl(owner)
{
    color_ = clWindow;
    SetBounds(0, 0, 105, 105);
}

TGIFImage::~TGIFImage() = default;

// ---- loading ----

bool TGIFImage::LoadFromFile(const std::string& path)
{
    if (!FileExists(path))
        return false;
    // Read before touching anything: an unreadable file leaves the control as it was.
    return loadBytes(ReadWholeFile(path));
}

bool TGIFImage::LoadFromStream(TStream& stream)
{
    stream.SetPosition(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max<std::int64_t>(stream.Size(), 0)));
    stream.ReadBuffer(bytes.data(), bytes.size());
    return loadBytes(std::move(bytes));
}

bool TGIFImage::loadBytes(std::vector<std::uint8_t> bytes)
{
    rawData_ = TMemoryStream(bytes);
    bool ok = false;
    try {
        ok = ReadGIF();
    } catch (...) {
        // A short read, a failed bitmap, an abort from OnProgress: the load
        // fails quietly.
        ok = false;
    }
    if (!ok) {
        Clear();
        return false;
    }
    dataBytes_ = TMemoryStream(std::move(bytes));
    rawData_.Clear();
    return true;
}

bool TGIFImage::ReadGIF()
{
    // The decoder is not plugged in yet: no data decodes.
    return false;
}

void TGIFImage::ClearFrames()
{
    empty_ = true;
    dataBytes_.Clear();
    rawData_.SetPosition(0);
    frameCount_ = 0;
    currentFrame_ = 1;
    loopCount_ = 1;
    loopIndex_ = 1;
    firstTick_ = true;
    keepOnProcessing_ = true;
    colorDepth_ = 0;
    hasTransparency_ = false;
}

void TGIFImage::Clear()
{
    ClearFrames();
    rawData_.Clear();
    imageWidth_ = 0;
    imageHeight_ = 0;
    Invalidate();
}

// ---- embedded data ----

void TGIFImage::ReadData(TStream& stream)
{
    std::uint8_t le[4];
    stream.ReadBuffer(le, 4);
    const std::uint32_t n = le[0] | le[1] << 8 | le[2] << 16 | static_cast<std::uint32_t>(le[3]) << 24;
    if (n == 0)
        return;
    // Check the count against what is there before reserving memory for it.
    if (static_cast<std::int64_t>(n) > stream.Size() - stream.Position())
        throw EReadError();
    std::vector<std::uint8_t> bytes(n);
    stream.ReadBuffer(bytes.data(), n);
    dataBytes_ = TMemoryStream(std::move(bytes));
}

void TGIFImage::WriteData(TStream& stream) const
{
    const auto& bytes = dataBytes_.Bytes();
    const auto n = static_cast<std::uint32_t>(bytes.size());
    const std::uint8_t le[4] = {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                                static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)};
    stream.WriteBuffer(le, 4);
    stream.WriteBuffer(bytes.data(), bytes.size());
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
    animate_ = v;
}

void TGIFImage::SetAutoSize(bool v)
{
    if (autoSize_ == v)
        return;
    autoSize_ = v;
    if (v && !empty_) {
        SetBounds(left_, top_, imageWidth_, imageHeight_);
        Invalidate();
    }
}

void TGIFImage::SetCenter(bool v)
{
    if (center_ != v) {
        center_ = v;
        Invalidate();
    }
}

void TGIFImage::SetCurrentFrame(int v)
{
    currentFrame_ = v;
}

void TGIFImage::SetLoop(bool v)
{
    loop_ = v;
}

void TGIFImage::SetOpaque(bool v)
{
    if (opaque_ != v) {
        opaque_ = v;
        Invalidate();
    }
}

void TGIFImage::SetSpeed(int v)
{
    speed_ = std::max(1, v);
}

void TGIFImage::SetStretch(bool v)
{
    if (stretch_ != v) {
        stretch_ = v;
        Invalidate();
    }
}

void TGIFImage::SetStretchRatio(bool v)
{
    if (stretchRatio_ != v) {
        stretchRatio_ = v;
        Invalidate();
    }
}

void TGIFImage::SetTile(bool v)
{
    if (tile_ != v) {
        tile_ = v;
        Invalidate();
    }
}

void TGIFImage::SetVisible(bool v)
{
    if (visible_ == v)
        return;
    visible_ = v;
    Invalidate();
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
    return e->button() == Qt::RightButton ? TMouseButton::mbRight
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

void TGIFImage::Paint(QPainter& painter)
{
    if (!visible_)
        return;
    if (opaque_)
        painter.fillRect(rect(), ColorToQColor(color_));
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
            prop::Bool<TGIFImage>("StretchRatio", &TGIFImage::StretchRatio, &TGIFImage::SetStretchRatio,
                                  std::nullopt),
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

static const RegisterClassInfo registerGIFImage(TGIFImage::StaticClass());
