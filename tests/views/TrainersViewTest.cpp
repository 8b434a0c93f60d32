// The trainers window without a display: the three ways in, the rival's
// parties following the starter chosen, a party's lines (levels, the moves
// the game gives, the extra move marked, stats with the trainers' DVs), and
// a creature handed to the calculator as the game fights with it.
#include "views/TrainersView.h"

#include "data/Moves.h"
#include "data/Trainers.h"
#include "text/Cp1252.h"
#include "views/DamageView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using encounters::Place;

std::vector<std::string> Utf8(const std::vector<std::string>& lines)
{
    std::vector<std::string> utf8;
    for (const std::string& line : lines)
        utf8.push_back(cp1252::toUtf8(line));
    return utf8;
}

std::string Line(const std::vector<std::string>& lines, std::size_t i)
{
    if (i < lines.size())
        return cp1252::toUtf8(lines[i]);
    ADD_FAILURE() << "line " << i << " asked of " << lines.size();
    return {};
}

int LineOf(const std::vector<std::string>& lines, const std::string& utf8)
{
    const auto at = std::find(lines.begin(), lines.end(), cp1252::fromUtf8(utf8));
    return at == lines.end() ? -1 : static_cast<int>(at - lines.begin());
}

species::Creature Nr(int n)
{
    return *species::Creature::FromNumber(n);
}

TEST(TrainersView, MistysGymHerPartyAndStarmieForTheCalculator)
{
    TrainersView view;
    view.ChoosePlace(Place::CeruleanGym);
    EXPECT_EQ(view.ListedBy(), TrainersView::Way::Place);
    EXPECT_EQ(Line(view.PlaceChooserLines(), static_cast<std::size_t>(view.PlaceLine())), "Ginásio de Cerulean");
    const std::vector<std::string> trainers = view.TrainerLines();
    ASSERT_EQ(trainers.size(), 3u);
    // The leader stands behind her trainers.
    EXPECT_EQ(Line(trainers, 2), "Misty, líder do ginásio: Staryu Nv. 18, Starmie Nv. 21 — ¥2.079");
    EXPECT_EQ(view.TrainerLine(), 0);
    view.ChooseTrainerLine(2);
    EXPECT_EQ(cp1252::toUtf8(view.PartyHeading()),
              "Equipe: Misty, líder do ginásio (Ginásio de Cerulean) — recompensa ¥2.079");
    const std::vector<std::string> members = view.MemberLines();
    ASSERT_EQ(members.size(), 2u);
    EXPECT_EQ(Line(members, 0), "#120 Staryu, Nv. 18 — Água — golpes: Tackle, Water Gun — Energia 41, Ataque 24, "
                                "Defesa 27, Velocidade 38, Especial 33");
    EXPECT_EQ(Line(members, 1), "#121 Starmie, Nv. 21 — Água/Psíquico — golpes: Tackle, Water Gun, Bubble Beam "
                                "(extra) — Energia 59, Ataque 40, Defesa 44, Velocidade 56, Especial 50");

    EXPECT_EQ(view.MemberLine(), 0);
    view.ChooseMemberLine(1);
    const auto side = view.ChosenSide(Combatant::Defender);
    ASSERT_TRUE(side);
    EXPECT_EQ(side->Who, Combatant::Defender);
    EXPECT_EQ(side->Creature, Nr(121));
    EXPECT_EQ(side->Level, 21);
    EXPECT_EQ(std::tuple(side->Dv.Attack, side->Dv.Defense, side->Dv.Speed, side->Dv.Special), std::tuple(9, 8, 8, 8));
    EXPECT_EQ(side->StatExp, 0);
    EXPECT_TRUE(side->Opponent);
    EXPECT_EQ(side->Moves, trainers::MemberMoves(*trainers::FindParty(trainers::TrainerClass::Misty, 1), 1));
    EXPECT_EQ(cp1252::toUtf8(side->Source), "Starmie de Misty, Nv. 21");
    EXPECT_EQ(cp1252::toUtf8(view.ChosenSide(Combatant::Attacker)->Source), "Starmie de Misty, Nv. 21");

    EXPECT_THROW(view.ChooseMemberLine(2), std::out_of_range);
    EXPECT_THROW(view.ChooseTrainerLine(3), std::out_of_range);
    EXPECT_EQ(view.MemberLine(), 1);
}

