#include "Raster.h"

#include <algorithm>
#include <cmath>

namespace artgen {

Colour hex(uint32_t rgb)
{
    return {float((rgb >> 16) & 0xff) / 255.f, float((rgb >> 8) & 0xff) / 255.f, float(rgb & 0xff) / 255.f};
}

Colour mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scale(Colour c, float f)
{
    return {c.r * f, c.g * f, c.b * f};
}
Colour mul(Colour a, Colour b)
{
    return {a.r * b.r, a.g * b.g, a.b * b.b};
}

static uint8_t byteOf(float v)
{
    // Rounded to the nearest step; the float values are exact functions of the
    // inputs, so the rounding is the same on every run.
    int i = int(std::lround(std::clamp(v, 0.f, 1.f) * 255.f));
    return uint8_t(i);
}

uint32_t argb(Colour c)
{
    return 0xff000000u | (uint32_t(byteOf(c.r)) << 16) | (uint32_t(byteOf(c.g)) << 8) | byteOf(c.b);
}

Colour fromArgb(uint32_t v)
{
    return hex(v & 0xffffff);
}

void Image::set(int x, int y, Colour c)
{
    if (in(x, y))
        at(x, y) = argb(c);
}

Shape ellipse(float cx, float cy, float rx, float ry, float rot)
{
    Shape s;
    s.kind = ShapeKind::Ellipse;
    s.cx = cx, s.cy = cy, s.rx = std::max(rx, 0.3f), s.ry = std::max(ry, 0.3f), s.rot = rot;
    return s;
}

Shape capsule(float x0, float y0, float x1, float y1, float r0, float r1)
{
    Shape s;
    s.kind = ShapeKind::Capsule;
    s.x0 = x0, s.y0 = y0, s.x1 = x1, s.y1 = y1, s.r0 = std::max(r0, 0.3f), s.r1 = std::max(r1, 0.3f);
    return s;
}

Shape polygon(std::vector<Vec2> pts, float bevel)
{
    Shape s;
    s.kind = ShapeKind::Polygon;
    s.pts = std::move(pts);
    s.bevel = bevel;
    return s;
}

namespace {

struct CapsuleHit {
    float dx, dy, r;
};

CapsuleHit capsuleAt(const Shape& s, float x, float y)
{
    float vx = s.x1 - s.x0, vy = s.y1 - s.y0;
    float len2 = vx * vx + vy * vy;
    float t = len2 > 0 ? ((x - s.x0) * vx + (y - s.y0) * vy) / len2 : 0.f;
    t = std::clamp(t, 0.f, 1.f);
    float px = s.x0 + vx * t, py = s.y0 + vy * t;
    return {x - px, y - py, s.r0 + (s.r1 - s.r0) * t};
}

bool polyInside(const std::vector<Vec2>& p, float x, float y)
{
    bool in = false;
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        if ((p[i].y > y) != (p[j].y > y)) {
            float xc = p[j].x + (y - p[j].y) * (p[i].x - p[j].x) / (p[i].y - p[j].y);
            if (x < xc)
                in = !in;
        }
    }
    return in;
}

// Nearest point on the polygon's boundary.
Vec2 polyNearest(const std::vector<Vec2>& p, float x, float y, float& dist)
{
    dist = 1e9f;
    Vec2 best{x, y};
    for (size_t i = 0, j = p.size() - 1; i < p.size(); j = i++) {
        float vx = p[i].x - p[j].x, vy = p[i].y - p[j].y;
        float len2 = vx * vx + vy * vy;
        float t = len2 > 0 ? ((x - p[j].x) * vx + (y - p[j].y) * vy) / len2 : 0.f;
        t = std::clamp(t, 0.f, 1.f);
        float qx = p[j].x + vx * t, qy = p[j].y + vy * t;
        float d = std::hypot(x - qx, y - qy);
        if (d < dist) {
            dist = d;
            best = {qx, qy};
        }
    }
    return best;
}

Vec3 norm3(Vec3 v)
{
    float l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (l <= 0)
        return {0, 0, 1};
    return {v.x / l, v.y / l, v.z / l};
}

} // namespace

