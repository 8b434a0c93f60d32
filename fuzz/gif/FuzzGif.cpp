// Feeds arbitrary bytes to the GIF decoder. Whatever the input, the decoder must
// neither read nor write out of bounds, nor hang, and what it hands back must be
// consistent: every frame's buffers have their documented sizes and lie inside
// the picture.
#include "gif/GifDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    // Smaller budgets than the program's keep each run quick; the checks are the same.
    d.Limits.MaxPicturePixels = 256u << 10;
    d.Limits.MaxTotalBytes = 4u << 20;
    // The last byte steers the options, so both paths get explored.
    const std::uint8_t steer = size ? data[size - 1] : 0;
    d.FirstImageOnly = (steer & 1) != 0;
    int calls = 0;
    if (steer & 2) {
        const int stopAfter = steer >> 2;
        d.OnProgress = [&calls, stopAfter, size](std::size_t pos, std::size_t total) {
            if (total != size || pos > total)
                std::abort();
            return ++calls != stopAfter;
        };
    }
    bool ok = false;
    try {
        ok = d.ReadGIF({data, size});
    } catch (const gif::StreamReadError&) {
    } catch (const gif::LoadAborted&) {
    }
    if (!ok) {
        if (pic.FrameCount() != 0)
            std::abort();
        return 0;
    }
    if (pic.FrameCount() > gif::GifPicture::MaxFrames)
        std::abort();
    std::vector<std::uint8_t> rgba;
    for (int i = 1; i <= pic.FrameCount(); ++i) {
        const gif::TGIFFrame& f = pic.Frame(i);
        const std::size_t n = std::size_t(f.Width) * std::size_t(f.Height);
        if (f.Width <= 0 || f.Height <= 0 || f.Pixels.size() != n)
            std::abort();
        if (f.Transparent != !f.Mask.empty())
            std::abort();
        if (f.Transparent && f.Mask.size() != std::size_t(f.MaskStride()) * std::size_t(f.Height))
            std::abort();
        if (f.Left + f.Width > pic.ImageWidth || f.Top + f.Height > pic.ImageHeight)
            std::abort();
        if (f.Colors == nullptr || f.PaletteCount < 1 || f.PaletteCount > 256)
            std::abort();
        rgba.resize(n * 4);
        gif::ExpandToRGBA(f, rgba.data());
    }
    return 0;
}
