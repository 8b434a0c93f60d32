#include "views/TrainersView.h"

#include "catalogue/Catalogue.h"
#include "data/Moves.h"
#include "text/Cp1252.h"
#include "text/Numbers.h"
#include "views/BattleText.h"

#include <algorithm>
#include <stdexcept>
#include <tuple>

using namespace cp1252::literals;
using trainers::Party;
using trainers::TrainerClass;
using C = trainers::TrainerClass;

namespace {

constexpr std::string_view kDash = " — "_cp;
constexpr trainers::StarterChoice kStarters[] = {
    trainers::StarterChoice::Bulbasaur, trainers::StarterChoice::Charmander, trainers::StarterChoice::Squirtle};

std::string S(std::string_view cp)
{
    return std::string(cp);
}

bool IsRival(TrainerClass c)
{
    return c == C::Rival1 || c == C::Rival2 || c == C::Rival3;
}

// "Misty, líder do ginásio", "Lorelei, da Elite dos Quatro", "Bug Catcher".
std::string Who(const Party& p)
{
    const std::string name(trainers::ClassName(p.Class));
    if (trainers::IsGymLeader(p))
        return name + S(", líder do ginásio"_cp);
    if (trainers::IsEliteFour(p.Class))
        return name + ", da Elite dos Quatro";
    if (p.Class == C::Giovanni)
        return name + ", chefe da Equipe Rocket";
    if (p.Class == C::Rival3)
        return S("Rival, Campeão da Liga"_cp);
    return name;
}

// Whose creature it is: "de Misty", "do Campeão", "de uma Lass", "de um Hiker".
std::string Owner(const Party& p)
{
    if (trainers::IsGymLeader(p) || trainers::IsEliteFour(p.Class) || p.Class == C::Giovanni)
        return "de " + std::string(trainers::ClassName(p.Class));
    if (p.Class == C::Rival3)
        return S("do Campeão"_cp);
    if (IsRival(p.Class))
        return "do Rival";
    const bool her = p.Class == C::Lass || p.Class == C::JrTrainerF || p.Class == C::Beauty ||
                     p.Class == C::CooltrainerF || p.Class == C::Channeler;
    return (her ? "de uma " : "de um ") + std::string(trainers::ClassName(p.Class));
}

// "Ginásio de Cerulean", "Rock Tunnel, 1º subsolo e Rota 9".
std::string PlacesText(const Party& p)
{
    std::string text;
    for (encounters::Place at : trainers::PlacesOf(p))
        text.append(text.empty() ? "" : " e ").append(encounters::PlaceName(at));
    return text;
}

// "Staryu Nv. 18, Starmie Nv. 21".
std::string Summary(const Party& p)
{
    std::string text;
    for (const trainers::Member& m : p.Members)
        text.append(text.empty() ? "" : ", ")
            .append(species::GamesName(m.Creature))
            .append(" Nv. ")
            .append(std::to_string(m.Level));
    return text;
}

// "#121 Starmie".
std::string Named(int creature)
{
    return std::string("#")
        .append(Catalogue::Entry(Catalogue::RowOfNumber(creature)).NumberText())
        .append(" ")
        .append(species::GamesName(creature));
}

// The highest level at which the party has the creature.
int LevelIn(const Party& p, int creature)
{
    int level = 0;
    for (const trainers::Member& m : p.Members)
        if (m.Creature == creature)
            level = std::max(level, static_cast<int>(m.Level));
    return level;
}

// "Brock — Ginásio de Pewter", "Rival — 2ª batalha, Rota 22": big battle `i`.
std::string BigBattleLine(std::size_t i)
{
    const trainers::Party& p = trainers::PartyOf(trainers::BigBattles[i], trainers::StarterChoice::Any);
    std::string where = PlacesText(p);
    if (trainers::IsEliteFour(p.Class)) {
        where = "Elite dos Quatro";
    } else if (p.Class == C::Rival3) {
        where = S("Campeão da Liga"_cp);
    } else if (IsRival(p.Class)) {
        // The rival's battles are counted in the list's order, the Champion's aside.
        const auto earlier =
            std::count_if(trainers::BigBattles.begin(), trainers::BigBattles.begin() + i,
                          [](const trainers::BigBattle& b) { return IsRival(b.Class) && b.Class != C::Rival3; });
        where = std::to_string(earlier + 1).append(S("ª batalha, "_cp)).append(where);
    }
    const std::string who = IsRival(p.Class) ? "Rival" : std::string(trainers::ClassName(p.Class));
    return who + std::string(kDash) + where;
}

} // namespace

TrainersView::TrainersView()
{
    for (int i = 0; i < encounters::PlaceCount; ++i) {
        const auto p = static_cast<encounters::Place>(i);
        if (!trainers::PartiesAt(p).empty())
            places_.push_back(p);
    }
    place_ = places_.front();
    list(Way::Place);
}

// ---- the choosers' lines ----

