#include "forms/UnitGolpes.h"

#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/Learners.h"
#include "data/Moves.h"
#include "data/Species.h"
#include "data/TmHmLearners.h"
#include "data/TmHmLocations.h"
#include "text/Cp1252.h"
#include "views/Selection.h"

#include <algorithm>
#include <cmath>

using namespace cp1252::literals;

TFormGolpes* FormGolpes = nullptr;

const FormClass& TFormGolpes::StaticFormClass()
{
    using F = TFormGolpes;
    static const FormClass info = FormTable<F>()
                                      .Field("GroupBox1", &F::GroupBox1)
                                      .Field("Label1", &F::Label1)
                                      .Field("Edit1", &F::Edit1)
                                      .Field("Label2", &F::Label2)
                                      .Field("ComboBox1", &F::ComboBox1)
                                      .Field("ListView1", &F::ListView1)
                                      .Field("Label4", &F::Label4)
                                      .Field("Label3", &F::Label3)
                                      .Field("GroupBox2", &F::GroupBox2)
                                      .Field("RichEdit1", &F::RichEdit1)
                                      .Field("Label6", &F::Label6)
                                      .Field("ListView2", &F::ListView2)
                                      .Field("GroupBox3", &F::GroupBox3)
                                      .Field("Label5", &F::Label5)
                                      .Field("ComboBox2", &F::ComboBox2)
                                      .Field("Label7", &F::Label7)
                                      .Field("ListView3", &F::ListView3)
                                      .Handler("FormCreate", &F::FormCreate)
                                      .Handler("FormShow", &F::FormShow)
                                      .Handler("FormResize", &F::FormResize)
                                      .Handler("Edit1Change", &F::Edit1Change)
                                      .Handler("ComboBox1Click", &F::ComboBox1Click)
                                      .Handler("ListView1Click", &F::ListView1Click)
                                      .Handler("ListView2Click", &F::ListView2Click)
                                      .Handler("ComboBox2Click", &F::ComboBox2Click)
                                      .Handler("ListView3Click", &F::ListView3Click)
                                      .Build("TFormGolpes", ":/forms/UnitGolpes.form");
    return info;
}

namespace {

// "1 golpe", "12 golpes", "Nenhum golpe encontrado": the table's count in words.
std::string CountText(std::size_t count)
{
    if (count == 0)
        return std::string("Nenhum golpe encontrado"_cp);
    return std::to_string(count) + (count == 1 ? " golpe" : " golpes");
}

// A learner's line: the games' name, as in the chooser.
std::string CreatureLine(int row)
{
    return species::ChooserLine(Catalogue::Entry(row).Number);
}

double KeyOrNone(int value, bool has)
{
    return has ? value : std::nan("");
}

// A move's cells from its type on: Tipo, Poder, Precisão, PP; and their keys.
void AddMoveCells(TListRow& row, int move)
{
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    row.Cells.insert(row.Cells.end(),
                     {std::string(TypeName(m.MoveType)), PowerText(move), AccuracyText(move), std::to_string(m.Pp)});
    row.Keys.insert(row.Keys.end(), {std::nan(""), PowerKey(move), KeyOrNone(m.Accuracy, HasAccuracyTest(move)),
                                     static_cast<double>(m.Pp)});
}

} // namespace

void TFormGolpes::AfterDefinitionRead()
{
    RichEdit1->SetAccessibleName("Golpe escolhido");
    TForm::AfterDefinitionRead();
    ListView1->SetAccessibleName("Golpes");
    ListView2->SetAccessibleName("Quem aprende o golpe escolhido");
    ListView3->SetAccessibleName(std::string("Golpes do pokémon"_cp));
}

