// Handmade tiny GIFs for the picture control's tests: frames with position,
// disposal, delay and a transparent index, over a fixed palette of plain
// colours that are easy to tell apart in a picture.
#pragma once

#include "tests/gif/GifBuilder.h"

#include <cstdint>
#include <vector>

namespace tiny {

using giftest::Bytes;

// Palette index -> colour (0xAARRGGBB as the composer and Qt's 32-bit images hold it).
enum : unsigned { K = 0, R = 1, G = 2, B = 3, Y = 4, M = 5, C = 6, W = 7 };
constexpr std::uint32_t kColours[8] = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                       0xFFFFFF00, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};

struct Frame {
    int left = 0, top = 0, width = 1, height = 1;
    std::vector<unsigned> pixels; // row-major palette indices
    int disposal = 0;
    int delay = 0;        // hundredths of a second, as the file stores it
    int transparent = -1; // transparent palette index, or -1
    bool control = true;  // write a graphic control extension
};

// A GIF89a picture with the global palette above. loop < 0: no looping
// extension; otherwise its count (0 = endless).
inline Bytes Make(int width, int height, const std::vector<Frame>& frames, int loop = -1)
{
    giftest::GifBuilder b;
    b.Header("89a");
    b.Put16(width);
    b.Put16(height);
    b.Raw({0x80 | 2, 0, 0}); // global table of 8 entries
    for (std::uint32_t c : kColours)
        b.Raw({std::uint8_t(c >> 16), std::uint8_t(c >> 8), std::uint8_t(c)});
    if (loop >= 0)
        b.Loop(loop);
    for (const Frame& f : frames) {
        if (f.control)
            b.Control(f.disposal, f.delay, f.transparent >= 0, f.transparent >= 0 ? f.transparent : 0);
        giftest::Image im;
        im.left = f.left;
        im.top = f.top;
        im.width = f.width;
        im.height = f.height;
        im.pixels = f.pixels;
        im.minCodeSize = 3;
        b.Frame(im);
    }
    b.Trailer();
    return b.bytes;
}

// A frame filled with one colour.
inline Frame Solid(int left, int top, int width, int height, unsigned colour)
{
    Frame f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    f.pixels.assign(std::size_t(width * height), colour);
    return f;
}

} // namespace tiny
