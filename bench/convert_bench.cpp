// The whole Convert click over an in-memory form, beside the bare text and number conversions
// the same click needs at the least, over the same amounts.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "bench/ratio_report.h"
#include "conversion/catalog.h"
#include "conversion/convert.h"

namespace {

using namespace ombrelo::conversion;
using ombrelo::numbers::RegionalNumberSettings;

constexpr std::size_t kCount = 1024;  // a power of two, so cycling is a mask

// The window's controls as plain strings: what Convert costs without any widget behind it.
class MemoryForm final : public ConvertForm {
  public:
    MemoryForm(const ConversionFormula& formula, std::string forward, std::string reverse)
        : m_slot(formula.slot),
          m_caption(formula.caption),
          m_amount{std::move(forward), std::move(reverse)} {}

    bool FormulaValue(int slot) const override { return slot == m_slot; }
    std::string FormulaCaption(int slot) const override {
        return slot == m_slot ? m_caption : std::string();
    }
    std::string AmountText(Direction direction) const override {
        return m_amount[Column(direction)];
    }
    std::string DecimalPlacesText() const override { return "2"; }
    std::string ResultCaption(Direction direction) const override {
        return m_result[Column(direction)];
    }
    void SetResultCaption(Direction direction, std::string_view text) override {
        m_result[Column(direction)] = text;
    }
    void SetFormulaText(Direction direction, std::string_view text) override {
        m_formula[Column(direction)] = text;
    }

  private:
    static std::size_t Column(Direction direction) {
        return direction == Direction::Forward ? 0 : 1;
    }

    int m_slot;
    std::string m_caption;
    std::array<std::string, 2> m_amount;
    std::array<std::string, 2> m_result;
    std::array<std::string, 2> m_formula;
};

struct Case {
    const ConversionFormula* formula;
    std::array<std::string, 2> amount;
};

// Every formula in turn, with amounts as users type them: whole, with a fraction, negative.
const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = [] {
        std::mt19937_64 random(20261207);
        std::uniform_int_distribution<int> digits(0, 999999);
        const auto amount = [&](std::size_t i) {
            std::string text(i % 7 == 0 ? "-" : "");
            text += std::to_string(digits(random));
            if (i % 3 == 1) {
                text += '.';
                text += std::to_string(digits(random) % 1000);
            }
            return text;
        };
        std::vector<Case> v;
        const auto formulas = AllFormulas();
        for (std::size_t i = 0; i < kCount; ++i) {
            v.push_back({&formulas[i % formulas.size()], {amount(i), amount(i + 1)}});
        }
        return v;
    }();
    return cases;
}

void ConvertRule(benchmark::State& state) {
    std::vector<MemoryForm> forms;
    for (const Case& c : Cases()) {
        forms.emplace_back(*c.formula, c.amount[0], c.amount[1]);
    }
    const RegionalNumberSettings settings;
    std::size_t i = 0;
    for (auto _ : state) {
        RunConvert(forms[i++ & (kCount - 1)], settings);
    }
    benchmark::DoNotOptimize(forms.data());
}

// Per column: read the amount, apply the steps, write 15 significant digits, read the places
// and the written text back, write the fixed form.
void ConvertBaseline(benchmark::State& state) {
    const std::vector<Case>& cases = Cases();
    std::array<char, 64> raw{};
    std::array<char, 400> shown{};
    std::size_t i = 0;
    for (auto _ : state) {
        const Case& c = cases[i++ & (kCount - 1)];
        for (int column = 0; column < 2; ++column) {
            const std::string& text = c.amount[static_cast<std::size_t>(column)];
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            for (const ConversionStep& step :
                 (column == 0 ? c.formula->forward : c.formula->reverse).steps) {
                switch (step.kind) {
                    case ConversionStep::Kind::Multiply:
                        value *= step.constant;
                        break;
                    case ConversionStep::Kind::Divide:
                        value /= step.constant;
                        break;
                    case ConversionStep::Kind::Add:
                        value += step.constant;
                        break;
                    case ConversionStep::Kind::Subtract:
                        value -= step.constant;
                        break;
                }
            }
            const auto written = std::to_chars(raw.data(), raw.data() + raw.size(), value,
                                               std::chars_format::general, 15);
            constexpr std::string_view kPlaces = "2";
            int places = 0;
            std::from_chars(kPlaces.data(), kPlaces.data() + kPlaces.size(), places);
            double reread = 0;
            std::from_chars(raw.data(), written.ptr, reread);
            const auto fixed = std::to_chars(shown.data(), shown.data() + shown.size(), reread,
                                             std::chars_format::fixed, places);
            benchmark::DoNotOptimize(fixed.ptr);
        }
    }
}
const bool kRegistered = [] {
    benchmark::RegisterBenchmark("Convert/rule", ConvertRule);
    benchmark::RegisterBenchmark("Convert/baseline", ConvertBaseline);
    return true;
}();

}  // namespace

OMBRELO_BENCHMARK_MAIN_WITH_RATIOS(5.0)
