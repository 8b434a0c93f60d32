// Builds small GIF byte sequences by hand for the decoder's tests: blocks in any
// order, raw bytes anywhere, and pixel data from a literal-only LZW encoder that
// follows the decoder's code-size rules.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace giftest {

using Bytes = std::vector<std::uint8_t>;

// Packs codes least-significant bit first.
class BitPacker {
public:
    void Put(unsigned code, unsigned bits)
    {
        acc_ |= std::uint64_t(code) << n_;
        n_ += bits;
        while (n_ >= 8) {
            out.push_back(std::uint8_t(acc_));
            acc_ >>= 8;
            n_ -= 8;
        }
    }
    Bytes Finish()
    {
        if (n_ > 0)
            out.push_back(std::uint8_t(acc_));
        acc_ = 0;
        n_ = 0;
        return out;
    }
    Bytes out;

private:
    std::uint64_t acc_ = 0;
    unsigned n_ = 0;
};

struct EncodeOptions {
    bool clearWhenFull = true; // emit a clear code before the table fills
    bool endCode = true;       // finish with the end-of-information code
};

// Every pixel as a literal code: clear first, then literals, growing the code
// size exactly as a decoder's table grows (one entry per code after the first).
inline Bytes EncodeLiterals(int minCodeSize, const std::vector<unsigned>& pixels, EncodeOptions o = {})
{
    const unsigned clear = 1u << minCodeSize;
    unsigned size = minCodeSize + 1, next = clear + 2, cap = 2 * clear;
    bool first = true;
    BitPacker p;
    p.Put(clear, size);
    for (unsigned px : pixels) {
        if (o.clearWhenFull && next >= 4094) {
            p.Put(clear, size);
            size = minCodeSize + 1;
            next = clear + 2;
            cap = 2 * clear;
            first = true;
        }
        p.Put(px, size);
        // The decoder adds an entry for every code after the first; a full
        // capacity widens the codes that follow.
        if (!first && next < 4096) {
            ++next;
            if (next >= cap && cap < 4096) {
                cap *= 2;
                ++size;
            }
        }
        first = false;
    }
    if (o.endCode)
        p.Put(clear + 1, size);
    return p.Finish();
}

// `count` pixels of one value, compactly: after the first, each code is the one
// the table is about to define (one pixel longer than the last), and once the
// table is full the longest string over and over. The decoder cuts the surplus.
inline Bytes EncodeRun(int minCodeSize, unsigned value, std::size_t count)
{
    const unsigned clear = 1u << minCodeSize;
    unsigned size = minCodeSize + 1, next = clear + 2, cap = 2 * clear;
    BitPacker p;
    p.Put(clear, size);
    p.Put(value, size);
    std::size_t done = 1, length = 1;
    while (done < count) {
        if (next < 4096) {
            p.Put(next, size);
            done += ++length;
            if (++next >= cap && cap < 4096) {
                cap *= 2;
                ++size;
            }
        } else {
            p.Put(4095, size);
            done += length;
        }
    }
    p.Put(clear + 1, size);
    return p.Finish();
}

// Splits bytes into sub-blocks of at most `chunk` bytes, with the terminator.
inline Bytes SubBlocks(const Bytes& data, std::size_t chunk = 255, bool terminator = true)
{
    Bytes out;
    for (std::size_t i = 0; i < data.size(); i += chunk) {
        const std::size_t n = std::min(chunk, data.size() - i);
        out.push_back(std::uint8_t(n));
        out.insert(out.end(), data.begin() + i, data.begin() + i + n);
    }
    if (terminator)
        out.push_back(0);
    return out;
}

struct Image {
    int left = 0, top = 0, width = 1, height = 1;
    std::vector<unsigned> pixels; // picture order, width x height (may be shorter or longer)
    int minCodeSize = 2;
    int localBits = 0; // 1..8 for a local table of grey entries
    bool interlaced = false;
    EncodeOptions encode;
    std::size_t chunk = 255;
    bool run = false; // all pixels one value: EncodeRun instead of literals
};

