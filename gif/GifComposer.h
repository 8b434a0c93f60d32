// The composed picture of an animated GIF and where the control places it.
//
// GifComposer keeps Composite (32-bit colour, ImageWidth x ImageHeight) and,
// when some frame is transparent, CompositeMask (1 bit per pixel, set =
// transparent), and applies frames and their disposal to them. The pixel
// effect is that of the classic raster operations on a colour bitmap and a
// monochrome mask:
//  - a transparent frame: opaque pixels replace the composed ones, transparent
//    ones leave them; the mask is ANDed with the frame's mask;
//  - an opaque frame: its rectangle is copied, the mask there turns opaque;
//  - disposal 2: the rectangle turns black and transparent;
//  - disposal 3: what lay under the rectangle before the frame was drawn comes
//    back.
// So the composed picture is black wherever the mask says transparent, and it
// can be drawn either opaquely or through the mask.
//
// Plain C++ without Qt: the control only hands the result to the screen.
#pragma once

#include "gif/GifDecoder.h"

#include <cstdint>
#include <vector>

namespace gif {

// 0xAARRGGBB, the layout of a 32-bit image on little-endian machines.
using Pixel32 = std::uint32_t;
constexpr Pixel32 kBlack = 0xFF000000u;

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

    // Changes with every change of the composed picture.
    std::uint64_t Generation() const { return generation_; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool HasMask() const { return hasMask_; }
    // Row-major, stride Width(); alpha is always 0xFF.
    const std::vector<Pixel32>& Composite() const { return composite_; }
    // Same layout as TGIFFrame::Mask: MSB first, stride MaskStride(). Empty
    // without transparency.
    const std::vector<std::uint8_t>& CompositeMask() const { return mask_; }
    int MaskStride() const { return (width_ + 7) / 8; }
    bool TransparentAt(int x, int y) const
    {
        return hasMask_ && (mask_[std::size_t(y) * std::size_t(MaskStride()) + std::size_t(x / 8)] & (0x80 >> (x % 8)));
    }
    Pixel32 At(int x, int y) const { return composite_[std::size_t(y) * std::size_t(width_) + std::size_t(x)]; }

    // The picture ready for a premultiplied 32-bit surface: Composite where
    // opaque; 0 (nothing) where the mask is transparent when `throughMask`.
    // `out` holds Width() x Height() pixels, stride Width().
    void Render(Pixel32* out, bool throughMask) const;

private:
    struct Saved {
        bool valid = false;
        std::vector<Pixel32> image;
        std::vector<std::uint8_t> mask;  // the frame's rectangle, in the frame's mask layout
    };
    const TGIFFrame* frame(int n) const;
    void setMask(int x, int y, bool transparent);

    const GifPicture* picture_ = nullptr;
    int width_ = 0, height_ = 0;
    bool hasMask_ = false;
    std::vector<Pixel32> composite_;
    std::vector<std::uint8_t> mask_;
    std::vector<Saved> saved_;  // per frame, for disposal 3
    std::uint64_t generation_ = 0;
};

// ---- placement inside the control ----

struct Rect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

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
};

}  // namespace gif
