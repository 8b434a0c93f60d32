// The "where to find" window without its controls: a version filter, a
// creature, an item and a place, and the lines of its four choosers and four
// lists. Three ways in: by creature (every way to get it, easiest first, or
// how it evolves when nothing else gives it, narrowed by the filter), by item
// (every way to get it: on the ground, hidden, given, sold, won) and by place
// (every creature found there, narrowed by the filter; then its items and its
// trainers). Texts are Windows-1252.
#pragma once

#include "data/Encounters.h"
#include "data/Species.h"

#include <string>
#include <vector>

class WhereToFindView {
public:
    // Both versions, creature #001, the first place listed.
    WhereToFindView();

    // ---- the choosers' lines ----
    // "As duas", "Só Vermelha", "Só Azul": the filter's line is its version.
    static std::vector<std::string> VersionChooserLines();
    // #000 first, then #001..#151: a line is its creature's number.
    static std::vector<std::string> CreatureChooserLines();
    // Every item that can be had, by name: a line is its index in items::ItemNames().
    static std::vector<std::string> ItemChooserLines();
    // The name of each place with a creature, an item or a trainer, in the
    // order of Places() (the program's one list of places).
    std::vector<std::string> PlaceChooserLines() const;
    const std::vector<encounters::Place>& Places() const { return places_; }

    // ---- what the user does ----
    // A line of each chooser; std::out_of_range for any other.
    void ChooseVersionLine(int line);
    void ChooseCreatureLine(int line);
    void ChooseItemLine(int line);
    void ChoosePlaceLine(int line);
    void ChooseCreature(species::Creature c) { creature_ = c; }
    // std::invalid_argument for a place with nothing to list (not in Places()).
    void ChoosePlace(encounters::Place p);

    // ---- what is chosen ----
    encounters::Version Version() const { return version_; }
    int VersionLine() const;
    species::Creature Creature() const { return creature_; }
    int CreatureLine() const { return creature_.Number(); }
    int ItemLine() const { return item_; }
    encounters::Place Place() const { return place_; }
    int PlaceLine() const;

    // ---- the lists ----
    // Every way to get the creature in the versions shown, or a line in
    // words saying why there is none.
    std::vector<std::string> CreatureListLines() const;
    // Every creature of the place in the versions shown, or a line in words.
    std::vector<std::string> PlaceListLines() const;
    // Every way to get the item chosen.
    std::vector<std::string> ItemListLines() const;
    // The place's items, then its trainers, each under a line that says
    // which ("Itens:", "Treinadores:"); a line in words when it has neither.
    std::vector<std::string> PlaceOtherLines() const;

private:
    std::vector<encounters::Place> places_;
    encounters::Version version_ = encounters::Version::Both;
    species::Creature creature_;
    int item_ = 0;
    encounters::Place place_;
};
