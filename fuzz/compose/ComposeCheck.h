// Differential check of the composer and the placement against a reference
// written from the rules alone, pixel by pixel, with no shortcut: a colour
// plane and a mask plane, frames applied by their raster operations (a
// transparent frame: image XOR, mask AND, image XOR; an opaque one: copy),
// disposal 2 clearing to black and transparent, disposal 3 giving back what
// lay under the frame when it was drawn.
//
// Check(bytes) builds a picture and a control from the bytes, runs a series of
// draws and disposals on both sides, and returns a description of the first
// disagreement (empty when they agree). The fuzz target aborts on it; the
// composition tests replay the cases it found.
#pragma once

#include "gif/GifComposer.h"
#include "gif/GifDecoder.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace composecheck {

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}
    std::uint8_t Byte() { return p_ < end_ ? *p_++ : 0; }
    bool Done() const { return p_ >= end_; }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

// ---- the reference --------------------------------------------------------

struct Reference {
    const gif::GifPicture* pic = nullptr;
    int w = 0, h = 0;
    bool hasMask = false;
    std::vector<std::uint32_t> colour;     // 0xRRGGBB
    std::vector<std::uint8_t> transparent; // the mask: 1 (white) = transparent
    struct Saved {
        bool valid = false;
        std::vector<std::uint32_t> colour;
        std::vector<std::uint8_t> transparent;
    };
    std::vector<Saved> saved;

    void Reset(const gif::GifPicture& p)
    {
        pic = &p;
        w = p.ImageWidth;
        h = p.ImageHeight;
        hasMask = p.HasTransparency;
        colour.assign(std::size_t(w) * std::size_t(h), 0x000000);     // filled black
        transparent.assign(std::size_t(w) * std::size_t(h), hasMask); // filled white when there is a mask
        saved.assign(p.Frames.size(), Saved{});
    }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    std::size_t At(int x, int y) const { return std::size_t(y) * std::size_t(w) + std::size_t(x); }

    static std::uint32_t FrameColour(const gif::TGIFFrame& f, int fx, int fy)
    {
        const std::uint8_t index = f.Pixels[std::size_t(fy) * std::size_t(f.Width) + std::size_t(fx)];
        if (index >= f.PaletteCount)
            return 0;
        const gif::RGB c = (*f.Colors)[index];
        return std::uint32_t(c.R) << 16 | std::uint32_t(c.G) << 8 | c.B;
    }
    static bool FrameMaskWhite(const gif::TGIFFrame& f, int fx, int fy)
    {
        return (f.Mask[std::size_t(fy) * std::size_t((f.Width + 7) / 8) + std::size_t(fx / 8)] >> (7 - fx % 8)) & 1;
    }

    void Draw(int n)
    {
        if (n < 1 || n > int(pic->Frames.size()))
            return;
        const gif::TGIFFrame& f = *pic->Frames[std::size_t(n - 1)];
        if (f.Disposal == 3) {
            Saved& s = saved[std::size_t(n - 1)];
            s.valid = true;
            s.colour.assign(std::size_t(f.Width) * std::size_t(f.Height), 0);
            s.transparent.assign(std::size_t(f.Width) * std::size_t(f.Height), 0);
            for (int fy = 0; fy < f.Height; ++fy)
                for (int fx = 0; fx < f.Width; ++fx)
                    if (Inside(f.Left + fx, f.Top + fy)) {
                        s.colour[std::size_t(fy * f.Width + fx)] = colour[At(f.Left + fx, f.Top + fy)];
                        s.transparent[std::size_t(fy * f.Width + fx)] = transparent[At(f.Left + fx, f.Top + fy)];
                    }
        }
        for (int fy = 0; fy < f.Height; ++fy)
            for (int fx = 0; fx < f.Width; ++fx) {
                const int x = f.Left + fx, y = f.Top + fy;
                if (!Inside(x, y))
                    continue;
                const std::uint32_t image = FrameColour(f, fx, fy);
                if (f.Transparent) {
                    const bool white = FrameMaskWhite(f, fx, fy);
                    transparent[At(x, y)] = transparent[At(x, y)] && white; // AND of two masks
                    const std::uint32_t maskAsColour = white ? 0xFFFFFF : 0x000000;
                    colour[At(x, y)] = ((colour[At(x, y)] ^ image) & maskAsColour) ^ image;
                } else {
                    if (hasMask)
                        transparent[At(x, y)] = false; // filled black: opaque
                    colour[At(x, y)] = image;
                }
            }
    }

