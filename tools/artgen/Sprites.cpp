#include "Sprites.h"

#include "Creature.h"
#include "catalogue/Catalogue.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <stdexcept>

namespace artgen {

Shape Ctx::pS(std::initializer_list<Vec2> pts, float bevel) const
{
    std::vector<Vec2> v;
    for (Vec2 p : pts)
        v.push_back({X(p.x), Y(p.y)});
    return polygon(std::move(v), L(bevel));
}

Ctx::Ctx(const Look& l, float originX, float groundY, float scale)
    : look(l), ox(originX), oy(groundY), s(scale), body(hex(l.body)), accent(hex(l.accent)), belly(hex(l.belly))
{
}

namespace {

const Colour Ink = hex(0x1c1424);
const Colour White = hex(0xfcfcf8);

void fillEllipse(Image& img, float cx, float cy, float rx, float ry, Colour c)
{
    int x0 = int(std::floor(cx - rx)) - 1, x1 = int(std::ceil(cx + rx)) + 1;
    int y0 = int(std::floor(cy - ry)) - 1, y1 = int(std::ceil(cy + ry)) + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            float dx = (float(x) + 0.5f - cx) / rx, dy = (float(y) + 0.5f - cy) / ry;
            if (dx * dx + dy * dy <= 1.f)
                img.set(x, y, c);
        }
}

bool inEllipse(int x, int y, float cx, float cy, float rx, float ry)
{
    float dx = (float(x) + 0.5f - cx) / rx, dy = (float(y) + 0.5f - cy) / ry;
    return dx * dx + dy * dy <= 1.f;
}

} // namespace

void Ctx::eye(float x, float y, float r, float lookX, Colour iris)
{
    const uint64_t f = look.features;
    if (f & F::EyeNone)
        return;
    float px = X(x), py = Y(y), pr = std::max(L(r), 1.2f);
    // Which side of the face the eye is on decides the slope of an angry brow:
    // the inner end is lower.
    float side = lookX <= -0.9f ? 1.f : (x < 0 ? -1.f : 1.f);
    if (lookX <= -0.9f)
        lookX = -0.5f;
    if (f & F::EyeRed)
        iris = hex(0xc8283c);
    const Colour bodyColour = body;
    decal([=](Image& img) {
        Colour skin = fromArgb(img.opaque(int(px), int(py - pr * 1.7f)) ? img.at(int(px), int(py - pr * 1.7f))
                                                                        : argb(bodyColour));
        float rx = pr * 0.86f, ry = pr * 1.12f;
        if (f & F::EyeClosed) {
            // A closed eye: a dark, slightly curved lash line.
            for (int i = -int(std::ceil(rx)); i <= int(std::ceil(rx)); ++i) {
                float t = float(i) / rx;
                img.set(int(std::floor(px + float(i))), int(std::floor(py + t * t * 1.2f)), Ink);
            }
            return;
        }
        if (pr < 2.0f) {
            fillEllipse(img, px, py, std::max(rx, 0.9f), std::max(ry, 1.1f), iris);
            img.set(int(std::floor(px - 0.5f)), int(std::floor(py - ry * 0.5f)), White);
        } else {
            fillEllipse(img, px, py, rx + 0.7f, ry + 0.7f, Ink);
            fillEllipse(img, px, py, rx - 0.2f, ry - 0.2f, White);
            float pcx = px + lookX * rx * 0.45f;
            if (f & F::EyeBlank) {
                fillEllipse(img, pcx, py, std::max(rx * 0.28f, 0.8f), std::max(rx * 0.28f, 0.8f), Ink);
            } else {
                float ir = rx * ((f & F::EyeBig) ? 0.82f : 0.7f);
                fillEllipse(img, pcx, py + ry * 0.08f, ir, ry * 0.78f, iris);
                if (iris.r + iris.g + iris.b > 0.5f)
                    fillEllipse(img, pcx, py + ry * 0.15f, ir * 0.5f, ry * 0.42f, Ink);
                int hx = int(std::floor(pcx - ir * 0.35f)), hy = int(std::floor(py - ry * 0.38f));
                img.set(hx, hy, White);
                if (pr >= 3.2f) {
                    img.set(hx + 1, hy, White);
                    img.set(hx, hy + 1, White);
                    img.set(hx + 1, hy + 1, White);
                }
                if (f & F::EyeBig)
                    img.set(int(std::floor(pcx + ir * 0.4f)), int(std::floor(py + ry * 0.45f)), White);
            }
        }
        if (f & (F::EyeSleepy)) {
            // A heavy lid over the top half.
            for (int yy = int(py - ry - 2); yy <= int(py + 0.5f); ++yy)
                for (int xx = int(px - rx - 2); xx <= int(px + rx + 2); ++xx)
                    if (inEllipse(xx, yy, px, py, rx + 0.7f, ry + 0.7f) && float(yy) + 0.5f < py + 0.3f)
                        img.set(xx, yy, skin);
            line(img, px - rx - 0.5f, py + 0.3f, px + rx + 0.5f, py + 0.3f, Ink);
        } else if (f & F::EyeAngry) {
            // A brow across the top of the eye, lower towards the middle of
            // the face; the white above it is covered by the skin.
            float ax = px + side * (rx + 0.8f), ay = py - ry * 1.05f;
            float bx = px - side * (rx + 0.5f), by = py - ry * 0.3f;
            for (int yy = int(py - ry - 2); yy <= int(py + ry + 1); ++yy)
                for (int xx = int(px - rx - 2); xx <= int(px + rx + 2); ++xx) {
                    if (!inEllipse(xx, yy, px, py, rx + 0.7f, ry + 0.7f))
                        continue;
                    float t = (float(xx) + 0.5f - ax) / (bx - ax);
                    float ly = ay + (by - ay) * t;
                    if (float(yy) + 0.5f < ly - 0.5f)
                        img.set(xx, yy, skin);
                }
            line(img, ax, ay, bx, by, Ink);
            if (pr >= 3.f)
                line(img, ax, ay - 1, bx, by - 1, Ink);
        }
    });
}

