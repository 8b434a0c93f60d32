// fauneta_screenshots: the pictures the software centres show, rendered
// offscreen from the real windows in the state a user would leave them:
//   fauneta_screenshots <output-folder>
// main-window.png (an entry shown), tm-hm-list.png (a TM picked),
// mart-items.png (a town picked), type-chart.png (over the entry shown) and
// moves.png ("thunder" typed, Thunderbolt chosen), where-to-find.png (over
// the entry shown, a route chosen), damage.png (the entry shown with
// Thunderbolt against Gyarados), trainers.png (Misty's gym, her party) and
// team.png (the entry shown at level 25 against Misty), catch.png (Mewtwo at
// level 70).
// The pictures are read from the program's folder beside this tool's build
// (FAUNETA_OUT_DIR).
#include "data/Moves.h"
#include "forms/Startup.h"
#include "forms/UnitCaptura.h"
#include "forms/UnitDano.h"
#include "forms/UnitEquipe.h"
#include "forms/UnitGolpes.h"
#include "forms/UnitOnde.h"
#include "forms/UnitPokeMart.h"
#include "forms/UnitPrincipal.h"
#include "forms/UnitTipos.h"
#include "forms/UnitTmHm.h"
#include "forms/UnitTreinadores.h"
#include "tools/WindowShots.h"
#include "widgets/Application.h"
#include "widgets/Form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    UsePrivateUserFolders();
    int qtArgc = 1;
    TApplication app(qtArgc, argv);
    app.SetTitle("Fauneta");
    WindowShots shots(app, QString::fromLocal8Bit(argv[1]));
    CreateAllForms();
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");

    bool ok = true;
    Form1->SetVisible(true);
    Form1->ListBox1->SetItemIndex(24); // #025
    Form1->ListBox1Click(Form1->ListBox1);
    ok &= shots.Shoot(Form1, QStringLiteral("main-window.png"));

    FormTmHm->SetVisible(true);
    FormTmHm->FormActivate(FormTmHm);
    FormTmHm->ListBox1->SetItemIndex(28); // TM 29
    FormTmHm->ListBox1Click(FormTmHm->ListBox1);
    ok &= shots.Shoot(FormTmHm, QStringLiteral("tm-hm-list.png"));
    FormTmHm->SetVisible(false);

    FormPokeMart->SetVisible(true);
    FormPokeMart->FormActivate(FormPokeMart);
    FormPokeMart->ComboBox1->SetItemIndex(2); // Cerulean
    FormPokeMart->ComboBox1Click(FormPokeMart->ComboBox1);
    ok &= shots.Shoot(FormPokeMart, QStringLiteral("mart-items.png"));
    FormPokeMart->SetVisible(false);

    // The windows made on first use, made here as their menu items do.
    app.CreateForm(FormTipos);
    FormTipos->SetVisible(true);
    ok &= shots.Shoot(FormTipos, QStringLiteral("type-chart.png"));
    FormTipos->SetVisible(false);

    app.CreateForm(FormGolpes);
    FormGolpes->SetVisible(true);
    FormGolpes->NameFilter->SetText("thunder");
    FormGolpes->ChooseMove(*MovesView::Move::Named("Thunderbolt"));
    ok &= shots.Shoot(FormGolpes, QStringLiteral("moves.png"));
    FormGolpes->SetVisible(false);

    app.CreateForm(FormOnde);
    FormOnde->SetVisible(true);
    FormOnde->ChoosePlace(encounters::Place::Route2); // a route with Red's and Blue's own
    ok &= shots.Shoot(FormOnde, QStringLiteral("where-to-find.png"));
    FormOnde->SetVisible(false);

    app.CreateForm(FormDano);
    FormDano->SetVisible(true);
    FormDano->ChooseDefender(130); // Gyarados
    FormDano->ChooseMove(FindMove("Thunderbolt"));
    ok &= shots.Shoot(FormDano, QStringLiteral("damage.png"));
    FormDano->SetVisible(false);

    app.CreateForm(FormTreinadores);
    FormTreinadores->SetVisible(true);
    FormTreinadores->ChoosePlace(encounters::Place::CeruleanGym);
    TListBox* trainers = FormTreinadores->TrainersList;
    trainers->SetItemIndex(trainers->Items().Count() - 1); // Misty, the gym's leader
    FormTreinadores->TrainerChosen(trainers);
    ok &= shots.Shoot(FormTreinadores, QStringLiteral("trainers.png"));
    FormTreinadores->SetVisible(false);

    app.CreateForm(FormEquipe);
    FormEquipe->SetVisible(true);
    FormEquipe->AddClicked(FormEquipe->AddButton); // the entry shown
    FormEquipe->Level->SetText("25");
    const auto& places = FormEquipe->View().Opponents().Places();
    FormEquipe->PlaceChooser->SetItemIndex(
        static_cast<int>(std::find(places.begin(), places.end(), encounters::Place::CeruleanGym) - places.begin()));
    FormEquipe->PlaceChosen(FormEquipe->PlaceChooser);
    FormEquipe->TrainerChooser->SetItemIndex(FormEquipe->TrainerChooser->Items().Count() - 1); // Misty
    FormEquipe->TrainerChosen(FormEquipe->TrainerChooser);
    ok &= shots.Shoot(FormEquipe, QStringLiteral("team.png"));
    FormEquipe->SetVisible(false);

    app.CreateForm(FormCaptura);
    FormCaptura->SetVisible(true);
    FormCaptura->CreatureChooser->SetItemIndex(150); // Mewtwo
    FormCaptura->CreatureChosen(FormCaptura->CreatureChooser);
    FormCaptura->Level->SetText("70");
    ok &= shots.Shoot(FormCaptura, QStringLiteral("catch.png"));
    FormCaptura->SetVisible(false);

    ok &= shots.NoBoxes();
    DestroyAllForms();
    return ok ? 0 : 1;
}
