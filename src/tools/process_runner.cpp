#include "tools/process_runner.h"

#include <poll.h>

#include "tools/command_words.h"

namespace quillory {

void RunToEnd(ProcessRun& run, std::chrono::milliseconds limit) {
  using Clock = std::chrono::steady_clock;
  const Clock::time_point deadline = Clock::now() + limit;
  while (!run.Finished()) {
    const auto left =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
      run.Stop();
      return;
    }
    // NOTE: the child is collected only after its output has ended, so
    // there is one thing to wait for at a time. Without an exit descriptor
    // the child's exit is looked for again shortly.
    const int fd = run.OutputFd() >= 0 ? run.OutputFd() : run.ExitFd();
    pollfd watch = {fd, POLLIN, 0};
    poll(&watch, 1, fd >= 0 ? static_cast<int>(left.count()) : 1);
    run.ReadAvailable();
  }
}

bool ProcessRunner::Start(ProcessRun& run, std::string_view command_line,
                          ErrorRoute route, const std::string& folder) {
  if (!command_line.empty()) last_command_ = command_line;
  return run.Start(SplitCommandLine(last_command_), route, folder);
}

std::optional<Capture> ProcessRunner::Run(std::string_view command_line,
                                          ErrorRoute route,
                                          const std::string& folder) {
  ProcessRun run;
  if (!Start(run, command_line, route, folder)) return std::nullopt;
  RunToEnd(run, limit_);
  return Capture{run.TakeOutput(), run.TakeErrors(), run.Cut()};
}

std::string ProcessRunner::RunAndCapture(std::string_view command_line) {
  std::optional<Capture> capture =
      Run(command_line, ErrorRoute::kWithOutput, "");
  if (!capture) return std::string(kNotRunOutput);
  return std::move(capture->output);
}

}  // namespace quillory
