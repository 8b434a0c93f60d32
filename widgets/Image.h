// TImage: an image box showing a TPicture (a bitmap or icon file), windowless.
#pragma once

#include "widgets/Controls.h"

#include <QImage>

#include <cstdint>
#include <functional>

// A picture held by an image box. Loading picks the format by the file name's
// extension; a failed load leaves the old picture.
class TPicture {
public:
    // Pictures shown in this program's windows (552 x 374 at most, rating bars
    // of 129 x 9): a file or picture larger than this is not a picture for
    // them, and is refused as invalid before memory is taken for it. Together
    // (the file, then the picture at 4 bytes a pixel) they stay under the
    // 64 MiB a GIF picture may take.
    static constexpr std::uint64_t MaxFileBytes = 32ull << 20;
    static constexpr std::uint64_t MaxPicturePixels = 2048ull * 2048;

    void LoadFromFile(const std::string& path);
    void Clear();
    bool Empty() const { return image_.isNull(); }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }
    void SetImage(const QImage& img);
    std::function<void()> OnChange;

private:
    QImage image_;
};

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* owner = nullptr);
    FAUNETA_COMPONENT(TImage)
    TPicture& Picture() { return picture_; }
    const TPicture& Picture() const { return picture_; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

protected:
    void Paint(QPainter& p) override;

private:
    void pictureChanged();
    TPicture picture_;
    bool autoSize_ = false, center_ = false, stretch_ = false, transparent_ = false;
};
