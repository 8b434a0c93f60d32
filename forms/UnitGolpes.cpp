#include "forms/UnitGolpes.h"

#include "catalogue/Catalogue.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"
#include "data/TmHmLocations.h"
#include "forms/UnitPrincipal.h"
#include "widgets/Cp1252.h"

#include <algorithm>

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
                                      .Field("Label3", &F::Label3)
                                      .Field("ListBox1", &F::ListBox1)
                                      .Field("Label4", &F::Label4)
                                      .Field("GroupBox2", &F::GroupBox2)
                                      .Field("Label5", &F::Label5)
                                      .Field("Edit2", &F::Edit2)
                                      .Field("Label6", &F::Label6)
                                      .Field("Edit3", &F::Edit3)
                                      .Field("Label7", &F::Label7)
                                      .Field("Edit4", &F::Edit4)
                                      .Field("Label8", &F::Label8)
                                      .Field("Edit5", &F::Edit5)
                                      .Field("Label9", &F::Label9)
                                      .Field("RichEdit1", &F::RichEdit1)
                                      .Field("Label10", &F::Label10)
                                      .Field("Edit6", &F::Edit6)
                                      .Field("Label11", &F::Label11)
                                      .Field("ListBox2", &F::ListBox2)
                                      .Field("Label12", &F::Label12)
                                      .Field("ListBox3", &F::ListBox3)
                                      .Field("GroupBox3", &F::GroupBox3)
                                      .Field("Label13", &F::Label13)
                                      .Field("ComboBox2", &F::ComboBox2)
                                      .Field("Label14", &F::Label14)
                                      .Field("ListBox4", &F::ListBox4)
                                      .Field("Label15", &F::Label15)
                                      .Field("ListBox5", &F::ListBox5)
                                      .Handler("FormShow", &F::FormShow)
                                      .Handler("Edit1Change", &F::Edit1Change)
                                      .Handler("ComboBox1Click", &F::ComboBox1Click)
                                      .Handler("ListBox1Click", &F::ListBox1Click)
                                      .Handler("ListBox2Click", &F::ListBox2Click)
                                      .Handler("ListBox3Click", &F::ListBox3Click)
                                      .Handler("ComboBox2Click", &F::ComboBox2Click)
                                      .Handler("ListBox4Click", &F::ListBox4Click)
                                      .Handler("ListBox5Click", &F::ListBox5Click)
                                      .Build("TFormGolpes", ":/forms/UnitGolpes.form");
    return info;
}

namespace {

// "1 golpe", "12 golpes", "Nenhum golpe encontrado": the list's count in words.
std::string CountText(std::size_t count)
{
    if (count == 0)
        return std::string("Nenhum golpe encontrado"_cp);
    return std::to_string(count) + (count == 1 ? " golpe" : " golpes");
}

// Fills a list with lines, or with one line saying in words that there is none.
void FillList(TListBox* list, std::vector<std::string> lines, std::string_view none)
{
    if (lines.empty())
        lines.emplace_back(none);
    list->Items().Assign(lines);
}

int Chosen(TListBox* list, const std::vector<int>& rows)
{
    const int i = list->ItemIndex();
    return static_cast<unsigned>(i) < rows.size() ? rows[static_cast<std::size_t>(i)] : -1;
}

} // namespace

void TFormGolpes::AfterDefinitionRead()
{
    // The value fields say what they hold; their labels sit beside them.
    RichEdit1->SetAccessibleName("Efeito");
    TForm::AfterDefinitionRead();
    // On Linux a combo box is announced by the line it shows, not by its
    // name: the description says what it chooses.
    ComboBox1->SetAccessibleDescription(Label2->Caption().substr(0, Label2->Caption().size() - 1));
    ComboBox2->SetAccessibleDescription(Label13->Caption().substr(0, Label13->Caption().size() - 1));

    levelMoves_.reserve(Catalogue::RowCount);
    lines_.reserve(Catalogue::RowCount);
    for (int row = 0; row < Catalogue::RowCount; ++row) {
        levelMoves_.push_back(LevelMovesOf(row));
        // The same line as the main window's list (#083's apostrophe).
        const auto [page, item] = Catalogue::ListPositionOfRow(row);
        lines_.push_back(Form1 ? Form1->PageList(page)->Items()[item] : Catalogue::Entry(row).Caption());
    }
    ComboBox2->Items().Assign(lines_);
    ComboBox1->SetItemIndex(0);
    ApplyFilter();
}

