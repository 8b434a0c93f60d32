// The composition and animation core without a display: composed pixels for
// each disposal, the placement arithmetic, frame delays and the frame clock's
// rules, driven tick by tick through a recording host.
#include "gif/GifAnimation.h"
#include "tests/gif/TinyGif.h"

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

// ThreadSanitizer's runtime links its own operator new and delete, which
// cannot be replaced; the heap is counted everywhere else.
#if defined(__SANITIZE_THREAD__)
#define FAUNETA_HEAP_COUNTED 0
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define FAUNETA_HEAP_COUNTED 0
#endif
#endif
#ifndef FAUNETA_HEAP_COUNTED
#define FAUNETA_HEAP_COUNTED 1
#endif

// The heap this test binary takes, counted while `counting` is set: how far it
// rose above where it stood when counting began. Single-threaded use only.
namespace {
namespace heap {
bool counting = false;
std::int64_t current = 0, peak = 0;
void Start()
{
    current = peak = 0, counting = true;
}
std::int64_t Stop()
{
    return counting = false, peak;
}
} // namespace heap
} // namespace

#if FAUNETA_HEAP_COUNTED
void* operator new(std::size_t n)
{
    void* p = std::malloc(n ? n : 1);
    if (!p)
        throw std::bad_alloc();
    if (heap::counting && (heap::current += std::int64_t(malloc_usable_size(p))) > heap::peak)
        heap::peak = heap::current;
    return p;
}
void operator delete(void* p) noexcept
{
    if (p && heap::counting)
        heap::current -= std::int64_t(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    operator delete(p);
}
// The array forms too: a sanitizer's runtime defines its own, which would
// otherwise take every new[] (the composed picture) past the count.
void* operator new[](std::size_t n)
{
    return operator new(n);
}
void operator delete[](void* p) noexcept
{
    operator delete(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    operator delete(p);
}
#endif

namespace {

using namespace tiny;

struct RecordingHost : gif::AnimationHost {
    std::uint32_t interval = 1000;
    bool enabled = false;
    int changing = 0, changed = 0, wraps = 0, repaints = 0, invalidates = 0;
    void SetTimerInterval(std::uint32_t ms) override { interval = ms; }
    void SetTimerEnabled(bool e) override { enabled = e; }
    void Changing() override { ++changing; }
    void Changed() override { ++changed; }
    void WrappedAnimation() override { ++wraps; }
    void RepaintNow() override { ++repaints; }
    void InvalidatePicture() override { ++invalidates; }
};

gif::GifPicture Decode(const Bytes& bytes)
{
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    EXPECT_TRUE(d.ReadGIF(bytes));
    return pic;
}

struct Player {
    RecordingHost host;
    gif::GifAnimation anim{host};
    explicit Player(const Bytes& bytes) { anim.Prepare(Decode(bytes)); }
    // The picture as text: one letter per pixel, '.' where transparent.
    std::string Picture() const
    {
        static const char* letters = "KRGBYMCW";
        const auto& c = anim.Composer();
        std::string s;
        for (int y = 0; y < c.Height(); ++y) {
            for (int x = 0; x < c.Width(); ++x) {
                if (c.TransparentAt(x, y)) {
                    // Wherever the mask is transparent the composed picture is black.
                    EXPECT_EQ(c.At(x, y), kColours[K]) << x << "," << y;
                    s += '.';
                    continue;
                }
                char ch = '?';
                for (int i = 0; i < 8; ++i)
                    if (kColours[i] == c.At(x, y))
                        ch = letters[i];
                s += ch;
            }
            s += '/';
        }
        return s;
    }
};

// ---- composition ----

// Frame 1: 4x4 red. Frame 2: 2x2 green at (1,1) with the given disposal, its
// top left pixel transparent when `transparent`. Frame 3: 1x1 blue at (0,0).
Bytes DisposalFile(int disposal, bool transparent)
{
    Frame f2 = Solid(1, 1, 2, 2, G);
    f2.disposal = disposal;
    if (transparent) {
        f2.pixels[0] = W;
        f2.transparent = W;
    }
    return Make(4, 4, {Solid(0, 0, 4, 4, R), f2, Solid(0, 0, 1, 1, B)});
}

TEST(Composition, EachDisposalWithAndWithoutTransparencyPixelForPixel)
{
    struct Case {
        int disposal;
        bool transparent;
        const char* afterFrame2;
        const char* afterFrame3;
    };
    const Case cases[] = {
        {0, false, "RRRR/RGGR/RGGR/RRRR/", "BRRR/RGGR/RGGR/RRRR/"},
        {1, false, "RRRR/RGGR/RGGR/RRRR/", "BRRR/RGGR/RGGR/RRRR/"},
        {2, false, "RRRR/RGGR/RGGR/RRRR/", "BRRR/RKKR/RKKR/RRRR/"},
        {3, false, "RRRR/RGGR/RGGR/RRRR/", "BRRR/RRRR/RRRR/RRRR/"},
        // Transparent pixels of frame 2 keep what frame 1 left.
        {0, true, "RRRR/RRGR/RGGR/RRRR/", "BRRR/RRGR/RGGR/RRRR/"},
        {1, true, "RRRR/RRGR/RGGR/RRRR/", "BRRR/RRGR/RGGR/RRRR/"},
        // Restoring to the background makes the area transparent.
        {2, true, "RRRR/RRGR/RGGR/RRRR/", "BRRR/R..R/R..R/RRRR/"},
        {3, true, "RRRR/RRGR/RGGR/RRRR/", "BRRR/RRRR/RRRR/RRRR/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("disposal " + std::to_string(c.disposal) + (c.transparent ? " transparent" : " opaque"));
        Player p(DisposalFile(c.disposal, c.transparent));
        EXPECT_EQ(p.Picture(), "RRRR/RRRR/RRRR/RRRR/");
        p.anim.SetCurrentFrame(2);
        EXPECT_EQ(p.Picture(), c.afterFrame2);
        p.anim.SetCurrentFrame(3);
        EXPECT_EQ(p.Picture(), c.afterFrame3);
    }
}

TEST(Composition, TransparentFirstFrameOverAnEmptyPicture)
{
    // Disposal 3 over transparent ground gives the transparent ground back,
    // mask included; a frame reaching past the screen grows the picture.
    Frame f1 = Solid(0, 0, 3, 2, Y);
    f1.pixels = {Y, M, Y, M, Y, M};
    f1.transparent = M;
    Frame f2 = Solid(1, 0, 2, 3, C);
    f2.disposal = 3;
    Player p(Make(3, 2, {f1, f2, Solid(0, 0, 1, 1, W)}));
    EXPECT_EQ(p.anim.ImageHeight, 3);
    EXPECT_EQ(p.Picture(), "Y.Y/.Y./.../");
    p.anim.SetCurrentFrame(2);
    EXPECT_EQ(p.Picture(), "YCC/.CC/.CC/");
    p.anim.SetCurrentFrame(3);
    EXPECT_EQ(p.Picture(), "W.Y/.Y./.../");
}

TEST(Composition, DisposalThreeOfAFrameNeverDrawnRestoresNothing)
{
    Frame f2 = Solid(0, 0, 2, 2, G);
    f2.disposal = 3;
    Player p(Make(2, 2, {Solid(0, 0, 2, 2, R), f2}));
    gif::GifComposer c;
    c.Reset(p.anim.Picture());
    c.DrawFrame(1);
    c.DisposeFrame(2);
    EXPECT_EQ(c.At(0, 0), kColours[R]);
    c.DrawFrame(99);
    c.DisposeFrame(0);
    EXPECT_EQ(c.At(1, 1), kColours[R]);
}

TEST(Composition, RenderIsEmptyWhereTransparentOnlyThroughTheMask)
{
    Frame f1 = Solid(0, 0, 2, 1, R);
    f1.pixels = {R, W};
    f1.transparent = W;
    Player p(Make(2, 1, {f1}));
    std::uint32_t out[2];
    p.anim.Composer().Render(out, true);
    EXPECT_EQ(out[0], kColours[R]);
    EXPECT_EQ(out[1], 0u);
    p.anim.Composer().Render(out, false);
    EXPECT_EQ(out[1], kColours[K]);
    // The composed picture itself is what the screen takes: premultiplied,
    // 0 where clear.
    EXPECT_EQ(p.anim.Composer().Composite()[0], kColours[R]);
    EXPECT_EQ(p.anim.Composer().Composite()[1], 0u);

    // Without transparency, disposal 2 leaves opaque black.
    Frame a = Solid(0, 0, 2, 1, R);
    a.disposal = 2;
    Player q(Make(2, 1, {a, Solid(1, 0, 1, 1, G)}));
    q.anim.SetCurrentFrame(2);
    EXPECT_EQ(q.anim.Composer().Composite()[0], gif::kBlack);
    EXPECT_EQ(q.anim.Composer().Composite()[1], kColours[G]);
}

// ---- placement ----

gif::Layout L(int cw, int ch, int iw, int ih)
{
    gif::Layout l;
    l.ControlWidth = cw;
    l.ControlHeight = ch;
    l.ImageWidth = iw;
    l.ImageHeight = ih;
    return l;
}

TEST(Placement, CenterStretchRatioTileAndPlain)
{
    auto l = L(88, 81, 96, 96);
    l.Center = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{-4, -7, 92, 89}));
    EXPECT_FALSE(l.NeedsStretch());

    l = L(200, 200, 100, 50);
    l.StretchRatio = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{0, 50, 200, 150}));
    l = L(200, 200, 50, 100);
    l.StretchRatio = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{50, 0, 150, 200}));
    // Both: as Stretch. Either at the picture's own size: as neither.
    l.Stretch = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{0, 0, 200, 200}));
    l = L(50, 100, 50, 100);
    l.Stretch = l.StretchRatio = true;
    EXPECT_FALSE(l.NeedsStretch());
    EXPECT_EQ(l.DestRect(), (gif::Rect{0, 0, 50, 100}));

    l = L(100, 90, 40, 40);
    l.Tile = true;
    const auto cells = l.Placements();
    ASSERT_EQ(cells.size(), 9u);
    EXPECT_EQ(cells.back(), (gif::Rect{80, 80, 120, 120}));
    EXPECT_EQ(l.DestRect(), (gif::Rect{0, 0, 100, 90}));
    EXPECT_TRUE(l.CoversClient());

    l = L(100, 90, 40, 40);
    EXPECT_EQ(l.Placements(), (std::vector<gif::Rect>{{0, 0, 40, 40}}));
    EXPECT_FALSE(l.CoversClient());
}

