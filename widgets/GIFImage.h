// TGIFImage: the picture control used for every picture of the program.
//
// The face: the class on the windowless base, its published properties with
// their defaults and stored rules, the embedded picture data (Data: a 32-bit
// little-endian byte count, then the GIF file) kept in DataBytes, the loaded
// step, and the load operations with their results.
//
// Behind it: ReadGIF decodes with gif::GifDecoder; gif::GifAnimation (no Qt)
// holds the frames, the composed picture and the frame clock's rules; this
// class owns the frame clock (a TTimerEx, threaded by default, ticks handed to
// the window thread) and puts the composed picture on screen. Painting uses
// the composed picture only, as it stands (it is kept in the form the screen
// takes), nearest-neighbour when stretched, placed on device pixels so it
// stays crisp at any scale factor. A frame step repaints only what changed.
#pragma once

#include "gif/GifAnimation.h"
#include "gif/TimerEx.h"
#include "widgets/Controls.h"

#include <QImage>

#include <cstdint>
#include <memory>
#include <string>

// The version the decoder read from the header.
using TGIFVersion = gif::TGIFVersion;
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = unsigned;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// Sender, BytesProcessed, BytesToProcess, PercentageProcessed, KeepOnProcessing (in/out).
using TProgressEvent = TEvent<TObject*, std::int32_t, std::int32_t, std::int32_t, bool&>;

class TGIFImage : public TGraphicControl, private gif::AnimationHost {
public:
    explicit TGIFImage(TComponent* owner = nullptr);
    ~TGIFImage() override;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    // Loads a GIF file. A missing file: false, nothing changes. A file that
    // exists but cannot be opened or read: EFOpenError ("Cannot open file
    // <path>"), nothing changes. Bytes that do not decode: the control is
    // cleared and the result is false; no error reaches the caller, and the
    // decoder's reason goes to the logging category "fauneta.gifimage" (off
    // by default). Any other exception from the decoding (a fault in an
    // OnProgress handler) reaches the caller, the control cleared.
    bool LoadFromFile(const std::string& path);
    // As LoadFromFile from the reading on, with the whole stream from position 0.
    bool LoadFromStream(TStream& stream);
    // Makes the control empty and repaints it.
    void Clear();

    // None or an empty picture: Clear; a loaded one: load a copy of its bytes.
    // Anything else: EConvertError.
    void Assign(const TObject* source);
    // The bitmap takes a copy of GetBitmap().
    void AssignTo(QImage& bitmap) const;
    // Frame 1 on its own (8-bit, its palette), made on first use; a null image
    // when empty.
    const QImage& GetBitmap() const;

    // The embedded data format, as the definition's Data property holds it.
    virtual void ReadData(TStream& stream);
    virtual void WriteData(TStream& stream) const;

    // Copy of the GIF bytes of the last successful load (what Data stores).
    const TMemoryStream& DataBytes() const { return dataBytes_; }
    bool Empty() const { return anim_.Empty; }
    int ImageWidth() const { return anim_.ImageWidth; }
    int ImageHeight() const { return anim_.ImageHeight; }
    int FrameCount() const { return anim_.FrameCount(); }
    bool IsAnimated() const { return anim_.IsAnimated(); }
    bool HasTransparency() const { return anim_.HasTransparency(); }
    int LoopCount() const { return anim_.LoopCount(); }
    int LoopIndex() const { return anim_.LoopIndex(); }
    // The composition and animation state (frames, composed picture).
    const gif::GifAnimation& Animation() const { return anim_; }
    // The frame clock: created with the control, disabled until a picture plays.
    TTimerEx& Timer() const { return *timer_; }

    bool Animate() const { return anim_.Animate(); }
    virtual void SetAnimate(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    int CurrentFrame() const { return anim_.CurrentFrame(); }
    virtual void SetCurrentFrame(int v);
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
    bool FirstImageOnly() const { return firstImageOnly_; }
    void SetFirstImageOnly(bool v) { firstImageOnly_ = v; }
    bool Loop() const { return anim_.Loop(); }
    virtual void SetLoop(bool v);
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool v);
    int Speed() const { return anim_.Speed(); }
    virtual void SetSpeed(int v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool StretchRatio() const { return stretchRatio_; }
    void SetStretchRatio(bool v);
    bool Tile() const { return tile_; }
    void SetTile(bool v);
    bool Threaded() const { return timer_->Threaded(); }
    virtual void SetThreaded(bool v) { timer_->SetThreaded(v); }
    TThreadPriority ThreadPriority() const { return timer_->ThreadPriority(); }
    virtual void SetThreadPriority(TThreadPriority p) { timer_->SetThreadPriority(p); }
    TGIFVersion Version() const { return version_; }
    // The control's own flag: False paints nothing but keeps the control in
    // place, still taking mouse input.
    void SetVisible(bool v) override;
    void SetBounds(int left, int top, int width, int height) override;

    // Placement of the picture in the control, from the layout properties.
    gif::Layout Layout() const;
    bool NeedsStretch() const { return Layout().NeedsStretch(); }
    gif::Rect DestRect() const { return Layout().DestRect(); }
    // The control paints its whole area (its parent need not paint beneath).
    bool CoversClient() const { return coversClient_; }
    // Draws the control's area (background and picture) with the painter,
    // whose origin is the control's top left corner.
    void DrawImage(QPainter& painter);

    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;
    TProgressEvent OnProgress;
    TNotifyEvent OnWrapAnimation;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;

    void Loaded() override;

protected:
    // Decodes RawData (positioned at 0) into frames and prepares the picture.
    // Returns false, or raises, when the bytes are not a usable GIF; the
    // caller then clears the control.
    virtual bool ReadGIF();
    // Empty, no frames, timer off, DataBytes emptied, RawData rewound.
    virtual void ClearFrames();
    // The frame clock's tick. While the control is not on screen (its window
    // hidden) the tick stops the clock instead; the next paint restarts it.
    void TimerTick();

    virtual void DoChanging();
    virtual void DoChange();
    // Calls OnProgress with RawData's position and size; a handler that sets
    // KeepOnProcessing to False aborts the load (silently: the load fails).
    virtual void DoProgress();

    void Paint(QPainter& painter) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void setVisible(bool visible) override;
    TColor DefaultColor() const override { return clWindow; }

    TMemoryStream dataBytes_;
    TMemoryStream rawData_;
    // Why the current load failed, for the log (ReadGIF sets it).
    std::string readFailure_;
    gif::GifAnimation anim_{*this};
    // The picture-wide state under the names the face has always used.
    bool& empty_ = anim_.Empty;
    int& imageWidth_ = anim_.ImageWidth;
    int& imageHeight_ = anim_.ImageHeight;
    bool keepOnProcessing_ = true;
    TGIFVersion version_ = gif::gvGIF87a;

private:
    bool loadBytes(std::vector<std::uint8_t> bytes, const std::string& source);
    void updateOpaque();
    void repaintNow();

    // gif::AnimationHost
    void SetTimerInterval(std::uint32_t ms) override;
    void SetTimerEnabled(bool enabled) override;
    void Changing() override { DoChanging(); }
    void Changed() override;
    void WrappedAnimation() override;
    void RepaintNow() override { repaintNow(); }
    void InvalidatePicture() override;

    std::unique_ptr<TTimerEx> timer_;
    bool autoSize_ = false, center_ = false, doubleBuffered_ = true, firstImageOnly_ = false, opaque_ = false,
         stretch_ = false, stretchRatio_ = false, tile_ = false;
    bool coversClient_ = false;
    bool painting_ = false;
    mutable QImage bitmap_; // GetBitmap's cache
};
