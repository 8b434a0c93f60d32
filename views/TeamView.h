// The "my team" window without its controls: the user's six creatures, the
// one being edited (its creature, level, DVs, stat experience as typed, and
// its four moves), and the team against a trainer's party chosen as in the
// trainers window: for each of their creatures and each of mine, my best
// move on it and theirs on me with damage and knock-out chances, and who
// moves first. Texts are Windows-1252.
#pragma once

#include "data/Battle.h"
#include "data/Species.h"
#include "data/Trainers.h"
#include "views/DamageView.h"
#include "views/HandOff.h"
#include "views/Team.h"
#include "views/TrainersView.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TeamView {
public:
    // The level a creature added to the team starts at.
    static constexpr int NewLevel = 50;

    explicit TeamView(std::vector<TeamMember> members = {});

    // ---- the team ----
    const std::vector<TeamMember>& Members() const { return members_; }
    // Counts the changes to the team: the window saves when it moved.
    unsigned Changes() const { return changes_; }
    // "1. #025 Pikachu, Nv. 25 — Thundershock, Growl, Thunder Wave, Quick Attack".
    std::vector<std::string> MemberLines() const;
    bool Full() const { return members_.size() >= TeamSize; }
    // Adds the creature at NewLevel with the moves the engine gives it there
    // and chooses it; nothing when the team is full.
    void Add(species::Creature c);
    // Removes the member chosen; the next one (or the last) is chosen then.
    void RemoveChosen();
    // A line of MemberLines(); std::out_of_range for another.
    void ChooseMemberLine(int line);
    // -1 while the team is empty.
    int MemberLine() const { return chosen_; }

    // ---- the member chosen (nothing changes while none is) ----
    // Another creature at the same level, with its own moves for that level.
    void ChooseCreature(species::Creature c);
    // A field's text: when it is a number in range the member takes it,
    // otherwise the member stays and the field's note says what is wrong.
    // Moves the user has not changed follow a new level as the engine's do.
    void TypeLevel(std::string_view text);
    void TypeDv(Stat stat, std::string_view text); // one of DamageView::FieldStats
    void TypeStatExp(std::string_view text);
    // Slot 0..3; a line of MoveLines(): 0 is no move.
    void ChooseMoveLine(int slot, int line);

    // The fields as typed, and their notes ("1 a 100", "Inválido: use 1 a 100").
    const std::string& LevelText() const { return levelText_; }
    const std::string& DvText(Stat stat) const;
    const std::string& StatExpText() const { return statExpText_; }
    FieldNote LevelNote() const;
    FieldNote DvNote() const;
    FieldNote StatExpNote() const;
    // "—", then every move the chosen member may have (by level, then by
    // TM or HM); empty while none is chosen.
    std::vector<std::string> MoveLines() const;
    int MoveLineOf(int slot) const;
    // "Energia 59, Ataque 40, ..." of the chosen member; empty while none is.
    std::string StatsLine() const;

    // ---- against a party ----
    // The opposing party is chosen as in the trainers window; none is until
    // the user chooses one (a place, a trainer, a battle).
    const TrainersView& Opponents() const { return opponents_; }
    TrainersView& ChooseOpponents()
    {
        opponentChosen_ = true;
        return opponents_;
    }
    // Chooses a party sent from elsewhere (the trainers window).
    void ChooseOpponent(const trainers::Party& p) { ChooseOpponents().ChooseParty(p); }
    // The party chosen; nothing before one is.
    const trainers::Party* Opponent() const { return opponentChosen_ ? opponents_.Party() : nullptr; }

    // One of their creatures against one of mine.
    struct Side {
        std::optional<int> Move; // the best move (row of MoveTable); nothing when none deals damage
        BattleResult Result;     // of that move
    };
    struct Matchup {
        int Theirs = 0, Mine = 0; // member of the party, member of the team
        Side MineOnTheirs, TheirsOnMine;
        int MySpeed = 0, TheirSpeed = 0;
    };
    // Every pair, their creatures in party order, then mine in team order;
    // none before a party is chosen.
    std::vector<Matchup> Against() const;
    // The table of matchups: its columns, then one row per matchup with its
    // cells and the sort keys of its numeric columns.
    struct Column {
        std::string Caption;
        int Width = 64;
        bool Numeric = false;
    };
    struct Row {
        std::vector<std::string> Cells;
        std::vector<double> Keys;
    };
    static std::vector<Column> AgainstColumns();
    std::vector<Row> AgainstRows(const std::vector<Matchup>& matchups) const;
    // The two sides of a matchup as the calculator takes them, mine attacking
    // with my best move (theirs if I have none).
    struct ForCalculator {
        HandedSide Mine, Theirs;
        std::optional<int> Move;
    };
    ForCalculator CalculatorPair(const Matchup& m) const;

private:
    void changed();
    void showFields();
    TeamMember* chosen();

    std::vector<TeamMember> members_;
    int chosen_ = -1;
    unsigned changes_ = 0;
    std::string levelText_, statExpText_;
    std::array<std::string, 4> dvTexts_;
    TrainersView opponents_;
    bool opponentChosen_ = false;
};

// A party the trainers window sends to the team window ("Contra minha equipe").
using PartyHandOff = HandOff<const trainers::Party*>;
// The program's one (the window thread's).
PartyHandOff& ToTeam();
