// Relative luminance and contrast ratio of two colours, as the guidelines for
// text on screens define them: the renders and the chart's cells are held to
// the same measure.
#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

namespace testcolor {

inline double Luminance(QRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

inline double Contrast(QRgb a, QRgb b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace testcolor
