// The GIF decoder: turns the bytes of a GIF87a/GIF89a file into decoded frames
// (8-bit colour indices, a 1-bit transparency mask, a colour table) and the
// picture-wide values the picture control needs. Free of Qt, so it is tested and
// fuzzed without a display; the control (GIFImage) composes and paints from it.
//
// Layouts (chosen for a true-colour surface; nothing here is a device bitmap):
//  - TGIFFrame::Pixels: Width x Height bytes, rows top-down, stride = Width (no
//    padding). Pixel (x, y) is Pixels[y * Width + x]. Rows the data never reaches
//    hold index 0.
//  - TGIFFrame::Mask: only when Transparent, else empty. 1 bit per pixel, most
//    significant bit first (pixel x is bit 0x80 >> (x % 8) of byte x / 8), rows
//    top-down, stride = MaskStride() = (Width + 7) / 8. A set bit is a transparent
//    pixel ("white"); pixels the data never reaches are opaque.
//  - Colours: ColorTable() is always 256 entries, so any index can be looked up.
//    The frame's palette is its first PaletteCount entries (2^BitsPerPixel for a
//    local table, 2^ColorDepth-at-read-time for the global one); an index at or
//    past PaletteCount shows black (Color() does this).
//
// Use (as the control's ReadGIF does, widgets/GIFImage.cpp):
//     gif::GifPicture picture;
//     gif::GifDecoder d(picture);
//     d.FirstImageOnly = firstImageOnly;
//     d.OnProgress = [&](std::size_t position, std::size_t size) {
//         report(position, size);            // may throw to stop the load
//         return keepGoing; };               // false: the result is Aborted
//     if (const gif::ReadResult r = d.ReadGIF(bytes); !r)
//         log(gif::Describe(r));              // "frame 2 at byte 31: empty frame ..."
// then GifAnimation::Prepare takes the picture and composes frame 1. The
// compositor keeps its own per-frame saved areas for disposal 3.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace gif {

enum TGIFVersion : std::uint8_t { gvGIF87a = 0, gvGIF89a = 1 };

struct RGB {
    std::uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(const RGB&, const RGB&) = default;
};

using ColorTable = std::array<RGB, 256>;

// The bytes that mark a file's structure.
namespace format {
inline constexpr std::uint8_t Signature[3] = {'G', 'I', 'F'};
inline constexpr std::size_t HeaderSize = 6;              // signature and version ("87a", "89a")
inline constexpr std::size_t ScreenDescriptorSize = 7;    // width, height, packed, background, aspect
inline constexpr std::size_t ImageDescriptorSize = 10;    // separator, left, top, width, height, packed
inline constexpr std::uint8_t ExtensionIntroducer = 0x21; // '!'
inline constexpr std::uint8_t ImageSeparator = 0x2C;      // ','
inline constexpr std::uint8_t Trailer = 0x3B;             // ';'
// Extension labels, the byte after the introducer.
inline constexpr std::uint8_t PlainTextLabel = 0x01;
inline constexpr std::uint8_t GraphicControlLabel = 0xF9;
inline constexpr std::uint8_t CommentLabel = 0xFE;
inline constexpr std::uint8_t ApplicationLabel = 0xFF;
// The application extension that carries the loop count (identifier and
// authentication code, 11 bytes).
inline constexpr char LoopingApplicationId[] = "NETSCAPE2.0";
inline constexpr std::size_t ApplicationIdSize = 11;
} // namespace format

// Why ReadGIF refused the data. Every failure is exactly one of these.
enum class ReadStatus : std::uint8_t {
    Ok,
    NoData,             // the data is empty
    NotAGif,            // the first three bytes are not "GIF"
    Truncated,          // the header, screen descriptor, global colour table or an
                        // image descriptor is cut short (the stream error)
    EmptyFrame,         // an image of width or height 0
    CodeSizeOutOfRange, // a minimum code size above LzwDecoder::MaxMinCodeSize
    OverLimits,         // the input, the picture or its frames would need more than Limits allows
    Aborted,            // OnProgress returned false
};

