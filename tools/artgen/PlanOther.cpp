// Creatures without the usual legs: swimmers, crawlers, fliers, blobs, plants,
// shells, gases, rocks and the odd ones out.
#include "Kit.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace artgen {

using namespace kit;

namespace {
const Colour Ink = hex(0x1c1424);
const Colour Bone = hex(0xf4f0e4);

// The row of a plan's table for a variant.
template <class Row, size_t N>
const Row& rowOf(const Row (&rows)[N], int variant, const char* plan)
{
    if (variant < 0 || size_t(variant) >= N)
        throw std::out_of_range(std::string("no ") + plan + " variant " + std::to_string(variant));
    return rows[size_t(variant)];
}

struct Lcg {
    uint32_t s;
    uint32_t next()
    {
        s = s * 1103515245u + 12345u;
        return (s >> 8) & 0xffffff;
    }
    float unit() { return float(next() & 0xffff) / 65535.f; }
};
} // namespace

// ---------------------------------------------------------------- the glitch

void drawGlitch(Ctx& c)
{
    // A ragged column of scrambled tiles: the shape of something that was
    // never meant to be drawn.
    const Colour tones[] = {hex(0x383c58), hex(0x6c7090), hex(0xa8acc4), hex(0xe8e4d8),
                            hex(0x1c1c2c), hex(0xc07890), hex(0x78b0a0)};
    Lcg g{0xC0FFEEu};
    float x0 = c.X(-8), y0 = c.Y(-56);
    float t = c.L(4);
    int tile = std::max(2, int(std::lround(t)));
    c.sc.outerOutline = false;
    // Occupied cells: a backwards L, taller on the left, with bites taken out.
    bool cells[14][8] = {};
    for (int r = 0; r < 14; ++r)
        for (int q = 0; q < 4; ++q)
            cells[r][q] = true;
    for (int r = 9; r < 14; ++r)
        for (int q = 4; q < 8; ++q)
            cells[r][q] = true;
    for (int i = 0; i < 7; ++i)
        cells[g.next() % 14][g.next() % 4] = false;
    cells[0][3] = cells[1][3] = cells[13][7] = false;
    cells[5][4] = cells[6][4] = cells[2][4] = true;
    std::vector<uint32_t> seeds;
    for (int i = 0; i < 14 * 8; ++i)
        seeds.push_back(g.next());
    c.decal([=](Image& img) {
        Lcg h{0xBADC0DEu};
        for (int r = 0; r < 14; ++r)
            for (int q = 0; q < 8; ++q) {
                if (!cells[r][q])
                    continue;
                uint32_t sd = seeds[size_t(r * 8 + q)];
                int kind = int(sd % 5);
                for (int y = 0; y < tile; ++y)
                    for (int x = 0; x < tile; ++x) {
                        int px = int(x0) + q * tile + x - tile * 2, py = int(y0) + r * tile + y;
                        Colour col;
                        switch (kind) {
                        case 0: col = tones[(x + y + sd) % 3]; break;              // stripes
                        case 1: col = tones[((x / 2 + y / 2) % 2) ? 4 : 2]; break; // checks
                        case 2: col = tones[h.next() % 7]; break;                  // noise
                        case 3: col = tones[(x == y || x == tile - 1 - y) ? 4 : 3]; break;
                        default: col = tones[(y * 3 + x) % 4 + 1]; break;
                        }
                        img.set(px, py, col);
                    }
            }
        // A few stray pixels, as if the picture had leaked.
        for (int i = 0; i < 40; ++i) {
            int px = int(x0) - tile * 2 + int(h.next() % uint32_t(tile * 9)),
                py = int(y0) + int(h.next() % uint32_t(tile * 14));
            img.set(px, py, tones[h.next() % 7]);
        }
    });
    // An invisible anchor so the scene has a size: a part with no outline.
    int a = c.E(0, -28, 0.5f, 0.5f, tones[4]);
    c.sc.parts[size_t(a)].outline = false;
}

// ---------------------------------------------------------------- serpents

namespace {

// What sets one serpent variant apart.
namespace serpent {

enum class Kind : uint8_t { Snake, Boulders, SeaSerpent, Dragon };

constexpr uint64_t bit(int n)
{
    return uint64_t(1) << n;
}
// Rising: an S standing up from the ground instead of a coil with the head raised.
constexpr uint64_t Rising = bit(0), Rattle = bit(1), Hood = bit(2), Orbs = bit(3), FinPair = bit(4), HeadHorn = bit(5);

struct Row {
    Kind kind = Kind::Snake;
    float r0 = 1.5f, r1 = 5, headR = 7; // body radius at the tail tip and at the neck
    uint64_t parts = 0;

    bool has(uint64_t p) const { return (parts & p) != 0; }
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #023 */ {.parts = Rattle},
    /* 1: #024 */ {.parts = Hood},
    /* 2: #095 */ {.kind = Kind::Boulders, .r0 = 3.5f, .r1 = 6.5f, .headR = 8, .parts = Rising},
    /* 3: #130 */ {.kind = Kind::SeaSerpent, .r0 = 2.5f, .r1 = 7, .headR = 8.5f, .parts = Rising},
    /* 4: #147 */ {.kind = Kind::Dragon, .r0 = 2, .r1 = 6.5f},
    /* 5: #148 */ {.kind = Kind::Dragon, .r1 = 6, .parts = Rising | Orbs | FinPair | HeadHorn},
};

} // namespace serpent

} // namespace

void drawSerpent(Ctx& c)
{
    using namespace serpent;
    const Look& k = c.look;
    const Row& row = rowOf(rows, k.variant, "serpent");
    const bool rock = row.kind == Kind::Boulders, gya = row.kind == Kind::SeaSerpent, dragon = row.kind == Kind::Dragon;
    // The coil: a sequence of points from the tail tip to the neck.
    std::vector<Vec2> path;
    int n = 22;
    for (int i = 0; i <= n; ++i) {
        float t = float(i) / float(n);
        float x, y;
        if (row.has(Rising)) {
            // An S rising from the ground.
            x = 18 * std::sin(t * 2.6f * Pi + 0.6f) * (1 - t * 0.45f);
            y = -4 - t * 34;
        } else {
            // A coil on the ground with the head raised.
            float a = t * 1.6f * Pi;
            x = t < 0.7f ? 14 * std::cos(a + 0.4f) : 14 * std::cos(0.7f * 1.6f * Pi + 0.4f) - (t - 0.7f) * 20;
            y = t < 0.7f ? -8 + 5 * std::sin(a + 0.4f) : -8 + 5 * std::sin(0.7f * 1.6f * Pi + 0.4f) - (t - 0.7f) * 70;
        }
        path.push_back({x, y});
    }
    const float r0 = row.r0, r1 = row.r1;
    Colour bodyC = c.body;
    if (rock) {
        for (int i = 0; i <= n; i += 2) {
            float t = float(i) / float(n);
            float r = r0 + (r1 - r0) * t;
            c.E(path[size_t(i)].x, path[size_t(i)].y, r * 1.1f, r, i % 4 ? bodyC : darker(bodyC, 0.9f), t);
        }
    } else {
        int group = 300;
        for (int i = 0; i < n; ++i) {
            float ta = float(i) / float(n), tb = float(i + 1) / float(n);
            int id = c.C(path[size_t(i)].x, path[size_t(i)].y, path[size_t(i + 1)].x, path[size_t(i + 1)].y,
                         r0 + (r1 - r0) * ta, r0 + (r1 - r0) * tb, bodyC);
            c.sc.parts[size_t(id)].group = group;
            if (k.has(F::Belly) || gya || dragon) {
                // A lighter underside stripe.
                float mx = (path[size_t(i)].x + path[size_t(i + 1)].x) / 2,
                      my = (path[size_t(i)].y + path[size_t(i + 1)].y) / 2;
                c.In(id,
                     c.eS(mx - 1, my + (r0 + (r1 - r0) * ta) * 0.5f, (r0 + (r1 - r0) * ta) * 0.9f,
                          (r0 + (r1 - r0) * ta) * 0.45f),
                     dragon ? c.accent : c.belly);
            }
            if (row.has(Hood) && i % 4 == 0)
                c.In(id, c.eS(path[size_t(i)].x, path[size_t(i)].y - 1, 1.5f, 1.2f), c.accent);
            if (gya && i % 3 == 0 && i > 2)
                horn(c, path[size_t(i)].x + 2, path[size_t(i)].y - 2, 70, 4, 1.5f, hex(0xf0f0f8));
        }
        if (row.has(Orbs)) {
            c.E(path[2].x, path[2].y, 2.2f, 2.2f, hex(0x4c6cd8));
            c.E(path[3].x + 2, path[3].y, 2.2f, 2.2f, hex(0x4c6cd8));
        }
        if (row.has(Rattle))
            c.E(path[0].x, path[0].y, 2.6f, 2, c.accent);
    }
    Vec2 neck = path.back();
    float hx = neck.x - 3, hy = neck.y - 5;
    const float hr = row.headR;
    if (row.has(Hood)) {
        // The hood with its face pattern.
        int hood = c.E(neck.x + 1, neck.y + 1, 10, 11, c.body);
        c.In(hood, c.eS(neck.x - 3, neck.y + 2, 3, 2.5f, -0.4f), hex(0xd83c3c));
        c.In(hood, c.eS(neck.x + 5, neck.y + 2, 3, 2.5f, 0.4f), hex(0xd83c3c));
        c.In(hood, c.eS(neck.x + 1, neck.y + 7, 5, 2), hex(0x2c2c38));
        c.In(hood, c.eS(neck.x + 1, neck.y - 3, 4, 2), c.accent);
    }
    if (gya) {
        c.P({{hx + 3, hy - 4}, {hx + 12, hy - 14}, {hx + 9, hy - 4}, {hx + 16, hy - 9}, {hx + 11, hy}}, c.belly, 2);
    }
    if (dragon) {
        if (row.has(FinPair)) {
            c.P({{hx + 4, hy - 2}, {hx + 9, hy - 10}, {hx + 7, hy - 1}}, hex(0xf8f8f8), 1.5f);
            c.P({{hx + 5, hy + 1}, {hx + 12, hy - 4}, {hx + 8, hy + 2}}, hex(0xf8f8f8), 1.5f);
        } else {
            c.P({{hx + 4, hy - 3}, {hx + 10, hy - 9}, {hx + 8, hy - 3}, {hx + 11, hy - 1}, {hx + 6, hy}}, hex(0xf8f8f8),
                1.5f);
        }
    }
    int head;
    if (rock) {
        head = c.E(hx, hy, hr * 1.2f, hr, bodyC);
        c.In(head, c.eS(hx + 3, hy - 2, 1, 3, 0.5f), darker(bodyC, 0.7f));
        horn(c, hx + 3, hy - hr * 0.85f, 20, 9, 2, bodyC);
    } else if (gya) {
        head = c.E(hx, hy, hr * 1.1f, hr * 0.85f, bodyC);
        c.E(hx - hr * 0.9f, hy + 2, hr * 0.6f, hr * 0.5f, bodyC);
        horn(c, hx + 1, hy - hr * 0.75f, 10, 6, 2, hex(0xf0f0f8));
    } else {
        head = c.E(hx, hy, hr * 1.05f, hr * 0.9f, bodyC);
        c.E(hx - hr * 0.7f, hy + 1.5f, hr * 0.55f, hr * 0.5f, bodyC);
    }
    (void)head;
    if (row.has(HeadHorn))
        horn(c, hx - 1, hy - hr * 0.8f, -5, 5, 1.5f, hex(0xf8f8f8));
    c.eye(hx - hr * 0.35f, hy - hr * 0.2f, hr * (k.has(F::EyeBig) ? 0.3f : 0.22f), -0.9f);
    if (gya) {
        c.mouth(hx - hr * 0.95f, hy + hr * 0.35f, 3.2f);
        c.decal([px = c.X(hx - hr * 1.2f), py = c.Y(hy + 1)](Image& img) {
            line(img, px, py, px - 4, py + 7, hex(0xf0e8c0));
            line(img, px + 1, py, px + 6, py + 9, hex(0xf0e8c0));
        });
    } else if (k.has(F::Tongue)) {
        c.decal([px = c.X(hx - hr * 1.2f), py = c.Y(hy + 2.5f)](Image& img) {
            line(img, px, py, px - 3, py, hex(0xd83c50));
            img.set(int(px - 4), int(py - 1), hex(0xd83c50));
            img.set(int(px - 4), int(py + 1), hex(0xd83c50));
        });
    } else if (k.has(F::MouthFang)) {
        c.mouth(hx - hr * 0.8f, hy + hr * 0.4f, 2);
    }
}

