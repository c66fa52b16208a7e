#include "editor/gutter_rules.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(GutterRulesTest, NumbersArePaddedToTheDigitCount) {
  EXPECT_EQ(LineNumberText(7, 4), "0007");
  EXPECT_EQ(LineNumberText(1, 0), "0001");
  EXPECT_EQ(LineNumberText(12345, 4), "12345");
  EXPECT_EQ(LineNumberText(42, 6), "000042");
}

TEST(GutterRulesTest, BlendMixesEachChannelWithWhite) {
  EXPECT_EQ(BlendWithWhite(0x000000, 0.5), 0x808080u);
  EXPECT_EQ(BlendWithWhite(0xFFFFFF, 0.75), 0xFFFFFFu);
  // Red in the low byte: 0xD77800 (BGR) is RGB (0, 120, 215).
  EXPECT_EQ(BlendWithWhite(0xD77800, 0.5), 0xEBBC80u);
  EXPECT_EQ(BlendWithWhite(0xF0F0F0, 0.75), 0xF4F4F4u);
}

TEST(GutterRulesTest, SelectionLinesAndCaretLineAreHighlighted) {
  const HighlightedLines lines = LinesToHighlight(2, 4, 4);
  for (int line = 1; line <= 5; ++line)
    EXPECT_EQ(lines.Contains(line), line >= 2 && line <= 4) << line;
  EXPECT_TRUE(LinesToHighlight(9, 9, 9).Contains(9));
}

}  // namespace
}  // namespace quillory
