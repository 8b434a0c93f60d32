#include "forms/UnitDano.h"

#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/BattleText.h"
#include "data/Learners.h"
#include "data/Moves.h"
#include "data/Species.h"
#include "data/TmHmLearners.h"
#include "text/Cp1252.h"
#include "views/Selection.h"
#include "widgets/SysUtils.h"

#include <QStandardItemModel>

#include <algorithm>
#include <cctype>

using namespace cp1252::literals;

TFormDano* FormDano = nullptr;

const FormClass& TFormDano::StaticFormClass()
{
    using F = TFormDano;
    static const FormClass info = FormTable<F>()
                                      .Field("GroupBox1", &F::GroupBox1)
                                      .Field("Label1", &F::Label1)
                                      .Field("ComboBox1", &F::ComboBox1)
                                      .Field("Label2", &F::Label2)
                                      .Field("Edit1", &F::Edit1)
                                      .Field("Label3", &F::Label3)
                                      .Field("Label4", &F::Label4)
                                      .Field("Label5", &F::Label5)
                                      .Field("Label6", &F::Label6)
                                      .Field("Label7", &F::Label7)
                                      .Field("Label8", &F::Label8)
                                      .Field("Label9", &F::Label9)
                                      .Field("Edit2", &F::Edit2)
                                      .Field("Edit3", &F::Edit3)
                                      .Field("Edit4", &F::Edit4)
                                      .Field("Edit5", &F::Edit5)
                                      .Field("Edit6", &F::Edit6)
                                      .Field("Label10", &F::Label10)
                                      .Field("ComboBox2", &F::ComboBox2)
                                      .Field("ComboBox3", &F::ComboBox3)
                                      .Field("ComboBox4", &F::ComboBox4)
                                      .Field("ComboBox5", &F::ComboBox5)
                                      .Field("Label11", &F::Label11)
                                      .Field("Label12", &F::Label12)
                                      .Field("Edit7", &F::Edit7)
                                      .Field("Button1", &F::Button1)
                                      .Field("Label13", &F::Label13)
                                      .Field("CheckBox1", &F::CheckBox1)
                                      .Field("Edit8", &F::Edit8)
                                      .Field("GroupBox2", &F::GroupBox2)
                                      .Field("Label14", &F::Label14)
                                      .Field("ComboBox6", &F::ComboBox6)
                                      .Field("Label15", &F::Label15)
                                      .Field("Edit9", &F::Edit9)
                                      .Field("Label16", &F::Label16)
                                      .Field("Label17", &F::Label17)
                                      .Field("Label18", &F::Label18)
                                      .Field("Label19", &F::Label19)
                                      .Field("Label20", &F::Label20)
                                      .Field("Label21", &F::Label21)
                                      .Field("Label22", &F::Label22)
                                      .Field("Edit10", &F::Edit10)
                                      .Field("Edit11", &F::Edit11)
                                      .Field("Edit12", &F::Edit12)
                                      .Field("Edit13", &F::Edit13)
                                      .Field("Edit14", &F::Edit14)
                                      .Field("Label23", &F::Label23)
                                      .Field("ComboBox7", &F::ComboBox7)
                                      .Field("ComboBox8", &F::ComboBox8)
                                      .Field("ComboBox9", &F::ComboBox9)
                                      .Field("ComboBox10", &F::ComboBox10)
                                      .Field("Label24", &F::Label24)
                                      .Field("Label25", &F::Label25)
                                      .Field("Edit15", &F::Edit15)
                                      .Field("Button2", &F::Button2)
                                      .Field("Label26", &F::Label26)
                                      .Field("CheckBox2", &F::CheckBox2)
                                      .Field("CheckBox3", &F::CheckBox3)
                                      .Field("Edit16", &F::Edit16)
                                      .Field("Label27", &F::Label27)
                                      .Field("ComboBox11", &F::ComboBox11)
                                      .Field("Label28", &F::Label28)
                                      .Field("GroupBox3", &F::GroupBox3)
                                      .Field("RichEdit1", &F::RichEdit1)
                                      .Handler("FormCreate", &F::FormCreate)
                                      .Handler("FormShow", &F::FormShow)
                                      .Handler("ComboBox1Click", &F::ComboBox1Click)
                                      .Handler("ComboBox6Click", &F::ComboBox6Click)
                                      .Handler("ComboBox11Click", &F::ComboBox11Click)
                                      .Handler("Button1Click", &F::Button1Click)
                                      .Handler("Button2Click", &F::Button2Click)
                                      .Handler("FieldChange", &F::FieldChange)
                                      .Build("TFormDano", ":/forms/UnitDano.form");
    return info;
}

