#include "widgets/Colors.h"

#include <QApplication>
#include <QToolTip>

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
    {"clScrollBar", clScrollBar},
    {"clBackground", clBackground},
    {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption},
    {"clMenu", clMenu},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clMenuText", clMenuText},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk},
    {"clNone", clNone},
};
} // namespace

QColor ColorToQColor(TColor c)
{
    if (!(c & clSystem))
        return QColor(RedOf(c), GreenOf(c), BlueOf(c));
    const QPalette& pal = ProgramPalette();
    switch (clSystem | (c & 0xFF)) {
    case clBackground: return QColor(58, 110, 165); // the desktop
    case clMenu:
    case clBtnFace:
    case cl3DLight: return pal.color(QPalette::Window);
    case clWindow: return pal.color(QPalette::Base);
    case clMenuText:
    case clWindowText:
    case clBtnText: return pal.color(QPalette::WindowText);
    case clHighlight: return pal.color(QPalette::Highlight);
    case clHighlightText: return pal.color(QPalette::HighlightedText);
    case clBtnShadow: return pal.color(QPalette::Dark);
    case clGrayText: return pal.color(QPalette::Disabled, QPalette::WindowText);
    case clBtnHighlight: return pal.color(QPalette::Light);
    case cl3DDkShadow: return pal.color(QPalette::Shadow);
    case clInfoText: return pal.color(QPalette::ToolTipText);
    case clInfoBk: return pal.color(QPalette::ToolTipBase);
    default: return pal.color(QPalette::Window);
    }
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

namespace {
QPalette makeProgramPalette()
{
    // A flat light grey with black text, white fields and a selection dark
    // enough for white text on it (6.3 : 1).
    struct Role {
        QPalette::ColorRole role;
        QRgb normal, disabled;
    };
    constexpr Role kRoles[] = {
        {QPalette::WindowText, 0xFF000000, 0xFFBEBEBE},
        {QPalette::Button, 0xFFEFEFEF, 0xFFEFEFEF},
        {QPalette::Light, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::Midlight, 0xFFCACACA, 0xFFCACACA},
        {QPalette::Dark, 0xFF9F9F9F, 0xFFBEBEBE},
        {QPalette::Mid, 0xFFB8B8B8, 0xFFB8B8B8},
        {QPalette::Text, 0xFF000000, 0xFFBEBEBE},
        {QPalette::BrightText, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::ButtonText, 0xFF000000, 0xFFBEBEBE},
        {QPalette::Base, 0xFFFFFFFF, 0xFFEFEFEF},
        {QPalette::Window, 0xFFEFEFEF, 0xFFEFEFEF},
        {QPalette::Shadow, 0xFF767676, 0xFFB1B1B1},
        {QPalette::Highlight, 0xFF1E6496, 0xFF919191},
        {QPalette::HighlightedText, 0xFFFFFFFF, 0xFFFFFFFF},
        {QPalette::Link, 0xFF0000FF, 0xFF0000FF},
        {QPalette::LinkVisited, 0xFFFF00FF, 0xFFFF00FF},
        {QPalette::AlternateBase, 0xFFF7F7F7, 0xFFF7F7F7},
        {QPalette::NoRole, 0xFF000000, 0xFF000000},
        {QPalette::ToolTipBase, 0xFFFFFFDC, 0xFFFFFFDC},
        {QPalette::ToolTipText, 0xFF000000, 0xFF000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    // Every role of every group is set, so nothing falls back on the
    // desktop's palette, now or after its theme changes.
    QPalette pal;
    for (const Role& r : kRoles) {
        pal.setColor(QPalette::Active, r.role, QColor::fromRgba(r.normal));
        pal.setColor(QPalette::Inactive, r.role, QColor::fromRgba(r.normal));
        pal.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
    }
    return pal;
}

// The widget classes a platform theme may give palettes of their own.
constexpr const char* kThemedClasses[] = {
    "QToolButton",      "QAbstractButton", "QCheckBox", "QRadioButton", "QHeaderView", "QAbstractItemView",
    "QMessageBoxLabel", "QTabBar",         "QLabel",    "QGroupBox",    "QMenu",       "QMenuBar",
    "QTextEdit",        "QTextControl",    "QLineEdit",
};

bool same(const QPalette& a, const QPalette& b)
{
    return a == b && a.resolveMask() == b.resolveMask();
}
} // namespace

const QPalette& ProgramPalette()
{
    static const QPalette pal = makeProgramPalette();
    return pal;
}

void ApplyProgramPalette()
{
    const QPalette& pal = ProgramPalette();
    if (!same(QApplication::palette(), pal))
        QApplication::setPalette(pal);
    for (const char* name : kThemedClasses)
        if (!same(QApplication::palette(name), pal))
            QApplication::setPalette(pal, name);
    if (!same(QToolTip::palette(), pal))
        QToolTip::setPalette(pal);
}
