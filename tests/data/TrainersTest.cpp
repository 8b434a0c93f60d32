#include "data/Battle.h"
#include "data/Moves.h"
#include "data/Trainers.h"

#include "../catalogue/FactTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace trainers;
using C = TrainerClass;

// The fact tables' class constants.
const std::map<std::string, TrainerClass>& ClassOfConstant()
{
    static const std::map<std::string, TrainerClass> classes{{"YOUNGSTER", C::Youngster},
                                                             {"BUG_CATCHER", C::BugCatcher},
                                                             {"LASS", C::Lass},
                                                             {"SAILOR", C::Sailor},
                                                             {"JR_TRAINER_M", C::JrTrainerM},
                                                             {"JR_TRAINER_F", C::JrTrainerF},
                                                             {"POKEMANIAC", C::Pokemaniac},
                                                             {"SUPER_NERD", C::SuperNerd},
                                                             {"HIKER", C::Hiker},
                                                             {"BIKER", C::Biker},
                                                             {"BURGLAR", C::Burglar},
                                                             {"ENGINEER", C::Engineer},
                                                             {"FISHER", C::Fisher},
                                                             {"SWIMMER", C::Swimmer},
                                                             {"CUE_BALL", C::CueBall},
                                                             {"GAMBLER", C::Gambler},
                                                             {"BEAUTY", C::Beauty},
                                                             {"PSYCHIC_TR", C::Psychic},
                                                             {"ROCKER", C::Rocker},
                                                             {"JUGGLER", C::Juggler},
                                                             {"TAMER", C::Tamer},
                                                             {"BIRD_KEEPER", C::BirdKeeper},
                                                             {"BLACKBELT", C::Blackbelt},
                                                             {"RIVAL1", C::Rival1},
                                                             {"SCIENTIST", C::Scientist},
                                                             {"GIOVANNI", C::Giovanni},
                                                             {"ROCKET", C::Rocket},
                                                             {"COOLTRAINER_M", C::CooltrainerM},
                                                             {"COOLTRAINER_F", C::CooltrainerF},
                                                             {"BRUNO", C::Bruno},
                                                             {"BROCK", C::Brock},
                                                             {"MISTY", C::Misty},
                                                             {"LT_SURGE", C::LtSurge},
                                                             {"ERIKA", C::Erika},
                                                             {"KOGA", C::Koga},
                                                             {"BLAINE", C::Blaine},
                                                             {"SABRINA", C::Sabrina},
                                                             {"GENTLEMAN", C::Gentleman},
                                                             {"RIVAL2", C::Rival2},
                                                             {"RIVAL3", C::Rival3},
                                                             {"LORELEI", C::Lorelei},
                                                             {"CHANNELER", C::Channeler},
                                                             {"AGATHA", C::Agatha},
                                                             {"LANCE", C::Lance}};
    return classes;
}

const Party& PartyOf(TrainerClass c, int number)
{
    const Party* p = FindParty(c, number);
    if (p == nullptr)
        throw std::out_of_range("no party " + std::string(ClassName(c)) + " " + std::to_string(number));
    return *p;
}

// A creature's learnset as the fact tables have it, with the moves spelt as
// the catalogue spells them: the starting moves (a move learnt again later
// too), then the others by level.
class ReferenceLearnset {
public:
    explicit ReferenceLearnset(int creature)
    {
        const auto& entries = facts::Load().learnsets.at(creature);
        names_.reserve(entries.size());
        for (const auto& m : entries)
            names_.push_back(facts::Shown(m.Name));
        for (std::size_t i = 0; i < entries.size(); ++i)
            moves_.push_back({entries[i].Start ? 0 : entries[i].Level, names_[i]});
    }
    std::span<const LevelMove> Moves() const { return moves_; }

private:
    std::vector<std::string> names_;
    std::vector<LevelMove> moves_;
};

std::vector<std::string> Names(const std::array<int, 4>& moves)
{
    std::vector<std::string> names;
    for (const int m : moves)
        names.push_back(m < 0 ? std::string() : std::string(MoveTable[static_cast<std::size_t>(m)].Name));
    return names;
}

