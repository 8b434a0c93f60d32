// The moves table. Type, power, accuracy and PP are the games' own (checked
// against the reference tables by the tests); each effect line says in short
// what the game does with the move, per cent chances only where the game
// fixes them.
#include "data/Moves.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

using namespace cp1252::literals;
using T = Type;

// clang-format off
constexpr MoveInfo kMoves[] = {
    {"Pound"_cp, T::Normal, 40, 100, 35, "Causa dano, sem efeito extra"_cp},
    {"Karate Chop"_cp, T::Normal, 50, 100, 25, "Causa dano; acerto crítico frequente"_cp},
    {"Double Slap"_cp, T::Normal, 15, 85, 10, "Ataca de 2 a 5 vezes"_cp},
    {"Comet Punch"_cp, T::Normal, 18, 85, 15, "Ataca de 2 a 5 vezes"_cp},
    {"Mega Punch"_cp, T::Normal, 80, 85, 20, "Causa dano, sem efeito extra"_cp},
    {"Pay Day"_cp, T::Normal, 40, 100, 20, "Espalha moedas que quem usa recolhe ao fim da batalha"_cp},
    {"Fire Punch"_cp, T::Fogo, 75, 100, 15, "Pode queimar o alvo (10%)"_cp},
    {"Ice Punch"_cp, T::Gelo, 75, 100, 15, "Pode congelar o alvo (10%)"_cp},
    {"Thunder Punch"_cp, T::Eletrico, 75, 100, 15, "Pode paralisar o alvo (10%)"_cp},
    {"Scratch"_cp, T::Normal, 40, 100, 35, "Causa dano, sem efeito extra"_cp},
    {"Vice Grip"_cp, T::Normal, 55, 100, 30, "Causa dano, sem efeito extra"_cp},
    {"Guillotine"_cp, T::Normal, 1, 30, 5, "Derruba o alvo de uma vez, se acertar; falha contra alvo mais rápido"_cp},
    {"Razor Wind"_cp, T::Normal, 80, 75, 10, "Carrega no primeiro turno e ataca no segundo"_cp},
    {"Swords Dance"_cp, T::Normal, 0, 100, 30, "Aumenta muito o Ataque de quem usa"_cp},
    {"Cut"_cp, T::Normal, 50, 95, 30, "Causa dano, sem efeito extra"_cp},
    {"Gust"_cp, T::Normal, 40, 100, 35, "Causa dano, sem efeito extra"_cp},
    {"Wing Attack"_cp, T::Voador, 35, 100, 35, "Causa dano, sem efeito extra"_cp},
    {"Whirlwind"_cp, T::Normal, 0, 85, 20, "Encerra a batalha contra pokémon selvagem"_cp},
    {"Fly"_cp, T::Voador, 70, 95, 15, "Voa no primeiro turno, fora de alcance, e ataca no segundo"_cp},
    {"Bind"_cp, T::Normal, 15, 75, 20, "Prende o alvo e o ataca de 2 a 5 turnos"_cp},
    {"Slam"_cp, T::Normal, 80, 75, 20, "Causa dano, sem efeito extra"_cp},
    {"Vine Whip"_cp, T::Grama, 35, 100, 10, "Causa dano, sem efeito extra"_cp},
    {"Stomp"_cp, T::Normal, 65, 100, 20, "Pode fazer o alvo perder a vez (30%)"_cp},
    {"Double Kick"_cp, T::Lutador, 30, 100, 30, "Ataca 2 vezes"_cp},
    {"Mega Kick"_cp, T::Normal, 120, 75, 5, "Causa dano, sem efeito extra"_cp},
    {"Jump Kick"_cp, T::Lutador, 70, 95, 25, "Se errar, quem usa sofre 1 ponto de dano"_cp},
    {"Rolling Kick"_cp, T::Lutador, 60, 85, 15, "Pode fazer o alvo perder a vez (30%)"_cp},
    {"Sand-Attack"_cp, T::Normal, 0, 100, 15, "Diminui a Precisão do alvo"_cp},
    {"Headbutt"_cp, T::Normal, 70, 100, 15, "Pode fazer o alvo perder a vez (30%)"_cp},
    {"Horn Attack"_cp, T::Normal, 65, 100, 25, "Causa dano, sem efeito extra"_cp},
    {"Fury Attack"_cp, T::Normal, 15, 85, 20, "Ataca de 2 a 5 vezes"_cp},
    {"Horn Drill"_cp, T::Normal, 1, 30, 5, "Derruba o alvo de uma vez, se acertar; falha contra alvo mais rápido"_cp},
    {"Tackle"_cp, T::Normal, 35, 95, 35, "Causa dano, sem efeito extra"_cp},
    {"Body Slam"_cp, T::Normal, 85, 100, 15, "Pode paralisar o alvo (30%)"_cp},
    {"Wrap"_cp, T::Normal, 15, 85, 20, "Prende o alvo e o ataca de 2 a 5 turnos"_cp},
    {"Take Down"_cp, T::Normal, 90, 85, 20, "Quem usa sofre 1/4 do dano causado"_cp},
    {"Thrash"_cp, T::Normal, 90, 100, 20, "Ataca por vários turnos seguidos e depois deixa quem usa confuso"_cp},
    {"Double-Edge"_cp, T::Normal, 100, 100, 15, "Quem usa sofre 1/4 do dano causado"_cp},
    {"Tail Whip"_cp, T::Normal, 0, 100, 30, "Diminui a Defesa do alvo"_cp},
    {"Poison Sting"_cp, T::Veneno, 15, 100, 35, "Pode envenenar o alvo (20%)"_cp},
    {"Twineedle"_cp, T::Inseto, 25, 100, 20, "Ataca 2 vezes; depois do segundo golpe, pode envenenar o alvo (uma chance de 20%)"_cp},
    {"Pin Missile"_cp, T::Inseto, 14, 85, 20, "Ataca de 2 a 5 vezes"_cp},
    {"Leer"_cp, T::Normal, 0, 100, 30, "Diminui a Defesa do alvo"_cp},
    {"Bite"_cp, T::Normal, 60, 100, 25, "Pode fazer o alvo perder a vez (10%)"_cp},
    {"Growl"_cp, T::Normal, 0, 100, 40, "Diminui o Ataque do alvo"_cp},
    {"Roar"_cp, T::Normal, 0, 100, 20, "Encerra a batalha contra pokémon selvagem"_cp},
    {"Sing"_cp, T::Normal, 0, 55, 15, "Faz o alvo dormir"_cp},
    {"Supersonic"_cp, T::Normal, 0, 55, 20, "Deixa o alvo confuso"_cp},
    {"Sonic Boom"_cp, T::Normal, 1, 90, 20, "Causa sempre 20 pontos de dano"_cp},
    {"Disable"_cp, T::Normal, 0, 55, 20, "Impede o alvo de usar um de seus golpes por alguns turnos"_cp},
    {"Acid"_cp, T::Veneno, 40, 100, 30, "Pode diminuir a Defesa do alvo (33%)"_cp},
    {"Ember"_cp, T::Fogo, 40, 100, 25, "Pode queimar o alvo (10%)"_cp},
    {"Flame Thrower"_cp, T::Fogo, 95, 100, 15, "Pode queimar o alvo (10%)"_cp},
    {"Mist"_cp, T::Gelo, 0, 100, 30, "Protege quem usa contra golpes que diminuem atributos"_cp},
    {"Water Gun"_cp, T::Agua, 40, 100, 25, "Causa dano, sem efeito extra"_cp},
    {"Hydro Pump"_cp, T::Agua, 120, 80, 5, "Causa dano, sem efeito extra"_cp},
    {"Surf"_cp, T::Agua, 95, 100, 15, "Causa dano, sem efeito extra"_cp},
    {"Ice Beam"_cp, T::Gelo, 95, 100, 10, "Pode congelar o alvo (10%)"_cp},
    {"Blizzard"_cp, T::Gelo, 120, 90, 5, "Pode congelar o alvo (10%)"_cp},
    {"Psybeam"_cp, T::Psiquico, 65, 100, 20, "Pode deixar o alvo confuso (10%)"_cp},
    {"Bubble Beam"_cp, T::Agua, 65, 100, 20, "Pode diminuir a Velocidade do alvo (33%)"_cp},
    {"Aurora Beam"_cp, T::Gelo, 65, 100, 20, "Pode diminuir o Ataque do alvo (33%)"_cp},
    {"Hyper Beam"_cp, T::Normal, 150, 90, 5, "Quem usa descansa no turno seguinte, a não ser que derrube o alvo"_cp},
    {"Peck"_cp, T::Voador, 35, 100, 35, "Causa dano, sem efeito extra"_cp},
    {"Drill Peck"_cp, T::Voador, 80, 100, 20, "Causa dano, sem efeito extra"_cp},
    {"Submission"_cp, T::Lutador, 80, 80, 25, "Quem usa sofre 1/4 do dano causado"_cp},
    {"Low Kick"_cp, T::Lutador, 50, 90, 20, "Pode fazer o alvo perder a vez (30%)"_cp},
    {"Counter"_cp, T::Lutador, 1, 100, 20, "Devolve o dobro do dano de um golpe Normal ou Lutador recebido"_cp},
    {"Seismic Toss"_cp, T::Lutador, 1, 100, 20, "Causa dano igual ao nível de quem usa"_cp},
    {"Strength"_cp, T::Normal, 80, 100, 15, "Causa dano, sem efeito extra"_cp},
    {"Absorb"_cp, T::Grama, 20, 100, 20, "Quem usa recupera metade do dano causado"_cp},
    {"Mega Drain"_cp, T::Grama, 40, 100, 10, "Quem usa recupera metade do dano causado"_cp},
    {"Leech Seed"_cp, T::Grama, 0, 90, 10, "Planta sementes que tiram energia do alvo a cada turno e a dão a quem usa"_cp},
    {"Growth"_cp, T::Normal, 0, 100, 40, "Aumenta o Especial de quem usa"_cp},
    {"Razor Leaf"_cp, T::Grama, 55, 95, 25, "Causa dano; acerto crítico frequente"_cp},
    {"Solar Beam"_cp, T::Grama, 120, 100, 10, "Carrega no primeiro turno e ataca no segundo"_cp},
    {"Poison Powder"_cp, T::Veneno, 0, 75, 35, "Envenena o alvo"_cp},
    {"Stun Spore"_cp, T::Grama, 0, 75, 30, "Paralisa o alvo"_cp},
    {"Sleep Powder"_cp, T::Grama, 0, 75, 15, "Faz o alvo dormir"_cp},
    {"Petal Dance"_cp, T::Grama, 70, 100, 20, "Ataca por vários turnos seguidos e depois deixa quem usa confuso"_cp},
    {"String Shot"_cp, T::Inseto, 0, 95, 40, "Diminui a Velocidade do alvo"_cp},
    {"Dragon Rage"_cp, T::Dragao, 1, 100, 10, "Causa sempre 40 pontos de dano"_cp},
    {"Fire Spin"_cp, T::Fogo, 15, 70, 15, "Prende o alvo e o ataca de 2 a 5 turnos"_cp},
    {"Thundershock"_cp, T::Eletrico, 40, 100, 30, "Pode paralisar o alvo (10%)"_cp},
    {"Thunderbolt"_cp, T::Eletrico, 95, 100, 15, "Pode paralisar o alvo (10%)"_cp},
    {"Thunderwave"_cp, T::Eletrico, 0, 100, 20, "Paralisa o alvo"_cp},
    {"Thunder"_cp, T::Eletrico, 120, 70, 10, "Pode paralisar o alvo (10%)"_cp},
    {"Rock Throw"_cp, T::Pedra, 50, 65, 15, "Causa dano, sem efeito extra"_cp},
    {"Earthquake"_cp, T::Terra, 100, 100, 10, "Causa dano, sem efeito extra"_cp},
    {"Fissure"_cp, T::Terra, 1, 30, 5, "Derruba o alvo de uma vez, se acertar; falha contra alvo mais rápido"_cp},
    {"Dig"_cp, T::Terra, 100, 100, 10, "Cava no primeiro turno, fora de alcance, e ataca no segundo"_cp},
    {"Toxic"_cp, T::Veneno, 0, 85, 10, "Envenena gravemente o alvo; o dano cresce a cada turno"_cp},
    {"Confusion"_cp, T::Psiquico, 50, 100, 25, "Pode deixar o alvo confuso (10%)"_cp},
    {"Psychic"_cp, T::Psiquico, 90, 100, 10, "Pode diminuir o Especial do alvo (33%)"_cp},
    {"Hypnosis"_cp, T::Psiquico, 0, 60, 20, "Faz o alvo dormir"_cp},
    {"Meditate"_cp, T::Psiquico, 0, 100, 40, "Aumenta o Ataque de quem usa"_cp},
    {"Agility"_cp, T::Psiquico, 0, 100, 30, "Aumenta muito a Velocidade de quem usa"_cp},
    {"Quick Attack"_cp, T::Normal, 40, 100, 30, "Ataca antes do alvo"_cp},
    {"Rage"_cp, T::Normal, 20, 100, 20, "Fica atacando sem parar; o Ataque sobe a cada golpe recebido"_cp},
    {"Teleport"_cp, T::Psiquico, 0, 100, 20, "Foge da batalha contra pokémon selvagem"_cp},
    {"Night Shade"_cp, T::Fantasma, 0, 100, 15, "Causa dano igual ao nível de quem usa"_cp},
    {"Mimic"_cp, T::Normal, 0, 100, 10, "Copia um golpe do alvo até o fim da batalha"_cp},
    {"Screech"_cp, T::Normal, 0, 85, 40, "Diminui muito a Defesa do alvo"_cp},
    {"Double Team"_cp, T::Normal, 0, 100, 15, "Aumenta a Evasão de quem usa"_cp},
    {"Recover"_cp, T::Normal, 0, 100, 20, "Recupera metade da energia máxima de quem usa"_cp},
    {"Harden"_cp, T::Normal, 0, 100, 30, "Aumenta a Defesa de quem usa"_cp},
    {"Minimize"_cp, T::Normal, 0, 100, 20, "Aumenta a Evasão de quem usa"_cp},
    {"Smokescreen"_cp, T::Normal, 0, 100, 20, "Diminui a Precisão do alvo"_cp},
    {"Confuse Ray"_cp, T::Fantasma, 0, 100, 10, "Deixa o alvo confuso"_cp},
    {"Withdraw"_cp, T::Agua, 0, 100, 40, "Aumenta a Defesa de quem usa"_cp},
    {"Defense Curl"_cp, T::Normal, 0, 100, 40, "Aumenta a Defesa de quem usa"_cp},
    {"Barrier"_cp, T::Psiquico, 0, 100, 30, "Aumenta muito a Defesa de quem usa"_cp},
    {"Light Screen"_cp, T::Psiquico, 0, 100, 30, "Diminui o dano dos golpes especiais que quem usa recebe"_cp},
    {"Haze"_cp, T::Gelo, 0, 100, 30, "Desfaz as mudanças de atributos de todos na batalha"_cp},
    {"Reflect"_cp, T::Psiquico, 0, 100, 20, "Diminui o dano dos golpes físicos que quem usa recebe"_cp},
    {"Focus Energy"_cp, T::Normal, 0, 100, 30, "Deveria aumentar a chance de acerto crítico; por um erro do jogo, a diminui"_cp},
    {"Bide"_cp, T::Normal, 0, 100, 10, "Aguenta 2 ou 3 turnos e devolve o dobro do dano recebido"_cp},
    {"Metronome"_cp, T::Normal, 0, 100, 10, "Usa um golpe qualquer, escolhido ao acaso"_cp},
    {"Mirror Move"_cp, T::Voador, 0, 100, 20, "Repete o último golpe que o alvo usou"_cp},
    {"Self-Destruct"_cp, T::Normal, 130, 100, 5, "Quem usa desmaia; a Defesa do alvo conta pela metade"_cp},
    {"Egg Bomb"_cp, T::Normal, 100, 75, 10, "Causa dano, sem efeito extra"_cp},
    {"Lick"_cp, T::Fantasma, 20, 100, 30, "Pode paralisar o alvo (30%)"_cp},
    {"Smog"_cp, T::Veneno, 20, 70, 20, "Pode envenenar o alvo (40%)"_cp},
    {"Sludge"_cp, T::Veneno, 65, 100, 20, "Pode envenenar o alvo (40%)"_cp},
    {"Bone Club"_cp, T::Terra, 65, 85, 20, "Pode fazer o alvo perder a vez (10%)"_cp},
    {"Fire Blast"_cp, T::Fogo, 120, 85, 5, "Pode queimar o alvo (30%)"_cp},
    {"Waterfall"_cp, T::Agua, 80, 100, 15, "Causa dano, sem efeito extra"_cp},
    {"Clamp"_cp, T::Agua, 35, 75, 10, "Prende o alvo e o ataca de 2 a 5 turnos"_cp},
    {"Swift"_cp, T::Normal, 60, 100, 20, "Nunca erra"_cp},
    {"Skull Bash"_cp, T::Normal, 100, 100, 15, "Carrega no primeiro turno e ataca no segundo"_cp},
    {"Spike Cannon"_cp, T::Normal, 20, 100, 15, "Ataca de 2 a 5 vezes"_cp},
    {"Constrict"_cp, T::Normal, 10, 100, 35, "Pode diminuir a Velocidade do alvo (33%)"_cp},
    {"Amnesia"_cp, T::Psiquico, 0, 100, 20, "Aumenta muito o Especial de quem usa"_cp},
    {"Kinesis"_cp, T::Psiquico, 0, 80, 15, "Diminui a Precisão do alvo"_cp},
    {"Soft-Boiled"_cp, T::Normal, 0, 100, 10, "Recupera metade da energia máxima de quem usa"_cp},
    {"Hi Jump Kick"_cp, T::Lutador, 85, 90, 20, "Se errar, quem usa sofre 1 ponto de dano"_cp},
    {"Glare"_cp, T::Normal, 0, 75, 30, "Paralisa o alvo"_cp},
    {"Dream Eater"_cp, T::Psiquico, 100, 100, 15, "Só funciona com o alvo dormindo; quem usa recupera metade do dano causado"_cp},
    {"Poison Gas"_cp, T::Veneno, 0, 55, 40, "Envenena o alvo"_cp},
    {"Barrage"_cp, T::Normal, 15, 85, 20, "Ataca de 2 a 5 vezes"_cp},
    {"Leech Life"_cp, T::Inseto, 20, 100, 15, "Quem usa recupera metade do dano causado"_cp},
    {"Lovely Kiss"_cp, T::Normal, 0, 75, 10, "Faz o alvo dormir"_cp},
    {"Sky Attack"_cp, T::Voador, 140, 90, 5, "Carrega no primeiro turno e ataca no segundo"_cp},
    {"Transform"_cp, T::Normal, 0, 100, 10, "Quem usa se transforma no alvo, com seus golpes e atributos"_cp},
    {"Bubble"_cp, T::Agua, 20, 100, 30, "Pode diminuir a Velocidade do alvo (33%)"_cp},
    {"Dizzy Punch"_cp, T::Normal, 70, 100, 10, "Causa dano, sem efeito extra"_cp},
    {"Spore"_cp, T::Grama, 0, 100, 15, "Faz o alvo dormir"_cp},
    {"Flash"_cp, T::Normal, 0, 70, 20, "Diminui a Precisão do alvo"_cp},
    {"Psywave"_cp, T::Psiquico, 1, 80, 15, "Causa dano ao acaso, até 1,5 vez o nível de quem usa"_cp},
    {"Splash"_cp, T::Normal, 0, 100, 40, "Não faz nada"_cp},
    {"Acid Armor"_cp, T::Veneno, 0, 100, 40, "Aumenta muito a Defesa de quem usa"_cp},
    {"Crabhammer"_cp, T::Agua, 90, 85, 10, "Causa dano; acerto crítico frequente"_cp},
    {"Explosion"_cp, T::Normal, 170, 100, 5, "Quem usa desmaia; a Defesa do alvo conta pela metade"_cp},
    {"Fury Swipes"_cp, T::Normal, 18, 80, 15, "Ataca de 2 a 5 vezes"_cp},
    {"Bonemerang"_cp, T::Terra, 50, 90, 10, "Ataca 2 vezes"_cp},
    {"Rest"_cp, T::Psiquico, 0, 100, 10, "Recupera toda a energia e cura o estado; quem usa dorme 2 turnos"_cp},
    {"Rock Slide"_cp, T::Pedra, 75, 90, 10, "Causa dano, sem efeito extra"_cp},
    {"Hyper Fang"_cp, T::Normal, 80, 90, 15, "Pode fazer o alvo perder a vez (10%)"_cp},
    {"Sharpen"_cp, T::Normal, 0, 100, 30, "Aumenta o Ataque de quem usa"_cp},
    {"Conversion"_cp, T::Normal, 0, 100, 30, "Quem usa passa a ter o tipo do alvo"_cp},
    {"Tri Attack"_cp, T::Normal, 80, 100, 10, "Causa dano, sem efeito extra"_cp},
    {"Super Fang"_cp, T::Normal, 1, 90, 10, "Tira metade da energia que o alvo tem"_cp},
    {"Slash"_cp, T::Normal, 70, 100, 20, "Causa dano; acerto crítico frequente"_cp},
    {"Substitute"_cp, T::Normal, 0, 100, 10, "Gasta 1/4 da energia de quem usa num substituto que recebe os golpes"_cp},
    {"Struggle"_cp, T::Normal, 50, 100, 10, "Usado quando acabam os PP; quem usa sofre metade do dano causado"_cp},
};
// clang-format on

