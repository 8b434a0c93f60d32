// Where the tool windows open: beside the main window the first time, then
// where they were left, in this run and the next; a damaged or missing file
// of places, or a place off today's screen, never keeps one from opening.
#include "WindowsFixture.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitTipos.h"

#include <QFile>
#include <QScreen>

#include <fstream>
#include <limits>

class ToolPlaces : public Windows {
protected:
    // The program closed and started again.
    void Restart()
    {
        DestroyAllForms();
        CreateAllForms();
        Form1->SetVisible(true);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
        QApplication::setActiveWindow(Form1);
        QApplication::processEvents();
    }
    static QRect Screen() { return Form1->screen()->availableGeometry(); }
};

namespace {
// What a place hides: of the main window twice what it hides of the others.
std::int64_t Hidden(const QRect& r, const QRect& main, const std::vector<QRect>& others)
{
    const auto area = [](const QRect& a) { return a.isEmpty() ? 0 : std::int64_t{a.width()} * a.height(); };
    std::int64_t hidden = 2 * area(r & main);
    for (const QRect& o : others)
        hidden += area(r & o);
    return hidden;
}

// The least any place on the screen hides, trying every one of them.
std::int64_t LeastHidden(const QRect& screen, const QRect& main, const std::vector<QRect>& others, const QSize& s)
{
    std::int64_t least = std::numeric_limits<std::int64_t>::max();
    for (int y = screen.top(); y + s.height() <= screen.bottom() + 1; ++y)
        for (int x = screen.left(); x + s.width() <= screen.right() + 1; ++x)
            least = std::min(least, Hidden(QRect(QPoint(x, y), s), main, others));
    return least;
}
} // namespace

TEST_F(ToolPlaces, FirstPlacesHideAsLittleAsTheScreenAllows)
{
    // The real sizes of the tool windows (a title bar added), each opened
    // wholly on today's screen where it fits.
    std::vector<QSize> sizes;
    for (TMenuItem* item :
         {Form1->TabeladeTipos1, Form1->ListadeGolpes1, Form1->OndeEncontrar1, Form1->CalculadoradeDano1,
          Form1->Treinadores1, Form1->MinhaEquipe1, Form1->ChancedeCaptura1}) {
        TForm& f = OpenTool(item);
        sizes.push_back(f.frameGeometry().size() + QSize(0, 30));
        const QRect at = f.frameGeometry();
        EXPECT_TRUE(Screen().contains(at) || (at.width() > Screen().width() && at.left() == Screen().left()) ||
                    (at.height() > Screen().height() && at.top() == Screen().top()))
            << f.Name();
        f.Close();
    }
    const QSize mainSize = Form1->frameGeometry().size() + QSize(0, 30);
    for (const QRect& screen : {QRect(0, 0, 1366, 768 - 32), QRect(0, 0, 1920, 1080 - 32)}) {
        // Beside a main window centred on the screen, opened one after the
        // other: none can be placed hiding less than it does.
        const QRect main(screen.center() - QPoint(mainSize.width() / 2, mainSize.height() / 2), mainSize);
        std::vector<QRect> open;
        for (const QSize& s : sizes) {
            const QRect at = toolplaces::PlaceBeside(screen, main, open, s);
            EXPECT_TRUE(screen.contains(at));
            EXPECT_EQ(Hidden(at, main, open), LeastHidden(screen, main, open, s))
                << s.width() << " x " << s.height() << " beside " << open.size() << " on " << screen.width();
            open.push_back(at);
        }
        // With room beside it, the main window stays wholly in sight.
        const QSize narrow(screen.width() / 2 - mainSize.width() / 2 - 8, 400);
        EXPECT_FALSE(toolplaces::PlaceBeside(screen, main, {}, narrow).intersects(main));
    }
}

TEST_F(ToolPlaces, KeptWhenClosedAndAfterARestartBroughtBackOntoASmallerScreen)
{
    TForm& first = OpenTool(Form1->ListadeGolpes1);
    const QPoint firstPlace = first.pos();
    const QSize larger = first.size() + QSize(40, 30);
    first.move(Screen().topLeft() + QPoint(17, 23));
    first.resize(larger);
    first.Close();
    TForm& again = OpenTool(Form1->ListadeGolpes1);
    EXPECT_EQ(again.pos(), Screen().topLeft() + QPoint(17, 23));
    EXPECT_EQ(again.size(), larger);
    again.Close();

    Restart();
    ASSERT_EQ(FormGolpes, nullptr);
    TForm& afterRestart = OpenTool(Form1->ListadeGolpes1);
    EXPECT_EQ(afterRestart.pos(), Screen().topLeft() + QPoint(17, 23));
    EXPECT_EQ(afterRestart.size(), larger);
    // Left open as the program ends, it is kept too.
    afterRestart.move(Screen().topLeft() + QPoint(31, 5));
    Restart();
    EXPECT_EQ(OpenTool(Form1->ListadeGolpes1).pos(), Screen().topLeft() + QPoint(31, 5));
    // Another window was never kept: it opens at its first place.
    EXPECT_NE(OpenTool(Form1->CalculadoradeDano1).pos(), Screen().topLeft() + QPoint(31, 5));

    // Left on a larger screen: brought back whole onto this one.
    toolplaces::Save("FormGolpes", QRect(5000, 4000, 3000, 2500));
    Restart();
    TForm& moved = OpenTool(Form1->ListadeGolpes1);
    EXPECT_TRUE(Screen().contains(moved.frameGeometry()))
        << moved.frameGeometry().x() << "," << moved.frameGeometry().y();
    EXPECT_NE(moved.pos(), firstPlace);
}

TEST_F(ToolPlaces, ADamagedOrForeignFileGivesTheFirstPlacesAndNoError)
{
    const QPoint firstPlace = OpenTool(Form1->OndeEncontrar1).pos();
    FormOnde->move(firstPlace + QPoint(9, 9));
    FormOnde->Close();
    for (const std::string& damaged : {std::string("\x00\xff\x13[FormOnde]\nx=\xff\n", 16),
                                       std::string("[FormOnde]\nx=12\ny=abc\nlargura=-5\naltura=99999999999\n"),
                                       std::string("[FormOnde]\nx=12\n")}) {
        {
            std::ofstream out(toolplaces::FilePath(), std::ios::binary | std::ios::trunc);
            out << damaged;
        }
        Restart();
        EXPECT_EQ(OpenTool(Form1->OndeEncontrar1).pos(), firstPlace);
        // Closing writes a sound file again.
        FormOnde->Close();
        EXPECT_TRUE(toolplaces::Load("FormOnde").has_value());
    }
    // A folder where the file should be: nothing kept, nothing said.
    QFile::remove(QString::fromStdString(toolplaces::FilePath()));
    std::filesystem::create_directories(toolplaces::FilePath());
    Restart();
    TForm& f = OpenTool(Form1->OndeEncontrar1);
    EXPECT_EQ(f.pos(), firstPlace);
    f.Close();
    std::filesystem::remove(toolplaces::FilePath());
}
