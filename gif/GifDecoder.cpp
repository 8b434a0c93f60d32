#include "gif/GifDecoder.h"

#include "gif/Lzw.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <numeric>

namespace gif {

void GifPicture::Clear()
{
    Frames.clear();
    Version = gvGIF87a;
    if (!GlobalColorTable)
        GlobalColorTable = std::make_unique<gif::ColorTable>();
    GlobalColorTable->fill(RGB{});
    ColorDepth = 0;
    LoopCount = 1;
    HasTransparency = false;
    ScreenWidth = ScreenHeight = 0;
    ImageWidth = ImageHeight = 0;
    BudgetBytes = 0;
}

void ExpandToRGBA(const TGIFFrame& frame, std::uint8_t* rgba)
{
    // Palette as 32-bit words once, then one look-up per pixel; the mask clears
    // transparent pixels without a branch per pixel.
    std::uint32_t lut[256];
    for (int i = 0; i < 256; ++i) {
        const RGB c = frame.Color(std::uint8_t(i));
        const std::uint8_t px[4] = {c.R, c.G, c.B, 255};
        std::memcpy(&lut[i], px, 4);
    }
    const std::size_t w = std::size_t(frame.Width);
    const std::size_t stride = std::size_t(frame.MaskStride());
    for (std::size_t y = 0; y < std::size_t(frame.Height); ++y) {
        const std::uint8_t* src = frame.Pixels.data() + y * w;
        std::uint8_t* dst = rgba + y * w * 4;
        if (!frame.Transparent) {
            for (std::size_t x = 0; x < w; ++x)
                std::memcpy(dst + x * 4, &lut[src[x]], 4);
            continue;
        }
        const std::uint8_t* m = frame.Mask.data() + y * stride;
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t transparent = (m[x >> 3] >> (7 - (x & 7))) & 1u;
            const std::uint32_t v = lut[src[x]] & (transparent - 1u);
            std::memcpy(dst + x * 4, &v, 4);
        }
    }
}

const char* Describe(ReadStatus status)
{
    switch (status) {
    case ReadStatus::Ok: return "decoded";
    case ReadStatus::NoData: return "no data";
    case ReadStatus::NotAGif: return "not a GIF (no \"GIF\" signature)";
    case ReadStatus::Truncated: return "cut short (stream read error)";
    case ReadStatus::EmptyFrame: return "empty frame (width or height 0)";
    case ReadStatus::CodeSizeOutOfRange: return "LZW minimum code size out of range";
    case ReadStatus::OverLimits: return "over the size limits";
    case ReadStatus::Aborted: return "aborted by progress";
    }
    return "unknown";
}

std::string Describe(const ReadResult& result)
{
    std::string out;
    if (result.Status != ReadStatus::Ok && result.Status != ReadStatus::NoData) {
        if (result.Frame > 0)
            out = "frame " + std::to_string(result.Frame) + " ";
        out += "at byte " + std::to_string(result.Offset) + ": ";
    }
    return out + Describe(result.Status);
}

namespace {

using namespace format;

// Fields of the packed bytes.
constexpr std::uint8_t ColorTableFlag = 0x80;         // screen and image descriptors
constexpr std::uint8_t InterlaceFlag = 0x40;          // image descriptor
constexpr std::uint8_t TableBitsMask = 0x07;          // table size: 2^(bits + 1) entries
constexpr std::uint8_t TransparencyFlag = 0x01;       // graphic control
constexpr int DisposalShift = 2, DisposalMask = 0x07; // graphic control

// OnProgress asked to stop: unwinds to ReadGIF, which answers Aborted.
struct StopRequested {
    std::size_t position;
};

std::uint16_t LE16(const std::uint8_t* p)
{
    return std::uint16_t(p[0] | (p[1] << 8));
}

// Byte k of the result is p[k].
std::uint64_t LoadLE64(const std::uint8_t* p)
{
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap64(v);
    return v;
}

// The input with a read position. Exact reads fail (false, nothing read) when
// too few bytes remain; plain reads take what is there (a length byte read at
// the end of the data is 0).
class ByteStream {
public:
    explicit ByteStream(std::span<const std::uint8_t> data) : data_(data) {}