// ---------------------------------------------------------------- fish

namespace {

// What sets one fish variant apart: patches and a forked tail, or scales and a spiny back.
namespace fish {

struct Row {
    float rx = 17, ry = 12;
    uint32_t fins = 0; // 0: the accent colour
    bool scaled = false, spottedPatches = false;
    float eyeR = 3, mouthAt = 0.86f, mouthW = 1.6f; // mouthAt: along the half length from the centre
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #118 */ {.fins = 0xf8f4f0},
    /* 1: #119 */ {.spottedPatches = true},
    /* 2: #129 */
    {.rx = 16, .ry = 14, .fins = 0xf8f0e0, .scaled = true, .eyeR = 3.5f, .mouthAt = 0.85f, .mouthW = 2.8f},
};

} // namespace fish

} // namespace

void drawFish(Ctx& c)
{
    using namespace fish;
    const Look& k = c.look;
    const Row& row = rowOf(rows, k.variant, "fish");
    float bx = 0, by = -26, rx = row.rx, ry = row.ry;
    // Tail fin.
    Colour finC = row.fins ? hex(row.fins) : c.accent;
    if (!row.scaled) {
        c.P({{bx + rx - 3, by}, {bx + rx + 12, by - 14}, {bx + rx + 7, by}, {bx + rx + 12, by + 14}}, finC, 3);
    } else {
        c.P({{bx + rx - 3, by}, {bx + rx + 11, by - 12}, {bx + rx + 8, by}, {bx + rx + 11, by + 12}}, finC, 3);
    }
    // Dorsal fin.
    if (row.scaled) {
        c.P({{bx - 8, by - ry + 1},
             {bx - 6, by - ry - 7},
             {bx - 2, by - ry - 3},
             {bx + 1, by - ry - 8},
             {bx + 4, by - ry - 3},
             {bx + 7, by - ry - 7},
             {bx + 9, by - ry + 2}},
            finC, 2);
    } else {
        c.P({{bx - 4, by - ry + 1}, {bx + 2, by - ry - 9}, {bx + 9, by - ry - 3}, {bx + 8, by - ry + 3}}, finC, 2);
    }
    int body = c.E(bx, by, rx, ry, c.body);
    if (!row.scaled) {
        c.In(body, c.eS(bx + 4, by - 3, 6, 5), c.accent);
        c.In(body, c.eS(bx + 12, by + 4, 4, 5), c.accent);
        if (row.spottedPatches)
            spots(c, body, bx, by, rx, ry, 2, c.accent, 4, 119);
        c.In(body, c.eS(bx - 10, by + 2, 4, 3), c.accent);
    } else {
        c.In(body, c.eS(bx - 2, by + ry * 0.7f, rx * 0.8f, ry * 0.35f), c.belly);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 2; ++j)
                c.In(body, c.eS(bx + float(i) * 5, by - 3 + float(j) * 6, 2, 1.3f), darker(c.body, 0.85f));
    }
    // Side fin.
    c.P({{bx - 2, by + 3}, {bx + 6, by + 9}, {bx + 2, by + 10}}, finC, 1.5f);
    if (k.has(F::Horn))
        horn(c, bx - rx + 1, by - 6, -60, 9, 2, hex(0xf4ecd8));
    if (k.has(F::Whisker)) {
        curve(c, {bx - rx + 4, by + 4}, {bx - rx - 3, by + 8}, {bx - rx - 2, by + 15}, 1.2f, 0.9f, c.accent, 4);
    }
    c.eye(bx - rx * 0.55f, by - ry * 0.25f, row.eyeR, -0.9f);
    c.mouth(bx - rx * row.mouthAt, by + 3, row.mouthW);
}

void drawSeahorse(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    // Curled tail, upright body, long snout.
    curve(c, {2, -20}, {10, -4}, {2, -4}, 4, 2.2f, c.body, 7);
    c.E(2, -6, 3, 3, c.body);
    int body = c.E(-1, -26, 7.5f, 10, c.body, 0.15f);
    c.In(body, c.eS(-5, -24, 3.5f, 7, 0.2f), c.belly);
    for (int i = 0; i < 3; ++i)
        c.In(body, c.eS(-5, -28 + float(i) * 3.5f, 3.5f, 0.5f), darker(c.belly, 0.85f));
    // Back fin and spines.
    c.P({{5, -30}, {12, -34}, {10, -26}, {13, -22}, {6, -22}}, c.accent, 2);
    if (v == 1) {
        c.P({{4, -36}, {14, -42}, {10, -34}, {15, -32}, {7, -30}}, c.accent, 2);
        spikeRow(c, -1, -26, 7.5f, 10, 20, 160, 4, 3, 1.5f, c.body);
    }
    int head = c.E(-2, -40, 7, 6.5f, c.body);
    (void)head;
    c.C(-6, -39, -15, -38, 2.4f, 2.f, c.body);
    c.E(-16, -38, 1.5f, 2.2f, darker(c.body, 0.7f));
    for (int i = 0; i < 2 + v; ++i)
        horn(c, 0 + float(i) * 2.5f, -45, 20 + float(i) * 25, 4, 1.3f, c.body);
    c.eye(-3, -41, 2.3f, -0.9f);
}

