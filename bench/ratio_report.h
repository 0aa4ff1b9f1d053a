#pragma once

// Pairs each benchmark named "<name>/rule" with the one named "<name>/baseline" (same
// arguments) and, after the usual console table, prints how many times slower the rule is.
// A benchmark binary uses it with OMBRELO_BENCHMARK_MAIN_WITH_RATIOS(aim) in place of
// BENCHMARK_MAIN(); `aim` is the ratio the rules should stay within.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ombrelo::bench {

class RatioReporter : public benchmark::ConsoleReporter {
  public:
    explicit RatioReporter(double aim) : benchmark::ConsoleReporter(OO_Tabular), m_aim(aim) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        benchmark::ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            // With repetitions the mean stands for the pair; otherwise the single run.
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean") continue;
            Record(run);
        }
    }

    void Finalize() override {
        benchmark::ConsoleReporter::Finalize();
        if (m_pairs.empty()) return;
        std::printf("\n%-44s %12s %12s %8s\n", "rule / baseline (cpu time)", "rule ns",
                    "baseline ns", "ratio");
        for (const auto& [name, pair] : m_pairs) {
            if (pair.rule <= 0 || pair.baseline <= 0) continue;
            const double ratio = pair.rule / pair.baseline;
            std::printf("%-44s %12.1f %12.1f %7.2fx%s\n", name.c_str(), pair.rule * 1e9,
                        pair.baseline * 1e9, ratio, ratio > m_aim ? "  (above aim)" : "");
        }
        std::printf("aim: each rule within %.1fx of its baseline\n", m_aim);
    }

  private:
    struct Pair {
        double rule = 0;  // seconds per iteration
        double baseline = 0;
    };

    void Record(const Run& run) {
        const std::string& function = run.run_name.function_name;
        static constexpr std::string_view kRule = "/rule";
        static constexpr std::string_view kBaseline = "/baseline";
        const bool isRule = std::string_view(function).ends_with(kRule);
        const bool isBaseline = std::string_view(function).ends_with(kBaseline);
        if (!isRule && !isBaseline) return;
        std::string name =
            function.substr(0, function.size() - (isRule ? kRule : kBaseline).size());
        if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
        const double seconds =
            run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        (isRule ? m_pairs[name].rule : m_pairs[name].baseline) = seconds;
    }

    double m_aim;
    std::map<std::string, Pair> m_pairs;
};

}  // namespace ombrelo::bench

#define OMBRELO_BENCHMARK_MAIN_WITH_RATIOS(aim)                           \
    int main(int argc, char** argv) {                                     \
        benchmark::Initialize(&argc, argv);                               \
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1; \
        ombrelo::bench::RatioReporter reporter(aim);                      \
        benchmark::RunSpecifiedBenchmarks(&reporter);                     \
        benchmark::Shutdown();                                            \
        return 0;                                                         \
    }
