// The picture control on screen (offscreen platform): placement and pixels
// as painted into its window, crispness at a scale factor, the threaded frame
// clock playing real files, definitions decoded when the window is created,
// and a stress of controls created, animated and destroyed.
//
// With FAUNETA_RENDER_DIR set, the pictures these tests look at are also
// written there as PNG files, to be looked at by a person.
#include "tests/gif/TinyGif.h"
#include "tests/support/Watchdog.h"
#include "widgets/Application.h"
#include "widgets/DefinitionReader.h"
#include "widgets/Form.h"
#include "widgets/GIFImage.h"
#include "widgets/SysUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <set>

namespace {

using namespace tiny;

constexpr QRgb kParent = 0xFFC0C0C0; // clSilver, the window's colour in these tests

class TPicForm : public TForm {
public:
    static const FormClass& StaticFormClass()
    {
        static const FormClass info = FormTable<TPicForm>().Field("Pic", &TPicForm::Pic).Build("TPicForm", "");
        return info;
    }
    const FormClass& FormClassInfo() const override { return StaticFormClass(); }
    TGIFImage* Pic = nullptr;
};

void Save(const QImage& image, const char* name)
{
    if (const char* dir = std::getenv("FAUNETA_RENDER_DIR")) {
        QDir().mkpath(dir);
        image.save(QString(dir) + "/" + name + ".png");
    }
}

// Pumps events until `done` or the time is up.
bool PumpUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qSleep(1);
    }
    return true;
}

void Pump(int ms)
{
    PumpUntil([] { return false; }, ms);
}

struct Screen : ::testing::Test {
    TApplication app;
    std::unique_ptr<TPicForm> form = std::make_unique<TPicForm>();
    Watchdog watchdog{std::chrono::seconds(60)};

    void SetUp() override
    {
        form->SetClientWidth(240);
        form->SetClientHeight(240);
        form->SetColor(clSilver);
        form->Show();
        Pump(20);
    }
    TGIFImage* Add(const Bytes& bytes, int left, int top, int width, int height)
    {
        auto* g = new TGIFImage(form.get());
        g->SetParent(form.get());
        g->SetBounds(left, top, width, height);
        if (!bytes.empty()) {
            TMemoryStream s(bytes);
            EXPECT_TRUE(g->LoadFromStream(s));
        }
        return g;
    }
    // The window's client area as it stands on screen.
    QImage Grab(const char* name = nullptr)
    {
        Pump(10);
        QImage image = form->ClientWidget()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        if (name)
            Save(image, name);
        return image;
    }
};

// w x h of `fill`, with single pixels of other colours.
Bytes Marked(int w, int h, unsigned fill, std::initializer_list<std::tuple<int, int, unsigned>> marks)
{
    Frame f = Solid(0, 0, w, h, fill);
    for (auto [x, y, c] : marks)
        f.pixels[std::size_t(y * w + x)] = c;
    return Make(w, h, {f});
}

QRgb Col(unsigned index)
{
    return kColours[index];
}

Bytes TwoFrames(unsigned first, unsigned second, int loop = -1)
{
    return Make(2, 2, {Solid(0, 0, 2, 2, first), Solid(0, 0, 2, 2, second)}, loop);
}

// ---- placement and painting ----

TEST_F(Screen, CenterPlacesALargerPictureAtNegativeOffsets)
{
    auto* g = Add(Marked(96, 96, R, {{4, 7, B}, {91, 88, G}}), 10, 10, 88, 81);
    g->SetCenter(true);
    EXPECT_EQ(g->DestRect(), (gif::Rect{-4, -7, 92, 89}));
    const QImage img = Grab("center-96-in-88x81");
    EXPECT_EQ(img.pixel(10, 10), Col(B)); // picture pixel (4,7) at the control's corner
    EXPECT_EQ(img.pixel(11, 10), Col(R));
    EXPECT_EQ(img.pixel(10 + 87, 10 + 80), Col(R));
    EXPECT_EQ(img.pixel(10 + 87, 10 + 81), kParent); // clipped to the control
    EXPECT_EQ(img.pixel(9, 10), kParent);
}

