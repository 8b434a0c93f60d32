#include "forms/SearchKeys.h"

#include "catalogue/Catalogue.h"

#include "text/Cp1252.h"

#include <array>

using namespace cp1252::literals;

namespace {

// Keys differ from the list lines where people type names differently:
// "NIDORAN(F)" without the blank, "FARFETCH´D" with the caption's acute
// accent, "MR. MIME" with a blank, "JYNX" as the creature is really called.
// #103 is searched as the list shows it.
constexpr std::string_view kNames[152] = {
    "BULBASAUR",  "IVYSAUR",   "VENUSAUR",      "CHARMANDER", "CHARMELEON", "CHARIZARD",  "SQUIRTLE",   "WARTORTLE",
    "BLASTOISE",  "CATERPIE",  "METAPOD",       "BUTTERFREE", "WEEDLE",     "KAKUNA",     "BEEDRILL",   "PIDGEY",
    "PIDGEOTTO",  "PIDGEOT",   "RATTATA",       "RATICATE",   "SPEAROW",    "FEAROW",     "EKANS",      "ARBOK",
    "PIKACHU",    "RAICHU",    "SANDSHREW",     "SANDSLASH",  "NIDORAN(F)", "NIDORINA",   "NIDOQUEEN",  "NIDORAN(M)",
    "NIDORINO",   "NIDOKING",  "CLEFAIRY",      "CLEFABLE",   "VULPIX",     "NINETALES",  "JIGGLYPUFF", "WIGGLYTUFF",
    "ZUBAT",      "GOLBAT",    "ODDISH",        "GLOOM",      "VILEPLUME",  "PARAS",      "PARASECT",   "VENONAT",
    "VENOMOTH",   "DIGLETT",   "DUGTRIO",       "MEOWTH",     "PERSIAN",    "PSYDUCK",    "GOLDUCK",    "MANKEY",
    "PRIMEAPE",   "GROWLITHE", "ARCANINE",      "POLIWAG",    "POLIWHIRL",  "POLIWRATH",  "ABRA",       "KADABRA",
    "ALAKAZAM",   "MACHOP",    "MACHOKE",       "MACHAMP",    "BELLSPROUT", "WEEPINBELL", "VICTREEBEL", "TENTACOOL",
    "TENTACRUEL", "GEODUDE",   "GRAVELER",      "GOLEM",      "PONYTA",     "RAPIDASH",   "SLOWPOKE",   "SLOWBRO",
    "MAGNEMITE",  "MAGNETON",  "FARFETCH´D"_cp, "DODUO",      "DODRIO",     "SEEL",       "DEWGONG",    "GRIMER",
    "MUK",        "SHELLDER",  "CLOYSTER",      "GASTLY",     "HAUNTER",    "GENGAR",     "ONIX",       "DROWZEE",
    "HYPNO",      "KRABBY",    "KINGLER",       "VOLTORB",    "ELECTRODE",  "EXEGGCUTE",  "EXEGGCUTOR", "CUBONE",
    "MAROWAK",    "HITMONLEE", "HITMONCHAN",    "LICKITUNG",  "KOFFING",    "WEEZING",    "RHYHORN",    "RHYDON",
    "CHANSEY",    "TANGELA",   "KANGASKHAN",    "HORSEA",     "SEADRA",     "GOLDEEN",    "SEAKING",    "STARYU",
    "STARMIE",    "MR. MIME",  "SCYTHER",       "JYNX",       "ELECTABUZZ", "MAGMAR",     "PINSIR",     "TAUROS",
    "MAGIKARP",   "GYARADOS",  "LAPRAS",        "DITTO",      "EEVEE",      "VAPOREON",   "JOLTEON",    "FLAREON",
    "PORYGON",    "OMANYTE",   "OMASTAR",       "KABUTO",     "KABUTOPS",   "AERODACTYL", "SNORLAX",    "ARTICUNO",
    "ZAPDOS",     "MOLTRES",   "DRATINI",       "DRAGONAIR",  "DRAGONITE",  "MEWTWO",     "MISSINGNO",  "MEW",
};

// "0".."151", indexed by number.
constexpr auto kNumberTexts = [] {
    std::array<std::array<char, 4>, 152> t{};
    for (int n = 0; n < 152; ++n) {
        int k = 0;
        if (n >= 100)
            t[n][k++] = char('0' + n / 100);
        if (n >= 10)
            t[n][k++] = char('0' + n / 10 % 10);
        t[n][k] = char('0' + n % 10);
    }
    return t;
}();

constexpr auto kTable = [] {
    std::array<SearchKey, Catalogue::RowCount> t{};
    for (int number = 0; number < Catalogue::RowCount; ++number) {
        const int row = Catalogue::RowOfNumber(number);
        t[row] = {kNames[row], std::string_view(kNumberTexts[number].data()), row};
    }
    return t;
}();

} // namespace

const std::span<const SearchKey> SearchKeyTable{kTable};
