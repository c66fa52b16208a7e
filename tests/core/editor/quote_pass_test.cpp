#include "editor/quote_pass.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editor/format_runs.h"

namespace quillory {
namespace {

Runs QuoteRuns(std::string_view text, TextRange range) {
  Runs runs;
  AddQuoteRuns(text, range, runs);
  return runs;
}

TEST(QuotePassTest, EachKindClosesOnlyItself) {
  // "1 '2 `3 "4 5 '6 `7 '8
  EXPECT_EQ(QuoteRuns("\"'`\" '`'", {1, 8}),
            (Runs{String(1, 4), String(6, 8)}));
}

TEST(QuotePassTest, ClosingPastRangeEndsAtRangeEnd) {
  EXPECT_EQ(QuoteRuns("a'bc'", {1, 3}), (Runs{String(2, 3)}));
}

TEST(QuotePassTest, ManyEscapedQuotesNeverOpen) {
  std::string text;
  for (int i = 0; i < 100'000; ++i) text += "\\\"";
  text += "'x'";
  const int64_t n = static_cast<int64_t>(text.size());
  EXPECT_EQ(QuoteRuns(text, {1, n}), (Runs{String(n - 2, n)}));
}

TEST(QuotePassTest, ManyApostrophesWithoutOtherKindsPairUp) {
  std::string text;
  for (int i = 0; i < 100'000; ++i) text += "'a";
  const int64_t n = static_cast<int64_t>(text.size());
  const Runs runs = QuoteRuns(text, {1, n});
  ASSERT_EQ(runs.size(), 50'000u);
  EXPECT_EQ(runs.front(), String(1, 3));
  EXPECT_EQ(runs.back(), String(n - 3, n - 1));
}

TEST(QuotePassTest, RangeStartingAtOneDoesNotLookBefore) {
  EXPECT_EQ(QuoteRuns("'a'", {1, 3}), (Runs{String(1, 3)}));
  EXPECT_EQ(QuoteRuns("'a'", {2, 3}), (Runs{String(1, 3)}));
  EXPECT_EQ(QuoteRuns("'a'", {3, 3}), Runs{});
}

}  // namespace
}  // namespace quillory
