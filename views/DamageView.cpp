#include "views/DamageView.h"

#include "catalogue/Catalogue.h"
#include "catalogue/LevelMoves.h"
#include "data/Learners.h"
#include "data/Moves.h"
#include "data/TmHmLearners.h"
#include "text/Cp1252.h"

#include <algorithm>
#include <stdexcept>

using namespace cp1252::literals;

namespace {

constexpr SideField kDvFields[] = {SideField::DvAttack, SideField::DvDefense, SideField::DvSpeed, SideField::DvSpecial};
// What a stat line or the HP DV shows while a field it comes from is wrong.
constexpr std::string_view kNoValue = "—"_cp;

TypedNumber Typed(std::string_view text, SideField field)
{
    const FieldLimits limits = LimitsOf(field);
    return {std::string(text), FieldNumber(text, limits.Low, limits.High)};
}

// "Inválido: use 1 a 100", said beside the level and the stat experience.
std::string WrongNote(SideField field)
{
    const FieldLimits limits = LimitsOf(field);
    return std::string("Inválido: use "_cp) + std::to_string(limits.Low) + " a " + std::to_string(limits.High);
}

// "DV de Ataque inválido: use 0 a 15".
std::string WrongDv(std::size_t i)
{
    return "DV de " + std::string(StatName(DamageView::FieldStats[i])) + std::string(" inválido: use 0 a 15"_cp);
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

std::size_t DamageView::FieldIndex(Stat stat)
{
    const auto at = std::find(FieldStats.begin(), FieldStats.end(), stat);
    if (at == FieldStats.end())
        throw std::invalid_argument("DamageView: no DV or stage field for this stat");
    return static_cast<std::size_t>(at - FieldStats.begin());
}

DamageView::SideState DamageView::initialSide()
{
    SideState s;
    s.Creature = *species::Creature::FromNumber(1);
    s.Level = Typed("50", SideField::Level);
    s.StatExp = Typed("0", SideField::StatExp);
    for (std::size_t i = 0; i < s.Dv.size(); ++i)
        s.Dv[i] = Typed("15", kDvFields[i]);
    return s;
}

DamageView::DamageView() : attacker_(initialSide()), defender_(initialSide()) {}

// ---- what the user does ----

void DamageView::ChooseCreature(Combatant who, species::Creature c)
{
    const species::Creature chosen = c.IsGlitch() ? *species::Creature::FromNumber(1) : c;
    if (chosen != side(who).Creature)
        forgetSource(who);
    side(who).Creature = chosen;
    if (who == Combatant::Attacker)
        listMoves();
    recompute();
}

void DamageView::TypeLevel(Combatant who, std::string_view text)
{
    // A field written back with the text it holds is no change of the user's.
    if (text != side(who).Level.Text)
        forgetSource(who);
    side(who).Level = Typed(text, SideField::Level);
    recompute();
}

void DamageView::TypeDv(Combatant who, Stat stat, std::string_view text)
{
    const std::size_t i = FieldIndex(stat);
    if (text != side(who).Dv[i].Text)
        forgetSource(who);
    side(who).Dv[i] = Typed(text, kDvFields[i]);
    recompute();
}

void DamageView::TypeStatExp(Combatant who, std::string_view text)
{
    if (text != side(who).StatExp.Text)
        forgetSource(who);
    side(who).StatExp = Typed(text, SideField::StatExp);
    recompute();
}

void DamageView::MaxStatExpRequested(Combatant who)
{
    TypeStatExp(who, std::to_string(MaxStatExp));
}

void DamageView::ChooseStage(Combatant who, Stat stat, int stage)
{
    if (stage < LowestStage || stage > HighestStage)
        throw std::out_of_range("DamageView: stage outside -6..+6");
    side(who).Stage[FieldIndex(stat)] = stage;
    recompute();
}

void DamageView::ChooseMove(int move)
{
    if (move < 0 || move >= static_cast<int>(MoveTable.size()))
        throw std::out_of_range("DamageView: no such move");
    move_ = move;
    recompute(Change::Move);
}

void DamageView::ChooseMoveLine(int line)
{
    const std::optional<int> move = listedMoves_.at(static_cast<std::size_t>(line));
    if (move)
        ChooseMove(*move);
}

void DamageView::ChooseRankingLine(int line)
{
    ChooseMove(ranking_.at(static_cast<std::size_t>(line)).Move);
}

void DamageView::TickBurned(bool on)
{
    burned_ = on;
    recompute();
}

void DamageView::TickReflect(bool on)
{
    reflect_ = on;
    recompute();
}

void DamageView::TickLightScreen(bool on)
{
    lightScreen_ = on;
    recompute();
}

void DamageView::TakeSide(const HandedSide& handed)
{
    const auto in = [](int value, SideField field) {
        const FieldLimits limits = LimitsOf(field);
        return value >= limits.Low && value <= limits.High;
    };
    const std::array<int, 4> dvs{handed.Dv.Attack, handed.Dv.Defense, handed.Dv.Speed, handed.Dv.Special};
    if (!in(handed.Level, SideField::Level) || !in(handed.StatExp, SideField::StatExp) ||
        !std::all_of(dvs.begin(), dvs.end(), [&](int dv) { return in(dv, SideField::DvAttack); }))
        throw std::out_of_range("DamageView: a handed side no field takes");
    for (int m : handed.Moves)
        if (m < -1 || m >= static_cast<int>(MoveTable.size()))
            throw std::out_of_range("DamageView: a handed move MoveTable does not hold");
    SideState& s = side(handed.Who);
    s = initialSide();
    s.Creature = handed.Creature.IsGlitch() ? *species::Creature::FromNumber(1) : handed.Creature;
    s.Level = Typed(std::to_string(handed.Level), SideField::Level);
    for (std::size_t i = 0; i < s.Dv.size(); ++i)
        s.Dv[i] = Typed(std::to_string(dvs[i]), kDvFields[i]);
    s.StatExp = Typed(std::to_string(handed.StatExp), SideField::StatExp);
    s.Source = handed.Source;
    s.Moves = handed.Moves;
    s.Opponent = handed.Opponent;
    if (handed.Who == Combatant::Attacker) {
        listMoves();
        // What it hits with: its first move that deals damage.
        const auto hits = std::find_if(s.Moves.begin(), s.Moves.end(), [](int m) {
            return m >= 0 && MoveTable[static_cast<std::size_t>(m)].Power > 0;
        });
        const auto first = std::find_if(s.Moves.begin(), s.Moves.end(), [](int m) { return m >= 0; });
        if (hits != s.Moves.end() || first != s.Moves.end())
            move_ = hits != s.Moves.end() ? *hits : *first;
    }
    recompute();
}

void DamageView::forgetSource(Combatant who)
{
    SideState& s = side(who);
    if (s.Source.empty())
        return;
    s.Source.clear();
    s.Moves = {-1, -1, -1, -1};
    s.Opponent = false;
    if (who == Combatant::Attacker)
        listMoves();
}

// ---- what the window shows ----

std::string DamageView::SideTitle(Combatant who) const
{
    std::string title = who == Combatant::Attacker ? "Atacante" : "Defensor";
    const std::string& source = side(who).Source;
    return source.empty() ? title : title.append(": ").append(source);
}

std::vector<std::string> DamageView::CreatureLines()
{
    // #001 .. #151 in number order (#000 has no stats).
    std::vector<std::string> lines;
    for (int n = 1; n <= species::Creature::Highest; ++n)
        lines.push_back(species::ChooserLine(n));
    return lines;
}

species::Creature DamageView::CreatureAtLine(int line)
{
    const auto c = species::Creature::FromNumber(line + 1);
    if (line < 0 || !c)
        throw std::out_of_range("DamageView: no creature on this line");
    return *c;
}

std::vector<std::string> DamageView::StageLines()
{
    std::vector<std::string> lines;
    for (int s = LowestStage; s <= HighestStage; ++s) {
        std::string line = s > 0 ? "+" : "";
        lines.push_back(line.append(std::to_string(s)));
    }
    return lines;
}

int DamageView::StageAtLine(int line)
{
    if (line < 0 || line > HighestStage - LowestStage)
        throw std::out_of_range("DamageView: no stage on this line");
    return line + LowestStage;
}

int DamageView::StageOf(Combatant who, Stat stat) const
{
    return side(who).Stage[FieldIndex(stat)];
}

const TypedNumber& DamageView::Dv(Combatant who, Stat stat) const
{
    return side(who).Dv[FieldIndex(stat)];
}

FieldNote DamageView::LevelNote(Combatant who) const
{
    return Level(who).Value ? FieldNote{"1 a 100", false} : FieldNote{WrongNote(SideField::Level), true};
}

FieldNote DamageView::DvNote(Combatant who) const
{
    const auto& dv = side(who).Dv;
    for (std::size_t i = 0; i < dv.size(); ++i)
        if (!dv[i].Value)
            return {WrongDv(i), true};
    return {"DVs de 0 a 15", false};
}

std::string DamageView::DvDescription(Combatant who, Stat stat) const
{
    const std::size_t i = FieldIndex(stat);
    return side(who).Dv[i].Value ? "0 a 15" : WrongDv(i);
}

FieldNote DamageView::StatExpNote(Combatant who) const
{
    return StatExp(who).Value ? FieldNote{"0 a 65535 (cada atributo)", false}
                              : FieldNote{WrongNote(SideField::StatExp), true};
}

std::string DamageView::HpDvText(Combatant who) const
{
    const auto& dv = side(who).Dv;
    if (!std::all_of(dv.begin(), dv.end(), [](const TypedNumber& n) { return n.Value.has_value(); }))
        return std::string(kNoValue);
    return std::to_string(HpDv({*dv[0].Value, *dv[1].Value, *dv[2].Value, *dv[3].Value}));
}

std::string DamageView::StatsLine(Combatant who) const
{
    const std::optional<BattleSide> s = battleSide(who);
    return s ? StatsText(StatsOf(*s)) : std::string(kNoValue);
}

int DamageView::PartingLine() const
{
    const auto at = std::find(listedMoves_.begin(), listedMoves_.end(), std::nullopt);
    return at == listedMoves_.end() ? -1 : static_cast<int>(at - listedMoves_.begin());
}

int DamageView::MoveLine() const
{
    if (!move_)
        return -1;
    const auto at = std::find(listedMoves_.begin(), listedMoves_.end(), move_);
    return at == listedMoves_.end() ? -1 : static_cast<int>(at - listedMoves_.begin());
}

int DamageView::RankingLine() const
{
    const auto at =
        std::find_if(ranking_.begin(), ranking_.end(), [this](const RankedMove& r) { return r.Move == move_; });
    return move_ && at != ranking_.end() ? static_cast<int>(at - ranking_.begin()) : -1;
}

std::string DamageView::RankingTitle() const
{
    const std::string_view title = "Golpes do atacante contra o defensor, do melhor ao pior";
    return std::string(title) + (rankingStale_ ? std::string(" — últimos valores válidos"_cp) : "");
}

std::string DamageView::ResultText() const
{
    std::string text;
    for (const std::string& line : result_) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

// ---- computing ----

std::optional<BattleSide> DamageView::battleSide(Combatant who) const
{
    const SideState& s = side(who);
    const bool dvsValid = std::all_of(s.Dv.begin(), s.Dv.end(), [](const TypedNumber& n) { return n.Value; });
    if (!s.Level.Value || !dvsValid || !s.StatExp.Value)
        return std::nullopt;
    BattleSide b;
    b.Species = s.Creature.Number();
    b.Level = *s.Level.Value;
    b.Dv = {*s.Dv[0].Value, *s.Dv[1].Value, *s.Dv[2].Value, *s.Dv[3].Value};
    b.StatExp.fill(*s.StatExp.Value);
    b.AttackStage = s.Stage[0];
    b.DefenseStage = s.Stage[1];
    b.SpeedStage = s.Stage[2];
    b.SpecialStage = s.Stage[3];
    b.Opponent = s.Opponent;
    return b;
}

void DamageView::listMoves()
{
    // A handed attacker lists the moves it fights with; any other, all it learns.
    std::vector<int> own;
    if (attacker_.Source.empty())
        own = OwnMoves(Catalogue::RowOfNumber(attacker_.Creature.Number()));
    else
        for (int m : attacker_.Moves)
            if (m >= 0 && std::find(own.begin(), own.end(), m) == own.end())
                own.push_back(m);
    std::vector<int> others;
    for (int m = 0; m < static_cast<int>(MoveTable.size()); ++m)
        if (std::find(own.begin(), own.end(), m) == own.end())
            others.push_back(m);
    std::sort(others.begin(), others.end(), [](int a, int b) {
        return MoveTable[static_cast<std::size_t>(a)].Name < MoveTable[static_cast<std::size_t>(b)].Name;
    });
    if (!move_)
        move_ = own.empty() ? others.front() : own.front();
    listedMoves_.assign(own.begin(), own.end());
    listedMoves_.push_back(std::nullopt);
    listedMoves_.insert(listedMoves_.end(), others.begin(), others.end());
    moveLines_.clear();
    for (const std::optional<int>& m : listedMoves_)
        moveLines_.emplace_back(m ? std::string(MoveTable[static_cast<std::size_t>(*m)].Name)
                                  : std::string("—— outros golpes ——"_cp));
}

void DamageView::rank(const BattleSide& attacker, const BattleSide& defender)
{
    ranked_.clear();
    for (const std::optional<int>& m : listedMoves_) {
        if (!m)
            break; // the parting line: the others are not the attacker's
        ranked_.emplace_back(*m, ComputeBattle(attacker, defender, *m));
    }
    // Stable: equal moves, and all that deal no damage, keep the list's order.
    std::vector<std::size_t> order(ranked_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [this](std::size_t a, std::size_t b) { return BetterMove(ranked_[a].second, ranked_[b].second); });
    ranking_.clear();
    for (std::size_t i : order)
        ranking_.push_back({ranked_[i].first, SummaryLine(ranked_[i].second, ranked_[i].first, defender.Species)});
}

void DamageView::recompute(Change change)
{
    if (!move_)
        return;
    std::vector<std::string> corrections;
    for (const Combatant who : {Combatant::Attacker, Combatant::Defender}) {
        const SideState& s = side(who);
        const bool attacker = who == Combatant::Attacker;
        if (!s.Level.Value)
            corrections.push_back(CorrectionLine(SideField::Level, attacker));
        for (std::size_t i = 0; i < s.Dv.size(); ++i)
            if (!s.Dv[i].Value)
                corrections.push_back(CorrectionLine(kDvFields[i], attacker));
        if (!s.StatExp.Value)
            corrections.push_back(CorrectionLine(SideField::StatExp, attacker));
    }
    std::optional<BattleSide> attacker = battleSide(Combatant::Attacker);
    std::optional<BattleSide> defender = battleSide(Combatant::Defender);
    if (attacker && defender) {
        attacker->Burned = burned_;
        defender->Reflect = reflect_;
        defender->LightScreen = lightScreen_;
        if (change == Change::Sides)
            rank(*attacker, *defender);
        const auto known =
            std::find_if(ranked_.begin(), ranked_.end(), [this](const auto& r) { return r.first == move_; });
        lastValid_ = ::ResultLines(known != ranked_.end() ? known->second : ComputeBattle(*attacker, *defender, *move_),
                                   *move_, defender->Species);
    }
    // While a field is wrong, the result says so first and marks the figures
    // as the last valid ones.
    result_ = corrections.empty() ? lastValid_ : StaleResultLines(corrections, lastValid_);
    rankingStale_ = !corrections.empty() && !ranking_.empty();
}
