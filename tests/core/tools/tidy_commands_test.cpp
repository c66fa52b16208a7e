#include "tools/tidy_commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "core/tools/tool_fixtures.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;
using testing::Expected;
using testing::kTidyCases;
using testing::Shown;
using testing::ToolFixture;

TEST(TidyCommandsTest, PrefersTheShippedTidyAndQuotesBothPaths) {
  testing::TestFolder folder;
  const std::string program = folder.Path("my program/");
  EXPECT_EQ(TidyProgram(program), "tidy");
  const std::string shipped = program + "plug-ins/tidy/tidy";
  fs::create_directories(program + "plug-ins/tidy");
  folder.Write("my program/plug-ins/tidy/tidy", "");
  fs::permissions(shipped, fs::perms::owner_exec, fs::perm_options::add);
  EXPECT_EQ(TidyCommandLine(TidyProgram(program), TidyCommand::kClean,
                            "/t m p/tmp.html"),
            "\"" + shipped + "\" -raw -q -c \"/t m p/tmp.html\"");
}

TEST(RunTidyTest, InstalledTidyGivesTheExpectedResults) {
  // Only Tidy's defaults, whatever this machine's configuration says.
  setenv("HTML_TIDY", QUILLORY_TOOL_FIXTURES "/tidy-defaults.conf", 1);
  testing::TestFolder folder;
  const AppEnvironment env = folder.ProgramEnvironment(false);
  ProcessRunner runner;
  for (const testing::TidyCase& c : kTidyCases) {
    EXPECT_EQ(
        Shown(RunTidy(runner, c.command, ToolFixture(c.name, "input"), env)),
        Expected(c.name, c.use));
  }
  EXPECT_TRUE(fs::is_empty(env.temp_folder));
}

TEST(RunTidyTest, KeepsTheDocumentWhenItCannotBeHandedOver) {
  testing::TestFolder folder;
  AppEnvironment env = folder.ProgramEnvironment(false);
  env.temp_folder = folder.Path("missing/");
  ProcessRunner runner;
  const ToolResult result = RunTidy(runner, TidyCommand::kClean, "<p>", env);
  EXPECT_EQ(result.use, ToolResultUse::kShowMessages);
  EXPECT_NE(result.text.find(env.temp_folder), std::string::npos);
}

}  // namespace
}  // namespace quillory
