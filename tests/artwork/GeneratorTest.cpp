// The generator's own parts: the GIF encoder (rows, tables, extensions), the
// colour reduction, and the embedding of pictures into window definitions.
#include "Embed.h"
#include "Gif.h"
#include "Pictures.h"
#include "Raster.h"
#include "Sprites.h"

#include "text/DefinitionText.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

using namespace artgen;
namespace fs = std::filesystem;

namespace {

struct Reader {
    const std::vector<uint8_t>* data;
    size_t pos;
};

int readFromVector(GifFileType* gif, GifByteType* out, int len)
{
    auto* r = static_cast<Reader*>(gif->UserData);
    int n = int(std::min<size_t>(size_t(len), r->data->size() - r->pos));
    std::copy_n(r->data->begin() + ptrdiff_t(r->pos), n, out);
    r->pos += size_t(n);
    return n;
}

using GifPtr = std::unique_ptr<GifFileType, void (*)(GifFileType*)>;

GifPtr slurp(const std::vector<uint8_t>& bytes, Reader& r)
{
    r = {&bytes, 0};
    int err = 0;
    GifFileType* gif = DGifOpen(&r, readFromVector, &err);
    EXPECT_NE(gif, nullptr);
    if (gif) {
        EXPECT_EQ(DGifSlurp(gif), GIF_OK);
    }
    return GifPtr(gif, [](GifFileType* g) {
        if (g)
            DGifCloseFile(g, nullptr);
    });
}

// A picture where every row differs, so a row out of place shows.
GifFrame pattern(int w, int h, bool interlaced)
{
    GifFrame f;
    f.width = w, f.height = h, f.interlaced = interlaced;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            f.pixels.push_back(uint8_t((y * 3 + x) % 16));
    return f;
}

std::vector<Rgb> grey16()
{
    std::vector<Rgb> t;
    for (int i = 0; i < 16; ++i)
        t.push_back({uint8_t(i * 16), uint8_t(i * 16), uint8_t(i * 16)});
    return t;
}

} // namespace

TEST(Encoder, RowsComeBackInPlaceWhetherInterlacedOrNot)
{
    // Heights around the interlace passes' starting rows (0, 4, 2, 1).
    for (int h : {1, 2, 3, 4, 5, 8, 9, 17}) {
        for (bool interlaced : {false, true}) {
            SCOPED_TRACE(std::to_string(h) + (interlaced ? " interlaced" : ""));
            GifPicture pic;
            pic.width = 7, pic.height = h;
            pic.globalTable = grey16();
            pic.frames.push_back(pattern(7, h, interlaced));
            std::vector<uint8_t> bytes = encodeGif(pic);
            Reader r;
            GifPtr gif = slurp(bytes, r);
            ASSERT_TRUE(gif);
            ASSERT_EQ(gif->ImageCount, 1);
            EXPECT_EQ(bool(gif->SavedImages[0].ImageDesc.Interlace), interlaced);
            std::vector<uint8_t> got(gif->SavedImages[0].RasterBits, gif->SavedImages[0].RasterBits + 7 * h);
            EXPECT_EQ(got, pic.frames[0].pixels);
        }
    }
}

