// The moves window through the real program: a tool window beside the others,
// its tables filtered, sorted by a title's click or the keyboard, the
// details following the choice, a creature's moves, and every value named
// for a screen reader.
#include "WindowsFixture.h"

#include "data/Moves.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTreinadores.h"

#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>

#include <map>
#include <set>

namespace {

using V = std::vector<std::string>;

struct Golpes : Windows {
    // A table's column, top to bottom as shown.
    static V Column(TListView* t, int column = 0)
    {
        V out;
        for (int row : t->ShownOrder())
            out.push_back(t->Cell(row, column));
        return out;
    }
    static std::string Chosen(TListView* t, int column = 0)
    {
        return t->ItemIndex() < 0 ? std::string() : t->Cell(t->ItemIndex(), column);
    }
    static V Move() { return FormGolpes->MoveDetails->Lines().ToVector(); }
    // What the view says a table shows, top to bottom.
    static V ViewColumn(const MovesView::Table& t, std::size_t column = 0)
    {
        V out;
        for (int row : t.ShownOrder())
            out.push_back(t.Rows.at(static_cast<std::size_t>(row)).Cells.at(column));
        return out;
    }
    // A real click on the line that shows row `row`.
    static void Pick(TListView* t, int row)
    {
        const V shown = Column(t);
        const auto order = t->ShownOrder();
        const int line = static_cast<int>(std::find(order.begin(), order.end(), row) - order.begin());
        ASSERT_LT(line, static_cast<int>(order.size()));
        const QModelIndex i = t->model()->index(line, 0);
        t->scrollTo(i);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualRect(i).center());
        QApplication::processEvents();
    }
    static void PickName(TListView* t, const std::string& name, int column = 0)
    {
        for (int row = 0; row < t->RowCount(); ++row)
            if (t->Cell(row, column) == name)
                return Pick(t, row);
        ADD_FAILURE() << "no row " << name;
    }
    static void ClickTitle(TListView* t, int column)
    {
        QHeaderView* h = t->horizontalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {},
                          QPoint(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2));
        QApplication::processEvents();
    }
    // Key presses carrying each character, as a keyboard with any layout
    // (or an input method) delivers them.
    static void Keys(QWidget* w, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &release);
        }
    }
    static void Type(const QString& text)
    {
        TEdit* e = FormGolpes->NameFilter;
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        Keys(e, text);
    }
    TForm& OpenGolpes() { return OpenTool(Form1->ListadeGolpes1); }
    void ShowInMain(int page, int line)
    {
        Form1->SetAppDir(FAUNETA_OUT_DIR "/");
        Form1->PageList(page)->SetItemIndex(line);
        Form1->PageList(page)->Click();
    }
};

