// Text fields on a Linux desktop take the X11 editing keys (Ctrl+E: end of
// line, Ctrl+D: delete), which the offscreen platform the tests draw on does
// not give them. While one of these lives, the program has the desktop's.
#pragma once

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>

class DesktopKeys {
public:
    DesktopKeys() : previous_(QGuiApplicationPrivate::platform_theme), theme_(previous_)
    {
        QGuiApplicationPrivate::platform_theme = &theme_;
    }
    ~DesktopKeys() { QGuiApplicationPrivate::platform_theme = previous_; }
    DesktopKeys(const DesktopKeys&) = delete;
    DesktopKeys& operator=(const DesktopKeys&) = delete;

private:
    // The platform's own theme in all but the keyboard's scheme.
    class Theme : public QPlatformTheme {
    public:
        explicit Theme(QPlatformTheme* base) : base_(base) {}
        QVariant themeHint(ThemeHint hint) const override
        {
            if (hint == KeyboardScheme)
                return int(X11KeyboardScheme);
            return base_ ? base_->themeHint(hint) : QPlatformTheme::themeHint(hint);
        }
        const QPalette* palette(Palette type) const override
        {
            return base_ ? base_->palette(type) : QPlatformTheme::palette(type);
        }
        const QFont* font(Font type) const override { return base_ ? base_->font(type) : QPlatformTheme::font(type); }

    private:
        QPlatformTheme* base_;
    };
    QPlatformTheme* previous_;
    Theme theme_;
};
