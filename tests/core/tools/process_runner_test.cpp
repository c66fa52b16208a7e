#include "tools/process_runner.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace quillory {
namespace {

std::string Numbers(int last) {
  std::string lines;
  for (int n = 1; n <= last; ++n) lines += std::to_string(n) + "\n";
  return lines;
}

struct CaptureCase {
  const char* rule;
  std::string command_line;
  std::string output;
};

TEST(ProcessRunnerTest, CapturesWhatTheChildWrote) {
  const CaptureCase cases[] = {
      {"every byte passes unchanged", R"(printf "a\000b\377\200c")",
       std::string("a\0b\xff\x80"
                   "c",
                   6)},
      {"output and errors interleave as written",
       R"(sh -c "echo 1; echo 2 >&2; echo 3")", "1\n2\n3\n"},
      {"a large output comes whole and in order", "seq 60000", Numbers(60000)},
      {"no output is the empty text", "true", ""},
      {"standard input is empty", "readlink /proc/self/fd/0", "/dev/null\n"},
      {"a missing program is not run", "quillory-no-such-program", "ERR"},
      {"a line of blanks names no program", "  ", "ERR"},
  };
  for (const CaptureCase& c : cases) {
    ProcessRunner runner;
    EXPECT_EQ(runner.RunAndCapture(c.command_line), c.output) << c.rule;
  }
}

TEST(ProcessRunnerTest, KeepsErrorsApartUntilTheChildHasEnded) {
  ProcessRunner runner;
  std::optional<Capture> capture = runner.Run(
      R"(sh -c "echo out; echo err >&2; exec >&-; sleep 0.1; echo late >&2")",
      ErrorRoute::kApart);
  ASSERT_TRUE(capture);
  EXPECT_EQ(capture->output, "out\n");
  EXPECT_EQ(capture->errors, "err\nlate\n");
}

TEST(ProcessRunnerTest, EmptyCommandLineRunsTheLastOneAgain) {
  testing::TestFolder folder;
  const std::string file = folder.Path("runs");
  ProcessRunner runner;
  EXPECT_EQ(runner.RunAndCapture(""), "ERR");
  EXPECT_EQ(runner.RunAndCapture("sh -c \"echo x >> '" + file + "'; cat '" +
                                 file + "'\""),
            "x\n");
  EXPECT_EQ(runner.RunAndCapture(""), "x\nx\n");
}

TEST(ProcessRunnerTest, StopsARunPastItsLimitKeepingWhatCame) {
  ProcessRunner runner(std::chrono::milliseconds(300));
  EXPECT_EQ(runner.RunAndCapture(R"(sh -c "echo early; sleep 5; echo late")"),
            "early\n");
}

}  // namespace
}  // namespace quillory