void TFormGolpes::FormCreate(TObject*)
{
    designedAbove_ = GroupBox1->Height();
    designedBelowTop_ = GroupBox3->Top();
    designedBelow_ = GroupBox3->Height();
    std::vector<std::string> typeLines{"Todos os tipos"};
    typeOf_ = {std::nullopt};
    for (Type t : AllTypes) {
        typeLines.emplace_back(TypeName(t));
        typeOf_.emplace_back(t);
    }
    ComboBox1->Items().Assign(typeLines);
    ComboBox1->SetItemIndex(0);
    ComboBox2->Items().Assign(species::ChooserLines());
    ComboBox2->FindTyped = species::FindTyped;

    // All six fit the designed width: no row is cut or scrolled sideways.
    ListView1->SetColumns({{"Golpe", 92},
                           {"Tipo", 56},
                           {"Poder", 44, true},
                           {std::string("Precisão"_cp), 52, true},
                           {"PP", 26, true},
                           {"TM/HM", 44, true}});
    ListView2->SetColumns({{std::string("Pokémon"_cp), 112}, {"Como", 56, true, true}});
    ListView3->SetColumns({{"Como", 70, true, true},
                           {"Golpe", 110},
                           {"Tipo", 80},
                           {"Poder", 70, true},
                           {std::string("Precisão"_cp), 70, true},
                           {"PP", 40, true}});
    ApplyFilter();
}

void TFormGolpes::FormShow(TObject*)
{
    Edit1->Clear();
    ComboBox1->SetItemIndex(0);
    ApplyFilter();
    const auto shown = ShownCreature().Creature();
    ChooseCreature(shown ? Catalogue::RowOfNumber(shown->Number()) : 0);
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
    for (TGroupBox* g : {GroupBox1, GroupBox2})
        g->SetBounds(g->Left(), g->Top(), g->Width(), designedAbove_ + above);
    GroupBox3->SetBounds(GroupBox3->Left(), designedBelowTop_ + above, GroupBox3->Width(), designedBelow_ + below);
}

void TFormGolpes::Edit1Change(TObject*)
{
    ApplyFilter();
}

void TFormGolpes::ComboBox1Click(TObject*)
{
    ApplyFilter();
}

void TFormGolpes::ApplyFilter()
{
    const int typeLine = ComboBox1->ItemIndex();
    std::vector<int> moves = MovesMatching(Edit1->Text(), static_cast<unsigned>(typeLine) < typeOf_.size()
                                                              ? typeOf_[static_cast<std::size_t>(typeLine)]
                                                              : std::nullopt);
    if (moves != listed_ || ListView1->RowCount() != static_cast<int>(moves.size())) {
        std::vector<TListRow> rows;
        rows.reserve(moves.size());
        for (int move : moves) {
            TListRow row{{std::string(MoveTable[static_cast<std::size_t>(move)].Name)}, {std::nan("")}};
            AddMoveCells(row, move);
            const int machine = MachineOfMove(move);
            row.Cells.push_back(machine < 0 ? std::string("—"_cp) : MachineName(machine));
            row.Keys.push_back(KeyOrNone(machine, machine >= 0));
            rows.push_back(std::move(row));
        }
        listed_ = std::move(moves);
        ListView1->SetRows(std::move(rows));
        Label4->SetCaption(CountText(listed_.size()));
    }
    // The move shown is always a row of the table: when the filters hide it,
    // the first row shown takes its place.
    const auto at = std::find(listed_.begin(), listed_.end(), shownMove_);
    if (at != listed_.end()) {
        ListView1->SetItemIndex(static_cast<int>(at - listed_.begin()));
    } else if (!listed_.empty()) {
        const int first = ListView1->ShownOrder().front();
        ListView1->SetItemIndex(first);
        ShowMove(listed_[static_cast<std::size_t>(first)]);
    } else {
        ShowMove(-1);
    }
}

void TFormGolpes::ListView1Click(TObject*)
{
    const int row = ListView1->ItemIndex();
    if (static_cast<unsigned>(row) < listed_.size())
        ShowMove(listed_[static_cast<std::size_t>(row)]);
}

void TFormGolpes::ChooseMove(int move)
{
    if (static_cast<unsigned>(move) >= MoveTable.size())
        return;
    if (std::find(listed_.begin(), listed_.end(), move) == listed_.end()) {
        Edit1->Clear();
        ComboBox1->SetItemIndex(0);
    }
    ShowMove(move);
    ApplyFilter();
}

