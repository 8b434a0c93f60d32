#include "Gif.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <map>
#include <stdexcept>

namespace artgen {

namespace {

int writeToVector(GifFileType* gif, const GifByteType* data, int len)
{
    auto* out = static_cast<std::vector<uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + len);
    return len;
}

void check(int rc, GifFileType* gif, const char* what)
{
    if (rc != GIF_ERROR)
        return;
    int err = gif ? gif->Error : 0;
    throw std::runtime_error(std::string("GIF encoding failed at ") + what + ": " +
                             (GifErrorString(err) ? GifErrorString(err) : "?"));
}

ColorMapObject* makeMap(const std::vector<Rgb>& table)
{
    if (table.empty())
        return nullptr;
    std::vector<GifColorType> c(table.size());
    for (size_t i = 0; i < table.size(); ++i)
        c[i] = {table[i].r, table[i].g, table[i].b};
    ColorMapObject* m = GifMakeMapObject(int(table.size()), c.data());
    if (!m)
        throw std::runtime_error("GIF colour table must have a power-of-two size up to 256");
    return m;
}

} // namespace

std::vector<uint8_t> encodeGif(const GifPicture& pic)
{
    std::vector<uint8_t> out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, writeToVector, &err);
    if (!gif)
        throw std::runtime_error("cannot start GIF encoder");
    struct Closer {
        GifFileType* g;
        ~Closer()
        {
            if (g)
                EGifCloseFile(g, nullptr);
        }
    } closer{gif};

    bool gif89 = pic.loopCount >= 0 || !pic.comment.empty();
    for (const GifFrame& f : pic.frames)
        gif89 = gif89 || f.control;
    EGifSetGifVersion(gif, gif89);

    ColorMapObject* global = makeMap(pic.globalTable);
    int colorRes = 8;
    check(EGifPutScreenDesc(gif, pic.width, pic.height, colorRes, pic.background, global), gif, "screen");
    GifFreeMapObject(global);

    if (pic.loopCount >= 0) {
        check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), gif, "loop");
        check(EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0"), gif, "loop");
        const unsigned char sub[3] = {1, uint8_t(pic.loopCount & 0xff), uint8_t((pic.loopCount >> 8) & 0xff)};
        check(EGifPutExtensionBlock(gif, 3, sub), gif, "loop");
        check(EGifPutExtensionTrailer(gif), gif, "loop");
    }
    if (!pic.comment.empty())
        check(EGifPutComment(gif, pic.comment.c_str()), gif, "comment");

    for (const GifFrame& f : pic.frames) {
        if (f.pixels.size() != size_t(f.width) * size_t(f.height))
            throw std::runtime_error("GIF frame has the wrong number of pixels");
        if (f.control) {
            GraphicsControlBlock gcb{};
            gcb.DisposalMode = f.disposal;
            gcb.UserInputFlag = false;
            gcb.DelayTime = f.delay;
            gcb.TransparentColor = f.transparentIndex >= 0 ? f.transparentIndex : NO_TRANSPARENT_COLOR;
            GifByteType ext[4];
            size_t n = EGifGCBToExtension(&gcb, ext);
            check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(n), ext), gif, "control");
        }
        ColorMapObject* local = makeMap(f.localTable);
        int rc = EGifPutImageDesc(gif, f.left, f.top, f.width, f.height, f.interlaced, local);
        GifFreeMapObject(local);
        check(rc, gif, "image");
        // giflib takes rows in file order: an interlaced image is handed over
        // pass by pass.
        std::vector<int> rows;
        if (f.interlaced) {
            static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = start[p]; y < f.height; y += step[p])
                    rows.push_back(y);
        } else {
            for (int y = 0; y < f.height; ++y)
                rows.push_back(y);
        }
        std::vector<GifPixelType> row(size_t(f.width));
        for (int y : rows) {
            std::copy_n(f.pixels.begin() + ptrdiff_t(y) * f.width, f.width, row.begin());
            check(EGifPutLine(gif, row.data(), f.width), gif, "pixels");
        }
    }
    closer.g = nullptr;
    if (EGifCloseFile(gif, &err) == GIF_ERROR)
        throw std::runtime_error("GIF encoding failed at the end");
    return out;
}

int tableSizeFor(int n)
{
    int s = 2;
    while (s < n)
        s *= 2;
    return s;
}

