#include "widgets/ToolPlaces.h"

#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace toolplaces {

namespace {

std::int64_t Area(const QRect& r)
{
    return r.isEmpty() ? 0 : std::int64_t{r.width()} * r.height();
}

// `at` moved so that as much of it as can lies within `screen`.
int Within(int at, int length, int first, int screenLength)
{
    if (length >= screenLength)
        return first;
    return std::clamp(at, first, first + screenLength - length);
}

// Largest values a place may hold: anything beyond is a damaged file.
constexpr int kMaxCoordinate = 100000, kMaxSize = 20000;

} // namespace

QRect PlaceBeside(const QRect& screen, const QRect& main, const std::vector<QRect>& others, const QSize& frame)
{
    const int w = frame.width(), h = frame.height();
    // Edges worth trying: beside each window on show, and the screen's own.
    std::vector<int> xs{main.right() + 1,     main.left() - w, main.left(),
                        main.right() + 1 - w, screen.left(),   screen.right() + 1 - w};
    std::vector<int> ys{main.top(),   main.bottom() + 1,      main.top() - h, main.bottom() + 1 - h,
                        screen.top(), screen.bottom() + 1 - h};
    for (const QRect& o : others) {
        xs.insert(xs.end(), {o.right() + 1, o.left() - w, o.left()});
        ys.insert(ys.end(), {o.bottom() + 1, o.top() - h, o.top()});
    }
    QRect best;
    std::int64_t bestHidden = std::numeric_limits<std::int64_t>::max();
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (int x : xs)
        for (int y : ys) {
            const QRect r(Within(x, w, screen.left(), screen.width()), Within(y, h, screen.top(), screen.height()), w,
                          h);
            std::int64_t hidden = 2 * Area(r & main);
            for (const QRect& o : others)
                hidden += Area(r & o);
            const QPoint d = r.center() - main.center();
            const std::int64_t distance = std::int64_t{d.x()} * d.x() + std::int64_t{d.y()} * d.y();
            if (hidden < bestHidden || (hidden == bestHidden && distance < bestDistance)) {
                best = r;
                bestHidden = hidden;
                bestDistance = distance;
            }
        }
    return best;
}

QRect KeptOnScreen(const QRect& saved, const QRect& screen)
{
    const int w = std::min(saved.width(), screen.width()), h = std::min(saved.height(), screen.height());
    return {Within(saved.x(), w, screen.left(), screen.width()), Within(saved.y(), h, screen.top(), screen.height()), w,
            h};
}

std::string FilePath()
{
    return (QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QStringLiteral("/Fauneta/janelas.ini"))
        .toStdString();
}

std::optional<QRect> Load(const std::string& window)
{
    QSettings file(QString::fromStdString(FilePath()), QSettings::IniFormat);
    if (file.status() != QSettings::NoError)
        return std::nullopt;
    file.beginGroup(QString::fromStdString(window));
    int v[4];
    const char* keys[] = {"x", "y", "largura", "altura"};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = file.value(QLatin1String(keys[i])).toString().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (std::abs(v[0]) > kMaxCoordinate || std::abs(v[1]) > kMaxCoordinate || v[2] <= 0 || v[3] <= 0 ||
        v[2] > kMaxSize || v[3] > kMaxSize)
        return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}

void Save(const std::string& window, const QRect& place)
{
    QSettings file(QString::fromStdString(FilePath()), QSettings::IniFormat);
    // A damaged file is written anew rather than mended.
    if (file.status() != QSettings::NoError)
        file.clear();
    file.beginGroup(QString::fromStdString(window));
    file.setValue(QStringLiteral("x"), place.x());
    file.setValue(QStringLiteral("y"), place.y());
    file.setValue(QStringLiteral("largura"), place.width());
    file.setValue(QStringLiteral("altura"), place.height());
    file.endGroup();
    file.sync();
}

} // namespace toolplaces