TEST(Encoder, WritesTablesExtensionsAndVersionAsDescribed)
{
    GifPicture pic;
    pic.width = 10, pic.height = 6;
    pic.globalTable = grey16();
    pic.loopCount = 1000;
    GifFrame a = pattern(10, 6, false);
    a.delay = 100;
    GifFrame b = pattern(4, 3, false);
    b.left = 5, b.top = 2, b.delay = 7, b.transparentIndex = 3, b.disposal = 1;
    b.localTable = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};
    for (auto& p : b.pixels)
        p %= 4;
    pic.frames = {a, b};
    std::vector<uint8_t> bytes = encodeGif(pic);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF89a");
    Reader r;
    GifPtr gif = slurp(bytes, r);
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->SColorMap->ColorCount, 16);
    ASSERT_EQ(gif->ImageCount, 2);
    const SavedImage& second = gif->SavedImages[1];
    EXPECT_EQ(second.ImageDesc.Left, 5);
    EXPECT_EQ(second.ImageDesc.Top, 2);
    ASSERT_NE(second.ImageDesc.ColorMap, nullptr);
    EXPECT_EQ(second.ImageDesc.ColorMap->ColorCount, 4);
    EXPECT_EQ(second.ImageDesc.ColorMap->Colors[1].Green, 255);
    GraphicsControlBlock g0, g1;
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), 0, &g0), GIF_OK);
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), 1, &g1), GIF_OK);
    EXPECT_EQ(g0.DelayTime, 100);
    EXPECT_EQ(g0.TransparentColor, NO_TRANSPARENT_COLOR);
    EXPECT_EQ(g1.DelayTime, 7);
    EXPECT_EQ(g1.TransparentColor, 3);
    EXPECT_EQ(g1.DisposalMode, 1);
    // The looping extension: "NETSCAPE2.0", then sub-block 1 with the count.
    const SavedImage& first = gif->SavedImages[0];
    bool loop = false;
    for (int i = 0; i + 1 < first.ExtensionBlockCount; ++i)
        if (first.ExtensionBlocks[i].Function == APPLICATION_EXT_FUNC_CODE &&
            std::string(reinterpret_cast<char*>(first.ExtensionBlocks[i].Bytes), 11) == "NETSCAPE2.0") {
            const ExtensionBlock& sub = first.ExtensionBlocks[i + 1];
            EXPECT_EQ(sub.Bytes[0], 1);
            EXPECT_EQ(sub.Bytes[1] | sub.Bytes[2] << 8, 1000);
            loop = true;
        }
    EXPECT_TRUE(loop);
}

TEST(Encoder, PlainPicturesStayGif87aAndBadInputIsRefused)
{
    GifPicture pic;
    pic.width = 3, pic.height = 2;
    pic.globalTable = grey16();
    GifFrame f = pattern(3, 2, false);
    f.control = false;
    pic.frames.push_back(f);
    std::vector<uint8_t> bytes = encodeGif(pic);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), "GIF87a");
    pic.frames[0].pixels.pop_back();
    EXPECT_THROW(encodeGif(pic), std::runtime_error);
    pic.frames[0] = f;
    pic.globalTable.resize(5); // not a power of two
    EXPECT_THROW(encodeGif(pic), std::runtime_error);
}

TEST(Quantize, KeepsFewColoursExactlyAndReservesTheTransparentSlot)
{
    Image img(4, 2, 0);
    const uint32_t colours[] = {0xff102030, 0xffa0b0c0, 0xff102030, 0};
    for (int x = 0; x < 4; ++x) {
        img.at(x, 0) = colours[x];
        img.at(x, 1) = colours[3 - x];
    }
    Indexed ix = quantize(img, 8, 0, {255, 255, 255});
    ASSERT_EQ(ix.palette.size(), 8u);
    EXPECT_EQ(ix.palette[0], (Rgb{255, 255, 255}));
    for (size_t i = 0; i < img.px.size(); ++i) {
        uint32_t p = img.px[i];
        if ((p >> 24) == 0) {
            EXPECT_EQ(ix.idx[i], 0);
            continue;
        }
        ASSERT_NE(ix.idx[i], 0) << "an opaque pixel took the transparent slot";
        Rgb c = ix.palette[ix.idx[i]];
        EXPECT_EQ(c, (Rgb{uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)}));
    }
}

TEST(Quantize, ReducesManyColoursToTheTableAndStaysClose)
{
    Image img(64, 64, 0);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            img.at(x, y) = 0xff000000u | uint32_t(x * 4) << 16 | uint32_t(y * 4) << 8 | uint32_t((x + y) * 2);
    Indexed ix = quantize(img, 64, -1);
    ASSERT_EQ(ix.palette.size(), 64u);
    std::set<int> used(ix.idx.begin(), ix.idx.end());
    EXPECT_GT(used.size(), 48u); // the table is put to use
    long worst = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            Rgb c = ix.palette[ix.idx[size_t(y * 64 + x)]];
            long dr = long(c.r) - x * 4, dg = long(c.g) - y * 4, db = long(c.b) - (x + y) * 2;
            worst = std::max(worst, dr * dr + dg * dg + db * db);
        }
    EXPECT_LT(worst, 40 * 40);
    // The same input gives the same table.
    Indexed again = quantize(img, 64, -1);
    EXPECT_EQ(again.palette, ix.palette);
    EXPECT_EQ(again.idx, ix.idx);
}

