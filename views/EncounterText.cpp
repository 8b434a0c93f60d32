#include "views/EncounterText.h"

#include "catalogue/Catalogue.h"
#include "text/Cp1252.h"
#include "text/Numbers.h"
#include "views/CaptureView.h"

namespace encounters {

namespace {

using namespace cp1252::literals;

constexpr std::string_view kDash = " — "_cp;

bool IsRod(Method m)
{
    return m == Method::OldRod || m == Method::GoodRod || m == Method::SuperRod;
}

std::string LevelText(const SourceLine& l)
{
    if (l.MinLevel == 0)
        return {}; // a trade: the level of the creature given
    if (l.MinLevel == l.MaxLevel)
        return std::string("nível "_cp) + std::to_string(l.MinLevel);
    return std::string("níveis "_cp) + std::to_string(l.MinLevel) + " a " + std::to_string(l.MaxLevel);
}

// "fisga 3 vezes em 7 lances; Psyduck 1 em 7": how often a cast bites, then
// how often it brings this creature, both per cast (a player counts casts).
std::string RodText(const SourceLine& l)
{
    const Fraction& bite = l.Bite;
    const Fraction& mine = l.Overall;
    const std::string casts = bite.Num == bite.Den
                                  ? "fisga em todo lance"
                                  : "fisga " + std::to_string(bite.Num) + (bite.Num == 1 ? " vez em " : " vezes em ") +
                                        std::to_string(bite.Den) + " lances";
    const std::string name(species::GamesName(l.Creature));
    const std::string brings = mine.Num == mine.Den
                                   ? "sempre " + name
                                   : name + " " + std::to_string(mine.Num) + " em " + std::to_string(mine.Den);
    return casts + "; " + brings;
}

std::string ChanceText(const SourceLine& l)
{
    if (IsRod(l.How))
        return RodText(l);
    if (l.Chance.Den == 0)
        return {};
    return PercentText(l.Chance) + " dos encontros";
}

std::string VersionsText(Version v)
{
    return v == Version::Both ? std::string(VersionName(v)) : std::string("só "_cp).append(VersionName(v));
}

// A creature met in battle (in the grass, on the water, on a rod, standing
// in its place) can be caught: the chance per throw at its lowest level.
std::string CatchText(const SourceLine& l)
{
    switch (l.How) {
    case Method::Grass:
    case Method::Water:
    case Method::OldRod:
    case Method::GoodRod:
    case Method::SuperRod:
    case Method::Static: {
        return CatchLine(l.Creature, std::max(1, l.MinLevel), InSafariZone(l.Where));
    }
    default: return {};
    }
}

// Method, levels, chance, versions, note and the chance to catch, each
// where there is one.
std::string Rest(const SourceLine& l)
{
    std::string text(MethodName(l.How));
    for (const std::string& part : {LevelText(l), ChanceText(l), VersionsText(l.Versions), l.Note, CatchText(l)})
        if (!part.empty())
            text.append(kDash).append(part);
    return text;
}

// "#025".
std::string NumberText(int creature)
{
    return std::string("#").append(Catalogue::Entry(Catalogue::RowOfNumber(creature)).NumberText());
}

// "de Ivysaur no nível 32", "de Pikachu com a Thunder Stone", "de Kadabra por troca".
std::string FromText(const species::Evolution& e)
{
    std::string text = std::string("de ").append(species::GamesName(e.From));
    switch (e.By) {
    case species::Trigger::Level: return text.append(" no nível "_cp).append(std::to_string(e.Level));
    case species::Trigger::Stone: return text.append(" com a ").append(species::StoneName(e.With));
    case species::Trigger::Trade: return text + " por troca";
    }
    return text;
}

} // namespace

std::string PercentText(const Fraction& f)
{
    // The guide's one way of writing a share, rounded half up in integers.
    return f.Den <= 0 ? "0,0%" : numbers::Percent(f.Num, f.Den) + "%";
}

std::string CreatureLineText(const SourceLine& line)
{
    return std::string(PlaceName(line.Where)).append(kDash).append(Rest(line));
}

std::string PlaceLineText(const SourceLine& line)
{
    return NumberText(line.Creature) + " " + std::string(species::GamesName(line.Creature)) + std::string(kDash) +
           Rest(line);
}

std::vector<std::string> CreatureView(species::Creature c, Version shown)
{
    const int creature = c.Number();
    const std::vector<SourceLine> all = CreatureLines(creature);
    std::vector<std::string> view;
    for (const SourceLine& l : all)
        if (InVersion(l.Versions, shown))
            view.push_back(CreatureLineText(l));
    if (c.IsGlitch())
        return {std::string("Não está em nenhuma tabela de encontros das versões Azul e Vermelha: é uma "
                            "entrada de erro do jogo, não um pokémon"_cp)};
    const species::Evolution* from = species::EvolutionInto(creature);
    if (all.empty() && !from)
        return {std::string("Não se encontra nas versões Azul e Vermelha: nenhum encontro, presente, troca ou "
                            "prêmio do jogo o dá"_cp)};
    const bool foundHere = !view.empty();
    if (!all.empty() && !foundHere)
        view.push_back(std::string("Não se encontra na versão "_cp).append(VersionName(shown)));
    if (from) {
        const char* lead = all.empty() ? "Só por evolução: " : foundHere ? "Também por evolução: " : "Por evolução: ";
        view.push_back(cp1252::fromUtf8(lead) + FromText(*from));
    }
    return view;
}

std::vector<std::string> PlaceView(Place p, Version shown)
{
    std::vector<std::string> view;
    for (const SourceLine& l : PlaceLines(p))
        if (InVersion(l.Versions, shown))
            view.push_back(PlaceLineText(l));
    if (view.empty())
        view.push_back(std::string("Nenhum pokémon aqui na versão "_cp).append(VersionName(shown)));
    return view;
}

} // namespace encounters