static_assert(std::size(kMoves) == 165);

} // namespace

const std::span<const MoveInfo> MoveTable{kMoves};

int FindMove(std::string_view name)
{
    for (std::size_t i = 0; i < std::size(kMoves); ++i)
        if (kMoves[i].Name == name)
            return static_cast<int>(i);
    return -1;
}

namespace {
struct RuleRow {
    int Move; // row of MoveTable
    MoveRule Rule;
};

using R = DamageRule;
// Every move whose damage does not come from the plain formula; the others
// deal damage by the formula when they have power, none when they have not.
// clang-format off
constexpr RuleRow kRules[] = {
    {1, {R::HighCritical, 0}},  // Karate Chop
    {2, {R::TwoToFive, 0}},     // Double Slap
    {3, {R::TwoToFive, 0}},     // Comet Punch
    {11, {R::OneHitKo, 0}},     // Guillotine
    {23, {R::Twice, 0}},        // Double Kick
    {30, {R::TwoToFive, 0}},    // Fury Attack
    {31, {R::OneHitKo, 0}},     // Horn Drill
    {40, {R::Twice, 0}},        // Twineedle
    {41, {R::TwoToFive, 0}},    // Pin Missile
    {48, {R::Fixed, 20}},       // Sonic Boom
    {67, {R::Battle, 0}},       // Counter
    {68, {R::Level, 0}},        // Seismic Toss
    {74, {R::HighCritical, 0}}, // Razor Leaf
    {81, {R::Fixed, 40}},       // Dragon Rage
    {89, {R::OneHitKo, 0}},     // Fissure
    {100, {R::Level, 0}},       // Night Shade (power 0 in the games' table, yet it deals damage)
    {116, {R::Battle, 0}},      // Bide
    {119, {R::Explosion, 0}},   // Self-Destruct
    {128, {R::NeverMisses, 0}}, // Swift
    {130, {R::TwoToFive, 0}},   // Spike Cannon
    {139, {R::TwoToFive, 0}},   // Barrage
    {148, {R::Psywave, 0}},     // Psywave
    {151, {R::HighCritical, 0}},// Crabhammer
    {152, {R::Explosion, 0}},   // Explosion
    {153, {R::TwoToFive, 0}},   // Fury Swipes
    {154, {R::Twice, 0}},       // Bonemerang
    {161, {R::SuperFang, 0}},   // Super Fang
    {162, {R::HighCritical, 0}},// Slash
};
// clang-format on
} // namespace

