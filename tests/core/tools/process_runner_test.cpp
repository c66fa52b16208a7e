#include "tools/process_runner.h"

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <thread>
#include <tuple>

#include "support/test_folder.h"
#include "tools/command_words.h"
#include "tools/process_run.h"

namespace quillory {
namespace {

using enum ErrorRoute;

TEST(ProcessRunnerTest, CapturesWhatTheChildWrote) {
  std::string numbers;
  for (int n = 1; n <= 60000; ++n) numbers += std::to_string(n) + "\n";
  const std::tuple<const char*, std::string, std::string> cases[] = {
      // \x63 is "c".
      {"every byte passes unchanged", R"(printf "a\000b\377\200c")",
       std::string("a\0b\xff\x80\x63", 6)},
      {"output and errors interleave as written",
       R"(sh -c "echo 1; echo 2 >&2; echo 3")", "1\n2\n3\n"},
      {"a large output comes whole and in order", "seq 60000", numbers},
      {"no output is the empty text", "true", ""},
      {"standard input is empty", "readlink /proc/self/fd/0", "/dev/null\n"},
      {"a missing program is not run", "quillory-no-such-program", "ERR"},
      {"a line of blanks names no program", "  ", "ERR"},
  };
  for (const auto& [rule, command_line, output] : cases)
    EXPECT_EQ(ProcessRunner().RunAndCapture(command_line), output) << rule;
}

TEST(ProcessRunnerTest, KeepsErrorsApartUntilTheChildHasEnded) {
  ProcessRunner runner;
  std::optional<Capture> capture = runner.Run(
      R"(sh -c "echo out; echo err >&2; exec >&-; sleep 0.1; echo late >&2")",
      kApart, "");
  ASSERT_TRUE(capture);
  EXPECT_EQ(capture->output, "out\n");
  EXPECT_EQ(capture->errors, "err\nlate\n");
}

TEST(ProcessRunnerTest, OutputOrErrorsWithoutEndStopAtTheLimit) {
  ProcessRunner runner(std::chrono::seconds(20));
  const std::optional<Capture> capture = runner.Run("yes", kWithOutput, "");
  ASSERT_TRUE(capture);
  EXPECT_TRUE(capture->cut);
  EXPECT_EQ(capture->output.size(), kOutputLimit);
  EXPECT_EQ(capture->output.substr(0, 4), "y\ny\n");
  // Errors kept apart are not read while the child runs: its writes past
  // the limit fail instead, and it ends.
  const auto apart = runner.Run(R"(sh -c "yes >&2")", kApart, "");
  ASSERT_TRUE(apart);
  EXPECT_EQ(apart->errors.size(), kOutputLimit);
  EXPECT_EQ(apart->errors.substr(0, 4), "y\ny\n");
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

// Gone, or a zombie that only waits to be collected.
bool Ended(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string fields;
  std::getline(stat, fields);
  const size_t name_end = fields.rfind(')');
  return name_end == std::string::npos || fields.substr(name_end + 2, 1) == "Z";
}

// The number the child wrote on its first line.
pid_t FirstLineNumber(ProcessRun& run) {
  std::string output;
  while (output.find('\n') == std::string::npos && run.OutputFd() >= 0) {
    pollfd watch = {run.OutputFd(), POLLIN, 0};
    poll(&watch, 1, -1);
    run.ReadAvailable();
    output += run.TakeOutput();
  }
  return std::atoi(output.c_str());
}

TEST(ProcessRunTest, StopEndsTheChildAndWhatItStarted) {
  ProcessRun run;
  ASSERT_TRUE(
      run.Start({"sh", "-c", "sleep 1000 & echo $!; while :; do sleep 1; done"},
                kWithOutput, ""));
  const pid_t grandchild = FirstLineNumber(run);
  run.Stop();
  EXPECT_TRUE(run.Finished());
  // SIGKILL reaches the grandchild, which nobody waits for, in its own time.
  for (int tries = 0; tries < 200 && !Ended(grandchild); ++tries) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(Ended(grandchild));
}

// The child is left running by a parent that ends without stopping it,
// as an editor that is killed does; this test takes it over and sees how
// it ended.
TEST(ProcessRunTest, TheChildEndsWithTheProgramThatStartedIt) {
  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  int pid_pipe[2];
  ASSERT_EQ(pipe(pid_pipe), 0);
  const pid_t parent = fork();
  if (parent == 0) {
    ProcessRun run;
    run.Start({"sh", "-c", "echo $$; exec sleep 5"}, kWithOutput, "");
    const pid_t child = FirstLineNumber(run);
    [[maybe_unused]] auto ignored = write(pid_pipe[1], &child, sizeof child);
    _exit(0);
  }
  close(pid_pipe[1]);
  pid_t child = 0;
  ASSERT_EQ(read(pid_pipe[0], &child, sizeof child), ssize_t{sizeof child});
  close(pid_pipe[0]);
  waitpid(parent, nullptr, 0);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
  prctl(PR_SET_CHILD_SUBREAPER, 0);
}

TEST(SplitCommandLineTest, SplitsAtBlanksWithQuotesGrouping) {
  const std::tuple<const char*, std::string_view, std::vector<std::string>>
      cases[] = {
          {"empty gives no words", "", {}},
          {"blanks alone give no words", " \t ", {}},
          {"runs of blanks and tabs separate", " a \t b  c ", {"a", "b", "c"}},
          {"quotes keep blanks and are dropped",
           "\"/opt/my tools/tidy\" -raw \"/tmp/a b.html\"",
           {"/opt/my tools/tidy", "-raw", "/tmp/a b.html"}},
          {"a quoted part joins its neighbours", "a\"b c\"d e", {"ab cd", "e"}},
          {"empty quotes are an empty word", "php -q \"\"", {"php", "-q", ""}},
          {"an open quote runs to the end", "a \"b c", {"a", "b c"}},
          {"backslashes are plain characters",
           "C:\\php\\php.exe \\\"",
           {"C:\\php\\php.exe", "\\"}},
      };
  for (const auto& [rule, command_line, words] : cases) {
    EXPECT_EQ(SplitCommandLine(command_line), words) << rule;
  }
}

}  // namespace
}  // namespace quillory
