// Control behaviour the windows rely on: list selection and its click
// event, upper-case edit fields and a read-only field's clipped text, rich-text
// lines, combo box picks, the grid's cells and keys, image loading and its
// errors, menu shortcuts.
#include "TestForms.h"

#include "text/Cp1252.h"
#include "widgets/Application.h"
#include "widgets/ComboBox.h"
#include "widgets/Edit.h"
#include "widgets/Image.h"
#include "widgets/RichEdit.h"
#include "widgets/StringGrid.h"
#include "widgets/SysUtils.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <memory>

using namespace cp1252::literals;

namespace {

struct Controls : ::testing::Test {
    TApplication app;
    std::unique_ptr<TTestForm> form{ReadTestForm()};
    void SetUp() override
    {
        form->SetVisible(true);
        QApplication::processEvents();
    }
};

// Types text as key presses (any character, not only ASCII).
void typeText(QWidget* w, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

QPoint rowCentre(TListBox* list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

TEST_F(Controls, ListSelectionByProgramRaisesNoClick)
{
    TListBox* list = form->ListBox1;
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(1);
    EXPECT_EQ(list->ItemIndex(), 1);
    list->SetItemIndex(1);
    list->SetItemIndex(-1);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->SetItemIndex(7); // past the end: none
    EXPECT_EQ(list->ItemIndex(), -1);
    list->Items().Clear();
    EXPECT_EQ(form->listClicks, 0);
}

// By mouse or keyboard a line raises OnClick; the focus alone selects none.
TEST_F(Controls, ListSelectionByMouseOrKeyboardRaisesClick)
{
    TListBox* list = form->ListBox1;
    list->SetFocus();
    QApplication::processEvents();
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(form->listClicks, 0);
    EXPECT_EQ(form->focusWidget(), list);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(form->listClicks, 1);
    // The line already selected, clicked again: the event comes again.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, 2));
    EXPECT_EQ(form->listClicks, 2);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(form->listClicks, 3);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up); // already at the top: nothing changes
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(form->listClicks, 4);
}

TEST(EditField, UpperCaseForTypedAndPastedTextAndOnlyTheCodePage)
{
    TApplication app;
    TEdit edit;
    edit.SetCharCase(TEditCharCase::ecUpperCase);
    edit.show();
    typeText(&edit, QString::fromUtf8("pikachu é ÿ µ"));
    // Every letter becomes a capital; µ has no capital in the code page.
    EXPECT_EQ(edit.Text(), std::string("PIKACHU É Ÿ µ"_cp));
    edit.Clear();
    EXPECT_EQ(edit.Text(), "");
    QGuiApplication::clipboard()->setText(QString::fromUtf8("mr.mime çá"));
    edit.paste();
    EXPECT_EQ(edit.Text(), std::string("MR.MIME ÇÁ"_cp));
    // Text set by the program is kept as given, and shows from its start
    // even when wider than the field.
    edit.SetText("abc");
    EXPECT_EQ(edit.Text(), "abc");
    edit.resize(60, edit.height());
    edit.SetText("Ilhas Seafoam; Rotas 6, 11, 19, 20, 21, Ilha Cinnabar e Ilhas Seafoam (pescando)");
    EXPECT_EQ(edit.cursorPosition(), 0);

    // The code page's own case rule agrees with Unicode's on every byte,
    // keeping a letter whose other case it cannot hold.
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const QChar c = ToQt(byte).at(0);
        for (const bool upper : {true, false}) {
            const QString other(upper ? c.toUpper() : c.toLower());
            const std::string expected = FitsCp1252(other) ? FromQt(other) : byte;
            EXPECT_EQ(upper ? cp1252::toUpper(byte) : cp1252::toLower(byte), expected) << "byte " << b;
        }
    }
    // A character outside the code page is refused.
    edit.SetCharCase(TEditCharCase::ecNormal);
    edit.Clear();
    typeText(&edit, QString::fromUtf8("aΩb€"));
    EXPECT_EQ(edit.Text(), std::string("ab€"_cp));
}

// A read-only field whose text does not fit shows the whole text as its
// tooltip and description; one pixel decides. Qt's field keeps two pixels
// clear on either side of its text, inside the frame.
TEST(EditField, AReadOnlyFieldShowsItsTextAsTooltipExactlyWhenItNoLongerFits)
{
    struct Field : TEdit {
        int TextRoom() const
        {
            QStyleOptionFrame o;
            initStyleOption(&o);
            return style()->subElementRect(QStyle::SE_LineEditContents, &o, this).width() - 4;
        }
    };
    TApplication app;
    Field edit;
    edit.SetReadOnly(true);
    edit.SetText("Rota 25, ao norte da cidade");
    edit.show();
    const int advance = static_cast<int>(std::ceil(QFontMetricsF(edit.font()).horizontalAdvance(edit.text())));
    const int fitting = edit.width() - edit.TextRoom() + advance;
    edit.resize(fitting, edit.height());
    EXPECT_EQ(edit.TextRoom(), advance);
    EXPECT_TRUE(edit.toolTip().isEmpty());
    edit.resize(fitting - 1, edit.height());
    EXPECT_EQ(edit.toolTip(), edit.text());
    EXPECT_EQ(edit.accessibleDescription(), edit.text());
    edit.resize(fitting, edit.height());
    EXPECT_TRUE(edit.toolTip().isEmpty());
    EXPECT_TRUE(edit.accessibleDescription().isEmpty());
}

TEST(RichEdit, LinesAddClearAndReadBack)
{
    TApplication app;
    TRichEdit rich;
    EXPECT_EQ(rich.Lines().Count(), 0);
    rich.Lines().Add("Poke Ball       $200");
    rich.Lines().Add(std::string("Lv 7 - Leech Seed, Pokémon"_cp));
    EXPECT_EQ(rich.Lines().Count(), 2);
    EXPECT_EQ(rich.toPlainText(), QString::fromUtf8("Poke Ball       $200\nLv 7 - Leech Seed, Pokémon"));
    rich.Lines().Add("two\r\nlines");
    EXPECT_EQ(rich.Lines().Count(), 4);
    rich.Clear();
    EXPECT_EQ(rich.Lines().Count(), 0);
    EXPECT_TRUE(rich.toPlainText().isEmpty());
    rich.Lines().Assign({""});
    rich.Lines().Add("x");
    EXPECT_EQ(rich.toPlainText(), "\nx");
    // Read-only, it keeps a caret the keys move, so a screen reader can read
    // it line by line; no key changes the text.
    rich.Lines().Assign({"um", "dois", "tres"});
    rich.SetReadOnly(true);
    rich.show();
    QTest::keyClick(&rich, Qt::Key_Down);
    EXPECT_EQ(rich.textCursor().blockNumber(), 1);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&rich)->textInterface()->cursorPosition(), 3);
    QTest::keyClicks(&rich, "x");
    QTest::keyClick(&rich, Qt::Key_Delete);
    EXPECT_EQ(rich.toPlainText(), "um\ndois\ntres");
}

