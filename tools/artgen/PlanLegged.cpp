// Creatures with legs: four-legged walkers, upright bipeds and birds.
#include "Kit.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <string>

namespace artgen {

using namespace kit;

namespace {
const Colour Bone = hex(0xf4f0e4);
const Colour Steel = hex(0x9ca4b0);
} // namespace

// ---------------------------------------------------------------- four legs

namespace {

// What sets one four-legged variant apart from what its features alone would draw.
namespace quad {

enum class Head : uint8_t { Raised, Low, OnANeck };  // Low: headBack/headDrop beside the body's front
enum class Feet : uint8_t { Lighter, Body, Hooves }; // Hooves also: no toes, long legs, a horse's horn
enum class InnerEar : uint8_t { Pink, None, Dark };  // Pink only with F::EarPoint
enum class Tuft : uint8_t { None, Accent, Belly };

constexpr uint64_t bit(int n)
{
    return uint64_t(1) << n;
}
constexpr uint64_t BellyPatch = bit(0), Paws = bit(1), NoToes = bit(2), Snout = bit(3), SnoutBelly = bit(4);
constexpr uint64_t Armour = bit(5), SpikyCoat = bit(6), SnoutHorn = bit(7), HeadStripe = bit(8);
// With F::Mane: fluff behind the shoulders, a shaggy mane, a collar at the neck (white or accent).
constexpr uint64_t BackMane = bit(9), ShaggyMane = bit(10), Collar = bit(11), WhiteCollar = bit(12);

struct Row {
    float headR = 0; // 0 keeps what the features give
    Head head = Head::Raised;
    float headBack = 0, headDrop = 0;
    Feet feet = Feet::Lighter;
    InnerEar innerEar = InnerEar::Pink;
    Tuft tuft = Tuft::None;
    uint64_t parts = 0; // Snout: also with F::Snout; Paws: also with F::Stout