void drawSeal(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    if (v == 2) {
        // Lapras: shell-backed swimmer with a long neck.
        c.P({{6, -12}, {24, -14}, {22, -4}, {12, -5}}, c.body, 2); // hind flipper
        int shell = c.E(5, -18, 16, 11, c.accent);
        for (int i = 0; i < 4; ++i)
            c.E(-4 + float(i) * 6, -27 + float(i % 2) * 2, 2.4f, 2.4f, darker(c.accent, 0.85f));
        int body = c.E(0, -11, 16, 7, c.body);
        c.In(body, c.eS(-3, -7, 13, 4), c.belly);
        (void)shell;
        curve(c, {-10, -14}, {-18, -26}, {-12, -40}, 4.5f, 3.5f, c.body, 6);
        c.E(-15, -13, 5, 3, c.body, -0.4f); // front flipper
        int head = c.E(-13, -44, 7, 6, c.body);
        c.In(head, c.eS(-14, -41, 5, 2.5f), c.belly);
        horn(c, -11, -49, 5, 5, 1.6f, hex(0xe8dcc8));
        ear(c, -8, -48, 40, 4, 2, c.body, Colour{-1, 0, 0}, true);
        c.eye(-16, -45, 2, -0.9f);
        c.mouth(-17, -41, 1.5f);
        return;
    }
    // Seals: a long body lying down, head raised, tail flippers at the right.
    c.P({{14, -8}, {28, -16}, {26, -4}, {28, 0}, {15, -2}}, v == 1 ? c.body : c.accent, 2);
    int body = c.E(2, -10, 17, 8.5f, c.body, 0.1f);
    if (v == 1) {
        c.E(-11, -20, 6.5f, 8, c.body);
        c.In(body, c.eS(-4, -5, 10, 3), darker(c.body, 0.92f));
    }
    int head = c.E(-13, -24, 9, 8, c.body);
    c.E(-18, -22, 5, 4, c.body);
    if (k.has(F::Horn))
        horn(c, -12, -31, 10, v == 1 ? 7.f : 5.f, 1.6f, hex(0xe8e4f0));
    if (k.has(F::Curl))
        curve(c, {-8, -31}, {-4, -36}, {0, -33}, 1.6f, 1.2f, c.body, 4);
    c.E(-7, -3, 6, 2.5f, c.accent, 0.3f); // front flipper
    (void)head;
    c.eye(-16, -27, 2.2f, -0.9f);
    c.eye(-10, -27, 2.2f, -0.9f);
    c.mouth(-19, -20, 1.6f);
}

// ---------------------------------------------------------------- blobs

