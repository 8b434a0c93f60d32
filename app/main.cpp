// Fauneta: start-up. The application object, its title, the seven windows in
// their fixed order, then the event loop until "Sair" or the main window's
// close box ends it.
#include "app/FirstPaintProbe.h"
#include "forms/Startup.h"
#include "widgets/Application.h"
#include "widgets/Dispatch.h"
#include "widgets/Form.h"

#include <QGuiApplication>

#include <exception>

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    app.SetTitle("Fauneta");
    // The desktop's name for the program: its .desktop file, AppStream entry
    // and icons are all named by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(FAUNETA_APP_ID));
    try {
        CreateAllForms();
    } catch (...) {
        // A window definition that cannot be read leaves nothing to run.
        HandleException(std::current_exception());
        return 1;
    }
    fauneta::ExitAfterFirstPaintIfAsked(app.MainForm(), [&app] { app.Terminate(); });
    app.Run();
    return 0;
}
