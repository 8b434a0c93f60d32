// What the damage window says of a computed battle: the figures of worked
// cases (derived by hand in BattleTest.cpp) in Brazilian style, and one line
// in words for every kind of move that has no figures.
#include "data/BattleText.h"
#include "data/Moves.h"
#include "text/Cp1252.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using V = std::vector<std::string>;

BattleSide Side(int species, int level)
{
    BattleSide s;
    s.Species = species;
    s.Level = level;
    return s;
}

V Lines(const BattleSide& attacker, const BattleSide& defender, const char* move)
{
    const int row = FindMove(move);
    EXPECT_GE(row, 0) << move;
    return ResultLines(ComputeBattle(attacker, defender, row), row, defender.Species);
}

std::string W(const char* utf8)
{
    return cp1252::fromUtf8(utf8);
}

constexpr int Snorlax = 143, Tauros = 128, Nidoking = 34, Gengar = 94, Golem = 76, Kingler = 99, Pidgeot = 18,
              Mewtwo = 150, Chansey = 113, Starmie = 121;

} // namespace

TEST(BattleText, DamageCriticalKnockOutsAndChances)
{
    // Snorlax L50 Earthquake on Tauros L50: 43–51 and 81–96 of 150 HP. Base
    // Speed 30: 15 / 256 critical; 100 % accuracy: 255 / 256. One use never
    // knocks out, even critical (96 < 150); two plain hits at most 102, two
    // critical ones at least 162.
    const V lines = Lines(Side(Snorlax, 50), Side(Tauros, 50), "Earthquake");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], W("Dano: 43–51 (28,7–34,0% da Energia)"));
    EXPECT_EQ(lines[1], W("Crítico: 81–96 (54,0–64,0% da Energia)"));
    EXPECT_EQ(lines[2], W("Nocaute em 1 golpe: 0,0% (com críticos e erros: 0,0%)"));
    EXPECT_EQ(lines[3].substr(0, 26), W("Nocaute em 2 golpes: 0,0% "));
    EXPECT_NE(lines[3], W("Nocaute em 2 golpes: 0,0% (com críticos e erros: 0,0%)")); // two critical hits do
    EXPECT_EQ(lines[6], W("Chance de crítico: 5,9%"));
    EXPECT_EQ(lines[7], "Chance de acertar: 99,6%");
}

TEST(BattleText, HitsPerUseAndDamageThatIsNotRolled)
{
    // Two hits of 23–28 a use: the range is each hit's.
    const V kick = Lines(Side(Nidoking, 50), Side(Tauros, 50), "Double Kick");
    EXPECT_EQ(kick[0], W("Dano: 23–28 (15,3–18,7% da Energia)"));
    EXPECT_EQ(kick[2], W("Acertos por uso: 2 (o dano acima é de cada acerto)"));
    const V barrage = Lines(Side(Nidoking, 50), Side(Tauros, 50), "Double Slap");
    EXPECT_EQ(barrage[2], W("Acertos por uso: 2 a 5 (o dano acima é de cada acerto)"));

    // A fixed amount: one number, no critical hit to speak of.
    const V boom = Lines(Side(Tauros, 50), Side(Tauros, 50), "Sonic Boom");
    EXPECT_EQ(boom[0], "Dano: 20 (13,3% da Energia)");
    for (const std::string& line : boom)
        EXPECT_EQ(line.find(W("rítico:")), std::string::npos) << line;
    EXPECT_EQ(boom.back(), "Chance de acertar: 89,5%"); // 90 × 255 / 100 = 229, of 256
    EXPECT_EQ(Lines(Side(Starmie, 50), Side(Tauros, 50), "Swift").back(), "Chance de acertar: 100,0% (nunca erra)");
}

TEST(BattleText, MovesWithoutFiguresSayWhy)
{
    BattleSide frail = Side(Chansey, 5);
    frail.Dv = {0, 0, 0, 0};
    frail.DefenseStage = -6;
    BattleSide maxed = Side(Mewtwo, 100);
    maxed.StatExp.fill(65535);
    const std::pair<V, std::string> cases[] = {
        {Lines(Side(Tauros, 50), Side(Tauros, 50), "Growl"), W("Este golpe não causa dano direto")},
        {Lines(Side(Tauros, 50), Side(Tauros, 50), "Counter"),
         "O dano de Counter depende da batalha: o dobro do dano que o atacante recebeu"},
        {Lines(Side(Tauros, 50), Side(Gengar, 50), "Body Slam"),
         W("Sem efeito: golpes do tipo Normal não afetam o tipo Fantasma/Veneno")},
        {Lines(Side(Golem, 50), Side(Pidgeot, 50), "Earthquake"),
         W("Sem efeito: golpes do tipo Terra não afetam o tipo Normal/Voador")},
        {Lines(Side(Golem, 50), Side(Kingler, 50), "Horn Drill"), W("Sem efeito: o alvo é mais rápido que o atacante")},
        {Lines(Side(Starmie, 1), Side(Tauros, 50), "Psywave"),
         W("O jogo trava: Psywave no nível 1 não tem dano a sortear")},
        {Lines(maxed, frail, "Pound"), W("O jogo trava: a Defesa do alvo chega a 0 na conta do dano")},
    };
    for (const auto& [lines, want] : cases)
        EXPECT_EQ(lines, V{want});
}