TEST(Embed, PutsPicturesIntoTheirControlsAndTheIconIntoTheForm)
{
    fs::path dir = fs::temp_directory_path() / ("artgen-embed-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    auto write = [](const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; };
    const std::string form =
        "object FormX: TFormX\n  Caption = 'X'\n  object GIFImage1: TGIFImage\n    Left = 1\n  end\n"
        "  object Label1: TLabel\n    Caption = 'y'\n  end\nend\n";
    write(dir / "X.form", form);
    write(dir / "p.gif", "GIF89a-not-really");
    write(dir / "i.ico", "icon-bytes");
    embedPicture(dir / "X.form", "GIFImage1", dir / "p.gif", dir / "Y.form");
    embedPicture(dir / "Y.form", "FormX", dir / "i.ico", dir / "Y.form");
    std::ifstream in(dir / "Y.form", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    DfmObject root = ParseDefinition(text, "Y.form");
    ASSERT_NE(root.Property("Icon.Data"), nullptr);
    EXPECT_EQ(root.Property("Icon.Data")->value.bytes,
              (std::vector<uint8_t>{'i', 'c', 'o', 'n', '-', 'b', 'y', 't', 'e', 's'}));
    const DfmProperty* data = root.Find("GIFImage1")->Property("Data");
    ASSERT_NE(data, nullptr);
    std::string gif = "GIF89a-not-really";
    EXPECT_EQ(data->value.bytes, PictureDataValue(std::vector<uint8_t>(gif.begin(), gif.end())));
    // Everything else is as it was.
    EXPECT_EQ(root.Find("GIFImage1")->Property("Left")->value.integer, 1);
    EXPECT_EQ(root.Find("Label1")->Property("Caption")->value.text, "y");
    // A wrong target is refused and the file left alone.
    EXPECT_THROW(embedPicture(dir / "X.form", "GIFImage9", dir / "p.gif", dir / "X.form"), std::runtime_error);
    EXPECT_THROW(embedPicture(dir / "X.form", "Label1", dir / "p.gif", dir / "X.form"), std::runtime_error);
    EXPECT_THROW(embedPicture(dir / "X.form", "GIFImage1", dir / "i.ico", dir / "X.form"), std::runtime_error);
    std::ifstream again(dir / "X.form", std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()), form);
    fs::remove_all(dir);
}

TEST(Embed, EmbedAllFillsEveryDefinitionOfAFolder)
{
    fs::path dir = fs::temp_directory_path() / ("artgen-embedall-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "UnitPokeMart.form", std::ios::binary)
        << "object FormPokeMart: TFormPokeMart\n  object GIFImage1: TGIFImage\n  end\nend\n";
    std::ofstream(dir / "UnitWeb.form", std::ios::binary) << "object FormWeb: TFormWeb\nend\n";
    std::ofstream(dir / "UnitPrincipal.form", std::ios::binary)
        << "object Form1: TForm1\n  object GIFImage2: TGIFImage\n  end\nend\n";
    std::ofstream(dir / "UnitTipos.form", std::ios::binary)
        << "object FormTipos: TFormTipos\n  Icon.Data = {\n    00}\nend\n";
    std::ofstream(dir / "notes.txt", std::ios::binary) << "not a definition";
    EXPECT_EQ(embedAll(dir), 4);
    // The main window gets the icon, a window still holding an old one the
    // new one; the others show the main window's and get none.
    for (const auto& [f, holdsIcon] : {std::pair{"UnitPrincipal.form", true}, std::pair{"UnitTipos.form", true},
                                       std::pair{"UnitPokeMart.form", false}, std::pair{"UnitWeb.form", false}}) {
        std::ifstream in(dir / f, std::ios::binary);
        DfmObject root =
            ParseDefinition(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), f);
        if (!holdsIcon) {
            EXPECT_EQ(root.Property("Icon.Data"), nullptr) << f;
            continue;
        }
        ASSERT_NE(root.Property("Icon.Data"), nullptr) << f;
        EXPECT_EQ(root.Property("Icon.Data")->value.bytes, iconFile()) << f;
    }
    std::ifstream in(dir / "UnitPokeMart.form", std::ios::binary);
    DfmObject mart =
        ParseDefinition(std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()), "m");
    EXPECT_EQ(mart.Find("GIFImage1")->Property("Data")->value.bytes, PictureDataValue(martGif()));
    fs::remove_all(dir);
}

