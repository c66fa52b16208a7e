#include "app/text_util.h"

#include <gtest/gtest.h>

#include "app/number_parse.h"

namespace quillory {
namespace {

using Pieces = std::vector<std::string>;

// Joining, case folding and taking the name after the last slash are
// checked through the settings, completion and recent file tables.
// Empty pieces are kept between and at the ends; overlapping separators
// split left to right.
TEST(SplitTest, KeepsEmptyPiecesAndSplitsLeftToRight) {
  EXPECT_EQ(Split("", "///"), Pieces{});
  EXPECT_EQ(Split("a//////b///", "///"), (Pieces{"a", "", "b", ""}));
  EXPECT_EQ(Split("a////b", "///"), (Pieces{"a", "/b"}));
}

TEST(TrimTest, RemovesOnlyBlanks) {
  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
  EXPECT_EQ(TrimBlanks("   "), "");
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