std::vector<std::string> TrainersView::PlaceChooserLines() const
{
    std::vector<std::string> lines;
    for (encounters::Place p : places_)
        lines.emplace_back(encounters::PlaceName(p));
    return lines;
}

std::vector<std::string> TrainersView::BattleChooserLines()
{
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < trainers::BigBattles.size(); ++i)
        lines.push_back(BigBattleLine(i));
    return lines;
}

std::vector<std::string> TrainersView::CreatureChooserLines()
{
    return species::ChooserLines();
}

std::vector<std::string> TrainersView::StarterChooserLines()
{
    return {"Bulbasaur", "Charmander", "Squirtle"};
}

// ---- what the user does ----

void TrainersView::ChoosePlaceLine(int line)
{
    ChoosePlace(places_.at(static_cast<std::size_t>(line)));
}

void TrainersView::ChoosePlace(encounters::Place p)
{
    if (std::find(places_.begin(), places_.end(), p) == places_.end())
        throw std::invalid_argument("TrainersView: no trainer at this place");
    place_ = p;
    list(Way::Place);
}

void TrainersView::ChooseBattleLine(int line)
{
    if (line < 0 || static_cast<std::size_t>(line) >= trainers::BigBattles.size())
        throw std::out_of_range("TrainersView: no such battle");
    battle_ = line;
    list(Way::Battle);
}

void TrainersView::ChooseCreatureLine(int line)
{
    const auto c = species::Creature::FromNumber(line);
    if (!c)
        throw std::out_of_range("TrainersView: no creature on this line");
    ChooseCreature(*c);
}

void TrainersView::ChooseCreature(species::Creature c)
{
    creature_ = c;
    list(Way::Creature);
}

void TrainersView::FollowCreature(species::Creature c)
{
    creature_ = c;
    if (way_ == Way::Creature)
        list(Way::Creature);
}

void TrainersView::ChooseStarterLine(int line)
{
    if (line < 0 || line >= static_cast<int>(std::size(kStarters)))
        throw std::out_of_range("TrainersView: no such starter");
    starter_ = line;
    // The rival's party for the other starter stands where his last one was.
    const int trainer = trainer_, member = member_;
    list(way_);
    if (trainer >= 0 && trainer < static_cast<int>(listed_.size())) {
        trainer_ = trainer;
        const int size = static_cast<int>(listed_[static_cast<std::size_t>(trainer)]->Members.size());
        member_ = std::clamp(member, 0, size - 1);
    }
}

void TrainersView::ChooseTrainerLine(int line)
{
    // With no trainer listed, one line says so.
    if (line < 0 || line >= std::max(1, static_cast<int>(listed_.size())))
        throw std::out_of_range("TrainersView: no such trainer line");
    if (line >= static_cast<int>(listed_.size()))
        return; // the line that says there is none
    trainer_ = line;
    member_ = 0;
}

void TrainersView::ChooseMemberLine(int line)
{
    const trainers::Party* p = Party();
    if (!p || line < 0 || static_cast<std::size_t>(line) >= p->Members.size())
        throw std::out_of_range("TrainersView: no such creature line");
    member_ = line;
}

void TrainersView::ChooseParty(const trainers::Party& p)
{
    const std::vector<encounters::Place> at = trainers::PlacesOf(p);
    if (at.empty())
        throw std::invalid_argument("TrainersView: a party with no place");
    const auto starter = std::find(std::begin(kStarters), std::end(kStarters), p.PlayerChose);
    if (starter != std::end(kStarters))
        starter_ = static_cast<int>(starter - std::begin(kStarters));
    place_ = at.front();
    list(Way::Place);
    const auto listed = std::find(listed_.begin(), listed_.end(), &p);
    if (listed == listed_.end())
        throw std::invalid_argument("TrainersView: a party not listed at its place");
    trainer_ = static_cast<int>(listed - listed_.begin());
    member_ = 0;
}

// ---- what is chosen ----

int TrainersView::PlaceLine() const
{
    return static_cast<int>(std::find(places_.begin(), places_.end(), place_) - places_.begin());
}

int TrainersView::StarterLine() const
{
    return starter_;
}

const trainers::Party* TrainersView::Party() const
{
    return trainer_ < 0 ? nullptr : listed_[static_cast<std::size_t>(trainer_)];
}

trainers::StarterChoice TrainersView::chose() const
{
    return kStarters[starter_];
}

// ---- the lists ----

