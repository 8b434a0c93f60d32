#include "widgets/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
struct NamedColor {
    const char* name;
    TColor value;
};
constexpr NamedColor kColors[] = {
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clScrollBar", clSystem | 0},
    {"clBackground", clBackground},
    {"clActiveCaption", clSystem | 2},
    {"clInactiveCaption", clSystem | 3},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clSystem | 6},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clSystem | 9},
    {"clActiveBorder", clSystem | 10},
    {"clInactiveBorder", clSystem | 11},
    {"clAppWorkSpace", clSystem | 12},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clSystem | 19},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", clSystem | 21},
    {"cl3DLight", clSystem | 22},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clNone", clNone},
};
} // namespace

QColor ColorToQColor(TColor c)
{
    if (c & clSystem) {
        const QPalette pal = QGuiApplication::palette();
        switch (c & 0xFF) {
        case 1: return QColor(58, 110, 165); // desktop
        case 4:
        case 15:
        case 22: return pal.color(QPalette::Window);
        case 5: return pal.color(QPalette::Base);
        case 7:
        case 8:
        case 18: return pal.color(QPalette::WindowText);
        case 13: return pal.color(QPalette::Highlight);
        case 14: return pal.color(QPalette::HighlightedText);
        case 16: return pal.color(QPalette::Dark);
        case 17: return pal.color(QPalette::Disabled, QPalette::WindowText);
        case 20: return pal.color(QPalette::Light);
        case 21: return pal.color(QPalette::Shadow);
        case 23: return pal.color(QPalette::ToolTipText);
        case 24: return pal.color(QPalette::ToolTipBase);
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

std::string ColorToIdent(TColor c)
{
    for (const auto& n : kColors)
        if (n.value == c)
            return n.name;
    return {};
}

bool IdentToColor(const std::string& ident, TColor& out)
{
    for (const auto& n : kColors)
        if (ident == n.name) {
            out = n.value;
            return true;
        }
    return false;
}
