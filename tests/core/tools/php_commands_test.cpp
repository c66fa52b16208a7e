#include "tools/php_commands.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <filesystem>
#include <tuple>

#include "core/tools/tool_fixtures.h"
#include "support/test_folder.h"

namespace quillory {
namespace {

namespace fs = std::filesystem;
using testing::Expected;
using testing::Shown;
using testing::ToolFixture;

// Each folder under tests/fixtures/tools/ holds a script, what PHP wrote
// for it and the result the command must give. `live` cases give the same
// output under any php.ini, so the installed PHP runs them too. A case is
// its folder's name, the command, the result's use and whether it is live.
using PhpCase = std::tuple<const char*, PhpCommand, ToolResultUse, bool>;
const PhpCase kPhpCases[] = {
    {"php-check", PhpCommand::kCheck, ToolResultUse::kShowPage, true},
    {"php-check-error", PhpCommand::kCheck, ToolResultUse::kShowPage, false},
    {"php-run", PhpCommand::kRun, ToolResultUse::kShowPage, true},
    {"php-highlight", PhpCommand::kHighlight, ToolResultUse::kShowPage, true},
    {"php-compact", PhpCommand::kCompact, ToolResultUse::kReplaceDocument,
     true},
};

TEST(PhpResultTest, CapturedAndLiveOutputGiveTheExpectedResults) {
  ProcessRunner runner;
  for (const auto& [name, command, use, live] : kPhpCases) {
    SCOPED_TRACE(name);
    const Capture captured{ToolFixture(name, "output"), ""};
    EXPECT_EQ(Shown(PhpResult(command, captured)), Expected(name, use));
    if (!live) continue;
    const std::string script =
        std::string(QUILLORY_TOOL_FIXTURES) + "/" + name + "/input";
    EXPECT_EQ(
        Shown(RunPhp(runner, command, "php", {script, true, "", ""}, "/tmp/")),
        Expected(name, use));
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
  folder.Write("site/x.php", "<?php echo 'x';");
  folder.Write("site/data.txt", "d");
  // Copies a crash left: the last letter tells them apart.
  const std::string copy = "site/.quillory-0123456789abcde";
  const std::string left = folder.Write(copy + "f.php", "");
  folder.Write(copy + "0.php", "");
  fs::create_symlink(left, folder.Path(copy + "1.php"));
  const time_t two_days_ago = time(nullptr) - 2 * 24 * 3600;
  const timespec times[2] = {{two_days_ago, 0}, {two_days_ago, 0}};
  for (const char* last : {"f", "1"}) {
    const std::string old = folder.Path(copy + last + ".php");
    utimensat(AT_FDCWD, old.c_str(), times, AT_SYMLINK_NOFOLLOW);
  }
  const std::string page = folder.Write("site/a.php", "<?php echo 'on disk';");
  fs::create_directory(folder.Path("tmp"));
  const std::string temp = folder.Path("tmp/");
  const std::string here =
      "<?php include 'x.php'; readfile('data.txt'); echo __DIR__ === '" +
      folder.Path("site") + "' ? ' beside' : ' away';";
  ProcessRunner runner;
  const auto run = [&](PhpCommand command, const std::string& path,
                       const std::string& text, const char* name) {
    return RunPhp(runner, command, "php", {path, false, text, name}, temp).text;
  };
  EXPECT_EQ(run(PhpCommand::kRun, page, here, "a.php"), "xd beside");
  const std::string broken = "<?php echo 'x'\r\n}";
  const std::string beside = run(PhpCommand::kCheck, page, broken, "a.php");
  EXPECT_NE(beside.find(" in " + page + " on line 2"), beside.npos) << beside;
  EXPECT_EQ(beside.find(".quillory-"), beside.npos) << beside;
  const std::string unsaved = run(PhpCommand::kCheck, "", broken, "new.php");
  EXPECT_NE(unsaved.find(" in new.php on line 2"), unsaved.npos) << unsaved;
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path("site")), {}), 5);
  EXPECT_FALSE(fs::exists(left));
  EXPECT_TRUE(fs::is_empty(temp));
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
