// Each tool window comes forward on the creature the main window shows,
// whether it was closed or still open behind; #151 and #000 keep their own
// lines where a window lists them.
#include "WindowsFixture.h"
#include "catalogue/Catalogue.h"
#include "data/Species.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTreinadores.h"

class ShownCreature : public Windows {
protected:
    // The main window shows creature #`number` as a click on its line does.
    static void Show(int number)
    {
        const Catalogue::ListPosition at = Catalogue::ListPositionOfRow(Catalogue::RowOfNumber(number));
        Form1->SelectPage(at.Page);
        TListBox* list = Form1->PageList(at.Page);
        list->SetItemIndex(at.Item);
        void (TForm1::*const clicks[])(TObject*) = {&TForm1::ListBox1Click, &TForm1::ListBox2Click,
                                                    &TForm1::ListBox3Click, &TForm1::ListBox4Click,
                                                    &TForm1::ListBox5Click, &TForm1::ListBox6Click};
        (Form1->*clicks[at.Page - 1])(list);
        ASSERT_NE(Form1->ShownEntry(), nullptr);
        ASSERT_EQ(Form1->ShownEntry()->Number, number);
    }

    // Opens the window by its key from the main window, or brings it forward.
    static TForm* ByKey(Qt::Key key)
    {
        QApplication::setActiveWindow(Form1);
        QTest::keyClick(Form1->windowHandle(), key, Qt::ControlModifier);
        QApplication::processEvents();
        return dynamic_cast<TForm*>(QApplication::activeWindow());
    }

    // Shows each creature in turn in the main window and brings the window
    // forward, first after closing it, then while it is open behind.
    void Follows(Qt::Key key, const std::function<std::string()>& chosen, const std::vector<int>& numbers,
                 const std::function<int(int)>& lineOf)
    {
        Form1->SetAppDir(FAUNETA_OUT_DIR "/");
        for (bool closeFirst : {true, false})
            for (int number : numbers) {
                Show(number);
                TForm* f = ByKey(key);
                ASSERT_NE(f, nullptr) << "no window came forward for #" << number;
                EXPECT_EQ(chosen(), species::ChooserLine(lineOf(number)))
                    << (closeFirst ? "reopened" : "brought forward") << " on #" << number;
                if (closeFirst)
                    f->Close();
                else
                    QApplication::setActiveWindow(Form1); // left open behind
            }
    }
};

TEST_F(ShownCreature, TheTypeChart)
{
    Follows(
        Qt::Key_I, [] { return FormTipos->CreatureChooser->Text(); }, {25, 133, 151, 0}, [](int n) { return n; });
}

TEST_F(ShownCreature, TheMovesWindow)
{
    Follows(
        Qt::Key_G, [] { return FormGolpes->CreatureChooser->Text(); }, {25, 133, 151, 0}, [](int n) { return n; });
}

TEST_F(ShownCreature, WhereToFind)
{
    Follows(
        Qt::Key_E, [] { return FormOnde->CreatureChooser->Text(); }, {25, 133, 151, 0}, [](int n) { return n; });
}

TEST_F(ShownCreature, TheCalculatorsAttacker)
{
    // #000 has no stats: the first creature stands in for it.
    Follows(
        Qt::Key_D, [] { return FormDano->AttackerChooser->Text(); }, {25, 133, 151, 0},
        [](int n) { return n == 0 ? 1 : n; });
}

TEST_F(ShownCreature, TheTrainersWindowsCreatureChooser)
{
    Follows(
        Qt::Key_R, [] { return FormTreinadores->CreatureChooser->Text(); }, {25, 133, 151, 0}, [](int n) { return n; });
}

TEST_F(ShownCreature, TheCatchPanel)
{
    Follows(
        Qt::Key_B, [] { return FormCaptura->CreatureChooser->Text(); }, {25, 133, 151, 0}, [](int n) { return n; });
}
