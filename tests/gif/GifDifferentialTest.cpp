// Our decoder against giflib (a test-only oracle): for every GIF the project has
// and for a corpus generated here with giflib's encoder (sizes, interlace, local
// tables, code sizes 2..8, transparency, many frames), every frame's indices and
// placement agree.
//
// FAUNETA_GIF_CORPUS=<folder> makes the test also write the generated files
// there: the fuzzer's seed corpus.
#include "gif/GifDecoder.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

// ---- giflib in memory -------------------------------------------------------

struct MemIn {
    const Bytes* data;
    std::size_t pos = 0;
};

int ReadMem(GifFileType* g, GifByteType* buf, int n)
{
    auto* in = static_cast<MemIn*>(g->UserData);
    const std::size_t k = std::min<std::size_t>(std::size_t(n), in->data->size() - in->pos);
    std::memcpy(buf, in->data->data() + in->pos, k);
    in->pos += k;
    return int(k);
}

int WriteMem(GifFileType* g, const GifByteType* buf, int n)
{
    static_cast<Bytes*>(g->UserData)->insert(static_cast<Bytes*>(g->UserData)->end(), buf, buf + n);
    return n;
}

struct GenFrame {
    int left, top, width, height;
    int localBits; // 0: global table
    bool interlaced;
    int disposal, delay, transparent; // transparent: -1 none
    std::vector<GifByteType> pixels;  // picture order
};

ColorMapObject* MakeMap(int bits, std::mt19937& rng)
{
    std::vector<GifColorType> colors(std::size_t(1) << bits);
    for (auto& c : colors)
        c = {GifByteType(rng()), GifByteType(rng()), GifByteType(rng())};
    return GifMakeMapObject(1 << bits, colors.data());
}

Bytes Encode(int screenW, int screenH, int globalBits, int loop, const std::vector<GenFrame>& frames, std::mt19937& rng)
{
    Bytes out;
    int err = 0;
    GifFileType* g = EGifOpen(&out, WriteMem, &err);
    EXPECT_NE(g, nullptr);
    EGifSetGifVersion(g, true);
    ColorMapObject* global = globalBits ? MakeMap(globalBits, rng) : nullptr;
    EXPECT_EQ(EGifPutScreenDesc(g, screenW, screenH, globalBits ? globalBits : 1, 0, global), GIF_OK);
    if (loop >= 0) {
        const GifByteType app[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
        const GifByteType sub[] = {1, GifByteType(loop & 0xFF), GifByteType(loop >> 8)};
        EGifPutExtensionLeader(g, APPLICATION_EXT_FUNC_CODE);
        EGifPutExtensionBlock(g, sizeof app, app);
        EGifPutExtensionBlock(g, sizeof sub, sub);
        EGifPutExtensionTrailer(g);
    }
    for (const GenFrame& f : frames) {
        GraphicsControlBlock gcb{f.disposal, false, f.delay, f.transparent};
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, 4, ext);
        ColorMapObject* local = f.localBits ? MakeMap(f.localBits, rng) : nullptr;
        // giflib keeps a copy of the previous local table and forgets it when the
        // next image has none; release it here.
        if (g->Image.ColorMap) {
            GifFreeMapObject(g->Image.ColorMap);
            g->Image.ColorMap = nullptr;
        }
        EXPECT_EQ(EGifPutImageDesc(g, f.left, f.top, f.width, f.height, f.interlaced, local), GIF_OK);
        std::vector<int> rows;
        if (f.interlaced) {
            const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = start[p]; y < f.height; y += step[p])
                    rows.push_back(y);
        } else {
            for (int y = 0; y < f.height; ++y)
                rows.push_back(y);
        }
        for (int y : rows)
            EXPECT_EQ(EGifPutLine(g, const_cast<GifByteType*>(f.pixels.data()) + std::size_t(y) * std::size_t(f.width),
                                  f.width),
                      GIF_OK);
        if (local)
            GifFreeMapObject(local);
    }
    EGifCloseFile(g, &err);
    if (global)
        GifFreeMapObject(global);
    return out;
}