TEST_F(Screen, StretchRatioKeepsProportionsNearestNeighbour)
{
    auto* g = Add(Marked(100, 50, R, {{0, 0, G}, {99, 49, B}}), 20, 20, 200, 200);
    g->SetStretchRatio(true);
    EXPECT_TRUE(g->NeedsStretch());
    EXPECT_EQ(g->DestRect(), (gif::Rect{0, 50, 200, 150}));
    const QImage img = Grab("stretchratio-100x50-in-200x200");
    EXPECT_EQ(img.pixel(20 + 100, 20 + 49), kParent);
    // Each picture pixel becomes a sharp 2x2 block.
    for (auto [x, y] : {std::pair{0, 50}, {1, 50}, {0, 51}, {1, 51}})
        EXPECT_EQ(img.pixel(20 + x, 20 + y), Col(G)) << x << "," << y;
    EXPECT_EQ(img.pixel(20 + 2, 20 + 50), Col(R));
    EXPECT_EQ(img.pixel(20 + 199, 20 + 149), Col(B));
    EXPECT_EQ(img.pixel(20 + 197, 20 + 148), Col(R));
    EXPECT_EQ(img.pixel(20 + 100, 20 + 150), kParent);
}

TEST_F(Screen, StretchFillsTheControlWithoutBlendingColours)
{
    Frame f = Solid(0, 0, 2, 1, R);
    f.pixels = {R, G};
    auto* g = Add(Make(2, 1, {f}), 0, 0, 9, 4);
    g->SetStretch(true);
    const QImage img = Grab();
    std::set<QRgb> seen;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x)
            seen.insert(img.pixel(x, y));
    EXPECT_EQ(seen, (std::set<QRgb>{Col(R), Col(G)}));
    EXPECT_EQ(img.pixel(0, 0), Col(R));
    EXPECT_EQ(img.pixel(8, 3), Col(G));
}

TEST_F(Screen, TileDrawsPartlyVisibleCells)
{
    auto* g = Add(Marked(40, 40, R, {{0, 0, G}, {39, 39, B}}), 30, 30, 100, 90);
    g->SetTile(true);
    const QImage img = Grab("tile-40-in-100x90");
    int cells = 0;
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            cells += img.pixel(30 + col * 40, 30 + row * 40) == Col(G);
    EXPECT_EQ(cells, 9);
    EXPECT_EQ(img.pixel(30 + 79, 30 + 79), Col(B));
    EXPECT_EQ(img.pixel(30 + 99, 30 + 89), Col(R)); // inside the partly visible last cell
    EXPECT_EQ(img.pixel(30 + 100, 30 + 89), kParent);
}

Bytes HalfTransparent()
{
    Frame f = Solid(0, 0, 4, 4, R);
    for (int i = 8; i < 16; ++i)
        f.pixels[std::size_t(i)] = W;
    f.transparent = W;
    return Make(4, 4, {f});
}

TEST_F(Screen, TransparentPicturesShowWhatLiesBeneathOrTheOpaqueColour)
{
    auto* g = Add(HalfTransparent(), 5, 5, 8, 8);
    QImage img = Grab();
    EXPECT_EQ(img.pixel(5, 5), Col(R));
    EXPECT_EQ(img.pixel(5, 5 + 2), kParent);     // transparent rows
    EXPECT_EQ(img.pixel(5 + 6, 5 + 6), kParent); // outside the picture
    EXPECT_FALSE(g->CoversClient());

    g->SetOpaque(true);
    g->SetColor(clYellow);
    img = Grab("opaque-yellow-under-transparent");
    EXPECT_EQ(img.pixel(5, 5), Col(R));
    EXPECT_EQ(img.pixel(5, 5 + 2), Col(Y));
    EXPECT_EQ(img.pixel(5 + 6, 5 + 6), Col(Y));

    // Visible False paints nothing, not even the background, and keeps the clicks.
    int clicks = 0;
    g->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    g->SetVisible(false);
    img = Grab();
    EXPECT_EQ(img.pixel(5, 5), kParent);
    EXPECT_EQ(img.pixel(5 + 6, 5 + 6), kParent);
    QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(clicks, 1);
}

