#include "views/ItemsView.h"

#include "data/Items.h"
#include "text/Cp1252.h"
#include "text/Numbers.h"

#include <algorithm>
#include <stdexcept>

using namespace cp1252::literals;
using encounters::Place;

namespace {

constexpr std::string_view kDash = " — "_cp;

void CheckLine(int line, std::size_t count, const char* chooser)
{
    if (line < 0 || static_cast<std::size_t>(line) >= count)
        throw std::out_of_range("no line " + std::to_string(line) + " in the " + chooser + " chooser");
}

// "o capitão" -> "do capitão", "uma moça" -> "de uma moça", "Bill" -> "de Bill".
std::string From(std::string_view giver)
{
    for (const auto& [article, joined] : {std::pair<std::string_view, std::string_view>{"o ", "do "}, {"a ", "da "}})
        if (giver.substr(0, article.size()) == article)
            return std::string(joined).append(giver.substr(article.size()));
    return std::string("de ").append(giver);
}

std::string Spot(const items::Found& f)
{
    return "(x " + std::to_string(f.X) + ", y " + std::to_string(f.Y) + ")";
}

// What a found item is, without its place: "no chão", "escondido",
// "presente do capitão do S.S. Anne".
std::string Kind(const items::Found& f)
{
    switch (f.Way) {
    case items::How::Gift: {
        std::string text = "presente " + From(f.Giver);
        if (f.Quantity > 1)
            text += " (" + std::to_string(f.Quantity) + " de uma vez)";
        return text;
    }
    case items::How::Ball: return std::string("no chão"_cp);
    case items::How::Hidden: return "escondido";
    }
    throw std::out_of_range("how an item is found");
}

// After the place (or in its stead): the spot, and for a hidden item the
// Itemfinder's help.
std::string Where(const items::Found& f, std::string_view place)
{
    std::string text(place);
    if (f.Way == items::How::Gift)
        return text;
    if (!text.empty())
        text += ' ';
    text += Spot(f);
    if (f.Way == items::How::Hidden)
        text += "; o Itemfinder ajuda";
    return text;
}

constexpr std::string_view kSale = "à venda"_cp;
constexpr std::string_view kPrize = "prêmio do Game Corner"_cp;

std::string Coins(int coins)
{
    return numbers::Thousands(coins) + " fichas";
}

} // namespace

std::vector<std::string> ItemWayLines(std::string_view item)
{
    std::vector<std::string> lines;
    for (const items::Found& f : items::FoundItems)
        if (f.Item == item)
            lines.push_back(Kind(f).append(kDash).append(Where(f, encounters::PlaceName(f.Where))));
    for (const items::Sale& s : items::SalesOf(item))
        lines.push_back(std::string(kSale)
                            .append(kDash)
                            .append(encounters::PlaceName(s.Where))
                            .append(", ")
                            .append(numbers::Yen(s.Price)));
    for (const items::Prize& p : items::ItemPrizes)
        if (p.Item == item)
            lines.push_back(std::string(kPrize)
                                .append(kDash)
                                .append(encounters::PlaceName(Place::GameCornerPrizeRoom))
                                .append(", ")
                                .append(Coins(p.Coins)));
    return lines;
}

std::vector<std::string> PlaceItemLines(Place p)
{
    std::vector<std::string> lines;
    for (const items::Found& f : items::FoundItems)
        if (f.Where == p) {
            std::string line = std::string(f.Item).append(kDash).append(Kind(f));
            if (f.Way != items::How::Gift)
                line.append(" ").append(Where(f, {}));
            lines.push_back(std::move(line));
        }
    for (const items::ShopItem& s : items::SalesAt(p))
        lines.push_back(std::string(s.Item).append(kDash).append(kSale).append(", ").append(numbers::Yen(s.Price)));
    if (p == Place::GameCornerPrizeRoom)
        for (const items::Prize& prize : items::ItemPrizes)
            lines.push_back(
                std::string(prize.Item).append(kDash).append(kPrize).append(", ").append(Coins(prize.Coins)));
    return lines;
}

std::vector<Place> PlacesWithItems()
{
    std::vector<Place> places;
    for (int i = 0; i < encounters::PlaceCount; ++i) {
        const auto p = static_cast<Place>(i);
        const bool found = std::any_of(items::FoundItems.begin(), items::FoundItems.end(),
                                       [p](const items::Found& f) { return f.Where == p; });
        if (found || !items::SalesAt(p).empty() || (p == Place::GameCornerPrizeRoom && !items::ItemPrizes.empty()))
            places.push_back(p);
    }
    return places;
}

// ---- the view ----

ItemsView::ItemsView() : places_(PlacesWithItems()), place_(places_.at(0)) {}

std::vector<std::string> ItemsView::ItemChooserLines()
{
    const auto& names = items::ItemNames();
    return {names.begin(), names.end()};
}

std::vector<std::string> ItemsView::PlaceChooserLines() const
{
    std::vector<std::string> names;
    names.reserve(places_.size());
    for (const encounters::Place p : places_)
        names.emplace_back(encounters::PlaceName(p));
    return names;
}

void ItemsView::ChooseItemLine(int line)
{
    CheckLine(line, items::ItemNames().size(), "item");
    item_ = line;
}

void ItemsView::ChoosePlaceLine(int line)
{
    CheckLine(line, places_.size(), "place");
    place_ = places_[static_cast<std::size_t>(line)];
}

bool ItemsView::ItemTyped(std::string_view typed)
{
    const int found = items::FindTypedItem(typed);
    if (found < 0)
        return false;
    item_ = found;
    return true;
}

std::string_view ItemsView::Item() const
{
    return items::ItemNames()[static_cast<std::size_t>(item_)];
}

int ItemsView::PlaceLine() const
{
    const auto at = std::find(places_.begin(), places_.end(), place_);
    return at == places_.end() ? -1 : static_cast<int>(at - places_.begin());
}

std::vector<std::string> ItemsView::PlaceListLines() const
{
    std::vector<std::string> lines = PlaceItemLines(place_);
    if (lines.empty())
        lines.emplace_back("Nenhum item neste lugar."_cp);
    return lines;
}
