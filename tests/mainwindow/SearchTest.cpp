// The search by name or number, through typing, pasting and the button.
#include "MainWindowFixture.h"

#include "forms/SearchKeys.h"
#include "widgets/SysUtils.h"

#include <QClipboard>

#include <set>

namespace {

struct Search : MainWindow {
    // Puts text into the field as a program would, then presses "Procurar".
    void SearchFor(const std::string& cp1252Text)
    {
        Form1->Edit5->SetText(cp1252Text);
        QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
    }
    void ExpectFound(const std::string& caption, int page, int line)
    {
        EXPECT_EQ(Form1->Edit1->Text(), caption);
        ASSERT_NE(Form1->ShownEntry(), nullptr);
        EXPECT_EQ(Form1->ShownEntry()->Caption(), caption);
        EXPECT_EQ(VisiblePage(), page);
        EXPECT_EQ(Form1->PageList(page)->ItemIndex(), line);
        EXPECT_EQ(Form1->Edit5->Text(), "");
    }
};

TEST_F(Search, TypedNameTurnsIntoCapitalsAndFindsTheCreature)
{
    Form1->SelectPage(4);
    Form1->Edit5->setFocus();
    QTest::keyClicks(Form1->Edit5, "pikachu");
    EXPECT_EQ(Form1->Edit5->Text(), "PIKACHU");
    QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
    ExpectFound("#025 - Pikachu", 1, 24);
    EXPECT_TRUE(Form1->Edit5->hasFocus());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Search, AccentedAndPastedLettersBecomeCapitals)
{
    Form1->Edit5->setFocus();
    Type(Form1->Edit5, QString::fromUtf8("pokémon ç"));
    EXPECT_EQ(Form1->Edit5->Text(), Text("POKÉMON Ç"));
    Form1->Edit5->Clear();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("mr. mime"));
    QTest::keyClick(Form1->Edit5, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Form1->Edit5->Text(), "MR. MIME");
    QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
    ExpectFound("#122 - Mr.Mime", 5, 1);
}