TEST_F(Screen, OpaquePicturesCoverTheirAreaAndEmptyOnesPaintOnlyTheBackground)
{
    auto* g = Add(Marked(4, 4, M, {}), 0, 0, 4, 4);
    EXPECT_TRUE(g->CoversClient());
    EXPECT_TRUE(g->testAttribute(Qt::WA_OpaquePaintEvent));
    g->SetBounds(0, 0, 6, 4);
    EXPECT_FALSE(g->CoversClient());
    g->SetStretch(true);
    EXPECT_TRUE(g->CoversClient());

    g->Clear();
    g->SetOpaque(true);
    g->SetColor(clBlue);
    const QImage img = Grab();
    EXPECT_EQ(img.pixel(1, 1), Col(B));
}

TEST_F(Screen, CrispAtAScaleFactor)
{
    Frame f = Solid(0, 0, 3, 2, R);
    f.pixels = {R, G, B, Y, M, C};
    auto* g = Add(Make(3, 2, {f}), 0, 0, 3, 2);
    for (qreal dpr : {2.0, 1.5}) {
        QImage target(int(3 * dpr + 2), int(2 * dpr + 2), QImage::Format_ARGB32);
        target.fill(0xFF000000);
        target.setDevicePixelRatio(dpr);
        {
            QPainter p(&target);
            g->DrawImage(p);
        }
        Save(target, dpr == 2.0 ? "crisp-dpr2" : "crisp-dpr1.5");
        // Only the picture's own colours, on whole device pixels.
        std::set<QRgb> allowed{0xFF000000};
        for (unsigned c : {R, G, B, Y, M, C})
            allowed.insert(Col(c));
        for (int y = 0; y < target.height(); ++y)
            for (int x = 0; x < target.width(); ++x)
                EXPECT_TRUE(allowed.count(target.pixel(x, y))) << dpr << ": " << x << "," << y;
        if (dpr == 2.0) {
            EXPECT_EQ(target.pixel(0, 0), Col(R));
            EXPECT_EQ(target.pixel(1, 1), Col(R));
            EXPECT_EQ(target.pixel(2, 0), Col(G));
            EXPECT_EQ(target.pixel(5, 3), Col(C));
            EXPECT_EQ(target.pixel(6, 3), 0xFF000000u);
        }
    }
}

TEST_F(Screen, CompositionOnScreenMatchesTheCoreForEachDisposal)
{
    // Frame 1 transparent in a corner, so the picture is drawn through its
    // mask; or opaque, so it is drawn opaquely and its clear areas show black.
    for (const bool throughMask : {true, false})
        for (int disposal = 0; disposal <= 3; ++disposal) {
            SCOPED_TRACE(std::to_string(disposal) + (throughMask ? " through the mask" : " opaquely"));
            Frame f1 = Solid(0, 0, 4, 4, R);
            if (throughMask) {
                f1.pixels[15] = W;
                f1.transparent = W;
            }
            Frame f2 = Solid(1, 1, 2, 2, G);
            f2.disposal = disposal;
            f2.pixels[0] = W;
            f2.transparent = W;
            auto* g = Add(Make(4, 4, {f1, f2, Solid(0, 0, 1, 1, B)}), 0, 0, 4, 4);
            g->SetCurrentFrame(2);
            g->SetCurrentFrame(3);
            const QImage img = Grab();
            const auto& c = g->Animation().Composer();
            const std::string expected[] = {"BRRR/RRGR/RGGR/RRR./", "BRRR/RRGR/RGGR/RRR./", "BRRR/R..R/R..R/RRR./",
                                            "BRRR/RRRR/RRRR/RRR./"};
            std::string want = expected[disposal];
            if (!throughMask) {
                std::replace(want.begin(), want.end(), '.', 'K');
                want[18] = 'R';
            }
            std::string seen;
            for (int y = 0; y < 4; ++y) {
                for (int x = 0; x < 4; ++x) {
                    const QRgb px = img.pixel(x, y);
                    EXPECT_EQ(px, c.TransparentAt(x, y) && throughMask ? kParent : c.At(x, y));
                    seen += px == kParent  ? '.'
                            : px == Col(R) ? 'R'
                            : px == Col(G) ? 'G'
                            : px == Col(B) ? 'B'
                            : px == Col(K) ? 'K'
                                           : '?';
                }
                seen += '/';
            }
            EXPECT_EQ(seen, want);
            if (!throughMask && disposal == 2) {
                // Stretched, the black under the picture covers exactly its area.
                g->SetBounds(0, 0, 8, 8);
                g->SetStretch(true);
                const QImage big = Grab("opaque-with-clear-area-stretched");
                for (int y = 0; y < 9; ++y)
                    for (int x = 0; x < 9; ++x) {
                        const QRgb under = x == 8 || y == 8 ? kParent : c.At(x / 2, y / 2);
                        EXPECT_EQ(big.pixel(x, y), under) << x << "," << y;
                    }
            }
            delete g;
        }
}

