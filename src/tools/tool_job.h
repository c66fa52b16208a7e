#pragma once

#include <optional>
#include <string>

#include "tools/process_run.h"
#include "tools/process_runner.h"
#include "tools/tool_result.h"

namespace quillory {

// One tool command ready to run: its command line, where the tool's errors
// go and what becomes of what the tool wrote. Whatever the tool reads (an
// input file) lasts as long as the job does, so a caller that does not wait
// keeps the job until the tool has ended.
class ToolJob {
 public:
  virtual ~ToolJob() = default;

  // Empty when there is nothing to run; Result(std::nullopt) then says why.
  virtual const std::string& CommandLine() const = 0;
  virtual ErrorRoute Route() const = 0;
  // The folder the tool runs in; empty: this program's.
  virtual std::string Folder() const { return ""; }
  // From what the tool wrote; empty when nothing could be run.
  virtual ToolResult Result(const std::optional<Capture>& capture) const = 0;
};

// The whole job, waiting for the tool.
ToolResult RunJob(ProcessRunner& runner, const ToolJob& job);

}  // namespace quillory
