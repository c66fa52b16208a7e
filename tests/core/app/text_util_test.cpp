#include "app/text_util.h"

#include <gtest/gtest.h>

#include "app/number_parse.h"

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

TEST(ParseLeadingIntegerTest, RoundsHalvesToEven) {
  EXPECT_EQ(ParseLeadingInteger("1.5"), 2);
  EXPECT_EQ(ParseLeadingInteger("2.50000"), 2);
  EXPECT_EQ(ParseLeadingInteger("2.500001"), 3);
  EXPECT_EQ(ParseLeadingInteger("-1.5"), -2);
}

TEST(ParseLeadingIntegerTest, StopsAtTheFirstOtherCharacter) {
  EXPECT_EQ(ParseLeadingInteger("   12px"), 12);
  EXPECT_EQ(ParseLeadingInteger("+7"), 7);
  EXPECT_EQ(ParseLeadingInteger("1.2.3"), 1);
  EXPECT_EQ(ParseLeadingInteger(".9"), 1);
  EXPECT_EQ(ParseLeadingInteger("x1"), 0);
  EXPECT_EQ(ParseLeadingInteger("- 1"), 0);
}

TEST(ParseLeadingIntegerTest, RangeLimits) {
  EXPECT_EQ(ParseLeadingInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseLeadingInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseLeadingInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseLeadingInteger("2147483647.5"), std::nullopt);
  EXPECT_EQ(ParseLeadingInteger(std::string(5000, '9')), std::nullopt);
}

TEST(ParseBooleanTest, WordsAndNumbers) {
  EXPECT_EQ(ParseBoolean("TRUE"), true);
  EXPECT_EQ(ParseBoolean(" false "), false);
  EXPECT_EQ(ParseBoolean("0.1"), true);
  EXPECT_EQ(ParseBoolean("-1"), true);
  EXPECT_EQ(ParseBoolean("1x"), std::nullopt);
  EXPECT_EQ(ParseBoolean("yes"), std::nullopt);
  EXPECT_EQ(ParseBoolean(""), std::nullopt);
}

}  // namespace
}  // namespace quillory