namespace {

constexpr int MaxStatExp = 65535;
constexpr int StageLines = 13; // −6 .. +6
// The stats a DV and a stage belong to, in the order of their fields.
constexpr Stat kFieldStats[] = {Stat::Attack, Stat::Defense, Stat::Speed, Stat::Special};
constexpr SideField kDvFields[] = {SideField::DvAttack, SideField::DvDefense, SideField::DvSpeed, SideField::DvSpecial};
// What a stat line or the HP DV shows while a field it comes from is wrong.
constexpr std::string_view kNoValue = "—"_cp;

std::optional<int> NumberIn(TEdit* field, SideField what)
{
    const FieldLimits limits = LimitsOf(what);
    return FieldNumber(field->Text(), limits.Low, limits.High);
}

// The note beside a field: its range, or in dark red what is wrong. The
// field says the same to a screen reader.
void Note(TLabel* note, const std::string& text, bool wrong)
{
    // Most changes leave the note as it is: nothing to lay out again then.
    const TColor color = wrong ? clMaroon : clBlack;
    if (note->Font().Color != color) {
        TFont f = note->Font();
        f.Color = color;
        note->SetFont(f);
    }
    if (note->Caption() != text)
        note->SetCaption(text);
}

void Note(TLabel* note, TEdit* field, const std::string& text, bool wrong)
{
    Note(note, text, wrong);
    field->SetAccessibleDescription(text);
}

// "Energia 35, Ataque 55, Defesa 30, Velocidade 90, Especial 50".
std::string StatsText(const std::array<int, StatCount>& stats)
{
    std::string text;
    for (int s = 0; s < StatCount; ++s) {
        if (!text.empty())
            text += ", ";
        text.append(StatName(static_cast<Stat>(s)))
            .append(" ")
            .append(std::to_string(stats[static_cast<std::size_t>(s)]));
    }
    return text;
}

// The moves a creature (catalogue row) learns by level, then by TM or HM,
// each once, as rows of MoveTable.
std::vector<int> OwnMoves(int row)
{
    std::vector<int> own;
    auto add = [&own](int move) {
        if (move >= 0 && std::find(own.begin(), own.end(), move) == own.end())
            own.push_back(move);
    };
    for (const LevelMove& m : LevelMovesOf(row))
        add(FindMove(m.Move));
    for (int machine : MachinesOf(row))
        add(MachineMove(machine));
    return own;
}

} // namespace

TFormDano::SideControls TFormDano::Attacker() const
{
    return {ComboBox1,
            Edit1,
            Label3,
            Edit2,
            {Edit3, Edit4, Edit5, Edit6},
            {ComboBox2, ComboBox3, ComboBox4, ComboBox5},
            Label11,
            Edit7,
            Button1,
            Label13,
            Edit8};
}

TFormDano::SideControls TFormDano::Defender() const
{
    return {ComboBox6,
            Edit9,
            Label16,
            Edit10,
            {Edit11, Edit12, Edit13, Edit14},
            {ComboBox7, ComboBox8, ComboBox9, ComboBox10},
            Label24,
            Edit15,
            Button2,
            Label26,
            Edit16};
}

void TFormDano::AfterDefinitionRead()
{
    // Both sides have the same labels: each field says whose it is.
    for (const auto& [c, whose] :
         {std::pair{Attacker(), std::string("do atacante")}, std::pair{Defender(), std::string("do defensor")}}) {
        c.Level->SetAccessibleName(std::string("Nível "_cp) + whose);
        c.HpDv->SetAccessibleName("DV de Energia " + whose);
        for (std::size_t i = 0; i < c.Dv.size(); ++i) {
            const std::string stat(StatName(kFieldStats[i]));
            c.Dv[i]->SetAccessibleName("DV de " + stat + " " + whose);
            c.Stage[i]->SetAccessibleName(std::string("Estágio de "_cp) + stat + " " + whose);
        }
        c.StatExp->SetAccessibleName(std::string("Experiência de status "_cp) + whose);
        c.StatExpMax->SetAccessibleName(std::string("Experiência de status máxima "_cp) + whose);
        c.Stats->SetAccessibleName("Atributos " + whose);
    }
    ComboBox1->SetAccessibleName(std::string("Pokémon atacante"_cp));
    ComboBox6->SetAccessibleName(std::string("Pokémon defensor"_cp));
    CheckBox1->SetAccessibleName("Atacante queimado");
    CheckBox2->SetAccessibleName("Reflect no defensor");
    CheckBox3->SetAccessibleName("Light Screen no defensor");
    ComboBox11->SetAccessibleName("Golpe");
    RichEdit1->SetAccessibleName("Resultado");
    TForm::AfterDefinitionRead();
    // On Linux a combo box is announced by the line it shows, not by its
    // name: the description says what it chooses.
    for (TComboBox* box : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6, ComboBox7, ComboBox8,
                           ComboBox9, ComboBox10, ComboBox11})
        box->SetAccessibleDescription(FromQt(box->accessibleName()));
}

