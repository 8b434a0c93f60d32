#include "views/TeamView.h"

#include "catalogue/Catalogue.h"
#include "data/Moves.h"
#include "text/Cp1252.h"
#include "text/Numbers.h"
#include "views/BattleText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

using namespace cp1252::literals;

namespace {

constexpr std::string_view kDash = " — "_cp;
constexpr std::string_view kNoMove = "—"_cp;

std::string S(std::string_view cp)
{
    return std::string(cp);
}

int& DvOfStat(Dvs& dvs, Stat stat)
{
    switch (DamageView::FieldIndex(stat)) {
    case 0: return dvs.Attack;
    case 1: return dvs.Defense;
    case 2: return dvs.Speed;
    default: return dvs.Special;
    }
}

std::string MoveName(int move)
{
    return std::string(MoveTable[static_cast<std::size_t>(move)].Name);
}

// "Pikachu Nv. 25".
std::string WithLevel(int creature, int level)
{
    return std::string(species::GamesName(creature)) + " Nv. " + std::to_string(level);
}

// The best of `moves` from `attacker` on `defender`.
TeamView::Side Best(const BattleSide& attacker, const BattleSide& defender, const std::array<int, 4>& moves)
{
    TeamView::Side best;
    for (int move : moves) {
        if (move < 0)
            continue;
        BattleResult r = ComputeBattle(attacker, defender, move);
        if (BetterMove(r, best.Result)) {
            best.Move = move;
            best.Result = std::move(r);
        }
    }
    return best;
}

// "50,8–60,2%" of the target's HP in one use; "—" for no damaging move.
std::string DamageText(const TeamView::Side& s)
{
    if (!s.Move)
        return S(kNoMove);
    const BattleResult& r = s.Result;
    const int low = r.Damage.Min * r.HitsMin, high = r.Damage.Max * r.HitsMax;
    const std::string lowText = numbers::Percent(low, r.DefenderHp);
    return (low == high ? lowText : lowText + S("–"_cp) + numbers::Percent(high, r.DefenderHp)) + "%";
}

// "12,0% / 100,0%": the chance to knock out in one use and within two,
// critical hits and misses counted, as the calculator says it.
std::string KoText(const TeamView::Side& s)
{
    if (!s.Move)
        return S(kNoMove);
    return numbers::Percent(s.Result.KoChance[0]) + "% / " + numbers::Percent(s.Result.KoChance[1]) + "%";
}

double Key(const TeamView::Side& s, double value)
{
    return s.Move ? value : std::numeric_limits<double>::quiet_NaN();
}

} // namespace

TeamView::TeamView(std::vector<TeamMember> members) : members_(std::move(members))
{
    if (members_.size() > TeamSize)
        members_.resize(TeamSize);
    chosen_ = members_.empty() ? -1 : 0;
    showFields();
}

// ---- the team ----

std::vector<std::string> TeamView::MemberLines() const
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        const TeamMember& m = members_[i];
        std::string moves;
        for (int move : m.Moves)
            if (move >= 0)
                moves.append(moves.empty() ? "" : ", ").append(MoveName(move));
        lines.push_back(std::to_string(i + 1) + ". #" +
                        Catalogue::Entry(Catalogue::RowOfNumber(m.Creature.Number())).NumberText() + " " +
                        WithLevel(m.Creature.Number(), m.Level) + S(kDash) + (moves.empty() ? "sem golpes" : moves));
    }
    return lines;
}

void TeamView::Add(species::Creature c)
{
    if (Full())
        return;
    members_.push_back(NewMember(c, NewLevel));
    chosen_ = static_cast<int>(members_.size()) - 1;
    showFields();
    changed();
}

void TeamView::RemoveChosen()
{
    if (chosen_ < 0)
        return;
    members_.erase(members_.begin() + chosen_);
    chosen_ = std::min(chosen_, static_cast<int>(members_.size()) - 1);
    showFields();
    changed();
}

void TeamView::ChooseMemberLine(int line)
{
    if (line < 0 || line >= static_cast<int>(members_.size()))
        throw std::out_of_range("TeamView: no such member line");
    chosen_ = line;
    showFields();
}

// ---- the member chosen ----

TeamMember* TeamView::chosen()
{
    return chosen_ < 0 ? nullptr : &members_[static_cast<std::size_t>(chosen_)];
}

void TeamView::showFields()
{
    const TeamMember* m = chosen_ < 0 ? nullptr : &members_[static_cast<std::size_t>(chosen_)];
    levelText_ = m ? std::to_string(m->Level) : std::string();
    statExpText_ = m ? std::to_string(m->StatExp) : std::string();
    for (std::size_t i = 0; i < dvTexts_.size(); ++i) {
        dvTexts_[i] = m ? std::to_string(DvOf(m->Dv, DamageView::FieldStats[i])) : std::string();
    }
}

