#include "gif/GifComposer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gif {

namespace {

bool bitAt(const std::uint8_t* row, int x) { return row[x / 8] & (0x80 >> (x % 8)); }

void putBit(std::uint8_t* row, int x, bool v)
{
    const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
    if (v)
        row[x / 8] |= bit;
    else
        row[x / 8] &= std::uint8_t(~bit);
}

// The frame's palette as opaque 32-bit colours; indices past the palette are black.
void colours(const TGIFFrame& f, Pixel32 (&lut)[256])
{
    for (int i = 0; i < 256; ++i) {
        const RGB c = f.Color(std::uint8_t(i));
        lut[i] = kBlack | Pixel32(c.R) << 16 | Pixel32(c.G) << 8 | Pixel32(c.B);
    }
}

// The part of the frame's rectangle inside the picture (frames always fit, as
// the decoder grows the picture to hold them; kept safe all the same).
struct Span {
    int x0, y0, x1, y1;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};
Span clip(const TGIFFrame& f, int w, int h)
{
    return {std::max(f.Left, 0), std::max(f.Top, 0), std::min(f.Left + f.Width, w), std::min(f.Top + f.Height, h)};
}

}  // namespace

void GifComposer::Reset(const GifPicture& picture)
{
    picture_ = &picture;
    width_ = std::max(picture.ImageWidth, 0);
    height_ = std::max(picture.ImageHeight, 0);
    hasMask_ = picture.HasTransparency;
    composite_.assign(std::size_t(width_) * std::size_t(height_), kBlack);
    mask_.assign(hasMask_ ? std::size_t(MaskStride()) * std::size_t(height_) : 0, 0xFF);
    saved_.clear();
    saved_.resize(picture.Frames.size());
    ++generation_;
}

void GifComposer::Release()
{
    picture_ = nullptr;
    width_ = height_ = 0;
    hasMask_ = false;
    std::vector<Pixel32>().swap(composite_);
    std::vector<std::uint8_t>().swap(mask_);
    std::vector<Saved>().swap(saved_);
    ++generation_;
}

const TGIFFrame* GifComposer::frame(int n) const
{
    if (!picture_ || n < 1 || n > picture_->FrameCount())
        return nullptr;
    return &picture_->Frame(n);
}

void GifComposer::setMask(int x, int y, bool transparent)
{
    putBit(&mask_[std::size_t(y) * std::size_t(MaskStride())], x, transparent);
}

void GifComposer::DrawFrame(int n)
{
    const TGIFFrame* f = frame(n);
    if (!f)
        return;
    const Span s = clip(*f, width_, height_);
    if (s.empty())
        return;
    ++generation_;

    if (f->Disposal == 3) {
        // What lies under the frame, for its disposal.
        Saved& sv = saved_[std::size_t(n - 1)];
        sv.image.assign(std::size_t(f->Width) * std::size_t(f->Height), kBlack);
        sv.mask.assign(hasMask_ ? std::size_t(f->MaskStride()) * std::size_t(f->Height) : 0, 0);
        for (int y = s.y0; y < s.y1; ++y) {
            const int fy = y - f->Top;
            std::memcpy(&sv.image[std::size_t(fy) * std::size_t(f->Width) + std::size_t(s.x0 - f->Left)],
                        &composite_[std::size_t(y) * std::size_t(width_) + std::size_t(s.x0)],
                        std::size_t(s.x1 - s.x0) * sizeof(Pixel32));
            if (hasMask_)
                for (int x = s.x0; x < s.x1; ++x)
                    putBit(&sv.mask[std::size_t(fy) * std::size_t(f->MaskStride())], x - f->Left, TransparentAt(x, y));
        }
        sv.valid = true;
    }

    Pixel32 lut[256];
    colours(*f, lut);
    for (int y = s.y0; y < s.y1; ++y) {
        const int fy = y - f->Top;
        const std::uint8_t* src = &f->Pixels[std::size_t(fy) * std::size_t(f->Width)];
        Pixel32* dst = &composite_[std::size_t(y) * std::size_t(width_)];
        if (f->Transparent) {
            // Opaque pixels replace, transparent ones keep; the mask stays
            // transparent only where both were.
            const std::uint8_t* fm = &f->Mask[std::size_t(fy) * std::size_t(f->MaskStride())];
            for (int x = s.x0; x < s.x1; ++x) {
                const int fx = x - f->Left;
                if (bitAt(fm, fx))
                    continue;
                dst[x] = lut[src[fx]];
                if (hasMask_)
                    setMask(x, y, false);
            }
        } else {
            for (int x = s.x0; x < s.x1; ++x)
                dst[x] = lut[src[x - f->Left]];
            if (hasMask_)
                for (int x = s.x0; x < s.x1; ++x)
                    setMask(x, y, false);
        }
    }
}

