#include "Pictures.h"

#include "Creature.h"
#include "Kit.h"
#include "Sprites.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <stdexcept>

namespace artgen {

using namespace kit;

// ---------------------------------------------------------------- rating bars

Image ratingBar(int rating)
{
    if (rating < 1 || rating > 6)
        throw std::out_of_range("rating must be 1..6");
    // Warm to cool as the rating rises; each sixth is its own segment so the
    // count can be read at a glance.
    static const uint32_t fills[6] = {0xe0483c, 0xf08c30, 0xf0c830, 0x9cc83c, 0x3cb460, 0x3c90dc};
    const Colour fill = hex(fills[rating - 1]);
    const Colour track = hex(0xe4e2dc), trackEdge = hex(0xb8b4ac), ink = hex(0x3c3440);
    Image img(RatingWidth, RatingHeight, 0);
    const int w = RatingWidth, h = RatingHeight;
    auto segEnd = [&](int i) { return (w * i + 3) / 6; }; // right edge (exclusive) of sixth i
    const int filled = segEnd(rating);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool corner = (x == 0 || x == w - 1) && (y == 0 || y == h - 1);
            if (corner)
                continue; // rounded ends show the box's own background (white)
            bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            Colour c;
            if (x < filled) {
                if (edge)
                    c = mix(scale(fill, 0.55f), ink, 0.3f);
                else if (y == 1)
                    c = mix(fill, hex(0xffffff), 0.55f);
                else if (y == 2)
                    c = mix(fill, hex(0xffffff), 0.22f);
                else if (y >= h - 3)
                    c = scale(fill, 0.82f);
                else
                    c = fill;
                // Segment joints: a darker line at each sixth.
                for (int i = 1; i < rating; ++i)
                    if (x == segEnd(i) && !edge)
                        c = scale(fill, 0.62f);
            } else {
                c = edge ? trackEdge : (y == 1 ? hex(0xcfcbc4) : track);
                for (int i = rating + 1; i < 6; ++i)
                    if (x == segEnd(i) && !edge)
                        c = hex(0xd2cec6);
            }
            img.set(x, y, c);
        }
    return img;
}

// ---------------------------------------------------------------- icon

namespace {

// The sixteen colours of the classic system palette: icons of this kind are
// drawn in them.
const uint32_t SystemPalette[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
                                    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};

// The icon: the mascot's face (a green cub with leaf ears), drawn directly in
// palette indices; 255 is transparent.
std::vector<uint8_t> iconIndices()
{
    enum {
        Black = 0,
        DarkGreen = 2,
        Olive = 3,
        Silver = 7,
        Grey = 8,
        Red = 9,
        Lime = 10,
        Yellow = 11,
        White = 15,
        None = 255
    };
    std::vector<uint8_t> px(32 * 32, None);
    auto at = [&](int x, int y) -> uint8_t& { return px[size_t(y * 32 + x)]; };
    auto inEll = [](float x, float y, float cx, float cy, float rx, float ry) {
        float dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.f;
    };
    auto inTri = [](float x, float y, float ax, float ay, float bx, float by, float cx, float cy) {
        auto side = [](float ox, float oy, float qx, float qy, float rx, float ry) {
            return (qx - ox) * (ry - oy) - (qy - oy) * (rx - ox);
        };
        float d1 = side(ax, ay, bx, by, x, y), d2 = side(bx, by, cx, cy, x, y), d3 = side(cx, cy, ax, ay, x, y);
        bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
        return !(neg && pos);
    };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            bool earL = inTri(fx, fy, 4.5f, 15, 13, 9, 4, 1.5f);
            bool earR = inTri(fx, fy, 27.5f, 15, 19, 9, 28, 1.5f);
            bool head = inEll(fx, fy, 16, 19, 12, 10);
            if (earL || earR)
                at(x, y) = DarkGreen;
            if ((earL && inTri(fx, fy, 6.5f, 12.5f, 11, 10, 6, 5)) ||
                (earR && inTri(fx, fy, 25.5f, 12.5f, 21, 10, 26, 5)))
                at(x, y) = Yellow;
            if (head) {
                // Lit from the top left: lime there, dark green elsewhere,
                // olive along the lower right.
                float l = (fx - 16) * 0.6f + (fy - 19) * 0.8f;
                at(x, y) = l < -5.5f ? Lime : l > 7.f ? Olive : DarkGreen;
            }
            if (inEll(fx, fy, 16, 24, 5.5f, 3.6f))
                at(x, y) = fy > 26 ? Silver : White;
        }
    // Outline every shape in black.
    std::vector<uint8_t> copy = px;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (copy[size_t(y * 32 + x)] != None)
                continue;
            for (int d = 0; d < 4; ++d) {
                int X = x + (d == 0) - (d == 1), Y = y + (d == 2) - (d == 3);
                if (X >= 0 && Y >= 0 && X < 32 && Y < 32 && copy[size_t(Y * 32 + X)] != None)
                    at(x, y) = Black;
            }
        }
    // Eyes with a glint, nose, mouth, cheeks.
    for (int dy = 0; dy < 4; ++dy)
        for (int dx = 0; dx < 3; ++dx) {
            at(10 + dx, 17 + dy) = Black;
            at(19 + dx, 17 + dy) = Black;
        }
    at(10, 17) = White, at(19, 17) = White;
    at(12, 20) = Grey, at(21, 20) = Grey;
    at(15, 22) = Black, at(16, 22) = Black;
    at(14, 25) = Black, at(15, 25) = Red, at(16, 25) = Red, at(17, 25) = Black;
    at(7, 22) = Red, at(8, 22) = Red, at(23, 22) = Red, at(24, 22) = Red;
    return px;
}

} // namespace

