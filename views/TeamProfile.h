// What the team window's profile shows, without a display: how hard each
// attacking type hits each member (the grid), the types that hit many members
// hard, and how far the team's own moves reach against every type a creature
// can have (coverage). Typed values first, then every cell, line and word
// the window puts on screen. Texts are Windows-1252.
#pragma once

#include "data/Types.h"
#include "views/Team.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

// ---- one factor, as the profile and coverage say it ------------------------------------

// A factor in quarters (0, 1, 2, 4, 8, 16) as the type chart window writes
// it: "×4", "×2", "×½", "×¼", "×0", and nothing for ×1 so that what matters
// stands out; std::invalid_argument for any other number.
std::string FactorSign(int quarters);
// The same in words: "4 vezes", "2 vezes", "metade", "um quarto", "sem
// efeito", "1 vez".
std::string FactorWords(int quarters);

// A defending creature's one or two types.
struct Defence {
    Type Type1;
    std::optional<Type> Type2;
    friend bool operator==(const Defence&, const Defence&) = default;
};
// "Pedra" or "Pedra/Terra".
std::string DefenceName(const Defence& d);

// The factor one move reaches against a defence, in quarters, as the engine
// counts it (data/Battle.cpp): the chart's for a move whose damage comes from
// the formula; ×1 for set damage (Sonic Boom, Dragon Rage, Seismic Toss,
// Night Shade, Super Fang, Psywave), which the engine neither scales nor
// stops by type; ×1 or ×0 for a one-hit KO, which only an immunity stops.
// Nothing for a move without direct damage, nor for Counter and Bide, whose
// damage is the battle's. std::out_of_range for a row outside MoveTable.
std::optional<int> MoveFactor(int move, const Defence& d);

// ---- the profile: attacking types against the members --------------------------------

class TeamProfile {
public:
    // Marked: a type that hits at least this many members double or more.
    static constexpr int MarkAt = 3;

    struct Row {
        Type Attacker;
        std::vector<int> Quarters; // one per member, in team order
        int SuperEffective = 0;    // members it hits ×2 or ×4
        int Resisted = 0;          // members it hits ×½, ×¼ or not at all
        bool Marked = false;       // SuperEffective >= MarkAt
    };

    // Best factor the team's moves reach against one defence.
    struct Reach {
        Defence Against;
        // Nothing when the team has no damaging move; else the best factor,
        // in quarters, and the first member (team order) and move (row of
        // MoveTable) that reach it.
        std::optional<int> Quarters;
        int Member = -1, Move = -1;
        // Whether the chart scaled it: false for set damage and one-hit KOs.
        bool Scaled = false;
    };

    // A grid cell: what it shows, and what a screen reader says of it
    // (empty for a title, said by its text).
    struct Cell {
        std::string Text, Words;
    };

    // Up to six members; more is a programming error (std::invalid_argument).
    // std::out_of_range for a creature without stats (#000) or a move outside
    // MoveTable.
    explicit TeamProfile(std::span<const TeamMember> team);

    int MemberCount() const { return static_cast<int>(names_.size()); }
    // A member as the profile names it: the games' name, with its place
    // among its namesakes when the team has more than one ("Pikachu (2)").
    // std::out_of_range outside 0..MemberCount()-1.
    const std::string& MemberName(int member) const;

    // ---- the profile
    // One row per attacking type, in the chart's order.
    const std::vector<Row>& Rows() const { return rows_; }

    // The grid: the attacking type, one column per member, then how many
    // members it hits double or more and how many resist it. Row 0 holds the
    // titles. std::out_of_range outside the grid.
    int GridCols() const { return MemberCount() + 3; }
    static constexpr int GridRows = TypeCount + 1;
    Cell GridCell(int col, int row) const;
    // How a screen reader names the grid.
    static std::string GridWords();
    // One row read as a sentence ("Pedra: Charmander 2 vezes, ...; 3 de 3
    // sofrem o dobro ou mais, nenhum resiste"); std::out_of_range for a row
    // outside 1..TypeCount.
    std::string RowWords(int row) const;
    // The marked rows, one line each ("Pedra: 3 de 3 sofrem o dobro ou
    // mais"), in the chart's order; empty when none is.
    std::vector<std::string> MarkedLines() const;

    // ---- coverage
    // Each type alone, in the chart's order, then each pair of types some
    // creature of the 151 has, once, as the first of them writes it, in the
    // chart's order.
    static const std::vector<Defence>& Defences();
    const std::vector<Reach>& Coverage() const { return coverage_; }
    // "Pedra/Terra: ×4, Surf de Squirtle" and the same in words; "Fantasma:
    // nenhum golpe causa dano" when the team has none.
    // std::out_of_range outside Coverage().
    Cell CoverageLine(int i) const;
    // The defences no move of the team hits better than ×1, in Coverage()'s
    // order, each with its best factor in words ("Fantasma: sem efeito").
    std::vector<std::string> Uncovered() const;
    // What the list of them is headed by.
    std::string UncoveredTitle() const;

private:
    std::vector<std::string> names_;
    std::vector<Row> rows_;
    std::vector<Reach> coverage_;
};