MoveRule MoveRuleOf(int move)
{
    if (move < 0 || static_cast<std::size_t>(move) >= std::size(kMoves))
        throw std::out_of_range("move " + std::to_string(move));
    for (const RuleRow& row : kRules)
        if (row.Move == move)
            return row.Rule;
    return {kMoves[move].Power == 0 ? DamageRule::None : DamageRule::Formula, 0};
}

std::string PowerMeaning(int move)
{
    switch (MoveRuleOf(move).Rule) {
    case DamageRule::Battle: return "o dobro do dano recebido";
    case DamageRule::Fixed: return std::string("o dano é sempre o mesmo"_cp);
    case DamageRule::Level: return std::string("o dano é o nível de quem usa"_cp);
    case DamageRule::Psywave: return std::string("dano ao acaso, até 1,5 vez o nível de quem usa"_cp);
    case DamageRule::SuperFang: return std::string("metade da Energia que o alvo tem"_cp);
    case DamageRule::OneHitKo: return "derruba o alvo de uma vez";
    default: return {};
    }
}

double PowerKey(int move)
{
    const MoveRule r = MoveRuleOf(move);
    if (r.Rule == DamageRule::None)
        return 0;
    switch (r.Rule) {
    case DamageRule::Formula:
    case DamageRule::HighCritical:
    case DamageRule::NeverMisses:
    case DamageRule::Explosion:
    case DamageRule::TwoToFive:
    case DamageRule::Twice: return kMoves[move].Power;
    default: return std::nan("");
    }
}

