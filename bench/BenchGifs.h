// Inputs of the picture benchmarks: the real files of the shared bench-data
// folder (FAUNETA_BENCH_DATA names another), cut to the frames the control
// keeps, and generated animations made with giflib's encoder.
#pragma once

#include "gif/GifDecoder.h"

#include <gif_lib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace benchgifs {

using Bytes = std::vector<std::uint8_t>;

inline std::filesystem::path DataDir()
{
    if (const char* dir = std::getenv("FAUNETA_BENCH_DATA"))
        return dir;
    return FAUNETA_BENCH_DATA_DIR;
}

// Empty when the file is not there.
inline Bytes ReadData(const char* name)
{
    std::ifstream in(DataDir() / name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The file up to its (limit+1)-th image, then a trailer: every decoder then
// does the same work as the control, which keeps at most 256 frames.
inline Bytes FirstFrames(const Bytes& b, int limit = gif::GifPicture::MaxFrames)
{
    std::size_t p = 13;
    if (b.size() < 13)
        return b;
    if (b[10] & 0x80)
        p += 3u << ((b[10] & 7) + 1);
    auto skipBlocks = [&] {
        while (p < b.size() && b[p] != 0)
            p += b[p] + 1u;
        ++p;
    };
    int images = 0;
    while (p < b.size()) {
        if (b[p] == 0x21) {
            p += 2;
            skipBlocks();
        } else if (b[p] == 0x2C) {
            if (images == limit) {
                Bytes cut(b.begin(), b.begin() + std::ptrdiff_t(p));
                cut.push_back(0x3B);
                return cut;
            }
            ++images;
            const std::uint8_t packed = b[p + 9];
            p += 10;
            if (packed & 0x80)
                p += 3u << ((packed & 7) + 1);
            ++p; // minimum code size
            skipBlocks();
        } else {
            break;
        }
    }
    return b;
}

// An animation of `frames` frames on a w x h picture with giflib's encoder:
// frame 1 covers the picture, each later one is a `patch` x `patch` square
// at a new place (disposal "leave in place"), so a frame step changes only
// that square. 256 colours of smooth gradients with noise, like a photo.
// With patch >= w and h every frame covers the whole picture.
inline Bytes Animation(int w, int h, int frames, int patch)
{
    std::mt19937 rng(7);
    Bytes out;
    int err = 0;
    GifFileType* g = EGifOpen(
        &out,
        [](GifFileType* f, const GifByteType* buf, int n) {
            auto* o = static_cast<Bytes*>(f->UserData);
            o->insert(o->end(), buf, buf + n);
            return n;
        },
        &err);
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[std::size_t(i)] = {GifByteType(i), GifByteType(255 - i), GifByteType(i * 7)};
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    EGifSetGifVersion(g, true);
    EGifPutScreenDesc(g, w, h, 8, 0, map);
    const unsigned char loop[3] = {1, 0, 0}; // endless
    EGifPutExtensionLeader(g, APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(g, 11, "NETSCAPE2.0");
    EGifPutExtensionBlock(g, 3, loop);
    EGifPutExtensionTrailer(g);
    for (int f = 0; f < frames; ++f) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.DelayTime = 2;
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType ext[4];
        const std::size_t len = EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, int(len), ext);
        const bool whole = f == 0 || (patch >= w && patch >= h);
        const int fw = whole ? w : patch, fh = whole ? h : patch;
        const int left = whole ? 0 : (f * 97) % (w - patch + 1), top = whole ? 0 : (f * 61) % (h - patch + 1);
        EGifPutImageDesc(g, left, top, fw, fh, false, nullptr);
        std::vector<GifByteType> row(static_cast<std::size_t>(fw));
        for (int y = 0; y < fh; ++y) {
            for (int x = 0; x < fw; ++x)
                row[std::size_t(x)] = GifByteType((left + x + top + y + f * 3) / 4 + int(rng() % 6));
            EGifPutLine(g, row.data(), fw);
        }
    }
    EGifCloseFile(g, &err);
    GifFreeMapObject(map);
    return out;
}

} // namespace benchgifs
