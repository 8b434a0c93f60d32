#include "tools/WindowShots.h"

#include "widgets/Application.h"
#include "widgets/Form.h"

#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h>

void UsePrivateUserFolders()
{
    static std::string home;
    char pattern[] = "/tmp/fauneta-shots-XXXXXX";
    if (const char* made = mkdtemp(pattern)) {
        home = made;
        setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
        setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(home, ignored);
        });
    }
}

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
