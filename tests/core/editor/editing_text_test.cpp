#include "editor/editing_text.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// What each key does is pressed through the editor in the key handler's
// widget test; these are the indents Enter copies.
TEST(EditingTextTest, LineBreakCopiesTheLeadingRunSpacesBeforeTabs) {
  const std::pair<const char*, const char*> rows[] = {
      {"text", "\r\n"},     {"  text", "\r\n  "}, {"\t \ttext", "\r\n \t\t"},
      {" \t ", "\r\n  \t"}, {"", "\r\n"},         {" x\t", "\r\n "},
  };
  for (const auto& [line, expected] : rows) {
    EXPECT_EQ(IndentedLineBreak(line), expected) << line;
  }
}

}  // namespace
}  // namespace quillory
