// The icon theme files must be the program's own icon, the one its main
// window's definition carries, so the desktop and the title bar agree.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>

namespace {
// The bytes of Form1's Icon.Data block, read from the definition's text.
QImage programIcon()
{
    QFile f(QStringLiteral(FAUNETA_SOURCE_DIR "/forms/UnitPrincipal.form"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromLatin1(f.readAll());
    const QRegularExpression block(QStringLiteral(R"(\bIcon\.Data\s*=\s*\{([0-9A-Fa-f\s]*)\})"));
    const auto m = block.match(text);
    if (!m.hasMatch())
        return {};
    QString hex = m.captured(1);
    hex.remove(QRegularExpression(QStringLiteral("\\s")));
    return QImage::fromData(QByteArray::fromHex(hex.toLatin1()), "ICO").convertToFormat(QImage::Format_ARGB32);
}

QImage themeIcon(int n)
{
    return QImage(QStringLiteral(FAUNETA_ICON_DIR "/%1x%1/apps/" FAUNETA_APP_ID ".png").arg(n))
        .convertToFormat(QImage::Format_ARGB32);
}

// Same colour where visible, same visibility everywhere.
bool samePixel(QRgb a, QRgb b)
{
    if (qAlpha(a) != qAlpha(b))
        return false;
    return qAlpha(a) == 0 || (a & 0xFFFFFF) == (b & 0xFFFFFF);
}
} // namespace

TEST(DesktopIcons, AreTheProgramIconAtEverySize)
{
    const QImage icon = programIcon();
    ASSERT_EQ(icon.size(), QSize(32, 32)) << "Form1's definition carries a 32 x 32 icon";
    // Pixel art with a shape: some pixels shown, some not.
    int shown = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            shown += qAlpha(icon.pixel(x, y)) != 0;
    ASSERT_GT(shown, 100);
    ASSERT_LT(shown, 32 * 32);

    for (const int n : {32, 64, 128, 256}) {
        const QImage img = themeIcon(n);
        ASSERT_EQ(img.size(), QSize(n, n)) << n;
        const int k = n / 32;
        int wrong = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x)
                wrong += !samePixel(img.pixel(x, y), icon.pixel(x / k, y / k));
        EXPECT_EQ(wrong, 0) << n << " x " << n << " is the icon enlarged " << k << " times, unsmoothed";
    }
    // The other sizes are smoothed: the same shape, shown where the icon is.
    for (const int n : {16, 22, 24, 48}) {
        const QImage img = themeIcon(n);
        ASSERT_EQ(img.size(), QSize(n, n)) << n;
        int disagree = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const bool src = qAlpha(icon.pixel(x * 32 / n, y * 32 / n)) != 0;
                disagree += src != (qAlpha(img.pixel(x, y)) >= 128);
            }
        EXPECT_LT(disagree, n * n / 10) << n << " x " << n << " keeps the icon's outline";
    }
}
