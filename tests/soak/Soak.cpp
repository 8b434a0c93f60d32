// A long run of the real windows, on demand (tools/soak.sh), for leaks and
// memory growth under the sanitizers: the About window's mascot plays at the
// highest speed its control allows, for the whole run, while entries are shown
// one after another by clicks on the list lines and Down-arrow presses, and
// the page buttons are clicked to move on. Resident memory is printed as it
// goes; the end says how far it moved after the warm-up.
//
//   fauneta_soak --folder <dir with Imagens and Dados> [--seconds 600]
//                [--entries 10000] [--ticks 100000] [--warmup 120]
//
// The windows are those of the program, created from their definitions. Two
// things differ from a person at the keyboard, both to load the program more:
// the About window is shown without modality, so the main window takes input
// while the mascot plays; and the mascot is set to Speed = the largest integer
// (every frame for 1 ms, the floor of the frame clock) and Loop = True (its
// file asks for 1000 passes, which would end before the run does), through its
// own properties. Input goes through Qt's event dispatch as synthesized mouse
// and key events on the offscreen platform.
//
// What must stay flat: resident memory in a plain build. Under AddressSanitizer
// resident memory also holds the sanitizer's own books (freed blocks kept back
// to catch late uses, up to 256 MB, and a table of every allocation's call
// stack, which keeps growing as new stacks appear), so there the program's
// live heap, as the sanitizer counts it, is what must stay flat; resident
// memory is printed beside it.
#include "catalogue/Catalogue.h"
#include "forms/Startup.h"
#include "forms/UnitPrincipal.h"
#include "forms/UnitSobre.h"
#include "widgets/Application.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <malloc.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// The sanitizer runtime's count of the bytes the program holds (declared here:
// not every compiler ships the header that declares it).
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
long liveHeapKiB()
{
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
}
#else
constexpr bool kSanitized = false;
long liveHeapKiB()
{
    const struct mallinfo2 m = mallinfo2();
    return long((m.uordblks + m.hblkhd) / 1024);
}
#endif

struct Options {
    std::string folder;
    double seconds = 600;
    int entries = 10000;
    long ticks = 100000;
    double warmup = 120;
};

bool parse(int argc, char** argv, Options& o)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string k = argv[i], v = argv[i + 1];
        if (k == "--folder")
            o.folder = v;
        else if (k == "--seconds")
            o.seconds = std::atof(v.c_str());
        else if (k == "--entries")
            o.entries = std::atoi(v.c_str());
        else if (k == "--ticks")
            o.ticks = std::atol(v.c_str());
        else if (k == "--warmup")
            o.warmup = std::atof(v.c_str());
        else
            return false;
    }
    return !o.folder.empty();
}

// VmRSS / VmHWM of this process, in KiB.
long status(const char* key)
{
    std::ifstream f("/proc/self/status");
    std::string line;
    const std::size_t n = std::strlen(key);
    while (std::getline(f, line))
        if (line.compare(0, n, key) == 0 && line.size() > n && line[n] == ':')
            return std::atol(line.c_str() + n + 1);
    return -1;
}