Image iconImage()
{
    std::vector<uint8_t> px = iconIndices();
    Image img(32, 32, 0);
    for (int i = 0; i < 32 * 32; ++i)
        if (px[size_t(i)] != 255)
            img.px[size_t(i)] = 0xff000000u | SystemPalette[px[size_t(i)]];
    return img;
}

std::vector<uint8_t> iconFile()
{
    std::vector<uint8_t> px = iconIndices();
    std::vector<uint8_t> out;
    auto u16 = [&](unsigned v) {
        out.push_back(uint8_t(v & 0xff));
        out.push_back(uint8_t(v >> 8));
    };
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(uint8_t(v >> (8 * i)));
    };
    const uint32_t xorBytes = 32 * 32 / 2, andBytes = 32 * 4;
    const uint32_t imageBytes = 40 + 16 * 4 + xorBytes + andBytes;
    // Icon directory and its single entry.
    u16(0), u16(1), u16(1);
    out.push_back(32), out.push_back(32), out.push_back(16), out.push_back(0);
    u16(1), u16(4), u32(imageBytes), u32(6 + 16);
    // Bitmap header: the height counts the colour image and the mask.
    u32(40), u32(32), u32(64), u16(1), u16(4), u32(0), u32(xorBytes + andBytes), u32(0), u32(0), u32(0), u32(0);
    for (uint32_t c : SystemPalette)
        out.push_back(uint8_t(c)), out.push_back(uint8_t(c >> 8)), out.push_back(uint8_t(c >> 16)), out.push_back(0);
    for (int y = 31; y >= 0; --y)
        for (int x = 0; x < 32; x += 2) {
            auto idx = [&](int xx) {
                uint8_t v = px[size_t(y * 32 + xx)];
                return v == 255 ? 0 : v;
            };
            out.push_back(uint8_t(idx(x) << 4 | idx(x + 1)));
        }
    for (int y = 31; y >= 0; --y)
        for (int b = 0; b < 4; ++b) {
            uint8_t m = 0;
            for (int i = 0; i < 8; ++i)
                if (px[size_t(y * 32 + b * 8 + i)] == 255)
                    m |= uint8_t(0x80 >> i);
            out.push_back(m);
        }
    return out;
}

// ---------------------------------------------------------------- people and scenes

