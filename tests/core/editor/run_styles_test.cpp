#include "editor/run_styles.h"

#include <gtest/gtest.h>

#include <random>
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

// Each run byte by byte: the colour replaced, the bold bit as it says.
std::vector<uint8_t> ApplyLiterally(const Runs& runs,
                                    std::vector<uint8_t> styles) {
  for (const FormatRun& run : runs) {
    for (int64_t at = run.first; at <= run.last(); ++at) {
      uint8_t& style = styles[at - 1];
      const int colour = run.kind == RunKind::kTag      ? 1
                         : run.kind == RunKind::kPhp    ? 2
                         : run.kind == RunKind::kString ? 3
                                                        : 0;
      const bool bold = run.bold() == BoldChange::kOn ||
                        (run.bold() == BoldChange::kKeep && StyleBold(style));
      style = static_cast<uint8_t>(colour << 1 | (bold ? 1 : 0));
    }
  }
  return styles;
}

TEST(RunStylesTest, RandomRunListsApplyAsEachRunByteByByte) {
  std::mt19937 engine(11);
  const auto between = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine);
  };
  const RunKind kinds[] = {RunKind::kReset, RunKind::kTag, RunKind::kPhp,
                           RunKind::kKeyword, RunKind::kString};
  for (int round = 0; round < 5000; ++round) {
    Runs runs;
    if (round % 4 != 0) {
      runs.push_back(Reset(between(3, 8), between(9, 20)));
      if (round % 8 == 1) runs.push_back(Reset(runs[0].last() + 1, 24));
    }
    for (int i = between(0, 8); i > 0; --i) {
      const int first = between(1, 24);
      const RunKind kind = kinds[between(round % 3 == 0 ? 0 : 1, 4)];
      runs.push_back(
          {first, static_cast<uint32_t>(between(1, 25 - first)), kind});
    }
    if (runs.empty()) continue;
    std::vector<uint8_t> before(24);
    for (uint8_t& style : before) style = static_cast<uint8_t>(between(0, 7));
    ASSERT_EQ(Apply(runs, before), ApplyLiterally(runs, before))
        << ::testing::PrintToString(runs);
  }
}

TEST(RunStylesTest, NoRunsSpanNothing) {
  EXPECT_TRUE(RunsSpan(Runs{}).empty());
}

}  // namespace
}  // namespace quillory
