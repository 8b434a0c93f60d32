#include "views/MovesView.h"

#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/Learners.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"
#include "data/TmHmLocations.h"
#include "text/Cp1252.h"
#include "text/SortOrder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

using namespace cp1252::literals;

namespace {

const double None = std::nan("");

double KeyOrNone(int value, bool has)
{
    return has ? value : None;
}

// A move's cells from its type on: Tipo, Poder, Precisão, PP; and their keys.
void AddMoveCells(MovesView::Row& row, int move)
{
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    row.Cells.insert(row.Cells.end(),
                     {std::string(TypeName(m.MoveType)), PowerText(move), AccuracyText(move), std::to_string(m.Pp)});
    row.Keys.insert(row.Keys.end(),
                    {None, PowerKey(move), KeyOrNone(m.Accuracy, HasAccuracyTest(move)), static_cast<double>(m.Pp)});
}

// A row number the widget gave: -1 for none, else one of the table's rows.
std::optional<std::size_t> RowOf(int row, std::size_t count, const char* table)
{
    if (row == -1)
        return std::nullopt;
    if (row < 0 || static_cast<std::size_t>(row) >= count)
        throw std::out_of_range(std::string(table) + " row " + std::to_string(row));
    return static_cast<std::size_t>(row);
}

int CatalogueRow(species::Creature c)
{
    return Catalogue::RowOfNumber(c.Number());
}

species::Creature CreatureOfRow(int row)
{
    return *species::Creature::FromNumber(Catalogue::Entry(row).Number);
}

} // namespace

std::optional<MovesView::Move> MovesView::Move::FromRow(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= MoveTable.size())
        return std::nullopt;
    return Move(row);
}

std::optional<MovesView::Move> MovesView::Move::Named(std::string_view name)
{
    return FromRow(FindMove(name));
}

std::vector<int> MovesView::Table::ShownOrder() const
{
    std::vector<int> order(Rows.size());
    std::iota(order.begin(), order.end(), 0);
    if (Sort.Column < 0 || static_cast<std::size_t>(Sort.Column) >= Columns.size())
        return order;
    const auto c = static_cast<std::size_t>(Sort.Column);
    if (Columns[c].Numeric) {
        std::vector<double> keys;
        keys.reserve(Rows.size());
        for (const Row& r : Rows)
            keys.push_back(c < r.Keys.size() ? r.Keys[c] : None);
        return sortorder::ByNumbers(keys, Sort.Descending);
    }
    std::vector<std::string> keys;
    keys.reserve(Rows.size());
    for (const Row& r : Rows)
        keys.push_back(c < r.Cells.size() ? cp1252::sortKey(r.Cells[c]) : std::string());
    return sortorder::ByTexts(keys, Sort.Descending);
}

MovesView::MovesView()
{
    // All six fit the window's designed width: no row is cut or scrolled
    // sideways.
    moves_.Columns = {{"Golpe", 92},    {"Tipo", 56},       {"Poder", 44, true}, {std::string("Precisão"_cp), 52, true},
                      {"PP", 26, true}, {"TM/HM", 44, true}};
    learners_.Columns = {{std::string("Pokémon"_cp), 112}, {"Como", 56, true, true}};
    creatureMoves_.Columns = {{"Como", 70, true, true},
                              {"Golpe", 110},
                              {"Tipo", 80},
                              {"Poder", 70, true},
                              {std::string("Precisão"_cp), 70, true},
                              {"PP", 40, true}};
    ApplyFilter();
}

void MovesView::Opened(std::optional<species::Creature> shown)
{
    // One filter after the other, as the fields are cleared.
    NameTyped("");
    TypeChosen(0);
    CreatureChosen(shown ? *shown : *species::Creature::FromNumber(1));
}

void MovesView::NameTyped(std::string_view text)
{
    if (text == name_)
        return;
    name_ = std::string(text);
    ApplyFilter();
}

std::vector<std::string> MovesView::TypeLines()
{
    std::vector<std::string> lines{"Todos os tipos"};
    for (Type t : AllTypes)
        lines.emplace_back(TypeName(t));
    return lines;
}

void MovesView::TypeChosen(int line)
{
    if (line < 0 || line > TypeCount)
        throw std::out_of_range("type line " + std::to_string(line));
    typeLine_ = line;
    type_ = line == 0 ? std::nullopt : std::optional<Type>(AllTypes[static_cast<std::size_t>(line - 1)]);
    ApplyFilter();
}

MovesView::Table& MovesView::TableOf(Part part)
{
    switch (part) {
    case Part::Moves: return moves_;
    case Part::Learners: return learners_;
    case Part::CreatureMoves: return creatureMoves_;
    }
    throw std::out_of_range("table");
}

void MovesView::Sorted(Part part, SortOrder order)
{
    Table& t = TableOf(part);
    if (order.Column < -1 || order.Column >= static_cast<int>(t.Columns.size()))
        throw std::out_of_range("sort column " + std::to_string(order.Column));
    t.Sort = order;
}

