// The damage calculator through the real program: opened by its menu item
// and by Ctrl+D on the creature the main window shows; what is typed, chosen
// and ticked by keyboard and mouse reaches its view (views/DamageView, whose
// own test holds the figures and the refusals), and what the view says
// reaches the controls, the notes in dark red to the eye and in words to a
// screen reader; every control named.
#include "WindowsFixture.h"

#include "data/Moves.h"
#include "forms/UnitDano.h"
#include "views/BattleText.h"
#include "widgets/SysUtils.h"

#include <QAccessible>

namespace {

struct Dano : Windows {
    void SetUp() override
    {
        Windows::SetUp();
        Form1->SetAppDir(FAUNETA_OUT_DIR "/"); // the pictures of the entries shown
    }
    // A tool window: opened beside the main window, `inside` closes it.
    void OpenDano(const std::function<void(TForm&)>& inside) { WithTool(Form1->CalculadoradeDano1, inside); }

    // Replaces a field's text by typing, as a person does.
    static void Type(TEdit* e, const char* text)
    {
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, QString::fromUtf8(text));
        QApplication::processEvents();
    }
    // Picks line `line` of a drop-down list by keyboard, from its top.
    static void PickLine(TComboBox* box, int line)
    {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int guard = 0; box->ItemIndex() < line && guard < 200; ++guard)
            QTest::keyClick(box, Qt::Key_Down);
        QApplication::processEvents();
        ASSERT_EQ(box->ItemIndex(), line);
    }
    static void PickCreature(TComboBox* box, int number) { PickLine(box, number - 1); }
    // Clicks a line of a list as a person does.
    static void ClickLine(TListBox* list, int line)
    {
        ASSERT_LT(line, list->count());
        QListWidgetItem* it = list->item(line);
        list->scrollToItem(it);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(it).center());
        QApplication::processEvents();
    }
    static std::vector<std::string> RankingLines()
    {
        std::vector<std::string> lines;
        for (const RankedMove& r : FormDano->View().Ranking())
            lines.push_back(r.Line);
        return lines;
    }
    static void PickMove(const char* name)
    {
        const auto& listed = FormDano->View().ListedMoves();
        const auto at = std::find(listed.begin(), listed.end(), FindMove(name));
        ASSERT_NE(at, listed.end()) << name;
        PickLine(FormDano->MoveChooser, static_cast<int>(at - listed.begin()));
    }
    static std::vector<std::string> Shown() { return FormDano->ResultText->Lines().ToVector(); }
    // What the rules give for these sides, as the window words it.
    static std::vector<std::string> Expected(const BattleSide& a, const BattleSide& d, const char* move)
    {
        return ResultLines(ComputeBattle(a, d, FindMove(move)), FindMove(move), d.Species);
    }
    static BattleSide Side(int species, int level, int statExp = 0)
    {
        BattleSide s;
        s.Species = species;
        s.Level = level;
        s.StatExp.fill(statExp);
        return s;
    }
};

constexpr int Pikachu = 25, Gyarados = 130, Tauros = 128;

TEST_F(Dano, CreatedByItsFirstOpeningOnTheCreatureShownClosedByEsc)
{
    EXPECT_EQ(FormDano, nullptr); // start-up does not create it
    Form1->ListBox1->SetItemIndex(Pikachu - 1);
    Form1->ListBox1Click(Form1->ListBox1);
    TForm* first = nullptr;
    OpenDano([&](TForm& f) {
        first = &f;
        EXPECT_EQ(&f, FormDano);
        EXPECT_EQ(f.windowTitle(), "Calculadora de Dano");
        EXPECT_EQ(f.minimumSize(), f.size()); // larger, never smaller
        EXPECT_EQ(FormDano->AttackerChooser->Text(), "#025 - Pikachu");
        EXPECT_EQ(FormDano->AttackerChooser->Items().Count(), 151);
        EXPECT_EQ(FormDano->DefenderChooser->Items()[150], "#151 - Mew");
        PressMainShortcuts(f.windowHandle());
        Type(FormDano->AttackerLevel, "30"); // Esc from inside a field
        Escape(f);
    });
    // Ctrl+D in the main window opens the same window, here over #000,
    // which has no stats: the first creature attacks.
    Form1->PageList(6)->SetItemIndex(0);
    Form1->ListBox6Click(Form1->ListBox6);
    QApplication::setActiveWindow(Form1);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_D, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(FormDano->AttackerChooser->Text(), "#001 - Bulbasaur");
    EXPECT_EQ(FormDano->AttackerLevel->Text(), "30"); // what was typed stays
    first->Close();
    EXPECT_FALSE(first->isVisible());
}

