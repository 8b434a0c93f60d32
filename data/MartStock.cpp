#include "data/MartStock.h"

#include "text/Cp1252.h"
#include "text/Numbers.h"

#include <array>

using namespace cp1252::literals;

namespace {

constexpr MartItem kViridian[] = {{"Poke Ball", 200}, {"Antidote", 100}, {"Paralyz Heal", 200}, {"Burn Heal", 250}};
// "Anditode" is how the shop lists read, misspelling included.
constexpr MartItem kPewter[] = {{"Poke Ball", 200}, {"Potion", 300},    {"Escape Rope", 550}, {"Anditode", 100},
                                {"Burn Heal", 250}, {"Awakening", 200}, {"Paralyz Heal", 200}};
constexpr MartItem kCerulean[] = {{"Poke Ball", 200},   {"Potion", 300},    {"Repel", 350},     {"Anditode", 100},
                                  {"Escape Rope", 550}, {"Burn Heal", 250}, {"Awakening", 200}, {"Paralyz Heal", 200}};
constexpr MartItem kVermilion[] = {{"Poke Ball", 200}, {"Super Potion", 700}, {"Repel", 350},
                                   {"Ice Heal", 250},  {"Awakening", 200},    {"Paralyz Heal", 200}};
constexpr MartItem kLavender[] = {{"Great Ball", 600}, {"Super Potion", 700}, {"Super Repel", 500},
                                  {"Revive", 1500},    {"Escape Rope", 550},  {"Antidote", 100},
                                  {"Burn Heal", 250},  {"Ice Heal", 250},     {"Paralyz Heal", 200}};
constexpr MartItem kSaffron[] = {{"Great Ball", 600},  {"Hyper Potion", 1500}, {"Max Repel", 700},
                                 {"Escape Rope", 550}, {"Full Heal", 600},     {"Revive", 1500}};
constexpr MartItem kCeladon2[] = {{"Great Ball", 600},   {"Super Potion", 700}, {"Revive", 1500},  {"Super Repel", 500},
                                  {"Antidote", 100},     {"Burn Heal", 250},    {"Ice Heal", 250}, {"Awakening", 200},
                                  {"Paralyz Heal", 200}, {"TM 32", 1000},       {"TM 33", 1000},   {"TM 02", 2000},
                                  {"TM 07", 2000},       {"TM 37", 2000},       {"TM 01", 3000},   {"TM 05", 3000},
                                  {"TM 09", 3000},       {"TM 17", 3000}};
constexpr MartItem kCeladon4[] = {
    {"Poke Doll", 1000}, {"Fire Stone", 2100}, {"Thunder Stone", 2100}, {"Water Stone", 2100}, {"Leaf Stone", 2100}};
constexpr MartItem kCeladon5[] = {{"Accuracy", 950}, {"Guard Spec", 700}, {"Dire Hit", 650}, {"Attack", 500},
                                  {"Defend", 550},   {"Speed", 350},      {"Special", 350},  {"HP Up", 9800},
                                  {"Protein", 9800}, {"Iron", 9800},      {"Carbos", 9800},  {"Calcium", 9800}};
constexpr MartItem kCeladon6[] = {{"Fresh Water", 200}, {"Soda Pop", 300}, {"Lemonade", 350}};
constexpr MartItem kFuchsia[] = {{"Ultra Ball", 1200}, {"Great Ball", 600}, {"Super Potion", 700},
                                 {"Revive", 1500},     {"Full Heal", 600},  {"Super Repel", 500}};
constexpr MartItem kCinnabar[] = {{"Ultra Ball", 1200}, {"Great Ball", 600}, {"Hyper Potion", 1500}, {"Max Repel", 700},
                                  {"Escape Rope", 550}, {"Full Heal", 600},  {"Revive", 1500}};
constexpr MartItem kIndigo[] = {{"Ultra Ball", 1200}, {"Great Ball", 600}, {"Full Restore", 3000}, {"Max Potion", 2500},
                                {"Full Heal", 600},   {"Revive", 1500},    {"Max Repel", 700}};

// The entry texts are the shop list's own, "Fucshia" included.
constexpr MartStockRow kRows[] = {
    {"Cidade de Viridian"_cp, 20, kViridian},
    {"Cidade de Pewter"_cp, 20, kPewter},
    {"Cidade de Cerulean"_cp, 20, kCerulean},
    {"Cidade de Vermilion"_cp, 20, kVermilion},
    {"Cidade de Lavender"_cp, 20, kLavender},
    {"Cidade de Saffron"_cp, 20, kSaffron},
    {"Cidade de Celadon (2º Andar)"_cp, 20, kCeladon2},
    {"Cidade de Celadon (4º Andar)"_cp, 20, kCeladon4},
    {"Cidade de Celadon (5º Andar)"_cp, 19, kCeladon5},
    {"Cidade de Celadon (6º Andar)"_cp, 20, kCeladon6},
    {"Cidade de Fucshia"_cp, 21, kFuchsia},
    {"Ilha de Cinnabar"_cp, 21, kCinnabar},
    {"Indigo Plateau"_cp, 21, kIndigo},
};

} // namespace

const std::span<const MartStockRow> MartStockTable{kRows};

std::vector<std::string> MartLines(const MartStockRow& row)
{
    std::vector<std::string> lines;
    lines.reserve(row.Items.size());
    for (const MartItem& item : row.Items) {
        const std::string price = numbers::Dollars(item.Price);
        const std::size_t used = item.Name.size() + price.size();
        const std::size_t blanks = used < static_cast<std::size_t>(row.Width) ? row.Width - used : 1;
        std::string line(item.Name);
        line.append(blanks, ' ');
        line += price;
        lines.push_back(std::move(line));
    }
    return lines;
}