void drawBlob(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    switch (v) {
    case 1: // round and pink, with a tuft
    case 2: {
        float r = v == 1 ? 15.f : 13.f;
        float by = v == 1 ? -16.f : -24.f;
        if (v == 2) {
            c.C(-7, by + 8, -8, -3, 3.5f, 3.2f, c.body);
            c.C(7, by + 8, 8, -3, 3.5f, 3.2f, c.body);
            c.E(-9, -2.5f, 4.5f, 2.5f, c.body);
            c.E(9, -2.5f, 4.5f, 2.5f, c.body);
            ear(c, 8, by - r * 0.6f, 30, 14, 4, c.body, hex(0x8c5c70));
            ear(c, -8, by - r * 0.6f, -30, 14, 4, c.body, hex(0x8c5c70));
        } else {
            ear(c, 9, by - r * 0.7f, 40, 8, 4, c.body, hex(0x6c5460));
            ear(c, -9, by - r * 0.7f, -40, 8, 4, c.body, hex(0x6c5460));
        }
        int b = c.E(0, by, r, r * 0.95f, c.body);
        if (v == 2)
            c.In(b, c.eS(0, by + r * 0.55f, r * 0.6f, r * 0.45f), c.belly);
        curve(c, {0, by - r * 0.85f}, {-4, by - r - 4}, {2, by - r - 4}, 2.4f, 1.6f, c.body, 4);
        if (v == 1) {
            c.E(-13, by + 2, 3, 3.5f, c.body);
            c.E(13, by + 2, 3, 3.5f, c.body);
            c.E(-6, -1.5f, 4.5f, 2.5f, c.body);
            c.E(6, -1.5f, 4.5f, 2.5f, c.body);
        }
        c.eye(-5.5f, by - 2, 4.f, -0.2f, c.accent);
        c.eye(5.5f, by - 2, 4.f, -0.2f, c.accent);
        c.mouth(0, by + 6, 1.8f);
        break;
    }
    case 3: { // fuzzy with big compound eyes
        c.E(-6, -3, 3.5f, 3, hex(0xa87cc8));
        c.E(6, -3, 3.5f, 3, hex(0xa87cc8));
        int b = fluff(c, 0, -20, 16, 15, 11, 2.2f, c.body);
        (void)b;
        curve(c, {-5, -33}, {-8, -40}, {-12, -43}, 0.8f, 0.8f, c.body, 3);
        curve(c, {5, -33}, {8, -40}, {12, -43}, 0.8f, 0.8f, c.body, 3);
        c.E(-12, -43, 1.5f, 1.5f, c.body);
        c.E(12, -43, 1.5f, 1.5f, c.body);
        for (int s = -1; s <= 1; s += 2) {
            int e = c.E(s * 6.5f, -23, 5.5f, 6, c.accent);
            c.In(e, c.eS(s * 6.5f - 1.5f, -25, 2, 2), hex(0xf8a0b0));
            for (int i = 0; i < 3; ++i)
                c.In(e, c.eS(s * 6.5f, -26 + float(i) * 3, 5.5f, 0.35f), darker(c.accent, 0.7f));
        }
        c.mouth(0, -13, 2);
        break;
    }
    case 4: // mole in its hole
    case 5: {
        int heads = v == 4 ? 1 : 3;
        c.E(0, -3, v == 4 ? 19.f : 27.f, 5.f, hex(0x8c6c4c));
        float xs[3] = {0, -11, 11}, ys[3] = {-18, -10, -10};
        if (heads == 3)
            xs[0] = 0, ys[0] = -22;
        for (int i = heads - 1; i >= 0; --i) {
            float x = xs[i], y = ys[i];
            float h = heads == 1 ? 16.f : 11.f;
            int b = c.C(x, y - h * 0.4f, x, -3, h * 0.62f, h * 0.66f, c.body);
            (void)b;
            c.E(x - 0.5f, y - h * 0.05f, h * 0.34f, h * 0.22f, c.accent);
            c.eye(x - h * 0.25f, y - h * 0.45f, h * 0.13f);
            c.eye(x + h * 0.22f, y - h * 0.45f, h * 0.13f);
        }
        c.E(-8, -2, 4, 2.5f, hex(0x9c7c5c));
        c.E(9, -1.5f, 5, 2.2f, hex(0x9c7c5c));
        c.E(2, -1, 3, 1.6f, hex(0x7c5c40));
        break;
    }
    case 6: { // tadpole with a swirl
        tails(c, 10, -16, 1.0f);
        c.E(-7, -2.5f, 4, 2.2f, c.body);
        c.E(7, -2.5f, 4, 2.2f, c.body);
        int b = c.E(0, -16, 15, 14, c.body);
        c.In(b, c.eS(0, -13, 10, 9), c.belly);
        c.decal([cx = c.X(0), cy = c.Y(-13), r = c.L(8)](Image& img) {
            for (int i = 0; i < 240; ++i) {
                float t = float(i) / 240.f * 3.f * 2 * Pi;
                float rr = r * (1.f - float(i) / 250.f);
                img.set(int(cx + std::cos(t) * rr), int(cy + std::sin(t) * rr), Ink);
            }
        });
        c.eye(-6, -28, 3.6f);
        c.eye(6, -28, 3.6f);
        c.decal([px = c.X(0), py = c.Y(-24)](Image& img) {
            img.set(int(px) - 1, int(py), hex(0xf07888));
            img.set(int(px), int(py), hex(0xf07888));
            img.set(int(px) + 1, int(py), hex(0xf07888));
        });
        break;
    }
    case 7: // sludge
    case 8: {
        float r = v == 7 ? 14.f : 19.f;
        std::vector<Vec2> pts;
        int n = 36;
        for (int i = 0; i < n; ++i) {
            float a = float(i) / float(n) * 2 * Pi;
            float wob = 1 + 0.12f * std::sin(a * 5 + 1) + 0.06f * std::sin(a * 9);
            float x = std::cos(a) * r * 1.25f * wob, y = -r + std::sin(a) * r * wob;
            y = std::min(y, -0.5f);
            pts.push_back({c.X(x), c.Y(y)});
        }
        int b = c.sc.add(polygon(pts, c.L(r * 0.8f)), c.body);
        c.sc.parts[size_t(b)].gloss = 1.f;
        if (v == 8) {
            c.C(-r * 0.9f, -r * 1.1f, -r * 1.5f, -r * 0.5f, 4, 3, c.body);
            c.C(r * 0.9f, -r * 1.1f, r * 1.5f, -r * 0.6f, 4, 3, c.body);
        } else {
            c.C(-r * 0.7f, -r * 1.0f, -r * 1.3f, -r * 0.4f, 2.8f, 2.2f, c.body);
        }
        c.In(b, c.eS(-r * 0.5f, -r * 0.5f, 2.5f, 2), darker(c.body, 0.75f));
        c.In(b, c.eS(r * 0.6f, -r * 0.3f, 2, 1.5f), darker(c.body, 0.75f));
        c.eye(-4, -r * 1.35f, v == 7 ? 2.f : 2.4f);
        c.eye(4, -r * 1.35f, v == 7 ? 2.f : 2.4f);
        c.mouth(0, -r * 0.95f, v == 7 ? 4.f : 5.5f);
        break;
    }
    case 9: // ball, two halves
    case 10: {
        float r = v == 9 ? 18.f : 21.f;
        int b = c.E(0, -r - 1, r, r, c.body);
        c.sc.parts[size_t(b)].gloss = 1.f;
        c.In(b, c.eS(0, -r * 0.25f, r * 1.2f, r * 0.8f), c.accent);
        c.In(b, c.eS(0, -r - 1, r * 1.2f, 0.5f), darker(c.accent, 0.6f));
        c.eye(-r * 0.35f, -r * 1.35f, r * 0.16f);
        c.eye(r * 0.35f, -r * 1.35f, r * 0.16f);
        if (v == 10)
            c.mouth(0, -r * 0.75f, r * 0.45f);
        break;
    }
    case 11: { // a huddle of eggs
        struct E {
            float x, y;
            int face;
        } eggs[] = {{-10, -24, 0}, {1, -27, 1}, {11, -22, 2}, {-13, -9, 3}, {-1, -10, 4}, {11, -9, 5}};
        for (const E& e : eggs) {
            int id = c.E(e.x * 1.15f, e.y * 1.15f, 7, 8.4f, c.body);
            if (e.face % 2)
                c.In(id, c.cS(e.x - 4, e.y + 2, e.x + 3, e.y - 4, 0.8f, 0.8f), c.accent);
            float ex = e.x * 1.15f, ey = e.y * 1.15f;
            if (e.face == 1 || e.face == 4) {
                c.decal([px = c.X(ex), py = c.Y(ey)](Image& img) {
                    line(img, px - 3, py - 1, px - 1, py - 1, Ink);
                    line(img, px + 1, py - 1, px + 3, py - 1, Ink);
                    line(img, px - 1, py + 2, px + 1, py + 2, Ink);
                });
            } else {
                c.eye(ex - 2, ey - 1, 1.2f);
                c.eye(ex + 2, ey - 1, 1.2f);
                if (e.face == 2)
                    c.decal(
                        [px = c.X(ex), py = c.Y(ey + 2.5f)](Image& img) { disc(img, px, py, 1.2f, hex(0x8c2c3c)); });
            }
        }
        break;
    }
    case 12: // gas ball(s)
    case 13: {
        auto ball = [&](float x, float y, float r) {
            int b = c.E(x, y, r, r, c.body);
            for (int i = 0; i < 4; ++i) {
                float a = float(i) * 1.7f + 0.6f;
                horn(c, x + std::cos(a) * r * 0.95f, y + std::sin(a) * r * 0.95f, a * 180 / Pi + 90, 3, 2.4f,
                     darker(c.body, 0.85f));
            }
            c.In(b, c.eS(x - r * 0.2f, y + r * 0.55f, r * 0.28f, r * 0.22f), c.accent);
            c.decal([px = c.X(x - r * 0.2f), py = c.Y(y + r * 0.55f)](Image& img) {
                img.set(int(px) - 1, int(py), Ink);
                img.set(int(px) + 1, int(py), Ink);
                img.set(int(px), int(py) + 1, Ink);
            });
            c.eye(x - r * 0.38f, y - r * 0.2f, r * 0.17f);
            c.eye(x + r * 0.3f, y - r * 0.2f, r * 0.17f);
            c.mouth(x - r * 0.05f, y + r * 0.15f, r * 0.3f);
            return b;
        };
        if (v == 12) {
            ball(0, -20, 18);
        } else {
            c.C(-6, -26, 8, -14, 3, 3, c.body);
            ball(9, -14, 11);
            ball(-6, -31, 14);
        }
        // Gas.
        c.decal([px = c.X(0), py = c.Y(-2)](Image& img) {
            for (int i = 0; i < 3; ++i)
                disc(img, px - 8 + float(i) * 8, py - float(i % 2) * 2, 2.2f, hex(0xc8c0a0));
        });
        break;
    }
    case 14: { // an egg-shaped nurse
        c.E(-8, -3, 4.5f, 2.8f, c.body);
        c.E(8, -3, 4.5f, 2.8f, c.body);
        ear(c, -7, -40, -50, 7, 2.6f, c.body, Colour{-1, 0, 0});
        ear(c, 7, -40, 50, 7, 2.6f, c.body, Colour{-1, 0, 0});
        int b = c.E(0, -22, 16, 20, c.body);
        c.In(b, c.eS(0, -16, 9, 3.5f), hex(0xf8f8f4));
        c.E(0, -17, 4, 5, hex(0xf8f8f4));
        c.E(-14, -24, 3, 4, c.body);
        c.E(14, -24, 3, 4, c.body);
        curve(c, {0, -41}, {-4, -45}, {1, -45}, 1.4f, 1.0f, c.body, 3);
        c.eye(-5, -32, 1.8f);
        c.eye(5, -32, 1.8f);
        c.mouth(0, -27, 2);
        break;
    }
    case 15: { // a ball of vines
        c.E(-6, -2.5f, 4.5f, 2.6f, c.accent);
        c.E(6, -2.5f, 4.5f, 2.6f, c.accent);
        int b = c.E(0, -22, 17, 17, c.body);
        Lcg g{114};
        for (int i = 0; i < 18; ++i) {
            float a = g.unit() * 2 * Pi, d = g.unit() * 14;
            float x = std::cos(a) * d, y = -22 + std::sin(a) * d;
            float b2 = g.unit() * 2 * Pi;
            c.In(b,
                 c.cS(x - std::cos(b2) * 5, y - std::sin(b2) * 5, x + std::cos(b2) * 5, y + std::sin(b2) * 5, 0.9f,
                      0.9f),
                 c.belly);
        }
        for (int i = 0; i < 8; ++i) {
            float a = float(i) / 8.f * 2 * Pi + 0.2f;
            c.C(std::cos(a) * 15, -22 + std::sin(a) * 15, std::cos(a) * 20, -22 + std::sin(a) * 19, 1.2f, 1.0f, c.body);
        }
        c.decal([px = c.X(0), py = c.Y(-22), r = c.L(3)](Image& img) {
            disc(img, px, py, r * 1.6f, Ink);
            img.set(int(px - r * 0.8f), int(py - 0.5f), hex(0xf8f8f8));
            img.set(int(px + r * 0.6f), int(py - 0.5f), hex(0xf8f8f8));
        });
        break;
    }
    case 16: { // amorphous
        std::vector<Vec2> pts;
        float r = 15;
        for (int i = 0; i < 30; ++i) {
            float a = float(i) / 30.f * 2 * Pi;
            float wob = 1 + 0.1f * std::sin(a * 3 + 0.7f) + 0.08f * std::cos(a * 5);
            float y = std::min(-r * 0.85f + std::sin(a) * r * 0.85f * wob, -0.5f);
            pts.push_back({c.X(std::cos(a) * r * 1.2f * wob), c.Y(y)});
        }
        int b = c.sc.add(polygon(pts, c.L(10)), c.body);
        c.sc.parts[size_t(b)].gloss = 1.f;
        c.C(-r * 1.0f, -r * 1.1f, -r * 1.4f, -r * 1.5f, 2.5f, 2.0f, c.body);
        c.C(r * 1.0f, -r * 1.0f, r * 1.35f, -r * 1.45f, 2.5f, 2.0f, c.body);
        c.decal([a = c.X(-4), b2 = c.X(4), y = c.Y(-17)](Image& img) {
            img.set(int(a), int(y), Ink);
            img.set(int(b2), int(y), Ink);
        });
        c.decal([px = c.X(0), py = c.Y(-13)](Image& img) {
            line(img, px - 4, py, px - 1, py + 1, Ink);
            line(img, px - 1, py + 1, px + 4, py, Ink);
        });
        break;
    }
    default:
        c.E(0, -16, 14, 14, c.body);
        c.eyes(-5, 5, -18, 2.5f);
        break;
    }
}

// ---------------------------------------------------------------- crawlers

void drawLarva(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    if (v == 1 || v == 3) {
        // A cocoon, standing.
        if (v == 1) {
            int b =
                c.P({{-4, -36}, {6, -38}, {12, -26}, {11, -10}, {4, -1}, {-8, -2}, {-12, -12}, {-11, -26}}, c.body, 8);
            c.In(b, c.cS(-12, -18, 12, -22, 1, 1), darker(c.body, 0.8f));
            c.In(b, c.cS(-12, -8, 12, -12, 1, 1), darker(c.body, 0.8f));
            c.P({{-8, -33}, {-14, -30}, {-11, -26}}, c.body, 1.5f);
            c.eye(-6, -28, 2.f, -0.9f);
        } else {
            int b = c.P({{0, -40}, {8, -34}, {11, -20}, {6, -6}, {0, -1}, {-7, -5}, {-10, -18}, {-8, -33}}, c.body, 8);
            c.In(b, c.cS(-10, -22, 10, -24, 1, 1), c.accent);
            c.In(b, c.cS(-10, -12, 10, -14, 1, 1), c.accent);
            c.P({{-7, -25}, {-13, -28}, {-9, -20}}, c.body, 1.5f);
            c.P({{7, -25}, {13, -28}, {9, -20}}, c.body, 1.5f);
            c.eye(-3, -31, 2.f, -0.9f);
        }
        return;
    }
    // A crawler: body segments from the tail (right) to the raised head (left).
    struct S {
        float x, y, r;
    } seg[] = {{16, -5, 4}, {10, -6, 5}, {4, -8, 5.5f}, {-2, -12, 6}, {-6, -20, 6.5f}};
    if (v == 2)
        horn(c, 19, -6, 80, 5, 1.6f, hex(0xf0f0f0));
    for (const S& s : seg) {
        int id = c.E(s.x, s.y, s.r, s.r * 0.95f, c.body);
        c.In(id, c.eS(s.x, s.y + s.r * 0.65f, s.r * 0.85f, s.r * 0.4f), c.belly);
        if (v == 0)
            c.In(id, c.eS(s.x + 1, s.y - s.r * 0.2f, s.r * 0.35f, s.r * 0.35f), c.accent);
        if (s.y + s.r > -2.5f) // only segments that rest on the ground have feet
            c.E(s.x - 1, -1.2f, 1.4f, 1.2f, v == 0 ? c.belly : hex(0xf8e8c8));
    }
    float hx = -9, hy = -30;
    int head = c.E(hx, hy, 8, 7.5f, c.body);
    if (v == 0) {
        curve(c, {hx + 2, hy - 7}, {hx + 3, hy - 11}, {hx, hy - 13}, 1.2f, 1.0f, hex(0xe84c3c), 3);
        c.In(head, c.eS(hx - 3, hy + 3, 3, 2.5f), c.belly);
    } else {
        horn(c, hx + 1, hy - 7, 10, 7, 1.8f, hex(0xf0f0f0));
        c.In(head, c.eS(hx - 5, hy + 2, 3, 2.5f), c.accent);
    }
    c.eye(hx - 3, hy - 1.5f, 2.4f, -0.9f);
}