bool HasAccuracyTest(int move)
{
    // The engine's effects that raise the user's stats, heal it, guard its
    // side, call another move, clear both sides or do nothing.
    static constexpr std::string_view kUntested[] = {
        "Swords Dance", "Mist",         "Growth",    "Meditate",     "Agility", "Double Team",  "Recover",
        "Harden",       "Minimize",     "Withdraw",  "Defense Curl", "Barrier", "Light Screen", "Haze",
        "Reflect",      "Focus Energy", "Metronome", "Mirror Move",  "Amnesia", "Soft-Boiled",  "Splash",
        "Acid Armor",   "Rest",         "Sharpen",   "Substitute"};
    if (MoveRuleOf(move).Rule == DamageRule::NeverMisses)
        return false;
    const std::string_view name = kMoves[move].Name;
    return std::find(std::begin(kUntested), std::end(kUntested), name) == std::end(kUntested);
}

std::string AccuracyText(int move)
{
    if (!HasAccuracyTest(move))
        return std::string("—"_cp);
    return std::to_string(kMoves[move].Accuracy) + "%";
}

std::string PowerText(int move)
{
    using namespace cp1252::literals;
    const MoveRule r = MoveRuleOf(move);
    switch (r.Rule) {
    case DamageRule::None: return std::string("—"_cp);
    case DamageRule::Battle: return "dobro do recebido";
    case DamageRule::Fixed: return std::to_string(r.Amount) + " fixo";
    case DamageRule::Level: return std::string("nível"_cp);
    case DamageRule::Psywave: return "varia";
    case DamageRule::SuperFang: return std::string("½ da Energia"_cp);
    case DamageRule::OneHitKo: return "nocaute";
    default: return std::to_string(kMoves[move].Power);
    }
}

namespace {
// What matching compares: letters in lower case, blanks and hyphens dropped
// ("Self-Destruct" -> "selfdestruct").
std::string SearchKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (const char c : text) {
        if (c == ' ' || c == '-')
            continue;
        key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}
} // namespace

std::vector<int> MovesMatching(std::string_view filter, std::optional<Type> type)
{
    // The filter reduced once, not once a move: this runs at every keystroke.
    const std::string wanted = SearchKey(filter);
    std::vector<int> rows;
    for (std::size_t i = 0; i < std::size(kMoves); ++i)
        if ((!type || kMoves[i].MoveType == *type) && SearchKey(kMoves[i].Name).find(wanted) != std::string::npos)
            rows.push_back(static_cast<int>(i));
    return rows;
}
