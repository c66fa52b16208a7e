#include "insert/font_wrap.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

// Styles open in this order and close in the reverse; the colour is
// written red first.
TEST(FontWrapTest, AllStyles) {
  FontChoice choice;
  choice.face = "Verdana";
  choice.size = 12;
  choice.bold = choice.italic = choice.underline = choice.strikethrough = true;
  choice.colour = 0xABCDEF;
  const FontWrap wrap = FontWrapFor(choice);
  EXPECT_EQ(
      wrap.opening,
      "<font name=\"Verdana\" size=\"12\" color=\"#EFCDAB\"><b><i><u><s>");
  EXPECT_EQ(wrap.closing, "</s></u></i></b></font>");
}

}  // namespace
}  // namespace quillory
