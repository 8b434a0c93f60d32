// The words of the "where to find" window, one sentence a line: every way to
// get a creature, every creature of a place, and what to say when there is
// none. Plain text (Windows-1252), so the window only shows them; the tables
// and chances they are made from are data/Encounters'.
#pragma once

#include "data/Encounters.h"
#include "data/Species.h"

#include <string>
#include <vector>

namespace encounters {

// A chance in percent, one decimal, with a decimal comma: "5,5%".
std::string PercentText(const Fraction& f);

// One way to get a creature: place, method, levels, chance, versions and what
// the way asks, joined by dashes. "Floresta Viridian — grama/caverna — níveis
// 3 a 5 — 5,5% dos encontros — Azul e Vermelha". A rod line says how often
// a cast brings a bite and how often it brings the creature: "Qualquer lugar
// com água — Vara Boa — nível 10 — fisga 1 vez em 3 lances; Goldeen 1 em 6 —
// Azul e Vermelha".
std::string CreatureLineText(const SourceLine& line);

// One creature of a place, by number and the games' name, then as above
// without the place: "#025 Pikachu — grama/caverna — ...".
std::string PlaceLineText(const SourceLine& line);

// Everything the window lists for a creature in the versions `shown` (Both:
// either): its lines in CreatureLines' order, then how it evolves from the
// form before it; a creature had only by evolving, #000 and #151 say so in
// words.
std::vector<std::string> CreatureView(species::Creature creature, Version shown);

// Everything the window lists for a place in the versions `shown`; a line in
// words when nothing is found there in them.
std::vector<std::string> PlaceView(Place p, Version shown);

} // namespace encounters
