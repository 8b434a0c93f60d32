// ShowEntry with the real main window offscreen and the real sprites and
// rating bars: the executable lives in <build>/out, so AppDir finds "Imagens"
// and "Dados" there as the program does. Each iteration shows the next
// catalogue row, so a run walks all 152 in turn.
//
// With --tour it measures memory instead of time: resident set (VmRSS) and
// its peak (VmHWM) after start-up, after showing all 152 entries, and after
// opening (showing and painting) every secondary window, printed as
// "tour <stage> rss_kib=<n> hwm_kib=<n>"; then the moves window, created on
// first use as its menu item does, shown with a move and a creature chosen.
//
// With --first-open[=golpes] it times one first opening each, as a person
// waits for it, from the menu's trigger to the window painted: the TM/HM list
// (created at start-up, so only shown) and the moves window (created then),
// in that order or, with =golpes, the moves window first. Prints
// "first_open tmhm_us=<n> golpes_us=<n> tmhm_created_us=<n>", the last a
// second TM/HM window created, shown and painted as the moves window is.
//
// The benchmarks time the moves window's filter: one keystroke that takes
// the list from all 165 moves to those holding "s" and back.
#include "catalogue/Catalogue.h"
#include "data/Moves.h"
#include "forms/ShowEntry.h"
#include "forms/Startup.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitPrincipal.h"
#include "forms/UnitTmHm.h"
#include "widgets/Application.h"
#include "widgets/Form.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
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
        ShowEntry(Catalogue::Entry(row));
        row = (row + 1) % Catalogue::RowCount;
    }
    state.counters["rows"] = Catalogue::RowCount;
}

// ShowEntry followed by the repaint it causes (the whole window, offscreen).
void BM_ShowEntryAndPaint(benchmark::State& state)
{
    int row = 0;
    for (auto _ : state) {
        ShowEntry(Catalogue::Entry(row));
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
        ShowEntry(Catalogue::Entry(row));
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
    app.CreateForm(FormGolpes);
    FormGolpes->show();
    Settle();
    FormGolpes->ChooseMove(FindMove("Thunderbolt"));
    FormGolpes->ChooseCreature(24);
    FormGolpes->repaint();
    FormGolpes->hide();
    Settle();
    PrintMemory("moves_window");
    return 0;
}

// A window shown and painted, as its first opening shows it, then hidden:
// the window thread's CPU time for it, in microseconds (wall time on a
// shared machine says more about the others than about the window).
long long ThreadMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

long long OpenMicroseconds(const std::function<TForm*()>& open)
{
    const long long start = ThreadMicroseconds();
    TForm* f = open();
    f->show();
    QApplication::processEvents();
    f->repaint();
    const long long end = ThreadMicroseconds();
    f->hide();
    Settle();
    return end - start;
}

int FirstOpen(TApplication& app, bool golpesFirst)
{
    Form1->show();
    Settle();
    const auto tmhm = [] { return static_cast<TForm*>(FormTmHm); };
    const auto golpes = [&app] {
        app.CreateForm(FormGolpes);
        return static_cast<TForm*>(FormGolpes);
    };
    long long t = 0, g = 0;
    if (golpesFirst) {
        g = OpenMicroseconds(golpes);
        t = OpenMicroseconds(tmhm);
    } else {
        t = OpenMicroseconds(tmhm);
        g = OpenMicroseconds(golpes);
    }
    // For comparison like with like: a second TM/HM window, created as the
    // moves window is (the code is warm by now, as it is for whichever of
    // the two came second).
    TFormTmHm* another = nullptr;
    const long long c = OpenMicroseconds([&] {
        another = new TFormTmHm();
        another->Initialize();
        return static_cast<TForm*>(another);
    });
    delete another;
    std::printf("first_open tmhm_us=%lld golpes_us=%lld tmhm_created_us=%lld\n", t, g, c);
    return 0;
}

// One keystroke in the filter: the whole list and back, alternately.
void BM_MovesFilterKeystroke(benchmark::State& state)
{
    if (!FormGolpes) {
        Application->CreateForm(FormGolpes);
        FormGolpes->show();
        Settle();
    }
    bool whole = false;
    for (auto _ : state) {
        FormGolpes->Edit1->SetText(whole ? "" : "s");
        whole = !whole;
    }
    state.counters["listed"] = static_cast<double>(FormGolpes->ListedMoves().size());
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
        else if (std::strncmp(argv[i], "--first-open", 12) == 0)
            return FirstOpen(app, std::strcmp(argv[i], "--first-open=golpes") == 0);
    Form1->show();
    Settle();
    // Timing a panel without its pictures would flatter it: the sprite and
    // the bars must come from <build>/out.
    ShowEntry(Catalogue::Entry(24));
    if (Form1->GIFImage1->ImageWidth() == 0 || Form1->Image1->Picture().Empty()) {
        std::fprintf(stderr, "no sprite or rating bar loaded: build the artwork (target fauneta_artwork)\n");
        return 1;
    }
    if (const char* png = std::getenv("FAUNETA_BENCH_SNAPSHOT"))
        Form1->grab().save(QString::fromLocal8Bit(png));
    benchmark::RegisterBenchmark("ShowEntry/all_rows_in_turn", BM_ShowEntry)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ShowEntry+repaint/all_rows_in_turn", BM_ShowEntryAndPaint)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MovesFilter/one_keystroke", BM_MovesFilterKeystroke)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