void drawFlyer(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    if (v == 2 || v == 3) {
        // Bats.
        float by = v == 2 ? -28.f : -26.f;
        float r = v == 2 ? 8.f : 12.f;
        batWing(c, r * 0.6f, by - 2, 50, v == 2 ? 24.f : 27.f, 5, darker(c.body, 0.85f), c.accent);
        batWing(c, -r * 0.6f, by - 2, -50, v == 2 ? 24.f : 27.f, 5, c.body, c.accent);
        if (v == 2) {
            curve(c, {-2, by + r * 0.8f}, {-3, by + 12}, {-4, by + 20}, 1.4f, 1.2f, c.accent, 4);
            curve(c, {2, by + r * 0.8f}, {3, by + 12}, {4, by + 20}, 1.4f, 1.2f, c.accent, 4);
        } else {
            c.C(-3, by + r * 0.8f, -4, by + r + 5, 1.5f, 1.3f, c.accent);
            c.C(3, by + r * 0.8f, 4, by + r + 5, 1.5f, 1.3f, c.accent);
        }
        ear(c, -r * 0.5f, by - r * 0.7f, -20, r * 0.9f, r * 0.3f, c.body, c.accent);
        ear(c, r * 0.5f, by - r * 0.7f, 20, r * 0.9f, r * 0.3f, c.body, c.accent);
        c.E(0, by, r, r, c.body);
        if (v == 2) {
            c.mouth(0, by + 2, 3);
        } else {
            c.eye(-4, by - 5, 2.2f);
            c.eye(4, by - 5, 2.2f);
            c.decal([px = c.X(0), py = c.Y(by + 3), w = c.L(8.5f), h = c.L(7.5f)](Image& img) {
                for (int y = int(py - h * 0.5f); y <= int(py + h * 0.5f); ++y)
                    for (int x = int(px - w); x <= int(px + w); ++x) {
                        float dx = (float(x) + 0.5f - px) / w, dy = (float(y) + 0.5f - py) / (h * 0.55f);
                        if (dx * dx + dy * dy <= 1.f)
                            img.set(x, y, hex(0x5c1c2c));
                    }
                for (int i = -1; i <= 1; i += 2) {
                    img.set(int(px + float(i) * w * 0.55f), int(py - h * 0.4f), hex(0xffffff));
                    img.set(int(px + float(i) * w * 0.55f), int(py - h * 0.4f) + 1, hex(0xffffff));
                    img.set(int(px + float(i) * w * 0.55f), int(py + h * 0.4f), hex(0xffffff));
                }
                for (int x = int(px - w * 0.4f); x <= int(px + w * 0.4f); ++x)
                    img.set(x, int(py + h * 0.15f), hex(0xe05c7c));
            });
        }
        return;
    }
    if (v == 1) {
        // A bee: striped abdomen, stingers, clear wings.
        featherWing(c, 4, -34, 20, 16, 4, c.accent, Colour{-1, 0, 0}, 2);
        int abd = c.E(6, -16, 7, 10, c.body, -0.5f);
        for (int i = 0; i < 3; ++i)
            c.In(abd, c.eS(6 + float(i) * 2.4f - 2, -18 + float(i) * 4 - 2, 7, 1.2f, -0.5f), c.belly);
        horn(c, 11, -8, 150, 7, 2, hex(0xf0f0f0));
        c.E(-2, -26, 5, 5, c.body);
        c.C(-5, -26, -13, -22, 1.5f, 1.5f, c.body);
        horn(c, -13, -22, 210, 9, 2.4f, hex(0xf0f0f0));
        c.C(1, -26, 9, -29, 1.5f, 1.5f, darker(c.body, 0.8f));
        horn(c, 9, -29, 20, 8, 2.2f, hex(0xe0e0e0));
        int head = c.E(-6, -35, 6, 5.5f, c.body);
        (void)head;
        curve(c, {-6, -40}, {-9, -45}, {-12, -46}, 0.7f, 0.6f, Ink, 3);
        curve(c, {-4, -40}, {-3, -46}, {-6, -48}, 0.7f, 0.6f, Ink, 3);
        featherWing(c, -2, -31, -20, 15, 4, c.accent, Colour{-1, 0, 0}, 2);
        c.eye(-8, -35, 2.2f, -0.9f);
        return;
    }
    // Butterflies and moths.
    bool moth = v == 4;
    Colour wing = c.accent, body = c.body;
    auto wingPair = [&](float side, bool back) {
        Colour wc = back ? darker(wing, 0.88f) : wing;
        int up = c.E(side * 13, -34, 12, 9, wc, side * 0.5f);
        int lo = c.E(side * 10, -18, 8, 7, wc, -side * 0.4f);
        Colour vein = moth ? hex(0x9c8cc0) : hex(0x2c2838);
        c.In(up, c.eS(side * 20, -40, 4, 3, side * 0.5f), moth ? hex(0x7c6cb0) : hex(0x2c2838));
        if (!moth) {
            c.In(up, c.cS(side * 3, -32, side * 20, -38, 0.4f, 0.4f), vein);
            c.In(lo, c.cS(side * 3, -26, side * 13, -16, 0.4f, 0.4f), vein);
        } else {
            spots(c, up, side * 13, -34, 9, 6, 1.3f, hex(0xf8f8f8), 3, int(side * 3 + 5));
        }
    };
    wingPair(1, true);
    wingPair(-1, false);
    c.C(0, -26, 0, -14, 3.5f, 2.5f, body);
    int head = c.E(0, -32, 6, 5.5f, body);
    (void)head;
    curve(c, {-2, -37}, {-5, -43}, {-8, -46}, 0.7f, 0.6f, Ink, 3);
    curve(c, {2, -37}, {5, -43}, {8, -46}, 0.7f, 0.6f, Ink, 3);
    c.E(-3, -14, 1.6f, 2, body);
    c.E(3, -14, 1.6f, 2, body);
    if (moth) {
        c.eye(-3, -32, 2.2f, 0, hex(0x3c7cd8));
        c.eye(3, -32, 2.2f, 0, hex(0x3c7cd8));
    } else {
        c.decal([a = c.X(-3), b = c.X(3), y = c.Y(-32), r = c.L(2.6f)](Image& img) {
            disc(img, a, y, r, hex(0xc8283c));
            disc(img, b, y, r, hex(0xc8283c));
            img.set(int(a) - 1, int(y) - 1, hex(0xffffff));
            img.set(int(b) - 1, int(y) - 1, hex(0xffffff));
        });
        c.mouth(0, -29, 1.2f);
    }
}

void drawBug(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    float by = v == 0 ? -11.f : -9.f, r = v == 0 ? 15.f : 14.f;
    // Legs.
    for (int i = 0; i < 3; ++i) {
        float x = -r * 0.6f + float(i) * r * 0.6f;
        c.C(x, by + 2, x + 2, -1, 1.6f, 1.3f, darker(c.body, 0.85f));
    }
    int body = c.E(0, by, r, r * 0.6f, c.body);
    (void)body;
    for (int i = 0; i < 3; ++i) {
        float x = -r * 0.75f + float(i) * r * 0.75f;
        c.C(x, by + 3, x - 2, -1, 1.8f, 1.5f, c.body);
    }
    // Claws at the front.
    c.E(-r - 2, by + 2, 3.2f, 2.4f, lighter(c.body, 0.2f));
    c.E(-r + 2, by + 4, 3.2f, 2.4f, lighter(c.body, 0.25f));
    if (v == 0) {
        // Two mushrooms on the back.
        for (int i = 0; i < 2; ++i) {
            float x = -3 + float(i) * 11, y = by - r * 0.5f - 3;
            c.C(x, y + 3, x, y - 3, 2.f, 2.f, hex(0xf4e8c8));
            int cap = c.E(x, y - 6, 8, 6, c.accent);
            spots(c, cap, x, y - 7, 6, 4, 1.4f, hex(0xf8e050), 3, i + 46);
        }
        c.eye(-r * 0.6f, by - 2, 2.4f, -0.6f);
        c.eye(-r * 0.05f, by - 2, 2.4f, -0.6f);
    } else {
        // One great mushroom over everything.
        int cap = c.E(2, by - 18, 22, 14, c.accent);
        c.In(cap, c.eS(2, by - 7, 22, 4), darker(c.accent, 0.7f));
        spots(c, cap, 2, by - 22, 16, 8, 2.2f, hex(0xf8e070), 6, 47);
        c.decal([a = c.X(-8), b = c.X(-2), y = c.Y(by - 1)](Image& img) {
            for (int dx = 0; dx < 3; ++dx) {
                img.set(int(a) + dx, int(y), hex(0xf8f8f8));
                img.set(int(b) + dx, int(y), hex(0xf8f8f8));
            }
        });
    }
}

