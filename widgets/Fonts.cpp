#include "widgets/Fonts.h"

#include "widgets/SysUtils.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace {
std::vector<FontStandIn>& standIns()
{
    static std::vector<FontStandIn> t = {
        // Regular text keeps the designed widths at its own size, a little
        // narrowed (the information windows' long lines); bold labels need
        // a size more. By family, not file: both Liberation versions have the
        // same advance widths, so the layouts hold with whichever the desktop
        // resolves (its fontconfig choices stay the user's).
        {"MS Sans Serif", QStringLiteral("Liberation Sans"), 1.0, 12.0 / 11.0, 95},
        {"Verdana", QStringLiteral("DejaVu Sans"), 1.0},
    };
    return t;
}

// Resolved fonts, one per distinct face, size and style: every control with
// the same font shares one QFont, so Qt finds its engine once.
struct ResolvedFont {
    std::string name;
    int height;
    unsigned style;
    qreal dpr;
    QFont font;
};

std::vector<ResolvedFont>& resolvedFonts()
{
    static std::vector<ResolvedFont> cache;
    return cache;
}
} // namespace

void SetFontStandIns(std::vector<FontStandIn> table)
{
    standIns() = std::move(table);
    resolvedFonts().clear();
}

const std::vector<FontStandIn>& FontStandIns()
{
    return standIns();
}

QFont TFont::ToQFont() const
{
    const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    auto& cache = resolvedFonts();
    for (const auto& r : cache)
        if (r.height == Height && r.style == Style && r.dpr == dpr && r.name == Name)
            return r.font;
    QFont f;
    double scale = 1.0;
    int stretch = 100;
    QString family = ToQt(Name);
    for (const auto& s : standIns())
        if (s.name == Name) {
            family = s.family;
            scale = (Style & fsBold) && s.boldScale > 0 ? s.boldScale : s.scale;
            stretch = (Style & fsBold) ? 100 : s.stretch;
        }
    f.setFamilies({family});
    // Always set: a font without its own stretch would take its parent's.
    f.setStretch(stretch);
    // A negative height is the character height; a positive one the cell
    // height, of which the character takes about 80 %.
    const double px = Height < 0 ? -Height : Height * 0.8;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(px * scale))));
    f.setBold(Style & fsBold);
    f.setItalic(Style & fsItalic);
    f.setUnderline(Style & fsUnderline);
    f.setStrikeOut(Style & fsStrikeOut);
    // Full hinting snaps advances to whole pixels of the font's own size; at a
    // fractional scale factor those no longer fall on device pixels and the
    // blanks between words shrink or vanish, so there only the vertical is hinted.
    f.setHintingPreference(dpr == std::floor(dpr) ? QFont::PreferFullHinting : QFont::PreferVerticalHinting);
    cache.push_back({Name, Height, Style, dpr, f});
    return f;
}
