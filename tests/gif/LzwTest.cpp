// The LZW unit on its own: code widths, self-referencing codes, a full table,
// output limits and the end of the data.
#include "gif/Lzw.h"
#include "tests/gif/GifBuilder.h"

#include <gtest/gtest.h>

using namespace gif;
using namespace giftest;

namespace {

struct Decoded {
    std::vector<std::uint8_t> pixels;
    LzwStatus status;
};

// Decodes `codes` (already packed) into at most `room` pixels.
Decoded Decode(int m, Bytes codes, std::size_t room, std::size_t stopAt = SIZE_MAX)
{
    const std::size_t size = codes.size();
    codes.resize(size + 8, 0);
    LzwDecoder lzw;
    EXPECT_TRUE(lzw.Start(m, codes.data(), size));
    std::vector<std::uint8_t> buffer(LzwDecoder::Prefix(m) + room + LzwDecoder::Slack, 0xEE);
    std::uint8_t* const out = buffer.data() + LzwDecoder::Prefix(m);
    std::uint8_t* op = out;
    const LzwStatus status = lzw.NextPixels(out, op, out + std::min(stopAt, room), out + room);
    return {std::vector<std::uint8_t>(out, op), status};
}

Bytes Pack(std::initializer_list<std::pair<unsigned, unsigned>> codes)
{
    BitPacker p;
    for (auto [c, bits] : codes)
        p.Put(c, bits);
    return p.Finish();
}

TEST(Lzw, SelfReferencingCodesRepeatTheirFirstPixel)
{
    // m = 2: "1", then 6 = "1 1", 7 = "1 1 1", and (codes now 4 bits) 8 = "1 1 1 1".
    const Bytes codes = Pack({{4, 3}, {1, 3}, {6, 3}, {7, 3}, {8, 4}, {5, 4}});
    Decoded r = Decode(2, codes, 100);
    EXPECT_EQ(r.status, LzwStatus::EndCode);
    EXPECT_EQ(r.pixels, std::vector<std::uint8_t>(10, 1));

    // Long strings go through the word-at-a-time copy: a run of 3000 equal pixels
    // as 1, 2, 3, ... 76 pixels per code (76 x 77 / 2 = 2926 pixels).
    BitPacker p;
    unsigned size = 9, next = 258;
    p.Put(256, size);
    p.Put(7, size);
    unsigned total = 1;
    for (unsigned len = 2; total + len <= 3000; ++len) {
        p.Put(next, size); // always the entry about to be made: one pixel longer
        total += len;
        if (++next >= (1u << size))
            ++size;
    }
    p.Put(257, size);
    Decoded run = Decode(8, p.Finish(), 3000);
    EXPECT_EQ(run.status, LzwStatus::EndCode);
    EXPECT_EQ(run.pixels, std::vector<std::uint8_t>(total, 7));
}

TEST(Lzw, StringsCopiedFromEarlierOutput)
{
    // Literals 0 1 2 make entries 6 = "0 1" and 7 = "1 2"; then 6, 7 and 9 reuse them.
    const Bytes codes = Pack({{4, 3}, {0, 3}, {1, 3}, {2, 3}, {6, 4}, {7, 4}, {9, 4}, {5, 4}});
    Decoded r = Decode(2, codes, 100);
    EXPECT_EQ(r.status, LzwStatus::EndCode);
    // 8 = "2 0", 9 = "0 1" + first pixel of "1 2" = "0 1 1".
    EXPECT_EQ(r.pixels, (std::vector<std::uint8_t>{0, 1, 2, 0, 1, 1, 2, 0, 1, 1}));
}

TEST(Lzw, AFullTableKeepsTwelveBitCodesUntilAClear)
{
    std::vector<unsigned> px = Ramp(9000, 251);
    Bytes codes = EncodeLiterals(8, px, {.clearWhenFull = false});
    Decoded r = Decode(8, codes, px.size());
    EXPECT_EQ(r.status, LzwStatus::Filled);
    EXPECT_EQ(std::vector<unsigned>(r.pixels.begin(), r.pixels.end()), px);

    Bytes withClears = EncodeLiterals(8, px);
    Decoded c = Decode(8, withClears, px.size() + 1);
    EXPECT_EQ(c.status, LzwStatus::EndCode);
    EXPECT_EQ(c.pixels.size(), px.size());
}

TEST(Lzw, OutputEndsInsideAString)
{
    const Bytes codes = Pack({{4, 3}, {1, 3}, {6, 3}, {7, 3}, {8, 4}, {5, 4}});
    Decoded r = Decode(2, codes, 8);
    EXPECT_EQ(r.status, LzwStatus::Filled);
    EXPECT_EQ(r.pixels, std::vector<std::uint8_t>(8, 1));
    // A soft stop returns after the code that reaches it, whole.
    Decoded s = Decode(2, codes, 100, 2);
    EXPECT_EQ(s.status, LzwStatus::Running);
    EXPECT_EQ(s.pixels.size(), 3u);
}

TEST(Lzw, DataEndingInsideACode)
{
    // Cut after one byte: a clear and a literal fit, the next 3-bit code does not.
    Bytes codes = Pack({{4, 3}, {2, 3}, {3, 3}});
    codes.resize(1);
    Decoded r = Decode(2, codes, 10);
    EXPECT_EQ(r.status, LzwStatus::DataEnded);
    EXPECT_EQ(r.pixels, std::vector<std::uint8_t>{2});

    LzwDecoder lzw;
    std::uint8_t padded[9] = {0xAC, 0, 0, 0, 0, 0, 0, 0, 0}; // 100 | 101 | 10...
    ASSERT_TRUE(lzw.Start(2, padded, 1));
    EXPECT_EQ(lzw.ReadCode(), 4);
    EXPECT_EQ(lzw.ReadCode(), 5);
    EXPECT_EQ(lzw.ReadCode(), -1);
}

TEST(Lzw, MinimumCodeSizesTheTableCannotHoldAreRefused)
{
    std::uint8_t data[8] = {};
    LzwDecoder lzw;
    EXPECT_TRUE(lzw.Start(0, data, 0));
    EXPECT_TRUE(lzw.Start(11, data, 0));
    EXPECT_FALSE(lzw.Start(12, data, 0));
    EXPECT_FALSE(lzw.Start(-1, data, 0));
}

} // namespace
