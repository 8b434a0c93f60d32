#include "forms/UnitGolpes.h"

#include "data/Species.h"
#include "text/Cp1252.h"
#include "views/Selection.h"

#include <algorithm>

using namespace cp1252::literals;

TFormGolpes* FormGolpes = nullptr;

namespace {

std::vector<TListColumn> ColumnsOf(const MovesView::Table& t)
{
    std::vector<TListColumn> columns;
    for (const MovesView::Column& c : t.Columns)
        columns.push_back({c.Caption, c.Width, c.Numeric, c.Words});
    return columns;
}

std::vector<TListRow> RowsOf(const MovesView::Table& t)
{
    std::vector<TListRow> rows;
    rows.reserve(t.Rows.size());
    for (const MovesView::Row& r : t.Rows)
        rows.push_back({r.Cells, r.Keys});
    return rows;
}

MovesView::SortOrder SortOf(const TListView& t)
{
    return {t.SortColumn(), t.SortDescending()};
}

} // namespace

void TFormGolpes::AfterDefinitionRead()
{
    MoveDetails->SetAccessibleName("Golpe escolhido");
    TForm::AfterDefinitionRead();
    MovesTable->SetAccessibleName("Golpes");
    LearnersTable->SetAccessibleName("Quem aprende o golpe escolhido");
    CreatureMovesTable->SetAccessibleName(std::string("Golpes do pokémon"_cp));
}

void TFormGolpes::FormCreate(TObject*)
{
    designedAbove_ = MovesGroup->Height();
    designedBelowTop_ = CreatureGroup->Top();
    designedBelow_ = CreatureGroup->Height();
    TypeChooser->Items().Assign(MovesView::TypeLines());
    TypeChooser->SetItemIndex(view_.TypeLine());
    CreatureChooser->Items().Assign(species::ChooserLines());
    CreatureChooser->FindTyped = species::FindTyped;
    MovesTable->SetColumns(ColumnsOf(view_.Moves()));
    LearnersTable->SetColumns(ColumnsOf(view_.Learners()));
    CreatureMovesTable->SetColumns(ColumnsOf(view_.CreatureMoves()));
    ShowMovesTable();
    ShowMove();
}

void TFormGolpes::FormShow(TObject*)
{
    FollowSortOrder();
    view_.Opened(ShownCreature().Creature());
    ShowView();
}

// A taller window's room is shared: half to the moves and who learns one,
// half to the creature's moves below. The parts are sized here from their
// designed sizes, not by bottom anchors: a window made much smaller at once
// would first shrink their tables past nothing, and the height lost there
// would leave a table under the lines below it.
void TFormGolpes::FormResize(TObject*)
{
    const int grown = std::max(0, ClientWidget()->height() - ClientHeight());
    const int below = grown / 2, above = grown - below;
    for (TGroupBox* g : {MovesGroup, ChosenMoveGroup})
        g->SetBounds(g->Left(), g->Top(), g->Width(), designedAbove_ + above);
    CreatureGroup->SetBounds(CreatureGroup->Left(), designedBelowTop_ + above, CreatureGroup->Width(),
                             designedBelow_ + below);
}

void TFormGolpes::NameTyped(TObject*)
{
    FollowSortOrder();
    view_.NameTyped(NameFilter->Text());
    ShowMovesTable();
    ShowMove();
}

void TFormGolpes::TypeChosen(TObject*)
{
    FollowSortOrder();
    view_.TypeChosen(TypeChooser->ItemIndex());
    ShowMovesTable();
    ShowMove();
}

void TFormGolpes::MoveChosen(TObject*)
{
    view_.MoveRowChosen(MovesTable->ItemIndex());
    ShowMove();
}

// A learner chosen shows its moves below.
void TFormGolpes::LearnerChosen(TObject*)
{
    view_.LearnerChosen(LearnersTable->ItemIndex());
    ShowCreature();
}

// The chooser's lines are the creatures by number.
void TFormGolpes::CreatureChosen(TObject*)
{
    if (const auto creature = species::Creature::FromNumber(CreatureChooser->ItemIndex()))
        ChooseCreature(*creature);
}

void TFormGolpes::CreatureMoveChosen(TObject*)
{
    FollowSortOrder();
    view_.CreatureMoveChosen(CreatureMovesTable->ItemIndex());
    ShowView();
}

void TFormGolpes::ChooseMove(MovesView::Move move)
{
    FollowSortOrder();
    view_.ChooseMove(move);
    ShowView();
}

void TFormGolpes::ChooseCreature(species::Creature creature)
{
    view_.CreatureChosen(creature);
    ShowCreature();
}

void TFormGolpes::FollowSortOrder()
{
    view_.Sorted(MovesView::Part::Moves, SortOf(*MovesTable));
    view_.Sorted(MovesView::Part::Learners, SortOf(*LearnersTable));
    view_.Sorted(MovesView::Part::CreatureMoves, SortOf(*CreatureMovesTable));
}

void TFormGolpes::ShowView()
{
    NameFilter->SetText(view_.NameText()); // its change event finds the view already there
    TypeChooser->SetItemIndex(view_.TypeLine());
    ShowMovesTable();
    ShowMove();
    ShowCreature();
}

void TFormGolpes::ShowMovesTable()
{
    const MovesView::Table& moves = view_.Moves();
    if (moves.Generation != movesShown_) {
        movesShown_ = moves.Generation;
        MovesTable->SetRows(RowsOf(moves));
        CountLabel->SetCaption(view_.CountText());
    }
    MovesTable->SetItemIndex(moves.Chosen.value_or(-1));
}

void TFormGolpes::ShowMove()
{
    const MovesView::Table& learners = view_.Learners();
    if (learners.Generation == learnersShown_)
        return;
    learnersShown_ = learners.Generation;
    std::string text;
    for (const std::string& line : view_.MoveLines())
        text.append(text.empty() ? "" : "\n").append(line);
    // One paragraph added whole: the box breaks it into its lines.
    MoveDetails->Lines().Clear();
    MoveDetails->Lines().Add(text);
    LearnersTable->SetRows(RowsOf(learners));
}

void TFormGolpes::ShowCreature()
{
    if (const auto creature = view_.Creature())
        CreatureChooser->SetItemIndex(creature->Number());
    const MovesView::Table& own = view_.CreatureMoves();
    if (own.Generation == creatureShown_)
        return;
    creatureShown_ = own.Generation;
    CreatureMovesTable->SetRows(RowsOf(own));
}
