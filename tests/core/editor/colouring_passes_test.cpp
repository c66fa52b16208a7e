// The passes on texts far larger than the random comparison with the
// literal reading builds; small texts are left to that comparison.

#include <gtest/gtest.h>

#include <string>

#include "core/editor/format_runs.h"
#include "editor/php_pass.h"
#include "editor/quote_pass.h"

namespace quillory {
namespace {

Runs PhpRuns(std::string_view text, const std::vector<std::string>& words) {
  const TextRange range{1, static_cast<int64_t>(text.size())};
  Runs runs;
  AddPhpRuns(text, range, FindPhpBlocks(text, range), PhpKeywords(words), runs);
  return runs;
}

Runs QuoteRuns(std::string_view text) {
  Runs runs;
  AddQuoteRuns(text, {1, static_cast<int64_t>(text.size())}, runs);
  return runs;
}

TEST(PhpPassTest, ManyNestedOpenersListKeywordsPerBlock) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "<?";
  text += "if?>";
  const int64_t n = static_cast<int64_t>(text.size());
  const Runs runs = PhpRuns(text, {"if"});
  ASSERT_EQ(runs.size(), 2000u);
  EXPECT_EQ(runs[0], Php(1999, n));
  EXPECT_EQ(runs[1], Keyword(2001, 2));
  EXPECT_EQ(runs[1998], Php(2, n));
  EXPECT_EQ(runs[1999], Keyword(2001, 2));
}

TEST(PhpPassTest, LargeBlockKeepsListOrder) {
  std::string text = "<?php ";
  for (int i = 0; i < 200; ++i) text += "for if ";
  const int64_t n = static_cast<int64_t>(text.size());
  const Runs runs = PhpRuns(text, {"if", "for"});
  ASSERT_EQ(runs.size(), 401u);
  EXPECT_EQ(runs[1], Keyword(11, 2));
  EXPECT_EQ(runs[200], Keyword(n - 2, 2));
  EXPECT_EQ(runs[201], Keyword(7, 3));
  EXPECT_EQ(runs[400], Keyword(n - 6, 3));
}

TEST(QuotePassTest, ManyEscapedQuotesNeverOpen) {
  std::string text;
  for (int i = 0; i < 100'000; ++i) text += "\\\"";
  text += "'x'";
  const int64_t n = static_cast<int64_t>(text.size());
  EXPECT_EQ(QuoteRuns(text), (Runs{String(n - 2, n)}));
}

TEST(QuotePassTest, ManyApostrophesWithoutOtherKindsPairUp) {
  std::string text;
  for (int i = 0; i < 100'000; ++i) text += "'a";
  const int64_t n = static_cast<int64_t>(text.size());
  const Runs runs = QuoteRuns(text);
  ASSERT_EQ(runs.size(), 50'000u);
  EXPECT_EQ(runs.front(), String(1, 3));
  EXPECT_EQ(runs.back(), String(n - 3, n - 1));
}

}  // namespace
}  // namespace quillory
