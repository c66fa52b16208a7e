#include "insert/panel_buttons.h"

#include <gtest/gtest.h>

#include <set>

#include "insert/font_wrap.h"

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

TEST(FontWrapTest, ColoursAreReorderedToRgb) {
  EXPECT_EQ(HtmlColour(0x00ABCDEF), "EFCDAB");
  EXPECT_EQ(HtmlColour(0), "000000");
}

// Styles open in this order and close in the reverse.
TEST(FontWrapTest, AllStyles) {
  FontChoice choice;
  choice.face = "Verdana";
  choice.size = 12;
  choice.bold = choice.italic = choice.underline = choice.strikethrough = true;
  choice.colour = 255;
  const FontWrap wrap = FontWrapFor(choice);
  EXPECT_EQ(
      wrap.opening,
      "<font name=\"Verdana\" size=\"12\" color=\"#FF0000\"><b><i><u><s>");
  EXPECT_EQ(wrap.closing, "</s></u></i></b></font>");
}

TEST(FontWrapTest, FirstUseIsEmpty) {
  const FontWrap wrap = FontWrapFor(FontChoice{});
  EXPECT_EQ(wrap.opening, "<font name=\"\" size=\"0\" color=\"#000000\">");
  EXPECT_EQ(wrap.closing, "</font>");
}

}  // namespace
}  // namespace quillory
