#include "editor/editor_keys.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// Which key does what is pressed through the editor in the key handler's
// widget test, on four tabs; here the wrap at the tenth.
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

}  // namespace
}  // namespace quillory
