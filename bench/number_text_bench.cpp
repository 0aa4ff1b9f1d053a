// Each number text rule beside the bare conversion it is built on, over the same values.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "bench/ratio_report.h"
#include "numbers/number_text.h"

namespace {

using namespace ombrelo::numbers;

constexpr std::size_t kCount = 1024;  // a power of two, so cycling is a mask

// Amounts as the program meets them: conversion results, whole amounts, temperatures, and
// values from far ends of the range.
const std::vector<double>& Values() {
    static const std::vector<double> values = [] {
        std::mt19937_64 random(20261207);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        std::vector<double> v;
        for (std::size_t i = 0; i < kCount; ++i) {
            switch (i % 4) {
                case 0:
                    v.push_back(std::floor(unit(random) * 100000) / 1024);
                    break;
                case 1:
                    v.push_back(std::floor(unit(random) * 1e6));
                    break;
                case 2:
                    v.push_back((unit(random) * 2000 - 1000) * 1.8 + 32);
                    break;
                default:
                    v.push_back(std::pow(10.0, unit(random) * 37 - 12));
                    break;
            }
        }
        return v;
    }();
    return values;
}

const std::vector<std::string>& Texts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (const double value : Values())
            t.push_back(NumberToText(value, {}));
        return t;
    }();
    return texts;
}

// The decimal-places box: short whole numbers.
const std::vector<std::string>& WholeTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> t;
        for (std::size_t i = 0; i < kCount; ++i)
            t.push_back(std::to_string(i % 10));
        return t;
    }();
    return texts;
}

template <typename Body>
void Cycle(benchmark::State& state, Body&& body) {
    std::size_t i = 0;
    for (auto _ : state)
        body(i++ & (kCount - 1));
}

double FromChars(const std::string& text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void BareToChars(double value, std::chars_format format, int precision) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    benchmark::DoNotOptimize(result.ptr);
    benchmark::ClobberMemory();
}

const RegionalNumberSettings kSettings;

void Register() {
    const auto& values = Values();
    const auto& texts = Texts();
    const auto& wholeTexts = WholeTexts();
    static std::vector<std::string> groupedTexts;
    static std::vector<std::string> plainTexts;
    for (const double value : values) {
        groupedTexts.push_back(FormatFixed(value, 2, kSettings));
        plainTexts.push_back(NumberToText(ParseNumber(groupedTexts.back(), kSettings), kSettings));
    }

    benchmark::RegisterBenchmark("NumberToText/rule", [&](benchmark::State& state) {
        Cycle(state,
              [&](std::size_t i) { benchmark::DoNotOptimize(NumberToText(values[i], kSettings)); });
    });
    benchmark::RegisterBenchmark("NumberToText/baseline", [&](benchmark::State& state) {
        Cycle(state,
              [&](std::size_t i) { BareToChars(values[i], std::chars_format::scientific, 14); });
    });

    benchmark::RegisterBenchmark("WriteNumber10Digits/rule", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) {
            benchmark::DoNotOptimize(WriteNumber(values[i], 10, NumberForm::Positional, kSettings));
        });
    });
    benchmark::RegisterBenchmark("WriteNumber10Digits/baseline", [&](benchmark::State& state) {
        Cycle(state,
              [&](std::size_t i) { BareToChars(values[i], std::chars_format::scientific, 9); });
    });

    benchmark::RegisterBenchmark("FormatFixed2Places/rule", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) {
            benchmark::DoNotOptimize(FormatFixed(values[i], 2, kSettings));
        });
    });
    benchmark::RegisterBenchmark("FormatFixed2Places/baseline", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) { BareToChars(values[i], std::chars_format::fixed, 2); });
    });

    benchmark::RegisterBenchmark("ParseNumber/rule", [&](benchmark::State& state) {
        Cycle(state,
              [&](std::size_t i) { benchmark::DoNotOptimize(ParseNumber(texts[i], kSettings)); });
    });
    benchmark::RegisterBenchmark("ParseNumber/baseline", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) { benchmark::DoNotOptimize(FromChars(texts[i])); });
    });

    // Grouped text such as "1,234.56" takes the full reading; its baseline reads the plain
    // text of the same value.
    benchmark::RegisterBenchmark("ParseNumberGrouped/rule", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) {
            benchmark::DoNotOptimize(ParseNumber(groupedTexts[i], kSettings));
        });
    });
    benchmark::RegisterBenchmark("ParseNumberGrouped/baseline", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) { benchmark::DoNotOptimize(FromChars(plainTexts[i])); });
    });

    benchmark::RegisterBenchmark("ParseLeadingNumber/rule", [&](benchmark::State& state) {
        Cycle(state,
              [&](std::size_t i) { benchmark::DoNotOptimize(ParseLeadingNumber(texts[i])); });
    });
    benchmark::RegisterBenchmark("ParseLeadingNumber/baseline", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) { benchmark::DoNotOptimize(FromChars(texts[i])); });
    });

    benchmark::RegisterBenchmark("ParseWholeNumber/rule", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) {
            benchmark::DoNotOptimize(ParseWholeNumber(wholeTexts[i], kSettings));
        });
    });
    benchmark::RegisterBenchmark("ParseWholeNumber/baseline", [&](benchmark::State& state) {
        Cycle(state, [&](std::size_t i) { benchmark::DoNotOptimize(FromChars(wholeTexts[i])); });
    });
}

const bool kRegistered = (Register(), true);

}  // namespace

OMBRELO_BENCHMARK_MAIN_WITH_RATIOS(3.0)