TEST(Raster, ShapesAreShadedFromTheTopLeftAndOutlinedOutside)
{
    Scene sc;
    sc.add(ellipse(20, 20, 10, 10), hex(0x80a0c0));
    Image img = render(sc, 40, 40);
    // Inside the circle: opaque; one pixel beyond it: the outline; further out: nothing.
    EXPECT_TRUE(img.opaque(20, 20));
    EXPECT_TRUE(img.opaque(29, 20));
    EXPECT_TRUE(img.opaque(30, 20)); // the outline ring
    EXPECT_FALSE(img.opaque(31, 20));
    EXPECT_FALSE(img.opaque(0, 0));
    auto lum = [&](int x, int y) {
        uint32_t p = img.at(x, y);
        return int((p >> 16) & 0xff) * 3 + int((p >> 8) & 0xff) * 6 + int(p & 0xff);
    };
    // Lit from the top left: that side is lighter than the bottom right, and
    // the outline is darker than either.
    EXPECT_GT(lum(15, 15), lum(25, 25));
    EXPECT_LT(lum(30, 20), lum(25, 25));
}

TEST(Raster, LaterPartsLieInFrontWithALineWhereTheyOverlap)
{
    Scene sc;
    sc.add(ellipse(14, 20, 8, 8), hex(0xc04040));
    sc.add(ellipse(26, 20, 8, 8), hex(0x40c040));
    Image img = render(sc, 40, 40);
    // Where both circles cover, the second one shows (green over red) ...
    uint32_t mid = img.at(21, 24);
    EXPECT_GT(int((mid >> 8) & 0xff), int((mid >> 16) & 0xff));
    // ... and along its edge over the first a darker line is drawn.
    bool line = false;
    for (int x = 17; x <= 20 && !line; ++x) {
        uint32_t p = img.at(x, 20);
        line = int((p >> 8) & 0xff) < 0x80 && int((p >> 16) & 0xff) < 0x80;
    }
    EXPECT_TRUE(line);
}

TEST(Creatures, EveryCreatureFitsItsBoxAtEveryZoomAndIsDrawnTheSameTwice)
{
    for (int n = 0; n <= 151; ++n) {
        SCOPED_TRACE(n);
        Image a = drawCreature(n);
        ASSERT_EQ(a.w, SpriteWidth);
        ASSERT_EQ(a.h, SpriteHeight);
        int x0, y0, x1, y1;
        ASSERT_TRUE(opaqueBounds(a, x0, y0, x1, y1));
        EXPECT_GE(x0, 1);
        EXPECT_GE(y0, 1);
        EXPECT_LE(x1, SpriteWidth - 2);
        EXPECT_LE(y1, SpriteHeight - 2);
        EXPECT_EQ(drawCreature(n).px, a.px);
    }
    // The companion drawn large for the decorative pictures keeps its shape.
    Image big = drawCreature(25, 2.f);
    EXPECT_EQ(big.w, SpriteWidth * 2);
    EXPECT_EQ(big.h, SpriteHeight * 2);
}

TEST(RatingBar, FillsRSixthsOfTheWidth)
{
    for (int r = 1; r <= 6; ++r) {
        Image bar = ratingBar(r);
        ASSERT_EQ(bar.w, RatingWidth);
        ASSERT_EQ(bar.h, RatingHeight);
        // The track is grey; the fill is coloured: find where the colour stops.
        int filled = 0;
        for (int x = 1; x < bar.w - 1; ++x) {
            uint32_t p = bar.at(x, 4);
            int rr = int((p >> 16) & 0xff), g = int((p >> 8) & 0xff), b = int(p & 0xff);
            if (std::max({rr, g, b}) - std::min({rr, g, b}) > 60)
                filled = x + 1;
        }
        EXPECT_NEAR(filled, (RatingWidth * r + 3) / 6, 1) << r;
    }
    EXPECT_THROW(ratingBar(0), std::out_of_range);
    EXPECT_THROW(ratingBar(7), std::out_of_range);
}
