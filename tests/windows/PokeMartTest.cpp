// The mart window through the real program: opening state, shop lists,
// picking with the mouse and the keyboard, typing, closing by the picture.
#include "WindowsFixture.h"

#include "data/MartStock.h"
#include "forms/UnitPokeMart.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {

struct Mart : Windows {
    // Picks an entry as a person does: drop the list down and click the line.
    static void Pick(TComboBox* box, int index)
    {
        box->showPopup();
        QAbstractItemView* view = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex mi = view->model()->index(index, 0);
        view->scrollTo(mi);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(mi).center());
        QApplication::processEvents();
    }
    static std::vector<std::string> Lines() { return FormPokeMart->RichEdit1->Lines().ToVector(); }
    static void ExpectPrompt()
    {
        EXPECT_EQ(FormPokeMart->ComboBox1->Text(), "Escolha uma Cidade");
        EXPECT_TRUE(FormPokeMart->RichEdit1->toPlainText().isEmpty());
    }
};

TEST_F(Mart, EntriesAreTheTableRowsInOrder)
{
    TComboBox* box = FormPokeMart->ComboBox1;
    ASSERT_EQ(box->Items().Count(), static_cast<int>(MartStockTable.size()));
    for (std::size_t i = 0; i < MartStockTable.size(); ++i)
        EXPECT_EQ(box->Items()[static_cast<int>(i)], MartStockTable[i].Entry);
    EXPECT_EQ(box->Items()[6], W("Cidade de Celadon (2º Andar)"));
    EXPECT_EQ(box->Items()[6][20], '\xBA'); // the ordinal indicator, one byte
}

TEST_F(Mart, Celadon2AndThen5ThenLavender)
{
    Open(Form1->ListadeItensdosMarts1, [&](TForm& f) {
        EXPECT_EQ(&f, FormPokeMart);
        ExpectPrompt();
        Pick(FormPokeMart->ComboBox1, 6);
        EXPECT_EQ(FormPokeMart->ComboBox1->Text(), W("Cidade de Celadon (2º Andar)"));
        auto lines = Lines();
        ASSERT_EQ(lines.size(), 18u);
        EXPECT_EQ(LineAt(lines, 0), "Great Ball      $600");
        EXPECT_EQ(lines[9], "TM 32         $1,000");
        EXPECT_EQ(lines[17], "TM 17         $3,000");
        for (std::size_t i = 9; i < 18; ++i)
            EXPECT_EQ(lines[i].substr(0, 3), "TM ") << i;
        // All 18 lines are in view, from the first.
        QApplication::processEvents();
        QPlainTextEdit* box = FormPokeMart->RichEdit1;
        EXPECT_EQ(box->verticalScrollBar()->value(), 0);
        EXPECT_EQ(box->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
        QTextCursor end(box->document());
        end.movePosition(QTextCursor::End);
        EXPECT_LE(box->cursorRect(end).bottom(), box->viewport()->height());

        // One shop after another replaces the list; lines never pile up.
        Pick(FormPokeMart->ComboBox1, 8);
        lines = Lines();
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(LineAt(lines, 0), "Accuracy       $950");
        for (const auto& l : lines)
            EXPECT_EQ(l.size(), 19u) << l;
        EXPECT_EQ(lines[11], "Calcium      $9,800");

        Pick(FormPokeMart->ComboBox1, 4);
        EXPECT_EQ(Lines().size(), 9u);
        Pick(FormPokeMart->ComboBox1, 12);
        EXPECT_EQ(Lines(), MartLines(MartStockTable[12]));
        EXPECT_EQ(FormPokeMart->RichEdit1->toPlainText().count('\n'), 6); // 7 lines, no blank one
        f.Close();
    });
}

TEST_F(Mart, KeyboardPicksToo)
{
    Open(Form1->ListadeItensdosMarts1, [&](TForm& f) {
        FormPokeMart->ComboBox1->setFocus();
        QTest::keyClick(FormPokeMart->ComboBox1, Qt::Key_Down);
        EXPECT_EQ(Lines(), MartLines(MartStockTable[0]));
        QTest::keyClick(FormPokeMart->ComboBox1, Qt::Key_Down);
        EXPECT_EQ(Lines(), MartLines(MartStockTable[1]));
        EXPECT_EQ(Lines().size(), 7u);
        f.Close();
    });
}

TEST_F(Mart, TypingInTheBoxChangesNothing)
{
    Open(Form1->ListadeItensdosMarts1, [&](TForm& f) {
        Pick(FormPokeMart->ComboBox1, 0);
        const auto before = Lines();
        // Keys go to the combo box, which hands the typing to its edit field.
        TComboBox* box = FormPokeMart->ComboBox1;
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, "Cidade de Pewter");
        EXPECT_EQ(box->Text(), "Cidade de Pewter");
        QTest::keyClick(box, Qt::Key_Return);
        EXPECT_EQ(Lines(), before);
        box->lineEdit()->selectAll();
        QTest::keyClicks(box, "Ilha de Cinnabar");
        QTest::keyClick(box, Qt::Key_Tab); // the focus leaves the field
        EXPECT_FALSE(box->hasFocus());
        EXPECT_EQ(Lines(), before);
        EXPECT_EQ(box->Text(), "Ilha de Cinnabar");
        // Picking from the list still works afterwards, the typed shop too.
        Pick(box, 11);
        EXPECT_EQ(Lines(), MartLines(MartStockTable[11]));
        f.Close();
    });
}

