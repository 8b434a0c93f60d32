// The bare Qt peer of the start-up measurement: a QMainWindow of the main
// window's size (552 x 374: its 552 x 355 client area and the menu bar)
// holding one label, and nothing else. Run
// with FAUNETA_EXIT_AFTER_FIRST_PAINT=1 it ends after its first paint, timed
// at the same point as the program (app/FirstPaintProbe.h).
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setCentralWidget(new QLabel(QStringLiteral("#001 - Bulbasaur")));
    window.resize(552, 374);
    fauneta::ExitAfterFirstPaintIfAsked(&window, [] { QCoreApplication::exit(0); });
    window.show();
    return app.exec();
}