TEST_F(Dano, WhatIsTypedAndChosenReachesTheViewAndItsLinesTheControls)
{
    Form1->ListBox1->SetItemIndex(Pikachu - 1);
    Form1->ListBox1Click(Form1->ListBox1);
    OpenDano([&](TForm& f) {
        TFormDano* d = FormDano;
        const DamageView& v = d->View();
        EXPECT_EQ(d->MoveChooser->Items().ToVector(), v.MoveLines());
        EXPECT_EQ(d->MoveChooser->Text(), "Thundershock");

        Type(d->AttackerLevel, "30");
        PickCreature(d->DefenderChooser, Gyarados);
        Type(d->DefenderLevel, "28");
        PickMove("Thunderbolt");
        EXPECT_EQ(v.CreatureOf(Combatant::Defender).Number(), Gyarados);
        EXPECT_EQ(v.Level(Combatant::Defender).Value, 28);
        EXPECT_EQ(Shown(), Expected(Side(Pikachu, 30), Side(Gyarados, 28), "Thunderbolt"));
        EXPECT_EQ(LineAt(Shown(), 0), W("Dano: 91–108 (91,9–109,1% da Energia)"));
        EXPECT_EQ(d->AttackerStats->Text(), v.StatsLine(Combatant::Attacker));
        EXPECT_EQ(d->DefenderStats->Text(), "Energia 99, Ataque 83, Defesa 57, Velocidade 58, Especial 69");
        EXPECT_EQ(d->AttackerDvHp->Text(), "15");

        // The ranking shows the view's lines, the move chosen selected; a line
        // chosen by keyboard or by mouse is the move, in the chooser and the result.
        EXPECT_EQ(d->RankingList->Items().ToVector(), RankingLines());
        ASSERT_GE(d->RankingList->count(), 3);
        EXPECT_EQ(d->RankingList->ItemIndex(), v.RankingLine());
        EXPECT_EQ(LineAt(d->RankingList->Items().ToVector(), static_cast<std::size_t>(v.RankingLine()))
                      .rfind(W("Thunderbolt — 91–108 (91,9–109,1% da Energia)"), 0),
                  0u);
        d->RankingList->setFocus();
        for (const auto& [key, line] : {std::pair{Qt::Key_Home, 0}, std::pair{Qt::Key_Down, 1}}) {
            QTest::keyClick(d->RankingList, key);
            QApplication::processEvents();
            const int move = v.Ranking()[static_cast<std::size_t>(line)].Move;
            const std::string name(MoveTable[static_cast<std::size_t>(move)].Name);
            EXPECT_EQ(v.Move(), move) << line;
            EXPECT_EQ(d->MoveChooser->Text(), name) << line;
            EXPECT_EQ(Shown(), Expected(Side(Pikachu, 30), Side(Gyarados, 28), name.c_str())) << line;
        }
        const int last = d->RankingList->count() - 1;
        ClickLine(d->RankingList, last);
        EXPECT_EQ(v.Move(), v.Ranking().back().Move);
        EXPECT_EQ(d->RankingList->ItemIndex(), last);
        EXPECT_EQ(d->MoveChooser->ItemIndex(), v.MoveLine());
        EXPECT_EQ(Shown(), v.ResultLines());
        // A move chosen in the chooser is selected in the ranking, if there.
        PickMove("Thunderbolt");
        EXPECT_EQ(d->RankingList->ItemIndex(), v.RankingLine());
        PickMove("Earthquake");
        EXPECT_EQ(d->RankingList->ItemIndex(), -1);
        EXPECT_EQ(d->RankingList->Items().ToVector(), RankingLines());
        PickMove("Thunderbolt");

        // The arrow keys step over the parting line, which is no move.
        const int parting = v.PartingLine();
        ASSERT_GT(parting, 0);
        PickLine(d->MoveChooser, parting - 1);
        QTest::keyClick(d->MoveChooser, Qt::Key_Down);
        EXPECT_EQ(v.Move(), v.ListedMoves()[static_cast<std::size_t>(parting) + 1]);
        EXPECT_EQ(d->MoveChooser->ItemIndex(), parting + 1);
        QTest::keyClick(d->MoveChooser, Qt::Key_Up);
        EXPECT_EQ(v.Move(), v.ListedMoves()[static_cast<std::size_t>(parting) - 1]);
        PickMove("Thunderbolt");
        // Each DV field and stage chooser reaches its own stat of its own side.
        BattleSide attacker = Side(Pikachu, 30), defender = Side(Gyarados, 28);
        Type(d->AttackerDvAttack, "14"); // the HP DV loses its top bit
        attacker.Dv.Attack = 14;
        EXPECT_EQ(d->AttackerDvHp->Text(), "7");
        Type(d->DefenderDvSpeed, "2");
        defender.Dv.Speed = 2;
        EXPECT_EQ(d->DefenderDvHp->Text(), "13");
        PickLine(d->AttackerStageSpecial, 8); // +2
        attacker.SpecialStage = 2;
        PickLine(d->DefenderStageDefense, 3); // -3
        defender.DefenseStage = -3;
        EXPECT_EQ(v.StageOf(Combatant::Defender, Stat::Defense), -3);
        // The ticks and the buttons by mouse.
        ClickOn(d->LightScreenCheck);
        defender.LightScreen = true;
        EXPECT_EQ(Shown(), Expected(attacker, defender, "Thunderbolt"));
        ClickOn(d->AttackerStatExpMax);
        ClickOn(d->DefenderStatExpMax);
        EXPECT_EQ(d->AttackerStatExp->Text(), "65535");
        EXPECT_EQ(d->DefenderStatExp->Text(), "65535");
        attacker.StatExp.fill(65535);
        defender.StatExp.fill(65535);
        PickMove("Body Slam");
        ClickOn(d->BurnedCheck);
        ClickOn(d->ReflectCheck);
        attacker.Burned = defender.Reflect = true;
        EXPECT_TRUE(v.Burned() && v.Reflect() && v.LightScreen());
        EXPECT_EQ(Shown(), Expected(attacker, defender, "Body Slam"));
        EXPECT_EQ(d->AttackerStats->Text(), v.StatsLine(Combatant::Attacker));
        EXPECT_EQ(d->DefenderStats->Text(), v.StatsLine(Combatant::Defender));
        EXPECT_EQ(d->RankingList->Items().ToVector(), RankingLines()) << "ranked anew with every change";
        // Another attacker: its own moves first, the move chosen stays.
        PickCreature(d->AttackerChooser, Tauros);
        EXPECT_EQ(d->MoveChooser->Items().ToVector(), v.MoveLines());
        EXPECT_EQ(d->RankingList->Items().ToVector(), RankingLines());
        EXPECT_EQ(d->MoveChooser->Text(), "Body Slam");
        f.Close();
    });
}