void TrainersView::list(Way way)
{
    way_ = way;
    listed_.clear();
    const auto keep = [&](const trainers::Party* p) {
        return p->PlayerChose == trainers::StarterChoice::Any || p->PlayerChose == chose();
    };
    switch (way) {
    case Way::Place:
        for (const trainers::Party* p : trainers::PartiesAt(place_))
            if (keep(p))
                listed_.push_back(p);
        break;
    case Way::Battle:
        listed_.push_back(&trainers::PartyOf(trainers::BigBattles[static_cast<std::size_t>(battle_)], chose()));
        break;
    case Way::Creature: {
        const int n = creature_.Number();
        for (const trainers::Party& p : trainers::Parties)
            if (keep(&p) && LevelIn(p, n) > 0)
                listed_.push_back(&p);
        // The lower the level, the sooner in the game.
        std::stable_sort(listed_.begin(), listed_.end(), [n](const trainers::Party* a, const trainers::Party* b) {
            return LevelIn(*a, n) < LevelIn(*b, n);
        });
        break;
    }
    }
    trainer_ = listed_.empty() ? -1 : 0;
    member_ = listed_.empty() ? -1 : 0;
}

std::string TrainersView::TrainersHeading() const
{
    switch (way_) {
    case Way::Place:
        return std::string(encounters::PlaceName(place_)) + S(" — treinadores na ordem em que são encontrados"_cp);
    case Way::Battle: return BigBattleLine(static_cast<std::size_t>(battle_));
    case Way::Creature: break;
    }
    return "Treinadores que usam " + Named(creature_.Number()) + S(", do menor nível ao maior"_cp);
}

std::vector<std::string> TrainersView::TrainerLines() const
{
    std::vector<std::string> lines;
    for (const trainers::Party* p : listed_) {
        std::string line = Who(*p);
        if (way_ != Way::Place)
            line.append(" (").append(PlacesText(*p)).append(")");
        lines.push_back(line.append(": ").append(Summary(*p)).append(kDash).append(numbers::Yen(trainers::Reward(*p))));
    }
    if (lines.empty())
        lines.push_back("Nenhum treinador usa " + std::string(species::GamesName(creature_.Number())) + ".");
    return lines;
}

std::string TrainersView::PartyHeading() const
{
    const trainers::Party* p = Party();
    if (!p)
        return {};
    return "Equipe: " + Who(*p) + " (" + PlacesText(*p) + ")" + S(kDash) + "recompensa " +
           numbers::Yen(trainers::Reward(*p));
}

std::vector<std::string> TrainersView::MemberLines() const
{
    std::vector<std::string> lines;
    const trainers::Party* p = Party();
    if (!p)
        return lines;
    const std::vector<trainers::SpecialMove> specials = trainers::SpecialMovesOf(*p);
    for (int i = 0; i < static_cast<int>(p->Members.size()); ++i) {
        const trainers::Member& m = p->Members[static_cast<std::size_t>(i)];
        std::string moves;
        const std::array<int, 4> known = trainers::MemberMoves(*p, i);
        for (std::size_t slot = 0; slot < known.size(); ++slot) {
            if (known[slot] < 0)
                continue;
            moves.append(moves.empty() ? "" : ", ").append(MoveTable[static_cast<std::size_t>(known[slot])].Name);
            const bool extra = slot == 2 && std::any_of(specials.begin(), specials.end(),
                                                        [i](const trainers::SpecialMove& s) { return s.Member == i; });
            if (extra)
                moves.append(" (extra)");
        }
        std::string line = Named(m.Creature);
        line.append(", Nv. ").append(std::to_string(m.Level)).append(kDash).append(TypesText(m.Creature));
        line.append(kDash).append("golpes: ").append(moves).append(kDash);
        line.append(StatsText(StatsOf(trainers::MemberSide(*p, i))));
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<std::string> TrainersView::LinesAt(encounters::Place place)
{
    std::vector<std::string> lines;
    for (const trainers::Party* p : trainers::PartiesAt(place)) {
        std::string line = Who(*p) + ": " + Summary(*p) + std::string(kDash) + numbers::Yen(trainers::Reward(*p));
        const auto starter = std::find(std::begin(kStarters), std::end(kStarters), p->PlayerChose);
        if (starter != std::end(kStarters))
            line.append(S(" (se você escolheu "_cp))
                .append(StarterChooserLines()[static_cast<std::size_t>(starter - std::begin(kStarters))])
                .append(")");
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string TrainersView::Legend()
{
    return S("(extra): golpe que o jogo dá além dos que o nível ensina. Atributos com os DVs de todo treinador "
             "(Ataque 9, Defesa 8, Velocidade 8, Especial 8; Energia 8), sem experiência de status."_cp);
}

std::optional<HandedSide> TrainersView::ChosenSide(Combatant who) const
{
    const trainers::Party* p = Party();
    if (!p || member_ < 0)
        return std::nullopt;
    const trainers::Member& m = p->Members[static_cast<std::size_t>(member_)];
    HandedSide side;
    side.Who = who;
    side.Creature = *species::Creature::FromNumber(m.Creature);
    side.Level = m.Level;
    side.Dv = trainers::TrainerDvs;
    side.StatExp = 0;
    side.Moves = trainers::MemberMoves(*p, member_);
    side.Opponent = true;
    side.Source = std::string(species::GamesName(m.Creature)) + " " + Owner(*p) + ", Nv. " + std::to_string(m.Level);
    return side;
}