std::string StarterWords(StarterChoice s)
{
    switch (s) {
    case StarterChoice::Charmander: return "player chose Charmander";
    case StarterChoice::Squirtle: return "player chose Squirtle";
    case StarterChoice::Bulbasaur: return "player chose Bulbasaur";
    case StarterChoice::Any: break;
    }
    return "";
}

// Every party the game uses is in the table, in the same order, with its
// class's name and base money, its place, the rival's starter, its members and
// their levels and its reward; no other party is.
TEST(Trainers, PartiesAreTheGamesUsedOnes)
{
    const auto& f = facts::Load();
    std::vector<const facts::Trainer*> used;
    for (const auto& t : f.trainers)
        if (t.Used())
            used.push_back(&t);
    ASSERT_EQ(Parties.size(), 352u);
    ASSERT_EQ(used.size(), Parties.size());

    std::map<std::tuple<std::string, int>, std::vector<const facts::TrainerMember*>> members;
    for (const auto& m : f.trainerMembers)
        members[{m.Class, m.Number}].push_back(&m);
    std::size_t memberCount = 0;
    for (std::size_t i = 0; i < used.size(); ++i) {
        const facts::Trainer& t = *used[i];
        const Party& p = Parties[i];
        SCOPED_TRACE(testing::Message() << t.Class << " " << t.Number);
        ASSERT_TRUE(ClassOfConstant().count(t.Class));
        EXPECT_EQ(p.Class, ClassOfConstant().at(t.Class));
        EXPECT_EQ(p.Number, t.Number);
        EXPECT_EQ(FindParty(p.Class, p.Number), &p);
        EXPECT_EQ(ClassName(p.Class), t.ClassName);
        EXPECT_EQ(BaseMoney(p.Class), t.BaseMoney);
        EXPECT_EQ(p.Place, t.Place);
        EXPECT_EQ(StarterWords(p.PlayerChose), t.When);
        EXPECT_EQ(Reward(p), t.Money);

        const auto& given = members[{t.Class, t.Number}];
        ASSERT_EQ(p.Members.size(), given.size());
        ASSERT_EQ(p.Members.size(), static_cast<std::size_t>(t.PartySize));
        for (std::size_t slot = 0; slot < given.size(); ++slot) {
            EXPECT_EQ(given[slot]->Slot, static_cast<int>(slot) + 1);
            EXPECT_EQ(p.Members[slot].Creature, given[slot]->Creature) << "slot " << slot + 1;
            EXPECT_EQ(p.Members[slot].Level, given[slot]->Level) << "slot " << slot + 1;
        }
        EXPECT_EQ(p.Members.back().Level, t.LastLevel);
        memberCount += p.Members.size();
    }
    EXPECT_EQ(memberCount, 903u);

    // Parties no map or script names, of classes that have used ones.
    for (const facts::Trainer& t : f.trainers)
        if (!t.Used() && ClassOfConstant().count(t.Class)) {
            EXPECT_EQ(FindParty(ClassOfConstant().at(t.Class), t.Number), nullptr) << t.Class << " " << t.Number;
        }
    EXPECT_EQ(FindParty(C::Youngster, 13), nullptr);
    EXPECT_EQ(FindParty(C::Brock, 2), nullptr);
}

TEST(Trainers, RewardIsBaseMoneyTimesTheLastLevel)
{
    EXPECT_EQ(Reward(PartyOf(C::Misty, 1)), 2079); // 99 × 21
    const Party& youngster = PartyOf(C::Youngster, 1);
    ASSERT_EQ(youngster.Members.back().Level, 11);
    EXPECT_EQ(Reward(youngster), 165);
    // The last member counts, not the highest: the rival on Route 22 leads with a level 9.
    const Party& rival = PartyOf(C::Rival1, 4);
    ASSERT_EQ(rival.Members.size(), 2u);
    EXPECT_EQ(rival.Members[0].Level, 9);
    EXPECT_EQ(Reward(rival), 35 * 8);
}

// The rival's parties follow the player's choice (checked against the fact
// tables above): he takes the starter that beats the player's, whose last
// form closes the Champion's party.
TEST(Trainers, ChampionEndsWithTheStarterThatBeatsThePlayers)
{
    EXPECT_EQ(PartyOf(C::Rival3, 1).Members.back().Creature, 9); // Blastoise against Charmander
    EXPECT_EQ(PartyOf(C::Rival3, 2).Members.back().Creature, 3); // Venusaur against Squirtle
    EXPECT_EQ(PartyOf(C::Rival3, 3).Members.back().Creature, 6); // Charizard against Bulbasaur
}

