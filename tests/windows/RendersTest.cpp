// Every window renders exactly as its reference image (tests/windows/renders):
// the seven windows as created, the main window with an entry shown, the
// moves window on Thunderbolt and #025, and the
// About window's mascot at each of its frames. A change to how pictures are
// composed or painted must leave these pixel for pixel the same.
// the seven windows as created, the main window with an entry shown, the type
// chart opened over it, and the About window's mascot at each of its frames.
// A change to how pictures are composed or painted must leave these pixel for
// pixel the same.
//
// The references are rendered at scale factor 1 with the fonts the program
// maps its definitions' fonts to. After an intended change of the look,
// regenerate them with FAUNETA_UPDATE_RENDERS=1 and look at them. A mismatch
// writes the render and a difference image to <build>/tests/renders-diff.
#include "WindowsFixture.h"

#include "data/Moves.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTipos.h"
#include "widgets/GIFImage.h"
#include "widgets/SysUtils.h"

#include <QDir>
#include <QFontInfo>
#include <QPainter>

#include <cstdlib>

namespace {

const QString kReferences = QStringLiteral(FAUNETA_SOURCE_DIR "/tests/windows/renders/");

struct Renders : Windows {
    std::vector<std::string> failures;
    int compared = 0;

    static QImage Shoot(TForm* form)
    {
        QApplication::processEvents();
        return form->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    }

    void Check(const QImage& got, const QString& name)
    {
        ++compared;
        const QString file = kReferences + name + QStringLiteral(".png");
        if (std::getenv("FAUNETA_UPDATE_RENDERS")) {
            QDir().mkpath(kReferences);
            ASSERT_TRUE(got.save(file, "PNG", 0)) << qPrintable(file); // smallest file
            return;
        }
        const QImage want = QImage(file).convertToFormat(QImage::Format_ARGB32);
        if (want.isNull()) {
            failures.push_back(name.toStdString() + ": no reference image");
            return;
        }
        if (want.size() != got.size()) {
            failures.push_back(name.toStdString() + ": " + std::to_string(got.width()) + "x" +
                               std::to_string(got.height()) + " instead of " + std::to_string(want.width()) + "x" +
                               std::to_string(want.height()));
            return;
        }
        QImage diff(got.size(), QImage::Format_ARGB32);
        diff.fill(Qt::white);
        int wrong = 0;
        QRect where;
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x)
                if (got.pixel(x, y) != want.pixel(x, y)) {
                    ++wrong;
                    where |= QRect(x, y, 1, 1);
                    diff.setPixel(x, y, qRgb(255, 0, 0));
                }
        if (wrong == 0)
            return;
        const QString out = QStringLiteral(FAUNETA_OUT_DIR "/../tests/renders-diff/");
        QDir().mkpath(out);
        got.save(out + name + QStringLiteral(".png"));
        diff.save(out + name + QStringLiteral("-diff.png"));
        failures.push_back(name.toStdString() + ": " + std::to_string(wrong) + " pixels differ in " +
                           std::to_string(where.x()) + "," + std::to_string(where.y()) + " " +
                           std::to_string(where.width()) + "x" + std::to_string(where.height()));
    }
};

TEST_F(Renders, EveryWindowAndEveryMascotFrameAsTheReference)
{
    // The references hold device pixels at scale 1, drawn with the stand-in fonts.
    ASSERT_EQ(Form1->devicePixelRatioF(), 1.0) << "render at scale factor 1 (QT_SCALE_FACTOR unset)";
    for (const FontStandIn& s : FontStandIns()) {
        QFont f;
        f.setFamilies({s.family});
        ASSERT_EQ(QFontInfo(f).family(), s.family) << "font missing: " << qPrintable(s.family);
    }

    for (TForm* form : app.Forms()) {
        const bool wasVisible = form->isVisible();
        form->SetVisible(true);
        // The mascot plays; its first frame stays on show until the first
        // frame delay (a second) is over, long after this render.
        Check(Shoot(form), ToQt(form->Name()));
        form->SetVisible(wasVisible);
    }

    // The main window with an entry shown: its sprite read from "Imagens".
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ListBox1->SetItemIndex(24); // #025
    Form1->ListBox1Click(Form1->ListBox1);
    Check(Shoot(Form1), QStringLiteral("Form1-entry"));

    // The moves window, created as its menu item does, on a move and on the
    // creature the main window shows.
    Application->CreateForm(FormGolpes);
    FormGolpes->SetVisible(true);
    FormGolpes->Edit1->SetText("thunder");
    FormGolpes->ChooseMove(FindMove("Thunderbolt"));
    FormGolpes->ListBox1->setFocus(); // no blinking caret in the picture
    Check(Shoot(FormGolpes), QStringLiteral("FormGolpes"));
    FormGolpes->SetVisible(false);
    // The type chart, created on first use as its menu item does, opened
    // over the entry shown.
    app.CreateForm(FormTipos);
    FormTipos->SetVisible(true);
    Check(Shoot(FormTipos), QStringLiteral("FormTipos"));
    FormTipos->SetVisible(false);

    // The mascot at each frame, as playing composes them one after another.
    // Stopping first keeps the clock from moving it on between the renders.
    FormSobre->SetVisible(true);
    TGIFImage* mascot = FormSobre->GIFImage1;
    ASSERT_GE(mascot->FrameCount(), 2);
    mascot->SetAnimate(false);
    const QRect area(mascot->mapTo(FormSobre, QPoint(0, 0)), mascot->size());
    for (int n = 1; n <= mascot->FrameCount(); ++n) {
        mascot->SetCurrentFrame(n);
        Check(Shoot(FormSobre).copy(area), QStringLiteral("FormSobre-mascot-%1").arg(n));
    }
    FormSobre->SetVisible(false);

    EXPECT_EQ(compared, int(app.Forms().size()) + 1 + mascot->FrameCount()); // FormGolpes is among the forms now
    // The chart is among the forms by now.
    EXPECT_EQ(compared, int(app.Forms().size()) + 1 + mascot->FrameCount());
    for (const std::string& f : failures)
        ADD_FAILURE() << f;
}

} // namespace