bool Shape::inside(float x, float y) const
{
    switch (kind) {
    case ShapeKind::Ellipse: {
        float c = std::cos(rot), s = std::sin(rot);
        float dx = x - cx, dy = y - cy;
        float u = (dx * c + dy * s) / rx, v = (-dx * s + dy * c) / ry;
        return u * u + v * v <= 1.f;
    }
    case ShapeKind::Capsule: {
        CapsuleHit h = capsuleAt(*this, x, y);
        return h.dx * h.dx + h.dy * h.dy <= h.r * h.r;
    }
    case ShapeKind::Polygon: return pts.size() >= 3 && polyInside(pts, x, y);
    }
    return false;
}

Vec3 Shape::normal(float x, float y) const
{
    switch (kind) {
    case ShapeKind::Ellipse: {
        float c = std::cos(rot), s = std::sin(rot);
        float dx = x - cx, dy = y - cy;
        float u = (dx * c + dy * s) / rx, v = (-dx * s + dy * c) / ry;
        float z = std::sqrt(std::max(0.f, 1.f - u * u - v * v));
        return norm3({u * c - v * s, u * s + v * c, z});
    }
    case ShapeKind::Capsule: {
        CapsuleHit h = capsuleAt(*this, x, y);
        float u = h.dx / h.r, v = h.dy / h.r;
        float z = std::sqrt(std::max(0.f, 1.f - u * u - v * v));
        return norm3({u, v, z});
    }
    case ShapeKind::Polygon: {
        if (pts.size() < 3)
            return {0, 0, 1};
        float d = 0;
        Vec2 q = polyNearest(pts, x, y, d);
        if (d <= 1e-4f)
            return {0, 0, 1};
        float ox = (q.x - x) / d, oy = (q.y - y) / d;
        float tilt = 1.f - std::clamp(d / std::max(bevel, 0.5f), 0.f, 1.f);
        tilt *= 0.92f;
        return norm3({ox * tilt, oy * tilt, std::sqrt(std::max(0.f, 1.f - tilt * tilt))});
    }
    }
    return {0, 0, 1};
}

Colour shade(Colour base, int level)
{
    switch (level) {
    case 0: return mix(scale(base, 0.56f), hex(0x2a1c4c), 0.2f);
    case 1: return mix(scale(base, 0.8f), hex(0x3c2c6c), 0.08f);
    case 2: return base;
    case 3: return mix(base, hex(0xfff6dc), 0.24f);
    default: return mix(base, hex(0xffffff), 0.62f);
    }
}

Colour outlineOf(Colour base, const Scene& scene)
{
    return mix(scale(base, 0.4f), scene.outlineTint, scene.outlineStrength);
}

