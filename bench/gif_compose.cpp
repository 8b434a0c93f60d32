// Load a GIF and compose every frame into a picture the screen can take
// (32-bit premultiplied), per file, side by side in one run:
//   Ours/Compose     our decoder, then each frame as the picture control's
//                    ticks compose it (dispose of the previous, draw the next);
//                    what the screen takes after each frame
//   Wuffs/Compose    wuffs decoding every frame onto a premultiplied canvas
//                    with the same disposal (../shared/bench-peers/wuffs; the
//                    rows are left out when that folder is missing)
//   Giflib/Decode    DGifSlurp alone (indices; no colours, no composing)
//   Qt/Reader        QImageReader, every frame (it composes too: a peer)
// Inputs: gifplayer-muybridge.gif cut to 256 frames, muybridge.gif,
// harvesters.gif and hibiscus.regular.gif from the shared bench-data folder,
// and a generated 1024 x 1024 animation of 60 frames whose frames after the
// first each change a 32 x 32 square.
//
// Before measuring, every frame ours composes is compared with wuffs's, pixel
// for pixel, and the result printed: both sides must do the same work.
// The ratios at the end are the targets: ours / wuffs <= 1 on every animated
// input, and at least 1.2 x ahead of wuffs on the one-frame photos.
#include "bench/BenchGifs.h"
#include "bench/Ratios.h"
#include "gif/GifComposer.h"
#include "gif/GifDecoder.h"
#ifdef FAUNETA_HAVE_WUFFS
#include "bench/WuffsPeer.h"
#endif

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using benchgifs::Bytes;

struct Input {
    std::string name;
    Bytes bytes;
    int frames = 0;
};

std::vector<Input> Inputs()
{
    std::vector<Input> inputs;
    auto add = [&](const char* name, Bytes bytes) {
        if (!bytes.empty())
            inputs.push_back({name, std::move(bytes)});
    };
    add("gifplayer-muybridge-256", benchgifs::FirstFrames(benchgifs::ReadData("gifplayer-muybridge.gif")));
    add("muybridge", benchgifs::ReadData("muybridge.gif"));
    add("generated-1MP-60x32", benchgifs::Animation(1024, 1024, 60, 32));
    add("harvesters", benchgifs::ReadData("harvesters.gif"));
    add("hibiscus", benchgifs::ReadData("hibiscus.regular.gif"));
    for (Input& in : inputs) {
        gif::GifPicture pic;
        gif::GifDecoder d(pic);
        if (d.ReadGIF(in.bytes))
            in.frames = pic.FrameCount();
    }
    return inputs;
}

// ---- ours ----------------------------------------------------------------------

using FrameFn = std::function<void(const std::uint32_t* pixels, int w, int h, int frame)>;

// What the screen takes after the composer drew: the composed picture itself,
// kept premultiplied.
const std::uint32_t* ScreenForm(const gif::GifComposer& c)
{
    return c.Composite().data();
}

int OursComposeAll(const Bytes& bytes, const FrameFn& onFrame)
{
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    if (!d.ReadGIF(bytes))
        return -1;
    gif::GifComposer c;
    c.Reset(pic);
    for (int n = 1; n <= pic.FrameCount(); ++n) {
        if (n > 1)
            c.DisposeFrame(n - 1);
        c.DrawFrame(n);
        const std::uint32_t* shown = ScreenForm(c);
        if (onFrame)
            onFrame(shown, c.Width(), c.Height(), n);
        benchmark::DoNotOptimize(shown);
    }
    return pic.FrameCount();
}

void Ours(benchmark::State& state, const Input* in)
{
    for (auto _ : state)
        if (OursComposeAll(in->bytes, nullptr) != in->frames)
            state.SkipWithError("decode failed");
    state.counters["frames"] = in->frames;
}

// ---- peers ---------------------------------------------------------------------

#ifdef FAUNETA_HAVE_WUFFS
void Wuffs(benchmark::State& state, const Input* in)
{
    int frames = 0;
    for (auto _ : state)
        if ((frames = wuffs_peer_compose_all(in->bytes.data(), in->bytes.size(), nullptr, nullptr)) < 0)
            state.SkipWithError("wuffs failed");
    state.counters["frames"] = frames;
}

