// What the damage window says of a computed battle: the figures of worked
// cases (derived by hand in BattleTest.cpp) in Brazilian style, one line in
// words for every kind of move that has no figures, and the lines that say why.
#include "data/Moves.h"
#include "text/Cp1252.h"
#include "views/BattleText.h"

#include <gtest/gtest.h>

#include <algorithm>

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

std::string Summary(const BattleSide& attacker, const BattleSide& defender, const char* move)
{
    const int row = FindMove(move);
    EXPECT_GE(row, 0) << move;
    return SummaryLine(ComputeBattle(attacker, defender, row), row, defender.Species);
}

// Whether `line` starts or ends with `part` (Windows-1252 from UTF-8).
bool Starts(const std::string& line, const char* part)
{
    return line.rfind(W(part), 0) == 0;
}
bool Ends(const std::string& line, const char* part)
{
    const std::string end = W(part);
    return line.size() >= end.size() && line.compare(line.size() - end.size(), end.size(), end) == 0;
}

constexpr int Snorlax = 143, Tauros = 128, Nidoking = 34, Gengar = 94, Golem = 76, Kingler = 99, Pidgeot = 18,
              Mewtwo = 150, Chansey = 113, Starmie = 121, Bulbasaur = 1, Pikachu = 25, Gyarados = 130, Ekans = 23,
              Hypno = 97;

// Whether `lines` hold `line` (Windows-1252 from UTF-8).
bool Has(const V& lines, const char* line)
{
    return std::find(lines.begin(), lines.end(), W(line)) != lines.end();
}

} // namespace

TEST(BattleText, DamageCriticalKnockOutsAndChances)
{
    // Snorlax L50 Earthquake on Tauros L50: 43–51 and 81–96 of 150 HP. Base
    // Speed 30: 15 / 256 critical; 100 % accuracy: 255 / 256. One use never
    // knocks out, even critical (96 < 150); two plain hits at most 102, two
    // critical ones at least 162.
    const V lines = Lines(Side(Snorlax, 50), Side(Tauros, 50), "Earthquake");
    ASSERT_GE(lines.size(), 8u);
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
    EXPECT_TRUE(Has(Lines(Side(Starmie, 50), Side(Tauros, 50), "Swift"), "Chance de acertar: 100,0% (nunca erra)"));
}

TEST(BattleText, MovesWithoutFiguresSayWhy)
{
    const std::pair<V, std::string> cases[] = {
        {Lines(Side(Tauros, 50), Side(Tauros, 50), "Growl"), W("Este golpe não causa dano direto")},
        {Lines(Side(Tauros, 50), Side(Tauros, 50), "Counter"),
         "O dano de Counter depende da batalha: o dobro do dano que o atacante recebeu"},
        {Lines(Side(Tauros, 50), Side(Gengar, 50), "Body Slam"),
         W("Sem efeito: golpes do tipo Normal não afetam o tipo Fantasma/Veneno")},
        {Lines(Side(Golem, 50), Side(Pidgeot, 50), "Earthquake"),
         W("Sem efeito: golpes do tipo Terra não afetam o tipo Normal/Voador")},
        {Lines(Side(Golem, 50), Side(Kingler, 50), "Horn Drill"), W("Sem efeito: o alvo é mais rápido que o atacante")},
    };
    for (const auto& [lines, want] : cases)
        EXPECT_EQ(lines, V{want});
}

TEST(BattleText, ACriticalHitThatDealsDamageIsNeverHidden)
{
    // 0 without a critical hit, 1 with one (worked in BattleTest.cpp): not
    // "no effect", and the critical chance and knock-outs say what it does.
    BattleSide walled = Side(Bulbasaur, 1);
    walled.SpecialStage = 6;
    const V vine = Lines(Side(Bulbasaur, 1), walled, "Vine Whip");
    ASSERT_GE(vine.size(), 2u);
    EXPECT_EQ(vine[0], W("Dano: 0 sem crítico (cai a 0 pelas resistências do alvo, e o golpe falha)"));
    EXPECT_EQ(vine[1], W("Crítico: 1 (8,3% da Energia)"));
    EXPECT_TRUE(Has(vine, "Chance de crítico: 8,6%")) << vine[1]; // 22 of 256
    for (const std::string& line : vine)
        EXPECT_EQ(line.find("Sem efeito"), std::string::npos) << line;
}

