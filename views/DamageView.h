// The damage calculator without its window: two sides, each a creature with
// its level, DVs, stat experience and stat stages as typed; a move from the
// list that puts the attacker's own first; the burn and the screens; and
// every note, stats line and result line the window shows, and every move of
// the attacker's own ranked against the defender. Each change computes anew.
// A field whose text is no valid number keeps its text, is said wrong in its
// note and at the top of the result, and the result keeps the last valid
// figures, marked as such. Texts are Windows-1252.
#pragma once

#include "data/Battle.h"
#include "data/Species.h"
#include "views/BattleText.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class Combatant : std::uint8_t { Attacker, Defender };

// A side another window hands to the calculator: a creature as the game
// fights with it (a trainer's, with the trainer's DVs and its four moves),
// and where it comes from in words.
struct HandedSide {
    Combatant Who = Combatant::Defender;
    species::Creature Creature = *species::Creature::FromNumber(1);
    int Level = 50;
    Dvs Dv;
    int StatExp = 0;
    // Rows of MoveTable, -1 for an empty slot: listed first while it attacks.
    std::array<int, 4> Moves{-1, -1, -1, -1};
    bool Opponent = false; // the game's side (its Psywave may deal 0)
    std::string Source;    // "Starmie de Misty, Nv. 21", Windows-1252
};

// A line of the ranking: a move (row of MoveTable) and what one use does.
struct RankedMove {
    int Move = -1;
    std::string Line; // "Thunderbolt — 91–108 (91,9–109,1% da Energia) — nocaute em 1 uso: 36,0%; …"
    friend bool operator==(const RankedMove&, const RankedMove&) = default;
};

// What a field holds: the text as typed, and its number when the text is one
// within the field's range.
struct TypedNumber {
    std::string Text;
    std::optional<int> Value;
};

// The words beside a field: its range, or what is wrong with it.
struct FieldNote {
    std::string Text;
    bool Wrong = false;
    friend bool operator==(const FieldNote&, const FieldNote&) = default;
};

class DamageView {
public:
    static constexpr int MaxStatExp = 65535;
    static constexpr int LowestStage = -6, HighestStage = 6;
    // The stats a DV field and a stage chooser stand for, in the window's order.
    static constexpr std::array<Stat, 4> FieldStats{Stat::Attack, Stat::Defense, Stat::Speed, Stat::Special};
    // The place of `stat` among FieldStats; std::invalid_argument for HP (derived).
    static std::size_t FieldIndex(Stat stat);

    // Both sides #001 at level 50, every DV 15, no stat experience, no stage,
    // no tick; no move until an attacker is chosen.
    DamageView();

    // ---- what the user does ----
    // #000 has no stats: the first creature stands in for it. Choosing the
    // attacker lists its moves; the move chosen stays, the first of its own
    // moves when none was.
    void ChooseCreature(Combatant who, species::Creature c);
    void TypeLevel(Combatant who, std::string_view text);
    // `stat`: one of FieldStats; std::invalid_argument for HP (derived) or another.
    void TypeDv(Combatant who, Stat stat, std::string_view text);
    void TypeStatExp(Combatant who, std::string_view text);
    // The highest stat experience, as if typed.
    void MaxStatExpRequested(Combatant who);
    // `stage`: LowestStage..HighestStage, else std::out_of_range.
    void ChooseStage(Combatant who, Stat stat, int stage);
    // A row of MoveTable (std::out_of_range for others).
    void ChooseMove(int move);
    // A line of MoveLines(): the parting line is no move, and changes nothing.
    void ChooseMoveLine(int line);
    // The move of a line of Ranking() (std::out_of_range for others).
    void ChooseRankingLine(int line);
    void TickBurned(bool on);
    void TickReflect(bool on);
    void TickLightScreen(bool on);
    // Puts a handed side in the fields, as typed. Until the user changes that
    // side's creature, level, DVs or stat experience it is said to come from
    // its source and fights as the game's side would; as the attacker, its
    // own four moves are listed first and its first damaging one is chosen.
    // std::out_of_range for a level, DV or stat experience no field takes.
    void TakeSide(const HandedSide& side);

    // ---- what the window shows ----
    // The creature choosers' lines: line i is creature #(i + 1).
    static std::vector<std::string> CreatureLines();
    static int LineOf(species::Creature c) { return c.Number() - 1; }
    // std::out_of_range for a line outside 0..150.
    static species::Creature CreatureAtLine(int line);
    // "-6" .. "+6"; line i is stage i − 6.
    static std::vector<std::string> StageLines();
    static int LineOfStage(int stage) { return stage - LowestStage; }
    static int StageAtLine(int line); // std::out_of_range outside the lines

