// The type chart window through the real program: created by its first
// opening on the creature on show, a creature picked by mouse or keyboard
// reaching the view and the view's lines reaching the controls, the grid
// drawn and said as the view gives it, the names a screen reader hears, and
// the keyboard. What the lines and cells say is the view's test.
#include "WindowsFixture.h"

#include "../support/Contrast.h"

#include "catalogue/Catalogue.h"
#include "data/TypeChart.h"
#include "forms/UnitTipos.h"

#include <QAccessible>

namespace {

struct Tipos : Windows {
    // The creature, types and profile fields show the view's lines.
    static void ExpectViewShown(int number)
    {
        const TypeChartView& view = FormTipos->View();
        EXPECT_EQ(view.Creature().Number(), number);
        EXPECT_EQ(FormTipos->CreatureChooser->ItemIndex(), number);
        EXPECT_EQ(FormTipos->TypesText->Text(), view.TypesLine());
        for (int g = 0; g < ProfileGroupCount; ++g)
            EXPECT_EQ(FormTipos->ProfileField(g)->Text(), view.AttackersLine(g)) << g;
    }
    // The titles of the marked columns.
    static std::vector<std::string> Marked()
    {
        std::vector<std::string> titles;
        for (int col = 1; col < FormTipos->ChartGrid->ColCount(); ++col)
            if (FormTipos->ChartGrid->ColMarked(col))
                titles.push_back(FormTipos->ChartGrid->Cell(col, 0));
        return titles;
    }
};

TEST_F(Tipos, OpensOnTheShownCreatureAndShowsTheOnePicked)
{
    EXPECT_EQ(FormTipos, nullptr);
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        EXPECT_EQ(&f, FormTipos);
        EXPECT_EQ(FormTipos->CreatureChooser->Items().Count(), Catalogue::RowCount);
        EXPECT_FALSE(FormTipos->CreatureChooser->isEditable()) << "the creature is picked, never typed";
        EXPECT_EQ(FormTipos->CreatureChooser->Text(), "#001 - Bulbasaur");
        EXPECT_EQ(FormTipos->TypesText->Text(), "Grama / Veneno");
        ExpectViewShown(1);
        EXPECT_EQ(FormTipos->ProfileLabel(0)->Caption(), W("×4"));
        EXPECT_EQ(FormTipos->LegendLabel->Caption(), TypeChartView::Legend());
        f.Close();
    }
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ShowEntry(Catalogue::Entry(Catalogue::RowOfNumber(94)));
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        EXPECT_EQ(FormTipos->CreatureChooser->Text(), "#094 - Gengar");
        EXPECT_EQ(FormTipos->ProfileField(1)->Text(), W("Terra, Psíquico, Fantasma"));
        ExpectViewShown(94);
        // The next line of the list, picked by keyboard: #095 Onix, its
        // types marked among the columns.
        FormTipos->CreatureChooser->setFocus();
        QTest::keyClick(FormTipos->CreatureChooser, Qt::Key_Down);
        EXPECT_EQ(FormTipos->TypesText->Text(), "Pedra / Terra");
        ExpectViewShown(95);
        EXPECT_EQ(Marked(), (std::vector<std::string>{"Terra", "Pedra"}));
        const int terra = 9;
        EXPECT_EQ(FormTipos->ChartGrid->model()->headerData(terra - 1, Qt::Horizontal, Qt::ToolTipRole).toString(),
                  QString::fromStdString(FormTipos->View().MarkedWords()));
        // Found by typing a name or a number, as one types, closed or open;
        // #000 first.
        const int interval = QApplication::keyboardInputInterval();
        QApplication::setKeyboardInputInterval(60000); // however slow the machine
        QTest::keyClicks(FormTipos->CreatureChooser, "char");
        EXPECT_EQ(FormTipos->CreatureChooser->Text(), "#004 - Charmander");
        ExpectViewShown(4);
        EXPECT_EQ(Marked(), (std::vector<std::string>{"Fogo"}));
        QTest::keyClick(FormTipos->CreatureChooser, Qt::Key_Home); // another key starts anew
        EXPECT_EQ(FormTipos->CreatureChooser->Text(), "#000 - Missingno");
        ExpectViewShown(0);
        FormTipos->CreatureChooser->showPopup();
        QTest::keyClicks(FormTipos->CreatureChooser->view(), "jynx");
        QTest::keyClick(FormTipos->CreatureChooser->view(), Qt::Key_Return);
        EXPECT_EQ(FormTipos->CreatureChooser->Text(), "#124 - Jynx");
        EXPECT_EQ(FormTipos->TypesText->Text(), W("Gelo / Psíquico"));
        ExpectViewShown(124);
        FormTipos->CreatureChooser->setFocus();
        QTest::keyClicks(FormTipos->CreatureChooser, "94");
        EXPECT_EQ(FormTipos->CreatureChooser->Text(), "#094 - Gengar");
        ExpectViewShown(94);
        QApplication::setKeyboardInputInterval(interval);
        // Every control has a name a screen reader can say: the chooser by
        // its label, the fields by what their group means.
        EXPECT_EQ(LabelOf(FormTipos->CreatureChooser), QString::fromUtf8("Pokémon"));
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

TEST_F(Tipos, GridShowsTheViewsCellsAndSaysThemInWords)
{
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        TStringGrid* g = FormTipos->ChartGrid;
        const int fogo = 2, grama = 4;
        EXPECT_EQ(g->Cell(grama, fogo), "2");
        EXPECT_EQ(g->CellHint(grama, fogo), "Fogo contra Grama: 2 vezes");
        // Every cell as the view gives it: text, hint, colours.
        int coloured = 0;
        for (int row = 0; row < g->RowCount(); ++row)
            for (int col = row == 0 ? 1 : 0; col < g->ColCount(); ++col) {
                const TypeChartView::Cell cell = TypeChartView::ChartCell(col, row);
                EXPECT_EQ(g->Cell(col, row), cell.Text) << col << ", " << row;
                if (row == 0 || col == 0)
                    continue;
                EXPECT_EQ(g->CellHint(col, row), cell.Words);
                const QModelIndex i = g->model()->index(row - 1, col - 1);
                const QVariant background = i.data(Qt::BackgroundRole);
                ASSERT_EQ(background.isValid(), cell.Colours.has_value()) << cell.Words;
                if (!cell.Colours)
                    continue;
                ++coloured;
                const QColor text = i.data(Qt::ForegroundRole).value<QColor>();
                const auto [b, t] = *cell.Colours;
                EXPECT_EQ(background.value<QColor>(), QColor(b.Red, b.Green, b.Blue)) << cell.Words;
                EXPECT_EQ(text, QColor(t.Red, t.Green, t.Blue)) << cell.Words;
                // What is drawn stands out from its background (4.5:1).
                EXPECT_GE(testcolor::Contrast(background.value<QColor>().rgb(), text.rgb()), 4.5) << cell.Words;
            }
        EXPECT_EQ(coloured, ChartRowCount);

        // What a screen reader is told: the table, and each cell by its words.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(g);
        ASSERT_NE(table, nullptr);
        EXPECT_EQ(table->text(QAccessible::Name).toStdString(), TypeChartView::ChartWords());
        ASSERT_NE(table->tableInterface(), nullptr);
        EXPECT_EQ(table->tableInterface()->rowCount(), TypeCount);
        EXPECT_EQ(table->tableInterface()->columnCount(), TypeCount);
        QAccessibleInterface* cell = table->tableInterface()->cellAt(fogo - 1, grama - 1);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), "Fogo contra Grama: 2 vezes");
        f.Close();
    }
}

TEST_F(Tipos, KeyboardReachesTheGridMovesInItAndEscCloses)
{
    {
        TForm& f = OpenTool(Form1->TabeladeTipos1);
        TStringGrid* g = FormTipos->ChartGrid;
        FormTipos->CreatureChooser->setFocus();
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
        EXPECT_EQ(QApplication::focusWidget(), FormTipos->CloseButton);
        QTest::keyClick(f.windowHandle(), Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_FALSE(f.isVisible());
    }
}

} // namespace
