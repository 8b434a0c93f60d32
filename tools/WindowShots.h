// Pictures of the program's windows, rendered offscreen to PNG files by
// fauneta_snapshot and fauneta_screenshots alike.
#pragma once

#include "widgets/MessageBox.h"

#include <QDir>
#include <QString>

#include <vector>

class TApplication;
class TForm;

// Points the user's configuration and data folders at a fresh folder of the
// run's own, removed at exit: the windows keep their places and the team as
// they close or change, and a picture run must not touch the person's own.
// Call first, before Qt reads them.
void UsePrivateUserFolders();

class WindowShots {
public:
    // Makes the folder; from now on a message box is noted instead of waiting
    // for a person (a box in a picture run is a fault of the run).
    WindowShots(TApplication& app, const QString& folder);
    // The window as it stands, painted and written to <folder>/<file>; the
    // file and its size on stdout, or the failure on stderr.
    bool Shoot(TForm* form, const QString& file);
    // Says each box the run raised on stderr; true when there were none.
    bool NoBoxes() const;

private:
    TApplication& app_;
    QDir folder_;
    std::vector<TMessageBoxRequest> boxes_;
};