// Shows catalogue row `row` as a person would: the page button when the row is
// on another page, then a click on its line, or Down from the line above.
void showRow(int row, bool byKey)
{
    const auto [page, item] = Catalogue::ListPositionOfRow(row);
    TListBox* list = Form1->PageList(page);
    if (!list->isVisible()) {
        QPushButton* const buttons[] = {Form1->Button1, Form1->Button2, Form1->Button3,
                                        Form1->Button4, Form1->Button5, Form1->Button6};
        QTest::mouseClick(buttons[page - 1], Qt::LeftButton);
        byKey = false;
    }
    if (byKey && item > 0 && list->currentRow() == item - 1) {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        return;
    }
    list->scrollToItem(list->item(item));
    const QRect r = list->visualItemRect(list->item(item));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_ACCESSIBILITY", "0", 0);
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: %s --folder <dir> [--seconds s] [--entries n] [--ticks n] [--warmup s]\n",
                     argv[0]);
        return 2;
    }

    TApplication app(argc, argv);
    app.SetTitle("Fauneta");
    int boxes = 0;
    app.MessageBoxResponder = [&](const TMessageBoxRequest& req) {
        ++boxes;
        std::fprintf(stderr, "message box: %s\n", req.text.c_str());
        return IDOK;
    };
    CreateAllForms();
    Form1->SetAppDir(o.folder + "/");
    Form1->SetVisible(true);
    FormSobre->SetVisible(true);

    TGIFImage* mascot = FormSobre->GIFImage1;
    long ticks = 0;
    mascot->OnChange = TNotifyEvent([&](TObject*) { ++ticks; });
    mascot->SetLoop(true);
    mascot->SetSpeed(INT_MAX);
    std::printf("mascot: %d frames, speed %d, %u ms a frame, threaded clock %s\n", mascot->FrameCount(),
                mascot->Speed(), mascot->Animation().FrameDelayInterval(1), mascot->Threaded() ? "yes" : "no");
    QApplication::processEvents();

    struct Sample {
        double t;
        int entries;
        long ticks, rss, hwm, heap;
    };
    std::vector<Sample> samples;
    QElapsedTimer clock;
    clock.start();
    const double perEntry = o.seconds / std::max(o.entries, 1);
    const double hardStop = o.seconds * 3 + 60;
    int shown = 0, wrong = 0;
    double nextSample = 0;
    std::printf("%8s %8s %9s %10s %10s %10s\n", "seconds", "entries", "ticks", "RSS KiB", "peak KiB", "heap KiB");
    for (;;) {
        const double t = clock.elapsed() / 1000.0;
        if (t >= nextSample) {
            samples.push_back({t, shown, ticks, status("VmRSS"), status("VmHWM"), liveHeapKiB()});
            const Sample& s = samples.back();
            std::printf("%8.0f %8d %9ld %10ld %10ld %10ld\n", s.t, s.entries, s.ticks, s.rss, s.hwm, s.heap);
            std::fflush(stdout);
            nextSample += 10;
        }
        const bool done = t >= o.seconds && shown >= o.entries && ticks >= o.ticks;
        if (done || t >= hardStop)
            break;
        if (shown < o.entries && shown * perEntry <= t) {
            const int row = shown % Catalogue::RowCount;
            showRow(row, shown % 2 == 1);
            if (Form1->Edit1->Text() != Catalogue::Entry(row).Caption())
                ++wrong;
            ++shown;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 2);
    }
    const Sample end{clock.elapsed() / 1000.0, shown, ticks, status("VmRSS"), status("VmHWM"), liveHeapKiB()};
    samples.push_back(end);
    std::printf("%8.0f %8d %9ld %10ld %10ld %10ld\n", end.t, end.entries, end.ticks, end.rss, end.hwm, end.heap);

    // After the warm-up: where memory started, its range, where it ended.
    const auto from = std::find_if(samples.begin(), samples.end(), [&](const Sample& s) { return s.t >= o.warmup; });
    auto report = [&](const char* what, long Sample::*field) {
        long lo = LONG_MAX, hi = 0;
        for (auto it = from; it != samples.end(); ++it)
            lo = std::min(lo, (*it).*field), hi = std::max(hi, (*it).*field);
        const long growth = end.*field - (*from).*field;
        std::printf(
            "%s after the %.0f s warm-up: %ld KiB at %.0f s, %ld KiB at the end (%+ld KiB), range %ld..%ld KiB\n", what,
            o.warmup, (*from).*field, from->t, end.*field, growth, lo, hi);
        return growth;
    };
    std::printf("entries shown %d (wrong entry on screen: %d), message boxes %d, mascot ticks %ld in %.0f s"
                " (%.0f a second)\n",
                shown, wrong, boxes, ticks, end.t, ticks / std::max(end.t, 1.0));
    long growth = 0;
    if (from != samples.end()) {
        const long rss = report("resident memory", &Sample::rss);
        const long heap = report(kSanitized ? "live heap (as the sanitizer counts it)" : "live heap", &Sample::heap);
        growth = kSanitized ? heap : rss;
        std::printf("judged on %s: must grow less than 1024 KiB\n", kSanitized ? "the live heap" : "resident memory");
    }
    std::fflush(stdout);

    DestroyAllForms();
    const bool ok = shown >= o.entries && ticks >= o.ticks && wrong == 0 && boxes == 0 && growth < 1024;
    std::printf("%s\n", ok ? "SOAK PASSED" : "SOAK FAILED");
    return ok ? 0 : 1;
}