class GifBuilder {
public:
    GifBuilder& Header(const char* version = "89a")
    {
        Raw({'G', 'I', 'F'});
        for (int i = 0; i < 3; ++i)
            bytes.push_back(std::uint8_t(version[i]));
        return *this;
    }
    // globalBits 1..8 adds a global table whose entry i is (i, 2i, 3i) mod 256.
    GifBuilder& Screen(int w, int h, int globalBits = 0)
    {
        Put16(w);
        Put16(h);
        bytes.push_back(std::uint8_t(globalBits ? 0x80 | (globalBits - 1) : 0));
        bytes.push_back(0);
        bytes.push_back(0);
        if (globalBits)
            Table(globalBits, 1);
        return *this;
    }
    GifBuilder& Control(int disposal, int delay, bool transparent, int index)
    {
        Raw({0x21, 0xF9, 4, std::uint8_t((disposal << 2) | (transparent ? 1 : 0))});
        Put16(delay);
        Raw({std::uint8_t(index), 0});
        return *this;
    }
    GifBuilder& Comment(const std::string& text)
    {
        Raw({0x21, 0xFE});
        Bytes b(text.begin(), text.end());
        Append(SubBlocks(b));
        return *this;
    }
    GifBuilder& Loop(int count)
    {
        Raw({0x21, 0xFF, 11});
        for (char c : std::string("NETSCAPE2.0"))
            bytes.push_back(std::uint8_t(c));
        Raw({3, 1});
        Put16(count);
        bytes.push_back(0);
        return *this;
    }
    GifBuilder& Frame(const Image& im)
    {
        bytes.push_back(0x2C);
        Put16(im.left);
        Put16(im.top);
        Put16(im.width);
        Put16(im.height);
        bytes.push_back(std::uint8_t((im.localBits ? 0x80 | (im.localBits - 1) : 0) | (im.interlaced ? 0x40 : 0)));
        if (im.localBits)
            Table(im.localBits, 5);
        bytes.push_back(std::uint8_t(im.minCodeSize));
        std::vector<unsigned> stored = im.pixels;
        if (im.interlaced && im.pixels.size() == std::size_t(im.width * im.height)) {
            stored.clear();
            static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < im.height; y += step[pass])
                    for (int x = 0; x < im.width; ++x)
                        stored.push_back(im.pixels[std::size_t(y * im.width + x)]);
        }
        Append(SubBlocks(im.run ? EncodeRun(im.minCodeSize, stored.at(0), stored.size())
                                : EncodeLiterals(im.minCodeSize, stored, im.encode),
                         im.chunk));
        return *this;
    }
    GifBuilder& Trailer() { return Raw({0x3B}); }
    GifBuilder& Raw(std::initializer_list<std::uint8_t> b)
    {
        bytes.insert(bytes.end(), b);
        return *this;
    }
    GifBuilder& Append(const Bytes& b)
    {
        bytes.insert(bytes.end(), b.begin(), b.end());
        return *this;
    }
    void Put16(int v)
    {
        bytes.push_back(std::uint8_t(v & 0xFF));
        bytes.push_back(std::uint8_t((v >> 8) & 0xFF));
    }
    // Entry i of a table made with factor k: (k*i, 2*k*i, 3*k*i) mod 256.
    void Table(int bits, int k)
    {
        for (int i = 0; i < (1 << bits); ++i) {
            bytes.push_back(std::uint8_t(k * i));
            bytes.push_back(std::uint8_t(2 * k * i));
            bytes.push_back(std::uint8_t(3 * k * i));
        }
    }

    Bytes bytes;
};

inline std::vector<unsigned> Ramp(std::size_t n, unsigned modulo)
{
    std::vector<unsigned> v(n);
    for (std::size_t i = 0; i < n; ++i)
        v[i] = unsigned(i % modulo);
    return v;
}

} // namespace giftest
