// The type chart window through the real program: created by its first
// opening, the creature it opens on, the profile as the user picks another,
// the grid's cells in symbols, colours and words, and the keyboard.
#include "WindowsFixture.h"

#include "../support/Contrast.h"

#include "catalogue/Catalogue.h"
#include "data/TypeChart.h"
#include "forms/UnitTipos.h"

#include <QAccessible>

namespace {

struct Tipos : Windows {
    static std::string Field(int group) { return FormTipos->ProfileField(group)->Text(); }
};

TEST_F(Tipos, OpensOnTheShownCreatureOrTheFirst)
{
    EXPECT_EQ(FormTipos, nullptr);
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        EXPECT_EQ(&f, FormTipos);
        EXPECT_EQ(FormTipos->ComboBox1->Items().Count(), Catalogue::RowCount);
        EXPECT_FALSE(FormTipos->ComboBox1->isEditable()) << "the creature is picked, never typed";
        EXPECT_EQ(FormTipos->ComboBox1->Text(), "#001 - Bulbasaur");
        EXPECT_EQ(FormTipos->Edit1->Text(), "Grama / Veneno");
        EXPECT_EQ(Field(0), "Inseto");
        f.Close();
    }
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ShowEntry(Catalogue::Entry(Catalogue::RowOfNumber(94)));
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        EXPECT_EQ(FormTipos->ComboBox1->Text(), "#094 - Gengar");
        EXPECT_EQ(FormTipos->Edit1->Text(), "Fantasma / Veneno");
        EXPECT_EQ(Field(0), "nenhum");
        EXPECT_EQ(Field(1), W("Terra, Psíquico, Fantasma"));
        EXPECT_EQ(Field(2), "Grama");
        EXPECT_EQ(Field(3), "Veneno");
        EXPECT_EQ(Field(4), "Normal, Lutador");
        // The next line of the list, picked by keyboard: #095 Onix.
        FormTipos->ComboBox1->setFocus();
        QTest::keyClick(FormTipos->ComboBox1, Qt::Key_Down);
        EXPECT_EQ(FormTipos->Edit1->Text(), "Pedra / Terra");
        EXPECT_EQ(Field(0), W("Água, Grama"));
        // The chosen creature's types are marked among the columns.
        const auto marked = [] {
            std::vector<std::string> titles;
            for (int col = 1; col < FormTipos->StringGrid1->ColCount(); ++col)
                if (FormTipos->StringGrid1->ColMarked(col))
                    titles.push_back(FormTipos->StringGrid1->Cell(col, 0));
            return titles;
        };
        EXPECT_EQ(marked(), (std::vector<std::string>{"Terra", "Pedra"}));
        // Found by typing a name or a number, as one types, closed or open;
        // #000 first.
        const int interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(60000); // however slow the machine
        QTest::keyClicks(FormTipos->ComboBox1, "char");
        EXPECT_EQ(FormTipos->ComboBox1->Text(), "#004 - Charmander");
        EXPECT_EQ(FormTipos->Edit1->Text(), "Fogo");
        EXPECT_EQ(marked(), (std::vector<std::string>{"Fogo"}));
        QTest::keyClick(FormTipos->ComboBox1, Qt::Key_Home); // another key starts anew
        EXPECT_EQ(FormTipos->ComboBox1->Text(), "#000 - Missingno");
        FormTipos->ComboBox1->showPopup();
        QTest::keyClicks(FormTipos->ComboBox1->view(), "jynx");
        QTest::keyClick(FormTipos->ComboBox1->view(), Qt::Key_Return);
        EXPECT_EQ(FormTipos->ComboBox1->Text(), "#124 - Jynx");
        EXPECT_EQ(FormTipos->Edit1->Text(), W("Gelo / Psíquico"));
        FormTipos->ComboBox1->setFocus();
        QTest::keyClicks(FormTipos->ComboBox1, "94");
        EXPECT_EQ(FormTipos->ComboBox1->Text(), "#094 - Gengar");
        QApplication::setKeyboardInputInterval(interval);
        // Every control has a name a screen reader can say: the chooser by
        // its label, the fields by what their group means.
        EXPECT_EQ(LabelOf(FormTipos->ComboBox1), QString::fromUtf8("Pokémon"));
        EXPECT_EQ(FormTipos->ProfileField(0)->accessibleName(), "4 vezes");
        EXPECT_EQ(FormTipos->ProfileField(2)->accessibleName(), "metade");
        for (TComponent* c : FormTipos->Components())
            if (auto* ctl = dynamic_cast<TControl*>(c)) {
                EXPECT_FALSE(ctl->Widget()->accessibleName().isEmpty()) << c->Name();
            }
        f.Close();
    }
    EXPECT_EQ(app.Forms().size(), 8u);
}