TEST(BattleText, AFreezeSaysHowOftenAndWhatTheOtherUsesDo)
{
    // Without a critical hit the Defense scales to 0; with one (65 of 256)
    // it does not (worked in BattleTest.cpp).
    BattleSide frail = Side(Chansey, 5);
    frail.Dv = {0, 0, 0, 0};
    frail.DefenseStage = -6;
    BattleSide maxed = Side(Mewtwo, 100);
    maxed.StatExp.fill(65535);
    const V pound = Lines(maxed, frail, "Pound");
    ASSERT_GE(pound.size(), 4u);
    EXPECT_EQ(pound[0], W("O jogo trava em 74,6% dos usos: sem crítico, a Defesa do alvo chega a 0 na conta do dano"));
    EXPECT_EQ(pound[1], W("O teste de crítico vem antes da conta: com crítico (25,4% dos usos) o jogo segue e o golpe "
                          "usa os atributos sem estágios"));
    EXPECT_EQ(pound[2], W("Crítico, se acertar: 850–999 (2.125,0–2.497,5% da Energia)"));
    EXPECT_EQ(pound[3], W("Nocaute em 1 golpe antes de o jogo travar: 25,3% (com críticos e erros)"));

    // Psywave at level 1 draws only after it hit (80 % → 204 of 256).
    const V psywave = Lines(Side(Starmie, 1), Side(Tauros, 50), "Psywave");
    ASSERT_GE(psywave.size(), 2u);
    EXPECT_EQ(psywave[0], W("O jogo trava em 79,7% dos usos: Psywave no nível 1 acerta e não tem dano a sortear (o "
                            "sorteio nunca termina)"));
    EXPECT_EQ(psywave[1], W("Quando erra (20,3% dos usos), nada acontece e o jogo segue"));
}

TEST(BattleText, LinesThatSayWhy)
{
    // Pikachu's Thunderbolt on Gyarados: ×2 twice, its own type.
    const V bolt = Lines(Side(Pikachu, 30), Side(Gyarados, 28), "Thunderbolt");
    EXPECT_TRUE(Has(bolt, "Eficácia ×4: Elétrico contra Água e Voador"));
    EXPECT_TRUE(Has(bolt, "Bônus de mesmo tipo (×1,5): o atacante é do tipo Elétrico"));
    EXPECT_TRUE(Has(Lines(Side(Golem, 50), Side(Kingler, 50), "Earthquake"), "Eficácia ×1: Terra contra Água"));

    // What does not count for a special move, and what a critical hit drops.
    BattleSide burned = Side(Pikachu, 30);
    burned.Burned = true;
    BattleSide guarded = Side(Gyarados, 28);
    guarded.Reflect = guarded.LightScreen = true;
    const V special = Lines(burned, guarded, "Thunderbolt");
    EXPECT_TRUE(Has(special, "Reflect não conta: só dobra a Defesa contra golpes físicos, e este é especial"));
    EXPECT_TRUE(Has(special, "A queimadura não conta: só corta o Ataque pela metade em golpes físicos, e este é "
                             "especial"));
    EXPECT_TRUE(Has(special, "Num crítico não conta Light Screen"));
    const V physical = Lines(burned, guarded, "Body Slam");
    EXPECT_TRUE(Has(physical, "Light Screen não conta: só dobra o Especial contra golpes especiais, e este é físico"));
    EXPECT_TRUE(Has(physical, "Num crítico não contam a queimadura e Reflect"));

    // Attack +2 against Defense −1: 136–160, the critical hit 81–96.
    const char* lower = "O crítico pode causar menos que um golpe normal: dobra o nível, mas ignora os estágios de "
                        "atributo, a queimadura, Reflect e Light Screen";
    BattleSide staged = Side(Snorlax, 50);
    staged.AttackStage = 2;
    BattleSide lowered = Side(Tauros, 50);
    lowered.DefenseStage = -1;
    EXPECT_TRUE(Has(Lines(staged, lowered, "Earthquake"), lower));
    EXPECT_FALSE(Has(Lines(Side(Snorlax, 50), Side(Tauros, 50), "Earthquake"), lower));

    // Dream Eater needs a sleeping target, which the program does not model.
    EXPECT_TRUE(Has(Lines(Side(Hypno, 50), Side(Tauros, 50), "Dream Eater"),
                    "Dream Eater só acerta um alvo adormecido: a calculadora não considera o sono e supõe que o "
                    "alvo dorme"));
}

