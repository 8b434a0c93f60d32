// The decoder on tiny handmade files: one case per rule and per failure mode.
#include "fuzz/gif/GifCheck.h"
#include "gif/GifDecoder.h"
#include "tests/gif/GifBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace gif;
using namespace giftest;

namespace {

struct Loaded {
    GifPicture pic;
    ReadResult result;
    bool ok = false;
};

Loaded Load(const Bytes& b, bool firstImageOnly = false)
{
    Loaded r;
    GifDecoder d(r.pic);
    d.FirstImageOnly = firstImageOnly;
    r.result = d.ReadGIF(b);
    r.ok = bool(r.result);
    return r;
}

std::vector<unsigned> Indices(const TGIFFrame& f)
{
    return {f.Pixels.begin(), f.Pixels.end()};
}

Image Img(int w, int h, std::vector<unsigned> px, int m = 2)
{
    Image im;
    im.width = w;
    im.height = h;
    im.pixels = std::move(px);
    im.minCodeSize = m;
    return im;
}

TEST(GifDecoderFailures, EmptyOrForeignDataIsNotAPicture)
{
    EXPECT_EQ(Load({}).result.Status, ReadStatus::NoData);
    auto b = GifBuilder().Header().Screen(1, 1).Frame(Img(1, 1, {1})).Trailer().bytes;
    b[2] = 'X';
    auto r = Load(b);
    EXPECT_EQ(r.result.Status, ReadStatus::NotAGif);
    EXPECT_EQ(r.pic.FrameCount(), 0);
}

TEST(GifDecoderFailures, CutShortStructuresAreTruncatedWhereTheyStart)
{
    const Bytes full = GifBuilder().Header().Screen(2, 2, 2).Frame(Img(2, 2, {0, 1, 2, 3})).Trailer().bytes;
    // Inside the header, the screen descriptor, the global table and the image descriptor.
    const struct {
        std::size_t cut, offset;
        int frame;
    } cases[] = {{3, 0, 0}, {6 + 4, 6, 0}, {13 + 5, 13, 0}, {25 + 6, 25, 1}};
    for (const auto& c : cases) {
        GifPicture pic;
        GifDecoder d(pic);
        const ReadResult r = d.ReadGIF(std::span(full.data(), c.cut));
        EXPECT_EQ(r.Status, ReadStatus::Truncated) << c.cut;
        EXPECT_EQ(r.Offset, c.offset) << c.cut;
        EXPECT_EQ(r.Frame, c.frame) << c.cut;
        EXPECT_EQ(pic.FrameCount(), 0) << c.cut;
    }
    GifPicture pic;
    EXPECT_EQ(Describe(GifDecoder(pic).ReadGIF(std::span(full.data(), 31))),
              "frame 1 at byte 25: cut short (stream read error)");
}

TEST(GifDecoderFailures, ZeroSizedFrameFailsAndLeavesNothing)
{
    for (auto [w, h] : {std::pair{0, 3}, std::pair{3, 0}}) {
        auto b = GifBuilder().Header().Screen(4, 4).Frame(Img(2, 2, {1, 1, 1, 1})).Frame(Img(w, h, {})).Trailer().bytes;
        auto r = Load(b);
        EXPECT_EQ(r.result.Status, ReadStatus::EmptyFrame);
        EXPECT_EQ(r.result.Frame, 2);
        EXPECT_EQ(r.pic.FrameCount(), 0);
        EXPECT_EQ(r.pic.ImageWidth, 0);
    }
}

TEST(GifDecoderFailures, MinimumCodeSizeAboveElevenFailsTheLoad)
{
    for (int m : {12, 13, 15, 16, 255}) {
        GifBuilder g;
        g.Header().Screen(2, 1).Raw({0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0, std::uint8_t(m), 2, 0xFF, 0xFF, 0}).Trailer();
        EXPECT_EQ(Load(g.bytes).result.Status, ReadStatus::CodeSizeOutOfRange) << m;
    }
    // Eleven still decodes: literals above 255 keep their low 8 bits.
    auto r = Load(GifBuilder().Header().Screen(3, 1).Frame(Img(3, 1, {7, 300, 2047}, 11)).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Indices(r.pic.Frame(1)), (std::vector<unsigned>{7, 300 & 255, 2047 & 255}));
}

TEST(GifDecoderFailures, SizeBombsFailBeforeAllocating)
{
    // How fast they fail is measured in bench_gif_decode (SizeBombs).
    // A screen of 65535 x 65535 (4 G pixels).
    EXPECT_EQ(Load(GifBuilder().Header().Screen(65535, 65535).Frame(Img(1, 1, {0})).Trailer().bytes).result.Status,
              ReadStatus::OverLimits);
    // A small screen and a 9000 x 9000 frame (81 M pixels).
    EXPECT_EQ(Load(GifBuilder().Header().Screen(1, 1).Frame(Img(9000, 9000, {0})).Trailer().bytes).result.Status,
              ReadStatus::OverLimits);
    // A tiny frame placed far away grows the picture past the limit.
    Image far = Img(1, 1, {0});
    far.left = 65000;
    far.top = 65000;
    EXPECT_EQ(Load(GifBuilder().Header().Screen(1, 1).Frame(far).Trailer().bytes).result.Status,
              ReadStatus::OverLimits);

    // Frames add up: room for four 100 x 100 frames and less than a fifth
    // (the frames are runs of one colour: the file grows by little per frame).
    auto frames = [](int n) {
        GifBuilder g;
        g.Header().Screen(100, 100);
        Image im = Img(100, 100, std::vector<unsigned>(100 * 100, 1));
        im.run = true;
        for (int i = 0; i < n; ++i)
            g.Frame(im);
        return g.Trailer().bytes;
    };
    GifPicture pic;
    GifDecoder d(pic);
    ASSERT_TRUE(d.ReadGIF(frames(4)));
    const std::uint64_t four = pic.BudgetBytes;
    d.Limits.MaxTotalBytes = four + 5000;
    EXPECT_TRUE(d.ReadGIF(frames(4)));
    const ReadResult over = d.ReadGIF(frames(5));
    EXPECT_EQ(over.Status, ReadStatus::OverLimits);
    EXPECT_EQ(over.Frame, 5);
    EXPECT_EQ(pic.FrameCount(), 0);
    d.Limits.MaxTotalBytes = four - 1; // the limit is the count the load reports
    EXPECT_EQ(d.ReadGIF(frames(4)).Status, ReadStatus::OverLimits);

    // The file itself counts: one over the input limit is refused before it is read.
    d.Limits = Limits{};
    Bytes big = GifBuilder().Header().Screen(1, 1).Frame(Img(1, 1, {0})).Trailer().bytes;
    big.resize(d.Limits.MaxInputBytes(), 0); // data after the trailer is ignored
    EXPECT_TRUE(d.ReadGIF(big));
    big.push_back(0);
    EXPECT_EQ(d.ReadGIF(big).Status, ReadStatus::OverLimits);
}

TEST(GifDecoderHeader, VersionScreenAndGlobalTable)
{
    auto r = Load(GifBuilder().Header("87a").Screen(3, 2, 2).Frame(Img(1, 1, {3})).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pic.Version, gvGIF87a);
    EXPECT_EQ(r.pic.ColorDepth, 2);
    EXPECT_EQ(r.pic.ImageWidth, 3);
    EXPECT_EQ(r.pic.ImageHeight, 2);
    EXPECT_EQ((*r.pic.GlobalColorTable)[3], (RGB{3, 6, 9}));
    EXPECT_EQ((*r.pic.GlobalColorTable)[4], RGB{});
    const TGIFFrame& f = r.pic.Frame(1);
    EXPECT_FALSE(f.HasLocalColorTable);
    EXPECT_EQ(f.BitsPerPixel, 0);
    EXPECT_EQ(&f.ColorTable(), r.pic.GlobalColorTable.get());
    EXPECT_EQ(f.PaletteCount, 4);
    EXPECT_EQ(r.pic.LoopCount, 1);
    EXPECT_EQ(Load(GifBuilder().Header("89a").Screen(1, 1).Trailer().bytes).pic.Version, gvGIF89a);
}

TEST(GifDecoderHeader, ANewLoadStartsFromAZeroGlobalTable)
{
    GifPicture pic;
    GifDecoder d(pic);
    ASSERT_TRUE(d.ReadGIF(GifBuilder().Header().Screen(1, 1, 8).Frame(Img(1, 1, {0})).Trailer().bytes));
    ASSERT_TRUE(d.ReadGIF(GifBuilder().Header().Screen(1, 1, 1).Frame(Img(1, 1, {0})).Trailer().bytes));
    EXPECT_EQ((*pic.GlobalColorTable)[1], (RGB{1, 2, 3}));
    EXPECT_EQ((*pic.GlobalColorTable)[2], RGB{});
}

TEST(GifDecoderColours, FrameWithoutAnyTableGetsOneBlackEntry)
{
    auto r = Load(GifBuilder().Header().Screen(2, 1).Frame(Img(2, 1, {0, 3})).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    const TGIFFrame& f = r.pic.Frame(1);
    EXPECT_EQ(r.pic.ColorDepth, 0);
    EXPECT_EQ(f.PaletteCount, 1);
    EXPECT_EQ(f.Color(0), RGB{});
    EXPECT_EQ(f.Color(3), RGB{}); // past the palette: black, never out of bounds
}

TEST(GifDecoderColours, LocalTablesAndTheDepthSeenSoFar)
{
    Image local = Img(2, 1, {1, 2});
    local.localBits = 3;
    auto r = Load(GifBuilder()
                      .Header()
                      .Screen(2, 1, 1)
                      .Frame(Img(2, 1, {1, 0}))
                      .Frame(local)
                      .Frame(Img(2, 1, {3, 1}))
                      .Trailer()
                      .bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pic.Frame(1).PaletteCount, 2);
    const TGIFFrame& l = r.pic.Frame(2);
    EXPECT_TRUE(l.HasLocalColorTable);
    EXPECT_EQ(l.BitsPerPixel, 3);
    EXPECT_EQ(l.PaletteCount, 8);
    EXPECT_EQ(l.Color(2), (RGB{10, 20, 30}));
    EXPECT_EQ(r.pic.ColorDepth, 3);
    // A later global-table frame's palette has 2^ColorDepth entries; those past
    // the file's 2-entry table are zero.
    EXPECT_EQ(r.pic.Frame(3).PaletteCount, 8);
    EXPECT_EQ(r.pic.Frame(3).Color(3), RGB{});
    EXPECT_EQ(r.pic.Frame(3).Color(1), (RGB{1, 2, 3}));
}

TEST(GifDecoderControl, DisposalDelayAndTransparency)
{
    GifBuilder g;
    g.Header().Screen(1, 1, 2);
    for (int disposal = 0; disposal < 8; ++disposal)
        g.Control(disposal, disposal * 7, disposal % 2 == 0, 2).Frame(Img(1, 1, {2}));
    g.Frame(Img(1, 1, {2})).Trailer(); // no control block: all zeros
    auto r = Load(g.bytes);
    ASSERT_TRUE(r.ok);
    const int expected[8] = {0, 1, 2, 3, 2, 2, 2, 2};
    for (int i = 0; i < 8; ++i) {
        const TGIFFrame& f = r.pic.Frame(i + 1);
        EXPECT_EQ(f.Disposal, expected[i]) << i;
        EXPECT_EQ(f.Delay, i * 70) << i;
        EXPECT_EQ(f.Transparent, i % 2 == 0) << i;
        EXPECT_EQ(f.TransparentIndex, 2);
        EXPECT_EQ(f.Mask.empty(), !f.Transparent);
    }
    EXPECT_EQ(r.pic.Frame(1).TransparentColor, (RGB{2, 4, 6}));
    const TGIFFrame& last = r.pic.Frame(9);
    EXPECT_EQ(last.Disposal, 0);
    EXPECT_EQ(last.Delay, 0);
    EXPECT_FALSE(last.Transparent);
    EXPECT_TRUE(r.pic.HasTransparency);
}

TEST(GifDecoderControl, TransparencyNeeds89a)
{
    auto r =
        Load(GifBuilder().Header("87a").Screen(2, 1).Control(0, 0, true, 1).Frame(Img(2, 1, {1, 0})).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.pic.Frame(1).Transparent);
    EXPECT_TRUE(r.pic.Frame(1).Mask.empty());
    EXPECT_FALSE(r.pic.HasTransparency);
}

TEST(GifDecoderControl, MaskMarksTheTransparentIndexMostSignificantBitFirst)
{
    std::vector<unsigned> px = {1, 0, 1, 1, 1, 1, 1, 1, 1, 0, // row 0: x = 1 and 9
                                0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    auto r = Load(GifBuilder().Header().Screen(10, 2).Control(0, 0, true, 1).Frame(Img(10, 2, px)).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    const TGIFFrame& f = r.pic.Frame(1);
    ASSERT_EQ(f.MaskStride(), 2);
    EXPECT_EQ(f.Mask, (Bytes{0xBF, 0x80, 0x00, 0x00}));
    EXPECT_TRUE(f.IsTransparentAt(0, 0));
    EXPECT_FALSE(f.IsTransparentAt(1, 0));
    EXPECT_TRUE(f.IsTransparentAt(8, 0));

    // Full-byte indices: the key among values one bit (the top, the lowest) or
    // all bits away from it, across whole 8-pixel words and a row's tail.
    for (const unsigned key : {0x00u, 0x01u, 0x7Fu, 0x80u, 0xFEu, 0xFFu}) {
        const unsigned away[] = {0, 0x80, 0x01, 0xFF, 0, 0x7F, 0x81};
        std::vector<unsigned> v;
        for (unsigned i = 0; i < 29 * 3; ++i)
            v.push_back(key ^ away[(i * 5 + i / 7) % 7]);
        auto k = Load(GifBuilder()
                          .Header()
                          .Screen(29, 3, 8)
                          .Control(0, 0, true, int(key))
                          .Frame(Img(29, 3, v, 8))
                          .Trailer()
                          .bytes);
        ASSERT_TRUE(k.ok) << key;
        const TGIFFrame& t = k.pic.Frame(1);
        ASSERT_EQ(Indices(t), v) << key;
        for (int i = 0; i < 29 * 3; ++i)
            EXPECT_EQ(t.IsTransparentAt(i % 29, i / 29), v[std::size_t(i)] == key) << key << " pixel " << i;
    }
}

TEST(GifDecoderColours, RGBAExpansionUsesThePaletteAndTheMask)
{
    // Global table of 2 entries; index 3 lies past it; index 1 is transparent.
    auto r =
        Load(GifBuilder().Header().Screen(3, 1, 1).Control(0, 0, true, 1).Frame(Img(3, 1, {0, 1, 3})).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    std::uint8_t rgba[12];
    ExpandToRGBA(r.pic.Frame(1), rgba);
    EXPECT_EQ(Bytes(rgba, rgba + 12), (Bytes{0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 0, 255}));
    auto o = Load(GifBuilder().Header().Screen(2, 1, 1).Frame(Img(2, 1, {1, 0})).Trailer().bytes);
    ExpandToRGBA(o.pic.Frame(1), rgba);
    EXPECT_EQ(Bytes(rgba, rgba + 8), (Bytes{1, 2, 3, 255, 0, 0, 0, 255}));
}

TEST(GifDecoderExtensions, LoopCount)
{
    EXPECT_EQ(Load(GifBuilder().Header().Screen(1, 1).Loop(0).Frame(Img(1, 1, {0})).Trailer().bytes).pic.LoopCount, 0);
    EXPECT_EQ(Load(GifBuilder().Header().Screen(1, 1).Loop(1000).Frame(Img(1, 1, {0})).Trailer().bytes).pic.LoopCount,
              1000);
    EXPECT_EQ(Load(GifBuilder().Header().Screen(1, 1).Frame(Img(1, 1, {0})).Trailer().bytes).pic.LoopCount, 1);

    // Another application, and a looping block too short to hold a count, are skipped.
    GifBuilder g;
    g.Header().Screen(1, 1).Raw(
        {0x21, 0xFF, 11, 'X', 'M', 'P', ' ', 'D', 'a', 't', 'a', 'X', 'M', 'P', 2, 1, 9, 1, 7, 0});
    g.Raw({0x21, 0xFF, 11, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0', 2, 1, 9, 0});
    g.Raw({0x21, 0xFF, 8, 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', 3, 1, 9, 9, 0});
    g.Frame(Img(1, 1, {2})).Trailer();
    auto r = Load(g.bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pic.LoopCount, 1);
    EXPECT_EQ(Indices(r.pic.Frame(1)), std::vector<unsigned>{2});
}

TEST(GifDecoderExtensions, CommentsBelongToTheFollowingFrame)
{
    auto r = Load(GifBuilder()
                      .Header()
                      .Screen(1, 1)
                      .Comment("um ")
                      .Comment("dois")
                      .Frame(Img(1, 1, {0}))
                      .Frame(Img(1, 1, {0}))
                      .Comment("tres")
                      .Frame(Img(1, 1, {0}))
                      .Comment("depois")
                      .Trailer()
                      .bytes);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.pic.FrameCount(), 3);
    EXPECT_EQ(r.pic.Frame(1).Comment, "um dois");
    EXPECT_EQ(r.pic.Frame(2).Comment, "");
    EXPECT_EQ(r.pic.Frame(3).Comment, "tres");
}

TEST(GifDecoderExtensions, PlainTextUnknownExtensionsAndStrayBytesAreSkipped)
{
    GifBuilder g;
    g.Header().Screen(2, 1);
    g.Raw({0x21, 0x01, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 'a', 'b', 'c', 0}); // plain text
    g.Raw({0x21, 0x42, 2, 0x2C, 0x3B, 0}); // unknown label, separators inside its data
    g.Raw({0x00, 0x2C});                   // a stray byte: skipped with the byte after it
    g.Frame(Img(2, 1, {3, 1})).Trailer();
    auto r = Load(g.bytes);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.pic.FrameCount(), 1);
    EXPECT_EQ(Indices(r.pic.Frame(1)), (std::vector<unsigned>{3, 1}));
}

TEST(GifDecoderFrames, FramesReachingPastTheScreenGrowThePicture)
{
    Image im = Img(10, 10, Ramp(100, 4));
    im.left = 5;
    im.top = 5;
    auto r = Load(GifBuilder().Header().Screen(10, 10).Frame(im).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pic.ScreenWidth, 10);
    EXPECT_EQ(r.pic.ImageWidth, 15);
    EXPECT_EQ(r.pic.ImageHeight, 15);
    EXPECT_EQ(r.pic.Frame(1).Left, 5);
    EXPECT_EQ(Indices(r.pic.Frame(1)), Ramp(100, 4));
}

TEST(GifDecoderFrames, InterlacedRowsLandInPictureOrder)
{
    // Every row different, so rows landing in another pass's place show.
    for (int h : {1, 2, 3, 4, 5, 8, 9, 17}) {
        std::vector<unsigned> px;
        for (int y = 0; y < h; ++y)
            px.insert(px.end(), {unsigned(y), unsigned(y + 8), 3});
        Image im = Img(3, h, px, 5);
        im.interlaced = true;
        auto r = Load(GifBuilder().Header().Screen(3, h).Frame(im).Trailer().bytes);
        ASSERT_TRUE(r.ok) << h;
        EXPECT_TRUE(r.pic.Frame(1).Interlaced);
        EXPECT_EQ(Indices(r.pic.Frame(1)), px) << "height " << h;
    }
    // Height 3 from stored rows a, b, c: rows 0, 2, 1.
    GifBuilder g;
    g.Header()
        .Screen(1, 3)
        .Raw({0x2C, 0, 0, 0, 0, 1, 0, 3, 0, 0x40, 3})
        .Append(SubBlocks(EncodeLiterals(3, {5, 6, 7})))
        .Trailer();
    auto r = Load(g.bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Indices(r.pic.Frame(1)), (std::vector<unsigned>{5, 7, 6}));

    // Height 9 holds all four passes: stored rows 10..18 go to rows 0, 8, 4, 2,
    // 6, 1, 3, 5, 7. With 12 transparent, the mask follows the pixel to row 4.
    const std::vector<unsigned> stored = {10, 11, 12, 13, 14, 15, 16, 17, 18};
    const std::vector<unsigned> picture = {10, 15, 13, 16, 12, 17, 14, 18, 11};
    for (bool transparent : {false, true}) {
        GifBuilder n;
        n.Header().Screen(1, 9);
        if (transparent)
            n.Control(0, 0, true, 12);
        n.Raw({0x2C, 0, 0, 0, 0, 1, 0, 9, 0, 0x40, 5}).Append(SubBlocks(EncodeLiterals(5, stored))).Trailer();
        auto nine = Load(n.bytes);
        ASSERT_TRUE(nine.ok);
        const TGIFFrame& f = nine.pic.Frame(1);
        EXPECT_EQ(Indices(f), picture);
        ASSERT_EQ(f.Transparent, transparent);
        for (int y = 0; y < 9; ++y)
            EXPECT_EQ(f.IsTransparentAt(0, y), transparent && y == 4) << "row " << y;
    }
}

TEST(GifDecoderFrames, TheTwoHundredFiftySeventhImageIsNotRead)
{
    GifBuilder g;
    g.Header().Screen(1, 1);
    for (int i = 0; i < 256; ++i)
        g.Frame(Img(1, 1, {unsigned(i % 4)}));
    g.Raw({0x2C, 0, 0}); // the 257th: not even its descriptor is read
    auto r = Load(g.bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pic.FrameCount(), 256);
    EXPECT_EQ(Indices(r.pic.Frame(256)), std::vector<unsigned>{255 % 4});
}

TEST(GifDecoderFrames, ShortDataLeavesIndexZeroAndOpaque)
{
    // 4 x 3 frame, data for one and a half rows; the transparent index is 0,
    // yet the rows the data never reached stay opaque.
    Image im = Img(4, 3, {2, 0, 2, 2, 0, 3});
    auto r = Load(GifBuilder().Header().Screen(4, 3).Control(0, 0, true, 0).Frame(im).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    const TGIFFrame& f = r.pic.Frame(1);
    EXPECT_EQ(Indices(f), (std::vector<unsigned>{2, 0, 2, 2, 0, 3, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(f.IsTransparentAt(1, 0));
    EXPECT_TRUE(f.IsTransparentAt(0, 1));
    EXPECT_FALSE(f.IsTransparentAt(2, 1));
    EXPECT_FALSE(f.IsTransparentAt(3, 2));

    // The data stops in the middle of the sub-block chain, without terminator or trailer.
    Bytes cut = GifBuilder().Header().Screen(4, 3).Frame(Img(4, 3, Ramp(12, 4))).bytes;
    cut.resize(cut.size() - 3);
    auto c = Load(cut);
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.pic.Frame(1).Pixels[0], 0u);
    EXPECT_EQ(c.pic.Frame(1).Pixels[3], 3u);
    EXPECT_EQ(c.pic.Frame(1).Pixels[11], 0u);
}

TEST(GifDecoderFrames, SurplusPixelsAreConsumedAndIgnored)
{
    // 2 x 2 frame carrying 40 pixels in small sub-blocks, then a second frame.
    Image im = Img(2, 2, Ramp(40, 3));
    im.chunk = 3;
    auto r = Load(GifBuilder().Header().Screen(2, 2).Frame(im).Frame(Img(2, 2, {3, 3, 2, 1})).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.pic.FrameCount(), 2);
    EXPECT_EQ(Indices(r.pic.Frame(1)), (std::vector<unsigned>{0, 1, 2, 0}));
    EXPECT_EQ(Indices(r.pic.Frame(2)), (std::vector<unsigned>{3, 3, 2, 1}));

    // No end code at all: the sub-block chain ends the data.
    Image noEnd = Img(2, 2, {1, 2, 3, 1, 2, 3});
    noEnd.encode.endCode = false;
    auto n = Load(GifBuilder().Header().Screen(2, 2).Frame(noEnd).Frame(Img(1, 1, {2})).Trailer().bytes);
    ASSERT_TRUE(n.ok);
    EXPECT_EQ(Indices(n.pic.Frame(1)), (std::vector<unsigned>{1, 2, 3, 1}));
    EXPECT_EQ(Indices(n.pic.Frame(2)), std::vector<unsigned>{2});
}

TEST(GifDecoderFrames, AfterTheTrailerNothingIsRead)
{
    auto b =
        GifBuilder().Header().Screen(1, 1).Frame(Img(1, 1, {1})).Trailer().Frame(Img(1, 1, {2})).Raw({1, 2, 3}).bytes;
    auto r = Load(b);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.pic.FrameCount(), 1);
}

TEST(GifDecoderFrames, FirstImageOnlyReadsNoFurther)
{
    GifBuilder g;
    g.Header().Screen(2, 1).Comment("c").Frame(Img(2, 1, {1, 2})).Loop(5).Frame(Img(2, 1, {3, 3}));
    g.Raw({0x2C, 0, 0, 0, 0, 0, 0, 1, 0, 0}); // zero width: would fail the load if read
    auto all = Load(g.bytes);
    EXPECT_FALSE(all.ok);
    auto first = Load(g.bytes, true);
    ASSERT_TRUE(first.ok);
    EXPECT_EQ(first.pic.FrameCount(), 1);
    EXPECT_EQ(first.pic.LoopCount, 1);
    EXPECT_EQ(first.pic.Frame(1).Comment, "c");
    EXPECT_EQ(Indices(first.pic.Frame(1)), (std::vector<unsigned>{1, 2}));
}

TEST(GifDecoderFrames, NoImagesIsAnEmptyButValidPicture)
{
    auto r = Load(GifBuilder().Header().Screen(7, 5).Loop(0).Trailer().bytes);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.pic.FrameCount(), 0);
    EXPECT_EQ(r.pic.ImageWidth, 7);
}

TEST(GifDecoderCodes, TheCodeAfterAClearIsAPixel)
{
    // m = 2: clear 4, end 5. Codes: clear, 1, 2, clear, 3, 6 (= "3" + "3"), end.
    BitPacker p;
    p.Put(4, 3);
    p.Put(1, 3);
    p.Put(2, 3); // adds entry 6 = "1 2"
    p.Put(4, 3);
    p.Put(3, 3); // straight after the clear: a literal, no entry added
    p.Put(6, 3); // the next free code again, now "3 3"
    p.Put(5, 3);
    GifBuilder g;
    g.Header().Screen(5, 1).Raw({0x2C, 0, 0, 0, 0, 5, 0, 1, 0, 0, 2}).Append(SubBlocks(p.Finish())).Trailer();
    auto r = Load(g.bytes);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Indices(r.pic.Frame(1)), (std::vector<unsigned>{1, 2, 3, 3, 3}));
}

TEST(GifDecoderCodes, UndefinedCodesStopTheFrameSafely)
{
    // A code far past the table, a table code straight after a clear, and a
    // clear/end right after a clear: the pixels before stand, the rest stay 0.
    struct Case {
        std::vector<std::pair<unsigned, unsigned>> codes;
        std::vector<unsigned> pixels;
    };
    const Case cases[] = {
        {{{4, 3}, {1, 3}, {7, 3}, {1, 3}}, {1, 0, 0, 0}},         // 7 while the next free entry is 6
        {{{4, 3}, {6, 3}, {1, 3}}, {0, 0, 0, 0}},                 // 6 with no previous code
        {{{4, 3}, {4, 3}, {2, 3}, {3, 3}}, {2, 3, 0, 0}},         // clear twice is one clear
        {{{4, 3}, {3, 3}, {4, 3}, {5, 3}, {1, 3}}, {3, 0, 0, 0}}, // end after a clear ends the data
    };
    for (const Case& c : cases) {
        BitPacker p;
        for (auto [code, bits] : c.codes)
            p.Put(code, bits);
        GifBuilder g;
        g.Header()
            .Screen(4, 1)
            .Raw({0x2C, 0, 0, 0, 0, 4, 0, 1, 0, 0, 2})
            .Append(SubBlocks(p.Finish()))
            .Frame(Img(1, 1, {3}))
            .Trailer();
        auto r = Load(g.bytes);
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(Indices(r.pic.Frame(1)), c.pixels);
        ASSERT_EQ(r.pic.FrameCount(), 2); // the stream stands behind the frame
    }
}

TEST(GifDecoderCodes, WideMinimumCodeSizesKeepTheFullValueForTransparency)
{
    // m = 9: the literal 261 is stored as 5 but is not the transparent index 5.
    auto r = Load(
        GifBuilder().Header().Screen(3, 1).Control(0, 0, true, 5).Frame(Img(3, 1, {261, 5, 6}, 9)).Trailer().bytes);
    ASSERT_TRUE(r.ok);
    const TGIFFrame& f = r.pic.Frame(1);
    EXPECT_EQ(Indices(f), (std::vector<unsigned>{5, 5, 6}));
    EXPECT_FALSE(f.IsTransparentAt(0, 0));
    EXPECT_TRUE(f.IsTransparentAt(1, 0));
}

TEST(GifDecoderProgress, ReportsPositionsAndCanStopTheLoad)
{
    const Bytes b = GifBuilder().Header().Screen(2, 1).Comment("x").Frame(Img(2, 1, {1, 2})).Trailer().bytes;
    std::vector<std::size_t> positions;
    GifPicture pic;
    GifDecoder d(pic);
    d.OnProgress = [&](std::size_t pos, std::size_t size) {
        EXPECT_EQ(size, b.size());
        positions.push_back(pos);
        return true;
    };
    ASSERT_TRUE(d.ReadGIF(b));
    // Before each of the three blocks (comment, image, trailer), then once at the end.
    EXPECT_EQ(positions, (std::vector<std::size_t>{13, 18, b.size() - 1, b.size()}));

    int calls = 0;
    d.OnProgress = [&](std::size_t, std::size_t) { return ++calls < 3; };
    const ReadResult stopped = d.ReadGIF(b);
    EXPECT_EQ(stopped.Status, ReadStatus::Aborted);
    EXPECT_EQ(stopped.Offset, b.size() - 1);
    EXPECT_EQ(pic.FrameCount(), 0);

    // The hook's own exception (the control's silent abort) goes through untouched.
    struct Quit {};
    d.OnProgress = [&](std::size_t pos, std::size_t) {
        if (pos > 13)
            throw Quit{};
        return true;
    };
    EXPECT_THROW(d.ReadGIF(b), Quit);
    EXPECT_EQ(pic.FrameCount(), 0);
}

TEST(GifDecoderProgress, LargeFramesReportEverySixtyFourRows)
{
    // 400 x 300 = 120000 pixels, rows wider than 320: every 32 rows.
    const Bytes wide = GifBuilder().Header().Screen(400, 300).Frame(Img(400, 300, Ramp(120000, 4))).Trailer().bytes;
    // 320 x 320 = 102400 pixels: every 64 rows, here interlaced.
    Image im = Img(320, 320, Ramp(102400, 4));
    im.interlaced = true;
    const Bytes tall = GifBuilder().Header().Screen(320, 320).Frame(im).Trailer().bytes;
    // 300 x 300 = 90000 pixels: no reports inside the frame.
    const Bytes small = GifBuilder().Header().Screen(300, 300).Frame(Img(300, 300, Ramp(90000, 4))).Trailer().bytes;
    for (auto [bytes, inFrame] : {std::pair{&wide, 10}, std::pair{&tall, 5}, std::pair{&small, 0}}) {
        GifPicture pic;
        GifDecoder d(pic);
        int calls = 0;
        std::size_t last = 0;
        d.OnProgress = [&](std::size_t pos, std::size_t) {
            EXPECT_GE(pos, last);
            last = pos;
            ++calls;
            return true;
        };
        ASSERT_TRUE(d.ReadGIF(*bytes));
        EXPECT_EQ(calls, 3 + inFrame);
    }
}

// The inputs the fuzzer keeps (its corpus) and the faults it found
// (regressions/), through the same checks it applies: the sanitizer builds of
// the suite then watch them too.
TEST(GifDecoderFuzzInputs, KeepTheDecodersPromises)
{
    std::size_t files = 0;
    for (const char* dir : {"fuzz/gif/corpus", "tests/gif/regressions"}) {
        const std::filesystem::path folder = std::filesystem::path(FAUNETA_SOURCE_DIR) / dir;
        if (!std::filesystem::exists(folder))
            continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const Bytes bytes((std::istreambuf_iterator<char>(in)), {});
            EXPECT_EQ(fuzzcheck::CheckGifDecode(bytes), "") << entry.path();
            ++files;
        }
    }
    EXPECT_GT(files, 20u);
}

} // namespace
