// Renders each of the seven windows offscreen to a PNG file, so the windows
// can be looked at without a display:
//   fauneta_snapshot [output-folder]      (default: current folder)
// Writes Form1.png, FormSobre.png, ... (client area with its menu bar).
#include "forms/Startup.h"
#include "widgets/Forms.h"
#include "widgets/SysUtils.h"

#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    int qtArgc = 1;
    TApplication app(qtArgc, argv);
    app.SetTitle("Fauneta");
    MessageBoxRecorder boxes;
    CreateAllForms();
    QDir().mkpath(outDir);
    int failures = 0;
    for (TForm* form : app.Forms()) {
        form->SetVisible(true);
        app.ProcessMessages();
        const QPixmap shot = form->grab();
        const QString file = QDir(outDir).filePath(ToQt(form->Name()) + QStringLiteral(".png"));
        if (!shot.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failures;
        } else {
            std::printf("%s %dx%d\n", qPrintable(file), shot.width(), shot.height());
        }
        form->SetVisible(false);
    }
    for (const auto& b : boxes.boxes)
        std::fprintf(stderr, "message box during start-up: %s\n", b.text.c_str());
    DestroyAllForms();
    return failures == 0 && boxes.boxes.empty() ? 0 : 1;
}