// The rival takes the starter that beats the player's: the choice picks his
// party in every big battle and wherever he stands.
TEST(TrainersView, TheStarterChosenPicksTheRivalsParties)
{
    TrainersView view;
    const std::vector<std::string> battles = view.BattleChooserLines();
    ASSERT_EQ(battles.size(), trainers::BigBattles.size());
    EXPECT_EQ(Line(battles, 0), "Brock — Ginásio de Pewter");
    EXPECT_EQ(Line(battles, 7), "Giovanni — Ginásio de Viridian");
    const int champion = LineOf(battles, "Rival — Campeão da Liga");
    ASSERT_EQ(champion, 12);
    EXPECT_EQ(Utf8(TrainersView::StarterChooserLines()),
              (std::vector<std::string>{"Bulbasaur", "Charmander", "Squirtle"}));

    view.ChooseBattleLine(champion);
    EXPECT_EQ(view.ListedBy(), TrainersView::Way::Battle);
    EXPECT_EQ(view.StarterLine(), 0); // Bulbasaur: he has Charizard
    ASSERT_EQ(view.TrainerLines().size(), 1u);
    EXPECT_NE(Line(view.MemberLines(), 5).find("#006 Charizard, Nv. 65"), std::string::npos);
    view.ChooseMemberLine(5);
    view.ChooseStarterLine(1); // Charmander
    const std::string blastoise = Line(view.MemberLines(), 5);
    EXPECT_EQ(blastoise.rfind("#009 Blastoise, Nv. 65 — Água — golpes: ", 0), 0u) << blastoise;
    EXPECT_NE(blastoise.find("Blizzard (extra)"), std::string::npos) << blastoise;
    EXPECT_NE(Line(view.MemberLines(), 0).find("Sky Attack (extra)"), std::string::npos);
    EXPECT_EQ(view.MemberLine(), 5) << "the same creature's place stays chosen";
    EXPECT_EQ(cp1252::toUtf8(view.ChosenSide(Combatant::Defender)->Source), "Blastoise do Campeão, Nv. 65");

    // By place: the rival's first battle in the lab, one party of three.
    view.ChoosePlace(Place::OaksLab);
    ASSERT_EQ(view.TrainerLines().size(), 1u);
    EXPECT_EQ(Line(view.TrainerLines(), 0), "Rival: Squirtle Nv. 5 — ¥175");
    view.ChooseStarterLine(2); // Squirtle: he takes Bulbasaur
    EXPECT_EQ(Line(view.TrainerLines(), 0), "Rival: Bulbasaur Nv. 5 — ¥175");
    // A party chosen from elsewhere: its place listed, the starter it answers to.
    const trainers::Party& rival = *trainers::FindParty(trainers::TrainerClass::Rival3, 2); // Squirtle chosen
    view.ChooseParty(rival);
    EXPECT_EQ(view.Party(), &rival);
    EXPECT_EQ(view.StarterLine(), 2);
    EXPECT_EQ(view.Places()[static_cast<std::size_t>(view.PlaceLine())], Place::ChampionsRoom);
    const trainers::Party& misty = *trainers::FindParty(trainers::TrainerClass::Misty, 1);
    view.ChooseParty(misty);
    EXPECT_EQ(view.Party(), &misty);
    EXPECT_EQ(view.TrainerLine(), 2);
    EXPECT_EQ(view.StarterLine(), 2) << "a party of no rival leaves the starter";
    EXPECT_THROW(view.ChooseStarterLine(3), std::out_of_range);

    // A place's trainers for another window: the rival's three, each with its starter.
    const auto lab = Utf8(TrainersView::LinesAt(Place::OaksLab));
    EXPECT_EQ(lab, (std::vector<std::string>{"Rival: Squirtle Nv. 5 — ¥175 (se você escolheu Charmander)",
                                             "Rival: Bulbasaur Nv. 5 — ¥175 (se você escolheu Squirtle)",
                                             "Rival: Charmander Nv. 5 — ¥175 (se você escolheu Bulbasaur)"}));
    EXPECT_EQ(TrainersView::LinesAt(Place::AnyWater), std::vector<std::string>{});
    EXPECT_THROW(view.ChooseBattleLine(static_cast<int>(battles.size())), std::out_of_range);
}

