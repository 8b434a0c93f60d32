#include "forms/UnitEquipe.h"

#include "text/Cp1252.h"
#include "views/CalculatorHandoff.h"
#include "views/Selection.h"
#include "views/TeamFile.h"
#include "views/TeamProfile.h"
#include "widgets/Application.h"
#include "widgets/MessageBox.h"
#include "widgets/SysUtils.h"

#include <QStandardPaths>

#include <algorithm>

using namespace cp1252::literals;

TFormEquipe* FormEquipe = nullptr;

namespace {

std::vector<TListColumn> ColumnsOf(const std::vector<TeamView::Column>& columns)
{
    std::vector<TListColumn> out;
    for (const TeamView::Column& c : columns)
        out.push_back({c.Caption, c.Width, c.Numeric, false});
    return out;
}

std::vector<TListRow> RowsOf(const std::vector<TeamView::Row>& rows)
{
    std::vector<TListRow> out;
    out.reserve(rows.size());
    for (const TeamView::Row& r : rows)
        out.push_back({r.Cells, r.Keys});
    return out;
}

} // namespace

std::string TFormEquipe::TeamFile()
{
    return FromQt(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                  QStringLiteral("/Fauneta/equipe.txt"));
}

void TFormEquipe::AfterDefinitionRead()
{
    TeamList->SetAccessibleName("Minha equipe");
    CoverageList->SetAccessibleName("Cobertura dos golpes da equipe");
    ProfileTable->SetAccessibleName("Fraquezas da equipe por tipo de ataque");
    AgainstTable->SetAccessibleName(std::string("Minha equipe contra a equipe escolhida"_cp));
    for (const auto& [field, stat] : {std::pair{DvAttack, Stat::Attack}, std::pair{DvDefense, Stat::Defense},
                                      std::pair{DvSpeed, Stat::Speed}, std::pair{DvSpecial, Stat::Special}})
        field->SetAccessibleName("DV de " + std::string(StatName(stat)));
    int slot = 0;
    for (TComboBox* move : moveChoosers())
        move->SetAccessibleName(std::string("Golpe ") + std::to_string(++slot));
    Stats->SetAccessibleName(std::string("Atributos do pokémon escolhido"_cp));
    // The coverage's lines may be wider than the list: it scrolls sideways
    // rather than cut them.
    CoverageList->setUniformItemSizes(false);
    CoverageList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TForm::AfterDefinitionRead();
    // On Linux a combo box is announced by the line it shows, not by its
    // name: the description says what it chooses.
    for (TComboBox* chooser :
         {CreatureChooser, Move1, Move2, Move3, Move4, PlaceChooser, TrainerChooser, BattleChooser, StarterChooser})
        chooser->SetAccessibleDescription(FromQt(chooser->accessibleName()));
}

void TFormEquipe::FormCreate(TObject*)
{
    teamfile::Loaded loaded = teamfile::Load(TeamFile());
    view_ = TeamView(std::move(loaded.Members));
    loadProblem_ = std::move(loaded.Problem);
    saved_ = view_.Changes();
    CreatureChooser->Items().Assign(species::ChooserLines());
    CreatureChooser->FindTyped = species::FindTyped;
    PlaceChooser->Items().Assign(view_.Opponents().PlaceChooserLines());
    BattleChooser->Items().Assign(TrainersView::BattleChooserLines());
    StarterChooser->Items().Assign(TrainersView::StarterChooserLines());
    SaveNote->SetCaption(std::string("Guardada a cada mudança."_cp));
    showOpponents();
    showTeam();
    showProfile();
    showAgainst();
}

void TFormEquipe::FormShow(TObject*)
{
    // A party sent from the trainers window is the one to face.
    if (const auto sent = ToTeam().Take(); sent && *sent) {
        view_.ChooseOpponent(**sent);
        showOpponents();
        showAgainst();
    }
    const auto shown = ShownCreature().Creature();
    AddButton->SetEnabled(shown.has_value() && !view_.Full());
    if (!loadProblem_.empty()) {
        const std::string problem = std::move(loadProblem_);
        loadProblem_.clear();
        Application->MessageBox(problem, "Minha Equipe", MB_OK | MB_ICONEXCLAMATION);
    }
}

void TFormEquipe::MemberChosen(TObject*)
{
    if (TeamList->ItemIndex() >= 0)
        view_.ChooseMemberLine(TeamList->ItemIndex());
    showMember();
}

void TFormEquipe::AddClicked(TObject*)
{
    if (const auto shown = ShownCreature().Creature())
        view_.Add(*shown);
    showTeam();
}

void TFormEquipe::RemoveClicked(TObject*)
{
    view_.RemoveChosen();
    showTeam();
}

