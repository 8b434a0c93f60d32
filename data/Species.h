// What the catalogue holds of a creature only as text, as data: the name the
// games give it, and how it evolves from the form before it. Creatures are
// numbers 1..151; texts are Windows-1252.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace species {

// One creature, #000 to #151: the one form a creature takes from the main
// list to every window (never a row, a line or a name parsed back).
class Creature {
public:
    static constexpr int Highest = 151;
    // Nothing for a number outside 0..151.
    static std::optional<Creature> FromNumber(int number)
    {
        if (number < 0 || number > Highest)
            return std::nullopt;
        return Creature(number);
    }
    int Number() const { return number_; }
    // #000 is the games' glitch entry: no stats, moves or places of its own.
    bool IsGlitch() const { return number_ == 0; }
    friend auto operator<=>(const Creature&, const Creature&) = default;

private:
    explicit Creature(int number) : number_(number) {}
    int number_;
};

// The games' name of creature 0..151: the catalogue's, but for the four the
// guide spells its own way ("Farfetch´d", "Exeggcutor", "Mr.Mime", "Jinx").
// std::out_of_range for other numbers.
std::string_view GamesName(int number);

// How the tool windows' creature choosers name creature 0..151: "#122 - Mr.
// Mime", the games' name. std::out_of_range for other numbers.
std::string ChooserLine(int number);
// Every creature's chooser line by number: #000 first, then #001..#151, so a
// chooser's line is its creature's number.
std::vector<std::string> ChooserLines();

// The creature that what was typed into a chooser stands for: digits (after
// an optional "#") are a number; anything else is a name, found whole, then
// by its start, then anywhere in it, in number order, whatever the case,
// blanks and punctuation ("char" is Charmander, "mr mime" Mr. Mime, "mew"
// Mew before Mewtwo). -1 when nothing fits.
int FindTyped(std::string_view typed);

enum class Trigger : std::uint8_t { Level, Stone, Trade };
enum class Stone : std::uint8_t { None, Fire, Thunder, Water, Leaf, Moon };

// "Moon Stone": the item's name in the games; empty for None.
std::string_view StoneName(Stone s);

struct Evolution {
    std::uint8_t From, To;
    Trigger By;
    std::uint8_t Level = 0;   // Level only
    Stone With = Stone::None; // Stone only
};
// Every evolution of the games, by the number of the form it gives.
extern const std::span<const Evolution> Evolutions;

// The evolution that gives creature `number`; nullptr for a first form and
// for any other number. No creature of these games has two.
const Evolution* EvolutionInto(int number);

} // namespace species
