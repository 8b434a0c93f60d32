// gifdump FILE.gif OUTDIR [--first-only]
//
// Decodes FILE.gif with the program's decoder and writes into OUTDIR:
//   frame-NNN.png   each frame on its own, RGBA, transparent pixels with alpha 0
//   composed-NNN.png  the picture as the control shows it once frame NNN is
//                   drawn (the frames before it drawn and disposed in order);
//                   transparent where the composed mask is, when frame 1 is
//   summary.txt     picture size, version, loop count, and per frame: position,
//                   size, delay, disposal, interlace, transparency, colour table
// The summary also goes to standard output. Exit status: 0 decoded, 1 the load
// failed (the reason is printed), 2 usage or I/O trouble.
#include "gif/GifComposer.h"
#include "gif/GifDecoder.h"

#include <QImage>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Name(int n, const char* stem)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s-%03d.png", stem, n);
    return buf;
}

bool WritePng(const fs::path& path, int width, int height, const std::vector<std::uint8_t>& rgba)
{
    const QImage image(rgba.data(), width, height, width * 4, QImage::Format_RGBA8888);
    return image.save(QString::fromStdString(path.string()), "PNG");
}

// The control draws through the mask only when frame 1 is transparent.
bool WriteComposed(const gif::GifComposer& c, bool throughMask, const fs::path& path)
{
    QImage image(c.Width(), c.Height(), QImage::Format_ARGB32_Premultiplied);
    c.Render(reinterpret_cast<gif::Pixel32*>(image.bits()), throughMask);
    return image.save(QString::fromStdString(path.string()), "PNG");
}

bool WriteFrame(const gif::TGIFFrame& f, const fs::path& path)
{
    std::vector<std::uint8_t> rgba(std::size_t(f.Width) * std::size_t(f.Height) * 4);
    gif::ExpandToRGBA(f, rgba.data());
    return WritePng(path, f.Width, f.Height, rgba);
}

void Summarise(std::ostream& out, const std::string& file, const gif::GifPicture& pic, double ms)
{
    out << "file: " << file << "\n"
        << "picture: " << pic.ImageWidth << " x " << pic.ImageHeight << " (screen " << pic.ScreenWidth << " x "
        << pic.ScreenHeight << ")\n"
        << "version: " << (pic.Version == gif::gvGIF89a ? "GIF89a" : "GIF87a") << "\n"
        << "loop count: " << pic.LoopCount << (pic.LoopCount == 0 ? " (endless)" : "") << "\n"
        << "colour depth: " << pic.ColorDepth << "\n"
        << "transparency: " << (pic.HasTransparency ? "yes" : "no") << "\n"
        << "frames: " << pic.FrameCount() << "\n"
        << "decode: " << ms << " ms\n";
    for (int i = 1; i <= pic.FrameCount(); ++i) {
        const gif::TGIFFrame& f = pic.Frame(i);
        out << "frame " << i << ": at " << f.Left << "," << f.Top << " size " << f.Width << " x " << f.Height
            << " delay " << f.Delay << " ms disposal " << int(f.Disposal) << " interlaced "
            << (f.Interlaced ? "yes" : "no") << " transparent ";
        if (f.Transparent)
            out << "index " << int(f.TransparentIndex) << " (" << int(f.TransparentColor.R) << ","
                << int(f.TransparentColor.G) << "," << int(f.TransparentColor.B) << ")";
        else
            out << "no";
        out << " colours " << (f.HasLocalColorTable ? "local " : "global ") << f.PaletteCount << "\n";
        if (!f.Comment.empty())
            out << "  comment: " << f.Comment << "\n";
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: gifdump FILE.gif OUTDIR [--first-only]\n";
        return 2;
    }
    const std::string file = argv[1];
    const fs::path dir = argv[2];
    const bool firstOnly = argc > 3 && std::string(argv[3]) == "--first-only";

    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "gifdump: cannot open " << file << "\n";
        return 2;
    }
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});

    gif::GifPicture pic;
    gif::GifDecoder decoder(pic);
    decoder.FirstImageOnly = firstOnly;
    const auto start = std::chrono::steady_clock::now();
    gif::ReadResult result;
    try {
        result = decoder.ReadGIF(bytes);
    } catch (const std::exception& e) {
        std::cerr << "gifdump: " << file << ": " << e.what() << "\n";
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (!result) {
        std::cerr << "gifdump: " << file << ": " << gif::Describe(result) << "\n";
        return 1;
    }

    std::error_code ec;
    fs::create_directories(dir, ec);
    std::ostringstream summary;
    Summarise(summary, file, pic, ms);
    std::ofstream(dir / "summary.txt") << summary.str();
    std::cout << summary.str();

    gif::GifComposer composer;
    composer.Reset(pic);
    for (int i = 1; i <= pic.FrameCount(); ++i) {
        if (i > 1)
            composer.DisposeFrame(i - 1);
        composer.DrawFrame(i);
        const bool written = WriteFrame(pic.Frame(i), dir / Name(i, "frame")) &&
                             (composer.Width() == 0 || composer.Height() == 0 ||
                              WriteComposed(composer, pic.Frame(1).Transparent, dir / Name(i, "composed")));
        if (!written) {
            std::cerr << "gifdump: cannot write the pictures of frame " << i << " into " << dir.string() << "\n";
            return 2;
        }
    }
    return 0;
}
