// ShowEntry with the real main window offscreen and the real sprites and
// rating bars: the executable lives in <build>/out, so AppDir finds "Imagens"
// and "Dados" there as the program does. Each iteration shows the next
// catalogue row, so a run walks all 152 in turn.
//
// With --tour it measures memory instead of time: resident set (VmRSS) and
// its peak (VmHWM) after start-up, after showing all 152 entries, and after
// opening (showing and painting) every secondary window, then after opening
// the type chart, the moves window and the "where to find" window, which are
// created on first use, printed as "tour <stage> rss_kib=<n> hwm_kib=<n>".
//
// With --first-open tmhm|tmhm-new|tipos|golpes|onde|dano|treinadores|equipe it times one window's
// first opening through its menu item, from the item's action to the window
// painted; tmhm-new times a TM/HM window created there and then opened, as
// the type chart and the moves window are (the program creates its TM/HM
// window at start-up). Printed as "first_open <window> us=<n> cpu_us=<n>"
// (wall and this thread's CPU time; one process per opening: a first opening
// happens once). Under callgrind --collect-atstart=no only that span is
// counted.
//
// The benchmarks time the moves window's filter: one keystroke that takes
// the list from all 165 moves to those holding "s" and back; a sort of its
// 165 rows by a title, beside Qt's own sorting table as a peer; and the "where to find" window's change of creature
// and of place, lines listed included; the trainers window's change of place
// and of big battle.
#include "catalogue/Catalogue.h"
#include "data/Moves.h"
#include "forms/Startup.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitPrincipal.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitTreinadores.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/Menus.h"
#include "widgets/SysUtils.h"

#include <QApplication>
#include <QHeaderView>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#endif

#include <chrono>
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

long long ThreadCpuMicroseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<long long>(t.tv_sec) * 1000000 + t.tv_nsec / 1000;
}

// The item run as a click runs it, until the window it opens has painted: a
// modal window paints in its run, a tool window once the item has shown it.
// The window is closed again.
std::chrono::steady_clock::time_point OpenByMenu(TApplication& app, TMenuItem* item)
{
    std::chrono::steady_clock::time_point painted{};
    app.ModalHook = [&painted](TForm& f) {
        f.repaint();
        painted = std::chrono::steady_clock::now();
        f.Close();
    };
    item->Action()->trigger();
    app.ModalHook = nullptr;
    if (painted != std::chrono::steady_clock::time_point{})
        return painted;
    for (TForm* f : app.Forms())
        if (f != Form1 && f->isVisible()) {
            f->repaint();
            painted = std::chrono::steady_clock::now();
            f->Close();
            return painted;
        }
    std::fprintf(stderr, "the menu item opened no window\n");
    std::exit(1);
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
    OpenByMenu(app, Form1->TabeladeTipos1);
    Settle();
    PrintMemory("type_chart");
    app.CreateForm(FormGolpes);
    FormGolpes->show();
    Settle();
    FormGolpes->ChooseMove(*MovesView::Move::Named("Thunderbolt"));
    FormGolpes->ChooseCreature(*species::Creature::FromNumber(25));
    FormGolpes->repaint();
    FormGolpes->hide();
    Settle();
    PrintMemory("moves_window");
    OpenByMenu(app, Form1->OndeEncontrar1);
    Settle();
    PrintMemory("where_window");
    // The damage calculator by its menu item, created on first use as the
    // program does, on one worked case.
    OpenByMenu(app, Form1->CalculadoradeDano1);
    FormDano->show();
    FormDano->ChooseDefender(130);
    FormDano->ChooseMove(FindMove("Thunderbolt"));
    FormDano->repaint();
    FormDano->hide();
    Settle();
    PrintMemory("damage_window");
    // The trainers window by its menu item, then on Misty's gym.
    OpenByMenu(app, Form1->Treinadores1);
    FormTreinadores->ChoosePlace(encounters::Place::CeruleanGym);
    FormTreinadores->repaint();
    FormTreinadores->hide();
    Settle();
    PrintMemory("trainers_window");
    OpenByMenu(app, Form1->MinhaEquipe1);
    FormEquipe->hide();
    Settle();
    PrintMemory("team_window");
    return 0;
}

int FirstOpen(TApplication& app, const char* which)
{
    const bool created = std::strcmp(which, "tmhm-new") == 0;
    TMenuItem* const item = std::strcmp(which, "tmhm") == 0 || created ? Form1->ListadeTMseHMs1
                            : std::strcmp(which, "tipos") == 0         ? Form1->TabeladeTipos1
                            : std::strcmp(which, "golpes") == 0        ? Form1->ListadeGolpes1
                            : std::strcmp(which, "onde") == 0          ? Form1->OndeEncontrar1
                            : std::strcmp(which, "dano") == 0          ? Form1->CalculadoradeDano1
                            : std::strcmp(which, "treinadores") == 0   ? Form1->Treinadores1
                            : std::strcmp(which, "equipe") == 0        ? Form1->MinhaEquipe1
                                                                       : nullptr;
    if (!item) {
        std::fprintf(stderr, "--first-open tmhm|tmhm-new|tipos|golpes|onde|dano|treinadores|equipe\n");
        return 2;
    }
    Form1->show();
    Settle();
    CALLGRIND_TOGGLE_COLLECT;
    const long long cpuStart = ThreadCpuMicroseconds();
    const auto start = std::chrono::steady_clock::now();
    if (created) {
        TFormTmHm* fresh = nullptr;
        app.CreateForm(fresh);
        FormTmHm = fresh; // the menu item opens this one
    }
    const auto painted = OpenByMenu(app, item);
    const long long cpu = ThreadCpuMicroseconds() - cpuStart;
    CALLGRIND_TOGGLE_COLLECT;
    std::printf("first_open %s us=%lld cpu_us=%lld\n", which,
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(painted - start).count()),
                cpu);
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
        FormGolpes->NameFilter->SetText(whole ? "" : "s");
        whole = !whole;
    }
    state.counters["listed"] = static_cast<double>(FormGolpes->View().Moves().Rows.size());
}