namespace {

const Look& personLook()
{
    static const Look l{-1, Plan::Biped, 0, 0xf4c8a0, 0, 0, 0, 1};
    return l;
}

struct Person {
    uint32_t skin = 0xf4c8a0, hair = 0x2c2024, top = 0x3c6cd0, shirt = 0xf8f8f8, pants = 0x3c4c8c, shoes = 0x3c3c44;
    uint32_t cap = 0xd83c3c;
    enum Hair { Cap, Spiky, Ponytail, Apron } style = Cap;
    bool wave = false;   // right arm raised
    bool squint = false; // eyes as lines
    bool backpack = false;
};

// A person about 56 units tall in the creature frame (feet at 0).
void drawPerson(Ctx& c, const Person& p)
{
    Colour skin = hex(p.skin), hair = hex(p.hair), top = hex(p.top), pants = hex(p.pants), shoes = hex(p.shoes);
    if (p.backpack)
        c.P({{4, -40}, {11, -38}, {12, -24}, {5, -23}}, hex(0xe8a040), 2);
    if (p.style == Person::Ponytail)
        c.E(8, -45, 4, 6, hair, 0.6f);
    // Legs and shoes.
    c.C(-3.2f, -21, -3.8f, -4, 2.6f, 2.2f, pants);
    c.C(3.2f, -21, 3.8f, -4, 2.6f, 2.2f, pants);
    c.E(-4.6f, -2.4f, 3.6f, 2.3f, shoes);
    c.E(4.6f, -2.4f, 3.6f, 2.3f, shoes);
    // Far arm.
    if (p.wave) {
        c.C(7, -34, 12, -44, 2.2f, 2.f, top);
        c.E(12.5f, -46, 2.4f, 2.6f, skin);
    } else {
        c.C(7, -34, 10, -23, 2.2f, 2.f, top);
        c.E(10.3f, -21.5f, 2.2f, 2.2f, skin);
    }
    // Torso.
    int torso = c.P({{-7.5f, -37}, {7.5f, -37}, {7, -20}, {-7, -20}}, top, 3);
    c.In(torso, c.pS({{-2.5f, -37}, {2.5f, -37}, {0, -30}}, 1), hex(p.shirt));
    if (p.style == Person::Apron)
        c.In(torso, c.pS({{-5, -31}, {5, -31}, {6, -19}, {-6, -19}}, 1), hex(p.shirt));
    else
        c.In(torso, c.eS(0, -20.5f, 8, 1.3f), darker(pants, 0.8f));
    // Near arm.
    c.C(-7, -34, -9.5f, -23, 2.2f, 2.f, top);
    c.E(-9.8f, -21.5f, 2.2f, 2.2f, skin);
    // Head and hair.
    c.C(0, -38, 0, -36, 2, 2, skin);
    if (p.style == Person::Ponytail || p.style == Person::Apron)
        c.E(0, -46, 9, 8.5f, hair);
    int head = c.E(0, -44.5f, 7.8f, 8.2f, skin);
    switch (p.style) {
    case Person::Cap: {
        int capTop = c.E(0.5f, -49.5f, 8.4f, 5.5f, hex(p.cap));
        c.In(capTop, c.eS(0, -51, 3.2f, 2.6f), hex(0xf8f8f8));
        c.P({{-9.5f, -47.5f}, {-3, -48.5f}, {-2, -46.3f}, {-10.5f, -45.6f}}, hex(p.cap), 1.2f);
        c.P({{6, -48}, {10, -44}, {7, -44}}, hair, 1); // a tuft behind the cap
        c.P({{-6, -46.5f}, {-3.5f, -43.5f}, {-1.5f, -46}}, hair, 1);
        break;
    }
    case Person::Spiky:
        c.P({{-8.5f, -45},
             {-10, -52},
             {-6, -50},
             {-5, -56},
             {-1, -52},
             {2, -57},
             {4, -52},
             {9, -54},
             {8.5f, -46},
             {4, -50},
             {-4, -49.5f}},
            hair, 2);
        break;
    case Person::Ponytail:
    case Person::Apron:
        c.In(head, c.eS(0, -51, 9, 4), hair);
        c.In(head, c.eS(-4, -49, 4, 3, 0.4f), hair);
        break;
    }
    (void)head;
    // Face: big friendly eyes or a squint, a small mouth.
    if (p.squint) {
        c.decal([a = c.X(-3.6f), b = c.X(2.8f), y = c.Y(-43.5f), w = c.L(1.8f)](Image& img) {
            line(img, a - w, y, a + w, y, hex(0x2c1c24));
            line(img, b - w, y, b + w, y, hex(0x2c1c24));
        });
    } else {
        c.eye(-3.4f, -43.5f, 1.5f, -0.2f, hex(0x2c1c24));
        c.eye(2.8f, -43.5f, 1.5f, -0.2f, hex(0x2c1c24));
    }
    c.decal(
        [x = c.X(-0.3f), y = c.Y(-39.5f), w = c.L(1.4f)](Image& img) { line(img, x - w, y, x + w, y, hex(0xa04c4c)); });
}

Image renderScene(Ctx& c, int w, int h)
{
    return render(c.sc, w, h);
}

// A vertical sky gradient with soft clouds, and a grass band with tufts.
Image landscape(int w, int h, int horizon, uint32_t seed)
{
    Image img(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Colour c;
            if (y < horizon) {
                float t = float(y) / float(horizon);
                c = mix(hex(0x8cc4f0), hex(0xdcf0fc), t);
            } else {
                float t = float(y - horizon) / float(std::max(h - horizon, 1));
                c = mix(hex(0x7cc860), hex(0x4c9c44), t);
                if (((x * 7 + y * 13 + int(seed)) % 23) == 0)
                    c = hex(0x9cdc78);
            }
            img.set(x, y, c);
        }
    // Clouds.
    uint32_t s = seed;
    auto rnd = [&]() {
        s = s * 1664525u + 1013904223u;
        return float((s >> 8) & 0xffff) / 65535.f;
    };
    for (int k = 0; k < 3; ++k) {
        float cx = rnd() * float(w), cy = float(horizon) * (0.2f + rnd() * 0.4f);
        for (int b = 0; b < 4; ++b) {
            float bx = cx + float(b - 2) * 7, by = cy + (b % 2 ? 1.f : -2.f), r = 5.f + float(b % 2) * 2;
            for (int y = int(by - r); y <= int(by + r); ++y)
                for (int x = int(bx - r * 1.4f); x <= int(bx + r * 1.4f); ++x) {
                    float dx = (float(x) - bx) / (r * 1.4f), dy = (float(y) - by) / r;
                    if (dx * dx + dy * dy <= 1.f && y < horizon)
                        img.set(x, y, dy > 0.4f ? hex(0xe4eef8) : hex(0xfcfcfc));
                }
        }
    }
    // Distant hills.
    for (int x = 0; x < w; ++x) {
        int top = horizon - int(6 + 5 * std::sin(float(x) * 0.07f + float(seed % 7)) + 3 * std::sin(float(x) * 0.19f));
        for (int y = top; y < horizon; ++y)
            img.set(x, y, mix(hex(0x6cb4a0), hex(0x8cc8b0), float(horizon - y) / 12.f));
    }
    return img;
}

// Reduces a picture to a table of `table` entries and encodes it.
std::vector<uint8_t> encodeIndexed(const Image& img, int table, bool transparent, bool interlaced)
{
    Indexed ix = quantize(img, table, transparent ? 0 : -1, {255, 0, 255});
    GifPicture pic = singleFrame(ix, transparent ? 0 : -1, interlaced);
    return encodeGif(pic);
}

// A creature drawn at `zoom` into a scene picture, feet at (x, footY).
void placeCreature(Image& dst, int number, float zoom, int x, int footY)
{
    Image cr = drawCreature(number, zoom);
    int x0, y0, x1, y1;
    if (!opaqueBounds(cr, x0, y0, x1, y1))
        return;
    blit(dst, cr, x - (x0 + x1) / 2, footY - y1);
}

} // namespace