void TFormEquipe::CreatureChosen(TObject*)
{
    if (const auto c = species::Creature::FromNumber(CreatureChooser->ItemIndex()))
        view_.ChooseCreature(*c);
    showTeam();
}

void TFormEquipe::LevelTyped(TObject*)
{
    view_.TypeLevel(Level->Text());
    saveIfChanged();
}

void TFormEquipe::DvTyped(TObject* Sender)
{
    const auto fields = dvFields();
    const auto at = std::find(fields.begin(), fields.end(), Sender);
    if (at == fields.end())
        return;
    const std::size_t i = static_cast<std::size_t>(at - fields.begin());
    view_.TypeDv(DamageView::FieldStats[i], fields[i]->Text());
    saveIfChanged();
}

void TFormEquipe::StatExpTyped(TObject*)
{
    view_.TypeStatExp(StatExp->Text());
    saveIfChanged();
}

void TFormEquipe::MoveChosen(TObject* Sender)
{
    const auto choosers = moveChoosers();
    const auto at = std::find(choosers.begin(), choosers.end(), Sender);
    if (at == choosers.end() || (*at)->ItemIndex() < 0)
        return;
    view_.ChooseMoveLine(static_cast<int>(at - choosers.begin()), (*at)->ItemIndex());
    showTeam();
}

void TFormEquipe::PlaceChosen(TObject*)
{
    view_.ChooseOpponents().ChoosePlaceLine(PlaceChooser->ItemIndex());
    showOpponents();
    showAgainst();
}

void TFormEquipe::TrainerChosen(TObject*)
{
    view_.ChooseOpponents().ChooseTrainerLine(TrainerChooser->ItemIndex());
    showAgainst();
}

void TFormEquipe::BattleChosen(TObject*)
{
    view_.ChooseOpponents().ChooseBattleLine(BattleChooser->ItemIndex());
    showOpponents();
    showAgainst();
}

void TFormEquipe::StarterChosen(TObject*)
{
    view_.ChooseOpponents().ChooseStarterLine(StarterChooser->ItemIndex());
    showOpponents();
    showAgainst();
}

void TFormEquipe::MatchupChosen(TObject*)
{
    CalculatorButton->SetEnabled(AgainstTable->ItemIndex() >= 0);
}

void TFormEquipe::CalculatorClicked(TObject*)
{
    const int row = AgainstTable->ItemIndex();
    if (row < 0 || row >= static_cast<int>(matchups_.size()))
        return;
    const TeamView::ForCalculator pair = view_.CalculatorPair(matchups_[static_cast<std::size_t>(row)]);
    ToCalculator().Send(Handoff{{pair.Mine, pair.Theirs}, pair.Move});
}

void TFormEquipe::CloseClicked(TObject*)
{
    Close();
}

// ---- showing ----

void TFormEquipe::showTeam()
{
    TeamList->Items().Assign(view_.MemberLines());
    TeamList->SetItemIndex(view_.MemberLine());
    RemoveButton->SetEnabled(view_.MemberLine() >= 0);
    AddButton->SetEnabled(ShownCreature().Creature().has_value() && !view_.Full());
    showMember();
}

void TFormEquipe::showMember()
{
    const bool any = view_.MemberLine() >= 0;
    const TeamMember* m = any ? &view_.Members()[static_cast<std::size_t>(view_.MemberLine())] : nullptr;
    for (TWinControl* c : std::initializer_list<TWinControl*>{CreatureChooser, Level, DvAttack, DvDefense, DvSpeed,
                                                              DvSpecial, StatExp, Move1, Move2, Move3, Move4})
        c->SetEnabled(any);
    CreatureChooser->SetItemIndex(m ? m->Creature.Number() : -1);
    // The fields' own changes hand the same texts to the view again.
    Level->SetText(view_.LevelText());
    const auto fields = dvFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i]->SetText(view_.DvText(DamageView::FieldStats[i]));
    StatExp->SetText(view_.StatExpText());
    const std::vector<std::string> moves = view_.MoveLines();
    for (TComboBox* chooser : moveChoosers())
        chooser->Items().Assign(moves);
    showMoves();
    saveIfChanged();
}

void TFormEquipe::showMoves()
{
    int slot = 0;
    for (TComboBox* chooser : moveChoosers())
        chooser->SetItemIndex(view_.MoveLineOf(slot++));
}

