#include "views/WhereToFindView.h"

#include "text/Cp1252.h"
#include "views/EncounterText.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

using namespace cp1252::literals;
using encounters::Version;

namespace {

// The filter's lines, in order.
constexpr Version kFilter[] = {Version::Both, Version::Red, Version::Blue};

void CheckLine(int line, std::size_t count, const char* chooser)
{
    if (line < 0 || static_cast<std::size_t>(line) >= count)
        throw std::out_of_range("no line " + std::to_string(line) + " in the " + chooser + " chooser");
}

} // namespace

WhereToFindView::WhereToFindView()
    : places_(encounters::PlacesWithEncounters()), creature_(*species::Creature::FromNumber(1)), place_(places_.at(0))
{
}

std::vector<std::string> WhereToFindView::VersionChooserLines()
{
    return {"As duas", std::string("Só Vermelha"_cp), std::string("Só Azul"_cp)};
}

std::vector<std::string> WhereToFindView::CreatureChooserLines()
{
    return species::ChooserLines();
}

std::vector<std::string> WhereToFindView::PlaceChooserLines() const
{
    std::vector<std::string> names;
    names.reserve(places_.size());
    for (encounters::Place p : places_)
        names.emplace_back(encounters::PlaceName(p));
    return names;
}

void WhereToFindView::ChooseVersionLine(int line)
{
    CheckLine(line, std::size(kFilter), "version");
    version_ = kFilter[line];
}

void WhereToFindView::ChooseCreatureLine(int line)
{
    CheckLine(line, species::Creature::Highest + 1, "creature");
    creature_ = *species::Creature::FromNumber(line);
}

void WhereToFindView::ChoosePlaceLine(int line)
{
    CheckLine(line, places_.size(), "place");
    place_ = places_[static_cast<std::size_t>(line)];
}

void WhereToFindView::ChoosePlace(encounters::Place p)
{
    if (std::find(places_.begin(), places_.end(), p) == places_.end())
        throw std::invalid_argument("nothing is found at place " + std::to_string(static_cast<int>(p)));
    place_ = p;
}

int WhereToFindView::VersionLine() const
{
    return static_cast<int>(std::find(std::begin(kFilter), std::end(kFilter), version_) - std::begin(kFilter));
}

int WhereToFindView::PlaceLine() const
{
    return static_cast<int>(std::find(places_.begin(), places_.end(), place_) - places_.begin());
}

std::vector<std::string> WhereToFindView::CreatureListLines() const
{
    return encounters::CreatureView(creature_, version_);
}

std::vector<std::string> WhereToFindView::PlaceListLines() const
{
    return encounters::PlaceView(place_, version_);
}
