// ShowEntry with the real main window offscreen and the real sprites and
// rating bars: the executable lives in <build>/out, so AppDir finds "Imagens"
// and "Dados" there as the program does. Each iteration shows the next
// catalogue row, so a run walks all 152 in turn.
//
// With --tour it measures memory instead of time: resident set (VmRSS) and
// its peak (VmHWM) after start-up, after showing all 152 entries, and after
// opening (showing and painting) every secondary window, printed as
// "tour <stage> rss_kib=<n> hwm_kib=<n>".
#include "catalogue/Catalogue.h"
#include "forms/Startup.h"
#include "forms/UnitPrincipal.h"
#include "widgets/Application.h"
#include "widgets/Form.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

long StatusKib(const char* key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(key);
    while (std::getline(in, line))
        if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':')
            return std::stol(line.substr(n + 1));
    return -1;
}

void PrintMemory(const char* stage)
{
    std::printf("tour %s rss_kib=%ld hwm_kib=%ld\n", stage, StatusKib("VmRSS"), StatusKib("VmHWM"));
    std::fflush(stdout);
}

void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void BM_ShowEntry(benchmark::State& state)
{
    int row = 0;
    for (auto _ : state) {
        Form1->ShowEntry(Catalogue::Entry(row));
        row = (row + 1) % Catalogue::RowCount;
    }
    state.counters["rows"] = Catalogue::RowCount;
}

// ShowEntry followed by the repaint it causes (the whole window, offscreen).
void BM_ShowEntryAndPaint(benchmark::State& state)
{
    int row = 0;
    for (auto _ : state) {
        Form1->ShowEntry(Catalogue::Entry(row));
        Form1->repaint();
        row = (row + 1) % Catalogue::RowCount;
    }
}

int Tour(TApplication& app)
{
    PrintMemory("created");
    Form1->show();
    Settle();
    PrintMemory("startup");
    for (int row = 0; row < Catalogue::RowCount; ++row) {
        Form1->ShowEntry(Catalogue::Entry(row));
        Form1->repaint();
    }
    Settle();
    PrintMemory("all_entries");
    // Shown non-modally so the tour needs nobody to close them; each is
    // painted, then hidden again as closing does.
    for (TForm* f : app.Forms()) {
        if (f == Form1)
            continue;
        f->show();
        Settle();
        f->repaint();
        f->hide();
        Settle();
    }
    PrintMemory("all_windows");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    TApplication app(argc, argv);
    app.SetTitle("Fauneta");
    CreateAllForms();
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--tour") == 0)
            return Tour(app);
    Form1->show();
    Settle();
    // Timing a panel without its pictures would flatter it: the sprite and
    // the bars must come from <build>/out.
    Form1->ShowEntry(Catalogue::Entry(24));
    if (Form1->GIFImage1->ImageWidth() == 0 || Form1->Image1->Picture().Empty()) {
        std::fprintf(stderr, "no sprite or rating bar loaded: build the artwork (target fauneta_artwork)\n");
        return 1;
    }
    if (const char* png = std::getenv("FAUNETA_BENCH_SNAPSHOT"))
        Form1->grab().save(QString::fromLocal8Bit(png));
    benchmark::RegisterBenchmark("ShowEntry/all_rows_in_turn", BM_ShowEntry)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ShowEntry+repaint/all_rows_in_turn", BM_ShowEntryAndPaint)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