std::vector<uint8_t> trainerGif()
{
    const int w = 123, h = 134;
    Image img = landscape(w, h, 92, 11);
    // A rounded frame so the picture reads as a card.
    Ctx c(personLook(), 58, 128, 2.05f);
    Person p;
    p.wave = true;
    p.backpack = true;
    drawPerson(c, p);
    Image person = renderScene(c, w, h);
    blit(img, person, 0, 0);
    placeCreature(img, 25, 0.62f, 100, 127);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                img.set(x, y, hex(0x3c4c6c));
    // Dithering in the sky keeps all 256 entries of the table in use.
    return encodeIndexed(img, 256, false, false);
}

std::vector<uint8_t> martGif()
{
    const int w = 154, h = 131;
    Image img(w, h, 0);
    // Shelves behind the counter.
    Ctx s(personLook(), 0, 0, 1);
    int wall = s.sc.add(polygon({{6, 6}, {148, 6}, {148, 84}, {6, 84}}, 2), hex(0xd8c8a8));
    (void)wall;
    for (int r = 0; r < 3; ++r) {
        float y = 30.f + float(r) * 24.f;
        s.sc.add(polygon({{12, y}, {142, y}, {142, y + 3}, {12, y + 3}}, 1), hex(0x9c6c40));
        for (int i = 0; i < 9; ++i) {
            float x = 16.f + float(i) * 14.f;
            static const uint32_t goods[] = {0xd84848, 0x4c8cd8, 0xf0c840, 0x5cb45c, 0xb070d0, 0xf08c3c};
            uint32_t g = goods[(i + r * 2) % 6];
            if ((i + r) % 3 == 0)
                s.sc.add(ellipse(x + 4, y - 6, 4.5f, 5.5f), hex(g)); // round jars
            else {
                s.sc.add(polygon({{x, y - 14}, {x + 9, y - 14}, {x + 9, y}, {x, y}}, 1.5f), hex(g)); // boxes
            }
        }
    }
    Image back = render(s.sc, w, h);
    blit(img, back, 0, 0);
    // The clerk.
    Ctx c(personLook(), 100, 118, 1.45f);
    Person clerk;
    clerk.style = Person::Apron;
    clerk.top = 0x4c9c5c;
    clerk.shirt = 0xf0f0e8;
    clerk.hair = 0x6c4428;
    drawPerson(c, clerk);
    Image ck = renderScene(c, w, h);
    blit(img, ck, 0, 0);
    // The counter in front, with a till and a little bell.
    Ctx k(personLook(), 0, 0, 1);
    int counter = k.sc.add(polygon({{4, 84}, {150, 84}, {150, 126}, {4, 126}}, 3), hex(0xb07c48));
    k.sc.inlay(counter, polygon({{4, 84}, {150, 84}, {150, 92}, {4, 92}}, 2), hex(0xc8945c));
    for (int i = 0; i < 4; ++i)
        k.sc.inlay(counter,
                   polygon({{10.f + float(i) * 36.f, 98},
                            {40.f + float(i) * 36.f, 98},
                            {40.f + float(i) * 36.f, 120},
                            {10.f + float(i) * 36.f, 120}},
                           2),
                   hex(0xa06c3c));
    int till = k.sc.add(polygon({{18, 64}, {48, 64}, {52, 86}, {14, 86}}, 3), hex(0x8c94a4));
    k.sc.inlay(till, polygon({{22, 68}, {44, 68}, {44, 74}, {22, 74}}, 1), hex(0x5cc8a0));
    k.sc.add(ellipse(64, 82, 5, 3.5f), hex(0xf0c040));
    k.sc.add(ellipse(64, 78, 1.3f, 1.3f), hex(0xf0c040));
    Image front = render(k.sc, w, h);
    blit(img, front, 0, 0);
    return encodeIndexed(img, 128, true, false);
}

