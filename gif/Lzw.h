// LZW decompression of one GIF frame's pixel data, on its own so it can be
// tested and measured apart from the block parsing.
//
// Speed: the whole code stream of a frame is first gathered into one buffer
// (the caller strips the sub-block lengths), so a code is one unaligned 64-bit
// load, a shift and a mask. The table keeps, per entry, where its string
// appeared in the output and its length; emitting a code is then a forward copy
// from earlier output straight into place: no per-pixel stack, no prefix walk.
// Literal codes are entries too: their one-pixel strings sit in a small prefix
// in front of the output, so every ordinary code takes the same path.
//
// Rules for damaged data (the file cannot make the decoder read or write out of
// bounds, and nothing ever loops):
//  - codes are read least-significant bit first; a code whose bits run past the
//    end of the data ends the data (DataEnded);
//  - a clear code resets the table; the code that follows it must be a literal
//    (another clear is just a clear, the end code ends the data);
//  - a code the table does not hold yet (above the next free entry, or the next
//    free entry with no previous code) stops decoding (Corrupt): the pixels
//    decoded so far stand, the rest of the frame keeps index 0;
//  - when the table is full (4096 entries) nothing is added until a clear code.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gif {

enum class LzwStatus {
    Running,   // the output reached the soft stop; call NextPixels again
    Filled,    // the output reached its end: the frame is complete
    DataEnded, // the code stream ran out
    EndCode,   // the end-of-information code
    Corrupt,   // a code the table does not hold
};

class LzwDecoder {
public:
    static constexpr int TableSize = 4096;
    static constexpr int MaxMinCodeSize = 11; // above this, clear codes fall outside the table
    static constexpr int Slack = 8;           // output elements NextPixels may scribble past `end`

    // Elements the output needs in front of its first pixel (the literal strings).
    static constexpr std::size_t Prefix(int minCodeSize) { return std::size_t(1) << minCodeSize; }

    // Starts a frame. `data` holds `size` bytes of code stream and must stay
    // readable for 8 bytes past its end (zero padding). False when the minimum
    // code size is above MaxMinCodeSize: such data cannot be decoded soundly.
    bool Start(int minCodeSize, const std::uint8_t* data, std::size_t size);

    // The next code of the stream, or -1 when its bits run past the end of data.
    // For tests and tools; NextPixels reads codes on its own.
    int ReadCode();

    // Decodes codes, writing pixel values (literal codes and table strings)
    // at `op` onwards, into the output that starts at `out`; the Prefix()
    // elements before `out` belong to the decoder too. Stops once
    // op >= stop (Running), or when op reaches `end` (Filled; a string crossing
    // `end` is cut there). The output must allow Slack elements after `end`; the
    // elements in [op, end + Slack) hold garbage after the call. Pixel is
    // std::uint8_t for minimum code sizes up to 8, std::uint16_t above.
    template <class Pixel>
    LzwStatus NextPixels(Pixel* out, Pixel*& op, Pixel* stop, Pixel* end);

    // Bits consumed so far (for progress reports).
    std::uint64_t BitPosition() const { return bitPos_; }
    int MinCodeSize() const { return minCodeSize_; }

private:
    void Clear();

    const std::uint8_t* data_ = nullptr;
    std::uint64_t bitPos_ = 0;
    std::uint64_t totalBits_ = 0;
    int minCodeSize_ = 0;
    unsigned clear_ = 0;
    unsigned codeSize_ = 0;
    unsigned capacity_ = 0;
    unsigned next_ = 0;
    std::uint32_t prevOffset_ = 0; // where the previous code's string starts in the output
    std::uint32_t prevLength_ = 0; // its length; 0 right after a clear
    bool done_ = false;
    bool primed_ = false; // the literal prefix is written
    struct Entry {
        std::int32_t offset; // from the first pixel; literals lie before it
        std::uint32_t length;
    };
    Entry table_[TableSize];
};

} // namespace gif