TEST(ComboBox, ClickOnlyForUserPicksThatChangeTheEntry)
{
    TApplication app;
    TComboBox combo;
    int clicks = 0;
    combo.OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    combo.SetText("Escolha uma Cidade");
    combo.Items().Assign({"Cidade de Viridian", "Cidade de Pewter"});
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "Escolha uma Cidade");
    combo.SetItemIndex(0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(combo.Text(), "Cidade de Viridian");
    combo.show();
    combo.setFocus();
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(combo.ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    emit combo.activated(1); // the same entry picked again
    EXPECT_EQ(clicks, 1);
    // Typing into the field is not a pick.
    QTest::keyClicks(combo.lineEdit(), "abc");
    EXPECT_EQ(clicks, 1);
}

// A window's boxes are read without building their lists (some 0.2 ms a
// box); a font change reaches a box's size hint at once and its list when it
// drops down.
TEST(ComboBox, AFontChangeGivesTheSizeHintAndTheListTheBoxFont)
{
    TApplication app;
    std::string text = kTestFormText;
    text.insert(text.rfind("end"), "  object ComboBox1: TComboBox\n    Style = csDropDownList\n"
                                   "    Items.Strings = ('Cidade de Viridian' 'Cidade de Pewter')\n  end\n");
    std::unique_ptr<TTestForm> form(ReadTestForm(text));
    auto* combo = dynamic_cast<TComboBox*>(form->FindComponent("ComboBox1"));
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->findChildren<QAbstractItemView*>().isEmpty()) << "reading the box built its list";
    const QSize before = combo->sizeHint();
    TFont font = combo->Font();
    font.Height = -23;
    font.Style = fsBold;
    combo->SetFont(font);
    EXPECT_GT(combo->sizeHint().height(), before.height());
    EXPECT_GT(combo->sizeHint().width(), before.width());
    form->SetVisible(true);
    combo->showPopup();
    EXPECT_EQ(combo->view()->font(), combo->font());
    EXPECT_TRUE(combo->view()->font().bold());
    combo->hidePopup();
}