    void Dispose(int n)
    {
        if (n < 1 || n > int(pic->Frames.size()))
            return;
        const gif::TGIFFrame& f = *pic->Frames[std::size_t(n - 1)];
        const Saved& s = saved[std::size_t(n - 1)];
        if (f.Disposal == 3 && !s.valid)
            return; // never drawn: nothing saved to give back
        for (int fy = 0; fy < f.Height; ++fy)
            for (int fx = 0; fx < f.Width; ++fx) {
                const int x = f.Left + fx, y = f.Top + fy;
                if (!Inside(x, y))
                    continue;
                if (f.Disposal == 2) {
                    if (hasMask)
                        transparent[At(x, y)] = true;
                    colour[At(x, y)] = 0;
                } else if (f.Disposal == 3) {
                    if (hasMask)
                        transparent[At(x, y)] = s.transparent[std::size_t(fy * f.Width + fx)];
                    colour[At(x, y)] = s.colour[std::size_t(fy * f.Width + fx)];
                }
            }
    }
};

// The picture as it stood at one moment.
struct Planes {
    std::vector<std::uint32_t> colour;
    std::vector<std::uint8_t> transparent;
    explicit Planes(const Reference& r) : colour(r.colour), transparent(r.transparent) {}
};

// Which picture pixel a control pixel shows, straight from the placement
// rules (-1: none). Stretched pictures are sampled at pixel centres.
struct Shown {
    int x = -1, y = -1;
    bool operator==(const Shown&) const = default;
};

inline int Sample(int c, int start, int span, int size)
{
    const int p = int(std::floor((double(c - start) + 0.5) * double(size) / double(span)));
    return p < 0 ? 0 : p >= size ? size - 1 : p;
}

inline Shown ReferenceShown(const gif::Layout& l, int cx, int cy)
{
    const int cw = l.ControlWidth, ch = l.ControlHeight, iw = l.ImageWidth, ih = l.ImageHeight;
    const bool needsStretch = (l.Stretch || l.StretchRatio) && (cw != iw || ch != ih);
    if (needsStretch) {
        int left = 0, top = 0, right = cw, bottom = ch;
        if (l.StretchRatio && !l.Stretch) {
            const float rx = float(cw) / float(iw), ry = float(ch) / float(ih);
            if (rx > ry) {
                const float m = (float(cw) - float(iw) * ry) * 0.5f;
                left = int(std::nearbyint(m));
                right = int(std::nearbyint(float(cw) - m));
            } else {
                const float m = (float(ch) - float(ih) * rx) * 0.5f;
                top = int(std::nearbyint(m));
                bottom = int(std::nearbyint(float(ch) - m));
            }
        }
        if (cx < left || cx >= right || cy < top || cy >= bottom)
            return {};
        return {Sample(cx, left, right - left, iw), Sample(cy, top, bottom - top, ih)};
    }
    if (l.Tile)
        return {cx % iw, cy % ih};
    const int left = l.Center ? (cw - iw) / 2 : 0, top = l.Center ? (ch - ih) / 2 : 0;
    if (cx - left < 0 || cx - left >= iw || cy - top < 0 || cy - top >= ih)
        return {};
    return {cx - left, cy - top};
}

// The same through the real placement: the last rectangle drawn over a
// control pixel decides what it shows.
inline Shown RealShown(const std::vector<gif::Rect>& placements, int iw, int ih, int cx, int cy)
{
    Shown s;
    for (const gif::Rect& r : placements)
        if (cx >= r.Left && cx < r.Right && cy >= r.Top && cy < r.Bottom)
            s = {Sample(cx, r.Left, r.Width(), iw), Sample(cy, r.Top, r.Height(), ih)};
    return s;
}

// ---- the picture from the bytes ----------------------------------------------

struct Case {
    gif::GifPicture pic;
    gif::Layout layout;
};

inline std::uint8_t Mix(std::uint32_t v)
{
    v ^= v >> 15;
    v *= 0x2C1B3C6Du;
    v ^= v >> 12;
    return std::uint8_t(v);
}

