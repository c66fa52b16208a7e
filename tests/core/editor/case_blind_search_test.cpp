#include "editor/case_blind_search.h"

#include <gtest/gtest.h>

#include "editor/count_substr.h"

namespace quillory {
namespace {

// Positions are 1-based; 0 is not found.
TEST(CaseBlindSearchTest, ForwardFromTheGivenPositionIgnoringLetterCase) {
  EXPECT_EQ(FindForward("<p><DiV>", "div", 1), 5);
  EXPECT_EQ(FindForward("abcABC", "ABC", 2), 4);
  EXPECT_EQ(FindForward("aXaXa", "a", 3), 3);
  EXPECT_EQ(FindForward("aXaXa", "a", 4), 5);
  EXPECT_EQ(FindForward("aXaXa", "a", 6), 0);
  EXPECT_EQ(FindForward("\xC4\xE4", "\xE4", 1), 2);  // only ASCII folds
  EXPECT_EQ(FindForward("[{", "{", 1), 2);           // '[' is not a folded '{'
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

// Occurrences may overlap; only their starts need be within the range.
TEST(CountSubstrTest, CountsOccurrencesStartingInTheRange) {
  using enum CompareMode;
  EXPECT_EQ(CountSubstr("a\r\nb\r\nc", "\r\n", 1, kToTextEnd, kBinary), 2);
  EXPECT_EQ(CountSubstr("", "\r\n", 1, kToTextEnd, kBinary), 0);
  EXPECT_EQ(CountSubstr("aaaa", "aa", 1, kToTextEnd, kBinary), 3);
  EXPECT_EQ(CountSubstr("abababab", "ab", 3, 5, kBinary), 2);
  EXPECT_EQ(CountSubstr("abababab", "ab", 3, 4, kBinary), 1);
  EXPECT_EQ(CountSubstr("xxab", "ab", 1, 3, kBinary), 1);
  EXPECT_EQ(CountSubstr("aAa", "a", 1, kToTextEnd, kBinary), 2);
  EXPECT_EQ(CountSubstr("aAa", "a", 1, kToTextEnd, kIgnoreCase), 3);
}

}  // namespace
}  // namespace quillory
