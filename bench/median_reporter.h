#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <utility>

// A console reporter that keeps each benchmark's median wall time and, once all have run,
// hands them to the benchmark's summary, which prints the figures it is judged by.
class MedianReporter : public benchmark::ConsoleReporter {
 public:
  using Medians = std::map<std::string, double>;

  explicit MedianReporter(std::function<void(const Medians&)> summary)
      : summary_(std::move(summary)) {}

  // The median of a benchmark, or -1 when it did not run.
  static double Median(const Medians& medians, const std::string& name) {
    const auto found = medians.find(name);
    return found == medians.end() ? -1.0 : found->second;
  }

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.aggregate_name == "median")
        medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    summary_(medians_);
  }

 private:
  std::function<void(const Medians&)> summary_;
  Medians medians_;
};

// One timed benchmark: its name and function.
using TimedBenchmark = std::pair<const char*, void (*)(benchmark::State&)>;

// Registers the benchmarks with the same iterations and repetitions, medians only.
inline void RegisterTimed(std::initializer_list<TimedBenchmark> benchmarks, int iterations,
                          int repetitions) {
  for (const auto& [name, function] : benchmarks) {
    benchmark::RegisterBenchmark(name, function)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(iterations)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true);
  }
}

// Registers the benchmarks, runs `prepare` after the command line is read, then runs them
// and hands the medians to the summary.
inline void RunWithMedians(int& argc, char** argv, std::initializer_list<TimedBenchmark> benchmarks,
                           int iterations, int repetitions,
                           std::function<void(const MedianReporter::Medians&)> summary,
                           const std::function<void()>& prepare = {}) {
  RegisterTimed(benchmarks, iterations, repetitions);
  benchmark::Initialize(&argc, argv);
  if (prepare) prepare();
  MedianReporter reporter(std::move(summary));
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
}
