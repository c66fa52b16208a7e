#include "app/help_page.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

namespace quillory {
namespace {

TEST(HelpFileNameTest, IsUpperCaseHexOfTheScaledNumber) {
  const std::pair<double, const char*> rows[] = {
      {0.0, "F4240.html"},             // the lowest
      {0.99999999999, "98967E.html"},  // the highest
      {0.5, "53EC5F.html"},            // truncated, not rounded
      {1.0, "98967E.html"},            // clamped below one
      {-0.5, "F4240.html"},            // clamped to zero
      {std::nan(""), "F4240.html"},
  };
  for (const auto& [r, name] : rows) EXPECT_EQ(HelpFileName(r), name) << r;
}

TEST(HelpFilePathTest, JoinsFolderAndNameWithOneSlash) {
  EXPECT_EQ(HelpFilePath("/tmp", 0.0), "/tmp/F4240.html");
  EXPECT_EQ(HelpFilePath("/tmp/", 0.0), "/tmp/F4240.html");
}

}  // namespace
}  // namespace quillory
