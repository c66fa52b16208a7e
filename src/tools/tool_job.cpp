#include "tools/tool_job.h"

namespace quillory {

// NOTE: an empty command line would run the runner's last one again.
ToolResult RunJob(ProcessRunner& runner, const ToolJob& job) {
  if (job.CommandLine().empty()) return job.Result(std::nullopt);
  return job.Result(runner.Run(job.CommandLine(), job.Route(), job.Folder()));
}

}  // namespace quillory
