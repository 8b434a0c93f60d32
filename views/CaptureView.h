// The "Chance de Captura" panel without its window: a creature, its level as
// typed, how much HP it has left and its status; and the chance that each
// ball catches it in one throw, the throws for 50, 90 and 99 %, how a missed
// ball shakes, the Safari Zone's figures where it lives there, and where it
// cannot be caught at all. Figures are data/Capture's, averaged over the 16
// HP DVs. A field whose text is no valid number keeps its text, is said wrong
// in its note, and the lines say what to correct instead of figures. Texts
// are Windows-1252.
#pragma once

#include "data/Capture.h"
#include "data/Species.h"
#include "views/DamageView.h"

#include <string>
#include <string_view>
#include <vector>

class CaptureView {
public:
    static constexpr int MaxExactHp = 999;

    // #001 at level 50, full HP, no status; the exact HP field empty.
    CaptureView();

    // ---- what the user does ----
    void ChooseCreature(species::Creature c);
    void TypeLevel(std::string_view text);
    // A line of HpLines() / StatusLines(); std::out_of_range for others.
    void ChooseHpLine(int line);
    void ChooseStatusLine(int line);
    // Counts only while the HP line is "valor exato"; an HP above a DV's
    // maximum is that DV's full HP.
    void TypeExactHp(std::string_view text);

    // ---- what the window shows ----
    // "#000 - MissingNo." .. "#151 - Mew": line i is creature #i.
    static std::vector<std::string> CreatureLines();
    // "cheia", "½", "1/3", "¼", "1 de Energia", "valor exato", by capture::HpShare.
    static std::vector<std::string> HpLines();
    // "nenhum", "dormindo", "congelado", "envenenado", "queimado",
    // "paralisado", by capture::Status.
    static std::vector<std::string> StatusLines();

    species::Creature Creature() const { return creature_; }
    const TypedNumber& Level() const { return level_; }
    FieldNote LevelNote() const;
    int HpLine() const { return static_cast<int>(share_); }
    int StatusLine() const { return static_cast<int>(status_); }
    const TypedNumber& ExactHp() const { return exactHp_; }
    // Whether the exact HP field counts (the window enables it then).
    bool ExactHpUsed() const { return share_ == capture::HpShare::Exact; }
    FieldNote ExactHpNote() const;

    // Every line of the result: what the choices are, one line per ball
    // ("Ultra Ball: 0,9% por arremesso — 50%: 76 arremessos, 90%: 253, 99%:
    // 505"), the Great Ball ahead of the Ultra Ball when it is, the shakes of
    // a missed ball, the Master Ball, the 16 HP DVs, the Safari Zone, and
    // where it cannot be caught. #000 and wrong fields: why there are no
    // figures.
    const std::vector<std::string>& Lines() const { return lines_; }
    std::string Text() const;

private:
    void recompute();

    species::Creature creature_;
    TypedNumber level_, exactHp_;
    capture::HpShare share_ = capture::HpShare::Full;
    capture::Status status_ = capture::Status::None;
    std::vector<std::string> lines_;
};

// What the "where to find" window says of catching a wild creature #
// `creature` (1..151) met at `level` (1..100), full HP, no status, averaged
// over its HP DVs: "captura por arremesso, Energia cheia: Poké Ball 0,4%,
// Ultra Ball 0,9%"; in the Safari Zone the Safari Ball's, and its chance to
// run each turn. std::out_of_range for a creature or level outside the
// ranges.
std::string CatchLine(int creature, int level, bool safariZone = false);