TEST_F(Tipos, CellsShowTheFactorAndSayItInWords)
{
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        TStringGrid* g = FormTipos->StringGrid1;
        const int fogo = 2, agua = 3, grama = 4, normal = 1, fantasma = 14, psiquico = 11;
        EXPECT_EQ(g->Cell(grama, 0), "Grama");
        EXPECT_EQ(g->Cell(0, fogo), "Fogo");
        EXPECT_EQ(g->Cell(grama, fogo), "2");
        EXPECT_EQ(g->Cell(agua, fogo), W("½"));
        EXPECT_EQ(g->Cell(fantasma, normal), "0");
        EXPECT_EQ(g->Cell(normal, normal), "");
        EXPECT_EQ(g->Cell(psiquico, fantasma), "0");
        EXPECT_EQ(g->CellHint(grama, fogo), "Fogo contra Grama: 2 vezes");
        EXPECT_EQ(g->CellHint(agua, fogo), W("Fogo contra Água: metade"));
        EXPECT_EQ(g->CellHint(psiquico, fantasma), W("Fantasma contra Psíquico: sem efeito"));
        EXPECT_EQ(g->CellHint(normal, normal), "Normal contra Normal: 1 vez");

        // What a screen reader is told: the table, and each cell by its words.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(g);
        ASSERT_NE(table, nullptr);
        ASSERT_NE(table->tableInterface(), nullptr);
        EXPECT_EQ(table->tableInterface()->rowCount(), TypeCount);
        EXPECT_EQ(table->tableInterface()->columnCount(), TypeCount);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(fogo - 1, grama - 1);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), "Fogo contra Grama: 2 vezes");

        // Every coloured cell's text stands out from its background (4.5:1).
        int coloured = 0;
        for (int a = 0; a < TypeCount; ++a)
            for (int d = 0; d < TypeCount; ++d) {
                const QModelIndex i = g->model()->index(a, d);
                const QVariant background = i.data(Qt::BackgroundRole);
                if (!background.isValid())
                    continue;
                ++coloured;
                EXPECT_GE(testcolor::Contrast(background.value<QColor>().rgb(),
                                              i.data(Qt::ForegroundRole).value<QColor>().rgb()),
                          4.5)
                    << g->CellHint(d + 1, a + 1);
            }
        EXPECT_EQ(coloured, 82);
        f.Close();
    }
}

TEST_F(Tipos, KeyboardReachesTheGridMovesInItAndEscCloses)
{
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        TStringGrid* g = FormTipos->StringGrid1;
        FormTipos->ComboBox1->setFocus();
        for (int i = 0; i < 10 && !g->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(g->hasFocus()) << "Tab never reaches the grid";
        EXPECT_EQ(g->Col(), 1);
        EXPECT_EQ(g->Row(), 1);
        QTest::keyClick(g, Qt::Key_Right);
        QTest::keyClick(g, Qt::Key_Down);
        EXPECT_EQ(g->Col(), 2);
        EXPECT_EQ(g->Row(), 2);
        // Tab leaves the grid rather than walking its 225 cells.
        QTest::keyClick(g, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), FormTipos->Button1);
        QTest::keyClick(f.windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(f.isVisible());
    }
}

} // namespace
