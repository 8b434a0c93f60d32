// The damage calculator through the real program: opened by its menu item
// and by Ctrl+D on the creature the main window shows, sides and move chosen
// by keyboard and mouse, figures that are the battle rules' own, bad input
// refused beside its field and at the top of the result, whose last valid
// figures are marked as such, and every control named for a screen reader.
#include "WindowsFixture.h"

#include "data/BattleText.h"
#include "data/Moves.h"
#include "forms/UnitDano.h"
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
    static void PickMove(const char* name)
    {
        const std::vector<int>& listed = FormDano->ListedMoves();
        const auto at = std::find(listed.begin(), listed.end(), FindMove(name));
        ASSERT_NE(at, listed.end()) << name;
        PickLine(FormDano->ComboBox11, static_cast<int>(at - listed.begin()));
    }
    static std::vector<std::string> Shown() { return FormDano->RichEdit1->Lines().ToVector(); }
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

constexpr int Pikachu = 25, Gyarados = 130, Tauros = 128, Chansey = 113;

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
        EXPECT_EQ(FormDano->ComboBox1->Text(), "#025 - Pikachu");
        EXPECT_EQ(FormDano->ComboBox1->Items().Count(), 151);
        EXPECT_EQ(FormDano->ComboBox6->Items()[150], "#151 - Mew");
        PressMainShortcuts(f.windowHandle());
        Type(FormDano->Edit1, "30"); // Esc from inside a field
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
    EXPECT_EQ(FormDano->ComboBox1->Text(), "#001 - Bulbasaur");
    EXPECT_EQ(FormDano->Edit1->Text(), "30"); // what was typed stays
    first->Close();
    EXPECT_FALSE(first->isVisible());
}

TEST_F(Dano, PikachuThunderboltOnGyaradosAndTheMoveList)
{
    Form1->ListBox1->SetItemIndex(Pikachu - 1);
    Form1->ListBox1Click(Form1->ListBox1);
    OpenDano([&](TForm& f) {
        TFormDano* d = FormDano;
        // Its own moves first (by level, then by machine), a parting line, the rest by name.
        const std::vector<int>& listed = d->ListedMoves();
        ASSERT_EQ(listed.size(), 166u);
        EXPECT_EQ(d->ComboBox11->Items()[0], "Thundershock");
        EXPECT_EQ(d->ComboBox11->Text(), "Thundershock");
        const auto parting = std::find(listed.begin(), listed.end(), -1);
        ASSERT_NE(parting, listed.end());
        EXPECT_LT(std::find(listed.begin(), listed.end(), FindMove("Thunderbolt")), parting);
        EXPECT_GT(std::find(listed.begin(), listed.end(), FindMove("Earthquake")), parting);
        EXPECT_TRUE(std::is_sorted(parting + 1, listed.end(), [](int a, int b) {
            return MoveTable[static_cast<std::size_t>(a)].Name < MoveTable[static_cast<std::size_t>(b)].Name;
        }));

        Type(d->Edit1, "30");
        PickCreature(d->ComboBox6, Gyarados);
        Type(d->Edit9, "28");
        PickMove("Thunderbolt");
        EXPECT_EQ(Shown(), Expected(Side(Pikachu, 30), Side(Gyarados, 28), "Thunderbolt"));
        // By hand: Special 44 against 69, 14 × 95 × 44 / 69 / 50 + 2 = 18;
        // same type 27; Electric on Water and on Flying: 108, × 217 / 255 = 91.
        EXPECT_EQ(LineAt(Shown(), 0), W("Dano: 91–108 (91,9–109,1% da Energia)"));
        EXPECT_EQ(d->Edit8->Text(), "Energia 70, Ataque 47, Defesa 32, Velocidade 68, Especial 44");
        EXPECT_EQ(d->Edit16->Text(), "Energia 99, Ataque 83, Defesa 57, Velocidade 58, Especial 69");
        EXPECT_EQ(d->Edit2->Text(), "15");

        // The arrow keys step over the parting line, which is no move.
        const int lastOwn = static_cast<int>(parting - listed.begin()) - 1;
        PickLine(d->ComboBox11, lastOwn);
        QTest::keyClick(d->ComboBox11, Qt::Key_Down);
        EXPECT_EQ(d->ChosenMove(), *(parting + 1));
        QTest::keyClick(d->ComboBox11, Qt::Key_Up);
        EXPECT_EQ(d->ChosenMove(), listed[static_cast<std::size_t>(lastOwn)]);
        PickMove("Thunderbolt");
        // A DV changes the HP DV and the stats with it.
        Type(d->Edit3, "14"); // Attack 14: HP DV loses its top bit
        EXPECT_EQ(d->Edit2->Text(), "7");
        // A stage and Light Screen, by keyboard and by mouse.
        BattleSide attacker = Side(Pikachu, 30), defender = Side(Gyarados, 28);
        attacker.Dv.Attack = 14;
        PickLine(d->ComboBox5, 8); // Special +2
        attacker.SpecialStage = 2;
        ClickOn(d->CheckBox3);
        defender.LightScreen = true;
        EXPECT_EQ(Shown(), Expected(attacker, defender, "Thunderbolt"));
        f.Close();
    });
}