    std::size_t Position() const { return pos_; }
    std::size_t Size() const { return data_.size(); }
    bool AtEnd() const { return pos_ >= data_.size(); }
    void Seek(std::size_t pos) { pos_ = std::min(pos, data_.size()); }
    void SeekEnd() { pos_ = data_.size(); }

    [[nodiscard]] bool ReadExact(void* dst, std::size_t n)
    {
        if (data_.size() - pos_ < n)
            return false;
        std::memcpy(dst, data_.data() + pos_, n);
        pos_ += n;
        return true;
    }
    std::size_t Read(void* dst, std::size_t n)
    {
        n = std::min(n, data_.size() - pos_);
        if (n != 0)
            std::memcpy(dst, data_.data() + pos_, n);
        pos_ += n;
        return n;
    }
    std::uint8_t ReadByte() { return pos_ < data_.size() ? data_[pos_++] : 0; }
    std::uint8_t ByteAt(std::size_t pos) const { return pos < data_.size() ? data_[pos] : 0; }
    void Skip(std::size_t n) { pos_ += std::min(n, data_.size() - pos_); }
    // Hands out up to n bytes in place.
    std::span<const std::uint8_t> Take(std::size_t n)
    {
        n = std::min(n, data_.size() - pos_);
        auto s = data_.subspan(pos_, n);
        pos_ += n;
        return s;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

// One length-prefixed sub-block appended to `buffer`. False for the zero-length
// terminator (or the end of the data, which reads as one).
bool ReadSubBlock(ByteStream& s, std::vector<std::uint8_t>& buffer)
{
    const std::uint8_t n = s.ReadByte();
    if (n == 0)
        return false;
    const auto bytes = s.Take(n);
    buffer.insert(buffer.end(), bytes.begin(), bytes.end());
    return true;
}

void SkipSubBlocks(ByteStream& s)
{
    while (const std::uint8_t n = s.ReadByte())
        s.Skip(n);
}

// Bytes of the sub-blocks starting at `pos`, without their lengths, up to the
// terminator or the end of the data.
std::size_t SubBlocksSize(const ByteStream& s, std::size_t pos)
{
    std::size_t total = 0;
    while (pos < s.Size()) {
        const std::size_t n = std::min<std::size_t>(s.ByteAt(pos), s.Size() - pos - 1);
        if (s.ByteAt(pos) == 0)
            break;
        total += n;
        pos += 1 + n;
    }
    return total;
}

// Room for exactly n elements. A vector left to grow by itself may hold up to
// twice what it needs, and old and new buffers meet while it moves; the budget
// counts what is needed, so the old buffer goes first.
template <class T>
void ReserveExactly(std::vector<T>& v, std::size_t n)
{
    if (v.capacity() >= n)
        return;
    std::vector<T>().swap(v);
    v.reserve(n);
}

// Bytes the budget counts (see Limits).
constexpr std::uint64_t kFrameRecordBytes = 1024; // the frame record and a local colour table
std::uint64_t MaskBytes(std::uint64_t w, std::uint64_t h)
{
    return (w + 7) / 8 * h;
}
// The GIF bytes: the copy the control keeps, a frame's gathered code stream,
// comment text (with its buffer's growth).
std::uint64_t InputBytes(std::uint64_t size)
{
    return 4 * size;
}

// The 6 bytes of a graphic control extension after its label, as the file
// holds them: size (ignored), packed, delay (2), transparent index, terminator.
using ControlBlock = std::array<std::uint8_t, 6>;

// Picture row of each stored row: straight, or the four interlace passes.
void RowOrder(int height, bool interlaced, std::vector<std::int32_t>& rows)
{
    rows.resize(std::size_t(height));
    if (!interlaced) {
        std::iota(rows.begin(), rows.end(), 0);
        return;
    }
    static constexpr int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    std::int32_t* r = rows.data();
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass])
            *r++ = y;
}

class Reader {
public:
    Reader(GifDecoder& d, std::span<const std::uint8_t> raw) : d_(d), pic_(d.Picture), s_(raw) {}