    bool has(uint64_t p) const { return (parts & p) != 0; }
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #019 #020 #029 #030 #032 #033 #037 */ {.innerEar = InnerEar::None, .parts = Paws},
    /* 1: #038 */ {.tuft = Tuft::Accent, .parts = Snout | Collar},
    /* 2: #053 */ {.parts = BellyPatch | Snout},
    /* 3: #058 #059 */ {.tuft = Tuft::Belly, .parts = BellyPatch | Snout | SnoutBelly | BackMane | HeadStripe},
    /* 4: #077 #078 */ {.head = Head::OnANeck, .feet = Feet::Hooves, .parts = Paws | NoToes | Snout},
    /* 5: #079 */ {.headR = 12, .parts = BellyPatch | Paws | Snout},
    /* 6: #111 */
    {.head = Head::Low, .headBack = 4, .headDrop = 2, .parts = Paws | NoToes | Snout | Armour | SnoutHorn},
    /* 7: #128 */ {.head = Head::Low, .headBack = 3, .headDrop = 4, .parts = Paws | Snout | ShaggyMane},
    /* 8: #133 */ {.innerEar = InnerEar::Dark, .parts = BellyPatch | Snout | SnoutBelly | Collar},
    /* 9: #134 */ {.innerEar = InnerEar::Dark, .parts = Snout | Collar},
    /* 10: #135 */ {.innerEar = InnerEar::Dark, .parts = Snout | SpikyCoat | Collar | WhiteCollar},
    /* 11: #136 */ {.innerEar = InnerEar::Dark, .tuft = Tuft::Accent, .parts = Snout | SnoutBelly | BackMane | Collar},
    /* 12: #001 #002 #003 */ {.feet = Feet::Body, .innerEar = InnerEar::None, .parts = Paws},
};

const Row& rowOf(int variant)
{
    if (variant < 0 || size_t(variant) >= std::size(rows))
        throw std::out_of_range("no four-legged variant " + std::to_string(variant));
    return rows[size_t(variant)];
}

} // namespace quad

} // namespace

void drawQuad(Ctx& c)
{
    using namespace quad;
    const Look& k = c.look;
    const Row& row = rowOf(k.variant);
    const bool stout = k.has(F::Stout), longL = k.has(F::LongLegs), slim = k.has(F::Slim), bigHead = k.has(F::BigHead);
    const bool horse = row.head == Head::OnANeck;
    float legLen = longL ? 15.f : stout ? 8.f : 10.f;
    if (horse)
        legLen = 17;
    float bodyRx = stout ? 16.f : slim ? 13.5f : 14.f;
    float bodyRy = stout ? 11.f : slim ? 7.f : 8.5f;
    if (k.has(F::Fat))
        bodyRx += 2, bodyRy += 1.5f;
    float by = -(legLen + bodyRy * 0.55f);
    float bx = 3;
    float headR = bigHead ? 11.f : 9.f;
    if (row.headR)
        headR = row.headR;
    float hx = bx - bodyRx - headR * 0.1f, hy = by - bodyRy * 0.75f - headR * 0.35f;
    if (horse)
        hx = bx - bodyRx - 2, hy = by - bodyRy - 12;
    if (row.head == Head::Low) // carried low, in front of the body
        hy = by - row.headDrop, hx = bx - bodyRx - row.headBack;
    const float legR = stout ? 3.8f : slim ? 2.3f : 3.0f;
    const Colour far = darker(c.body, 0.78f);

    // Tail first: everything else lies in front of it.
    tails(c, bx + bodyRx - 2, by - 2, 1.0f + (bodyRx - 14) * 0.03f);

    // Far legs.
    float fl = bx - bodyRx * 0.55f + 2.5f, bl = bx + bodyRx * 0.55f + 1.5f;
    c.C(fl, by, fl + 1, -1.8f, legR, legR * 0.9f, far);
    c.C(bl, by, bl + 1, -1.8f, legR * 1.1f, legR * 0.9f, far);

    // Neck of the horse and of the long-legged dogs.
    if (horse)
        c.C(bx - bodyRx + 4, by - 2, hx + 2, hy + 3, 5.5f, 4.f, c.body);
    if (k.has(F::Mane) && row.has(BackMane)) {
        int m = fluff(c, bx - bodyRx * 0.55f, by - bodyRy * 0.3f, 8.5f, 9.5f, 7, 1.8f, c.belly);
        (void)m;
    }

    int body = c.E(bx, by, bodyRx, bodyRy, c.body);
    if (k.has(F::Belly) || row.has(BellyPatch))
        c.In(body, c.eS(bx - 1, by + bodyRy * 0.8f, bodyRx * 0.75f, bodyRy * 0.5f), c.belly);
    if (k.has(F::Spots))
        spots(c, body, bx, by - 2, bodyRx, bodyRy, 2.2f, darker(c.body, 0.75f), 5, k.number);
    if (k.has(F::Stripes)) {
        for (int i = 0; i < 4; ++i) {
            float sx = bx - bodyRx * 0.4f + float(i) * bodyRx * 0.32f;
            c.In(body,
                 c.pS({{sx - 1.2f, by - bodyRy},
                       {sx + 1.2f, by - bodyRy},
                       {sx + 2.2f, by - bodyRy * 0.1f},
                       {sx + 0.5f, by + 0.5f}},
                      1),
                 c.accent);
        }
    }
    if (row.has(Armour)) {
        // Armour plates.
        for (int i = 0; i < 3; ++i)
            c.In(body, c.eS(bx - bodyRx * 0.45f + float(i) * bodyRx * 0.45f, by - bodyRy * 0.25f, 1.2f, bodyRy * 0.8f),
                 darker(c.body, 0.72f));
    }

    // Things on the back.
    if (k.has(F::Bulb) && !k.has(F::Flower)) {
        int b = c.E(bx + 2, by - bodyRy - 3.5f, 8, 7.5f, c.accent, 0.2f);
        c.In(b, c.cS(bx + 2, by - bodyRy - 10, bx - 1, by - bodyRy + 3, 0.8f, 0.8f), darker(c.accent, 0.72f));
        c.In(b, c.cS(bx + 6, by - bodyRy - 9, bx + 7, by - bodyRy + 2, 0.7f, 0.7f), darker(c.accent, 0.72f));
    } else if (k.has(F::Bulb) && k.has(F::Flower)) {
        // A bud opening: leaves around a pink bud.
        for (int i = 0; i < 4; ++i) {
            float a = -60.f + float(i) * 40.f;
            float r = a * Pi / 180.f;
            c.E(bx + 2 + std::sin(r) * 7, by - bodyRy - 4 - std::cos(r) * 4, 3.2f, 8.f, c.accent, r);
        }
        int bud = c.E(bx + 2, by - bodyRy - 8, 5, 6.5f, hex(0xe87890));
        c.In(bud, c.eS(bx + 2, by - bodyRy - 4, 5, 3), hex(0x5ca048));
    } else if (k.has(F::Flower)) {
        // Palm leaves and a great flower.
        for (int i = 0; i < 5; ++i) {
            float a = -80.f + float(i) * 40.f;
            float r = a * Pi / 180.f;
            c.E(bx + 2 + std::sin(r) * 11, by - bodyRy - 2 - std::cos(r) * 6, 3.5f, 10.f, c.accent, r);
        }
        c.E(bx + 2, by - bodyRy - 8, 4, 7, hex(0x8c5c38));
        for (int i = 0; i < 5; ++i) {
            float a = float(i) * 72.f * Pi / 180.f + 0.3f;
            int p = c.E(bx + 2 + std::sin(a) * 8, by - bodyRy - 13 - std::cos(a) * 3.2f, 5.5f, 3.6f, hex(0xec7084),
                        a * 0.3f);
            c.In(p, c.eS(bx + 2 + std::sin(a) * 9, by - bodyRy - 13 - std::cos(a) * 3.6f, 1.4f, 1.2f), hex(0xf8e0e8));
        }
        c.E(bx + 2, by - bodyRy - 13, 3, 2, hex(0xf4d040));
    }
    if (k.has(F::Spikes) && !row.has(SpikyCoat)) {
        if (row.has(Armour))
            spikeRow(c, bx, by, bodyRx, bodyRy, -40, 40, 3, 3, 2.2f, darker(c.body, 0.7f));
        else
            spikeRow(c, bx, by, bodyRx, bodyRy, -35, 35, 4, 2.5f, 1.6f, c.body);
    }
    if (k.has(F::Sail))
        c.P({{bx - 6, by - bodyRy + 1},
             {bx + 2, by - bodyRy - 8},
             {bx + 8, by - bodyRy - 6},
             {bx + 10, by - bodyRy + 1}},
            c.accent, 2);
    if (row.has(SpikyCoat))
        spikeRow(c, bx, by, bodyRx, bodyRy, -60, 80, 6, 4, 2.6f, c.body);
    if (horse && k.has(F::Flame)) {
        for (int i = 0; i < 4; ++i)
            flame(c, hx + 5 + float(i) * 3.5f, hy + 2 + float(i) * 4.5f, 9 - float(i), 2.8f, 4);
    }
    if (k.has(F::Mane) && row.has(ShaggyMane))
        fluff(c, bx - bodyRx * 0.45f, by - 2, 9, 10, 6, 2.f, c.accent);

    // Near legs and feet.
    c.C(fl - 2.5f, by + 1, fl - 3.5f, -1.8f, legR, legR * 0.9f, c.body);
    c.C(bl - 2, by + 1, bl - 2.5f, -1.8f, legR * 1.15f, legR * 0.9f, c.body);
    Colour foot = row.feet == Feet::Hooves ? hex(0x8c7460) : row.feet == Feet::Body ? c.body : lighter(c.body, 0.15f);
    if (row.has(Paws) || stout) {
        c.E(fl - 4, -1.6f, legR + 0.6f, 1.9f, foot);
        c.E(bl - 3, -1.6f, legR + 0.6f, 1.9f, foot);
    }
    if (!row.has(NoToes)) {
        // Toes on the near paws.
        for (float px : {fl - 4.f, bl - 3.f})
            c.decal([x = c.X(px - legR * 0.35f), x2 = c.X(px + legR * 0.35f), y = c.Y(-0.6f),
                     col = darker(c.body, 0.55f)](Image& img) {
                img.set(int(x), int(y), col);
                img.set(int(x), int(y) - 1, col);
                img.set(int(x2), int(y), col);
                img.set(int(x2), int(y) - 1, col);
            });
    }
    if (k.has(F::Mane) && row.has(Collar)) {
        // A collar of fluff at the neck.
        int m = fluff(c, hx + headR * 0.6f, hy + headR * 0.9f, 6.5f, 6.f, 6, 1.6f,
                      row.has(WhiteCollar) ? hex(0xf8f8f0) : c.accent);
        (void)m;
    }

    // Head.
    float earSpread = headR * 0.5f;
    Colour inner =
        k.has(F::EarPoint) && row.innerEar == InnerEar::Pink ? lighter(hex(0xf090a0), 0.2f) : Colour{-1, 0, 0};
    if (row.innerEar == InnerEar::Dark)
        inner = darker(c.body, 0.75f);
    auto ears = [&](bool back) {
        float xb = back ? hx + earSpread : hx - earSpread * 0.3f;
        float yb = hy - headR * 0.7f;
        float tilt = back ? 18.f : -12.f;
        Colour col = back ? far : c.body;
        if (k.has(F::EarLong))
            ear(c, xb, yb, tilt, headR * 1.3f, headR * 0.34f, col, inner);
        else if (k.has(F::EarPoint))
            ear(c, xb, yb, tilt, headR * 0.75f, headR * 0.32f, col, inner);
        else if (k.has(F::EarRound))
            ear(c, xb, yb - 1, tilt, headR * 0.7f, headR * 0.38f, col, hex(0xf0a8b8), true);
        else if (k.has(F::EarFin))
            c.P({{xb - 2, yb + 2}, {xb + (back ? 7.f : -4.f), yb - 8}, {xb + 3, yb + 1}}, c.accent, 2);
    };
    ears(true);
    int head = c.E(hx, hy, headR, headR * 0.92f, c.body);
    if (row.tuft != Tuft::None) {
        // Tuft on the head.
        c.E(hx + 2, hy - headR * 0.8f, 4, 2.5f, row.tuft == Tuft::Belly ? c.belly : c.accent, 0.3f);
    }
    float snoutX = hx - headR * 0.72f, snoutY = hy + headR * 0.25f;
    if (row.has(Snout) || k.has(F::Snout)) {
        int sn = c.E(snoutX, snoutY, headR * 0.5f, headR * 0.4f, c.body);
        c.sc.parts[size_t(sn)].group = 50;
        c.sc.parts[size_t(head)].group = 50;
        if (row.has(SnoutBelly))
            c.In(sn, c.eS(snoutX, snoutY + 1, headR * 0.5f, headR * 0.3f), c.belly);
        c.decal([px = c.X(snoutX - headR * 0.45f), py = c.Y(snoutY - headR * 0.2f)](Image& img) {
            img.set(int(px), int(py), hex(0x2a1c30));
            img.set(int(px) + 1, int(py), hex(0x2a1c30));
        });
    }
    if (row.has(SnoutHorn))
        horn(c, snoutX - 1, snoutY - 2, -20, 8, 2.4f, Bone);
    else if (k.has(F::Horn))
        horn(c, hx - 2, hy - headR * 0.85f, -15, horse ? 9.f : 6.f, 1.8f, horse ? hex(0xb0a890) : hex(0xf0e8f8));
    if (k.has(F::Horns2)) {
        curve(c, {hx + 2, hy - headR * 0.6f}, {hx + 10, hy - headR * 1.1f}, {hx + 5, hy - headR * 1.8f}, 1.8f, 0.8f,
              Bone, 5);
        curve(c, {hx - 4, hy - headR * 0.6f}, {hx - 10, hy - headR * 1.1f}, {hx - 6, hy - headR * 1.8f}, 1.8f, 0.8f,
              Bone, 5);
    }
    ears(false);
    if (k.has(F::Gem))
        c.In(head, c.eS(hx - 1, hy - headR * 0.55f, 1.8f, 1.6f), c.accent);
    if (k.has(F::Curl)) // Vulpix's forehead curls
        c.E(hx + 1, hy - headR * 0.85f, 4.5f, 3, c.accent, -0.4f);
    if (k.has(F::Stripes) && row.has(HeadStripe))
        c.In(head, c.eS(hx + 3, hy - headR * 0.5f, 1.3f, 3), c.accent);

    // Face.
    float ey = hy - headR * 0.1f;
    float er = headR * (k.has(F::EyeBig) ? 0.27f : 0.22f);
    c.eye(hx - headR * 0.5f, ey, er * 0.85f, -0.5f);
    c.eye(hx + headR * 0.15f, ey, er, -0.5f);
    if (k.has(F::Whisker)) {
        float wx = c.X(snoutX - headR * 0.3f), wy = c.Y(snoutY);
        c.decal([=](Image& img) {
            line(img, wx, wy, wx - 5, wy - 1, hex(0x2a1c30));
            line(img, wx, wy + 1, wx - 5, wy + 2, hex(0x2a1c30));
        });
    }
    c.mouth(snoutX + headR * 0.05f, snoutY + headR * 0.3f, headR * 0.22f);
}

// ---------------------------------------------------------------- upright

namespace {

// Spoon held in a hand at (x, y).
void spoon(Ctx& c, float x, float y, float deg)
{
    float a = deg * Pi / 180.f;
    float ex = x + std::sin(a) * 12, ey = y - std::cos(a) * 12;
    c.C(x, y, ex, ey, 0.8f, 0.8f, Steel);
    c.E(ex + std::sin(a) * 2, ey - std::cos(a) * 2, 2, 3, Steel, a);
}

// What sets one upright variant apart from what its features alone would draw.
namespace biped {

enum class Wings : uint8_t { None, Bat, Pale, Small, Large }; // behind the body
enum class Tail : uint8_t { ByFeatures, SpiralShell, Whip, Long };
enum class Legs : uint8_t { Standing, Sitting, Kicking, None };
enum class Hand : uint8_t { Paw, BoneBlade, Blade, Spoon, Spoons, Glove, RedGlove, RaisedGlove, Pendulum, Club };
enum class Body : uint8_t { Round, Fluffy, Gown };
enum class Face : uint8_t { OnHead, SnoutOnBody, EyesOnBody, EyesAndMouthOnBody };
enum class Ears : uint8_t { ByFeatures, Tipped, Broad };
enum class Crest : uint8_t { None, Bumps, Strands, Horn }; // Bumps always; the others with F::Crest
enum class Horn : uint8_t { Side, Centre, Nose };          // Side with F::Horn; the others always

// Parts only some variants have.
constexpr uint64_t bit(int n)
{
    return uint64_t(1) << n;
}
constexpr uint64_t AccentLimbs = bit(0), HairBehind = bit(1), Collar = bit(2), PurpleFeet = bit(3);
constexpr uint64_t FourArms = bit(4), Swirl = bit(5), DarkLowerHalf = bit(6), Skirt = bit(7), FlameSpots = bit(8);
constexpr uint64_t Pouch = bit(9), NoBodyStripes = bit(10), Bands = bit(11), PlatedSides = bit(12), Cannons = bit(13);
constexpr uint64_t EarInnerAccent = bit(14), NeckTube = bit(15), RoundHead = bit(16), FacePatch = bit(17);
constexpr uint64_t SnoutCapsule = bit(18), HairOnHead = bit(19), Skull = bit(20), FlameCrown = bit(21);
constexpr uint64_t HairTufts = bit(22), Pincers = bit(23), AntennaKnobs = bit(24), HeadBumps = bit(25);
constexpr uint64_t BigGem = bit(26), SmallEyes = bit(27), RedCheeks = bit(28), Lips = bit(29);
constexpr uint64_t LongTongue = bit(30), ShoulderPads = bit(31),
                   HeadSet = bit(32); // HeadSet: Fat does not lower the head

struct Row {
    // Sizes; 0 keeps what the features give.
    float bodyRx = 0, bodyRy = 0, headR = 0, legLen = 0;
    float rise = 0;                   // the body floats this much higher
    float neck = 0.78f, chin = 0.72f; // head centre: body top (x bodyRy) and head (x headR) above the body centre
    float tailSize = 0.95f, earLen = 0.7f, beakLen = 0.72f, whisker = 8;
    uint32_t beak = 0; // 0: the accent colour
    Wings wings = Wings::None;
    Tail tail = Tail::ByFeatures;
    Legs legs = Legs::Standing;
    Hand hand = Hand::Paw, frontHand = Hand::Paw;
    Body body = Body::Round;
    Face face = Face::OnHead;
    Ears ears = Ears::ByFeatures;
    Crest crest = Crest::None;
    Horn horn = Horn::Side;
    uint64_t parts = 0;