// ---- loading, sizing, copying ----

TEST_F(Screen, AutoSizeAssignAndBitmap)
{
    auto* a = Add(Marked(7, 5, G, {{0, 0, R}}), 0, 0, 50, 50);
    a->SetAutoSize(true);
    EXPECT_EQ(a->Width(), 7);
    EXPECT_EQ(a->Height(), 5);
    auto* b = Add({}, 60, 0, 20, 20);
    b->SetAutoSize(true);
    b->Assign(a);
    EXPECT_EQ(b->Width(), 7);
    EXPECT_EQ(b->DataBytes().Bytes(), a->DataBytes().Bytes());

    QImage bmp;
    b->AssignTo(bmp);
    ASSERT_EQ(bmp.size(), QSize(7, 5));
    EXPECT_EQ(bmp.pixel(0, 0), Col(R));
    EXPECT_EQ(bmp.pixel(6, 4), Col(G));

    b->Assign(nullptr);
    EXPECT_TRUE(b->Empty());
    EXPECT_TRUE(b->GetBitmap().isNull());
    EXPECT_THROW(b->Assign(form.get()), Exception);
}

TEST_F(Screen, ADefinitionsPictureIsDecodedWhenTheWindowIsCreated)
{
    Frame a = Solid(0, 0, 3, 3, R), b2 = Solid(0, 0, 3, 3, G);
    const Bytes gif = Make(3, 3, {a, b2}, 0);
    std::string hex;
    const std::uint32_t n = std::uint32_t(gif.size());
    Bytes data = {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(n >> 16), std::uint8_t(n >> 24)};
    data.insert(data.end(), gif.begin(), gif.end());
    for (std::uint8_t byte : data) {
        static const char* digits = "0123456789ABCDEF";
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    TPicForm f;
    ReadForm(f,
             "object PicForm: TPicForm\n  ClientWidth = 50\n  ClientHeight = 50\n"
             "  object Pic: TGIFImage\n    Left = 1\n    Top = 1\n    Width = 3\n    Height = 3\n"
             "    Animate = False\n    Data = {\n      " +
                 hex + "}\n  end\nend\n",
             "pic.form");
    ASSERT_NE(f.Pic, nullptr);
    EXPECT_FALSE(f.Pic->Empty());
    EXPECT_EQ(f.Pic->FrameCount(), 2);
    EXPECT_EQ(f.Pic->LoopCount(), 0);
    // Animate False: frame 1 stays and the clock never starts.
    f.Show();
    Pump(150);
    EXPECT_FALSE(f.Pic->Timer().Enabled());
    EXPECT_EQ(f.ClientWidget()->grab().toImage().pixel(2, 2), Col(R));
}

TEST_F(Screen, ProgressReportsTheReadPositionAndItsAbortEmptiesTheControl)
{
    const Bytes gif = Make(2, 2, {Solid(0, 0, 2, 2, R), Solid(0, 0, 2, 2, G), Solid(0, 0, 2, 2, B)});
    auto* g = Add({}, 0, 0, 2, 2);
    std::vector<std::int32_t> positions, percents;
    int abortAt = -1;
    g->OnProgress = TProgressEvent([&](TObject*, std::int32_t pos, std::int32_t size, std::int32_t pct, bool& go) {
        EXPECT_EQ(size, std::int32_t(gif.size()));
        positions.push_back(pos);
        percents.push_back(pct);
        if (int(positions.size()) == abortAt)
            go = false;
    });
    TMemoryStream s(gif);
    ASSERT_TRUE(g->LoadFromStream(s));
    ASSERT_GE(positions.size(), 4u); // each block, then the end
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
    EXPECT_EQ(percents.back(), 100);

    positions.clear();
    abortAt = 3;
    TMemoryStream again(gif);
    EXPECT_FALSE(g->LoadFromStream(again));
    EXPECT_EQ(positions.size(), 3u);
    EXPECT_TRUE(g->Empty());
    EXPECT_EQ(g->FrameCount(), 0);
    EXPECT_EQ(g->DataBytes().Size(), 0);
    // The next load starts with the flag set again.
    abortAt = -1;
    TMemoryStream third(gif);
    EXPECT_TRUE(g->LoadFromStream(third));
}

// What the window shows right now, from its back buffer (no new painting).
QRgb OnScreen(TForm& form, int x, int y)
{
    const QPoint p = form.ClientWidget()->mapTo(&form, QPoint(x, y));
    return form.windowHandle()->screen()->grabWindow(form.winId(), p.x(), p.y(), 1, 1).toImage().pixel(0, 0);
}

TEST_F(Screen, AFrameChangeRepaintsOnlyThePicturesRectangleAtOnce)
{
    // One picture that covers its area, one drawn through its mask whose
    // second frame leaves a hole where the first was opaque.
    auto* covering = Add(TwoFrames(R, G), 10, 10, 2, 2);
    Frame hole = Solid(0, 0, 2, 2, B);
    hole.disposal = 2;
    hole.transparent = W;
    Frame second = Solid(0, 0, 2, 2, Y);
    second.pixels[0] = W;
    second.transparent = W;
    auto* masked = Add(Make(2, 2, {hole, second}), 20, 10, 2, 2);
    auto* other = Add(TwoFrames(B, Y), 100, 100, 2, 2);
    Pump(30);
    EXPECT_TRUE(covering->CoversClient());
    EXPECT_FALSE(masked->CoversClient());
    struct PaintCounter : QObject {
        int paints = 0;
        QRegion region; // of the last paint
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint) {
                ++paints;
                region = static_cast<QPaintEvent*>(e)->region();
            }
            return false;
        }
    } coveringPaints, otherPaints, parentPaints;
    covering->installEventFilter(&coveringPaints);
    other->installEventFilter(&otherPaints);
    form->ClientWidget()->installEventFilter(&parentPaints);

    // Drawn and repainted synchronously: no event loop in between.
    covering->SetCurrentFrame(2);
    EXPECT_EQ(coveringPaints.paints, 1);
    EXPECT_EQ(parentPaints.paints, 0); // nothing beneath to paint
    EXPECT_EQ(OnScreen(*form, 11, 11), Col(G));
    EXPECT_EQ(OnScreen(*form, 20, 10), Col(B));
    masked->SetCurrentFrame(2);
    EXPECT_EQ(parentPaints.paints, 1); // the window paints beneath the hole
    EXPECT_EQ(OnScreen(*form, 20, 10), kParent);
    EXPECT_EQ(OnScreen(*form, 21, 11), Col(Y));
    EXPECT_EQ(otherPaints.paints, 0);
    for (QObject* o :
         {static_cast<QObject*>(covering), static_cast<QObject*>(other), static_cast<QObject*>(form->ClientWidget())})
        o->removeEventFilter(o == covering ? &coveringPaints : o == other ? &otherPaints : &parentPaints);

    // A large picture: only the areas the step changed are painted, the frame
    // just disposed of and the one drawn, where the placement shows them.
    Frame small = Solid(10, 10, 4, 4, G), corner = Solid(30, 30, 2, 2, B);
    small.disposal = 2;
    auto* large = Add(Make(40, 40, {Solid(0, 0, 40, 40, R), small, corner}), 100, 10, 60, 60);
    large->SetCenter(true); // at (10, 10) in the control
    Pump(30);
    PaintCounter largePaints;
    large->installEventFilter(&largePaints);
    large->SetCurrentFrame(2);
    EXPECT_EQ(largePaints.region, QRegion(20, 20, 4, 4));
    large->SetCurrentFrame(3);
    EXPECT_EQ(largePaints.region, QRegion(20, 20, 4, 4) + QRegion(40, 40, 2, 2));
    EXPECT_EQ(OnScreen(*form, 100 + 20, 10 + 20), Col(K)); // disposed of to black
    EXPECT_EQ(OnScreen(*form, 100 + 41, 10 + 41), Col(B));
    // Stretched to twice the size: the same areas, scaled (a pixel more
    // around them for the scaling's rounding).
    large->SetCenter(false);
    large->SetBounds(100, 10, 80, 80);
    large->SetStretch(true);
    Pump(30);
    large->SetCurrentFrame(2); // frame 3 leaves its area as it is
    const QRect bounds = largePaints.region.boundingRect();
    EXPECT_TRUE(bounds.contains(QRect(20, 20, 8, 8))) << bounds.x() << "," << bounds.y();
    EXPECT_TRUE(QRect(19, 19, 10, 10).contains(bounds)) << bounds.width() << "x" << bounds.height();
    // What the partial repaint left on screen is what a whole new paint shows.
    const QPoint at = form->ClientWidget()->mapTo(form.get(), QPoint(100, 10));
    const QImage shown = form->windowHandle()
                             ->screen()
                             ->grabWindow(form->winId(), at.x(), at.y(), 80, 80)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32);
    const QImage whole = Grab().copy(100, 10, 80, 80);
    EXPECT_EQ(shown, whole);
    EXPECT_EQ(shown.pixel(20, 20), Col(G));
    large->removeEventFilter(&largePaints);
}