TEST(Placement, StretchRatioMarginsRoundHalvesToEven)
{
    // 3 x 1 into 10 x 10: m = (10 - 3.3333333) / 2 = 3.3333335 in single precision.
    auto l = L(10, 10, 3, 1);
    l.StretchRatio = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{0, 3, 10, 7}));
    // 4 x 3 into 5 x 10: scaled by 1.25, height 3.75, m = 3.125 -> 3, 10 - m = 6.875 -> 7.
    l = L(5, 10, 4, 3);
    l.StretchRatio = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{0, 3, 5, 7}));
    // 1 x 1 into 7 x 2: ry = 2 < rx, m = (7 - 2) / 2 = 2.5 -> 2 and 7 - m = 4.5 -> 4 (halves to even).
    l = L(7, 2, 1, 1);
    l.StretchRatio = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{2, 0, 4, 2}));
    // No picture size: the whole client area rather than a division by zero.
    l = L(7, 2, 0, 0);
    l.StretchRatio = true;
    EXPECT_EQ(l.DestRect(), (gif::Rect{0, 0, 7, 2}));
}

// ---- the frame clock ----

Bytes TwoFrames(int loop = -1, int delay = 10)
{
    Frame a = Solid(0, 0, 2, 2, R), b = Solid(0, 0, 2, 2, G);
    a.delay = b.delay = delay;
    return Make(2, 2, {a, b}, loop);
}

