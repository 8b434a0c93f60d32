// GIF encoding for the artwork generator, on giflib (a build tool only: the
// program decodes GIFs with its own decoder). Pictures are described plainly
// (frames of colour indices plus their extensions) so that each file carries
// exactly the GIF features it is meant to exercise.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    auto operator<=>(const Rgb&) const = default;
};

struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<uint8_t> pixels; // width x height indices, top row first
    bool interlaced = false;
    bool control = true;       // write a graphic control extension
    int transparentIndex = -1; // -1: opaque
    int delay = 0;             // hundredths of a second
    int disposal = 0;
    std::vector<Rgb> localTable; // empty: the frame uses the global table
};

struct GifPicture {
    int width = 0, height = 0;
    std::vector<Rgb> globalTable; // a power of two, 2..256 entries
    int background = 0;
    int loopCount = -1;  // >= 0: write a looping application extension
    std::string comment; // written before the first frame when not empty
    std::vector<GifFrame> frames;
};

// Encodes with giflib; throws std::runtime_error on failure.
std::vector<uint8_t> encodeGif(const GifPicture& pic);

// An indexed picture: a palette and one index per pixel.
struct Indexed {
    int w = 0, h = 0;
    std::vector<Rgb> palette;
    std::vector<uint8_t> idx;
};

// Reduces a picture to at most maxColours colours for its opaque pixels
// (median cut when there are more, exact otherwise). Transparent pixels get
// index `transparentIndex` when it is >= 0; the palette is then padded to
// `tableSize` entries (the transparent slot holds `transparentColour`).
Indexed quantize(const Image& img, int tableSize, int transparentIndex, Rgb transparentColour = {255, 255, 255});

// Smallest power of two (at least 2) that holds n entries.
int tableSizeFor(int n);

// One frame covering a whole indexed picture.
GifPicture singleFrame(const Indexed& ix, int transparentIndex, bool interlaced);

} // namespace artgen