namespace {

struct Entry {
    std::array<int, 3> c;
    long count;
};

Rgb average(const std::vector<Entry>& box)
{
    long long s[3] = {0, 0, 0}, n = 0;
    for (const Entry& e : box) {
        for (int k = 0; k < 3; ++k)
            s[k] += (long long)e.c[size_t(k)] * e.count;
        n += e.count;
    }
    if (n == 0)
        return {};
    return {uint8_t((s[0] + n / 2) / n), uint8_t((s[1] + n / 2) / n), uint8_t((s[2] + n / 2) / n)};
}

std::vector<Rgb> medianCut(std::vector<Entry> all, int slots)
{
    std::vector<std::vector<Entry>> boxes{std::move(all)};
    while (int(boxes.size()) < slots) {
        // Split the box with the widest channel range (weighted by its pixel count).
        int bestBox = -1, bestCh = 0;
        long bestScore = -1;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2)
                continue;
            long cnt = 0;
            for (const Entry& e : boxes[i])
                cnt += e.count;
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 255, hi = 0;
                for (const Entry& e : boxes[i])
                    lo = std::min(lo, e.c[size_t(ch)]), hi = std::max(hi, e.c[size_t(ch)]);
                long score = long(hi - lo) * 1000 + std::min(cnt, 999L);
                if (score > bestScore)
                    bestScore = score, bestBox = int(i), bestCh = ch;
            }
        }
        if (bestBox < 0)
            break;
        std::vector<Entry> b = std::move(boxes[size_t(bestBox)]);
        std::sort(b.begin(), b.end(), [&](const Entry& x, const Entry& y) {
            if (x.c[size_t(bestCh)] != y.c[size_t(bestCh)])
                return x.c[size_t(bestCh)] < y.c[size_t(bestCh)];
            return x.c < y.c;
        });
        long total = 0;
        for (const Entry& e : b)
            total += e.count;
        long acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < b.size(); ++i) {
            acc += b[i].count;
            cut = i + 1;
            if (acc * 2 >= total)
                break;
        }
        boxes[size_t(bestBox)] = std::vector<Entry>(b.begin(), b.begin() + ptrdiff_t(cut));
        boxes.push_back(std::vector<Entry>(b.begin() + ptrdiff_t(cut), b.end()));
    }
    std::vector<Rgb> pal;
    for (const auto& b : boxes)
        pal.push_back(average(b));
    return pal;
}

} // namespace

Indexed quantize(const Image& img, int tableSize, int transparentIndex, Rgb transparentColour)
{
    std::map<uint32_t, long> counts;
    for (uint32_t p : img.px)
        if (p >> 24)
            ++counts[p & 0xffffff];
    int slots = tableSize - (transparentIndex >= 0 ? 1 : 0);

    std::vector<Rgb> colours;
    if (int(counts.size()) <= slots) {
        for (const auto& [c, n] : counts)
            colours.push_back({uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    } else {
        std::vector<Entry> all;
        for (const auto& [c, n] : counts)
            all.push_back({{int((c >> 16) & 0xff), int((c >> 8) & 0xff), int(c & 0xff)}, n});
        colours = medianCut(std::move(all), slots);
    }
    // Dark to light, so tables read naturally in a dump.
    std::stable_sort(colours.begin(), colours.end(), [](const Rgb& a, const Rgb& b) {
        int la = a.r * 3 + a.g * 6 + a.b, lb = b.r * 3 + b.g * 6 + b.b;
        return la != lb ? la < lb : a < b;
    });

    Indexed ix;
    ix.w = img.w, ix.h = img.h;
    ix.palette.assign(size_t(tableSize), Rgb{});
    std::vector<int> slotOf;
    int next = 0;
    for (size_t i = 0; i < colours.size(); ++i) {
        if (next == transparentIndex)
            ++next;
        ix.palette[size_t(next)] = colours[i];
        slotOf.push_back(next++);
    }
    if (transparentIndex >= 0)
        ix.palette[size_t(transparentIndex)] = transparentColour;

    std::map<uint32_t, uint8_t> lookup;
    for (const auto& [c, n] : counts) {
        int r = int(c >> 16) & 0xff, g = int(c >> 8) & 0xff, b = int(c) & 0xff;
        long best = -1;
        size_t bi = 0;
        for (size_t i = 0; i < colours.size(); ++i) {
            long dr = r - colours[i].r, dg = g - colours[i].g, db = b - colours[i].b;
            long d = dr * dr * 3 + dg * dg * 4 + db * db * 2;
            if (best < 0 || d < best)
                best = d, bi = i;
        }
        lookup[c] = uint8_t(slotOf.empty() ? 0 : slotOf[bi]);
    }
    ix.idx.resize(img.px.size());
    for (size_t i = 0; i < img.px.size(); ++i) {
        uint32_t p = img.px[i];
        ix.idx[i] = (p >> 24) ? lookup[p & 0xffffff] : uint8_t(std::max(transparentIndex, 0));
    }
    return ix;
}

GifPicture singleFrame(const Indexed& ix, int transparentIndex, bool interlaced)
{
    GifPicture pic;
    pic.width = ix.w, pic.height = ix.h;
    pic.globalTable = ix.palette;
    GifFrame f;
    f.width = ix.w, f.height = ix.h;
    f.pixels = ix.idx;
    f.interlaced = interlaced;
    f.transparentIndex = transparentIndex;
    pic.frames.push_back(std::move(f));
    return pic;
}

} // namespace artgen