void Ctx::eyes(float x0, float x1, float y, float r, float lookX)
{
    eye(x0, y, r, lookX);
    eye(x1, y, r, lookX);
}

void Ctx::mouth(float x, float y, float w)
{
    const uint64_t f = look.features;
    float px = X(x), py = Y(y), pw = std::max(L(w), 1.5f);
    Colour inside = hex(0x8c2c3c), tongue = hex(0xf07888);
    decal([=](Image& img) {
        if (f & F::MouthGrin) {
            // A wide grin with a row of teeth.
            for (int i = -int(pw); i <= int(pw); ++i) {
                float t = float(i) / pw;
                float top = py - 0.8f + t * t * -1.5f, bot = py + 2.2f * (1.f - t * t) + 0.5f;
                for (int yy = int(std::floor(top)); yy <= int(std::floor(bot)); ++yy)
                    img.set(int(std::floor(px + float(i))), yy, yy <= int(std::floor(top)) + 1 ? White : inside);
                img.set(int(std::floor(px + float(i))), int(std::floor(top)) - 1, Ink);
                img.set(int(std::floor(px + float(i))), int(std::floor(bot)) + 1, Ink);
            }
            return;
        }
        if (f & F::MouthOpen) {
            float ry = std::max(pw * 0.7f, 1.5f);
            fillEllipse(img, px, py + ry * 0.4f, pw + 0.8f, ry + 0.8f, Ink);
            fillEllipse(img, px, py + ry * 0.4f, pw, ry, inside);
            fillEllipse(img, px, py + ry * 0.9f, pw * 0.6f, ry * 0.45f, tongue);
            if (f & F::MouthFang) {
                img.set(int(px - pw * 0.6f), int(py - ry * 0.35f + 1), White);
                img.set(int(px + pw * 0.6f), int(py - ry * 0.35f + 1), White);
                img.set(int(px - pw * 0.6f), int(py - ry * 0.35f + 2), White);
                img.set(int(px + pw * 0.6f), int(py - ry * 0.35f + 2), White);
            }
            return;
        }
        // A small smile.
        for (int i = -int(std::round(pw)); i <= int(std::round(pw)); ++i) {
            float t = float(i) / pw;
            img.set(int(std::floor(px + float(i))), int(std::floor(py + (1.f - t * t) * 1.1f)), Ink);
        }
        if (f & F::MouthFang) {
            img.set(int(std::floor(px - pw * 0.5f)), int(std::floor(py + 1.6f)), White);
            img.set(int(std::floor(px + pw * 0.5f)), int(std::floor(py + 1.6f)), White);
        }
        if (f & F::Tongue) {
            fillEllipse(img, px + 0.5f, py + 2.6f, std::max(pw * 0.45f, 1.2f), 1.8f, tongue);
            img.set(int(std::floor(px + 0.5f)), int(std::floor(py + 2.6f)), hex(0xc04c60));
        }
    });
}

void Ctx::cheek(float x, float y, float r, Colour c)
{
    float px = X(x), py = Y(y), pr = std::max(L(r), 1.2f);
    decal([=](Image& img) { fillEllipse(img, px, py, pr, pr * 0.85f, c); });
}