// Content that compresses well (long strings, a full table), badly (noise),
// or in between.
std::vector<GifByteType> Content(int kind, int w, int h, int colors, std::mt19937& rng)
{
    std::vector<GifByteType> px(std::size_t(w) * std::size_t(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int v = 0;
            switch (kind % 4) {
            case 0: v = int(rng() % unsigned(colors)); break;
            case 1: v = (x / 7 + y / 5) % colors; break;
            case 2: v = (x * x + y * 3) / 11 % colors; break;
            default: v = (rng() % 8 == 0) ? int(rng() % unsigned(colors)) : (y * colors / std::max(h, 1)); break;
            }
            px[std::size_t(y) * std::size_t(w) + std::size_t(x)] = GifByteType(v);
        }
    return px;
}

std::vector<Bytes> GeneratedCorpus()
{
    std::mt19937 rng(20261207);
    std::vector<Bytes> out;
    const std::pair<int, int> sizes[] = {{1, 1}, {3, 5}, {17, 9}, {64, 64}, {200, 133}, {333, 7}, {5, 300}};
    int n = 0;
    for (int bits = 1; bits <= 8; ++bits) { // 1-bit tables still use code size 2
        for (auto [w, h] : sizes) {
            const bool interlaced = (n % 3) == 1;
            std::vector<GenFrame> frames;
            const int count = 1 + (n % 4);
            for (int i = 0; i < count; ++i) {
                GenFrame f;
                f.width = std::max(1, w - i * 3);
                f.height = std::max(1, h - i * 2);
                f.left = i;
                f.top = (i * 5) % 4;
                f.localBits = (i % 2 == 1) ? 1 + int((bits + i) % 8) : 0;
                f.interlaced = interlaced != (i == 2);
                f.disposal = i % 4;
                f.delay = i * 3;
                const int colors = 1 << (f.localBits ? f.localBits : bits);
                f.transparent = (i % 3 == 1) ? int(rng() % unsigned(colors)) : -1;
                f.pixels = Content(n + i, f.width, f.height, colors, rng);
                frames.push_back(std::move(f));
            }
            out.push_back(Encode(w, h, bits, n % 5 == 0 ? -1 : n % 7, frames, rng));
            ++n;
        }
    }
    // Large frames: the table fills and the encoder clears, many times.
    for (int kind = 0; kind < 4; ++kind) {
        GenFrame f{0, 0, 700, 500, 0, kind == 3, 0, 0, -1, Content(kind, 700, 500, 256, rng)};
        out.push_back(Encode(700, 500, 8, -1, {f}, rng));
    }
    return out;
}

std::vector<std::pair<std::string, Bytes>> ProjectGifs()
{
    std::vector<std::pair<std::string, Bytes>> files;
    auto add = [&](const fs::path& dir, bool recursive) {
        std::error_code ec;
        if (!fs::is_directory(dir, ec))
            return;
        auto consider = [&](const fs::directory_entry& e) {
            if (!e.is_regular_file() || e.path().extension() != ".gif")
                return;
            std::ifstream in(e.path(), std::ios::binary);
            files.emplace_back(e.path().string(), Bytes(std::istreambuf_iterator<char>(in), {}));
        };
        if (recursive) {
            for (auto it = fs::recursive_directory_iterator(dir, ec); it != fs::recursive_directory_iterator(); ++it) {
                const std::string name = it->path().filename().string();
                // Build trees, whatever their names, hold copies and folders
                // that other tests fill as this one runs.
                if (it->is_directory() &&
                    (name.starts_with("build") || name.starts_with(".") || fs::exists(it->path() / "CMakeCache.txt")))
                    it.disable_recursion_pending();
                else
                    consider(*it);
            }
        } else {
            for (const auto& e : fs::directory_iterator(dir, ec))
                consider(e);
        }
    };
    add(FAUNETA_SOURCE_DIR, true);
    add(fs::path(FAUNETA_OUT_DIR) / "Imagens", false);        // the creature sprites
    add(fs::path(FAUNETA_OUT_DIR) / ".." / "artwork", false); // the decorative pictures
    add(fs::path(FAUNETA_SOURCE_DIR) / ".." / "shared" / "bench-data", false);
    return files;
}

// ---- the comparison ---------------------------------------------------------

void Compare(const std::string& name, const Bytes& bytes)
{
    SCOPED_TRACE(name);
    MemIn in{&bytes};
    int err = 0;
    GifFileType* g = DGifOpen(&in, ReadMem, &err);
    ASSERT_NE(g, nullptr);
    // Every input here is meant to be a valid file: one the oracle cannot
    // read is a fault of its maker, not a case to pass over.
    if (DGifSlurp(g) != GIF_OK) {
        DGifCloseFile(g, &err);
        FAIL() << "giflib cannot read it";
    }
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    ASSERT_TRUE(d.ReadGIF(bytes));
    const int count = std::min(g->ImageCount, gif::GifPicture::MaxFrames);
    ASSERT_EQ(pic.FrameCount(), count);
    int w = g->SWidth, h = g->SHeight;
    for (int i = 0; i < count; ++i) {
        const SavedImage& s = g->SavedImages[i];
        const gif::TGIFFrame& f = pic.Frame(i + 1);
        SCOPED_TRACE("frame " + std::to_string(i + 1));
        EXPECT_EQ(f.Left, s.ImageDesc.Left);
        EXPECT_EQ(f.Top, s.ImageDesc.Top);
        ASSERT_EQ(f.Width, s.ImageDesc.Width);
        ASSERT_EQ(f.Height, s.ImageDesc.Height);
        EXPECT_EQ(f.Interlaced, s.ImageDesc.Interlace);
        EXPECT_EQ(f.HasLocalColorTable, s.ImageDesc.ColorMap != nullptr);
        const std::size_t n = std::size_t(f.Width) * std::size_t(f.Height);
        ASSERT_EQ(f.Pixels.size(), n);
        EXPECT_TRUE(std::equal(f.Pixels.begin(), f.Pixels.end(), s.RasterBits)) << "indices differ";
        GraphicsControlBlock gcb{};
        if (DGifSavedExtensionToGCB(g, i, &gcb) == GIF_OK) {
            EXPECT_EQ(f.Delay, gcb.DelayTime * 10);
            const int disposal = gcb.DisposalMode;
            EXPECT_EQ(f.Disposal, disposal == 0 || disposal == 1 || disposal == 3 ? disposal : 2);
            const bool transparent = gcb.TransparentColor != NO_TRANSPARENT_COLOR && pic.Version == gif::gvGIF89a;
            EXPECT_EQ(f.Transparent, transparent);
            if (transparent) {
                for (std::size_t k = 0; k < n; k += 7) {
                    EXPECT_EQ(f.IsTransparentAt(int(k % std::size_t(f.Width)), int(k / std::size_t(f.Width))),
                              s.RasterBits[k] == gcb.TransparentColor);
                }
            }
        }
        w = std::max(w, f.Left + f.Width);
        h = std::max(h, f.Top + f.Height);
    }
    EXPECT_EQ(pic.ImageWidth, w);
    EXPECT_EQ(pic.ImageHeight, h);
    DGifCloseFile(g, &err);
}

TEST(GifDifferential, GeneratedCorpusAgreesWithGiflib)
{
    const auto corpus = GeneratedCorpus();
    ASSERT_GT(corpus.size(), 50u);
    const char* dir = std::getenv("FAUNETA_GIF_CORPUS");
    if (dir)
        fs::create_directories(dir);
    for (std::size_t i = 0; i < corpus.size(); ++i) {
        if (dir) {
            std::ofstream out(fs::path(dir) / ("generated-" + std::to_string(i) + ".gif"), std::ios::binary);
            out.write(reinterpret_cast<const char*>(corpus[i].data()), std::streamsize(corpus[i].size()));
        }
        Compare("generated #" + std::to_string(i), corpus[i]);
    }
}

TEST(GifDifferential, ProjectGifsAgreeWithGiflib)
{
    const auto files = ProjectGifs();
    ASSERT_FALSE(files.empty()) << "the build drew no pictures";
    for (const auto& [name, bytes] : files)
        Compare(name, bytes);
}

TEST(GifDifferential, LoopCountAsGiflibWritesIt)
{
    std::mt19937 rng(1);
    GenFrame f{0, 0, 2, 2, 0, false, 0, 0, -1, {0, 1, 1, 0}};
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    ASSERT_TRUE(d.ReadGIF(Encode(2, 2, 1, 1000, {f, f}, rng)));
    EXPECT_EQ(pic.LoopCount, 1000);
    ASSERT_TRUE(d.ReadGIF(Encode(2, 2, 1, 0, {f}, rng)));
    EXPECT_EQ(pic.LoopCount, 0);
    ASSERT_TRUE(d.ReadGIF(Encode(2, 2, 1, -1, {f}, rng)));
    EXPECT_EQ(pic.LoopCount, 1);
}

} // namespace
