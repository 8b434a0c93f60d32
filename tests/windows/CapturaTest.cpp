// The catch panel through the real program: made by its first opening
// (Ctrl+B) on the creature the main window shows; a creature typed, a level
// typed, the HP and the status chosen by keyboard reach its view and the
// view's lines its list. What the lines say is CaptureView's test.
#include "WindowsFixture.h"

#include "forms/UnitCaptura.h"

namespace {

struct Captura : Windows {};

TEST_F(Captura, MewtwosChancesTheGreatBallAheadAndAWrongLevelRefused)
{
    Form1->SetAppDir(FAUNETA_OUT_DIR "/");
    Form1->ListBox1->SetItemIndex(24); // #025 on show
    Form1->ListBox1Click(Form1->ListBox1);
    QApplication::setActiveWindow(Form1);
    QTest::keyClick(Form1->windowHandle(), Qt::Key_B, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_NE(FormCaptura, nullptr);
    TFormCaptura* c = FormCaptura;
    EXPECT_EQ(QApplication::activeWindow(), c);
    EXPECT_EQ(c->windowTitle(), "Chance de Captura");
    EXPECT_EQ(c->CreatureChooser->Text(), "#025 - Pikachu");

    c->CreatureChooser->setFocus();
    QTest::keyClicks(c->CreatureChooser, "mewtwo");
    c->Level->setFocus();
    c->Level->selectAll();
    QTest::keyClicks(c->Level, "70");
    QApplication::processEvents();
    EXPECT_EQ(c->View().Creature().Number(), 150);
    const auto lines = [&] {
        std::vector<std::string> utf8;
        for (const std::string& l : c->ResultList->Items().ToVector())
            utf8.push_back(cp1252::toUtf8(l));
        return utf8;
    };
    EXPECT_EQ(c->ResultList->Items().ToVector(), c->View().Lines());
    const auto has = [&](const std::string& start) {
        const auto all = lines();
        return std::any_of(all.begin(), all.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    };
    EXPECT_TRUE(has("Ultra Ball: 0,9% por arremesso")) << LineAt(lines(), 3);
    EXPECT_TRUE(has("Great Ball: 1,0% por arremesso")) << LineAt(lines(), 2);
    EXPECT_TRUE(has("Aqui a Great Ball captura mais que a Ultra Ball")) << LineAt(lines(), 4);

    // Asleep at 1 HP, chosen by keyboard: the Great Ball no longer ahead.
    c->StatusChooser->setFocus();
    QTest::keyClick(c->StatusChooser, Qt::Key_Down); // dormindo
    c->HpChooser->setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(c->HpChooser, Qt::Key_Down); // 1 de Energia
    QApplication::processEvents();
    EXPECT_EQ(c->StatusChooser->Text(), "dormindo");
    EXPECT_EQ(c->View().HpLine(), 4);
    EXPECT_EQ(c->ResultList->Items().ToVector(), c->View().Lines());
    EXPECT_FALSE(has("Aqui a Great Ball captura mais que a Ultra Ball"));

    // A wrong level: said beside the field, no figures.
    c->Level->setFocus();
    c->Level->selectAll();
    QTest::keyClicks(c->Level, "0");
    QApplication::processEvents();
    EXPECT_TRUE(c->View().LevelNote().Wrong);
    EXPECT_EQ(c->LevelNote->Caption(), c->View().LevelNote().Text);
    EXPECT_FALSE(has("Ultra Ball: "));
    EXPECT_EQ(LabelOf(c->CreatureChooser), QString::fromUtf8("Pokémon:"));
    EXPECT_EQ(c->ResultList->accessibleName(), QString::fromUtf8("Chance de captura por pokébola"));
    Escape(*c);
}

} // namespace
