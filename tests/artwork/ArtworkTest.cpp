// The pictures the build generates: every file the program reads, with the GIF
// features each one must carry, decoded by giflib; the rating bars and the icon;
// the pictures held in the window definitions; and the generator's promise to
// write the same bytes on every run.
#include "catalogue/Catalogue.h"
#include "gif/GifDecoder.h"
#include "text/DefinitionText.h"

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path OutDir = FAUNETA_OUT_DIR;
const fs::path ArtworkDir = FAUNETA_ARTWORK_DIR;

std::vector<uint8_t> readFile(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string spriteName(int n)
{
    char b[16];
    std::snprintf(b, sizeof b, "%03d.gif", n);
    return b;
}

// A GIF decoded by giflib, with the facts the tests look at.
struct Decoded {
    std::string version; // "87a" or "89a"
    int width = 0, height = 0;
    int globalColours = 0; // 0: no global table
    int loopCount = -1;    // -1: no looping extension
    struct Frame {
        int left, top, width, height;
        bool interlaced;
        int localColours;
        int transparent; // -1: none
        int delay;       // hundredths of a second, -1: no control block
        std::vector<uint8_t> pixels;
    };
    std::vector<Frame> frames;
};

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

::testing::AssertionResult decode(const std::vector<uint8_t>& bytes, Decoded& d)
{
    if (bytes.size() < 6)
        return ::testing::AssertionFailure() << "file too short";
    d.version.assign(bytes.begin() + 3, bytes.begin() + 6);
    Reader r{&bytes, 0};
    int err = 0;
    GifFileType* gif = DGifOpen(&r, readFromVector, &err);
    if (!gif)
        return ::testing::AssertionFailure() << "giflib cannot open: " << GifErrorString(err);
    std::unique_ptr<GifFileType, void (*)(GifFileType*)> guard(gif, [](GifFileType* g) { DGifCloseFile(g, nullptr); });
    if (DGifSlurp(gif) != GIF_OK)
        return ::testing::AssertionFailure() << "giflib cannot decode: " << GifErrorString(gif->Error);
    d.width = gif->SWidth, d.height = gif->SHeight;
    d.globalColours = gif->SColorMap ? gif->SColorMap->ColorCount : 0;
    for (int i = 0; i < gif->ExtensionBlockCount; ++i) {
        const ExtensionBlock& e = gif->ExtensionBlocks[i];
        if (e.Function == APPLICATION_EXT_FUNC_CODE && e.ByteCount == 11 &&
            std::string(reinterpret_cast<char*>(e.Bytes), 11) == "NETSCAPE2.0" && i + 1 < gif->ExtensionBlockCount &&
            gif->ExtensionBlocks[i + 1].ByteCount >= 3)
            d.loopCount = gif->ExtensionBlocks[i + 1].Bytes[1] | gif->ExtensionBlocks[i + 1].Bytes[2] << 8;
    }
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& s = gif->SavedImages[i];
        // Looping extensions written before the first image land there.
        for (int k = 0; k < s.ExtensionBlockCount; ++k) {
            const ExtensionBlock& e = s.ExtensionBlocks[k];
            if (e.Function == APPLICATION_EXT_FUNC_CODE && e.ByteCount == 11 &&
                std::string(reinterpret_cast<char*>(e.Bytes), 11) == "NETSCAPE2.0" && k + 1 < s.ExtensionBlockCount &&
                s.ExtensionBlocks[k + 1].ByteCount >= 3)
                d.loopCount = s.ExtensionBlocks[k + 1].Bytes[1] | s.ExtensionBlocks[k + 1].Bytes[2] << 8;
        }
        GraphicsControlBlock gcb;
        bool hasGcb = DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK &&
                      std::any_of(s.ExtensionBlocks, s.ExtensionBlocks + s.ExtensionBlockCount,
                                  [](const ExtensionBlock& e) { return e.Function == GRAPHICS_EXT_FUNC_CODE; });
        Decoded::Frame f{
            s.ImageDesc.Left,
            s.ImageDesc.Top,
            s.ImageDesc.Width,
            s.ImageDesc.Height,
            s.ImageDesc.Interlace,
            s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap->ColorCount : 0,
            hasGcb ? gcb.TransparentColor : -1,
            hasGcb ? gcb.DelayTime : -1,
            std::vector<uint8_t>(s.RasterBits, s.RasterBits + size_t(s.ImageDesc.Width) * size_t(s.ImageDesc.Height))};
        d.frames.push_back(std::move(f));
    }
    return ::testing::AssertionSuccess();
}