TEST(BattleText, ATrappingMoveSaysItsTurnsRepeatOneDamage)
{
    const V wrap = Lines(Side(Ekans, 20), Side(Tauros, 20), "Wrap");
    ASSERT_GE(wrap.size(), 3u);
    EXPECT_EQ(wrap[2],
              W("Turnos por uso: 2 a 5 (chances de 3/8, 3/8, 1/8 e 1/8): o dano acima se repete a cada turno, sem novo "
                "teste de acerto nem de crítico e sem novo sorteio de dano; um erro no primeiro turno "
                "encerra o golpe"));
}

// One line a move in a list of moves: the figures of the cases above, the
// knock-outs up to the first sure use, and why a move has none in few words.
TEST(BattleText, OneLineForAListOfMoves)
{
    const std::string quake = Summary(Side(Snorlax, 50), Side(Tauros, 50), "Earthquake");
    EXPECT_TRUE(Starts(quake, "Earthquake — 43–51 (28,7–34,0% da Energia) — nocaute em 1 uso: 0,0%; em 2: ")) << quake;
    EXPECT_TRUE(Starts(Summary(Side(Nidoking, 50), Side(Tauros, 50), "Double Kick"),
                       "Double Kick — 2 acertos de 23–28 (15,3–18,7% da Energia) — "));
    EXPECT_TRUE(
        Starts(Summary(Side(Nidoking, 50), Side(Tauros, 50), "Double Slap"), "Double Slap — 2 a 5 acertos de "));
    EXPECT_TRUE(Starts(Summary(Side(Ekans, 20), Side(Tauros, 20), "Wrap"), "Wrap — 2 a 5 turnos de "));
    EXPECT_TRUE(
        Starts(Summary(Side(Tauros, 50), Side(Tauros, 50), "Sonic Boom"), "Sonic Boom — 20 (13,3% da Energia)"));
    // A use that never misses and always knocks out: nothing more to say.
    BattleSide maxed = Side(Mewtwo, 100);
    maxed.StatExp.fill(65535);
    const std::string swift = Summary(maxed, Side(Bulbasaur, 5), "Swift");
    EXPECT_TRUE(Starts(swift, "Swift — ") && Ends(swift, " — nocaute em 1 uso: 100,0%")) << swift;
    // Never within four uses: said once, not as four zeros.
    const std::string tackle = Summary(Side(Bulbasaur, 5), Side(Chansey, 50), "Tackle");
    EXPECT_TRUE(Starts(tackle, "Tackle — ") && Ends(tackle, " — nenhum nocaute em 4 usos")) << tackle;

    // Only a critical hit deals damage; a use that may stop the game.
    BattleSide walled = Side(Bulbasaur, 1);
    walled.SpecialStage = 6;
    // 1 a use of 12 HP never knocks out in four.
    EXPECT_EQ(Summary(Side(Bulbasaur, 1), walled, "Vine Whip"),
              W("Vine Whip — só com crítico: 1 (8,3% da Energia) — nenhum nocaute em 4 usos"));
    BattleSide frail = Side(Chansey, 5);
    frail.Dv = {0, 0, 0, 0};
    frail.DefenseStage = -6;
    EXPECT_TRUE(
        Starts(Summary(maxed, frail, "Pound"), "Pound — trava o jogo em 74,6% dos usos — nocaute em 1 uso: 25,3%"));

    // No figures: why, in a few words.
    const std::pair<std::string, const char*> none[] = {
        {Summary(Side(Tauros, 50), Side(Tauros, 50), "Growl"), "Growl — não causa dano"},
        {Summary(Side(Tauros, 50), Side(Tauros, 50), "Counter"), "Counter — depende do dano recebido"},
        {Summary(Side(Tauros, 50), Side(Gengar, 50), "Body Slam"), "Body Slam — sem efeito em Gengar"},
        {Summary(Side(Golem, 50), Side(Kingler, 50), "Horn Drill"), "Horn Drill — sem efeito: o alvo é mais rápido"},
    };
    for (const auto& [line, want] : none)
        EXPECT_EQ(line, W(want));
}