// ---------------------------------------------------------------- plants

void drawPlant(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    switch (v) {
    case 0:
    case 1:
    case 2: {
        float r = v == 0 ? 11.f : 13.f;
        float by = -r - 3;
        c.E(-5, -2.5f, 3.5f, 2.4f, c.body);
        c.E(5, -2.5f, 3.5f, 2.4f, c.body);
        if (v == 0) {
            for (int i = 0; i < 5; ++i) {
                float a = (-50.f + float(i) * 25.f) * Pi / 180.f;
                c.E(std::sin(a) * 9, by - r - 3 - std::cos(a) * 5, 3.2f, 9, c.accent, a);
            }
        } else if (v == 1) {
            for (int i = 0; i < 4; ++i) {
                float a = (-60.f + float(i) * 40.f) * Pi / 180.f;
                c.E(std::sin(a) * 6, by - r - 1 - std::cos(a) * 3, 5.5f, 4, c.accent, a);
            }
            c.E(0, by - r - 1, 3, 2, darker(c.accent, 0.6f));
            c.E(-12, by + 1, 3, 6, c.belly, 0.4f);
            c.E(12, by + 1, 3, 6, c.belly, -0.4f);
        } else {
            // A great red flower on the head.
            int f = c.E(0, by - r - 4, 22, 7, c.accent);
            spots(c, f, 0, by - r - 5, 18, 5, 2, hex(0xf0e0d8), 7, 45);
            c.In(f, c.eS(0, by - r - 5, 5, 3), hex(0x5c2c44));
            c.E(-12, by + 3, 3, 5, c.belly, 0.4f);
            c.E(12, by + 3, 3, 5, c.belly, -0.4f);
        }
        int b = c.E(0, by, r, r * 0.95f, c.body);
        (void)b;
        c.eye(-r * 0.35f, by - 1, r * 0.15f);
        c.eye(r * 0.35f, by - 1, r * 0.15f);
        c.mouth(0, by + r * 0.35f, r * 0.16f);
        if (k.has(F::Drip))
            c.decal([px = c.X(-2), py = c.Y(by + r * 0.5f)](Image& img) {
                line(img, px, py, px, py + 3, hex(0xa8d0f0));
                disc(img, px, py + 4, 1.2f, hex(0xa8d0f0));
            });
        break;
    }
    case 3: { // a bell on a thin stalk
        c.C(0, -2, 1, -24, 1.6f, 1.5f, c.accent);
        c.P({{1, -15}, {-9, -20}, {-13, -15}, {-3, -12}}, c.accent, 1.5f);
        c.P({{1, -10}, {11, -15}, {14, -9}, {3, -7}}, c.accent, 1.5f);
        c.C(-4, -2, 5, -2, 1.8f, 1.8f, darker(c.accent, 0.8f));
        c.C(1, -24, -5, -32, 1.5f, 1.5f, c.accent);
        int h = c.E(-8, -38, 11, 9, c.body, 0.3f);
        c.In(h, c.eS(-16, -35, 4, 3, 0.3f), c.belly);
        c.eye(-9, -41, 1.8f, -0.9f);
        break;
    }
    case 4:
    case 5: {
        // A pitcher: a round bowl with a wide lipped mouth, leaves at the sides.
        bool big = v == 5;
        float r = big ? 16.f : 12.f;
        float cy = -r - 2;
        if (!big) {
            c.P({{6, cy + 2}, {17, cy + 8}, {15, cy + 12}, {5, cy + 7}}, c.accent, 1.5f);
            c.P({{-6, cy + 2}, {-17, cy + 8}, {-15, cy + 12}, {-5, cy + 7}}, c.accent, 1.5f);
            curve(c, {2, cy - r * 0.8f}, {6, cy - r - 6}, {11, cy - r - 5}, 1.1f, 0.9f, darker(c.accent, 0.8f), 4);
        } else {
            curve(c, {r * 0.6f, cy - r * 0.6f}, {r + 6, cy - r - 2}, {r + 5, cy + 6}, 1.3f, 1.1f,
                  darker(c.accent, 0.8f), 6);
            c.P({{-r * 0.9f, cy + 4}, {-r - 9, cy + 12}, {-r - 6, cy + 15}, {-r * 0.6f, cy + 10}}, c.accent, 1.5f);
        }
        int b = c.E(0, cy, r, r * 1.05f, c.body);
        if (k.has(F::Spots))
            spots(c, b, 1, cy + r * 0.35f, r * 0.6f, r * 0.35f, 1.2f, darker(c.body, 0.82f), 4, v);
        // The mouth: a dark opening under a lighter lip.
        c.In(b, c.eS(-r * 0.15f, cy - r * 0.45f, r * 0.85f, r * 0.36f, -0.1f), lighter(c.body, 0.35f));
        c.In(b, c.eS(-r * 0.15f, cy - r * 0.4f, r * 0.7f, r * 0.26f, -0.1f), hex(0x8c3c44));
        if (big) {
            // The leaf lid standing over the mouth.
            int lid = c.E(r * 0.2f, cy - r * 1.25f, r * 0.55f, r * 0.32f, c.accent, 0.5f);
            c.In(lid, c.cS(-r * 0.2f, cy - r * 1.45f, r * 0.6f, cy - r * 1.05f, 0.5f, 0.5f), darker(c.accent, 0.75f));
            c.decal([px = c.X(-r * 0.6f), py = c.Y(cy - r * 0.32f)](Image& img) {
                img.set(int(px), int(py), hex(0xf8f8f0));
                img.set(int(px) + 3, int(py) + 1, hex(0xf8f8f0));
            });
        }
        c.eye(-r * 0.42f, cy + r * 0.05f, big ? 2.4f : 2.1f, 0.1f);
        c.eye(r * 0.3f, cy + r * 0.05f, big ? 2.4f : 2.1f, 0.1f);
        break;
    }
    case 6: { // a palm with coconut heads
        c.C(-4, -2, 4, -2, 3, 3, c.body);
        int trunk = c.C(0, -4, 0, -22, 6.5f, 5.5f, c.body);
        for (int i = 0; i < 4; ++i)
            c.In(trunk, c.eS(0, -8 - float(i) * 4, 6, 0.5f), darker(c.body, 0.85f));
        for (int i = 0; i < 6; ++i) {
            float a = (-100.f + float(i) * 40.f) * Pi / 180.f;
            c.E(std::sin(a) * 13, -42 - std::cos(a) * 8, 4, 12, c.accent, a);
        }
        float hxs[3] = {-8, 0, 8}, hys[3] = {-29, -35, -28};
        for (int i = 0; i < 3; ++i) {
            c.E(hxs[i], hys[i], 6, 5.5f, c.belly);
            c.eye(hxs[i] - 2, hys[i] - 1, 1.3f);
            c.eye(hxs[i] + 2, hys[i] - 1, 1.3f);
            c.mouth(hxs[i], hys[i] + 2, 1.5f);
        }
        c.E(-9, -18, 3, 2.5f, c.body);
        c.E(9, -18, 3, 2.5f, c.body);
        break;
    }
    default: break;
    }
}

// ---------------------------------------------------------------- shells

