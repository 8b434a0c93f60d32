#include "gif/GifComposer.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace gif {

namespace {

// The part of the frame's rectangle inside the picture (frames always fit, as
// the decoder grows the picture to hold them; kept safe all the same).
Rect clip(const TGIFFrame& f, int w, int h)
{
    return {std::max(f.Left, 0), std::max(f.Top, 0), std::min(f.Left + f.Width, w), std::min(f.Top + f.Height, h)};
}

Rect bounds(const Rect& a, const Rect& b)
{
    return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

bool contains(const Rect& outer, const Rect& inner)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

constexpr std::size_t kMaxChanged = 4;

// Eight indices are read in one load, pixel k in byte k.
static_assert(std::endian::native == std::endian::little);

// Eight pixels through the palette.
inline void lookup8(Pixel32* dst, const std::uint8_t* src, const Pixel32* lut)
{
    std::uint64_t i;
    std::memcpy(&i, src, 8);
#ifdef __SSE2__
    // Four pixels to a store.
    auto px = [&](int k) { return _mm_cvtsi32_si128(int(lut[(i >> (8 * k)) & 0xFF])); };
    const __m128i lo = _mm_unpacklo_epi64(_mm_unpacklo_epi32(px(0), px(1)), _mm_unpacklo_epi32(px(2), px(3)));
    const __m128i hi = _mm_unpacklo_epi64(_mm_unpacklo_epi32(px(4), px(5)), _mm_unpacklo_epi32(px(6), px(7)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), lo);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + 4), hi);
#else
    for (int k = 0; k < 8; ++k)
        dst[k] = lut[(i >> (8 * k)) & 0xFF];
#endif
}

// The same where the mask byte `m` says opaque (bit clear), most significant
// bit first; the others keep what they hold, or, on a picture not yet filled
// (Fresh), take the background. No branch per pixel.
template <bool Fresh>
inline void lookup8Masked(Pixel32* dst, const std::uint8_t* src, const Pixel32* lut, unsigned m, Pixel32 background)
{
    std::uint64_t i;
    std::memcpy(&i, src, 8);
    for (int k = 0; k < 8; ++k) {
        const Pixel32 c = lut[(i >> (8 * k)) & 0xFF];
        dst[k] = (m & (0x80u >> k)) ? (Fresh ? background : dst[k]) : c;
    }
}

// One row of a transparent frame, its columns fx0..fx1 (frame coordinates;
// dst[0] is under fx0). Opaque pixels of the frame replace, transparent ones
// keep (alpha included, so the mask stays transparent only where both were).
// The mask is read 64 pixels, then 8, at a time: runs that are all
// transparent or all opaque need no bit tests.
template <bool Fresh>
void maskedRow(Pixel32* dst, const std::uint8_t* src, const std::uint8_t* mask, int fx0, int fx1, const Pixel32* lut,
               Pixel32 background)
{
    auto keep = [&](int fx, int n) {
        if (Fresh)
            std::fill_n(dst + (fx - fx0), n, background);
    };
    int fx = fx0;
    for (; fx < fx1 && (fx & 7); ++fx)
        if (!(mask[fx >> 3] & (0x80 >> (fx & 7))))
            dst[fx - fx0] = lut[src[fx]];
        else
            keep(fx, 1);
    for (; fx + 64 <= fx1; fx += 64) {
        std::uint64_t m64;
        std::memcpy(&m64, mask + (fx >> 3), 8);
        if (m64 == ~std::uint64_t(0)) {
            keep(fx, 64);
            continue;
        }
        if (m64 == 0) {
            for (int k = 0; k < 64; k += 8)
                lookup8(dst + (fx + k - fx0), src + fx + k, lut);
            continue;
        }
        for (int k = 0; k < 64; k += 8) {
            const std::uint8_t m = std::uint8_t(m64 >> k);
            if (m == 0)
                lookup8(dst + (fx + k - fx0), src + fx + k, lut);
            else if (m != 0xFF)
                lookup8Masked<Fresh>(dst + (fx + k - fx0), src + fx + k, lut, m, background);
            else
                keep(fx + k, 8);
        }
    }
    for (; fx + 8 <= fx1; fx += 8) {
        const std::uint8_t m = mask[fx >> 3];
        if (m == 0)
            lookup8(dst + (fx - fx0), src + fx, lut);
        else if (m != 0xFF)
            lookup8Masked<Fresh>(dst + (fx - fx0), src + fx, lut, m, background);
        else
            keep(fx, 8);
    }
    if (fx < fx1 && fx1 - fx0 >= 8) {
        // The last pixels as the row's last 8, again over some just drawn:
        // those come out the same (opaque ones drawn again, the others kept).
        const int b = fx1 - 8, shift = b & 7;
        const unsigned bits = unsigned(mask[b >> 3]) << 8 | (shift ? mask[(b >> 3) + 1] : 0u);
        lookup8Masked<Fresh>(dst + (b - fx0), src + b, lut, (bits >> (8 - shift)) & 0xFF, background);
    } else if (fx < fx1) {
        // A frame narrower than 8: its pixels, in one mask byte.
        const unsigned m = mask[fx >> 3];
        for (int k = 0; k < fx1 - fx; ++k) {
            const Pixel32 c = lut[src[fx + k]];
            dst[fx + k - fx0] = (m & (0x80u >> k)) ? (Fresh ? background : dst[fx + k - fx0]) : c;
        }
    }
}

} // namespace

