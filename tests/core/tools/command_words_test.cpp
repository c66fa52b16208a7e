#include "tools/command_words.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

struct SplitCase {
  const char* rule;
  std::string_view command_line;
  std::vector<std::string> words;
};

TEST(SplitCommandLineTest, SplitsAtBlanksWithQuotesGrouping) {
  const SplitCase cases[] = {
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
  for (const SplitCase& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.command_line), c.words) << c.rule;
  }
}

}  // namespace
}  // namespace quillory
