#include <gtest/gtest.h>
#include <QApplication>

// The window test programs' start: one application object for every test.
int main(int argc, char** argv) {
    // Test discovery runs the binary outside CTest's environment: never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