TEST(Trainers, PlacesJoinTheWhereToFindList)
{
    using encounters::Place;
    EXPECT_EQ(PlacesOf(PartyOf(C::Youngster, 1)), std::vector<Place>{Place::Route3});
    EXPECT_EQ(PlacesOf(PartyOf(C::Misty, 1)), std::vector<Place>{Place::CeruleanGym});
    EXPECT_EQ(PlacesOf(PartyOf(C::Brock, 1)), std::vector<Place>{Place::PewterGym});
    // Every party has a place of the one list for each map it names.
    for (const Party& p : Parties)
        EXPECT_EQ(PlacesOf(p).size(), static_cast<std::size_t>(std::count(p.Place.begin(), p.Place.end(), ';') + 1))
            << p.Place;
    // A party named by the trainers of two maps.
    const auto twoMaps = std::find_if(Parties.begin(), Parties.end(),
                                      [](const Party& p) { return p.Place == "Rock Tunnel B1F; Route 9"; });
    ASSERT_NE(twoMaps, Parties.end());
    EXPECT_EQ(PlacesOf(*twoMaps), (std::vector<Place>{Place::RockTunnelB1F, Place::Route9}));
}

// Every member's four moves, computed from the program's own learnsets (the
// level-1 moves, then those by level) and the party's special move, are the
// ones the game gives it.
TEST(Trainers, MembersMovesAreTheGames)
{
    const auto& f = facts::Load();
    std::map<std::tuple<std::string, int>, std::vector<const facts::TrainerMember*>> members;
    for (const auto& m : f.trainerMembers)
        members[{m.Class, m.Number}].push_back(&m);
    std::map<TrainerClass, std::string> constant;
    for (const auto& [name, c] : ClassOfConstant())
        constant[c] = name;
    int compared = 0;
    for (const Party& p : Parties) {
        const auto& given = members[{constant.at(p.Class), p.Number}];
        ASSERT_EQ(given.size(), p.Members.size());
        for (std::size_t slot = 0; slot < given.size(); ++slot) {
            std::vector<std::string> expected;
            for (const std::string& move : given[slot]->Moves)
                expected.push_back(move.empty() ? move : facts::Shown(move));
            EXPECT_EQ(Names(MemberMoves(p, static_cast<int>(slot))), expected)
                << ClassName(p.Class) << " " << int(p.Number) << " slot " << slot + 1 << " " << given[slot]->Name;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 903);
}

// The special moves are the fact tables' for every party ("Onix: Bide"), and
// each gym leader's is where the game writes it.
TEST(Trainers, SpecialMovesOfLeadersEliteFourAndChampion)
{
    const auto& f = facts::Load();
    const auto& species = f.species;
    for (const facts::Trainer& t : f.trainers) {
        if (!t.Used())
            continue;
        const Party& p = PartyOf(ClassOfConstant().at(t.Class), t.Number);
        std::string written;
        for (const SpecialMove& s : SpecialMovesOf(p)) {
            ASSERT_LT(static_cast<std::size_t>(s.Member), p.Members.size());
            written += (written.empty() ? "" : "; ") + species.at(p.Members[s.Member].Creature).Name + ": " +
                       std::string(s.Move);
        }
        std::string given;
        for (std::size_t start = 0; start < t.SpecialMoves.size();) {
            std::size_t end = t.SpecialMoves.find("; ", start);
            if (end == std::string::npos)
                end = t.SpecialMoves.size();
            const std::string part = t.SpecialMoves.substr(start, end - start);
            const std::size_t colon = part.find(": ");
            given += (given.empty() ? "" : "; ") + part.substr(0, colon + 2) + facts::Shown(part.substr(colon + 2));
            start = end + 2;
        }
        EXPECT_EQ(written, given) << t.Class << " " << t.Number;
    }

    // Each leader's last creature and its third move.
    const std::tuple<TrainerClass, int, int, const char*> leaders[] = {
        {C::Brock, 1, 95, "Bide"},        {C::Misty, 1, 121, "Bubble Beam"}, {C::LtSurge, 1, 26, "Thunderbolt"},
        {C::Erika, 1, 45, "Mega Drain"},  {C::Koga, 1, 110, "Toxic"},        {C::Sabrina, 1, 65, "Psywave"},
        {C::Blaine, 1, 59, "Fire Blast"}, {C::Giovanni, 3, 112, "Fissure"},
    };
    for (const auto& [c, number, creature, move] : leaders) {
        const Party& p = PartyOf(c, number);
        const int last = static_cast<int>(p.Members.size()) - 1;
        SCOPED_TRACE(std::string(ClassName(c)));
        EXPECT_EQ(p.Members[static_cast<std::size_t>(last)].Creature, creature);
        const ReferenceLearnset learnset(creature);
        EXPECT_EQ(MemberMoves(p, last, learnset.Moves())[2], FindMove(move));
    }
    EXPECT_TRUE(SpecialMovesOf(PartyOf(C::Giovanni, 1)).empty()); // only his gym's party has one

    // The Champion when the player chose Charmander: Pidgeot first with Sky
    // Attack, Blastoise level 65 last with Blizzard.
    const Party& champion = PartyOf(C::Rival3, 1);
    ASSERT_EQ(champion.PlayerChose, StarterChoice::Charmander);
    ASSERT_EQ(champion.Members.size(), 6u);
    EXPECT_EQ(champion.Members[0].Creature, 18);
    EXPECT_EQ(MemberMoves(champion, 0, ReferenceLearnset(18).Moves())[2], FindMove("Sky Attack"));
    EXPECT_EQ(champion.Members[5].Creature, 9);
    EXPECT_EQ(champion.Members[5].Level, 65);
    EXPECT_EQ(MemberMoves(champion, 5, ReferenceLearnset(9).Moves())[2], FindMove("Blizzard"));
    EXPECT_THROW(MemberMoves(champion, 6, ReferenceLearnset(9).Moves()), std::out_of_range);
}

// The engine's rule on a made-up learnset: a known move is skipped, the
// fifth pushes out the first, moves above the level are not learnt.
TEST(Trainers, MovesAtLevelForgetsTheOldestWhenFull)
{
    const LevelMove learnset[] = {{0, "Tackle"}, {0, "Growl"}, {5, "Ember"},  {7, "Tackle"},
                                  {9, "Leer"},   {12, "Bite"}, {15, "Slash"}, {30, "Fly"}};
    const auto at = [&](int level) { return Names(MovesAtLevel(learnset, level)); };
    EXPECT_EQ(at(1), (std::vector<std::string>{"Tackle", "Growl", "", ""}));
    EXPECT_EQ(at(9), (std::vector<std::string>{"Tackle", "Growl", "Ember", "Leer"}));
    EXPECT_EQ(at(12), (std::vector<std::string>{"Growl", "Ember", "Leer", "Bite"}));
    EXPECT_EQ(at(29), (std::vector<std::string>{"Ember", "Leer", "Bite", "Slash"}));
    const LevelMove unknown[] = {{0, "Thunder Shock"}}; // the catalogue spells it Thundershock
    EXPECT_THROW(MovesAtLevel(unknown, 1), std::invalid_argument);

    // A creature's own learnset: Gyarados starts with the four moves it learns
    // again at 20 to 41, and keeps them until Hyper Beam pushes out Bite.
    const std::vector<std::string> gyarados{"Bite", "Dragon Rage", "Leer", "Hydro Pump"};
    EXPECT_EQ(Names(MovesAtLevel(130, 20)), gyarados);
    EXPECT_EQ(Names(MovesAtLevel(130, 52)),
              (std::vector<std::string>{"Dragon Rage", "Leer", "Hydro Pump", "Hyper Beam"}));
    EXPECT_THROW(MovesAtLevel(0, 5), std::out_of_range);
}

// A trainer's creature has the fixed DVs and no stat experience: Misty's
// Starmie at level 21.
TEST(Trainers, MemberSideHasTheTrainersDvs)
{
    const Party& misty = PartyOf(C::Misty, 1);
    ASSERT_EQ(misty.Members.size(), 2u);
    const BattleSide starmie = MemberSide(misty, 1);
    EXPECT_EQ(starmie.Species, 121);
    EXPECT_EQ(starmie.Level, 21);
    EXPECT_EQ(HpDv(starmie.Dv), 8);
    const auto stats = StatsOf(starmie);
    EXPECT_EQ(stats[static_cast<std::size_t>(Stat::Hp)], 59);
    EXPECT_EQ(stats[static_cast<std::size_t>(Stat::Attack)], 40);
    EXPECT_EQ(stats[static_cast<std::size_t>(Stat::Defense)], 44);
    EXPECT_EQ(stats[static_cast<std::size_t>(Stat::Speed)], 56);
    EXPECT_EQ(stats[static_cast<std::size_t>(Stat::Special)], 50);
    EXPECT_THROW(MemberSide(misty, 2), std::out_of_range);
}

} // namespace

