#include "Kit.h"

#include <cmath>

namespace artgen::kit {

Colour darker(Colour c, float f)
{
    return mix(scale(c, f), hex(0x302048), 0.08f);
}
Colour lighter(Colour c, float t)
{
    return mix(c, hex(0xfffaf0), t);
}

namespace {

Vec2 dirOf(float deg)
{
    float a = deg * Pi / 180.f;
    return {std::sin(a), -std::cos(a)};
}

// A small deterministic generator for spots and sparks.
struct Lcg {
    uint32_t s;
    float next()
    {
        s = s * 1664525u + 1013904223u;
        return float((s >> 8) & 0xffff) / 65535.f;
    }
};

} // namespace

int ear(Ctx& c, float x, float y, float deg, float len, float w, Colour col, Colour inner, bool round)
{
    Vec2 d = dirOf(deg), n{-d.y, d.x};
    int id;
    if (round) {
        id = c.E(x + d.x * len * 0.5f, y + d.y * len * 0.5f, w, len * 0.55f, col, deg * Pi / 180.f);
        if (inner.r >= 0)
            c.In(id, c.eS(x + d.x * len * 0.55f, y + d.y * len * 0.55f, w * 0.55f, len * 0.33f, deg * Pi / 180.f),
                 inner);
        return id;
    }
    Vec2 tip{x + d.x * len, y + d.y * len};
    id = c.P({{x - n.x * w, y - n.y * w}, {tip.x, tip.y}, {x + n.x * w, y + n.y * w}, {x - d.x * 2, y - d.y * 2}}, col,
             2.5f);
    if (inner.r >= 0) {
        float k = 0.5f;
        c.In(id,
             c.pS({{x - n.x * w * k + d.x * 1.5f, y - n.y * w * k + d.y * 1.5f},
                   {x + d.x * len * 0.72f, y + d.y * len * 0.72f},
                   {x + n.x * w * k + d.x * 1.5f, y + n.y * w * k + d.y * 1.5f}},
                  1.5f),
             inner);
    }
    return id;
}

void flame(Ctx& c, float x, float y, float h, float w, float lean)
{
    const Colour outer = hex(0xe8482c), mid = hex(0xf8a030), core = hex(0xfff0a0);
    auto layer = [&](float hh, float ww, float dy, Colour col) {
        int id = c.P({{x - ww, y - dy},
                      {x - ww * 0.7f + lean * 0.3f, y - dy - hh * 0.45f},
                      {x + lean, y - dy - hh},
                      {x + ww * 0.7f + lean * 0.3f, y - dy - hh * 0.45f},
                      {x + ww, y - dy},
                      {x, y - dy + ww * 0.9f}},
                     col, 2.f);
        c.sc.parts[size_t(id)].flat = true;
        return id;
    };
    int o = layer(h, w, 0, outer);
    c.sc.parts[size_t(o)].outline = true;
    int m = layer(h * 0.68f, w * 0.66f, -w * 0.2f, mid);
    c.sc.parts[size_t(m)].outline = false;
    c.sc.parts[size_t(m)].group = 900;
    c.sc.parts[size_t(o)].group = 900;
    int k = layer(h * 0.36f, w * 0.36f, -w * 0.35f, core);
    c.sc.parts[size_t(k)].outline = false;
    c.sc.parts[size_t(k)].group = 900;
}

int horn(Ctx& c, float x, float y, float deg, float len, float w, Colour col)
{
    Vec2 d = dirOf(deg), n{-d.y, d.x};
    return c.P({{x - n.x * w, y - n.y * w}, {x + d.x * len, y + d.y * len}, {x + n.x * w, y + n.y * w}}, col, 1.5f);
}

void curve(Ctx& c, Vec2 a, Vec2 b, Vec2 d, float r0, float r1, Colour col, int segments)
{
    Vec2 prev = a;
    int group = 700 + int(c.sc.parts.size());
    for (int i = 1; i <= segments; ++i) {
        float t = float(i) / float(segments);
        float u = 1 - t;
        Vec2 p{u * u * a.x + 2 * u * t * b.x + t * t * d.x, u * u * a.y + 2 * u * t * b.y + t * t * d.y};
        float ra = r0 + (r1 - r0) * float(i - 1) / float(segments), rb = r0 + (r1 - r0) * t;
        int id = c.C(prev.x, prev.y, p.x, p.y, ra, rb, col);
        c.sc.parts[size_t(id)].group = group;
        prev = p;
    }
}

int boltTail(Ctx& c, float x, float y, float k, Colour col, Colour base)
{
    c.C(x - 1, y + 1, x + 3 * k, y - 2 * k, 1.6f * k, 1.4f * k, base);
    return c.P({{x + 2 * k, y - 1 * k},
                {x + 7 * k, y - 6 * k},
                {x + 5 * k, y - 7 * k},
                {x + 10 * k, y - 13 * k},
                {x + 8 * k, y - 14 * k},
                {x + 16 * k, y - 21 * k},
                {x + 15 * k, y - 13 * k},
                {x + 11 * k, y - 12 * k},
                {x + 13 * k, y - 7 * k},
                {x + 8 * k, y - 5 * k},
                {x + 5 * k, y + 1 * k}},
               col, 2.f);
}

void featherWing(Ctx& c, float x, float y, float deg, float len, float w, Colour col, Colour tip, int feathers)
{
    // Feathers fan out from the shoulder; the longest one leads.
    for (int i = feathers - 1; i >= 0; --i) {
        float t = feathers > 1 ? float(i) / float(feathers - 1) : 0.f;
        float a = deg + t * 38.f;
        float l = len * (1.f - t * 0.35f);
        Vec2 d = dirOf(a), n{-d.y, d.x};
        int id = c.P({{x - n.x * w * 0.5f, y - n.y * w * 0.5f},
                      {x + d.x * l * 0.6f - n.x * w, y + d.y * l * 0.6f - n.y * w},
                      {x + d.x * l, y + d.y * l},
                      {x + d.x * l * 0.6f + n.x * w * 0.7f, y + d.y * l * 0.6f + n.y * w * 0.7f},
                      {x + n.x * w * 0.5f, y + n.y * w * 0.5f}},
                     col, 2.5f);
        if (tip.r >= 0)
            c.In(id, c.eS(x + d.x * l * 0.92f, y + d.y * l * 0.92f, w * 0.9f, l * 0.2f, a * Pi / 180.f), tip);
    }
}

void batWing(Ctx& c, float x, float y, float deg, float len, float w, Colour bone, Colour membrane)
{
    Vec2 d = dirOf(deg);
    Vec2 elbow{x + d.x * len * 0.45f, y + d.y * len * 0.45f};
    Vec2 tip{x + d.x * len, y + d.y * len};
    float side = d.x >= 0 ? 1.f : -1.f;
    // The membrane: scalloped between three finger tips, hanging down.
    Vec2 f1{tip.x, tip.y}, f2{elbow.x + side * len * 0.45f, elbow.y + len * 0.25f},
        f3{elbow.x + side * len * 0.12f, elbow.y + len * 0.5f};
    c.P({{x, y},
         {elbow.x, elbow.y},
         {f1.x, f1.y},
         {(f1.x + f2.x) / 2 - side * 1.5f, (f1.y + f2.y) / 2 - 0.5f},
         {f2.x, f2.y},
         {(f2.x + f3.x) / 2 - side * 1.f, (f2.y + f3.y) / 2 - 2.f},
         {f3.x, f3.y},
         {x - side * 1, y + w}},
        membrane, 3.f);
    c.C(x, y, elbow.x, elbow.y, 1.6f, 1.3f, bone);
    c.C(elbow.x, elbow.y, tip.x, tip.y, 1.3f, 0.8f, bone);
}

void spikeRow(Ctx& c, float cx, float cy, float rx, float ry, float a0, float a1, int n, float len, float w, Colour col)
{
    for (int i = 0; i < n; ++i) {
        float t = n > 1 ? float(i) / float(n - 1) : 0.5f;
        float a = (a0 + (a1 - a0) * t) * Pi / 180.f;
        float ex = std::sin(a), ey = -std::cos(a);
        float bx = cx + ex * rx * 0.85f, by = cy + ey * ry * 0.85f;
        float deg = std::atan2(ex * ry, -ey * rx) * 180.f / Pi;
        horn(c, bx, by, deg, len + (rx + ry) * 0.1f, w, col);
    }
}

void spots(Ctx& c, int on, float cx, float cy, float rx, float ry, float r, Colour col, int n, int seed)
{
    Lcg g{uint32_t(seed * 2654435761u + 17)};
    for (int i = 0; i < n; ++i) {
        float a = g.next() * 2 * Pi, d = 0.25f + 0.6f * g.next();
        float rr = r * (0.7f + 0.6f * g.next());
        c.In(on, c.eS(cx + std::cos(a) * rx * d, cy + std::sin(a) * ry * d, rr, rr * 0.85f), col);
    }
}

int fluff(Ctx& c, float cx, float cy, float rx, float ry, int bumps, float depth, Colour col, float rot0)
{
    // Round tufts with sharp dips between them.
    std::vector<Vec2> pts;
    const int steps = bumps * 8;
    for (int i = 0; i < steps; ++i) {
        float a = rot0 + float(i) / float(steps) * 2 * Pi;
        float tuft = std::sqrt(std::fabs(std::sin((a - rot0) * float(bumps) / 2)));
        float k = 1.f - depth * (1.f - tuft) / std::max(rx, ry);
        pts.push_back({c.X(cx + std::sin(a) * rx * k), c.Y(cy - std::cos(a) * ry * k)});
    }
    return c.sc.add(polygon(std::move(pts), c.L(std::min(rx, ry) * 0.9f)), col);
}

void sparks(Ctx& c, float cx, float cy, float r, Colour col, int n, int seed)
{
    Lcg g{uint32_t(seed * 7919u + 3)};
    for (int i = 0; i < n; ++i) {
        float a = g.next() * 2 * Pi;
        float px = c.X(cx + std::cos(a) * r), py = c.Y(cy + std::sin(a) * r * 0.8f);
        float dx = std::cos(a), dy = std::sin(a);
        c.decal([=](Image& img) {
            line(img, px, py, px + dx * 2 + dy * 1.5f, py + dy * 2 - dx * 1.5f, col);
            line(img, px + dx * 2 + dy * 1.5f, py + dy * 2 - dx * 1.5f, px + dx * 4, py + dy * 4, col);
        });
    }
}

void tails(Ctx& c, float x, float y, float k)
{
    const Look& l = c.look;
    Colour body = c.body, acc = c.accent;
    if (l.has(F::Tails9)) {
        int n = l.number == 38 ? 9 : 6;
        for (int i = n - 1; i >= 0; --i) {
            float a = -80.f + float(i) * (110.f / float(n - 1));
            Vec2 d = dirOf(a + 90.f);
            float len = 15.f * k;
            Vec2 mid{x + d.x * len * 0.5f + 2, y + d.y * len * 0.5f - 3};
            Vec2 tip{x + d.x * len, y + d.y * len - 2};
            curve(c, {x, y}, mid, tip, 2.6f * k, 3.4f * k, i % 2 ? body : mix(body, acc, 0.25f), 4);
            c.E(tip.x, tip.y, 3.4f * k, 3.0f * k, l.number == 38 ? acc : mix(body, acc, 0.5f));
        }
        return;
    }
    if (l.has(F::TailFluff)) {
        int t = fluff(c, x + 8 * k, y - 7 * k, 6.5f * k, 9 * k, 5, 1.5f * k, body, 0.5f);
        c.In(t, c.eS(x + 12 * k, y - 15 * k, 6 * k, 5 * k), c.belly);
        return;
    }
    if (l.has(F::TailBolt)) {
        if (l.has(F::TailThin)) {
            curve(c, {x, y}, {x + 10 * k, y + 2 * k}, {x + 14 * k, y - 12 * k}, 1.4f * k, 1.1f * k, hex(0x5c3820), 5);
            c.P({{x + 14 * k, y - 10 * k},
                 {x + 10 * k, y - 19 * k},
                 {x + 15 * k, y - 22 * k},
                 {x + 19 * k, y - 16 * k}},
                c.body, 2.f);
        } else {
            boltTail(c, x, y, k, c.body, hex(0x8c5c2c));
        }
        return;
    }
    if (l.has(F::TailFin)) {
        curve(c, {x, y}, {x + 10 * k, y + 2 * k}, {x + 15 * k, y - 8 * k}, 3.5f * k, 2.0f * k, body, 5);
        c.P({{x + 15 * k, y - 6 * k}, {x + 24 * k, y - 16 * k}, {x + 20 * k, y - 7 * k}, {x + 26 * k, y - 2 * k}},
            c.belly, 2.f);
        return;
    }
    if (l.has(F::TailFlame)) {
        curve(c, {x, y}, {x + 8 * k, y + 2 * k}, {x + 11 * k, y - 8 * k}, 2.6f * k, 1.8f * k, body, 5);
        flame(c, x + 11 * k, y - 8 * k, 12 * k, 3.6f * k, 1.5f * k);
        return;
    }
    if (l.has(F::TailCurl)) {
        curve(c, {x, y}, {x + 6 * k, y + 1 * k}, {x + 8 * k, y - 4 * k}, 2.6f * k, 2.2f * k, body, 4);
        c.E(x + 6 * k, y - 6 * k, 3 * k, 3 * k, body);
        return;
    }
    if (l.has(F::TailThick)) {
        curve(c, {x - 2, y}, {x + 12 * k, y + 3 * k}, {x + 18 * k, y - 1 * k}, 5 * k, 3 * k, body, 6);
        if (l.number == 79 || l.number == 80)
            c.E(x + 18.5f * k, y - 1.5f * k, 3.2f * k, 3 * k, c.belly);
        return;
    }
    if (l.has(F::TailThin)) {
        curve(c, {x, y}, {x + 14 * k, y + 4 * k}, {x + 16 * k, y - 12 * k}, 1.5f * k, 1.0f * k, body, 7);
        if (l.number == 128) {
            curve(c, {x, y}, {x + 12 * k, y + 6 * k}, {x + 19 * k, y - 4 * k}, 1.4f * k, 1.0f * k, darker(body), 6);
            curve(c, {x, y}, {x + 10 * k, y + 8 * k}, {x + 17 * k, y + 4 * k}, 1.4f * k, 1.0f * k, body, 6);
        }
    }
}

} // namespace artgen::kit
