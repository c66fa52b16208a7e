#include "editor/tag_pass.h"

#include <gtest/gtest.h>

#include "core/editor/format_runs.h"

namespace quillory {
namespace {

Runs TagRuns(std::string_view text, TextRange range) {
  Runs runs;
  AddTagRuns(text, range, runs);
  return runs;
}

TEST(TagPassTest, EachTagRunsFromLessThanToGreaterThan) {
  EXPECT_EQ(TagRuns("<a>b</a>", {1, 8}), (Runs{Tag(1, 3), Tag(5, 8)}));
}

TEST(TagPassTest, GreaterThanPastRangeIsNotLookedFor) {
  EXPECT_EQ(TagRuns("x<a b>", {1, 4}), (Runs{Tag(2, 4)}));
}

TEST(TagPassTest, LessThanBeforeRangeDoesNotCount) {
  EXPECT_EQ(TagRuns("<a b>c", {3, 6}), Runs{});
}

TEST(TagPassTest, GreaterThanWithoutLessThanIsPlain) {
  EXPECT_EQ(TagRuns("a > b", {1, 5}), Runs{});
}

TEST(TagPassTest, CommentsAndScriptsAreTagsUpToFirstGreaterThan) {
  // <1 !2 -3 -4 5 a6 >7 b8 9 -10 -11 >12
  EXPECT_EQ(TagRuns("<!-- a>b -->", {1, 12}), (Runs{Tag(1, 7)}));
}

}  // namespace
}  // namespace quillory
