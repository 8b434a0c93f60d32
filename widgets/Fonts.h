// Fonts as window definitions name them, drawn with free stand-ins.
#pragma once

#include "widgets/Colors.h"

#include <QFont>
#include <QString>

#include <string>
#include <vector>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// The fonts the definitions name ("MS Sans Serif", "Verdana") do not exist
// here. Each is drawn with a free stand-in, scaled so that texts keep the
// widths the layouts were drawn for. Set once at start-up (TApplication).
struct FontStandIn {
    std::string name;     // as the definitions write it
    QString family;       // installed family drawn instead
    double scale;         // pixel size factor
    double boldScale = 0; // factor for bold text (0: scale); the bitmap
                          // originals widen more in bold than the stand-ins
    int stretch = 100;    // width of regular text, percent
};
void SetFontStandIns(std::vector<FontStandIn> table);
const std::vector<FontStandIn>& FontStandIns();

class TFont {
public:
    std::string Name = "MS Sans Serif";
    int Height = -11; // negative: character height in pixels
    TColor Color = clWindowText;
    unsigned Style = 0;
    int Charset = 1; // DEFAULT_CHARSET

    QFont ToQFont() const;
    bool operator==(const TFont&) const = default;
};
