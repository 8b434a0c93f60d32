// The 152 creature sprites: each creature is drawn from a body plan and its own
// look (colours, ears, tails, horns, wings ...), sized by its stage in its
// evolution family so that a family grows visibly from form to form.
#pragma once

#include "Gif.h"
#include "Raster.h"

#include <cstdint>
#include <vector>

namespace artgen {

constexpr int SpriteWidth = 88;
constexpr int SpriteHeight = 81;

// The creature's picture, 88 x 81, transparent around the creature. A zoom
// draws it larger for the decorative pictures (a box of 88 x 81 times zoom).
Image drawCreature(int number, float zoom = 1.f);

// The sprite file's bytes: GIF89a, one frame, transparent index 0.
std::vector<uint8_t> creatureGif(int number);

} // namespace artgen
