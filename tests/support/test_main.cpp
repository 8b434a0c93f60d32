// Test entry shared by every test binary: no display is needed, and a Qt
// application object exists for the tests that drive real widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Set before any Qt object exists; an explicit setting from outside wins.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_ACCESSIBILITY", "0", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
