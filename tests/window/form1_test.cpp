#include "window/form1.h"

#include <gtest/gtest.h>
#include <QApplication>

namespace ombrelo::window {
namespace {

class RecordingPlatform final : public Platform {
  public:
    void ReportError(const conversion::RunTimeError& error) override {
        errors.push_back(error.Number());
    }
    void Beep() override { ++beeps; }
    void Quit() override { ++quits; }
    std::vector<int> errors;
    int beeps = 0;
    int quits = 0;
};

TEST(Form1, BuildsWithoutRunningAnyHandler) {
    RecordingPlatform platform;
    conversion::FixedRegionalSettings regional;
    Form1 form(platform, regional);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(platform.beeps, 0);
}

}  // namespace
}  // namespace ombrelo::window

int main(int argc, char** argv) {
    // Test discovery runs this binary outside CTest's environment: never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