    bool has(uint64_t p) const { return (parts & p) != 0; }
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #004 #005 #007 #008 #027 #028 */ {.parts = PlatedSides},
    /* 1: #006 */ {.wings = Wings::Bat},
    /* 2: #009 */ {.parts = Cannons},
    /* 3: #025 */ {.bodyRx = 9, .bodyRy = 9.5f, .legLen = 4, .ears = Ears::Tipped, .parts = NoBodyStripes | RedCheeks},
    /* 4: #026 */ {.ears = Ears::Broad},
    /* 5: #031 #034 */ {.horn = Horn::Centre},
    /* 6: #035 #036 */ {.earLen = 0.9f, .wings = Wings::Small, .parts = EarInnerAccent},
    /* 7: #052 */ {.parts = EarInnerAccent | BigGem},
    /* 8: #054 #055 */ {.crest = Crest::Strands},
    /* 9: #056 #057 */
    {.bodyRx = 15, .bodyRy = 14, .legLen = 8, .body = Body::Fluffy, .face = Face::SnoutOnBody, .parts = AccentLimbs},
    /* 10: #061 #062 */
    {.bodyRx = 16, .bodyRy = 15, .legLen = 6, .hand = Hand::Glove, .face = Face::EyesOnBody, .parts = Swirl},
    /* 11: #063 */ {.bodyRx = 12, .bodyRy = 12, .legLen = 2, .legs = Legs::Sitting, .parts = ShoulderPads},
    /* 12: #064 */ {.hand = Hand::Spoon},
    /* 13: #065 */ {.whisker = 12, .hand = Hand::Spoons},
    /* 14: #066 #067 */ {.crest = Crest::Bumps},
    /* 15: #068 */ {.crest = Crest::Bumps, .parts = FourArms},
    /* 16: #080 */ {.tail = Tail::SpiralShell},
    /* 17: #096 */ {.parts = DarkLowerHalf | SnoutCapsule},
    /* 18: #097 */ {.frontHand = Hand::Pendulum, .parts = Collar | SnoutCapsule},
    /* 19: #104 #105 */ {.frontHand = Hand::Club, .parts = Skull},
    /* 20: #106 */ {.bodyRx = 10, .bodyRy = 13, .legLen = 14, .legs = Legs::Kicking, .face = Face::EyesAndMouthOnBody},
    /* 21: #107 */ {.hand = Hand::RedGlove, .parts = PurpleFeet | Skirt},
    /* 22: #108 */ {.parts = LongTongue},
    /* 23: #112 */ {.tailSize = 1.25f, .horn = Horn::Nose},
    /* 24: #115 */ {.parts = Pouch},
    /* 25: #122 */ {.frontHand = Hand::RaisedGlove, .parts = PurpleFeet | RoundHead | HairTufts},
    /* 26: #123 */ {.wings = Wings::Pale, .hand = Hand::BoneBlade, .crest = Crest::Horn},
    /* 27: #124 */
    {.bodyRx = 11,
     .bodyRy = 12,
     .headR = 9.5f,
     .legLen = 3,
     .neck = 1,
     .chin = 0.45f,
     .legs = Legs::None,
     .body = Body::Gown,
     .parts = HairBehind | HairOnHead | Lips | HeadSet},
    /* 28: #125 */ {.parts = AntennaKnobs},
    /* 29: #126 */ {.beakLen = 0.5f, .beak = 0xf8d050, .parts = FlameSpots | FlameCrown},
    /* 30: #127 */ {.parts = Pincers},
    /* 31: #141 */ {.tailSize = 1.25f, .hand = Hand::Blade, .crest = Crest::Horn},
    /* 32: #143 */
    {.bodyRx = 19,
     .bodyRy = 17,
     .headR = 11,
     .legLen = 3,
     .neck = 0.85f,
     .chin = 0.5f,
     .parts = FacePatch | SmallEyes | HeadSet},
    /* 33: #149 */ {.wings = Wings::Large, .parts = NoBodyStripes | Bands},
    /* 34: #150 */ {.tailSize = 1.25f, .tail = Tail::Long, .parts = NeckTube | HeadBumps},
    /* 35: #151 */ {.bodyRx = 7.5f, .bodyRy = 8.5f, .headR = 11, .legLen = 6, .rise = 4, .tail = Tail::Whip},
};

const Row& rowOf(int variant)
{
    if (variant < 0 || size_t(variant) >= std::size(rows))
        throw std::out_of_range("no upright variant " + std::to_string(variant));
    return rows[size_t(variant)];
}

} // namespace biped

} // namespace

void drawBiped(Ctx& c)
{
    using namespace biped;
    const Look& k = c.look;
    const Row& row = rowOf(k.variant);
    const bool fat = k.has(F::Fat), slim = k.has(F::Slim), longL = k.has(F::LongLegs), bigHead = k.has(F::BigHead);
    float headR = bigHead ? 11.5f : slim ? 7.5f : 9.f;
    float bodyRx = fat ? 13.5f : slim ? 7.5f : 10.f;
    float bodyRy = fat ? 13.f : slim ? 11.f : 11.f;
    float legLen = longL ? 12.f : fat ? 5.f : 7.f;
    if (row.bodyRx)
        bodyRx = row.bodyRx;
    if (row.bodyRy)
        bodyRy = row.bodyRy;
    if (row.headR)
        headR = row.headR;
    if (row.legLen)
        legLen = row.legLen;
    const bool noHead = row.face != Face::OnHead; // the head is the body
    const bool sitting = row.legs == Legs::Sitting;
    float hipY = -legLen - 2;
    float bx = 0, by = hipY - bodyRy * 0.55f;
    if (row.rise)
        by -= row.rise;
    float hx = -1.5f, hy = by - bodyRy * row.neck - headR * row.chin;
    if (fat && !row.has(HeadSet))
        hy += 2;
    const float limbR = fat ? 3.6f : slim ? 2.0f : 2.8f;
    const Colour far = darker(c.body, 0.8f);
    Colour limb = row.has(AccentLimbs) ? c.accent : c.body;

    // Behind everything: Mew's glow, wings, tail, shells, hair.
    if (k.has(F::Aura)) {
        int outer = c.E(bx - 1, by - 9, 27, 27, hex(0xf6f4fe));
        int inner = c.E(bx - 1, by - 9, 22, 22, hex(0xe6e4fa));
        for (int id : {outer, inner}) {
            c.sc.parts[size_t(id)].flat = true;
            c.sc.parts[size_t(id)].outline = false;
        }
    }
    if (row.wings == Wings::Bat) {
        batWing(c, bx + 4, by - bodyRy * 0.5f, 40, 30, 6, darker(c.body, 0.85f), c.accent);
        batWing(c, bx - 5, by - bodyRy * 0.6f, -35, 22, 5, darker(c.body, 0.75f), darker(c.accent, 0.8f));
    } else if (row.wings == Wings::Pale) {
        featherWing(c, bx + 3, by - bodyRy * 0.4f, 30, 22, 4, hex(0xf0f4f8), Colour{-1, 0, 0}, 3);
    } else if (row.wings == Wings::Small || row.wings == Wings::Large) {
        const bool small = row.wings == Wings::Small;
        float s = small ? 0.6f : 1.f;
        featherWing(c, bx + 5, by - bodyRy * 0.5f, 35, 12 * s, 3.5f * s, small ? c.body : c.accent, Colour{-1, 0, 0},
                    2);
    }
    if (row.has(HairBehind)) // long golden hair behind
        c.P({{hx - 11, hy - 6},
             {hx + 11, hy - 6},
             {hx + 16, by + 8},
             {hx + 6, by + 4},
             {hx, by + 9},
             {hx - 6, by + 4},
             {hx - 16, by + 8}},
            c.accent, 4);
    if (row.has(Collar))
        fluff(c, bx, by - bodyRy * 0.7f, bodyRx * 0.95f, 5, 8, 1.5f, c.accent);
    if (k.has(F::Plates)) {
        // A plated back, showing around the body.
        int back = c.E(bx + 3.5f, by - 2.5f, bodyRx + 3, bodyRy + 3, c.accent);
        for (int i = 0; i < 5; ++i)
            c.In(back, c.eS(bx + 3.5f, by - bodyRy - 1 + float(i) * 5.f, bodyRx + 3, 0.55f), darker(c.accent, 0.7f));
    }
    if (k.has(F::ShellBack))
        c.E(bx + 3, by - 1, bodyRx + 2.5f, bodyRy + 1, c.accent);
    if (row.tail == Tail::SpiralShell) {
        // A spiral shell biting the tail.
        curve(c, {bx + 4, hipY}, {bx + 14, hipY + 4}, {bx + 18, hipY - 2}, 4.5f, 4, c.body, 5);
        int sh = c.E(bx + 20, hipY - 3, 7, 6.5f, hex(0x9c9cb0), 0.5f);
        c.In(sh, c.cS(bx + 14, hipY - 6, bx + 26, hipY + 1, 1.2f, 1.2f), hex(0x7c7c94));
        c.In(sh, c.cS(bx + 15, hipY + 1, bx + 24, hipY - 8, 1.2f, 1.2f), hex(0x7c7c94));
    } else {
        if (row.tail == Tail::Whip)
            curve(c, {bx + 3, hipY - 2}, {bx + 26, hipY + 6}, {bx + 20, hipY - 26}, 1.3f, 1.0f, c.body, 9);
        else if (row.tail == Tail::Long)
            curve(c, {bx + 3, hipY}, {bx + 18, hipY + 2}, {bx + 22, hipY - 14}, 4.f, 2.2f, c.accent, 7);
        else
            tails(c, bx + bodyRx * 0.45f, hipY - 1, row.tailSize);
    }

    // Far limbs.
    float shY = by - bodyRy * 0.5f;
    float legXL = bx - bodyRx * 0.42f, legXR = bx + bodyRx * 0.45f;
    auto leg = [&](float x, Colour col, float dx) {
        if (sitting) {
            c.E(x + dx * 2, -3, 5, 3.5f, col);
            return;
        }
        if (row.legs == Legs::Kicking) {
            // Springy kicking legs.
            if (dx < 0)
                c.C(x, hipY, x - 14, hipY - 8, 2.8f, 2.4f, col), c.E(x - 16, hipY - 9, 3.5f, 2.5f, col, -0.5f);
            else
                c.C(x, hipY, x + 2, -2.5f, 2.8f, 2.4f, col), c.E(x + 1, -2, 4.5f, 2.2f, col);
            return;
        }
        if (row.legs == Legs::None)
            return;
        c.C(x, hipY, x + dx * 0.5f, -3.f, limbR * 1.15f, limbR, col);
        c.E(x + dx * 1.5f, -2.2f, limbR + 1.8f, 2.4f, row.has(PurpleFeet) ? hex(0x8c5cb4) : col);
        if (k.has(F::Claws))
            c.decal([px = c.X(x + dx * 1.5f - limbR), py = c.Y(-1.2f)](Image& img) {
                img.set(int(px), int(py), Bone);
                img.set(int(px) + 2, int(py), Bone);
            });
    };
    auto arm = [&](float side, Colour col, bool front) {
        float sx = bx + side * bodyRx * 0.78f, sy = shY;
        float hxp = bx + side * (bodyRx + 4.5f), hyp = by + 1;
        Hand hand = front && row.frontHand != Hand::Paw ? row.frontHand : row.hand;
        if (hand == Hand::Paw && k.has(F::Gloves))
            hand = Hand::Glove;
        if (hand == Hand::BoneBlade || hand == Hand::Blade) {
            // Blades instead of hands.
            c.C(sx, sy, hxp, sy + 4, limbR, limbR * 0.9f, col);
            c.P({{hxp - side, sy + 3},
                 {hxp + side * 2, sy - 6},
                 {hxp + side * 8, sy - 15},
                 {hxp + side * 7, sy - 7},
                 {hxp + side * 4, sy + 1},
                 {hxp + side * 1, sy + 7}},
                hand == Hand::BoneBlade ? Bone : lighter(c.body, 0.3f), 2);
            return;
        }
        if (hand == Hand::Spoon || hand == Hand::Spoons) {
            c.C(sx, sy, hxp, hyp - 4, limbR, limbR * 0.9f, col);
            c.E(hxp, hyp - 4, limbR + 0.6f, limbR + 0.6f, col);
            if (hand == Hand::Spoons || side < 0)
                spoon(c, hxp, hyp - 4, side * 25.f);
            return;
        }
        if (hand == Hand::RaisedGlove) {
            c.C(sx, sy, hxp - 1, sy - 8, limbR, limbR, col);
            c.E(hxp - 1, sy - 10, 3.5f, 4, hex(0xf8f8f8));
            return;
        }
        if (hand == Hand::Glove || hand == Hand::RedGlove) {
            c.C(sx, sy, hxp, hyp, limbR, limbR, col);
            c.E(hxp, hyp, 4.2f, 4, hand == Hand::RedGlove ? hex(0xd83c3c) : hex(0xf8f8f8));
            return;
        }
        if (hand == Hand::Pendulum) {
            c.C(sx, sy, hxp, hyp - 2, limbR, limbR, col);
            c.decal([px = c.X(hxp), py = c.Y(hyp - 2), r = c.L(2.6f)](Image& img) {
                line(img, px, py, px, py + r * 2.5f, hex(0x8c8c94));
                disc(img, px + 0.5f, py + r * 3.2f, r * 0.9f + 0.6f, hex(0x5c4c3c));
                disc(img, px + 0.5f, py + r * 3.2f, r * 0.9f, hex(0xc0c4cc));
                img.set(int(px), int(py + r * 2.9f), hex(0xffffff));
            });
            return;
        }
        if (hand == Hand::Club) {
            c.C(sx, sy, hxp, hyp, limbR, limbR, col);
            c.C(hxp - 3, hyp - 8, hxp + 3, hyp + 8, 1.2f, 1.2f, Bone);
            c.E(hxp - 3.5f, hyp - 8.5f, 2, 2, Bone);
            c.E(hxp + 3.5f, hyp + 8.5f, 2, 2, Bone);
            c.E(hxp, hyp, limbR + 0.5f, limbR + 0.5f, col);
            return;
        }
        c.C(sx, sy, hxp, hyp, limbR, limbR * 0.9f, col);
        c.E(hxp, hyp + 0.5f, limbR + 0.8f, limbR + 0.6f, col);
        if (k.has(F::Claws))
            c.decal([px = c.X(hxp + side * 0.5f), py = c.Y(hyp + limbR + 1.2f)](Image& img) {
                img.set(int(px), int(py), Bone);
                img.set(int(px) - 2, int(py), Bone);
            });
    };
    leg(legXR, far, 1);
    // With a belly patch, both legs go behind the body so the patch stays whole.
    const bool legsBehind = k.has(F::Belly) && row.legs != Legs::Kicking;
    if (legsBehind)
        leg(legXL, c.body, -1);
    arm(1, far, false);
    if (row.has(FourArms)) { // the second pair
        c.C(bx + bodyRx * 0.7f, shY + 5, bx + bodyRx + 7, shY + 1, limbR, limbR, far);
        c.E(bx + bodyRx + 7, shY + 1, limbR + 0.8f, limbR + 0.6f, far);
    }

    // Body.
    int body;
    if (row.body == Body::Fluffy) {
        body = fluff(c, bx, by, bodyRx, bodyRy, 9, 1.6f, c.body);
    } else if (row.body == Body::Gown) {
        body = c.P({{bx - 6, by - bodyRy}, {bx + 6, by - bodyRy}, {bx + 14, -1}, {bx - 14, -1}}, c.belly, 4);
    } else {
        body = c.E(bx, by, bodyRx, bodyRy, c.body);
    }
    if (k.has(F::Belly) && row.body != Body::Gown)
        c.In(body, c.eS(bx - 1.5f, by + bodyRy * 0.15f, bodyRx * 0.68f, bodyRy * 0.78f), c.belly);
    if (row.has(Swirl)) {
        int w = c.In(body, c.eS(bx - 1, by + 1, bodyRx * 0.7f, bodyRy * 0.7f), c.accent);
        (void)w;
        // The swirl.
        c.decal([cx = c.X(bx - 1), cy = c.Y(by + 1), r = c.L(bodyRx * 0.6f)](Image& img) {
            for (int i = 0; i < 220; ++i) {
                float t = float(i) / 220.f * 3.f * 2 * Pi;
                float rr = r * (1.f - float(i) / 230.f);
                img.set(int(cx + std::cos(t) * rr), int(cy + std::sin(t) * rr), hex(0x1c1424));
            }
        });
    }
    if (row.has(DarkLowerHalf))
        c.In(body, c.eS(bx, by + bodyRy, bodyRx * 1.1f, bodyRy * 0.6f), c.accent);
    if (row.has(Skirt))
        c.In(body, c.eS(bx, by + 3, bodyRx, bodyRy * 0.8f), c.belly);
    if (row.has(FlameSpots))
        spots(c, body, bx, by, bodyRx, bodyRy, 1.8f, hex(0xf8d050), 4, 29);
    if (row.has(Pouch)) { // the pouch and the little one in it
        c.In(body, c.eS(bx - 1, by + 2, bodyRx * 0.62f, bodyRy * 0.55f), darker(c.belly, 0.85f));
        int baby = c.E(bx - 1, by + 1, 4.2f, 3.8f, c.body);
        c.In(baby, c.eS(bx - 1, by + 2, 3, 2.4f), c.belly);
        c.decal([px = c.X(bx - 2.5f), px2 = c.X(bx + 0.5f), py = c.Y(by + 0.5f)](Image& img) {
            img.set(int(px), int(py), hex(0x1c1424));
            img.set(int(px2), int(py), hex(0x1c1424));
        });
    }
    if (k.has(F::Belt))
        c.In(body, c.eS(bx, by + bodyRy * 0.55f, bodyRx * 1.1f, 1.8f), hex(0x2c2c38));
    if (k.has(F::Stripes) && !row.has(NoBodyStripes)) {
        for (int i = 0; i < 3; ++i) {
            float sy = by - bodyRy * 0.3f + float(i) * bodyRy * 0.45f;
            c.In(body, c.pS({{bx + bodyRx, sy - 1.2f}, {bx + bodyRx * 0.2f, sy + 0.2f}, {bx + bodyRx, sy + 1.2f}}, 1),
                 c.accent);
            c.In(body, c.pS({{bx - bodyRx, sy - 1.2f}, {bx - bodyRx * 0.3f, sy + 0.4f}, {bx - bodyRx, sy + 1.2f}}, 1),
                 c.accent);
        }
    }
    if (row.has(Bands)) {
        for (int i = 0; i < 4; ++i)
            c.In(body, c.eS(bx - 1.5f, by - bodyRy * 0.3f + float(i) * 3.5f, bodyRx * 0.55f, 0.6f),
                 darker(c.belly, 0.8f));
    }
    if (k.has(F::Spikes))
        spikeRow(c, bx, by, bodyRx, bodyRy, 20, 70, 3, 2.5f, 1.6f, darker(c.body, 0.85f));
    if (k.has(F::Quills))
        spikeRow(c, bx + 2, by - 2, bodyRx, bodyRy, -10, 110, 7, 6, 2.4f, c.accent);
    if (k.has(F::Spots) && row.has(PlatedSides)) // a plated back shows at the sides
        for (int i = 0; i < 3; ++i)
            c.In(body, c.eS(bx + bodyRx * 0.9f, by - 4 + float(i) * 4, 2.5f, 1.4f), c.accent);
    if (row.has(Cannons)) {
        c.C(bx + 6, by - bodyRy - 1, bx - 3, by - bodyRy - 5, 2.5f, 2.5f, Steel);
        c.E(bx - 4, by - bodyRy - 5.5f, 2.4f, 2.6f, hex(0x4c4c58));
    }

    if (!legsBehind)
        leg(legXL, c.body, -1);

    // Head.
    if (!noHead) {
        auto ears = [&](bool back) {
            float side = back ? 1.f : -1.f;
            float ex = hx + side * headR * 0.55f, ey = hy - headR * 0.6f;
            Colour col = back ? far : c.body;
            if (row.ears == Ears::Tipped) {
                int e = ear(c, ex, ey, side * 22.f, headR * 1.35f, headR * 0.28f, col, Colour{-1, 0, 0});
                c.In(e, c.eS(ex + side * headR * 0.52f, ey - headR * 1.2f, 3, 3.5f), c.accent);
            } else if (row.ears == Ears::Broad) {
                // Broad ears, pale inside, dark at the tips.
                int e = ear(c, ex, ey, side * 30.f, headR * 1.25f, headR * 0.5f, col, lighter(c.body, 0.45f));
                c.In(e, c.eS(ex + side * headR * 0.62f, ey - headR * 1.08f, 2.6f, 2.6f), c.accent);
            } else if (k.has(F::EarLong)) {
                ear(c, ex, ey, side * 25.f, headR * 1.1f, headR * 0.3f, col, Colour{-1, 0, 0});
            } else if (k.has(F::EarPoint)) {
                Colour in = row.has(EarInnerAccent) ? c.accent : Colour{-1, 0, 0};
                ear(c, ex, ey, side * 30.f, headR * row.earLen, headR * 0.33f, col, in);
            } else if (k.has(F::EarRound)) {
                ear(c, ex, ey, side * 40.f, headR * 0.6f, headR * 0.32f, col, hex(0xf0a8b8), true);
            } else if (k.has(F::EarFin)) {
                curve(c, {ex, ey + 2}, {ex + side * 8, ey - 4}, {ex + side * 5, ey - 9}, 2.5f, 1.2f,
                      lighter(c.body, 0.4f), 4);
            }
        };
        ears(true);
        if (row.has(NeckTube))
            c.C(hx + 3, hy + 3, bx + 5, by - bodyRy * 0.6f, 1.4f, 1.4f, c.body);
        int head = row.has(RoundHead) ? c.E(hx, hy, headR, headR, c.body) : c.E(hx, hy, headR, headR * 0.92f, c.body);
        if (row.has(FacePatch))
            c.In(head, c.eS(hx, hy + 2, headR * 0.75f, headR * 0.6f), c.belly);
        if (row.has(SnoutCapsule)) {
            c.C(hx - headR * 0.5f, hy + 1, hx - headR * 0.95f, hy + headR * 0.7f, 2.6f, 2.0f, c.body);
        }
        if (row.has(HairOnHead)) {
            c.In(head, c.eS(hx, hy - headR * 0.95f, headR * 1.2f, headR * 0.5f), c.accent);
            c.In(head, c.eS(hx - headR * 0.9f, hy - headR * 0.2f, headR * 0.3f, headR * 0.7f), c.accent);
            c.In(head, c.eS(hx + headR * 0.9f, hy - headR * 0.2f, headR * 0.3f, headR * 0.7f), c.accent);
        }
        if (row.has(Skull)) {
            // Skull helmet.
            int sk = c.E(hx + 0.5f, hy - 2.5f, headR * 1.05f, headR * 0.8f, Bone);
            c.In(sk, c.eS(hx - 4, hy - 1.5f, 2, 1.5f), hex(0x8c7c70));
            horn(c, hx + headR * 0.6f, hy - headR * 0.55f, 40, 4, 1.5f, Bone);
            horn(c, hx - headR * 0.6f, hy - headR * 0.55f, -40, 4, 1.5f, Bone);
        }
        if (row.has(FlameCrown)) {
            flame(c, hx + 1, hy - headR * 0.6f, 9, 4, 0);
        }
        if (row.has(HairTufts)) {
            c.E(hx - headR * 0.85f, hy - headR * 0.55f, 3.2f, 3.6f, c.accent);
            c.E(hx + headR * 0.85f, hy - headR * 0.55f, 3.2f, 3.6f, c.accent);
            c.In(head, c.eS(hx - headR * 0.55f, hy + headR * 0.35f, 2, 1.4f), c.belly);
            c.In(head, c.eS(hx + headR * 0.55f, hy + headR * 0.35f, 2, 1.4f), c.belly);
        }
        if (row.has(Pincers)) {
            curve(c, {hx - 3, hy - headR * 0.5f}, {hx - 12, hy - 14}, {hx - 4, hy - 22}, 2.6f, 1.2f, c.accent, 6);
            curve(c, {hx + 3, hy - headR * 0.5f}, {hx + 12, hy - 14}, {hx + 4, hy - 22}, 2.6f, 1.2f, c.accent, 6);
        }
        if (row.crest == Crest::Bumps || k.has(F::Crest)) {
            if (row.crest == Crest::Bumps) {
                for (int i = 0; i < 3; ++i)
                    c.E(hx - 3 + float(i) * 3, hy - headR * 0.92f, 1.5f, 3, c.accent);
            } else if (row.crest == Crest::Strands) {
                for (int i = 0; i < 3; ++i)
                    curve(c, {hx - 1 + float(i), hy - headR * 0.8f}, {hx - 3 + float(i) * 3, hy - headR - 3},
                          {hx - 5 + float(i) * 4, hy - headR - 5}, 0.6f, 0.5f, hex(0x2c2c38), 3);
            } else if (row.crest == Crest::Horn) {
                horn(c, hx + 2, hy - headR * 0.7f, 60, 7, 2, c.body);
            }
        }
        if (k.has(F::Antenna)) {
            curve(c, {hx - 3, hy - headR * 0.8f}, {hx - 6, hy - headR - 4}, {hx - 9, hy - headR - 6}, 0.8f, 0.7f,
                  c.body, 3);
            curve(c, {hx + 3, hy - headR * 0.8f}, {hx + 6, hy - headR - 4}, {hx + 9, hy - headR - 6}, 0.8f, 0.7f,
                  c.body, 3);
            if (row.has(AntennaKnobs)) {
                c.E(hx - 9, hy - headR - 6, 1.5f, 1.5f, c.body);
                c.E(hx + 9, hy - headR - 6, 1.5f, 1.5f, c.body);
            }
        }
        if (k.has(F::Horn) && row.horn == Horn::Side)
            horn(c, hx + 3, hy - headR * 0.8f, 35, 6, 1.8f, c.body);
        if (row.horn == Horn::Centre)
            horn(c, hx, hy - headR * 0.85f, 0, 7, 2, darker(c.body, 0.9f));
        if (k.has(F::Horns2)) {
            horn(c, hx + 4, hy - headR * 0.7f, 35, 7, 1.8f, lighter(c.body, 0.2f));
            horn(c, hx - 4, hy - headR * 0.7f, -30, 6, 1.6f, lighter(c.body, 0.2f));
        }
        if (row.has(HeadBumps)) {
            c.E(hx - headR * 0.7f, hy - headR * 0.75f, 2.5f, 3, c.body, -0.4f);
            c.E(hx + headR * 0.7f, hy - headR * 0.75f, 2.5f, 3, c.body, 0.4f);
        }
        ears(false);
        if (k.has(F::Gem)) {
            const bool big = row.has(BigGem);
            c.In(head, c.eS(hx - 0.5f, hy - headR * 0.62f, big ? 3.f : 2.2f, big ? 2.6f : 2.f),
                 big ? c.accent : hex(0xd8383c));
        }
        if (k.has(F::Curl))
            curve(c, {hx - 1, hy - headR * 0.85f}, {hx - 4, hy - headR - 4}, {hx + 1, hy - headR - 3}, 1.2f, 1.0f,
                  c.body, 4);
        if (row.horn == Horn::Nose)
            horn(c, hx - headR * 0.55f, hy - 1, -25, 7, 2.4f, Bone);

        // Face.
        float ey = hy - headR * 0.05f;
        float er = headR * (k.has(F::EyeBig) ? 0.25f : 0.19f);
        if (row.has(SmallEyes))
            ey = hy, er = 2.4f;
        float leftEye = hx - headR * 0.42f, rightEye = hx + headR * 0.3f;
        c.eye(leftEye, ey, er, -0.3f);
        c.eye(rightEye, ey, er, -0.3f);
        if (k.has(F::Cheeks)) {
            Colour ch = row.has(RedCheeks) ? hex(0xe83c3c) : hex(0xf8e040);
            c.cheek(hx - headR * 0.78f, hy + headR * 0.45f, headR * 0.2f, ch);
            c.cheek(hx + headR * 0.62f, hy + headR * 0.45f, headR * 0.2f, ch);
        }
        if (k.has(F::Beak)) {
            int bk = c.E(hx - 2.f, hy + headR * 0.42f, headR * row.beakLen, headR * 0.32f,
                         row.beak ? hex(row.beak) : c.accent);
            (void)bk;
        } else if (k.has(F::Snout) && !row.has(SnoutCapsule)) {
            c.E(hx - 1, hy + headR * 0.4f, headR * 0.35f, headR * 0.25f, c.accent);
            c.decal([px = c.X(hx - 1), py = c.Y(hy + headR * 0.4f)](Image& img) {
                img.set(int(px) - 1, int(py), hex(0x2c1c24));
                img.set(int(px) + 1, int(py), hex(0x2c1c24));
            });
        } else if (row.has(Lips)) {
            c.cheek(hx - 1, hy + headR * 0.5f, 2.2f, hex(0xe85c8c));
        } else {
            c.mouth(hx - 1, hy + headR * 0.42f, headR * 0.2f);
        }
        if (k.has(F::Whisker)) {
            float wx = c.X(hx - 1), wy = c.Y(hy + headR * 0.5f), len = c.L(row.whisker);
            c.decal([=](Image& img) {
                line(img, wx - 1, wy, wx - len * 0.6f, wy + len * 0.6f, hex(0x5c3c24));
                line(img, wx + 1, wy, wx + len * 0.6f, wy + len * 0.6f, hex(0x5c3c24));
            });
        }
    } else {
        // The face sits on the body.
        if (row.face == Face::SnoutOnBody) {
            c.E(bx - 2, by + 1, 4, 3, c.accent);
            c.decal([px = c.X(bx - 2), py = c.Y(by + 1)](Image& img) {
                img.set(int(px) - 1, int(py), hex(0x2c1c24));
                img.set(int(px) + 1, int(py), hex(0x2c1c24));
            });
            ear(c, bx - bodyRx * 0.9f, by - bodyRy * 0.3f, -70, 5, 2.5f, c.accent, Colour{-1, 0, 0}, true);
            ear(c, bx + bodyRx * 0.9f, by - bodyRy * 0.3f, 70, 5, 2.5f, c.accent, Colour{-1, 0, 0}, true);
            c.eye(bx - 6, by - 4, 2.4f);
            c.eye(bx + 3, by - 4, 2.4f);
        } else if (row.face == Face::EyesOnBody) {
            c.eye(bx - 6, by - bodyRy * 0.72f, 3.f);
            c.eye(bx + 4, by - bodyRy * 0.72f, 3.f);
        } else {
            c.eye(bx - 4, by - bodyRy * 0.5f, 2.2f);
            c.eye(bx + 3, by - bodyRy * 0.5f, 2.2f);
            c.mouth(bx - 1, by - bodyRy * 0.15f, 2);
        }
    }

    arm(-1, limb, true);
    if (row.has(FourArms)) {
        c.C(bx - bodyRx * 0.7f, shY + 5, bx - bodyRx - 7, shY + 1, limbR, limbR, c.body);
        c.E(bx - bodyRx - 7, shY + 1, limbR + 0.8f, limbR + 0.6f, c.body);
    }
    if (row.has(LongTongue)) // the tongue rolls out over the belly
        curve(c, {hx - 1, hy + headR * 0.5f}, {hx - 14, by + 2}, {hx - 4, by + 9}, 2.0f, 3.0f, hex(0xd83c5c), 7);
    if (row.has(ShoulderPads)) {
        c.E(bx - bodyRx * 0.6f, shY - 1, 4.5f, 3.2f, c.accent, -0.3f);
        c.E(bx + bodyRx * 0.7f, shY - 1, 4.5f, 3.2f, c.accent, 0.3f);
    }
    if (k.has(F::Aura)) {
        // Twinkles around the glow.
        const float tw[5][3] = {{-22, -30, 3}, {20, -42, 2.5f}, {-17, 2, 2}, {23, -12, 3}, {-4, -40, 2}};
        for (const auto& t : tw) {
            float px = c.X(bx + t[0]), py = c.Y(by + t[1]), r = c.L(t[2]);
            c.decal([=](Image& img) {
                line(img, px - r, py, px + r, py, hex(0xf0b830));
                line(img, px, py - r, px, py + r, hex(0xf0b830));
                img.set(int(px), int(py), hex(0xfff8d0));
            });
        }
    }
}

// ---------------------------------------------------------------- birds

namespace {

// What sets one bird variant apart from what its features alone would draw.
namespace bird {

enum class Beak : uint8_t { Orange, Belly, Body };
enum class Tail : uint8_t { Fan, Plume, Pointed, Flame, None };
enum class TailTip : uint8_t { None, Red, Dark };
enum class Crest : uint8_t { Small, Plumes, Curl, Spikes, None }; // with F::Crest
enum class Mask : uint8_t { None, Light, Dark };                  // a patch around the eye

constexpr uint64_t bit(int n)
{
    return uint64_t(1) << n;
}
// Great: bigger wings, a tilted body, a belly patch. FixedBody: the body stands where the row puts it,
// whatever the legs.
constexpr uint64_t Great = bit(0), FixedBody = bit(1), BellyPatch = bit(2), NoLegs = bit(3), Neck = bit(4);
constexpr uint64_t FlameWings = bit(5), AccentTips = bit(6), SpikedBack = bit(7), FlameHead = bit(8);
constexpr uint64_t HookedBeak = bit(9), HeadHorn = bit(10), Leek = bit(11), NoFoldedWing = bit(12);

struct Row {
    float bx = 3, by = -20, bodyRx = 13, bodyRy = 9.5f;
    float hx = -9, hy = -33, headR = 7.5f;
    int heads = 1;
    float beakLen = 6, tailLen = 10, crestLen = 6;
    Beak beak = Beak::Orange;
    Tail tail = Tail::Fan;
    TailTip tailTip = TailTip::None;
    Crest crest = Crest::Small;
    Mask mask = Mask::None;
    uint64_t parts = 0;

