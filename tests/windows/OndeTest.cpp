// The "where to find" window through the real program: created by its first
// opening (menu or Ctrl+E), on the creature the main window shows; a creature,
// a place and the version filter picked by keyboard reach its view, and the
// view's lines its lists; every line readable whole and every control named.
// What the lines say is WhereToFindView's test (tests/views).
#include "WindowsFixture.h"

#include "forms/UnitOnde.h"

#include <QAccessible>
#include <QScrollBar>

namespace {

struct Onde : Windows {
    static std::vector<std::string> Lines(TListBox* list)
    {
        std::vector<std::string> utf8;
        for (const std::string& line : list->Items().ToVector())
            utf8.push_back(cp1252::toUtf8(line));
        return utf8;
    }
    static std::vector<std::string> Creature() { return Lines(FormOnde->WaysList); }
    static std::vector<std::string> Place() { return Lines(FormOnde->PlaceCreaturesList); }
    // A line as said, or that line followed by the chance to catch that a
    // wild line ends with (its own test is the view's).
    static bool Has(const std::vector<std::string>& lines, const std::string& line)
    {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
            return l == line || l.rfind(line + " — captura por arremesso, Energia cheia: ", 0) == 0;
        });
    }
    // A drop-down list's line chosen by keyboard: from the top, down to it.
    static void KeyTo(TComboBox* combo, int line)
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < line; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        QApplication::processEvents();
    }
    // A tool window: opened beside the main window, `inside` closes it.
    void OpenOnde(const std::function<void(TForm&)>& inside) { WithTool(Form1->OndeEncontrar1, inside); }
};

TEST_F(Onde, MadeByItsFirstOpeningReopenedByCtrlEAndClosedByEsc)
{
    EXPECT_EQ(FormOnde, nullptr); // start-up does not create it
    TForm* first = nullptr;
    OpenOnde([&](TForm& f) {
        first = &f;
        EXPECT_EQ(&f, FormOnde);
        EXPECT_EQ(f.windowTitle(), "Onde Encontrar");
        EXPECT_EQ(f.minimumSize(), f.size()); // larger, never smaller
        PressMainShortcuts(f.windowHandle());
        Escape(f);
    });
    // Ctrl+E in the main window, wherever its focus is (the search field
    // takes Ctrl+E for itself on X11), opens the same window again.
    for (QWidget* focus : {static_cast<QWidget*>(Form1->ListBox1), static_cast<QWidget*>(Form1->Edit5)}) {
        QApplication::setActiveWindow(Form1);
        focus->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), focus);
        QTest::keyClick(Form1->windowHandle(), Qt::Key_E, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_TRUE(first->isVisible()) << "Ctrl+E with the focus in " << focus->objectName().toStdString();
        EXPECT_EQ(QApplication::activeWindow(), first);
        Escape(*first);
    }
    // "Fechar" closes it too.
    OpenOnde([&](TForm& f) {
        ClickOn(FormOnde->CloseButton);
        EXPECT_FALSE(f.isVisible());
    });
}

TEST_F(Onde, OpensOnTheShownCreatureAndAKeyboardChoiceReachesTheView)
{
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ListBox1->SetItemIndex(24); // #025
    Form1->ListBox1Click(Form1->ListBox1);
    OpenOnde([&](TForm& f) {
        TFormOnde* o = FormOnde;
        EXPECT_FALSE(o->CreatureChooser->isEditable());
        EXPECT_EQ(o->CreatureChooser->Items().Count(), 152);
        EXPECT_EQ(o->CreatureChooser->Text(), "#025 - Pikachu");
        EXPECT_EQ(o->View().Creature().Number(), 25);
        EXPECT_TRUE(Has(Creature(), "Floresta Viridian — grama/caverna — níveis 3 a 5 — 5,5% dos encontros — Azul e "
                                    "Vermelha"))
            << LineAt(Creature(), 0);
        // Each creature picked by keyboard reaches the view, and the view's
        // lines the list: #129, #003 (only by evolving), Mew by End, #000 by Home.
        const auto shows = [&](int number, const char* chooserLine) {
            EXPECT_EQ(o->CreatureChooser->Text(), chooserLine);
            EXPECT_EQ(o->View().Creature().Number(), number);
            EXPECT_EQ(o->WaysList->Items().ToVector(), o->View().CreatureListLines()) << number;
        };
        KeyTo(o->CreatureChooser, 129);
        shows(129, "#129 - Magikarp");
        EXPECT_TRUE(Has(Creature(), "Qualquer lugar com água — Vara Velha — nível 5 — fisga em todo lance; sempre "
                                    "Magikarp — Azul e Vermelha"));
        KeyTo(o->CreatureChooser, 3);
        shows(3, "#003 - Venusaur");
        EXPECT_EQ(Creature(), (std::vector<std::string>{"Só por evolução: de Ivysaur no nível 32"}));
        o->CreatureChooser->setFocus();
        QTest::keyClick(o->CreatureChooser, Qt::Key_End);
        shows(151, "#151 - Mew");
        QTest::keyClick(o->CreatureChooser, Qt::Key_Home);
        shows(0, "#000 - Missingno");
        // A name typed picks its creature.
        QTest::keyClicks(o->CreatureChooser, "gyara");
        shows(130, "#130 - Gyarados");
        f.Close();
    });
}

