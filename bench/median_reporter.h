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
