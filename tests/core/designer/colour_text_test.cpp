#include "designer/colour_text.h"

#include <gtest/gtest.h>

#include <utility>

namespace quillory {
namespace {

TEST(ColourTextTest, WritesRgbAndDropsLeadingZerosInThePanel) {
  EXPECT_EQ(HtmlColourText(0x0000FF), "#FF0000");
  EXPECT_EQ(PanelColourText(0xFFFFFF), "#FFFFFF");
  EXPECT_EQ(PanelColourText(0xFF0000), "#FF");
  EXPECT_EQ(PanelColourText(0), "#");
}

TEST(ColourTextTest, ReadsOnlyHashAndOneToSixHexDigits) {
  const std::pair<const char*, std::optional<uint32_t>> rows[] = {
      {"#FF0000", 0x0000FF}, {"#FF", 0xFF0000},          {"#ff", 0xFF0000},
      {"#", std::nullopt},   {"#1000000", std::nullopt}, {"#GG", std::nullopt},
      {"FF", std::nullopt},  {"#-1", std::nullopt},
  };
  for (const auto& [text, colour] : rows) {
    EXPECT_EQ(ParseColourText(text), colour) << text;
  }
  EXPECT_EQ(DecimalColourText("255"), "#FF");
  EXPECT_EQ(DecimalColourText("12abc"), std::nullopt);
  EXPECT_EQ(DecimalColourText("#12"), std::nullopt);
}

}  // namespace
}  // namespace quillory