// The trainers of a place in the order one meets them: the map's own order
// (Route 3 as its objects list them, walking east from Pewter), a gym's
// leader last, the battles a script starts after them; every party under
// each place it names, once.
TEST(Trainers, PartiesAtAPlaceInTheOrderMet)
{
    using encounters::Place;
    const auto refs = [](Place at) {
        std::vector<std::pair<C, int>> out;
        for (const Party* p : PartiesAt(at))
            out.emplace_back(p->Class, p->Number);
        return out;
    };
    EXPECT_EQ(refs(Place::Route3), (std::vector<std::pair<C, int>>{{C::BugCatcher, 4},
                                                                   {C::Youngster, 1},
                                                                   {C::Lass, 1},
                                                                   {C::BugCatcher, 5},
                                                                   {C::Lass, 2},
                                                                   {C::Youngster, 2},
                                                                   {C::BugCatcher, 6},
                                                                   {C::Lass, 3}}));
    EXPECT_EQ(refs(Place::Route22),
              (std::vector<std::pair<C, int>>{
                  {C::Rival1, 4}, {C::Rival1, 5}, {C::Rival1, 6}, {C::Rival2, 10}, {C::Rival2, 11}, {C::Rival2, 12}}));
    std::size_t listed = 0;
    for (int i = 0; i < encounters::PlaceCount; ++i) {
        const auto at = static_cast<Place>(i);
        const std::vector<const Party*> met = PartiesAt(at);
        std::set<const Party*> expected;
        for (const Party& p : Parties)
            if (const auto places = PlacesOf(p); std::find(places.begin(), places.end(), at) != places.end())
                expected.insert(&p);
        EXPECT_EQ(std::set<const Party*>(met.begin(), met.end()), expected) << i;
        EXPECT_EQ(met.size(), expected.size()) << "a party twice at " << i;
        const auto leader = std::find_if(met.begin(), met.end(), [](const Party* p) { return IsGymLeader(*p); });
        if (leader != met.end()) {
            EXPECT_EQ(leader, met.end() - 1) << ClassName((*leader)->Class) << " is not last";
        }
        listed += met.size();
    }
    EXPECT_EQ(listed, Parties.size() + 4); // four parties are named by two maps
}