    ReadResult ReadGIF();

private:
    void DoProgress() { DoProgressAt(s_.Position()); }
    void DoProgressAt(std::size_t pos)
    {
        if (d_.OnProgress && !d_.OnProgress(pos, s_.Size()))
            throw StopRequested{pos};
    }
    ReadResult Fail(ReadStatus status, std::size_t offset) const { return {status, offset, pic_.FrameCount()}; }
    void ReadApplicationExtension();
    ReadStatus ReadFrame(TGIFFrame& f);
    bool FitsLimits(const TGIFFrame& f);
    std::size_t StreamPositionAfter(std::size_t codeBytes);
    ReadStatus DecodeImage(TGIFFrame& f);
    template <class Pixel>
    void Decode(TGIFFrame& f, std::vector<Pixel>& buffer);
    template <class Pixel>
    void BuildMask(TGIFFrame& f, const Pixel* values, std::size_t decoded);

    GifDecoder& d_;
    GifPicture& pic_;
    ByteStream s_;
    std::string pendingComment_;
    ControlBlock pendingControl_{};

    // The memory budget (see Limits): what the frames read so far keep, their
    // saved areas, the largest scratch buffers so far, frame 1's cached bitmap.
    std::uint64_t framesBytes_ = 0, savedBytes_ = 0;
    std::uint64_t scratch8Max_ = 0, scratch16Max_ = 0, tallest_ = 0; // elements, elements, rows
    std::uint64_t bitmapBytes_ = 0;

