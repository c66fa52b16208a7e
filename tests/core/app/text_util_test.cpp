#include "app/text_util.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

using Pieces = std::vector<std::string>;

// Empty pieces are kept between and at the ends; overlapping separators
// split left to right.
TEST(SplitTest, KeepsEmptyPiecesAndSplitsLeftToRight) {
  EXPECT_EQ(Split("", "///"), Pieces{});
  EXPECT_EQ(Split("a//////b///", "///"), (Pieces{"a", "", "b", ""}));
  EXPECT_EQ(Split("a////b", "///"), (Pieces{"a", "/b"}));
}

TEST(JoinTest, PutsTheSeparatorOnlyBetween) {
  EXPECT_EQ(Join({}, ","), "");
  EXPECT_EQ(Join({"a", "b", "c"}, "\r\n"), "a\r\nb\r\nc");
}

TEST(CaseTest, FoldsOnlyAsciiLetters) {
  EXPECT_EQ(ToLowerAscii("AbC\xC4Z"), "abc\xC4z");
  EXPECT_TRUE(EqualsIgnoringCase("TIDY", "tidy"));
  EXPECT_FALSE(EqualsIgnoringCase("\xC4", "\xE4"));
  EXPECT_FALSE(EqualsIgnoringCase("a", "ab"));
}

TEST(TrimTest, RemovesOnlyBlanks) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
  EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(AfterLastTest, WholeTextWithoutSeparator) {
  EXPECT_EQ(AfterLast("/home/me/a.html", '/'), "a.html");
  EXPECT_EQ(AfterLast("/dir/", '/'), "");
  EXPECT_EQ(AfterLast("/w/a b\\c.html", '/'), "a b\\c.html");
}

}  // namespace
}  // namespace quillory
