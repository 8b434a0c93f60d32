// Colours as window definitions write them: 0x00BBGGRR, or one of the
// system colour names, which resolve to the program's own palette.
#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <string>

using TColor = std::int32_t;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080, clNavy = 0x800000,
                 clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080, clSilver = 0xC0C0C0, clRed = 0x0000FF,
                 clLime = 0x00FF00, clYellow = 0x00FFFF, clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00,
                 clWhite = 0xFFFFFF;
constexpr TColor clSystem = static_cast<TColor>(0x80000000u);
constexpr TColor clBackground = clSystem | 1, clMenu = clSystem | 4, clWindow = clSystem | 5, clMenuText = clSystem | 7,
                 clWindowText = clSystem | 8, clHighlight = clSystem | 13, clHighlightText = clSystem | 14,
                 clBtnFace = clSystem | 15, clBtnShadow = clSystem | 16, clGrayText = clSystem | 17,
                 clBtnText = clSystem | 18, clBtnHighlight = clSystem | 20, clInfoText = clSystem | 23,
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
