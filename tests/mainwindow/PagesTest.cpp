// Pages and list selection, through real clicks and key presses.
#include "MainWindowFixture.h"

namespace {

using Pages = MainWindow;

std::array<bool, 6> ButtonsEnabled()
{
    return {Form1->Button1->isEnabled(), Form1->Button2->isEnabled(), Form1->Button3->isEnabled(),
            Form1->Button4->isEnabled(), Form1->Button5->isEnabled(), Form1->Button6->isEnabled()};
}

TEST_F(Pages, StartOnPageOneWithNothingSelected)
{
    EXPECT_EQ(VisiblePage(), 1);
    EXPECT_EQ(ButtonsEnabled(), (std::array<bool, 6>{false, true, true, true, true, true}));
    for (int p = 1; p <= 6; ++p)
        EXPECT_EQ(Form1->PageList(p)->ItemIndex(), -1);
    EXPECT_EQ(Form1->ListBox1->count(), 30);
    EXPECT_EQ(Form1->ListBox6->count(), 2);
    EXPECT_EQ(Form1->Edit1->Text(), "");
}

TEST_F(Pages, EachButtonBringsItsListToTheFront)
{
    ClickLine(Form1->ListBox1, 24);
    ASSERT_EQ(Form1->Edit1->Text(), "#025 - Pikachu");
    QPushButton* const buttons[] = {Form1->Button1, Form1->Button2, Form1->Button3,
                                    Form1->Button4, Form1->Button5, Form1->Button6};
    for (int page : {2, 6, 3, 5, 4, 1}) {
        QTest::mouseClick(buttons[page - 1], Qt::LeftButton);
        EXPECT_EQ(VisiblePage(), page);
        std::array<bool, 6> expected;
        expected.fill(true);
        expected[page - 1] = false;
        EXPECT_EQ(ButtonsEnabled(), expected);
        // The disabled button of the current page does nothing.
        QTest::mouseClick(buttons[page - 1], Qt::LeftButton);
        EXPECT_EQ(VisiblePage(), page);
    }
    // The panel keeps its entry throughout.
    EXPECT_EQ(Form1->Edit1->Text(), "#025 - Pikachu");
}

// Space on a page button turns one page: the focus goes to the list brought
// to the front, not on to the next button (which a second Space would press).
TEST_F(Pages, AKeyboardPressHandsTheFocusToTheListShown)
{
    QApplication::setActiveWindow(Form1);
    Form1->Button2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(VisiblePage(), 2);
    EXPECT_TRUE(Form1->ListBox2->hasFocus());
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(VisiblePage(), 2);
    // Enter presses a page button too.
    Form1->Button6->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Return);
    EXPECT_EQ(VisiblePage(), 6);
    EXPECT_TRUE(Form1->ListBox6->hasFocus());
    // A search turns the page and leaves the focus where it puts it.
    Form1->Edit5->SetText("ODDISH");
    Form1->BitBtn1->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Space);
    EXPECT_EQ(VisiblePage(), 2);
    EXPECT_TRUE(Form1->Edit5->hasFocus());
}

TEST_F(Pages, SelectPageSetsEveryStateWhateverTheyWere)
{
    Form1->ListBox3->SetVisible(true);
    Form1->Button1->SetEnabled(true);
    Form1->Button4->SetEnabled(false);
    Form1->SelectPage(3);
    EXPECT_EQ(VisiblePage(), 3);
    EXPECT_EQ(ButtonsEnabled(), (std::array<bool, 6>{true, true, false, true, true, true}));
}

TEST_F(Pages, EveryLinePresentsItsEntry)
{
    for (int page = 1; page <= 6; ++page) {
        Form1->SelectPage(page);
        TListBox* list = Form1->PageList(page);
        for (int line = 0; line < list->count(); ++line) {
            ClickLine(list, line);
            const int row = Catalogue::RowOfListPosition(page, line);
            // The definition's given line is the catalogue's list line, which
            // every other creature list of the program shows.
            ASSERT_EQ(list->Items()[line], Catalogue::ListLine(row)) << page << ":" << line;
            ASSERT_EQ(Form1->Edit1->Text(), Catalogue::Entry(row).Caption()) << page << ":" << line;
        }
    }
    // The one line that differs from its caption.
    Form1->SelectPage(3);
    EXPECT_EQ(Form1->ListBox3->Items()[22], "#083 - Farfetch'd");
    ClickLine(Form1->ListBox3, 22);
    EXPECT_EQ(Form1->Edit1->Text(), "#083 - Farfetch\xB4"
                                    "d");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Pages, ArrowKeysWalkTheList)
{
    ClickLine(Form1->ListBox1, 0);
    Form1->ListBox1->setFocus();
    for (int n = 2; n <= 4; ++n) {
        QTest::keyClick(Form1->ListBox1, Qt::Key_Down);
        char caption[8];
        std::snprintf(caption, sizeof caption, "#%03d", n);
        EXPECT_EQ(Form1->Edit1->Text().substr(0, 4), caption);
    }
    QTest::keyClick(Form1->ListBox1, Qt::Key_Up);
    EXPECT_EQ(Form1->Edit1->Text(), "#003 - Venusaur");
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), 2);
}

TEST_F(Pages, EachListKeepsItsOwnSelection)
{
    ClickLine(Form1->ListBox1, 0);
    QTest::mouseClick(Form1->Button2, Qt::LeftButton);
    ClickLine(Form1->ListBox2, 1);
    EXPECT_EQ(Form1->Edit1->Text(), "#032 - Nidoran (M)");
    QTest::mouseClick(Form1->Button1, Qt::LeftButton);
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), 0);
    EXPECT_EQ(Form1->ListBox2->ItemIndex(), 1);
    EXPECT_EQ(Form1->Edit1->Text(), "#032 - Nidoran (M)");
}

TEST_F(Pages, NoSelectionChangesNothing)
{
    ClickLine(Form1->ListBox1, 4);
    Form1->SelectPage(6);
    ASSERT_EQ(Form1->ListBox6->ItemIndex(), -1);
    Form1->ListBox6Click(Form1->ListBox6);
    Form1->ListBox1->SetItemIndex(-1);
    Form1->ListBox1Click(Form1->ListBox1);
    EXPECT_EQ(Form1->Edit1->Text(), "#005 - Charmeleon");
    EXPECT_EQ(Lines(Form1->RichEdit2).size(), Catalogue::Entry(4).Learnset.size());
}

TEST_F(Pages, AFailingEntryKeepsTheLineTheUserChose)
{
    ClickLine(Form1->ListBox1, 0);
    QFile::remove(QString::fromStdString(BarPath(3)));
    ClickLine(Form1->ListBox1, 24); // Pikachu: Energia 3
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), 24);
    EXPECT_EQ(Form1->Edit1->Text(), "#001 - Bulbasaur");
    EXPECT_EQ(Lines(Form1->RichEdit2).front(), "LVL --- Thundershock");
}

} // namespace