void TeamView::changed()
{
    ++changes_;
}

void TeamView::ChooseCreature(species::Creature c)
{
    TeamMember* m = chosen();
    if (!m)
        return;
    TeamMember fresh = NewMember(c, m->Level);
    fresh.Dv = m->Dv;
    fresh.StatExp = m->StatExp;
    *m = fresh;
    changed();
}

void TeamView::TypeLevel(std::string_view text)
{
    levelText_ = std::string(text);
    TeamMember* m = chosen();
    if (const auto level = FieldNumber(text, 1, 100); m && level && *level != m->Level) {
        // Moves the user has not changed follow the level, as the engine's.
        if (m->Moves == trainers::MovesAtLevel(m->Creature.Number(), m->Level))
            m->Moves = trainers::MovesAtLevel(m->Creature.Number(), *level);
        m->Level = *level;
        changed();
    }
}

void TeamView::TypeDv(Stat stat, std::string_view text)
{
    const std::size_t i = DamageView::FieldIndex(stat);
    dvTexts_[i] = std::string(text);
    TeamMember* m = chosen();
    if (const auto dv = FieldNumber(text, 0, 15); m && dv && *dv != DvOfStat(m->Dv, stat)) {
        DvOfStat(m->Dv, stat) = *dv;
        changed();
    }
}

void TeamView::TypeStatExp(std::string_view text)
{
    statExpText_ = std::string(text);
    TeamMember* m = chosen();
    if (const auto exp = FieldNumber(text, 0, DamageView::MaxStatExp); m && exp && *exp != m->StatExp) {
        m->StatExp = *exp;
        changed();
    }
}

void TeamView::ChooseMoveLine(int slot, int line)
{
    TeamMember* m = chosen();
    if (slot < 0 || slot > 3)
        throw std::out_of_range("TeamView: no such move slot");
    if (!m)
        return;
    const std::vector<int> learnable = LearnableMoves(m->Creature);
    if (line < 0 || line > static_cast<int>(learnable.size()))
        throw std::out_of_range("TeamView: no such move line");
    const int move = line == 0 ? -1 : learnable[static_cast<std::size_t>(line - 1)];
    int& in = m->Moves[static_cast<std::size_t>(slot)];
    if (in == move)
        return;
    // A move known twice is a slot wasted: the other slot gives it up.
    for (int& other : m->Moves)
        if (move >= 0 && other == move)
            other = in;
    in = move;
    changed();
}

const std::string& TeamView::DvText(Stat stat) const
{
    return dvTexts_[DamageView::FieldIndex(stat)];
}

FieldNote TeamView::LevelNote() const
{
    return FieldNumber(levelText_, 1, 100) || chosen_ < 0 ? FieldNote{"1 a 100", false}
                                                          : FieldNote{S("Inválido: use 1 a 100"_cp), true};
}

FieldNote TeamView::DvNote() const
{
    for (std::size_t i = 0; i < dvTexts_.size() && chosen_ >= 0; ++i)
        if (!FieldNumber(dvTexts_[i], 0, 15))
            return {"DV de " + std::string(StatName(DamageView::FieldStats[i])) + S(" inválido: use 0 a 15"_cp), true};
    return {"DVs de 0 a 15", false};
}

FieldNote TeamView::StatExpNote() const
{
    return FieldNumber(statExpText_, 0, DamageView::MaxStatExp) || chosen_ < 0
               ? FieldNote{"0 a 65535 (cada atributo)", false}
               : FieldNote{S("Inválido: use 0 a 65535"_cp), true};
}

std::vector<std::string> TeamView::MoveLines() const
{
    std::vector<std::string> lines;
    if (chosen_ < 0)
        return lines;
    lines.push_back(S(kNoMove));
    for (int move : LearnableMoves(members_[static_cast<std::size_t>(chosen_)].Creature))
        lines.push_back(MoveName(move));
    return lines;
}

int TeamView::MoveLineOf(int slot) const
{
    if (chosen_ < 0)
        return -1;
    const TeamMember& m = members_[static_cast<std::size_t>(chosen_)];
    const int move = m.Moves.at(static_cast<std::size_t>(slot));
    if (move < 0)
        return 0;
    const std::vector<int> learnable = LearnableMoves(m.Creature);
    const auto at = std::find(learnable.begin(), learnable.end(), move);
    return at == learnable.end() ? 0 : static_cast<int>(at - learnable.begin()) + 1;
}

std::string TeamView::StatsLine() const
{
    if (chosen_ < 0)
        return {};
    return StatsText(StatsOf(SideOf(members_[static_cast<std::size_t>(chosen_)])));
}

