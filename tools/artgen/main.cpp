// artgen: draws every picture of the program, the same bytes on every run.
//
//   artgen files <out>            <out>/Imagens/000.gif..151.gif, <out>/Dados/1.bmp..6.bmp
//   artgen pictures <dir>         the decorative GIFs and the icon file, one file each
//   artgen embed <form> <object> <picture> [<out-form>]
//                                 puts a picture into a window definition: a GIF as the
//                                 TGIFImage's Data (32-bit length + bytes), an .ico as the
//                                 form's Icon.Data (<object> is then the form's name)
//   artgen embed-all <forms-dir>  the icon into the main window's definition (and any other
//                                 that still holds one), each decorative picture into its
//                                 control (see decorations())
//   artgen sheet <file.png> [<first> <last>]
//                                 a contact sheet of everything (or of some creatures), for looking at
#include "Embed.h"
#include "Pictures.h"
#include "Sprites.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;
using namespace artgen;

namespace {

void writeFile(const fs::path& path, const std::vector<uint8_t>& bytes)
{
    // Unchanged files are left alone, so their times do not trigger rebuilds.
    {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (old == bytes)
                return;
        }
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

QImage toQImage(const Image& img, QRgb background)
{
    QImage q(img.w, img.h, QImage::Format_RGB32);
    for (int y = 0; y < img.h; ++y)
        for (int x = 0; x < img.w; ++x) {
            uint32_t p = img.at(x, y);
            q.setPixel(x, y, (p >> 24) ? (p | 0xff000000u) : background);
        }
    return q;
}

std::vector<uint8_t> bmpBytes(const Image& img)
{
    QImage q = toQImage(img, 0xffffffff).convertToFormat(QImage::Format_RGB888);
    QByteArray data;
    {
        QBuffer buf(&data);
        buf.open(QIODevice::WriteOnly);
        if (!q.save(&buf, "BMP"))
            throw std::runtime_error("cannot encode a bitmap");
    }
    return std::vector<uint8_t>(data.begin(), data.end());
}

void files(const fs::path& out)
{
    fs::create_directories(out / "Imagens");
    fs::create_directories(out / "Dados");
    for (int n = 0; n <= 151; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "%03d.gif", n);
        writeFile(out / "Imagens" / name, creatureGif(n));
    }
    for (int r = 1; r <= 6; ++r)
        writeFile(out / "Dados" / (std::to_string(r) + ".bmp"), bmpBytes(ratingBar(r)));
}

void pictures(const fs::path& dir)
{
    fs::create_directories(dir);
    for (const Decoration& d : decorations())
        writeFile(dir / d.file, d.gif);
    writeFile(dir / "icone.ico", iconFile());
}

// Decodes a GIF's first frame through Qt, for the contact sheet only.
QImage fromGif(const std::vector<uint8_t>& gif)
{
    QImage q;
    q.loadFromData(gif.data(), int(gif.size()), "GIF");
    return q;
}

void sheet(const fs::path& png, int first, int last)
{
    const bool all = first == 0 && last == 151;
    const int count = last - first + 1;
    const int zoom = count <= 4 ? 4 : 2,
              cols = all          ? 12
                     : count <= 4 ? 4
                                  : 8,
              cellW = SpriteWidth * zoom, cellH = SpriteHeight * zoom + 14;
    const int rows = (count + cols - 1) / cols;
    std::vector<Decoration> decos = all ? decorations() : std::vector<Decoration>{};
    int extraH = all ? 420 * zoom / 2 + 20 : 0;
    QImage out(cols * cellW, rows * cellH + extraH, QImage::Format_RGB32);
    out.fill(QColor(236, 236, 232));
    QPainter p(&out);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    p.setFont(f);
    for (int n = first; n <= last; ++n) {
        int x = ((n - first) % cols) * cellW, y = ((n - first) / cols) * cellH;
        QImage s = toQImage(drawCreature(n), 0xffffffff);
        p.drawImage(QRect(x + 1, y + 1, cellW - 2, cellH - 16), s);
        p.setPen(Qt::black);
        p.drawText(QRect(x, y + cellH - 15, cellW, 14), Qt::AlignCenter, QString::asprintf("%03d", n));
    }
    int x = 4, y = rows * cellH + 8;
    for (const Decoration& d : decos) {
        QImage g = fromGif(d.gif);
        if (g.isNull())
            continue;
        QImage bg(g.size(), QImage::Format_RGB32);
        bg.fill(QColor(200, 216, 232));
        {
            QPainter b(&bg);
            b.drawImage(0, 0, g);
        }
        p.drawImage(QRect(x, y, g.width() * zoom, g.height() * zoom), bg);
        x += g.width() * zoom + 8;
    }
    if (all) {
        QImage icon = toQImage(iconImage(), 0xffc8d8e8);
        p.drawImage(QRect(x, y, 64, 64), icon);
        for (int r = 1; r <= 6; ++r)
            p.drawImage(QRect(x, y + 70 + r * 22, RatingWidth * 2, RatingHeight * 2),
                        toQImage(ratingBar(r), 0xffffffff));
    }
    p.end();
    if (!out.save(QString::fromStdString(png.string())))
        throw std::runtime_error("cannot write " + png.string());
}

// The decorative pictures (every frame of the animated one), the icon and the
// rating bars, larger, for looking at.
void pictureSheet(const fs::path& png)
{
    const int zoom = 2;
    QImage out(1400, 1000, QImage::Format_RGB32);
    out.fill(QColor(200, 216, 232));
    QPainter p(&out);
    int x = 8, y = 8, rowH = 0;
    auto place = [&](const QImage& g) {
        if (x + g.width() * zoom > out.width())
            x = 8, y += rowH + 8, rowH = 0;
        p.drawImage(QRect(x, y, g.width() * zoom, g.height() * zoom), g);
        x += g.width() * zoom + 8;
        rowH = std::max(rowH, g.height() * zoom);
    };
    for (const Decoration& d : decorations()) {
        QByteArray bytes(reinterpret_cast<const char*>(d.gif.data()), qsizetype(d.gif.size()));
        QBuffer buf(&bytes);
        QImageReader reader(&buf, "GIF");
        QImage frame;
        while (reader.read(&frame)) {
            QImage bg(frame.size(), QImage::Format_RGB32);
            bg.fill(QColor(255, 200, 240));
            QPainter b(&bg);
            b.drawImage(0, 0, frame);
            b.end();
            place(bg);
            if (!reader.canRead())
                break;
        }
    }
    place(toQImage(iconImage(), 0xffc8d8e8).scaled(128, 128));
    x = 8, y += rowH + 8, rowH = 0;
    for (int r = 1; r <= 6; ++r) {
        QImage bar = toQImage(ratingBar(r), 0xffffffff);
        p.fillRect(QRect(x - 4, y - 4, bar.width() * 3 + 8, bar.height() * 3 + 8), Qt::white);
        p.drawImage(QRect(x, y, bar.width() * 3, bar.height() * 3), bar);
        y += bar.height() * 3 + 12;
    }
    p.end();
    out.save(QString::fromStdString(png.string()));
}

int usage()
{
    std::fprintf(
        stderr,
        "usage: artgen files <out> | pictures <dir> | sheet <file.png> [<first> <last>] | picturesheet <file.png>\n"
        "       artgen embed <form-file> <object> <picture> [<out-form-file>] | embed-all <forms-dir> | one <number> "
        "<zoom> <file.png>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts for the contact sheet need a GUI application; no display is used.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3)
        return usage();
    std::string mode = argv[1];
    try {
        if (mode == "files")
            files(argv[2]);
        else if (mode == "pictures")
            pictures(argv[2]);
        else if (mode == "one" && argc == 5) // one creature, drawn large: one <number> <zoom> <png>
            toQImage(drawCreature(std::stoi(argv[2]), std::stof(argv[3])), 0xffffffff).save(argv[4]);
        else if (mode == "embed" && (argc == 5 || argc == 6))
            embedPicture(argv[2], argv[3], argv[4], argc == 6 ? argv[5] : argv[2]);
        else if (mode == "embed-all")
            std::printf("%d window definitions written\n", embedAll(argv[2]));
        else if (mode == "picturesheet")
            pictureSheet(argv[2]);
        else if (mode == "sheet")
            sheet(argv[2], argc >= 5 ? std::stoi(argv[3]) : 0, argc >= 5 ? std::stoi(argv[4]) : 151);
        else
            return usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