TEST(FrameClock, DelaysHaveAFloorOfFiftyMillisecondsAndScaleWithSpeed)
{
    Frame z = Solid(0, 0, 1, 1, R), slow = Solid(0, 0, 1, 1, G);
    slow.delay = 100; // one second
    // Short delays in hundredths: 10, 40 and 50 ms are raised to the floor, 60 ms is not.
    std::vector<Frame> frames = {z, slow};
    for (int d : {1, 4, 5, 6}) {
        frames.push_back(Solid(0, 0, 1, 1, B));
        frames.back().delay = d;
    }
    Player p(Make(1, 1, frames));
    EXPECT_EQ(p.anim.FrameDelayInterval(1), 50u);
    EXPECT_EQ(p.anim.FrameDelayInterval(2), 1000u);
    EXPECT_EQ(p.anim.FrameDelayInterval(3), 50u);
    EXPECT_EQ(p.anim.FrameDelayInterval(4), 50u);
    EXPECT_EQ(p.anim.FrameDelayInterval(5), 50u);
    EXPECT_EQ(p.anim.FrameDelayInterval(6), 60u);
    p.anim.SetSpeed(200);
    EXPECT_EQ(p.anim.FrameDelayInterval(1), 25u);
    p.anim.SetSpeed(10);
    EXPECT_EQ(p.anim.FrameDelayInterval(1), 500u);
    EXPECT_EQ(p.anim.FrameDelayInterval(2), 10000u);
    p.anim.SetSpeed(0);
    EXPECT_EQ(p.anim.Speed(), 1);
    p.anim.SetSpeed(-7);
    EXPECT_EQ(p.anim.Speed(), 1);
    EXPECT_EQ(p.anim.FrameDelayInterval(1), 5000u);
    p.anim.SetSpeed(100000);
    EXPECT_EQ(p.anim.FrameDelayInterval(1), 1u);
}