TEST_F(Screen, HiddenBeforeItHasAParentStillTakesClicks)
{
    auto* g = new TGIFImage(form.get());
    g->SetVisible(false);
    g->SetParent(form.get());
    g->SetBounds(0, 0, 20, 20);
    int clicks = 0;
    g->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    Pump(10);
    QTest::mouseClick(g, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
}

// ---- the frame clock on the real timer ----

TEST_F(Screen, WithoutLoopingPlaysOnceStopsOnFrameTwoAndLoopRepeats)
{
    auto* g = Add(TwoFrames(R, G), 0, 0, 2, 2);
    int wraps = 0;
    g->OnWrapAnimation = TNotifyEvent([&](TObject*) { ++wraps; });
    g->SetAnimate(true);
    ASSERT_TRUE(PumpUntil([&] { return wraps > 0; }, 5000));
    Pump(300); // 6 frame delays more: nothing else comes
    EXPECT_EQ(wraps, 1);
    EXPECT_FALSE(g->Timer().Enabled());
    EXPECT_EQ(Grab().pixel(0, 0), Col(G));

    g->SetLoop(true);
    EXPECT_TRUE(g->Timer().Enabled());
    ASSERT_TRUE(PumpUntil([&] { return wraps >= 4; }, 5000));
    EXPECT_TRUE(g->Timer().Enabled());

    // Stopping returns to frame 1.
    g->SetAnimate(false);
    EXPECT_FALSE(g->Timer().Enabled());
    EXPECT_EQ(g->CurrentFrame(), 1);
    EXPECT_EQ(Grab().pixel(0, 0), Col(R));
}

TEST_F(Screen, ANewLoadWhilePlayingStopsAndTheNewPicturePlaysAfterItsPaint)
{
    auto* g = Add(TwoFrames(R, G, 0), 0, 0, 2, 2);
    std::vector<QRgb> shown;
    g->OnChange = TNotifyEvent([&](TObject*) { shown.push_back(g->Animation().Composer().At(0, 0)); });
    g->SetAnimate(true);
    g->SetSpeed(200);
    ASSERT_TRUE(PumpUntil([&] { return shown.size() >= 4; }, 5000));

    TMemoryStream s(TwoFrames(B, Y, 0));
    ASSERT_TRUE(g->LoadFromStream(s));
    EXPECT_FALSE(g->Timer().Enabled()); // stopped by the load
    EXPECT_EQ(g->CurrentFrame(), 1);
    EXPECT_EQ(g->Animation().Composer().At(0, 0), Col(B));
    EXPECT_TRUE(g->Animate());
    EXPECT_EQ(g->Speed(), 200);
    shown.clear();
    ASSERT_TRUE(PumpUntil([&] { return shown.size() >= 5; }, 5000)); // started again by the paint
    EXPECT_TRUE(g->Timer().Enabled());
    for (QRgb c : shown)
        EXPECT_TRUE(c == Col(B) || c == Col(Y));
}

TEST_F(Screen, TheThreadedClockIsTheDefaultAndTheMessageClockPlaysToo)
{
    auto* g = Add(TwoFrames(R, G, 0), 0, 0, 2, 2);
    EXPECT_TRUE(g->Threaded());
    ASSERT_NE(g->Timer().TimerThread(), nullptr);
    EXPECT_FALSE(g->Timer().ThreadSafe());
    g->SetThreaded(false);
    EXPECT_EQ(g->Timer().TimerThread(), nullptr);
    int wraps = 0;
    g->OnWrapAnimation = TNotifyEvent([&](TObject*) { ++wraps; });
    g->SetAnimate(true);
    ASSERT_TRUE(PumpUntil([&] { return wraps >= 2; }, 5000));
}

// ---- stress ----

TEST_F(Screen, ControlsCreatedAnimatedAndDestroyedInAnyOrder)
{
    std::mt19937 rng(7);
    std::vector<TGIFImage*> live;
    int ticksSeen = 0;
    for (int round = 0; round < 12; ++round) {
        for (int i = 0; i < 6; ++i) {
            auto* g =
                Add(TwoFrames(R, unsigned(2 + rng() % 6), int(rng() % 3)), int(rng() % 200), int(rng() % 200), 8, 8);
            g->SetSpeed(1000 + int(rng() % 1000)); // 5 ms frames: ticks all the time
            g->SetLoop(rng() % 2);
            g->SetThreaded(rng() % 5 != 0);
            g->OnChange = TNotifyEvent([&](TObject*) { ++ticksSeen; });
            g->SetAnimate(true);
            live.push_back(g);
        }
        Pump(30);
        // Some go while their ticks are due or queued, one from inside its own tick.
        std::shuffle(live.begin(), live.end(), rng);
        for (int i = 0; i < 3 && !live.empty(); ++i) {
            delete live.back();
            live.pop_back();
        }
        if (!live.empty()) {
            TGIFImage* victim = live.back();
            live.pop_back();
            victim->OnChange = TNotifyEvent([victim](TObject*) { victim->deleteLater(); });
        }
        if (round % 4 == 3 && !live.empty()) {
            TMemoryStream s(TwoFrames(Y, C, 0));
            live.front()->LoadFromStream(s);
        }
    }
    Pump(50);
    EXPECT_GT(ticksSeen, 0);
    // The window goes with every control still playing: it ends at once.
    form.reset();
    Pump(20);
}

} // namespace
