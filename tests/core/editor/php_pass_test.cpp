#include "editor/php_pass.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editor/format_runs.h"

namespace quillory {
namespace {

Runs PhpRuns(std::string_view text, TextRange range,
             const std::vector<std::string>& words) {
  Runs runs;
  AddPhpRuns(text, range, FindPhpBlocks(text, range), PhpKeywords(words), runs);
  return runs;
}

TEST(PhpPassTest, NoBlocksNoRuns) {
  EXPECT_EQ(PhpRuns("echo if", {1, 7}, {"echo"}), Runs{});
}

TEST(PhpPassTest, KeywordsOutsideBlocksStayPlain) {
  // e1 c2 h3 o4 5 <6 ?7 8 e9 c10 h11 o12 13 ?14 >15 16 e17 c18 h19 o20
  EXPECT_EQ(PhpRuns("echo <? echo ?> echo", {1, 20}, {"echo"}),
            (Runs{Php(6, 15), Keyword(9, 4)}));
}

TEST(PhpPassTest, SeparateBlocksFindOnlyTheirOwnKeywords) {
  // <1 ?2 a3 ?4 >5 6 a7 8 <9 ?10 a11 ?12 >13
  EXPECT_EQ(PhpRuns("<?a?> a <?a?>", {1, 13}, {"a"}),
            (Runs{Php(9, 13), Keyword(11, 1), Php(2, 5), Keyword(3, 1)}));
}

TEST(PhpPassTest, ManyNestedOpenersListKeywordsPerBlock) {
  std::string text;
  for (int i = 0; i < 1000; ++i) text += "<?";
  text += "if?>";
  const int64_t n = static_cast<int64_t>(text.size());
  const Runs runs = PhpRuns(text, {1, n}, {"if"});
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
  const Runs runs = PhpRuns(text, {1, n}, {"if", "for"});
  ASSERT_EQ(runs.size(), 401u);
  EXPECT_EQ(runs[1], Keyword(11, 2));
  EXPECT_EQ(runs[200], Keyword(n - 2, 2));
  EXPECT_EQ(runs[201], Keyword(7, 3));
  EXPECT_EQ(runs[400], Keyword(n - 6, 3));
}

}  // namespace
}  // namespace quillory
