// Renders each of the seven windows offscreen to a PNG file, so the windows
// can be looked at without a display:
//   fauneta_snapshot [--scale F] [output-folder]      (default: current folder)
// Writes Form1.png, FormSobre.png, ... (client area with its menu bar), then
// the windows in use: Form1-entry.png (#025 shown, with its pictures read from
// "Imagens" and "Dados" beside this tool), FormPokeMart-shop.png (a shop
// picked), FormGolpes-move.png ("thunder" typed, Thunderbolt chosen),
// FormGolpes-creature.png (opened on #025, Thunderwave chosen),
// FormGolpes-water-by-power.png (then the Water moves sorted by power),
// FormGolpes-larger.png (the same, made larger), and the type
// chart over #025 and with #094 picked (FormTipos-025.png, FormTipos-094.png);
// last the "where to find" window and the damage calculator on #025, as
// designed and made larger (FormOnde.png, FormOnde-larger.png, FormDano.png,
// FormDano-larger.png, FormDano-wrong-level.png), and the trainers window
// (FormTreinadores.png, -misty.png, -champion.png, -larger.png) with Misty's
// Starmie sent to the calculator (FormDano-starmie.png).
// --scale renders at that scale factor (as QT_SCALE_FACTOR does), so an image
// is F times the window's size in device pixels.
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
#include "forms/UnitTreinadores.h"
#include "tools/WindowShots.h"
#include "views/CalculatorHandoff.h"
#include "widgets/Application.h"
#include "widgets/Form.h"
#include "widgets/SysUtils.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {
int usage(const char* self)
{
    std::fprintf(stderr, "usage: %s [--scale F] [output-folder]\n", self);
    return 2;
}
} // namespace

