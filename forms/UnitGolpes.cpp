#include "forms/UnitGolpes.h"

#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/Learners.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"
#include "data/TmHmLocations.h"
#include "forms/UnitPrincipal.h"
#include "text/Cp1252.h"

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
                                      .Field("RichEdit1", &F::RichEdit1)
                                      .Field("GroupBox3", &F::GroupBox3)
                                      .Field("Label5", &F::Label5)
                                      .Field("ComboBox2", &F::ComboBox2)
                                      .Field("RichEdit2", &F::RichEdit2)
                                      .Handler("FormCreate", &F::FormCreate)
                                      .Handler("FormShow", &F::FormShow)
                                      .Handler("Edit1Change", &F::Edit1Change)
                                      .Handler("ComboBox1Click", &F::ComboBox1Click)
                                      .Handler("ListBox1Click", &F::ListBox1Click)
                                      .Handler("ComboBox2Click", &F::ComboBox2Click)
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

// A text box's lines, given at once (one rebuild, not one per line).
void ShowLines(TRichEdit* box, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    box->Lines().Clear();
    box->Lines().Add(text);
}

// "Aprendem por nível:" and its lines, or "Aprendem por nível: nenhum".
void AddSection(std::vector<std::string>& lines, std::string_view title, std::vector<std::string> items,
                std::string_view none)
{
    std::string head(title);
    if (items.empty()) {
        lines.push_back(head.append(": ").append(none));
        return;
    }
    lines.push_back(head.append(":"));
    lines.insert(lines.end(), items.begin(), items.end());
}

// A label's words without the colon that ends it ("Tipo:" -> "Tipo").
std::string LabelWords(std::string caption)
{
    if (!caption.empty() && caption.back() == ':')
        caption.pop_back();
    return caption;
}

} // namespace

void TFormGolpes::AfterDefinitionRead()
{
    // The text boxes say what they hold.
    RichEdit2->SetAccessibleName(std::string("Golpes do pokémon"_cp));
    TForm::AfterDefinitionRead();
    // On Linux a combo box is announced by the line it shows, not by its
    // name: the description says what it chooses.
    ComboBox1->SetAccessibleDescription(LabelWords(Label2->Caption()));
    ComboBox2->SetAccessibleDescription(LabelWords(Label5->Caption()));
}

void TFormGolpes::FormCreate(TObject*)
{
    std::vector<std::string> typeLines{"Todos os tipos"};
    typeOf_ = {std::nullopt};
    for (Type t : AllTypes) {
        typeLines.emplace_back(TypeName(t));
        typeOf_.emplace_back(t);
    }
    ComboBox1->Items().Assign(typeLines);
    ComboBox1->SetItemIndex(0);
    lines_ = Catalogue::ListLines();
    ComboBox2->Items().Assign(lines_);
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
    const int typeLine = ComboBox1->ItemIndex();
    std::vector<int> rows = MovesMatching(Edit1->Text(), static_cast<unsigned>(typeLine) < typeOf_.size()
                                                             ? typeOf_[static_cast<std::size_t>(typeLine)]
                                                             : std::nullopt);
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
    const int i = ListBox1->ItemIndex();
    if (static_cast<unsigned>(i) < listed_.size())
        ShowMove(listed_[static_cast<std::size_t>(i)]);
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
    std::vector<std::string> lines{std::string(m.Name)};
    lines.push_back(std::string("Tipo: ").append(TypeName(m.MoveType)));
    lines.push_back("Poder: " + PowerText(move));
    lines.push_back(std::string("Precisão: "_cp).append(std::to_string(m.Accuracy)).append("%"));
    lines.push_back("PP: " + std::to_string(m.Pp));
    lines.push_back(std::string("Efeito: ").append(m.Effect));

    const int machine = MachineOfMove(move);
    if (machine < 0)
        lines.push_back("TM/HM: nenhuma");
    else
        lines.push_back("TM/HM: " + MachineName(machine) + " (" + std::string(LocationOfMachine(machine).Location) +
                        ")");

    const MoveLearners learners = LearnersOf(move);
    std::vector<std::string> byLevel, byMachine;
    for (const LevelLearner& l : learners.ByLevel)
        byLevel.push_back(LevelText(l.Level) + " " + lines_[static_cast<std::size_t>(l.Row)]);
    for (int row : learners.ByMachine)
        byMachine.push_back(lines_[static_cast<std::size_t>(row)]);
    AddSection(lines, "Aprendem por nível"_cp, std::move(byLevel), "nenhum");
    AddSection(lines, "Aprendem por TM/HM", std::move(byMachine), "nenhum");
    ShowLines(RichEdit1, lines);
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
    std::vector<std::string> lines{lines_[static_cast<std::size_t>(row)]}, byLevel, machines;
    for (const LevelMove& lm : LevelMovesOf(row))
        byLevel.push_back(LevelMoveLine(lm));
    for (int machine : MachinesOf(row))
        machines.push_back(MachineName(machine) + " -- " +
                           std::string(MoveTable[static_cast<std::size_t>(MachineMove(machine))].Name));
    AddSection(lines, "Golpes por nível"_cp, std::move(byLevel), "nenhum");
    AddSection(lines, "TMs e HMs", std::move(machines), "nenhuma");
    ShowLines(RichEdit2, lines);
}