TEST_F(Dano, TaurosBodySlamOnChanseyAtLevelHundredWithMaximumStatExperience)
{
    OpenDano([&](TForm& f) {
        TFormDano* d = FormDano;
        PickCreature(d->ComboBox1, Tauros);
        PickCreature(d->ComboBox6, Chansey);
        Type(d->Edit1, "100");
        Type(d->Edit9, "100");
        ClickOn(d->Button1);
        ClickOn(d->Button2);
        EXPECT_EQ(d->Edit7->Text(), "65535");
        EXPECT_EQ(d->Edit15->Text(), "65535");
        PickMove("Body Slam");
        BattleSide tauros = Side(Tauros, 100, 65535), chansey = Side(Chansey, 100, 65535);
        EXPECT_EQ(Shown(), Expected(tauros, chansey, "Body Slam"));
        // Burned, its Attack halves, except on a critical hit.
        ClickOn(d->CheckBox1);
        tauros.Burned = true;
        EXPECT_EQ(Shown(), Expected(tauros, chansey, "Body Slam"));
        f.Close();
    });
}

TEST_F(Dano, BadInputIsRefusedBesideItsFieldAndAtTheTopOfTheMarkedLastResult)
{
    OpenDano([&](TForm& f) {
        TFormDano* d = FormDano;
        PickMove("Tackle");
        const std::vector<std::string> valid = Shown();
        ASSERT_FALSE(valid.empty());
        const std::string stats = d->Edit8->Text(), defenderStats = d->Edit16->Text();
        struct Case {
            TEdit* field;
            const char* typed;
            TLabel* note;
            const char* says;
            const char* correction;
            const char* valid;
        };
        const Case cases[] = {
            {d->Edit1, "0", d->Label3, "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100", "50"},
            {d->Edit1, "101", d->Label3, "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100", "50"},
            {d->Edit1, "abc", d->Label3, "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100", "50"},
            // Digits with something else are no number either.
            {d->Edit1, "5a", d->Label3, "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100", "50"},
            {d->Edit1, "1 2", d->Label3, "Inválido: use 1 a 100", "Corrija o nível do Atacante: use 1 a 100", "50"},
            {d->Edit3, "+5", d->Label11, "DV de Ataque inválido: use 0 a 15",
             "Corrija o DV de Ataque do Atacante: use 0 a 15", "15"},
            {d->Edit9, "-5", d->Label16, "Inválido: use 1 a 100", "Corrija o nível do Defensor: use 1 a 100", "50"},
            {d->Edit4, "16", d->Label11, "DV de Defesa inválido: use 0 a 15",
             "Corrija o DV de Defesa do Atacante: use 0 a 15", "15"},
            {d->Edit7, "70000", d->Label13, "Inválido: use 0 a 65535",
             "Corrija a experiência de status do Atacante: use 0 a 65535", "0"},
            {d->Edit15, "", d->Label26, "Inválido: use 0 a 65535",
             "Corrija a experiência de status do Defensor: use 0 a 65535", "0"},
        };
        for (const Case& c : cases) {
            // Each key computes anew ("101" passes through 1 and 10): the
            // figures before the last key are the last valid ones, unless
            // the field was already wrong.
            const std::string typed = c.typed;
            Type(c.field, typed.substr(0, typed.empty() ? 0 : typed.size() - 1).c_str());
            const std::vector<std::string> before = Shown();
            ASSERT_FALSE(before.empty()) << c.typed;
            const std::vector<std::string> last = LineAt(before, 0).rfind("Corrija", 0) == 0 ? valid : before;
            if (!typed.empty())
                QTest::keyClicks(c.field, QString::fromStdString(typed.substr(typed.size() - 1)));
            EXPECT_EQ(c.note->Caption(), W(c.says)) << c.typed;
            EXPECT_EQ(c.field->accessibleDescription(), QString::fromUtf8(c.says)) << c.typed;
            const std::vector<std::string> stale = StaleResultLines({W(c.correction)}, last);
            EXPECT_EQ(Shown(), stale) << c.typed;
            ASSERT_GE(Shown().size(), 2u) << c.typed;
            EXPECT_EQ(Shown()[1], W("Últimos valores válidos (não incluem as mudanças feitas depois deles):"));
            // The side with the wrong field shows no stats; never those of
            // the value before the last key ("16" passes through 1).
            const bool attackerWrong =
                c.field == d->Edit1 || c.field == d->Edit3 || c.field == d->Edit4 || c.field == d->Edit7;
            EXPECT_EQ(d->Edit8->Text(), attackerWrong ? W("—") : stats) << c.typed;
            EXPECT_EQ(d->Edit16->Text(), attackerWrong ? defenderStats : W("—")) << c.typed;
            const bool dvWrong = c.field == d->Edit3 || c.field == d->Edit4;
            EXPECT_EQ(d->Edit2->Text(), dvWrong ? W("—") : "15") << c.typed;
            // Another change elsewhere changes no figure while it is wrong:
            // the box still says what to correct above the last valid ones.
            PickMove("Pound");
            ClickOn(d->CheckBox3);
            EXPECT_EQ(Shown(), stale) << c.typed;
            ClickOn(d->CheckBox3);
            PickMove("Tackle");
            Type(c.field, c.valid);
            EXPECT_FALSE(c.field->accessibleDescription().contains(QString::fromUtf8("nválido"))) << c.typed;
            EXPECT_EQ(Shown(), valid) << c.typed;
            EXPECT_EQ(d->Edit8->Text(), stats) << c.typed;
        }
        // Several wrong fields: one line each, in the window's order.
        Type(d->Edit15, "x");
        Type(d->Edit1, "0");
        Type(d->Edit6, "99");
        EXPECT_EQ(Shown(), StaleResultLines({W("Corrija o nível do Atacante: use 1 a 100"),
                                             W("Corrija o DV de Especial do Atacante: use 0 a 15"),
                                             W("Corrija a experiência de status do Defensor: use 0 a 65535")},
                                            valid));
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
        EXPECT_EQ(d->Edit4->accessibleName(), "DV de Defesa do atacante");
        EXPECT_EQ(d->ComboBox10->accessibleDescription(), QString::fromUtf8("Estágio de Especial do defensor"));
        EXPECT_EQ(d->Button2->accessibleName(), QString::fromUtf8("Experiência de status máxima do defensor"));
        QAccessibleInterface* result = QAccessible::queryAccessibleInterface(d->RichEdit1);
        ASSERT_TRUE(result && result->textInterface());
        std::string all;
        for (const std::string& line : Shown())
            all += (all.empty() ? "" : "\n") + line;
        EXPECT_EQ(FromQt(result->textInterface()->text(0, result->textInterface()->characterCount())), all);
        EXPECT_EQ(result->text(QAccessible::Name), "Resultado");
        // The HP DV is made of the others: it looks read-only and says so.
        for (TEdit* hpDv : {d->Edit2, d->Edit10}) {
            EXPECT_TRUE(hpDv->ReadOnly());
            EXPECT_EQ(hpDv->palette().color(QPalette::Base), ColorToQColor(clBtnFace));
            EXPECT_NE(hpDv->palette().color(QPalette::Base), d->Edit3->palette().color(QPalette::Base));
            EXPECT_EQ(hpDv->accessibleDescription(), "Calculado dos outros quatro DVs");
            EXPECT_EQ(hpDv->toolTip(), "Calculado dos outros quatro DVs");
        }
        f.Close();
    });
}

} // namespace
