// Every shortcut works from every control that can have the focus, through
// real key events, with the editing keys a Linux desktop gives text fields
// (which would claim Ctrl+E and Ctrl+D for themselves): the main window's
// menu keys there, the tool windows' keys (Ctrl+I, G, E, D, R, U, B) from every tool
// window too, and the moves window's Ctrl+1 … 6 from each of its controls.
#include "DesktopKeys.h"
#include "WindowsFixture.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitSobre.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitTreinadores.h"
#include "widgets/ListView.h"

#include <map>
#include <utility>

namespace {

struct Key {
    Qt::Key Code;
    Qt::KeyboardModifiers Modifiers;
    const char* Name;
};

// The tool windows' keys, and the window each brings forward.
const Key kToolKeys[] = {{Qt::Key_I, Qt::ControlModifier, "Ctrl+I"}, {Qt::Key_G, Qt::ControlModifier, "Ctrl+G"},
                         {Qt::Key_E, Qt::ControlModifier, "Ctrl+E"}, {Qt::Key_D, Qt::ControlModifier, "Ctrl+D"},
                         {Qt::Key_R, Qt::ControlModifier, "Ctrl+R"}, {Qt::Key_U, Qt::ControlModifier, "Ctrl+U"},
                         {Qt::Key_B, Qt::ControlModifier, "Ctrl+B"}};
TForm* ToolOf(const Key& k)
{
    switch (k.Code) {
    case Qt::Key_I: return FormTipos;
    case Qt::Key_G: return FormGolpes;
    case Qt::Key_E: return FormOnde;
    case Qt::Key_R: return FormTreinadores;
    case Qt::Key_U: return FormEquipe;
    case Qt::Key_B: return FormCaptura;
    default: return FormDano;
    }
}

std::string NameOf(QWidget* w)
{
    if (auto* c = dynamic_cast<TComponent*>(w); c && !c->Name().empty())
        return c->Name();
    return w->metaObject()->className();
}

} // namespace

class Shortcuts : public Windows {
protected:
    DesktopKeys desktopKeys;

    // The controls of a window the keyboard can reach.
    static std::vector<QWidget*> Focusable(TForm& f)
    {
        std::vector<QWidget*> out;
        for (QWidget* w : f.findChildren<QWidget*>())
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&f) && w->isEnabled() && w->window() == &f)
                out.push_back(w);
        return out;
    }

    // Gives `w`'s window the input and `w` the focus.
    static bool Focus(QWidget* w)
    {
        QApplication::setActiveWindow(w->window());
        w->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        return QApplication::focusWidget() == w;
    }

    void OpenEveryTool()
    {
        for (TMenuItem* item :
             {Form1->TabeladeTipos1, Form1->ListadeGolpes1, Form1->OndeEncontrar1, Form1->CalculadoradeDano1,
              Form1->Treinadores1, Form1->MinhaEquipe1, Form1->ChancedeCaptura1})
            OpenTool(item);
        ASSERT_TRUE(FormTipos && FormGolpes && FormOnde && FormDano && FormTreinadores && FormEquipe && FormCaptura);
    }
};

TEST_F(Shortcuts, TheMainWindowsKeysFromEachOfItsControls)
{
    const std::vector<QWidget*> controls = Focusable(*Form1);
    ASSERT_GE(controls.size(), 10u);
    ASSERT_NE(std::find(controls.begin(), controls.end(), Form1->Edit5), controls.end());
    // The modal windows' keys open theirs, whatever has the focus.
    const std::pair<Key, TForm*> modal[] = {{{Qt::Key_T, Qt::ControlModifier, "Ctrl+T"}, FormTmHm},
                                            {{Qt::Key_M, Qt::ControlModifier, "Ctrl+M"}, FormPokeMart},
                                            {{Qt::Key_F1, Qt::NoModifier, "F1"}, FormSobre}};
    for (QWidget* control : controls) {
        for (const auto& [key, expected] : modal) {
            ASSERT_TRUE(Focus(control)) << NameOf(control);
            TForm* shown = nullptr;
            app.ModalHook = [&](TForm& f) {
                shown = &f;
                f.Close();
            };
            QTest::keyClick(Form1->windowHandle(), key.Code, key.Modifiers);
            app.ModalHook = nullptr;
            EXPECT_EQ(shown, expected) << key.Name << " from " << NameOf(control);
        }
        for (const Key& key : kToolKeys) {
            ASSERT_TRUE(Focus(control)) << NameOf(control);
            const std::string before = Form1->Edit5->Text();
            QTest::keyClick(Form1->windowHandle(), key.Code, key.Modifiers);
            QApplication::processEvents();
            TForm* tool = ToolOf(key);
            ASSERT_NE(tool, nullptr) << key.Name << " from " << NameOf(control) << " made no window";
            EXPECT_TRUE(tool->isVisible()) << key.Name << " from " << NameOf(control);
            EXPECT_EQ(QApplication::activeWindow(), tool) << key.Name << " from " << NameOf(control);
            EXPECT_EQ(Form1->Edit5->Text(), before) << "the search field took " << key.Name;
            tool->Close();
        }
    }
    EXPECT_FALSE(app.Terminated());
}

