#include "gif/Lzw.h"

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

}  // namespace

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

template <class Pixel>
LzwStatus LzwDecoder::NextPixels(Pixel* const out, Pixel*& opRef, Pixel* const stop, Pixel* const end)
{
    if (done_)
        return LzwStatus::DataEnded;

    // The state lives in locals so the loop keeps it in registers.
    Pixel* op = opRef;
    std::uint64_t pos = bitPos_;
    const std::uint64_t totalBits = totalBits_;
    const std::uint8_t* const data = data_;
    const unsigned clear = clear_;
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
            offset_[next] = prevOffset;
            length_[next] = std::uint16_t(prevLength + 1);
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

        if (code < clear) {
            addEntry();
            prevOffset = std::uint32_t(op - out);
            prevLength = 1;
            *op++ = Pixel(code);
            continue;
        }
        if (code >= clear + 2) {
            if (code > next || (code == next && (prevLength == 0 || next >= TableSize))) {
                status = LzwStatus::Corrupt;
                break;
            }
            addEntry();  // when code == next, this defines it (the string's own first pixel repeats)
            const std::uint32_t length = length_[code];
            const Pixel* src = out + offset_[code];
            prevOffset = std::uint32_t(op - out);
            prevLength = length;
            if (length > std::size_t(end - op)) {
                // The frame ends inside this string: keep what fits.
                for (Pixel* const stopAt = end; op < stopAt;)
                    *op++ = *src++;
                status = LzwStatus::Filled;
                break;
            }
            if constexpr (sizeof(Pixel) == 1) {
                if (op - src >= 8) {
                    // Whole 8-byte words; may write up to 7 bytes past the string,
                    // into output that later codes overwrite (or the slack).
                    for (std::uint32_t i = 0; i < length; i += 8)
                        std::memcpy(op + i, src + i, 8);
                    op += length;
                    continue;
                }
            }
            // Overlapping (a code defined by itself) or wide pixels: one at a time,
            // forward, so the repeated first pixel is read after it was written.
            for (std::uint32_t i = 0; i < length; ++i)
                op[i] = src[i];
            op += length;
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
        status = LzwStatus::EndCode;
        break;
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
template LzwStatus LzwDecoder::NextPixels<std::uint16_t>(std::uint16_t*, std::uint16_t*&, std::uint16_t*, std::uint16_t*);

}  // namespace gif