void TFormGolpes::ShowMove(int move)
{
    shownMove_ = move;
    if (move < 0) {
        RichEdit1->Lines().Clear();
        RichEdit1->Lines().Add("Escolha um golpe");
        learners_.clear();
        ListView2->SetRows({});
        return;
    }
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    std::string text(m.Name);
    text.append("\nTipo: ").append(TypeName(m.MoveType));
    text.append("\nPoder: ").append(PowerText(move));
    if (const std::string meaning = PowerMeaning(move); !meaning.empty())
        text.append(" (").append(meaning).append(")");
    text.append("\nPrecisão: "_cp).append(AccuracyText(move));
    text.append("\nPP: ").append(std::to_string(m.Pp));
    text.append("\nEfeito: ").append(m.Effect);
    const int machine = MachineOfMove(move);
    text.append("\nTM/HM: ");
    if (machine < 0)
        text.append("nenhuma");
    else
        text.append(MachineName(machine)).append(" (").append(LocationOfMachine(machine).Location).append(")");
    RichEdit1->Lines().Clear();
    RichEdit1->Lines().Add(text);

    const MoveLearners learners = LearnersOf(move);
    std::vector<TListRow> rows;
    learners_.clear();
    for (const LevelLearner& l : learners.ByLevel) {
        rows.push_back({{CreatureLine(l.Row), LearnText(l.Level)}, {std::nan(""), double(l.Level)}});
        learners_.push_back(l.Row);
    }
    for (int row : learners.ByMachine) {
        rows.push_back({{CreatureLine(row), MachineName(machine)}, {std::nan(""), 100.0 + machine}});
        learners_.push_back(row);
    }
    ListView2->SetRows(std::move(rows));
}

// A learner chosen shows its moves below.
void TFormGolpes::ListView2Click(TObject*)
{
    const int row = ListView2->ItemIndex();
    if (static_cast<unsigned>(row) < learners_.size())
        ChooseCreature(learners_[static_cast<std::size_t>(row)]);
}

// The chooser's lines are the creatures by number.
void TFormGolpes::ComboBox2Click(TObject*)
{
    const int row = Catalogue::RowOfNumber(ComboBox2->ItemIndex());
    if (row >= 0)
        ShowCreature(row);
}

void TFormGolpes::ChooseCreature(int row)
{
    if (row < 0 || row >= Catalogue::RowCount)
        return;
    ComboBox2->SetItemIndex(Catalogue::Entry(row).Number);
    ShowCreature(row);
}

void TFormGolpes::ShowCreature(int row)
{
    std::vector<TListRow> rows;
    creatureMoves_.clear();
    for (const LevelMove& lm : LevelMovesOf(row)) {
        // Named as the moves table names it, as every tool window does.
        const int move = FindMove(lm.Move);
        const std::string_view name = move < 0 ? lm.Move : MoveTable[static_cast<std::size_t>(move)].Name;
        TListRow r{{LearnText(lm.Level), std::string(name)}, {double(lm.Level), std::nan("")}};
        if (move >= 0)
            AddMoveCells(r, move);
        rows.push_back(std::move(r));
        creatureMoves_.push_back(move);
    }
    for (int machine : MachinesOf(row)) {
        const int move = MachineMove(machine);
        TListRow r{{MachineName(machine), std::string(MoveTable[static_cast<std::size_t>(move)].Name)},
                   {100.0 + machine, std::nan("")}};
        AddMoveCells(r, move);
        rows.push_back(std::move(r));
        creatureMoves_.push_back(move);
    }
    ListView3->SetRows(std::move(rows));
}

void TFormGolpes::ListView3Click(TObject*)
{
    const int row = ListView3->ItemIndex();
    if (static_cast<unsigned>(row) < creatureMoves_.size())
        ChooseMove(creatureMoves_[static_cast<std::size_t>(row)]);
}
