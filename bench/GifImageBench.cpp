// The picture control's costs:
//   load:      bytes to composed frame 1, through the real control (decode,
//              composed bitmaps, frame 1 drawn), and the first paint of it;
//   tick:      one frame step in the core (dispose + draw), and through the
//              control including the immediate repaint of what changed; also
//              on generated animations: 1024 x 1024 whose frames change a
//              32 x 32 square each, and a 32 x 32 one whose frames change it
//              all. The tick that starts a pass again (frame 1, drawn whole)
//              is left out, so the rows show a steady frame step. Target: a
//              tick that changes 32 x 32 of the megapixel picture costs at
//              most 3 x a tick of the 32 x 32 picture (printed at the end);
//   cpu:       process CPU per wall second while a window with six picture
//              controls runs its event loop, one of them animating (as the
//              About window does), none (the paused workers must not wake),
//              or one whose window was closed again.
// Real files from ../shared/bench-data when present, generated ones otherwise.
#include "bench/BenchGifs.h"
#include "bench/Ratios.h"
#include "tests/gif/TinyGif.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), {});
}

// An animation of `frames` frames of w x h: moving bands, some transparent.
Bytes Generated(int w, int h, int frames)
{
    std::vector<tiny::Frame> fs;
    for (int i = 0; i < frames; ++i) {
        tiny::Frame f = tiny::Solid(0, 0, w, h, tiny::K);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                f.pixels[std::size_t(y * w + x)] = unsigned((x + y + i * 3) / 8 % 8);
        f.transparent = i % 2 ? 7 : -1;
        f.disposal = i % 4;
        f.delay = 5;
        fs.push_back(std::move(f));
    }
    return tiny::Make(w, h, fs, 0);
}

const std::map<std::string, Bytes>& Inputs()
{
    static const std::map<std::string, Bytes> inputs = [] {
        std::map<std::string, Bytes> m;
        const std::filesystem::path dir = benchgifs::DataDir();
        for (const char* name : {"muybridge.gif", "gifplayer-muybridge.gif", "hibiscus.regular.gif", "harvesters.gif"})
            if (std::filesystem::exists(dir / name))
                m[name] = ReadFile(dir / name);
        if (m.empty()) {
            m["generated-96x96x8"] = Generated(96, 96, 8);
            m["generated-472x298x16"] = Generated(472, 298, 16);
        }
        return m;
    }();
    return inputs;
}

double ProcessCpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

class BenchGIF : public TGIFImage {
public:
    using TGIFImage::TGIFImage;
    using TGIFImage::TimerTick;
};

class TBenchForm : public TForm {
public:
    const FormClass& FormClassInfo() const override
    {
        static const FormClass info = FormTable<TBenchForm>().Build("TBenchForm", "");
        return info;
    }
};

struct NullHost : gif::AnimationHost {
    void SetTimerInterval(std::uint32_t) override {}
    void SetTimerEnabled(bool) override {}
    void Changing() override {}
    void Changed() override {}
    void WrappedAnimation() override {}
    void RepaintNow() override {}
    void InvalidatePicture() override {}
};