TEST_F(Golpes, AToolWindowBesideTheOthersReusedAndResizable)
{
    EXPECT_EQ(FormGolpes, nullptr); // start-up does not create it
    TForm& f = OpenGolpes();
    EXPECT_EQ(&f, FormGolpes);
    EXPECT_EQ(f.windowTitle(), "Lista de Golpes");
    // Larger, never smaller than designed; the tables take the space.
    const QSize designed = f.size();
    EXPECT_EQ(f.minimumSize(), designed);
    const int tableWidth = FormGolpes->MovesTable->width(), tableHeight = FormGolpes->MovesTable->height();
    const QSize creature = FormGolpes->CreatureMovesTable->size();
    f.resize(designed + QSize(200, 120));
    QApplication::processEvents();
    // The height is shared between the moves above and the creature's below.
    EXPECT_EQ(FormGolpes->MovesTable->width(), tableWidth + 200);
    EXPECT_EQ(FormGolpes->MovesTable->height(), tableHeight + 60);
    EXPECT_EQ(FormGolpes->CreatureMovesTable->size(), creature + QSize(200, 60));
    EXPECT_EQ(FormGolpes->MovesGroup->y() + FormGolpes->MovesGroup->height() + 4, FormGolpes->CreatureGroup->y());
    EXPECT_EQ(FormGolpes->ChosenMoveGroup->x() + FormGolpes->ChosenMoveGroup->width(),
              FormGolpes->CreatureGroup->x() + FormGolpes->CreatureGroup->width());
    f.resize(designed);
    QApplication::processEvents();
    EXPECT_EQ(FormGolpes->MovesTable->width(), tableWidth);
    // So do the other tool windows: what they show takes the room.
    const std::pair<TMenuItem*, std::function<QWidget*()>> others[] = {
        {Form1->TabeladeTipos1, [] { return FormTipos->ChartGrid; }},
        {Form1->OndeEncontrar1, [] { return FormOnde->PlaceOthersList; }},
        {Form1->CalculadoradeDano1, [] { return FormDano->RankingList; }},
        {Form1->Treinadores1, [] { return FormTreinadores->PartyList; }},
        {Form1->MinhaEquipe1, [] { return FormEquipe->AgainstTable; }},
        {Form1->ChancedeCaptura1, [] { return FormCaptura->ResultList; }},
    };
    for (const auto& [item, grows] : others)
        WithTool(item, [&](TForm& tool) {
            const QSize size = tool.size(), shown = grows()->size();
            EXPECT_EQ(tool.minimumSize(), size) << tool.Name();
            tool.resize(size + QSize(200, 120));
            QApplication::processEvents();
            EXPECT_EQ(grows()->size(), shown + QSize(200, 120)) << tool.Name();
            tool.Close();
        });
    EXPECT_GT(FormTipos->ChartGrid->columnWidth(1), 52); // the cells share it

    // The type chart opens beside it, and each works while the other is open.
    TForm& chart = OpenTool(Form1->TabeladeTipos1);
    EXPECT_EQ(&chart, FormTipos);
    EXPECT_TRUE(f.isVisible());
    FormTipos->CreatureChooser->setFocus();
    QTest::keyClick(FormTipos->CreatureChooser, Qt::Key_Down); // #002
    EXPECT_EQ(FormTipos->CreatureChooser->Text(), "#002 - Ivysaur");
    f.activateWindow();
    QApplication::setActiveWindow(&f);
    Type("surf");
    EXPECT_EQ(Column(FormGolpes->MovesTable), V{"Surf"});
    EXPECT_TRUE(chart.isVisible());
    // Ctrl+G from the main window brings the same window to the front, on the
    // creature the main window shows, with the filters cleared.
    ShowInMain(1, 24); // #025
    QApplication::setActiveWindow(Form1);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_G, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &f);
    EXPECT_EQ(FormGolpes->NameFilter->Text(), "");
    EXPECT_EQ(FormGolpes->MovesTable->RowCount(), 165);
    EXPECT_EQ(FormGolpes->CreatureChooser->Text(), "#025 - Pikachu");
    // A window of the program's own blocks it as it blocks the main window.
    app.ModalHook = [&](TForm& about) {
        EXPECT_TRUE(f.BlockedByModal());
        about.Close();
    };
    Form1->Sobre1->Action()->trigger();
    app.ModalHook = nullptr;
    EXPECT_FALSE(f.BlockedByModal());
    Escape(chart);
    EXPECT_TRUE(f.isVisible());
    Escape(f);
}