TEST(FrameClock, WithoutALoopingExtensionPlaysOnceAndStopsOnTheLastFrame)
{
    Player p(TwoFrames());
    EXPECT_EQ(p.host.interval, 1u); // the first tick comes at once
    EXPECT_FALSE(p.anim.TimerWanted());
    p.anim.SetAnimate(true);
    EXPECT_TRUE(p.host.enabled);
    EXPECT_TRUE(p.anim.TimerWanted());

    p.anim.TimerTick(); // only schedules frame 1's delay
    EXPECT_EQ(p.host.repaints, 0);
    EXPECT_EQ(p.host.interval, 100u);
    EXPECT_EQ(p.anim.CurrentFrame(), 2);
    EXPECT_EQ(p.Picture(), "RR/RR/");

    p.anim.TimerTick();
    EXPECT_EQ(p.Picture(), "GG/GG/");
    EXPECT_EQ(p.host.repaints, 1);
    EXPECT_EQ(p.host.wraps, 1);
    EXPECT_FALSE(p.host.enabled);
    EXPECT_FALSE(p.anim.TimerWanted());
    EXPECT_EQ(p.anim.LoopIndex(), 2);
    EXPECT_EQ(p.anim.CurrentFrame(), 3); // past the end until the next start

    // The rule applied after the next paint keeps it off.
    p.anim.ApplyTimerRule();
    EXPECT_FALSE(p.host.enabled);

    // Loop on after the finish starts again.
    p.anim.SetLoop(true);
    EXPECT_TRUE(p.host.enabled);
    EXPECT_EQ(p.anim.CurrentFrame(), 1);
    for (int i = 0; i < 6; ++i)
        p.anim.TimerTick();
    EXPECT_EQ(p.host.wraps, 4);
    EXPECT_TRUE(p.anim.TimerWanted());
}