inline void Build(Reader& in, Case& c)
{
    gif::GifPicture& pic = c.pic;
    // Wide enough for the composer's 64-pixel runs, low enough to stay quick.
    const int w = 1 + in.Byte() % 160, h = 1 + in.Byte() % 40;
    const int frames = 1 + in.Byte() % 6;
    const std::uint8_t seed = in.Byte();
    for (int i = 0; i < 256; ++i)
        (*pic.GlobalColorTable)[std::size_t(i)] = {Mix(std::uint32_t(i * 3 + seed * 1024)),
                                                   Mix(std::uint32_t(i * 3 + 1 + seed * 1024)),
                                                   Mix(std::uint32_t(i * 3 + 2 + seed * 1024))};
    pic.ScreenWidth = pic.ImageWidth = w;
    pic.ScreenHeight = pic.ImageHeight = h;
    pic.Version = gif::gvGIF89a;
    for (int n = 0; n < frames; ++n) {
        auto f = std::make_unique<gif::TGIFFrame>();
        const std::uint8_t flags = in.Byte();
        f->Disposal = flags & 3;
        f->Transparent = flags & 4;
        const bool outside = (flags & 0x10) && (flags & 0x20); // reaching past the picture (never from the decoder)
        f->Left = in.Byte() % w;
        f->Top = in.Byte() % h;
        f->Width = 1 + in.Byte() % (outside ? 200 : w - f->Left);
        f->Height = 1 + in.Byte() % (outside ? 48 : h - f->Top);
        if (outside && (flags & 0x40)) {
            f->Left -= 20;
            f->Top -= 20;
        }
        f->TransparentIndex = in.Byte();
        f->PaletteCount = 1 + in.Byte();
        if (flags & 8) {
            f->HasLocalColorTable = true;
            f->LocalColorTable = std::make_unique<gif::ColorTable>();
            const std::uint8_t s = in.Byte();
            for (int i = 0; i < 256; ++i)
                (*f->LocalColorTable)[std::size_t(i)] = {Mix(std::uint32_t(i + s * 7919)),
                                                         Mix(std::uint32_t(i * 5 + s)),
                                                         Mix(std::uint32_t(i * 7 + s * 31))};
            f->Colors = f->LocalColorTable.get();
        } else {
            f->Colors = pic.GlobalColorTable.get();
        }
        const std::size_t area = std::size_t(f->Width) * std::size_t(f->Height);
        f->Pixels.resize(area);
        const std::uint8_t fill = in.Byte();
        const int mode = (flags >> 6) & 1 ? 2 : fill % 2;
        for (std::size_t i = 0; i < area; ++i)
            f->Pixels[i] = mode == 0 ? std::uint8_t(fill >> 1) : mode == 1 ? in.Byte() : std::uint8_t(i * 7 / 3);
        if (f->Transparent) {
            const std::size_t stride = std::size_t(f->MaskStride());
            f->Mask.assign(stride * std::size_t(f->Height), 0);
            const std::uint8_t maskMode = in.Byte() % 5;
            const int run = 1 + in.Byte() % 128; // runs of transparent and opaque pixels
            unsigned bits = 0;
            int left = 0;
            for (int y = 0; y < f->Height; ++y)
                for (int x = 0; x < f->Width; ++x) {
                    bool white = false;
                    switch (maskMode) {
                    case 0:
                        white =
                            f->Pixels[std::size_t(y) * std::size_t(f->Width) + std::size_t(x)] == f->TransparentIndex;
                        break;
                    case 1:
                        if (left == 0) {
                            bits = in.Byte();
                            left = 8;
                        }
                        white = (bits >> --left) & 1;
                        break;
                    case 2: white = (x + y) % 3 != 0; break;
                    case 3: white = (x / run + y) % 2 != 0; break;
                    default: white = true; break;
                    }
                    if (white)
                        f->Mask[std::size_t(y) * stride + std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
                }
            f->TransparentColor = (*f->Colors)[f->TransparentIndex];
            pic.HasTransparency = true;
        }
        pic.Frames.push_back(std::move(f));
    }
    gif::Layout& l = c.layout;
    l.ImageWidth = w;
    l.ImageHeight = h;
    const std::uint8_t lf = in.Byte();
    l.ControlWidth = (lf & 0x10) ? w : 1 + in.Byte() % 96;
    l.ControlHeight = (lf & 0x10) ? h : 1 + in.Byte() % 96;
    l.Center = lf & 1;
    l.Stretch = lf & 2;
    l.StretchRatio = lf & 4;
    l.Tile = lf & 8;
}

// ---- the check ---------------------------------------------------------------------

inline std::string Where(const char* what, int x, int y)
{
    return std::string(what) + " at " + std::to_string(x) + "," + std::to_string(y);
}

// What the screen takes, from the two planes: premultiplied, 0 where transparent.
inline std::uint32_t ScreenPixel(const Reference& ref, std::size_t i)
{
    return ref.hasMask && ref.transparent[i] ? 0u : 0xFF000000u | ref.colour[i];
}

inline std::string Compare(const gif::GifComposer& real, const Reference& ref, const std::string& step, bool accessors)
{
    if (real.Width() != ref.w || real.Height() != ref.h || real.Composite().size() != ref.colour.size())
        return step + ": picture size";
    const std::span<const std::uint32_t> pixels = real.Composite();
    for (std::size_t i = 0; i < pixels.size(); ++i)
        if (pixels[i] != ScreenPixel(ref, i))
            return step + ": " + Where("premultiplied pixel", int(i % std::size_t(ref.w)), int(i / std::size_t(ref.w)));
    if (accessors)
        for (int y = 0; y < ref.h; ++y)
            for (int x = 0; x < ref.w; ++x) {
                const bool t = ref.hasMask && ref.transparent[ref.At(x, y)];
                if (real.TransparentAt(x, y) != t)
                    return step + ": " + Where("mask", x, y);
                if (real.At(x, y) != (0xFF000000u | ref.colour[ref.At(x, y)]))
                    return step + ": " + Where("colour", x, y);
            }
    return {};
}

inline bool In(const std::vector<gif::Rect>& rects, int x, int y)
{
    for (const gif::Rect& r : rects)
        if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
            return true;
    return false;
}

// Every pixel that changed lies in the areas the composer reports, and every
// control pixel showing one lies in the areas the placement maps them to
// (what the control repaints).
inline std::string CheckChanged(const Planes& before, const Reference& after, const std::vector<gif::Rect>& changed,
                                const gif::Layout& l, const std::vector<Shown>& shown, const std::string& step)
{
    for (const gif::Rect& r : changed)
        if (r.Left < 0 || r.Top < 0 || r.Right > after.w || r.Bottom > after.h)
            return step + ": changed area outside the picture";
    auto differs = [&](int x, int y) {
        const std::size_t i = after.At(x, y);
        return before.colour[i] != after.colour[i] || (after.hasMask && before.transparent[i] != after.transparent[i]);
    };
    bool any = false;
    for (int y = 0; y < after.h; ++y)
        for (int x = 0; x < after.w; ++x)
            if (differs(x, y)) {
                any = true;
                if (!In(changed, x, y))
                    return step + ": " + Where("change not reported", x, y);
            }
    if (!any)
        return {};
    std::vector<gif::Rect> repaint;
    for (const gif::Rect& r : changed)
        for (const gif::Rect& m : l.Map(r)) {
            if (m.Left < 0 || m.Top < 0 || m.Right > l.ControlWidth || m.Bottom > l.ControlHeight)
                return step + ": repainted area outside the control";
            repaint.push_back(m);
        }
    for (int cy = 0; cy < l.ControlHeight; ++cy)
        for (int cx = 0; cx < l.ControlWidth; ++cx) {
            const Shown s = shown[std::size_t(cy) * std::size_t(l.ControlWidth) + std::size_t(cx)];
            if (s.x >= 0 && differs(s.x, s.y) && !In(repaint, cx, cy))
                return step + ": " + Where("changed control pixel not repainted", cx, cy);
        }
    return {};
}

inline std::string Check(const std::uint8_t* data, std::size_t size)
{
    Reader in(data, size);
    Case c;
    Build(in, c);
    const gif::Layout& l = c.layout;

    // Placement, pixel by pixel over the control.
    const std::vector<gif::Rect> placements = l.Placements();
    std::vector<Shown> shown;
    for (int cy = 0; cy < l.ControlHeight; ++cy)
        for (int cx = 0; cx < l.ControlWidth; ++cx) {
            shown.push_back(ReferenceShown(l, cx, cy));
            if (!(RealShown(placements, l.ImageWidth, l.ImageHeight, cx, cy) == shown.back()))
                return Where("placement", cx, cy);
        }

    gif::GifComposer real;
    Reference ref;
    real.Reset(c.pic);
    ref.Reset(c.pic);
    // Not compared before the first step: reading a new picture fills it,
    // and the first draw should find it unfilled.
    real.TakeChanged();
    std::string bad;
    Planes since(ref); // as the picture stood when its changes were last taken
    const int frames = c.pic.FrameCount();
    for (int step = 0; bad.empty() && !in.Done() && step < 64; ++step) {
        const std::uint8_t op = in.Byte();
        const int n = (op >> 2) % (frames + 2); // 0 and frames + 1 are out of range
        // Most steps report their changes at once, some leave them to pile up.
        const bool take = (op & 0x80) == 0;
        std::string name;
        switch (op & 3) {
        case 0:
        case 1:
            real.DrawFrame(n);
            ref.Draw(n);
            name = "draw ";
            break;
        case 2:
            real.DisposeFrame(n);
            ref.Dispose(n);
            name = "dispose ";
            break;
        default:
            if ((op >> 2) % 8 != 0)
                continue;
            real.Reset(c.pic);
            ref.Reset(c.pic);
            real.TakeChanged(); // a new picture is repainted whole
            since = Planes(ref);
            continue;
        }
        name += std::to_string(n) + " (step " + std::to_string(step) + ")";
        bad = Compare(real, ref, name, in.Done() || step == 63);
        if (bad.empty() && take) {
            bad = CheckChanged(since, ref, real.TakeChanged(), l, shown, name);
            since = Planes(ref);
        }
    }
    return bad;
}

} // namespace composecheck
