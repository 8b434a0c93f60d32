// The trainers window through the real program: made by its first opening
// (menu or Ctrl+R); a place, a big battle and the starter picked by keyboard
// reach its view and the view's lines its lists; a party's creature sent to
// the calculator by its buttons; every control named for a screen reader.
// What the lines say is TrainersView's test (tests/views).
#include "WindowsFixture.h"

#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitTreinadores.h"

#include <algorithm>

namespace {

struct Treinadores : Windows {
    static std::vector<std::string> Lines(TListBox* list)
    {
        std::vector<std::string> utf8;
        for (const std::string& line : list->Items().ToVector())
            utf8.push_back(cp1252::toUtf8(line));
        return utf8;
    }
    // A drop-down list's or a list's line chosen by keyboard: from the top, down to it.
    static void KeyTo(QWidget* control, int line)
    {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Home);
        for (int i = 0; i < line; ++i)
            QTest::keyClick(control, Qt::Key_Down);
        QApplication::processEvents();
    }
    static int LineOf(TComboBox* combo, const char* utf8)
    {
        const auto lines = combo->Items().ToVector();
        const auto at = std::find(lines.begin(), lines.end(), W(utf8));
        return at == lines.end() ? -1 : static_cast<int>(at - lines.begin());
    }
};

TEST_F(Treinadores, MistysGymByKeyboardAndHerStarmieSentToTheCalculator)
{
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ListBox1->SetItemIndex(24); // #025 on show
    Form1->ListBox1Click(Form1->ListBox1);
    EXPECT_EQ(FormTreinadores, nullptr); // start-up does not create it
    // Ctrl+R opens it, wherever the main window's focus is.
    Form1->Edit5->setFocus();
    QTest::keyClick(Form1->windowHandle(), Qt::Key_R, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_NE(FormTreinadores, nullptr);
    TFormTreinadores* t = FormTreinadores;
    EXPECT_EQ(QApplication::activeWindow(), t);
    EXPECT_EQ(t->windowTitle(), "Treinadores");
    EXPECT_EQ(t->minimumSize(), t->size());
    // The first opening lists the trainers of the creature on show.
    EXPECT_EQ(t->CreatureChooser->Text(), "#025 - Pikachu");
    EXPECT_EQ(t->View().ListedBy(), TrainersView::Way::Creature);

    const int gym = LineOf(t->PlaceChooser, "Ginásio de Cerulean");
    ASSERT_GT(gym, 0);
    KeyTo(t->PlaceChooser, gym);
    EXPECT_EQ(t->View().ListedBy(), TrainersView::Way::Place);
    EXPECT_EQ(cp1252::toUtf8(t->TrainersHeading->Caption()),
              "Ginásio de Cerulean — treinadores na ordem em que são encontrados");
    const auto trainers = Lines(t->TrainersList);
    ASSERT_EQ(trainers.size(), 3u);
    EXPECT_EQ(LineAt(trainers, 2), "Misty, líder do ginásio: Staryu Nv. 18, Starmie Nv. 21 — ¥2.079");
    KeyTo(t->TrainersList, 2);
    EXPECT_EQ(t->View().TrainerLine(), 2);
    const auto party = Lines(t->PartyList);
    ASSERT_EQ(party.size(), 2u);
    EXPECT_EQ(LineAt(party, 0).rfind("#120 Staryu, Nv. 18 — ", 0), 0u) << LineAt(party, 0);
    EXPECT_NE(LineAt(party, 1).find("#121 Starmie, Nv. 21 — Água/Psíquico — golpes: Tackle, Water Gun, Bubble Beam "
                                    "(extra)"),
              std::string::npos)
        << LineAt(party, 1);
    EXPECT_EQ(cp1252::toUtf8(t->PartyHeading->Caption()),
              "Equipe: Misty, líder do ginásio (Ginásio de Cerulean) — recompensa ¥2.079");
    KeyTo(t->PartyList, 1);
    EXPECT_EQ(t->View().MemberLine(), 1);

    // "Calcular dano": the calculator comes forward with Starmie defending
    // against the creature on show, as Misty has it.
    ClickOn(t->DefenderButton);
    ASSERT_NE(FormDano, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), FormDano);
    EXPECT_EQ(FormDano->AttackerChooser->Text(), "#025 - Pikachu");
    EXPECT_EQ(FormDano->DefenderChooser->Text(), "#121 - Starmie");
    EXPECT_EQ(FormDano->DefenderLevel->Text(), "21");
    EXPECT_EQ(FormDano->DefenderStats->Text(), "Energia 59, Ataque 40, Defesa 44, Velocidade 56, Especial 50");
    EXPECT_EQ(cp1252::toUtf8(FormDano->DefenderGroup->Caption()), "Defensor: Starmie de Misty, Nv. 21");
    // A level typed in the calculator: no longer Misty's.
    FormDano->DefenderLevel->setFocus();
    QTest::keyClick(FormDano->DefenderLevel, Qt::Key_End);
    QTest::keyClick(FormDano->DefenderLevel, Qt::Key_2);
    EXPECT_EQ(FormDano->DefenderGroup->Caption(), "Defensor");

    // "Como atacante": Starmie attacks the creature on show with its own moves first.
    QApplication::setActiveWindow(t);
    ClickOn(t->AttackerButton);
    EXPECT_EQ(QApplication::activeWindow(), FormDano);
    EXPECT_EQ(FormDano->AttackerChooser->Text(), "#121 - Starmie");
    EXPECT_EQ(FormDano->DefenderChooser->Text(), "#025 - Pikachu");
    EXPECT_EQ(cp1252::toUtf8(FormDano->AttackerGroup->Caption()), "Atacante: Starmie de Misty, Nv. 21");
    const auto moves = FormDano->MoveChooser->Items().ToVector();
    ASSERT_GE(moves.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(moves.begin(), moves.begin() + 3),
              (std::vector<std::string>{"Tackle", "Water Gun", "Bubble Beam"}));
    EXPECT_EQ(FormDano->MoveChooser->Text(), "Tackle");
    FormDano->Close();

    // "Contra minha equipe": the team window comes forward facing Misty.
    QApplication::setActiveWindow(t);
    ClickOn(t->TeamButton);
    ASSERT_NE(FormEquipe, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), FormEquipe);
    EXPECT_EQ(FormEquipe->View().Opponent(), t->View().Party());
    EXPECT_EQ(cp1252::toUtf8(FormEquipe->TrainerChooser->Text()).rfind("Misty, líder do ginásio", 0), 0u);
    FormEquipe->Close();
    t->Close();
}