// A grid of 3 x 2 data cells: not square, so a column taken for a row, or an
// index equal to the count let through, shows.
TEST(Grid, CellsHintsNamesAndTheCurrentCellByColumnAndRow)
{
    TApplication app;
    std::string text = kTestFormText;
    text.insert(text.rfind("end"), "  object StringGrid1: TStringGrid\n    ColCount = 4\n    RowCount = 3\n  end\n");
    std::unique_ptr<TTestForm> form(ReadTestForm(text));
    auto* grid = dynamic_cast<TStringGrid*>(form->FindComponent("StringGrid1"));
    ASSERT_NE(grid, nullptr);
    grid->SetCells([](int col, int row) {
        const std::string at = std::to_string(col) + "," + std::to_string(row);
        return TGridCell{"c" + at, "dica " + at};
    });
    form->SetVisible(true);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cell(3, 0), "c3,0"); // the last column's title
    EXPECT_EQ(grid->Cell(0, 2), "c0,2"); // the last row's title
    EXPECT_EQ(grid->Cell(3, 2), "c3,2");
    EXPECT_EQ(grid->Cell(1, 2), "c1,2");
    EXPECT_EQ(grid->CellHint(0, 1), "");
    for (auto [col, row] : {std::pair{4, 1}, {1, 3}, {4, 0}, {0, 3}, {-1, 1}, {1, -1}, {0, 0}}) {
        EXPECT_THROW(grid->Cell(col, row), std::out_of_range) << col << "," << row;
        EXPECT_THROW(grid->SetCurrentCell(col, row), std::out_of_range) << col << "," << row;
    }
    EXPECT_THROW(grid->SetCurrentCell(0, 1), std::out_of_range); // a title
    // Each cell's hint, its tooltip and what a screen reader says for it.
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(table->tableInterface()->rowCount(), 2);
    EXPECT_EQ(table->tableInterface()->columnCount(), 3);
    for (int row = 1; row <= 2; ++row)
        for (int col = 1; col <= 3; ++col) {
            const QString hint = QString("dica %1,%2").arg(col).arg(row);
            EXPECT_EQ(QString::fromStdString(grid->CellHint(col, row)), hint);
            EXPECT_EQ(grid->model()->index(row - 1, col - 1).data(Qt::ToolTipRole).toString(), hint);
            QAccessibleInterface* cell = table->tableInterface()->cellAt(row - 1, col - 1);
            ASSERT_NE(cell, nullptr);
            EXPECT_EQ(cell->text(QAccessible::Name), hint);
        }
    // The current cell, and the arrow keys that move it within the data.
    grid->SetCurrentCell(3, 2);
    EXPECT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(3, 2));
    grid->SetCurrentCell(2, 1);
    EXPECT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(2, 1));
    grid->SetFocus();
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up})
        QTest::keyClick(grid, key);
    EXPECT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(1, 1));
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(grid, key);
    EXPECT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(3, 2));
    // Tab leaves the grid, which keeps its cell.
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->ListBox1);
    EXPECT_EQ(std::pair(grid->Col(), grid->Row()), std::pair(3, 2));
}

struct ImageFiles : ::testing::Test {
    TApplication app;
    QTemporaryDir dir;
    std::string path(const char* name) const { return FromQt(dir.filePath(QString::fromUtf8(name))); }
    void write(const std::string& p, const std::string& bytes) const
    {
        std::ofstream(cp1252::toUtf8(p), std::ios::binary) << bytes;
    }
    std::string bmp(int w, int h) const
    {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(Qt::red);
        QByteArray data;
        QBuffer buf(&data);
        buf.open(QIODevice::WriteOnly);
        img.save(&buf, "BMP");
        return data.toStdString();
    }
};

