#include "editor/php_pass.h"

#include <gtest/gtest.h>

#include <string>

#include "core/editor/format_runs.h"

namespace quillory {
namespace {

// Past 32 keywords in a block the runs are sorted another way, one the
// random comparison's short texts never reach.
TEST(PhpPassTest, ManyKeywordsInABlockKeepListOrder) {
  std::string text = "<?php ";
  for (int i = 0; i < 200; ++i) text += "for if ";
  const int64_t n = static_cast<int64_t>(text.size());
  const TextRange range{1, n};
  Runs runs;
  AddPhpRuns(text, range, FindPhpBlocks(text, range),
             PhpKeywords({"if", "for"}), runs);
  ASSERT_EQ(runs.size(), 401u);
  EXPECT_EQ(runs[1], Keyword(11, 2));
  EXPECT_EQ(runs[200], Keyword(n - 2, 2));
  EXPECT_EQ(runs[201], Keyword(7, 3));
  EXPECT_EQ(runs[400], Keyword(n - 6, 3));
}

}  // namespace
}  // namespace quillory
