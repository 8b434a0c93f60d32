#include "views/CaptureView.h"

#include "data/BaseStats.h"
#include "data/Encounters.h"
#include "text/Cp1252.h"
#include "text/Numbers.h"

#include <initializer_list>
#include <stdexcept>

using namespace cp1252::literals;
using capture::Ball;
using capture::Chance;
using encounters::Place;

namespace {

constexpr int kMarowak = 105;

std::string S(std::string_view text)
{
    return std::string(text);
}

std::string BallName(Ball b)
{
    switch (b) {
    case Ball::Poke: return S("Poké Ball"_cp);
    case Ball::Great: return "Great Ball";
    case Ball::Ultra: return "Ultra Ball";
    case Ball::Safari: return "Safari Ball";
    case Ball::Master: return "Master Ball";
    }
    return {};
}

std::string PercentOf(const Chance& c)
{
    return numbers::Percent(c.Numerator, c.Denominator) + "%";
}

bool Ahead(const Chance& a, const Chance& b)
{
    return a.Numerator * b.Denominator > b.Numerator * a.Denominator;
}

// "Ultra Ball: 0,9% por arremesso — 50%: 76 arremessos, 90%: 253, 99%: 505".
std::string BallLine(Ball b, const Chance& c)
{
    std::string line = BallName(b) + ": " + PercentOf(c) + " por arremesso";
    if (c.Numerator == c.Denominator)
        return line + S(" — captura certa"_cp);
    if (c.Numerator == 0)
        return line + S(" — nunca captura"_cp);
    std::string needs;
    for (const int percent : {50, 90, 99}) {
        const int n = *capture::ThrowsFor(c, percent);
        needs += needs.empty() ? "" : ", ";
        needs += std::to_string(percent) + "%: " + numbers::Thousands(n);
        if (percent == 50)
            needs += n == 1 ? " arremesso" : " arremessos";
    }
    return line + S(" — "_cp) + needs;
}

// Whether the creature is met in one of the places, walking, surfing or by
// the Super Rod, in either version.
template <typename Pred>
bool MetWhere(int creature, Pred place)
{
    const auto inTable = [creature](const encounters::WildTable* t) {
        if (t == nullptr)
            return false;
        for (const encounters::Slot& s : t->Slots)
            if (s.Creature == creature)
                return true;
        return false;
    };
    for (const encounters::WildMap& m : encounters::WildMaps)
        if (place(m.Where) && (inTable(m.Red) || inTable(m.Blue)))
            return true;
    for (const encounters::SuperRodSpot& spot : encounters::SuperRodSpots)
        if (place(spot.Where))
            for (const encounters::RodCatch& c : spot.Catches)
                if (c.Creature == creature)
                    return true;
    return false;
}

bool InPokemonTower(Place p)
{
    return p >= Place::PokemonTower2F && p <= Place::PokemonTower7F;
}

std::string ShakesWords(int shakes)
{
    return shakes == 0   ? S("não balança"_cp)
           : shakes == 1 ? S("balança 1 vez"_cp)
                         : S("balança "_cp) + std::to_string(shakes) + " vezes";
}

// The shakes a missed ball most often shows, ball by ball.
std::string ShakesLine(const capture::Wild& w, std::initializer_list<Ball> balls)
{
    std::string line = "Bola que falha (o mais comum): ";
    bool first = true;
    for (const Ball b : balls) {
        const auto shakes = capture::WildShakes(w, b);
        int most = -1;
        for (int i = 0; i < 4; ++i)
            if (shakes[static_cast<std::size_t>(i)].Numerator > 0 &&
                (most < 0 || Ahead(shakes[static_cast<std::size_t>(i)], shakes[static_cast<std::size_t>(most)])))
                most = i;
        line += first ? "" : "; ";
        first = false;
        line += BallName(b) + " " + (most < 0 ? S("nunca falha"_cp) : ShakesWords(most));
    }
    return line;
}

} // namespace

CaptureView::CaptureView() : creature_(*species::Creature::FromNumber(1)), level_{"50", 50}
{
    recompute();
}

void CaptureView::ChooseCreature(species::Creature c)
{
    creature_ = c;
    recompute();
}

void CaptureView::TypeLevel(std::string_view text)
{
    level_ = {std::string(text), FieldNumber(text, 1, 100)};
    recompute();
}

void CaptureView::ChooseHpLine(int line)
{
    if (line < 0 || line >= static_cast<int>(HpLines().size()))
        throw std::out_of_range("CaptureView: no such HP line");
    share_ = static_cast<capture::HpShare>(line);
    recompute();
}

void CaptureView::ChooseStatusLine(int line)
{
    if (line < 0 || line >= capture::StatusCount)
        throw std::out_of_range("CaptureView: no such status line");
    status_ = static_cast<capture::Status>(line);
    recompute();
}

void CaptureView::TypeExactHp(std::string_view text)
{
    exactHp_ = {std::string(text), FieldNumber(text, 1, MaxExactHp)};
    recompute();
}

std::vector<std::string> CaptureView::CreatureLines()
{
    return species::ChooserLines();
}

std::vector<std::string> CaptureView::HpLines()
{
    // The third is written with digits: Windows-1252 has halves and
    // quarters but no thirds.
    return {"cheia", S("½"_cp), "1/3", S("¼"_cp), "1 de Energia", "valor exato"};
}

std::vector<std::string> CaptureView::StatusLines()
{
    return {"nenhum", "dormindo", "congelado", "envenenado", "queimado", "paralisado"};
}

