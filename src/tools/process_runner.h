#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "tools/process_run.h"

namespace quillory {

// What the runner gives in place of output when nothing could be run.
inline constexpr std::string_view kNotRunOutput = "ERR";

// The longest a tool may run before it is stopped, so that a script that
// loops cannot hold the window for good.
inline constexpr std::chrono::milliseconds kRunLimit = std::chrono::minutes(1);

// Reads `run` until its output has ended and the child has exited, waiting
// as needed; once `limit` has passed, stops it with what was read so far.
void RunToEnd(ProcessRun& run, std::chrono::milliseconds limit);

// What one run wrote. With ErrorRoute::kWithOutput, errors stays empty.
struct Capture {
  std::string output;
  std::string errors;
  bool cut = false;  // the output went on past kOutputLimit
};

// Runs the external tools' command lines, one at a time, and keeps the last
// one given, so that an empty command line runs it again. Command lines are
// split into words (command_words.h), never given to a shell.
class ProcessRunner {
 public:
  explicit ProcessRunner(std::chrono::milliseconds limit = kRunLimit)
      : limit_(limit) {}

  // Starts `run` on `command_line`, or on the last one when it is empty, in
  // `folder` (empty: this program's). False when nothing could be run.
  bool Start(ProcessRun& run, std::string_view command_line, ErrorRoute route,
             const std::string& folder);

  // Start, then RunToEnd; empty when nothing could be run.
  std::optional<Capture> Run(std::string_view command_line, ErrorRoute route,
                             const std::string& folder);

  // Everything the child wrote to its output and error, interleaved as
  // written, byte for byte; kNotRunOutput when nothing could be run.
  std::string RunAndCapture(std::string_view command_line);

 private:
  std::string last_command_;
  std::chrono::milliseconds limit_;
};

}  // namespace quillory
