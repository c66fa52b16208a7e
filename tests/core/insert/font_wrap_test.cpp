#include "insert/font_wrap.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(FontWrapTest, ColoursAreReorderedToRgb) {
  EXPECT_EQ(HtmlColour(255), "FF0000");
  EXPECT_EQ(HtmlColour(16711680), "0000FF");
  EXPECT_EQ(HtmlColour(0x00ABCDEF), "EFCDAB");
  EXPECT_EQ(HtmlColour(0), "000000");
}

TEST(FontWrapTest, StylesOpenAndCloseInTheirOrders) {
  FontChoice choice;
  choice.face = "Verdana";
  choice.size = 12;
  choice.bold = true;
  choice.underline = true;
  const FontWrap wrap = FontWrapFor(choice);
  EXPECT_EQ(wrap.opening + "x" + wrap.closing,
            "<font name=\"Verdana\" size=\"12\" color=\"#000000\"><b><u>x</u>"
            "</b></font>");
}

TEST(FontWrapTest, AllStyles) {
  FontChoice choice;
  choice.bold = choice.italic = choice.underline = choice.strikethrough = true;
  choice.colour = 255;
  const FontWrap wrap = FontWrapFor(choice);
  EXPECT_EQ(wrap.opening,
            "<font name=\"\" size=\"0\" color=\"#FF0000\"><b><i><u><s>");
  EXPECT_EQ(wrap.closing, "</s></u></i></b></font>");
}

TEST(FontWrapTest, FirstUseIsEmpty) {
  const FontWrap wrap = FontWrapFor(FontChoice{});
  EXPECT_EQ(wrap.opening, "<font name=\"\" size=\"0\" color=\"#000000\">");
  EXPECT_EQ(wrap.closing, "</font>");
}

TEST(FontWrapTest, ChooserStartsFromArialNine) {
  const FontChoice start = ChooserStart(FontChoice{});
  EXPECT_EQ(start.face, "Arial");
  EXPECT_EQ(start.size, 9);
  FontChoice remembered;
  remembered.face = "Mono";
  remembered.size = 14;
  EXPECT_EQ(ChooserStart(remembered).face, "Mono");
  EXPECT_EQ(ChooserStart(remembered).size, 14);
}

}  // namespace
}  // namespace quillory