FieldNote CaptureView::LevelNote() const
{
    return level_.Value ? FieldNote{"1 a 100", false} : FieldNote{S("Inválido: use 1 a 100"_cp), true};
}

FieldNote CaptureView::ExactHpNote() const
{
    if (!ExactHpUsed() || exactHp_.Value)
        return {"1 a 999", false};
    return {S("Inválido: use 1 a 999"_cp), true};
}

std::string CaptureView::Text() const
{
    std::string text;
    for (const std::string& line : lines_)
        text += (text.empty() ? "" : "\n") + line;
    return text;
}

void CaptureView::recompute()
{
    lines_.clear();
    if (creature_.IsGlitch()) {
        lines_.push_back(S("#000 não tem taxa de captura nem Energia: não há o que calcular."_cp));
        return;
    }
    if (!level_.Value)
        lines_.push_back(S("Corrija o nível: use 1 a 100"_cp));
    if (ExactHpUsed() && !exactHp_.Value)
        lines_.push_back(S("Corrija a Energia exata: use 1 a 999"_cp));
    if (!lines_.empty())
        return;

    const int number = creature_.Number();
    capture::Wild w;
    w.Species = number;
    w.Level = *level_.Value;
    w.Share = share_;
    w.ExactHp = ExactHpUsed() ? *exactHp_.Value : 0;
    w.Condition = status_;

    const std::string hp = share_ == capture::HpShare::Exact  ? std::to_string(w.ExactHp) + " de Energia"
                           : share_ == capture::HpShare::Full ? "Energia cheia"
                           : share_ == capture::HpShare::OneHp
                               ? "1 de Energia"
                               : HpLines()[static_cast<std::size_t>(share_)] + " da Energia";
    lines_.push_back(S(species::GamesName(number)) + ", Nv. " + std::to_string(w.Level) + ", " + hp +
                     ", estado: " + StatusLines()[static_cast<std::size_t>(status_)]);

    const bool safari = MetWhere(number, encounters::InSafariZone);
    const Chance great = capture::WildChance(w, Ball::Great), ultra = capture::WildChance(w, Ball::Ultra);
    lines_.push_back(BallLine(Ball::Poke, capture::WildChance(w, Ball::Poke)));
    lines_.push_back(BallLine(Ball::Great, great));
    lines_.push_back(BallLine(Ball::Ultra, ultra));
    if (safari)
        lines_.push_back(BallLine(Ball::Safari, capture::WildChance(w, Ball::Safari)));
    if (Ahead(great, ultra))
        lines_.push_back("Aqui a Great Ball captura mais que a Ultra Ball (" + PercentOf(great) + " contra " +
                         PercentOf(ultra) + ").");
    lines_.push_back(safari ? ShakesLine(w, {Ball::Poke, Ball::Great, Ball::Ultra, Ball::Safari})
                            : ShakesLine(w, {Ball::Poke, Ball::Great, Ball::Ultra}));
    lines_.push_back("Master Ball: captura sempre.");
    lines_.push_back(
        S("Chance média dos 16 DVs de Energia, igualmente prováveis (cada um dá outra Energia máxima)."_cp));

    if (safari) {
        const int own = BaseStatsOf(number).CatchRate;
        const capture::SafariThrow rock[] = {capture::SafariThrow::Rock};
        const capture::SafariThrow bait[] = {capture::SafariThrow::Bait};
        capture::Wild after = w;
        after.CatchRate = capture::SafariCatchRate(own, rock);
        const Chance withRock = capture::WildChance(after, Ball::Safari);
        after.CatchRate = capture::SafariCatchRate(own, bait);
        const Chance withBait = capture::WildChance(after, Ball::Safari);
        lines_.push_back("Safari Zone: depois de uma pedra, Safari Ball " + PercentOf(withRock) +
                         S(" por arremesso até ele se acalmar; depois de uma isca, "_cp) + PercentOf(withBait) +
                         " pelo resto do encontro.");
        lines_.push_back(
            "Fuga ao fim de cada turno: " + PercentOf(capture::WildSafariFleeChance(number, w.Level, false, false)) +
            "; comendo, " + PercentOf(capture::WildSafariFleeChance(number, w.Level, true, false)) + "; com raiva, " +
            PercentOf(capture::WildSafariFleeChance(number, w.Level, false, true)) + ".");
    }
    if (number == kMarowak)
        lines_.push_back(S("O Marowak fantasma do 6º andar da Torre Pokémon não pode ser capturado."_cp));
    if (MetWhere(number, InPokemonTower))
        lines_.push_back(
            S("Na Torre Pokémon, sem o Silph Scope, ele aparece como fantasma e não pode ser capturado."_cp));
    lines_.push_back(S("Um pokémon de treinador não pode ser capturado."_cp));
}

std::string CatchLine(int creature, int level, bool safariZone)
{
    capture::Wild w;
    w.Species = creature;
    w.Level = level;
    std::string line = S("captura por arremesso, Energia cheia: "_cp);
    if (safariZone)
        return line + "Safari Ball " + PercentOf(capture::WildChance(w, Ball::Safari)) + "; fuga por turno " +
               PercentOf(capture::WildSafariFleeChance(creature, level, false, false));
    return line + BallName(Ball::Poke) + " " + PercentOf(capture::WildChance(w, Ball::Poke)) + ", Ultra Ball " +
           PercentOf(capture::WildChance(w, Ball::Ultra));
}
