// Presenting one entry: what the detail panel shows, in which order it is
// written, and what stays when a picture cannot be loaded.
#include "MainWindowFixture.h"

#include "widgets/Dispatch.h"
#include "widgets/SysUtils.h"

#include <QFile>

namespace {

using ShowEntryTest = MainWindow;

// The rating bars' tooltips, as shown.
std::array<std::string, 5> Hints()
{
    const TImage* const bars[] = {Form1->Image1, Form1->Image2, Form1->Image3, Form1->Image4, Form1->Image5};
    std::array<std::string, 5> out;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = bars[i]->toolTip().toStdString();
    return out;
}

const CatalogueEntry& Number(int n)
{
    return Catalogue::Entry(Catalogue::RowOfNumber(n));
}

TEST_F(ShowEntryTest, FillsEveryFieldOfThePanel)
{
    EXPECT_EQ(Form1->ShownEntry(), nullptr);
    Form1->ShowEntry(Number(1));
    EXPECT_EQ(Form1->ShownEntry(), &Number(1));
    EXPECT_EQ(Form1->Edit1->Text(), "#001 - Bulbasaur");
    EXPECT_EQ(Form1->Edit2->Text(), "Grama / Veneno");
    EXPECT_EQ(Form1->Edit3->Text(), "Azul e Vermelha");
    EXPECT_EQ(Form1->Edit4->Text(), "Level 16: Ivysaur / Level 32: Venusaur");
    EXPECT_EQ(Form1->Edit6->Text(), Text("Laboratório do Professor Carvalho (Cidade de Pallet)"));
    ASSERT_EQ(Lines(Form1->RichEdit1).size(), 1u);
    EXPECT_EQ(Lines(Form1->RichEdit2).size(), 9u);
    EXPECT_EQ(Lines(Form1->RichEdit2).front(), "LVL --- Tackle");
    EXPECT_EQ(Lines(Form1->RichEdit2).back(), "LVL 48 Solar Beam");
    EXPECT_EQ(BarsShown(), (std::array<int, 5>{3, 1, 1, 1, 2}));
    // The search field and the lists are not the panel's.
    EXPECT_EQ(Form1->Edit5->Text(), "");
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), -1);
    EXPECT_TRUE(boxes.boxes.empty());
}

// A place too long for the field stays as it is, cut off, and is reachable
// whole as the field's tooltip and accessible description; a place that
// fits has neither.
TEST_F(ShowEntryTest, ClippedPlacesAreWholeInTheTooltip)
{
    std::vector<int> clipped;
    for (int row = 0; row < Catalogue::RowCount; ++row) {
        const CatalogueEntry& e = Catalogue::Entry(row);
        Form1->ShowEntry(e);
        const QString place = ToQt(e.Location);
        ASSERT_EQ(Form1->Edit6->text(), place);
        EXPECT_EQ(QSize(Form1->Edit6->Width(), Form1->Edit6->Height()), QSize(334, 21));
        if (!Form1->Edit6->toolTip().isEmpty()) {
            clipped.push_back(e.Number);
            EXPECT_EQ(Form1->Edit6->toolTip(), place);
            EXPECT_EQ(Form1->Edit6->accessibleDescription(), place);
        } else {
            EXPECT_EQ(Form1->Edit6->accessibleDescription(), "");
        }
    }
    EXPECT_EQ(clipped, (std::vector<int>{54, 72, 90, 98, 101, 116, 120}));
}

TEST_F(ShowEntryTest, BoxesAreClearedBeforeEveryEntry)
{
    Form1->ShowEntry(Number(25));
    Form1->ShowEntry(Number(25));
    EXPECT_EQ(Lines(Form1->RichEdit1).size(), 1u);
    EXPECT_EQ(Lines(Form1->RichEdit2).size(), 7u);

    Form1->ShowEntry(Number(134)); // ten moves
    EXPECT_EQ(Lines(Form1->RichEdit2).size(), 10u);
    Form1->ShowEntry(Number(63)); // one move
    EXPECT_EQ(Lines(Form1->RichEdit2), std::vector<std::string>{"LVL --- Teleport"});

    Form1->ShowEntry(Number(0));
    EXPECT_EQ(Lines(Form1->RichEdit1).size(), 2u);
    EXPECT_EQ(Lines(Form1->RichEdit1).front().back(), ' '); // the stored trailing blank stays
    Form1->ShowEntry(Number(151));
    EXPECT_EQ(Lines(Form1->RichEdit1).size(), 2u);
    EXPECT_EQ(BarsShown(), (std::array<int, 5>{6, 6, 6, 6, 6}));
}