// Every frame of both, compared as the screen would take them.
void CompareWithWuffs(const Input& in, FILE* notes)
{
    struct Ctx {
        std::vector<std::vector<std::uint32_t>> ours;
        int w = 0, h = 0, frames = 0, framesDiffering = 0;
        long long pixelsDiffering = 0;
        std::string first;
    } ctx;
    // Ours first, frame by frame, kept for the comparison (small inputs only
    // keep every frame; the rest are compared through a digest per frame).
    std::vector<std::uint64_t> digests;
    auto digest = [](const std::uint32_t* p, std::size_t n) {
        std::uint64_t h = 1469598103934665603ull;
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ p[i]) * 1099511628211ull;
        return h;
    };
    OursComposeAll(in.bytes, [&](const std::uint32_t* px, int w, int h, int) {
        ctx.w = w;
        ctx.h = h;
        digests.push_back(digest(px, std::size_t(w) * std::size_t(h)));
        if (std::size_t(w) * std::size_t(h) * digests.size() <= (64u << 20))
            ctx.ours.emplace_back(px, px + std::size_t(w) * std::size_t(h));
    });
    struct Both {
        Ctx* ctx;
        std::vector<std::uint64_t>* digests;
        decltype(digest)* digestFn;
    } both{&ctx, &digests, &digest};
    const int n = wuffs_peer_compose_all(
        in.bytes.data(), in.bytes.size(),
        [](void* user, const std::uint32_t* canvas, int w, int h, int frame) {
            auto* b = static_cast<Both*>(user);
            Ctx& c = *b->ctx;
            c.frames = frame;
            const std::size_t i = std::size_t(frame - 1);
            if (w != c.w || h != c.h || i >= b->digests->size()) {
                ++c.framesDiffering;
                if (c.first.empty())
                    c.first = "frame " + std::to_string(frame) + ": size or count";
                return;
            }
            if ((*b->digestFn)(canvas, std::size_t(w) * std::size_t(h)) == (*b->digests)[i])
                return;
            ++c.framesDiffering;
            if (i < c.ours.size())
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        const std::uint32_t a = c.ours[i][std::size_t(y * w + x)], b2 = canvas[std::size_t(y * w + x)];
                        if (a == b2)
                            continue;
                        ++c.pixelsDiffering;
                        if (c.first.empty()) {
                            char buf[160];
                            std::snprintf(buf, sizeof buf, "frame %d at %d,%d: ours %08x, wuffs %08x", frame, x, y, a,
                                          b2);
                            c.first = buf;
                        }
                    }
        },
        &both);
    if (n != int(digests.size()) && ctx.first.empty())
        ctx.first = "frame count " + std::to_string(n) + " against " + std::to_string(digests.size());
    std::fprintf(notes, "same frames as wuffs, %-26s %s (%zu frames; %d differ, %lld pixels)%s%s\n", in.name.c_str(),
                 ctx.framesDiffering == 0 && n == int(digests.size()) ? "yes" : "NO", digests.size(),
                 ctx.framesDiffering, ctx.pixelsDiffering, ctx.first.empty() ? "" : "; first: ", ctx.first.c_str());
}
#endif

void GiflibDecode(benchmark::State& state, const Input* in)
{
    struct Mem {
        const Bytes* data;
        std::size_t pos = 0;
    };
    for (auto _ : state) {
        Mem mem{&in->bytes};
        int err = 0;
        GifFileType* g = DGifOpen(
            &mem,
            [](GifFileType* f, GifByteType* buf, int n) {
                auto* m = static_cast<Mem*>(f->UserData);
                const std::size_t k = std::min<std::size_t>(std::size_t(n), m->data->size() - m->pos);
                std::memcpy(buf, m->data->data() + m->pos, k);
                m->pos += k;
                return int(k);
            },
            &err);
        if (!g || DGifSlurp(g) != GIF_OK) {
            state.SkipWithError("giflib failed");
            break;
        }
        benchmark::DoNotOptimize(g->SavedImages);
        DGifCloseFile(g, &err);
    }
}

void QtReader(benchmark::State& state, const Input* in)
{
    const QByteArray data(reinterpret_cast<const char*>(in->bytes.data()), qsizetype(in->bytes.size()));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, "gif");
        QImage image;
        int frames = 0;
        while (reader.read(&image))
            ++frames;
        if (frames == 0) {
            state.SkipWithError("Qt could not read it");
            break;
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the image plug-ins
    const bool console = benchratio::Console(argc, argv);
#ifdef FAUNETA_HAVE_WUFFS
    // The comparison with wuffs goes with the table; beside other formats, to stderr.
    FILE* notes = console ? stdout : stderr;
#endif
    static const std::vector<Input> inputs = Inputs();
    std::vector<benchratio::Target> targets;
    for (const Input& in : inputs) {
        benchmark::RegisterBenchmark(("Ours/Compose/" + in.name).c_str(), Ours, &in)->Unit(benchmark::kMillisecond);
#ifdef FAUNETA_HAVE_WUFFS
        benchmark::RegisterBenchmark(("Wuffs/Compose/" + in.name).c_str(), Wuffs, &in)->Unit(benchmark::kMillisecond);
        CompareWithWuffs(in, notes);
#endif
        benchmark::RegisterBenchmark(("Giflib/Decode/" + in.name).c_str(), GiflibDecode, &in)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("Qt/Reader/" + in.name).c_str(), QtReader, &in)->Unit(benchmark::kMillisecond);
        if (in.frames > 1)
            targets.push_back({"ours / wuffs, load + compose every frame, " + in.name, "Ours/Compose/" + in.name,
                               "Wuffs/Compose/" + in.name, 1.0});
        else
            targets.push_back({"ours / wuffs, one-frame load (<= 1/1.2), " + in.name, "Ours/Compose/" + in.name,
                               "Wuffs/Compose/" + in.name, 1.0 / 1.2});
    }
    std::fflush(stdout);
    benchmark::Initialize(&argc, argv);
    const int status = benchratio::Run(console, targets);
    benchmark::Shutdown();
    return status;
}
