// The trainers window without its controls: who the player fights, three
// ways in (by place, by big battle, by creature), narrowed by the starter the
// player chose, which picks the rival's parties. A list of trainers, each
// with its party and reward, and the chosen trainer's party one creature a
// line: level, types, the four moves the game gives it, its stats with the
// trainers' DVs. A chosen creature goes to the damage calculator as a side.
// Texts are Windows-1252.
#pragma once

#include "data/Encounters.h"
#include "data/Species.h"
#include "data/Trainers.h"
#include "views/DamageView.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class TrainersView {
public:
    enum class Way : std::uint8_t { Place, Battle, Creature };

    // By place, the first place listed; the player chose Bulbasaur; the
    // first trainer and its first creature chosen.
    TrainersView();

    // ---- the choosers' lines ----
    // The places with a trainer, in the order of encounters::Place (the
    // order and the names of the "where to find" window's list).
    const std::vector<encounters::Place>& Places() const { return places_; }
    std::vector<std::string> PlaceChooserLines() const;
    // "Brock — Ginásio de Pewter" ... one line per trainers::BigBattles.
    static std::vector<std::string> BattleChooserLines();
    // #000 first, then #001..#151: a line is its creature's number.
    static std::vector<std::string> CreatureChooserLines();
    // "Bulbasaur", "Charmander", "Squirtle".
    static std::vector<std::string> StarterChooserLines();

    // ---- what the user does ----
    // Each lists the trainers that way and chooses the first; a line of the
    // chooser, std::out_of_range for any other.
    void ChoosePlaceLine(int line);
    void ChooseBattleLine(int line);
    void ChooseCreatureLine(int line);
    // std::invalid_argument for a place with no trainer.
    void ChoosePlace(encounters::Place p);
    void ChooseCreature(species::Creature c);
    // The creature on show changed: the creature chooser follows it, and the
    // list too while it lists by creature.
    void FollowCreature(species::Creature c);
    // Relists the rival's parties for that starter; the trainer chosen stays
    // if it is still listed.
    void ChooseStarterLine(int line);
    // A line of TrainerLines() (one that names no trainer changes nothing),
    // then its first creature; a line of MemberLines(). std::out_of_range
    // for a line outside them.
    void ChooseTrainerLine(int line);
    void ChooseMemberLine(int line);
    // Lists the party's first place and chooses it (for the rival's, the
    // starter it answers to); std::invalid_argument for a party the game
    // never uses.
    void ChooseParty(const trainers::Party& p);

    // ---- what is chosen ----
    Way ListedBy() const { return way_; }
    int PlaceLine() const;
    int BattleLine() const { return battle_; }
    int CreatureLine() const { return creature_.Number(); }
    int StarterLine() const;
    // -1 while nothing is listed.
    int TrainerLine() const { return trainer_; }
    int MemberLine() const { return member_; }
    const trainers::Party* Party() const;

    // ---- the lists ----
    // What the trainer list holds: "Treinadores de Rota 3, na ordem do caminho".
    std::string TrainersHeading() const;
    // One line per trainer ("Misty, líder do ginásio: Staryu Nv. 18, Starmie
    // Nv. 21 — ¥2.079"), or one line in words saying there is none.
    std::vector<std::string> TrainerLines() const;
    // "Equipe de Misty, líder do ginásio (Ginásio de Cerulean) — recompensa ¥2.079".
    std::string PartyHeading() const;
    // One line per creature of the chosen party; empty while none is chosen.
    std::vector<std::string> MemberLines() const;
    // What "(extra)" and the stats mean.
    static std::string Legend();
    // Every trainer of a place, one line each as TrainerLines() words them,
    // the rival's parties each with the starter it answers to ("Rival:
    // Squirtle Nv. 5 — ¥175 (se você escolheu Charmander)"); empty for a
    // place with none.
    static std::vector<std::string> LinesAt(encounters::Place p);

    // The chosen creature as the calculator takes it: the trainers' DVs, no
    // stat experience, its four moves, "Starmie de Misty, Nv. 21". Nothing
    // while no creature is chosen.
    std::optional<HandedSide> ChosenSide(Combatant who) const;

private:
    void list(Way way);
    trainers::StarterChoice chose() const;

    std::vector<encounters::Place> places_;
    Way way_ = Way::Place;
    encounters::Place place_{};
    int battle_ = 0;
    species::Creature creature_ = *species::Creature::FromNumber(1);
    int starter_ = 0; // a line of StarterChooserLines()
    std::vector<const trainers::Party*> listed_;
    int trainer_ = -1, member_ = -1;
};
