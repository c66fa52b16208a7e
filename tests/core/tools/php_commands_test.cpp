#include "tools/php_commands.h"

#include <gtest/gtest.h>

#include "core/tools/tool_fixtures.h"

namespace quillory {
namespace {

using testing::Expected;
using testing::Shown;
using testing::ToolFixture;

// Each folder under tests/fixtures/tools/ holds a script, what PHP wrote
// for it and the result the command must give. `live` cases give the same
// output under any php.ini, so the installed PHP runs them too.
struct PhpCase {
  const char* name;
  PhpCommand command;
  ToolResultUse use;
  bool live;
};

constexpr PhpCase kPhpCases[] = {
    {"php-check", PhpCommand::kCheck, ToolResultUse::kShowPage, true},
    {"php-check-error", PhpCommand::kCheck, ToolResultUse::kShowPage, false},
    {"php-run", PhpCommand::kRun, ToolResultUse::kShowPage, true},
    {"php-highlight", PhpCommand::kHighlight, ToolResultUse::kShowPage, true},
    {"php-compact", PhpCommand::kCompact, ToolResultUse::kReplaceDocument,
     true},
};

TEST(PhpResultTest, CapturedAndLiveOutputGiveTheExpectedResults) {
  ProcessRunner runner;
  for (const PhpCase& c : kPhpCases) {
    SCOPED_TRACE(c.name);
    const Capture captured{ToolFixture(c.name, "output"), ""};
    EXPECT_EQ(Shown(PhpResult(c.command, captured)), Expected(c.name, c.use));
    if (!c.live) continue;
    const std::string script =
        std::string(QUILLORY_TOOL_FIXTURES) + "/" + c.name + "/input";
    EXPECT_EQ(Shown(RunPhp(runner, c.command, "php", script)),
              Expected(c.name, c.use));
  }
}

// ERR goes where the command's result would have gone.
TEST(RunPhpTest, InterpreterNotSetGivesErr) {
  ProcessRunner runner;
  EXPECT_EQ(Shown(RunPhp(runner, PhpCommand::kCheck, "", "/x.php")),
            Shown({ToolResultUse::kShowPage, "ERR"}));
  EXPECT_EQ(Shown(RunPhp(runner, PhpCommand::kCompact, "", "/x.php")),
            Shown({ToolResultUse::kReplaceDocument, "ERR"}));
}

TEST(PhpCommandLineTest, QuotesTheFileAndAnInterpreterWithBlanks) {
  EXPECT_EQ(PhpCommandLine("php", PhpCommand::kCheck, "/my site/a.php"),
            R"(php -q -l "/my site/a.php")");
  EXPECT_EQ(PhpCommandLine("/opt/my php/php", PhpCommand::kCompact, ""),
            R"("/opt/my php/php" -q -w "")");
  EXPECT_EQ(PhpCommandLine(R"("/opt/my php/php")", PhpCommand::kRun, "a.php"),
            R"("/opt/my php/php" -q "a.php")");
}

TEST(PhpVersionTest, ShowsTheBannerBeforeCopyrightOrThatPhpIsMissing) {
  EXPECT_EQ(PhpVersionCommandLine("/opt/my php/php"),
            R"("/opt/my php/php" -v)");
  EXPECT_EQ(PhpVersionText("PHP 8.2 (cli)\nCopyright (c) The PHP Group\n"),
            "PHP 8.2 (cli)\n");
  EXPECT_EQ(PhpVersionText(kNotRunOutput), "PHP not available");
}

}  // namespace
}  // namespace quillory
