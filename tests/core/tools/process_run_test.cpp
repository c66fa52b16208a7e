#include "tools/process_run.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <fstream>
#include <thread>

namespace quillory {
namespace {

// Gone, or a zombie that only waits to be collected.
bool Ended(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string fields;
  std::getline(stat, fields);
  const size_t name_end = fields.rfind(')');
  return name_end == std::string::npos || fields.substr(name_end + 2, 1) == "Z";
}

TEST(ProcessRunTest, StopEndsTheChildAndWhatItStarted) {
  ProcessRun run;
  ASSERT_TRUE(
      run.Start({"sh", "-c", "sleep 1000 & echo $!; while :; do sleep 1; done"},
                ErrorRoute::kWithOutput));
  std::string output;
  while (output.find('\n') == std::string::npos && run.OutputFd() >= 0) {
    pollfd watch = {run.OutputFd(), POLLIN, 0};
    poll(&watch, 1, -1);
    run.ReadAvailable();
    output += run.TakeOutput();
  }
  const pid_t grandchild = std::stoi(output);
  run.Stop();
  EXPECT_TRUE(run.Finished());
  // SIGKILL reaches the grandchild, which nobody waits for, in its own time.
  for (int tries = 0; tries < 200 && !Ended(grandchild); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(Ended(grandchild));
}

}  // namespace
}  // namespace quillory