namespace {

int stagesOfFamily(int first)
{
    int most = 1;
    for (int n = 1; n <= 151; ++n) {
        Catalogue::Family fam = Catalogue::FamilyOf(n);
        if (fam.First == first)
            most = std::max(most, fam.Stage);
    }
    return most;
}

float sizeOf(const Look& look)
{
    if (look.size > 0)
        return look.size * 1.15f;
    Catalogue::Family fam = Catalogue::FamilyOf(look.number);
    int stages = stagesOfFamily(fam.First);
    // The whole range is drawn a little larger than the nominal frame; the
    // largest forms are then fitted to the box.
    const float k = 1.15f;
    if (stages == 3)
        return k * (fam.Stage == 1 ? 0.74f : fam.Stage == 2 ? 0.88f : 1.04f);
    if (stages == 2)
        return k * (fam.Stage == 1 ? 0.8f : 1.02f);
    return k * 0.96f;
}

void drawPlan(Ctx& c)
{
    switch (c.look.plan) {
    case Plan::Glitch: drawGlitch(c); break;
    case Plan::Quad: drawQuad(c); break;
    case Plan::Biped: drawBiped(c); break;
    case Plan::Bird: drawBird(c); break;
    case Plan::Serpent: drawSerpent(c); break;
    case Plan::Fish: drawFish(c); break;
    case Plan::Seahorse: drawSeahorse(c); break;
    case Plan::Seal: drawSeal(c); break;
    case Plan::Blob: drawBlob(c); break;
    case Plan::Larva: drawLarva(c); break;
    case Plan::Flyer: drawFlyer(c); break;
    case Plan::Bug: drawBug(c); break;
    case Plan::Plant: drawPlant(c); break;
    case Plan::Shell: drawShell(c); break;
    case Plan::Crab: drawCrab(c); break;
    case Plan::Jelly: drawJelly(c); break;
    case Plan::Ghost: drawGhost(c); break;
    case Plan::Rock: drawRock(c); break;
    case Plan::Magnet: drawMagnet(c); break;
    case Plan::Star: drawStar(c); break;
    case Plan::Poly: drawPoly(c); break;
    }
}

Image renderAt(const Look& look, float scale, int canvas)
{
    Ctx c(look, float(canvas) / 2, float(canvas) * 0.8f, scale);
    drawPlan(c);
    return render(c.sc, canvas, canvas);
}

} // namespace

Image drawCreature(int number, float zoom)
{
    const Look& look = lookOf(number);
    float scale = sizeOf(look) * zoom;
    const int maxW = int(std::lround((SpriteWidth - 4) * zoom)), maxH = int(std::lround((SpriteHeight - 3) * zoom));
    const int outW = int(std::lround(SpriteWidth * zoom)), outH = int(std::lround(SpriteHeight * zoom));
    const int canvas = int(160 * zoom);
    for (int attempt = 0;; ++attempt) {
        Image big = renderAt(look, scale, canvas);
        int x0, y0, x1, y1;
        if (!opaqueBounds(big, x0, y0, x1, y1))
            throw std::runtime_error("creature " + std::to_string(number) + " has no pixels");
        int w = x1 - x0 + 1, h = y1 - y0 + 1;
        if ((w > maxW || h > maxH) && attempt < 8) {
            scale *= std::min(float(maxW) / float(w), float(maxH) / float(h)) * 0.99f;
            continue;
        }
        // Centred in the box, as the games place their sprites; a little low
        // rather than high when the height is odd.
        Image out(outW, outH, 0);
        Image crop(w, h, 0);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                crop.at(x, y) = big.at(x0 + x, y0 + y);
        blit(out, crop, (outW - w) / 2, (outH - h + 1) / 2);
        return out;
    }
}

std::vector<uint8_t> creatureGif(int number)
{
    Image img = drawCreature(number);
    std::set<uint32_t> colours;
    for (uint32_t p : img.px)
        if (p >> 24)
            colours.insert(p & 0xffffff);
    int table = std::min(128, tableSizeFor(int(colours.size()) + 1));
    Indexed ix = quantize(img, table, 0, {255, 255, 255});
    GifPicture pic = singleFrame(ix, 0, false);
    if (number == 0) {
        // The glitch keeps its colours in a local table and is stored
        // interlaced: it is the one sprite that takes the decoder's other roads.
        pic.frames[0].localTable = pic.globalTable;
        pic.frames[0].interlaced = true;
        pic.globalTable.clear();
    }
    return encodeGif(pic);
}

} // namespace artgen