// The outcome of ReadGIF: the status, and for a failure where it was found.
struct ReadResult {
    ReadStatus Status = ReadStatus::Ok;
    std::size_t Offset = 0; // where the failing structure starts (Aborted: the position the hook had)
    std::int32_t Frame = 0; // 1-based frame the failure concerns; 0 before the first image

    explicit operator bool() const { return Status == ReadStatus::Ok; }
};

// A short English text for a status ("cut short", ...), for tools and messages.
const char* Describe(ReadStatus status);
// The status with its place: "frame 2 at byte 31: empty frame (width or height 0)".
std::string Describe(const ReadResult& result);

// One image of the file, in file order.
struct TGIFFrame {
    std::int32_t Left = 0, Top = 0;     // position inside the picture
    std::int32_t Width = 0, Height = 0; // never 0
    std::int32_t BitsPerPixel = 0;      // 1..8 with a local table, 0 with the global one
    std::int32_t Delay = 0;             // milliseconds (the file's hundredths x 10)
    std::uint8_t Disposal = 0;          // 0 none, 1 leave, 2 restore background, 3 restore previous
    bool HasLocalColorTable = false;
    bool Interlaced = false;  // how the file stored the rows; Pixels are always in order
    bool Transparent = false; // only ever set in GIF89a files
    std::uint8_t TransparentIndex = 0;
    RGB TransparentColor;          // ColorTable()[TransparentIndex], set only when Transparent
    std::string Comment;           // comment text (Windows-1252 bytes) that came before the frame
    std::int32_t PaletteCount = 1; // entries of ColorTable() that form the frame's palette

    std::vector<std::uint8_t> Pixels; // see the layout above
    std::vector<std::uint8_t> Mask;   // see the layout above; empty unless Transparent

    std::unique_ptr<gif::ColorTable> LocalColorTable; // owned, only when HasLocalColorTable
    const gif::ColorTable* Colors = nullptr;          // LocalColorTable or the picture's global table

    const gif::ColorTable& ColorTable() const { return *Colors; }
    std::int32_t MaskStride() const { return (Width + 7) / 8; }
    std::uint8_t Index(int x, int y) const { return Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)]; }
    bool IsTransparentAt(int x, int y) const
    {
        return Transparent &&
               (Mask[std::size_t(y) * std::size_t(MaskStride()) + std::size_t(x / 8)] & (0x80 >> (x % 8)));
    }
    // The colour shown for a palette index.
    RGB Color(std::uint8_t index) const { return index < PaletteCount ? (*Colors)[index] : RGB{}; }
};

// What a load produces. Movable: the global table lives on the heap, so frames'
// Colors stay valid when the picture moves.
struct GifPicture {
    TGIFVersion Version = gvGIF87a;
    std::unique_ptr<gif::ColorTable> GlobalColorTable = std::make_unique<gif::ColorTable>();
    std::int32_t ColorDepth = 0;                    // largest colour-table bit count seen (0 without a global table)
    std::int32_t LoopCount = 1;                     // 1 without a looping extension; 0 = endless
    bool HasTransparency = false;                   // some frame is Transparent
    std::int32_t ScreenWidth = 0, ScreenHeight = 0; // from the logical screen descriptor
    std::int32_t ImageWidth = 0, ImageHeight = 0;   // screen size grown by frames reaching past it
    std::vector<std::unique_ptr<TGIFFrame>> Frames; // at most MaxFrames, file order
    // What the load counted against Limits::MaxTotalBytes: every buffer of the
    // picture at the load's peak, and after it (see Limits).
    std::uint64_t BudgetBytes = 0;

    static constexpr int MaxFrames = 256;

