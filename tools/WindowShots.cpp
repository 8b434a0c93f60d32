#include "tools/WindowShots.h"

#include "widgets/Application.h"
#include "widgets/Form.h"

#include <QPixmap>

#include <cstdio>

WindowShots::WindowShots(TApplication& app, const QString& folder) : app_(app), folder_(folder)
{
    QDir().mkpath(folder);
    app.MessageBoxResponder = [this](const TMessageBoxRequest& box) {
        boxes_.push_back(box);
        return IDOK;
    };
}

bool WindowShots::Shoot(TForm* form, const QString& file)
{
    app_.ProcessMessages();
    const QString path = folder_.filePath(file);
    const QPixmap shot = form->grab();
    if (!shot.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
    return true;
}

bool WindowShots::NoBoxes() const
{
    for (const TMessageBoxRequest& box : boxes_)
        std::fprintf(stderr, "message box: %s\n", box.text.c_str());
    return boxes_.empty();
}