void TFormEquipe::showNotes()
{
    const FieldNote notes[] = {view_.LevelNote(), view_.DvNote(), view_.StatExpNote()};
    const auto wrong = std::find_if(std::begin(notes), std::end(notes), [](const FieldNote& n) { return n.Wrong; });
    TFont f = FieldsNote->Font();
    f.Color = wrong == std::end(notes) ? clBlack : clMaroon;
    FieldsNote->SetFont(f);
    FieldsNote->SetCaption(wrong == std::end(notes) ? std::string("nível 1 a 100, DV 0 a 15"_cp) : wrong->Text);
    Level->SetAccessibleDescription(notes[0].Text);
    for (TEdit* field : dvFields())
        field->SetAccessibleDescription(notes[1].Text);
    StatExp->SetAccessibleDescription(notes[2].Text);
    Stats->SetText(view_.StatsLine());
}

void TFormEquipe::saveIfChanged()
{
    showNotes();
    if (view_.Changes() == saved_)
        return;
    saved_ = view_.Changes();
    showMoves(); // a new level brings the engine's moves for it
    const std::string problem = teamfile::Save(TeamFile(), view_.Members());
    SaveNote->SetCaption(problem.empty() ? std::string("Guardada a cada mudança."_cp) : problem);
    TeamList->Items().Assign(view_.MemberLines());
    TeamList->SetItemIndex(view_.MemberLine());
    showProfile();
    showAgainst();
}

void TFormEquipe::showProfile()
{
    // An empty team has no profile: the table stays empty and the list says
    // what to do (and opening the window costs less).
    if (view_.Members().empty()) {
        ProfileTable->SetRows({});
        CoverageList->Items().Assign(
            {std::string("A equipe está vazia: adicione o pokémon mostrado na janela principal."_cp)});
        return;
    }
    const TeamProfile profile(view_.Members());
    std::vector<TListColumn> columns;
    std::vector<std::string> captions;
    for (int c = 0; c < profile.GridCols(); ++c) {
        const bool member = c > 0 && c <= profile.MemberCount();
        columns.push_back({profile.GridCell(c, 0).Text, c == 0 ? 96 : member ? 56 : 88, false, false});
        captions.push_back(columns.back().Caption);
    }
    std::vector<TListRow> rows;
    for (int r = 1; r < TeamProfile::GridRows; ++r) {
        TListRow row;
        for (int c = 0; c < profile.GridCols(); ++c)
            row.Cells.push_back(profile.GridCell(c, r).Text);
        // A type that hits three or more of the team hard says so where it is named.
        if (profile.Rows()[static_cast<std::size_t>(r - 1)].Marked)
            row.Cells[0] += " (perigo)";
        rows.push_back(std::move(row));
    }
    // New columns only when the members' names changed: they cost most.
    if (captions != profileCaptions_) {
        ProfileTable->SetColumns(std::move(columns));
        profileCaptions_ = std::move(captions);
    }
    ProfileTable->SetRows(std::move(rows));

    std::vector<std::string> lines;
    const std::vector<std::string> marked = profile.MarkedLines();
    if (!marked.empty()) {
        lines.push_back("Perigo para a equipe:");
        lines.insert(lines.end(), marked.begin(), marked.end());
    }
    lines.push_back(profile.UncoveredTitle());
    for (const std::string& line : profile.Uncovered())
        lines.push_back("  " + line);
    lines.push_back(std::string("O melhor que os golpes fazem contra cada tipo:"_cp));
    for (int i = 0; i < static_cast<int>(profile.Coverage().size()); ++i)
        lines.push_back("  " + profile.CoverageLine(i).Text);
    CoverageList->Items().Assign(lines);
}

void TFormEquipe::showOpponents()
{
    const TrainersView& o = view_.Opponents();
    // Nothing is chosen until the user chooses: the choosers say so.
    if (!view_.Opponent()) {
        PlaceChooser->SetItemIndex(-1);
        BattleChooser->SetItemIndex(-1);
        StarterChooser->SetItemIndex(o.StarterLine());
        return;
    }
    PlaceChooser->SetItemIndex(o.ListedBy() == TrainersView::Way::Place ? o.PlaceLine() : -1);
    BattleChooser->SetItemIndex(o.ListedBy() == TrainersView::Way::Battle ? o.BattleLine() : -1);
    StarterChooser->SetItemIndex(o.StarterLine());
    TrainerChooser->Items().Assign(o.TrainerLines());
    TrainerChooser->SetItemIndex(o.TrainerLine());
}

void TFormEquipe::showAgainst()
{
    // The table's columns are made with its first rows: opening the window
    // costs less.
    if (AgainstTable->ColumnCount() == 0 && view_.Opponent())
        AgainstTable->SetColumns(ColumnsOf(TeamView::AgainstColumns()));
    matchups_ = view_.Against();
    AgainstTable->SetRows(RowsOf(view_.AgainstRows(matchups_)));
    CalculatorButton->SetEnabled(AgainstTable->ItemIndex() >= 0);
}
