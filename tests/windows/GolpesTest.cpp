// The moves window through the real program: created by its first opening,
// filtered by typing anything at all, a move and a creature chosen by mouse
// and keyboard, and every value named for a screen reader.
#include "WindowsFixture.h"

#include "data/Moves.h"
#include "forms/UnitGolpes.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QKeyEvent>

namespace {

struct Golpes : Windows {
    static std::vector<std::string> Lines(TListBox* list) { return list->Items().ToVector(); }
    static std::vector<std::string> Move() { return FormGolpes->RichEdit1->Lines().ToVector(); }
    static std::vector<std::string> Creature() { return FormGolpes->RichEdit2->Lines().ToVector(); }
    // The lines of a text box from the one starting with `from` to the end.
    static std::vector<std::string> From(const std::vector<std::string>& lines, const std::string& from)
    {
        auto at = std::find(lines.begin(), lines.end(), from);
        return {at, lines.end()};
    }
    static void Pick(TListBox* list, int row)
    {
        QListWidgetItem* it = list->item(row);
        list->scrollToItem(it);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(it).center());
        QApplication::processEvents();
    }
    static void PickLine(TListBox* list, const std::string& line)
    {
        int row = list->Items().Count() - 1;
        while (row >= 0 && list->Items().Get(row) != line)
            --row;
        ASSERT_GE(row, 0) << line;
        Pick(list, row);
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
        TEdit* e = FormGolpes->Edit1;
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        Keys(e, text);
    }
    void OpenGolpes(const std::function<void(TForm&)>& inside) { Open(Form1->ListadeGolpes1, inside); }
};

TEST_F(Golpes, CreatedByItsFirstOpeningModalFixedAndReused)
{
    EXPECT_EQ(FormGolpes, nullptr); // start-up does not create it
    TForm* first = nullptr;
    OpenGolpes([&](TForm& f) {
        first = &f;
        EXPECT_EQ(&f, FormGolpes);
        EXPECT_EQ(f.windowTitle(), "Lista de Golpes");
        EXPECT_EQ(f.minimumSize(), f.maximumSize());
        EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
        PressMainShortcuts(f.windowHandle());
        AltF4(f);
    });
    // Ctrl+G in the main window opens the same window again.
    app.ModalHook = [&](TForm& f) {
        opened.push_back(&f);
        EXPECT_EQ(&f, first);
        f.Close();
    };
    QTest::keyClick(Form1->windowHandle(), Qt::Key_G, Qt::ControlModifier);
    app.ModalHook = nullptr;
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_FALSE(first->isVisible());
}

TEST_F(Golpes, FilterFindsAnyPartOfTheNameAndSaysWhenNothingMatches)
{
    OpenGolpes([&](TForm& f) {
        TListBox* list = FormGolpes->ListBox1;
        EXPECT_EQ(list->Items().Count(), 165);
        EXPECT_EQ(FormGolpes->Label4->Caption(), "165 golpes");
        using V = std::vector<std::string>;
        Type("psy");
        EXPECT_EQ(Lines(list), (V{"Psybeam", "Psychic", "Psywave"}));
        Type("Thunder");
        EXPECT_EQ(Lines(list), (V{"Thunder Punch", "Thundershock", "Thunderbolt", "Thunderwave", "Thunder"}));
        Type("selfd");
        EXPECT_EQ(Lines(list), (V{"Self-Destruct"}));
        EXPECT_EQ(FormGolpes->Label4->Caption(), "1 golpe");
        Type("   ");
        EXPECT_EQ(list->Items().Count(), 165);
        // Anything else simply matches nothing, said in words, with no box.
        for (const QString& text : {QStringLiteral("#$%&*!"), QStringLiteral("ação"), QStringLiteral("€™")}) {
            Type(text);
            EXPECT_EQ(FormGolpes->Edit1->text(), text);
            EXPECT_EQ(list->Items().Count(), 0) << qPrintable(text);
            EXPECT_EQ(FormGolpes->Label4->Caption(), "Nenhum golpe encontrado");
        }
        // Characters the code page cannot hold are not taken; what was there stays.
        Type("psy");
        Keys(FormGolpes->Edit1, QString::fromUtf8("日本"));
        EXPECT_EQ(FormGolpes->Edit1->text(), "psy");
        EXPECT_EQ(list->Items().Count(), 3);
        // A pasted paragraph.
        QApplication::clipboard()->setText(QString::fromUtf8("Uma linha,\nduas linhas; três\tlinhas ").repeated(200));
        Type("");
        QTest::keyClick(FormGolpes->Edit1, Qt::Key_V, Qt::ControlModifier);
        EXPECT_FALSE(FormGolpes->Edit1->text().isEmpty());
        EXPECT_EQ(list->Items().Count(), 0);
        QApplication::clipboard()->setText(QStringLiteral("sel f-DES"));
        Type("");
        QTest::keyClick(FormGolpes->Edit1, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Lines(list), (V{"Self-Destruct"}));
        f.Close();
    });
}