void drawShell(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    switch (v) {
    case 0: { // a bivalve with its tongue out
        c.P({{-14, -18}, {-8, -30}, {8, -32}, {16, -22}, {14, -10}, {-12, -8}}, c.body, 5);
        c.E(0, -18, 12, 8, c.accent);
        c.E(-3, -20, 4, 3.5f, c.accent);
        c.eye(-6, -21, 2.4f, 0.2f);
        c.eye(2, -21, 2.4f, 0.2f);
        c.E(2, -12, 5, 2.2f, c.belly);
        int top = c.P({{-15, -20}, {-10, -34}, {0, -38}, {10, -35}, {16, -22}, {0, -25}}, c.body, 5);
        for (int i = 0; i < 4; ++i)
            c.In(top, c.cS(-8 + float(i) * 5, -35, -4 + float(i) * 3, -23, 0.5f, 0.5f), darker(c.body, 0.8f));
        int bot = c.P({{-14, -12}, {0, -14}, {14, -12}, {10, -3}, {0, -1}, {-10, -3}}, c.body, 4);
        (void)bot;
        break;
    }
    case 1: { // spiky shell around a pearl face
        for (int i = 0; i < 6; ++i) {
            float a = (-110.f + float(i) * 44.f);
            horn(c, std::sin(a * Pi / 180.f) * 14, -24 - std::cos(a * Pi / 180.f) * 14, a, 14, 3.5f, c.accent);
        }
        int shell = c.E(0, -24, 19, 17, c.body);
        c.In(shell, c.eS(0, -24, 11, 10), hex(0x2c2838));
        c.E(0, -25, 7, 7, c.belly);
        horn(c, 0, -31, 0, 5, 2, c.belly);
        c.eye(-3, -25, 1.6f);
        c.eye(3, -25, 1.6f);
        c.mouth(0, -21, 1.6f);
        break;
    }
    case 2:
    case 3: { // a spiral shell with tentacles
        bool big = v == 3;
        for (int i = 0; i < (big ? 6 : 4); ++i) {
            float x = -10 + float(i) * (big ? 4.f : 5.f);
            curve(c, {x, -12}, {x - 3, -6}, {x + 1, -1}, 1.8f, 1.2f, c.body, 3);
        }
        float r = big ? 20.f : 17.f;
        int shell = c.E(2, -18 - r * 0.4f, r, r * 0.9f, c.accent);
        c.decal([cx = c.X(4), cy = c.Y(-18 - r * 0.4f), rr = c.L(r * 0.8f)](Image& img) {
            for (int i = 0; i < 300; ++i) {
                float t = float(i) / 300.f * 2.5f * 2 * Pi;
                float q = rr * (1.f - float(i) / 320.f);
                img.set(int(cx + std::cos(t) * q), int(cy + std::sin(t) * q), hex(0x8c7c5c));
            }
        });
        (void)shell;
        if (big)
            for (int i = 0; i < 5; ++i)
                horn(c, 2 + std::sin((-60.f + float(i) * 30) * Pi / 180.f) * r,
                     -18 - r * 0.4f - std::cos((-60.f + float(i) * 30) * Pi / 180.f) * r * 0.9f, -60.f + float(i) * 30,
                     6, 2.4f, c.accent);
        int face = c.E(-8, -13, 8, 6.5f, c.body);
        (void)face;
        c.eye(-11, -14, 2.2f, -0.6f);
        c.eye(-5, -14, 2.2f, -0.6f);
        if (big)
            c.mouth(-8, -9, 2.5f);
        break;
    }
    case 4: { // a dome with eyes underneath
        for (int i = 0; i < 3; ++i)
            c.C(-8 + float(i) * 8, -6, -9 + float(i) * 8, -1, 1.6f, 1.3f, hex(0x4c3c2c));
        int dome = c.E(0, -16, 21, 15, c.body);
        c.In(dome, c.eS(0, -4, 21, 6), hex(0x2c2c30));
        c.In(dome, c.eS(0, -21, 7, 10), lighter(c.body, 0.15f));
        c.decal([a = c.X(-7), b = c.X(7), y = c.Y(-5), r = c.L(2.4f)](Image& img) {
            disc(img, a, y, r, hex(0xf8d040));
            disc(img, b, y, r, hex(0xf8d040));
        });
        break;
    }
    default: break;
    }
}

void drawCrab(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    float by = -14;
    for (int s = -1; s <= 1; s += 2)
        for (int i = 0; i < 3; ++i)
            c.C(float(s) * (6 + float(i) * 3), by + 4, float(s) * (10 + float(i) * 4), -1, 1.4f, 1.2f,
                darker(c.body, 0.85f));
    auto claw = [&](float side, float size) {
        float x = side * 15, y = by - 8;
        c.C(side * 9, by - 2, x, y + 4, 2.4f, 2.4f, c.body);
        int cl = c.E(x + side * 2, y - size * 0.3f, size, size * 0.75f, c.body, side * 0.4f);
        c.In(cl, c.eS(x + side * 2, y + size * 0.4f, size * 0.8f, size * 0.35f), c.belly);
        c.P({{x + side * size * 0.2f, y - size * 0.9f},
             {x + side * size * 1.2f, y - size * 1.6f},
             {x + side * size * 1.0f, y - size * 0.6f}},
            c.body, 1.5f);
    };
    claw(1, v == 1 ? 10.f : 6.f);
    int body = c.E(0, by, 12, 8.5f, c.body);
    c.In(body, c.eS(0, by + 5, 9, 3.5f), c.belly);
    if (k.has(F::Spikes))
        spikeRow(c, 0, by, 12, 8.5f, -40, 40, 3, 2, 1.5f, c.body);
    c.C(-4, by - 6, -4, by - 11, 1, 1, c.body);
    c.C(4, by - 6, 4, by - 11, 1, 1, c.body);
    c.eye(-4, by - 12, 2, 0);
    c.eye(4, by - 12, 2, 0);
    c.mouth(0, by + 1, 2);
    claw(-1, v == 1 ? 6.5f : 6.f);
}

// ---------------------------------------------------------------- jellies, ghosts

namespace {

namespace jelly {

struct Row {
    int tentacles = 2;
    bool paleTentacles = true, fringe = false, topGem = false;
    float domeRy = 13;
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #072 */ {},
    /* 1: #073 */ {.tentacles = 8, .paleTentacles = false, .fringe = true, .topGem = true, .domeRy = 14},
};

} // namespace jelly

} // namespace

void drawJelly(Ctx& c)
{
    using namespace jelly;
    const Look& k = c.look;
    const Row& row = rowOf(rows, k.variant, "jelly");
    int n = row.tentacles;
    for (int i = 0; i < n; ++i) {
        float x = -8 + float(i) * (16.f / float(std::max(n - 1, 1)));
        if (n == 2)
            x = i == 0 ? -4.f : 4.f;
        curve(c, {x, -22}, {x + (i % 2 ? 4.f : -4.f), -12}, {x + (i % 2 ? -2.f : 2.f), -1}, 1.5f, 1.0f,
              row.paleTentacles ? hex(0xb8d8f0) : c.body, 5);
    }
    if (row.fringe)
        fluff(c, 0, -20, 14, 4, 8, 1.2f, hex(0xb8d8f0));
    int dome = c.E(0, -32, 15, row.domeRy, c.body);
    c.sc.parts[size_t(dome)].gloss = 1.f;
    c.In(dome, c.eS(0, -26, 15, 6), c.belly);
    auto gem = [&](float x, float y, float r) {
        int g = c.E(x, y, r, r, c.accent);
        c.sc.parts[size_t(g)].gloss = 1.f;
    };
    gem(-8, -25, 3.2f);
    gem(8, -25, 3.2f);
    if (row.topGem)
        gem(0, -38, 2.6f);
    c.decal([a = c.X(-4), b = c.X(4), y = c.Y(-21)](Image& img) {
        line(img, a, y, a + 2, y + 1, Ink);
        line(img, b - 2, y + 1, b, y, Ink);
    });
}

void drawGhost(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    if (v == 0) {
        // A dark ball in a cloud of gas.
        int gas = fluff(c, 0, -26, 27, 25, 9, 4, c.accent);
        c.sc.parts[size_t(gas)].flat = true;
        c.sc.parts[size_t(gas)].outline = false;
        int inner = fluff(c, 0, -26, 22, 21, 8, 3, mix(c.accent, c.body, 0.35f));
        c.sc.parts[size_t(inner)].flat = true;
        c.sc.parts[size_t(inner)].outline = false;
        c.E(0, -26, 15, 15, c.body);
        c.eye(-6, -29, 3.6f, 0.2f);
        c.eye(6, -29, 3.6f, 0.2f);
        c.mouth(0, -20, 6);
        return;
    }
    if (v == 1) {
        // A floating head with a wisp of a body and two free hands.
        int tail = c.P({{-13, -30}, {15, -30}, {10, -18}, {3, -12}, {8, -2}, {-3, -9}, {-8, -18}}, c.body, 6);
        (void)tail;
        for (int s = -1; s <= 1; s += 2)
            horn(c, float(s) * 9, -46, float(s) * 30, 12, 4.5f, c.body);
        c.E(0, -36, 16, 13, c.body);
        for (int s = -1; s <= 1; s += 2) {
            float hx = float(s) * 23, hy = s < 0 ? -28.f : -34.f;
            c.E(hx, hy, 5, 4.5f, c.body);
            for (int f = 0; f < 3; ++f)
                c.E(hx + float(s) * 2 + float(f - 1) * 2.5f, hy - 4, 1.4f, 2.2f, c.body);
        }
        c.eye(-6, -39, 3.6f, 0.2f);
        c.eye(6, -39, 3.6f, 0.2f);
        c.mouth(0, -31, 7);
        return;
    }
    // A round shadow with spikes on its back and a grin.
    c.E(-8, -3, 5, 3, c.body);
    c.E(8, -3, 5, 3, c.body);
    spikeRow(c, 0, -24, 16, 18, -60, 60, 5, 4, 3, c.body);
    ear(c, -9, -36, -25, 10, 4, c.body, Colour{-1, 0, 0});
    ear(c, 9, -36, 25, 10, 4, c.body, Colour{-1, 0, 0});
    c.E(0, -22, 18, 17, c.body);
    c.C(-14, -22, -22, -18, 3, 2.5f, c.body);
    c.C(14, -22, 22, -18, 3, 2.5f, c.body);
    c.eye(-6, -28, 3.f, 0.2f);
    c.eye(6, -28, 3.f, 0.2f);
    c.mouth(0, -19, 8);
}

