// The composed picture of an animated GIF and where the control places it.
//
// GifComposer keeps the composed picture in the form the screen takes:
// 32-bit premultiplied ARGB (0xAARRGGBB, ImageWidth x ImageHeight, stride
// ImageWidth). The alpha byte is the mask: 0xFF where the picture is opaque,
// and a transparent pixel is 0, black and clear at once. Drawn through the
// mask it is the premultiplied picture as it stands; drawn opaquely it shows
// black wherever the mask is transparent. Nothing is converted to paint it.
//
// Frames and their disposal change it with the pixel effect of the classic
// raster operations on a colour bitmap and a monochrome mask:
//  - a transparent frame: opaque pixels replace the composed ones, transparent
//    ones leave them (the mask stays transparent only where both were);
//  - an opaque frame: its rectangle is copied and turns opaque;
//  - disposal 2: the rectangle turns black, and transparent when the picture
//    has transparency;
//  - disposal 3: what lay under the rectangle when the frame was drawn comes
//    back.
// A picture without transparency is opaque everywhere (its black is opaque).
// Each operation touches only the frame's rectangle, and records it as
// changed, so a repaint can follow the change rather than the picture.
//
// Memory (what the decoder's budget counts, through ComposedBytes):
//  - Reset allocates the picture, ImageWidth x ImageHeight x 4 bytes (the
//    previous one is released first, or kept when it has the same size);
//  - and, for each frame with disposal 3, its saved area: the frame's
//    rectangle inside the picture, Width x Height x 4 bytes at most.
// Nothing else is allocated per picture, and nothing at all per frame step.
//
// Plain C++ without Qt: the control only hands the pixels to the screen.
#pragma once

#include "gif/GifDecoder.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace gif {

// 0xAARRGGBB premultiplied, the layout of a 32-bit image on little-endian machines.
using Pixel32 = std::uint32_t;
static_assert(sizeof(Pixel32) == kComposedPixelBytes, "the load's budget counts these pixels");
constexpr Pixel32 kBlack = 0xFF000000u;
constexpr Pixel32 kClear = 0;

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Empty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

class GifComposer {
public:
    // Black picture, all transparent when the picture has transparency.
    // `picture` must outlive the composer or the next Reset.
    void Reset(const GifPicture& picture);
    // Back to nothing (no picture, no memory held).
    void Release();

    // Frame n (1-based); out-of-range numbers do nothing.
    void DrawFrame(int n);
    void DisposeFrame(int n);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasMask() const { return hasMask_; }
    // The composed picture: premultiplied, row-major, stride Width().
    std::span<const Pixel32> Composite() const
    {
        settle();
        return {composite_.get(), size_};
    }
    bool TransparentAt(int x, int y) const { return (pixel(x, y) >> 24) == 0; }
    // The colour at (x, y) as drawn opaquely: black where transparent.
    Pixel32 At(int x, int y) const { return pixel(x, y) | kBlack; }

    // A copy of the picture: as it stands when `throughMask`, else as drawn
    // opaquely (black and opaque where transparent). `out` holds Width() x
    // Height() pixels, stride Width().
    void Render(Pixel32* out, bool throughMask) const;

    // The areas changed since the last call (picture coordinates, inside the
    // picture), then forgets them. A few rectangles; many become their bounds.
    std::vector<Rect> TakeChanged();

private:
    struct Saved {
        bool valid = false;
        std::vector<Pixel32> image; // the frame's rectangle inside the picture, row-major
    };
    const TGIFFrame* frame(int n) const;
    Pixel32 pixel(int x, int y) const
    {
        settle();
        return composite_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
    }
    // Fills the new picture if no frame has been drawn on it yet.
    void settle() const;
    Pixel32* row(int y) { return &composite_[std::size_t(y) * std::size_t(width_)]; }
    const Pixel32* colours(const TGIFFrame& f);
    void changed(const Rect& r);

    const GifPicture* picture_ = nullptr;
    int width_ = 0, height_ = 0;
    bool hasMask_ = false;
    // Allocated by Reset, filled on first use (pendingFill_): a picture read
    // before anything is drawn on it is black (and clear) all the same.
    std::unique_ptr<Pixel32[]> composite_;
    std::size_t size_ = 0;
    mutable bool pendingFill_ = false;
    std::vector<Saved> saved_; // per frame, for disposal 3
    std::vector<Rect> changed_;
    // The last palette made opaque 32-bit, reused while frames share a table.
    Pixel32 lut_[256] = {};
    const ColorTable* lutTable_ = nullptr;
    int lutCount_ = -1;
};

// ---- placement inside the control ----

struct Layout {
    int ControlWidth = 0, ControlHeight = 0;
    int ImageWidth = 0, ImageHeight = 0;
    bool Center = false, Stretch = false, StretchRatio = false, Tile = false;

    // (Stretch or StretchRatio) and the control's size differs from the picture's.
    bool NeedsStretch() const;
    // The rectangle the picture occupies (the whole client area for Stretch
    // and Tile). StretchRatio keeps proportions: single-precision ratios,
    // margins rounded to nearest with halves to even.
    Rect DestRect() const;
    // Every rectangle the picture is drawn into, in drawing order: one for a
    // stretched or single picture, the cells (partly visible ones included)
    // for Tile.
    std::vector<Rect> Placements() const;
    // Whether the placement covers the whole client area.
    bool CoversClient() const;
    // The control's areas that show the picture's area `r`, inside the client
    // area: moved to each placement, scaled when stretched (a pixel wider on
    // each side, whatever way the scaling rounds). Many tile cells give the
    // whole client area.
    std::vector<Rect> Map(const Rect& r) const;
};

} // namespace gif