void TFormDano::FormCreate(TObject*)
{
    // #001 .. #151 in number order: line i is creature i + 1 (#000 has no stats).
    std::vector<std::string> creatures;
    for (int n = 1; n <= SpeciesCount; ++n)
        creatures.push_back(species::ChooserLine(n));
    const std::vector<std::string> stages{"-6", "-5", "-4", "-3", "-2", "-1", "0", "+1", "+2", "+3", "+4", "+5", "+6"};
    static_assert(StageLines == 13);
    // The lists the two sides have alike are filled once and shared: the
    // window opens faster, and each box keeps its own choice.
    ComboBox1->Items().Assign(creatures);
    ComboBox2->Items().Assign(stages);
    for (const SideControls& c : {Attacker(), Defender()}) {
        if (c.Creature != ComboBox1)
            c.Creature->setModel(ComboBox1->model());
        c.Creature->FindTyped = [](const std::string& typed) { return species::FindTyped(typed) - 1; };
        c.Creature->SetItemIndex(0);
        c.Level->SetText("50");
        for (TEdit* dv : c.Dv)
            dv->SetText("15");
        for (TComboBox* stage : c.Stage) {
            if (stage != ComboBox2)
                stage->setModel(ComboBox2->model());
            stage->SetItemIndex(StageLines / 2);
        }
        c.StatExp->SetText("0");
    }
    // The move list follows the attacker, chosen when the window shows; its
    // first move is then the move chosen.
    move_ = -1;
    ready_ = true;
}

void TFormDano::FormShow(TObject*)
{
    // The creature the main window shows attacks; #000 has no stats, so the
    // first creature stands in for it.
    const auto shown = ShownCreature().Creature();
    ChooseAttacker(shown && !shown->IsGlitch() ? shown->Number() : 1);
}

void TFormDano::ChooseAttacker(int number)
{
    if (number < 1 || number > SpeciesCount)
        return;
    ComboBox1->SetItemIndex(number - 1);
    ListMoves();
    Recompute();
}

void TFormDano::ChooseDefender(int number)
{
    if (number < 1 || number > SpeciesCount)
        return;
    ComboBox6->SetItemIndex(number - 1);
    Recompute();
}

void TFormDano::ChooseMove(int move)
{
    const auto at = std::find(listedMoves_.begin(), listedMoves_.end(), move);
    if (move < 0 || at == listedMoves_.end())
        return;
    move_ = move;
    ComboBox11->SetItemIndex(static_cast<int>(at - listedMoves_.begin()));
    Recompute();
}

void TFormDano::ComboBox1Click(TObject*)
{
    ChooseAttacker(ComboBox1->ItemIndex() + 1);
}

void TFormDano::ComboBox6Click(TObject*)
{
    Recompute();
}

void TFormDano::ComboBox11Click(TObject*)
{
    const int line = ComboBox11->ItemIndex();
    const int move =
        static_cast<unsigned>(line) < listedMoves_.size() ? listedMoves_[static_cast<std::size_t>(line)] : -1;
    // The parting line is no move: the move chosen stays.
    if (move < 0)
        ChooseMove(move_);
    else
        ChooseMove(move);
}

void TFormDano::Button1Click(TObject*)
{
    Edit7->SetText(std::to_string(MaxStatExp));
}

void TFormDano::Button2Click(TObject*)
{
    Edit15->SetText(std::to_string(MaxStatExp));
}

void TFormDano::FieldChange(TObject*)
{
    Recompute();
}

