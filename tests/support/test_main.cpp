// Test entry shared by every test binary: no display is needed, and a Qt
// application object exists for the tests that drive real widgets.
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    // Set before any Qt object exists.
    const std::string missing = testenv::Pin(FAUNETA_SOURCE_DIR);
    ::testing::InitGoogleTest(&argc, argv);
    if (const int unprepared = testenv::Unprepared(missing))
        return unprepared;
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