TEST_F(Shortcuts, CtrlEAfterASearchTypedAndSent)
{
    // A search leaves the focus in the field; Ctrl+E then is "Onde
    // Encontrar", on the creature just found.
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    ASSERT_TRUE(Focus(Form1->Edit5));
    QTest::keyClicks(Form1->Edit5, "pikachu");
    QTest::keyClick(Form1->BitBtn1, Qt::Key_Space);
    QApplication::processEvents();
    ASSERT_NE(Form1->ShownEntry(), nullptr);
    EXPECT_EQ(Form1->ShownEntry()->Number, 25);
    ASSERT_EQ(QApplication::focusWidget(), Form1->Edit5);
    QTest::keyClicks(Form1->Edit5, "EEV");
    QTest::keyClick(Form1->windowHandle(), Qt::Key_E, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_NE(FormOnde, nullptr) << "Ctrl+E in the search field opened nothing";
    EXPECT_EQ(QApplication::activeWindow(), FormOnde);
    EXPECT_EQ(FormOnde->CreatureChooser->ItemIndex(), 25);
    // The field kept its text and its other editing keys.
    EXPECT_EQ(Form1->Edit5->Text(), "EEV");
    Escape(*FormOnde);
    ASSERT_TRUE(Focus(Form1->Edit5));
    QTest::keyClick(Form1->Edit5, Qt::Key_Home);
    QTest::keyClick(Form1->Edit5, Qt::Key_Delete);
    EXPECT_EQ(Form1->Edit5->Text(), "EV");
}

TEST_F(Shortcuts, TheToolWindowsKeysFromEveryControlOfEveryToolWindow)
{
    OpenEveryTool();
    for (TForm* from : {static_cast<TForm*>(FormTipos), static_cast<TForm*>(FormGolpes), static_cast<TForm*>(FormOnde),
                        static_cast<TForm*>(FormDano), static_cast<TForm*>(FormTreinadores),
                        static_cast<TForm*>(FormEquipe), static_cast<TForm*>(FormCaptura)}) {
        const std::vector<QWidget*> controls = Focusable(*from);
        ASSERT_GE(controls.size(), 2u) << from->Name();
        for (QWidget* control : controls)
            for (const Key& key : kToolKeys) {
                ASSERT_TRUE(Focus(control)) << from->Name() << "." << NameOf(control);
                QTest::keyClick(from->windowHandle(), key.Code, key.Modifiers);
                QApplication::processEvents();
                EXPECT_EQ(QApplication::activeWindow(), ToolOf(key))
                    << key.Name << " from " << from->Name() << "." << NameOf(control);
                EXPECT_TRUE(from->isVisible()) << key.Name << " closed " << from->Name();
            }
        // The modal windows' keys stay the main window's.
        PressMainShortcuts(from->windowHandle());
    }
}

TEST_F(Shortcuts, TheMovesWindowSortsFromEachOfItsControls)
{
    TForm& f = OpenTool(Form1->ListadeGolpes1);
    // Where the window opens, the focus is in the name filter: Ctrl+3 sorts
    // the moves by their type.
    ASSERT_EQ(QApplication::focusWidget(), FormGolpes->NameFilter);
    QTest::keyClick(f.windowHandle(), Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(FormGolpes->MovesTable->SortColumn(), 2);

    const std::vector<TListView*> tables{FormGolpes->MovesTable, FormGolpes->LearnersTable,
                                         FormGolpes->CreatureMovesTable};
    const auto orders = [&] {
        std::vector<std::pair<int, bool>> o;
        for (TListView* t : tables)
            o.emplace_back(t->SortColumn(), t->SortDescending());
        return o;
    };
    // The table sorted: the one in focus, else the one that had it last,
    // else the moves table.
    TListView* target = FormGolpes->MovesTable;
    for (QWidget* control : Focusable(f)) {
        if (auto* table = dynamic_cast<TListView*>(control))
            target = table;
        for (int column = 0; column < 6; ++column) {
            ASSERT_TRUE(Focus(control)) << NameOf(control);
            const auto before = orders();
            QTest::keyClick(f.windowHandle(), static_cast<Qt::Key>(Qt::Key_1 + column), Qt::ControlModifier);
            const auto after = orders();
            std::vector<TListView*> changed;
            for (std::size_t t = 0; t < tables.size(); ++t)
                if (after[t] != before[t])
                    changed.push_back(tables[t]);
            const std::string where = "Ctrl+" + std::to_string(column + 1) + " from " + NameOf(control);
            if (column < target->ColumnCount()) {
                EXPECT_EQ(changed, std::vector<TListView*>{target}) << where << " sorted another table";
                EXPECT_EQ(target->SortColumn(), column) << where;
            } else {
                EXPECT_TRUE(changed.empty()) << where << " (a column past the last)";
            }
        }
    }
    f.Close();
}
