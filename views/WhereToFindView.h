// The "where to find" window without its controls: a version filter, a
// creature and a place, and the lines of its three choosers and two lists.
// Two ways in, each narrowed by the filter: by creature (every way to get it,
// easiest first, or how it evolves when nothing else gives it) and by place
// (every creature found there). Texts are Windows-1252.
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
    // The name of each place that has any line, in the order of Places().
    std::vector<std::string> PlaceChooserLines() const;
    const std::vector<encounters::Place>& Places() const { return places_; }

    // ---- what the user does ----
    // A line of each chooser; std::out_of_range for any other.
    void ChooseVersionLine(int line);
    void ChooseCreatureLine(int line);
    void ChoosePlaceLine(int line);
    void ChooseCreature(species::Creature c) { creature_ = c; }
    // std::invalid_argument for a place with nothing to list (not in Places()).
    void ChoosePlace(encounters::Place p);

    // ---- what is chosen ----
    encounters::Version Version() const { return version_; }
    int VersionLine() const;
    species::Creature Creature() const { return creature_; }
    int CreatureLine() const { return creature_.Number(); }
    encounters::Place Place() const { return place_; }
    int PlaceLine() const;

    // ---- the lists ----
    // Every way to get the creature in the versions shown, or a line in
    // words saying why there is none.
    std::vector<std::string> CreatureListLines() const;
    // Every creature of the place in the versions shown, or a line in words.
    std::vector<std::string> PlaceListLines() const;

private:
    std::vector<encounters::Place> places_;
    encounters::Version version_ = encounters::Version::Both;
    species::Creature creature_;
    encounters::Place place_;
};