int main(int argc, char** argv)
{
    const char* outArg = ".";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            char* end = nullptr;
            const double f = std::strtod(argv[++i], &end);
            if (*end || !(f >= 0.5 && f <= 8))
                return usage(argv[0]);
            setenv("QT_SCALE_FACTOR", argv[i], 1);
        } else if (argv[i][0] == '-') {
            return usage(argv[0]);
        } else {
            outArg = argv[i];
        }
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    UsePrivateUserFolders();
    const QString outDir = QString::fromLocal8Bit(outArg);
    int qtArgc = 1;
    TApplication app(qtArgc, argv);
    app.SetTitle("Fauneta");
    WindowShots shots(app, outDir);
    CreateAllForms();
    bool ok = true;
    for (TForm* form : app.Forms()) {
        form->SetVisible(true);
        ok &= shots.Shoot(form, ToQt(form->Name()) + QStringLiteral(".png"));
        form->SetVisible(false);
    }

    Form1->SetVisible(true);
    Form1->ListBox1->SetItemIndex(24); // #025
    Form1->ListBox1Click(Form1->ListBox1);
    ok &= shots.Shoot(Form1, QStringLiteral("Form1-entry.png"));
    Form1->SetVisible(false);

    FormPokeMart->SetVisible(true);
    FormPokeMart->FormActivate(FormPokeMart);
    FormPokeMart->ComboBox1->SetItemIndex(6); // the longest list
    FormPokeMart->ComboBox1Click(FormPokeMart->ComboBox1);
    ok &= shots.Shoot(FormPokeMart, QStringLiteral("FormPokeMart-shop.png"));
    FormPokeMart->SetVisible(false);

    // The moves window (created on first use, as its menu item does) by
    // move, filtered as typed, and by the creature the main window shows.
    Application->CreateForm(FormGolpes);
    FormGolpes->SetVisible(true);
    FormGolpes->NameFilter->SetText("thunder");
    FormGolpes->ChooseMove(*MovesView::Move::Named("Thunderbolt"));
    ok &= shots.Shoot(FormGolpes, QStringLiteral("FormGolpes-move.png"));
    FormGolpes->SetVisible(false);
    FormGolpes->NameFilter->Clear();
    FormGolpes->ChooseMove(*MovesView::Move::Named("Thunderwave"));
    FormGolpes->SetVisible(true); // shows #025, the main window's entry
    ok &= shots.Shoot(FormGolpes, QStringLiteral("FormGolpes-creature.png"));
    // The Water moves sorted by power, strongest first, as a click on the
    // title "Poder" sorts them.
    FormGolpes->TypeChooser->SetItemIndex(3); // Água
    FormGolpes->TypeChosen(FormGolpes->TypeChooser);
    FormGolpes->MovesTable->SortBy(2, true);
    ok &= shots.Shoot(FormGolpes, QStringLiteral("FormGolpes-water-by-power.png"));
    // Made larger, the tables take the room: #025's whole table of moves.
    const QSize designed = FormGolpes->size();
    FormGolpes->resize(designed + QSize(160, 330));
    ok &= shots.Shoot(FormGolpes, QStringLiteral("FormGolpes-larger.png"));
    FormGolpes->resize(designed);
    FormGolpes->SetVisible(false);
    // The type chart, created on first use as the menu does: opened over the
    // entry shown (#025), then with #094 picked.
    app.CreateForm(FormTipos);
    FormTipos->SetVisible(true);
    ok &= shots.Shoot(FormTipos, QStringLiteral("FormTipos-025.png"));
    FormTipos->CreatureChooser->SetItemIndex(94);
    FormTipos->CreatureChosen(FormTipos->CreatureChooser);
    ok &= shots.Shoot(FormTipos, QStringLiteral("FormTipos-094.png"));
    FormTipos->SetVisible(false);

    // The other windows made on first use, as designed and made larger.
    app.CreateForm(FormOnde);
    app.CreateForm(FormDano);
    for (TForm* tool : {static_cast<TForm*>(FormOnde), static_cast<TForm*>(FormDano)}) {
        tool->SetVisible(true);
        ok &= shots.Shoot(tool, ToQt(tool->Name()) + QStringLiteral(".png"));
        const QSize size = tool->size();
        tool->resize(size + QSize(200, 160));
        ok &= shots.Shoot(tool, ToQt(tool->Name()) + QStringLiteral("-larger.png"));
        tool->resize(size);
        tool->SetVisible(false);
    }

    // The calculator refusing a level: the wrong field said first, the last
    // valid figures marked as such.
    FormDano->SetVisible(true);
    FormDano->AttackerLevel->SetText("500");
    ok &= shots.Shoot(FormDano, QStringLiteral("FormDano-wrong-level.png"));
    FormDano->AttackerLevel->SetText("50");
    FormDano->SetVisible(false);

    // The trainers window, made on first use on #025; then Misty's gym with
    // her Starmie chosen, the Champion when the player chose Charmander, and
    // Starmie sent to the calculator as the defender.
    app.CreateForm(FormTreinadores);
    FormTreinadores->SetVisible(true);
    ok &= shots.Shoot(FormTreinadores, QStringLiteral("FormTreinadores.png"));
    FormTreinadores->ChoosePlace(encounters::Place::CeruleanGym);
    FormTreinadores->TrainersList->SetItemIndex(FormTreinadores->TrainersList->Items().Count() - 1);
    FormTreinadores->TrainerChosen(FormTreinadores->TrainersList);
    FormTreinadores->PartyList->SetItemIndex(1);
    FormTreinadores->MemberChosen(FormTreinadores->PartyList);
    ok &= shots.Shoot(FormTreinadores, QStringLiteral("FormTreinadores-misty.png"));
    ToCalculator().SetOpener([] { FormDano->SetVisible(true); });
    FormTreinadores->DamageAsDefenderClicked(FormTreinadores->DefenderButton);
    ok &= shots.Shoot(FormDano, QStringLiteral("FormDano-starmie.png"));
    FormDano->SetVisible(false);
    FormTreinadores->StarterChooser->SetItemIndex(1);
    FormTreinadores->StarterChosen(FormTreinadores->StarterChooser);
    FormTreinadores->BattleChooser->SetItemIndex(12);
    FormTreinadores->BattleChosen(FormTreinadores->BattleChooser);
    ok &= shots.Shoot(FormTreinadores, QStringLiteral("FormTreinadores-champion.png"));
    const QSize trainersSize = FormTreinadores->size();
    FormTreinadores->resize(trainersSize + QSize(200, 160));
    ok &= shots.Shoot(FormTreinadores, QStringLiteral("FormTreinadores-larger.png"));
    FormTreinadores->resize(trainersSize);
    FormTreinadores->SetVisible(false);

    // The team window, made on first use: Pikachu (the entry shown) at level
    // 25 and Charmander, against Misty.
    app.CreateForm(FormEquipe);
    FormEquipe->SetVisible(true);
    FormEquipe->AddClicked(FormEquipe->AddButton);
    FormEquipe->Level->SetText("25");
    ok &= shots.Shoot(FormEquipe, QStringLiteral("FormEquipe.png"));
    FormEquipe->PlaceChooser->SetItemIndex(
        static_cast<int>(std::find(FormEquipe->View().Opponents().Places().begin(),
                                   FormEquipe->View().Opponents().Places().end(), encounters::Place::CeruleanGym) -
                         FormEquipe->View().Opponents().Places().begin()));
    FormEquipe->PlaceChosen(FormEquipe->PlaceChooser);
    FormEquipe->TrainerChooser->SetItemIndex(FormEquipe->TrainerChooser->Items().Count() - 1);
    FormEquipe->TrainerChosen(FormEquipe->TrainerChooser);
    ok &= shots.Shoot(FormEquipe, QStringLiteral("FormEquipe-misty.png"));
    FormEquipe->SetVisible(false);

    // The catch panel, made on first use: Mewtwo at level 70, full HP.
    app.CreateForm(FormCaptura);
    FormCaptura->SetVisible(true);
    FormCaptura->CreatureChooser->SetItemIndex(150);
    FormCaptura->CreatureChosen(FormCaptura->CreatureChooser);
    FormCaptura->Level->SetText("70");
    ok &= shots.Shoot(FormCaptura, QStringLiteral("FormCaptura-mewtwo.png"));
    FormCaptura->SetVisible(false);

    ok &= shots.NoBoxes();
    DestroyAllForms();
    return ok ? 0 : 1;
}
