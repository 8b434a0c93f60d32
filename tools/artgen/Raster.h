// Pixel-art renderer of the artwork generator: pictures are built from simple
// shaded shapes (ellipses, tapered capsules, bevelled polygons) drawn back to
// front, then outlined, with small pixel decals (eyes, mouths) on top. Every
// step is plain arithmetic on fixed inputs, so the output is the same on every
// build.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace artgen {

struct Colour {
    float r = 0, g = 0, b = 0;
};

Colour hex(uint32_t rgb);
Colour mix(Colour a, Colour b, float t);
Colour scale(Colour c, float f);
// Component-wise product, used to tint shadows towards cool colours.
Colour mul(Colour a, Colour b);

struct Vec2 {
    float x = 0, y = 0;
};
struct Vec3 {
    float x = 0, y = 0, z = 0;
};

// An RGB picture with a binary alpha: 0xAARRGGBB, alpha 0 or 255.
struct Image {
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    Image() = default;
    Image(int width, int height, uint32_t fill = 0) : w(width), h(height), px(size_t(width) * height, fill) {}
    bool in(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
    uint32_t& at(int x, int y) { return px[size_t(y) * w + x]; }
    uint32_t at(int x, int y) const { return px[size_t(y) * w + x]; }
    void set(int x, int y, Colour c);
    void set(int x, int y, uint32_t argb)
    {
        if (in(x, y))
            at(x, y) = argb;
    }
    bool opaque(int x, int y) const { return in(x, y) && (at(x, y) >> 24) != 0; }
};

uint32_t argb(Colour c);
Colour fromArgb(uint32_t v);

enum class ShapeKind { Ellipse, Capsule, Polygon };

struct Shape {
    ShapeKind kind = ShapeKind::Ellipse;
    // Ellipse: centre, radii, rotation in radians.
    float cx = 0, cy = 0, rx = 1, ry = 1, rot = 0;
    // Capsule: a segment with a radius at each end.
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0, r0 = 1, r1 = 1;
    // Polygon: corners in order, and the width of the rounded rim used for shading.
    std::vector<Vec2> pts;
    float bevel = 3;

    bool inside(float x, float y) const;
    // A pseudo-3D surface normal, so flat shapes shade like rounded volumes.
    Vec3 normal(float x, float y) const;
};

Shape ellipse(float cx, float cy, float rx, float ry, float rot = 0);
Shape capsule(float x0, float y0, float x1, float y1, float r0, float r1);
Shape polygon(std::vector<Vec2> pts, float bevel = 3);

struct Part {
    Shape shape;
    Colour colour;
    int clip = -1;      // drawn only over this part (patterns, bellies, spots)
    int shadeFrom = -1; // take the surface normal of this part instead of its own
    bool outline = true;
    float gloss = 0.5f; // 0 matte .. 1 shiny
    int group = -1;     // parts of one group get no outline between them
    bool flat = false;  // no shading at all (glows, flames' cores)
};

// A post-render pixel operation in picture coordinates.
using Decal = std::function<void(Image&)>;

struct Scene {
    std::vector<Part> parts;
    std::vector<Decal> decals;
    Colour outlineTint = hex(0x1a1020);
    float outlineStrength = 0.78f; // how far outlines go from the body colour towards the tint
    bool outerOutline = true;

    int add(const Shape& s, Colour c, bool outline = true)
    {
        Part p;
        p.shape = s;
        p.colour = c;
        p.outline = outline;
        parts.push_back(std::move(p));
        return int(parts.size()) - 1;
    }
    // A pattern laid over part `on`: clipped to it and shaded with its normal.
    int inlay(int on, const Shape& s, Colour c)
    {
        Part p;
        p.shape = s;
        p.colour = c;
        p.clip = on;
        p.shadeFrom = on;
        p.outline = false;
        p.gloss = parts[size_t(on)].gloss;
        parts.push_back(std::move(p));
        return int(parts.size()) - 1;
    }
    Part& last() { return parts.back(); }
};

// Renders a scene into a w x h picture, transparent where no part lies.
Image render(const Scene& scene, int w, int h);

// Shade ramp of a base colour, darkest first: deep, shadow, base, light, highlight.
Colour shade(Colour base, int level);
Colour outlineOf(Colour base, const Scene& scene);

// Small helpers for decals.
void disc(Image& img, float cx, float cy, float r, Colour c);
void dot(Image& img, int x, int y, Colour c);
void line(Image& img, float x0, float y0, float x1, float y1, Colour c);

// Bounding box of the opaque pixels; false when the picture is empty.
bool opaqueBounds(const Image& img, int& x0, int& y0, int& x1, int& y1);
// Copies src into dst at (dx, dy), opaque pixels only.
void blit(Image& dst, const Image& src, int dx, int dy);

} // namespace artgen