// By creature: every party that has it, the lower its level the sooner;
// the creature on show is followed only while the list is by creature.
TEST(TrainersView, ByCreatureFromTheLowestLevelAndFollowingTheShownOne)
{
    TrainersView view;
    const auto first = view.TrainerLines();
    view.FollowCreature(Nr(121));
    EXPECT_EQ(view.ListedBy(), TrainersView::Way::Place);
    EXPECT_EQ(view.TrainerLines(), first);
    EXPECT_EQ(view.CreatureLine(), 121);

    view.ChooseCreatureLine(121);
    EXPECT_EQ(cp1252::toUtf8(view.TrainersHeading()), "Treinadores que usam #121 Starmie, do menor nível ao maior");
    const auto starmie = Utf8(view.TrainerLines());
    ASSERT_GE(starmie.size(), 2u);
    EXPECT_EQ(starmie[0], "Misty, líder do ginásio (Ginásio de Cerulean): Staryu Nv. 18, Starmie Nv. 21 — ¥2.079");
    int last = 0;
    for (const std::string& line : starmie) {
        const auto at = line.find("Starmie Nv. ");
        ASSERT_NE(at, std::string::npos) << line;
        const int level = std::stoi(line.substr(at + 12));
        EXPECT_GE(level, last) << line;
        last = level;
    }

    // A creature no trainer has: a line in words, no party, nothing to send.
    view.FollowCreature(Nr(151));
    EXPECT_EQ(Utf8(view.TrainerLines()), std::vector<std::string>{"Nenhum treinador usa Mew."});
    EXPECT_EQ(view.TrainerLine(), -1);
    EXPECT_EQ(view.Party(), nullptr);
    EXPECT_TRUE(view.MemberLines().empty());
    EXPECT_FALSE(view.ChosenSide(Combatant::Defender));
    view.ChooseTrainerLine(0); // the line in words
    EXPECT_EQ(view.Party(), nullptr);
    EXPECT_THROW(view.ChooseMemberLine(0), std::out_of_range);
    EXPECT_THROW(view.ChooseCreatureLine(152), std::out_of_range);
}

// One list of places for the trainers window and "where to find": the same
// names in the same order, each place listing at least one trainer, every
// used party under each of its places.
TEST(TrainersView, PlacesAreTheWhereToFindListsNamesAndOrder)
{
    TrainersView view;
    const std::vector<Place>& places = view.Places();
    ASSERT_FALSE(places.empty());
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()));
    const std::vector<std::string> lines = view.PlaceChooserLines();
    ASSERT_EQ(lines.size(), places.size());
    std::size_t listed = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(lines[i], encounters::PlaceName(places[i]));
        view.ChoosePlaceLine(static_cast<int>(i));
        EXPECT_EQ(view.PlaceLine(), static_cast<int>(i));
        EXPECT_NE(view.Party(), nullptr) << lines[i];
        listed += view.TrainerLines().size();
    }
    // Each rival battle lists one party of his three.
    int rivals = 0, twoPlaces = 0;
    for (const trainers::Party& p : trainers::Parties) {
        rivals += p.PlayerChose != trainers::StarterChoice::Any;
        twoPlaces += trainers::PlacesOf(p).size() == 2;
    }
    EXPECT_EQ(listed, trainers::Parties.size() - rivals / 3 * 2 + twoPlaces);
    EXPECT_THROW(view.ChoosePlace(Place::AnyWater), std::invalid_argument);
    EXPECT_THROW(view.ChoosePlaceLine(static_cast<int>(places.size())), std::out_of_range);
}

} // namespace
