#include "editor/count_substr.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(CountSubstrTest, CountsLineBreaks) {
  EXPECT_EQ(
      CountSubstr("a\r\nb\r\nc", "\r\n", 1, kToTextEnd, CompareMode::kBinary),
      2);
}

TEST(CountSubstrTest, OccurrencesMayOverlap) {
  EXPECT_EQ(CountSubstr("aaaa", "aa", 1, kToTextEnd, CompareMode::kBinary), 3);
}

TEST(CountSubstrTest, OnlyStartsWithinTheRangeCount) {
  EXPECT_EQ(CountSubstr("abababab", "ab", 3, 5, CompareMode::kBinary), 2);
  EXPECT_EQ(CountSubstr("abababab", "ab", 3, 4, CompareMode::kBinary), 1);
}

TEST(CountSubstrTest, AnOccurrenceStartingAtEndMayRunPastIt) {
  EXPECT_EQ(CountSubstr("xxab", "ab", 1, 3, CompareMode::kBinary), 1);
}

TEST(CountSubstrTest, CompareModeDecidesLetterCase) {
  EXPECT_EQ(CountSubstr("aAa", "a", 1, kToTextEnd, CompareMode::kBinary), 2);
  EXPECT_EQ(CountSubstr("aAa", "a", 1, kToTextEnd, CompareMode::kIgnoreCase),
            3);
}

TEST(CountSubstrTest, EmptyTextHasNone) {
  EXPECT_EQ(CountSubstr("", "\r\n", 1, kToTextEnd, CompareMode::kBinary), 0);
}

}  // namespace
}  // namespace quillory