void MovesView::ApplyFilter()
{
    std::vector<int> rows = MovesMatching(name_, type_);
    std::vector<Move> moves;
    moves.reserve(rows.size());
    for (int row : rows)
        moves.push_back(Move(row));
    if (moves != listed_ || moves_.Generation == 0) {
        moves_.Rows.clear();
        for (Move move : moves) {
            const int m = move.Row();
            Row row{{std::string(MoveTable[static_cast<std::size_t>(m)].Name)}, {None}};
            AddMoveCells(row, m);
            const int machine = MachineOfMove(m);
            row.Cells.push_back(machine < 0 ? std::string("—"_cp) : MachineName(machine));
            row.Keys.push_back(KeyOrNone(machine, machine >= 0));
            moves_.Rows.push_back(std::move(row));
        }
        listed_ = std::move(moves);
        ++moves_.Generation;
    }
    // The move shown is always a row of the table: when the filters hide it,
    // the first row shown takes its place.
    const auto at = shown_ ? std::find(listed_.begin(), listed_.end(), *shown_) : listed_.end();
    if (at != listed_.end()) {
        moves_.Chosen = static_cast<int>(at - listed_.begin());
    } else if (!listed_.empty()) {
        const int first = moves_.ShownOrder().front();
        moves_.Chosen = first;
        ShowMove(listed_[static_cast<std::size_t>(first)]);
    } else {
        moves_.Chosen.reset();
        ShowMove(std::nullopt);
    }
}

std::string MovesView::CountText() const
{
    if (listed_.empty())
        return std::string("Nenhum golpe encontrado"_cp);
    return std::to_string(listed_.size()) + (listed_.size() == 1 ? " golpe" : " golpes");
}

void MovesView::MoveRowChosen(int row)
{
    if (const auto r = RowOf(row, listed_.size(), "moves")) {
        moves_.Chosen = row;
        ShowMove(listed_[*r]);
    }
}

void MovesView::ChooseMove(Move move)
{
    if (std::find(listed_.begin(), listed_.end(), move) == listed_.end()) {
        NameTyped("");
        TypeChosen(0);
    }
    ShowMove(move);
    ApplyFilter();
}

void MovesView::ShowMove(std::optional<Move> move)
{
    shown_ = move;
    learners_.Rows.clear();
    learnerRows_.clear();
    learners_.Chosen.reset();
    ++learners_.Generation;
    if (!move)
        return;
    const int m = move->Row();
    const int machine = MachineOfMove(m);
    const MoveLearners learners = LearnersOf(m);
    for (const LevelLearner& l : learners.ByLevel) {
        const species::Creature c = CreatureOfRow(l.Row);
        learners_.Rows.push_back({{species::ChooserLine(c.Number()), LearnText(l.Level)}, {None, double(l.Level)}});
        learnerRows_.push_back(c);
    }
    for (int row : learners.ByMachine) {
        const species::Creature c = CreatureOfRow(row);
        learners_.Rows.push_back({{species::ChooserLine(c.Number()), MachineName(machine)}, {None, 100.0 + machine}});
        learnerRows_.push_back(c);
    }
}

std::vector<std::string> MovesView::MoveLines() const
{
    if (!shown_)
        return {"Escolha um golpe"};
    const int move = shown_->Row();
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    std::string power = "Poder: " + PowerText(move);
    if (const std::string meaning = PowerMeaning(move); !meaning.empty())
        power.append(" (").append(meaning).append(")");
    const int machine = MachineOfMove(move);
    std::string machineLine = "TM/HM: ";
    if (machine < 0)
        machineLine.append("nenhuma");
    else
        machineLine.append(MachineName(machine)).append(" (").append(LocationOfMachine(machine).Location).append(")");
    return {std::string(m.Name),
            "Tipo: " + std::string(TypeName(m.MoveType)),
            power,
            std::string("Precisão: "_cp) + AccuracyText(move),
            "PP: " + std::to_string(m.Pp),
            "Efeito: " + std::string(m.Effect),
            machineLine};
}

void MovesView::LearnerChosen(int row)
{
    if (const auto r = RowOf(row, learnerRows_.size(), "learners")) {
        learners_.Chosen = row;
        CreatureChosen(learnerRows_[*r]);
    }
}

void MovesView::CreatureChosen(species::Creature creature)
{
    creature_ = creature;
    const int catalogueRow = CatalogueRow(creature);
    creatureMoves_.Rows.clear();
    creatureMoveRows_.clear();
    creatureMoves_.Chosen.reset();
    ++creatureMoves_.Generation;
    for (const LevelMove& lm : LevelMovesOf(catalogueRow)) {
        // Named as the moves table names it, as every tool window does.
        const std::optional<Move> move = Move::Named(lm.Move);
        Row r{
            {LearnText(lm.Level), std::string(move ? MoveTable[static_cast<std::size_t>(move->Row())].Name : lm.Move)},
            {double(lm.Level), None}};
        if (move)
            AddMoveCells(r, move->Row());
        creatureMoves_.Rows.push_back(std::move(r));
        creatureMoveRows_.push_back(move);
    }
    for (int machine : MachinesOf(catalogueRow)) {
        const Move move(MachineMove(machine));
        Row r{{MachineName(machine), std::string(MoveTable[static_cast<std::size_t>(move.Row())].Name)},
              {100.0 + machine, None}};
        AddMoveCells(r, move.Row());
        creatureMoves_.Rows.push_back(std::move(r));
        creatureMoveRows_.push_back(move);
    }
}

void MovesView::CreatureMoveChosen(int row)
{
    if (const auto r = RowOf(row, creatureMoveRows_.size(), "creature's moves")) {
        creatureMoves_.Chosen = row;
        if (const std::optional<Move> move = creatureMoveRows_[*r])
            ChooseMove(*move);
    }
}
