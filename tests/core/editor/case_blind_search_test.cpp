#include "editor/case_blind_search.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(CaseBlindSearchTest, ForwardIgnoresLetterCase) {
  EXPECT_EQ(FindForward("<p><DiV>", "div", 1), 5);
  EXPECT_EQ(FindForward("abcABC", "ABC", 2), 4);
}

TEST(CaseBlindSearchTest, ForwardStartsAtTheGivenPosition) {
  EXPECT_EQ(FindForward("aXaXa", "a", 3), 3);
  EXPECT_EQ(FindForward("aXaXa", "a", 4), 5);
  EXPECT_EQ(FindForward("aXaXa", "a", 6), 0);
}

TEST(CaseBlindSearchTest, OtherBytesCompareExactly) {
  EXPECT_EQ(FindForward("\xC4\xE4", "\xE4", 1), 2);
  EXPECT_EQ(FindForward("[{", "{", 1), 2);  // '[' is not a folded '{'
}

TEST(CaseBlindSearchTest, BackwardFindsLastWhollyWithinLimit) {
  EXPECT_EQ(FindBackward("abcabc", "abc", 6), 4);
  EXPECT_EQ(FindBackward("abcabc", "abc", 5), 1);
  EXPECT_EQ(FindBackward("abcabc", "ABC", 2), 0);
  EXPECT_EQ(FindBackward("abcabc", "abc", 100), 4);
}

TEST(CaseBlindSearchTest, EmptyFindIsFoundWhereTheSearchStarts) {
  EXPECT_EQ(FindForward("abc", "", 2), 2);
  EXPECT_EQ(FindForward("abc", "", 4), 4);
  EXPECT_EQ(FindForward("abc", "", 5), 0);
  EXPECT_EQ(FindBackward("abc", "", 2), 2);
  EXPECT_EQ(FindBackward("abc", "", 0), 0);
}

}  // namespace
}  // namespace quillory