// ---------------------------------------------------------------- rocks, magnets, stars

namespace {

namespace rock {

struct Row {
    bool shell = false; // a round shell with arms, legs and a head, instead of a boulder with arms
    float r = 14, raise = 8, fistRx = 4.4f, fistRy = 4; // raise: how far the front fists are lifted
    bool legsAndFourArms = false;
    uint32_t seed = 74; // of the boulder's outline and its specks
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #074 */ {},
    /* 1: #075 */ {.r = 17, .raise = 4, .fistRx = 3.6f, .fistRy = 3.4f, .legsAndFourArms = true, .seed = 75},
    /* 2: #076 */ {.shell = true, .seed = 76},
};

} // namespace rock

} // namespace

void drawRock(Ctx& c)
{
    const Look& k = c.look;
    const rock::Row& row = rowOf(rock::rows, k.variant, "rock");
    if (row.shell) {
        // A round rock shell with arms, legs and a head.
        c.C(-8, -8, -9, -2, 3.5f, 3, c.accent);
        c.C(8, -8, 9, -2, 3.5f, 3, c.accent);
        c.E(-9, -2, 4.5f, 2.4f, c.accent);
        c.E(9, -2, 4.5f, 2.4f, c.accent);
        c.C(16, -24, 22, -16, 3, 2.6f, c.accent);
        int shell = c.E(0, -23, 19, 17, c.body);
        Lcg g{row.seed};
        for (int i = 0; i < 8; ++i) {
            float a = g.unit() * 2 * Pi, d = g.unit() * 14;
            c.In(shell, c.eS(std::cos(a) * d, -23 + std::sin(a) * d, 3, 2.2f, a), darker(c.body, 0.85f));
        }
        c.C(-16, -24, -22, -16, 3, 2.6f, c.accent);
        int face = c.E(-1, -21, 9, 8, c.accent);
        (void)face;
        c.eye(-4.5f, -23, 2, 0);
        c.eye(2.5f, -23, 2, 0);
        c.mouth(-1, -17, 2);
        return;
    }
    float r = row.r;
    float by = -24.f;
    auto arm = [&](float side, float dy, bool front) {
        float sx = side * r * 0.85f, sy = by + dy + 3;
        float ex = side * (r + 6), ey = sy + (front ? -row.raise : 2.f);
        c.C(sx, sy, ex, ey, 2.6f, 2.4f, front ? c.body : darker(c.body, 0.85f));
        int fist = c.E(ex + side * 1.2f, ey - 2.f, row.fistRx, row.fistRy, front ? c.body : darker(c.body, 0.85f));
        c.In(fist, c.cS(ex + side * 1.2f - 2.5f, ey - 1.f, ex + side * 1.2f + 2.5f, ey - 1.f, 0.35f, 0.35f),
             darker(c.body, 0.75f));
        (void)fist;
    };
    if (row.legsAndFourArms) {
        c.E(-7, -3, 5, 3, c.body);
        c.E(7, -3, 5, 3, c.body);
        arm(1, 2, false);
        arm(-1, 2, false);
    }
    std::vector<Vec2> pts;
    Lcg g{row.seed};
    for (int i = 0; i < 14; ++i) {
        float a = float(i) / 14.f * 2 * Pi;
        float d = r * (0.9f + g.unit() * 0.18f);
        pts.push_back({c.X(std::cos(a) * d), c.Y(by + std::sin(a) * d * 0.92f)});
    }
    int b = c.sc.add(polygon(pts, c.L(r * 0.7f)), c.body);
    for (int i = 0; i < 5; ++i) {
        float a = g.unit() * 2 * Pi, d = g.unit() * r * 0.7f;
        c.In(b, c.eS(std::cos(a) * d, by + std::sin(a) * d, 1.8f, 1.2f), darker(c.body, 0.82f));
    }
    arm(1, -2, true);
    arm(-1, -2, true);
    if (row.legsAndFourArms) {
        // A second pair, lower down.
        arm(1, 8, true);
        arm(-1, 8, true);
    }
    c.eye(-4, by - 2, 2.2f, 0);
    c.eye(4, by - 2, 2.2f, 0);
    c.mouth(0, by + 4, 2.5f);
}

void drawMagnet(Ctx& c)
{
    const Look& k = c.look;
    const int v = k.variant;
    auto unit = [&](float x, float y, float r) {
        // Magnets at the sides, screws on top.
        for (int s = -1; s <= 1; s += 2) {
            c.C(x + float(s) * r, y, x + float(s) * (r + 5), y, 1.8f, 1.8f, hex(0x9ca4b0));
            int m = c.C(x + float(s) * (r + 6), y - 4, x + float(s) * (r + 6), y + 4, 2.4f, 2.4f, c.accent);
            c.In(m, c.eS(x + float(s) * (r + 6), y + 3.5f, 3, 1.8f), c.belly);
        }
        c.C(x, y - r, x, y - r - 4, 1.2f, 1.2f, hex(0x9ca4b0));
        c.E(x, y - r - 4.5f, 2, 1.2f, hex(0x9ca4b0));
        int b = c.E(x, y, r, r, c.body);
        c.sc.parts[size_t(b)].gloss = 1.f;
        c.decal([px = c.X(x), py = c.Y(y), rr = c.L(r * 0.42f)](Image& img) {
            disc(img, px, py, rr + 1, hex(0x1c1424));
            disc(img, px, py, rr, hex(0xf8f8f8));
            disc(img, px - 0.3f, py, rr * 0.4f, hex(0x1c1424));
        });
        c.E(x - r * 0.5f, y + r * 0.7f, 1.2f, 1.2f, hex(0x9ca4b0));
        c.E(x + r * 0.5f, y + r * 0.7f, 1.2f, 1.2f, hex(0x9ca4b0));
    };
    if (v == 0) {
        unit(0, -26, 10);
    } else {
        unit(-12, -17, 8);
        unit(12, -17, 8);
        unit(0, -36, 9);
    }
    (void)k;
}

namespace {

namespace starfish {

struct Row {
    bool backStar = false; // a second, darker star behind, turned
    float r = 20, core = 6, gem = 4.2f;
    int sparkSeed = 120;
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #120 */ {},
    /* 1: #121 */ {.backStar = true, .r = 21, .core = 7, .gem = 5, .sparkSeed = 121},
};

} // namespace starfish

} // namespace

void drawStar(Ctx& c)
{
    const Look& k = c.look;
    const starfish::Row& row = rowOf(starfish::rows, k.variant, "star");
    auto star = [&](float cx, float cy, float r, float rot, Colour col) {
        std::vector<Vec2> pts;
        for (int i = 0; i < 10; ++i) {
            float a = rot + float(i) / 10.f * 2 * Pi;
            float d = i % 2 ? r * 0.45f : r;
            pts.push_back({c.X(cx + std::sin(a) * d), c.Y(cy - std::cos(a) * d)});
        }
        return c.sc.add(polygon(pts, c.L(r * 0.4f)), col);
    };
    if (row.backStar)
        star(0, -26, 22, Pi / 5, darker(c.body, 0.85f));
    int s = star(0, -26, row.r, 0, c.body);
    (void)s;
    int core = c.E(0, -26, row.core, row.core, c.belly);
    (void)core;
    std::vector<Vec2> gem;
    float gr = row.gem;
    for (int i = 0; i < 6; ++i) {
        float a = float(i) / 6.f * 2 * Pi;
        gem.push_back({c.X(std::sin(a) * gr), c.Y(-26 - std::cos(a) * gr)});
    }
    int g = c.sc.add(polygon(gem, c.L(2)), c.accent);
    c.sc.parts[size_t(g)].gloss = 1.f;
    sparks(c, 0, -26, 9, hex(0xfff0a0), 3, row.sparkSeed);
}

void drawPoly(Ctx& c)
{
    // A bird made of flat facets.
    Colour pink = c.body, blue = c.accent;
    c.P({{6, -18}, {20, -12}, {8, -8}}, blue, 1);
    int body = c.P({{-6, -28}, {10, -26}, {12, -14}, {0, -10}, {-10, -16}}, pink, 1.5f);
    c.In(body, c.pS({{0, -10}, {12, -14}, {4, -18}}, 1), darker(pink, 0.85f));
    c.P({{-4, -22}, {2, -18}, {-2, -14}}, blue, 1);
    c.C(-2, -10, -3, -2, 2, 1.8f, blue);
    c.C(6, -10, 7, -2, 2, 1.8f, blue);
    c.P({{-7, -4}, {-1, -4}, {-3, 0}, {-8, 0}}, pink, 1);
    c.P({{4, -4}, {10, -4}, {9, 0}, {3, 0}}, pink, 1);
    int head = c.P({{-8, -40}, {2, -38}, {4, -30}, {-4, -26}, {-12, -30}}, pink, 1.5f);
    c.In(head, c.pS({{-4, -26}, {4, -30}, {0, -34}}, 1), darker(pink, 0.85f));
    c.P({{-12, -33}, {-22, -30}, {-12, -27}}, blue, 1);
    c.eye(-6, -34, 2.2f, -0.9f);
}

} // namespace artgen
