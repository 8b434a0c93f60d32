// What the damage window says of one computed battle, line by line, in
// words and with Brazilian numbers (Windows-1252), and what it says while a
// field holds no valid value.
#pragma once

#include "data/Battle.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The lines for `r`, the result of move `move` (row of MoveTable) used on
// creature #`defender` (1..151). A damaging move: its damage and critical
// range as part of the target's HP, the hits per use of a multi-hit move or
// the turns of a trapping one, the chance to knock out within 1 to 4 uses
// (damage rolls alone, then with critical hits and misses), the critical and
// the hit chance; then why: the type effectiveness, the same-type bonus,
// burn and screens that do not count, a critical hit below a normal one,
// what the program does not model. A move that may stop the game: how often,
// and what the other uses do. Any other kind: one line that says why there
// are no figures.
std::vector<std::string> ResultLines(const BattleResult& r, int move, int defender);

// The same result as one short line, for a list of moves side by side:
// "Thunderbolt — 91–108 (91,9–109,1% da Energia) — nocaute em 1 uso: 36,0%;
// em 2: 99,6%", the knock-out chances counting critical hits and misses, up
// to the first use that is sure or the fourth ("nenhum nocaute em 4 usos" if
// none rounds above 0). A move without figures says why in a few words
// ("Growl — não causa dano", "Body Slam — sem efeito em Gengar").
std::string SummaryLine(const BattleResult& r, int move, int defender);

// "Energia 35, Ataque 55, Defesa 30, Velocidade 90, Especial 50": stats by Stat.
std::string StatsText(const std::array<int, StatCount>& stats);

// "Água/Psíquico": the types of creature #`creature` (1..151), the catalogue's words.
std::string TypesText(int creature);

// ---- the window's fields -------------------------------------------------------

// A whole number typed in a field, within lo..hi: digits only, blanks around
// them ignored; anything else (a sign, a letter, a blank between digits, too
// many digits) is none.
std::optional<int> FieldNumber(std::string_view text, int lo, int hi);

// The fields of one side that hold a number, in the window's order.
enum class SideField : std::uint8_t { Level, DvAttack, DvDefense, DvSpeed, DvSpecial, StatExp };

// The values a field takes: level 1..100, DV 0..15, stat experience 0..65535.
struct FieldLimits {
    int Low, High;
};
FieldLimits LimitsOf(SideField field);

// What a wrong field needs, as the result box says it: "Corrija o nível do
// Atacante: use 1 a 100".
std::string CorrectionLine(SideField field, bool attacker);

// The result box while some fields are wrong: one line per wrong field (as
// CorrectionLine gives them), then the last valid lines, if any, under a line
// that says they are the last valid ones and miss the changes since.
std::vector<std::string> StaleResultLines(const std::vector<std::string>& corrections,
                                          const std::vector<std::string>& lastValid);
