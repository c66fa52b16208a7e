#include "editor/editor_keys.h"

#include <gtest/gtest.h>

#include "editor/editing_text.h"

namespace quillory {
namespace {

// Which key does what is pressed through the editor in the key handler's
// widget test (Ctrl+Tab on four tabs); these are the wrap at the tenth tab
// and the indents Enter copies.
TEST(TabSwitchTest, NextAndPreviousPresentTabsWrapAround) {
  PresentTabs present{};
  present[1] = present[4] = present[7] = true;
  EXPECT_EQ(NextPresentTab(present, 7), 1);
  EXPECT_EQ(PreviousPresentTab(present, 1), 7);
  present = {};
  present[3] = true;
  EXPECT_EQ(NextPresentTab(present, 3), std::nullopt);
  EXPECT_EQ(PreviousPresentTab(present, 3), std::nullopt);
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

}  // namespace
}  // namespace quillory
