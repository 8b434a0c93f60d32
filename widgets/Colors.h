// Colours as window definitions write them: a number with blue in its high
// byte and red in its low one (Rgb), or one of the system colour names, which
// resolve to the program's own palette.
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <string>

using TColor = std::int32_t;

// A colour from its red, green and blue parts, stored as the definitions
// store it (blue in the high byte): write colours with this, never as a raw
// number, which reads backwards.
constexpr TColor Rgb(int red, int green, int blue)
{
    return static_cast<TColor>(blue << 16 | green << 8 | red);
}
constexpr int RedOf(TColor c)
{
    return c & 0xFF;
}
constexpr int GreenOf(TColor c)
{
    return (c >> 8) & 0xFF;
}
constexpr int BlueOf(TColor c)
{
    return (c >> 16) & 0xFF;
}

constexpr TColor clBlack = Rgb(0, 0, 0), clMaroon = Rgb(128, 0, 0), clGreen = Rgb(0, 128, 0),
                 clOlive = Rgb(128, 128, 0), clNavy = Rgb(0, 0, 128), clPurple = Rgb(128, 0, 128),
                 clTeal = Rgb(0, 128, 128), clGray = Rgb(128, 128, 128), clSilver = Rgb(192, 192, 192),
                 clRed = Rgb(255, 0, 0), clLime = Rgb(0, 255, 0), clYellow = Rgb(255, 255, 0), clBlue = Rgb(0, 0, 255),
                 clFuchsia = Rgb(255, 0, 255), clAqua = Rgb(0, 255, 255), clWhite = Rgb(255, 255, 255);

// A system colour names a role (its index in the low byte), not a value.
constexpr TColor clSystem = static_cast<TColor>(0x80000000u);
constexpr TColor clScrollBar = clSystem | 0, clBackground = clSystem | 1, clActiveCaption = clSystem | 2,
                 clInactiveCaption = clSystem | 3, clMenu = clSystem | 4, clWindow = clSystem | 5,
                 clWindowFrame = clSystem | 6, clMenuText = clSystem | 7, clWindowText = clSystem | 8,
                 clCaptionText = clSystem | 9, clActiveBorder = clSystem | 10, clInactiveBorder = clSystem | 11,
                 clAppWorkSpace = clSystem | 12, clHighlight = clSystem | 13, clHighlightText = clSystem | 14,
                 clBtnFace = clSystem | 15, clBtnShadow = clSystem | 16, clGrayText = clSystem | 17,
                 clBtnText = clSystem | 18, clInactiveCaptionText = clSystem | 19, clBtnHighlight = clSystem | 20,
                 cl3DDkShadow = clSystem | 21, cl3DLight = clSystem | 22, clInfoText = clSystem | 23,
                 clInfoBk = clSystem | 24;
constexpr TColor clNone = 0x1FFFFFFF;

// A system colour gives the program's palette's colour for its role.
QColor ColorToQColor(TColor c);
// "clMenu" for a known colour, else empty.
std::string ColorToIdent(TColor c);
bool IdentToColor(const std::string& ident, TColor& out);

// The program's own palette: light, the same whatever the desktop's theme.
// The windows are fixed layouts whose pictures (sprites on the white sprite
// box, the rating bars, drawings over the button face) were drawn for light
// colours, and their definitions set fixed black text over system colours:
// taking the desktop's dark colours for one and not the other hides texts.
// The desktop still decides the window frames.
const QPalette& ProgramPalette();
// Makes it the palette of the application, of each widget class a desktop
// theme may colour apart from it, and of tooltips; does nothing where it
// already is. Runs at start-up and again whenever the desktop's theme changes.
void ApplyProgramPalette();
