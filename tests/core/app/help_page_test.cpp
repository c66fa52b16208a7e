#include "app/help_page.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace quillory {
namespace {

struct NameRow {
  const char* rule;
  double r;
  std::string name;
};

class HelpFileNameTest : public ::testing::TestWithParam<NameRow> {};

TEST_P(HelpFileNameTest, IsUpperCaseHexOfTheScaledNumber) {
  EXPECT_EQ(HelpFileName(GetParam().r), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    NameRules, HelpFileNameTest,
    ::testing::Values(
        NameRow{"ZeroGivesTheLowest", 0.0, "F4240.html"},
        NameRow{"JustBelowOneGivesTheHighest", 0.99999999999, "98967E.html"},
        NameRow{"HalfIsTruncatedNotRounded", 0.5, "53EC5F.html"},
        NameRow{"OneIsClampedBelowOne", 1.0, "98967E.html"},
        NameRow{"NegativeIsClampedToZero", -0.5, "F4240.html"},
        NameRow{"NotANumberGivesTheLowest", std::nan(""), "F4240.html"}),
    [](const auto& info) { return info.param.rule; });

TEST(HelpFilePathTest, JoinsFolderAndNameWithOneSlash) {
  EXPECT_EQ(HelpFilePath("/tmp", 0.0), "/tmp/F4240.html");
  EXPECT_EQ(HelpFilePath("/tmp/", 0.0), "/tmp/F4240.html");
}

TEST(HelpFilePathTest, DifferentRandomNumbersGiveDifferentFiles) {
  EXPECT_NE(HelpFilePath("/tmp/", 0.25), HelpFilePath("/tmp/", 0.75));
}

TEST(HelpPageBytesTest, AddsCrLfAfterTheHelpText) {
  EXPECT_EQ(HelpPageBytes("<html></html>"), "<html></html>\r\n");
  EXPECT_EQ(HelpPageBytes(""), "\r\n");
}

}  // namespace
}  // namespace quillory