TEST_F(Golpes, TypeFilterWithTheNameFilterAndTheChoiceKept)
{
    OpenGolpes([&](TForm& f) {
        TListBox* list = FormGolpes->ListBox1;
        TComboBox* types = FormGolpes->ComboBox1;
        EXPECT_FALSE(types->isEditable());
        ASSERT_EQ(types->Items().Count(), 16);
        EXPECT_EQ(types->Text(), "Todos os tipos");
        PickLine(list, "Thunderbolt");
        // By keyboard, as a person picks: the fifth type after "Todos os tipos".
        types->setFocus();
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        EXPECT_EQ(types->Text(), W("Elétrico"));
        EXPECT_EQ(Lines(list),
                  (std::vector<std::string>{"Thunder Punch", "Thundershock", "Thunderbolt", "Thunderwave", "Thunder"}));
        EXPECT_EQ(list->Items()[list->ItemIndex()], "Thunderbolt"); // still chosen
        Type("wave");
        EXPECT_EQ(Lines(list), (std::vector<std::string>{"Thunderwave"}));
        EXPECT_EQ(list->ItemIndex(), -1);
        EXPECT_EQ(Move()[2], "Poder: 95"); // the move shown stays until another is chosen
        Type("psy");
        EXPECT_EQ(list->Items().Count(), 0);
        f.Close();
    });
}

TEST_F(Golpes, AMoveTellsWhatItIsWhoLearnsItAndWhereItsMachineIs)
{
    using V = std::vector<std::string>;
    OpenGolpes([&](TForm& f) {
        TFormGolpes* g = FormGolpes;
        Type("thunderbolt");
        Pick(g->ListBox1, 0);
        const V move = Move();
        ASSERT_EQ(move.size(), 9u + 50u);
        EXPECT_EQ(V(move.begin(), move.begin() + 9),
                  (V{"Thunderbolt", W("Tipo: Elétrico"), "Poder: 95", W("Precisão: 100%"), "PP: 15",
                     "Efeito: Pode paralisar o alvo (10%)", "TM/HM: TM 24 (Vermilion City Gym)",
                     W("Aprendem por nível: nenhum"), "Aprendem por TM/HM:"}));
        EXPECT_EQ(move[9], "#019 - Rattata");
        EXPECT_EQ(move.back(), "#151 - Mew");

        // By keyboard through the whole list: the last move.
        Type("");
        g->ListBox1->setFocus();
        QTest::keyClick(g->ListBox1, Qt::Key_End);
        EXPECT_EQ(g->ListBox1->Items()[g->ListBox1->ItemIndex()], "Struggle");
        EXPECT_EQ(From(Move(), "TM/HM: nenhuma"),
                  (V{"TM/HM: nenhuma", W("Aprendem por nível: nenhum"), "Aprendem por TM/HM: nenhum"}));

        // A dash for no direct damage, words where power does not count.
        Type("growl");
        Pick(g->ListBox1, 0);
        EXPECT_EQ(Move()[2], "Poder: \x97");
        EXPECT_EQ(From(Move(), W("Aprendem por nível:"))[1], "LVL --- #001 - Bulbasaur");
        Type("seismic");
        Pick(g->ListBox1, 0);
        EXPECT_EQ(Move()[2], W("Poder: nível"));
        EXPECT_EQ(Move()[6], "TM/HM: TM 19 (Route 25)");
        // Learnt by level, with the games' facts where a catalogue row differs.
        Type("vine whip");
        Pick(g->ListBox1, 0);
        EXPECT_EQ(
            From(Move(), W("Aprendem por nível:")),
            (V{W("Aprendem por nível:"), "LVL 13 #001 - Bulbasaur", "LVL 13 #002 - Ivysaur", "LVL 13 #003 - Venusaur",
               "LVL --- #069 - Bellsprout", "LVL --- #070 - Weepinbell", "Aprendem por TM/HM: nenhum"}));
        Type("pound");
        Pick(g->ListBox1, 0);
        EXPECT_EQ(From(Move(), "Aprendem por TM/HM: nenhum").size(), 1u);
        const V pound = Move();
        EXPECT_EQ(pound[pound.size() - 2], "LVL --- #151 - Mew");
        f.Close();
    });
}