TEST_F(Mart, EveryOpeningStartsFromThePrompt)
{
    Open(Form1->ListadeItensdosMarts1, [&](TForm& f) {
        Pick(FormPokeMart->ComboBox1, 6);
        AltF4(f);
    });
    EXPECT_FALSE(FormPokeMart->Visible());
    Open(Form1->ListadeItensdosMarts1, [&](TForm& f) {
        EXPECT_EQ(&f, FormPokeMart); // the same window object again
        ExpectPrompt();
        // The shop shown last time can be picked again at once.
        Pick(FormPokeMart->ComboBox1, 6);
        EXPECT_EQ(Lines().size(), 18u);
        // Esc in the combo box's field closes the window too.
        FormPokeMart->ComboBox1->setFocus();
        Escape(f);
    });
}

TEST_F(Mart, ThePictureClosesTheWindowAndShortcutsDoNothing)
{
    EXPECT_EQ(FormPokeMart->GIFImage1->Hint(), "Clique aqui para sair.");
    EXPECT_EQ(FormPokeMart->GIFImage1->toolTip(), "Clique aqui para sair.");
    int result = -1;
    Open(Form1->ListadeItensdosMarts1, [&](TForm& f) {
        PressMainShortcuts(f.windowHandle());
        PressMainShortcuts(Form1->windowHandle());
        EXPECT_TRUE(f.isVisible());
        ClickOn(FormPokeMart->GIFImage1);
        EXPECT_FALSE(f.isVisible());
        result = f.ModalResult();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(FormPokeMart->Visible());
    // The main window takes input again.
    EXPECT_TRUE(Form1->isEnabled());
}

TEST_F(Mart, Layout)
{
    TFormPokeMart* f = FormPokeMart;
    EXPECT_EQ(f->ComboBox1->Parent(), f->GroupBox1);
    EXPECT_EQ(f->RichEdit1->Parent(), f);
    EXPECT_EQ(f->GIFImage1->Parent(), f);
    struct B {
        TControl* c;
        int l, t, w, h;
    } boxes_[] = {{f->GroupBox1, 8, 24, 209, 49},
                  {f->ComboBox1, 8, 18, 193, 21},
                  {f->RichEdit1, 232, 24, 169, 241},
                  {f->GIFImage1, 32, 120, 169, 137}};
    for (const B& b : boxes_) {
        EXPECT_EQ(QRect(b.c->Left(), b.c->Top(), b.c->Width(), b.c->Height()), QRect(b.l, b.t, b.w, b.h))
            << b.c->Name();
        EXPECT_EQ(b.c->Widget()->geometry(), QRect(b.l, b.t, b.w, b.h)) << b.c->Name();
    }
    EXPECT_EQ(f->GroupBox1->Caption(), "Cidades");
    EXPECT_TRUE(f->GroupBox1->Font().Style & fsBold);
    EXPECT_FALSE(f->ComboBox1->Font().Style & fsBold);
    EXPECT_EQ(f->ComboBox1->Font().Color, clBlack);
    EXPECT_TRUE(f->RichEdit1->ReadOnly());
    EXPECT_EQ(f->RichEdit1->ScrollBars(), TScrollStyle::ssNone);
    EXPECT_EQ(f->GroupBox1->TabOrder(), 0);
    EXPECT_EQ(f->ComboBox1->TabOrder(), 0);
    EXPECT_EQ(f->RichEdit1->TabOrder(), 1);
    EXPECT_FALSE(f->GIFImage1->Animate());
}

} // namespace