void TFormDano::ListMoves()
{
    const int number = ComboBox1->ItemIndex() + 1;
    std::vector<int> moves = OwnMoves(Catalogue::RowOfNumber(number));
    std::vector<int> others;
    for (int m = 0; m < static_cast<int>(MoveTable.size()); ++m)
        if (std::find(moves.begin(), moves.end(), m) == moves.end())
            others.push_back(m);
    std::sort(others.begin(), others.end(), [](int a, int b) {
        return MoveTable[static_cast<std::size_t>(a)].Name < MoveTable[static_cast<std::size_t>(b)].Name;
    });
    if (move_ < 0)
        move_ = moves.empty() ? others.front() : moves.front();
    moves.push_back(-1);
    moves.insert(moves.end(), others.begin(), others.end());

    std::vector<std::string> lines;
    for (int m : moves)
        lines.emplace_back(m < 0 ? std::string("—— outros golpes ——"_cp)
                                 : std::string(MoveTable[static_cast<std::size_t>(m)].Name));
    listedMoves_ = std::move(moves);
    ComboBox11->Items().Assign(lines);
    // The parting line cannot be chosen: the arrow keys step over it.
    const auto parting = std::find(listedMoves_.begin(), listedMoves_.end(), -1) - listedMoves_.begin();
    if (auto* model = qobject_cast<QStandardItemModel*>(ComboBox11->model()))
        model->item(static_cast<int>(parting))->setEnabled(false);
    ComboBox11->SetItemIndex(
        static_cast<int>(std::find(listedMoves_.begin(), listedMoves_.end(), move_) - listedMoves_.begin()));
}

std::optional<BattleSide> TFormDano::ReadSide(const SideControls& c, bool attacker,
                                              std::vector<std::string>& corrections)
{
    BattleSide side;
    side.Species = c.Creature->ItemIndex() + 1;
    const std::optional<int> level = NumberIn(c.Level, SideField::Level);
    Note(c.LevelNote, c.Level, level ? "1 a 100" : std::string("Inválido: use 1 a 100"_cp), !level);
    if (!level)
        corrections.push_back(CorrectionLine(SideField::Level, attacker));

    std::array<std::optional<int>, 4> dv;
    std::string dvNote = "DVs de 0 a 15";
    TEdit* wrongDv = nullptr;
    for (std::size_t i = 0; i < dv.size(); ++i) {
        dv[i] = NumberIn(c.Dv[i], kDvFields[i]);
        const std::string wrong =
            "DV de " + std::string(StatName(kFieldStats[i])) + std::string(" inválido: use 0 a 15"_cp);
        c.Dv[i]->SetAccessibleDescription(dv[i] ? "0 a 15" : wrong);
        if (!dv[i])
            corrections.push_back(CorrectionLine(kDvFields[i], attacker));
        if (!dv[i] && !wrongDv) {
            wrongDv = c.Dv[i];
            dvNote = wrong;
        }
    }
    Note(c.DvNote, dvNote, wrongDv != nullptr);

    const std::optional<int> statExp = NumberIn(c.StatExp, SideField::StatExp);
    Note(c.StatExpNote, c.StatExp, statExp ? "0 a 65535 (cada atributo)" : std::string("Inválido: use 0 a 65535"_cp),
         !statExp);
    if (!statExp)
        corrections.push_back(CorrectionLine(SideField::StatExp, attacker));

    // A value made from a wrong field is no value.
    if (!wrongDv)
        side.Dv = {*dv[0], *dv[1], *dv[2], *dv[3]};
    c.HpDv->SetText(wrongDv ? std::string(kNoValue) : std::to_string(HpDv(side.Dv)));
    if (side.Species < 1 || !level || wrongDv || !statExp) {
        c.Stats->SetText(std::string(kNoValue));
        return std::nullopt;
    }
    side.Level = *level;
    side.StatExp.fill(*statExp);
    int* const stages[] = {&side.AttackStage, &side.DefenseStage, &side.SpeedStage, &side.SpecialStage};
    for (std::size_t i = 0; i < c.Stage.size(); ++i)
        *stages[i] = std::max(0, c.Stage[i]->ItemIndex()) - StageLines / 2;
    c.Stats->SetText(StatsText(StatsOf(side)));
    return side;
}

void TFormDano::Recompute()
{
    if (!ready_)
        return;
    std::vector<std::string> corrections;
    std::optional<BattleSide> attacker = ReadSide(Attacker(), true, corrections);
    std::optional<BattleSide> defender = ReadSide(Defender(), false, corrections);
    if (move_ < 0)
        return;
    if (attacker && defender) {
        attacker->Burned = CheckBox1->Checked();
        defender->Reflect = CheckBox2->Checked();
        defender->LightScreen = CheckBox3->Checked();
        lastValid_ = ResultLines(ComputeBattle(*attacker, *defender, move_), move_, defender->Species);
    }
    // While a field is wrong, the result says so first and marks the figures
    // as the last valid ones.
    ShowResult(corrections.empty() ? lastValid_ : StaleResultLines(corrections, lastValid_));
}

void TFormDano::ShowResult(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    if (text == shownResult_)
        return;
    shownResult_ = text;
    RichEdit1->Lines().Clear();
    RichEdit1->Lines().Add(text);
}
