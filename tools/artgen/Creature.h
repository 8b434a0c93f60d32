// How a creature is described and drawn: a body plan, three colours and a set
// of features, drawn in a local frame where a full-grown creature spans x from
// -28 to 28 and y from -56 (top) to 0 (the ground), then scaled by its stage.
#pragma once

#include "Raster.h"

#include <cstdint>
#include <initializer_list>

namespace artgen {

enum class Plan {
    Glitch,   // #000
    Quad,     // four legs, side view facing left
    Biped,    // upright, seen from the front and a little from the left
    Bird,     // side view, wings folded or spread
    Serpent,  // long coiled body
    Fish,     // side view, fins
    Seahorse, // upright swimmer with a curled tail
    Seal,     // lying swimmer with flippers
    Blob,     // a round body with a face (many variants)
    Larva,    // segmented crawler or cocoon
    Flyer,    // small body between spread wings (butterflies, bees, bats)
    Bug,      // crab-like crawler with a mushroom back
    Plant,    // leafy and flowery creatures
    Shell,    // bivalves, spiral shells, domes
    Crab,     // wide body and pincers
    Jelly,    // a dome with tentacles
    Ghost,    // gas and shadows
    Rock,     // a boulder with arms
    Magnet,   // a steel ball with magnets
    Star,     // a five-pointed star with a core
    Poly,     // a creature made of flat facets
};

// Features, combined freely; each plan draws those that suit it.
namespace F {
constexpr uint64_t bit(int n)
{
    return uint64_t(1) << n;
}
constexpr uint64_t EarPoint = bit(0), EarRound = bit(1), EarLong = bit(2), EarFin = bit(3);
constexpr uint64_t Horn = bit(4), Horns2 = bit(5), Crest = bit(6), Mane = bit(7), Antenna = bit(8);
constexpr uint64_t Beak = bit(9), Snout = bit(10), Whisker = bit(11), Gem = bit(12), Cheeks = bit(13);
constexpr uint64_t Bulb = bit(14), Flower = bit(15), ShellBack = bit(16), Spikes = bit(17), Sail = bit(18);
constexpr uint64_t TailThin = bit(19), TailFlame = bit(20), TailFluff = bit(21), TailBolt = bit(22);
constexpr uint64_t TailFin = bit(23), TailCurl = bit(24), Tails9 = bit(25), TailThick = bit(26);
constexpr uint64_t Spots = bit(27), Stripes = bit(28), Belly = bit(29);
constexpr uint64_t Claws = bit(30), Wings = bit(31), WingsBat = bit(32), Fat = bit(33), LongLegs = bit(34);
constexpr uint64_t BigHead = bit(35), Slim = bit(36);
constexpr uint64_t EyeAngry = bit(37), EyeSleepy = bit(38), EyeBig = bit(39), EyeClosed = bit(40), EyeNone = bit(41);
constexpr uint64_t EyeRed = bit(42), EyeBlank = bit(43);
constexpr uint64_t MouthOpen = bit(44), MouthFang = bit(45), MouthGrin = bit(46), Tongue = bit(47);
constexpr uint64_t Flame = bit(48), Sparks = bit(49), Drip = bit(50), Aura = bit(51), Curl = bit(52);
constexpr uint64_t Belt = bit(53), Brows = bit(54), Gloves = bit(55), Stout = bit(56);
constexpr uint64_t Plates = bit(57), Quills = bit(58); // an armoured back; a crest of big spines
} // namespace F

struct Look {
    int number = 0;
    Plan plan = Plan::Blob;
    int variant = 0;
    uint32_t body = 0, accent = 0, belly = 0;
    uint64_t features = 0;
    float size = 0; // 0: from the stage in the family

    bool has(uint64_t f) const { return (features & f) != 0; }
};

const Look& lookOf(int number);

// The drawing context of one creature: local coordinates to pixels, and the
// scene being built.
struct Ctx {
    const Look& look;
    Scene sc;
    float ox = 0, oy = 0, s = 1;
    Colour body, accent, belly;

    Ctx(const Look& l, float originX, float groundY, float scale);

    float X(float x) const { return ox + x * s; }
    float Y(float y) const { return oy + y * s; }
    float L(float v) const { return v * s; }

    Shape eS(float x, float y, float rx, float ry, float rot = 0) const
    {
        return ellipse(X(x), Y(y), L(rx), L(ry), rot);
    }
    Shape cS(float x0, float y0, float x1, float y1, float r0, float r1) const
    {
        return capsule(X(x0), Y(y0), X(x1), Y(y1), L(r0), L(r1));
    }
    Shape pS(std::initializer_list<Vec2> pts, float bevel = 3) const;

    int E(float x, float y, float rx, float ry, Colour c, float rot = 0) { return sc.add(eS(x, y, rx, ry, rot), c); }
    int C(float x0, float y0, float x1, float y1, float r0, float r1, Colour c)
    {
        return sc.add(cS(x0, y0, x1, y1, r0, r1), c);
    }
    int P(std::initializer_list<Vec2> pts, Colour c, float bevel = 3) { return sc.add(pS(pts, bevel), c); }
    int In(int on, const Shape& sh, Colour c) { return sc.inlay(on, sh, c); }

    // Face decals, in local coordinates. r is the eye's radius.
    void eye(float x, float y, float r, float lookX = -0.35f, Colour iris = hex(0x2a1c30));
    void eyes(float x0, float x1, float y, float r, float lookX = -0.35f);
    void mouth(float x, float y, float w);
    void cheek(float x, float y, float r, Colour c);
    void decal(Decal d) { sc.decals.push_back(std::move(d)); }
};

// Body plans, one function each.
void drawGlitch(Ctx& c);
void drawQuad(Ctx& c);
void drawBiped(Ctx& c);
void drawBird(Ctx& c);
void drawSerpent(Ctx& c);
void drawFish(Ctx& c);
void drawSeahorse(Ctx& c);
void drawSeal(Ctx& c);
void drawBlob(Ctx& c);
void drawLarva(Ctx& c);
void drawFlyer(Ctx& c);
void drawBug(Ctx& c);
void drawPlant(Ctx& c);
void drawShell(Ctx& c);
void drawCrab(Ctx& c);
void drawJelly(Ctx& c);
void drawGhost(Ctx& c);
void drawRock(Ctx& c);
void drawMagnet(Ctx& c);
void drawStar(Ctx& c);
void drawPoly(Ctx& c);

} // namespace artgen