    std::int32_t FrameCount() const { return std::int32_t(Frames.size()); }
    // 1-based, as the control counts frames.
    TGIFFrame& Frame(int n) { return *Frames.at(std::size_t(n - 1)); }
    const TGIFFrame& Frame(int n) const { return *Frames.at(std::size_t(n - 1)); }

    // Back to the empty state (the decoder's part of ClearFrames).
    void Clear();
};

// Called with the read position and the size of the input. Return false to stop
// the load (ReadGIF then answers Aborted); the hook may also throw its own
// exception, which leaves ReadGIF unchanged (the picture emptied). An empty hook is "not assigned":
// the rationed progress calls inside large frames are then skipped too.
using ProgressHook = std::function<bool(std::size_t position, std::size_t size)>;

// One memory budget per picture: every buffer made for it counts, and a load
// that would need more fails before allocating instead of taking the
// program's memory.
//
// Why these sizes: the pictures live in windows of 552 x 374 and the largest
// the program ships is about 300 x 200. A composed picture of 2048 x 2048
// pixels is twenty times the whole main window (about five at a scale factor
// of 2): more than a picture control can usefully show, even stretched down.
// 64 MiB holds the largest such picture with every buffer below, or a
// 256-frame animation as large as the whole window. A 7000 x 7000 or
// 65535 x 65535 frame is refused at its descriptor.
//
// What is counted (see Reader::FitsLimits), in the form the control keeps it:
//  - the GIF bytes four times: the copy the control keeps (DataBytes), a
//    frame's gathered code stream, and comment text with its buffer's growth;
//    a file over an eighth of the budget (8 MiB) is refused before reading;
//  - per frame: its indices (with the decoder's few bytes of slack), its
//    1-bit mask when transparent, its comment, and a fixed allowance for the
//    frame record and a local colour table;
//  - per frame with disposal 3: the saved rectangle under it, 4 bytes per
//    pixel (ComposedBytes);
//  - the composed picture once, 4 bytes per pixel, in the 32-bit form the
//    screen takes (no second screen copy; its alpha is the mask);
//  - frame 1's cached 8-bit bitmap (rows padded to 4 bytes, 256-colour
//    palette), counted whether or not GetBitmap ever makes it;
//  - the decode scratch: the largest 8-bit and 16-bit staging buffers and the
//    row table.
// What the composer allocates for w x h pixels of composed picture or of a
// saved area: stated here, below both, so that the load counts exactly what
// the composer will make.
constexpr std::uint64_t kComposedPixelBytes = 4;
constexpr std::uint64_t ComposedBytes(std::uint64_t w, std::uint64_t h)
{
    return w * h * kComposedPixelBytes;
}

struct Limits {
    std::uint64_t MaxPicturePixels = 2048ull * 2048; // composed picture, ImageWidth x ImageHeight
    std::uint64_t MaxTotalBytes = 64ull << 20;       // every buffer of the picture, as listed above

    // The largest GIF input a load accepts: its bytes count four times, and
    // half of the budget is left for the picture.
    std::uint64_t MaxInputBytes() const { return MaxTotalBytes / 8; }
};

class GifDecoder {
public:
    explicit GifDecoder(GifPicture& picture) : Picture(picture) {}

    bool FirstImageOnly = false; // decode the first image only; later blocks are not read
    ProgressHook OnProgress;
    gif::Limits Limits;

    // Parses a whole GIF into Picture (after emptying it). Ok on success; any
    // other status says why the data was refused, and leaves Picture empty.
    // Exceptions: std::bad_alloc when memory runs out, and whatever OnProgress
    // throws itself; Picture is left empty then too.
    ReadResult ReadGIF(std::span<const std::uint8_t> rawData);

    GifPicture& Picture;
};

// Convenience for tools, tests and benchmarks: RGBA bytes (R, G, B, A per pixel,
// rows top-down, stride Width x 4) of one frame on its own; transparent pixels
// get alpha 0 (and colour 0), all others alpha 255.
void ExpandToRGBA(const TGIFFrame& frame, std::uint8_t* rgba);

} // namespace gif