TEST_F(ImageFiles, LoadsABitmapAndKeepsItWhenTheNextLoadFails)
{
    TImage image;
    const std::string good = path("3.bmp");
    write(good, bmp(129, 9));
    image.Picture().LoadFromFile(good);
    EXPECT_EQ(image.Picture().Width(), 129);

    try {
        image.Picture().LoadFromFile(path("7.bmp"));
        FAIL() << "no error for a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file " + path("7.bmp"));
    }
    const std::string bad = path("bad.bmp");
    write(bad, "BM not really a bitmap");
    try {
        image.Picture().LoadFromFile(bad);
        FAIL() << "no error for an invalid bitmap";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), "Bitmap image is not valid");
    }
    EXPECT_THROW(image.Picture().LoadFromFile(path("picture.xyz")), EInvalidGraphic);
    // A header claiming 5000 x 5000 pixels that are not there: invalid, before
    // 100 MB are taken for it.
    std::string huge = bmp(129, 9);
    for (int field : {18, 22})
        for (int i = 0; i < 4; ++i)
            huge[std::size_t(field + i)] = char((5000 >> (8 * i)) & 0xFF);
    write(bad, huge);
    EXPECT_THROW(image.Picture().LoadFromFile(bad), EInvalidGraphic);
    // Cut short: the rows that are not there would show whatever memory held.
    write(bad, bmp(129, 9).substr(0, 1000));
    EXPECT_THROW(image.Picture().LoadFromFile(bad), EInvalidGraphic);
    EXPECT_EQ(image.Picture().Width(), 129);
    EXPECT_EQ(image.Picture().Height(), 9);
}

TEST_F(ImageFiles, ACompressedBitmapEndingEarlyShowsColourZeroWhereItEnds)
{
    // 8-bit run-length bitmap, 64 x 4: one run of 3 pixels of index 7, then
    // the end of the data. Palette entry i is (i, 2i, 3i).
    std::string b = "BM";
    auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i)
            b += char(v >> (8 * i));
    };
    put(54 + 1024 + 2, 4), put(0, 4), put(54 + 1024, 4);
    put(40, 4), put(64, 4), put(4, 4), put(1, 2), put(8, 2), put(1, 4), put(2, 4);
    b += std::string(16, '\0'); // resolution, colours used (0: all 256), important
    for (int i = 0; i < 256; ++i)
        put(std::uint32_t(3 * i & 0xFF) | std::uint32_t(2 * i & 0xFF) << 8 | std::uint32_t(i) << 16, 4);
    b += std::string("\x03\x07", 2);
    // Memory of the picture's size full of something else, freed just before.
    for (int i = 0; i < 8; ++i) {
        std::unique_ptr<char[]> dirt(new char[64 * 4]);
        std::memset(dirt.get(), 0xAB, 64 * 4);
    }
    TImage image;
    const std::string file = path("rle.bmp");
    write(file, b);
    image.Picture().LoadFromFile(file);
    const QImage& img = image.Picture().Image();
    ASSERT_EQ(img.size(), QSize(64, 4));
    EXPECT_EQ(img.pixel(0, 3), qRgb(7, 14, 21)); // bottom-up: the first run is the last row
    for (int y = 0; y < 4; ++y)
        for (int x = y == 3 ? 3 : 0; x < 64; ++x)
            ASSERT_EQ(img.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
}

TEST_F(ImageFiles, PathsWithAccentsAreWindows1252)
{
    TImage image;
    const std::string good = path("Pokémon.bmp");
    EXPECT_NE(good.find('\xE9'), std::string::npos);
    write(good, bmp(4, 4));
    image.Picture().LoadFromFile(good);
    EXPECT_FALSE(image.Picture().Empty());
    EXPECT_TRUE(FileExists(good));
    EXPECT_FALSE(FileExists(FromQt(dir.path())));
}

TEST(MenuShortcuts, StoredValuesMapToKeys)
{
    EXPECT_EQ(ShortCutToKeySequence(16468), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_EQ(ShortCutToKeySequence(16461), QKeySequence(Qt::CTRL | Qt::Key_M));
    EXPECT_EQ(ShortCutToKeySequence(32883), QKeySequence(Qt::ALT | Qt::Key_F4));
    EXPECT_EQ(ShortCutToKeySequence(112), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(ShortCutToKeySequence(0x2000 | 0x2E), QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    EXPECT_TRUE(ShortCutToKeySequence(0).isEmpty());
    EXPECT_TRUE(ShortCutToKeySequence(0x4000 | 0xFF).isEmpty());
}

TEST(Text, QtBoundaryUsesTheCodePage)
{
    EXPECT_EQ(ToQt("\x80\x93\xB4"), QString::fromUtf8("€“´"));
    EXPECT_EQ(FromQt(QString::fromUtf8("€“´Ω")), "\x80\x93\xB4?");
    EXPECT_EQ(ExtractAppDir("/opt/fauneta/fauneta"), "/opt/fauneta/");
    EXPECT_EQ(ExtractAppDir("/fauneta"), "/");
    EXPECT_EQ(ExtractAppDir("fauneta"), "");
}

} // namespace