// The big battles: the leaders in the order of their badges, the Elite Four,
// the Champion and the rival's battles for each starter.
TEST(Trainers, BigBattlesInTheOrderOfTheGame)
{
    std::vector<C> leaders;
    for (const BigBattle& b : BigBattles)
        if (const Party& p = PartyOf(b, StarterChoice::Any); IsGymLeader(p))
            leaders.push_back(p.Class);
    EXPECT_EQ(leaders,
              (std::vector<C>{C::Brock, C::Misty, C::LtSurge, C::Erika, C::Koga, C::Sabrina, C::Blaine, C::Giovanni}));
    int rivals = 0;
    for (const BigBattle& b : BigBattles) {
        if (b.Class != C::Rival1 && b.Class != C::Rival2 && b.Class != C::Rival3)
            continue;
        ++rivals;
        for (StarterChoice chose : {StarterChoice::Bulbasaur, StarterChoice::Charmander, StarterChoice::Squirtle})
            EXPECT_EQ(PartyOf(b, chose).PlayerChose, chose);
    }
    EXPECT_EQ(rivals, 8);
    EXPECT_EQ(PartyOf(BigBattles[12], StarterChoice::Charmander).Members.back().Creature, 9); // Blastoise
    EXPECT_TRUE(IsEliteFour(C::Lance));
    EXPECT_FALSE(IsEliteFour(C::Rival3));
}
