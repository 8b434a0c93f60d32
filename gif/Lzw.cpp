#include "gif/Lzw.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace gif {

namespace {

inline std::uint64_t LoadLE64(const std::uint8_t* p)
{
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap64(v);
    return v;
}

} // namespace

bool LzwDecoder::Start(int minCodeSize, const std::uint8_t* data, std::size_t size)
{
    if (minCodeSize < 0 || minCodeSize > MaxMinCodeSize)
        return false;
    data_ = data;
    bitPos_ = 0;
    totalBits_ = std::uint64_t(size) * 8;
    minCodeSize_ = minCodeSize;
    clear_ = 1u << minCodeSize;
    done_ = false;
    primed_ = false;
    for (unsigned i = 0; i < clear_; ++i)
        table_[i] = {std::int32_t(i) - std::int32_t(clear_), 1};
    Clear();
    return true;
}

void LzwDecoder::Clear()
{
    codeSize_ = unsigned(minCodeSize_) + 1;
    capacity_ = 2 * clear_;
    next_ = clear_ + 2;
    prevLength_ = 0;
}

int LzwDecoder::ReadCode()
{
    if (bitPos_ + codeSize_ > totalBits_)
        return -1;
    const auto word = LoadLE64(data_ + (bitPos_ >> 3)) >> (bitPos_ & 7);
    bitPos_ += codeSize_;
    return int(word & ((1u << codeSize_) - 1));
}

// Pinned to a cache line: the loop's speed moved by some 6 % with where the
// linker happened to place it.
template <class Pixel>
__attribute__((aligned(64))) LzwStatus LzwDecoder::NextPixels(Pixel* const out, Pixel*& opRef, Pixel* const stop,
                                                              Pixel* const end)
{
    if (done_)
        return LzwStatus::DataEnded;
    const unsigned clear = clear_;
    if (!primed_) {
        for (unsigned i = 0; i < clear; ++i)
            out[std::ptrdiff_t(i) - std::ptrdiff_t(clear)] = Pixel(i);
        primed_ = true;
    }

    // The state lives in locals so the loop keeps it in registers.
    Pixel* op = opRef;
    std::uint64_t pos = bitPos_;
    const std::uint64_t totalBits = totalBits_;
    const std::uint8_t* const data = data_;
    Entry* const table = table_;
    unsigned codeSize = codeSize_;
    unsigned codeMask = (1u << codeSize) - 1;
    unsigned capacity = capacity_;
    unsigned next = next_;
    std::uint32_t prevOffset = prevOffset_;
    std::uint32_t prevLength = prevLength_;
    LzwStatus status = LzwStatus::Running;

    // A new entry: the previous string plus the first pixel of the current one,
    // which is where the previous string was written, one longer.
    auto addEntry = [&] {
        if (prevLength != 0 && next < TableSize) {
            table[next] = {std::int32_t(prevOffset), prevLength + 1};
            ++next;
            if (next >= capacity && capacity < TableSize) {
                capacity *= 2;
                ++codeSize;
                codeMask = (1u << codeSize) - 1;
            }
        }
    };

    while (op < stop) {
        if (pos + codeSize > totalBits) {
            status = LzwStatus::DataEnded;
            break;
        }
        const unsigned code = unsigned(LoadLE64(data + (pos >> 3)) >> (pos & 7)) & codeMask;
        pos += codeSize;

        if (code < next && code - clear >= 2u) [[likely]] {
            // A literal or an entry made earlier: its string lies wholly before op.
            addEntry();
            const Entry e = table[code];
            const Pixel* src = out + e.offset;
            prevOffset = std::uint32_t(op - out);
            prevLength = e.length;
            if (e.length > std::size_t(end - op)) {
                // The frame ends inside this string: keep what fits.
                while (op < end)
                    *op++ = *src++;
                status = LzwStatus::Filled;
                break;
            }
            if constexpr (sizeof(Pixel) == 1) {
                // Whole 8-byte words, each loaded before it is stored; bytes past
                // the string land in output that later codes overwrite (or the slack).
                std::uint32_t i = 0;
                do {
                    std::uint64_t word;
                    std::memcpy(&word, src + i, 8);
                    std::memcpy(op + i, &word, 8);
                    i += 8;
                } while (i < e.length);
            } else {
                for (std::uint32_t i = 0; i < e.length; ++i)
                    op[i] = src[i];
            }
            op += e.length;
            continue;
        }
        if (code == clear) {
            codeSize = unsigned(minCodeSize_) + 1;
            codeMask = (1u << codeSize) - 1;
            capacity = 2 * clear;
            next = clear + 2;
            prevLength = 0;
            continue;
        }
        if (code == clear + 1) {
            status = LzwStatus::EndCode;
            break;
        }
        if (code != next || prevLength == 0 || next >= TableSize) {
            status = LzwStatus::Corrupt;
            break;
        }
        // The code being defined right now: the previous string and its own first
        // pixel. Copied one pixel at a time, forward, so that first pixel is read
        // after it was written.
        addEntry();
        const Entry e = table[code];
        const Pixel* src = out + e.offset;
        prevOffset = std::uint32_t(op - out);
        prevLength = e.length;
        const std::uint32_t n = std::uint32_t(std::min<std::size_t>(e.length, std::size_t(end - op)));
        for (std::uint32_t i = 0; i < n; ++i)
            op[i] = src[i];
        op += n;
        if (n < e.length) {
            status = LzwStatus::Filled;
            break;
        }
    }
    if (status == LzwStatus::Running && op >= end)
        status = LzwStatus::Filled;
    if (status != LzwStatus::Running)
        done_ = true;

    opRef = op;
    bitPos_ = pos;
    codeSize_ = codeSize;
    capacity_ = capacity;
    next_ = next;
    prevOffset_ = prevOffset;
    prevLength_ = prevLength;
    return status;
}

template LzwStatus LzwDecoder::NextPixels<std::uint8_t>(std::uint8_t*, std::uint8_t*&, std::uint8_t*, std::uint8_t*);
template LzwStatus LzwDecoder::NextPixels<std::uint16_t>(std::uint16_t*, std::uint16_t*&, std::uint16_t*,
                                                         std::uint16_t*);

} // namespace gif
