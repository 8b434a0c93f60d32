// Every picture of the program apart from the creature sprites: the rating bars,
// the program icon and the decorative pictures held in the window definitions.
// Each decorative picture carries a fixed set of GIF features (version, table
// size, interlacing, transparency, frames, delays, looping) because the
// program's decoder is exercised by exactly these files.
#pragma once

#include "Gif.h"
#include "Raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace artgen {

constexpr int RatingWidth = 129;
constexpr int RatingHeight = 9;

// The bar for rating 1..6: r sixths of the width filled, the rest an empty track.
Image ratingBar(int rating);

// The program icon as the bytes of an icon file: one 32 x 32 image, 4 bits per
// pixel (16 colours) with its AND mask: 766 bytes.
std::vector<uint8_t> iconFile();
// The same icon as a picture (for contact sheets).
Image iconImage();

// A decorative picture: its file name, the window and control it belongs to,
// and its GIF bytes.
struct Decoration {
    std::string file;       // "treinador.gif"
    std::string definition; // "UnitPrincipal.form", in forms/
    std::string form;       // "Form1"
    std::string control;    // "GIFImage2"
    std::vector<uint8_t> gif;
};

std::vector<uint8_t> trainerGif(); // GIF89a 123 x 134, 256-entry table, opaque
std::vector<uint8_t> martGif();    // 154 x 131, one frame, transparent, 128 entries
std::vector<uint8_t> tmhmGif();    // interlaced 145 x 200, transparent, 64 entries
std::vector<uint8_t> aboutGif();   // interlaced 293 x 187, transparent
std::vector<uint8_t> mascotGif();  // 94 x 61, six frames, delay 100, loops 1000

std::vector<Decoration> decorations();

} // namespace artgen
