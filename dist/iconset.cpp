// fauneta_iconset: the desktop's icon theme files from the program's icon.
//   fauneta_iconset <icon.ico> <output-folder> <id>
// Writes <output-folder>/hicolor/<n>x<n>/apps/<id>.png for every size the
// desktops ask for. The icon is 32 x 32 pixel art: it is enlarged by whole
// multiples without smoothing, so the pixels stay sharp, and only the sizes
// that are no multiple of 32 are smoothed down from the next multiple.
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <icon.ico> <output-folder> <id>\n", argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString outDir = QString::fromLocal8Bit(argv[2]);
    const QString id = QString::fromLocal8Bit(argv[3]);

    QImageReader reader(source, "ICO");
    QImage icon = reader.read();
    if (icon.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    if (icon.size() != QSize(32, 32)) {
        std::fprintf(stderr, "%s: expected a 32 x 32 icon, found %d x %d\n", argv[1], icon.width(), icon.height());
        return 1;
    }
    icon = icon.convertToFormat(QImage::Format_ARGB32);

    for (const int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const int whole = (n + 31) / 32 * 32;
        QImage out = icon.scaled(whole, whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (whole != n)
            out = out.scaled(n, n, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outDir).arg(n);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, id);
        if (!QDir().mkpath(dir) || !out.save(file, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
