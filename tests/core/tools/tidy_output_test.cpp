#include "tools/tidy_output.h"

#include <gtest/gtest.h>

#include "core/tools/tool_fixtures.h"

namespace quillory {
namespace {

using testing::kTidyCases;
using testing::ToolFixture;

TEST(TidyResultTest, MakesTheCapturedOutputOfTidyWhatIsShownOrPut) {
  for (const testing::TidyCase& c : kTidyCases) {
    const ToolResult result = TidyResult(
        c.command,
        Capture{ToolFixture(c.name, "output"), ToolFixture(c.name, "errors")});
    EXPECT_EQ(result.use, c.use) << c.name;
    EXPECT_EQ(result.text, ToolFixture(c.name, "expected")) << c.name;
  }
}

TEST(TidyResultTest, TidyThatDidNotRunGivesErr) {
  const ToolResult check = TidyResult(TidyCommand::kCheck, std::nullopt);
  EXPECT_EQ(check.use, ToolResultUse::kShowMessages);
  EXPECT_EQ(check.text, "ERR");
  const ToolResult clean = TidyResult(TidyCommand::kClean, std::nullopt);
  EXPECT_EQ(clean.use, ToolResultUse::kReplaceDocument);
  EXPECT_EQ(clean.text, "ERR");
}

struct TextCase {
  const char* rule;
  std::string_view text;
  std::string_view result;
};

TEST(TidyOutputTest, MessagesEndBeforeTheFirstEmptyLine) {
  const TextCase cases[] = {
      {"without an empty line all stay", "a\r\nb!\r\n", "a\r\nb!\r\n"},
      {"the character before the break goes with it", "a\r\nb!\r\n\r\nc",
       "a\r\nb"},
      {"an empty first line leaves nothing", "\r\n\r\nc", ""},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(MessagesBeforeEmptyLine(c.text), c.result) << c.rule;
  }
}

TEST(TidyOutputTest, RemovesTidysGeneratorWhateverItsBannerOrLineBreak) {
  const TextCase cases[] = {
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
  for (const TextCase& c : cases) {
    EXPECT_EQ(WithoutTidyGenerator(c.text), c.result) << c.rule;
  }
}

}  // namespace
}  // namespace quillory