// Whatever size the window is given, in whatever order, nothing is drawn
// over a table and no control reaches out of the one holding it; at its
// first size the tables show whole screens of rows, and it fits a 1366 x 768
// screen with a title bar and a panel.
TEST_F(Golpes, NothingOverTheTablesAtAnySizeAndEnoughRowsAtTheFirst)
{
    TForm& f = OpenGolpes();
    TFormGolpes* g = FormGolpes;
    const std::pair<TListView*, int> tables[] = {
        {g->MovesTable, 12}, {g->LearnersTable, 6}, {g->CreatureMovesTable, 6}};
    for (const auto& [t, least] : tables) {
        ASSERT_GT(t->model()->rowCount(), 0) << t->Name();
        EXPECT_GE(t->viewport()->height() / t->rowHeight(0), least) << t->Name();
    }
    EXPECT_LE(f.ClientWidget()->height(), 700);
    EXPECT_LE(f.frameGeometry().width(), 1366);

    const auto placed = [&](QWidget* w) { return QRect(w->mapTo(&f, QPoint(0, 0)), w->size()); };
    const auto check = [&](const QSize& size) {
        f.resize(size);
        QApplication::processEvents();
        SCOPED_TRACE(testing::Message() << "client " << f.ClientWidget()->width() << "x" << f.ClientWidget()->height());
        for (TComponent* c : f.Components()) {
            const auto* control = dynamic_cast<TControl*>(c);
            if (!control || !control->Widget()->isVisible())
                continue;
            QWidget* w = control->Widget();
            QWidget* holder = w->parentWidget();
            EXPECT_TRUE(holder->rect().contains(QRect(w->pos(), w->size()))) << c->Name() << " cut";
            for (const auto& [t, least] : tables) {
                if (w != t && !w->isAncestorOf(t)) {
                    EXPECT_FALSE(placed(w).intersects(placed(t))) << c->Name() << " over " << t->Name();
                }
            }
        }
    };
    // A screen's worth, and much more: a window made much smaller at once.
    const QSize first = f.size(), smallest = f.minimumSize(), screen(1366, 768), large(1920, 1080);
    for (const QSize& size : {screen, smallest, large, first + QSize(1, 333), first, large, first})
        check(size);
    // Back at its first size, each table is as it was designed.
    EXPECT_GE(g->MovesTable->viewport()->height() / g->MovesTable->rowHeight(0), 12);
    Escape(f);
}

// What is typed reaches the view; its rows, count and details reach the
// controls.
TEST_F(Golpes, FilterTypedReachesTheViewAndItsLinesTheWindow)
{
    OpenGolpes();
    TListView* list = FormGolpes->MovesTable;
    const MovesView& view = FormGolpes->View();
    EXPECT_EQ(list->RowCount(), 165);
    EXPECT_EQ(FormGolpes->CountLabel->Caption(), "165 golpes");
    Type("psy");
    EXPECT_EQ(view.NameText(), "psy");
    EXPECT_EQ(Column(list), (V{"Psybeam", "Psychic", "Psywave"}));
    EXPECT_EQ(Chosen(list), "Psybeam");
    EXPECT_EQ(LineAt(Move(), 0), "Psybeam");
    Type("selfd");
    EXPECT_EQ(Column(list), V{"Self-Destruct"});
    EXPECT_EQ(FormGolpes->CountLabel->Caption(), "1 golpe");
    // Each column of each row as the view has it.
    for (int c = 0; c < list->ColumnCount(); ++c)
        EXPECT_EQ(Column(list, c), ViewColumn(view.Moves(), static_cast<std::size_t>(c))) << c;
    // Anything else simply matches nothing, said in words, with no box.
    for (const QString& text : {QStringLiteral("#$%&*!"), QStringLiteral("ação"), QStringLiteral("€™")}) {
        Type(text);
        EXPECT_EQ(FormGolpes->NameFilter->text(), text);
        EXPECT_EQ(list->RowCount(), 0) << qPrintable(text);
        EXPECT_EQ(FormGolpes->CountLabel->Caption(), "Nenhum golpe encontrado");
        EXPECT_EQ(Move(), V{"Escolha um golpe"});
        EXPECT_EQ(FormGolpes->LearnersTable->RowCount(), 0);
    }
    // Characters the code page cannot hold are not taken; a pasted paragraph is.
    Type("psy");
    Keys(FormGolpes->NameFilter, QString::fromUtf8("日本"));
    EXPECT_EQ(FormGolpes->NameFilter->text(), "psy");
    QApplication::clipboard()->setText(QStringLiteral("sel f-DES"));
    Type("");
    QTest::keyClick(FormGolpes->NameFilter, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Column(list), V{"Self-Destruct"});
    Escape(*FormGolpes);
}