TEST_F(ShowEntryTest, MissingSpritesAreNoError)
{
    QDir(QString::fromStdString(AppDir() + "Imagens")).removeRecursively();
    for (int row = 0; row < Catalogue::RowCount; ++row) {
        Form1->ShowEntry(Catalogue::Entry(row));
        ASSERT_EQ(Form1->Edit1->Text(), Catalogue::Entry(row).Caption());
        ASSERT_EQ(BarsShown(), Catalogue::Entry(row).Ratings);
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

// An unopenable sprite names the file it was asked for, and stops the entry
// right after the boxes were cleared.
TEST_F(ShowEntryTest, SpriteFilesAreNamedByNumber)
{
    Form1->ShowEntry(Number(25));
    for (const int n : {0, 151, 7}) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.gif", n);
        const std::string sprite = AppDir() + "Imagens/" + name;
        MakeUnopenable(sprite);
        Dispatch([&] { Form1->ShowEntry(Number(n)); });
        ASSERT_EQ(boxes.boxes.size(), 1u) << n;
        EXPECT_EQ(boxes.boxes.back().text, "Cannot open file " + sprite + ".");
        EXPECT_TRUE(Lines(Form1->RichEdit1).empty());
        EXPECT_TRUE(Lines(Form1->RichEdit2).empty());
        EXPECT_EQ(Form1->Edit1->Text(), "#025 - Pikachu");
        EXPECT_EQ(BarsShown(), (std::array<int, 5>{3, 1, 1, 3, 1}));
        boxes.boxes.clear();
    }
}

TEST_F(ShowEntryTest, AMissingRatingBarStopsWhereItIsLoaded)
{
    Form1->ShowEntry(Number(151)); // all bars 6
    ASSERT_TRUE(QFile::remove(QString::fromStdString(BarPath(3))));
    Dispatch([&] { Form1->ShowEntry(Number(1)); }); // ratings 3, 1, 1, 1, 2

    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot open file " + BarPath(3) + ".");
    EXPECT_EQ(boxes.boxes[0].caption, "Fauneta");
    EXPECT_EQ(boxes.boxes[0].flags, MB_OK | MB_ICONERROR);
    // Written before the failure: the new entry's texts.
    EXPECT_EQ(Lines(Form1->RichEdit1).size(), 1u);
    EXPECT_EQ(Lines(Form1->RichEdit2).size(), 9u);
    // From the failing bar on, and every field, still the entry before; the
    // bars say what they show.
    EXPECT_EQ(BarsShown(), (std::array<int, 5>{6, 6, 6, 6, 6}));
    EXPECT_EQ(BarsSaid(),
              (std::array<std::string, 5>{"6 de 6, Energia: 100", "6 de 6, Ataque: 100", "6 de 6, Defesa: 100",
                                          "6 de 6, Velocidade: 100", "6 de 6, Especial: 100"}));
    EXPECT_EQ(Form1->Edit1->Text(), "#151 - Mew");
    EXPECT_EQ(Form1->Edit6->Text(), "??????");

    // The next entry starts afresh.
    WriteBar(3);
    Form1->ShowEntry(Number(25));
    EXPECT_EQ(Form1->Edit1->Text(), "#025 - Pikachu");
    EXPECT_EQ(BarsShown(), (std::array<int, 5>{3, 1, 1, 3, 1}));
}

// A screen reader hears the ratings and the creature the sprite shows, and
// never words left from another entry or a picture that is gone.
TEST_F(ShowEntryTest, PicturesSayWhatTheyShow)
{
    using Bars = std::array<std::string, 5>;
    WriteSprite(25);
    Form1->ShowEntry(Number(25));
    EXPECT_EQ(Said(Form1->GIFImage1), "Pikachu");
    EXPECT_EQ(BarsSaid(), (Bars{"3 de 6, Energia: 35", "1 de 6, Ataque: 55", "1 de 6, Defesa: 30",
                                "3 de 6, Velocidade: 90", "1 de 6, Especial: 50"}));
    // Each bar's hint gives the exact base stat its steps stand for.
    EXPECT_EQ(Hints(), (Bars{"Energia: 35", "Ataque: 55", "Defesa: 30", "Velocidade: 90", "Especial: 50"}));
    // The names stay the labels'.
    EXPECT_EQ(Form1->Image1->accessibleName(), "Energia");
    EXPECT_EQ(Form1->GIFImage1->accessibleName(), QString::fromUtf8("Imagem do Pokémon"));

    // No file for #001: the picture stays Pikachu, and so do its words.
    Form1->ShowEntry(Number(1));
    EXPECT_FALSE(Form1->GIFImage1->Empty());
    EXPECT_EQ(Said(Form1->GIFImage1), "Pikachu");
    EXPECT_EQ(BarsSaid()[0], "3 de 6, Energia: 45");

    // A file that is no picture clears it: nothing is said any more.
    QFile bad(QString::fromStdString(AppDir() + "Imagens/151.gif"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("GIF89a but nothing more");
    bad.close();
    Form1->ShowEntry(Number(151));
    EXPECT_TRUE(Form1->GIFImage1->Empty());
    EXPECT_EQ(Said(Form1->GIFImage1), "");
    EXPECT_EQ(BarsSaid()[4], "6 de 6, Especial: 100");

    WriteSprite(0);
    Form1->ShowEntry(Number(0));
    EXPECT_EQ(Said(Form1->GIFImage1), "Missingno");
    // #000 has no base stats: its bars say their steps only, with no hint.
    EXPECT_EQ(BarsSaid(), (Bars{"3 de 6", "6 de 6", "1 de 6", "3 de 6", "2 de 6"}));
    EXPECT_EQ(Hints(), Bars{});
}

TEST_F(ShowEntryTest, AnInvalidBitmapTakesTheSameRoad)
{
    QFile bad(QString::fromStdString(BarPath(1)));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bad.write("BM not a bitmap");
    bad.close();
    Dispatch([&] { Form1->ShowEntry(Number(1)); }); // Ataque is 1
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(BarsShown()[0], 3);
    EXPECT_EQ(BarsShown()[1], 0);
    EXPECT_EQ(Said(Form1->Image1), "3 de 6, Energia: 45");
    EXPECT_EQ(Said(Form1->Image2), "");
    EXPECT_EQ(Form1->Edit1->Text(), "");
}

} // namespace
