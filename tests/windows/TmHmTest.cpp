// The TM and HM window through the real program: opening state, picks from
// both lists with the caption telling which, closing and reopening.
#include "WindowsFixture.h"

#include "data/TmHmLocations.h"
#include "forms/UnitTmHm.h"

namespace {

struct TmHm : Windows {
    // Clicks a row as a person does.
    static void Pick(TListBox* list, int row)
    {
        QListWidgetItem* it = list->item(row);
        list->scrollToItem(it);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(it).center());
        QApplication::processEvents();
    }
    static std::string Caption() { return FormTmHm->GroupBox2->Caption(); }
    static std::string Location() { return FormTmHm->Edit1->Text(); }
    static void ExpectOpeningState()
    {
        EXPECT_EQ(FormTmHm->ListBox1->ItemIndex(), 0);
        EXPECT_EQ(FormTmHm->ListBox2->ItemIndex(), 0);
        EXPECT_EQ(Location(), "");
        EXPECT_EQ(Caption(), W("Localização"));
        // The highlighted rows are in view.
        const QRect first = FormTmHm->ListBox1->visualItemRect(FormTmHm->ListBox1->item(0));
        EXPECT_TRUE(FormTmHm->ListBox1->viewport()->rect().contains(first));
    }
};

TEST_F(TmHm, ListsHoldTheTables)
{
    ASSERT_EQ(FormTmHm->ListBox1->Items().Count(), 50);
    ASSERT_EQ(FormTmHm->ListBox2->Items().Count(), 5);
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(FormTmHm->ListBox1->Items()[i], TmLocationTable[static_cast<std::size_t>(i)].Line);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(FormTmHm->ListBox2->Items()[i], HmLocationTable[static_cast<std::size_t>(i)].Line);
    EXPECT_EQ(FormTmHm->ListBox1->Items()[49], "TM 50 -- Substitute   ");
    EXPECT_EQ(FormTmHm->ListBox2->Items()[0], "HM 01 --  Cut");
}

TEST_F(TmHm, Tm29ThenHm03KeepsTheTmHighlight)
{
    Open(Form1->ListadeTMseHMs1, [&](TForm& f) {
        EXPECT_EQ(&f, FormTmHm);
        ExpectOpeningState();
        Pick(FormTmHm->ListBox1, 28);
        EXPECT_EQ(Caption(), W("Localização da TM"));
        EXPECT_EQ(Location(), "Mr. Psychic (Saffron City)");
        Pick(FormTmHm->ListBox2, 2);
        EXPECT_EQ(Caption(), W("Localização da HM"));
        EXPECT_EQ(Location(), "Safari Zone");
        EXPECT_EQ(FormTmHm->ListBox1->ItemIndex(), 28);
        EXPECT_EQ(FormTmHm->ListBox2->ItemIndex(), 2);
        // Back to the TM list: the highlight there was kept.
        Pick(FormTmHm->ListBox1, 28);
        EXPECT_EQ(Caption(), W("Localização da TM"));
        EXPECT_EQ(Location(), "Mr. Psychic (Saffron City)");
        EXPECT_EQ(FormTmHm->ListBox2->ItemIndex(), 2);
        f.Close();
    });
}

TEST_F(TmHm, GameCornerTms)
{
    Open(Form1->ListadeTMseHMs1, [&](TForm& f) {
        for (int row : {9, 14, 22, 49}) {
            FormTmHm->Edit1->SetText("?");
            Pick(FormTmHm->ListBox1, row);
            EXPECT_EQ(Location(), "Game Corner") << FormTmHm->ListBox1->Items()[row];
        }
        f.Close();
    });
}

TEST_F(TmHm, KeyboardMovesThroughTheList)
{
    Open(Form1->ListadeTMseHMs1, [&](TForm& f) {
        FormTmHm->ListBox2->setFocus();
        QTest::keyClick(FormTmHm->ListBox2, Qt::Key_Down);
        EXPECT_EQ(Location(), "Route 16");
        QTest::keyClick(FormTmHm->ListBox2, Qt::Key_End);
        EXPECT_EQ(Location(), "Route 2");
        EXPECT_EQ(Caption(), W("Localização da HM"));
        f.Close();
    });
}

