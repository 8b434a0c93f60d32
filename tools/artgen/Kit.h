// Parts that many body plans share: ears, tails, flames, horns, wings, spikes.
// All in the local frame of Ctx.
#pragma once

#include "Creature.h"

namespace artgen::kit {

constexpr float Pi = 3.14159265f;

Colour darker(Colour c, float f = 0.8f);
Colour lighter(Colour c, float t = 0.35f);

// A triangle-ish ear rising from (x, y) at angle `deg` from straight up
// (negative leans left), `len` long and `w` wide at its base; with an inner
// part of colour `inner` when inner.r >= 0.
int ear(Ctx& c, float x, float y, float deg, float len, float w, Colour col, Colour inner, bool round = false);
// A flame: a teardrop of three layers pointing up from (x, y).
void flame(Ctx& c, float x, float y, float h, float w, float lean = 0);
// A pointed horn from (x, y).
int horn(Ctx& c, float x, float y, float deg, float len, float w, Colour col);
// A curved thin tail through three points.
void curve(Ctx& c, Vec2 a, Vec2 b, Vec2 d, float r0, float r1, Colour col, int segments = 6);
// A zigzag lightning tail from (x, y) going up-right.
int boltTail(Ctx& c, float x, float y, float size, Colour col, Colour base);
// A wing: a fan of feathers from the shoulder (x, y), spread towards `deg`.
void featherWing(Ctx& c, float x, float y, float deg, float len, float w, Colour col, Colour tip, int feathers = 4);
// A bat wing with membrane between fingers.
void batWing(Ctx& c, float x, float y, float deg, float len, float w, Colour bone, Colour membrane);
// A row of spikes along an ellipse arc of (cx, cy, rx, ry) between angles a0..a1.
void spikeRow(Ctx& c, float cx, float cy, float rx, float ry, float a0, float a1, int n, float len, float w,
              Colour col);
// Spots laid over part `on`.
void spots(Ctx& c, int on, float cx, float cy, float rx, float ry, float r, Colour col, int n, int seed);
// A fluffy outline: an ellipse with a scalloped rim.
int fluff(Ctx& c, float cx, float cy, float rx, float ry, int bumps, float depth, Colour col, float rot0 = 0);
// Sparks (little zigzags) around a point, as decals.
void sparks(Ctx& c, float cx, float cy, float r, Colour col, int n, int seed);
// Tails by feature (TailThin, TailFlame, TailFluff, TailBolt, TailFin,
// TailCurl, Tails9, TailThick) from the base (x, y) towards the right.
void tails(Ctx& c, float x, float y, float size);

} // namespace artgen::kit
