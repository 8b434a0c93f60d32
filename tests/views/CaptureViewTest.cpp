// The capture panel without a display: the choices as typed, the capture
// arithmetic's figures in words and Brazilian numbers, the Safari Zone and
// the cases that cannot be caught said where they apply, and wrong fields
// refused in their notes and in place of the figures.
#include "views/CaptureView.h"

#include "data/Capture.h"
#include "text/Cp1252.h"
#include "text/Numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int Mewtwo = 150, Tauros = 128, Gastly = 92, Marowak = 105, Caterpie = 10;

std::string W(const char* utf8)
{
    return cp1252::fromUtf8(utf8);
}

species::Creature Creature(int number)
{
    return *species::Creature::FromNumber(number);
}

CaptureView At(int creature, const char* level)
{
    CaptureView v;
    v.ChooseCreature(Creature(creature));
    v.TypeLevel(level);
    return v;
}

// The line that starts with `start` (UTF-8); empty when none does.
std::string LineStarting(const CaptureView& v, const char* start)
{
    const std::string s = W(start);
    for (const std::string& line : v.Lines())
        if (line.rfind(s, 0) == 0)
            return line;
    return {};
}

bool Has(const CaptureView& v, const char* utf8)
{
    return v.Text().find(W(utf8)) != std::string::npos;
}

std::string Pct(const capture::Chance& c)
{
    return numbers::Percent(c.Numerator, c.Denominator) + "%";
}

} // namespace

TEST(CaptureView, BallLinesAreTheCaptureFigures)
{
    const CaptureView v = At(Mewtwo, "70");
    ASSERT_FALSE(v.Lines().empty());
    EXPECT_EQ(v.Lines()[0], W("Mewtwo, Nv. 70, Energia cheia, estado: nenhum"));
    capture::Wild w;
    w.Species = Mewtwo;
    w.Level = 70;
    for (const auto& [ball, name] :
         {std::pair{capture::Ball::Poke, "Poké Ball"}, std::pair{capture::Ball::Great, "Great Ball"},
          std::pair{capture::Ball::Ultra, "Ultra Ball"}}) {
        const capture::Chance c = capture::WildChance(w, ball);
        const std::string expected = W(name) + ": " + Pct(c) + W(" por arremesso — 50%: ") +
                                     std::to_string(*capture::ThrowsFor(c, 50)) +
                                     " arremessos, 90%: " + std::to_string(*capture::ThrowsFor(c, 90)) +
                                     ", 99%: " + std::to_string(*capture::ThrowsFor(c, 99));
        EXPECT_EQ(LineStarting(v, name), expected);
    }
    // Catch rate 3: the Great Ball's larger HP factor beats the Ultra Ball's
    // wider first draw (about 1,0 % against 0,9 %).
    EXPECT_EQ(LineStarting(v, "Ultra Ball").substr(0, 17), "Ultra Ball: 0,9% ");
    EXPECT_EQ(LineStarting(v, "Aqui a Great Ball"),
              "Aqui a Great Ball captura mais que a Ultra Ball (1,0% contra 0,9%).");
    EXPECT_EQ(LineStarting(v, "Safari Ball"), "") << "Mewtwo is not met in the Safari Zone";
    EXPECT_TRUE(Has(v, "Ultra Ball não balança"));
    EXPECT_TRUE(Has(v, "Master Ball: captura sempre."));
    EXPECT_TRUE(Has(v, "Chance média dos 16 DVs de Energia"));
    EXPECT_TRUE(Has(v, "Um pokémon de treinador não pode ser capturado."));
    EXPECT_FALSE(Has(v, "Torre"));
}

TEST(CaptureView, HpAndStatusChoices)
{
    const std::vector<std::string> hp = CaptureView::HpLines(), status = CaptureView::StatusLines();
    EXPECT_EQ(hp, (std::vector<std::string>{"cheia", W("½"), "1/3", W("¼"), "1 de Energia", "valor exato"}));
    EXPECT_EQ(status,
              (std::vector<std::string>{"nenhum", "dormindo", "congelado", "envenenado", "queimado", "paralisado"}));
    EXPECT_EQ(CaptureView::CreatureLines().size(), 152u);

    // Asleep at 1 HP: 25 first draws catch outright, 4 more pass and W is
    // above 255 for every DV: 29 of 256, 201 and 151.
    CaptureView v = At(Mewtwo, "70");
    v.ChooseHpLine(4);
    v.ChooseStatusLine(1);
    EXPECT_EQ(v.HpLine(), 4);
    EXPECT_EQ(v.StatusLine(), 1);
    EXPECT_EQ(v.Lines()[0], W("Mewtwo, Nv. 70, 1 de Energia, estado: dormindo"));
    EXPECT_EQ(LineStarting(v, "Poké Ball").substr(0, 16), W("Poké Ball: 11,3%"));
    EXPECT_EQ(LineStarting(v, "Great Ball").substr(0, 17), "Great Ball: 14,4%");
    EXPECT_EQ(LineStarting(v, "Ultra Ball").substr(0, 17), "Ultra Ball: 19,2%");
    EXPECT_EQ(LineStarting(v, "Aqui a Great Ball"), "") << "the Ultra Ball is ahead here";

    // A share of the maximum, said as chosen.
    v.ChooseHpLine(2);
    EXPECT_EQ(v.Lines()[0], W("Mewtwo, Nv. 70, 1/3 da Energia, estado: dormindo"));

    // A high catch rate at 1 HP: every Poké Ball catches.
    v = At(Caterpie, "3");
    v.ChooseHpLine(4);
    EXPECT_EQ(LineStarting(v, "Poké Ball"), W("Poké Ball: 100,0% por arremesso — captura certa"));
    EXPECT_TRUE(Has(v, "Poké Ball nunca falha"));

    EXPECT_THROW(v.ChooseHpLine(6), std::out_of_range);
    EXPECT_THROW(v.ChooseStatusLine(-1), std::out_of_range);
}