    // Reused from frame to frame: no allocation per row, little per frame.
    LzwDecoder lzw_;
    std::vector<std::uint8_t> codes_; // the frame's sub-blocks without their lengths
    // Progress inside a frame walks the frame's sub-block lengths in the input
    // (no table of them: a file of 1-byte sub-blocks would make it 8 times the
    // input): where the frame's data starts, and the sub-block reached so far.
    std::size_t dataStart_ = 0;
    std::size_t walkCodeBytes_ = 0, walkPosition_ = 0;
    bool walked_ = false;
    std::vector<std::int32_t> rows_;
    std::vector<std::uint8_t> scratch8_;
    std::vector<std::uint16_t> scratch16_;
};

ReadResult Reader::ReadGIF()
{
    if (s_.Size() == 0)
        return Fail(ReadStatus::NoData, 0);
    if (s_.Size() > d_.Limits.MaxInputBytes())
        return Fail(ReadStatus::OverLimits, 0);

    std::uint8_t header[HeaderSize];
    if (!s_.ReadExact(header, sizeof header))
        return Fail(ReadStatus::Truncated, 0);
    if (std::memcmp(header, Signature, sizeof Signature) != 0)
        return Fail(ReadStatus::NotAGif, 0);
    pic_.Version = header[4] == '9' ? gvGIF89a : gvGIF87a;

    std::uint8_t screen[ScreenDescriptorSize];
    if (!s_.ReadExact(screen, sizeof screen))
        return Fail(ReadStatus::Truncated, s_.Position());
    pic_.ScreenWidth = pic_.ImageWidth = LE16(screen);
    pic_.ScreenHeight = pic_.ImageHeight = LE16(screen + 2);
    // The composed picture is at least the screen: refuse a bomb before any work.
    const std::uint64_t screenPixels = std::uint64_t(pic_.ImageWidth) * std::uint64_t(pic_.ImageHeight);
    if (screenPixels > d_.Limits.MaxPicturePixels ||
        InputBytes(s_.Size()) + ComposedBytes(pic_.ImageWidth, pic_.ImageHeight) > d_.Limits.MaxTotalBytes)
        return Fail(ReadStatus::OverLimits, s_.Position() - sizeof screen);
    if (screen[4] & ColorTableFlag) {
        pic_.ColorDepth = (screen[4] & TableBitsMask) + 1;
        if (!s_.ReadExact(pic_.GlobalColorTable->data(), 3u << pic_.ColorDepth))
            return Fail(ReadStatus::Truncated, s_.Position());
    }

    while (!s_.AtEnd()) {
        DoProgress();
        std::uint8_t block[2] = {0, 0};
        const std::size_t got = s_.Read(block, 2);
        if (block[0] == ExtensionIntroducer) {
            switch (block[1]) {
            case GraphicControlLabel: s_.Read(pendingControl_.data(), pendingControl_.size()); break;
            case CommentLabel: {
                std::vector<std::uint8_t> text;
                while (ReadSubBlock(s_, text)) {
                }
                pendingComment_.append(text.begin(), text.end());
                break;
            }
            case ApplicationLabel: ReadApplicationExtension(); break;
            case PlainTextLabel: // nothing is drawn
            default: SkipSubBlocks(s_); break;
            }
        } else if (block[0] == ImageSeparator) {
            s_.Seek(s_.Position() - got);
            if (pic_.FrameCount() == GifPicture::MaxFrames)
                break;
            const std::size_t start = s_.Position();
            pic_.Frames.push_back(std::make_unique<TGIFFrame>());
            TGIFFrame& f = *pic_.Frames.back();
            const ReadStatus status = ReadFrame(f);
            if (status == ReadStatus::Truncated)
                return Fail(status, start); // the stream error: no further progress report
            if (status != ReadStatus::Ok) {
                const ReadResult failed = Fail(status, start);
                s_.SeekEnd();
                DoProgress();
                return failed;
            }
            pic_.ColorDepth = std::max(pic_.ColorDepth, f.BitsPerPixel);
            pic_.HasTransparency = pic_.HasTransparency || f.Transparent;
            f.Comment = pendingComment_;
            if (d_.FirstImageOnly) {
                s_.SeekEnd();
                break;
            }
            pendingComment_.clear();
            pendingControl_.fill(0);
        } else if (block[0] == Trailer) {
            break;
        }
        // Anything else is a stray byte pair: consumed, and the loop goes on.
    }
    DoProgress();
    return {};
}

void Reader::ReadApplicationExtension()
{
    std::uint8_t id[255] = {};
    const std::uint8_t n = s_.ReadByte();
    const std::size_t idLength = s_.Read(id, n);
    std::uint8_t length = s_.ReadByte();
    if (idLength >= ApplicationIdSize && std::memcmp(id, LoopingApplicationId, ApplicationIdSize) == 0 && length != 0) {
        std::uint8_t sub[255];
        // The count sits at bytes 1..2; a shorter sub-block carries none.
        if (s_.Read(sub, length) >= 3)
            pic_.LoopCount = LE16(sub + 1);
        length = s_.ReadByte();
    }
    while (length != 0) {
        s_.Skip(length);
        length = s_.ReadByte();
    }
}

ReadStatus Reader::ReadFrame(TGIFFrame& f)
{
    std::uint8_t desc[ImageDescriptorSize];
    if (!s_.ReadExact(desc, sizeof desc))
        return ReadStatus::Truncated;
    f.Left = LE16(desc + 1);
    f.Top = LE16(desc + 3);
    f.Width = LE16(desc + 5);
    f.Height = LE16(desc + 7);
    // The caller found the separator; the descriptor can only be empty.
    if (f.Width == 0 || f.Height == 0)
        return ReadStatus::EmptyFrame;
    const std::uint8_t packed = desc[9];

    if (packed & ColorTableFlag) {
        f.HasLocalColorTable = true;
        f.BitsPerPixel = (packed & TableBitsMask) + 1;
        f.LocalColorTable = std::make_unique<gif::ColorTable>();
        s_.Read(f.LocalColorTable->data(), 3u << f.BitsPerPixel);
        f.Colors = f.LocalColorTable.get();
        f.PaletteCount = 1 << f.BitsPerPixel;
    } else {
        f.Colors = pic_.GlobalColorTable.get();
        f.PaletteCount = 1 << pic_.ColorDepth;
    }
    f.Interlaced = (packed & InterlaceFlag) != 0;

    const std::uint8_t control = pendingControl_[1];
    const int disposal = (control >> DisposalShift) & DisposalMask;
    f.Disposal = std::uint8_t(disposal == 0 || disposal == 1 || disposal == 3 ? disposal : 2);
    f.Delay = LE16(&pendingControl_[2]) * 10;
    f.Transparent = (control & TransparencyFlag) != 0 && pic_.Version == gvGIF89a;
    f.TransparentIndex = pendingControl_[4];

    if (!FitsLimits(f))
        return ReadStatus::OverLimits;
    if (const ReadStatus status = DecodeImage(f); status != ReadStatus::Ok)
        return status;
    if (f.Transparent)
        f.TransparentColor = f.ColorTable()[f.TransparentIndex];
    return ReadStatus::Ok;
}

// Everything the picture holds once this frame is in, against the budget (the
// list is at Limits), checked before the frame's buffers are allocated. The
// peak is the larger of two moments: while decoding (frames and the scratch)
// and once the scratch is gone (frames, the composed picture, the saved areas
// and the cached bitmap). The frame's minimum code size (the next byte)
// decides which scratch buffer its decoding uses.
bool Reader::FitsLimits(const TGIFFrame& f)
{
    const std::uint64_t w = std::uint64_t(f.Width), h = std::uint64_t(f.Height), pixels = w * h;
    const std::uint64_t imageW = std::max<std::uint64_t>(std::uint64_t(pic_.ImageWidth), std::uint64_t(f.Left) + w);
    const std::uint64_t imageH = std::max<std::uint64_t>(std::uint64_t(pic_.ImageHeight), std::uint64_t(f.Top) + h);
    if (imageW * imageH > d_.Limits.MaxPicturePixels)
        return false;

    const int m = std::min<int>(s_.ByteAt(s_.Position()), LzwDecoder::MaxMinCodeSize);
    const std::uint64_t staged = pixels + LzwDecoder::Prefix(m) + LzwDecoder::Slack;
    std::uint64_t scratch8 = scratch8Max_, scratch16 = scratch16Max_;
    std::uint64_t frame = kFrameRecordBytes + pendingComment_.size() + (f.Transparent ? MaskBytes(w, h) : 0);
    if (m > 8) {
        scratch16 = std::max(scratch16, staged);
        frame += pixels;
    } else if (f.Interlaced) {
        scratch8 = std::max(scratch8, staged);
        frame += pixels;
    } else {
        frame += staged; // decoded in place: the frame's buffer keeps the slack
    }
    // The saved rectangle, for disposal 3.
    const std::uint64_t saved = savedBytes_ + (f.Disposal == 3 ? ComposedBytes(w, h) : 0);
    // Frame 1's 8-bit bitmap as GetBitmap makes it: rows padded to 4 bytes, 256 colours.
    const std::uint64_t bitmap = pic_.FrameCount() == 1 ? (w + 3) / 4 * 4 * h + 256 * 4 : bitmapBytes_;
    const std::uint64_t tallest = std::max(tallest_, h);
    // The row table may grow to twice the rows it needs, and old and new meet
    // while it moves: 12 bytes per row at most.
    const std::uint64_t scratch = scratch8 + 2 * scratch16 + 12 * tallest;

    const std::uint64_t held = InputBytes(s_.Size()) + framesBytes_ + frame;
    const std::uint64_t total = held + std::max(scratch, saved + ComposedBytes(imageW, imageH) + bitmap);
    if (total > d_.Limits.MaxTotalBytes)
        return false;
    framesBytes_ += frame;
    savedBytes_ = saved;
    scratch8Max_ = scratch8;
    scratch16Max_ = scratch16;
    tallest_ = tallest;
    bitmapBytes_ = bitmap;
    pic_.BudgetBytes = total;
    pic_.ImageWidth = std::int32_t(imageW);
    pic_.ImageHeight = std::int32_t(imageH);
    return true;
}

ReadStatus Reader::DecodeImage(TGIFFrame& f)
{
    const int minCodeSize = s_.ReadByte();
    if (minCodeSize > LzwDecoder::MaxMinCodeSize)
        return ReadStatus::CodeSizeOutOfRange;

    // Gather the code stream; the stream then stands behind the frame's terminator,
    // wherever the end code was (surplus codes are never needed). Sized first, so
    // the buffer holds no more than the input's share (see Limits).
    dataStart_ = s_.Position();
    walked_ = false;
    ReserveExactly(codes_, SubBlocksSize(s_, dataStart_) + 8);
    codes_.clear();
    while (ReadSubBlock(s_, codes_)) {
    }
    const std::size_t codeBytes = codes_.size();
    codes_.resize(codeBytes + 8, 0);
    lzw_.Start(minCodeSize, codes_.data(), codeBytes);

    RowOrder(f.Height, f.Interlaced, rows_);
    // Rows in order decode straight into the frame; interlaced or wide ones go
    // through a scratch buffer.
    if (minCodeSize > 8)
        Decode(f, scratch16_);
    else if (f.Interlaced)
        Decode(f, scratch8_);
    else
        Decode(f, f.Pixels);
    return ReadStatus::Ok;
}

// The stream position behind the frame's first sub-block that brings the code
// bytes to `codeBytes`; behind the terminator when none does. Called with
// growing counts, so the frame's sub-blocks are walked once.
std::size_t Reader::StreamPositionAfter(std::size_t codeBytes)
{
    while (!walked_ || walkCodeBytes_ < codeBytes) {
        if (!walked_) {
            walkPosition_ = dataStart_;
            walkCodeBytes_ = 0;
        }
        const std::uint8_t n = s_.ByteAt(walkPosition_);
        if (walkPosition_ >= s_.Size() || n == 0)
            return s_.Position();
        const std::size_t taken = std::min<std::size_t>(n, s_.Size() - walkPosition_ - 1);
        walkCodeBytes_ += taken;
        walkPosition_ += 1 + taken;
        walked_ = true;
    }
    return walkPosition_;
}

template <class Pixel>
void Reader::Decode(TGIFFrame& f, std::vector<Pixel>& buffer)
{
    const std::size_t width = std::size_t(f.Width);
    const std::size_t pixels = width * std::size_t(f.Height);
    const std::size_t prefix = LzwDecoder::Prefix(lzw_.MinCodeSize());
    ReserveExactly(buffer, prefix + pixels + LzwDecoder::Slack);
    buffer.resize(prefix + pixels + LzwDecoder::Slack);
    Pixel* const out = buffer.data() + prefix;
    Pixel* const end = out + pixels;
    Pixel* op = out;

    // Progress inside large frames, every 64 rows (32 for rows wider than 320),
    // counted in picture rows.
    const bool reportRows = d_.OnProgress && pixels > 100000;
    const std::int32_t rowMask = f.Width <= 320 ? 63 : 31;
    std::size_t row = 0; // stored rows completed so far
    auto nextStop = [&]() -> Pixel* {
        if (!reportRows)
            return end;
        for (std::size_t r = row; r < rows_.size(); ++r)
            if ((rows_[r] & rowMask) == 0)
                return out + (r + 1) * width;
        return end;
    };

    for (;;) {
        const LzwStatus status = lzw_.NextPixels(out, op, nextStop(), end);
        if (reportRows) {
            const std::size_t done = std::size_t(op - out) / width;
            for (; row < done; ++row) {
                if ((rows_[row] & rowMask) == 0) {
                    // Where the stream would stand: behind the sub-block holding the code.
                    DoProgressAt(StreamPositionAfter(std::size_t((lzw_.BitPosition() + 7) / 8)));
                }
            }
        }
        if (status != LzwStatus::Running)
            break;
    }
    const std::size_t decoded = std::size_t(op - out);
    std::fill(op, end, Pixel(0));

    f.Mask.clear();
    if (f.Transparent) {
        f.Mask.assign(std::size_t(f.MaskStride()) * std::size_t(f.Height), 0);
        BuildMask(f, out, decoded);
    }

    if constexpr (sizeof(Pixel) == 1) {
        if (&buffer == &f.Pixels) {
            // Decoded in place: drop the literal prefix and the slack.
            std::memmove(f.Pixels.data(), out, pixels);
            f.Pixels.resize(pixels);
            return;
        }
    }
    // Stored rows to picture rows.
    f.Pixels.resize(pixels);
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const Pixel* src = out + r * width;
        std::uint8_t* dst = f.Pixels.data() + std::size_t(rows_[r]) * width;
        if constexpr (sizeof(Pixel) == 1)
            std::memcpy(dst, src, width);
        else
            for (std::size_t x = 0; x < width; ++x)
                dst[x] = std::uint8_t(src[x]);
    }
}