// One sort of the whole moves table (165 rows) by a title: each column in
// turn, each way, as clicks on the titles would; the chosen row kept. With
// argument 1 the table is also repainted, as the screen shows it.
void MovesShown()
{
    if (!FormGolpes) {
        Application->CreateForm(FormGolpes);
        FormGolpes->show();
        Settle();
    }
    FormGolpes->NameFilter->SetText("");
}

void BM_MovesSort(benchmark::State& state)
{
    MovesShown();
    TListView* table = FormGolpes->MovesTable;
    const int columns = table->ColumnCount();
    int turn = 0;
    for (auto _ : state) {
        table->SortBy(turn / 2 % columns, turn % 2 == 0);
        ++turn;
        if (state.range(0))
            table->viewport()->repaint();
    }
    state.counters["rows"] = table->RowCount();
}

// The peer: Qt's own way to the same table, the same cells in a
// QStandardItemModel behind a QSortFilterProxyModel (texts compared without
// case), shown in a sortable QTableView of the same size, font and column widths in
// our table's place, sorted by its titles' order and repainted in the same turns.
void BM_MovesSortQtPeer(benchmark::State& state)
{
    MovesShown();
    const TListView* ours = FormGolpes->MovesTable;
    QStandardItemModel model(ours->RowCount(), ours->ColumnCount());
    for (int row = 0; row < ours->RowCount(); ++row)
        for (int column = 0; column < ours->ColumnCount(); ++column)
            model.setItem(row, column, new QStandardItem(ToQt(ours->Cell(row, column))));
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model);
    proxy.setSortCaseSensitivity(Qt::CaseInsensitive);
    // In our table's place in the same window, over it: the same
    // surroundings to paint under it.
    QTableView view(ours->parentWidget());
    view.setModel(&proxy);
    view.setFont(ours->font());
    view.setGeometry(ours->geometry());
    for (int column = 0; column < ours->ColumnCount(); ++column)
        view.setColumnWidth(column, ours->columnWidth(column));
    view.verticalHeader()->setVisible(false);
    view.verticalHeader()->setDefaultSectionSize(16);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setSortingEnabled(true); // its titles show the order, as ours do
    view.selectRow(0);
    view.show();
    view.raise();
    Settle();
    const int columns = ours->ColumnCount();
    int turn = 0;
    for (auto _ : state) {
        view.sortByColumn(turn / 2 % columns, turn % 2 == 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
        ++turn;
        if (state.range(0))
            view.viewport()->repaint();
    }
    state.counters["rows"] = model.rowCount();
}

// One change of creature, or of place, in the "where to find" window: its
// lines computed and listed. Each iteration takes the next one, so a run
// walks them all.
void OndeShown()
{
    if (!FormOnde) {
        Application->CreateForm(FormOnde);
        FormOnde->show();
        Settle();
    }
}

void BM_OndeCreature(benchmark::State& state)
{
    OndeShown();
    int number = 0;
    for (auto _ : state) {
        FormOnde->ChooseCreature(*species::Creature::FromNumber(number));
        number = (number + 1) % (species::Creature::Highest + 1);
    }
}

void BM_OndePlace(benchmark::State& state)
{
    OndeShown();
    const std::vector<encounters::Place> places = FormOnde->View().Places();
    std::size_t line = 0;
    for (auto _ : state) {
        FormOnde->ChoosePlace(places[line]);
        line = (line + 1) % places.size();
    }
    state.counters["places"] = static_cast<double>(places.size());
}

// One change of place, or of big battle, in the trainers window: its
// trainers and the first one's party computed and listed. Each iteration
// takes the next one, so a run walks them all.
void TreinadoresShown()
{
    if (!FormTreinadores) {
        Application->CreateForm(FormTreinadores);
        FormTreinadores->show();
        Settle();
    }
}

void BM_TreinadoresPlace(benchmark::State& state)
{
    TreinadoresShown();
    const std::vector<encounters::Place> places = FormTreinadores->View().Places();
    std::size_t line = 0;
    for (auto _ : state) {
        FormTreinadores->ChoosePlace(places[line]);
        line = (line + 1) % places.size();
    }
    state.counters["places"] = static_cast<double>(places.size());
}

void BM_TreinadoresBattle(benchmark::State& state)
{
    TreinadoresShown();
    TComboBox* battles = FormTreinadores->BattleChooser;
    int line = 0;
    for (auto _ : state) {
        battles->SetItemIndex(line);
        FormTreinadores->BattleChosen(battles);
        line = (line + 1) % battles->Items().Count();
    }
    state.counters["battles"] = battles->Items().Count();
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
        else if (std::strcmp(argv[i], "--first-open") == 0 && i + 1 < argc)
            return FirstOpen(app, argv[i + 1]);
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
    benchmark::RegisterBenchmark("MovesFilter/one_keystroke", BM_MovesFilterKeystroke)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MovesSort/165_rows", BM_MovesSort)->Arg(0)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MovesSort+repaint/165_rows", BM_MovesSort)->Arg(1)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MovesSort/165_rows_qt_peer", BM_MovesSortQtPeer)
        ->Arg(0)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MovesSort+repaint/165_rows_qt_peer", BM_MovesSortQtPeer)
        ->Arg(1)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Onde/each_creature", BM_OndeCreature)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Treinadores/each_place", BM_TreinadoresPlace)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Treinadores/each_battle", BM_TreinadoresBattle)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Onde/each_place", BM_OndePlace)->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
