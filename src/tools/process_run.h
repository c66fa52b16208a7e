#pragma once

#include <sys/types.h>

#include <cstddef>
#include <string>
#include <vector>

#include "tools/byte_chunks.h"

namespace quillory {

// For a child between fork and exec: it is killed when `parent`, the
// program that started it, ends, however that ends; a child whose parent
// has already ended exits at once.
void EndWithParent(pid_t parent);

// The most of a child's output that is kept: a script that prints without
// end must not fill the editor's memory. A child that writes more is
// stopped there, and its output is cut.
inline constexpr size_t kOutputLimit = 64 * 1024 * 1024;

// Where the child's standard error goes.
enum class ErrorRoute {
  kWithOutput,  // into the output pipe, interleaved as the child wrote it
  kApart,       // kept apart and handed over once the child has ended
};

// One child process started without a shell, with empty standard input and
// its output read through a pipe. The child leads a process group of its
// own, so that stopping it ends whatever it started too, and it ends with
// this program. Nothing here
// blocks: a window watches OutputFd() and calls ReadAvailable() when it
// becomes readable, then ExitFd() and Finished(); a caller that may wait
// uses RunToEnd (process_runner.h).
class ProcessRun {
 public:
  ProcessRun() = default;
  ProcessRun(const ProcessRun&) = delete;
  ProcessRun& operator=(const ProcessRun&) = delete;
  ~ProcessRun();  // stops a child that is still running

  // Starts words[0], looked up on PATH unless it holds a "/", with the other
  // words as its arguments, in this process's environment and in `folder`,
  // or this process's folder when that is empty. False when nothing could
  // be run: no words, a missing or unrunnable program, a folder that cannot
  // be entered, no pipe. A run is started once.
  bool Start(const std::vector<std::string>& words, ErrorRoute route,
             const std::string& folder);

  // The pipe to watch for reading; -1 once the output has ended.
  int OutputFd() const { return output_fd_; }

  // Takes in what the child has written so far, without waiting. False once the
  // output has ended: the child, and every process that inherited its output,
  // closed it, or it reached kOutputLimit.
  bool ReadAvailable();

  // Readable once the child has exited (a moment after its output ended,
  // or later when it closed its output early); -1 once it is collected, or
  // on a system that cannot tell (Linux before 5.3).
  int ExitFd() const { return exit_fd_; }

  // Whether the output has ended and the child has exited, which collects
  // it; once both hold, the errors are complete.
  bool Finished();

  // Ends the child and its process group now. What was read stays.
  void Stop();
  // Whether the child wrote more than kOutputLimit, and was stopped.
  bool Cut() const { return cut_; }

  // The bytes taken in since the last call, exactly as the child wrote
  // them.
  std::string TakeOutput() { return output_.Take(); }
  // ErrorRoute::kApart: what the child wrote to its standard error, up to
  // kOutputLimit; writes beyond it failed.
  std::string TakeErrors() { return std::move(errors_); }

 private:
  void CloseOutput();
  void Reap(int wait_flags);
  void CollectErrors();

  int pid_ = -1;  // also the process group; -1 once reaped
  int output_fd_ = -1;
  int exit_fd_ = -1;
  int errors_fd_ = -1;  // ErrorRoute::kApart: a memory file the child writes
  ByteChunks output_;
  std::string errors_;
  bool cut_ = false;
};

}  // namespace quillory
