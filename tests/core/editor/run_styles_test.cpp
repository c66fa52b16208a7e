#include "editor/run_styles.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/editor/format_runs.h"

namespace quillory {
namespace {

std::vector<uint8_t> Apply(const Runs& runs, std::vector<uint8_t> before) {
  const TextRange span = RunsSpan(runs);
  ApplyRuns(
      runs, span,
      std::span(before).subspan(span.first - 1, span.last - span.first + 1));
  return before;
}

TEST(RunStylesTest, EachColourAndBoldPairHasItsOwnStyle) {
  for (int style = 0; style < kRunStyleCount; ++style) {
    for (int other = style + 1; other < kRunStyleCount; ++other) {
      EXPECT_FALSE(StyleColour(style) == StyleColour(other) &&
                   StyleBold(style) == StyleBold(other));
    }
  }
  EXPECT_EQ(StyleColour(0), 0u);
  EXPECT_FALSE(StyleBold(0));
}

TEST(RunStylesTest, LaterRunsOverrideAndKeepBoldWhereTheySay) {
  // Reset 1..8, keyword 2..4 (black bold), string 3..6 (grey, bold kept).
  const Runs runs = {Reset(1, 8), Keyword(2, 3), String(3, 6)};
  const std::vector<uint8_t> styles = Apply(runs, std::vector<uint8_t>(8, 5));
  ASSERT_EQ(styles.size(), 8u);
  const auto colour = [&](int at) { return StyleColour(styles[at - 1]); };
  const auto bold = [&](int at) { return StyleBold(styles[at - 1]); };
  EXPECT_EQ(colour(1), 0u);
  EXPECT_FALSE(bold(1));
  EXPECT_EQ(colour(2), 0u);
  EXPECT_TRUE(bold(2));
  EXPECT_EQ(colour(3), ColourOf(RunKind::kString));
  EXPECT_TRUE(bold(3));
  EXPECT_EQ(colour(6), ColourOf(RunKind::kString));
  EXPECT_FALSE(bold(6));
  EXPECT_EQ(colour(7), 0u);
}

TEST(RunStylesTest, BytesOutsideTheResetKeepTheirStyle) {
  // A string opening one position before the range.
  const Runs runs = {Reset(3, 5), String(2, 4)};
  EXPECT_EQ(RunsSpan(runs), (TextRange{2, 5}));
  const std::vector<uint8_t> styles = Apply(runs, {1, 1, 1, 1, 1, 1});
  EXPECT_EQ(styles[0], 1);
  EXPECT_EQ(StyleColour(styles[1]), ColourOf(RunKind::kString));
  EXPECT_TRUE(StyleBold(styles[1]));
  EXPECT_FALSE(StyleBold(styles[2]));
  EXPECT_EQ(styles[5], 1);
}

TEST(RunStylesTest, NoRunsSpanNothing) {
  EXPECT_TRUE(RunsSpan(Runs{}).empty());
}

}  // namespace
}  // namespace quillory