TEST_F(Search, KeysThatMatch)
{
    struct Case {
        std::string text;
        std::string caption;
        int page, line;
    };
    const Case cases[] = {
        {"25", "#025 - Pikachu", 1, 24},
        {"0", "#000 - Missingno", 6, 0},
        {"MISSINGNO", "#000 - Missingno", 6, 0},
        {"151", "#151 - Mew", 6, 1},
        {"MEW", "#151 - Mew", 6, 1},
        {"MEWTWO", "#150 - Mewtwo", 5, 29},
        {"12", "#012 - Butterfree", 1, 11},
        {"BUTTERFREE", "#012 - Butterfree", 1, 11},
        {"NIDORAN(F)", "#029 - Nidoran (F)", 1, 28},
        {"NIDORAN(M)", "#032 - Nidoran (M)", 2, 1},
        {Text("FARFETCH´D"), Text("#083 - Farfetch´d"), 3, 22},
        {"JYNX", "#124 - Jinx", 5, 3},
        {"MR. MIME", "#122 - Mr.Mime", 5, 1},
        {"EXEGGCUTOR", "#103 - Exeggcutor", 4, 12},
        {"103", "#103 - Exeggcutor", 4, 12},
        {"1", "#001 - Bulbasaur", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        SearchFor(c.text);
        ExpectFound(c.caption, c.page, c.line);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Search, EveryEntryIsFoundByItsNameAsTypedAndByItsNumber)
{
    // Typed as the list shows it, every name but the four that people write
    // otherwise (KeysThatMatch) turns into its key in the field.
    const std::set<int> typedOtherwise = {29, 32, 122, 124};
    for (int row = 0; row < Catalogue::RowCount; ++row) {
        const CatalogueEntry& e = Catalogue::Entry(row);
        SCOPED_TRACE(e.Caption());
        const Catalogue::ListPosition at = Catalogue::ListPositionOfRow(row);
        if (!typedOtherwise.count(e.Number)) {
            Form1->Edit5->setFocus();
            Type(Form1->Edit5, ToQt(e.Name));
            QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
            ExpectFound(e.Caption(), at.Page, at.Item);
        }
        SearchFor(std::to_string(e.Number));
        ExpectFound(e.Caption(), at.Page, at.Item);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Search, NearMissesMatchNothingAndSayNothing)
{
    ClickLine(Form1->ListBox1, 6);
    const std::string misses[] = {"025",       "25 ",         " 25",        "+25",  "152",
                                  "-1",        "NIDORAN (F)", "FARFETCH'D", "JINX", "MR.MIME",
                                  "EXEGGUTOR", "pikachu",     "PIKACHU ",   "PIKA", "  "};
    for (const std::string& text : misses) {
        SCOPED_TRACE(text);
        SearchFor(text);
        EXPECT_EQ(Form1->Edit1->Text(), "#007 - Squirtle");
        EXPECT_EQ(VisiblePage(), 1);
        EXPECT_EQ(Form1->ListBox1->ItemIndex(), 6);
        EXPECT_EQ(Form1->Edit5->Text(), "");
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Search, ACharacterTheCodePageCannotHoldMatchesNothing)
{
    // The field refuses such a character as it is typed or pasted ...
    Form1->Edit5->setFocus();
    Type(Form1->Edit5, QString::fromUtf8("meΩw"));
    EXPECT_EQ(Form1->Edit5->Text(), "MEW");
    Form1->Edit5->Clear();
    QGuiApplication::clipboard()->setText(QString::fromUtf8("MEWΩ"));
    QTest::keyClick(Form1->Edit5, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Form1->Edit5->Text(), "");
    // ... and text that holds one anyway matches no key.
    Form1->Edit5->setText(QString::fromUtf8("MEWΩ"));
    QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(Form1->Edit1->Text(), "");
    EXPECT_EQ(Form1->Edit5->Text(), "");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(Search, AnEmptyFieldDrawsTheWarningAndChangesNothingElse)
{
    ClickLine(Form1->ListBox1, 2);
    SearchFor("");
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text,
              Text("Insira o nome ou número do pokémon que você procura e depois clique em PROCURAR."));
    EXPECT_EQ(boxes.boxes[0].caption, "Campo em Branco");
    EXPECT_EQ(boxes.boxes[0].flags, 48u);
    EXPECT_EQ(Form1->Edit1->Text(), "#003 - Venusaur");
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), 2);
    EXPECT_EQ(VisiblePage(), 1);
    EXPECT_TRUE(Form1->Edit5->hasFocus());
}

TEST_F(Search, EnterInTheFieldDoesNotSearch)
{
    Form1->Edit5->setFocus();
    QTest::keyClicks(Form1->Edit5, "25");
    QTest::keyClick(Form1->Edit5, Qt::Key_Return);
    EXPECT_EQ(Form1->Edit1->Text(), "");
    EXPECT_EQ(Form1->Edit5->Text(), "25");
}

TEST_F(Search, AFoundEntrySelectsItsLineWithoutTouchingOtherLists)
{
    Form1->SelectPage(2);
    ClickLine(Form1->ListBox2, 3);
    Form1->SelectPage(1);
    ClickLine(Form1->ListBox1, 0);
    SearchFor("GOLEM"); // page 3
    ExpectFound("#076 - Golem", 3, 15);
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), 0);
    EXPECT_EQ(Form1->ListBox2->ItemIndex(), 3);
    // Searching the entry already shown selects its line again and changes nothing else.
    SearchFor("76");
    ExpectFound("#076 - Golem", 3, 15);
}

TEST_F(Search, AFailingEntryLeavesTheSearchAtOnce)
{
    QFile::remove(QString::fromStdString(BarPath(3)));
    ClickLine(Form1->ListBox1, 1); // Ivysaur: no 3 among its ratings
    ASSERT_TRUE(boxes.boxes.empty());
    Form1->SelectPage(2);
    SearchFor("PIKACHU"); // Energia 3
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot open file " + BarPath(3) + ".");
    EXPECT_EQ(Form1->Edit5->Text(), "PIKACHU");
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), 1);
    EXPECT_EQ(VisiblePage(), 2);
}

TEST(SearchKeys, EveryKeyIsDistinctAndPointsAtItsEntry)
{
    std::set<std::string_view> keys;
    ASSERT_EQ(SearchKeys().size(), std::size_t(Catalogue::RowCount));
    for (const SearchKey& k : SearchKeys()) {
        EXPECT_TRUE(keys.insert(k.NameKey).second) << k.NameKey;
        EXPECT_TRUE(keys.insert(k.NumberKey).second) << k.NumberKey;
        const CatalogueEntry& e = Catalogue::Entry(k.Row);
        EXPECT_EQ(k.NumberKey, std::to_string(e.Number));
    }
}

} // namespace