std::vector<uint8_t> tmhmGif()
{
    const int w = 145, h = 200;
    Image img(w, h, 0);
    // Three companions side by side, the creature on the ground in front.
    auto person = [&](float x, float scale, const Person& p) {
        Ctx c(personLook(), x, 192, scale);
        drawPerson(c, p);
        blit(img, renderScene(c, w, h), 0, 0);
    };
    Person girl;
    girl.style = Person::Ponytail;
    girl.hair = 0xf08c3c;
    girl.top = 0xf4e048;
    girl.shirt = 0xf4e048;
    girl.pants = 0x3c7cd0;
    girl.shoes = 0xd84848;
    Person tall;
    tall.style = Person::Spiky;
    tall.hair = 0x5c3c24;
    tall.skin = 0xd8a070;
    tall.top = 0x7c8c48;
    tall.shirt = 0xf08c3c;
    tall.pants = 0x7c6448;
    tall.squint = true;
    Person boy;
    boy.wave = true;
    boy.backpack = true;
    person(34, 2.6f, girl);
    person(110, 2.95f, tall);
    person(72, 2.8f, boy);
    placeCreature(img, 25, 0.8f, 98, 198);
    return encodeIndexed(img, 64, true, true);
}

std::vector<uint8_t> aboutGif()
{
    const int w = 293, h = 187;
    Image img(w, h, 0);
    // A grassy knoll; the trainer on it and the yellow companion leaping.
    Ctx g(personLook(), 0, 0, 1);
    int hill = g.sc.add(ellipse(146, 200, 150, 52), hex(0x7cc860));
    g.sc.inlay(hill, ellipse(120, 160, 60, 8), hex(0x94d878));
    blit(img, render(g.sc, w, h), 0, 0);
    Ctx c(personLook(), 110, 168, 2.7f);
    Person boy;
    boy.wave = true;
    boy.backpack = true;
    drawPerson(c, boy);
    blit(img, renderScene(c, w, h), 0, 0);
    placeCreature(img, 25, 1.25f, 205, 140);
    // Motion lines under the leap.
    for (int i = 0; i < 3; ++i)
        line(img, 175.f + float(i) * 14, 150.f + float(i % 2) * 4, 185.f + float(i) * 14, 158.f + float(i % 2) * 4,
             hex(0x5c9c48));
    return encodeIndexed(img, 128, true, true);
}