TEST_F(Onde, APlaceAndTheFilterChosenByKeyboardReachBothLists)
{
    OpenOnde([&](TForm& f) {
        TFormOnde* o = FormOnde;
        ASSERT_EQ(o->PlaceChooser->Items().Count(), static_cast<int>(o->View().Places().size()));
        // Another place first, so that Rota 1 is really picked.
        KeyTo(o->PlaceChooser, 5);
        EXPECT_EQ(o->PlaceChooser->Text(), "Rota 6");
        EXPECT_EQ(o->View().Place(), encounters::Place::Route6);
        KeyTo(o->PlaceChooser, 0);
        EXPECT_EQ(o->PlaceChooser->Text(), "Rota 1");
        ASSERT_EQ(Place().size(), 2u);
        EXPECT_TRUE(Has(Place(), "#016 Pidgey — grama/caverna — níveis 2 a 5 — 50,0% dos encontros — Azul e Vermelha"));
        EXPECT_TRUE(
            Has(Place(), "#019 Rattata — grama/caverna — níveis 2 a 4 — 50,0% dos encontros — Azul e Vermelha"));
        // Ekans (#023), Red's only, and Rota 4, then each filter line: both
        // lists follow it, as a view with the same choices gives them.
        o->ChooseCreature(*species::Creature::FromNumber(23));
        EXPECT_EQ(o->CreatureChooser->Text(), "#023 - Ekans");
        KeyTo(o->PlaceChooser, 3);
        EXPECT_EQ(o->View().Place(), encounters::Place::Route4);
        EXPECT_EQ(o->VersionChooser->Text(), "As duas");
        WhereToFindView expected;
        expected.ChooseCreature(*species::Creature::FromNumber(23));
        expected.ChoosePlace(encounters::Place::Route4);
        const std::pair<int, const char*> filter[] = {{1, "Só Vermelha"}, {2, "Só Azul"}, {0, "As duas"}};
        for (const auto& [line, text] : filter) {
            KeyTo(o->VersionChooser, line);
            EXPECT_EQ(o->VersionChooser->Text(), W(text));
            expected.ChooseVersionLine(line);
            EXPECT_EQ(o->View().Version(), expected.Version());
            EXPECT_EQ(o->WaysList->Items().ToVector(), expected.CreatureListLines()) << text;
            EXPECT_EQ(o->PlaceCreaturesList->Items().ToVector(), expected.PlaceListLines()) << text;
        }
        KeyTo(o->VersionChooser, 2);
        EXPECT_EQ(Creature(), (std::vector<std::string>{"Não se encontra na versão Azul"}));
        f.Close();
    });
}

