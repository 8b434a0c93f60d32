// The team window through the real program: made by its first opening
// (Ctrl+U), the creature on show added and its level typed, the team kept
// across a restart, a damaged file said once and put aside; through real
// input, Pikachu against Misty, and the calculator opened from a pair saying
// the same figures. What the lines say is TeamView's test (tests/views).
#include "WindowsFixture.h"

#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "views/TeamFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

struct Equipe : Windows {
    void Restart()
    {
        DestroyAllForms();
        CreateAllForms();
        Form1->SetVisible(true);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form1));
        QApplication::setActiveWindow(Form1);
        QApplication::processEvents();
    }
    // The main window shows #`row + 1` as a click on its first page does.
    static void Show(int row)
    {
        Form1->ListBox1->SetItemIndex(row);
        Form1->ListBox1Click(Form1->ListBox1);
    }
    static TFormEquipe* ByKey()
    {
        QApplication::setActiveWindow(Form1);
        QTest::keyClick(Form1->windowHandle(), Qt::Key_U, Qt::ControlModifier);
        QApplication::processEvents();
        return FormEquipe;
    }
    static void KeyTo(QWidget* control, int line)
    {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Home);
        for (int i = 0; i < line; ++i)
            QTest::keyClick(control, Qt::Key_Down);
        QApplication::processEvents();
    }
    static void TypeInto(TEdit* field, const char* text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QApplication::processEvents();
    }
};

TEST_F(Equipe, TheCreatureOnShowAddedKeptAcrossARestart)
{
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Show(24); // #025
    TFormEquipe* e = ByKey();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), e);
    EXPECT_EQ(e->windowTitle(), "Minha Equipe");
    EXPECT_TRUE(e->View().Members().empty()) << "no file: an empty team";
    EXPECT_FALSE(e->RemoveButton->Enabled());
    ClickOn(e->AddButton);
    TypeInto(e->Level, "25");
    ASSERT_EQ(e->View().Members().size(), 1u);
    EXPECT_EQ(e->View().Members()[0], NewMember(*species::Creature::FromNumber(25), 25));
    EXPECT_EQ(LineAt(e->TeamList->Items().ToVector(), 0), e->View().MemberLines()[0]);
    // Saved as it changed, before any closing.
    EXPECT_EQ(teamfile::Load(TFormEquipe::TeamFile()).Members, e->View().Members());
    // A wrong level is refused beside the field and changes nothing kept.
    TypeInto(e->Level, "0");
    EXPECT_EQ(cp1252::toUtf8(e->FieldsNote->Caption()), "Inválido: use 1 a 100");
    EXPECT_EQ(teamfile::Load(TFormEquipe::TeamFile()).Members[0].Level, 25);
    TypeInto(e->Level, "25");
    Escape(*e);

    Restart();
    ASSERT_EQ(FormEquipe, nullptr);
    e = ByKey();
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->View().Members().size(), 1u);
    EXPECT_EQ(e->View().Members()[0].Level, 25);
    EXPECT_EQ(e->Level->Text(), "25");
    ClickOn(e->RemoveButton);
    EXPECT_TRUE(teamfile::Load(TFormEquipe::TeamFile()).Members.empty());
    e->Close();
}

TEST_F(Equipe, ADamagedFileIsSaidOnceKeptAsideAndTheTeamStartsEmpty)
{
    std::filesystem::create_directories(std::filesystem::path(TFormEquipe::TeamFile()).parent_path());
    std::ofstream(TFormEquipe::TeamFile()) << "Fauneta equipe 1\n25\t25\t15\t15\t15\t15\t0\tThundersh";
    TFormEquipe* e = ByKey();
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(cp1252::toUtf8(boxes.boxes[0].text).find("incompleto"), std::string::npos) << boxes.boxes[0].text;
    EXPECT_TRUE(e->View().Members().empty());
    EXPECT_TRUE(std::filesystem::exists(TFormEquipe::TeamFile() + ".danificado"));
    EXPECT_FALSE(std::filesystem::exists(TFormEquipe::TeamFile()));
    e->Close();
    ByKey();
    EXPECT_EQ(boxes.boxes.size(), 1u) << "said once";
    boxes.boxes.clear();
    FormEquipe->Close();
}

TEST_F(Equipe, PikachuAgainstMistyAndThePairInTheCalculator)
{
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Show(24);
    TFormEquipe* e = ByKey();
    ASSERT_NE(e, nullptr);
    ClickOn(e->AddButton);
    TypeInto(e->Level, "25");
    EXPECT_EQ(e->AgainstTable->RowCount(), 0) << "no party until one is chosen";
    EXPECT_EQ(e->PlaceChooser->ItemIndex(), -1);
    const auto places = e->View().Opponents().Places();
    KeyTo(e->PlaceChooser,
          static_cast<int>(std::find(places.begin(), places.end(), encounters::Place::CeruleanGym) - places.begin()));
    EXPECT_EQ(cp1252::toUtf8(e->PlaceChooser->Text()), "Ginásio de Cerulean");
    e->TrainerChooser->setFocus();
    QTest::keyClick(e->TrainerChooser, Qt::Key_End); // Misty, behind her trainers
    QApplication::processEvents();
    ASSERT_EQ(e->AgainstTable->RowCount(), 2); // Staryu and Starmie, against Pikachu
    EXPECT_EQ(e->AgainstTable->Cell(1, 0), "Starmie Nv. 21");
    EXPECT_EQ(e->AgainstTable->Cell(1, 1), "Pikachu Nv. 25");
    EXPECT_EQ(e->AgainstTable->Cell(1, 2), "Thundershock");
    const std::string ko = e->AgainstTable->Cell(1, 4);
    EXPECT_EQ(cp1252::toUtf8(ko), "0,0% / 31,8%");
    EXPECT_EQ(e->AgainstTable->Cell(1, 8), "eu");

    KeyTo(e->AgainstTable, 1);
    EXPECT_EQ(e->AgainstTable->ItemIndex(), 1);
    ClickOn(e->CalculatorButton);
    ASSERT_NE(FormDano, nullptr);
    EXPECT_EQ(QApplication::activeWindow(), FormDano);
    EXPECT_EQ(FormDano->AttackerChooser->Text(), "#025 - Pikachu");
    EXPECT_EQ(FormDano->AttackerLevel->Text(), "25");
    EXPECT_EQ(FormDano->DefenderChooser->Text(), "#121 - Starmie");
    EXPECT_EQ(FormDano->MoveChooser->Text(), "Thundershock");
    const std::string said = FormDano->View().ResultText();
    EXPECT_NE(said.find(W("Nocaute em 1 golpe: 0,0% (com críticos e erros: 0,0%)")), std::string::npos)
        << cp1252::toUtf8(said);
    EXPECT_NE(said.find(W("(com críticos e erros: 31,8%)")), std::string::npos) << cp1252::toUtf8(said);
    EXPECT_EQ(cp1252::toUtf8(FormDano->AttackerGroup->Caption()), "Atacante: Pikachu da minha equipe, Nv. 25");
    FormDano->Close();
    e->Close();
}

} // namespace