// ---------------------------------------------------------------- the mascot

namespace {

// The program's mascot: a small green fox-cub with leaf ears and a leaf tail.
// Poses: 0 standing, 1 paw up, 2 paw high, 3 blink, 4 hop, 5 tail swish.
Image mascotPose(int pose)
{
    const int w = 94, h = 61;
    Image img(w, h, 0);
    // Background: a pale card with a soft floor, same in every frame.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Colour c = y < 52 ? mix(hex(0xfdf6e4), hex(0xf2e6c8), float(y) / 52.f) : hex(0xd8e8b8);
            if (y == 52)
                c = hex(0xb8d098);
            img.set(x, y, c);
        }
    static const Look look{-2, Plan::Biped, 0, 0x5cbc7c, 0x3c8c5c, 0xf8f0d0, F::EyeBig, 1};
    float lift = pose == 4 ? 4.f : 0.f;
    Ctx c(look, 52, 54 - lift, 0.72f);
    const Colour body = c.body, dark = darker(c.body, 0.8f), cream = c.belly;
    // Tail: a big leaf.
    float swish = pose == 5 ? -14.f : 0.f;
    int tail = c.E(18, -22 + swish * 0.3f, 6, 13, c.accent, 0.5f + swish * 0.04f);
    c.In(tail, c.cS(13, -12, 22, -32 + swish * 0.4f, 0.6f, 0.6f), darker(c.accent, 0.75f));
    // Far leg and arm.
    c.C(4, -12, 5, -3, 3, 2.6f, dark);
    c.E(5.5f, -2.2f, 4, 2.2f, dark);
    c.C(7, -24, 11, -16, 2.4f, 2.2f, dark);
    c.E(11.5f, -15, 2.8f, 2.6f, dark);
    int b = c.E(0, -17, 10, 11, body);
    c.In(b, c.eS(-1.5f, -14, 6.5f, 7.5f), cream);
    c.C(-4, -12, -5, -3, 3, 2.6f, body);
    c.E(-6, -2.2f, 4, 2.2f, body);
    // Leaf ears and head.
    ear(c, 7, -41, 28, 14, 4.5f, c.accent, lighter(c.accent, 0.4f));
    int hd = c.E(-1, -36, 11, 10, body);
    c.In(hd, c.eS(-3, -31, 6, 4), cream);
    ear(c, -8, -42, -22, 14, 4.5f, c.accent, lighter(c.accent, 0.4f));
    (void)hd;
    // Near arm, waving in poses 1 and 2.
    if (pose == 1) {
        c.C(-8, -24, -16, -30, 2.4f, 2.2f, body);
        c.E(-17, -31.5f, 2.9f, 2.9f, body);
    } else if (pose == 2) {
        c.C(-8, -24, -13, -36, 2.4f, 2.2f, body);
        c.E(-13.5f, -38, 2.9f, 2.9f, body);
    } else {
        c.C(-8, -24, -11, -16, 2.4f, 2.2f, body);
        c.E(-11.5f, -15, 2.8f, 2.6f, body);
    }
    // Face.
    if (pose == 3) {
        c.decal([a = c.X(-5), b2 = c.X(3), y = c.Y(-37)](Image& im) {
            line(im, a - 2, y, a + 2, y, hex(0x1c1424));
            line(im, b2 - 2, y, b2 + 2, y, hex(0x1c1424));
        });
    } else {
        c.eye(-5, -37, 2.8f, -0.2f, hex(0x5c3c24));
        c.eye(3, -37, 2.8f, -0.2f, hex(0x5c3c24));
    }
    c.mouth(-1, -31.5f, 1.6f);
    c.cheek(-8.5f, -32, 1.4f, hex(0xf09c9c));
    c.cheek(6, -32, 1.4f, hex(0xf09c9c));
    Image m = render(c.sc, w, h);
    blit(img, m, 0, 0);
    // A little shadow that shrinks when hopping.
    for (int x = 40; x <= 64; ++x) {
        if (pose == 4 && (x < 44 || x > 60))
            continue;
        if (!m.opaque(x, 55))
            img.set(x, 55, hex(0xa8c088));
    }
    // Border.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (x == 0 || y == 0 || x == w - 1 || y == h - 1)
                img.set(x, y, hex(0x8c7c5c));
    return img;
}

} // namespace

