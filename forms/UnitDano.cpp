#include "forms/UnitDano.h"

#include "data/Species.h"
#include "text/Cp1252.h"
#include "views/CalculatorHandoff.h"
#include "views/Selection.h"
#include "widgets/SysUtils.h"

#include <QStandardItemModel>

#include <algorithm>

using namespace cp1252::literals;

TFormDano* FormDano = nullptr;

namespace {

constexpr Combatant kSides[] = {Combatant::Attacker, Combatant::Defender};

// The note beside a field: its range, or in dark red what is wrong.
void Note(TLabel* label, const FieldNote& note)
{
    // Most changes leave the note as it is: nothing to lay out again then.
    const TColor color = note.Wrong ? clMaroon : clBlack;
    if (label->Font().Color != color) {
        TFont f = label->Font();
        f.Color = color;
        label->SetFont(f);
    }
    if (label->Caption() != note.Text)
        label->SetCaption(note.Text);
}

// The field says the same as its note to a screen reader.
void Note(TLabel* label, TEdit* field, const FieldNote& note)
{
    Note(label, note);
    field->SetAccessibleDescription(note.Text);
}

bool Is(TObject* sender, TObject* control)
{
    return sender == control;
}

} // namespace

TFormDano::SideControls TFormDano::Controls(Combatant who) const
{
    if (who == Combatant::Attacker)
        return {AttackerChooser,
                AttackerLevel,
                AttackerLevelNote,
                AttackerDvHp,
                {AttackerDvAttack, AttackerDvDefense, AttackerDvSpeed, AttackerDvSpecial},
                {AttackerStageAttack, AttackerStageDefense, AttackerStageSpeed, AttackerStageSpecial},
                AttackerDvNote,
                AttackerStatExp,
                AttackerStatExpMax,
                AttackerStatExpNote,
                AttackerStats};
    return {DefenderChooser,
            DefenderLevel,
            DefenderLevelNote,
            DefenderDvHp,
            {DefenderDvAttack, DefenderDvDefense, DefenderDvSpeed, DefenderDvSpecial},
            {DefenderStageAttack, DefenderStageDefense, DefenderStageSpeed, DefenderStageSpecial},
            DefenderDvNote,
            DefenderStatExp,
            DefenderStatExpMax,
            DefenderStatExpNote,
            DefenderStats};
}

std::pair<Combatant, int> TFormDano::whose(TObject* sender) const
{
    for (Combatant who : kSides) {
        const SideControls c = Controls(who);
        for (std::size_t i = 0; i < c.Dv.size(); ++i)
            if (Is(sender, c.Dv[i]) || Is(sender, c.Stage[i]))
                return {who, static_cast<int>(i)};
        if (Is(sender, c.Level) || Is(sender, c.StatExp) || Is(sender, c.StatExpMax))
            return {who, -1};
    }
    throw std::invalid_argument("FormDano: not a control of either side");
}

void TFormDano::AfterDefinitionRead()
{
    // Both sides have the same labels: each field says whose it is.
    for (const auto& [who, whose] : {std::pair{Combatant::Attacker, std::string("do atacante")},
                                     std::pair{Combatant::Defender, std::string("do defensor")}}) {
        const SideControls c = Controls(who);
        c.Level->SetAccessibleName(std::string("Nível "_cp) + whose);
        c.HpDv->SetAccessibleName("DV de Energia " + whose);
        for (std::size_t i = 0; i < c.Dv.size(); ++i) {
            const std::string stat(StatName(DamageView::FieldStats[i]));
            c.Dv[i]->SetAccessibleName("DV de " + stat + " " + whose);
            c.Stage[i]->SetAccessibleName(std::string("Estágio de "_cp) + stat + " " + whose);
        }
        c.StatExp->SetAccessibleName(std::string("Experiência de status "_cp) + whose);
        c.StatExpMax->SetAccessibleName(std::string("Experiência de status máxima "_cp) + whose);
        c.Stats->SetAccessibleName("Atributos " + whose);
    }
    AttackerChooser->SetAccessibleName(std::string("Pokémon atacante"_cp));
    DefenderChooser->SetAccessibleName(std::string("Pokémon defensor"_cp));
    BurnedCheck->SetAccessibleName("Atacante queimado");
    ReflectCheck->SetAccessibleName("Reflect no defensor");
    LightScreenCheck->SetAccessibleName("Light Screen no defensor");
    MoveChooser->SetAccessibleName("Golpe");
    ResultText->SetAccessibleName("Resultado");
    RankingList->SetAccessibleName(std::string("Golpes do atacante contra o defensor, do melhor ao pior"_cp));
    // A line wider than the list scrolls sideways rather than being cut.
    RankingList->setUniformItemSizes(false);
    RankingList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    TForm::AfterDefinitionRead();
    // On Linux a combo box is announced by the line it shows, not by its
    // name: the description says what it chooses.
    for (Combatant who : kSides) {
        const SideControls c = Controls(who);
        c.Creature->SetAccessibleDescription(FromQt(c.Creature->accessibleName()));
        for (TComboBox* stage : c.Stage)
            stage->SetAccessibleDescription(FromQt(stage->accessibleName()));
    }
    MoveChooser->SetAccessibleDescription(FromQt(MoveChooser->accessibleName()));
}

