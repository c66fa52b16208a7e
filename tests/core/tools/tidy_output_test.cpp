#include "tools/tidy_output.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <filesystem>
#include <tuple>

#include "base/text_util.h"
#include "core/tools/tool_fixtures.h"
#include "support/test_folder.h"
#include "tools/tidy_commands.h"
#include "tools/tool_output.h"

namespace quillory {
namespace {

using testing::Expected;
using testing::kTidyCases;
using testing::Shown;
using testing::ToolFixture;

// ERR goes where the command's result would have gone.
TEST(TidyResultTest, TidyThatDidNotRunGivesErr) {
  EXPECT_EQ(Shown(TidyResult(TidyCommand::kCheck, std::nullopt)),
            Shown({ToolResultUse::kShowMessages, "ERR"}));
  EXPECT_EQ(Shown(TidyResult(TidyCommand::kClean, std::nullopt)),
            Shown({ToolResultUse::kReplaceDocument, "ERR"}));
}

TEST(TidyOutputTest, MessagesEndBeforeTheFirstEmptyLine) {
  const std::tuple<const char*, std::string_view, std::string_view> cases[] = {
      {"without an empty line all stay", "a\r\nb!\r\n", "a\r\nb!\r\n"},
      {"the character before the break goes with it", "a\r\nb!\r\n\r\nc",
       "a\r\nb"},
      {"an empty first line leaves nothing", "\r\n\r\nc", ""},
  };
  for (const auto& [rule, text, result] : cases) {
    EXPECT_EQ(MessagesBeforeEmptyLine(text), result) << rule;
  }
}

TEST(TidyOutputTest, RemovesTidysGeneratorWhateverItsBannerOrLineBreak) {
  const std::tuple<const char*, std::string_view, std::string_view> cases[] = {
      {"on one line, with an old banner",
       "<head>\r\n<meta name=\"generator\" content=\"HTML Tidy for Windows "
       "(vers 1st February 2005), see www.w3.org\">\r\n<title>",
       "<head>\r\n<title>"},
      {"indented and broken, with the blanks before it",
       "<head>\r\n  <META name=\"generator\" content=\r\n  \"HTML Tidy 5.8\" "
       "/>\r\n  <title>",
       "<head>\r\n  <title>"},
      {"after other text on its line",
       "<head> <meta name=\"generator\" content=\"HTML Tidy\">", "<head> "},
      {"the page's own generator stays",
       "<meta name=\"generator\" content=\"Quillory\">\r\n",
       "<meta name=\"generator\" content=\"Quillory\">\r\n"},
      {"an unfinished element stays",
       "<meta name=\"generator\" content=\"HTML Tidy",
       "<meta name=\"generator\" content=\"HTML Tidy"},
  };
  for (const auto& [rule, text, result] : cases) {
    EXPECT_EQ(WithoutTidyGenerator(text), result) << rule;
  }
}

TEST(ToolOutputTest, GivesEveryLineFeedACarriageReturn) {
  EXPECT_EQ(WithCrLfLineEnds("\na\nb\r\nc\r\r\n"), "\r\na\r\nb\r\nc\r\r\n");
}

TEST(ToolOutputTest, CutsAfterTheLastHtmlEnd) {
  EXPECT_EQ(UpToLastHtmlEnd("<p>x\r\n", LetterCase::kIgnored), "<p>x\r\n");
  // The last end counts, in any case, unless case counts.
  EXPECT_EQ(UpToLastHtmlEnd("</html>a</HTML>\r\nb", LetterCase::kIgnored),
            "</html>a</HTML>");
  EXPECT_EQ(UpToLastHtmlEnd("</html>a</HTML>b", LetterCase::kSignificant),
            "</html>");
}

namespace fs = std::filesystem;

TEST(TidyCommandsTest, PrefersTheShippedTidyAndQuotesBothPaths) {
  testing::TestFolder folder;
  const std::string program = folder.Path("my program/");
  EXPECT_EQ(TidyProgram(program), "tidy");
  const std::string shipped = folder.Write("my program/plug-ins/tidy/tidy", "");
  fs::permissions(shipped, fs::perms::owner_exec, fs::perm_options::add);
  EXPECT_EQ(TidyCommandLine(TidyProgram(program), TidyCommand::kClean,
                            TextEncoding::kUtf8, "/t m p/tmp.html"),
            "\"" + shipped + "\" -utf8 -q -c \"/t m p/tmp.html\"");
}

class RunTidyTest : public ::testing::Test {
 protected:
  // Only Tidy's defaults, whatever this machine's configuration says.
  RunTidyTest() {
    setenv("HTML_TIDY", QUILLORY_TOOL_FIXTURES "/tidy-defaults.conf", 1);
  }
  testing::TestFolder folder_;
  AppEnvironment env_ = folder_.ProgramEnvironment(false);
  ProcessRunner runner_;
};

TEST_F(RunTidyTest, CapturedAndLiveOutputGiveTheExpectedResults) {
  for (const auto& [name, command, use] : kTidyCases) {
    SCOPED_TRACE(name);
    const Capture captured{ToolFixture(name, "output"),
                           ToolFixture(name, "errors")};
    EXPECT_EQ(Shown(TidyResult(command, captured)), Expected(name, use));
    EXPECT_EQ(Shown(RunTidy(runner_, command, ToolFixture(name, "input"),
                            TextEncoding::kUtf8, env_)),
              Expected(name, use));
  }
  EXPECT_TRUE(fs::is_empty(env_.temp_folder));
}

// The paragraph of a page, or what else the command gave.
std::string Compared(const ToolResult& result) {
  const std::string lower = ToLowerAscii(result.text);
  const size_t start = lower.find("<p>");
  const size_t end = lower.find("</p>");
  if (result.use != ToolResultUse::kReplaceDocument ||
      end == std::string::npos) {
    return Shown(result);
  }
  return result.text.substr(start, end + 4 - start);
}

// Every command gives back the document's own encoding, each character
// whole: UTF-8 as UTF-8, an 8-bit page in ASCII with entities for the
// rest. é, €, — and a character beyond 16 bits, typed and as entities.
TEST_F(RunTidyTest, KeepsEveryCharacterInTheDocumentsEncoding) {
  const std::tuple<TextEncoding, std::string_view, std::string_view> rows[] = {
      {TextEncoding::kUtf8, "\u00e9 \u20ac \u2014 \U0001F600 &euro;",
       "\u00e9 \u20ac \u2014 \U0001F600 \u20ac"},
      {TextEncoding::kWindows1252, "\xe9 \x80 \x97 &#x1F600; &euro;",
       "&eacute; &euro; &mdash; &#128512; &euro;"},
  };
  for (const auto& [encoding, typed, kept] : rows) {
    const std::string page =
        "<!DOCTYPE html>\r\n<html><head><title>t</title></head><body><p>" +
        std::string(typed) + "</p></body></html>\r\n";
    for (const auto& [name, command, use] : kTidyCases) {
      const std::string p = command == TidyCommand::kUpperCase ? "P" : "p";
      const std::string expected =
          command == TidyCommand::kCheck
              ? "0: Info: Document content looks like HTML5\r\n"
                "No warnings or errors were found"
              : "<" + p + ">" + std::string(kept) + "</" + p + ">";
      EXPECT_EQ(Compared(RunTidy(runner_, command, page, encoding, env_)),
                expected)
          << name;
    }
  }
}

TEST_F(RunTidyTest, KeepsTheDocumentWhenItCannotBeHandedOver) {
  env_.temp_folder = folder_.Path("missing/");
  const ToolResult result =
      RunTidy(runner_, TidyCommand::kClean, "<p>", TextEncoding::kUtf8, env_);
  EXPECT_EQ(result.use, ToolResultUse::kShowMessages);
  EXPECT_NE(result.text.find(env_.temp_folder), std::string::npos);
}

}  // namespace
}  // namespace quillory