TEST_F(Dano, BadInputIsSaidBesideItsFieldToEyesAndEarsAndAtTheTopOfTheResult)
{
    OpenDano([&](TForm& f) {
        TFormDano* d = FormDano;
        const DamageView& v = d->View();
        PickMove("Tackle");
        const std::vector<std::string> valid = Shown();
        ASSERT_FALSE(valid.empty());
        ASSERT_GT(d->RankingList->count(), 0);
        struct Case {
            TEdit* field;
            const char* typed;
            TLabel* note;
            TEdit* stats;
            TEdit* hpDv;
            const char* says;
            const char* valid;
        };
        const Case cases[] = {
            {d->AttackerLevel, "101", d->AttackerLevelNote, d->AttackerStats, nullptr, "Inválido: use 1 a 100", "50"},
            {d->DefenderDvDefense, "16", d->DefenderDvNote, d->DefenderStats, d->DefenderDvHp,
             "DV de Defesa inválido: use 0 a 15", "15"},
            {d->DefenderStatExp, "x", d->DefenderStatExpNote, d->DefenderStats, nullptr, "Inválido: use 0 a 65535",
             "0"},
        };
        for (const Case& c : cases) {
            const std::string shownStats = c.stats->Text();
            Type(c.field, c.typed);
            EXPECT_EQ(c.note->Caption(), W(c.says)) << c.typed;
            EXPECT_EQ(c.note->Font().Color, clMaroon) << c.typed;
            EXPECT_EQ(c.field->accessibleDescription(), QString::fromUtf8(c.says)) << c.typed;
            EXPECT_EQ(Shown(), v.ResultLines()) << c.typed;
            EXPECT_EQ(LineAt(Shown(), 0).rfind("Corrija", 0), 0u) << c.typed;
            EXPECT_EQ(c.stats->Text(), W("—")) << c.typed;
            // The ranking stays the last valid one (of a text typed on the
            // way, as the figures), its heading marking it as such.
            EXPECT_EQ(d->RankingList->Items().ToVector(), RankingLines()) << c.typed;
            EXPECT_EQ(d->RankingGroup->Caption(), v.RankingTitle()) << c.typed;
            EXPECT_EQ(d->RankingList->accessibleDescription(), ToQt(v.RankingTitle())) << c.typed;
            EXPECT_NE(v.RankingTitle().find(W("últimos valores válidos")), std::string::npos) << c.typed;
            if (c.hpDv) {
                EXPECT_EQ(c.hpDv->Text(), W("—")) << c.typed;
            }
            Type(c.field, c.valid);
            EXPECT_EQ(c.note->Font().Color, clBlack) << c.typed;
            EXPECT_FALSE(c.field->accessibleDescription().contains(QString::fromUtf8("nválido"))) << c.typed;
            EXPECT_EQ(Shown(), valid) << c.typed;
            EXPECT_EQ(c.stats->Text(), shownStats) << c.typed;
            EXPECT_EQ(d->RankingGroup->Caption(), "Golpes do atacante contra o defensor, do melhor ao pior") << c.typed;
        }
        EXPECT_TRUE(boxes.boxes.empty());
        f.Close();
    });
}

