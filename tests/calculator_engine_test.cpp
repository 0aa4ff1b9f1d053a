#include "calculator/calculator_engine.h"

#include <gtest/gtest.h>

namespace ombrelo::calculator {
namespace {

class RecordingDisplay final : public CalculatorDisplay {
  public:
    std::string Text() const override { return m_text; }
    void SetText(std::string_view text) override {
        m_text = std::string(text.substr(0, kDisplayMaxLength));
    }
    void Beep() override { ++beeps; }
    int beeps = 0;

  private:
    std::string m_text;
};

TEST(CalculatorEngine, StartsEmptyWithNothingPending) {
    RecordingDisplay display;
    conversion::FixedRegionalSettings regional;
    CalculatorEngine engine(display, regional);
    EXPECT_EQ(display.Text(), "");
    EXPECT_EQ(engine.Accumulator(), 0.0);
    EXPECT_EQ(engine.PendingOperator(), 0);
    EXPECT_FALSE(engine.StartNewEntry());
}

}  // namespace
}  // namespace ombrelo::calculator
