// TGIFImage: the picture control used for every picture of the program.
//
// This file is the control's face: the class on the windowless base, its
// published properties with their defaults and stored rules, the embedded
// picture data (Data: a 32-bit little-endian byte count, then the GIF file)
// kept in DataBytes, the loaded step, and the load operations with their
// results. Decoding the bytes into frames is ReadGIF(); composing, painting
// and animating the frames belong to the same class, further down the line.
#pragma once

#include "widgets/Controls.h"

#include <cstdint>
#include <string>

enum class TGIFVersion { gvGIF87a, gvGIF89a };
enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                                  ssDouble = 64 };
using TShiftState = unsigned;

using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// Sender, BytesProcessed, BytesToProcess, PercentageProcessed, KeepOnProcessing (in/out).
using TProgressEvent = TEvent<TObject*, std::int32_t, std::int32_t, std::int32_t, bool&>;

class TGIFImage : public TGraphicControl {
public:
    explicit TGIFImage(TComponent* owner = nullptr);
    ~TGIFImage() override;
    static const ClassInfo& StaticClass();
    const ClassInfo& Class() const override { return StaticClass(); }

    // Loads a GIF file. A missing file: false, nothing changes. A file that
    // exists but cannot be opened or read: EFOpenError ("Cannot open file
    // <path>"), nothing changes. Bytes that do not decode: the control is
    // cleared and the result is false; no error reaches the caller.
    bool LoadFromFile(const std::string& path);
    // As LoadFromFile from the reading on, with the whole stream from position 0.
    bool LoadFromStream(TStream& stream);
    // Makes the control empty and repaints it.
    void Clear();

    // The embedded data format, as the definition's Data property holds it.
    virtual void ReadData(TStream& stream);
    virtual void WriteData(TStream& stream) const;

    // Copy of the GIF bytes of the last successful load (what Data stores).
    const TMemoryStream& DataBytes() const { return dataBytes_; }
    bool Empty() const { return empty_; }
    int ImageWidth() const { return imageWidth_; }
    int ImageHeight() const { return imageHeight_; }
    int FrameCount() const { return frameCount_; }

    bool Animate() const { return animate_; }
    virtual void SetAnimate(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    int CurrentFrame() const { return currentFrame_; }
    virtual void SetCurrentFrame(int v);
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool v) { doubleBuffered_ = v; }
    bool FirstImageOnly() const { return firstImageOnly_; }
    void SetFirstImageOnly(bool v) { firstImageOnly_ = v; }
    bool Loop() const { return loop_; }
    virtual void SetLoop(bool v);
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool v);
    int Speed() const { return speed_; }
    virtual void SetSpeed(int v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool StretchRatio() const { return stretchRatio_; }
    void SetStretchRatio(bool v);
    bool Tile() const { return tile_; }
    void SetTile(bool v);
    bool Threaded() const { return threaded_; }
    virtual void SetThreaded(bool v) { threaded_ = v; }
    TThreadPriority ThreadPriority() const { return threadPriority_; }
    virtual void SetThreadPriority(TThreadPriority p) { threadPriority_ = p; }
    TGIFVersion Version() const { return version_; }
    // The control's own flag: False paints nothing but keeps the control in
    // place, still taking mouse input.
    void SetVisible(bool v) override;

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
    // caller then clears the control. Until the decoder is plugged in here
    // every load fails.
    virtual bool ReadGIF();
    // Empty, no frames, DataBytes emptied, RawData rewound.
    virtual void ClearFrames();

    virtual void DoChanging();
    virtual void DoChange();
    // Calls OnProgress with RawData's position and size; a handler that sets
    // KeepOnProcessing to False aborts the load (silently: the load fails).
    virtual void DoProgress();

    void Paint(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    TColor DefaultColor() const override { return clWindow; }

    TMemoryStream dataBytes_;
    TMemoryStream rawData_;
    bool empty_ = true;
    int imageWidth_ = 0, imageHeight_ = 0;
    int frameCount_ = 0;
    int loopCount_ = 1, loopIndex_ = 1;
    bool firstTick_ = true;
    bool keepOnProcessing_ = true;
    bool hasTransparency_ = false;
    int colorDepth_ = 0;
    TGIFVersion version_ = TGIFVersion::gvGIF87a;

private:
    bool loadBytes(std::vector<std::uint8_t> bytes);

    bool animate_ = false, autoSize_ = false, center_ = false, doubleBuffered_ = true, firstImageOnly_ = false,
         loop_ = false, opaque_ = false, stretch_ = false, stretchRatio_ = false, tile_ = false, threaded_ = true;
    int currentFrame_ = 1;
    int speed_ = 100;
    TThreadPriority threadPriority_ = TThreadPriority::tpNormal;
};