std::vector<uint8_t> mascotGif()
{
    const int w = 94, h = 61;
    // Frame 1 is the whole picture; frames 2-6 are patches of the poses that
    // follow, 48 rows high at top 9, of differing widths and lefts so that
    // the control composes real sub-rectangles.
    static const int poses[6] = {0, 1, 2, 1, 3, 4};
    static const int lefts[5] = {8, 17, 12, 10, 14};
    static const int widths[5] = {80, 71, 76, 78, 74};
    std::vector<Image> frames;
    for (int p : poses)
        frames.push_back(mascotPose(p));
    // One palette for all frames: quantize a strip of every pose together.
    Image strip(w, h * 6, 0);
    for (int i = 0; i < 6; ++i)
        blit(strip, frames[size_t(i)], 0, h * i);
    Indexed all = quantize(strip, 64, -1);
    GifPicture pic;
    pic.width = w, pic.height = h;
    pic.globalTable = all.palette;
    pic.loopCount = 1000;
    for (int i = 0; i < 6; ++i) {
        GifFrame f;
        f.delay = 100;
        f.disposal = 1;
        f.transparentIndex = -1;
        if (i == 0) {
            f.width = w, f.height = h;
        } else {
            f.left = lefts[i - 1], f.top = 9, f.width = widths[i - 1], f.height = 48;
        }
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x)
                f.pixels.push_back(all.idx[size_t((h * i + f.top + y) * w + f.left + x)]);
        pic.frames.push_back(std::move(f));
    }
    return encodeGif(pic);
}

std::vector<Decoration> decorations()
{
    return {
        {"treinador.gif", "UnitPrincipal.form", "Form1", "GIFImage2", trainerGif()},
        {"pokemart.gif", "UnitPokeMart.form", "FormPokeMart", "GIFImage1", martGif()},
        {"tmhm.gif", "UnitTmHm.form", "FormTmHm", "GIFImage1", tmhmGif()},
        {"sobre-grande.gif", "UnitSobre.form", "FormSobre", "GIFImage3", aboutGif()},
        {"sobre-mascote.gif", "UnitSobre.form", "FormSobre", "GIFImage1", mascotGif()},
    };
}

} // namespace artgen
