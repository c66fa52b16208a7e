#include "app/number_parse.h"

#include <gtest/gtest.h>

namespace quillory {
namespace {

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
