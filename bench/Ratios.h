// Side-by-side targets of one benchmark run: a console reporter that keeps
// each row's CPU time per iteration (the median when the run has repetitions)
// and, at the end, prints the ratios between rows with their limits. The
// process exits non-zero when a measured ratio misses its limit. With another
// output format (--benchmark_format=json, as bench/report.py asks) the run is
// a plain one, without the ratios.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace benchratio {

struct Target {
    std::string label;
    std::string numerator, denominator; // row names, without aggregate suffixes
    double limit;                       // numerator / denominator must be <= limit
};

class Reporter : public benchmark::ConsoleReporter {
public:
    explicit Reporter(std::vector<Target> targets) : targets_(std::move(targets)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.error_occurred)
                continue;
            const std::string name = r.run_name.str();
            // Without repetitions the single run counts; with them, only the median.
            if (r.run_type == Run::RT_Aggregate ? r.aggregate_name == "median" : !medians_.count(name))
                cpu_[name] = r.GetAdjustedCPUTime() * Scale(r.time_unit);
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians_[name] = true;
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nratios (CPU time, %s):\n", medians_.empty() ? "single runs" : "medians");
        for (const Target& t : targets_) {
            const auto a = cpu_.find(t.numerator), b = cpu_.find(t.denominator);
            if (a == cpu_.end() || b == cpu_.end()) {
                std::printf("  %-58s not measured\n", t.label.c_str());
                continue;
            }
            const double ratio = a->second / b->second;
            const bool met = ratio <= t.limit;
            missed_ |= !met;
            std::printf("  %-58s %8.3f  (%.4g / %.4g ms; limit <= %.3f) %s\n", t.label.c_str(), ratio, a->second * 1e3,
                        b->second * 1e3, t.limit, met ? "met" : "MISSED");
        }
    }

    bool Missed() const { return missed_; }

private:
    static double Scale(benchmark::TimeUnit u)
    {
        switch (u) {
        case benchmark::kNanosecond: return 1e-9;
        case benchmark::kMicrosecond: return 1e-6;
        case benchmark::kMillisecond: return 1e-3;
        default: return 1.0;
        }
    }

    std::vector<Target> targets_;
    std::map<std::string, double> cpu_; // seconds per iteration
    std::map<std::string, bool> medians_;
    bool missed_ = false;
};

// Whether the console format is asked for (the default); look before
// benchmark::Initialize, which takes its flags out of argv.
inline bool Console(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--benchmark_format=", 19) == 0)
            return std::strcmp(argv[i] + 19, "console") == 0;
    return true;
}

// Runs the benchmarks; with the console format also the ratios. The exit
// status for main.
inline int Run(bool console, std::vector<Target> targets)
{
    if (!console) {
        benchmark::RunSpecifiedBenchmarks();
        return 0;
    }
    Reporter reporter(std::move(targets));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return reporter.Missed() ? 1 : 0;
}

} // namespace benchratio