void GifComposer::DisposeFrame(int n)
{
    const TGIFFrame* f = frame(n);
    if (!f)
        return;
    const Span s = clip(*f, width_, height_);
    if (s.empty())
        return;
    ++generation_;
    switch (f->Disposal) {
    case 2:
        for (int y = s.y0; y < s.y1; ++y) {
            std::fill_n(&composite_[std::size_t(y) * std::size_t(width_) + std::size_t(s.x0)], s.x1 - s.x0, kBlack);
            if (hasMask_)
                for (int x = s.x0; x < s.x1; ++x)
                    setMask(x, y, true);
        }
        break;
    case 3: {
        // A frame never drawn has nothing to give back.
        const Saved& sv = saved_[std::size_t(n - 1)];
        if (!sv.valid)
            break;
        for (int y = s.y0; y < s.y1; ++y) {
            const int fy = y - f->Top;
            std::memcpy(&composite_[std::size_t(y) * std::size_t(width_) + std::size_t(s.x0)],
                        &sv.image[std::size_t(fy) * std::size_t(f->Width) + std::size_t(s.x0 - f->Left)],
                        std::size_t(s.x1 - s.x0) * sizeof(Pixel32));
            if (hasMask_)
                for (int x = s.x0; x < s.x1; ++x)
                    setMask(x, y, bitAt(&sv.mask[std::size_t(fy) * std::size_t(f->MaskStride())], x - f->Left));
        }
        break;
    }
    default:
        break;
    }
}

void GifComposer::Render(Pixel32* out, bool throughMask) const
{
    const std::size_t n = composite_.size();
    if (!throughMask || !hasMask_) {
        std::memcpy(out, composite_.data(), n * sizeof(Pixel32));
        return;
    }
    for (int y = 0; y < height_; ++y) {
        const std::uint8_t* m = &mask_[std::size_t(y) * std::size_t(MaskStride())];
        const Pixel32* src = &composite_[std::size_t(y) * std::size_t(width_)];
        Pixel32* dst = out + std::size_t(y) * std::size_t(width_);
        for (int x = 0; x < width_; ++x)
            dst[x] = bitAt(m, x) ? 0u : src[x];
    }
}

// ---- placement ----

bool Layout::NeedsStretch() const
{
    return (Stretch || StretchRatio) && (ControlWidth != ImageWidth || ControlHeight != ImageHeight);
}

Rect Layout::DestRect() const
{
    const Rect client{0, 0, ControlWidth, ControlHeight};
    if (NeedsStretch()) {
        if (Stretch || !StretchRatio)
            return client;
        if (ImageWidth <= 0 || ImageHeight <= 0)
            return client;
        // Single precision throughout, as the margins were always computed.
        const float rx = float(ControlWidth) / float(ImageWidth);
        const float ry = float(ControlHeight) / float(ImageHeight);
        auto round = [](float v, long& out) {
            if (!std::isfinite(v) || std::fabs(v) > 1e9f)
                return false;
            out = std::lrint(v);  // to nearest, halves to even (the default rounding mode)
            return true;
        };
        long a = 0, b = 0;
        if (rx > ry) {
            const float m = (float(ControlWidth) - float(ImageWidth) * ry) * 0.5f;
            if (!round(m, a) || !round(float(ControlWidth) - m, b))
                return client;
            return {int(a), 0, int(b), ControlHeight};
        }
        const float m = (float(ControlHeight) - float(ImageHeight) * rx) * 0.5f;
        if (!round(m, a) || !round(float(ControlHeight) - m, b))
            return client;
        return {0, int(a), ControlWidth, int(b)};
    }
    if (Tile)
        return client;
    if (Center) {
        const int x = (ControlWidth - ImageWidth) / 2, y = (ControlHeight - ImageHeight) / 2;
        return {x, y, x + ImageWidth, y + ImageHeight};
    }
    return {0, 0, ImageWidth, ImageHeight};
}

std::vector<Rect> Layout::Placements() const
{
    if (NeedsStretch())
        return {DestRect()};
    if (Tile && ImageWidth > 0 && ImageHeight > 0) {
        std::vector<Rect> cells;
        // Both bounds inclusive: partly visible cells are drawn too.
        for (int row = 0; row <= ControlHeight / ImageHeight; ++row)
            for (int col = 0; col <= ControlWidth / ImageWidth; ++col)
                cells.push_back({col * ImageWidth, row * ImageHeight, (col + 1) * ImageWidth, (row + 1) * ImageHeight});
        return cells;
    }
    if (Tile)
        return {};
    return {DestRect()};
}

bool Layout::CoversClient() const
{
    const Rect d = DestRect();
    const Rect clipped{std::max(d.Left, 0), std::max(d.Top, 0), std::min(d.Right, ControlWidth),
                       std::min(d.Bottom, ControlHeight)};
    return clipped == Rect{0, 0, ControlWidth, ControlHeight};
}

}  // namespace gif