// ---- against a party ----

std::vector<TeamView::Matchup> TeamView::Against() const
{
    std::vector<Matchup> rows;
    const trainers::Party* party = Opponent();
    if (!party)
        return rows;
    for (int t = 0; t < static_cast<int>(party->Members.size()); ++t) {
        const BattleSide theirs = trainers::MemberSide(*party, t);
        const std::array<int, 4> theirMoves = trainers::MemberMoves(*party, t);
        const int theirSpeed = StatsOf(theirs)[static_cast<std::size_t>(Stat::Speed)];
        for (int m = 0; m < static_cast<int>(members_.size()); ++m) {
            const TeamMember& member = members_[static_cast<std::size_t>(m)];
            const BattleSide mine = SideOf(member);
            Matchup row;
            row.Theirs = t;
            row.Mine = m;
            row.MineOnTheirs = Best(mine, theirs, member.Moves);
            row.TheirsOnMine = Best(theirs, mine, theirMoves);
            row.MySpeed = StatsOf(mine)[static_cast<std::size_t>(Stat::Speed)];
            row.TheirSpeed = theirSpeed;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::vector<TeamView::Column> TeamView::AgainstColumns()
{
    return {{"Deles", 96},
            {"Meu", 96},
            {"Meu melhor golpe", 104},
            {"Meu dano", 80, true},
            {"Meu nocaute em 1 / 2", 112, true},
            {"Melhor golpe deles", 104},
            {"Dano deles", 80, true},
            {"Nocaute deles em 1 / 2", 120, true},
            {"Primeiro", 64}};
}

std::vector<TeamView::Row> TeamView::AgainstRows(const std::vector<Matchup>& matchups) const
{
    std::vector<Row> rows;
    const trainers::Party* party = Opponent();
    if (!party)
        return rows;
    rows.reserve(matchups.size());
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Matchup& x : matchups) {
        const trainers::Member& t = party->Members[static_cast<std::size_t>(x.Theirs)];
        const TeamMember& m = members_[static_cast<std::size_t>(x.Mine)];
        const auto moveText = [](const Side& s) { return s.Move ? MoveName(*s.Move) : std::string(kNoMove); };
        const std::string first = x.MySpeed > x.TheirSpeed   ? "eu"
                                  : x.MySpeed < x.TheirSpeed ? "eles"
                                                             : "empate (sorteio)";
        const auto maxShare = [](const Side& s) {
            return s.Result.DefenderHp > 0 ? double(s.Result.Damage.Max * s.Result.HitsMax) / s.Result.DefenderHp : 0.0;
        };
        rows.push_back(
            {{WithLevel(t.Creature, t.Level), WithLevel(m.Creature.Number(), m.Level), moveText(x.MineOnTheirs),
              DamageText(x.MineOnTheirs), KoText(x.MineOnTheirs), moveText(x.TheirsOnMine), DamageText(x.TheirsOnMine),
              KoText(x.TheirsOnMine), first},
             {nan, nan, nan, Key(x.MineOnTheirs, maxShare(x.MineOnTheirs)),
              Key(x.MineOnTheirs, x.MineOnTheirs.Result.KoChance[0] * 1000 + x.MineOnTheirs.Result.KoChance[1]), nan,
              Key(x.TheirsOnMine, maxShare(x.TheirsOnMine)),
              Key(x.TheirsOnMine, x.TheirsOnMine.Result.KoChance[0] * 1000 + x.TheirsOnMine.Result.KoChance[1]), nan}});
    }
    return rows;
}

TeamView::ForCalculator TeamView::CalculatorPair(const Matchup& x) const
{
    const trainers::Party* party = Opponent();
    if (!party || x.Mine < 0 || x.Mine >= static_cast<int>(members_.size()))
        throw std::out_of_range("TeamView: no such matchup");
    ForCalculator pair;
    const TeamMember& m = members_[static_cast<std::size_t>(x.Mine)];
    pair.Mine.Who = Combatant::Attacker;
    pair.Mine.Creature = m.Creature;
    pair.Mine.Level = m.Level;
    pair.Mine.Dv = m.Dv;
    pair.Mine.StatExp = m.StatExp;
    pair.Mine.Moves = m.Moves;
    pair.Mine.Source =
        std::string(species::GamesName(m.Creature.Number())) + S(" da minha equipe, Nv. "_cp) + std::to_string(m.Level);
    TrainersView theirs = opponents_;
    theirs.ChooseMemberLine(x.Theirs);
    pair.Theirs = *theirs.ChosenSide(Combatant::Defender);
    pair.Move = x.MineOnTheirs.Move;
    return pair;
}

PartyHandOff& ToTeam()
{
    static PartyHandOff handoff;
    return handoff;
}