void TFormDano::FormCreate(TObject*)
{
    // The lists the two sides have alike are filled once and shared: the
    // window opens faster, and each box keeps its own choice.
    AttackerChooser->Items().Assign(DamageView::CreatureLines());
    AttackerStageAttack->Items().Assign(DamageView::StageLines());
    for (Combatant who : kSides) {
        const SideControls c = Controls(who);
        if (c.Creature != AttackerChooser)
            c.Creature->setModel(AttackerChooser->model());
        c.Creature->FindTyped = [](const std::string& typed) { return species::FindTyped(typed) - 1; };
        c.Creature->SetItemIndex(DamageView::LineOf(view_.CreatureOf(who)));
        c.Level->SetText(view_.Level(who).Text);
        for (std::size_t i = 0; i < c.Dv.size(); ++i) {
            c.Dv[i]->SetText(view_.Dv(who, DamageView::FieldStats[i]).Text);
            if (c.Stage[i] != AttackerStageAttack)
                c.Stage[i]->setModel(AttackerStageAttack->model());
            c.Stage[i]->SetItemIndex(DamageView::LineOfStage(view_.StageOf(who, DamageView::FieldStats[i])));
        }
        c.StatExp->SetText(view_.StatExp(who).Text);
    }
    // The move list follows the attacker, chosen when the window shows.
}

void TFormDano::FormShow(TObject*)
{
    // The creature the main window shows attacks (the view stands #001 in for
    // #000), or defends against a side another window hands over to attack;
    // two sides handed over leave it out.
    const auto shown = ShownCreature().Creature();
    const std::optional<Handoff> handed = ToCalculator().Take();
    const auto handedSide = [&](Combatant who) {
        return handed && std::any_of(handed->Sides.begin(), handed->Sides.end(),
                                     [who](const HandedSide& s) { return s.Who == who; });
    };
    if (!handedSide(Combatant::Attacker))
        choose(Combatant::Attacker, shown ? shown->Number() : 1);
    else if (!handedSide(Combatant::Defender))
        choose(Combatant::Defender, shown ? shown->Number() : 1);
    if (!handed)
        return;
    for (const HandedSide& side : handed->Sides)
        TakeSide(side);
    if (handed->Move)
        ChooseMove(*handed->Move);
}

void TFormDano::TakeSide(const HandedSide& side)
{
    view_.TakeSide(side);
    const SideControls c = Controls(side.Who);
    c.Creature->SetItemIndex(DamageView::LineOf(view_.CreatureOf(side.Who)));
    // The fields' own changes hand the same texts to the view again.
    c.Level->SetText(view_.Level(side.Who).Text);
    for (std::size_t i = 0; i < c.Dv.size(); ++i) {
        c.Dv[i]->SetText(view_.Dv(side.Who, DamageView::FieldStats[i]).Text);
        c.Stage[i]->SetItemIndex(DamageView::LineOfStage(view_.StageOf(side.Who, DamageView::FieldStats[i])));
    }
    c.StatExp->SetText(view_.StatExp(side.Who).Text);
    if (side.Who == Combatant::Attacker)
        showMoves();
    showView();
}

void TFormDano::ChooseAttacker(int number)
{
    choose(Combatant::Attacker, number);
}

void TFormDano::ChooseDefender(int number)
{
    choose(Combatant::Defender, number);
}

void TFormDano::choose(Combatant who, int number)
{
    const auto c = species::Creature::FromNumber(number);
    if (!c)
        return;
    view_.ChooseCreature(who, *c);
    Controls(who).Creature->SetItemIndex(DamageView::LineOf(view_.CreatureOf(who)));
    if (who == Combatant::Attacker)
        showMoves();
    showView();
}

void TFormDano::ChooseMove(int move)
{
    view_.ChooseMove(move);
    MoveChooser->SetItemIndex(view_.MoveLine());
    showView();
}

void TFormDano::AttackerChosen(TObject*)
{
    ChooseAttacker(AttackerChooser->ItemIndex() + 1);
}

void TFormDano::DefenderChosen(TObject*)
{
    ChooseDefender(DefenderChooser->ItemIndex() + 1);
}