TEST_F(Golpes, SortedByATitlesClickOrTheKeyboardAndTheDetailsFollow)
{
    OpenGolpes();
    TListView* list = FormGolpes->MovesTable;
    // The strongest Water move: Água, then a click on "Poder".
    TComboBox* types = FormGolpes->TypeChooser;
    types->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(types->Text(), W("Água"));
    EXPECT_EQ(list->RowCount(), 9);
    ClickTitle(list, 2);
    EXPECT_EQ(LineAt(Column(list), 0), "Hydro Pump");
    EXPECT_EQ(LineAt(Column(list, 2), 0), "120");
    EXPECT_EQ(list->accessibleDescription(), "ordenado por Poder, do maior ao menor");
    ClickTitle(list, 2); // again: the other way round, no damage first
    EXPECT_EQ(LineAt(Column(list), 0), "Withdraw");
    EXPECT_EQ(Column(list, 2)[1], "20"); // Bubble
    // From the keyboard: Ctrl+1 sorts by name.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(Column(list), (V{"Bubble", "Bubble Beam", "Clamp", "Crabhammer", "Hydro Pump", "Surf", "Water Gun",
                               "Waterfall", "Withdraw"}));
    EXPECT_EQ(list->SortText(), "ordenado por Golpe, de A a Z");

    // The keys move the choice, and the details follow.
    QTest::keyClick(list, Qt::Key_Home);
    EXPECT_EQ(LineAt(Move(), 0), "Bubble");
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(LineAt(Move(), 0), "Withdraw");
    EXPECT_EQ(Move()[3], W("Precisão: —")); // aimed at the user: no accuracy test
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(LineAt(Move(), 0), "Waterfall");
    QTest::keyClick(list, Qt::Key_PageUp);
    EXPECT_EQ(LineAt(Move(), 0), "Bubble");

    // The order shown reaches the view: a filter that hides the move shown
    // chooses the top line, sorted by power the stronger Bubble Beam.
    QTest::keyClick(list, Qt::Key_3, Qt::ControlModifier); // Poder, the strongest first
    PickName(list, "Surf");
    Type("bubble");
    EXPECT_EQ(Column(list), (V{"Bubble Beam", "Bubble"}));
    EXPECT_EQ(Chosen(list), "Bubble Beam");
    QTest::keyClick(list, Qt::Key_3, Qt::ControlModifier); // the weakest first
    PickName(list, "Bubble Beam");
    Type("zzz");
    Type("bubble");
    EXPECT_EQ(Column(list), (V{"Bubble", "Bubble Beam"}));
    EXPECT_EQ(Chosen(list), "Bubble");
    EXPECT_EQ(LineAt(Move(), 0), "Bubble");

    // A filter that hides the chosen move chooses the first row left.
    types->SetItemIndex(0);
    types->Click();
    Type("struggle");
    Pick(list, 0);
    EXPECT_EQ(LineAt(Move(), 0), "Struggle");
    Type("double edge");
    EXPECT_EQ(Column(list), V{"Double-Edge"});
    EXPECT_EQ(Chosen(list), "Double-Edge");
    EXPECT_EQ(LineAt(Move(), 0), "Double-Edge");
    Escape(*FormGolpes);

    // Each opening starts afresh: no filter, and Tab into the table chooses
    // its first row.
    OpenGolpes();
    EXPECT_EQ(FormGolpes->NameFilter->Text(), "");
    EXPECT_EQ(list->RowCount(), 165);
    Type("thunderb");
    QTest::keyClick(FormGolpes->NameFilter, Qt::Key_Tab); // to the type filter
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(Chosen(list), "Thunderbolt");
    EXPECT_EQ(LineAt(Move(), 0), "Thunderbolt");
    Escape(*FormGolpes);
}