    bool has(uint64_t p) const { return (parts & p) != 0; }
};

// One row per variant, in variant order, with the creatures that use it.
const Row rows[] = {
    /* 0: #021 */ {.crestLen = 5, .tailTip = TailTip::Dark, .mask = Mask::Light},
    /* 1: #018 */ {.tailLen = 14, .tailTip = TailTip::Red, .crest = Crest::Plumes},
    /* 2: #022 */ {.hx = -13, .hy = -40, .beakLen = 10, .parts = Neck},
    /* 3: #083 */ {.mask = Mask::Light, .parts = Leek},
    /* 4: #084 */
    {.by = -26,
     .bodyRx = 11,
     .bodyRy = 10.5f,
     .heads = 2,
     .beakLen = 10,
     .tail = Tail::None,
     .parts = FixedBody | BellyPatch | NoFoldedWing},
    /* 5: #085 */
    {.by = -26,
     .bodyRx = 11,
     .bodyRy = 10.5f,
     .heads = 3,
     .beakLen = 10,
     .tail = Tail::None,
     .parts = FixedBody | BellyPatch | NoFoldedWing},
    /* 6: #142 */
    {.bx = 4,
     .by = -28,
     .bodyRx = 12,
     .bodyRy = 7,
     .hx = -14,
     .hy = -34,
     .headR = 6.5f,
     .beak = Beak::Body,
     .tail = Tail::Pointed,
     .parts = NoLegs | HookedBeak | HeadHorn},
    /* 7: #144 */
    {.bx = 4,
     .by = -24,
     .bodyRx = 11,
     .bodyRy = 8.5f,
     .hx = -10,
     .hy = -35,
     .headR = 6.5f,
     .tail = Tail::Plume,
     .crest = Crest::Curl,
     .parts = Great | BellyPatch},
    /* 8: #145 */
    {.bx = 4,
     .by = -24,
     .bodyRx = 11,
     .bodyRy = 8.5f,
     .hx = -10,
     .hy = -35,
     .headR = 6.5f,
     .beakLen = 9,
     .beak = Beak::Belly,
     .crest = Crest::Spikes,
     .parts = Great | BellyPatch | SpikedBack | AccentTips},
    /* 9: #146 */
    {.bx = 4,
     .by = -24,
     .bodyRx = 11,
     .bodyRy = 8.5f,
     .hx = -10,
     .hy = -35,
     .headR = 6.5f,
     .tail = Tail::Flame,
     .crest = Crest::None,
     .parts = Great | BellyPatch | FlameWings | FlameHead},
    /* 10: #016 #017 */ {.crestLen = 5, .tailTip = TailTip::Dark, .mask = Mask::Dark},
};

const Row& rowOf(int variant)
{
    if (variant < 0 || size_t(variant) >= std::size(rows))
        throw std::out_of_range("no bird variant " + std::to_string(variant));
    return rows[size_t(variant)];
}

} // namespace bird

} // namespace

void drawBird(Ctx& c)
{
    using namespace bird;
    const Look& k = c.look;
    const Row& row = rowOf(k.variant);
    const bool legendary = row.has(Great);
    const Colour beakC = row.beak == Beak::Belly ? c.belly : row.beak == Beak::Body ? c.body : hex(0xf0b048);
    const Colour legC = hex(0xe8a040);
    float bx = row.bx, by = row.by, bodyRx = row.bodyRx, bodyRy = row.bodyRy;
    float hx = row.hx, hy = row.hy, headR = row.headR;
    float legLen = k.has(F::LongLegs) ? 16.f : 6.f;
    if (!row.has(FixedBody))
        by = std::min(by, -(legLen + bodyRy * 0.8f));

    // Far wing (spread wings) and tail.
    if (k.has(F::Wings) || k.has(F::WingsBat)) {
        if (k.has(F::WingsBat))
            batWing(c, bx + 2, by - 4, 35, 28, 5, darker(c.body, 0.8f), darker(c.accent, 0.85f));
        else if (row.has(FlameWings)) {
            for (int i = 0; i < 4; ++i)
                flame(c, bx + 4 + float(i) * 5, by - 6 - float(i) * 3, 15 - float(i) * 2, 3.5f, 5);
        } else
            featherWing(c, bx + 1, by - 4, 20, legendary ? 30.f : 24.f, legendary ? 6.f : 5.f, darker(c.body, 0.82f),
                        row.has(AccentTips) ? c.accent : darker(c.accent, 0.85f), legendary ? 5 : 4);
    }
    // Tail feathers.
    if (row.tail == Tail::Plume) {
        curve(c, {bx + 8, by}, {bx + 20, by + 8}, {bx + 24, by + 22}, 3.5f, 2.5f, c.accent, 6);
        curve(c, {bx + 8, by}, {bx + 22, by + 4}, {bx + 28, by + 14}, 3, 2, c.body, 6);
    } else if (row.tail == Tail::Pointed) {
        curve(c, {bx + 8, by}, {bx + 18, by + 3}, {bx + 24, by + 8}, 3, 1.2f, c.body, 5);
        c.P({{bx + 22, by + 6}, {bx + 28, by + 6}, {bx + 25, by + 11}}, c.accent, 1.5f);
    } else if (row.tail == Tail::Flame) {
        flame(c, bx + 14, by + 4, 14, 4, 8);
    } else if (row.tail == Tail::Fan) {
        float tl = row.tailLen;
        int tail = c.P({{bx + bodyRx - 4, by - 2},
                        {bx + bodyRx + tl, by + 5},
                        {bx + bodyRx + tl - 2, by + 8},
                        {bx + bodyRx + tl - 6, by + 7},
                        {bx + bodyRx - 3, by + 4}},
                       c.accent, 2);
        if (row.tailTip != TailTip::None)
            c.In(tail, c.eS(bx + bodyRx + tl - 1, by + 6, 4, 2),
                 row.tailTip == TailTip::Red ? hex(0xd84838) : darker(c.accent, 0.8f));
    }

    // Legs.
    if (!row.has(NoLegs)) {
        float lx0 = bx - 3, lx1 = bx + 3;
        float top = by + bodyRy * 0.6f;
        c.C(lx1, top, lx1 + 0.5f, -2, 1.2f, 1.0f, darker(legC, 0.8f));
        c.C(lx0, top, lx0 - 0.5f, -2, 1.2f, 1.0f, legC);
        c.C(lx1 - 2, -1.2f, lx1 + 3, -1.2f, 0.9f, 0.9f, darker(legC, 0.8f));
        c.C(lx0 - 4, -1.2f, lx0 + 1, -1.2f, 0.9f, 0.9f, legC);
    }

    // Necks and extra heads.
    const int heads = row.heads;
    struct H {
        float x, y;
    };
    H hs[3] = {{hx, hy}, {hx + 9, hy - 5}, {hx + 16, hy + 2}};
    if (heads > 1) {
        hs[0] = {-10, -44};
        hs[1] = {3, -50};
        hs[2] = {12, -43};
    }
    int body = c.E(bx, by, bodyRx, bodyRy, c.body, legendary ? -0.35f : -0.2f);
    if (k.has(F::Belly) || row.has(BellyPatch))
        c.In(body, c.eS(bx - 5, by + 3, bodyRx * 0.55f, bodyRy * 0.65f, -0.3f), c.belly);
    if (k.has(F::Spikes) && row.has(SpikedBack))
        spikeRow(c, bx, by, bodyRx, bodyRy, 140, 220, 4, 3, 2, c.body);

    for (int i = heads - 1; i >= 0; --i) {
        float x = hs[i].x, y = hs[i].y;
        float r = heads > 1 ? 5.5f : headR;
        if (heads > 1 || row.has(Neck))
            c.C(bx - 2 + float(i) * 3, by - bodyRy * 0.5f, x + 1, y + 2, 2.2f, 2.f, heads > 1 ? c.accent : c.body);
        if (k.has(F::Crest) && row.crest != Crest::None) {
            if (row.crest == Crest::Plumes) {
                curve(c, {x + 2, y - r * 0.6f}, {x + 10, y - r * 1.6f}, {x + 18, y - r * 0.9f}, 2.4f, 1.4f,
                      hex(0xf0c040), 6);
                curve(c, {x + 1, y - r * 0.7f}, {x + 8, y - r * 2.f}, {x + 15, y - r * 1.6f}, 2.4f, 1.2f, hex(0xd84838),
                      6);
            } else if (row.crest == Crest::Curl) {
                curve(c, {x, y - r * 0.8f}, {x + 2, y - r * 1.8f}, {x + 7, y - r * 2.2f}, 2.2f, 0.8f, c.accent, 5);
            } else if (row.crest == Crest::Spikes) {
                for (int j = 0; j < 4; ++j)
                    horn(c, x + float(j) * 2 - 2, y - r * 0.6f, -10 + float(j) * 25, 7, 1.5f, c.body);
            } else {
                for (int j = 0; j < 3; ++j)
                    horn(c, x + float(j) * 1.5f, y - r * 0.8f, 10 + float(j) * 25, row.crestLen, 1.4f, c.accent);
            }
        }
        if (row.has(FlameHead))
            flame(c, x + 2, y - r * 0.5f, 11, 3.5f, 4);
        int head = c.E(x, y, r, r * 0.95f, heads > 1 ? c.accent : c.body);
        if (heads > 1)
            c.In(head, c.eS(x - 1, y + r * 0.6f, r * 0.8f, r * 0.4f), c.belly);
        if (row.mask != Mask::None)
            c.In(head, c.eS(x - r * 0.45f, y - r * 0.05f, r * 0.5f, r * 0.32f),
                 row.mask == Mask::Dark ? hex(0x2c2428) : hex(0xf8f0e0));
        if (row.has(HeadHorn))
            horn(c, x + r * 0.5f, y - r * 0.3f, 70, 8, 2, c.body);
        // Beak.
        float bl = row.beakLen;
        if (row.has(HookedBeak)) {
            c.P({{x - r * 0.5f, y - r * 0.3f}, {x - r - 9, y + 1}, {x - r * 0.6f, y + r * 0.7f}}, c.body, 2);
        } else {
            c.P({{x - r * 0.7f, y - r * 0.35f}, {x - r - bl, y + r * 0.15f}, {x - r * 0.7f, y + r * 0.5f}}, beakC,
                1.8f);
        }
        c.eye(x - r * 0.2f, y - r * 0.15f, r * 0.24f, -0.9f);
        if (k.has(F::MouthOpen))
            c.mouth(x - r * 0.9f, y + r * 0.4f, 2.5f);
    }
    // Near wing.
    if (row.has(Leek)) {
        // The leek held under the wing.
        c.C(bx - 16, by - 18, bx + 6, by + 6, 1.6f, 1.6f, hex(0x5cac40));
        c.E(bx + 7, by + 7, 2.5f, 2, hex(0xf0f4e8));
        c.E(bx - 17, by - 19, 2.2f, 3.2f, hex(0x3c8c30), -0.7f);
    }
    if (k.has(F::WingsBat))
        batWing(c, bx - 4, by - 3, -40, 26, 5, c.body, c.accent);
    else if (k.has(F::Wings) && !row.has(FlameWings))
        featherWing(c, bx - 3, by - 3, -35, legendary ? 28.f : 22.f, legendary ? 6.f : 5.f, c.body, c.accent,
                    legendary ? 5 : 4);
    else if (row.has(FlameWings)) {
        for (int i = 0; i < 4; ++i)
            flame(c, bx - 6 - float(i) * 5, by - 4 - float(i) * 3, 14 - float(i) * 2, 3.5f, -5);
    } else if (!row.has(NoFoldedWing)) {
        int w = c.E(bx + 3, by - 1, bodyRx * 0.68f, bodyRy * 0.6f, c.accent, 0.25f);
        c.In(w, c.eS(bx + 8, by + 2, bodyRx * 0.35f, bodyRy * 0.35f, 0.25f), darker(c.accent, 0.8f));
    }
}

} // namespace artgen
