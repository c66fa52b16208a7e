#include "insert/font_wrap.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

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