TEST(FrameClock, LoopCountsPlayThatManyPassesAndZeroPlaysForever)
{
    for (int passes : {1, 3}) {
        SCOPED_TRACE("loop count " + std::to_string(passes));
        Player n(TwoFrames(passes));
        n.anim.SetAnimate(true);
        n.anim.TimerTick(); // first: schedule
        int ticks = 0;
        // Ticks come while the clock runs; the rule a paint applies agrees with it.
        while (n.host.enabled && ticks < 100) {
            n.anim.TimerTick();
            ++ticks;
            EXPECT_EQ(n.host.enabled, n.anim.TimerWanted()) << "after tick " << ticks;
        }
        // N passes of two frames, less the first tick that only scheduled.
        EXPECT_EQ(ticks, 2 * passes - 1);
        EXPECT_EQ(n.host.wraps, passes);
        EXPECT_EQ(n.Picture(), "GG/GG/");
        n.anim.ApplyTimerRule();
        EXPECT_FALSE(n.host.enabled);
    }

    Player forever(TwoFrames(0));
    forever.anim.SetAnimate(true);
    for (int i = 0; i < 41; ++i)
        forever.anim.TimerTick();
    EXPECT_EQ(forever.host.wraps, 20);
    EXPECT_TRUE(forever.anim.TimerWanted());
    EXPECT_TRUE(forever.host.enabled);
}

TEST(FrameClock, StoppingReturnsToFrameOneEvenRightAfterAWrap)
{
    Frame a = Solid(0, 0, 1, 1, R), b = Solid(0, 0, 1, 1, G), c = Solid(0, 0, 1, 1, B);
    Player p(Make(1, 1, {a, b, c}, 0));
    p.anim.SetAnimate(true);
    p.anim.TimerTick();
    p.anim.TimerTick();
    EXPECT_EQ(p.Picture(), "G/");
    p.anim.SetAnimate(false);
    EXPECT_EQ(p.Picture(), "R/");
    EXPECT_EQ(p.anim.CurrentFrame(), 1);
    EXPECT_FALSE(p.host.enabled);
    EXPECT_EQ(p.host.invalidates, 1);

    // After the last frame of a looping pass CurrentFrame is already 1 while
    // frame 3 is on show.
    p.anim.SetAnimate(true);
    for (int i = 0; i < 3; ++i)
        p.anim.TimerTick();
    EXPECT_EQ(p.Picture(), "B/");
    EXPECT_EQ(p.anim.CurrentFrame(), 1);
    p.anim.SetAnimate(false);
    EXPECT_EQ(p.Picture(), "R/");
}

TEST(FrameClock, SettersCompareAndSpeedReschedulesAtOnce)
{
    Player p(TwoFrames(0, 20));
    p.anim.SetAnimate(true);
    EXPECT_EQ(p.host.interval, 200u); // frame 1's delay
    p.host.interval = 777;
    p.anim.SetAnimate(true);
    EXPECT_EQ(p.host.interval, 777u);
    p.anim.SetSpeed(100);
    EXPECT_EQ(p.host.interval, 777u);
    p.anim.SetSpeed(300);
    EXPECT_EQ(p.host.interval, 1u);

    // CurrentFrame: out of range ignored; in range draws at once with events.
    const int changing = p.host.changing;
    p.anim.SetCurrentFrame(0);
    p.anim.SetCurrentFrame(3);
    EXPECT_EQ(p.host.changing, changing);
    p.anim.SetCurrentFrame(2);
    EXPECT_EQ(p.Picture(), "GG/GG/");
    EXPECT_EQ(p.host.changing, changing + 1);
    EXPECT_EQ(p.host.changed, p.host.changing);
    EXPECT_EQ(p.host.repaints, 1);
}