TEST_F(Onde, EveryLineReadableWholeAndEveryControlNamed)
{
    OpenOnde([&](TForm& f) {
        TFormOnde* o = FormOnde;
        // A line wider than its list scrolls into view: nothing is cut off.
        const auto readable = [](TListBox* list) {
            QApplication::processEvents();
            const int reach = list->viewport()->width() + list->horizontalScrollBar()->maximum();
            for (int i = 0; i < list->count(); ++i) {
                // The row holds its whole text, and the row can be scrolled into view whole.
                const int row = list->visualItemRect(list->item(i)).width();
                if (row < list->fontMetrics().horizontalAdvance(list->item(i)->text()) || row > reach)
                    return list->item(i)->text().toStdString();
            }
            return std::string();
        };
        for (int number = 0; number <= species::Creature::Highest; ++number) {
            o->ChooseCreature(*species::Creature::FromNumber(number));
            ASSERT_EQ(readable(o->WaysList), "") << number;
        }
        for (const encounters::Place place : o->View().Places()) {
            o->ChoosePlace(place);
            ASSERT_EQ(readable(o->PlaceCreaturesList), "") << encounters::PlaceMap(place);
        }
        // Each row is the sentence a screen reader says.
        o->ChooseCreature(*species::Creature::FromNumber(25));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(o->WaysList);
        ASSERT_TRUE(list && list->childCount() > 0);
        EXPECT_EQ(list->child(0)->text(QAccessible::Name), o->WaysList->item(0)->text());
        EXPECT_EQ(o->WaysList->accessibleName(), QString::fromUtf8("Onde encontrar o pokémon"));
        EXPECT_EQ(o->PlaceCreaturesList->accessibleName(), QString::fromUtf8("Pokémons do lugar"));
        EXPECT_EQ(LabelOf(o->VersionChooser), QString::fromUtf8("Versões:"));
        EXPECT_EQ(LabelOf(o->CreatureChooser), QString::fromUtf8("Pokémon:"));
        EXPECT_EQ(LabelOf(o->PlaceChooser), "Lugar:");
        std::set<QWidget*> reached;
        o->VersionChooser->setFocus();
        for (int i = 0; i < 12; ++i) {
            reached.insert(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (TComponent* c : o->Components())
            if (auto* ctl = dynamic_cast<TControl*>(c)) {
                EXPECT_FALSE(ctl->Widget()->accessibleName().isEmpty()) << c->Name();
                if (ctl->Widget()->focusPolicy() & Qt::TabFocus) {
                    EXPECT_TRUE(reached.count(ctl->Widget())) << c->Name() << " not reached by Tab";
                }
            }
        f.Close();
    });
}

// Items through real input: a name typed picks the item, and its ways reach
// the list; a place lists its items and its trainers beside its creatures.
TEST_F(Onde, AnItemTypedMewtwosCatchAndAPlacesItemsAndTrainers)
{
    OpenOnde([&](TForm& f) {
        TFormOnde* o = FormOnde;
        const auto items = [&] { return Lines(o->ItemWaysList); };
        o->ItemChooser->setFocus();
        QTest::keyClicks(o->ItemChooser, "moon s");
        QApplication::processEvents();
        EXPECT_EQ(o->ItemChooser->Text(), "Moon Stone");
        EXPECT_TRUE(Has(items(), "no chão — Mt. Moon, 1º andar (x 2, y 2)")) << LineAt(items(), 0);
        EXPECT_TRUE(Has(items(), "no chão — Esconderijo da Equipe Rocket, 2º subsolo (x 1, y 11)"));
        EXPECT_TRUE(Has(items(), "escondido — Mt. Moon, 2º subsolo (x 18, y 12); o Itemfinder ajuda"));
        QTest::keyClick(o->ItemChooser, Qt::Key_Home);
        QTest::keyClicks(o->ItemChooser, "hm 01");
        QApplication::processEvents();
        EXPECT_EQ(items(), std::vector<std::string>{"presente do capitão do S.S. Anne — S.S. Anne, cabine do capitão"});
        QTest::keyClick(o->ItemChooser, Qt::Key_Home);
        QTest::keyClicks(o->ItemChooser, "itemf");
        QApplication::processEvents();
        EXPECT_EQ(LineAt(items(), 0).rfind("presente do ajudante do Professor Carvalho, com 30 pokémon registrados", 0),
                  0u)
            << LineAt(items(), 0);

        // Mewtwo typed: its one line, standing at level 70, with its chance per Ultra Ball.
        o->CreatureChooser->setFocus();
        QTest::keyClicks(o->CreatureChooser, "mewtwo");
        QApplication::processEvents();
        const auto mewtwo = Creature();
        ASSERT_EQ(mewtwo.size(), 1u);
        EXPECT_NE(mewtwo[0].find("nível 70"), std::string::npos) << mewtwo[0];
        EXPECT_NE(mewtwo[0].find("captura por arremesso, Energia cheia: Poké Ball 0,5%, Ultra Ball 0,9%"),
                  std::string::npos)
            << mewtwo[0];

        // Rota 9: its hidden Ether under "Itens:", its trainers under theirs.
        const auto& places = o->View().Places();
        KeyTo(o->PlaceChooser,
              static_cast<int>(std::find(places.begin(), places.end(), encounters::Place::Route9) - places.begin()));
        EXPECT_EQ(o->PlaceChooser->Text(), "Rota 9");
        const auto others = Lines(o->PlaceOthersList);
        EXPECT_EQ(LineAt(others, 0), "Itens:");
        EXPECT_TRUE(Has(others, "  Ether — escondido (x 14, y 7); o Itemfinder ajuda")) << LineAt(others, 1);
        EXPECT_TRUE(Has(others, "Treinadores:"));
        EXPECT_EQ(LabelOf(o->ItemChooser), "Item:");
        EXPECT_EQ(o->ItemWaysList->accessibleName(), "Onde conseguir o item");
        EXPECT_EQ(o->PlaceOthersList->accessibleName(), "Itens e treinadores do lugar");
        f.Close();
    });
}

} // namespace