    species::Creature CreatureOf(Combatant who) const { return side(who).Creature; }
    // "Atacante", "Defensor"; "Defensor: Starmie de Misty, Nv. 21" while the
    // side is as handed.
    std::string SideTitle(Combatant who) const;
    int StageOf(Combatant who, Stat stat) const;
    const TypedNumber& Level(Combatant who) const { return side(who).Level; }
    const TypedNumber& Dv(Combatant who, Stat stat) const;
    const TypedNumber& StatExp(Combatant who) const { return side(who).StatExp; }

    FieldNote LevelNote(Combatant who) const;
    // The DV range, or what is wrong with the first wrong DV.
    FieldNote DvNote(Combatant who) const;
    // What one DV field says to a screen reader: its range or what is wrong.
    std::string DvDescription(Combatant who, Stat stat) const;
    FieldNote StatExpNote(Combatant who) const;
    // The HP DV, made of the other four; "—" while one of them is wrong.
    std::string HpDvText(Combatant who) const;
    // "Energia 35, Ataque 55, Defesa 30, Velocidade 90, Especial 50"; "—"
    // while a field of the side is wrong.
    std::string StatsLine(Combatant who) const;

    // The move list: the attacker's own moves (by level, then by machine,
    // each once), a parting line, the others by name. Empty until an
    // attacker is chosen.
    const std::vector<std::string>& MoveLines() const { return moveLines_; }
    // The MoveTable row of each line; nothing for the parting line.
    const std::vector<std::optional<int>>& ListedMoves() const { return listedMoves_; }
    int PartingLine() const;
    std::optional<int> Move() const { return move_; }
    // The line of the move chosen; -1 while none is.
    int MoveLine() const;

    bool Burned() const { return burned_; }
    bool Reflect() const { return reflect_; }
    bool LightScreen() const { return lightScreen_; }

    // What one use of the move does, line by line; while fields are wrong,
    // what to correct first, then the last valid figures under a line that
    // marks them. Empty while no move is chosen.
    const std::vector<std::string>& ResultLines() const { return result_; }
    // The same lines as one text.
    std::string ResultText() const;

    // Every move of the attacker's own (the lines before the parting one)
    // against the defender as the sides stand, one line each (SummaryLine):
    // best first by BetterMove, then those that deal no damage here in list
    // order. Like the result's figures, it stays the last valid one while a
    // field is wrong (the result says what to correct), even if the attacker
    // changed meanwhile; empty until an attacker is chosen with both sides
    // valid. Choosing a move alone leaves it as it is.
    const std::vector<RankedMove>& Ranking() const { return ranking_; }
    // The ranking's line of the move chosen; -1 while it has none.
    int RankingLine() const;
    // What the ranking is, best first; while a field is wrong, marked as the
    // last valid one, as the result's figures are.
    std::string RankingTitle() const;

private:
    struct SideState {
        species::Creature Creature = *species::Creature::FromNumber(1);
        TypedNumber Level, StatExp;
        std::array<TypedNumber, 4> Dv; // by FieldStats
        std::array<int, 4> Stage{};    // by FieldStats
        // A handed side, while the user has not changed it: where it comes
        // from (empty otherwise), its moves, whether it is the game's.
        std::string Source;
        std::array<int, 4> Moves{-1, -1, -1, -1};
        bool Opponent = false;
    };
    // The user changed the side: it is no longer the one handed.
    void forgetSource(Combatant who);
    static SideState initialSide();
    SideState& side(Combatant who) { return who == Combatant::Attacker ? attacker_ : defender_; }
    const SideState& side(Combatant who) const { return who == Combatant::Attacker ? attacker_ : defender_; }
    // The battle side the fields make; nothing while one is wrong.
    std::optional<BattleSide> battleSide(Combatant who) const;
    void listMoves();
    // What changed: the sides (a field, a creature, a tick) or only the move.
    enum class Change : std::uint8_t { Sides, Move };
    void recompute(Change change = Change::Sides);
    // Ranks the attacker's own moves against the sides as they stand.
    void rank(const BattleSide& attacker, const BattleSide& defender);

    SideState attacker_, defender_;
    bool burned_ = false, reflect_ = false, lightScreen_ = false;
    std::vector<std::string> moveLines_;
    std::vector<std::optional<int>> listedMoves_;
    std::optional<int> move_;
    std::vector<std::string> lastValid_; // the lines of the last valid sides
    std::vector<std::string> result_;
    std::vector<RankedMove> ranking_;
    bool rankingStale_ = false; // a field is wrong: ranking_ is the last valid one
    // What each ranked move does against the sides as they stand: the result
    // of a move chosen from among them is not computed again.
    std::vector<std::pair<int, BattleResult>> ranked_;
};
