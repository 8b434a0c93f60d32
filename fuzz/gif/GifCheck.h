// What the decoder must do with any bytes: never read or write out of bounds
// (the sanitizers watch that), never hang, and hand back something consistent:
// a refused load leaves the picture empty with a reason inside the data, an
// accepted one has at most MaxFrames frames whose buffers have their documented
// sizes and lie inside the picture. Shared by the fuzzer and the replay of its
// findings in the test suite.
// (That a whole picture's buffers stay within Limits.MaxTotalBytes is checked
// with a counting allocator by the Budget test.)
#pragma once

#include "gif/GifDecoder.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace fuzzcheck {

// Empty when the decoder behaves as described above; otherwise what went wrong.
// The last byte steers the options, so every path is explored from one input:
// bit 0 FirstImageOnly, bit 1 a progress hook that says stop on call (byte >> 2),
// bit 7 the larger budget.
inline std::string CheckGifDecode(std::span<const std::uint8_t> data)
{
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    // Smaller budgets than the program's keep each run quick; the checks are the
    // same. The larger one still allows frames above 100000 pixels, which report
    // progress by rows.
    const std::uint8_t steer = data.empty() ? 0 : data.back();
    const bool large = (steer & 0x80) != 0;
    d.Limits.MaxPicturePixels = large ? 128u << 10 : 16u << 10;
    d.Limits.MaxTotalBytes = large ? 2u << 20 : 256u << 10;
    d.FirstImageOnly = (steer & 1) != 0;
    int calls = 0;
    std::string fault;
    if (steer & 2) {
        const int stopAfter = steer >> 2;
        d.OnProgress = [&, stopAfter](std::size_t pos, std::size_t total) {
            if (total != data.size() || pos > total)
                fault = "progress at " + std::to_string(pos) + " of " + std::to_string(total);
            return ++calls != stopAfter;
        };
    }
    const gif::ReadResult r = d.ReadGIF(data);
    if (!fault.empty())
        return fault;
    if (!r) {
        if (pic.FrameCount() != 0)
            return "a refused load left frames: " + gif::Describe(r);
        if (r.Offset > data.size())
            return "the reason lies past the data: " + gif::Describe(r);
        if (r.Status == gif::ReadStatus::Aborted && !(steer & 2))
            return "aborted without a progress hook";
        return {};
    }
    if (pic.FrameCount() > gif::GifPicture::MaxFrames)
        return "more than MaxFrames frames";
    std::vector<std::uint8_t> rgba;
    for (int i = 1; i <= pic.FrameCount(); ++i) {
        const gif::TGIFFrame& f = pic.Frame(i);
        const std::string at = "frame " + std::to_string(i) + ": ";
        const std::size_t n = std::size_t(f.Width) * std::size_t(f.Height);
        if (f.Width <= 0 || f.Height <= 0 || f.Pixels.size() != n)
            return at + "pixel buffer of the wrong size";
        if (f.Transparent != !f.Mask.empty())
            return at + "mask present without transparency or missing with it";
        if (f.Transparent && f.Mask.size() != std::size_t(f.MaskStride()) * std::size_t(f.Height))
            return at + "mask of the wrong size";
        if (f.Left + f.Width > pic.ImageWidth || f.Top + f.Height > pic.ImageHeight)
            return at + "outside the picture";
        if (f.Colors == nullptr || f.PaletteCount < 1 || f.PaletteCount > 256)
            return at + "no colour table or a palette of the wrong size";
        // Reads every index and mask bit; small frames suffice for its logic and
        // keep the instrumented loop from dominating the run.
        if (n <= 128 * 128) {
            rgba.resize(n * 4);
            gif::ExpandToRGBA(f, rgba.data());
        }
    }
    return {};
}

} // namespace fuzzcheck