TEST(FrameClock, ClearingStopsAndEmptiesAndKeepsThePlaybackSettings)
{
    Player p(TwoFrames(5));
    p.anim.SetAnimate(true);
    p.anim.SetLoop(true);
    p.anim.SetSpeed(50);
    p.anim.TimerTick();
    p.anim.ClearFrames();
    EXPECT_FALSE(p.host.enabled);
    EXPECT_TRUE(p.anim.Empty);
    EXPECT_EQ(p.anim.FrameCount(), 0);
    EXPECT_EQ(p.anim.CurrentFrame(), 1);
    EXPECT_EQ(p.anim.LoopCount(), 1);
    EXPECT_TRUE(p.anim.Animate());
    EXPECT_TRUE(p.anim.Loop());
    EXPECT_EQ(p.anim.Speed(), 50);
    p.anim.TimerTick(); // a tick on an empty control does nothing
    EXPECT_EQ(p.host.changing, 2);
    EXPECT_FALSE(p.anim.TimerWanted());
    // The next picture starts over: its first tick only schedules frame 1's delay.
    p.anim.Prepare(Decode(TwoFrames(5)));
    const int repaints = p.host.repaints;
    p.anim.TimerTick();
    EXPECT_EQ(p.host.repaints, repaints);
}

// ---- the memory budget ----

TEST(Budget, EveryBufferOfAPictureIsCountedBeforeItIsMade)
{
    if (!FAUNETA_HEAP_COUNTED)
        GTEST_SKIP() << "the heap cannot be counted under ThreadSanitizer";
    // Every kind of buffer: transparent frames, disposal 3 (saved areas), an
    // interlaced frame and 9-bit codes (both decoded through scratch), a
    // comment. Runs of one colour, so the file itself weighs little.
    giftest::GifBuilder g;
    g.Header().Screen(300, 200, 8);
    auto frame = [&](int w, int h, int disposal, bool transparent, bool interlaced, int m) {
        giftest::Image im;
        im.width = w;
        im.height = h;
        im.pixels.assign(std::size_t(w * h), 5);
        im.run = true;
        im.interlaced = interlaced;
        im.minCodeSize = m;
        g.Control(disposal, 10, transparent, 9);
        g.Frame(im);
    };
    frame(1, 1, 0, false, false, 8);
    g.Comment(std::string(500, 'c'));
    frame(300, 200, 3, true, false, 8);
    frame(300, 200, 3, false, true, 8);
    frame(300, 200, 2, true, false, 9);
    const Bytes bytes = g.Trailer().bytes;

    std::uint64_t budget = 0;
    heap::Start();
    {
        gif::GifPicture pic;
        gif::GifDecoder d(pic);
        ASSERT_TRUE(d.ReadGIF(bytes));
        for (int n = 2; n <= 4; ++n)
            EXPECT_EQ(pic.Frame(n).Index(299, 199), 5) << n; // the runs decode to the end
        budget = pic.BudgetBytes;
        RecordingHost host;
        gif::GifAnimation anim(host);
        anim.Prepare(std::move(pic));
        anim.SetAnimate(true);
        for (int tick = 0; tick < 9; ++tick) // every frame drawn and disposed of
            anim.TimerTick();
    }
    const std::int64_t peak = heap::Stop();
    EXPECT_LE(peak, std::int64_t(budget));
    // Close, too: a 60000-byte frame left out of the count would show.
    EXPECT_GT(peak, std::int64_t(budget) - 60000) << budget;

    // And that is the limit the load enforces.
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    d.Limits.MaxTotalBytes = budget;
    EXPECT_TRUE(d.ReadGIF(bytes));
    d.Limits.MaxTotalBytes = budget - 1;
    EXPECT_FALSE(d.ReadGIF(bytes));
}

} // namespace