TEST_F(Golpes, OpensOnTheCreatureShownAndListsItsMovesAndMachines)
{
    using V = std::vector<std::string>;
    Form1->SetAppDir(FAUNETA_OUT_DIR "/"); // its pictures
    Form1->ListBox1->SetItemIndex(1);      // #002: the panel keeps the catalogue's lines
    Form1->ListBox1Click(Form1->ListBox1);
    OpenGolpes([&](TForm& f) {
        TFormGolpes* g = FormGolpes;
        EXPECT_FALSE(g->ComboBox2->isEditable());
        EXPECT_EQ(g->ComboBox2->Items().Count(), 152);
        EXPECT_EQ(g->ComboBox2->Items()[82], "#083 - Farfetch'd"); // the list's line
        EXPECT_EQ(g->ComboBox2->Text(), "#002 - Ivysaur");
        const V lines = Creature();
        EXPECT_EQ(V(lines.begin(), lines.begin() + 6), (V{"#002 - Ivysaur", W("Golpes por nível:"), "LVL --- Tackle",
                                                          "LVL --- Growl", "LVL 07 Leech Seed", "LVL 13 Vine Whip"}));
        EXPECT_EQ(Form1->RichEdit2->Lines()[3], "LVL --- Vine Whip");
        f.Close();
    });
    Form1->PageList(6)->SetItemIndex(0); // #000
    Form1->ListBox6Click(Form1->ListBox6);
    OpenGolpes([&](TForm& f) {
        TFormGolpes* g = FormGolpes;
        EXPECT_EQ(g->ComboBox2->Text(), "#000 - Missingno");
        EXPECT_EQ(Creature().back(), "TMs e HMs: nenhuma");
        // #025 picked from the drop-down list by keyboard: up from #000 is #150,
        // so go there from the top instead.
        g->ComboBox2->setFocus();
        QTest::keyClick(g->ComboBox2, Qt::Key_Home);
        for (int i = 0; i < 24; ++i)
            QTest::keyClick(g->ComboBox2, Qt::Key_Down);
        EXPECT_EQ(g->ComboBox2->Text(), "#025 - Pikachu");
        const V lines = Creature();
        EXPECT_EQ(
            V(lines.begin(), lines.begin() + 10),
            (V{"#025 - Pikachu", W("Golpes por nível:"), "LVL --- Thundershock", "LVL --- Growl", "LVL 09 Thunderwave",
               "LVL 16 Quick Attack", "LVL 26 Swift", "LVL 33 Agility", "LVL 43 Thunder", "TMs e HMs:"}));
        EXPECT_NE(std::find(lines.begin(), lines.end(), "TM 24 -- Thunderbolt"), lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), "HM 05 -- Flash"), lines.end());
        EXPECT_EQ(std::find(lines.begin(), lines.end(), "TM 26 -- Earthquake"), lines.end());
        // A move hidden by the filter, chosen by the program, clears the filter.
        Type("psy");
        g->ChooseMove(FindMove("Thunderwave"));
        EXPECT_EQ(g->Edit1->Text(), "");
        EXPECT_EQ(g->ListBox1->Items()[g->ListBox1->ItemIndex()], "Thunderwave");
        EXPECT_EQ(Move()[6], "TM/HM: TM 45 (Route 24)");
        f.Close();
    });
}

TEST_F(Golpes, EveryFieldNamedAndReachedByTab)
{
    OpenGolpes([&](TForm& f) {
        TFormGolpes* g = FormGolpes;
        const std::vector<std::pair<QWidget*, const char*>> named = {
            {g->Edit1, "Filtrar por nome"},    {g->ComboBox1, "Filtrar por tipo"}, {g->ListBox1, "Golpes"},
            {g->RichEdit1, "Golpe escolhido"}, {g->ComboBox2, "Pokémon"},          {g->RichEdit2, "Golpes do pokémon"}};
        std::set<QWidget*> reached;
        g->Edit1->setFocus();
        for (std::size_t i = 0; i < 2 * named.size(); ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        EXPECT_EQ(g->ComboBox1->accessibleDescription(), "Filtrar por tipo");
        EXPECT_EQ(g->ComboBox2->accessibleDescription(), QString::fromUtf8("Pokémon"));
        for (const auto& [w, name] : named) {
            EXPECT_EQ(w->accessibleName(), QString::fromUtf8(name));
            EXPECT_TRUE(reached.count(w)) << name << " not reached by Tab";
        }
        f.Close();
    });
}

} // namespace