void TFormGolpes::FormShow(TObject*)
{
    if (const CatalogueEntry* shown = Form1 ? Form1->ShownEntry() : nullptr)
        ChooseCreature(Catalogue::RowOfNumber(shown->Number));
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
    const std::string filter = Edit1->Text();
    const int type = ComboBox1->ItemIndex() - 1; // line 0: every type
    std::vector<int> rows;
    for (std::size_t i = 0; i < MoveTable.size(); ++i) {
        const MoveInfo& m = MoveTable[i];
        if ((type < 0 || static_cast<int>(m.MoveType) == type) && MoveMatches(m, filter))
            rows.push_back(static_cast<int>(i));
    }
    if (rows != listed_ || ListBox1->Items().Count() != static_cast<int>(rows.size())) {
        std::vector<std::string> names;
        names.reserve(rows.size());
        for (int i : rows)
            names.emplace_back(MoveTable[static_cast<std::size_t>(i)].Name);
        listed_ = std::move(rows);
        ListBox1->Items().Assign(names);
        Label4->SetCaption(CountText(listed_.size()));
    }
    // The move shown stays chosen while the filters let it through.
    const auto at = std::find(listed_.begin(), listed_.end(), shownMove_);
    ListBox1->SetItemIndex(at == listed_.end() ? -1 : static_cast<int>(at - listed_.begin()));
}

void TFormGolpes::ListBox1Click(TObject*)
{
    const int move = Chosen(ListBox1, listed_);
    if (move >= 0)
        ShowMove(move);
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
    const MoveInfo& m = MoveTable[static_cast<std::size_t>(move)];
    Edit2->SetText(std::string(TypeName(m.MoveType)));
    Edit3->SetText(PowerText(m));
    Edit4->SetText(std::to_string(m.Accuracy) + "%");
    Edit5->SetText(std::to_string(m.Pp));
    RichEdit1->Lines().Clear();
    RichEdit1->Lines().Add(std::string(m.Effect));

    const int machine = MachineOfMove(move);
    if (machine < 0) {
        Edit6->SetText(std::string("Nenhuma TM ou HM ensina este golpe"_cp));
    } else {
        const auto& table = machine < 50 ? TmLocationTable : HmLocationTable;
        const auto& where = table[static_cast<std::size_t>(machine < 50 ? machine : machine - 50)];
        Edit6->SetText(MachineName(machine) + " (" + std::string(where.Location) + ")");
    }

    std::vector<std::string> byLevel, byMachine;
    learnerRows_.clear();
    teachableRows_.clear();
    for (int row = 0; row < Catalogue::RowCount; ++row) {
        for (const LevelMove& lm : levelMoves_[static_cast<std::size_t>(row)])
            if (lm.Move == m.Name) {
                byLevel.push_back(LevelMoveLine({lm.Level, {}}) + lines_[static_cast<std::size_t>(row)]);
                learnerRows_.push_back(row);
            }
        if (machine >= 0 && CanLearnMachine(Catalogue::Entry(row).Number, machine)) {
            byMachine.push_back(lines_[static_cast<std::size_t>(row)]);
            teachableRows_.push_back(row);
        }
    }
    FillList(ListBox2, std::move(byLevel), "Nenhum aprende por nível"_cp);
    FillList(ListBox3, std::move(byMachine), machine < 0 ? "Nenhum: não há TM ou HM"_cp : "Nenhum"_cp);
}

void TFormGolpes::ListBox2Click(TObject*)
{
    const int row = Chosen(ListBox2, learnerRows_);
    if (row >= 0)
        ChooseCreature(row);
}

void TFormGolpes::ListBox3Click(TObject*)
{
    const int row = Chosen(ListBox3, teachableRows_);
    if (row >= 0)
        ChooseCreature(row);
}

void TFormGolpes::ComboBox2Click(TObject*)
{
    const int row = ComboBox2->ItemIndex();
    if (static_cast<unsigned>(row) < lines_.size())
        ShowCreature(row);
}

void TFormGolpes::ChooseCreature(int row)
{
    if (static_cast<unsigned>(row) >= lines_.size())
        return;
    ComboBox2->SetItemIndex(row);
    ShowCreature(row);
}

void TFormGolpes::ShowCreature(int row)
{
    std::vector<std::string> byLevel, machines;
    creatureMoves_.clear();
    for (const LevelMove& lm : levelMoves_[static_cast<std::size_t>(row)]) {
        byLevel.push_back(LevelMoveLine(lm));
        creatureMoves_.push_back(FindMove(lm.Move));
    }
    levelLines_ = static_cast<int>(creatureMoves_.size());
    const int number = Catalogue::Entry(row).Number;
    for (int machine = 0; machine < MachineCount; ++machine)
        if (CanLearnMachine(number, machine)) {
            const int move = MachineMove(machine);
            machines.push_back(MachineName(machine) + " -- " +
                               std::string(MoveTable[static_cast<std::size_t>(move)].Name));
            creatureMoves_.push_back(move);
        }
    FillList(ListBox4, std::move(byLevel), "Nenhum"_cp);
    FillList(ListBox5, std::move(machines), "Nenhuma TM ou HM"_cp);
}

void TFormGolpes::ListBox4Click(TObject*)
{
    const int i = ListBox4->ItemIndex();
    if (i >= 0 && i < levelLines_)
        ChooseMove(creatureMoves_[static_cast<std::size_t>(i)]);
}

void TFormGolpes::ListBox5Click(TObject*)
{
    const int i = ListBox5->ItemIndex();
    if (i >= 0 && levelLines_ + i < static_cast<int>(creatureMoves_.size()))
        ChooseMove(creatureMoves_[static_cast<std::size_t>(levelLines_ + i)]);
}