// Sorting moves the rows, never the choice: in each table the move or
// creature chosen stays chosen, on the line drawn as chosen and in sight,
// and what follows the choice keeps showing it.
TEST_F(Golpes, SortingKeepsTheChosenRowWhereverItGoes)
{
    ShowInMain(1, 24); // #025
    OpenGolpes();
    TFormGolpes* g = FormGolpes;
    const auto kept = [](TListView* t, const std::string& name, int column) {
        SCOPED_TRACE(t->SortText());
        EXPECT_EQ(Chosen(t, column), name);
        const QModelIndexList lines = t->selectionModel()->selectedRows(column);
        ASSERT_EQ(lines.size(), 1);
        EXPECT_EQ(lines.front().data().toString().toStdString(), name);
        EXPECT_TRUE(t->viewport()->rect().contains(t->visualRect(lines.front())));
    };
    TListView* moves = g->MovesTable;
    PickName(moves, "Thunderwave");
    ASSERT_EQ(LineAt(Move(), 0), "Thunderwave");
    ClickTitle(moves, 2); // by power: no damage last, far below
    kept(moves, "Thunderwave", 0);
    ClickTitle(moves, 0);
    kept(moves, "Thunderwave", 0);
    moves->setFocus();
    for (Qt::Key key : {Qt::Key_6, Qt::Key_4, Qt::Key_1, Qt::Key_1}) {
        QTest::keyClick(moves, key, Qt::ControlModifier);
        kept(moves, "Thunderwave", 0);
    }
    EXPECT_EQ(LineAt(Move(), 0), "Thunderwave");

    // Who learns it, by name from Z to A: the learner chosen and its moves stay.
    TListView* learners = g->LearnersTable;
    PickName(learners, "#082 - Magneton");
    ASSERT_EQ(g->CreatureChooser->Text(), "#082 - Magneton");
    ClickTitle(learners, 0);
    ClickTitle(learners, 0);
    kept(learners, "#082 - Magneton", 0);
    learners->setFocus();
    QTest::keyClick(learners, Qt::Key_2, Qt::ControlModifier);
    kept(learners, "#082 - Magneton", 0);
    EXPECT_EQ(g->CreatureChooser->Text(), "#082 - Magneton");

    // A creature's moves: the one chosen stays, and so does the move above.
    TListView* own = g->CreatureMovesTable;
    PickName(own, "Swift", 1);
    ASSERT_EQ(LineAt(Move(), 0), "Swift");
    ClickTitle(own, 3);
    kept(own, "Swift", 1);
    own->setFocus();
    QTest::keyClick(own, Qt::Key_2, Qt::ControlModifier);
    kept(own, "Swift", 1);
    EXPECT_EQ(LineAt(Move(), 0), "Swift");
    EXPECT_EQ(Chosen(moves), "Swift");
    Escape(*g);
}

// A row clicked reaches the view; the move's lines and who learns it reach
// the box and the table, the row said as one sentence.
TEST_F(Golpes, AMoveClickedShowsItsDetailsAndWhoLearnsIt)
{
    OpenGolpes();
    TFormGolpes* g = FormGolpes;
    Type("thunderbolt");
    Pick(g->MovesTable, 0);
    EXPECT_EQ(Move(), (V{"Thunderbolt", W("Tipo: Elétrico"), "Poder: 95", W("Precisão: 100%"), "PP: 15",
                         "Efeito: Pode paralisar o alvo (10%)", "TM/HM: TM 24 (Vermilion City Gym)"}));
    EXPECT_EQ(g->MovesTable->RowSentence(0),
              W("Golpe: Thunderbolt, Tipo: Elétrico, Poder: 95, Precisão: 100%, PP: 15, TM/HM: TM 24"));
    EXPECT_EQ(g->LearnersTable->RowCount(), 50);
    EXPECT_EQ(Column(g->LearnersTable), ViewColumn(g->View().Learners()));
    EXPECT_EQ(Column(g->LearnersTable, 1), ViewColumn(g->View().Learners(), 1));
    // Another move clicked: the box shows its lines, and only those.
    Type("vine whip");
    Pick(g->MovesTable, 0);
    EXPECT_EQ(Move(), g->View().MoveLines());
    EXPECT_EQ(LineAt(Move(), 0), "Vine Whip");
    EXPECT_EQ(LineAt(Column(g->LearnersTable), 3), "#069 - Bellsprout");
    // Choosing a learner shows its moves below.
    Pick(g->LearnersTable, 3);
    EXPECT_EQ(g->CreatureChooser->Text(), "#069 - Bellsprout");
    EXPECT_EQ(Column(g->CreatureMovesTable, 1), ViewColumn(g->View().CreatureMoves(), 1));
    Escape(*g);
}