void BM_LoadToComposedFrame1(benchmark::State& state, const Bytes* bytes)
{
    TGIFImage g;
    for (auto _ : state) {
        TMemoryStream s(*bytes);
        if (!g.LoadFromStream(s))
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(g.Animation().Composer().Composite().data());
    }
    state.counters["frames"] = g.FrameCount();
    state.counters["MB/s"] =
        benchmark::Counter(double(bytes->size()) * double(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_FirstPaint(benchmark::State& state, const Bytes* bytes)
{
    TGIFImage g;
    TMemoryStream s(*bytes);
    g.LoadFromStream(s);
    g.SetBounds(0, 0, g.ImageWidth(), g.ImageHeight());
    QImage target(g.ImageWidth(), g.ImageHeight(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        TMemoryStream again(*bytes); // a new load: a picture never painted yet
        g.LoadFromStream(again);
        state.ResumeTiming();
        QPainter p(&target);
        g.DrawImage(p);
    }
}

void BM_CoreTick(benchmark::State& state, const Bytes* bytes)
{
    gif::GifPicture pic;
    gif::GifDecoder d(pic);
    d.ReadGIF(*bytes);
    NullHost host;
    gif::GifAnimation anim(host);
    anim.Prepare(std::move(pic));
    anim.SetAnimate(true);
    anim.SetLoop(true);
    for (auto _ : state) {
        if (anim.CurrentFrame() == 1) {
            state.PauseTiming();
            anim.TimerTick();
            state.ResumeTiming();
        }
        anim.TimerTick();
    }
    state.counters["frames"] = anim.FrameCount();
}

void BM_ControlTickWithRepaint(benchmark::State& state, const Bytes* bytes)
{
    TBenchForm form;
    auto* g = new BenchGIF(&form);
    g->SetParent(&form);
    TMemoryStream s(*bytes);
    g->LoadFromStream(s);
    g->SetAutoSize(true);
    form.SetClientWidth(g->Width());
    form.SetClientHeight(g->Height());
    g->SetLoop(true);
    g->SetAnimate(true);
    g->SetThreaded(false);
    g->Timer().SetEnabled(false); // ticks come from the loop below only
    form.Show();
    QApplication::processEvents();
    for (auto _ : state) {
        if (g->CurrentFrame() == 1) {
            state.PauseTiming();
            g->TimerTick();
            state.ResumeTiming();
        }
        g->TimerTick();
    }
}

// CPU of the whole process per wall second while the event loop runs.
// hidden: the window is shown, starts playing, and is closed again (a
// closed About window).
void CpuWhile(benchmark::State& state, bool animating, bool hidden)
{
    const Bytes anim = Inputs().count("muybridge.gif") ? Inputs().at("muybridge.gif") : Generated(30, 20, 8);
    const Bytes still = tiny::Make(8, 8, {tiny::Solid(0, 0, 8, 8, tiny::R), tiny::Solid(0, 0, 8, 8, tiny::G)});
    TBenchForm form;
    form.SetClientWidth(200);
    form.SetClientHeight(120);
    for (int i = 0; i < 6; ++i) {
        auto* g = new TGIFImage(&form);
        g->SetParent(&form);
        g->SetBounds(10 + i * 32, 10, 30, 20);
        TMemoryStream s(i == 0 ? anim : still);
        g->LoadFromStream(s);
        g->SetAnimate(animating && i == 0);
    }
    form.Show();
    QApplication::processEvents();
    if (hidden) {
        QEventLoop settle;
        QTimer::singleShot(300, &settle, &QEventLoop::quit);
        settle.exec();
        form.Hide();
    }
    for (auto _ : state) {
        rusage before{};
        getrusage(RUSAGE_SELF, &before);
        const double cpu0 = ProcessCpuSeconds();
        QElapsedTimer t;
        t.start();
        QEventLoop loop; // sleeps between events
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
        const double wall = double(t.nsecsElapsed()) * 1e-9;
        rusage after{};
        getrusage(RUSAGE_SELF, &after);
        state.counters["cpu_ms_per_s"] = (ProcessCpuSeconds() - cpu0) * 1000.0 / wall;
        state.counters["wakeups_per_s"] = double(after.ru_nvcsw - before.ru_nvcsw) / wall;
        state.SetIterationTime(wall);
    }
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qapp(argc, argv);
    TApplication app;
    for (const auto& [name, bytes] : Inputs()) {
        benchmark::RegisterBenchmark(("load_to_frame1/" + name).c_str(), BM_LoadToComposedFrame1, &bytes)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("first_paint/" + name).c_str(), BM_FirstPaint, &bytes)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("core_tick/" + name).c_str(), BM_CoreTick, &bytes)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("control_tick_repaint/" + name).c_str(), BM_ControlTickWithRepaint, &bytes)
            ->Unit(benchmark::kMicrosecond);
    }
    static const Bytes megapixel = benchgifs::Animation(1024, 1024, 60, 32),
                       small = benchgifs::Animation(32, 32, 60, 32);
    for (const auto& [name, bytes] : {std::pair{std::string("generated-1MP-60x32"), &megapixel},
                                      std::pair{std::string("generated-32x32"), &small}}) {
        benchmark::RegisterBenchmark(("core_tick/" + name).c_str(), BM_CoreTick, bytes)->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark(("control_tick_repaint/" + name).c_str(), BM_ControlTickWithRepaint, bytes)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("cpu/one_animating_of_six", CpuWhile, true, false)->UseManualTime()->Iterations(3);
    benchmark::RegisterBenchmark("cpu/none_animating_of_six", CpuWhile, false, false)->UseManualTime()->Iterations(3);
    benchmark::RegisterBenchmark("cpu/animating_window_closed", CpuWhile, true, true)->UseManualTime()->Iterations(3);
    const bool console = benchratio::Console(argc, argv);
    benchmark::Initialize(&argc, argv);
    const int status = benchratio::Run(
        console, {{"tick, 32x32 change of 1024x1024 / tick of 32x32 picture",
                   "control_tick_repaint/generated-1MP-60x32", "control_tick_repaint/generated-32x32", 3.0}});
    benchmark::Shutdown();
    return status;
}
