// The process runner against the programs it runs, run alone: how fast it
// takes in a large output next to cat, how much memory that costs, and
// what it adds to a PHP syntax check.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tools/command_words.h"
#include "tools/php_commands.h"
#include "tools/process_runner.h"

extern char** environ;

namespace quillory::bench {
namespace {

constexpr size_t kLargeOutput = 200'000'000;
constexpr size_t kScriptSize = 100'000;

// The inputs, made once in a folder of their own and removed at exit.
class Inputs {
 public:
  Inputs() {
    std::string folder = std::filesystem::temp_directory_path().string() +
                         "/quillory-tools-bench-XXXXXX";
    folder_ = mkdtemp(folder.data()) ? folder : "";
    large_output_ = Write("output.bin", MixedBytes(kLargeOutput));
    script_ = Write("script.php", PhpScript(kScriptSize));
  }
  ~Inputs() { std::filesystem::remove_all(folder_); }

  const std::string& large_output() const { return large_output_; }
  const std::string& script() const { return script_; }

 private:
  // Every byte value, in lines of up to a hundred bytes.
  static std::string MixedBytes(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) {
      bytes[i] = i % 100 == 99 ? '\n' : static_cast<char>(i * 7 % 256);
    }
    return bytes;
  }

  static std::string PhpScript(size_t size) {
    std::string script = "<?php\n";
    for (int n = 0; script.size() < size; ++n) {
      const std::string id = std::to_string(n);
      script += "// Adds " + id + " to a number.\nfunction add" + id +
                "($value)\n{\n    return $value + " + id + ";\n}\necho add" +
                id + "(1), \"\\n\";\n";
    }
    return script;
  }

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = folder_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  std::string folder_;
  std::string large_output_;
  std::string script_;
};

const Inputs& TheInputs() {
  static const Inputs inputs;
  return inputs;
}

// A program run the way a shell runs it with its output thrown away.
void RunAlone(const std::vector<std::string>& words) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, 1, 2);
  std::vector<char*> argv;
  for (const std::string& word : words) {
    argv.push_back(const_cast<char*>(word.c_str()));
  }
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) ==
      0) {
    waitpid(pid, nullptr, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
}

// A size in bytes from /proc/self/status ("VmRSS", "VmHWM").
double MemoryField(const std::string& name) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(name + ":", 0) == 0) {
      return std::stod(line.substr(name.size() + 1)) * 1024;
    }
  }
  return 0;
}

// The peak memory starts again from what is in use now.
void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }

void BM_RunnerTakesLargeOutput(benchmark::State& state) {
  const std::string command = "cat " + Quoted(TheInputs().large_output());
  ProcessRunner runner;
  double peak_per_output = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ResetPeakMemory();
    const double before = MemoryField("VmRSS");
    state.ResumeTiming();
    std::string output = runner.RunAndCapture(command);
    state.PauseTiming();
    if (output.size() != kLargeOutput) state.SkipWithError("output lost");
    peak_per_output = (MemoryField("VmHWM") - before) / kLargeOutput;
    output = std::string();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(state.iterations() * kLargeOutput);
  state.counters["peak_per_output"] = peak_per_output;
}
// NOTE: the first run in a process also gathers the huge pages it fills,
// which later runs find free; the median of several runs is compared.
BENCHMARK(BM_RunnerTakesLargeOutput)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_CatTakesLargeOutput(benchmark::State& state) {
  for (auto _ : state) {
    RunAlone({"sh", "-c", "cat \"$0\" | cat >/dev/null",
              TheInputs().large_output()});
  }
  state.SetBytesProcessed(state.iterations() * kLargeOutput);
}
BENCHMARK(BM_CatTakesLargeOutput)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_PhpCheckThroughRunner(benchmark::State& state) {
  ProcessRunner runner;
  for (auto _ : state) {
    const ToolResult result =
        RunPhp(runner, PhpCommand::kCheck, "php",
               {TheInputs().script(), true, "", "script.php"}, "/tmp/");
    if (result.text != kNoSyntaxErrorsText) {
      state.SkipWithError(result.text.c_str());
    }
  }
}
BENCHMARK(BM_PhpCheckThroughRunner)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_PhpCheckAlone(benchmark::State& state) {
  for (auto _ : state) RunAlone({"php", "-q", "-l", TheInputs().script()});
}
BENCHMARK(BM_PhpCheckAlone)->Unit(benchmark::kMillisecond)->UseRealTime();

// The console table as usual, keeping each benchmark's figures (the median
// when it is repeated) for the comparisons printed after it.
class ComparingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      const bool usable =
          run.run_type == Run::RT_Iteration || run.aggregate_name == "median";
      if (usable && !run.error_occurred && run.iterations > 0) {
        runs_[run.run_name.function_name] = run;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintComparisons() {
    const double runner = Seconds("BM_RunnerTakesLargeOutput");
    const double cat = Seconds("BM_CatTakesLargeOutput");
    if (runner > 0 && cat > 0) {
      std::printf(
          "\n200 MB output: runner %.0f ms, cat %.0f ms; runner "
          "speed / cat speed %.2f (goal >= 0.5)\n",
          runner * 1e3, cat * 1e3, cat / runner);
      std::printf(
          "peak memory / output size: %.2f (goal <= 2)\n",
          runs_["BM_RunnerTakesLargeOutput"].counters["peak_per_output"].value);
    }
    const double through = Seconds("BM_PhpCheckThroughRunner");
    const double alone = Seconds("BM_PhpCheckAlone");
    if (through > 0 && alone > 0) {
      std::printf(
          "PHP check of 100 KB: through the runner %.1f ms, php -l "
          "alone %.1f ms; overhead %.1f ms (goal <= 30)\n",
          through * 1e3, alone * 1e3, (through - alone) * 1e3);
    }
  }

 private:
  double Seconds(const std::string& name) {
    auto found = runs_.find(name);
    if (found == runs_.end()) return 0;
    return found->second.real_accumulated_time / found->second.iterations;
  }

  std::map<std::string, Run> runs_;
};

}  // namespace
}  // namespace quillory::bench

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  quillory::bench::ComparingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintComparisons();
  benchmark::Shutdown();
  return 0;
}