TEST_F(Dano, EveryControlNamedAndTheResultReadAsOneText)
{
    OpenDano([&](TForm& f) {
        TFormDano* d = FormDano;
        std::set<std::string> names;
        for (TComponent* comp : d->Components())
            if (auto* w = dynamic_cast<TWinControl*>(comp)) {
                const std::string name = w->Widget()->accessibleName().toStdString();
                EXPECT_FALSE(name.empty()) << comp->Name();
                if (!dynamic_cast<TGroupBox*>(w)) {
                    EXPECT_TRUE(names.insert(name).second) << name << " twice";
                }
            }
        EXPECT_EQ(d->AttackerDvDefense->accessibleName(), "DV de Defesa do atacante");
        EXPECT_EQ(d->DefenderStageSpecial->accessibleDescription(),
                  QString::fromUtf8("Estágio de Especial do defensor"));
        EXPECT_EQ(d->DefenderStatExpMax->accessibleName(),
                  QString::fromUtf8("Experiência de status máxima do defensor"));
        EXPECT_EQ(d->RankingList->accessibleName(),
                  QString::fromUtf8("Golpes do atacante contra o defensor, do melhor ao pior"));
        EXPECT_EQ(d->RankingList->accessibleDescription(), d->RankingList->accessibleName());
        QAccessibleInterface* result = QAccessible::queryAccessibleInterface(d->ResultText);
        ASSERT_TRUE(result && result->textInterface());
        std::string all;
        for (const std::string& line : Shown())
            all += (all.empty() ? "" : "\n") + line;
        EXPECT_EQ(FromQt(result->textInterface()->text(0, result->textInterface()->characterCount())), all);
        EXPECT_EQ(result->text(QAccessible::Name), "Resultado");
        // The HP DV is made of the others: it looks read-only and says so.
        for (TEdit* hpDv : {d->AttackerDvHp, d->DefenderDvHp}) {
            EXPECT_TRUE(hpDv->ReadOnly());
            EXPECT_EQ(hpDv->palette().color(QPalette::Base), ColorToQColor(clBtnFace));
            EXPECT_NE(hpDv->palette().color(QPalette::Base), d->AttackerDvAttack->palette().color(QPalette::Base));
            EXPECT_EQ(hpDv->accessibleDescription(), "Calculado dos outros quatro DVs");
            EXPECT_EQ(hpDv->toolTip(), "Calculado dos outros quatro DVs");
        }
        f.Close();
    });
}

} // namespace
