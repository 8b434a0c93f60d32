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
// Use from the control's ReadGIF (after its ClearFrames and the DataBytes copy):
//     gif::GifDecoder d(picture);           // picture: the control's GifPicture
//     d.FirstImageOnly = FirstImageOnly;
//     if (OnProgress) d.OnProgress = [this](std::size_t pos, std::size_t size) {
//         DoProgress(pos, size);             // may throw the silent abort itself
//         return KeepOnProcessing; };
//     ok = d.ReadGIF(rawBytes);              // false or an exception: Clear, result False
// then the composed picture is built and frame 1 drawn. The compositor keeps its
// own per-frame saved areas for disposal 3 (RestoreImage/RestoreMask).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace gif {

enum TGIFVersion : std::uint8_t { gvGIF87a = 0, gvGIF89a = 1 };

struct RGB {
    std::uint8_t R = 0, G = 0, B = 0;
    friend bool operator==(const RGB&, const RGB&) = default;
};

using ColorTable = std::array<RGB, 256>;

// The exact read of the input ran out of bytes (short header, screen descriptor,
// global colour table or image descriptor). The control turns it, like every
// failure of a load, into an empty control and a false result.
class StreamReadError : public std::runtime_error {
public:
    StreamReadError() : std::runtime_error("Stream read error") {}
};

// The progress hook asked to stop; the load ends without a message.
class LoadAborted : public std::exception {
public:
    const char* what() const noexcept override { return ""; }
};

// One image of the file, in file order.
struct TGIFFrame {
    std::int32_t Left = 0, Top = 0;      // position inside the picture
    std::int32_t Width = 0, Height = 0;  // never 0
    std::int32_t BitsPerPixel = 0;       // 1..8 with a local table, 0 with the global one
    std::int32_t Delay = 0;              // milliseconds (the file's hundredths x 10)
    std::uint8_t Disposal = 0;           // 0 none, 1 leave, 2 restore background, 3 restore previous
    bool HasLocalColorTable = false;
    bool Interlaced = false;             // how the file stored the rows; Pixels are always in order
    bool Transparent = false;            // only ever set in GIF89a files
    std::uint8_t TransparentIndex = 0;
    RGB TransparentColor;                // ColorTable()[TransparentIndex], set only when Transparent
    std::string Comment;                 // comment text (Windows-1252 bytes) that came before the frame
    std::int32_t PaletteCount = 1;       // entries of ColorTable() that form the frame's palette

    std::vector<std::uint8_t> Pixels;    // see the layout above
    std::vector<std::uint8_t> Mask;      // see the layout above; empty unless Transparent

    std::unique_ptr<gif::ColorTable> LocalColorTable;  // owned, only when HasLocalColorTable
    const gif::ColorTable* Colors = nullptr;            // LocalColorTable or the picture's global table

    const gif::ColorTable& ColorTable() const { return *Colors; }
    std::int32_t MaskStride() const { return (Width + 7) / 8; }
    std::uint8_t Index(int x, int y) const { return Pixels[std::size_t(y) * std::size_t(Width) + std::size_t(x)]; }
    bool IsTransparentAt(int x, int y) const
    {
        return Transparent && (Mask[std::size_t(y) * std::size_t(MaskStride()) + std::size_t(x / 8)] & (0x80 >> (x % 8)));
    }
    // The colour shown for a palette index.
    RGB Color(std::uint8_t index) const { return index < PaletteCount ? (*Colors)[index] : RGB{}; }
};

// What a load produces. Movable: the global table lives on the heap, so frames'
// Colors stay valid when the picture moves.
struct GifPicture {
    TGIFVersion Version = gvGIF87a;
    std::unique_ptr<gif::ColorTable> GlobalColorTable = std::make_unique<gif::ColorTable>();
    std::int32_t ColorDepth = 0;     // largest colour-table bit count seen (0 without a global table)
    std::int32_t LoopCount = 1;      // 1 without a looping extension; 0 = endless
    bool HasTransparency = false;    // some frame is Transparent
    std::int32_t ScreenWidth = 0, ScreenHeight = 0;  // from the logical screen descriptor
    std::int32_t ImageWidth = 0, ImageHeight = 0;    // screen size grown by frames reaching past it
    std::vector<std::unique_ptr<TGIFFrame>> Frames;  // at most MaxFrames, file order
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
// the load (the decoder then throws LoadAborted); the hook may also throw its own
// exception, which leaves ReadGIF unchanged. An empty hook is "not assigned":
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
//    pixel plus its 1-bit mask;
//  - the composed picture once, 4 bytes per pixel, in the 32-bit form the
//    screen takes (no second screen copy), plus a 1-bit mask;
//  - frame 1's cached 8-bit bitmap (rows padded to 4 bytes, 256-colour
//    palette), counted whether or not GetBitmap ever makes it;
//  - the decode scratch: the largest 8-bit and 16-bit staging buffers and the
//    row table.
struct Limits {
    std::uint64_t MaxPicturePixels = 2048ull * 2048;  // composed picture, ImageWidth x ImageHeight
    std::uint64_t MaxTotalBytes = 64ull << 20;        // every buffer of the picture, as listed above

    // The largest GIF input a load accepts: its bytes count four times, and
    // half of the budget is left for the picture.
    std::uint64_t MaxInputBytes() const { return MaxTotalBytes / 8; }
};

class GifDecoder {
public:
    explicit GifDecoder(GifPicture& picture) : Picture(picture) {}

    bool FirstImageOnly = false;  // decode the first image only; later blocks are not read
    ProgressHook OnProgress;
    gif::Limits Limits;

    // Parses a whole GIF into Picture (after emptying it). True on success. False
    // for data that is not a GIF or cannot be decoded (empty data, wrong signature,
    // a bad image descriptor, a minimum code size above 11, an input, picture or
    // frame too large for Limits). Throws StreamReadError when the header, screen descriptor,
    // global colour table or an image descriptor is cut short, LoadAborted when
    // OnProgress says stop, std::bad_alloc when memory runs out. On false or on an
    // exception Picture is left empty.
    bool ReadGIF(std::span<const std::uint8_t> rawData);

    GifPicture& Picture;
};

// Convenience for tools, tests and benchmarks: RGBA bytes (R, G, B, A per pixel,
// rows top-down, stride Width x 4) of one frame on its own; transparent pixels
// get alpha 0 (and colour 0), all others alpha 255.
void ExpandToRGBA(const TGIFFrame& frame, std::uint8_t* rgba);

}  // namespace gif
