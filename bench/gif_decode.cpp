// Megapixels per second decoding GIFs, from the file's bytes to every frame:
//   Ours/Indices   our decoder: 8-bit indices + masks (what the control keeps)
//   Ours/RGBA      the same, then every frame expanded to RGBA
//   Ours/Composed  the same as Indices, then the composed first frame (what a
//                  load of the picture control does)
//   Giflib/RGBA    DGifSlurp, then every frame expanded to RGBA (local or global
//                  palette, transparent index to alpha 0): the same work as Ours/RGBA
//   Qt/Reader      QImageReader, every frame (it composes onto a canvas: a peer)
//   Ours/SizeBombs three tiny files whose picture would be 4 G, 81 M and 4 G
//                  pixels, each refused before anything that size is allocated:
//                  time for the three refusals (microseconds, not seconds)
// Inputs: ../shared/bench-data/harvesters.gif (a 1 MP photo, one frame) and
// gifplayer-muybridge.gif (an animation; cut after 256 frames, the most the
// control keeps, so every decoder does the same work). FAUNETA_BENCH_DATA names
// another folder; without the files, generated stand-ins of the same kind. The
// megapixel count is the sum of the frames' areas, the same for every decoder
// of one input.
#include "bench/BenchGifs.h"
#include "gif/GifComposer.h"
#include "gif/GifDecoder.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using benchgifs::Bytes;

namespace {

// ---- inputs -------------------------------------------------------------------

int WriteMem(GifFileType* g, const GifByteType* buf, int n)
{
    auto* out = static_cast<Bytes*>(g->UserData);
    out->insert(out->end(), buf, buf + n);
    return n;
}

// A stand-in with giflib's encoder: frames of w x h, 256 colours of smooth
// gradients with noise (photo-like: short strings, frequent table resets).
Bytes Generate(int w, int h, int frames)
{
    std::mt19937 rng(7);
    Bytes out;
    int err = 0;
    GifFileType* g = EGifOpen(&out, WriteMem, &err);
    std::vector<GifColorType> colors(256);
    for (int i = 0; i < 256; ++i)
        colors[std::size_t(i)] = {GifByteType(i), GifByteType(255 - i), GifByteType(i * 7)};
    ColorMapObject* map = GifMakeMapObject(256, colors.data());
    EGifPutScreenDesc(g, w, h, 8, 0, map);
    std::vector<GifByteType> row(static_cast<std::size_t>(w));
    for (int f = 0; f < frames; ++f) {
        EGifPutImageDesc(g, 0, 0, w, h, false, nullptr);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                row[std::size_t(x)] = GifByteType((x + y + f * 3) / 4 + int(rng() % 6));
            EGifPutLine(g, row.data(), w);
        }
    }
    EGifCloseFile(g, &err);
    GifFreeMapObject(map);
    return out;
}

struct Input {
    std::string name;
    Bytes bytes;
    double megapixels = 0;
};

std::vector<Input> Inputs()
{
    std::vector<Input> inputs;
    Bytes photo = benchgifs::ReadData("harvesters.gif");
    Bytes anim = benchgifs::ReadData("gifplayer-muybridge.gif");
    inputs.push_back(
        {photo.empty() ? "generated-photo-1MP" : "harvesters", photo.empty() ? Generate(1165, 859, 1) : photo});
    inputs.push_back({anim.empty() ? "generated-animation" : "gifplayer-muybridge",
                      benchgifs::FirstFrames(anim.empty() ? Generate(472, 298, 300) : anim)});
    for (Input& in : inputs) {
        gif::GifPicture pic;
        gif::GifDecoder d(pic);
        if (!d.ReadGIF(in.bytes))
            continue;
        for (int i = 1; i <= pic.FrameCount(); ++i)
            in.megapixels += double(pic.Frame(i).Width) * pic.Frame(i).Height / 1e6;
    }
    return inputs;
}

void Report(benchmark::State& state, const Input& in)
{
    state.counters["MP/s"] = benchmark::Counter(in.megapixels, benchmark::Counter::kIsIterationInvariantRate);
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(in.bytes.size()));
}

// ---- decoders ------------------------------------------------------------------

void OursIndices(benchmark::State& state, const Input* in)
{
    gif::GifPicture pic;
    for (auto _ : state) {
        gif::GifDecoder d(pic);
        if (!d.ReadGIF(in->bytes))
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(pic.Frames.data());
    }
    Report(state, *in);
}

void OursComposed(benchmark::State& state, const Input* in)
{
    gif::GifPicture pic;
    gif::GifComposer composer;
    for (auto _ : state) {
        gif::GifDecoder d(pic);
        if (!d.ReadGIF(in->bytes))
            state.SkipWithError("decode failed");
        composer.Reset(pic);
        composer.DrawFrame(1);
        benchmark::DoNotOptimize(composer.Composite().data());
    }
    Report(state, *in);
}

