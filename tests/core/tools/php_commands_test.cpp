#include "tools/php_commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>

#include "core/tools/tool_fixtures.h"
#include "support/test_folder.h"

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
    EXPECT_EQ(Shown(RunPhp(runner, c.command, "php", {script, true, "", ""},
                           "/tmp/")),
              Expected(c.name, c.use));
  }
}

// ERR goes where the command's result would have gone.
TEST(RunPhpTest, InterpreterNotSetGivesErr) {
  ProcessRunner runner;
  const PhpDocument saved{"/x.php", true, "", ""};
  EXPECT_EQ(Shown(RunPhp(runner, PhpCommand::kCheck, "", saved, "/tmp/")),
            Shown({ToolResultUse::kShowPage, "ERR"}));
  EXPECT_EQ(Shown(RunPhp(runner, PhpCommand::kCompact, "", saved, "/tmp/")),
            Shown({ToolResultUse::kReplaceDocument, "ERR"}));
}

// PHP reads what the editor holds, beside the document's file when it has
// one and in its folder, so that includes, __DIR__ and relative paths work;
// it names the document, and no copy is left. A copy a crash left there a
// day ago goes; a newer one, and a link by that name, stay.
TEST(RunPhpTest, RunsTheEditorsTextAndNamesTheDocument) {
  testing::TestFolder folder;
  std::filesystem::create_directory(folder.Path("site"));
  folder.Write("site/x.php", "<?php echo 'x';");
  folder.Write("site/data.txt", "d");
  const std::string left =
      folder.Write("site/.quillory-0123456789abcdef.php", "");
  folder.Write("site/.quillory-0123456789abcde0.php", "");
  std::filesystem::create_symlink(
      left, folder.Path("site/.quillory-0123456789abcde1.php"));
  const timespec two_days_ago[2] = {{time(nullptr) - 2 * 24 * 3600, 0},
                                    {time(nullptr) - 2 * 24 * 3600, 0}};
  for (const char* name : {"abcdef", "abcde1"}) {
    utimensat(
        AT_FDCWD,
        folder.Path(std::string("site/.quillory-0123456789") + name + ".php")
            .c_str(),
        two_days_ago, AT_SYMLINK_NOFOLLOW);
  }
  const std::string page = folder.Path("site/a.php");
  folder.Write("site/a.php", "<?php echo 'on disk';");
  std::filesystem::create_directory(folder.Path("tmp"));
  const std::string temp = folder.Path("tmp/");
  const std::string here =
      "<?php include 'x.php'; readfile('data.txt'); echo __DIR__ === '" +
      folder.Path("site") + "' ? ' beside' : ' away';";
  ProcessRunner runner;
  EXPECT_EQ(RunPhp(runner, PhpCommand::kRun, "php",
                   {page, false, here, "a.php"}, temp)
                .text,
            "xd beside");
  const std::string broken = "<?php echo 'x'\r\n}";
  const std::string beside = RunPhp(runner, PhpCommand::kCheck, "php",
                                    {page, false, broken, "a.php"}, temp)
                                 .text;
  EXPECT_NE(beside.find(" in " + page + " on line 2"), std::string::npos)
      << beside;
  EXPECT_EQ(beside.find(".quillory-"), std::string::npos) << beside;
  const std::string never_saved = RunPhp(runner, PhpCommand::kCheck, "php",
                                         {"", false, broken, "new.php"}, temp)
                                      .text;
  EXPECT_NE(never_saved.find(" in new.php on line 2"), std::string::npos)
      << never_saved;
  EXPECT_EQ(std::distance(
                std::filesystem::directory_iterator(folder.Path("site")), {}),
            5);
  EXPECT_FALSE(std::filesystem::exists(left));
  EXPECT_TRUE(std::filesystem::is_empty(temp));
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