TEST_F(Treinadores, TheChampionForTheStarterChosenAndNamesForAScreenReader)
{
    TForm& f = OpenTool(Form1->Treinadores1);
    TFormTreinadores* t = FormTreinadores;
    ASSERT_EQ(&f, t);
    KeyTo(t->BattleChooser, LineOf(t->BattleChooser, "Rival — Campeão da Liga"));
    KeyTo(t->StarterChooser, 1);
    EXPECT_EQ(t->StarterChooser->Text(), "Charmander");
    ASSERT_EQ(t->TrainersList->Items().Count(), 1);
    const auto party = Lines(t->PartyList);
    ASSERT_EQ(party.size(), 6u);
    EXPECT_EQ(LineAt(party, 5).rfind("#009 Blastoise, Nv. 65 — ", 0), 0u) << LineAt(party, 5);
    EXPECT_NE(LineAt(party, 5).find("Blizzard (extra)"), std::string::npos) << LineAt(party, 5);
    KeyTo(t->StarterChooser, 0); // Bulbasaur: he has Charizard
    EXPECT_EQ(LineAt(Lines(t->PartyList), 5).rfind("#006 Charizard, Nv. 65 — ", 0), 0u);

    // Every control is named: choosers by their labels, lists by what they
    // hold and described by their headings.
    EXPECT_EQ(LabelOf(t->PlaceChooser), "Lugar:");
    EXPECT_EQ(LabelOf(t->BattleChooser), "Batalha:");
    EXPECT_EQ(LabelOf(t->CreatureChooser), QString::fromUtf8("Pokémon:"));
    EXPECT_EQ(LabelOf(t->StarterChooser), QString::fromUtf8("Você escolheu:"));
    const auto said = [](QWidget* w, QAccessible::Text what) {
        return QAccessible::queryAccessibleInterface(w)->text(what);
    };
    EXPECT_EQ(said(t->TrainersList, QAccessible::Name), "Treinadores");
    EXPECT_EQ(said(t->TrainersList, QAccessible::Description), ToQt(t->TrainersHeading->Caption()));
    EXPECT_EQ(said(t->PartyList, QAccessible::Name), "Equipe do treinador escolhido");
    EXPECT_EQ(said(t->PartyList, QAccessible::Description), ToQt(t->PartyHeading->Caption()));
    for (QWidget* w :
         std::initializer_list<QWidget*>{t->DefenderButton, t->AttackerButton, t->TeamButton, t->CloseButton})
        EXPECT_FALSE(said(w, QAccessible::Name).isEmpty());
    // A creature no trainer has: nothing to send.
    t->CreatureChooser->setFocus();
    QTest::keyClick(t->CreatureChooser, Qt::Key_End); // #151
    EXPECT_EQ(Lines(t->TrainersList), std::vector<std::string>{"Nenhum treinador usa Mew."});
    EXPECT_TRUE(t->PartyList->Items().ToVector().empty());
    EXPECT_FALSE(t->DefenderButton->Enabled());
    EXPECT_FALSE(t->AttackerButton->Enabled());
    EXPECT_FALSE(t->TeamButton->Enabled());
    Escape(f);
}

} // namespace