struct Box {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
    int count = 0;
    int width() const { return x1 - x0 + 1; }
    int height() const { return y1 - y0 + 1; }
};

// The opaque pixels of a one-frame sprite.
Box opaqueBox(const Decoded& d)
{
    Box b;
    const Decoded::Frame& f = d.frames.front();
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x)
            if (f.pixels[size_t(y * f.width + x)] != f.transparent) {
                b.x0 = std::min(b.x0, x), b.x1 = std::max(b.x1, x);
                b.y0 = std::min(b.y0, y), b.y1 = std::max(b.y1, y);
                ++b.count;
            }
    return b;
}

Decoded decodeFile(const fs::path& p)
{
    Decoded d;
    EXPECT_TRUE(fs::exists(p)) << p;
    EXPECT_TRUE(decode(readFile(p), d)) << p;
    return d;
}

} // namespace

// ---------------------------------------------------------------- sprites

TEST(Sprites, EveryCreatureHasAFileNamedByItsNumberWithATransparentBackground)
{
    for (int n = 0; n <= 151; ++n) {
        SCOPED_TRACE(spriteName(n));
        Decoded d = decodeFile(OutDir / "Imagens" / spriteName(n));
        ASSERT_EQ(d.frames.size(), 1u);
        const Decoded::Frame& f = d.frames[0];
        EXPECT_EQ(d.version, "89a");
        EXPECT_EQ(d.width, 88);
        EXPECT_EQ(d.height, 81);
        EXPECT_EQ(f.left, 0);
        EXPECT_EQ(f.top, 0);
        EXPECT_EQ(f.width, 88);
        EXPECT_EQ(f.height, 81);
        ASSERT_GE(f.transparent, 0) << "no transparent colour";
        // The corners are background, the creature fills a good part of the box.
        for (auto [x, y] : {std::pair{0, 0}, {87, 0}, {0, 80}, {87, 80}})
            EXPECT_EQ(f.pixels[size_t(y * 88 + x)], f.transparent);
        Box b = opaqueBox(d);
        EXPECT_GE(b.count, 500) << "hardly anything drawn";
        EXPECT_GE(std::max(b.width(), b.height()), 36);
        // Centred: the margins left and right differ by at most one pixel.
        EXPECT_LE(std::abs(b.x0 - (87 - b.x1)), 1);
        EXPECT_LE(std::abs(b.y0 - (80 - b.y1)), 1);
        int colours = f.localColours ? f.localColours : d.globalColours;
        EXPECT_GE(colours, 8);
        EXPECT_LE(colours, 256);
        if (n == 0) {
            // The glitch takes the decoder's other roads.
            EXPECT_TRUE(f.interlaced);
            EXPECT_EQ(d.globalColours, 0);
            EXPECT_GT(f.localColours, 0);
        } else {
            EXPECT_FALSE(f.interlaced);
            EXPECT_GT(d.globalColours, 0);
            EXPECT_EQ(f.localColours, 0);
        }
    }
}

TEST(Sprites, EvolvedFormsAreDrawnLargerThanTheFormsBefore)
{
    std::map<int, Box> boxes;
    for (int n = 1; n <= 151; ++n)
        boxes[n] = opaqueBox(decodeFile(OutDir / "Imagens" / spriteName(n)));
    int checked = 0;
    for (int n = 1; n <= 151; ++n) {
        Catalogue::Family fam = Catalogue::FamilyOf(n);
        if (fam.Stage == 1)
            continue;
        // The form it evolved from: the same family, one stage lower, the
        // nearest number below (Eevee for all three of its evolutions).
        int prev = -1;
        for (int m = n - 1; m >= fam.First; --m) {
            Catalogue::Family pf = Catalogue::FamilyOf(m);
            if (pf.First == fam.First && pf.Stage == fam.Stage - 1) {
                prev = m;
                break;
            }
        }
        ASSERT_GE(prev, 1) << n;
        EXPECT_GT(boxes[n].count, boxes[prev].count) << "#" << n << " is not larger than #" << prev;
        ++checked;
    }
    EXPECT_EQ(checked, 72); // every evolved form in the catalogue
}