TEST(CaptureView, WrongFieldsAreRefusedInWords)
{
    CaptureView v = At(Mewtwo, "70");
    EXPECT_EQ(v.LevelNote(), (FieldNote{"1 a 100", false}));
    const std::vector<std::string> valid = v.Lines();
    for (const char* bad : {"0", "101", "7a", "", "-5"}) {
        v.TypeLevel(bad);
        EXPECT_EQ(v.Level().Text, bad);
        EXPECT_EQ(v.LevelNote(), (FieldNote{W("Inválido: use 1 a 100"), true})) << bad;
        EXPECT_EQ(v.Lines(), std::vector<std::string>{W("Corrija o nível: use 1 a 100")}) << bad;
    }
    v.TypeLevel(" 70 ");
    EXPECT_EQ(v.Lines(), valid);

    // The exact HP counts only on its line; typed before, it waits there.
    v.TypeExactHp("20");
    EXPECT_FALSE(v.ExactHpUsed());
    EXPECT_EQ(v.Lines(), valid);
    v.ChooseHpLine(5);
    EXPECT_TRUE(v.ExactHpUsed());
    EXPECT_EQ(v.Lines()[0], W("Mewtwo, Nv. 70, 20 de Energia, estado: nenhum"));
    v.TypeExactHp("1000");
    EXPECT_EQ(v.ExactHpNote(), (FieldNote{W("Inválido: use 1 a 999"), true}));
    v.TypeLevel("x");
    EXPECT_EQ(v.Lines(),
              (std::vector<std::string>{W("Corrija o nível: use 1 a 100"), W("Corrija a Energia exata: use 1 a 999")}));
    v.ChooseHpLine(0);
    EXPECT_EQ(v.ExactHpNote(), (FieldNote{"1 a 999", false})) << "not counted off its line";
}

TEST(CaptureView, WhereItCannotBeCaughtAndTheSafariZone)
{
    CaptureView v;
    v.ChooseCreature(Creature(0));
    EXPECT_EQ(v.Lines(),
              std::vector<std::string>{W("#000 não tem taxa de captura nem Energia: não há o que calcular.")});

    v = At(Gastly, "25");
    EXPECT_TRUE(Has(v, "Na Torre Pokémon, sem o Silph Scope, ele aparece como fantasma e não pode ser capturado."));
    v = At(Marowak, "30");
    EXPECT_TRUE(Has(v, "O Marowak fantasma do 6º andar da Torre Pokémon não pode ser capturado."));

    // Tauros lives in the Safari Zone: the Safari Ball, a rock (catch rate
    // 45 → 90) and bait (45 → 22), and the chance it runs.
    v = At(Tauros, "25");
    capture::Wild w;
    w.Species = Tauros;
    w.Level = 25;
    ASSERT_NE(LineStarting(v, "Safari Ball"), "");
    EXPECT_EQ(LineStarting(v, "Safari Ball").substr(0, 13 + Pct(capture::WildChance(w, capture::Ball::Safari)).size()),
              "Safari Ball: " + Pct(capture::WildChance(w, capture::Ball::Safari)));
    capture::Wild rock = w, bait = w;
    rock.CatchRate = 90;
    bait.CatchRate = 22;
    EXPECT_EQ(LineStarting(v, "Safari Zone:"),
              "Safari Zone: depois de uma pedra, Safari Ball " + Pct(capture::WildChance(rock, capture::Ball::Safari)) +
                  W(" por arremesso até ele se acalmar; depois de uma isca, ") +
                  Pct(capture::WildChance(bait, capture::Ball::Safari)) + " pelo resto do encontro.");
    EXPECT_EQ(LineStarting(v, "Fuga"),
              "Fuga ao fim de cada turno: " + Pct(capture::WildSafariFleeChance(Tauros, 25, false, false)) +
                  "; comendo, " + Pct(capture::WildSafariFleeChance(Tauros, 25, true, false)) + "; com raiva, " +
                  Pct(capture::WildSafariFleeChance(Tauros, 25, false, true)) + ".");
}

TEST(CaptureView, WhereToFindLine)
{
    capture::Wild w;
    w.Species = Mewtwo;
    w.Level = 70;
    EXPECT_EQ(CatchLine(Mewtwo, 70), W("captura por arremesso, Energia cheia: Poké Ball ") +
                                         Pct(capture::WildChance(w, capture::Ball::Poke)) + ", Ultra Ball " +
                                         Pct(capture::WildChance(w, capture::Ball::Ultra)));
    w.Species = Tauros;
    w.Level = 25;
    EXPECT_EQ(CatchLine(Tauros, 25, true), W("captura por arremesso, Energia cheia: Safari Ball ") +
                                               Pct(capture::WildChance(w, capture::Ball::Safari)) +
                                               "; fuga por turno " +
                                               Pct(capture::WildSafariFleeChance(Tauros, 25, false, false)));
    EXPECT_THROW(CatchLine(0, 5), std::out_of_range);
    EXPECT_THROW(CatchLine(1, 0), std::out_of_range);
}