void GifComposer::Reset(const GifPicture& picture)
{
    picture_ = &picture;
    width_ = std::max(picture.ImageWidth, 0);
    height_ = std::max(picture.ImageHeight, 0);
    hasMask_ = picture.HasTransparency;
    // Filled black (and clear) when first needed: usually by drawing frame 1,
    // which then writes each pixel once.
    const std::size_t size = std::size_t(width_) * std::size_t(height_);
    if (size != size_) {
        composite_.reset(); // the old one goes before the new one comes
        composite_.reset(new Pixel32[size]);
        size_ = size;
    }
    pendingFill_ = true;
    saved_.clear();
    saved_.resize(picture.Frames.size());
    for (std::size_t i = 0; i < picture.Frames.size(); ++i) {
        const TGIFFrame& f = *picture.Frames[i];
        const Rect s = clip(f, width_, height_);
        if (f.Disposal == 3 && !s.Empty())
            saved_[i].image.resize(std::size_t(s.Width()) * std::size_t(s.Height()));
    }
    changed_.clear();
    changed_.push_back({0, 0, width_, height_});
    lutTable_ = nullptr;
}

void GifComposer::Release()
{
    picture_ = nullptr;
    width_ = height_ = 0;
    hasMask_ = false;
    composite_.reset();
    size_ = 0;
    pendingFill_ = false;
    std::vector<Saved>().swap(saved_);
    changed_.clear();
    lutTable_ = nullptr;
}

const TGIFFrame* GifComposer::frame(int n) const
{
    if (!picture_ || n < 1 || n > picture_->FrameCount())
        return nullptr;
    return &picture_->Frame(n);
}

// The frame's palette as opaque 32-bit colours; indices past it are black.
const Pixel32* GifComposer::colours(const TGIFFrame& f)
{
    if (lutTable_ != f.Colors || lutCount_ != f.PaletteCount) {
        const ColorTable& table = *f.Colors;
        const int count = std::clamp(f.PaletteCount, 0, 256);
        for (int i = 0; i < count; ++i)
            lut_[i] = kBlack | Pixel32(table[std::size_t(i)].R) << 16 | Pixel32(table[std::size_t(i)].G) << 8 |
                      Pixel32(table[std::size_t(i)].B);
        std::fill(lut_ + count, lut_ + 256, kBlack);
        lutTable_ = f.Colors;
        lutCount_ = f.PaletteCount;
    }
    return lut_;
}

void GifComposer::changed(const Rect& r)
{
    for (Rect& c : changed_) {
        if (contains(c, r))
            return;
        if (contains(r, c)) {
            c = r;
            return;
        }
    }
    if (changed_.size() < kMaxChanged) {
        changed_.push_back(r);
        return;
    }
    Rect all = r;
    for (const Rect& c : changed_)
        all = bounds(all, c);
    changed_.assign(1, all);
}

std::vector<Rect> GifComposer::TakeChanged()
{
    std::vector<Rect> out;
    out.swap(changed_);
    return out;
}

void GifComposer::DrawFrame(int n)
{
    const TGIFFrame* f = frame(n);
    if (!f)
        return;
    const Rect s = clip(*f, width_, height_);
    if (s.Empty())
        return;
    changed(s);
    const std::size_t span = std::size_t(s.Width());

    if (f->Disposal == 3) {
        // What lies under the frame, for its disposal.
        settle();
        Saved& sv = saved_[std::size_t(n - 1)];
        for (int y = s.Top; y < s.Bottom; ++y)
            std::memcpy(&sv.image[std::size_t(y - s.Top) * span], row(y) + s.Left, span * sizeof(Pixel32));
        sv.valid = true;
    }
    // The first frame on a new picture fills the background around it and
    // under its transparent pixels as it goes, instead of after a fill of its own.
    const bool fresh = pendingFill_;
    pendingFill_ = false;
    const Pixel32 background = hasMask_ ? kClear : kBlack;
    if (fresh)
        for (int y = 0; y < height_; ++y) {
            if (y < s.Top || y >= s.Bottom) {
                std::fill_n(row(y), width_, background);
                continue;
            }
            std::fill_n(row(y), s.Left, background);
            std::fill_n(row(y) + s.Right, width_ - s.Right, background);
        }

    const Pixel32* lut = colours(*f);
    const int fx0 = s.Left - f->Left, fx1 = s.Right - f->Left;
    for (int y = s.Top; y < s.Bottom; ++y) {
        const int fy = y - f->Top;
        const std::uint8_t* src = &f->Pixels[std::size_t(fy) * std::size_t(f->Width)];
        // dst[fx - fx0] is the picture pixel under the frame's column fx.
        Pixel32* const dst = row(y) + s.Left;
        if (f->Transparent) {
            const std::uint8_t* mask = &f->Mask[std::size_t(fy) * std::size_t(f->MaskStride())];
            if (fresh)
                maskedRow<true>(dst, src, mask, fx0, fx1, lut, background);
            else
                maskedRow<false>(dst, src, mask, fx0, fx1, lut, background);
            continue;
        }
        int fx = fx0;
        for (; fx + 8 <= fx1; fx += 8)
            lookup8(dst + (fx - fx0), src + fx, lut);
        if (fx < fx1 && fx1 - fx0 >= 8) {
            // The last pixels as the row's last 8, again over some just
            // drawn: they come out the same.
            lookup8(dst + (fx1 - 8 - fx0), src + fx1 - 8, lut);
            continue;
        }
        for (; fx < fx1; ++fx)
            dst[fx - fx0] = lut[src[fx]];
    }
}