TEST_F(TmHm, TypedLocationStaysUntilTheNextPick)
{
    Open(Form1->ListadeTMseHMs1, [&](TForm& f) {
        EXPECT_FALSE(FormTmHm->Edit1->ReadOnly());
        FormTmHm->Edit1->setFocus();
        QTest::keyClicks(FormTmHm->Edit1, "minha nota");
        EXPECT_EQ(Location(), "minha nota");
        EXPECT_EQ(Caption(), W("Localização"));
        Pick(FormTmHm->ListBox1, 0);
        EXPECT_EQ(Location(), "Mt. Moon, Celadon Mart");
        f.Close();
    });
}

TEST_F(TmHm, CloseAndReopenStartsAfresh)
{
    Open(Form1->ListadeTMseHMs1, [&](TForm& f) {
        Pick(FormTmHm->ListBox1, 45);
        Pick(FormTmHm->ListBox2, 4);
        EXPECT_EQ(Caption(), W("Localização da HM"));
        AltF4(f);
    });
    // Closing put the caption back at once.
    EXPECT_EQ(Caption(), W("Localização"));
    Open(Form1->ListadeTMseHMs1, [&](TForm& f) {
        EXPECT_EQ(&f, FormTmHm);
        ExpectOpeningState();
        // Esc from the list closes by the same path: FormClose runs.
        Pick(FormTmHm->ListBox1, 28);
        FormTmHm->ListBox1->setFocus();
        Escape(f);
    });
    EXPECT_EQ(Caption(), W("Localização"));
}

TEST_F(TmHm, ThePictureClosesByTheSamePathAsTheCloseBox)
{
    EXPECT_EQ(FormTmHm->GIFImage1->Hint(), "Misty, Ash, Brock e Pikachu");
    EXPECT_EQ(FormTmHm->GIFImage1->toolTip(), "Misty, Ash, Brock e Pikachu");
    int result = -1;
    Open(Form1->ListadeTMseHMs1, [&](TForm& f) {
        PressMainShortcuts(f.windowHandle());
        PressMainShortcuts(Form1->windowHandle());
        Pick(FormTmHm->ListBox1, 3);
        ClickOn(FormTmHm->GIFImage1);
        EXPECT_FALSE(f.isVisible());
        result = f.ModalResult();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(Caption(), W("Localização")); // FormClose ran
}

TEST_F(TmHm, Layout)
{
    TFormTmHm* f = FormTmHm;
    struct B {
        TControl* c;
        TWinControl* parent;
        int l, t, w, h, tab;
    } boxes_[] = {{f->GIFImage1, f, 232, 8, 153, 201, -1},          {f->GroupBox1, f, 16, 32, 185, 145, 0},
                  {f->ListBox1, f->GroupBox1, 16, 15, 161, 123, 0}, {f->GroupBox2, f, 216, 224, 185, 57, 1},
                  {f->Edit1, f->GroupBox2, 8, 24, 169, 21, 0},      {f->GroupBox3, f, 40, 200, 129, 97, 2},
                  {f->ListBox2, f->GroupBox3, 14, 18, 101, 70, 0}};
    for (const B& b : boxes_) {
        EXPECT_EQ(b.c->Parent(), b.parent) << b.c->Name();
        EXPECT_EQ(b.c->Widget()->geometry(), QRect(b.l, b.t, b.w, b.h)) << b.c->Name();
        if (auto* w = dynamic_cast<TWinControl*>(b.c)) {
            EXPECT_EQ(w->TabOrder(), b.tab) << b.c->Name();
        }
    }
    EXPECT_EQ(f->GroupBox1->Caption(), "Nome de todas 50 TMs");
    EXPECT_EQ(f->GroupBox3->Caption(), "Nome das 5 HMs");
    for (TGroupBox* g : {f->GroupBox1, f->GroupBox2, f->GroupBox3}) {
        EXPECT_TRUE(g->Font().Style & fsBold) << g->Name();
        EXPECT_EQ(g->Font().Color, clBlack);
    }
    for (TControl* c : std::initializer_list<TControl*>{f->ListBox1, f->ListBox2, f->Edit1}) {
        EXPECT_FALSE(c->Font().Style & fsBold) << c->Name();
        EXPECT_EQ(c->Font().Color, clBlack);
    }
    EXPECT_EQ(f->ListBox1->ItemHeight(), 13);
    EXPECT_EQ(f->ListBox2->ItemHeight(), 13);
}

} // namespace