TEST_F(Golpes, OpensOnTheCreatureShownAndListsItsMovesAndMachines)
{
    ShowInMain(1, 1); // #002: the panel keeps the catalogue's lines
    OpenGolpes();
    TFormGolpes* g = FormGolpes;
    EXPECT_EQ(g->CreatureChooser->Items().Count(), 152);
    EXPECT_EQ(g->CreatureChooser->Items()[0], "#000 - Missingno"); // by number, in the games' names
    EXPECT_EQ(g->CreatureChooser->Items()[122], "#122 - Mr. Mime");
    EXPECT_EQ(g->CreatureChooser->Text(), "#002 - Ivysaur");
    TListView* moves = g->CreatureMovesTable;
    const V ivysaur = Column(moves, 1), ivysaurHow = Column(moves);
    ASSERT_GE(ivysaur.size(), 4u);
    EXPECT_EQ(V(ivysaur.begin(), ivysaur.begin() + 4), (V{"Tackle", "Growl", "Leech Seed", "Vine Whip"}));
    EXPECT_EQ(V(ivysaurHow.begin(), ivysaurHow.begin() + 4), (V{"inicial", "inicial", "Nv. 7", "Nv. 13"}));
    EXPECT_EQ(Form1->RichEdit2->Lines()[3], "LVL --- Vine Whip");
    Escape(*g);

    ShowInMain(1, 24); // #025
    OpenGolpes();
    EXPECT_EQ(g->CreatureChooser->Text(), "#025 - Pikachu");
    for (int c = 0; c < moves->ColumnCount(); ++c)
        EXPECT_EQ(Column(moves, c), ViewColumn(g->View().CreatureMoves(), static_cast<std::size_t>(c))) << c;
    // Its strongest move by a click on "Poder"; choosing it shows it above,
    // clearing a filter that hid it.
    ClickTitle(moves, 3);
    EXPECT_EQ(LineAt(Column(moves, 1), 0), "Thunder");
    Type("psy");
    ASSERT_FALSE(moves->ShownOrder().empty()) << "the filter 'psy' hid every move";
    Pick(moves, moves->ShownOrder().front());
    EXPECT_EQ(g->NameFilter->Text(), "");
    EXPECT_EQ(g->MovesTable->RowCount(), 165);
    EXPECT_EQ(g->CountLabel->Caption(), "165 golpes");
    EXPECT_EQ(Chosen(g->MovesTable), "Thunder");
    EXPECT_EQ(LineAt(Move(), 0), "Thunder");
    // Another creature typed by name: its moves follow.
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(60000); // however slow the machine
    g->CreatureChooser->setFocus();
    QTest::keyClicks(g->CreatureChooser, "char");
    QApplication::setKeyboardInputInterval(interval);
    EXPECT_EQ(g->CreatureChooser->Text(), "#004 - Charmander");
    const V charmander = Column(moves, 1);
    EXPECT_NE(std::find(charmander.begin(), charmander.end(), "Ember"), charmander.end());
    Escape(*g);
}