void GifComposer::DisposeFrame(int n)
{
    const TGIFFrame* f = frame(n);
    if (!f)
        return;
    const Rect s = clip(*f, width_, height_);
    if (s.Empty())
        return;
    settle();
    const std::size_t span = std::size_t(s.Width());
    switch (f->Disposal) {
    case 2:
        changed(s);
        for (int y = s.Top; y < s.Bottom; ++y)
            std::fill_n(row(y) + s.Left, span, hasMask_ ? kClear : kBlack);
        break;
    case 3: {
        // A frame never drawn has nothing to give back.
        const Saved& sv = saved_[std::size_t(n - 1)];
        if (!sv.valid)
            break;
        changed(s);
        for (int y = s.Top; y < s.Bottom; ++y)
            std::memcpy(row(y) + s.Left, &sv.image[std::size_t(y - s.Top) * span], span * sizeof(Pixel32));
        break;
    }
    default: break;
    }
}

void GifComposer::settle() const
{
    if (!pendingFill_)
        return;
    std::fill_n(composite_.get(), size_, hasMask_ ? kClear : kBlack);
    pendingFill_ = false;
}

void GifComposer::Render(Pixel32* out, bool throughMask) const
{
    settle();
    if (throughMask || !hasMask_) {
        std::memcpy(out, composite_.get(), size_ * sizeof(Pixel32));
        return;
    }
    for (std::size_t i = 0; i < size_; ++i)
        out[i] = composite_[i] | kBlack;
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
            out = std::lrint(v); // to nearest, halves to even (the default rounding mode)
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

std::vector<Rect> Layout::Map(const Rect& r) const
{
    const Rect client{0, 0, ControlWidth, ControlHeight};
    auto inClient = [&](Rect m, std::vector<Rect>& out) {
        m = {std::max(m.Left, 0), std::max(m.Top, 0), std::min(m.Right, ControlWidth),
             std::min(m.Bottom, ControlHeight)};
        if (!m.Empty())
            out.push_back(m);
    };
    std::vector<Rect> out;
    if (r.Empty() || ImageWidth <= 0 || ImageHeight <= 0)
        return out;
    if (NeedsStretch()) {
        const Rect d = DestRect();
        if (d.Empty())
            return out;
        // Scaled outwards, then a pixel more on each side for the rounding of
        // whoever samples the picture.
        auto lo = [](int v, int to, int from) { return int(std::int64_t(v) * to / from) - 1; };
        auto hi = [](int v, int to, int from) { return int((std::int64_t(v) * to + from - 1) / from) + 1; };
        inClient({d.Left + lo(r.Left, d.Width(), ImageWidth), d.Top + lo(r.Top, d.Height(), ImageHeight),
                  d.Left + hi(r.Right, d.Width(), ImageWidth), d.Top + hi(r.Bottom, d.Height(), ImageHeight)},
                 out);
        return out;
    }
    if (Tile) {
        const int cols = ControlWidth / ImageWidth + 1, rows = ControlHeight / ImageHeight + 1;
        if (std::int64_t(cols) * rows > 64) {
            out.push_back(client);
            return out;
        }
        for (int row = 0; row < rows; ++row)
            for (int col = 0; col < cols; ++col)
                inClient({r.Left + col * ImageWidth, r.Top + row * ImageHeight, r.Right + col * ImageWidth,
                          r.Bottom + row * ImageHeight},
                         out);
        return out;
    }
    const Rect d = DestRect();
    inClient({r.Left + d.Left, r.Top + d.Top, r.Right + d.Left, r.Bottom + d.Top}, out);
    return out;
}

bool Layout::CoversClient() const
{
    const Rect d = DestRect();
    const Rect clipped{std::max(d.Left, 0), std::max(d.Top, 0), std::min(d.Right, ControlWidth),
                       std::min(d.Bottom, ControlHeight)};
    return clipped == Rect{0, 0, ControlWidth, ControlHeight};
}

} // namespace gif