TEST(Sprites, NoTwoCreaturesShareAPicture)
{
    // Keyed by text, not by byte vector: comparing byte vectors in a map trips
    // a false -Wstringop-overread in GCC 12 at -O3.
    std::map<std::string, int> seen;
    for (int n = 0; n <= 151; ++n) {
        const std::vector<uint8_t> bytes = readFile(OutDir / "Imagens" / spriteName(n));
        auto [it, fresh] = seen.emplace(std::string(bytes.begin(), bytes.end()), n);
        EXPECT_TRUE(fresh) << "#" << n << " looks exactly like #" << it->second;
    }
}

// ---------------------------------------------------------------- rating bars

TEST(RatingBars, SixBitmapsFilledBySixths)
{
    int previous = 0;
    for (int r = 1; r <= 6; ++r) {
        SCOPED_TRACE(r);
        fs::path p = OutDir / "Dados" / (std::to_string(r) + ".bmp");
        ASSERT_TRUE(fs::exists(p));
        std::vector<uint8_t> b = readFile(p);
        ASSERT_GE(b.size(), 2u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        QImage img;
        ASSERT_TRUE(img.loadFromData(b.data(), int(b.size()), "BMP"));
        EXPECT_EQ(img.width(), 129);
        EXPECT_EQ(img.height(), 9);
        // The filled part: where the middle row is more saturated than the grey track.
        int filled = 0;
        for (int x = 0; x < img.width(); ++x)
            if (QColor(img.pixel(x, 4)).hsvSaturation() > 90)
                filled = x + 1;
        EXPECT_NEAR(filled, 129 * r / 6, 2);
        EXPECT_GT(filled, previous);
        previous = filled;
    }
}

TEST(RatingBars, EachRatingHasItsOwnColour)
{
    std::vector<QRgb> colours;
    for (int r = 1; r <= 6; ++r) {
        QImage img(QString::fromStdString((OutDir / "Dados" / (std::to_string(r) + ".bmp")).string()));
        ASSERT_FALSE(img.isNull());
        QRgb c = img.pixel(5, 4);
        EXPECT_EQ(std::count(colours.begin(), colours.end(), c), 0) << "rating " << r;
        colours.push_back(c);
    }
}

// ---------------------------------------------------------------- icon

TEST(Icon, OneSixteenColourImageOf32By32In766Bytes)
{
    std::vector<uint8_t> ico = readFile(ArtworkDir / "icone.ico");
    ASSERT_EQ(ico.size(), 766u);
    auto u16 = [&](size_t o) { return unsigned(ico[o] | ico[o + 1] << 8); };
    auto u32 = [&](size_t o) { return uint32_t(u16(o) | u16(o + 2) << 16); };
    EXPECT_EQ(u16(0), 0u);  // reserved
    EXPECT_EQ(u16(2), 1u);  // an icon
    EXPECT_EQ(u16(4), 1u);  // one image
    EXPECT_EQ(ico[6], 32);  // width
    EXPECT_EQ(ico[7], 32);  // height
    EXPECT_EQ(ico[8], 16);  // colours
    EXPECT_EQ(u16(12), 4u); // bits per pixel
    EXPECT_EQ(u32(14), 766u - 22u);
    EXPECT_EQ(u32(18), 22u);
    EXPECT_EQ(u32(22), 40u); // bitmap header
    EXPECT_EQ(u32(30), 64u); // colour image and mask
    EXPECT_EQ(u16(36), 4u);
    QImage img;
    ASSERT_TRUE(img.loadFromData(ico.data(), int(ico.size()), "ICO"));
    EXPECT_EQ(img.size(), QSize(32, 32));
    EXPECT_TRUE(img.hasAlphaChannel());
    EXPECT_EQ(qAlpha(img.pixel(0, 31)), 0); // the corner is see-through
    EXPECT_EQ(qAlpha(img.pixel(16, 19)), 255);
}

// ---------------------------------------------------------------- decorative pictures

TEST(Decorations, TrainerIsGif89aWithA256ColourTable)
{
    Decoded d = decodeFile(ArtworkDir / "treinador.gif");
    EXPECT_EQ(d.version, "89a");
    EXPECT_EQ(d.width, 123);
    EXPECT_EQ(d.height, 134);
    EXPECT_EQ(d.globalColours, 256);
    ASSERT_EQ(d.frames.size(), 1u);
    EXPECT_FALSE(d.frames[0].interlaced);
}

TEST(Decorations, MartPictureIsOneTransparentFrameWith128Colours)
{
    Decoded d = decodeFile(ArtworkDir / "pokemart.gif");
    EXPECT_EQ(d.version, "89a");
    EXPECT_EQ(d.width, 154);
    EXPECT_EQ(d.height, 131);
    EXPECT_EQ(d.globalColours, 128);
    ASSERT_EQ(d.frames.size(), 1u);
    ASSERT_GE(d.frames[0].transparent, 0);
    EXPECT_GT(std::count(d.frames[0].pixels.begin(), d.frames[0].pixels.end(), d.frames[0].transparent), 0);
}

TEST(Decorations, TmHmPictureIsInterlacedTransparentWith64Colours)
{
    Decoded d = decodeFile(ArtworkDir / "tmhm.gif");
    EXPECT_EQ(d.version, "89a");
    EXPECT_EQ(d.width, 145);
    EXPECT_EQ(d.height, 200);
    EXPECT_EQ(d.globalColours, 64);
    ASSERT_EQ(d.frames.size(), 1u);
    EXPECT_TRUE(d.frames[0].interlaced);
    ASSERT_GE(d.frames[0].transparent, 0);
    EXPECT_GT(std::count(d.frames[0].pixels.begin(), d.frames[0].pixels.end(), d.frames[0].transparent), 0);
}

TEST(Decorations, LargeAboutPictureIsInterlacedAndTransparent)
{
    Decoded d = decodeFile(ArtworkDir / "sobre-grande.gif");
    EXPECT_EQ(d.version, "89a");
    EXPECT_EQ(d.width, 293);
    EXPECT_EQ(d.height, 187);
    ASSERT_EQ(d.frames.size(), 1u);
    EXPECT_TRUE(d.frames[0].interlaced);
    ASSERT_GE(d.frames[0].transparent, 0);
}

TEST(Decorations, MascotAnimatesSixFramesOfPatchesAndLoops1000Times)
{
    Decoded d = decodeFile(ArtworkDir / "sobre-mascote.gif");
    EXPECT_EQ(d.version, "89a");
    EXPECT_EQ(d.width, 94);
    EXPECT_EQ(d.height, 61);
    EXPECT_EQ(d.loopCount, 1000);
    ASSERT_EQ(d.frames.size(), 6u);
    const Decoded::Frame& first = d.frames[0];
    EXPECT_EQ(first.left, 0);
    EXPECT_EQ(first.top, 0);
    EXPECT_EQ(first.width, 94);
    EXPECT_EQ(first.height, 61);
    std::vector<int> widths, lefts;
    for (size_t i = 0; i < d.frames.size(); ++i) {
        const Decoded::Frame& f = d.frames[i];
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(f.delay, 100);
        EXPECT_EQ(f.transparent, -1);
        if (i == 0)
            continue;
        EXPECT_EQ(f.top, 9);
        EXPECT_EQ(f.height, 48);
        EXPECT_GE(f.width, 71);
        EXPECT_LE(f.width, 80);
        EXPECT_GE(f.left, 8);
        EXPECT_LE(f.left, 17);
        EXPECT_LE(f.left + f.width, 94);
        widths.push_back(f.width), lefts.push_back(f.left);
    }
    // The whole range of patch sizes is used, so the decoder sees both ends.
    EXPECT_EQ(*std::min_element(widths.begin(), widths.end()), 71);
    EXPECT_EQ(*std::max_element(widths.begin(), widths.end()), 80);
    EXPECT_EQ(*std::min_element(lefts.begin(), lefts.end()), 8);
    EXPECT_EQ(*std::max_element(lefts.begin(), lefts.end()), 17);
    // The mascot moves: every patch changes something under it.
    for (size_t i = 1; i < d.frames.size(); ++i) {
        const Decoded::Frame& f = d.frames[i];
        bool changes = false;
        for (int y = 0; y < f.height && !changes; ++y)
            for (int x = 0; x < f.width && !changes; ++x)
                changes = f.pixels[size_t(y * f.width + x)] != first.pixels[size_t((f.top + y) * 94 + f.left + x)];
        EXPECT_TRUE(changes) << "frame " << i + 1 << " shows nothing new";
    }
}

// ---------------------------------------------------------------- window definitions

namespace {

DfmObject parseForm(const std::string& file)
{
    std::vector<uint8_t> text = readFile(fs::path(FAUNETA_SOURCE_DIR) / "forms" / file);
    return ParseDefinition(std::string(text.begin(), text.end()), file);
}

// The GIF a picture control holds: a 32-bit little-endian length, then the bytes.
::testing::AssertionResult holds(const DfmProperty* data, const std::vector<uint8_t>& gif)
{
    if (!data)
        return ::testing::AssertionFailure() << "no Data";
    const std::vector<uint8_t>& held = data->value.bytes;
    if (held.size() != gif.size() + 4)
        return ::testing::AssertionFailure()
               << "holds " << held.size() << " bytes, the picture needs " << gif.size() + 4;
    uint32_t n = uint32_t(held[0] | held[1] << 8 | held[2] << 16 | uint32_t(held[3]) << 24);
    if (n != gif.size())
        return ::testing::AssertionFailure() << "length field " << n;
    if (!std::equal(gif.begin(), gif.end(), held.begin() + 4))
        return ::testing::AssertionFailure() << "other bytes than the generated picture";
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(Definitions, MainWindowHoldsTheGeneratedTrainerAndIcon)
{
    DfmObject root = parseForm("UnitPrincipal.form");
    const DfmProperty* icon = root.Property("Icon.Data");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->value.bytes, readFile(ArtworkDir / "icone.ico"))
        << "re-embed: cmake --build <b> --target fauneta_embed_artwork";
    DfmObject* trainer = root.Find("GIFImage2");
    ASSERT_NE(trainer, nullptr);
    EXPECT_TRUE(holds(trainer->Property("Data"), readFile(ArtworkDir / "treinador.gif")))
        << "re-embed: cmake --build <b> --target fauneta_embed_artwork";
}

// Windows whose pictures are embedded hold exactly the generated ones, so a
// change to the artwork cannot leave a stale copy in a definition.
TEST(Definitions, EmbeddedPicturesAreTheGeneratedOnes)
{
    const struct {
        const char* definition;
        const char* control;
        const char* file;
    } pictures[] = {{"UnitPrincipal.form", "GIFImage2", "treinador.gif"},
                    {"UnitPokeMart.form", "GIFImage1", "pokemart.gif"},
                    {"UnitTmHm.form", "GIFImage1", "tmhm.gif"},
                    {"UnitSobre.form", "GIFImage3", "sobre-grande.gif"},
                    {"UnitSobre.form", "GIFImage1", "sobre-mascote.gif"}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(std::string(p.definition) + " " + p.control);
        DfmObject root = parseForm(p.definition);
        DfmObject* control = root.Find(p.control);
        ASSERT_NE(control, nullptr);
        const DfmProperty* data = control->Property("Data");
        ASSERT_NE(data, nullptr);
        EXPECT_TRUE(holds(data, readFile(ArtworkDir / p.file)));
    }
    const std::vector<uint8_t> icon = readFile(ArtworkDir / "icone.ico");
    for (const auto& e : fs::directory_iterator(fs::path(FAUNETA_SOURCE_DIR) / "forms")) {
        if (e.path().extension() != ".form")
            continue;
        // The main window holds the program's icon (checked above) and the
        // others show it from there; one that holds an icon of its own holds the same.
        DfmObject root = parseForm(e.path().filename().string());
        if (const DfmProperty* held = root.Property("Icon.Data")) {
            EXPECT_EQ(held->value.bytes, icon) << e.path().filename();
        }
    }
}

// ---------------------------------------------------------------- the program's own decoder

// What the program will show is what giflib reads: every file, every frame,
// every pixel index, with the same placement, interlacing, transparency,
// delays and looping.
TEST(ProgramDecoder, ReadsEveryPictureAsGiflibDoes)
{
    std::vector<fs::path> files;
    for (int n = 0; n <= 151; ++n)
        files.push_back(OutDir / "Imagens" / spriteName(n));
    for (const char* f : {"treinador.gif", "pokemart.gif", "tmhm.gif", "sobre-grande.gif", "sobre-mascote.gif"})
        files.push_back(ArtworkDir / f);
    for (const fs::path& p : files) {
        SCOPED_TRACE(p.filename().string());
        std::vector<uint8_t> bytes = readFile(p);
        Decoded want;
        ASSERT_TRUE(decode(bytes, want));
        gif::GifPicture pic;
        gif::GifDecoder decoder(pic);
        ASSERT_TRUE(decoder.ReadGIF(bytes));
        EXPECT_EQ(pic.Version, gif::gvGIF89a);
        EXPECT_EQ(pic.ImageWidth, want.width);
        EXPECT_EQ(pic.ImageHeight, want.height);
        EXPECT_EQ(pic.LoopCount, want.loopCount < 0 ? 1 : want.loopCount);
        ASSERT_EQ(size_t(pic.FrameCount()), want.frames.size());
        for (int i = 1; i <= pic.FrameCount(); ++i) {
            const gif::TGIFFrame& got = pic.Frame(i);
            const Decoded::Frame& w = want.frames[size_t(i - 1)];
            EXPECT_EQ(got.Left, w.left);
            EXPECT_EQ(got.Top, w.top);
            EXPECT_EQ(got.Width, w.width);
            EXPECT_EQ(got.Height, w.height);
            EXPECT_EQ(got.Interlaced, w.interlaced);
            EXPECT_EQ(got.HasLocalColorTable, w.localColours > 0);
            EXPECT_EQ(got.Transparent, w.transparent >= 0);
            if (w.transparent >= 0) {
                EXPECT_EQ(got.TransparentIndex, w.transparent);
            }
            EXPECT_EQ(got.Delay, std::max(w.delay, 0) * 10);
            EXPECT_EQ(got.Pixels, w.pixels) << "frame " << i;
        }
    }
}

// ---------------------------------------------------------------- determinism

TEST(Generator, TwoRunsWriteTheSameBytes)
{
    fs::path base = fs::temp_directory_path() / ("artwork-test-" + std::to_string(::getpid()));
    fs::remove_all(base);
    for (const char* run : {"a", "b"}) {
        std::string cmd = std::string("\"") + FAUNETA_ARTGEN + "\" files \"" + (base / run).string() +
                          "\" 2>/dev/null && \"" + FAUNETA_ARTGEN + "\" pictures \"" +
                          (base / run / "pictures").string() + "\" 2>/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
    }
    int compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(base / "a")) {
        if (!e.is_regular_file())
            continue;
        fs::path rel = fs::relative(e.path(), base / "a");
        EXPECT_EQ(readFile(e.path()), readFile(base / "b" / rel)) << rel;
        ++compared;
    }
    EXPECT_EQ(compared, 152 + 6 + 6);
    // And the build's own copies are those bytes too.
    EXPECT_EQ(readFile(base / "a" / "Imagens" / "025.gif"), readFile(OutDir / "Imagens" / "025.gif"));
    EXPECT_EQ(readFile(base / "a" / "pictures" / "treinador.gif"), readFile(ArtworkDir / "treinador.gif"));
    fs::remove_all(base);
}
