#include "editor/editing_text.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(EditingTextTest, TagPairWrapsTheSelection) {
  EXPECT_EQ(TagPairText("P", ""), "<P></P>");
  EXPECT_EQ(TagPairText("H2", "Title"), "<H2>Title</H2>");
}

TEST(EditingTextTest, LineBreakCopiesTheLeadingRunSpacesBeforeTabs) {
  const std::pair<const char*, const char*> rows[] = {
      {"text", "\r\n"},     {"  text", "\r\n  "}, {"\t \ttext", "\r\n \t\t"},
      {" \t ", "\r\n  \t"}, {"", "\r\n"},         {" x\t", "\r\n "},
  };
  for (const auto& [line, expected] : rows) {
    EXPECT_EQ(IndentedLineBreak(line), expected) << line;
  }
}

TEST(EditingTextTest, TabFollowsTheSelection) {
  EXPECT_EQ(TabbedSelection(""), "\t");
  EXPECT_EQ(TabbedSelection("a\r\nb"), "a\r\nb\t");
}

}  // namespace
}  // namespace quillory
