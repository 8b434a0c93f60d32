#include "widgets/Image.h"

#include "widgets/SysUtils.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <cctype>

namespace {
std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | b[at + std::size_t(i)];
    return v;
}

// Whether an uncompressed bitmap holds every row its header promises (the
// reader would otherwise hand back rows it never read). Compressed ones end
// where their codes say and are not judged here.
bool bitmapRowsPresent(const std::vector<std::uint8_t>& b)
{
    if (b.size() < 26)
        return false;
    const std::uint64_t offset = le(b, 10, 4);
    const std::uint32_t header = le(b, 14, 4);
    std::uint64_t w = 0, h = 0, bits = 0, compression = 0;
    if (header == 12) { // the old core header: 16-bit sizes, never compressed
        w = le(b, 18, 2);
        h = le(b, 20, 2);
        bits = le(b, 24, 2);
    } else {
        if (b.size() < 34)
            return false;
        const auto sw = static_cast<std::int32_t>(le(b, 18, 4)), sh = static_cast<std::int32_t>(le(b, 22, 4));
        w = sw < 0 ? 0 - static_cast<std::uint64_t>(sw) : static_cast<std::uint64_t>(sw);
        h = sh < 0 ? 0 - static_cast<std::uint64_t>(sh) : static_cast<std::uint64_t>(sh);
        bits = le(b, 28, 2);
        compression = le(b, 30, 4);
    }
    const bool uncompressed = compression == 0 || compression == 3 || compression == 6; // plain or bit fields
    if (!uncompressed)
        return true;
    const std::uint64_t stride = (w * bits + 31) / 32 * 4;
    return offset + stride * h <= b.size();
}
} // namespace

void TPicture::LoadFromFile(const std::string& path)
{
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('/');
    std::string ext =
        (dot == std::string::npos || (slash != std::string::npos && dot < slash)) ? "" : path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    const char* format = nullptr;
    const char* invalid = nullptr;
    if (ext == "bmp") {
        format = "BMP";
        invalid = "Bitmap image is not valid";
    } else if (ext == "ico") {
        format = "ICO";
        invalid = "Icon image is not valid";
    } else {
        throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    }
    const auto bytes = ReadWholeFile(path, MaxFileBytes);
    if (!bytes)
        throw EInvalidGraphic(invalid);
    // The format is decided by the extension: the bytes must be that format.
    const bool magicOk = ext == "bmp" ? bytes->size() >= 14 && (*bytes)[0] == 'B' && (*bytes)[1] == 'M'
                                      : bytes->size() >= 6 && (*bytes)[0] == 0 && (*bytes)[1] == 0 && (*bytes)[2] == 1;
    if (!magicOk || (ext == "bmp" && !bitmapRowsPresent(*bytes)))
        throw EInvalidGraphic(invalid);
    QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes->data()), static_cast<qsizetype>(bytes->size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // The size the header claims, before anything is allocated for it.
    const QSize size = reader.size();
    if (size.isValid() &&
        static_cast<std::uint64_t>(size.width()) * static_cast<std::uint64_t>(size.height()) > MaxPicturePixels)
        throw EInvalidGraphic(invalid);
    // Read into a cleared image of that size, which the reader fills in place:
    // whatever the data does not reach (a compressed bitmap ending early)
    // shows colour 0, not what that memory held before.
    QImage img;
    if (size.isValid() && reader.imageFormat() != QImage::Format_Invalid) {
        img = QImage(size, reader.imageFormat());
        img.fill(0);
    }
    if (!reader.read(&img))
        throw EInvalidGraphic(invalid);
    SetImage(img);
}

void TPicture::Clear()
{
    SetImage(QImage());
}

void TPicture::SetImage(const QImage& img)
{
    image_ = img;
    if (OnChange)
        OnChange();
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner)
{
    picture_.OnChange = [this] { pictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

void TImage::pictureChanged()
{
    if (autoSize_ && !picture_.Empty())
        SetBounds(left_, top_, picture_.Width(), picture_.Height());
    Invalidate();
}

void TImage::SetAutoSize(bool v)
{
    autoSize_ = v;
    pictureChanged();
}
void TImage::SetCenter(bool v)
{
    center_ = v;
    Invalidate();
}
void TImage::SetStretch(bool v)
{
    stretch_ = v;
    Invalidate();
}
void TImage::SetTransparent(bool v)
{
    transparent_ = v;
    Invalidate();
}

void TImage::Paint(QPainter& p)
{
    if (picture_.Empty())
        return;
    const QImage& img = picture_.Image();
    if (stretch_) {
        p.drawImage(rect(), img);
        return;
    }
    // Unscaled from the top-left corner (or centred); the widget clips.
    QPoint at(0, 0);
    if (center_)
        at = QPoint((width_ - img.width()) / 2, (height_ - img.height()) / 2);
    p.drawImage(at, img);
}

const ClassInfo& TImage::StaticClass()
{
    static const ClassInfo info(
        "TImage", &TGraphicControl::StaticClass(), [](TComponent* o) -> TComponent* { return new TImage(o); },
        {
            prop::Bool<TImage>("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize, false),
            prop::Bool<TImage>("Center", &TImage::Center, &TImage::SetCenter, false),
            prop::Bool<TImage>("Stretch", &TImage::Stretch, &TImage::SetStretch, false),
            prop::Bool<TImage>("Transparent", &TImage::Transparent, &TImage::SetTransparent, false),
        });
    return info;
}
