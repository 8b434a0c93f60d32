// The "where to find" window through the real program: created by its first
// opening (menu or Ctrl+E), on the creature the main window shows; a creature,
// a place and the version filter picked by keyboard and mouse; the facts'
// figures in its lines; every line readable whole and every control named.
#include "WindowsFixture.h"

#include "../catalogue/FactTables.h"

#include "catalogue/Catalogue.h"
#include "forms/UnitOnde.h"

#include <QAccessible>
#include <QScrollBar>

#include <cstdio>

namespace {

struct Onde : Windows {
    static std::vector<std::string> Lines(TListBox* list)
    {
        std::vector<std::string> utf8;
        for (const std::string& line : list->Items().ToVector())
            utf8.push_back(cp1252::toUtf8(line));
        return utf8;
    }
    static std::vector<std::string> Creature() { return Lines(FormOnde->ListBox1); }
    static std::vector<std::string> Place() { return Lines(FormOnde->ListBox2); }
    static bool Has(const std::vector<std::string>& lines, const std::string& line)
    {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
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
    // The facts' walking chance of a creature on a map in one version, as
    // the window writes it ("5,5%").
    static std::string FactsChance(const std::string& map, int creature, const std::string& version)
    {
        int sum = 0;
        for (const auto& r : facts::ReadTable("wild_encounters.csv"))
            if (r.at("map") == map && r.at("version") == version && std::stoi(r.at("dex_number")) == creature)
                sum += std::stoi(r.at("slot_chance_256"));
        char text[16];
        std::snprintf(text, sizeof text, "%.1f%%", 100.0 * sum / 256);
        std::string s = text;
        s[s.find('.')] = ',';
        return s;
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
        ClickOn(FormOnde->Button1);
        EXPECT_FALSE(f.isVisible());
    });
}

TEST_F(Onde, OpensOnTheShownCreatureWithTheFactsFigures)
{
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ListBox1->SetItemIndex(24); // #025
    Form1->ListBox1Click(Form1->ListBox1);
    OpenOnde([&](TForm& f) {
        TFormOnde* o = FormOnde;
        EXPECT_FALSE(o->ComboBox2->isEditable());
        EXPECT_EQ(o->ComboBox2->Items().Count(), 152);
        EXPECT_EQ(o->ComboBox2->Text(), "#025 - Pikachu");
        // Viridian Forest in both versions, one line, with the facts' chance.
        const std::string red = FactsChance("Viridian Forest", 25, "red");
        EXPECT_EQ(red, FactsChance("Viridian Forest", 25, "blue"));
        EXPECT_TRUE(Has(Creature(), "Floresta Viridian — grama/caverna — níveis 3 a 5 — " + red +
                                        " dos encontros — Azul e Vermelha"))
            << LineAt(Creature(), 0);
        // #129 by keyboard: the Old and the Super Rod with how often each
        // bites; the Good Rod never brings one (as the facts have it).
        KeyTo(o->ComboBox2, 129);
        EXPECT_EQ(o->ComboBox2->Text(), "#129 - Magikarp");
        const auto magikarp = Creature();
        EXPECT_TRUE(Has(magikarp, "Qualquer lugar com água — Vara Velha — nível 5 — fisga em todo lance; sempre "
                                  "Magikarp — Azul e Vermelha"));
        EXPECT_EQ(
            std::count_if(magikarp.begin(), magikarp.end(),
                          [](const std::string& l) {
                              return l.find(" — Super Vara — nível 15 — fisga 1 vez em 2 lances; Magikarp 1 em 8 — ") !=
                                     std::string::npos;
                          }),
            5);
        EXPECT_TRUE(std::none_of(magikarp.begin(), magikarp.end(),
                                 [](const std::string& l) { return l.find("Vara Boa") != std::string::npos; }));
        // One had only by evolving says so; so do #000 and Mew.
        KeyTo(o->ComboBox2, 3);
        EXPECT_EQ(Creature(), (std::vector<std::string>{"Só por evolução: de Ivysaur no nível 32"}));
        o->ComboBox2->setFocus();
        QTest::keyClick(o->ComboBox2, Qt::Key_End);
        EXPECT_EQ(o->ComboBox2->Text(), "#151 - Mew");
        ASSERT_EQ(Creature().size(), 1u);
        EXPECT_EQ(LineAt(Creature(), 0).rfind("Não se encontra nas versões Azul e Vermelha", 0), 0u);
        QTest::keyClick(o->ComboBox2, Qt::Key_Home);
        EXPECT_EQ(o->ComboBox2->Text(), "#000 - Missingno");
        ASSERT_EQ(Creature().size(), 1u);
        EXPECT_NE(LineAt(Creature(), 0).find("é uma entrada de erro do jogo"), std::string::npos);
        f.Close();
    });
}

TEST_F(Onde, APlaceListsItsCreaturesAndTheFilterNarrowsBothLists)
{
    OpenOnde([&](TForm& f) {
        TFormOnde* o = FormOnde;
        ASSERT_EQ(o->ComboBox3->Items().Count(), static_cast<int>(o->ListedPlaces().size()));
        // Another place first, so that Rota 1 is really picked.
        KeyTo(o->ComboBox3, 5);
        EXPECT_EQ(o->ComboBox3->Text(), "Rota 6");
        KeyTo(o->ComboBox3, 0);
        EXPECT_EQ(o->ComboBox3->Text(), "Rota 1");
        EXPECT_EQ(Place(), (std::vector<std::string>{
                               "#016 Pidgey — grama/caverna — níveis 2 a 5 — 50,0% dos encontros — Azul e Vermelha",
                               "#019 Rattata — grama/caverna — níveis 2 a 4 — 50,0% dos encontros — Azul e Vermelha"}));
        // Ekans (#023) and Rota 4: Red's only.
        o->ChooseCreature(23);
        KeyTo(o->ComboBox3, 3);
        const auto has = [](const std::vector<std::string>& lines, const char* part) {
            return std::any_of(lines.begin(), lines.end(),
                               [&](const std::string& l) { return l.find(part) != std::string::npos; });
        };
        const std::size_t both = Creature().size();
        EXPECT_TRUE(has(Place(), "#023 Ekans"));
        EXPECT_TRUE(has(Place(), "#027 Sandshrew")); // Blue's
        EXPECT_EQ(o->ComboBox1->Text(), "As duas");
        KeyTo(o->ComboBox1, 1);
        EXPECT_EQ(o->ComboBox1->Text(), W("Só Vermelha"));
        EXPECT_EQ(Creature().size(), both);
        EXPECT_TRUE(has(Place(), "#023 Ekans"));
        EXPECT_FALSE(has(Place(), "#027 Sandshrew"));
        KeyTo(o->ComboBox1, 2);
        EXPECT_EQ(Creature(), (std::vector<std::string>{"Não se encontra na versão Azul"}));
        EXPECT_FALSE(has(Place(), "#023 Ekans"));
        EXPECT_TRUE(has(Place(), "#027 Sandshrew"));
        // The filter stays for the next creature.
        KeyTo(o->ComboBox2, 25);
        EXPECT_FALSE(has(Creature(), "só Vermelha"));
        EXPECT_TRUE(has(Creature(), "Floresta Viridian"));
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
        for (int number = 0; number <= Catalogue::HighestNumber; ++number) {
            o->ChooseCreature(number);
            ASSERT_EQ(readable(o->ListBox1), "") << number;
        }
        for (int line = 0; line < o->ComboBox3->Items().Count(); ++line) {
            o->ChoosePlace(line);
            ASSERT_EQ(readable(o->ListBox2), "") << line;
        }
        // Each row is the sentence a screen reader says.
        o->ChooseCreature(25);
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(o->ListBox1);
        ASSERT_TRUE(list && list->childCount() > 0);
        EXPECT_EQ(list->child(0)->text(QAccessible::Name), o->ListBox1->item(0)->text());
        EXPECT_EQ(o->ListBox1->accessibleName(), QString::fromUtf8("Onde encontrar o pokémon"));
        EXPECT_EQ(o->ListBox2->accessibleName(), QString::fromUtf8("Pokémons do lugar"));
        EXPECT_EQ(LabelOf(o->ComboBox1), QString::fromUtf8("Versões:"));
        EXPECT_EQ(LabelOf(o->ComboBox2), QString::fromUtf8("Pokémon:"));
        EXPECT_EQ(LabelOf(o->ComboBox3), "Lugar:");
        std::set<QWidget*> reached;
        o->ComboBox1->setFocus();
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

} // namespace
