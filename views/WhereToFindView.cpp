#include "views/WhereToFindView.h"

#include "data/Items.h"
#include "data/Trainers.h"
#include "text/Cp1252.h"
#include "views/EncounterText.h"
#include "views/ItemsView.h"
#include "views/TrainersView.h"

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

// Every place with a creature, an item or a trainer, in the list's order.
std::vector<encounters::Place> PlacesWithAnything()
{
    const std::vector<encounters::Place> found = encounters::PlacesWithEncounters();
    const std::vector<encounters::Place> items = PlacesWithItems();
    std::vector<encounters::Place> places;
    for (int i = 0; i < encounters::PlaceCount; ++i) {
        const auto p = static_cast<encounters::Place>(i);
        if (std::find(found.begin(), found.end(), p) != found.end() ||
            std::find(items.begin(), items.end(), p) != items.end() || !trainers::PartiesAt(p).empty())
            places.push_back(p);
    }
    return places;
}

} // namespace

WhereToFindView::WhereToFindView()
    : places_(PlacesWithAnything()), creature_(*species::Creature::FromNumber(1)), place_(places_.at(0))
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

std::vector<std::string> WhereToFindView::ItemChooserLines()
{
    return ItemsView::ItemChooserLines();
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

void WhereToFindView::ChooseItemLine(int line)
{
    CheckLine(line, items::ItemNames().size(), "item");
    item_ = line;
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

std::vector<std::string> WhereToFindView::ItemListLines() const
{
    return ItemWayLines(items::ItemNames()[static_cast<std::size_t>(item_)]);
}

std::vector<std::string> WhereToFindView::PlaceOtherLines() const
{
    std::vector<std::string> lines;
    const auto under = [&lines](const char* heading, const std::vector<std::string>& those) {
        if (those.empty())
            return;
        lines.emplace_back(heading);
        for (const std::string& line : those)
            lines.push_back("  " + line);
    };
    under("Itens:", PlaceItemLines(place_));
    under("Treinadores:", TrainersView::LinesAt(place_));
    if (lines.empty())
        lines.push_back(std::string("Nenhum item nem treinador neste lugar."_cp));
    return lines;
}