// Sets the mask bit of every decoded pixel whose value is the transparent index.
// Values come in stored order; pixels the data never reached stay opaque.
template <class Pixel>
void Reader::BuildMask(TGIFFrame& f, const Pixel* values, std::size_t decoded)
{
    const std::size_t width = std::size_t(f.Width);
    const std::size_t stride = std::size_t(f.MaskStride());
    const Pixel key = f.TransparentIndex;
    constexpr std::uint64_t kOnes = 0x0101010101010101u, kLow7 = 0x7F7F7F7F7F7F7F7Fu;
    // Byte k's flag (bit 8k) lands on bit 63 - k, and no two products meet.
    constexpr std::uint64_t kGather = 0x8040201008040201u;
    const std::uint64_t keys = kOnes * std::uint8_t(key);
    for (std::size_t r = 0; r * width < decoded; ++r) {
        const std::size_t count = std::min(width, decoded - r * width);
        const Pixel* v = values + r * width;
        std::uint8_t* m = f.Mask.data() + std::size_t(rows_[r]) * stride;
        std::size_t x = 0;
        if constexpr (sizeof(Pixel) == 1) {
            // Eight pixels a word: the bytes equal to the key found word-wide
            // (exactly: no carry crosses a byte), their flags gathered into
            // one byte, pixel 0 in the top bit, by one multiply.
            for (; x + 8 <= count; x += 8) {
                const std::uint64_t d = LoadLE64(v + x) ^ keys;
                const std::uint64_t nonZero = ((d & kLow7) + kLow7) | d; // top bit of each byte
                const std::uint64_t equal = (~nonZero >> 7) & kOnes;
                m[x >> 3] = std::uint8_t((equal * kGather) >> 56);
            }
        }
        for (; x + 8 <= count; x += 8) {
            unsigned bits = 0;
            for (unsigned k = 0; k < 8; ++k)
                bits |= unsigned(v[x + k] == key) << (7 - k);
            m[x >> 3] = std::uint8_t(bits);
        }
        for (; x < count; ++x)
            if (v[x] == key)
                m[x >> 3] |= std::uint8_t(0x80 >> (x & 7));
    }
}

} // namespace

ReadResult GifDecoder::ReadGIF(std::span<const std::uint8_t> rawData)
{
    Picture.Clear();
    ReadResult result;
    try {
        Reader reader(*this, rawData);
        try {
            result = reader.ReadGIF();
        } catch (const StopRequested& stop) {
            result = {ReadStatus::Aborted, stop.position, Picture.FrameCount()};
        }
    } catch (...) {
        Picture.Clear();
        throw;
    }
    if (!result)
        Picture.Clear();
    return result;
}

} // namespace gif
