// The moves window without a display. By move: the moves filtered by a typed
// name and a type, the chosen move's details and who learns it, and how. By
// creature: its moves by level and by TM or HM. What the user does comes in
// as member functions named for it; every cell, line and count the window
// shows comes out as Windows-1252 text. A table's widget draws its rows in
// the order the user sorted them; the view is told that order where what it
// does depends on it (the first move shown takes the place of one filtered
// out).
#pragma once

#include "data/Species.h"
#include "data/Types.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MovesView {
public:
    // A move: its row in MoveTable.
    class Move {
    public:
        // Nothing for a row outside MoveTable.
        static std::optional<Move> FromRow(int row);
        // Nothing for a name MoveTable does not hold exactly ("Thunderbolt").
        static std::optional<Move> Named(std::string_view name);
        int Row() const { return row_; }
        friend auto operator<=>(const Move&, const Move&) = default;

    private:
        friend class MovesView;
        explicit Move(int row) : row_(row) {}
        int row_;
    };

    struct Column {
        std::string Caption; // Windows-1252
        int Width;
        bool Numeric = false; // sorted by the rows' keys
        bool Words = false;   // numeric, but its values are words ("Nv. 7")
    };
    struct Row {
        std::vector<std::string> Cells; // one per column, Windows-1252
        std::vector<double> Keys;       // a numeric column's key; NaN sorts last
    };
    // By column 0.., largest first when descending; column -1: as given.
    struct SortOrder {
        int Column = -1;
        bool Descending = false;
    };
    struct Table {
        std::vector<Column> Columns;
        std::vector<Row> Rows;
        std::optional<int> Chosen; // row number
        SortOrder Sort;
        // Counts the times the rows were made anew: a control needs them
        // again only when it changed.
        unsigned Generation = 0;
        // Row number of each line, top to bottom, in the order sorted: a
        // numeric column by its keys, any other by its text, case and accents
        // not counting; rows that tie keep their order.
        std::vector<int> ShownOrder() const;
    };
    enum class Part { Moves, Learners, CreatureMoves };

    // Every move listed, the first one shown; no creature yet.
    MovesView();

    // The window comes forward: the filters cleared, and the creature shown
    // (#001 while the main window shows none).
    void Opened(std::optional<species::Creature> shown);
    // Any text: a name that holds it anywhere, case, blanks and hyphens
    // ignored, is listed ("selfd" finds Self-Destruct).
    void NameTyped(std::string_view text);
    // Line of TypeLines(); std::out_of_range for another.
    void TypeChosen(int line);
    // The order a table's widget shows its rows in; a column outside the
    // table: std::out_of_range.
    void Sorted(Part part, SortOrder order);
    // Row number of a table, as the widget gives it: -1 (nothing chosen)
    // changes nothing; a row past the table, std::out_of_range.
    void MoveRowChosen(int row);
    void LearnerChosen(int row);      // shows that creature's moves
    void CreatureMoveChosen(int row); // shows that move above
    void CreatureChosen(species::Creature creature);
    // Shows a move and chooses its row, clearing the filters first when they
    // hide it.
    void ChooseMove(Move move);

    // "Todos os tipos", then each type's name in the games' order.
    static std::vector<std::string> TypeLines();
    const std::string& NameText() const { return name_; }
    int TypeLine() const { return typeLine_; }

    // Golpe, Tipo, Poder, Precisão, PP, TM/HM.
    const Table& Moves() const { return moves_; }
    // "165 golpes", "1 golpe", "Nenhum golpe encontrado".
    std::string CountText() const;
    std::optional<Move> ShownMove() const { return shown_; }
    // Name, type, power (with what a power word means), accuracy, PP,
    // effect, TM/HM and where it is found, a line each; "Escolha um golpe"
    // when the filters leave none.
    std::vector<std::string> MoveLines() const;
    // Pokémon, Como: by level first, then by its machine.
    const Table& Learners() const { return learners_; }

    std::optional<species::Creature> Creature() const { return creature_; }
    // Como, Golpe, Tipo, Poder, Precisão, PP: by level, then by TM or HM.
    const Table& CreatureMoves() const { return creatureMoves_; }

private:
    Table& TableOf(Part part);
    void ApplyFilter();
    void ShowMove(std::optional<Move> move);

    std::string name_;
    int typeLine_ = 0;
    std::optional<Type> type_;
    Table moves_, learners_, creatureMoves_;
    std::vector<Move> listed_;                          // each row of moves_
    std::vector<species::Creature> learnerRows_;        // each row of learners_
    std::vector<std::optional<Move>> creatureMoveRows_; // each row of creatureMoves_
    std::optional<Move> shown_;
    std::optional<species::Creature> creature_;
};