Image render(const Scene& scene, int w, int h)
{
    Image img(w, h, 0);
    std::vector<int> base(size_t(w) * h, -1), top(size_t(w) * h, -1);
    const Vec3 light = norm3({-0.45f, -0.6f, 0.68f});
    const Vec3 half = norm3({light.x, light.y, light.z + 1.f});

    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            int b = -1, t = -1;
            for (size_t i = 0; i < scene.parts.size(); ++i) {
                const Part& p = scene.parts[i];
                if (p.clip >= 0 && b != p.clip)
                    continue;
                if (!p.shape.inside(fx, fy))
                    continue;
                t = int(i);
                if (p.clip < 0)
                    b = int(i);
            }
            size_t k = size_t(y) * w + x;
            base[k] = b;
            top[k] = t;
            if (t < 0)
                continue;
            const Part& p = scene.parts[size_t(t)];
            int level = 2;
            if (!p.flat) {
                const Part& sp = p.shadeFrom >= 0 ? scene.parts[size_t(p.shadeFrom)] : p;
                Vec3 n = sp.shape.normal(fx, fy);
                float d = n.x * light.x + n.y * light.y + n.z * light.z;
                float s = n.x * half.x + n.y * half.y + n.z * half.z;
                if (d < -0.2f)
                    level = 0;
                else if (d < 0.32f)
                    level = 1;
                else if (d < 0.86f)
                    level = 2;
                else
                    level = 3;
                if (sp.gloss > 0 && s > 0.992f - 0.03f * sp.gloss)
                    level = 4;
            }
            img.at(x, y) = argb(shade(p.colour, level));
        }
    }

    // Inner lines where a part lies in front of another one.
    Image lined = img;
    static const int nx[4] = {-1, 1, 0, 0}, ny[4] = {0, 0, -1, 1};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int a = base[size_t(y) * w + x];
            if (a < 0)
                continue;
            const Part& pa = scene.parts[size_t(a)];
            if (!pa.outline)
                continue;
            for (int d = 0; d < 4; ++d) {
                int X = x + nx[d], Y = y + ny[d];
                if (X < 0 || Y < 0 || X >= w || Y >= h)
                    continue;
                int bn = base[size_t(Y) * w + X];
                if (bn < 0 || bn >= a)
                    continue;
                const Part& pb = scene.parts[size_t(bn)];
                if (pa.group >= 0 && pa.group == pb.group)
                    continue;
                lined.at(x, y) = argb(mix(shade(pa.colour, 1), outlineOf(pa.colour, scene), 0.55f));
                break;
            }
        }
    }
    img = lined;

    // The outer outline, one pixel outside the silhouette, in a dark tone of the
    // part it borders.
    if (scene.outerOutline) {
        Image out = img;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                if (base[size_t(y) * w + x] >= 0)
                    continue;
                int best = -1;
                for (int d = 0; d < 4; ++d) {
                    int X = x + nx[d], Y = y + ny[d];
                    if (X < 0 || Y < 0 || X >= w || Y >= h)
                        continue;
                    int bn = base[size_t(Y) * w + X];
                    if (bn >= 0 && scene.parts[size_t(bn)].outline)
                        best = std::max(best, bn);
                }
                if (best >= 0)
                    out.at(x, y) = argb(outlineOf(scene.parts[size_t(best)].colour, scene));
            }
        }
        img = out;
    }

    for (const Decal& d : scene.decals)
        d(img);
    return img;
}

void disc(Image& img, float cx, float cy, float r, Colour c)
{
    int x0 = int(std::floor(cx - r)) - 1, x1 = int(std::ceil(cx + r)) + 1;
    int y0 = int(std::floor(cy - r)) - 1, y1 = int(std::ceil(cy + r)) + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = float(x) + 0.5f - cx, dy = float(y) + 0.5f - cy;
            if (dx * dx + dy * dy <= r * r)
                img.set(x, y, c);
        }
}

void dot(Image& img, int x, int y, Colour c)
{
    img.set(x, y, c);
}

void line(Image& img, float x0, float y0, float x1, float y1, Colour c)
{
    float dx = x1 - x0, dy = y1 - y0;
    int n = int(std::ceil(std::max(std::fabs(dx), std::fabs(dy))));
    if (n == 0) {
        img.set(int(std::floor(x0)), int(std::floor(y0)), c);
        return;
    }
    for (int i = 0; i <= n; ++i) {
        float t = float(i) / float(n);
        img.set(int(std::floor(x0 + dx * t)), int(std::floor(y0 + dy * t)), c);
    }
}

bool opaqueBounds(const Image& img, int& x0, int& y0, int& x1, int& y1)
{
    x0 = img.w, y0 = img.h, x1 = -1, y1 = -1;
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x)
            if (img.opaque(x, y)) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    return x1 >= 0;
}

void blit(Image& dst, const Image& src, int dx, int dy)
{
    for (int y = 0; y < src.h; ++y)
        for (int x = 0; x < src.w; ++x)
            if (src.opaque(x, y))
                dst.set(x + dx, y + dy, src.at(x, y));
}

} // namespace artgen