void OursRGBA(benchmark::State& state, const Input* in)
{
    gif::GifPicture pic;
    std::vector<std::vector<std::uint8_t>> rgba;
    for (auto _ : state) {
        gif::GifDecoder d(pic);
        if (!d.ReadGIF(in->bytes))
            state.SkipWithError("decode failed");
        rgba.resize(std::size_t(pic.FrameCount()));
        for (int i = 1; i <= pic.FrameCount(); ++i) {
            const gif::TGIFFrame& f = pic.Frame(i);
            auto& out = rgba[std::size_t(i - 1)];
            out.resize(std::size_t(f.Width) * std::size_t(f.Height) * 4);
            gif::ExpandToRGBA(f, out.data());
        }
        benchmark::DoNotOptimize(rgba.data());
    }
    Report(state, *in);
}

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

void GiflibRGBA(benchmark::State& state, const Input* in)
{
    std::vector<std::vector<std::uint8_t>> rgba;
    for (auto _ : state) {
        MemIn mem{&in->bytes};
        int err = 0;
        GifFileType* g = DGifOpen(&mem, ReadMem, &err);
        if (!g || DGifSlurp(g) != GIF_OK) {
            state.SkipWithError("giflib failed");
            break;
        }
        rgba.resize(std::size_t(g->ImageCount));
        for (int i = 0; i < g->ImageCount; ++i) {
            const SavedImage& s = g->SavedImages[i];
            const ColorMapObject* map = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : g->SColorMap;
            GraphicsControlBlock gcb{};
            gcb.TransparentColor = NO_TRANSPARENT_COLOR;
            DGifSavedExtensionToGCB(g, i, &gcb);
            std::uint32_t lut[256] = {};
            for (int c = 0; map && c < map->ColorCount && c < 256; ++c) {
                const std::uint8_t px[4] = {map->Colors[c].Red, map->Colors[c].Green, map->Colors[c].Blue, 255};
                std::memcpy(&lut[c], px, 4);
            }
            if (gcb.TransparentColor >= 0 && gcb.TransparentColor < 256)
                lut[gcb.TransparentColor] = 0;
            const std::size_t n = std::size_t(s.ImageDesc.Width) * std::size_t(s.ImageDesc.Height);
            auto& out = rgba[std::size_t(i)];
            out.resize(n * 4);
            for (std::size_t k = 0; k < n; ++k)
                std::memcpy(out.data() + k * 4, &lut[s.RasterBits[k]], 4);
        }
        DGifCloseFile(g, &err);
        benchmark::DoNotOptimize(rgba.data());
    }
    Report(state, *in);
}

void QtReader(benchmark::State& state, const Input* in)
{
    const QByteArray data(reinterpret_cast<const char*>(in->bytes.data()), qsizetype(in->bytes.size()));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        int frames = 0;
        QImage image;
        while (reader.read(&image))
            ++frames;
        if (frames == 0) {
            state.SkipWithError("Qt could not read it");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    Report(state, *in);
}

// ---- size bombs ----------------------------------------------------------------

// A GIF89a of one w x h image at (left, top) on a screen of sw x sh, without
// tables, whose data holds a single pixel (clear, 0, end at code size 3).
Bytes Bomb(int sw, int sh, int left, int top, int w, int h)
{
    Bytes b = {'G', 'I', 'F', '8', '9', 'a'};
    auto put16 = [&](int v) {
        b.push_back(std::uint8_t(v & 0xFF));
        b.push_back(std::uint8_t(v >> 8));
    };
    put16(sw);
    put16(sh);
    b.insert(b.end(), {0, 0, 0, 0x2C});
    put16(left);
    put16(top);
    put16(w);
    put16(h);
    b.insert(b.end(), {0, 2, 2, 0x44, 0x01, 0, 0x3B});
    return b;
}

void OursSizeBombs(benchmark::State& state)
{
    const Bytes bombs[] = {Bomb(65535, 65535, 0, 0, 1, 1), Bomb(1, 1, 0, 0, 9000, 9000),
                           Bomb(1, 1, 65000, 65000, 1, 1)};
    gif::GifPicture pic;
    if (!gif::GifDecoder(pic).ReadGIF(Bomb(1, 1, 0, 0, 1, 1))) {
        state.SkipWithError("the same file at a sane size does not decode: nothing measured");
        return;
    }
    for (auto _ : state) {
        for (const Bytes& b : bombs) {
            gif::GifDecoder d(pic);
            if (d.ReadGIF(b))
                state.SkipWithError("a size bomb was decoded");
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the image plug-ins
    static const std::vector<Input> inputs = Inputs();
    for (const Input& in : inputs) {
        benchmark::RegisterBenchmark(("Ours/Indices/" + in.name).c_str(), OursIndices, &in)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Ours/RGBA/" + in.name).c_str(), OursRGBA, &in)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Ours/Composed/" + in.name).c_str(), OursComposed, &in)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Giflib/RGBA/" + in.name).c_str(), GiflibRGBA, &in)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Qt/Reader/" + in.name).c_str(), QtReader, &in)->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Ours/SizeBombs", OursSizeBombs)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