void TFormDano::MoveChosen(TObject*)
{
    // The parting line is no move: the move chosen stays, and shows again.
    view_.ChooseMoveLine(MoveChooser->ItemIndex());
    MoveChooser->SetItemIndex(view_.MoveLine());
    showView();
}

void TFormDano::RankedMoveChosen(TObject*)
{
    // Qt may leave no line selected (a click beside the lines): no choice.
    if (RankingList->ItemIndex() < 0)
        return;
    view_.ChooseRankingLine(RankingList->ItemIndex());
    MoveChooser->SetItemIndex(view_.MoveLine());
    showView();
}

void TFormDano::LevelTyped(TObject* Sender)
{
    const Combatant who = whose(Sender).first;
    view_.TypeLevel(who, Controls(who).Level->Text());
    showView();
}

void TFormDano::DvTyped(TObject* Sender)
{
    const auto [who, i] = whose(Sender);
    const auto at = static_cast<std::size_t>(i);
    view_.TypeDv(who, DamageView::FieldStats.at(at), Controls(who).Dv.at(at)->Text());
    showView();
}

void TFormDano::StatExpTyped(TObject* Sender)
{
    const Combatant who = whose(Sender).first;
    view_.TypeStatExp(who, Controls(who).StatExp->Text());
    showView();
}

void TFormDano::StatExpMaxClicked(TObject* Sender)
{
    const Combatant who = whose(Sender).first;
    view_.MaxStatExpRequested(who);
    // The field's own change hands the same text to the view again.
    Controls(who).StatExp->SetText(view_.StatExp(who).Text);
    showView();
}

void TFormDano::StageChosen(TObject* Sender)
{
    const auto [who, i] = whose(Sender);
    const auto at = static_cast<std::size_t>(i);
    const int line = std::max(0, Controls(who).Stage.at(at)->ItemIndex());
    view_.ChooseStage(who, DamageView::FieldStats.at(at), DamageView::StageAtLine(line));
    showView();
}

void TFormDano::BurnTicked(TObject*)
{
    view_.TickBurned(BurnedCheck->Checked());
    showView();
}

void TFormDano::ReflectTicked(TObject*)
{
    view_.TickReflect(ReflectCheck->Checked());
    showView();
}

void TFormDano::LightScreenTicked(TObject*)
{
    view_.TickLightScreen(LightScreenCheck->Checked());
    showView();
}

void TFormDano::showMoves()
{
    MoveChooser->Items().Assign(view_.MoveLines());
    // The parting line cannot be chosen: the arrow keys step over it.
    if (auto* model = qobject_cast<QStandardItemModel*>(MoveChooser->model()))
        if (QStandardItem* parting = model->item(view_.PartingLine()))
            parting->setEnabled(false);
    MoveChooser->SetItemIndex(view_.MoveLine());
}

void TFormDano::showView()
{
    for (Combatant who : kSides) {
        const SideControls c = Controls(who);
        TGroupBox* group = who == Combatant::Attacker ? AttackerGroup : DefenderGroup;
        if (const std::string title = view_.SideTitle(who); group->Caption() != title)
            group->SetCaption(title);
        Note(c.LevelNote, c.Level, view_.LevelNote(who));
        Note(c.DvNote, view_.DvNote(who));
        for (std::size_t i = 0; i < c.Dv.size(); ++i)
            c.Dv[i]->SetAccessibleDescription(view_.DvDescription(who, DamageView::FieldStats[i]));
        Note(c.StatExpNote, c.StatExp, view_.StatExpNote(who));
        c.HpDv->SetText(view_.HpDvText(who));
        c.Stats->SetText(view_.StatsLine(who));
    }
    // The ranking, like the result, is laid out again only when it changed.
    std::vector<std::string> ranking;
    for (const RankedMove& r : view_.Ranking())
        ranking.push_back(r.Line);
    // Its heading marks it while it is the last valid one; a screen reader
    // hears the same as the list's description.
    if (const std::string title = view_.RankingTitle(); FromQt(RankingList->accessibleDescription()) != title) {
        RankingGroup->SetCaption(title);
        RankingList->SetAccessibleDescription(title);
    }
    if (ranking != shownRanking_) {
        shownRanking_ = std::move(ranking);
        RankingList->Items().Assign(shownRanking_);
        RankingList->SetItemIndex(view_.RankingLine());
        // A new ranking shows its best moves first, whichever line is chosen.
        RankingList->scrollToTop();
    } else {
        RankingList->SetItemIndex(view_.RankingLine());
    }
    // Laying the result out again costs most: only when it changed.
    std::string text = view_.ResultText();
    if (text == shownResult_)
        return;
    shownResult_ = std::move(text);
    ResultText->Lines().Clear();
    ResultText->Lines().Add(shownResult_);
}
