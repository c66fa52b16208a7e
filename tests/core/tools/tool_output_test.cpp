#include "tools/tool_output.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(ToolOutputTest, GivesEveryLineFeedACarriageReturn) {
  EXPECT_EQ(WithCrLfLineEnds("\na\nb\r\nc\r\r\n"), "\r\na\r\nb\r\nc\r\r\n");
}

TEST(ToolOutputTest, CutsAfterTheLastHtmlEnd) {
  const struct {
    const char* rule;
    LetterCase letters;
    std::string_view output;
    std::string_view page;
  } cases[] = {
      {"without an end all stay", LetterCase::kIgnored, "<p>x\r\n", "<p>x\r\n"},
      {"the last end counts, in any case", LetterCase::kIgnored,
       "</html>a</HTML>\r\nb", "</html>a</HTML>"},
      {"capitals are another text when case counts", LetterCase::kSignificant,
       "</html>a</HTML>b", "</html>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UpToLastHtmlEnd(c.output, c.letters), c.page) << c.rule;
  }
}

}  // namespace
}  // namespace quillory
