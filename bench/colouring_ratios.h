#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace quillory::bench {

// The console table as usual, then the ratios the colouring is held to,
// all taken from this one run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void PrintRatios() const;

 private:
  struct Figures {
    double seconds = 0;  // per iteration
    double bytes_per_second = 0;
  };

  const Figures* Find(const std::string& name) const;
  void PrintThroughputs(const std::string& measured) const;
  void PrintBaselines(const std::string& measured) const;
  void PrintOpening() const;
  void PrintLines(const std::string& kind) const;

  std::map<std::string, Figures> figures_;
};

}  // namespace quillory::bench
