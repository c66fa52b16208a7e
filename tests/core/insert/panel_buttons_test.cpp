#include "insert/panel_buttons.h"

#include <gtest/gtest.h>

#include <set>

namespace quillory {
namespace {

using enum ButtonFamily;

// The panel makes one button per entry and finds them by family and index;
// what each button does is checked by pressing it in the widget tests.
TEST(PanelButtonsTest, EveryIndexOfEveryFamilyExistsOnce) {
  const std::pair<ButtonFamily, int> families[] = {
      {kTImg, 19}, {kLImg, 37}, {kLabel2, 10}};
  size_t total = 0;
  for (auto [family, count] : families) {
    std::set<int> seen;
    for (const PanelButton& button : PanelButtons()) {
      if (button.family == family) {
        EXPECT_TRUE(seen.insert(button.index).second) << button.index;
      }
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(count));
    EXPECT_EQ(*seen.rbegin(), count - 1);
    total += seen.size();
    EXPECT_EQ(FindPanelButton(family, count), nullptr);
    EXPECT_EQ(FindPanelButton(family, -1), nullptr);
  }
  EXPECT_EQ(PanelButtons().size(), total);
}

}  // namespace
}  // namespace quillory