// One name per move in every tool window: the moves table, every
// creature's moves and the calculator's move list name each move as the
// moves table's row does, and the calculator puts first the very moves the
// moves window lists for that creature.
TEST_F(Golpes, EveryWindowNamesEachMoveAsTheMovesTable)
{
    std::set<std::string> names;
    for (const MoveInfo& m : MoveTable)
        names.insert(std::string(m.Name));
    OpenGolpes();
    const V listed = Column(FormGolpes->MovesTable);
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), names);
    std::map<int, std::set<std::string>> own; // by creature number
    TComboBox* creature = FormGolpes->CreatureChooser;
    creature->setFocus();
    QTest::keyClick(creature, Qt::Key_Home);
    for (int n = 0; n <= 151; ++n) {
        ASSERT_EQ(creature->ItemIndex(), n);
        const V moves = Column(FormGolpes->CreatureMovesTable, 1), types = Column(FormGolpes->CreatureMovesTable, 2);
        EXPECT_FALSE(moves.empty()) << creature->Text();
        for (std::size_t i = 0; i < moves.size(); ++i) {
            EXPECT_TRUE(names.count(moves[i])) << creature->Text() << ": " << moves[i];
            EXPECT_FALSE(types[i].empty()) << creature->Text() << ": " << moves[i];
        }
        own[n].insert(moves.begin(), moves.end());
        QTest::keyClick(creature, Qt::Key_Down);
    }
    Escape(*FormGolpes);

    WithTool(Form1->CalculadoradeDano1, [&](TForm& dano) {
        TComboBox* attacker = FormDano->AttackerChooser;
        attacker->setFocus();
        QTest::keyClick(attacker, Qt::Key_Home);
        for (int n = 1; n <= 151; ++n) {
            ASSERT_EQ(attacker->ItemIndex(), n - 1);
            const V lines = FormDano->MoveChooser->Items().ToVector();
            const auto parting = std::find(lines.begin(), lines.end(), W("—— outros golpes ——"));
            ASSERT_NE(parting, lines.end()) << attacker->Text();
            for (auto line = lines.begin(); line != lines.end(); ++line) {
                if (line != parting) {
                    EXPECT_TRUE(names.count(*line)) << attacker->Text() << ": " << *line;
                }
            }
            EXPECT_EQ(std::set<std::string>(lines.begin(), parting), own[n]) << attacker->Text();
            QTest::keyClick(attacker, Qt::Key_Down);
        }
        dano.Close();
    });
}

TEST_F(Golpes, EveryFieldNamedAndReachedByTab)
{
    OpenGolpes();
    TFormGolpes* g = FormGolpes;
    const std::vector<std::pair<QWidget*, const char*>> named = {{g->NameFilter, "Nome"},
                                                                 {g->TypeChooser, "Tipo"},
                                                                 {g->MovesTable, "Golpes"},
                                                                 {g->MoveDetails, "Golpe escolhido"},
                                                                 {g->LearnersTable, "Quem aprende o golpe escolhido"},
                                                                 {g->CreatureChooser, "Pokémon"},
                                                                 {g->CreatureMovesTable, "Golpes do pokémon"}};
    std::set<QWidget*> reached;
    g->NameFilter->setFocus();
    for (std::size_t i = 0; i < 2 * named.size(); ++i) {
        reached.insert(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(LabelOf(g->NameFilter), "Nome:");
    EXPECT_EQ(LabelOf(g->TypeChooser), "Tipo:");
    EXPECT_EQ(LabelOf(g->CreatureChooser), QString::fromUtf8("Pokémon:"));
    for (const auto& [w, name] : named) {
        EXPECT_EQ(w->accessibleName(), QString::fromUtf8(name));
        EXPECT_TRUE(reached.count(w)) << name << " not reached by Tab";
    }
    // A row is said as one sentence, each value with its column's title.
    const QModelIndex first = g->MovesTable->model()->index(0, 0);
    EXPECT_EQ(first.data(Qt::AccessibleTextRole).toString(),
              QString::fromUtf8("Golpe: Pound, Tipo: Normal, Poder: 40, Precisão: 100%, PP: 35, TM/HM: —"));
    Escape(*g);
}

} // namespace
